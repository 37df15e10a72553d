#include "beam/u_balkenmodell.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_durchlauftraeger.h"
#include "beam/u_tragfaelle.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "tables/u_werteliste.h"
#include <cmath>
#include <limits>

const QStringList EinheitenKraft = {QStringLiteral("kg"), QStringLiteral("N"), QStringLiteral("kN")};
const QStringList EinheitenStreckenlast = {QStringLiteral("kg"), QStringLiteral("N"), QStringLiteral("kN"),
                                           QStringLiteral("kg/m"), QStringLiteral("N/m"), QStringLiteral("kN/m")};
// kN/m², written with the locale's decimal separator
QString staudrucktext(const char* nachkomma) { return u'0' + QString(Dezimaltrenner()) + QLatin1String(nachkomma); }

QString Artname(int art)
{
    static const char* const namen[] = {"Selektieren", "Lager", "Kraft", "Streckenlast", "Motorzug",
                                        "Scheinwerfer", "PAR", "Scanner", "MH Spot", "MH Wash",
                                        "4er-Bar", "6er-Bar", "Box", "Line-Array", "Beamer"};
    if (art < ArtSelektieren || art > ArtBeamer)
        return QString();
    return Uebersetzt(2001 + art, QString::fromUtf8(namen[art - 1]));
}

double StandardWindflaeche(int art, double s)
{
    const double flaeche = s * s;
    switch (art) {
    case ArtPAR:
    case ArtScanner: return flaeche * 3 * 1.2;
    case ArtMHSpot:
    case ArtMHWash: return flaeche * 1.5 * 1.2;
    case Art4erBar: return flaeche * 0.6 * 0.8;
    case Art6erBar: return flaeche * 0.3 * 0.8;
    case ArtBox: return flaeche * 2 * 1.3;
    case ArtLinearray: return flaeche * 4 * 1.3;
    case ArtBeamer: return flaeche * 0.3 * 1.3;
    default: return flaeche * 1.3;
    }
}

double EingabeZuKraft(const QString& text, int art, const QString& einheit, double laenge)
{
    const double v = TextZuFloat(text).value_or(0);
    if (einheit == QStringLiteral("kg"))
        return v * NproKg;
    if (einheit == QStringLiteral("kN"))
        return v * 1000;
    if (art == ArtStreckenlast) {
        if (einheit == QStringLiteral("kg/m"))
            return v * NproKg * laenge;
        if (einheit == QStringLiteral("N/m"))
            return v * laenge;
        if (einheit == QStringLiteral("kN/m"))
            return v * 1000 * laenge;
    }
    return v; // "N"
}

namespace {
void setzeFormat(TBClientDataSet& t, Feldname name, const char* maske)
{
    t.FieldByName(name).DisplayFormat = QString::fromUtf8(maske);
}

void setzeJaNein(TBClientDataSet& t, Feldname name)
{
    t.FieldByName(name).DisplayValues = QStringLiteral("ja;nein");
}
} // namespace

std::vector<TFieldDef> LagerFelder()
{
    using T = TFieldType;
    using namespace Lagerfeld;
    return {Felddef(Nummer, T::Integer),        Felddef(Name, T::String, 30),
            Felddef(Type, T::Integer),          Felddef(Position, T::Float),
            Felddef(oben, T::Boolean),          Felddef(Groesse, T::Float),
            Felddef(Eigenlast, T::Float),       Felddef(Maximallast, T::Float),
            Felddef(Minimalkraft, T::Float),    Felddef(Berechnet, T::Float),
            Felddef(Berechnetkg, T::Float, 0, true), Felddef(BerechnetProzent, T::Float, 0, true),
            Felddef(markiert, T::Boolean)};
}

std::vector<TFieldDef> LastenFelder()
{
    using T = TFieldType;
    using namespace Lastfeld;
    return {Felddef(Nummer, T::Integer),  Felddef(Name, T::String, 30),   Felddef(Type, T::Integer),
            Felddef(Pos1, T::Float),      Felddef(Pos2, T::Float),        Felddef(oben, T::Boolean),
            Felddef(Groesse, T::Float),   Felddef(Last, T::Float),        Felddef(Lastkg, T::Float, 0, true),
            Felddef(Aequivalenzflaeche, T::Float), Felddef(markiert, T::Boolean)};
}

