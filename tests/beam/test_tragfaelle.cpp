// The load-case solver on plain arrays: the worked examples and a randomised cross-check against
// a direct evaluation of the section-force rules at every section.
#include "beam/u_tragfaelle.h"
#include "platform/u_fehler.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <random>

namespace {

Rechenvorgabe zweiLager(double laenge, double eigenlast)
{
    Rechenvorgabe v;
    v.traverse.laenge = laenge;
    v.traverse.eigenlast = eigenlast;
    v.lager = {{1, -laenge / 2, 0, 0}, {2, laenge / 2, 0, 0}};
    return v;
}

double qBei(const Rechenergebnis& e, const Tragfall& t, std::size_t k) { return e.q[t.ersteposition + k]; }
double mBei(const Rechenergebnis& e, const Tragfall& t, std::size_t k) { return e.m[t.ersteposition + k]; }

} // namespace

TEST(Tragfaelle, EinfeldtraegerUnterEigenlastHatReaktionenUndSchnittkraefteDesBeispiels)
{
    const Rechenergebnis e = RechneTragfaelle(zweiLager(10, 100));
    ASSERT_EQ(e.tragfaelle.size(), 1u);
    const Tragfall& t = e.tragfaelle[0];
    EXPECT_DOUBLE_EQ(t.kraft1, 500);
    EXPECT_DOUBLE_EQ(t.kraft2, 500);
    ASSERT_EQ(e.x.size(), 101u);
    EXPECT_DOUBLE_EQ(e.x.front(), -5);
    EXPECT_NEAR(e.x.back(), 5, 1e-12);
    EXPECT_DOUBLE_EQ(qBei(e, t, 0), 500);
    EXPECT_NEAR(qBei(e, t, 100), -500, 1e-9);
    EXPECT_NEAR(qBei(e, t, 25), 250, 1e-9);
    EXPECT_NEAR(mBei(e, t, 0), 0, 1e-9);
    EXPECT_NEAR(mBei(e, t, 100), 0, 1e-9);
    EXPECT_NEAR(mBei(e, t, 50), -1250, 1e-9);
    EXPECT_DOUBLE_EQ(t.maxQ, 500); // the first of the two largest magnitudes
    EXPECT_NEAR(t.maxM, -1250, 1e-9);
    EXPECT_DOUBLE_EQ(e.gesamtlast, 1000);
    EXPECT_DOUBLE_EQ(e.berechnet[0], 500);
    EXPECT_DOUBLE_EQ(e.berechnet[1], 500);
}

TEST(Tragfaelle, PunktlastInDerMitteZaehltAmSchnittSchonAlsLinks)
{
    Rechenvorgabe v = zweiLager(10, 100);
    v.lasten = {{3, 0, 0, 1000, 0}};
    const Rechenergebnis e = RechneTragfaelle(v);
    const Tragfall& t = e.tragfaelle[0];
    EXPECT_DOUBLE_EQ(t.kraft1, 1000);
    EXPECT_DOUBLE_EQ(t.kraft2, 1000);
    ASSERT_NEAR(e.x[50], 0, 1e-12);
    EXPECT_NEAR(qBei(e, t, 50), -500, 1e-9);
    EXPECT_NEAR(mBei(e, t, 50), -3750, 1e-9);
    EXPECT_NEAR(t.maxM, -3750, 1e-9);
    EXPECT_DOUBLE_EQ(e.gesamtlast, 2000);
}

TEST(Tragfaelle, DreiLagerGebenDiePareInDerReihenfolgeIJ)
{
    Rechenvorgabe v = zweiLager(10, 100);
    v.lager = {{1, -5, 0, 0}, {2, 0, 0, 0}, {3, 5, 0, 0}};
    const Rechenergebnis e = RechneTragfaelle(v);
    ASSERT_EQ(e.tragfaelle.size(), 3u);
    EXPECT_EQ(e.tragfaelle[0].lager1, 1);
    EXPECT_EQ(e.tragfaelle[0].lager2, 2);
    EXPECT_EQ(e.tragfaelle[1].lager1, 1);
    EXPECT_EQ(e.tragfaelle[1].lager2, 3);
    EXPECT_EQ(e.tragfaelle[2].lager1, 2);
    EXPECT_EQ(e.tragfaelle[2].lager2, 3);
    EXPECT_DOUBLE_EQ(e.tragfaelle[0].pos2, 0);
    // pair (1,2): the right half cantilevers beyond support 2
    EXPECT_NEAR(e.tragfaelle[0].kraft1, 0, 1e-9);
    EXPECT_NEAR(e.tragfaelle[0].kraft2, 1000, 1e-9);
    EXPECT_NEAR(e.berechnet[1], 1000, 1e-9);
}

