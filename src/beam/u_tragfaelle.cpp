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
        x[k] = double(k) * 0.1 - halbe;
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
Rechenergebnis rechne(const Rechenvorgabe& v, const std::function<void(int, int)>& nachTragfall)
{
    pruefeVorgabe(v);
    const double eigenlast = WirksameEigenlast(v);
    std::vector<Lasteingang> lasten;
    lasten.reserve(v.lasten.size());
    Rechenergebnis e;
    e.gesamtlast = eigenlast * v.traverse.laenge;
    for (const Rechenlast& l : v.lasten) {
        const double kraft = WirksameLast(v, l);
        lasten.push_back({l.type == 4, std::min(l.pos1, l.pos2), std::max(l.pos1, l.pos2), kraft});
        e.gesamtlast += kraft;
    }

    const std::size_t n = v.lager.size();
    if (n > std::size_t(MaxLager))
        throw Fehler(Format(Uebersetzt(2095, QStringLiteral("Berechnung nicht möglich: %d Lager, höchstens %d")),
                            {qlonglong(n), MaxLager}));
    const std::size_t anzahl = n < 2 ? 0 : n * (n - 1) / 2;
    const double schnittzahl = std::nearbyint(v.traverse.laenge * 10); // halves to even
    const double raster = schnittzahl < 0 ? 0 : schnittzahl + 1;
    const double zusaetzlich = double(v.lager.size() + 2 * v.lasten.size());
    if (std::max(raster + zusaetzlich, 1.0) * double(anzahl) > MaxSchnitte)
        throw Fehler(Format(Uebersetzt(2090, QStringLiteral("Berechnung nicht möglich: %d Tragfälle mit je %d Schnitten sind zu viele")),
                            {qlonglong(anzahl), qlonglong(raster + zusaetzlich)}));

    e.x = Schnittpositionen(v, std::size_t(raster));
    const std::size_t schnitte = e.x.size();
    std::vector<Schnitt> grund(schnitte);
    for (std::size_t k = 0; k < schnitte; ++k)
        grund[k] = Grundschnitt(e.x[k], v.traverse.laenge, eigenlast, lasten);
    // Minimum forces of every support left of each section; a load case takes off its pair's.
    std::vector<Schnitt> minimal(v.minimal ? schnitte : 0);
    for (std::size_t k = 0; k < minimal.size(); ++k)
        for (const Rechenlager& l : v.lager)
            if (l.position <= e.x[k] + Toleranz)
                minimal[k].wirke(-l.minimalkraft, e.x[k] - l.position);

    // Moment sum about c without the minimum forces: g·L·c − Σ F·(mitte − c).
    auto momentOhneMinimal = [&](double c) {
        double summe = eigenlast * v.traverse.laenge * c;
        for (const Lasteingang& l : lasten)
            summe -= l.kraft * ((l.pos1 + l.pos2) / 2 - c);
        return summe;
    };
    auto momentsumme = [&](double c, int n1, int n2) {
        double summe = momentOhneMinimal(c);
        if (v.minimal)
            for (const Rechenlager& s : v.lager)
                if (s.nummer != n1 && s.nummer != n2)
                    summe += s.minimalkraft * (s.position - c);
        return summe;
    };

    // A support is found by its number: the first row that carries it (equal numbers are
    // neighbours in number order).
    std::vector<std::size_t> erster(n);
    for (std::size_t i = 0; i < n; ++i)
        erster[i] = i > 0 && v.lager[i].nummer == v.lager[i - 1].nummer ? erster[i - 1] : i;
    // Rows [anfang, ende) that carry the number of a group's first row.
    std::vector<std::pair<std::size_t, std::size_t>> gruppe(n);
    for (std::size_t i = 0; i < n; ++i)
        gruppe[erster[i]] = {erster[i], i + 1};
    std::vector<std::pair<std::size_t, std::size_t>> paare;
    paare.reserve(anzahl);
    e.tragfaelle.reserve(anzahl);
    for (std::size_t i = 0; i + 1 < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            Tragfall t;
            t.lager1 = v.lager[i].nummer;
            t.lager2 = v.lager[j].nummer;
            e.tragfaelle.push_back(t);
            paare.emplace_back(erster[i], erster[j]);
        }

    // Room for the sections of every load case at once: the arrays are never copied as they
    // grow, and the pages of load cases without sections are never touched.
    e.q.reserve(anzahl * schnitte);
    e.m.reserve(anzahl * schnitte);
    for (std::size_t nummer = 1; nummer <= anzahl; ++nummer) {
        Tragfall& t = e.tragfaelle[nummer - 1];
        const double x1 = v.lager[paare[nummer - 1].first].position;
        const double x2 = v.lager[paare[nummer - 1].second].position;
        t.pos1 = x1;
        t.pos2 = x2;
        if (x1 == x2) {
            t.zustand = Tragfall::Zustand::GleicheLagerposition;
        } else {
            t.kraft2 = momentsumme(x1, t.lager1, t.lager2) / (x1 - x2);
            t.kraft1 = momentsumme(x2, t.lager1, t.lager2) / (x2 - x1);
            if (!endlich(t.kraft1 * 100) || !endlich(t.kraft2 * 100))
                t.zustand = Tragfall::Zustand::Ueberlauf;
            else if (t.kraft2 <= -0.001 || t.kraft1 <= -0.001)
                t.zustand = Tragfall::Zustand::Negativ;
        }
        e.getragen = e.getragen || t.zustand == Tragfall::Zustand::Gerechnet;
        if (t.zustand == Tragfall::Zustand::Gerechnet
            || (t.zustand == Tragfall::Zustand::Negativ && v.negativ)) {
            t.mitPositionen = true;
            t.ersteposition = e.q.size();
            e.q.resize(e.q.size() + schnitte);
            e.m.resize(e.m.size() + schnitte);
            double* qs = e.q.data() + t.ersteposition;
            double* ms = e.m.data() + t.ersteposition;
            bool gueltig = true;
            for (std::size_t k = 0; k < schnitte; ++k) {
                const double x = e.x[k];
                Schnitt s = grund[k];
                if (v.minimal) {
                    // all minimum forces left of the section, less those of the pair's supports
                    s.q += minimal[k].q;
                    s.m += minimal[k].m;
                    for (const auto& [anfang, ende] : {gruppe[paare[nummer - 1].first], gruppe[paare[nummer - 1].second]})
                        for (std::size_t i = anfang; i < ende; ++i)
                            if (v.lager[i].position <= x + Toleranz)
                                s.wirke(v.lager[i].minimalkraft, x - v.lager[i].position);
                }
                if (x1 - x <= -Lagerbereich)
                    s.wirke(-t.kraft1, x - x1);
                if (x2 - x <= -Lagerbereich)
                    s.wirke(-t.kraft2, x - x2);
                const Schnitt links = s;
                if (std::fabs(x1 - x) < Lagerbereich)
                    s.wirke(-t.kraft1, x - x1);
                if (std::fabs(x2 - x) < Lagerbereich)
                    s.wirke(-t.kraft2, x - x2);
                if (std::fabs(links.q) > std::fabs(s.q))
                    s.q = links.q;
                if (std::fabs(links.m) > std::fabs(s.m))
                    s.m = links.m;
                qs[k] = s.q;
                ms[k] = s.m;
                if (std::fabs(s.q) > std::fabs(t.maxQ))
                    t.maxQ = s.q;
                if (std::fabs(s.m) > std::fabs(t.maxM))
                    t.maxM = s.m;
                gueltig = gueltig && endlich(s.q) && endlich(s.m);
            }
            const auto qProz = Prozent(t.maxQ, v.traverse.maxQuer);
            const auto mProz = Prozent(t.maxM, v.traverse.maxBiege);
            if (!gueltig || (qProz && !endlich(*qProz)) || (mProz && !endlich(*mProz))) {
                t.zustand = Tragfall::Zustand::Ueberlauf;
                t.mitPositionen = false;
                t.maxQ = t.maxM = 0;
                e.q.resize(t.ersteposition);
                e.m.resize(t.ersteposition);
            } else {
                e.ohneZulaessigeQuerkraft = e.ohneZulaessigeQuerkraft || !qProz;
                e.ohneZulaessigesMoment = e.ohneZulaessigesMoment || !mProz;
                e.auslastungBekannt = e.auslastungBekannt || qProz || mProz;
                e.auslastung = std::max(e.auslastung, std::fabs(qProz.value_or(0)));
                e.auslastung = std::max(e.auslastung, std::fabs(mProz.value_or(0)));
            }
        }
        if (nachTragfall)
            nachTragfall(int(nummer), int(anzahl));
    }

    // Envelope: one row per section position; equal positions merge.
    for (std::size_t k = 0; k < schnitte; ++k) {
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

    // Governing support forces: a support outside the pair receives 0 from that load case,
    // which never changes the result, so only the pair's two reactions count.
    std::vector<double> jeNummer(n, 0.0);
    auto uebernimm = [&](double& ergebnis, double a) {
        if (v.negativ) {
            if (std::fabs(a) > std::fabs(ergebnis))
                ergebnis = a;
        } else {
            ergebnis = std::max(ergebnis, a);
        }
    };
    for (std::size_t i = 0; i < anzahl; ++i) {
        const Tragfall& t = e.tragfaelle[i];
        if (!t.hatReaktionen() || (!v.negativ && (t.kraft1 < 0 || t.kraft2 < 0)))
            continue;
        uebernimm(jeNummer[paare[i].first], t.kraft1);
        uebernimm(jeNummer[paare[i].second], t.kraft2);
    }
    e.berechnet.resize(n);
    for (std::size_t s = 0; s < n; ++s) {
        e.berechnet[s] = jeNummer[erster[s]];
        if (v.lager[s].maximallast > 1)
            e.auslastung = std::max(e.auslastung, e.berechnet[s] * 100 / v.lager[s].maximallast);
        if (v.lager[s].maximallast > 1 && std::fabs(e.berechnet[s]) > v.lager[s].maximallast)
            e.lagerUeberlastet.push_back(v.lager[s].nummer);
    }
    const double halbe = v.traverse.laenge / 2;
    for (std::size_t i = 0; i < v.lasten.size(); ++i) {
        const Rechenlast& l = v.lasten[i];
        if (std::min(l.pos1, l.pos2) < -halbe - Toleranz || std::max(l.pos1, l.pos2) > halbe + Toleranz)
            e.lastenAusserhalb.push_back(int(i + 1));
    }
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
