// Material data, buckling numbers and tube sections of the truss design.
#include "truss/u_alu.h"
#include "qstring_ausgabe.h"
#include <gtest/gtest.h>

namespace {
// With A = I = 1 the radius of gyration is 1, so the buckling length is the slenderness.
double omegaBei(int werkstoff, double lambda)
{
    return WerkstoffWerte(werkstoff).SigmaZul / ZulKnickkraft(werkstoff, 1, 1, lambda, 1);
}
} // namespace

TEST(Knickzahlen, HabenJeLegierungEinenWertFuerJedesZweiteLambdaVon20Bis250)
{
    for (const auto& reihe : Knickzahlen) {
        ASSERT_EQ(reihe.size(), 116u);
        EXPECT_DOUBLE_EQ(reihe.front(), 1.00);
        for (size_t k = 1; k < reihe.size(); ++k)
            EXPECT_GE(reihe[k], reihe[k - 1]) << "k = " << k;
    }
    EXPECT_DOUBLE_EQ(Knickzahlen[0].back(), 27.51);
    EXPECT_DOUBLE_EQ(Knickzahlen[1].back(), 21.16);
    EXPECT_DOUBLE_EQ(Knickzahlen[2].back(), 16.93);
}

TEST(Knickzahlen, StimmenAnStichprobenMitDenTabellenDerLegierungenUeberein)
{
    EXPECT_DOUBLE_EQ(Knickzahlen[0][(186 - 20) / 2], 15.34);
    EXPECT_DOUBLE_EQ(Knickzahlen[0][(54 - 20) / 2], 1.43);
    EXPECT_DOUBLE_EQ(Knickzahlen[0][(132 - 20) / 2], 7.67);
    EXPECT_DOUBLE_EQ(Knickzahlen[1][(30 - 20) / 2], 1.02);
    EXPECT_DOUBLE_EQ(Knickzahlen[1][(156 - 20) / 2], 8.24);
    EXPECT_DOUBLE_EQ(Knickzahlen[2][(98 - 20) / 2], 2.60);
    EXPECT_DOUBLE_EQ(Knickzahlen[2][(238 - 20) / 2], 15.34);
}

TEST(Werkstoffe, KennenDreiLegierungenUndZweiLeereEintraege)
{
    const QStringList namen = Werkstoffnamen();
    ASSERT_EQ(namen.size(), 5);
    EXPECT_EQ(namen[0], QStringLiteral("AlMgSi1 F30, F31, F32"));
    EXPECT_EQ(namen[1], QStringLiteral("AlMgSi1 F28"));
    EXPECT_EQ(namen[2], QStringLiteral("AlMgSi0,5 F22"));
    EXPECT_TRUE(namen[3].isEmpty());
    EXPECT_TRUE(namen[4].isEmpty());

    const TWerkstoffwerte f30 = WerkstoffWerte(0);
    EXPECT_EQ(f30.SigmaZul, 145);
    EXPECT_EQ(f30.SigmaWez, 80);
    EXPECT_EQ(f30.TauZul, 84);
    EXPECT_EQ(f30.TauWez, 46);
    EXPECT_EQ(f30.TauNaht, 42);
    EXPECT_EQ(WerkstoffWerte(1).SigmaZul, 115);
    EXPECT_EQ(WerkstoffWerte(1).TauZul, 70);
    const TWerkstoffwerte f22 = WerkstoffWerte(2);
    EXPECT_EQ(f22.SigmaZul, 80);
    EXPECT_EQ(f22.SigmaWez, 44);
    EXPECT_EQ(f22.TauZul, 46);
    EXPECT_EQ(f22.TauWez, 24);
    EXPECT_EQ(f22.TauNaht, 26);
    for (int ohne : {3, 4, -1}) {
        const TWerkstoffwerte s = WerkstoffWerte(ohne);
        EXPECT_EQ(s.SigmaZul + s.SigmaWez + s.TauZul + s.TauWez + s.TauNaht, 0) << ohne;
    }
}