TEST(Tragfaelle, NegativerTragfallHatNurMitOptionPositionenUndZaehltSonstNicht)
{
    Rechenvorgabe v;
    v.traverse.laenge = 10;
    v.lager = {{1, -5, 0, 0}, {2, -4, 0, 0}};
    v.lasten = {{3, 5, 5, 100, 0}};
    Rechenergebnis e = RechneTragfaelle(v);
    const Tragfall& t = e.tragfaelle[0];
    EXPECT_NEAR(t.kraft2, 1000, 1e-9);
    EXPECT_NEAR(t.kraft1, -900, 1e-9);
    EXPECT_EQ(t.zustand, Tragfall::Zustand::Negativ);
    EXPECT_FALSE(t.mitPositionen);
    EXPECT_TRUE(e.q.empty());
    EXPECT_TRUE(e.huelle.empty());
    EXPECT_EQ(e.berechnet, (std::vector<double>{0, 0}));

    v.negativ = true;
    e = RechneTragfaelle(v);
    EXPECT_TRUE(e.tragfaelle[0].mitPositionen);
    EXPECT_EQ(e.huelle.size(), 101u);
    EXPECT_NEAR(e.berechnet[0], -900, 1e-9);
    EXPECT_NEAR(e.berechnet[1], 1000, 1e-9);
}

TEST(Tragfaelle, MinimalkraftEinesDrittenLagersEntlastetDasPaar)
{
    Rechenvorgabe v = zweiLager(10, 100);
    v.lager = {{1, -5, 0, 0}, {2, 5, 0, 0}, {3, 0, 200, 0}};
    v.minimal = true;
    const Rechenergebnis e = RechneTragfaelle(v);
    EXPECT_NEAR(e.tragfaelle[0].kraft1, 400, 1e-9);
    EXPECT_NEAR(e.tragfaelle[0].kraft2, 400, 1e-9);
    v.minimal = false;
    EXPECT_NEAR(RechneTragfaelle(v).tragfaelle[0].kraft1, 500, 1e-9);
}

TEST(Tragfaelle, WindlastenNachModusGurtzahlUndBreite)
{
    Rechenvorgabe v;
    v.modus = 2;
    v.staudruck = 0.5;
    v.traverse.gurtzahl = 4;
    v.traverse.hoehe = 0.4;
    v.traverse.breite = 0.4;
    v.traverse.eigenlast = 77;
    EXPECT_NEAR(WirksameEigenlast(v), 105, 1e-9);
    const Rechenlast last{3, 0, 0, 1000, 0.5};
    EXPECT_NEAR(WirksameLast(v, last), 250, 1e-9);
    v.traverse.breite = 0;
    EXPECT_NEAR(WirksameLast(v, last), 12500, 1e-9);
    v.modus = 1;
    EXPECT_NEAR(WirksameLast(v, last), 13500, 1e-9);
    EXPECT_NEAR(WirksameEigenlast(v), 182, 1e-9);
    v.modus = 0;
    EXPECT_DOUBLE_EQ(WirksameLast(v, last), 1000);
    EXPECT_DOUBLE_EQ(WirksameEigenlast(v), 77);
    v.modus = 2;
    for (auto [gurte, c] : {std::pair{1, 0.06}, {2, 0.143}, {3, 0.17}, {5, 1.0}}) {
        v.traverse.gurtzahl = gurte;
        EXPECT_NEAR(WirksameEigenlast(v), 500 * c, 1e-9) << gurte;
    }
}

