#include "beam/u_durchlauftraeger.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Positions closer than this share a node: a load within a millimetre of a support stands on it.
constexpr double Knotenabstand = 0.001;
// Sections of the lines at least every 0.1 m, as the load cases have them.
constexpr double Linienraster = 0.1;
constexpr double MaxLinienpunkte = 20000;

struct Knotenlast {
    std::size_t knoten;
    double kraft;
};

// The beam cut into elements between neighbouring nodes; each element carries one uniform load.
struct Balken {
    std::vector<double> x;         // nodes in ascending order
    std::vector<double> q;         // N/m on the element from node i to i + 1
    std::vector<double> punktlast; // N at each node
    double ei = 1;

    // A node stands at the first of the positions it gathers; the others follow within
    // Knotenabstand, before the next node.
    std::size_t knoten(double stelle) const
    {
        const auto it = std::upper_bound(x.begin(), x.end(), stelle);
        return it == x.begin() ? 0 : std::size_t(it - x.begin()) - 1;
    }
};

Balken baueBalken(const Rechenvorgabe& v, double ei)
{
    const double halbe = v.traverse.laenge / 2;
    std::vector<double> stellen = {-halbe, halbe};
    for (const Rechenlager& l : v.lager)
        stellen.push_back(l.position);
    for (const Rechenlast& l : v.lasten) {
        stellen.push_back(l.pos1);
        stellen.push_back(l.pos2);
    }
    std::sort(stellen.begin(), stellen.end());
    Balken b;
    b.ei = ei;
    for (double s : stellen)
        if (b.x.empty() || s - b.x.back() >= Knotenabstand)
            b.x.push_back(s);
    const std::size_t n = b.x.size();
    b.punktlast.assign(n, 0);
    // distributed loads as a step function over the nodes, summed up below
    std::vector<double> sprung(n, 0);
    auto strecke = [&](double von, double bis, double kraft) {
        const std::size_t i = b.knoten(von), j = b.knoten(bis);
        if (i == j) {
            b.punktlast[i] += kraft;
            return;
        }
        const double je = kraft / (b.x[j] - b.x[i]);
        sprung[i] += je;
        sprung[j] -= je;
    };
    if (v.traverse.laenge > 0)
        strecke(-halbe, halbe, WirksameEigenlast(v) * v.traverse.laenge);
    for (const Rechenlast& l : v.lasten) {
        const double kraft = WirksameLast(v, l);
        if (l.type == 4) { // distributed load
            strecke(std::min(l.pos1, l.pos2), std::max(l.pos1, l.pos2), kraft);
        } else {
            b.punktlast[b.knoten(l.pos1)] += kraft / 2;
            b.punktlast[b.knoten(l.pos2)] += kraft / 2;
        }
    }
    b.q.assign(n > 0 ? n - 1 : 0, 0);
    double laufend = 0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        laufend += sprung[i];
        b.q[i] = laufend;
    }
    return b;
}

// The solve runs in extended precision: a node a millimetre from the next beside spans of many
// metres makes the stiffness matrix poorly conditioned, and the reactions are differences of
// large numbers.
using Genau = long double;

// Stiffness matrix of an element and its nodal loads under a uniform load, for the degrees of
// freedom (w₁, θ₁, w₂, θ₂) with w downwards and θ = dw/dx.
using Matrix4 = std::array<std::array<Genau, 4>, 4>;
Matrix4 Elementsteifigkeit(Genau h, Genau ei)
{
    const Genau k = ei / (h * h * h);
    return {{{12 * k, 6 * h * k, -12 * k, 6 * h * k},
             {6 * h * k, 4 * h * h * k, -6 * h * k, 2 * h * h * k},
             {-12 * k, -6 * h * k, 12 * k, -6 * h * k},
             {6 * h * k, 2 * h * h * k, -6 * h * k, 4 * h * h * k}}};
}
std::array<Genau, 4> Elementlasten(Genau h, Genau q) { return {q * h / 2, q * h * h / 12, q * h / 2, -q * h * h / 12}; }

