#pragma once
// The load library: named loads of the beam window, one table written to
// "Traversen/Lasten-Bibliothek.cds" beside the program after every post and every delete.
#include "beam/u_lastbibfelder.h"
#include "platform/u_meldungen.h"
#include "tables/u_tabelle.h"
#include <QString>
#include <functional>
#include <vector>

struct Lasteintrag {
    QString name;
    qint32 nummer = 0;
};

class Lastenbibliothek {
public:
    Lastenbibliothek();
    Lastenbibliothek(const Lastenbibliothek&) = delete;
    Lastenbibliothek& operator=(const Lastenbibliothek&) = delete;

    static QString Kopf();
    static QString Dateiname(const QString& programmverzeichnis);

    // The file of the program directory: its entries, or an empty library (nothing written yet)
    // and the message why.
    Meldungen BibliothekLaden(const QString& programmverzeichnis);
    void BibliothekNeu();
    void BibliothekSchreiben();

    // Clears the list, then one item per entry of that kind, in entry order.
    void LastenAuflisten(qint32 werkzeug, std::vector<Lasteintrag>& liste);
    // Makes the entry of that number current.
    bool LastFinden(qint32 nummer);
    // Appends an entry. One of that kind and name that exists already ("Eine Last dieses Namens
    // existiert bereits.") or a value the table refuses throws Fehler; nothing is added then.
    void LastHinzufuegen(qint32 werkzeug, const QString& name, double last, double flaeche,
                         double breite, const QString& einheit);

    const QString& datei() const { return m_datei; }

    TBClientDataSet cds_lastbib;
    // Takes the error of a write after a change (the window shows it).
    std::function<void(const QString&)> beiSchreibfehler;

private:
    void setzeAnzeigeformate();
    QString m_datei;
};