TEST(Tragfaelle, KurzeTraegerRundenDieSchnittzahlHalbZurGeradenZahl)
{
    Rechenergebnis e = RechneTragfaelle(zweiLager(0.25, 0));
    // three grid sections, then the right support, which the grid falls short of
    ASSERT_EQ(e.x.size(), 4u);
    EXPECT_DOUBLE_EQ(e.x[0], -0.125);
    EXPECT_NEAR(e.x[1], -0.025, 1e-12);
    EXPECT_NEAR(e.x[2], 0.075, 1e-12);
    EXPECT_DOUBLE_EQ(e.x[3], 0.125);
    // 3.5 rounds to 4: five grid sections and the right support at 0.175
    EXPECT_EQ(RechneTragfaelle(zweiLager(0.35, 0)).x.size(), 6u);
    Rechenvorgabe v = zweiLager(-1, 0);
    e = RechneTragfaelle(v);
    EXPECT_TRUE(e.x.empty());
    EXPECT_TRUE(e.tragfaelle[0].mitPositionen);
    EXPECT_EQ(e.tragfaelle[0].maxQ, 0);
    EXPECT_TRUE(e.huelle.empty());
}

TEST(Tragfaelle, HuelleFasstGleicheStellenZusammenUndIstAufsteigend)
{
    Rechenvorgabe v = zweiLager(10, 100);
    v.lager = {{1, -5, 0, 0}, {2, 0, 0, 0}, {3, 5, 0, 0}};
    const Rechenergebnis e = RechneTragfaelle(v);
    ASSERT_EQ(e.huelle.size(), 101u);
    for (std::size_t k = 1; k < e.huelle.size(); ++k)
        EXPECT_LT(e.huelle[k - 1].x, e.huelle[k].x);
    for (std::size_t k = 0; k < e.huelle.size(); ++k) {
        double qMin = INFINITY, qMax = -INFINITY, mMin = INFINITY, mMax = -INFINITY;
        for (const Tragfall& t : e.tragfaelle) {
            qMin = std::min(qMin, qBei(e, t, k));
            qMax = std::max(qMax, qBei(e, t, k));
            mMin = std::min(mMin, mBei(e, t, k));
            mMax = std::max(mMax, mBei(e, t, k));
        }
        EXPECT_EQ(e.huelle[k].qMin, qMin);
        EXPECT_EQ(e.huelle[k].qMax, qMax);
        EXPECT_EQ(e.huelle[k].mMin, mMin);
        EXPECT_EQ(e.huelle[k].mMax, mMax);
    }
}

TEST(Tragfaelle, LagerAnGleicherPositionGebenKeinErgebnisDieAnderenSchon)
{
    Rechenvorgabe v = zweiLager(10, 100);
    v.lager = {{1, -5, 0, 0}, {2, -5, 0, 0}, {3, 5, 0, 1000}};
    const Rechenergebnis e = RechneTragfaelle(v);
    ASSERT_EQ(e.tragfaelle.size(), 3u);
    EXPECT_EQ(e.tragfaelle[0].zustand, Tragfall::Zustand::GleicheLagerposition);
    EXPECT_FALSE(e.tragfaelle[0].mitPositionen);
    EXPECT_TRUE(e.tragfaelle[1].mitPositionen);
    EXPECT_TRUE(e.tragfaelle[2].mitPositionen);
    EXPECT_DOUBLE_EQ(e.berechnet[2], 500);
    EXPECT_DOUBLE_EQ(e.auslastung, 50);
    for (double q : e.q)
        EXPECT_TRUE(std::isfinite(q));
}

TEST(Tragfaelle, UeberlaufUndUngueltigeEingabenErreichenKeinErgebnis)
{
    Rechenvorgabe v = zweiLager(10, 100);
    v.lager[0].position = 0;
    v.lager[1].position = 1e-300; // reactions beyond the range of numbers
    v.lasten = {{3, 5, 5, 1e12, 0}};
    const Rechenergebnis e = RechneTragfaelle(v);
    EXPECT_EQ(e.tragfaelle[0].zustand, Tragfall::Zustand::Ueberlauf);
    EXPECT_TRUE(e.q.empty());
    EXPECT_EQ(e.berechnet, (std::vector<double>{0, 0}));

    v = zweiLager(10, 100);
    v.lasten = {{3, 0, 0, NAN, 0}};
    EXPECT_THROW(RechneTragfaelle(v), Fehler);
    v.lasten = {{3, INFINITY, 0, 1, 0}};
    EXPECT_THROW(RechneTragfaelle(v), Fehler);
    v = zweiLager(1e9, 0); // ten thousand million sections
    EXPECT_THROW(RechneTragfaelle(v), Fehler);
}

