#include "beam/u_tragfaelle.h"
#include "language/u_meldungstexte.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr double Toleranz = 0.001;     // a load at the section counts as left of it
constexpr double Lagerbereich = 0.05;  // a support this close takes the larger side value
constexpr double Schnittabstand = 0.1; // m between the sections of the grid
// 1 / 0.1 rounds to exactly 10: the grid count of a length is the same as with a factor of 10.
constexpr double SchnitteJeMeter = 1 / Schnittabstand;
static_assert(SchnitteJeMeter == 10);

double Windbeiwert(const Rechenvorgabe& v)
{
    switch (v.traverse.gurtzahl) {
    case 1: return 0.06;
    case 2: return 0.143;
    case 3: return 0.17;
    case 4: return v.traverse.hoehe / 5 + 0.13;
    default: return 1;
    }
}

void pruefeEingabe(double wert, const QString& was)
{
    if (!(std::fabs(wert) <= MaxEingabe))
        throw Fehler(Format(Uebersetzt(2089, QStringLiteral("Berechnung nicht möglich: ungültiger Zahlenwert bei %s")),
                            {was}));
}

void pruefeVorgabe(const Rechenvorgabe& v)
{
    pruefeEingabe(v.traverse.laenge, QStringLiteral("TravLaenge"));
    pruefeEingabe(v.traverse.hoehe, QStringLiteral("TravHoehe"));
    pruefeEingabe(v.traverse.breite, QStringLiteral("TravBreite"));
    pruefeEingabe(v.traverse.eigenlast, QStringLiteral("TravEigenlast"));
    pruefeEingabe(v.traverse.maxQuer, QStringLiteral("TravMaxQuer"));
    pruefeEingabe(v.traverse.maxBiege, QStringLiteral("TravMaxBiege"));
    if (v.modus > 0)
        pruefeEingabe(v.staudruck, QStringLiteral("Staudruck"));
    pruefeEingabe(WirksameEigenlast(v), QStringLiteral("TravEigenlast"));
    for (const Rechenlager& l : v.lager) {
        const QString wo = QStringLiteral("Lager %1").arg(l.nummer);
        pruefeEingabe(l.position, wo + QStringLiteral(" Position"));
        pruefeEingabe(l.minimalkraft, wo + QStringLiteral(" Minimalkraft"));
        pruefeEingabe(l.maximallast, wo + QStringLiteral(" Maximallast"));
    }
    int i = 0;
    for (const Rechenlast& l : v.lasten) {
        const QString wo = QStringLiteral("Last %1").arg(++i);
        pruefeEingabe(l.pos1, wo + QStringLiteral(" Pos1"));
        pruefeEingabe(l.pos2, wo + QStringLiteral(" Pos2"));
        pruefeEingabe(l.last, wo + QStringLiteral(" Last"));
        pruefeEingabe(l.aequivalenzflaeche, wo + QStringLiteral(" Aequivalenzflaeche"));
        pruefeEingabe(WirksameLast(v, l), wo + QStringLiteral(" Last"));
    }
}

// Applying a force F at arm d: Q := Q − F, M := M + F·d.
struct Schnitt {
    double q = 0, m = 0;
    void wirke(double kraft, double arm)
    {
        q -= kraft;
        m += kraft * arm;
    }
};

struct Lasteingang {
    bool strecke;
    double pos1, pos2, kraft;
};

// Weight and loads at section x, the part every load case shares.
Schnitt Grundschnitt(double x, double laenge, double eigenlast, const std::vector<Lasteingang>& lasten)
{
    Schnitt s;
    const double strecke = x + laenge / 2;
    s.wirke(eigenlast * strecke, strecke / 2);
    for (const Lasteingang& l : lasten) {
        if (l.strecke) {
            if (l.pos1 <= x + Toleranz) {
                if (l.pos2 <= x + Toleranz)
                    s.wirke(l.kraft, x - (l.pos1 + l.pos2) / 2);
                else
                    s.wirke(l.kraft * (x - l.pos1) / (l.pos2 - l.pos1), (x - l.pos1) / 2);
            }
        } else {
            if (l.pos1 <= x + Toleranz)
                s.wirke(l.kraft / 2, x - l.pos1);
            if (l.pos2 <= x + Toleranz)
                s.wirke(l.kraft / 2, x - l.pos2);
        }
    }
    return s;
}

