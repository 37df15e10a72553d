#include "project/g_grundriss.h"
#include "beam/g_symbole.h"
#include "beam/u_beschriftungsplatz.h"
#include "platform/u_bildpunkt.h"
#include <QRect>
#include <algorithm>
#include <cmath>

namespace {
const QColor Grau(128, 128, 128), Silber(192, 192, 192), Dunkelrot(128, 0, 0);
const QColor Blau(0, 0, 255), Gruen(0, 128, 0), Rot(255, 0, 0);

// Whether the plan coordinate lies on a grid line of the given spacing, to within half a pixel.
bool aufLinie(double wert, double abstand, double massstab)
{
    return std::abs(wert - abstand * std::nearbyint(wert / abstand)) < massstab / 1.999;
}

QPen punktiert(const QColor& farbe)
{
    QPen stift(farbe, 1);
    stift.setDashPattern({1, 1});
    return stift;
}

void raster(QPainter& maler, const Planabbildung& a)
{
    const double m = a.massstab;
    const int w = a.groesse.width(), h = a.groesse.height();
    for (int px = 0; px < w; ++px) {
        const double x = a.BildZuPlan(QPoint(px, 0)).x();
        if (aufLinie(x, 50 * m, m)) {
            maler.setPen(punktiert(aufLinie(x, 100 * m, m) ? Grau : Silber));
            maler.drawLine(px, 0, px, h);
        }
    }
    for (int py = 0; py < h; ++py) {
        const double y = a.BildZuPlan(QPoint(0, py)).y();
        if (aufLinie(y, 50 * m, m)) {
            maler.setPen(punktiert(aufLinie(y, 100 * m, m) ? Grau : Silber));
            maler.drawLine(0, py, w, py);
        }
    }
}

QPen stift(const QColor& farbe, int breite)
{
    QPen s(farbe, breite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    return s;
}
// Places for a truss number: first above the first end as it always stood, then beside its own
// line (left of it, then right, looking from the first end) near the first end, at the middle and
// near the second end, so that a number never sits closer to another truss than to its own.
std::vector<QRect> nummernplaetze(QPoint p1, QPoint p2, QSize groesse, int abstand)
{
    std::vector<QRect> plaetze{QRect(QPoint(p1.x() - 10, p1.y() - 18), groesse)};
    const QPointF d = p2 - p1;
    const double laenge = std::hypot(d.x(), d.y());
    if (laenge < 1)
        return plaetze;
    const QPointF u = d / laenge, n(u.y(), -u.x());
    const double w = groesse.width(), h = groesse.height();
    const double quer = abstand + std::abs(n.x()) * w / 2 + std::abs(n.y()) * h / 2; // centre off the line
    // along the line at least as far as off it, so a truss meeting this end lies further away
    const double laengs = std::min(laenge / 2, quer + std::abs(u.x()) * w / 2 + std::abs(u.y()) * h / 2);
    for (double s : {laengs, laenge / 2, laenge - laengs})
        for (int seite : {1, -1}) {
            const QPointF mitte = QPointF(p1) + u * s + n * (seite * quer);
            plaetze.emplace_back(QPoint(int(std::lround(mitte.x() - w / 2)), int(std::lround(mitte.y() - h / 2))), groesse);
        }
    return plaetze;
}

} // namespace

int Stiftbreite(double breite, double massstab) { return std::max(1, BildpunktHalbGerade(breite / massstab)); }

std::vector<Beschriftung> ZeichneGrundriss(QPainter& maler, const Grundrisswerkzeuge& a, const QColor& hintergrund)
{
    return ZeichneGrundriss(maler, a, a.Mauern(), a.Traversen(), hintergrund);
}

std::vector<Beschriftung> ZeichneGrundriss(QPainter& maler, const Planabbildung& a, const std::vector<Mauerbild>& mauern,
                                           const std::vector<Traversenbild>& traversen, const QColor& hintergrund,
                                           Grundrissstil stil)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.fillRect(QRect(QPoint(0, 0), a.groesse), hintergrund);
    raster(maler, a);

    const QPoint null = a.PlanZuBild(QPointF(0, 0));
    maler.setPen(stift(Dunkelrot, 1));
    maler.drawLine(null.x() - 10, null.y(), null.x() + 10, null.y());
    maler.drawLine(null.x(), null.y() - 10, null.x(), null.y() + 10);