TEST(Tragfaelle, ProzenteNurBeiZulaessigenWertenUeberEinHundertstel)
{
    EXPECT_FALSE(Prozent(100, 0.01).has_value());
    EXPECT_FALSE(Prozent(100, 0).has_value());
    EXPECT_DOUBLE_EQ(*Prozent(-250, 1000), -25);
    Rechenvorgabe v = zweiLager(10, 100);
    v.traverse.maxQuer = 1000;
    v.traverse.maxBiege = 0.01;
    const Rechenergebnis e = RechneTragfaelle(v);
    EXPECT_DOUBLE_EQ(e.auslastung, 50); // |500| of 1000; the moment counts nothing
}

// Direct evaluation of the section-force rules for one load case at one section.
namespace {
struct Direkt {
    double q, m;
};

Direkt direkterSchnitt(const Rechenvorgabe& v, const Tragfall& t, double x)
{
    double q = 0, m = 0;
    auto wirke = [&](double f, double d) {
        q -= f;
        m += f * d;
    };
    const double g = WirksameEigenlast(v);
    const double s = x + v.traverse.laenge / 2;
    wirke(g * s, s / 2);
    for (const Rechenlast& l : v.lasten) {
        const double f = WirksameLast(v, l);
        if (l.type == 4) {
            if (l.pos1 <= x + 0.001) {
                if (l.pos2 <= x + 0.001)
                    wirke(f, x - (l.pos1 + l.pos2) / 2);
                else
                    wirke(f * (x - l.pos1) / (l.pos2 - l.pos1), (x - l.pos1) / 2);
            }
        } else {
            if (l.pos1 <= x + 0.001)
                wirke(f / 2, x - l.pos1);
            if (l.pos2 <= x + 0.001)
                wirke(f / 2, x - l.pos2);
        }
    }
    if (v.minimal)
        for (const Rechenlager& l : v.lager)
            if (l.nummer != t.lager1 && l.nummer != t.lager2 && l.position <= x + 0.001)
                wirke(-l.minimalkraft, x - l.position);
    if (t.pos1 - x <= -0.05)
        wirke(-t.kraft1, x - t.pos1);
    if (t.pos2 - x <= -0.05)
        wirke(-t.kraft2, x - t.pos2);
    const double q0 = q, m0 = m;
    if (std::fabs(t.pos1 - x) < 0.05)
        wirke(-t.kraft1, x - t.pos1);
    if (std::fabs(t.pos2 - x) < 0.05)
        wirke(-t.kraft2, x - t.pos2);
    if (std::fabs(q0) > std::fabs(q))
        q = q0;
    if (std::fabs(m0) > std::fabs(m))
        m = m0;
    return {q, m};
}

double direktesMoment(const Rechenvorgabe& v, const Tragfall& t, double c)
{
    double summe = WirksameEigenlast(v) * v.traverse.laenge * c;
    for (const Rechenlast& l : v.lasten)
        summe -= WirksameLast(v, l) * ((l.pos1 + l.pos2) / 2 - c);
    if (v.minimal)
        for (const Rechenlager& s : v.lager)
            if (s.nummer != t.lager1 && s.nummer != t.lager2)
                summe += s.minimalkraft * (s.position - c);
    return summe;
}
} // namespace