void FormatiereLagertabelle(TBClientDataSet& t)
{
    t.SetIndexFieldNames({Lagerfeld::Nummer});
    setzeFormat(t, Lagerfeld::Eigenlast, "0.00");
    setzeFormat(t, Lagerfeld::Maximallast, "0.0");
    setzeFormat(t, Lagerfeld::Minimalkraft, "0.0");
    setzeFormat(t, Lagerfeld::Berechnet, "### ##0.00");
    setzeFormat(t, Lagerfeld::Berechnetkg, "### ##0.00");
    setzeFormat(t, Lagerfeld::BerechnetProzent, "### ##0.00");
    t.FieldByName(Lagerfeld::oben).DisplayValues = QStringLiteral("oben;unten");
    setzeJaNein(t, Lagerfeld::markiert);
    const int berechnet = t.FieldByName(Lagerfeld::Berechnet).Index();
    const int maximallast = t.FieldByName(Lagerfeld::Maximallast).Index();
    const int kg = t.FieldByName(Lagerfeld::Berechnetkg).Index();
    const int prozent = t.FieldByName(Lagerfeld::BerechnetProzent).Index();
    t.OnCalcFields = [=](TBClientDataSet& z) {
        const double b = z.Fields(berechnet).AsFloat();
        const double max = z.Fields(maximallast).AsFloat();
        z.Fields(kg).SetAsFloat(b / NproKg);
        if (max > 1)
            z.Fields(prozent).SetAsFloat(b * 100 / max);
        else
            z.Fields(prozent).Clear();
    };
}

void FormatiereLastentabelle(TBClientDataSet& t)
{
    t.SetIndexFieldNames({Lastfeld::Nummer});
    for (const Feldname name : {Lastfeld::Pos1, Lastfeld::Pos2, Lastfeld::Groesse, Lastfeld::Last, Lastfeld::Lastkg})
        setzeFormat(t, name, "0.00");
    t.FieldByName(Lastfeld::oben).DisplayValues = QStringLiteral("oben;unten");
    setzeJaNein(t, Lastfeld::markiert);
    const int last = t.FieldByName(Lastfeld::Last).Index();
    const int kg = t.FieldByName(Lastfeld::Lastkg).Index();
    t.OnCalcFields = [=](TBClientDataSet& z) { z.Fields(kg).SetAsFloat(z.Fields(last).AsFloat() / NproKg); };
}

void RichteLagertabelleEin(TBClientDataSet& t)
{
    t.Close();
    t.FieldDefs = LagerFelder();
    t.CreateDataSet();
    FormatiereLagertabelle(t);
}

void RichteLastentabelleEin(TBClientDataSet& t)
{
    t.Close();
    t.FieldDefs = LastenFelder();
    t.CreateDataSet();
    FormatiereLastentabelle(t);
}

void EditierbareAuswahl::waehle(int index)
{
    m_text = index >= 0 && index < anzahl() ? m_eintraege.at(index) : QString();
}

namespace {
const QStringList& eingebauteModustexte()
{
    static const QStringList texte = {QStringLiteral("nur Gewichtslasten"), QStringLiteral("Gewichts- und Windlasten"),
                                      QStringLiteral("nur Windlasten")};
    return texte;
}
} // namespace

QStringList Modustexte()
{
    QStringList texte;
    for (int i = 0; i < eingebauteModustexte().size(); ++i)
        texte << Uebersetzt(2034 + i, eingebauteModustexte()[i]);
    return texte;
}

Balkenmodell::Balkenmodell()
    : traversenname(Uebersetzt(2037, QStringLiteral("keine Traverse gewählt"))),
      berechnung(Modustexte(), 0), staudruck(Staudrucktexte(), staudrucktext("5"))
{
    RichteLagertabelleEin(cds_lager);
    RichteLastentabelleEin(cds_lasten);
}

namespace {
int letzteNummer(TBClientDataSet& t)
{
    if (t.RecordCount() == 0)
        return 0;
    t.Last();
    return t.FieldByName(Balkenfeld::Nummer).AsInteger();
}
} // namespace

void Balkenmodell::ZaehlerSetzen()
{
    lagerzaehler = letzteNummer(cds_lager);
    lastenzaehler = letzteNummer(cds_lasten);
}

int Balkenmodell::Modus() const { return std::max(0, berechnung.gewaehlt()); }

QStringList Staudrucktexte()
{
    return {staudrucktext("15"), staudrucktext("25"), staudrucktext("3"), staudrucktext("5"), staudrucktext("8")};
}

// Typed here or read from a file of another machine: either separator. A text that is no number
// is not computed with (the calculation names it).
double Balkenmodell::StaudruckWert() const
{
    return DateiTextZuFloat(staudruck.angezeigterText()).value_or(std::numeric_limits<double>::quiet_NaN());
}

int Modusnummer(const QString& text)
{
    const int hier = int(Modustexte().indexOf(text));
    if (hier >= 0)
        return hier;
    // a file written while no other language was active names the mode in the built-in German
    return int(eingebauteModustexte().indexOf(text));
}