    // Numbers keep off walls where they can (waende), and off trusses and each other always (platz).
    const QRect flaeche(QPoint(0, 0), a.groesse);
    Beschriftungsplatz platz(flaeche), waende(flaeche);
    maler.setBrush(Qt::NoBrush);
    for (const Mauerbild& m : mauern) {
        if (m.punkte.size() < 2 || (m.symbol != SymbolLinie && m.symbol != SymbolRechteck))
            continue;
        const int mauerbreite = Stiftbreite(m.breite, a.massstab);
        maler.setPen(stift(m.markiert && stil.markierungen ? u_symbole::Markierfarbe : Qt::black, mauerbreite));
        const QPoint p1 = a.PlanZuBild(m.punkte[0]), p2 = a.PlanZuBild(m.punkte[1]);
        if (m.symbol == SymbolLinie) {
            maler.drawLine(p1, p2);
            waende.Sperre(QLineF(p1, p2), mauerbreite / 2.0 + 1);
            continue;
        }
        const QRect r = QRect(p1, p2).normalized().adjusted(0, 0, -1, -1);
        maler.drawRect(r);
        for (const QLineF& seite : {QLineF(r.topLeft(), r.topRight()), QLineF(r.topRight(), r.bottomRight()),
                                    QLineF(r.bottomRight(), r.bottomLeft()), QLineF(r.bottomLeft(), r.topLeft())})
            waende.Sperre(seite, mauerbreite / 2.0 + 1);
    }

    // Lines first, then the numbers.
    const int breite = Stiftbreite(0.4, a.massstab);
    const auto farbe = [&](const Traversenbild& t) {
        return t.markiert && stil.markierungen ? u_symbole::Markierfarbe : Blau;
    };
    for (const Traversenbild& t : traversen) {
        if (!t.ende2)
            continue;
        const QPoint p1 = a.PlanZuBild(t.ende1), p2 = a.PlanZuBild(*t.ende2);
        maler.setPen(stift(farbe(t), breite));
        maler.drawLine(p1, p2);
        platz.Sperre(QLineF(p1, p2), breite / 2.0 + 1);
    }
    std::vector<Beschriftung> nummern;
    if (stil.nummern) {
        maler.setFont(u_symbole::Beschriftungsschrift());
        const QFontMetrics fm(maler.font());
        for (const Traversenbild& t : traversen) {
            if (!t.ende2)
                continue;
            const QString text = QString::number(t.nummer);
            const QSize groesse(fm.horizontalAdvance(text) + 2, fm.height());
            const std::vector<QRect> plaetze =
                nummernplaetze(a.PlanZuBild(t.ende1), a.PlanZuBild(*t.ende2), groesse, breite / 2 + 3);
            auto box = std::find_if(plaetze.begin(), plaetze.end(),
                                    [&](const QRect& p) { return platz.Frei(p) && waende.Frei(p); });
            if (box == plaetze.end())
                box = std::find_if(plaetze.begin(), plaetze.end(), [&](const QRect& p) { return platz.Frei(p); });
            if (box == plaetze.end())
                continue;
            platz.Sperre(*box);
            nummern.push_back({*box, text, farbe(t)});
            maler.fillRect(*box, hintergrund); // a wall or the grid beneath does not cross it
            maler.setPen(stift(farbe(t), 1));
            maler.drawText(*box, Qt::AlignCenter, text);
        }
    }
    maler.restore();
    return nummern;
}

void ZeichneCursor(QPainter& maler, const std::optional<Gummiband>& band, QPoint kreuz)
{
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setBrush(Qt::NoBrush);
    if (band) {
        maler.setPen(stift(Gruen, 1));
        if (band->form == Gummiband::Linie)
            maler.drawLine(band->von, band->bis);
        else
            maler.drawRect(QRect(band->von, band->bis).normalized().adjusted(0, 0, -1, -1));
    }
    maler.setPen(stift(Rot, 3));
    maler.drawLine(kreuz.x(), kreuz.y() - 5, kreuz.x(), kreuz.y() + 6);
    maler.drawLine(kreuz.x() - 5, kreuz.y(), kreuz.x() + 6, kreuz.y());
    maler.restore();
}
