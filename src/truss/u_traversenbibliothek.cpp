#include "truss/u_traversenbibliothek.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "tables/u_stream.h"
#include <QDir>
#include <QFileInfo>
#include <cmath>

using namespace Travbibfeld;

namespace {

// The fields every library file has; EI may be missing.
constexpr Feldname felder[] = {Nummer,      Hersteller, Name,  Bearbeiter, Eigenlast,
                               Querkraft,   Biegemoment, Hoehe, Breite,     Gurtzahl};

// No real library left this many numbers free; a damaged one may claim billions.
constexpr int MaxFreieNummern = 10000;

// A library written before the bending stiffness was kept gets the empty last field "EI". The
// rows keep their numbers: a number left free by a deleted row is drawn and given back, up to
// MaxFreieNummern of them; beyond that the numbers simply go on.
void ergaenzeSteifigkeit(TBClientDataSet& tabelle, const std::function<void()>& neu)
{
    if (tabelle.FindField(EI))
        return;
    TBClientDataSet alt;
    alt.AusPaket(tabelle.Paket());
    alt.SetIndexFieldNames({Nummer});
    const qint32 naechste = alt.AutoIncValue();
    const StilleTabelle still(tabelle); // the rebuild is no change to write
    neu();
    int frei = 0;
    auto ueberspringeBis = [&tabelle, &frei](qint32 nummer) {
        while (tabelle.AutoIncValue() < nummer && frei++ < MaxFreieNummern) {
            tabelle.Append();
            for (const Feldname name : {Hersteller, Name, Bearbeiter})
                tabelle.FieldByName(name).SetAsString(QStringLiteral("-"));
            tabelle.Post();
            tabelle.Delete();
        }
    };
    for (alt.First(); !alt.Eof(); alt.Next()) {
        ueberspringeBis(alt.FieldByName(Nummer).AsInteger());
        tabelle.Append();
        for (int i = 1; i < alt.FieldCount(); ++i)
            tabelle.Fields(i).SetValue(alt.Fields(i).Value());
        tabelle.Post();
    }
    ueberspringeBis(naechste);
}

void setzeZahl(TField& feld, const QVariant& wert)
{
    if (!wert.isValid() || wert.isNull())
        feld.Clear();
    else if (wert.typeId() == QMetaType::QString)
        feld.SetAsString(wert.toString());
    else
        feld.SetAsFloat(wert.toDouble());
}

} // namespace

void SetzeTextOderNull(TField& feld, const QString& text)
{
    if (text.isEmpty())
        feld.Clear();
    else
        feld.SetAsString(text);
}

bool LeseBibliotheksdatei(const QString& datei, const QString& kopf, std::span<const Feldname> felder,
                          TBClientDataSet& tabelle)
{
    DokumentLeser leser(datei);
    if (leser.Text() != kopf)
        return false;
    TBClientDataSet gelesen;
    leser.Tabelle(gelesen);
    for (const Feldname name : felder)
        if (!gelesen.FindField(name))
            return false;
    tabelle.AusPaket(gelesen.Paket());
    return true;
}

void SchreibeBibliotheksdatei(const QString& datei, const QString& kopf, TBClientDataSet& tabelle)
{
    DokumentSchreiber schreiber(datei);
    schreiber.Text(kopf);
    schreiber.Tabelle(tabelle);
    schreiber.Abschliessen();
}

Meldungen LadeBibliothek(const QString& datei, const QString& kopf, std::span<const Feldname> felder,
                         const QString& ungueltig, TBClientDataSet& tabelle, const std::function<void()>& neu)
{
    if (!QFileInfo::exists(datei)) {
        neu();
        return {};
    }
    Meldungen meldungen;
    try {
        if (LeseBibliotheksdatei(datei, kopf, felder, tabelle))
            return {};
        meldungen << ungueltig;
    } catch (const Fehler& fehler) {
        meldungen << fehler.meldung();
    }
    neu();
    return meldungen;
}

void SchreibeNachJederAenderung(TBClientDataSet& tabelle, std::function<void()> schreiben,
                                const std::function<void(const QString&)>& melden)
{
    auto sicher = [schreiben = std::move(schreiben), &melden] {
        try {
            schreiben();
        } catch (const Fehler& fehler) {
            if (melden)
                melden(fehler.meldung());
        }
    };
    for (auto signal : {&TBClientDataSet::NachPost, &TBClientDataSet::NachLoeschen})
        QObject::connect(&tabelle, signal, &tabelle, sicher);
}

BibliotheksEintrag TraversenfensterEintrag(const QString& hersteller, const QString& name,
                                           const QString& bearbeiter, const QString& eigenlast,
                                           const QString& querkraft, const QString& biegemoment,
                                           const QString& hoeheMm, const QString& breiteMm,
                                           qint32 gurtzahl, bool horizontaleDiagonalen,
                                           double traegheitVertikal)
{
    BibliotheksEintrag e{hersteller, name, bearbeiter, eigenlast, querkraft, biegemoment};
    e.hoehe = TextZuFloat(hoeheMm).value_or(0) / 1000;
    e.breite = gurtzahl > 2 && horizontaleDiagonalen ? TextZuFloat(breiteMm).value_or(0) / 1000 : 0;
    e.gurtzahl = gurtzahl;
    if (traegheitVertikal > 0 && std::isfinite(traegheitVertikal))
        e.ei = BiegesteifigkeitAusTraegheit(traegheitVertikal);
    return e;
}