void Balkenmodell::SetzeModustexte() { berechnung.setzeEintraege(Modustexte(), berechnung.gewaehlt()); }

QString Balkenmodell::Einstellungen() const
{
    TWerteliste w;
    w.SchreibeDatumZeit(QStringLiteral("berechnet"),
                        berechnetAm.isValid() ? berechnetAm : QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    w.SchreibeAuswahl(QStringLiteral("Berechnung"), berechnung);
    w.SchreibeAuswahl(QStringLiteral("Staudruck"), staudruck);
    w.SchreibeBoolean(QStringLiteral("Minimal"), minimal);
    w.SchreibeBoolean(QStringLiteral("Negativ"), negativ);
    w.SchreibeFloat(QStringLiteral("TravLaenge"), traverse.laenge);
    w.SchreibeFloat(QStringLiteral("TravHoehe"), traverse.hoehe);
    w.SchreibeFloat(QStringLiteral("TravBreite"), traverse.breite);
    w.SchreibeInteger(QStringLiteral("Gurtzahl"), traverse.gurtzahl);
    w.SchreibeFloat(QStringLiteral("TravEigenlast"), traverse.eigenlast);
    w.SchreibeFloat(QStringLiteral("TravMaxBiege"), traverse.maxBiege);
    w.SchreibeFloat(QStringLiteral("TravMaxQuer"), traverse.maxQuer);
    if (durchbiegungsgrenze)
        w.SchreibeFloat(QStringLiteral("Durchbiegungsgrenze"), *durchbiegungsgrenze);
    if (travEI)
        w.SchreibeFloat(QStringLiteral("TravEI"), *travEI);
    return w.text();
}

void Balkenmodell::LeseEinstellungen(const QString& text)
{
    const TWerteliste w(text);
    const double laenge = w.LeseFloat(QStringLiteral("TravLaenge"), 0);
    if (!GueltigeTraversenlaenge(laenge))
        throw Fehler(Traversenlaengenfehler());
    traverse.laenge = laenge;
    traverse.hoehe = w.LeseFloat(QStringLiteral("TravHoehe"), 0);
    traverse.breite = w.LeseFloat(QStringLiteral("TravBreite"), 0);
    traverse.gurtzahl = w.LeseInteger(QStringLiteral("Gurtzahl"), 0);
    traverse.eigenlast = w.LeseFloat(QStringLiteral("TravEigenlast"), 0);
    traverse.maxBiege = w.LeseFloat(QStringLiteral("TravMaxBiege"), 0);
    traverse.maxQuer = w.LeseFloat(QStringLiteral("TravMaxQuer"), 0);
    // A missing or unknown mode is gravity alone and a missing pressure 0,5 kN/m², as in a new
    // single project: choosing the last item would compute wind alone and drop the weights. A
    // typed pressure comes back as typed, not as the last item of the list.
    berechnung.waehle(std::max(0, Modusnummer(w.LeseString(QStringLiteral("Berechnung"), QString()))));
    const QString druck = w.LeseZahltext(QStringLiteral("Staudruck"));
    staudruck.setzeText(druck.isEmpty() ? staudrucktext("5") : druck);
    minimal = w.LeseBoolean(QStringLiteral("Minimal"), false);
    negativ = w.LeseBoolean(QStringLiteral("Negativ"), false);
    // a value that is not a positive number counts as absent
    auto positiv = [&w](const char* name) -> std::optional<double> {
        const double wert = w.LeseFloat(QString::fromLatin1(name), 0);
        if (wert > 0 && std::isfinite(wert))
            return wert;
        return std::nullopt;
    };
    durchbiegungsgrenze = positiv("Durchbiegungsgrenze");
    travEI = positiv("TravEI");
}

double Balkenmodell::Durchbiegungsgrenze() const { return durchbiegungsgrenze.value_or(StandardDurchbiegungsgrenze); }

bool OrdneStreckenlast(TBClientDataSet& lasten)
{
    TField& pos1 = lasten.FieldByName(Lastfeld::Pos1);
    TField& pos2 = lasten.FieldByName(Lastfeld::Pos2);
    const double x1 = pos1.AsFloat(), x2 = pos2.AsFloat();
    if (lasten.FieldByName(Lastfeld::Type).AsInteger() != ArtStreckenlast || !(x1 > x2))
        return false;
    lasten.Edit();
    pos1.SetAsFloat(x2);
    pos2.SetAsFloat(x1);
    lasten.Post();
    return true;
}

bool GueltigeTraversenlaenge(double laenge) { return laenge > 0 && std::isfinite(laenge); }

QString Traversenlaengenfehler()
{
    return Uebersetzt(2797, QStringLiteral("Die Länge der Traverse muss größer als 0 sein"));
}