// Symmetric band matrix with three off-diagonals (two unknowns per node, neighbours coupled),
// solved by Cholesky.
class Bandmatrix {
public:
    explicit Bandmatrix(std::size_t n) : m_band(n, {0, 0, 0, 0}) {}
    Genau& bei(std::size_t zeile, std::size_t spalte) { return m_band[spalte][zeile - spalte]; } // zeile ≥ spalte
    void fessle(std::size_t i)
    {
        for (std::size_t o = 1; o <= 3; ++o) {
            if (i + o < m_band.size())
                m_band[i][o] = 0;
            if (i >= o)
                m_band[i - o][o] = 0;
        }
        m_band[i][0] = 1;
    }
    // Solves in place; false when the matrix is not positive definite.
    bool loese(std::vector<Genau>& b)
    {
        const std::size_t n = m_band.size();
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t o = std::min<std::size_t>(3, i) + 1; o-- > 0;) {
                const std::size_t j = i - o;
                Genau s = bei(i, j);
                for (std::size_t k = i >= 3 ? i - 3 : 0; k < j; ++k)
                    s -= bei(i, k) * bei(j, k);
                if (o == 0) {
                    if (!(s > 0) || !std::isfinite(s))
                        return false;
                    bei(i, i) = std::sqrt(s);
                } else {
                    bei(i, j) = s / bei(j, j);
                }
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t k = i >= 3 ? i - 3 : 0; k < i; ++k)
                b[i] -= bei(i, k) * b[k];
            b[i] /= bei(i, i);
        }
        for (std::size_t i = n; i-- > 0;) {
            for (std::size_t k = i + 1; k < std::min(n, i + 4); ++k)
                b[i] -= bei(k, i) * b[k];
            b[i] /= bei(i, i);
        }
        return true;
    }

private:
    std::vector<std::array<Genau, 4>> m_band; // per column: the diagonal and three below it
};

struct Loesung {
    std::vector<double> u;       // w and θ of every node
    std::vector<double> reaktion; // upwards, at every node (0 where nothing holds it)
};

// The beam held at the given nodes; nullopt when the system cannot be solved.
std::optional<Loesung> loese(const Balken& b, const std::vector<bool>& gehalten)
{
    const std::size_t n = b.x.size(), dof = 2 * n;
    Bandmatrix k(dof);
    std::vector<Genau> f(dof, 0);
    for (std::size_t i = 0; i < n; ++i)
        f[2 * i] += b.punktlast[i];
    for (std::size_t e = 0; e + 1 < n; ++e) {
        const Genau h = Genau(b.x[e + 1]) - Genau(b.x[e]);
        const Matrix4 ke = Elementsteifigkeit(h, b.ei);
        const auto fe = Elementlasten(h, b.q[e]);
        for (std::size_t r = 0; r < 4; ++r) {
            f[2 * e + r] += fe[r];
            for (std::size_t c = 0; c <= r; ++c)
                k.bei(2 * e + r, 2 * e + c) += ke[r][c];
        }
    }
    const std::vector<Genau> lasten = f;
    for (std::size_t i = 0; i < n; ++i)
        if (gehalten[i]) {
            k.fessle(2 * i);
            f[2 * i] = 0;
        }
    if (!k.loese(f))
        return std::nullopt;
    // R = applied load − K·u at each held node, from the elements on either side
    std::vector<Genau> innen(n, 0);
    for (std::size_t e = 0; e + 1 < n; ++e) {
        const Matrix4 ke = Elementsteifigkeit(Genau(b.x[e + 1]) - Genau(b.x[e]), b.ei);
        for (std::size_t r : {std::size_t(0), std::size_t(2)})
            for (std::size_t c = 0; c < 4; ++c)
                innen[e + r / 2] += ke[r][c] * f[2 * e + c];
    }
    Loesung l;
    l.u.assign(f.begin(), f.end());
    l.reaktion.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        if (gehalten[i])
            l.reaktion[i] = double(lasten[2 * i] - innen[i]);
    return l;
}

