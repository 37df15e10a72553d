// Truss numbers of the floor plan: a fixed size at every scale, never over another number or over
// a truss, near their own truss; and marked walls and trusses in the marking colour.
#include "project/g_grundriss.h"
#include <QImage>
#include <QPainter>
#include <algorithm>
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

// Distance of a point from a segment, by projection.
double abstand(QPointF q, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double t = std::clamp(QPointF::dotProduct(q - a, d) / QPointF::dotProduct(d, d), 0.0, 1.0);
    const QPointF f = a + d * t;
    return std::hypot(q.x() - f.x(), q.y() - f.y());
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

// Four trusses round a stage inside its wall, the sides starting 0.4 m from the corners as in the
// example project: every number stands nearer its own truss than any other.
TEST(Grundrissnummern, AnDenEckenEinerBuehneGehoertJedeNummerZuIhrerTraverse)
{
    const std::vector<Traversenbild> traversen{traverse(1, {-6, -4}, {6, -4}), traverse(2, {-6, 4}, {6, 4}),
                                               traverse(3, {-6, -3.6}, {-6, 3.6}), traverse(4, {6, -3.6}, {6, 3.6})};
    Mauerbild buehne;
    buehne.symbol = SymbolRechteck;
    buehne.breite = 0.05;
    buehne.punkte = {{-6.4, -4.4}, {6.4, 4.4}};
    for (double massstab : {0.02, 0.05}) {
        const Plan p = zeichne(massstab, traversen, {buehne});
        ASSERT_EQ(p.nummern.size(), 4u) << massstab;
        const auto pixel = [&](QPointF plan) { return QPointF(400 + plan.x() / massstab, 300 + plan.y() / massstab); };
        for (const Beschriftung& n : p.nummern) {
            const QPointF mitte = QRectF(n.box).center();
            const Traversenbild& eigene = traversen[std::size_t(n.text.toInt() - 1)];
            const double eigen = abstand(mitte, pixel(eigene.ende1), pixel(*eigene.ende2));
            for (const Traversenbild& t : traversen)
                if (t.nummer != eigene.nummer)
                    EXPECT_LT(eigen, abstand(mitte, pixel(t.ende1), pixel(*t.ende2)))
                        << n.text.toStdString() << " nearer " << t.nummer << " at " << massstab;
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

TEST(Grundrissnummern, WeichenMauernAusUndStehenSonstAufFreiemGrund)
{
    // A wall 0.5 m before the truss runs through the number's first place (18 to 4 pixels above
    // the first end at 0.05 m per pixel): the number goes where the wall is not.
    Mauerbild wand;
    wand.symbol = SymbolLinie;
    wand.breite = 0.1;
    wand.punkte = {{-10, -0.5}, {10, -0.5}};
    const std::vector<Traversenbild> traversen{traverse(5, {-5, 0}, {5, 0})};
    const Plan frei = zeichne(0.05, traversen, {wand});
    ASSERT_EQ(frei.nummern.size(), 1u);
    EXPECT_FALSE(beruehrt(QPointF(200, 290), QPointF(600, 290), 2, frei.nummern[0].box));

    // Podiums of 0.5 m (10 pixels) everywhere leave no place off the walls: the number still
    // stands, on cleared ground without a wall pixel in it.
    std::vector<Mauerbild> podeste;
    for (int i = -20; i < 20; ++i)
        for (int j = -14; j < 14; ++j) {
            Mauerbild p;
            p.symbol = SymbolRechteck;
            p.breite = 0.05;
            p.punkte = {{i * 0.5, j * 0.5}, {i * 0.5 + 0.5, j * 0.5 + 0.5}};
            podeste.push_back(p);
        }
    const Plan voll = zeichne(0.05, traversen, podeste);
    ASSERT_EQ(voll.nummern.size(), 1u);
    const QRect& box = voll.nummern[0].box;
    int schwarz = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            schwarz += voll.bild.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_EQ(schwarz, 0);
}
