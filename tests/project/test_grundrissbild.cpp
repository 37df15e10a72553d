// The painted floor plan: a truss waiting for its second click, pen widths, the marking colour,
// and a whole stage plan saved for a look by eye.
#include "grundrisshilfen.h"
#include "project/g_grundriss.h"
#include "project/u_projektfelder.h"
#include "tables/u_tabelle.h"
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

TField& f(TBClientDataSet& t, Feldname name) { return t.FieldByName(name); }

class Grundriss : public Grundrissaufbau {
protected:
    QImage bild()
    {
        QImage b(g.groesse, QImage::Format_RGB32);
        QPainter maler(&b);
        ZeichneGrundriss(maler, g, QColor(240, 240, 240));
        return b;
    }
    int pixelInSpalte(const QImage& b, int x, QRgb farbe)
    {
        int n = 0;
        for (int y = 0; y < b.height(); ++y)
            n += b.pixel(x, y) == farbe;
        return n;
    }
};

} // namespace

TEST_F(Grundriss, TraverseOhneZweitenKlickWirdNichtGezeichnetUndZaehltBeimEinpassenAlsNullpunkt)
{
    g.WerkzeugSetzen(WerkzeugTraverse);
    klick(4, 6);
    g.WerkzeugSetzen(WerkzeugSelektieren);
    ASSERT_EQ(g.Traversen().size(), 1u);
    EXPECT_FALSE(g.Traversen()[0].ende2.has_value());
    EXPECT_TRUE(f(p.cds_projekt, Projektfeld::Position_X2).IsNull());
    EXPECT_EQ(f(p.cds_projekt, Projektfeld::Sortierung).AsInteger(), 0);

    const QImage b = bild();
    int blau = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            blau += b.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_EQ(blau, 0);

    g.Einpassen();
    EXPECT_EQ(g.planmitte, QPointF(2, 3));
    EXPECT_DOUBLE_EQ(g.massstab, 0.05); // 6 m over 260 pixels
}

TEST_F(Grundriss, LinienbreiteInPixelnBeiZweiMassstaeben)
{
    linie(-10, 5, 10, 5, QStringLiteral("0,3"));
    const QRgb schwarz = qRgb(0, 0, 0);
    const int x = g.PlanZuBild(QPointF(5, 5)).x();
    EXPECT_EQ(pixelInSpalte(bild(), x, schwarz), 3);
    g.massstab = 1;
    EXPECT_EQ(pixelInSpalte(bild(), g.PlanZuBild(QPointF(5, 5)).x(), schwarz), 1);
    EXPECT_EQ(Stiftbreite(0.3, 0.1), 3);
    EXPECT_EQ(Stiftbreite(0.4, 0.1), 4);
    EXPECT_EQ(Stiftbreite(0.3, 1), 1);
}

TEST_F(Grundriss, MarkierteTraverseErscheintInDerMarkierfarbeDieAndereBlau)
{
    traverse(-5, 0, 5, 0);
    traverse(-5, 5, 5, 5);
    g.WerkzeugSetzen(WerkzeugSelektieren);
    klick(5, 5);
    const QImage b = bild();
    const int x = g.PlanZuBild(QPointF(0, 0)).x() + 30;
    EXPECT_EQ(pixelInSpalte(b, x, qRgb(0, 0, 255)), 4);
    EXPECT_EQ(pixelInSpalte(b, x, u_symbole::Markierfarbe.rgb()), 4);
}

TEST_F(Grundriss, BuehnenplanAlsBild)
{
    // Stage, side walls, a podium grid and four trusses, written for a look at the drawing.
    g.groesse = QSize(640, 480);
    g.WerkzeugSetzen(WerkzeugRechteck);
    klick(-12, -8);
    klick(12, 10);
    linie(-12, 4, -6, 4);
    linie(6, 4, 12, 4);
    g.WerkzeugSetzen(WerkzeugPodestHoriz);
    g.anzahlX = 4;
    g.anzahlY = 3;
    klick(-4, -6);
    traverse(-6, -7, 6, -7);
    traverse(-6, -2, 6, -2);
    traverse(-7, -7, -7, 2);
    traverse(7, -7, 7, 2);
    g.WerkzeugSetzen(WerkzeugSelektieren);
    klick(7, 2);
    g.Einpassen();
    EXPECT_DOUBLE_EQ(g.massstab, 0.05);
    QImage b(g.groesse, QImage::Format_RGB32);
    {
        QPainter maler(&b);
        ZeichneGrundriss(maler, g, QColor(240, 240, 240));
        ZeichneCursor(maler, g.Band(g.PlanZuBild(QPointF(9, 6)), true), g.PlanZuBild(QPointF(9, 6)));
    }
    EXPECT_EQ(b.pixel(g.PlanZuBild(QPointF(0, -7))), qRgb(0, 0, 255));
    EXPECT_EQ(b.pixel(g.PlanZuBild(QPointF(7, 0))), u_symbole::Markierfarbe.rgb());
    EXPECT_EQ(b.pixel(g.PlanZuBild(QPointF(9, 6))), qRgb(255, 0, 0));
    EXPECT_TRUE(b.save(QStringLiteral(KELVARA_BINAER "/grundriss.png")));
}