TEST(Werkstoffe, SchreibenLochleibungsdruckUndDehngrenzeAlsTextDerGewaehltenPosition)
{
    EXPECT_EQ(Verbinderwerkstoffe(),
              QStringList({"AlMgSi1 F30, F31, F32", "AlMgSi1 F28", "AlMgSi0,5 F22", "SG-AlSi12"}));
    EXPECT_EQ(Lochleibungsdrucktext(0), QStringLiteral("170"));
    EXPECT_EQ(Lochleibungsdrucktext(1), QStringLiteral("145"));
    EXPECT_EQ(Lochleibungsdrucktext(2), QStringLiteral("100"));
    EXPECT_EQ(Lochleibungsdrucktext(3), QStringLiteral("48"));
    EXPECT_TRUE(Lochleibungsdrucktext(-1).isEmpty());
    EXPECT_TRUE(Lochleibungsdrucktext(4).isEmpty());
    EXPECT_EQ(Lochleibungsdruck(0), 170);
    EXPECT_EQ(Lochleibungsdruck(1), 145);
    EXPECT_EQ(Lochleibungsdruck(2), 100);
    EXPECT_EQ(Lochleibungsdruck(3), 0);

    const QStringList klassen = Bolzenklassen();
    ASSERT_EQ(klassen.size(), 11);
    // Strength class rule: first number × 100 × second number / 10.
    for (int i = 0; i < klassen.size(); ++i) {
        const QStringList teile = klassen[i].split(u'.');
        const int erwartet = teile[0].toInt() * 100 * teile[1].toInt() / 10;
        EXPECT_EQ(Dehngrenzentext(i), QString::number(erwartet)) << klassen[i].toStdString();
    }
    EXPECT_EQ(klassen.last(), QStringLiteral("12.9"));
    EXPECT_EQ(Dehngrenzentext(10), QStringLiteral("1080"));
    EXPECT_TRUE(Dehngrenzentext(11).isEmpty());
}

TEST(Spannungsquerschnitt, NimmtDieTabellenwerteNurBeiGenauGleichemDurchmesser)
{
    EXPECT_DOUBLE_EQ(Spannungsquerschnitt(8), 36.6);
    EXPECT_DOUBLE_EQ(Spannungsquerschnitt(10), 58.0);
    EXPECT_DOUBLE_EQ(Spannungsquerschnitt(12), 84.3);
    EXPECT_DOUBLE_EQ(Spannungsquerschnitt(16), 157.0);
    EXPECT_NEAR(Spannungsquerschnitt(12.0000001), 83.52, 0.001);
    EXPECT_DOUBLE_EQ(Spannungsquerschnitt(12.5), 90.625);
    EXPECT_DOUBLE_EQ(Spannungsquerschnitt(20), 0.58 * 400);
}

TEST(Rohrquerschnitt, GibtFlaecheUndTraegheitDesRohrs50x2)
{
    EXPECT_NEAR(RohrFlaeche(50, 2), 301.59, 0.005);
    EXPECT_NEAR(RohrTraegheit(50, 2), 87009.55, 0.005);
    EXPECT_EQ(RohrFlaeche(0, 0), 0);
    EXPECT_EQ(RohrTraegheit(0, 0), 0);
}

TEST(Traversenquerschnitt, SetztDieGurteNachSteinerZusammen)
{
    const double a = RohrFlaeche(50, 2);
    const double i = RohrTraegheit(50, 2);
    EXPECT_NEAR(TraversenFlaeche(4, a), 1206.37, 0.005);
    EXPECT_NEAR(TraegheitVertikal(4, 300, a, i), 27491398.73, 0.005);
    EXPECT_NEAR(TraegheitHorizontal(4, 300, a, i), 27491398.73, 0.005);

    EXPECT_EQ(TraegheitVertikal(1, 300, a, i), i);
    EXPECT_EQ(TraegheitHorizontal(1, 300, a, i), i);
    EXPECT_DOUBLE_EQ(TraegheitVertikal(2, 300, a, i), 2 * (a * 150 * 150 + i));
    EXPECT_DOUBLE_EQ(TraegheitHorizontal(2, 300, a, i), 2 * i);
    // Three chords of area 1 without own stiffness: two at h/3 below, one at 2h/3 above the centroid.
    EXPECT_DOUBLE_EQ(TraegheitVertikal(3, 3, 1, 0), 2 * 1 + 4);
    EXPECT_DOUBLE_EQ(TraegheitHorizontal(3, 2, 1, 0), 2);
    EXPECT_DOUBLE_EQ(TraegheitHorizontal(3, 2, 1, 5), 2 * (1 + 5) + 5);
    EXPECT_EQ(TraegheitVertikal(5, 300, a, i), 0);
}

