// Capacity calculation of the truss design: chords, column table, beam values, diagonal, and how
// a run stops on an arithmetic fault.
#include "truss/u_traversenentwurf.h"
#include "ergebniswert.h"
#include <QRegularExpression>
#include <cmath>
#include <numbers>
#include "qstring_ausgabe.h"
#include <gtest/gtest.h>

namespace {
const QString Division = QStringLiteral("Gleitkommadivision durch Null");

// A new truss with the chord material "AlMgSi1 F30, F31, F32" chosen.
struct Legierung0 {
    Legierung0()
    {
        e.eingaben.cmbMaterial.waehle(0);
        e.BerechneTraverse();
    }
    Traversenentwurf e;
};

// Every shown text reads as a number (no "inf", "nan" or empty result after a run).
void pruefeZahlentexte(const Traversenentwurf& e)
{
    static const QRegularExpression zahl(QStringLiteral("^-?[0-9 ]+,[0-9]{2}( kg)?$"));
    for (const Ergebnisfeld& feld : Ergebnisfelder()) {
        const QString text = feld.text(e.ergebnisse);
        if (!text.isEmpty()) {
            EXPECT_TRUE(zahl.match(text).hasMatch()) << feld.name << " = " << text.toStdString();
        }
    }
    for (const auto& zeile : e.ergebnisse.stuetzeKg)
        for (const Ergebnis& kg : zeile)
            EXPECT_TRUE(zahl.match(Stuetzentext(kg).trimmed()).hasMatch());
}
} // namespace

TEST(FormatWert, GruppiertTausenderMitLeerzeichenUndSchneidetRaenderAb)
{
    EXPECT_EQ(FormatWert(12.5), QStringLiteral("12,50"));
    EXPECT_EQ(FormatWert(1234567.891), QStringLiteral("1 234 567,89"));
    EXPECT_EQ(FormatWert(0), QStringLiteral("0,00"));
}

TEST(ZahlAusText, BehaeltNurZiffernUndDezimaltrenner)
{
    EXPECT_DOUBLE_EQ(ZahlAusText(QStringLiteral("12 345,67"), 0), 12345.67);
    EXPECT_DOUBLE_EQ(ZahlAusText(QStringLiteral("-5"), 0), 5);
    EXPECT_DOUBLE_EQ(ZahlAusText(QStringLiteral("1.5"), 0), 15);
    EXPECT_DOUBLE_EQ(ZahlAusText(QStringLiteral("39 755,43 N"), 0), 39755.43);
    EXPECT_DOUBLE_EQ(ZahlAusText(QString(), 7), 7);
    EXPECT_DOUBLE_EQ(ZahlAusText(QStringLiteral("kN"), 7), 7);
    EXPECT_DOUBLE_EQ(ZahlAusText(QStringLiteral("1,2,3"), 7), 7);
}

TEST(Traversenentwurf, ZeigtImNeuenFensterQuerschnitteUndOhneWerkstoffNurNullen)
{
    Traversenentwurf e;
    const Traversenergebnisse& r = e.ergebnisse;
    EXPECT_NEAR(wert(r.gurtFlaecheMm2), 301.59, 0.005);
    EXPECT_NEAR(wert(r.gurtTraegheitMm4), 87009.55, 0.005);
    EXPECT_NEAR(wert(r.flaecheMm2), 1206.37, 0.005);
    EXPECT_NEAR(wert(r.traegheitVertikalMm4), 27491398.73, 0.005);
    EXPECT_NEAR(wert(r.traegheitHorizontalMm4), 27491398.73, 0.005);
    for (const Ergebnis* null : {&r.einzelgurtKg, &r.verbinderStuetzeKg, &r.gurtKnickenN, &r.gurtSchweissnahtN,
                                &r.gurtkraftN, &r.diagonaleKnickenN, &r.diagonaleN})
        EXPECT_NEAR(wert(*null), 0.00, 0.005);
    EXPECT_EQ(Stuetzenueberschrift(0), QStringLiteral("Länge [m]"));
    EXPECT_EQ(Stuetzenueberschrift(4), QStringLiteral("Euler-Fall 4"));
    EXPECT_EQ(e.eingaben.edtSicherheitsfaktor, QStringLiteral("2,00"));
    EXPECT_FALSE(e.geaendert);
    EXPECT_TRUE(e.dateiname.isEmpty());
    pruefeZahlentexte(e);
}

