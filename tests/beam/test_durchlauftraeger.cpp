// The continuous beam: textbook cases worked out here (two and three equal spans, the simple span's
// deflections, the three-moment equation) and random beams against the flexibility method with
// the inner supports' reactions as redundants, written in this file.
#include "beam/u_durchlauftraeger.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace {

Rechenvorgabe traeger(double laenge, double eigenlast, std::vector<double> lagerstellen)
{
    Rechenvorgabe v;
    v.traverse.laenge = laenge;
    v.traverse.eigenlast = eigenlast;
    int nummer = 0;
    for (double x : lagerstellen)
        v.lager.push_back({++nummer, x, 0, 0});
    return v;
}

double summeKraefte(const Durchlaufergebnis& e)
{
    double s = 0;
    for (const Durchlauflager& l : e.lager)
        s += l.kraft;
    return s;
}

// Deflection of a simple span [0, l] at x under a unit load at b (downwards), times EI.
double einflusslinie(double l, double x, double b)
{
    if (x > b)
        return einflusslinie(l, l - x, l - b);
    const double rest = l - b;
    return rest * x * (l * l - rest * rest - x * x) / (6 * l);
}

// Deflection times EI of the simple span [0, l] at x under a uniform load q on [a, z]: the
// influence line integrated piece by piece with Simpson's rule, exact for its cubic pieces.
double einflussStrecke(double l, double x, double q, double a, double z)
{
    auto simpson = [&](double von, double bis) {
        if (bis <= von)
            return 0.0;
        const double m = (von + bis) / 2;
        return (bis - von) / 6 * (einflusslinie(l, x, von) + 4 * einflusslinie(l, x, m) + einflusslinie(l, x, bis));
    };
    if (x > a && x < z)
        return q * (simpson(a, x) + simpson(x, z));
    return q * simpson(a, z);
}

struct Punktlast {
    double x, kraft;
};
struct Streckenlast {
    double von, bis, q;
};

// Solves the small dense system by Gaussian elimination with partial pivoting.
std::vector<double> gauss(std::vector<std::vector<double>> a, std::vector<double> b)
{
    const std::size_t n = b.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k]))
                p = i;
        std::swap(a[k], a[p]);
        std::swap(b[k], b[p]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const double f = a[i][k] / a[k][k];
            for (std::size_t j = k; j < n; ++j)
                a[i][j] -= f * a[k][j];
            b[i] -= f * b[k];
        }
    }
    std::vector<double> x(n);
    for (std::size_t i = n; i-- > 0;) {
        double s = b[i];
        for (std::size_t j = i + 1; j < n; ++j)
            s -= a[i][j] * x[j];
        x[i] = s / a[i][i];
    }
    return x;
}

// Flexibility method: the outer supports at 0 and l form the simple span; the inner supports'
// reactions are the redundants that bring the deflection there back to 0.
struct Nachgiebigkeit {
    std::vector<double> reaktionen; // all supports, upwards
    std::function<double(double)> durchbiegung; // at x in [0, l], times EI
};
Nachgiebigkeit nachgiebigkeitsverfahren(double l, const std::vector<double>& innen,
                                        const std::vector<Punktlast>& punkte, const std::vector<Streckenlast>& strecken)
{
    auto grund = [=](double x) {
        double w = 0;
        for (const Punktlast& p : punkte)
            w += p.kraft * einflusslinie(l, x, p.x);
        for (const Streckenlast& s : strecken)
            w += einflussStrecke(l, x, s.q, s.von, s.bis);
        return w;
    };
    const std::size_t n = innen.size();
    std::vector<std::vector<double>> f(n, std::vector<double>(n));
    std::vector<double> rechts(n);
    for (std::size_t i = 0; i < n; ++i) {
        rechts[i] = grund(innen[i]);
        for (std::size_t j = 0; j < n; ++j)
            f[i][j] = einflusslinie(l, innen[i], innen[j]);
    }
    const std::vector<double> x = gauss(f, rechts);
    // the outer reactions from the moment about each end
    double gesamt = 0, moment = 0; // moment about x = 0
    for (const Punktlast& p : punkte) {
        gesamt += p.kraft;
        moment += p.kraft * p.x;
    }
    for (const Streckenlast& s : strecken) {
        gesamt += s.q * (s.bis - s.von);
        moment += s.q * (s.bis - s.von) * (s.von + s.bis) / 2;
    }
    for (std::size_t i = 0; i < n; ++i) {
        gesamt -= x[i];
        moment -= x[i] * innen[i];
    }
    Nachgiebigkeit e;
    const double rechtsAussen = moment / l;
    e.reaktionen.push_back(gesamt - rechtsAussen);
    e.reaktionen.insert(e.reaktionen.end(), x.begin(), x.end());
    e.reaktionen.push_back(rechtsAussen);
    e.durchbiegung = [=](double stelle) {
        double w = grund(stelle);
        for (std::size_t i = 0; i < n; ++i)
            w -= x[i] * einflusslinie(l, stelle, innen[i]);
        return w;
    };
    return e;
}

} // namespace

