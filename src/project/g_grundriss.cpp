#include "project/g_grundriss.h"
#include "beam/g_symbole.h"
#include "beam/u_beschriftungsplatz.h"
#include "platform/u_bildpunkt.h"
#include <QRect>
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
// Places for a truss number: first above the first end as it always stood, then around that end,
// around the middle and around the second end.
std::vector<QRect> nummernplaetze(QPoint p1, QPoint p2, QSize groesse, int abstand)
{
    std::vector<QRect> plaetze{QRect(QPoint(p1.x() - 10, p1.y() - 18), groesse)};
    const int w = groesse.width(), h = groesse.height();
    for (QPoint p : {p1, (p1 + p2) / 2, p2}) {
        const int links = p.x() - abstand - w, rechts = p.x() + abstand;
        const int oben = p.y() - abstand - h, unten = p.y() + abstand;
        for (QPoint ecke : {QPoint(links, oben), QPoint(rechts, oben), QPoint(links, unten), QPoint(rechts, unten),
                            QPoint(p.x() - w / 2, oben), QPoint(p.x() - w / 2, unten), QPoint(links, p.y() - h / 2),
                            QPoint(rechts, p.y() - h / 2)})
            plaetze.emplace_back(ecke, groesse);
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

    maler.setBrush(Qt::NoBrush);
    for (const Mauerbild& m : mauern) {
        if (m.punkte.size() < 2 || (m.symbol != SymbolLinie && m.symbol != SymbolRechteck))
            continue;
        maler.setPen(stift(m.markiert && stil.markierungen ? u_symbole::Markierfarbe : Qt::black,
                          Stiftbreite(m.breite, a.massstab)));
        const QPoint p1 = a.PlanZuBild(m.punkte[0]), p2 = a.PlanZuBild(m.punkte[1]);
        if (m.symbol == SymbolLinie)
            maler.drawLine(p1, p2);
        else
            maler.drawRect(QRect(p1, p2).normalized().adjusted(0, 0, -1, -1));
    }

    // Lines first, then the numbers where they cover neither a truss nor another number.
    const int breite = Stiftbreite(0.4, a.massstab);
    Beschriftungsplatz platz(QRect(QPoint(0, 0), a.groesse));
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
            const auto box = platz.Platziere(nummernplaetze(a.PlanZuBild(t.ende1), a.PlanZuBild(*t.ende2), groesse,
                                                            breite / 2 + 3));
            if (!box)
                continue;
            nummern.push_back({*box, text, farbe(t)});
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
