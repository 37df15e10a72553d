// The floor plan's paint box driven by synthetic mouse events: clicks by tool, the refused
// width as a message, right-click centring, the info texts and the painted cursor cross.
#include "fensterhilfen.h"
#include "platform/u_dialoge_skript.h"
#include "project/fo_grundrissbox.h"
#include "project/u_projektmodell.h"
#include <QCursor>
#include <QWheelEvent>
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

// Shift over the plan centres on the cursor at twice the detail; released, the plan is back
// where it was, and the pointer, 40 pixels right of the middle at 0,05 m per pixel (x = 7),
// goes to where 7 m now is: 70 pixels right of the middle. Without the pointer over the plan
// the keys do nothing.
TEST_F(Grundrissbox, UmschaltZeigtDoppelteDetailsAmCursorUndLoslassenKehrtZurueck)
{
    g.planmitte = QPointF(0, 0);
    maus(&box, QEvent::MouseMove, bei(5, 5));
    EXPECT_TRUE(box.StufeSetzen(2));
    EXPECT_EQ(g.planmitte, QPointF(5, 5));
    EXPECT_EQ(g.modifikatorstufe, 2);
    EXPECT_EQ(g.PlanZuBild(QPointF(6, 5)), QPoint(220, 150)); // 1 m is now 20 pixels
    EXPECT_FALSE(box.StufeSetzen(2));
    maus(&box, QEvent::MouseMove, QPoint(240, 150)); // 2 m right of the centre
    EXPECT_TRUE(box.StufeSetzen(1));
    EXPECT_EQ(g.planmitte, QPointF(0, 0));
    EXPECT_EQ(g.modifikatorstufe, 1);
    EXPECT_EQ(QCursor::pos(), box.mapToGlobal(QPoint(270, 200)));

    QEvent weg(QEvent::Leave);
    QApplication::sendEvent(&box, &weg);
    EXPECT_FALSE(box.StufeSetzen(5));
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

namespace {
void rad(QWidget* w, QPoint pos, int winkel)
{
    QWheelEvent e(QPointF(pos), w->mapToGlobal(QPointF(pos)), QPoint(), QPoint(0, winkel), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}
} // namespace

// At 0,1 m per pixel the box's centre (200, 150) shows (0, 0), so the pixel (300, 100) shows
// (10, −5). One notch in makes it 0,05 m per pixel and (10, −5) must stay at (300, 100): the
// centre becomes (10 − 100 · 0,05, −5 + 50 · 0,05) = (5, −2,5). Two half notches of a touch pad
// make one step; a notch out goes back; the list ends at 1 m per pixel.
TEST_F(Grundrissbox, RadZoomtUmDenZeigerDurchDieMassstaebe)
{
    std::vector<double> gemeldet;
    QObject::connect(&box, &TGrundrissbox::massstabGeaendert, [&](double m) { gemeldet.push_back(m); });
    rad(&box, QPoint(300, 100), 120);
    EXPECT_DOUBLE_EQ(g.massstab, 0.05);
    EXPECT_NEAR(g.planmitte.x(), 5, 1e-9);
    EXPECT_NEAR(g.planmitte.y(), -2.5, 1e-9);
    EXPECT_EQ(g.PlanZuBild(QPointF(10, -5)), QPoint(300, 100));
    rad(&box, QPoint(300, 100), -60);
    EXPECT_DOUBLE_EQ(g.massstab, 0.05);
    rad(&box, QPoint(300, 100), -60);
    EXPECT_DOUBLE_EQ(g.massstab, 0.1);
    EXPECT_EQ(g.PlanZuBild(QPointF(10, -5)), QPoint(300, 100));
    for (int i = 0; i < 6; ++i)
        rad(&box, QPoint(200, 150), -120);
    EXPECT_DOUBLE_EQ(g.massstab, 1);
    EXPECT_EQ(gemeldet, (std::vector<double>{0.05, 0.1, 0.2, 0.5, 1}));
}

// Dragging with the middle button 30 pixels right and 20 down at 0,1 m per pixel moves the
// plan with the pointer: the centre moves 3 m left and 2 m up; no tool acts.
TEST_F(Grundrissbox, MittlereTasteZiehtDenPlan)
{
    g.WerkzeugSetzen(WerkzeugLinie);
    maus(&box, QEvent::MouseButtonPress, QPoint(100, 100), Qt::MiddleButton, Qt::MiddleButton);
    maus(&box, QEvent::MouseMove, QPoint(120, 110), Qt::NoButton, Qt::MiddleButton);
    maus(&box, QEvent::MouseMove, QPoint(130, 120), Qt::NoButton, Qt::MiddleButton);
    maus(&box, QEvent::MouseButtonRelease, QPoint(130, 120), Qt::MiddleButton, Qt::NoButton);
    EXPECT_NEAR(g.planmitte.x(), -3, 1e-9);
    EXPECT_NEAR(g.planmitte.y(), -2, 1e-9);
    EXPECT_EQ(p.cds_mauern.RecordCount(), 0);
    maus(&box, QEvent::MouseMove, QPoint(160, 120));
    EXPECT_NEAR(g.planmitte.x(), -3, 1e-9); // released: moving no longer drags
}

// Esc after the first click of a truss, a line or a rectangle removes what that click began
// and leaves the tool ready for a new first click; a finished element stays.
TEST_F(Grundrissbox, EscBrichtEinZweiKlickWerkzeugOhneGeisterteilAb)
{
    const auto esc = [this] {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&box, &e);
    };
    g.WerkzeugSetzen(WerkzeugTraverse);
    klicke(&box, bei(1, 1));
    klicke(&box, bei(5, 1));
    klicke(&box, bei(1, 3));
    ASSERT_EQ(p.cds_projekt.RecordCount(), 2);
    esc();
    EXPECT_EQ(p.cds_projekt.RecordCount(), 1);
    EXPECT_FALSE(g.ErsterPunktGesetzt());
    ASSERT_EQ(g.Traversen().size(), 1u);
    EXPECT_EQ(g.Traversen()[0].ende2, QPointF(5, 1));
    klicke(&box, bei(2, 2));
    klicke(&box, bei(6, 2));
    EXPECT_EQ(g.Traversen().size(), 2u);

    for (int werkzeug : {WerkzeugLinie, WerkzeugRechteck}) {
        g.WerkzeugSetzen(werkzeug);
        klicke(&box, bei(0, 0));
        ASSERT_EQ(p.cds_mauern.RecordCount(), 1);
        esc();
        EXPECT_EQ(p.cds_mauern.RecordCount(), 0);
        EXPECT_EQ(p.cds_punkte.RecordCount(), 0);
    }
    esc(); // nothing begun: nothing happens
    EXPECT_EQ(g.Traversen().size(), 2u);
}

// A truss from (−5, 0) to (5, 0) and one from (−5, 2) to (5, 2): a click at (0, 0,3), far from
// every end, picks the first (0,3 m from it, within 5 · 0,1 m) and not the second (1,7 m away).
TEST_F(Grundrissbox, TraverseWirdUeberallAufIhrerLaengeGewaehlt)
{
    g.WerkzeugSetzen(WerkzeugTraverse);
    for (double y : {0.0, 2.0}) {
        klicke(&box, bei(-5, y));
        klicke(&box, bei(5, y));
    }
    g.WerkzeugSetzen(WerkzeugSelektieren);
    klicke(&box, bei(0, 0.3));
    auto t = g.Traversen();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_TRUE(t[0].markiert);
    EXPECT_FALSE(t[1].markiert);
    klicke(&box, bei(0, 1.2)); // 1,2 m and 0,8 m away: neither
    t = g.Traversen();
    EXPECT_FALSE(t[0].markiert);
    EXPECT_FALSE(t[1].markiert);
}