TEST(Durchlauftraeger, ZweiGleicheFelderUnterGleichlastTragenDreiAchtelUndFuenfViertel)
{
    const double q = 200, feld = 6;
    const Durchlaufergebnis e = RechneDurchlauftraeger(traeger(2 * feld, q, {-feld, 0, feld}), std::nullopt);
    ASSERT_TRUE(e.stabil);
    EXPECT_NEAR(e.lager[0].kraft, 0.375 * q * feld, 1e-9);
    EXPECT_NEAR(e.lager[1].kraft, 1.25 * q * feld, 1e-9);
    EXPECT_NEAR(e.lager[2].kraft, 0.375 * q * feld, 1e-9);
    // the support moment qL²/8 hogs: positive in the program's convention, and it is the largest
    EXPECT_NEAR(e.maxM, q * feld * feld / 8, 1e-9);
    EXPECT_NEAR(e.xMaxM, 0, 1e-12);
    EXPECT_NEAR(std::fabs(e.maxQ), 0.625 * q * feld, 1e-9);
    EXPECT_TRUE(e.meldungen.empty());
    EXPECT_FALSE(e.durchbiegung); // EI unknown
}

TEST(Durchlauftraeger, VierMotorzuegeUnterGleichlastTragenVierZehntelUndElfZehntel)
{
    // three equal spans, no overhangs: 0,4 / 1,1 / 1,1 / 0,4 qL
    const double q = 4000 * NproKg / 24, feld = 8;
    const Durchlaufergebnis e = RechneDurchlauftraeger(traeger(24, q, {-12, -4, 4, 12}), std::nullopt);
    ASSERT_TRUE(e.stabil);
    EXPECT_NEAR(e.lager[0].kraft, 0.4 * q * feld, 1e-8);
    EXPECT_NEAR(e.lager[1].kraft, 1.1 * q * feld, 1e-8);
    EXPECT_NEAR(e.lager[2].kraft, 1.1 * q * feld, 1e-8);
    EXPECT_NEAR(e.lager[3].kraft, 0.4 * q * feld, 1e-8);
    EXPECT_NEAR(summeKraefte(e), 4000 * NproKg, 1e-8);
    EXPECT_NEAR(e.gesamtlast, 4000 * NproKg, 1e-8);
    EXPECT_NEAR(e.maxM, 0.1 * q * feld * feld, 1e-8);
}

TEST(Durchlauftraeger, EinfeldtraegerBiegtSichUmFuenfQLHochVierDurch384EI)
{
    const double q = 300, l = 10, ei = 2.5e6;
    const Durchlaufergebnis e = RechneDurchlauftraeger(traeger(l, q, {-l / 2, l / 2}), ei);
    ASSERT_TRUE(e.stabil);
    ASSERT_TRUE(e.durchbiegung);
    const double erwartet = 5 * q * l * l * l * l / (384 * ei);
    EXPECT_NEAR(e.durchbiegung->max, erwartet, 1e-12);
    EXPECT_NEAR(e.durchbiegung->x, 0, 1e-6);
    EXPECT_NEAR(e.durchbiegung->spannweite, l, 1e-12);
    EXPECT_NEAR(*e.durchbiegung->verhaeltnis, l / erwartet, 1e-6);
    EXPECT_EQ(e.durchbiegung->eingehalten(), l / erwartet >= 200);
    EXPECT_NEAR(e.maxM, -q * l * l / 8, 1e-9);
    // the line: the elastic curve q·x(l³ − 2lx² + x³)/24EI at every point
    for (const Durchlaufpunkt& p : e.linie) {
        const double x = p.x + l / 2;
        EXPECT_NEAR(p.w, q * x * (l * l * l - 2 * l * x * x + x * x * x) / (24 * ei), 1e-12) << p.x;
    }
}