bool endlich(double wert) { return std::isfinite(wert); }

// Sections every 0.1 m from the left end, plus one at every support and at both ends of every
// load on the truss, so that a peak under a load or a support never falls between two sections.
std::vector<double> Schnittpositionen(const Rechenvorgabe& v, std::size_t raster)
{
    std::vector<double> x(raster);
    const double halbe = v.traverse.laenge / 2;
    for (std::size_t k = 0; k < raster; ++k)
        x[k] = double(k) * Schnittabstand - halbe;
    if (raster == 0)
        return x;
    auto dazu = [&](double position) {
        if (position >= -halbe && position <= halbe)
            x.push_back(position);
    };
    for (const Rechenlager& l : v.lager)
        dazu(l.position);
    for (const Rechenlast& l : v.lasten) {
        dazu(l.pos1);
        dazu(l.pos2);
    }
    std::sort(x.begin(), x.end());
    x.erase(std::unique(x.begin(), x.end(), [](double a, double b) { return b - a < 1e-9; }), x.end());
    return x;
}

} // namespace

double WirksameEigenlast(const Rechenvorgabe& v)
{
    const double wind = v.staudruck * 1000 * Windbeiwert(v);
    switch (v.modus) {
    case 1: return v.traverse.eigenlast + wind;
    case 2: return wind;
    default: return v.traverse.eigenlast;
    }
}

double WirksameLast(const Rechenvorgabe& v, const Rechenlast& last)
{
    const double faktor = v.traverse.breite > 0 ? v.traverse.hoehe / v.traverse.breite : 50;
    const double wind = last.aequivalenzflaeche * faktor * 1000 * v.staudruck;
    switch (v.modus) {
    case 1: return last.last + wind;
    case 2: return wind;
    default: return last.last;
    }
}

std::optional<double> Prozent(double wert, double zulaessig)
{
    if (!(zulaessig > 0.01))
        return std::nullopt;
    return wert * 100 / zulaessig;
}

