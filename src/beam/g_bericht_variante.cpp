#include "beam/g_bericht_variante.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_balkenmodell.h"
#include "beam/g_durchlaufbild.h"
#include "beam/u_balkenrechnung.h"
#include "language/u_uebersetzung.h"
#include "platform/u_einheiten.h"
#include "platform/u_zahlen.h"
#include "report/u_berichtsteile.h"

namespace {

const Schrift titelschrift{18, true, false};
const Schrift ueberschrift{10, true, true};
const Schrift wertschrift{10};
const Schrift spaltenschrift{8};
const Schrift zeilenschrift{8};

// A column of a section: its heading and where heading and value stand. Without a width the
// column is right-aligned and ends at x.
struct Spalte {
    const char* titel;
    Feldname feld;
    double x;
    double breite = 0;
};

const Spalte Lagerspalten[] = {
    {"Nr", Lagerfeld::Nummer, 2.1, 7.7},          {"Name", Lagerfeld::Name, 12.7, 28.8},
    {"Position [m]", Lagerfeld::Position, 55.3},  {"Eigenlast [N]", Lagerfeld::Eigenlast, 76.5},
    {"Maximallast [N]", Lagerfeld::Maximallast, 97.6}, {"Minimalkraft [N]", Lagerfeld::Minimalkraft, 118.8},
    {"berechnet [N]", Lagerfeld::Berechnet, 144.5}, {"berechnet [%]", Lagerfeld::BerechnetProzent, 164.3},
};

const Spalte Lastenspalten[] = {
    {"Nr", Lastfeld::Nummer, 2.1, 7.7},           {"Name", Lastfeld::Name, 12.7, 50.0},
    {"Position 1 [m]", Lastfeld::Pos1, 81.8},     {"Position 2 [m]", Lastfeld::Pos2, 100.8},
    {"Last [N]", Lastfeld::Last, 123.3},          {"Last [kg]", Lastfeld::Lastkg, 143.1},
};

const Spalte Tragfallspalten[] = {
    {"Nr", Tragfallfeld::Nummer, 2.1, 7.7},
    {"Lager 1", Tragfallfeld::Lager_1, 11.6, 11.0},
    {"Lager 2", Tragfallfeld::Lager_2, 23.3, 11.0},
    {"Pos 1 [m]", Tragfallfeld::Lagerpos_1, 46.8},
    {"Pos 2 [m]", Tragfallfeld::Lagerpos_2, 60.6},
    {"Kraft 1 [N]", Tragfallfeld::Lagerkraft_1, 78.6},
    {"Kraft 2 [N]", Tragfallfeld::Lagerkraft_2, 93.4},
    {"max Q [N]", Tragfallfeld::MaximaleQuerkraft, 111.4},
    {"max M [Nm]", Tragfallfeld::MaximalesBiegemoment, 130.4},
    {"max Q [%]", Tragfallfeld::MaxQProz, 148.4},
    {"max M [%]", Tragfallfeld::MaxMProz, 164.3},
};

void setze(Band& band, const Spalte& s, double oben, const Inhalt& inhalt, Schrift schrift)
{
    if (s.breite > 0)
        band.kasten(s.x, s.breite, oben, inhalt, Ausrichtung::Links, schrift);
    else
        band.bis(s.x, oben, inhalt, schrift);
}

template <std::size_t N>
Abschnitt abschnitt(TBClientDataSet& tabelle, const Spalte (&spalten)[N], Band kopf, double kopfzeile)
{
    Abschnitt a;
    std::vector<Feldname> felder;
    for (std::size_t i = 0; i < N; ++i) {
        setze(kopf, spalten[i], kopfzeile, spalten[i].titel, spaltenschrift);
        setze(a.detail, spalten[i], 0.3, Inhalt::Feld(int(i)), zeilenschrift);
        felder.push_back(spalten[i].feld);
    }
    a.detail.hoehe = 5.3;
    a.kopf = std::move(kopf);
    a.kopfAufJederSeite = true;
    a.daten = Anzeigezeilen(tabelle, felder);
    return a;
}

// Heading band with the rule at its top and the section's title.
Band abschnittskopf(double hoehe, const char* titel)
{
    Band kopf;
    kopf.hoehe = hoehe;
    kopf.linie(0, 0, 170, 0, 0.3);
    kopf.ab(2.1, 3.2, titel, ueberschrift);
    return kopf;
}

Band titelblock(const Balkenmodell& m, const QString& auslastung, const QDateTime& ausdruck)
{
    const Traversentexte t = TraversentexteVon(m);
    Band b;
    b.hoehe = 45.5;
    b.zentriert(0, 170, 1.1, m.variantenname, titelschrift);
    b.ab(1.1, 12.7, "Traverse:", ueberschrift);
    b.kasten(19.1, 77.0, 12.7, t.name, Ausrichtung::Links, wertschrift);
    const std::pair<const char*, QString> werte[] = {{"Höhe [m]:", t.hoehe},
                                                     {"Länge [m]:", t.laenge},
                                                     {"Eigenlast [N/m]:", t.eigenlast},
                                                     {"zulässige Querkraft [N]:", t.querkraft},
                                                     {"zulässiges Biegemoment [Nm]:", t.biegemoment}};
    const double zeilen[] = {19.1, 24.3, 29.6, 34.9, 40.2};
    for (int i = 0; i < 5; ++i) {
        b.bis(51.1, zeilen[i], werte[i].first, wertschrift);
        b.ab(54.0, zeilen[i], werte[i].second, wertschrift);
    }
    b.ab(97.4, 12.7, "Gesamtauslastung", ueberschrift);
    b.ab(97.4, 18.0, "(Lager und Traverse): ", wertschrift);
    b.ab(135.5, 18.0, auslastung, wertschrift);
    b.ab(97.4, 25.4, "Bearbeiter:", ueberschrift);
    b.kasten(97.4, 72.6, 30.7, m.bearbeiter, Ausrichtung::Links, wertschrift);
    b.ab(97.4, 38.1, "Ausdruck:", ueberschrift);
    b.ab(117.5, 38.1, DatumZeitZuText(ausdruck), wertschrift);
    return b;
}

Band tragfallkopf(const Balkenmodell& m)
{
    Band kopf = abschnittskopf(24.3, "Tragfälle:");
    kopf.ab(29.6, 3.2, m.minimal ? QStringLiteral("Minimalkräfte wurden berücksichtigt") : QString(), spaltenschrift);
    kopf.ab(78.3, 3.2, m.negativ ? QStringLiteral("Tragfälle mit negativen Lagerkräften wurden berücksichtigt") : QString(),
            spaltenschrift);
    kopf.ab(29.6, 8.5, m.berechnung.angezeigterText(), Schrift{10, true, false});
    if (m.Modus() != 0)
        kopf.ab(95.2, 8.5, QStringLiteral("Staudruck [kN/m²]: ") + m.staudruck.angezeigterText(), wertschrift);
    return kopf;
}

// The warnings of the calculation stand in bold between the heading and the picture.
Band zusammenfassung(const QImage& bild, const QStringList& warnungen)
{
    Band b;
    b.linie(0, 0, 170, 0, 0.8);
    b.ab(1.1, 2.1, "Auslastung:", ueberschrift);
    double oben = 8.5;
    for (const QString& warnung : warnungen) {
        b.ab(1.1, oben, warnung, ueberschrift);
        oben += 5.3;
    }
    const double hoehe = b.bild(1.1, oben, 168.5, bild);
    b.hoehe = oben + hoehe + 4 * MmProZoll / 96;
    return b;
}

// The continuous beam beside the load cases: its heading with the method's limits, the result
// in words and the messages, then one line per support with the pairwise maximum beside it.
// Its rows come from the calculation, not from a table: the columns name no field.
constexpr Feldname OhneFeld = Feldname::Aus(u"");
const Spalte Durchlaufspalten[] = {
    {"Nr", OhneFeld, 2.1, 7.7},
    {"Position [m]", OhneFeld, 40.0},
    {"Kraft [N]", OhneFeld, 70.0},
    {"Kraft [kg]", OhneFeld, 95.0},
    {"paarweise max. [N]", OhneFeld, 130.0},
};

Abschnitt durchlaufabschnitt(Balkenmodell& m, const Durchlaufergebnis& e)
{
    Band kopf;
    kopf.linie(0, 0, 170, 0, 0.3);
    kopf.ab(2.1, 3.2, Uebersetzt(2871, QStringLiteral("Durchlaufträger:")), ueberschrift);
    kopf.absatz(2.1, 165, 8.5, Durchlaufgrenzen(), spaltenschrift);
    double oben = 17.0;
    for (const QString& zeile : Durchlaufzusammenfassung(e, m.traverse)) {
        kopf.ab(2.1, oben, zeile, wertschrift);
        oben += 5.3;
    }
    for (const QString& meldung : Meldungstexte(e)) {
        kopf.ab(2.1, oben, meldung, Schrift{10, true, false});
        oben += 5.3;
    }
    const int titel[] = {2602, 2859, 2860, 2861, 2862};
    Abschnitt a;
    for (std::size_t i = 0; i < std::size(Durchlaufspalten); ++i) {
        const Spalte& s = Durchlaufspalten[i];
        setze(kopf, s, oben + 1.0, Uebersetzt(titel[i], QString::fromUtf8(s.titel)), spaltenschrift);
        setze(a.detail, s, 0.3, Inhalt::Feld(int(i)), zeilenschrift);
    }
    kopf.hoehe = oben + 7.4;
    a.detail.hoehe = 5.3;
    a.kopf = std::move(kopf);
    a.kopfAufJederSeite = true;

    auto zeilen = std::make_shared<Zeilendaten>();
    const QString zwei = QStringLiteral("### ### ##0.00");
    TBClientDataSet& l = m.cds_lager;
    l.CheckBrowseMode();
    l.First();
    for (const Durchlauflager& s : e.lager) {
        const QString paarweise = l.Eof() ? QString() : l.FieldByName(Lagerfeld::Berechnet).DisplayText();
        zeilen->anhaengen({QString::number(s.nummer), FormatFloat(zwei, s.position).trimmed(),
                           e.stabil ? FormatFloat(zwei, s.kraft).trimmed() : QStringLiteral("—"),
                           e.stabil ? FormatFloat(zwei, s.kraft / NproKg).trimmed() : QStringLiteral("—"),
                           paarweise.trimmed()});
        if (!l.Eof())
            l.Next();
    }
    l.First();
    a.daten = zeilen;
    return a;
}

// The lines of the continuous beam as a section of its own without rows.
Abschnitt durchlaufbild(const Durchlaufergebnis& e)
{
    Abschnitt a;
    Band b;
    const double hoehe = b.bild(1.1, 2.1, 168.5, Durchlaufbild(QSize(760, 330), e));
    b.hoehe = 2.1 + hoehe + 2.1;
    a.kopf = std::move(b);
    a.daten = std::make_shared<Zeilendaten>();
    return a;
}

QString ganzzahlig(double wert) { return FormatFloat(QStringLiteral("### ### ##0"), wert).trimmed(); }

} // namespace