TEST(Durchlauftraeger, PunktlastInFeldmitteBiegtUmPLHochDreiDurch48EI)
{
    const double p = 5000, l = 6, ei = 1.2e6;
    Rechenvorgabe v = traeger(l, 0, {-l / 2, l / 2});
    v.lasten = {{3, 0, 0, p, 0}};
    const Durchlaufergebnis e = RechneDurchlauftraeger(v, ei, 300);
    ASSERT_TRUE(e.durchbiegung);
    EXPECT_NEAR(e.durchbiegung->max, p * l * l * l / (48 * ei), 1e-12);
    EXPECT_NEAR(e.durchbiegung->x, 0, 1e-9);
    EXPECT_EQ(e.durchbiegung->grenze, 300);
    EXPECT_NEAR(e.maxM, -p * l / 4, 1e-9);
    EXPECT_NEAR(e.lager[0].kraft, p / 2, 1e-9);
}

TEST(Durchlauftraeger, DreiUngleicheFelderFolgenDerDreimomentengleichung)
{
    const double q = 150, l1 = 4, l2 = 7, l3 = 5;
    const double a = -8;
    const Durchlaufergebnis e = RechneDurchlauftraeger(traeger(l1 + l2 + l3, q, {a, a + l1, a + l1 + l2, a + l1 + l2 + l3}),
                                                       std::nullopt);
    ASSERT_TRUE(e.stabil);
    // Clapeyron with sagging positive and the outer support moments 0:
    //   2(l1+l2)·M1 + l2·M2 = −q(l1³ + l2³)/4,  l2·M1 + 2(l2+l3)·M2 = −q(l2³ + l3³)/4
    const double a11 = 2 * (l1 + l2), a12 = l2, a22 = 2 * (l2 + l3);
    const double b1 = -q * (l1 * l1 * l1 + l2 * l2 * l2) / 4, b2 = -q * (l2 * l2 * l2 + l3 * l3 * l3) / 4;
    const double det = a11 * a22 - a12 * a12;
    const double m1 = (b1 * a22 - a12 * b2) / det, m2 = (a11 * b2 - a12 * b1) / det;
    // shear at the ends of each span from its load and its end moments
    const double r0 = q * l1 / 2 + m1 / l1;
    const double r1 = q * l1 / 2 - m1 / l1 + q * l2 / 2 + (m2 - m1) / l2;
    const double r2 = q * l2 / 2 - (m2 - m1) / l2 + q * l3 / 2 - m2 / l3;
    const double r3 = q * l3 / 2 + m2 / l3;
    EXPECT_NEAR(e.lager[0].kraft, r0, 1e-9);
    EXPECT_NEAR(e.lager[1].kraft, r1, 1e-9);
    EXPECT_NEAR(e.lager[2].kraft, r2, 1e-9);
    EXPECT_NEAR(e.lager[3].kraft, r3, 1e-9);
    // the program's moment at the inner supports is the negative of the sagging-positive one
    for (const Durchlaufpunkt& p : e.linie) {
        if (std::fabs(p.x - (a + l1)) < 1e-12)
            EXPECT_NEAR(p.m, -m1, 1e-9);
        if (std::fabs(p.x - (a + l1 + l2)) < 1e-12)
            EXPECT_NEAR(p.m, -m2, 1e-9);
    }
}

