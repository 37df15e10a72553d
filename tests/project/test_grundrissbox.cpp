// The floor plan's paint box driven by synthetic mouse events: clicks by tool, the refused
// width as a message, right-click centring, the info texts and the painted cursor cross.
#include "fensterhilfen.h"
#include "platform/u_dialoge_skript.h"
#include "project/fo_grundrissbox.h"
#include "project/u_projektmodell.h"
#include <gtest/gtest.h>

namespace {
class Grundrissbox : public ::testing::Test {
protected:
    Projektmodell p;
    Grundrisswerkzeuge g{p};
    TGrundrissbox box{g};
    std::vector<Planinfo> infos;

    void SetUp() override
    {
        box.resize(400, 300);
        box.show();
        QObject::connect(&box, &TGrundrissbox::infoGeaendert, [this](const Planinfo& i) { infos.push_back(i); });
    }
    QPoint bei(double x, double y) const { return g.PlanZuBild(QPointF(x, y)); }
};
} // namespace

TEST_F(Grundrissbox, ZweiKlicksMitDemLinienwerkzeugGebenEineMauer)
{
    EXPECT_EQ(g.groesse, QSize(400, 300));
    g.WerkzeugSetzen(WerkzeugLinie);
    klicke(&box, bei(1, 1) + QPoint(3, -2)); // snaps to (1, 1)
    maus(&box, QEvent::MouseMove, bei(4, 5));
    ASSERT_FALSE(infos.empty());
    EXPECT_EQ(infos.back().x, QStringLiteral("x: 4,00 m"));
    EXPECT_EQ(infos.back().y, QStringLiteral("y: 5,00 m"));
    EXPECT_EQ(infos.back().l, QStringLiteral("L: 5,00 m"));
    EXPECT_EQ(infos.back().w, QStringLiteral("W: 53,13° "));
    EXPECT_EQ(box.Kreuz(), bei(4, 5));
    klicke(&box, bei(4, 5));
    const auto m = g.Mauern();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].punkte, (std::vector<QPointF>{{1, 1}, {4, 5}}));
    EXPECT_TRUE(p.Geaendert());

    // Without a first point the tools 1, 2, 6 and 7 show no distances.
    maus(&box, QEvent::MouseMove, bei(2, 2));
    EXPECT_TRUE(infos.back().dx.isEmpty());
    EXPECT_TRUE(infos.back().w.isEmpty());
}

TEST_F(Grundrissbox, UngueltigeBreiteWirdGemeldetUndLegtNichtsAn)
{
    g.WerkzeugSetzen(WerkzeugRechteck);
    g.breite = QStringLiteral("0,3m");
    SkriptDialoge d;
    d.erwarteMeldung(QStringLiteral("'0,3m' ist kein gültiger Fließkommawert für Feld 'Breite'"));
    klicke(&box, bei(1, 1));
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_EQ(p.cds_mauern.RecordCount(), 0);
    EXPECT_FALSE(g.ErsterPunktGesetzt());
}

TEST_F(Grundrissbox, RechtsklickZentriertAufDenGerastetenCursor)
{
    klicke(&box, bei(3, -2) + QPoint(2, 1), Qt::RightButton);
    EXPECT_EQ(g.planmitte, QPointF(3, -2));
    EXPECT_EQ(g.PlanZuBild(QPointF(3, -2)), QPoint(200, 150));
}

TEST_F(Grundrissbox, UmschaltZeigtDoppelteDetailsAmCursorUndLoslassenZentriertWieder)
{
    maus(&box, QEvent::MouseMove, bei(5, 5));
    EXPECT_TRUE(box.StufeSetzen(2));
    EXPECT_EQ(g.planmitte, QPointF(5, 5));
    EXPECT_EQ(g.modifikatorstufe, 2);
    EXPECT_EQ(g.PlanZuBild(QPointF(6, 5)), QPoint(220, 150)); // 1 m is now 20 pixels
    EXPECT_FALSE(box.StufeSetzen(2));
    maus(&box, QEvent::MouseMove, QPoint(240, 150)); // 2 m right of the centre
    EXPECT_TRUE(box.StufeSetzen(1));
    EXPECT_EQ(g.planmitte, QPointF(7, 5));
    EXPECT_EQ(g.modifikatorstufe, 1);
}

TEST_F(Grundrissbox, ZiehenImWaehlwerkzeugMarkiertUndZeichnetDasGummiband)
{
    g.WerkzeugSetzen(WerkzeugLinie);
    klicke(&box, bei(1, 1));
    klicke(&box, bei(2, 1));
    g.WerkzeugSetzen(WerkzeugSelektieren);
    maus(&box, QEvent::MouseMove, bei(0, 0));
    maus(&box, QEvent::MouseButtonPress, bei(0, 0), Qt::LeftButton, Qt::LeftButton);
    maus(&box, QEvent::MouseMove, bei(3, 2), Qt::NoButton, Qt::LeftButton);
    const QImage bild = box.grab().toImage();
    EXPECT_EQ(bild.pixel(bei(3, 0) + QPoint(0, 5)), qRgb(0, 128, 0)); // right edge of the band
    maus(&box, QEvent::MouseButtonRelease, bei(3, 2), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(g.Mauern()[0].markiert);
    EXPECT_EQ(infos.back().dx, QStringLiteral("dx: 3,00 m"));
}
