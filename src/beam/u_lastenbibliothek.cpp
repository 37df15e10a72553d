#include "beam/u_lastenbibliothek.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "truss/u_traversenbibliothek.h"
#include <QDir>

Lastenbibliothek::Lastenbibliothek()
{
    SchreibeNachJederAenderung(cds_lastbib, [this] { BibliothekSchreiben(); }, beiSchreibfehler);
    BibliothekNeu();
}

QString Lastenbibliothek::Kopf() { return QStringLiteral("Kelvara VLX Lastenbibliothek 1.0"); }

QString Lastenbibliothek::Dateiname(const QString& programmverzeichnis)
{
    return QDir(programmverzeichnis).filePath(QStringLiteral("Traversen/Lasten-Bibliothek.cds"));
}

Meldungen Lastenbibliothek::BibliothekLaden(const QString& programmverzeichnis)
{
    static const QStringList felder{QStringLiteral("Nummer"), QStringLiteral("Werkzeug"),
                                    QStringLiteral("Name"),   QStringLiteral("Breite"),
                                    QStringLiteral("Flaeche"), QStringLiteral("Last"),
                                    QStringLiteral("Einheit")};
    m_datei = Dateiname(programmverzeichnis);
    const Meldungen meldungen = LadeBibliothek(m_datei, Kopf(), felder,
                                               Uebersetzt(2201, QStringLiteral("keine gültige Lastenbibliothek")),
                                               cds_lastbib, [this] { BibliothekNeu(); });
    cds_lastbib.SetIndexFieldNames(QStringLiteral("Nummer"));
    setzeAnzeigeformate();
    return meldungen;
}

void Lastenbibliothek::BibliothekNeu()
{
    auto zahl = [](const QString& name) { return TFieldDef{name, TFieldType::Float, 0, false, false, {}}; };
    cds_lastbib.Close();
    cds_lastbib.FieldDefs = {
        TFieldDef{QStringLiteral("Nummer"), TFieldType::AutoInc, 0, false, false, {}},
        TFieldDef{QStringLiteral("Werkzeug"), TFieldType::Integer, 0, false, false, {}},
        TFieldDef{QStringLiteral("Name"), TFieldType::String, 30, true, false, {}},
        zahl(QStringLiteral("Breite")),
        zahl(QStringLiteral("Flaeche")),
        zahl(QStringLiteral("Last")),
        TFieldDef{QStringLiteral("Einheit"), TFieldType::String, 10, false, false, {}},
    };
    cds_lastbib.CreateDataSet();
    cds_lastbib.SetIndexFieldNames(QStringLiteral("Nummer"));
    setzeAnzeigeformate();
}

void Lastenbibliothek::setzeAnzeigeformate()
{
    cds_lastbib.FieldByName(QStringLiteral("Breite")).DisplayFormat = QStringLiteral("0.0");
    cds_lastbib.FieldByName(QStringLiteral("Flaeche")).DisplayFormat = QStringLiteral("0.000");
    cds_lastbib.FieldByName(QStringLiteral("Last")).DisplayFormat = QStringLiteral("0.00");
}

void Lastenbibliothek::BibliothekSchreiben() { SchreibeBibliotheksdatei(m_datei, Kopf(), cds_lastbib); }

void Lastenbibliothek::LastenAuflisten(qint32 werkzeug, std::vector<Lasteintrag>& liste)
{
    liste.clear();
    auto& t = cds_lastbib;
    t.CheckBrowseMode();
    const int aktuell = t.RecNo();
    for (t.First(); !t.Eof(); t.Next())
        if (t.FieldByName(QStringLiteral("Werkzeug")).AsInteger() == werkzeug)
            liste.push_back({t.FieldByName(QStringLiteral("Name")).AsString(),
                             t.FieldByName(QStringLiteral("Nummer")).AsInteger()});
    if (aktuell > 0)
        t.SetRecNo(aktuell);
}

bool Lastenbibliothek::LastFinden(qint32 nummer)
{
    cds_lastbib.CheckBrowseMode();
    return cds_lastbib.FindKey({nummer});
}

void Lastenbibliothek::LastHinzufuegen(qint32 werkzeug, const QString& name, double last, double flaeche,
                                       double breite, const QString& einheit)
{
    auto& t = cds_lastbib;
    t.CheckBrowseMode();
    if (t.Locate(QStringLiteral("Werkzeug;Name"), {werkzeug, name}))
        throw Fehler(Uebersetzt(2202, QStringLiteral("Eine Last dieses Namens existiert bereits.")));
    t.Append();
    try {
        t.FieldByName(QStringLiteral("Werkzeug")).SetAsInteger(werkzeug);
        SetzeTextOderNull(t.FieldByName(QStringLiteral("Name")), name);
        t.FieldByName(QStringLiteral("Breite")).SetAsFloat(breite);
        t.FieldByName(QStringLiteral("Flaeche")).SetAsFloat(flaeche);
        t.FieldByName(QStringLiteral("Last")).SetAsFloat(last);
        t.FieldByName(QStringLiteral("Einheit")).SetAsString(einheit);
        t.Post();
    } catch (const Fehler&) {
        t.Cancel();
        throw;
    }
}
