// The span load calculator: the operations of one span length, the list up to the first negative
// central point load, its bound, and the grid texts.
#include "calculator/u_travlaenge.h"
#include <gtest/gtest.h>
#include <limits>

namespace {

Kalkulatortraverse beispiel()
{
    Kalkulatortraverse w;
    w.hersteller = QStringLiteral("ABC");
    w.name = QStringLiteral("F34");
    w.eigenlast = 100;
    w.querkraft = 5000;
    w.biegemoment = 10000;
    return w;
}

} // namespace

TEST(Spannweiten, BeispielzeileEinsMeterInKilogramm)
{
    KalkulatorEinstellungen e;
    const TTravLaenge l(1, 100, 5000, 10000, e);
    EXPECT_DOUBLE_EQ(l.QZul(), 2500);
    EXPECT_DOUBLE_EQ(l.MZul(), 5000);
    EXPECT_NEAR(l.GesamtEigenlast(), 10.19, 0.005);
    EXPECT_NEAR(l.Streckenlast(), 499.49, 0.005);
    EXPECT_NEAR(l.Punktlast(), 499.49, 0.005);
    EXPECT_DOUBLE_EQ(l.Aussenlast(), 0);
    EXPECT_EQ(l.Farbe(), Zeilenfarbe::Schwarz);
    // Third and quarter points: shear limit 1.5 * 2450 against 4.5 * 4987.5.
    EXPECT_NEAR(l.Drittelpunktlast(), 3675 / 9.81, 1e-9);
    EXPECT_NEAR(l.Viertelpunktlast(), 4.0 / 3 * 2450 / 9.81, 1e-9);
}

TEST(Spannweiten, ZehnMeterSindGrauUndHabenAussenlast)
{
    KalkulatorEinstellungen e;
    e.cmbEigenlast.waehle(1); // N
    const TTravLaenge l(10, 100, 5000, 10000, e);
    EXPECT_DOUBLE_EQ(l.Punktlast(), 1500);
    EXPECT_EQ(l.Farbe(), Zeilenfarbe::Grau);
    // min(2500 - 500, (5000 - 1250) / 2)
    EXPECT_DOUBLE_EQ(l.Aussenlast(), 1875);
    const TTravLaenge neun(9, 100, 5000, 10000, e);
    EXPECT_DOUBLE_EQ(neun.Aussenlast(), 0);
}

TEST(Spannweiten, DrittelUndViertelNachLastbild)
{
    KalkulatorEinstellungen e;
    e.cmbEigenlast.waehle(1);
    const TTravLaenge l(8, 100, 5000, 10000, e);
    // QZul - L g / 2 = 2100, MZul - L² g / 8 = 4200
    EXPECT_DOUBLE_EQ(l.Drittelpunktlast(), std::min(1.5 * 2100, 4.5 * 4200 / 8));
    e.cmbDrittel.waehle(1);
    EXPECT_DOUBLE_EQ(l.Drittelpunktlast(), std::min(2100.0, 3 * 4200.0 / 8));
    EXPECT_DOUBLE_EQ(l.Viertelpunktlast(), std::min(4.0 / 3 * 2100, 16.0 / 3 * 4200 / 8));
    e.cmbViertel.waehle(1);
    EXPECT_DOUBLE_EQ(l.Viertelpunktlast(), std::min(2100.0, 4 * 4200.0 / 8));
    e.cmbViertel.waehle(2);
    EXPECT_DOUBLE_EQ(l.Viertelpunktlast(), std::min(2.0 / 3 * 2100, 2 * 4200.0 / 8));
}

TEST(Spannweiten, GleichlasteinheitKilonewtonGibtDieGesamtlastDerSpannweite)
{
    KalkulatorEinstellungen e;
    const TTravLaenge l(4, 100, 5000, 10000, e);
    // min(1250, 2500) - 100 = 1150 N/m on 4 m
    e.cmbGleichlast.waehle(5);
    EXPECT_DOUBLE_EQ(l.Streckenlast(), 4.6);
    e.cmbGleichlast.waehle(4);
    EXPECT_DOUBLE_EQ(l.Streckenlast(), 4600);
    e.cmbGleichlast.waehle(3);
    EXPECT_DOUBLE_EQ(l.Streckenlast(), 4600 / 9.81);
    e.cmbGleichlast.waehle(2);
    EXPECT_DOUBLE_EQ(l.Streckenlast(), 1.15);
    e.cmbEigenlast.waehle(2);
    EXPECT_DOUBLE_EQ(l.GesamtEigenlast(), 0.4);
}