Traversentexte TraversentexteVon(const Balkenmodell& m)
{
    const QString zwei = QStringLiteral("0.00");
    return {m.traversenname,
            FormatFloat(zwei, m.traverse.hoehe),
            FormatFloat(zwei, m.traverse.laenge),
            FormatFloat(zwei, m.traverse.eigenlast),
            ganzzahlig(m.traverse.maxQuer),
            ganzzahlig(m.traverse.maxBiege)};
}

Bericht BerichtVariante(Balkenmodell& modell, Balkenrechnung& rechnung, const QImage& auslastungsbild,
                        const QDateTime& ausdruck)
{
    Bericht bericht;
    bericht.titel = modell.variantenname;
    bericht.titelband = titelblock(modell, rechnung.statusAuslastung, ausdruck);
    Band lagerkopf = abschnittskopf(16.9, "Lager:");
    bericht.abschnitte.push_back(abschnitt(modell.cds_lager, Lagerspalten, lagerkopf, 9.5));
    Band lastenkopf = abschnittskopf(16.9, "Lasten:");
    bericht.abschnitte.push_back(abschnitt(modell.cds_lasten, Lastenspalten, lastenkopf, 9.5));
    bericht.abschnitte.push_back(abschnitt(rechnung.cds_tragfaelle, Tragfallspalten, tragfallkopf(modell), 15.9));
    if (rechnung.durchlauf) {
        bericht.abschnitte.push_back(durchlaufabschnitt(modell, *rechnung.durchlauf));
        if (rechnung.durchlauf->stabil)
            bericht.abschnitte.push_back(durchlaufbild(*rechnung.durchlauf));
    }
    bericht.zusammenfassung = zusammenfassung(auslastungsbild, rechnung.warnungen);
    bericht.seitenfuss = Seitenfuss(ausdruck);
    return bericht;
}
