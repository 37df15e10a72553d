#pragma once
// The truss library: one table of truss types, kept for the whole run and written to
// "Traversen/Bibliothek.cds" beside the program after every post and every delete.
// The file helpers below serve the load library as well.
#include "platform/u_meldungen.h"
#include "tables/u_tabelle.h"
#include "truss/u_travbibfelder.h"
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <span>

// Reads a library file (header text value, then one sized packet) into tabelle. False, with the
// table untouched, when the header differs or a field of `felder` is missing; a damaged file
// throws Fehler, again with the table untouched.
bool LeseBibliotheksdatei(const QString& datei, const QString& kopf, std::span<const Feldname> felder,
                          TBClientDataSet& tabelle);
// Writes the whole library file anew; the old file stays when writing fails (Fehler).
void SchreibeBibliotheksdatei(const QString& datei, const QString& kopf, TBClientDataSet& tabelle);
// Loading at program start: keeps the file's rows when it is a valid library; otherwise `neu`
// runs, and the message is `ungueltig` (wrong header) or the error text (damaged file). A missing
// file gives `neu` without a message.
Meldungen LadeBibliothek(const QString& datei, const QString& kopf, std::span<const Feldname> felder,
                         const QString& ungueltig, TBClientDataSet& tabelle, const std::function<void()>& neu);
// Every post and delete on tabelle runs `schreiben`; a write error goes to `melden` (as it is set
// then; it outlives the table) and the change stays in the table.
void SchreibeNachJederAenderung(TBClientDataSet& tabelle, std::function<void()> schreiben,
                                const std::function<void(const QString&)>& melden);

// Sets a text field; the empty text is a missing value, so the table's required check sees it.
void SetzeTextOderNull(TField& feld, const QString& text);

// The values that the truss window or the load table window insert. A number given as text is
// read as the field reads a text (empty: null); a number given as double is set as it is.
struct BibliotheksEintrag {
    QString hersteller;
    QString name;
    QString bearbeiter;
    QVariant eigenlast;
    QVariant querkraft;
    QVariant biegemoment;
    double hoehe = 0;  // m
    double breite = 0; // m
    qint32 gurtzahl = 0;
    QVariant ei; // bending stiffness in kN·m²; none when unknown
};

// Bending stiffness of an aluminium truss: E = 70 000 N/mm² for the alloys of the truss design.
constexpr double AluElastizitaetsmodul = 70000; // N/mm²
// EI in kN·m² of a truss whose second moment is in mm⁴.
double BiegesteifigkeitAusTraegheit(double traegheitMm4);

// The values of the truss window: the three numbers as typed (field text), height and width from
// mm to m; the width only for 3 or 4 chords with horizontal diagonals, else 0; EI from the
// vertical second moment of the last calculation (none when it is not above 0).
BibliotheksEintrag TraversenfensterEintrag(const QString& hersteller, const QString& name,
                                           const QString& bearbeiter, const QString& eigenlast,
                                           const QString& querkraft, const QString& biegemoment,
                                           const QString& hoeheMm, const QString& breiteMm,
                                           qint32 gurtzahl, bool horizontaleDiagonalen,
                                           double traegheitVertikal = 0);

class Traversenbibliothek {
public:
    Traversenbibliothek();
    Traversenbibliothek(const Traversenbibliothek&) = delete;
    Traversenbibliothek& operator=(const Traversenbibliothek&) = delete;

    static QString Kopf();
    static QString Dateiname(const QString& programmverzeichnis);

    // The library file of the program directory: its rows, or an empty library and the message why.
    Meldungen BibliothekLaden(const QString& programmverzeichnis);
    // Another header throws Fehler("keine gültige Traversenbibliothek"), as does a damaged file.
    void BibliothekLesen(const QString& datei);
    void BibliothekNeu();
    void BibliothekSchreiben();

    // Inserts the row of that maker and name, or overwrites it after bejaht said yes to
    // Format(existiertMuster, [Hersteller, Name]) + CR LF + "Überschreiben?". False when it said
    // No. A value the table refuses throws its Fehler (the row is cancelled, nothing is written).
    bool InBibliothek(const BibliotheksEintrag& eintrag, const QString& existiertMuster, const Rueckfrage& bejaht);
    // Text 2101, the truss window's question.
    static QString ExistiertMuster();

    const QString& datei() const { return m_datei; }

    TBClientDataSet cds_travbib;
    // Takes the error of a write after a change (the window shows it).
    std::function<void(const QString&)> beiSchreibfehler;

private:
    void setzeAnzeigeformate();
    QString m_datei;
};
