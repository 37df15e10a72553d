// The utilisation view: reference lines before the first calculation, shear bars and moment
// lines after it, drawn with the CAD mapping; the pixels of the rendered image are checked.
#include "balkenhilfen.h"
#include "beam/g_auslastungsbild.h"
#include "beam/g_balkenskizze.h"
#include "beam/u_balkenrechnung.h"
#include <gtest/gtest.h>

namespace {

// 400 × 200: the diagram fills rows 100 … 199, zero line 150, 100 % = 25 pixels.
const QSize Groesse(400, 200);
const QColor Gruen(0, 128, 0);

// 20 pixels per metre, x = 0 at column 200.
CadAbbildung abbildung()
{
    CadAbbildung a;
    a.massstab = 0.05;
    a.flaeche = QSize(400, 100);
    return a;
}

int zaehle(const QImage& bild, const QColor& farbe, int vonZeile = 0)
{
    int n = 0;
    for (int y = vonZeile; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += bild.pixelColor(x, y) == farbe;
    return n;
}

// Supports at −5, 0, +5 under 100 N/m on 10 m: at x = −5 the load cases give Q = 500 and 0.
struct DreiLager {
    Balkenmodell m;
    Balkenrechnung r{m};
    DreiLager()
    {
        m.traverse.laenge = 10;
        m.traverse.eigenlast = 100;
        m.traverse.maxQuer = 500 / 1.5;
        m.traverse.maxBiege = 1000;
        fuegeLagerHinzu(m, -5);
        fuegeLagerHinzu(m, 0);
        fuegeLagerHinzu(m, 5);
    }
};

} // namespace

TEST(CadAbbildung, SpalteUndZeileWieDieCadAnsicht)
{
    CadAbbildung a;
    a.ansichtsmitte = 1;
    a.massstab = 0.1;
    a.zoomfaktor = 2;
    a.flaeche = QSize(851, 301);
    EXPECT_EQ(a.spalte(1), 425);
    EXPECT_EQ(a.spalte(2), 445);       // 1 m at 0.05 m per pixel
    EXPECT_EQ(a.spalte(0.9975), 425);  // -0.05 pixel rounds to 0
    EXPECT_EQ(a.zeile(0), 120 + 60);   // centred below the rulers: (301 - 60) / 2 = 120
    EXPECT_EQ(a.zeile(-0.5), 170);
    EXPECT_EQ(Prozentzeile(150, 25, 150), 150 - 38); // 37.5 rounds away from zero
    EXPECT_EQ(Prozentzeile(150, 25, -100), 175);
}

TEST(Auslastungsbild, VorDerErstenRechnungNurDieFuenfBezugslinien)
{
    DreiLager d;
    bool balkenGezeichnet = false;
    const QImage bild = Auslastungsbild(Groesse, abbildung(), nullptr,
                                        [&](QPainter& p, const QRect& r, const QColor& farbe) {
                                            balkenGezeichnet = true;
                                            EXPECT_EQ(r, QRect(0, 0, 400, 100));
                                            EXPECT_EQ(farbe, QColor(Qt::white));
                                            p.fillRect(r, Qt::yellow);
                                        });
    EXPECT_TRUE(balkenGezeichnet);
    EXPECT_EQ(bild.pixelColor(10, 99), QColor(Qt::yellow));
    EXPECT_EQ(bild.pixelColor(10, 100), QColor(Qt::white));
    for (int x : {0, 200, 399}) {
        EXPECT_EQ(bild.pixelColor(x, 150), QColor(Qt::black));
        EXPECT_EQ(bild.pixelColor(x, 125), QColor(Qt::blue));
        EXPECT_EQ(bild.pixelColor(x, 175), QColor(Qt::blue));
        EXPECT_EQ(bild.pixelColor(x, 138), QColor(Qt::cyan));
        EXPECT_EQ(bild.pixelColor(x, 162), QColor(Qt::cyan));
    }
    // Five lines across the width and nothing else in the lower half.
    EXPECT_EQ(zaehle(bild, Qt::white, 100), 100 * 400 - 5 * 400);

    // The result tables of a model never calculated are empty: the same picture.
    const QImage ohneZeilen = Auslastungsbild(Groesse, abbildung(), &d.r.cds_maxima, {});
    EXPECT_EQ(zaehle(ohneZeilen, Qt::white, 100), 100 * 400 - 5 * 400);
}

TEST(Auslastungsbild, QuerkraftbalkenVon150ProzentReichtUeberDieBlaueLinie)
{
    DreiLager d;
    d.r.Berechnen();
    d.r.cds_maxima.SetRecNo(5);
    const QImage bild = Auslastungsbild(Groesse, abbildung(), &d.r.cds_maxima, {});
    // x = −5 at column 100: the green bar runs from 0 % (row 150) to 150 % (row 112), over the blue line at 125.
    for (int y = 112; y < 150; ++y)
        EXPECT_EQ(bild.pixelColor(100, y), Gruen) << y;
    EXPECT_EQ(bild.pixelColor(100, 111), QColor(Qt::white));
    EXPECT_EQ(bild.pixelColor(101, 125), Gruen); // three pixels wide
    EXPECT_EQ(bild.pixelColor(99, 125), Gruen);
    EXPECT_EQ(bild.pixelColor(98, 125), QColor(Qt::blue)); // left of the truss end
    // The red moment lines are there; the table's cursor did not move.
    EXPECT_GT(zaehle(bild, Qt::red, 100), 0);
    EXPECT_EQ(d.r.cds_maxima.RecNo(), 5);
}

TEST(Auslastungsbild, NurDieZeichenflaecheBeschneidetDenBalken)
{
    DreiLager d;
    d.m.traverse.maxQuer = 500 / 5.0; // 500 %
    d.r.Berechnen();
    const QImage bild = Auslastungsbild(Groesse, abbildung(), &d.r.cds_maxima, {});
    // 500 % is 125 pixels above the zero line: the bar reaches into the upper half up to row 25.
    EXPECT_EQ(bild.pixelColor(100, 26), Gruen);
    EXPECT_EQ(bild.pixelColor(100, 24), QColor(Qt::white));
}

TEST(Auslastungsbild, LeereProzenteZaehlenAlsNull)
{
    DreiLager d;
    d.m.traverse.maxQuer = 0.01;
    d.m.traverse.maxBiege = 0;
    d.r.Berechnen();
    const QImage bild = Auslastungsbild(Groesse, abbildung(), &d.r.cds_maxima, {});
    // every bar runs from 0 to 0: only the ticks of 2 pixels either side of the zero line show
    EXPECT_EQ(zaehle(bild, Gruen, 153), 0);
    EXPECT_EQ(zaehle(bild, Gruen, 0) - zaehle(bild, Gruen, 148), 0);
    EXPECT_GT(zaehle(bild, Gruen, 148), 0);
    EXPECT_EQ(bild.pixelColor(200, 150), QColor(Qt::red)); // moment lines on the zero line
}

TEST(Balkenskizze, LinealUndTraverseAuchBeiRiesigerLaenge)
{
    for (const double laenge : {0.3, 10.0, 1e12}) {
        Balkenmodell m;
        m.traverse.laenge = laenge;
        m.traverse.hoehe = laenge / 1000;
        fuegeLagerHinzu(m, -laenge / 2);
        Balkenrechnung r(m);
        const QImage bild = Skizzenbild(m, r, QSize(400, 200));
        EXPECT_EQ(bild.pixelColor(200, 20), QColor(0, 0, 128)) << laenge; // the ruler
        if (laenge < 1)
            continue; // the bar's pen (0.05 m) covers the view
        // Fitted: the truss bar reaches from column 25 to 375 on the axis row of the upper half.
        EXPECT_EQ(bild.pixelColor(30, 80), QColor(Qt::blue)) << laenge;
        EXPECT_EQ(bild.pixelColor(370, 80), QColor(Qt::blue)) << laenge;
        EXPECT_EQ(bild.pixelColor(10, 80), QColor(Qt::white)) << laenge;
    }
}

// Two supports at ±5 m under 100 N/m: one load case, so at every section Q_min = Q_max. By hand
// at x = −2 m Q = 500 − 100 · 3 = 200 N, with Qzul = 500 N 40 %, the row 150 − 25 · 0,4 = 140,
// column 200 − 2 · 20 = 160: a short tick stands there, and nothing far above or below it.
TEST(Auslastungsbild, QuerkraftOhneSpanneZeigtEineMarke)
{
    Balkenmodell m;
    Balkenrechnung r{m};
    m.traverse.laenge = 10;
    m.traverse.eigenlast = 100;
    m.traverse.maxQuer = 500;
    m.traverse.maxBiege = 1e9;
    fuegeLagerHinzu(m, -5);
    fuegeLagerHinzu(m, 5);
    r.Berechnen();
    const QImage bild = Auslastungsbild(Groesse, abbildung(), &r.cds_maxima, {});
    EXPECT_EQ(bild.pixelColor(160, 140), Gruen);
    EXPECT_NE(bild.pixelColor(160, 135), Gruen);
    EXPECT_NE(bild.pixelColor(160, 145), Gruen);
}