double BiegesteifigkeitAusTraegheit(double traegheitMm4)
{
    return AluElastizitaetsmodul * traegheitMm4 * 1e-9; // N/mm² · mm⁴ = N·mm² = 1e-9 kN·m²
}

Traversenbibliothek::Traversenbibliothek()
{
    SchreibeNachJederAenderung(cds_travbib, [this] { BibliothekSchreiben(); }, beiSchreibfehler);
    BibliothekNeu();
}

QString Traversenbibliothek::Kopf() { return QStringLiteral("Kelvara VLX Traversenbibliothek 1.0"); }

QString Traversenbibliothek::Dateiname(const QString& programmverzeichnis)
{
    return QDir(programmverzeichnis).filePath(QStringLiteral("Traversen/Bibliothek.cds"));
}

QString Traversenbibliothek::ExistiertMuster()
{
    return Uebersetzt(2101, QStringLiteral("Traverse \"%s %s\" existiert bereits."));
}

namespace {
QString ungueltigeBibliothek() { return Uebersetzt(1601, QStringLiteral("keine gültige Traversenbibliothek")); }
} // namespace

Meldungen Traversenbibliothek::BibliothekLaden(const QString& programmverzeichnis)
{
    m_datei = Dateiname(programmverzeichnis);
    const Meldungen meldungen = LadeBibliothek(m_datei, Kopf(), felder, ungueltigeBibliothek(), cds_travbib,
                                               [this] { BibliothekNeu(); });
    ergaenzeSteifigkeit(cds_travbib, [this] { BibliothekNeu(); });
    cds_travbib.SetIndexFieldNames({Nummer});
    setzeAnzeigeformate();
    return meldungen;
}

void Traversenbibliothek::BibliothekLesen(const QString& datei)
{
    if (!LeseBibliotheksdatei(datei, Kopf(), felder, cds_travbib))
        throw Fehler(ungueltigeBibliothek());
    ergaenzeSteifigkeit(cds_travbib, [this] { BibliothekNeu(); });
    cds_travbib.SetIndexFieldNames({Nummer});
    setzeAnzeigeformate();
}

void Traversenbibliothek::BibliothekNeu()
{
    auto text = [](Feldname name) {
        TFieldDef def = Felddef(name, TFieldType::String, 30);
        def.required = true;
        return def;
    };
    auto zahl = [](Feldname name) { return Felddef(name, TFieldType::Float); };
    cds_travbib.Close();
    cds_travbib.FieldDefs = {
        Felddef(Nummer, TFieldType::AutoInc),
        text(Hersteller),
        text(Name),
        text(Bearbeiter),
        zahl(Eigenlast),
        zahl(Querkraft),
        zahl(Biegemoment),
        zahl(Hoehe),
        zahl(Breite),
        Felddef(Gurtzahl, TFieldType::Integer),
        zahl(EI),
    };
    cds_travbib.CreateDataSet();
    cds_travbib.SetIndexFieldNames({Nummer});
    setzeAnzeigeformate();
}

void Traversenbibliothek::setzeAnzeigeformate()
{
    for (const Feldname name : {Eigenlast, Querkraft, Biegemoment})
        cds_travbib.FieldByName(name).DisplayFormat = QStringLiteral("### ### ##0.00");
    cds_travbib.FieldByName(EI).DisplayFormat = QStringLiteral("### ### ##0.0");
    for (const Feldname name : {Hoehe, Breite})
        cds_travbib.FieldByName(name).DisplayFormat = QStringLiteral("0.000");
}

void Traversenbibliothek::BibliothekSchreiben() { SchreibeBibliotheksdatei(m_datei, Kopf(), cds_travbib); }

bool Traversenbibliothek::InBibliothek(const BibliotheksEintrag& eintrag, const QString& existiertMuster,
                                       const Rueckfrage& bejaht)
{
    auto& t = cds_travbib;
    t.CheckBrowseMode();
    if (t.Locate({Hersteller, Name}, {eintrag.hersteller, eintrag.name})) {
        const QString frage = Format(existiertMuster, {eintrag.hersteller, eintrag.name})
                              + QStringLiteral("\r\n") + Uebersetzt(3, QStringLiteral("Überschreiben?"));
        if (!bejaht(frage))
            return false;
        t.Edit();
    } else {
        t.Append();
    }
    try {
        SetzeTextOderNull(t.FieldByName(Hersteller), eintrag.hersteller);
        SetzeTextOderNull(t.FieldByName(Name), eintrag.name);
        SetzeTextOderNull(t.FieldByName(Bearbeiter), eintrag.bearbeiter);
        setzeZahl(t.FieldByName(Eigenlast), eintrag.eigenlast);
        setzeZahl(t.FieldByName(Querkraft), eintrag.querkraft);
        setzeZahl(t.FieldByName(Biegemoment), eintrag.biegemoment);
        t.FieldByName(Hoehe).SetAsFloat(eintrag.hoehe);
        t.FieldByName(Breite).SetAsFloat(eintrag.breite);
        t.FieldByName(Gurtzahl).SetAsInteger(eintrag.gurtzahl);
        setzeZahl(t.FieldByName(EI), eintrag.ei);
        t.Post();
    } catch (const Fehler&) {
        t.Cancel();
        throw;
    }
    return true;
}
