#include "beam/g_cadansicht.h"
#include "beam/g_symbole.h"
#include "beam/u_balkenmodell.h"
#include "beam/u_cadwerkzeuge.h"
#include "platform/u_zahlen.h"
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {

// Within t of a multiple of schritt.
bool nahe(double d, double schritt, double t) { return std::fabs(d - std::round(d / schritt) * schritt) < t; }

struct Zeilenfelder {
    int art, pos1, pos2, oben, groesse, markiert, nummer, last;
};

void zeichneZeilen(QPainter& p, TBClientDataSet& t, const Zeilenfelder& f, const Cadansicht& a,
                   double hoehe, bool lasten)
{
    const int obenZeile = a.Zeile(-hoehe / 2 - 0.03);
    const int untenZeile = a.Zeile(hoehe / 2 + 0.03);
    for (int r = 1; r <= t.RecordCount(); ++r) {
        Symbolangaben s;
        s.art = t.WertBei(r, f.art).toInt();
        s.x1 = a.Spalte(t.WertBei(r, f.pos1).toDouble());
        s.x2 = a.Spalte(t.WertBei(r, f.pos2).toDouble());
        s.oben = t.WertBei(r, f.oben).toBool();
        s.y0 = s.oben ? obenZeile : untenZeile;
        s.nummer = t.WertBei(r, f.nummer).toInt();
        s.markiert = t.WertBei(r, f.markiert).toBool();
        s.negativ = lasten && t.WertBei(r, f.last).toDouble() < 0;
        s.massstab = a.massstab;
        s.groesse = t.WertBei(r, f.groesse).toDouble() * a.zoomfaktor;
        u_symbole::ZeichneSymbol(p, s);
    }
}

Zeilenfelder felder(TBClientDataSet& t, const char* pos1, const char* pos2, const char* last)
{
    const auto i = [&](const char* n) { return t.FieldByName(QString::fromUtf8(n)).Index(); };
    return {i("Type"), i(pos1), i(pos2), i("oben"), i("Groesse"), i("markiert"), i("Nummer"), last ? i(last) : -1};
}

} // namespace

void ZeichneLineal(QPainter& p, const QRect& r, int y, const QColor& farbe, double versatz, const Cadansicht& a)
{
    p.save();
    QPen pen(farbe);
    pen.setWidth(3);
    p.setPen(pen);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(8);
    p.setFont(schrift);
    p.drawLine(r.left(), y, r.right(), y);
    const double t = a.raster / 1.999;
    const QFontMetrics mass(schrift, p.device());
    QString letzterText; // a multiple can fall within reach of two neighbouring columns
    int letzteSpalte = r.left() - 2;
    for (int spalte = r.left(); spalte <= r.right(); ++spalte) {
        const double d = a.XVon(spalte - r.left()) + versatz;
        if (!nahe(d, 10 * a.raster, t))
            continue;
        pen.setWidth(nahe(d, 50 * a.raster, t) ? 3 : 1);
        p.setPen(pen);
        p.drawLine(spalte, y - 4, spalte, y + 5);
        if (nahe(d, 100 * a.raster, t)) {
            const QString text = FormatFloat(a.zahlenformat, d);
            const bool schonGeschrieben = text == letzterText && spalte == letzteSpalte + 1;
            letzterText = text;
            letzteSpalte = spalte;
            if (schonGeschrieben)
                continue;
            const int breite = mass.horizontalAdvance(text);
            p.drawText(QRect(spalte - breite / 2 - 1, y - 20, breite + 2, mass.height()), Qt::AlignCenter, text);
        }
    }
    p.restore();
}

void ZeichneBalken(QPainter& p, const QRect& r, const QColor& hintergrund, const Cadansicht& a, Balkenmodell& m)
{
    p.save();
    p.setClipRect(r);
    p.fillRect(r, hintergrund);
    ZeichneLineal(p, r, r.top() + 20, QColor(0, 0, 128), 0, a);
    ZeichneLineal(p, r, r.top() + 50, QColor(128, 0, 0), a.bezugspunkt, a);

    p.translate(r.left(), r.top());
    const double laenge = m.traverse.laenge, hoehe = m.traverse.hoehe;
    QPen pen(QColor(0, 0, 255));
    pen.setWidth(std::max(1, int(std::lround(std::min(0.05 / a.massstab, 1e6)))));
    p.setPen(pen);
    p.setBrush(QColor(0, 0, 255));
    p.drawRect(QRect(QPoint(a.Spalte(-laenge / 2), a.Zeile(-hoehe / 2)), QPoint(a.Spalte(laenge / 2), a.Zeile(hoehe / 2)))
                   .normalized());

    m.cds_lager.CheckBrowseMode();
    m.cds_lasten.CheckBrowseMode();
    zeichneZeilen(p, m.cds_lager, felder(m.cds_lager, "Position", "Position", nullptr), a, hoehe, false);
    zeichneZeilen(p, m.cds_lasten, felder(m.cds_lasten, "Pos1", "Pos2", "Last"), a, hoehe, true);
    p.restore();
}

void ZeichneFadenkreuz(QPainter& p, const Cadansicht& a, bool mitAuswahlrahmen)
{
    if (a.fadenkreuz.x() < 0)
        return;
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setBrush(Qt::NoBrush);
    if (mitAuswahlrahmen && a.werkzeug == ArtSelektieren) {
        p.setPen(QPen(QColor(0, 128, 0), 1));
        p.drawRect(QRect(QPoint(a.Spalte(a.ankerX), a.Zeile(a.ankerY)), a.fadenkreuz).normalized());
    }
    p.setPen(QPen(Qt::white, 1));
    const int x = a.fadenkreuz.x();
    p.drawLine(x, 16, x, 25);
    p.drawLine(x, 46, x, 55);
    p.restore();
}
