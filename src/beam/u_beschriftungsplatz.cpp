#include "beam/u_beschriftungsplatz.h"
#include <algorithm>
#include <cmath>

namespace {
constexpr int Streifenbreite = 64; // pixels

bool streckeTrifft(const QLineF& s, const QRectF& r)
{
    if (r.contains(s.p1()) || r.contains(s.p2()))
        return true;
    const QLineF kanten[] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                             {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
    for (const QLineF& k : kanten)
        if (s.intersects(k, nullptr) == QLineF::BoundedIntersection)
            return true;
    return false;
}
} // namespace

Beschriftungsplatz::Beschriftungsplatz(const QRect& bereich)
    : m_bereich(bereich.normalized()),
      m_streifen(std::size_t(std::max(1, m_bereich.width() / Streifenbreite + 1)))
{
}

std::pair<int, int> Beschriftungsplatz::streifen(const QRect& box) const
{
    const int letzter = int(m_streifen.size()) - 1;
    const auto nr = [&](int spalte) { return std::clamp((spalte - m_bereich.left()) / Streifenbreite, 0, letzter); };
    return {nr(std::max(box.left(), m_bereich.left())), nr(std::min(box.right(), m_bereich.right()))};
}

void Beschriftungsplatz::nimmAuf(const Hindernis& h)
{
    if (!h.box.intersects(m_bereich))
        return; // no candidate can reach it
    const int nummer = int(m_hindernisse.size());
    m_hindernisse.push_back(h);
    const auto [von, bis] = streifen(h.box);
    for (int i = von; i <= bis; ++i)
        m_streifen[std::size_t(i)].push_back(nummer);
}

void Beschriftungsplatz::Sperre(const QRect& flaeche)
{
    const QRect f = flaeche.normalized();
    if (m_flaechen.insert({f.left(), f.top(), f.right(), f.bottom()}).second)
        nimmAuf({f, std::nullopt, 0});
}

void Beschriftungsplatz::Sperre(const QLineF& strecke, double halbeBreite)
{
    if (!std::isfinite(strecke.x1()) || !std::isfinite(strecke.y1()) || !std::isfinite(strecke.x2())
        || !std::isfinite(strecke.y2()))
        return;
    const double r = std::max(0.5, halbeBreite); // a box of one pixel at least
    const QRectF box = QRectF(strecke.p1(), strecke.p2()).normalized().adjusted(-r, -r, r, r);
    const QRectF grenze(-1e8, -1e8, 2e8, 2e8); // keeps the integer box from overflowing
    nimmAuf({box.intersected(grenze).toAlignedRect(), strecke, r});
}

bool Beschriftungsplatz::Frei(const QRect& box) const
{
    if (!m_bereich.contains(box))
        return false;
    const auto [von, bis] = streifen(box);
    for (int i = von; i <= bis; ++i)
        for (int nummer : m_streifen[std::size_t(i)]) {
            const Hindernis& h = m_hindernisse[std::size_t(nummer)];
            if (!h.box.intersects(box))
                continue;
            if (!h.strecke)
                return false;
            const double r = h.halbeBreite;
            if (streckeTrifft(*h.strecke, QRectF(box).adjusted(-r, -r, r, r)))
                return false;
        }
    return true;
}

std::optional<QRect> Beschriftungsplatz::Platziere(const std::vector<QRect>& kandidaten)
{
    for (const QRect& k : kandidaten)
        if (Frei(k)) {
            Sperre(k);
            return k;
        }
    return std::nullopt;
}

std::vector<QRect> Stapel(int x, int kante, int richtung, QSize groesse, int ebenen)
{
    std::vector<QRect> boxen;
    const int w = groesse.width(), h = groesse.height();
    for (int i = 0; i < ebenen; ++i) {
        const int oben = richtung > 0 ? kante + 1 + i * h : kante - i * h - h;
        boxen.emplace_back(x - w / 2, oben, w, h);
    }
    return boxen;
}