TEST(Durchlauftraeger, ReaktionenHaengenNichtVonDerSteifigkeitAb)
{
    Rechenvorgabe v = traeger(12, 80, {-6, -1, 3.5, 6});
    v.lasten = {{3, 2, 2, 1500, 0}, {4, -5, -2, 900, 0}};
    const Durchlaufergebnis ohne = RechneDurchlauftraeger(v, std::nullopt);
    const Durchlaufergebnis mit = RechneDurchlauftraeger(v, 3.3e5);
    for (std::size_t s = 0; s < v.lager.size(); ++s)
        EXPECT_NEAR(ohne.lager[s].kraft, mit.lager[s].kraft, 1e-8);
    EXPECT_NEAR(ohne.maxM, mit.maxM, 1e-8);
    ASSERT_TRUE(mit.durchbiegung);
    const Durchlaufergebnis doppelt = RechneDurchlauftraeger(v, 6.6e5);
    EXPECT_NEAR(doppelt.durchbiegung->max * 2, mit.durchbiegung->max, 1e-12);
}

TEST(Durchlauftraeger, EinZiehendesLagerWirdHerausgenommenUndGenannt)
{
    // two equal spans with a load in the middle of the first: the far support would pull 3P/32
    const double p = 3200;
    Rechenvorgabe v = traeger(8, 0, {-4, 0, 4});
    v.lasten = {{3, -2, -2, p, 0}};
    const Durchlaufergebnis e = RechneDurchlauftraeger(v, 1e6);
    ASSERT_TRUE(e.stabil);
    EXPECT_NEAR(e.lager[0].kraft, p / 2, 1e-9);
    EXPECT_NEAR(e.lager[1].kraft, p / 2, 1e-9);
    EXPECT_EQ(e.lager[2].kraft, 0);
    EXPECT_TRUE(e.lager[2].entfernt);
    ASSERT_EQ(e.meldungen.size(), 1u);
    EXPECT_EQ(e.meldungen[0].art, Durchlaufmeldung::Art::LagerEntfernt);
    EXPECT_EQ(e.meldungen[0].lager1, 3);
    EXPECT_TRUE(Meldungstext(e.meldungen[0]).contains(QStringLiteral("3")));
    // the free end lifts off the support: it stands above it
    EXPECT_LT(e.linie.back().w, 0);
}

TEST(Durchlauftraeger, OhneZweiTragendeLagerIstDerTraegerInstabil)
{
    const Durchlaufergebnis eins = RechneDurchlauftraeger(traeger(10, 100, {0}), 1e6);
    EXPECT_FALSE(eins.stabil);
    ASSERT_FALSE(eins.meldungen.empty());
    EXPECT_EQ(eins.meldungen.back().art, Durchlaufmeldung::Art::Instabil);
    EXPECT_TRUE(eins.linie.empty());
    EXPECT_FALSE(eins.durchbiegung);

    // a load far out on the overhang tips the beam over its right support
    Rechenvorgabe v = traeger(10, 0, {-5, -4});
    v.lasten = {{3, 5, 5, 1000, 0}};
    const Durchlaufergebnis kippt = RechneDurchlauftraeger(v, std::nullopt);
    EXPECT_FALSE(kippt.stabil);
    EXPECT_EQ(kippt.meldungen.back().art, Durchlaufmeldung::Art::Instabil);
    EXPECT_TRUE(kippt.lager[0].entfernt);

    // two supports at one place are one point of support
    const Durchlaufergebnis gleich = RechneDurchlauftraeger(traeger(10, 100, {1, 1}), std::nullopt);
    EXPECT_FALSE(gleich.stabil);
    EXPECT_EQ(gleich.meldungen.front().art, Durchlaufmeldung::Art::GleichePosition);
}

TEST(Durchlauftraeger, LagerAnDerselbenStelleTeilenSichDieKraft)
{
    const Durchlaufergebnis e = RechneDurchlauftraeger(traeger(10, 100, {-5, 5, 5}), std::nullopt);
    ASSERT_TRUE(e.stabil);
    EXPECT_NEAR(e.lager[0].kraft, 500, 1e-9);
    EXPECT_NEAR(e.lager[1].kraft, 250, 1e-9);
    EXPECT_NEAR(e.lager[2].kraft, 250, 1e-9);
    ASSERT_EQ(e.meldungen.size(), 1u);
    EXPECT_EQ(e.meldungen[0].lager1, 2);
    EXPECT_EQ(e.meldungen[0].lager2, 3);
}