TEST(Tragfaelle, SchnelleRechnungStimmtMitDerDirektenAuswertungUeberein)
{
    std::mt19937 zufall(20261209);
    auto gleich = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(zufall); };
    auto ganz = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(zufall); };
    for (int runde = 0; runde < 60; ++runde) {
        Rechenvorgabe v;
        v.traverse.laenge = std::round(gleich(1, 30) * 100) / 100;
        v.traverse.hoehe = gleich(0.2, 0.6);
        v.traverse.breite = ganz(0, 1) ? gleich(0.2, 0.6) : 0;
        v.traverse.gurtzahl = ganz(1, 5);
        v.traverse.eigenlast = gleich(0, 200);
        v.traverse.maxQuer = gleich(0, 20000);
        v.traverse.maxBiege = gleich(0, 30000);
        v.modus = ganz(0, 2);
        v.staudruck = gleich(0.15, 0.8);
        v.minimal = ganz(0, 1);
        v.negativ = ganz(0, 1);
        const int lager = ganz(0, 7);
        for (int i = 1; i <= lager; ++i)
            v.lager.push_back({i, std::round(gleich(-v.traverse.laenge, v.traverse.laenge) * 10) / 20, gleich(0, 300), gleich(0, 5000)});
        const int lasten = ganz(0, 12);
        for (int i = 0; i < lasten; ++i) {
            const int art = ganz(3, 15);
            const double p1 = gleich(-v.traverse.laenge, v.traverse.laenge) / 2;
            const double p2 = art == 3 || art > 10 || art == 4 ? p1 + gleich(0, 3) : p1;
            v.lasten.push_back({art, p1, p2, gleich(-200, 3000), gleich(0, 1)});
        }
        SCOPED_TRACE(runde);
        const Rechenergebnis e = RechneTragfaelle(v);
        // a section every 0,1 m, at every support and at both ends of every load on the truss
        std::vector<double> erwartet;
        for (int k = 0; k <= int(std::nearbyint(v.traverse.laenge * 10)); ++k)
            erwartet.push_back(k * 0.1 - v.traverse.laenge / 2);
        for (const Rechenlager& l : v.lager)
            erwartet.push_back(l.position);
        for (const Rechenlast& l : v.lasten)
            erwartet.insert(erwartet.end(), {l.pos1, l.pos2});
        for (double x : erwartet) {
            if (std::fabs(x) > v.traverse.laenge / 2)
                continue;
            EXPECT_TRUE(std::any_of(e.x.begin(), e.x.end(), [x](double s) { return std::fabs(s - x) < 1e-9; })) << x;
        }
        EXPECT_TRUE(std::is_sorted(e.x.begin(), e.x.end()));
        ASSERT_EQ(e.tragfaelle.size(), std::size_t(lager * (lager - 1) / 2));
        double auslastung = 0;
        std::vector<double> berechnet(std::size_t(lager), 0.0);
        for (const Tragfall& t : e.tragfaelle) {
            if (t.pos1 == t.pos2) {
                EXPECT_EQ(t.zustand, Tragfall::Zustand::GleicheLagerposition);
                continue;
            }
            const double k2 = direktesMoment(v, t, t.pos1) / (t.pos1 - t.pos2);
            const double k1 = direktesMoment(v, t, t.pos2) / (t.pos2 - t.pos1);
            EXPECT_DOUBLE_EQ(t.kraft1, k1);
            EXPECT_DOUBLE_EQ(t.kraft2, k2);
            const bool negativ = k1 <= -0.001 || k2 <= -0.001;
            EXPECT_EQ(t.mitPositionen, !negativ || v.negativ);
            if (v.negativ || (k1 >= 0 && k2 >= 0)) {
                for (int s = 0; s < lager; ++s) {
                    const double a = s + 1 == t.lager1 ? k1 : s + 1 == t.lager2 ? k2 : 0;
                    if (v.negativ ? std::fabs(a) > std::fabs(berechnet[s]) : a > berechnet[s])
                        berechnet[s] = a;
                }
            }
            if (!t.mitPositionen)
                continue;
            double maxQ = 0, maxM = 0;
            for (std::size_t k = 0; k < e.x.size(); ++k) {
                const Direkt d = direkterSchnitt(v, t, e.x[k]);
                EXPECT_NEAR(qBei(e, t, k), d.q, 1e-6 * (1 + std::fabs(d.q)));
                EXPECT_NEAR(mBei(e, t, k), d.m, 1e-6 * (1 + std::fabs(d.m)));
                if (std::fabs(d.q) > std::fabs(maxQ)) maxQ = d.q;
                if (std::fabs(d.m) > std::fabs(maxM)) maxM = d.m;
            }
            EXPECT_NEAR(t.maxQ, maxQ, 1e-6 * (1 + std::fabs(maxQ)));
            EXPECT_NEAR(t.maxM, maxM, 1e-6 * (1 + std::fabs(maxM)));
            auslastung = std::max({auslastung, std::fabs(Prozent(maxQ, v.traverse.maxQuer).value_or(0)),
                                   std::fabs(Prozent(maxM, v.traverse.maxBiege).value_or(0))});
        }
        for (int s = 0; s < lager; ++s) {
            EXPECT_DOUBLE_EQ(e.berechnet[std::size_t(s)], berechnet[std::size_t(s)]);
            if (v.lager[std::size_t(s)].maximallast > 1)
                auslastung = std::max(auslastung, berechnet[std::size_t(s)] * 100 / v.lager[std::size_t(s)].maximallast);
        }
        EXPECT_NEAR(e.auslastung, auslastung, 1e-6 * (1 + auslastung));
        double gesamt = WirksameEigenlast(v) * v.traverse.laenge;
        for (const Rechenlast& l : v.lasten)
            gesamt += WirksameLast(v, l);
        EXPECT_DOUBLE_EQ(e.gesamtlast, gesamt);
    }
}

