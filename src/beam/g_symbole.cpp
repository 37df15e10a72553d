#include "beam/g_symbole.h"
#include "beam/u_balkenmodell.h"
#include "platform/u_bildpunkt.h"
#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace {


// The local system of one symbol: u and v in size units, mirrored above the truss.
class Symbolmaler {
public:
    Symbolmaler(QPainter& p, const Symbolangaben& s)
        : p(p), s(s), mitte((s.x1 + s.x2) / 2), schritt(s.groesse / s.massstab),
          richtung(s.oben ? -1 : 1)
    {
        p.setBrush(Qt::NoBrush);
    }

    int spalte(double u) const { return mitte + richtung * Bildpunkt(u * schritt); }
    int zeile(double v) const { return s.y0 + richtung * Bildpunkt(v * schritt); }

    void stift(double breite)
    {
        QPen pen(u_symbole::Stiftfarbe(s.art, s.markiert));
        pen.setWidth(std::max(1, Bildpunkt(breite / s.massstab)));
        p.setPen(pen);
    }

    void linie(double u1, double v1, double u2, double v2)
    {
        p.drawLine(spalte(u1), zeile(v1), spalte(u2), zeile(v2));
    }

    void rechteck(double u1, double v1, double u2, double v2)
    {
        p.drawRect(QRectF(QPointF(spalte(u1), zeile(v1)), QPointF(spalte(u2), zeile(v2))).normalized());
    }

    // The box's far corner one pixel less, as the ellipse of the screen does.
    QRectF ellipsenbox(double u1, double v1, double u2, double v2) const
    {
        return QRectF(QPointF(spalte(u1), zeile(v1)), QPointF(spalte(u2) - 1, zeile(v2) - 1)).normalized();
    }
    void ellipse(double u1, double v1, double u2, double v2) { p.drawEllipse(ellipsenbox(u1, v1, u2, v2)); }
    void kreis(double r, double u0, double v0) { ellipse(u0 - r, v0 - r, u0 + r, v0 + r); }

