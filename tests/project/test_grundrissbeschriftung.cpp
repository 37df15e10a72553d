// Truss numbers of the floor plan: a fixed size at every scale, never over another number or over
// a truss, near their own truss; and marked walls and trusses in the marking colour.
#include "project/g_grundriss.h"
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QColor Grund(240, 240, 240);

Traversenbild traverse(int nummer, QPointF von, QPointF bis, bool markiert = false)
{
    Traversenbild t;
    t.nummer = nummer;
    t.ende1 = von;
    t.ende2 = bis;
    t.markiert = markiert;
    return t;
}

struct Plan {
    QImage bild;
    std::vector<Beschriftung> nummern;
};

Plan zeichne(double massstab, const std::vector<Traversenbild>& traversen, const std::vector<Mauerbild>& mauern = {})
{
    Planabbildung a;
    a.massstab = massstab;
    a.groesse = QSize(800, 600);
    Plan p{QImage(a.groesse, QImage::Format_RGB32), {}};
    QPainter maler(&p.bild);
    p.nummern = ZeichneGrundriss(maler, a, mauern, traversen, Grund);
    return p;
}

// Whether a line of the given pen width comes within the box, walking it in quarter pixels.
bool beruehrt(QPointF p1, QPointF p2, double stift, const QRect& box)
{
    const QRectF r = QRectF(box).adjusted(-stift / 2, -stift / 2, stift / 2, stift / 2);
    const double laenge = std::hypot(p2.x() - p1.x(), p2.y() - p1.y());
    for (double s = 0; s <= laenge; s += 0.25)
        if (r.contains(p1 + (p2 - p1) * (s / laenge)))
            return true;
    return false;
}

// Six trusses leaving one point like a star, two more close beside each other.
std::vector<Traversenbild> stern()
{
    std::vector<Traversenbild> t;
    for (int i = 0; i < 6; ++i) {
        const double winkel = i * M_PI / 3;
        t.push_back(traverse(i + 1, {0, 0}, {6 * std::cos(winkel), 6 * std::sin(winkel)}));
    }
    t.push_back(traverse(7, {-8, 5}, {8, 5}));
    t.push_back(traverse(8, {-8, 5.3}, {8, 5.3}));
    return t;
}

} // namespace

TEST(Grundrissnummern, JedeTraverseZeigtIhreNummerOhneUeberschneidung)
{
    const std::vector<Traversenbild> traversen = stern();
    for (double massstab : {0.05, 0.1}) {
        const Plan p = zeichne(massstab, traversen);
        ASSERT_EQ(p.nummern.size(), traversen.size()) << massstab;
        // plan point to pixel by hand: the centre (0, 0) at (400, 300)
        const auto pixel = [&](QPointF plan) { return QPointF(400 + plan.x() / massstab, 300 + plan.y() / massstab); };
        const double stift = std::max(1.0, std::nearbyint(0.4 / massstab));
        for (std::size_t i = 0; i < p.nummern.size(); ++i) {
            const Beschriftung& n = p.nummern[i];
            for (std::size_t j = i + 1; j < p.nummern.size(); ++j)
                EXPECT_FALSE(n.box.intersects(p.nummern[j].box)) << n.text.toStdString();
            double naechste = 1e9;
            const Traversenbild* eigene = nullptr;
            for (const Traversenbild& t : traversen) {
                const QPointF a = pixel(t.ende1), b = pixel(*t.ende2);
                EXPECT_FALSE(beruehrt(a, b, stift, n.box)) << n.text.toStdString() << " on truss " << t.nummer;
                if (t.nummer == n.text.toInt())
                    eigene = &t;
            }
            ASSERT_TRUE(eigene) << n.text.toStdString();
            // near its own truss: within 30 pixels of one of its points (ends or middle)
            const QPointF a = pixel(eigene->ende1), b = pixel(*eigene->ende2);
            for (QPointF q : {a, (a + b) / 2, b})
                naechste = std::min(naechste, std::hypot(n.box.center().x() - q.x(), n.box.center().y() - q.y()));
            EXPECT_LT(naechste, 30) << n.text.toStdString() << " at " << massstab;
            EXPECT_EQ(n.farbe, QColor(0, 0, 255));
        }
    }
}

TEST(Grundrissnummern, HabenBeiJedemMassstabDieselbeGroesse)
{
    const std::vector<Traversenbild> traversen{traverse(12, {-2, 0}, {2, 0})};
    int hoehe = -1;
    for (double massstab : {0.01, 0.05, 0.5}) {
        const Plan p = zeichne(massstab, traversen);
        ASSERT_EQ(p.nummern.size(), 1u) << massstab;
        if (hoehe < 0)
            hoehe = p.nummern[0].box.height();
        EXPECT_EQ(p.nummern[0].box.height(), hoehe) << massstab;
        // the text is really there: blue ink (smoothed, so of blue hue) inside the box
        int blau = 0;
        const QRect& box = p.nummern[0].box;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor c = p.bild.pixelColor(x, y);
                blau += c.hsvSaturation() > 80 && std::abs(c.hsvHue() - 240) <= 15;
            }
        EXPECT_GT(blau, 3) << massstab;
    }
    EXPECT_GE(hoehe, 12);
}

TEST(Grundrissnummern, MarkierteMauerUndTraverseInDerMarkierfarbe)
{
    Mauerbild markiert, frei;
    markiert.symbol = frei.symbol = SymbolLinie;
    markiert.breite = frei.breite = 0.3;
    markiert.markiert = true;
    markiert.punkte = {{-10, -5}, {10, -5}};
    frei.punkte = {{-10, 5}, {10, 5}};
    const Plan p = zeichne(0.1, {traverse(1, {-10, 10}, {10, 10}, true)}, {markiert, frei});
    // pixels by hand: x 0 at column 400, y −5 at row 250, y 5 at row 350, y 10 at row 400
    EXPECT_EQ(p.bild.pixelColor(400, 250), u_symbole::Markierfarbe);
    EXPECT_EQ(p.bild.pixelColor(400, 350), QColor(Qt::black));
    EXPECT_EQ(p.bild.pixelColor(400, 400), u_symbole::Markierfarbe);
    ASSERT_EQ(p.nummern.size(), 1u);
    EXPECT_EQ(p.nummern[0].farbe, u_symbole::Markierfarbe);
}
