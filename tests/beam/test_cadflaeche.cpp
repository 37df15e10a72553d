// The CAD view of the beam editor navigated with the mouse and the keyboard: the wheel zooms
// about the pointer through the slider's scales, the middle button and Space with the left one
// drag the beam, a middle double click shows the whole truss, Esc cancels a tool half-way.
#include "beam/fo_cadflaeche.h"
#include "project/fensterhilfen.h"
#include "reiterhilfen.h"
#include <QLabel>
#include <QSlider>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>

namespace {

struct Cadreiter : Editorreiter {
    Cadreiter() : Editorreiter(&Tfrm_variante::tab_cad) {}
    ~Cadreiter() { EXPECT_TRUE(skript.unerwartet.isEmpty()) << skript.unerwartet.join(u'|').toStdString(); }
    Cadansicht& a() { return f.ansicht; }
    QWidget* cad() { return f.pbCAD; }
    QPoint bei(double x, double y = 1) { return {a().Spalte(x), a().Zeile(y)}; }
    void klick(double x, double y = 1) { klicke(cad(), bei(x, y)); }
    void rad(QPoint pos, int winkel)
    {
        QWheelEvent e(QPointF(pos), cad()->mapToGlobal(QPointF(pos)), QPoint(), QPoint(0, winkel), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(cad(), &e);
    }
    void taste(QEvent::Type art, int code)
    {
        QKeyEvent e(art, code, Qt::NoModifier);
        QApplication::sendEvent(cad(), &e);
    }
    void werkzeug(int code) { f.werkzeugknoepfe[std::size_t(code)]->click(); }
};

} // namespace

// At the slider's 10 (0,1 m per pixel) the column 100 pixels right of the middle shows x = 10 m.
// One notch in is the slider's 11, 10^−1,1 m per pixel, and 10 m stays under the pointer: the
// centre becomes 10 − 100 · 10^−1,1. Two half notches out go back to 0,1 and the centre to 0.
TEST(Cadnavigation, RadZoomtUmDenZeigerUeberDieReglerstufen)
{
    Cadreiter e;
    const int mitte = e.cad()->width() / 2;
    const QPoint zeiger(mitte + 100, e.a().Zeile(1));
    e.rad(zeiger, 120);
    EXPECT_EQ(e.f.tbSize->value(), 11);
    EXPECT_NEAR(e.a().massstab, std::pow(10.0, -1.1), 1e-12);
    EXPECT_NEAR(e.a().ansichtsmitte, 10 - 100 * std::pow(10.0, -1.1), 1e-9);
    EXPECT_EQ(e.a().Spalte(10), zeiger.x());
    e.rad(zeiger, -60);
    EXPECT_EQ(e.f.tbSize->value(), 11);
    e.rad(zeiger, -60);
    EXPECT_EQ(e.f.tbSize->value(), 10);
    EXPECT_NEAR(e.a().massstab, 0.1, 1e-12);
    EXPECT_NEAR(e.a().ansichtsmitte, 0, 1e-9);

    // the finest position is the end of the wheel too
    e.f.tbSize->setValue(20);
    e.rad(zeiger, 360);
    EXPECT_EQ(e.f.tbSize->value(), 20);
    EXPECT_NEAR(e.a().massstab, 0.01, 1e-12);
}

// The whole truss (24 m in the width less 50 pixels) lies between two slider positions; a
// notch in goes to the next finer position, that is less than the fitted scale but not less
// than a tenth of a decade below it, and the middle of the truss stays in the middle.
TEST(Cadnavigation, RadNachDemEinpassenGehtZurNaechstenReglerstufe)
{
    Cadreiter e;
    e.f.sbAll->click();
    const double eingepasst = 24.0 / (e.cad()->width() - 50);
    ASSERT_NEAR(e.a().massstab, eingepasst, 1e-12);
    e.rad(e.a().Bildmitte(), 120);
    EXPECT_LT(e.a().massstab, eingepasst);
    EXPECT_GE(e.a().massstab, eingepasst * std::pow(10.0, -0.1));
    EXPECT_NEAR(e.a().massstab, std::pow(10.0, -e.f.tbSize->value() / 10.0), 1e-12);
    EXPECT_EQ(e.a().Spalte(0), e.a().Bildmitte().x());
}

// Dragging 40 pixels right with the middle button at 0,1 m per pixel moves the beam with the
// pointer: the centre goes 4 m left. The support tool stays idle meanwhile. Space with the left
// button drags the same way; once Space is up the left button places again.
TEST(Cadnavigation, MittlereTasteUndLeertasteZiehenDieAnsicht)
{
    Cadreiter e;
    e.werkzeug(ArtLager);
    maus(e.cad(), QEvent::MouseButtonPress, QPoint(300, 150), Qt::MiddleButton, Qt::MiddleButton);
    maus(e.cad(), QEvent::MouseMove, QPoint(320, 150), Qt::NoButton, Qt::MiddleButton);
    maus(e.cad(), QEvent::MouseMove, QPoint(340, 170), Qt::NoButton, Qt::MiddleButton);
    maus(e.cad(), QEvent::MouseButtonRelease, QPoint(340, 170), Qt::MiddleButton, Qt::NoButton);
    EXPECT_NEAR(e.a().ansichtsmitte, -4, 1e-9);
    maus(e.cad(), QEvent::MouseMove, QPoint(400, 170));
    EXPECT_NEAR(e.a().ansichtsmitte, -4, 1e-9); // released: moving no longer drags

    e.taste(QEvent::KeyPress, Qt::Key_Space);
    maus(e.cad(), QEvent::MouseButtonPress, QPoint(300, 150), Qt::LeftButton, Qt::LeftButton);
    maus(e.cad(), QEvent::MouseMove, QPoint(280, 150), Qt::NoButton, Qt::LeftButton);
    maus(e.cad(), QEvent::MouseButtonRelease, QPoint(280, 150), Qt::LeftButton, Qt::NoButton);
    e.taste(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_NEAR(e.a().ansichtsmitte, -2, 1e-9);
    EXPECT_EQ(e.f.modell.cds_lager.RecordCount(), 0);

    e.klick(3);
    ASSERT_EQ(e.f.modell.cds_lager.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(e.f.modell.cds_lager.FieldByName(QStringLiteral("Position")).AsFloat(), 3);
}

TEST(Cadnavigation, DoppelklickDerMittlerenTasteZeigtDieGanzeTraverse)
{
    Cadreiter e;
    e.f.tbSize->setValue(18);
    e.a().ansichtsmitte = 7;
    maus(e.cad(), QEvent::MouseButtonDblClick, QPoint(200, 150), Qt::MiddleButton, Qt::MiddleButton);
    EXPECT_DOUBLE_EQ(e.a().ansichtsmitte, 0);
    EXPECT_DOUBLE_EQ(e.a().massstab, 24.0 / (e.cad()->width() - 50));
    EXPECT_EQ(e.a().Spalte(-12), 25);
}

// Esc after the first click of the distributed-load tool forgets that click: nothing stands in
// the table, the distance label is gone, and the next two clicks make one load between them.
// Esc while a selection box is dragged drops the box: the release marks nothing.
TEST(Cadnavigation, EscBrichtEinZweiKlickWerkzeugUndDenAuswahlrahmenAb)
{
    Cadreiter e;
    e.werkzeug(ArtStreckenlast);
    e.klick(2);
    maus(e.cad(), QEvent::MouseMove, e.bei(5));
    ASSERT_TRUE(e.a().ErsterPunktGesetzt());
    EXPECT_FALSE(e.f.lblX1->isHidden());
    e.taste(QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_FALSE(e.a().ErsterPunktGesetzt());
    EXPECT_TRUE(e.f.lblX1->isHidden());
    EXPECT_EQ(e.f.modell.cds_lasten.RecordCount(), 0);
    e.klick(-1);
    EXPECT_EQ(e.f.modell.cds_lasten.RecordCount(), 0);
    e.klick(3);
    ASSERT_EQ(e.f.modell.cds_lasten.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(e.f.modell.cds_lasten.FieldByName(QStringLiteral("Pos1")).AsFloat(), -1);
    EXPECT_DOUBLE_EQ(e.f.modell.cds_lasten.FieldByName(QStringLiteral("Pos2")).AsFloat(), 3);

    e.werkzeug(ArtSelektieren);
    maus(e.cad(), QEvent::MouseButtonPress, e.bei(-3), Qt::LeftButton, Qt::LeftButton);
    maus(e.cad(), QEvent::MouseMove, e.bei(4, -1), Qt::NoButton, Qt::LeftButton);
    e.taste(QEvent::KeyPress, Qt::Key_Escape);
    maus(e.cad(), QEvent::MouseButtonRelease, e.bei(4, -1), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(e.f.modell.cds_lasten.FieldByName(QStringLiteral("markiert")).AsBoolean());
    EXPECT_TRUE(e.f.sbDelete->isHidden());
}
