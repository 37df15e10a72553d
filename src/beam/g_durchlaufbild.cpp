#include "beam/g_durchlaufbild.h"
#include "platform/u_zahlen.h"
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

struct Linie {
    double Durchlaufpunkt::*wert;
    double faktor; // to the unit written beside it
    const char* titel;
    QColor farbe;
};

void zeichneLager(QPainter& p, const Durchlaufergebnis& e, const std::function<double(double)>& spalte, double y)
{
    for (const Durchlauflager& l : e.lager) {
        const double x = spalte(l.position);
        const QPolygonF dreieck({QPointF(x, y), QPointF(x - 5, y + 8), QPointF(x + 5, y + 8)});
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(l.entfernt ? Qt::NoBrush : QBrush(Qt::black));
        p.drawPolygon(dreieck);
    }
    p.setBrush(Qt::NoBrush);
}

} // namespace

void DurchlaufMalen(QPainter& p, const QRect& r, const QColor& hintergrund, const Durchlaufergebnis& e)
{
    p.save();
    p.fillRect(r, hintergrund);
    if (!e.stabil || e.linie.empty()) {
        p.restore();
        return;
    }
    const bool mitW = e.durchbiegung.has_value();
    std::vector<Linie> linien = {{&Durchlaufpunkt::q, 1, "Q [N]", QColor(0, 128, 0)},
                                 {&Durchlaufpunkt::m, 1, "M [Nm]", Qt::red}};
    if (mitW)
        linien.push_back({&Durchlaufpunkt::w, 1000, "w [mm]", Qt::blue});

    double xMin = e.linie.front().x, xMax = e.linie.back().x;
    for (const Durchlauflager& l : e.lager) {
        xMin = std::min(xMin, l.position);
        xMax = std::max(xMax, l.position);
    }
    const int rand = 12, textbreite = 150;
    const double links = r.left() + rand, breite = std::max(1, r.width() - 2 * rand - textbreite);
    const auto spalte = [&](double x) { return links + (x - xMin) / std::max(xMax - xMin, 1e-9) * breite; };
    const double hoehe = double(r.height()) / double(linien.size());

    for (std::size_t i = 0; i < linien.size(); ++i) {
        const Linie& l = linien[i];
        const double oben = r.top() + hoehe * double(i);
        const double null = oben + hoehe / 2;
        double groesster = 0;
        const Durchlaufpunkt* spitze = &e.linie.front();
        for (const Durchlaufpunkt& punkt : e.linie)
            if (std::fabs(punkt.*l.wert) > std::fabs(groesster)) {
                groesster = punkt.*l.wert;
                spitze = &punkt;
            }
        // positive values upwards, the deflection (downwards positive) downwards
        const double richtung = l.wert == &Durchlaufpunkt::w ? 1 : -1;
        const double massstab = groesster != 0 ? (hoehe / 2 - 14) / std::fabs(groesster) : 0;
        const auto zeile = [&](double wert) { return null + richtung * wert * massstab; };

        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(links, null), QPointF(links + breite, null));
        zeichneLager(p, e, spalte, null);
        QPolygonF zug;
        for (const Durchlaufpunkt& punkt : e.linie)
            zug << QPointF(spalte(punkt.x), zeile(punkt.*l.wert));
        p.setPen(QPen(l.farbe, 2));
        p.drawPolyline(zug);
        p.setPen(QPen(Qt::black, 1));
        const QString wert = FormatFloat(QStringLiteral("### ### ##0.00"), groesster * l.faktor).trimmed();
        p.drawText(QRectF(links + breite + 8, oben, textbreite - 8, hoehe), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(l.titel) + u'\n' + QStringLiteral("max ") + wert);
        if (groesster != 0)
            p.drawEllipse(QPointF(spalte(spitze->x), zeile(groesster)), 3, 3);
    }
    p.restore();
}

QImage Durchlaufbild(QSize groesse, const Durchlaufergebnis& e)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    DurchlaufMalen(p, bild.rect(), Qt::white, e);
    return bild;
}