namespace {

// What every load case shares: the effective loads, the sections and the section forces of
// weight and loads at each of them.
struct Grundlage {
    double eigenlast = 0;
    std::vector<Lasteingang> lasten;
    std::vector<Schnitt> grund;
    // Minimum forces of every support left of each section; a load case takes off its pair's.
    std::vector<Schnitt> minimal;
};

// The effective loads, ordered left to right, and the total load of the truss.
Grundlage Lasteingaenge(const Rechenvorgabe& v, Rechenergebnis& e)
{
    Grundlage g;
    g.eigenlast = WirksameEigenlast(v);
    g.lasten.reserve(v.lasten.size());
    e.gesamtlast = g.eigenlast * v.traverse.laenge;
    for (const Rechenlast& l : v.lasten) {
        const double kraft = WirksameLast(v, l);
        g.lasten.push_back({l.type == 4, std::min(l.pos1, l.pos2), std::max(l.pos1, l.pos2), kraft});
        e.gesamtlast += kraft;
    }
    return g;
}

// The 0.1 m grid's section count; refuses more supports or sections than can be computed.
std::size_t Rasterpunkte(const Rechenvorgabe& v, std::size_t anzahl)
{
    const std::size_t n = v.lager.size();
    if (n > std::size_t(MaxLager))
        throw Fehler(Format(Uebersetzt(2095, QStringLiteral("Berechnung nicht möglich: %d Lager, höchstens %d")),
                            {qlonglong(n), MaxLager}));
    const double schnittzahl = std::nearbyint(v.traverse.laenge * SchnitteJeMeter); // halves to even
    const double raster = schnittzahl < 0 ? 0 : schnittzahl + 1;
    const double zusaetzlich = double(v.lager.size() + 2 * v.lasten.size());
    if (std::max(raster + zusaetzlich, 1.0) * double(anzahl) > MaxSchnitte)
        throw Fehler(Format(Uebersetzt(2090, QStringLiteral("Berechnung nicht möglich: %d Tragfälle mit je %d Schnitten sind zu viele")),
                            {qlonglong(anzahl), qlonglong(raster + zusaetzlich)}));
    return std::size_t(raster);
}

void berechneSchnittgrundlage(const Rechenvorgabe& v, const std::vector<double>& x, Grundlage& g)
{
    g.grund.resize(x.size());
    for (std::size_t k = 0; k < x.size(); ++k)
        g.grund[k] = Grundschnitt(x[k], v.traverse.laenge, g.eigenlast, g.lasten);
    g.minimal.assign(v.minimal ? x.size() : 0, Schnitt{});
    for (std::size_t k = 0; k < g.minimal.size(); ++k)
        for (const Rechenlager& l : v.lager)
            if (l.position <= x[k] + Toleranz)
                g.minimal[k].wirke(-l.minimalkraft, x[k] - l.position);
}

// The supports of the load cases. A support is found by its number: the first row that carries
// it (equal numbers are neighbours in number order).
struct Paarung {
    std::vector<std::size_t> erster;
    // Rows [anfang, ende) that carry the number of a group's first row.
    std::vector<std::pair<std::size_t, std::size_t>> gruppe;
    // The first rows of the two supports of each load case.
    std::vector<std::pair<std::size_t, std::size_t>> paare;
};

// Every pair of supports as a load case, in input order.
Paarung LastfallPaare(const Rechenvorgabe& v, std::size_t anzahl, std::vector<Tragfall>& tragfaelle)
{
    const std::size_t n = v.lager.size();
    Paarung p;
    p.erster.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        p.erster[i] = i > 0 && v.lager[i].nummer == v.lager[i - 1].nummer ? p.erster[i - 1] : i;
    p.gruppe.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        p.gruppe[p.erster[i]] = {p.erster[i], i + 1};
    p.paare.reserve(anzahl);
    tragfaelle.reserve(anzahl);
    for (std::size_t i = 0; i + 1 < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            Tragfall t;
            t.lager1 = v.lager[i].nummer;
            t.lager2 = v.lager[j].nummer;
            tragfaelle.push_back(t);
            p.paare.emplace_back(p.erster[i], p.erster[j]);
        }
    return p;
}

// Moment sum about c of weight, loads and (with the minimum option) the minimum forces of every
// support outside the pair n1, n2: g·L·c − Σ F·(mitte − c) + Σ Fmin·(x − c).
double Momentsumme(const Rechenvorgabe& v, const Grundlage& g, double c, int n1, int n2)
{
    double summe = g.eigenlast * v.traverse.laenge * c;
    for (const Lasteingang& l : g.lasten)
        summe -= l.kraft * ((l.pos1 + l.pos2) / 2 - c);
    if (v.minimal)
        for (const Rechenlager& s : v.lager)
            if (s.nummer != n1 && s.nummer != n2)
                summe += s.minimalkraft * (s.position - c);
    return summe;
}

// The pair's reactions from the moment sums about each support, and what they allow.
void berechneReaktionen(const Rechenvorgabe& v, const Grundlage& g, Tragfall& t)
{
    if (t.pos1 == t.pos2) {
        t.zustand = Tragfall::Zustand::GleicheLagerposition;
        return;
    }
    t.kraft2 = Momentsumme(v, g, t.pos1, t.lager1, t.lager2) / (t.pos1 - t.pos2);
    t.kraft1 = Momentsumme(v, g, t.pos2, t.lager1, t.lager2) / (t.pos2 - t.pos1);
    if (!endlich(t.kraft1 * 100) || !endlich(t.kraft2 * 100))
        t.zustand = Tragfall::Zustand::Ueberlauf;
    else if (t.kraft2 <= -0.001 || t.kraft1 <= -0.001)
        t.zustand = Tragfall::Zustand::Negativ;
}

// Shear and moment of one load case at section x. Within Lagerbereich of a support the larger
// of the values just left and right of it counts.
Schnitt Schnittkraft(const Rechenvorgabe& v, const Grundlage& g, const Paarung& p, std::size_t fall,
                     const Tragfall& t, std::size_t k, double x)
{
    Schnitt s = g.grund[k];
    if (v.minimal) {
        // all minimum forces left of the section, less those of the pair's supports
        s.q += g.minimal[k].q;
        s.m += g.minimal[k].m;
        for (const auto& [anfang, ende] : {p.gruppe[p.paare[fall].first], p.gruppe[p.paare[fall].second]})
            for (std::size_t i = anfang; i < ende; ++i)
                if (v.lager[i].position <= x + Toleranz)
                    s.wirke(v.lager[i].minimalkraft, x - v.lager[i].position);
    }
    if (t.pos1 - x <= -Lagerbereich)
        s.wirke(-t.kraft1, x - t.pos1);
    if (t.pos2 - x <= -Lagerbereich)
        s.wirke(-t.kraft2, x - t.pos2);
    const Schnitt links = s;
    if (std::fabs(t.pos1 - x) < Lagerbereich)
        s.wirke(-t.kraft1, x - t.pos1);
    if (std::fabs(t.pos2 - x) < Lagerbereich)
        s.wirke(-t.kraft2, x - t.pos2);
    if (std::fabs(links.q) > std::fabs(s.q))
        s.q = links.q;
    if (std::fabs(links.m) > std::fabs(s.m))
        s.m = links.m;
    return s;
}

// Section forces of one load case appended to e.q / e.m with their maxima; false when one is
// not finite.
bool berechneSchnittkraefte(const Rechenvorgabe& v, const Grundlage& g, const Paarung& p, std::size_t fall,
                            Tragfall& t, Rechenergebnis& e)
{
    const std::size_t schnitte = e.x.size();
    t.mitPositionen = true;
    t.ersteposition = e.q.size();
    e.q.resize(e.q.size() + schnitte);
    e.m.resize(e.m.size() + schnitte);
    double* qs = e.q.data() + t.ersteposition;
    double* ms = e.m.data() + t.ersteposition;
    bool gueltig = true;
    for (std::size_t k = 0; k < schnitte; ++k) {
        const Schnitt s = Schnittkraft(v, g, p, fall, t, k, e.x[k]);
        qs[k] = s.q;
        ms[k] = s.m;
        if (std::fabs(s.q) > std::fabs(t.maxQ))
            t.maxQ = s.q;
        if (std::fabs(s.m) > std::fabs(t.maxM))
            t.maxM = s.m;
        gueltig = gueltig && endlich(s.q) && endlich(s.m);
    }
    return gueltig;
}

// The load case's share of the permissible shear and moment into the utilisation; a load case
// whose values overflow is dropped with its section forces.
void beurteileTragfall(const Rechenvorgabe& v, bool gueltig, Tragfall& t, Rechenergebnis& e)
{
    const auto qProz = Prozent(t.maxQ, v.traverse.maxQuer);
    const auto mProz = Prozent(t.maxM, v.traverse.maxBiege);
    if (!gueltig || (qProz && !endlich(*qProz)) || (mProz && !endlich(*mProz))) {
        t.zustand = Tragfall::Zustand::Ueberlauf;
        t.mitPositionen = false;
        t.maxQ = t.maxM = 0;
        e.q.resize(t.ersteposition);
        e.m.resize(t.ersteposition);
        return;
    }
    e.ohneZulaessigeQuerkraft = e.ohneZulaessigeQuerkraft || !qProz;
    e.ohneZulaessigesMoment = e.ohneZulaessigesMoment || !mProz;
    e.auslastungBekannt = e.auslastungBekannt || qProz || mProz;
    e.auslastung = std::max(e.auslastung, std::fabs(qProz.value_or(0)));
    e.auslastung = std::max(e.auslastung, std::fabs(mProz.value_or(0)));
}

// Envelope: one row per section position; equal positions merge.
void berechneHuelle(Rechenergebnis& e)
{
    for (std::size_t k = 0; k < e.x.size(); ++k) {
        bool vorhanden = !e.huelle.empty() && e.huelle.back().x == e.x[k];
        for (const Tragfall& t : e.tragfaelle) {
            if (!t.mitPositionen)
                continue;
            const double q = e.q[t.ersteposition + k];
            const double m = e.m[t.ersteposition + k];
            if (!vorhanden) {
                e.huelle.push_back({e.x[k], q, q, m, m});
                vorhanden = true;
                continue;
            }
            Huellenzeile& z = e.huelle.back();
            if (q < z.qMin) z.qMin = q;
            if (q > z.qMax) z.qMax = q;
            if (m < z.mMin) z.mMin = m;
            if (m > z.mMax) z.mMax = m;
        }
    }
}

// Governing support forces and their share of each support's Maximallast: a support outside
// the pair receives 0 from that load case, which never changes the result, so only the pair's
// two reactions count.
void berechneLagerkraefte(const Rechenvorgabe& v, const Paarung& p, Rechenergebnis& e)
{
    const std::size_t n = v.lager.size();
    std::vector<double> jeNummer(n, 0.0);
    auto uebernimm = [&](double& ergebnis, double a) {
        if (v.negativ) {
            if (std::fabs(a) > std::fabs(ergebnis))
                ergebnis = a;
        } else {
            ergebnis = std::max(ergebnis, a);
        }
    };
    for (std::size_t i = 0; i < e.tragfaelle.size(); ++i) {
        const Tragfall& t = e.tragfaelle[i];
        if (!t.hatReaktionen() || (!v.negativ && (t.kraft1 < 0 || t.kraft2 < 0)))
            continue;
        uebernimm(jeNummer[p.paare[i].first], t.kraft1);
        uebernimm(jeNummer[p.paare[i].second], t.kraft2);
    }
    e.berechnet.resize(n);
    for (std::size_t s = 0; s < n; ++s) {
        e.berechnet[s] = jeNummer[p.erster[s]];
        if (v.lager[s].maximallast > 1)
            e.auslastung = std::max(e.auslastung, e.berechnet[s] * 100 / v.lager[s].maximallast);
        if (v.lager[s].maximallast > 1 && std::fabs(e.berechnet[s]) > v.lager[s].maximallast)
            e.lagerUeberlastet.push_back(v.lager[s].nummer);
    }
}

void sucheLastenAusserhalb(const Rechenvorgabe& v, Rechenergebnis& e)
{
    const double halbe = v.traverse.laenge / 2;
    for (std::size_t i = 0; i < v.lasten.size(); ++i) {
        const Rechenlast& l = v.lasten[i];
        if (std::min(l.pos1, l.pos2) < -halbe - Toleranz || std::max(l.pos1, l.pos2) > halbe + Toleranz)
            e.lastenAusserhalb.push_back(int(i + 1));
    }
}

Rechenergebnis rechne(const Rechenvorgabe& v, const std::function<void(int, int)>& nachTragfall)
{
    pruefeVorgabe(v);
    Rechenergebnis e;
    Grundlage g = Lasteingaenge(v, e);
    const std::size_t n = v.lager.size();
    const std::size_t anzahl = n < 2 ? 0 : n * (n - 1) / 2;
    e.x = Schnittpositionen(v, Rasterpunkte(v, anzahl));
    berechneSchnittgrundlage(v, e.x, g);
    const Paarung p = LastfallPaare(v, anzahl, e.tragfaelle);

    // Room for the sections of every load case at once: the arrays are never copied as they
    // grow, and the pages of load cases without sections are never touched.
    e.q.reserve(anzahl * e.x.size());
    e.m.reserve(anzahl * e.x.size());
    for (std::size_t fall = 0; fall < anzahl; ++fall) {
        Tragfall& t = e.tragfaelle[fall];
        t.pos1 = v.lager[p.paare[fall].first].position;
        t.pos2 = v.lager[p.paare[fall].second].position;
        berechneReaktionen(v, g, t);
        e.getragen = e.getragen || t.zustand == Tragfall::Zustand::Gerechnet;
        if (t.zustand == Tragfall::Zustand::Gerechnet || (t.zustand == Tragfall::Zustand::Negativ && v.negativ))
            beurteileTragfall(v, berechneSchnittkraefte(v, g, p, fall, t, e), t, e);
        if (nachTragfall)
            nachTragfall(int(fall + 1), int(anzahl));
    }
    berechneHuelle(e);
    berechneLagerkraefte(v, p, e);
    sucheLastenAusserhalb(v, e);
    return e;
}
} // namespace

Rechenergebnis RechneTragfaelle(const Rechenvorgabe& v, const std::function<void(int, int)>& nachTragfall)
{
    try {
        return rechne(v, nachTragfall);
    } catch (const std::bad_alloc&) {
        throw Fehler(SpeicherMeldung());
    }
}