// Deflection and its slope inside an element at s from its left node.
struct Verformung {
    double w, dw;
};
Verformung verformung(const Balken& b, const Loesung& l, std::size_t e, double s)
{
    const double h = b.x[e + 1] - b.x[e], xi = s / h;
    const double w1 = l.u[2 * e], t1 = l.u[2 * e + 1], w2 = l.u[2 * e + 2], t2 = l.u[2 * e + 3];
    const double q = b.q[e] / b.ei;
    const double w = (1 - 3 * xi * xi + 2 * xi * xi * xi) * w1 + h * (xi - 2 * xi * xi + xi * xi * xi) * t1
                     + (3 * xi * xi - 2 * xi * xi * xi) * w2 + h * (-xi * xi + xi * xi * xi) * t2
                     + q * s * s * (h - s) * (h - s) / 24;
    const double dw = (-6 * xi + 6 * xi * xi) / h * w1 + (1 - 4 * xi + 3 * xi * xi) * t1
                      + (6 * xi - 6 * xi * xi) / h * w2 + (-2 * xi + 3 * xi * xi) * t2
                      + q * s * (h - s) * (h - 2 * s) / 12;
    return {w, dw};
}

// The largest |w| of an element: at its ends or where the slope is 0.
std::pair<double, double> groessteVerformung(const Balken& b, const Loesung& l, std::size_t e)
{
    const double h = b.x[e + 1] - b.x[e];
    double bestW = 0, bestS = 0;
    auto pruefe = [&](double s) {
        const double w = verformung(b, l, e, s).w;
        if (std::fabs(w) > std::fabs(bestW)) {
            bestW = w;
            bestS = s;
        }
    };
    pruefe(0);
    pruefe(h);
    constexpr int Teile = 32;
    double links = 0, dwLinks = verformung(b, l, e, 0).dw;
    for (int t = 1; t <= Teile; ++t) {
        const double rechts = h * t / Teile, dwRechts = verformung(b, l, e, rechts).dw;
        if ((dwLinks < 0) != (dwRechts < 0)) {
            double a = links, z = rechts, dwA = dwLinks;
            for (int i = 0; i < 60; ++i) {
                const double mitte = (a + z) / 2, dwM = verformung(b, l, e, mitte).dw;
                if ((dwM < 0) == (dwA < 0)) {
                    a = mitte;
                    dwA = dwM;
                } else {
                    z = mitte;
                }
            }
            pruefe((a + z) / 2);
        }
        links = rechts;
        dwLinks = dwRechts;
    }
    return {bestW, b.x[e] + bestS};
}

void ziehLinien(Durchlaufergebnis& e, const Balken& b, const Loesung& l, bool mitVerformung)
{
    const std::size_t n = b.x.size();
    // every 0.1 m, but no more than about MaxLinienpunkte points however far a load lies out
    const double raster = std::max(Linienraster, (b.x.back() - b.x.front()) / MaxLinienpunkte);
    double q = 0, m = 0;
    auto punkt = [&](double x, double qx, double mx, std::size_t el, double s) {
        const double w = mitVerformung ? verformung(b, l, el, s).w : 0;
        e.linie.push_back({x, qx, mx, w});
    };
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t el = i + 1 < n ? i : i - 1; // the last node belongs to the element before it
        const double sKnoten = i + 1 < n ? 0 : b.x[i] - b.x[i - 1];
        punkt(b.x[i], q, m, el, sKnoten);
        q += l.reaktion[i] - b.punktlast[i];
        punkt(b.x[i], q, m, el, sKnoten);
        if (i + 1 == n)
            break;
        const double h = b.x[i + 1] - b.x[i], last = b.q[i];
        std::vector<double> stellen;
        const int teile = int(std::ceil(h / raster - 1e-9));
        for (int t = 1; t < teile; ++t)
            stellen.push_back(h * t / teile);
        if (last != 0 && q / last > 0 && q / last < h)
            stellen.push_back(q / last); // the moment's extreme inside the element
        std::sort(stellen.begin(), stellen.end());
        for (double s : stellen)
            punkt(b.x[i] + s, q - last * s, m - q * s + last * s * s / 2, i, s);
        m += -q * h + last * h * h / 2;
        q -= last * h;
    }
    for (const Durchlaufpunkt& p : e.linie) {
        if (std::fabs(p.q) > std::fabs(e.maxQ)) {
            e.maxQ = p.q;
            e.xMaxQ = p.x;
        }
        if (std::fabs(p.m) > std::fabs(e.maxM)) {
            e.maxM = p.m;
            e.xMaxM = p.x;
        }
    }
}

