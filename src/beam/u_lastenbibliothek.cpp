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
    using namespace Lastbibfeld;
    constexpr Feldname felder[] = {Nummer, Werkzeug, Name, Breite, Flaeche, Last, Einheit};
    m_datei = Dateiname(programmverzeichnis);
    const Meldungen meldungen = LadeBibliothek(m_datei, Kopf(), felder,
                                               Uebersetzt(2201, QStringLiteral("keine gültige Lastenbibliothek")),
                                               cds_lastbib, [this] { BibliothekNeu(); });
    cds_lastbib.SetIndexFieldNames({Lastbibfeld::Nummer});
    setzeAnzeigeformate();
    return meldungen;
}

void Lastenbibliothek::BibliothekNeu()
{
    using namespace Lastbibfeld;
    TFieldDef name = Felddef(Name, TFieldType::String, 30);
    name.required = true;
    cds_lastbib.Close();
    cds_lastbib.FieldDefs = {
        Felddef(Nummer, TFieldType::AutoInc),
        Felddef(Werkzeug, TFieldType::Integer),
        name,
        Felddef(Breite, TFieldType::Float),
        Felddef(Flaeche, TFieldType::Float),
        Felddef(Last, TFieldType::Float),
        Felddef(Einheit, TFieldType::String, 10),
    };
    cds_lastbib.CreateDataSet();
    cds_lastbib.SetIndexFieldNames({Lastbibfeld::Nummer});
    setzeAnzeigeformate();
}

void Lastenbibliothek::setzeAnzeigeformate()
{
    cds_lastbib.FieldByName(Lastbibfeld::Breite).DisplayFormat = QStringLiteral("0.0");
    cds_lastbib.FieldByName(Lastbibfeld::Flaeche).DisplayFormat = QStringLiteral("0.000");
    cds_lastbib.FieldByName(Lastbibfeld::Last).DisplayFormat = QStringLiteral("0.00");
}

void Lastenbibliothek::BibliothekSchreiben() { SchreibeBibliotheksdatei(m_datei, Kopf(), cds_lastbib); }

void Lastenbibliothek::LastenAuflisten(qint32 werkzeug, std::vector<Lasteintrag>& liste)
{
    liste.clear();
    auto& t = cds_lastbib;
    t.CheckBrowseMode();
    const int aktuell = t.RecNo();
    for (t.First(); !t.Eof(); t.Next())
        if (t.FieldByName(Lastbibfeld::Werkzeug).AsInteger() == werkzeug)
            liste.push_back({t.FieldByName(Lastbibfeld::Name).AsString(),
                             t.FieldByName(Lastbibfeld::Nummer).AsInteger()});
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
    if (t.Locate({Lastbibfeld::Werkzeug, Lastbibfeld::Name}, {werkzeug, name}))
        throw Fehler(Uebersetzt(2202, QStringLiteral("Eine Last dieses Namens existiert bereits.")));
    t.Append();
    try {
        t.FieldByName(Lastbibfeld::Werkzeug).SetAsInteger(werkzeug);
        SetzeTextOderNull(t.FieldByName(Lastbibfeld::Name), name);
        t.FieldByName(Lastbibfeld::Breite).SetAsFloat(breite);
        t.FieldByName(Lastbibfeld::Flaeche).SetAsFloat(flaeche);
        t.FieldByName(Lastbibfeld::Last).SetAsFloat(last);
        t.FieldByName(Lastbibfeld::Einheit).SetAsString(einheit);
        t.Post();
    } catch (const Fehler&) {
        t.Cancel();
        throw;
    }
}