TEST(Traversenentwurf, RechnetDasBeispielDerVierGurtTraverseAusLegierung0)
{
    Legierung0 t;
    const Traversenergebnisse& r = t.e.ergebnisse;
    EXPECT_NEAR(wert(r.gurtKnickenN), 39755.43, 0.005);
    EXPECT_NEAR(wert(r.gurtSchweissnahtN), 28222.09, 0.005);
    EXPECT_NEAR(wert(r.gurtkraftN), 0.00, 0.005); // no connector force entered
    EXPECT_NEAR(wert(r.biegemomentNm), 0.00, 0.005);
    EXPECT_NEAR(wert(r.querkraftN), 0.00, 0.005);
    EXPECT_NEAR(wert(r.einzelgurtKg), 1114.45, 0.005);
    EXPECT_NEAR(wert(r.verbinderStuetzeKg), 0.00, 0.005);
    for (const auto& zeile : r.stuetzeKg)
        for (const Ergebnis& kg : zeile) {
            EXPECT_NEAR(wert(kg), 0, 0.005);
            const QString zelle = Stuetzentext(kg);
            EXPECT_EQ(zelle.trimmed(), QStringLiteral("0,00 kg"));
            EXPECT_TRUE(zelle.startsWith(u' ')) << "the mask keeps its leading blanks";
        }
    EXPECT_NEAR(t.e.kennwerte().alpha, std::atan(1.0), 1e-15);
    EXPECT_NEAR(t.e.kennwerte().l_D, 250 * std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(wert(r.diagonaleLaengeMm), 353.55, 0.005);
    pruefeZahlentexte(t.e);
}

TEST(Traversenentwurf, FuelltDieStuetzentabelleMitDemKleinstenDerDreiGrenzwerte)
{
    Legierung0 t;
    t.e.eingaben.edtVerbinder = QStringLiteral("100 000");
    t.e.BerechneTraverse();
    const auto& tabelle = t.e.ergebnisse.stuetzeKg;
    // Row 10, Euler case 1: s_k = 20 000, ω = 7.67, F_T = 5 701.56 N.
    EXPECT_NEAR(wert(tabelle[9][0]), 581.20, 0.005);
    // Short columns: all four chords, each limited by F_E = 10 932.74 N.
    EXPECT_NEAR(wert(tabelle[0][3]), 4457.80, 0.005);
    EXPECT_NEAR(wert(t.e.ergebnisse.verbinderStuetzeKg), 10193.68, 0.005);

    t.e.eingaben.edtVerbinder = QStringLiteral("5000");
    t.e.BerechneTraverse();
    EXPECT_NEAR(wert(tabelle[0][3]), 509.68, 0.005); // F_VA = 4 · 5000 / 4
    EXPECT_NEAR(wert(tabelle[9][0]), 509.68, 0.005);
    EXPECT_NEAR(wert(tabelle[15][0]), 225.37, 0.005); // λ = 212, ω = 19.78
}

TEST(Traversenentwurf, AendertMitSicherheitsfaktorUndBgvNurDieStuetzenwerte)
{
    Legierung0 t;
    t.e.eingaben.edtVerbinder = QStringLiteral("30000");
    t.e.eingaben.edtDiagonale = QStringLiteral("8 000");
    t.e.BerechneTraverse();
    const Traversenergebnisse vorher = t.e.ergebnisse;

    t.e.eingaben.edtSicherheitsfaktor = QStringLiteral("1,5");
    t.e.eingaben.cbBGVC1 = false;
    t.e.BerechneTraverse();
    const Traversenergebnisse& r = t.e.ergebnisse;
    EXPECT_EQ(t.e.eingaben.edtSicherheitsfaktor, QStringLiteral("1,50"));
    EXPECT_NE(r.einzelgurtKg, vorher.einzelgurtKg);
    EXPECT_NE(r.verbinderStuetzeKg, vorher.verbinderStuetzeKg);
    EXPECT_NE(r.stuetzeKg[4][1], vorher.stuetzeKg[4][1]);
    EXPECT_EQ(r.gurtKnickenN, vorher.gurtKnickenN);
    EXPECT_NEAR(wert(r.gurtkraftN), 28222.09, 0.005);
    EXPECT_EQ(r.gurtkraftN, vorher.gurtkraftN);
    EXPECT_EQ(r.biegemomentNm, vorher.biegemomentNm);
    EXPECT_NEAR(wert(r.biegemomentNm), 16933.25, 0.005); // 2 · F_G · h / 1000
    EXPECT_NEAR(wert(r.querkraftN), 11313.71, 0.005);   // 2 · sin 45° · 8000
    EXPECT_NEAR(wert(r.einzelgurtKg), 2971.86, 0.005);      // ν = 1.5

    t.e.eingaben.edtSicherheitsfaktor = QStringLiteral("zwei");
    t.e.BerechneTraverse();
    EXPECT_EQ(t.e.eingaben.edtSicherheitsfaktor, QStringLiteral("1,00"));
}

TEST(Traversenentwurf, LiestDieVorschlagstexteMitTausenderLeerzeichenAlsKraft)
{
    Legierung0 t;
    t.e.eingaben.edtVerbinder = QStringLiteral("39 755,43");
    t.e.eingaben.edtDiagonale = QStringLiteral("-1 000");
    t.e.BerechneTraverse();
    EXPECT_NEAR(wert(t.e.ergebnisse.verbinderN), 39755.43, 0.005);
    EXPECT_NEAR(wert(t.e.ergebnisse.gurtkraftN), 28222.09, 0.005);
    EXPECT_NEAR(wert(t.e.ergebnisse.querkraftN), 1414.21, 0.005);
}

TEST(Traversenentwurf, RechnetDenEinzelgurtAlsBiegetraegerOhneKraefte)
{
    Legierung0 t;
    t.e.eingaben.udGurte = 1;
    t.e.eingaben.edtVerbinder = QStringLiteral("1000");
    t.e.eingaben.edtDiagonale = QStringLiteral("1000");
    t.e.BerechneTraverse();
    const Traversenergebnisse& r = t.e.ergebnisse;
    EXPECT_EQ(r.traegheitVertikalMm4, r.gurtTraegheitMm4);
    EXPECT_EQ(r.traegheitHorizontalMm4, r.gurtTraegheitMm4);
    EXPECT_EQ(r.flaecheMm2, r.gurtFlaecheMm2);
    EXPECT_NEAR(wert(r.biegemomentNm), 504.66, 0.005); // 0.002 · 145 · I / d
    EXPECT_NEAR(wert(r.querkraftN), 25333.80, 0.005);  // 84 · A
    EXPECT_NEAR(wert(r.gurtSchweissnahtN), 43730.97, 0.005); // no heat-affected share
}

TEST(Traversenentwurf, BemisstDieWaermeeinflusszoneNachGurtzahlUndAngeschweisstenVerbindern)
{
    Legierung0 t;
    t.e.eingaben.udGurte = 2;
    t.e.BerechneTraverse();
    EXPECT_NEAR(wert(t.e.ergebnisse.gurtSchweissnahtN), 33122.97, 0.005);
    EXPECT_NEAR(wert(t.e.ergebnisse.traegheitVertikalMm4), 13745699.36, 0.005);
    EXPECT_NEAR(wert(t.e.ergebnisse.traegheitHorizontalMm4), 174019.10, 0.005);
    t.e.eingaben.udGurte = 3;
    t.e.BerechneTraverse();
    EXPECT_NEAR(wert(t.e.ergebnisse.gurtSchweissnahtN), 26653.80, 0.005);

    t.e.eingaben.cbVerbinder = true;
    for (int n : {1, 2, 3, 4}) {
        t.e.eingaben.udGurte = n;
        t.e.BerechneTraverse();
        EXPECT_NEAR(wert(t.e.ergebnisse.gurtSchweissnahtN), 24127.43, 0.005) << n; // 80 · A
    }

    // A thin chord: the share exceeds the circumference and is clamped to 1.
    t.e.eingaben.cbVerbinder = false;
    t.e.eingaben.edtDurchmesser = QStringLiteral("10");
    t.e.eingaben.edtWandstaerke = QStringLiteral("1");
    t.e.BerechneTraverse();
    EXPECT_NEAR(wert(t.e.ergebnisse.gurtSchweissnahtN), 2261.95, 0.005); // 80 · 28.27
}

TEST(Traversenentwurf, PrueftDieDiagonaleAufKnickenZugSchweissnahtUndDurchstanzen)
{
    Legierung0 t;
    t.e.eingaben.cmb_Dia_Material.waehle(0);
    t.e.BerechneDiagonale();
    const Traversenergebnisse& r = t.e.ergebnisse;
    EXPECT_NEAR(wert(r.diagonaleFlaecheMm2), 113.10, 0.005);
    EXPECT_NEAR(wert(r.diagonaleTraegheitMm4), 4636.99, 0.005);
    EXPECT_NEAR(wert(r.diagonaleKnickenN), 11006.12, 0.005); // λ = 55.22, k = 18, ω = 1.49
    EXPECT_NEAR(wert(r.diagonaleWezN), 9047.79, 0.005);
    EXPECT_NEAR(wert(r.nahtLaengeMm), 76.40, 0.005);
    EXPECT_NEAR(wert(r.nahtFlaecheMm2), 152.80, 0.005);
    EXPECT_NEAR(wert(r.nahtN), 6417.51, 0.005);
    EXPECT_NEAR(wert(r.stanzLaengeMm), 62.83, 0.005);
    EXPECT_NEAR(wert(r.stanzFlaecheMm2), 125.66, 0.005);
    EXPECT_NEAR(wert(r.stanzN), 8174.90, 0.005);
    EXPECT_NEAR(wert(r.diagonaleN), 6417.51, 0.005);
    EXPECT_EQ(r.diagonaleN, r.diagonaleN);
}

TEST(Traversenentwurf, HaeltBeiDurchmesserNullVorDerWaermeeinflusszoneAn)
{
    Legierung0 t;
    const Traversenergebnisse vorher = t.e.ergebnisse;
    const double alpha = t.e.kennwerte().alpha;
    QStringList gemeldet;
    t.e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
    t.e.eingaben.edtDurchmesser = QStringLiteral("0");
    t.e.eingaben.edtWandstaerke = QStringLiteral("0");
    EXPECT_FALSE(t.e.BerechneTraverse());
    EXPECT_EQ(gemeldet, QStringList{Division});
    const Traversenergebnisse& r = t.e.ergebnisse;
    EXPECT_NEAR(wert(r.gurtFlaecheMm2), 0.00, 0.005);
    EXPECT_EQ(t.e.kennwerte().A, 0);
    EXPECT_NEAR(wert(r.gurtKnickenN), 0.00, 0.005);
    EXPECT_EQ(r.gurtSchweissnahtN, vorher.gurtSchweissnahtN);
    EXPECT_EQ(r.biegemomentNm, vorher.biegemomentNm);
    EXPECT_EQ(r.diagonaleLaengeMm, vorher.diagonaleLaengeMm);
    EXPECT_EQ(t.e.kennwerte().alpha, alpha);
    pruefeZahlentexte(t.e);
}

TEST(Traversenentwurf, HaeltBeimEinzelgurtOhneDurchmesserVorDemBiegemomentAn)
{
    Legierung0 t;
    t.e.eingaben.udGurte = 1;
    t.e.eingaben.edtDurchmesser = QString();
    t.e.eingaben.edtWandstaerke = QString();
    const Ergebnis moment = t.e.ergebnisse.biegemomentNm;
    QStringList gemeldet;
    t.e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
    EXPECT_FALSE(t.e.BerechneTraverse());
    EXPECT_EQ(gemeldet, QStringList{Division});
    EXPECT_NEAR(wert(t.e.ergebnisse.gurtkraftN), 0.00, 0.005);
    EXPECT_EQ(t.e.ergebnisse.biegemomentNm, moment);
}

TEST(Traversenentwurf, HaeltOhneDiagonalenabstandVorDemWinkelAn)
{
    Legierung0 t;
    t.e.eingaben.edtDiagonale = QStringLiteral("1000");
    t.e.eingaben.edtVertikal = QStringLiteral("0");
    QStringList gemeldet;
    t.e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
    EXPECT_FALSE(t.e.BerechneTraverse());
    EXPECT_EQ(gemeldet, QStringList{Division});
    EXPECT_NEAR(wert(t.e.ergebnisse.biegemomentNm), 0.00, 0.005);
    EXPECT_NEAR(wert(t.e.ergebnisse.querkraftN), 0.00, 0.005); // old text, not 2 · 1000
    EXPECT_NEAR(t.e.kennwerte().alpha, std::atan(1.0), 1e-15);
}

TEST(Traversenentwurf, HaeltOhneHoeheVorDerDiagonalenlaengeAnUndRechnetDieDiagonaleNicht)
{
    Legierung0 t;
    t.e.eingaben.edtDiagonale = QStringLiteral("1000");
    t.e.eingaben.edtHoehe = QStringLiteral("0");
    const Traversenergebnisse vorher = t.e.ergebnisse;
    QStringList gemeldet;
    t.e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
    EXPECT_FALSE(t.e.BerechneTraverse());
    EXPECT_EQ(gemeldet, QStringList{Division});
    EXPECT_NEAR(wert(t.e.ergebnisse.querkraftN), 0.00, 0.005); // sin 0 · F_D
    EXPECT_EQ(t.e.kennwerte().alpha, 0);
    EXPECT_NEAR(t.e.kennwerte().l_D, 250 * std::sqrt(2.0), 1e-9);
    EXPECT_EQ(t.e.ergebnisse.diagonaleFlaecheMm2, vorher.diagonaleFlaecheMm2);

    // The diagonal on its own now meets sin α = 0 at the weld.
    t.e.eingaben.edt_Dia_Durchmesser = QStringLiteral("30");
    EXPECT_FALSE(t.e.BerechneDiagonale());
    EXPECT_EQ(gemeldet, QStringList(2, Division));
    EXPECT_NE(t.e.ergebnisse.diagonaleFlaecheMm2, vorher.diagonaleFlaecheMm2);
    EXPECT_EQ(t.e.ergebnisse.nahtLaengeMm, vorher.nahtLaengeMm);
    EXPECT_EQ(t.e.ergebnisse.diagonaleN, vorher.diagonaleN);
    pruefeZahlentexte(t.e);
}

TEST(Traversenentwurf, HaeltBeiSicherheitsfaktorNullVorDenStuetzenwertenAn)
{
    Legierung0 t;
    const Traversenergebnisse vorher = t.e.ergebnisse;
    t.e.eingaben.edtSicherheitsfaktor = QStringLiteral("0");
    t.e.eingaben.edtDurchmesser = QStringLiteral("60");
    QStringList gemeldet;
    t.e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
    EXPECT_FALSE(t.e.BerechneTraverse());
    EXPECT_EQ(gemeldet, QStringList{Division});
    EXPECT_EQ(t.e.eingaben.edtSicherheitsfaktor, QStringLiteral("0,00"));
    EXPECT_NE(t.e.ergebnisse.gurtFlaecheMm2, vorher.gurtFlaecheMm2);
    EXPECT_EQ(t.e.ergebnisse.einzelgurtKg, vorher.einzelgurtKg);
    EXPECT_EQ(t.e.ergebnisse.stuetzeKg, vorher.stuetzeKg);
    EXPECT_EQ(t.e.ergebnisse.gurtKnickenN, vorher.gurtKnickenN);
    pruefeZahlentexte(t.e);
}

TEST(Traversenentwurf, ZeigtBeiUeberlaufKeinUnendlich)
{
    Legierung0 t;
    const Traversenergebnisse vorher = t.e.ergebnisse;
    t.e.eingaben.edtDurchmesser = QStringLiteral("1E200");
    QStringList gemeldet;
    t.e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
    EXPECT_FALSE(t.e.BerechneTraverse());
    EXPECT_EQ(gemeldet, QStringList{QStringLiteral("Gleitkommaüberlauf")});
    EXPECT_EQ(t.e.ergebnisse.gurtFlaecheMm2, vorher.gurtFlaecheMm2);
    EXPECT_NEAR(t.e.kennwerte().A, 301.59, 0.005);
    pruefeZahlentexte(t.e);
}

TEST(Traversenentwurf, WandDickerAlsDerHalbeDurchmesserWirdGemeldetUndGibtKeineNegativeFlaeche)
{
    Legierung0 l;
    const Ergebnis flaeche = l.e.ergebnisse.gurtFlaecheMm2;
    QStringList gemeldet;
    l.e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
    l.e.eingaben.edtWandstaerke = QStringLiteral("60"); // meant: 6,0
    EXPECT_FALSE(l.e.BerechneTraverse());
    EXPECT_EQ(gemeldet, QStringList{QStringLiteral("Unmögliches Rohr: Wand 60,00 mm, Durchmesser 50,00 mm")});
    EXPECT_EQ(l.e.ergebnisse.gurtFlaecheMm2, flaeche);
    // a wall of exactly the radius is a solid rod: π·25² mm² by hand
    l.e.eingaben.edtWandstaerke = QStringLiteral("25");
    EXPECT_TRUE(l.e.BerechneTraverse());
    EXPECT_NEAR(wert(l.e.ergebnisse.gurtFlaecheMm2), 1963.50, 0.005);
}

TEST(Traversenentwurf, DiagonaleMitZuDickerWandWirdGemeldet)
{
    Legierung0 l;
    l.e.eingaben.cmb_Dia_Material.waehle(0);
    QStringList gemeldet;
    l.e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
    l.e.eingaben.edt_Dia_Wandstaerke = QStringLiteral("12");
    EXPECT_FALSE(l.e.BerechneDiagonale());
    EXPECT_EQ(gemeldet, QStringList{QStringLiteral("Unmögliches Rohr: Wand 12,00 mm, Durchmesser 20,00 mm")});
}

TEST(Traversenentwurf, NegativerSicherheitsfaktorWirdGemeldetStattNegativerLasten)
{
    for (const auto& [faktor, gezeigt] : {std::pair{"-2", "-2,00"}, {"-0,5", "-0,50"}}) {
        Legierung0 l;
        const Ergebnis einzel = l.e.ergebnisse.einzelgurtKg;
        QStringList gemeldet;
        l.e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
        l.e.eingaben.edtSicherheitsfaktor = QString::fromLatin1(faktor);
        EXPECT_FALSE(l.e.BerechneTraverse());
        EXPECT_EQ(gemeldet, QStringList{QStringLiteral("Sicherheitsfaktor %1 muss größer als 0 sein").arg(QString::fromLatin1(gezeigt))}) << faktor;
        EXPECT_EQ(l.e.ergebnisse.einzelgurtKg, einzel);
    }
}

// The chord is braced in each plane only at that plane's diagonal nodes, so the larger spacing
// is its buckling length. By hand for the tube 50 × 2: A = π/4 · (50² − 46²), I = π/64 ·
// (50⁴ − 46⁴), i = √(I/A) = 16,99 mm; σzul = 145 N/mm².
//   F_K with s_k = 1 200: λ = 70,65, the table value at λ = 70 is ω = 2,16;
//   M = 2 · min(F_WEZ, F_K) · h with h = 0,3 m (four chords);
//   F_E with s_k = 1 200 / 2: λ = 35,3, ω at λ = 36 is 1,10, over ν = 2 · 2 and 9,81 N/kg.
TEST(Traversenentwurf, GurtknickenUeberDenGroesserenDiagonalenabstand)
{
    const double a = std::numbers::pi / 4 * (50.0 * 50 - 46.0 * 46);
    const double i = std::numbers::pi / 64 * (std::pow(50.0, 4) - std::pow(46.0, 4));
    ASSERT_NEAR(1200 / std::sqrt(i / a), 70.65, 0.01);
    ASSERT_NEAR(600 / std::sqrt(i / a), 35.33, 0.01);
    const double fK = 145 * a / 2.16;
    const double fE = 145 * a / (1.10 * 4) / 9.81;
    for (const auto& [vertikal, horizontal] : {std::pair{"600", "1200"}, {"1200", "600"}}) {
        Legierung0 t;
        t.e.eingaben.edtVerbinder = QStringLiteral("100 000");
        t.e.eingaben.edtVertikal = QString::fromLatin1(vertikal);
        t.e.eingaben.edtHorizontal = QString::fromLatin1(horizontal);
        t.e.BerechneTraverse();
        const Traversenergebnisse& r = t.e.ergebnisse;
        EXPECT_NEAR(wert(r.gurtKnickenN), fK, 0.005) << vertikal;
        const double fWEZ = wert(r.gurtSchweissnahtN);
        ASSERT_GT(fWEZ, fK);
        EXPECT_NEAR(wert(r.biegemomentNm), 2 * fK * 0.3, 0.005) << vertikal;
        EXPECT_NEAR(wert(r.einzelgurtKg), fE, 0.005) << vertikal;
    }
}
