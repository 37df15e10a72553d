#include "beam/g_symbole.h"
#include "beam/u_balkenmodell.h"
#include "platform/u_bildpunkt.h"
#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace {


// The local system of one symbol: u and v in size units, mirrored above the truss. Without a
// painter it only measures: every primitive widens the outline by its box and the pen.
class Symbolmaler {
public:
    Symbolmaler(QPainter* p, const Symbolangaben& s)
        : p(p), s(s), mitte((s.x1 + s.x2) / 2), schritt(s.groesse / s.massstab),
          richtung(s.oben ? -1 : 1)
    {
        if (p)
            p->setBrush(Qt::NoBrush);
    }

    const QRect& Umriss() const { return umriss; }

    int spalte(double u) const { return mitte + richtung * Bildpunkt(u * schritt); }
    int zeile(double v) const { return s.y0 + richtung * Bildpunkt(v * schritt); }

    void stift(double breite)
    {
        stiftbreite = std::max(1, Bildpunkt(breite / s.massstab));
        if (!p)
            return;
        QPen pen(u_symbole::Stiftfarbe(s.art, s.markiert));
        pen.setWidth(stiftbreite);
        p->setPen(pen);
    }

    void linie(double u1, double v1, double u2, double v2)
    {
        const QPoint a(spalte(u1), zeile(v1)), b(spalte(u2), zeile(v2));
        erfasse(QRectF(a, b));
        if (p)
            p->drawLine(a, b);
    }

    void rechteck(double u1, double v1, double u2, double v2)
    {
        const QRectF box = QRectF(QPointF(spalte(u1), zeile(v1)), QPointF(spalte(u2), zeile(v2))).normalized();
        erfasse(box);
        if (p)
            p->drawRect(box);
    }

    // The box's far corner one pixel less, as the ellipse of the screen does.
    QRectF ellipsenbox(double u1, double v1, double u2, double v2) const
    {
        return QRectF(QPointF(spalte(u1), zeile(v1)), QPointF(spalte(u2) - 1, zeile(v2) - 1)).normalized();
    }
    void ellipse(double u1, double v1, double u2, double v2)
    {
        const QRectF box = ellipsenbox(u1, v1, u2, v2);
        erfasse(box);
        if (p)
            p->drawEllipse(box);
    }
    void kreis(double r, double u0, double v0) { ellipse(u0 - r, v0 - r, u0 + r, v0 + r); }

    void band(double v1, double v2)
    {
        const QRectF box = QRectF(QPointF(s.x1, zeile(v1)), QPointF(s.x2, zeile(v2))).normalized();
        erfasse(box);
        if (p)
            p->drawRect(box);
    }

    void pfeil()
    {
        linie(0, 0, 0, 1);
        if (s.negativ == s.oben) { // head away from the truss for a downward force below it
            linie(0, 1, -0.3, 0.7);
            linie(0, 1, 0.3, 0.7);
        } else {
            linie(0, 0, -0.3, 0.3);
            linie(0, 0, 0.3, 0.3);
        }
    }

    void par(double k, double u0, double v0)
    {
        stift(0.02);
        linie(u0, v0, u0, v0 + 0.1 * k);
        linie(u0 - 0.5 * k, v0 + 0.1 * k, u0 + 0.5 * k, v0 + 0.1 * k);
        linie(u0 - 0.5 * k, v0 + 0.1 * k, u0 - 0.5 * k, v0 + 0.8 * k);
        linie(u0 + 0.5 * k, v0 + 0.1 * k, u0 + 0.5 * k, v0 + 0.8 * k);
        linie(u0 - 0.5 * k, v0 + 0.7 * k, u0 - 0.4 * k, v0 + 0.7 * k);
        linie(u0 + 0.5 * k, v0 + 0.7 * k, u0 + 0.4 * k, v0 + 0.7 * k);
        rechteck(u0 - 0.4 * k, v0 + 0.5 * k, u0 + 0.4 * k, v0 + 1.5 * k);
        // The half of the reflector towards the truss: counter-clockwise from the box's point
        // (u0 + 0.4k, v0 + 0.5k) to its opposite point.
        const QRectF box = ellipsenbox(u0 - 0.4 * k, v0 + 0.2 * k, u0 + 0.4 * k, v0 + 0.8 * k);
        erfasse(box);
        const int start = s.oben ? 180 : 0;
        if (p)
            p->drawArc(box, start * 16, 180 * 16);
    }

    void bar(int lampen)
    {
        stift(0.04);
        band(0.05, 0.1);
        rechteck(-0.5, 0.1, 0.5, 0.2);
        for (int i = 1; i <= lampen; ++i)
            par(0.8 / lampen, (i - 0.5) / lampen - 0.5, 0.2);
    }

    void movingheadSockel()
    {
        rechteck(-0.5, 0.1, 0.5, 0.3);
        linie(-0.5, 0.4, 0.5, 0.4);
        linie(0, 0.4, 0, 0.3);
        rechteck(-0.5, 0.45, -0.45, 1);
        rechteck(0.5, 0.45, 0.45, 1);
    }

private:
    // The box of a primitive with half the pen on every side, in whole pixels.
    void erfasse(const QRectF& box)
    {
        const double r = stiftbreite / 2.0 + 1;
        const QRectF grenze(-Bildgrenze, -Bildgrenze, 2 * Bildgrenze, 2 * Bildgrenze);
        umriss = umriss.united(box.normalized().adjusted(-r, -r, r, r).intersected(grenze).toAlignedRect());
    }

