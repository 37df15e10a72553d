#include "loadtable/g_belastungsdiagramm.h"
#include "language/u_uebersetzung.h"
#include "loadtable/u_belastungsfelder.h"
#include "loadtable/u_belastungstabelle.h"
#include "platform/u_bildpunkt.h"
#include "platform/u_zahlen.h"
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace {

struct Kurve {
    Feldname feld;
    bool querkraft; // reference Q_max, else M_max
    QColor farbe;
    int id;
    const char* titel;
};

const Kurve Kurven[] = {
    {Belastungsfeld::querkraft_e, true, QColor(128, 128, 0), 1557, "Querkraft aus Einzellast"},
    {Belastungsfeld::querkraft_s, true, QColor(0, 128, 0), 1558, "Querkraft aus Streckenlast"},
    {Belastungsfeld::biegemoment_e, false, QColor(0, 128, 128), 1559, "Biegemoment aus Einzellast"},
    {Belastungsfeld::biegemoment_s, false, QColor(0, 0, 255), 1560, "Biegemoment aus Streckenlast"},
};

QPen stift(int breite) { return QPen(Qt::black, breite, Qt::SolidLine, Qt::FlatCap); }

} // namespace

void BelastungsdiagrammMalen(QPainter& p, QSize groesse, Belastungstabelle& tabelle)
{
    const int w = groesse.width(), h = groesse.height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, w, h), Qt::white);
    TBClientDataSet& t = tabelle.cds_traverse;
    const double qMax = tabelle.ergebnisse.querkraft, mMax = tabelle.ergebnisse.biegemoment;
    const int zeilen = t.Active() ? t.RecordCount() : 0;
    const int laenge = t.Active() ? t.FieldByName(Belastungsfeld::laenge).Index() : -1;
    const int n = zeilen > 0 ? t.WertBei(zeilen, laenge).toInt() : 0;
    if (qMax < 1 || mMax < 1 || n <= 0) {
        p.restore();
        return;
    }
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(11);
    p.setFont(schrift);
    const QFontMetrics metrik(schrift);

    const int dx = (w - 60) / n;
    const int y0 = h - 30;
    p.setPen(stift(1));
    p.drawLine(40, y0, w - 10, y0);
    // Ticks beyond the width fall outside the area; with dx = 0 they all stand at column 50.
    const int letzterStrich = std::min(n, std::max(w, 5));
    for (int i = 1; i <= letzterStrich; ++i) {
        const int x = dx * i + 50;
        p.setPen(stift(i % 5 == 0 ? 3 : 1));
        p.drawLine(x, y0 - 5, x, y0 + 5);
        if (i % 5 == 0) {
            p.setPen(Qt::black);
            p.drawText(QRect(x - 30, y0 + 10, 60, metrik.height()), Qt::AlignHCenter | Qt::AlignTop, QString::number(i));
        }
    }

    const int dy = (h - 40) / 10;
    p.setPen(stift(1));
    p.drawLine(60, 10, 60, h - 20);
    for (int j = 1; j <= 10; ++j) {
        const int y = h - dy * j - 30;
        p.setPen(stift(j == 5 || j == 10 ? 3 : 1));
        p.drawLine(55, y, 65, y);
        const QString text = FormatFloat(QStringLiteral("0 %"), j * 10);
        p.setPen(Qt::black);
        p.drawText(60 - metrik.horizontalAdvance(text) - 10, y - 7 + metrik.ascent(), text);
    }

    int k = 0;
    for (const Kurve& kurve : Kurven) {
        ++k;
        const int feld = t.FieldByName(kurve.feld).Index();
        const double bezug = kurve.querkraft ? qMax : mMax;
        QPolygon linie;
        for (int z = 1; z <= zeilen; ++z) {
            const double wert = t.WertBei(z, feld).toDouble();
            linie << QPoint(Bildpunkt(t.WertBei(z, laenge).toDouble() * dx + 50),
                            y0 - BildpunktHalbGerade(wert * 10 * dy / bezug));
        }
        p.setPen(QPen(kurve.farbe, 1));
        p.drawPolyline(linie);
        p.drawText(70, y0 - 10 - 15 * k + metrik.ascent(), Uebersetzt(kurve.id, QString::fromUtf8(kurve.titel)));
    }
    p.restore();
}

QImage Belastungsdiagramm(QSize groesse, Belastungstabelle& tabelle)
{
    QImage bild(groesse.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    BelastungsdiagrammMalen(maler, groesse, tabelle);
    return bild;
}