TEST(ZulKnickkraft, RechnetUnterLambda20MitOmegaEinsFuerJedeLegierung)
{
    for (int werkstoff = 0; werkstoff < 3; ++werkstoff) {
        const double sigma = WerkstoffWerte(werkstoff).SigmaZul;
        EXPECT_DOUBLE_EQ(ZulKnickkraft(werkstoff, 300, 90000, 100, 4), sigma * 300 / 4);
        EXPECT_DOUBLE_EQ(omegaBei(werkstoff, 0), 1.0);
    }
    // Defaults of a new truss, one chord between the diagonals, ν = 4.
    EXPECT_NEAR(ZulKnickkraft(0, RohrFlaeche(50, 2), RohrTraegheit(50, 2), 300, 4), 10932.74, 0.005);
}

TEST(ZulKnickkraft, RundetDenTabellenindexMitHalbenZurGeradenZahl)
{
    EXPECT_DOUBLE_EQ(omegaBei(0, 21), Knickzahlen[0][0]);
    EXPECT_DOUBLE_EQ(omegaBei(0, 185), 14.90); // k = round(82.5) = 82
    EXPECT_DOUBLE_EQ(omegaBei(0, 186), 15.34);
    EXPECT_DOUBLE_EQ(omegaBei(0, 187), 15.56); // k = round(83.5) = 84
    EXPECT_DOUBLE_EQ(omegaBei(1, 29), 1.00);   // k = round(4.5) = 4
    EXPECT_DOUBLE_EQ(omegaBei(1, 33), 1.04);   // k = round(6.5) = 6
    EXPECT_DOUBLE_EQ(omegaBei(2, 186.9), 9.37);
}

TEST(ZulKnickkraft, NimmtLambda250NochAusDerTabelleUndDarueberNichts)
{
    EXPECT_DOUBLE_EQ(ZulKnickkraft(0, 1, 1, 250, 1), 145 / 27.51);
    EXPECT_DOUBLE_EQ(ZulKnickkraft(2, 1, 1, 250, 1), 80 / 16.93);
    EXPECT_EQ(ZulKnickkraft(0, 1, 1, 250.01, 1), 0);
}

TEST(ZulKnickkraft, GibtNullOhneWerkstoffOderBeiZuKleinemQuerschnitt)
{
    for (int ohne : {3, 4, -1})
        EXPECT_EQ(ZulKnickkraft(ohne, 300, 90000, 600, 1), 0) << ohne;
    EXPECT_EQ(ZulKnickkraft(0, 1000, 0.5, 10, 1), 0);
    EXPECT_EQ(ZulKnickkraft(0, 0.5, 1000, 10, 1), 0);
    EXPECT_GT(ZulKnickkraft(0, 1, 1, 10, 1), 0);
}

TEST(ZulKnickkraft, StimmtMitDemBeispielDesObergurtsUeberein)
{
    // λ = 600 / √(I/A) = 35.32, k = 8, ω = 1.10.
    EXPECT_NEAR(ZulKnickkraft(0, RohrFlaeche(50, 2), RohrTraegheit(50, 2), 600, 1), 39755.43, 0.005);
    // Whole truss, row 10, Euler case 1: λ = 132.49, k = 56, ω = 7.67.
    const double a = RohrFlaeche(50, 2);
    const double i = RohrTraegheit(50, 2);
    EXPECT_NEAR(ZulKnickkraft(0, 4 * a, TraegheitVertikal(4, 300, a, i), 20000, 4), 5701.56, 0.005);
}