// The governing span: the smallest ratio of span to largest deflection between neighbouring
// carrying supports, an overhang counting twice its length.
Durchbiegung bewerteDurchbiegung(const Balken& b, const Loesung& l, const std::vector<bool>& gehalten, double grenze)
{
    std::vector<std::size_t> lager;
    for (std::size_t i = 0; i < b.x.size(); ++i)
        if (gehalten[i])
            lager.push_back(i);
    struct Bereich {
        std::size_t von, bis;
        double spannweite;
    };
    std::vector<Bereich> bereiche;
    if (lager.front() > 0)
        bereiche.push_back({0, lager.front(), 2 * (b.x[lager.front()] - b.x.front())});
    for (std::size_t j = 0; j + 1 < lager.size(); ++j)
        bereiche.push_back({lager[j], lager[j + 1], b.x[lager[j + 1]] - b.x[lager[j]]});
    if (lager.back() + 1 < b.x.size())
        bereiche.push_back({lager.back(), b.x.size() - 1, 2 * (b.x.back() - b.x[lager.back()])});

    Durchbiegung d;
    d.grenze = grenze;
    for (const Bereich& r : bereiche) {
        double w = 0, x = b.x[r.von];
        for (std::size_t el = r.von; el < r.bis; ++el) {
            const auto [we, xe] = groessteVerformung(b, l, el);
            if (std::fabs(we) > std::fabs(w)) {
                w = we;
                x = xe;
            }
        }
        if (!(std::fabs(w) > 1e-12))
            continue;
        const double verhaeltnis = r.spannweite / std::fabs(w);
        if (!d.verhaeltnis || verhaeltnis < *d.verhaeltnis)
            d = {w, x, r.spannweite, verhaeltnis, grenze};
    }
    return d;
}

bool endlich(const Durchlaufergebnis& e)
{
    auto ok = [](double w) { return std::isfinite(w); };
    for (const Durchlaufpunkt& p : e.linie)
        if (!ok(p.q) || !ok(p.m) || !ok(p.w))
            return false;
    for (const Durchlauflager& l : e.lager)
        if (!ok(l.kraft))
            return false;
    return !e.durchbiegung || (ok(e.durchbiegung->max) && ok(e.durchbiegung->verhaeltnis.value_or(0)));
}

} // namespace