namespace {
Rechenvorgabe kurzMitLagern(int anzahl)
{
    Rechenvorgabe v;
    v.traverse.laenge = 0.5; // six sections: the load cases alone make the size
    v.traverse.eigenlast = 100;
    for (int i = 0; i < anzahl; ++i)
        v.lager.push_back({i + 1, -0.25 + 0.5 * i / (anzahl - 1), 0, 0});
    return v;
}
} // namespace

TEST(Tragfaelle, MehrAlsZweihundertLagerWerdenVorDerRechnungMitDerGrenzeAbgelehnt)
{
    // 4 472 supports are ten million load cases: refused before anything is allocated
    for (int anzahl : {201, 1400, 4472}) {
        const QString meldung = [&] {
            try {
                RechneTragfaelle(kurzMitLagern(anzahl));
            } catch (const Fehler& f) {
                return f.meldung();
            }
            return QString();
        }();
        EXPECT_EQ(meldung, QStringLiteral("Berechnung nicht möglich: %1 Lager, höchstens 200").arg(anzahl));
    }
}

TEST(Tragfaelle, ZweihundertLagerGebenJedesPaarAlsTragfall)
{
    const Rechenergebnis e = RechneTragfaelle(kurzMitLagern(200));
    ASSERT_EQ(e.tragfaelle.size(), 200u * 199u / 2);
    // the outermost pair carries the whole self-weight as a simple beam: g·L/2 each
    const auto aussen = std::find_if(e.tragfaelle.begin(), e.tragfaelle.end(),
                                     [](const Tragfall& t) { return t.lager1 == 1 && t.lager2 == 200; });
    ASSERT_NE(aussen, e.tragfaelle.end());
    EXPECT_NEAR(aussen->kraft1, 100 * 0.5 / 2, 1e-9);
    EXPECT_NEAR(aussen->kraft2, 100 * 0.5 / 2, 1e-9);
}

// 2 m between supports at ±1 m, 10 kN at x = 0,05, no weight. By hand: R₁ = 10 000 · 0,95 / 2
// = 4 750 N, and under the load M = −R₁ · 1,05 = −4 987,5 N·m; the grid alone reaches only
// −4 750 N·m at x = 0.
TEST(Tragfaelle, EinSchnittUnterJederLastTrifftDasMaximumZwischenDenRasterpunkten)
{
    Rechenvorgabe v = zweiLager(2, 0);
    v.lasten = {{3, 0.05, 0.05, 10000, 0}};
    const Rechenergebnis e = RechneTragfaelle(v);
    const Tragfall& t = e.tragfaelle.at(0);
    EXPECT_NEAR(t.kraft1, 4750, 1e-9);
    EXPECT_NEAR(t.maxM, -4987.5, 1e-9);
    EXPECT_NEAR(t.maxQ, -5250, 1e-9); // right of the load: 4 750 − 10 000
    ASSERT_EQ(e.x.size(), 22u);         // 21 grid sections and the one under the load
    EXPECT_DOUBLE_EQ(e.x[11], 0.05);
    EXPECT_NEAR(e.huelle[11].mMin, -4987.5, 1e-9);
}