    void band(double v1, double v2)
    {
        p.drawRect(QRectF(QPointF(s.x1, zeile(v1)), QPointF(s.x2, zeile(v2))).normalized());
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
        const int start = s.oben ? 180 : 0;
        p.drawArc(box, start * 16, 180 * 16);
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

    void beschriftung(double v)
    {
        const int punkte = u_symbole::Beschriftungsgroesse(s.massstab);
        if (punkte <= 3)
            return;
        QFont schrift(QStringLiteral("Arial"));
        schrift.setPointSize(punkte);
        p.setFont(schrift);
        const QString text = QString::number(s.nummer);
        const QRect mass = p.fontMetrics().boundingRect(text);
        const int hoehe = p.fontMetrics().height();
        const int links = spalte(0) - mass.width() / 2;
        const int oberkante = s.oben ? zeile(v) - hoehe : zeile(v);
        p.drawText(QRect(links, oberkante, mass.width() + 2, hoehe), Qt::AlignLeft | Qt::AlignTop, text);
    }

private:
    QPainter& p;
    const Symbolangaben& s;
    int mitte;
    double schritt; // pixels per size unit
    int richtung;
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
        z.beschriftung(0.8);
        return;
    case ArtStreckenlast:
        z.stift(0.04);
        z.band(0.1, 1);
        z.beschriftung(1);
        return;
    case ArtMotorzug:
        z.stift(0.04);
        z.linie(0, 0, 0, 0.4);
        z.linie(0, 0.6, 0, 1);
        z.kreis(0.2, -0.3, 0.5);
        z.linie(-0.15, 0.4, 0.3, 0.4);
        z.linie(-0.15, 0.6, 0.3, 0.6);
        z.linie(0.3, 0.6, 0.3, 0.4);
        z.beschriftung(1);
        return;
    case ArtScheinwerfer:
        z.stift(0.04);
        z.linie(0, 0, 0, 0.1);
        z.rechteck(-0.5, 0.1, 0.5, 1.1);
        z.kreis(0.4, 0, 0.6);
        z.beschriftung(1.1);
        return;
    case ArtPAR:
        z.par(1, 0, 0);
        z.beschriftung(1.5);
        return;
    case ArtScanner:
        z.stift(0.04);
        z.linie(-0.45, 1.3, 0.45, 1.3);
        z.rechteck(-0.5, 0.1, 0.5, 3.1);
        z.ellipse(-0.3, 0.2, 0.3, 1.2);
        z.beschriftung(3.1);
        return;
    case ArtMHSpot:
        z.stift(0.04);
        z.movingheadSockel();
        z.ellipse(-0.4, 0.6, 0.4, 1.2);
        z.kreis(0.2, 0, 0.9);
        z.beschriftung(1.2);
        return;
    case ArtMHWash:
        z.stift(0.04);
        z.movingheadSockel();
        z.kreis(0.4, 0, 0.9);
        z.beschriftung(1.2);
        return;
    case Art4erBar:
    case Art6erBar:
        z.bar(art == Art4erBar ? 4 : 6);
        z.beschriftung(0.6);
        return;
    case ArtBox:
        z.stift(0.04);
        z.band(0.05, 0.1);
        z.rechteck(-0.5, 0.1, 0.5, 2);
        z.beschriftung(2);
        return;
    case ArtLinearray:
        z.stift(0.04);
        z.band(0.05, 0.1);
        for (int j = 0; j <= 7; ++j)
            z.rechteck(-0.5, 0.1 + 0.5 * j, 0.5, 0.5 + 0.5 * j);
        z.beschriftung(0.15);
        return;
    case ArtBeamer:
        z.stift(0.02);
        z.band(0.05, 0.1);
        z.rechteck(-0.5, 0.1, 0.5, 0.5);
        z.kreis(0.15, 0, 0.3);
        z.beschriftung(0.5);
        return;
    case ArtTraversenkraft:
        z.stift(0.05);
        z.pfeil();
        z.linie(-1, 1.1, 1, 1.1);
        z.linie(-1, 1.5, 1, 1.5);
        for (int i = 0; i < 5; ++i) // zig-zag of the diagonals
            z.linie(-1 + 0.4 * i, i % 2 ? 1.5 : 1.1, -0.6 + 0.4 * i, i % 2 ? 1.1 : 1.5);
        z.beschriftung(1.6);
        return;
    default: // a force, and every kind without a figure of its own
        z.stift(0.1);
        z.pfeil();
        z.beschriftung(1);
        return;
    }
}

} // namespace

namespace u_symbole {

QColor Stiftfarbe(int art, bool markiert)
{
    switch (art) {
    case ArtLager:
    case ArtMotorzug: return markiert ? QColor(0, 255, 255) : QColor(0, 0, 255);
    case ArtKraft: return markiert ? QColor(255, 255, 0) : QColor(255, 0, 0);
    case ArtStreckenlast: return markiert ? QColor(0, 255, 0) : QColor(0, 128, 0);
    case ArtTraversenkraft: return markiert ? QColor(255, 0, 255) : QColor(128, 0, 128);
    default:
        if (art >= ArtScheinwerfer && art <= ArtBeamer)
            return markiert ? QColor(128, 128, 128) : QColor(0, 0, 0);
        return markiert ? QColor(255, 255, 255) : QColor(0, 0, 0);
    }
}

int Beschriftungsgroesse(double massstab) { return massstab > 0 ? Bildpunkt(0.3 / massstab) : 0; }

void ZeichneSymbol(QPainter& p, const Symbolangaben& s)
{
    if (!(s.massstab > 0) || !std::isfinite(s.groesse))
        return;
    p.save();
    Symbolmaler z(p, s);
    zeichneFigur(z, s.art);
    p.restore();
}

} // namespace u_symbole