TEST(Spannweiten, TabelleEndetBeiEinundzwanzigMetern)
{
    Traversenkalkulator k;
    k.BaueLaengen(beispiel());
    ASSERT_EQ(k.laengen.size(), 21u);
    EXPECT_FALSE(k.begrenzt());
    EXPECT_EQ(k.laengen.back().Laenge, 21);
    k.einstellungen.cmbEigenlast.waehle(1);
    EXPECT_NEAR(k.laengen.back().Punktlast(), -97.62, 0.005);
    EXPECT_GE(k.laengen[19].Punktlast(), 0);
    EXPECT_EQ(k.Name(), QStringLiteral("ABC F34"));

    // Without BGV C1 the shown values double-limit, the rows stay.
    const double vorher = k.laengen[0].Punktlast();
    k.einstellungen.bgvc1 = false;
    EXPECT_EQ(k.laengen.size(), 21u);
    EXPECT_DOUBLE_EQ(k.laengen[0].QZul(), 5000);
    EXPECT_GT(k.laengen[0].Punktlast(), vorher);
}

TEST(Spannweiten, OhneEigenlastEndetDieTabelleBeiDerHoechstspannweite)
{
    Traversenkalkulator k;
    Kalkulatortraverse w = beispiel();
    w.eigenlast = 0;
    k.BaueLaengen(w);
    EXPECT_EQ(k.laengen.size(), size_t(MaximaleSpannweite));
    EXPECT_TRUE(k.begrenzt());
    // An empty library row (all values 0) never turns negative either.
    k.BaueLaengen(Kalkulatortraverse{});
    EXPECT_EQ(k.laengen.size(), size_t(MaximaleSpannweite));
}

TEST(Spannweiten, KopfUndZelltexteDesGitters)
{
    Traversenkalkulator k;
    k.BaueLaengen(beispiel());
    k.einstellungen.cmbGleichlast.waehle(2);
    EXPECT_EQ(k.Kopftext(0), QStringLiteral("Länge [m]"));
    EXPECT_EQ(k.Kopftext(1), QStringLiteral("Eigenlast [kg]"));
    EXPECT_EQ(k.Kopftext(2), QStringLiteral("Streckenlast [kN/m]"));
    EXPECT_EQ(k.Kopftext(6), QStringLiteral("Aussenlast [kg]"));
    EXPECT_EQ(k.Zelltext(k.laengen[0], 0), QStringLiteral("1"));
    EXPECT_EQ(k.Zelltext(k.laengen[0], 1).trimmed(), QStringLiteral("10,19"));
    EXPECT_TRUE(k.Zelltext(k.laengen[0], 1).startsWith(u' ')); // not trimmed
    k.einstellungen.cmbEigenlast.waehle(1);
    EXPECT_EQ(k.Zelltext(k.laengen.back(), 3).trimmed(), QStringLiteral("-97,62"));
    EXPECT_EQ(k.Zelltext(k.laengen[0], 2).trimmed(), QStringLiteral("4,90"));
}