TEST(Durchlauftraeger, KragarmZaehltMitDoppelterLaengeAlsSpannweite)
{
    // a span l = 6 m with P2 in its middle and an overhang a = 2 m carrying P at its tip
    const double p = 1000, p2 = 1000, l = 6, a = 2, ei = 1e5;
    Rechenvorgabe v = traeger(l + a, 0, {-4, 2});
    v.lasten = {{3, 4, 4, p, 0}, {3, -1, -1, p2, 0}};
    const Durchlaufergebnis e = RechneDurchlauftraeger(v, ei);
    ASSERT_TRUE(e.durchbiegung);
    // tip: P·a²(l + a)/3EI down, less the rotation P2·l²/16EI over the overhang
    const double spitze = p * a * a * (l + a) / (3 * ei) - p2 * l * l * a / (16 * ei);
    EXPECT_NEAR(e.linie.back().w, spitze, 1e-12);
    // in the span neither load moves a point by more than P2·l³/48EI resp. P·a·l²/16EI, so the
    // span's ratio is above l / (sum of both), which is above the overhang's 2a / spitze
    EXPECT_GT(l / (p2 * l * l * l / (48 * ei) + p * a * l * l / (16 * ei)), 2 * a / spitze);
    EXPECT_NEAR(e.durchbiegung->max, spitze, 1e-12);
    EXPECT_NEAR(e.durchbiegung->x, 4, 1e-12);
    EXPECT_NEAR(e.durchbiegung->spannweite, 2 * a, 1e-12);
    EXPECT_NEAR(e.lager[0].kraft, p2 / 2 - p * a / l, 1e-9);
    EXPECT_NEAR(e.lager[1].kraft, p2 / 2 + p * (l + a) / l, 1e-9);
}

TEST(Durchlauftraeger, ZufaelligeTraegerStimmenMitDemKraftgroessenverfahrenUeberein)
{
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> eins(0, 1);
    int verglichen = 0;
    for (int probe = 0; probe < 200; ++probe) {
        const double l = 4 + 30 * eins(zufall);
        const int innen = 1 + int(eins(zufall) * 5);
        std::vector<double> stellen;
        for (int i = 0; i < innen; ++i)
            stellen.push_back(l * (0.05 + 0.9 * eins(zufall)));
        std::sort(stellen.begin(), stellen.end());
        bool zuNah = false;
        for (int i = 1; i < innen; ++i)
            zuNah = zuNah || stellen[i] - stellen[i - 1] < 0.2;
        if (zuNah)
            continue;
        const double g = 50 + 100 * eins(zufall);
        Rechenvorgabe v = traeger(l, g, {});
        v.lager.push_back({1, -l / 2, 0, 0});
        for (int i = 0; i < innen; ++i)
            v.lager.push_back({i + 2, stellen[i] - l / 2, 0, 0});
        v.lager.push_back({innen + 2, l / 2, 0, 0});
        std::vector<Punktlast> punkte;
        std::vector<Streckenlast> strecken = {{0, l, g}};
        for (int k = 0; k < 6; ++k) {
            const double p1 = l * eins(zufall), kraft = 100 + 2000 * eins(zufall);
            const int art = k % 3 == 0 ? 3 : k % 3 == 1 ? 4 : 11;
            const double p2 = art == 3 ? p1 : std::min(l, p1 + 0.5 + 3 * eins(zufall));
            v.lasten.push_back({art, p1 - l / 2, p2 - l / 2, kraft, 0});
            if (art == 4)
                strecken.push_back({p1, p2, kraft / (p2 - p1)});
            else
                punkte.insert(punkte.end(), {{p1, art == 3 ? kraft : kraft / 2}, {p2, art == 3 ? 0 : kraft / 2}});
        }
        const Nachgiebigkeit soll = nachgiebigkeitsverfahren(l, stellen, punkte, strecken);
        if (*std::min_element(soll.reaktionen.begin(), soll.reaktionen.end()) < 1)
            continue; // a pulling support: not the plain linear case compared here
        const double ei = 1e5 + 1e6 * eins(zufall);
        const Durchlaufergebnis e = RechneDurchlauftraeger(v, ei);
        ASSERT_TRUE(e.stabil) << probe;
        double summe = 0;
        for (std::size_t s = 0; s < soll.reaktionen.size(); ++s) {
            EXPECT_NEAR(e.lager[s].kraft, soll.reaktionen[s], 1e-7 * e.gesamtlast) << probe << " Lager " << s;
            summe += e.lager[s].kraft;
        }
        EXPECT_NEAR(summe, e.gesamtlast, 1e-9 * e.gesamtlast);
        EXPECT_TRUE(e.meldungen.empty());
        for (const Durchlaufpunkt& p : e.linie)
            EXPECT_NEAR(p.w, soll.durchbiegung(p.x + l / 2) / ei, 1e-9 + 1e-7 * std::fabs(p.w)) << probe << " x " << p.x;
        // the right end is free of shear and moment
        EXPECT_NEAR(e.linie.back().q, 0, 1e-8 * e.gesamtlast);
        EXPECT_NEAR(e.linie.back().m, 0, 1e-8 * e.gesamtlast * l);
        ++verglichen;
    }
    EXPECT_GT(verglichen, 40);
}

