#pragma once
// Room for labels in a drawing: labels are placed one after another, each at the first of its
// candidate boxes that stays inside the drawing and covers neither a label placed before nor a
// blocked area (a symbol, the truss bar, a line); a label without a free candidate is left out.
// Deterministic: the same drawing always gets the same labels.
#include <QLineF>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>
#include <set>
#include <vector>

class Beschriftungsplatz {
public:
    explicit Beschriftungsplatz(const QRect& bereich);

    void Sperre(const QRect& flaeche);
    // A line drawn with a pen: nothing within halbeBreite pixels of it.
    void Sperre(const QLineF& strecke, double halbeBreite);
    bool Frei(const QRect& box) const;
    // The first free candidate, which is then taken; none when all are taken or outside.
    std::optional<QRect> Platziere(const std::vector<QRect>& kandidaten);

private:
    struct Hindernis {
        QRect box;
        std::optional<QLineF> strecke; // within box, which holds the pen's width
        double halbeBreite = 0;
    };
    void nimmAuf(const Hindernis& h);
    std::pair<int, int> streifen(const QRect& box) const; // first and last strip the box touches

    QRect m_bereich;
    std::vector<Hindernis> m_hindernisse;
    std::set<std::array<int, 4>> m_flaechen; // many items at one place block one box only once
    std::vector<std::vector<int>> m_streifen; // obstacles by column strip, for big drawings
};

// Boxes of a label of the given size stacked away from a symbol: centred on column x, the first
// one just beyond row kante on the side richtung (+1 downwards, -1 upwards), each further one a
// label height further out.
std::vector<QRect> Stapel(int x, int kante, int richtung, QSize groesse, int ebenen);