Durchlaufergebnis RechneDurchlauftraeger(const Rechenvorgabe& v, std::optional<double> ei, double grenze)
{
    Durchlaufergebnis e;
    e.gesamtlast = WirksameEigenlast(v) * v.traverse.laenge;
    for (const Rechenlast& l : v.lasten)
        e.gesamtlast += WirksameLast(v, l);
    for (const Rechenlager& l : v.lager)
        e.lager.push_back({l.nummer, l.position, 0, false});

    const bool steifigkeitBekannt = ei && *ei > 0 && std::isfinite(*ei);
    const Balken b = baueBalken(v, steifigkeitBekannt ? *ei : 1);
    const std::size_t n = b.x.size();
    std::vector<std::size_t> knotenVon(v.lager.size());
    for (std::size_t s = 0; s < v.lager.size(); ++s)
        knotenVon[s] = b.knoten(v.lager[s].position);
    for (std::size_t s = 0; s < v.lager.size(); ++s)
        for (std::size_t t = 0; t < s; ++t)
            if (knotenVon[t] == knotenVon[s]) {
                e.meldungen.push_back({Durchlaufmeldung::Art::GleichePosition, v.lager[t].nummer, v.lager[s].nummer});
                break;
            }

    // Supports that would pull come out one at a time, the one pulling hardest first; one that
    // the beam then sinks below goes back in.
    std::vector<bool> traegt(v.lager.size(), true);
    double lastsumme = 1e-9;
    for (double p : b.punktlast)
        lastsumme += std::fabs(p);
    for (std::size_t i = 0; i + 1 < n; ++i)
        lastsumme += std::fabs(b.q[i]) * (b.x[i + 1] - b.x[i]);
    const double kraftToleranz = 1e-9 * lastsumme;
    std::optional<Loesung> loesung;
    std::vector<bool> gehalten(n, false);
    const std::size_t versuche = 4 * v.lager.size() + 4;
    bool ausgeglichen = false;
    for (std::size_t versuch = 0; versuch < versuche; ++versuch) {
        std::fill(gehalten.begin(), gehalten.end(), false);
        std::size_t tragend = 0;
        for (std::size_t s = 0; s < v.lager.size(); ++s)
            if (traegt[s] && !gehalten[knotenVon[s]]) {
                gehalten[knotenVon[s]] = true;
                ++tragend;
            }
        if (tragend < 2) {
            loesung.reset();
            break;
        }
        loesung = loese(b, gehalten);
        if (!loesung)
            break;
        std::size_t schlimmster = n;
        double wert = -kraftToleranz;
        for (std::size_t i = 0; i < n; ++i)
            if (gehalten[i] && loesung->reaktion[i] < wert) {
                wert = loesung->reaktion[i];
                schlimmster = i;
            }
        if (schlimmster == n) {
            double wMax = 0;
            for (std::size_t i = 0; i < n; ++i)
                wMax = std::max(wMax, std::fabs(loesung->u[2 * i]));
            double tiefe = 1e-9 * wMax;
            for (std::size_t s = 0; s < v.lager.size(); ++s)
                if (!traegt[s] && !gehalten[knotenVon[s]] && loesung->u[2 * knotenVon[s]] > tiefe) {
                    tiefe = loesung->u[2 * knotenVon[s]];
                    schlimmster = knotenVon[s];
                }
            if (schlimmster == n) {
                ausgeglichen = true;
                break;
            }
        }
        for (std::size_t s = 0; s < v.lager.size(); ++s)
            if (knotenVon[s] == schlimmster)
                traegt[s] = !gehalten[schlimmster];
    }

    for (std::size_t s = 0; s < v.lager.size(); ++s)
        if (!traegt[s]) {
            e.lager[s].entfernt = true;
            e.meldungen.push_back({Durchlaufmeldung::Art::LagerEntfernt, v.lager[s].nummer, 0});
        }
    if (!loesung || !ausgeglichen) {
        std::size_t tragend = 0;
        std::vector<bool> gezaehlt(n, false);
        for (std::size_t s = 0; s < v.lager.size(); ++s)
            if (traegt[s] && !gezaehlt[knotenVon[s]]) {
                gezaehlt[knotenVon[s]] = true;
                ++tragend;
            }
        e.meldungen.push_back({tragend < 2 ? Durchlaufmeldung::Art::Instabil
                               : loesung  ? Durchlaufmeldung::Art::KeinAusgleich
                                          : Durchlaufmeldung::Art::KeinErgebnis});
        return e;
    }

    // A node's reaction is shared equally by the carrying supports standing on it.
    std::vector<int> anzahl(n, 0);
    for (std::size_t s = 0; s < v.lager.size(); ++s)
        if (traegt[s])
            ++anzahl[knotenVon[s]];
    for (std::size_t s = 0; s < v.lager.size(); ++s)
        if (traegt[s])
            e.lager[s].kraft = loesung->reaktion[knotenVon[s]] / anzahl[knotenVon[s]];

    ziehLinien(e, b, *loesung, steifigkeitBekannt);
    if (steifigkeitBekannt)
        e.durchbiegung = bewerteDurchbiegung(b, *loesung, gehalten, grenze);
    e.stabil = true;
    if (!endlich(e)) {
        Durchlaufergebnis leer;
        leer.lager = e.lager;
        for (Durchlauflager& l : leer.lager)
            l.kraft = 0;
        leer.gesamtlast = e.gesamtlast;
        leer.meldungen = e.meldungen;
        leer.meldungen.push_back({Durchlaufmeldung::Art::KeinErgebnis});
        return leer;
    }
    return e;
}

