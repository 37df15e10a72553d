#include "calculator/g_lastbild.h"
#include <cmath>

std::vector<double> Drittelpunkte(int eintrag)
{
    return eintrag == 1 ? std::vector<double>{0.33, 0.66} : std::vector<double>{0.33};
}

std::vector<double> Viertelpunkte(int eintrag)
{
    switch (eintrag) {
    case 1: return {0.25, 0.75};
    case 2: return {0.25, 0.75, 0.5};
    default: return {0.25};
    }
}

void LastbildMalen(QPainter& p, const QRect& r, const std::vector<double>& faktoren)
{
    // right and bottom lie just outside the rectangle, as the pattern counts them
    const int links = r.left(), oben = r.top(), rechts = r.left() + r.width(), unten = r.top() + r.height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, Qt::white);
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(links + 3, unten - 6, rechts - 3, unten - 6);
    p.setPen(QPen(Qt::black, 1));
    const int breite = rechts - links;
    for (double faktor : faktoren) {
        const int x = int(std::nearbyint(breite * faktor)); // ties to even
        const QPoint spitze(x, unten - 9);
        p.drawLine(QPoint(x, oben + 3), spitze);
        const QPoint pfeil[] = {spitze, {x + 2, unten - 14}, {x - 2, unten - 14}, spitze};
        p.drawPolyline(pfeil, 4);
    }
    p.restore();
}

void AussenlastbildMalen(QPainter& p, const QRect& r)
{
    LastbildMalen(p, r, {0.25, 0.75});
    p.save();
    p.setPen(Qt::black);
    const QFontMetrics metrik(p.font());
    const int rechts = r.left() + r.width();
    p.drawText(r.left() + 7, r.top() + 3 + metrik.ascent(), QStringLiteral("2"));
    p.drawText(rechts - 14, r.top() + 3 + metrik.ascent(), QStringLiteral("2"));
    p.restore();
}