TEST(Spannweiten, NegativeOderNichtEndlicheBibliothekswerteGebenKeineTabelle)
{
    for (double falsch : {-1.0, -1e6, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        for (int feld = 0; feld < 3; ++feld) {
            Kalkulatortraverse w = beispiel();
            (feld == 0 ? w.eigenlast : feld == 1 ? w.querkraft : w.biegemoment) = falsch;
            Traversenkalkulator k;
            k.BaueLaengen(w);
            EXPECT_TRUE(k.ungueltig()) << falsch << " in " << feld;
            EXPECT_TRUE(k.laengen.empty());
        }
    }
    Traversenkalkulator k;
    k.BaueLaengen(beispiel());
    EXPECT_FALSE(k.ungueltig());
    EXPECT_FALSE(k.laengen.empty());
    EXPECT_EQ(Traversenkalkulator::Ungueltigtext(), QStringLiteral("Negative oder ungültige Werte in der Bibliothek"));
}

TEST(Spannweiten, OhneEIBleibtJedeLastBeiQuerkraftUndMoment)
{
    KalkulatorEinstellungen e;
    const TTravLaenge ohne(10, 100, 5000, 10000, e);
    EXPECT_DOUBLE_EQ(ohne.Punktlast(), 1500 / 9.81);
    for (int spalte = 2; spalte <= 6; ++spalte)
        EXPECT_FALSE(ohne.DurchbiegungMassgebend(spalte));
}

TEST(Spannweiten, DurchbiegungLZweihundertBegrenztUndWirdMarkiert)
{
    KalkulatorEinstellungen e;
    e.cmbEigenlast.waehle(1); // N
    e.cmbGleichlast.waehle(1); // N/m
    // L = 10 m, g = 100 N/m, EI = 500 kN·m²: the self-weight sags 5gL⁴/384EI = 26,04 mm of
    // the 50 mm allowed
    const double ei = 5e5, l = 10, g = 100, grenze = l / 200;
    const double eigen = 5 * g * l * l * l * l / (384 * ei);
    const TTravLaenge t(10, g, 5000, 10000, e, ei);
    // central load: PL³/48EI; strength gives 1500 N
    EXPECT_NEAR(t.Punktlast(), (grenze - eigen) * 48 * ei / (l * l * l), 1e-9);
    EXPECT_TRUE(t.DurchbiegungMassgebend(3));
    // distributed: 5(q + g)L⁴/384EI = L/200, strength 300 N/m
    EXPECT_NEAR(t.Streckenlast(), 384 * ei / (5 * 200 * l * l * l) - g, 1e-9);
    EXPECT_TRUE(t.DurchbiegungMassgebend(2));
    // two loads at the third points: 23PL³/648EI in the middle
    e.cmbDrittel.waehle(1);
    EXPECT_NEAR(t.Drittelpunktlast(), (grenze - eigen) * 648 * ei / (23 * l * l * l), 1e-9);
    // three at the quarter points, in the middle: PL³/48EI + 2 · 11PL³/768EI = 19PL³/384EI
    e.cmbViertel.waehle(2);
    EXPECT_NEAR(t.Viertelpunktlast(), (grenze - eigen) * 384 * ei / (19 * l * l * l), 1e-9);
    // switched off, the strength values come back
    e.durchbiegung = false;
    EXPECT_DOUBLE_EQ(t.Punktlast(), 1500);
    EXPECT_FALSE(t.DurchbiegungMassgebend(3));
}

TEST(Spannweiten, EinsteifeTraverseBleibtBeiDerFestigkeitUndDieTabelleEndetFrueherMitEI)
{
    KalkulatorEinstellungen e;
    const TTravLaenge steif(10, 100, 5000, 10000, e, 1e9);
    EXPECT_DOUBLE_EQ(steif.Punktlast(), 1500 / 9.81);
    EXPECT_FALSE(steif.DurchbiegungMassgebend(3));

    Traversenkalkulator ohne, mit;
    ohne.BaueLaengen(beispiel());
    Kalkulatortraverse w = beispiel();
    w.ei = 500; // kN·m²
    mit.BaueLaengen(w);
    EXPECT_EQ(ohne.laengen.size(), 21u);
    // the self-weight alone sags L/200 where 5gL³·200/384 = EI: L = 12,4 m, so 13 m is the last row
    EXPECT_EQ(mit.laengen.size(), 13u);
    EXPECT_TRUE(mit.Zelltext(mit.laengen[9], 3).endsWith(u'*'));
    EXPECT_FALSE(ohne.Zelltext(ohne.laengen[9], 3).endsWith(u'*'));
    EXPECT_FALSE(mit.Durchbiegungstext().isEmpty());
    EXPECT_TRUE(ohne.Durchbiegungstext().isEmpty());
}
