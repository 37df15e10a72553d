#include "beam/g_auslastungsbild.h"
#include "beam/u_balkenfelder.h"
#include "platform/u_bildpunkt.h"
#include "tables/u_tabelle.h"
#include <QPolygon>
#include <cmath>

int CadAbbildung::spalte(double x) const
{
    const double s = massstab / zoomfaktor;
    return Bildpunkt((x - ansichtsmitte) / s) + flaeche.width() / 2;
}

int CadAbbildung::zeile(double y) const
{
    const double s = massstab / zoomfaktor;
    return Bildpunkt(y / s) + (flaeche.height() - 60) / 2 + 60;
}

int Prozentzeile(int nullinie, int hundert, double prozent)
{
    return nullinie - Bildpunkt(hundert * prozent / 100);
}

namespace {

constexpr int Scherungsmarke = 2; // pixels above and below a shear value without a range

struct Huellenspalten {
    int x, qMin, qMax, mMin, mMax;
};

Huellenspalten spalten(TBClientDataSet& t)
{
    using namespace Maximafeld;
    const auto nummer = [&t](Feldname name) { return t.FieldByName(name).Index(); };
    return {nummer(X), nummer(Q_minProz), nummer(Q_maxProz), nummer(M_minProz), nummer(M_maxProz)};
}

// An empty percentage (permissible value 0.01 or less) reads as 0.
double prozent(TBClientDataSet& t, int zeile, int feld) { return t.WertBei(zeile, feld).toDouble(); }

void zeichneDiagramm(QPainter& p, const QRect& r, const CadAbbildung& abbildung, TBClientDataSet* maxima)
{
    const int t = r.top(), b = r.bottom() + 1;
    const int y0 = t + (b - t) / 2;
    const int u = (b - t) / 4;
    const int links = r.left(), rechts = r.right();
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(links, y0, rechts, y0);
    p.setPen(QPen(Qt::blue, 1));
    p.drawLine(links, y0 - u, rechts, y0 - u);
    p.drawLine(links, y0 + u, rechts, y0 + u);
    p.setPen(QPen(Qt::cyan, 1));
    p.drawLine(links, y0 - u / 2, rechts, y0 - u / 2);
    p.drawLine(links, y0 + u / 2, rechts, y0 + u / 2);
    if (!maxima || !maxima->Active())
        return;

    const Huellenspalten f = spalten(*maxima);
    const int zeilen = maxima->RecordCount();
    p.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::FlatCap)); // the classic "green"
    for (int z = 1; z <= zeilen; ++z) {
        const int x = abbildung.spalte(maxima->WertBei(z, f.x).toDouble());
        int von = Prozentzeile(y0, u, prozent(*maxima, z, f.qMin));
        int bis = Prozentzeile(y0, u, prozent(*maxima, z, f.qMax));
        if (von == bis) { // all load cases agree: a short tick keeps the value visible
            von += Scherungsmarke;
            bis -= Scherungsmarke;
        }
        p.drawLine(x, von, x, bis);
    }
    p.setPen(QPen(Qt::red, 1));
    for (const int feld : {f.mMin, f.mMax}) {
        QPolygon linie;
        for (int z = 1; z <= zeilen; ++z)
            linie << QPoint(abbildung.spalte(maxima->WertBei(z, f.x).toDouble()), Prozentzeile(y0, u, prozent(*maxima, z, feld)));
        p.drawPolyline(linie);
    }
}

} // namespace

void AuslastungMalen(QPainter& maler, QSize groesse, const QColor& hintergrund, const CadAbbildung& abbildung,
                     TBClientDataSet* maxima, const Balkenzeichner& balken)
{
    const int w = groesse.width(), h = groesse.height();
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, false);
    const QRect oben(0, 0, w, h / 2);
    if (balken) {
        maler.save();
        maler.setClipRect(oben);
        balken(maler, oben, hintergrund);
        maler.restore();
    } else {
        maler.fillRect(oben, hintergrund);
    }
    const QRect unten(0, h / 2, w, h - h / 2);
    maler.fillRect(unten, hintergrund);
    zeichneDiagramm(maler, unten, abbildung, maxima);
    maler.restore();
}

QImage Auslastungsbild(QSize groesse, const CadAbbildung& abbildung, TBClientDataSet* maxima,
                       const Balkenzeichner& balken)
{
    QImage bild(groesse.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    AuslastungMalen(maler, groesse, Qt::white, abbildung, maxima, balken);
    return bild;
}