    QPainter* p;
    const Symbolangaben& s;
    int mitte;
    double schritt; // pixels per size unit
    int richtung;
    int stiftbreite = 1;
    QRect umriss;
};

void zeichneFigur(Symbolmaler& z, int art)
{
    switch (art) {
    case ArtLager:
        z.stift(0.04);
        z.kreis(0.1, 0, 0.1);
        z.linie(0, 0.2, -0.3, 0.6);
        z.linie(0, 0.2, 0.3, 0.6);
        z.linie(-0.5, 0.8, 0.5, 0.8);
        z.linie(-0.5, 0.6, 0.5, 0.6);
        return;
    case ArtStreckenlast:
        z.stift(0.04);
        z.band(0.1, 1);
        return;
    case ArtMotorzug:
        z.stift(0.04);
        z.linie(0, 0, 0, 0.4);
        z.linie(0, 0.6, 0, 1);
        z.kreis(0.2, -0.3, 0.5);
        z.linie(-0.15, 0.4, 0.3, 0.4);
        z.linie(-0.15, 0.6, 0.3, 0.6);
        z.linie(0.3, 0.6, 0.3, 0.4);
        return;
    case ArtScheinwerfer:
        z.stift(0.04);
        z.linie(0, 0, 0, 0.1);
        z.rechteck(-0.5, 0.1, 0.5, 1.1);
        z.kreis(0.4, 0, 0.6);
        return;
    case ArtPAR:
        z.par(1, 0, 0);
        return;
    case ArtScanner:
        z.stift(0.04);
        z.linie(-0.45, 1.3, 0.45, 1.3);
        z.rechteck(-0.5, 0.1, 0.5, 3.1);
        z.ellipse(-0.3, 0.2, 0.3, 1.2);
        return;
    case ArtMHSpot:
        z.stift(0.04);
        z.movingheadSockel();
        z.ellipse(-0.4, 0.6, 0.4, 1.2);
        z.kreis(0.2, 0, 0.9);
        return;
    case ArtMHWash:
        z.stift(0.04);
        z.movingheadSockel();
        z.kreis(0.4, 0, 0.9);
        return;
    case Art4erBar:
    case Art6erBar:
        z.bar(art == Art4erBar ? 4 : 6);
        return;
    case ArtBox:
        z.stift(0.04);
        z.band(0.05, 0.1);
        z.rechteck(-0.5, 0.1, 0.5, 2);
        return;
    case ArtLinearray:
        z.stift(0.04);
        z.band(0.05, 0.1);
        for (int j = 0; j <= 7; ++j)
            z.rechteck(-0.5, 0.1 + 0.5 * j, 0.5, 0.5 + 0.5 * j);
        return;
    case ArtBeamer:
        z.stift(0.02);
        z.band(0.05, 0.1);
        z.rechteck(-0.5, 0.1, 0.5, 0.5);
        z.kreis(0.15, 0, 0.3);
        return;
    case ArtTraversenkraft:
        z.stift(0.05);
        z.pfeil();
        z.linie(-1, 1.1, 1, 1.1);
        z.linie(-1, 1.5, 1, 1.5);
        for (int i = 0; i < 5; ++i) // zig-zag of the diagonals
            z.linie(-1 + 0.4 * i, i % 2 ? 1.5 : 1.1, -0.6 + 0.4 * i, i % 2 ? 1.1 : 1.5);
        return;
    default: // a force, and every kind without a figure of its own
        z.stift(0.1);
        z.pfeil();
        return;
    }
}

} // namespace

namespace u_symbole {

const QColor Markierfarbe(220, 0, 220);

QColor Stiftfarbe(int art, bool markiert)
{
    if (markiert)
        return Markierfarbe;
    switch (art) {
    case ArtLager:
    case ArtMotorzug: return QColor(0, 0, 255);
    case ArtKraft: return QColor(255, 0, 0);
    case ArtStreckenlast: return QColor(0, 128, 0);
    case ArtTraversenkraft: return QColor(128, 0, 128);
    default: return QColor(0, 0, 0);
    }
}

QFont Beschriftungsschrift()
{
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(13);
    schrift.setBold(true);
    return schrift;
}

QRect ZeichneSymbol(QPainter& p, const Symbolangaben& s)
{
    if (!(s.massstab > 0) || !std::isfinite(s.groesse))
        return {};
    p.save();
    Symbolmaler z(&p, s);
    zeichneFigur(z, s.art);
    p.restore();
    return z.Umriss();
}

QRect Umriss(const Symbolangaben& s)
{
    if (!(s.massstab > 0) || !std::isfinite(s.groesse))
        return {};
    Symbolmaler z(nullptr, s);
    zeichneFigur(z, s.art);
    return z.Umriss();
}

} // namespace u_symbole