QString Meldungstext(const Durchlaufmeldung& m)
{
    using A = Durchlaufmeldung::Art;
    switch (m.art) {
    case A::LagerEntfernt:
        return Format(Uebersetzt(2850, QStringLiteral("Lager %d würde ziehen und trägt nicht")), {m.lager1});
    case A::GleichePosition:
        return Format(Uebersetzt(2851, QStringLiteral("Lager %d und %d: gleiche Stelle, Kraft geteilt")),
                      {m.lager1, m.lager2});
    case A::Instabil:
        return Uebersetzt(2852, QStringLiteral("Instabil: weniger als zwei tragende Lager"));
    case A::KeinAusgleich:
        return Uebersetzt(2853, QStringLiteral("Keine Lagerkräfte ohne Zug gefunden"));
    case A::KeinErgebnis:
        return Uebersetzt(2854, QStringLiteral("Werte außerhalb des Zahlenbereichs, kein Ergebnis"));
    }
    return QString();
}

QStringList Meldungstexte(const Durchlaufergebnis& e)
{
    QStringList texte;
    for (const Durchlaufmeldung& m : e.meldungen)
        texte.append(Meldungstext(m));
    return texte;
}

namespace {
QString zahltext(double wert, const char* maske = "### ### ##0.00")
{
    return FormatFloat(QString::fromLatin1(maske), wert).trimmed();
}
QString prozenttext(double wert, double zulaessig)
{
    const auto p = Prozent(std::fabs(wert), zulaessig);
    return p ? FormatFloat(QStringLiteral("0.00 %"), *p) : QStringLiteral("—");
}
} // namespace

QStringList Durchlaufzusammenfassung(const Durchlaufergebnis& e, const Traversenwerte& t)
{
    if (!e.stabil)
        return {};
    QStringList zeilen;
    zeilen.append(Format(Uebersetzt(2863, QStringLiteral("max. Querkraft %s N bei x = %s m: %s von Q_zul")),
                         {zahltext(e.maxQ), zahltext(e.xMaxQ), prozenttext(e.maxQ, t.maxQuer)}));
    zeilen.append(Format(Uebersetzt(2864, QStringLiteral("max. Moment %s Nm bei x = %s m: %s von M_zul")),
                         {zahltext(e.maxM), zahltext(e.xMaxM), prozenttext(e.maxM, t.maxBiege)}));
    if (!e.durchbiegung) {
        zeilen.append(Uebersetzt(2858, QStringLiteral("Durchbiegung: EI unbekannt")));
        return zeilen;
    }
    const Durchbiegung& d = *e.durchbiegung;
    if (!d.verhaeltnis) {
        zeilen.append(Uebersetzt(2869, QStringLiteral("Durchbiegung: keine")));
        return zeilen;
    }
    zeilen.append(Format(Uebersetzt(2866, QStringLiteral("Durchbiegung %s mm bei x = %s m")),
                         {zahltext(d.max * 1000), zahltext(d.x)}));
    zeilen.append(Format(Uebersetzt(2865, QStringLiteral("Spannweite %s m: L/%s, Grenze L/%s")),
                         {zahltext(d.spannweite), zahltext(*d.verhaeltnis, "0"), zahltext(d.grenze, "0")}));
    zeilen.append(d.eingehalten() ? Uebersetzt(2867, QStringLiteral("Durchbiegungsgrenze eingehalten"))
                                  : Uebersetzt(2868, QStringLiteral("Durchbiegungsgrenze überschritten")));
    return zeilen;
}

QString Durchlaufgrenzen()
{
    return QStringList{Uebersetzt(2870, QStringLiteral("Annahmen: gleich hohe, starre Lager,")),
                       Uebersetzt(2873, QStringLiteral("keine Nachgiebigkeit der Motorzüge,")),
                       Uebersetzt(2874, QStringLiteral("keine Theorie II. Ordnung.")),
                       Uebersetzt(2875, QStringLiteral("Ersetzt die paarweisen Tragfälle nicht."))}
        .join(u' ');
}