// 1 000 N spread over −1 … 3 m on supports at ±5 m, typed from right to left. By hand with
// w = 250 N/m: R₁ = 1 000 · 4 / 10 = 400 N, Q = 0 at x + 1 = 400 / 250 = 1,6, so the largest
// moment is −400 · 5,6 + 250 · 1,6² / 2 = −1 920 N·m at x = 0,6.
TEST(Tragfaelle, StreckenlastVonRechtsNachLinksIstDieselbeLast)
{
    Rechenvorgabe v = zweiLager(10, 0);
    v.lasten = {{4, 3, -1, 1000, 0}};
    const Rechenergebnis e = RechneTragfaelle(v);
    const Tragfall& t = e.tragfaelle.at(0);
    EXPECT_NEAR(t.kraft1, 400, 1e-9);
    EXPECT_NEAR(t.kraft2, 600, 1e-9);
    EXPECT_NEAR(t.maxM, -1920, 1e-9);
    EXPECT_NEAR(t.maxQ, -600, 1e-9);
}

// Hoists at −5 and −4 m, 1 kN at +5 m on 10 m: by hand R₂ = 10 kN and R₁ = −9 kN, so no load
// case has both supports in compression; the load at +6 m lies beyond the end at +5.
TEST(Tragfaelle, MeldetWasDasPaarverfahrenNichtTragenKann)
{
    Rechenvorgabe v = zweiLager(10, 0);
    v.lager[0].position = -5;
    v.lager[1].position = -4;
    v.lasten = {{3, 5, 5, 1000, 0}, {3, 6, 6, 1, 0}};
    Rechenergebnis e = RechneTragfaelle(v);
    EXPECT_FALSE(e.getragen);
    EXPECT_FALSE(e.auslastungBekannt);
    EXPECT_EQ(e.lastenAusserhalb, std::vector<int>{2});

    // Supports at ±5 with 1 000 N in the middle: 500 N each, above a Maximallast of 400 N for
    // support 2 only.
    v = zweiLager(10, 0);
    v.lager[0].maximallast = 600;
    v.lager[1].maximallast = 400;
    v.lasten = {{3, 0, 0, 1000, 0}};
    e = RechneTragfaelle(v);
    EXPECT_TRUE(e.getragen);
    EXPECT_TRUE(e.lastenAusserhalb.empty());
    EXPECT_EQ(e.lagerUeberlastet, std::vector<int>{2});
}

// 1 000 N in the middle of supports at ±5 m: by hand Q = 500 N, M = 500 · 5 = 2 500 N·m. A truss
// without permissible values (none chosen) cannot be judged: its utilisation is unknown, not 0 %.
// With only the moment known, the utilisation is 2 500 / 5 000 = 50 % and the shear is flagged.
TEST(Tragfaelle, OhneZulaessigeWerteIstDieAuslastungUnbekanntNichtNull)
{
    Rechenvorgabe v = zweiLager(10, 0);
    v.lasten = {{3, 0, 0, 1000, 0}};
    Rechenergebnis e = RechneTragfaelle(v);
    EXPECT_TRUE(e.getragen);
    EXPECT_FALSE(e.auslastungBekannt);
    EXPECT_TRUE(e.ohneZulaessigeQuerkraft);
    EXPECT_TRUE(e.ohneZulaessigesMoment);

    v.traverse.maxBiege = 5000;
    e = RechneTragfaelle(v);
    EXPECT_TRUE(e.auslastungBekannt);
    EXPECT_NEAR(e.auslastung, 50, 1e-9);
    EXPECT_TRUE(e.ohneZulaessigeQuerkraft);
    EXPECT_FALSE(e.ohneZulaessigesMoment);

    v.traverse.maxQuer = 2000;
    e = RechneTragfaelle(v);
    EXPECT_NEAR(e.auslastung, 50, 1e-9); // shear 500 / 2 000 = 25 % stays below
    EXPECT_FALSE(e.ohneZulaessigeQuerkraft);
}