TEST(Durchlauftraeger, AbhebendeLagerLassenNurDruckUndDieSummeDerLasten)
{
    std::mt19937 zufall(11);
    std::uniform_real_distribution<double> eins(0, 1);
    int mitEntfernten = 0;
    for (int probe = 0; probe < 200; ++probe) {
        const double l = 6 + 20 * eins(zufall);
        std::vector<double> stellen;
        const int anzahl = 3 + int(eins(zufall) * 5);
        for (int i = 0; i < anzahl; ++i)
            stellen.push_back(-l / 2 + l * eins(zufall));
        Rechenvorgabe v = traeger(l, 30 * eins(zufall), stellen);
        for (int k = 0; k < 3; ++k) {
            const double x = -l / 2 + l * eins(zufall);
            v.lasten.push_back({3, x, x, 500 + 5000 * eins(zufall), 0});
        }
        const Durchlaufergebnis e = RechneDurchlauftraeger(v, 2e5);
        if (!e.stabil) {
            EXPECT_FALSE(e.meldungen.empty());
            continue;
        }
        double summe = 0;
        for (const Durchlauflager& s : e.lager) {
            EXPECT_GE(s.kraft, -1e-6 * e.gesamtlast);
            summe += s.kraft;
            if (s.entfernt)
                EXPECT_EQ(s.kraft, 0);
        }
        EXPECT_NEAR(summe, e.gesamtlast, 1e-8 * e.gesamtlast);
        // the beam stands on or above every support it left: no support would take force again
        for (std::size_t s = 0; s < e.lager.size(); ++s) {
            if (!e.lager[s].entfernt)
                continue;
            ++mitEntfernten;
            for (const Durchlaufpunkt& p : e.linie)
                if (std::fabs(p.x - e.lager[s].position) < 0.0005)
                    EXPECT_LE(p.w, 1e-9);
        }
    }
    EXPECT_GT(mitEntfernten, 10);
}

TEST(Durchlauftraeger, EineLastKeinenMillimeterNebenDemLagerStehtAufIhm)
{
    // the load 0,8 mm right of the middle support of two spans goes straight into it
    Rechenvorgabe v = traeger(8, 0, {-4, 0, 4});
    v.lasten = {{3, 0.0008, 0.0008, 1000, 0}};
    const Durchlaufergebnis e = RechneDurchlauftraeger(v, 1e5);
    ASSERT_TRUE(e.stabil);
    EXPECT_NEAR(e.lager[0].kraft, 0, 1e-9);
    EXPECT_NEAR(e.lager[1].kraft, 1000, 1e-9);
    EXPECT_NEAR(e.lager[2].kraft, 0, 1e-9);
}

TEST(Durchlauftraeger, EinLagerWeitDraussenGibtEineBegrenzteLinie)
{
    // a support a million kilometres out: the beam reaches it, the lines stay a few thousand points
    const Durchlaufergebnis e = RechneDurchlauftraeger(traeger(10, 100, {-5, 1e9}), 1e5);
    ASSERT_TRUE(e.stabil);
    EXPECT_LT(e.linie.size(), 30000u);
    EXPECT_NEAR(e.lager[0].kraft + e.lager[1].kraft, 1000, 1e-6);
    EXPECT_NEAR(e.lager[1].kraft, 1000 * 5 / (1e9 + 5), 1e-9);
}
