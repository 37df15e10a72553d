// The CAD view of the beam editor navigated with the mouse and the keyboard: the wheel zooms
// about the pointer through the slider's scales, the middle button and Space with the left one
// drag the beam, a middle double click shows the whole truss, Esc cancels a tool half-way.
#include "beam/fo_cadflaeche.h"
#include "beam/fo_zeilenpanel.h"
#include "beam/u_balkenfelder.h"
#include "project/fensterhilfen.h"
#include "reiterhilfen.h"
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>

namespace {

struct Cadreiter : Editorreiter {
    Cadreiter() : Editorreiter("tab_cad") {}
    ~Cadreiter() { EXPECT_TRUE(skript.unerwartet.isEmpty()) << skript.unerwartet.join(u'|').toStdString(); }
    Cadansicht& a() { return f.ansicht; }
    QWidget* cad() { return kind<Cadflaeche>(&f, "pbCAD"); }
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
    void werkzeug(int code) { werkzeugknopf(&f, code)->click(); }
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
    EXPECT_EQ(kind<QSlider>(&e.f, "tbSize")->value(), 11);
    EXPECT_NEAR(e.a().massstab, std::pow(10.0, -1.1), 1e-12);
    EXPECT_NEAR(e.a().ansichtsmitte, 10 - 100 * std::pow(10.0, -1.1), 1e-9);
    EXPECT_EQ(e.a().Spalte(10), zeiger.x());
    e.rad(zeiger, -60);
    EXPECT_EQ(kind<QSlider>(&e.f, "tbSize")->value(), 11);
    e.rad(zeiger, -60);
    EXPECT_EQ(kind<QSlider>(&e.f, "tbSize")->value(), 10);
    EXPECT_NEAR(e.a().massstab, 0.1, 1e-12);
    EXPECT_NEAR(e.a().ansichtsmitte, 0, 1e-9);

    // past the slider's finest position the wheel zooms on while the slider stays at its end,
    // and comes back the same way
    kind<QSlider>(&e.f, "tbSize")->setValue(20);
    e.rad(zeiger, 360);
    EXPECT_EQ(kind<QSlider>(&e.f, "tbSize")->value(), 20);
    EXPECT_NEAR(e.a().massstab, std::pow(10.0, -2.3), 1e-12);
    e.rad(zeiger, -360);
    EXPECT_EQ(kind<QSlider>(&e.f, "tbSize")->value(), 20);
    EXPECT_NEAR(e.a().massstab, 0.01, 1e-12);
    e.rad(zeiger, -120);
    EXPECT_EQ(kind<QSlider>(&e.f, "tbSize")->value(), 19);
}

// The whole truss (24 m in the width less 50 pixels) lies between two slider positions; a
// notch in goes to the next finer position, that is less than the fitted scale but not less
// than a tenth of a decade below it, and the middle of the truss stays in the middle.
TEST(Cadnavigation, RadNachDemEinpassenGehtZurNaechstenReglerstufe)
{
    Cadreiter e;
    kind<QToolButton>(&e.f, "sbAll")->click();
    const double eingepasst = 24.0 / (e.cad()->width() - 50);
    ASSERT_NEAR(e.a().massstab, eingepasst, 1e-12);
    e.rad(e.a().Bildmitte(), 120);
    EXPECT_LT(e.a().massstab, eingepasst);
    EXPECT_GE(e.a().massstab, eingepasst * std::pow(10.0, -0.1));
    EXPECT_NEAR(e.a().massstab, std::pow(10.0, -kind<QSlider>(&e.f, "tbSize")->value() / 10.0), 1e-12);
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
    EXPECT_DOUBLE_EQ(e.f.modell.cds_lager.FieldByName(Lagerfeld::Position).AsFloat(), 3);
}

TEST(Cadnavigation, DoppelklickDerMittlerenTasteZeigtDieGanzeTraverse)
{
    Cadreiter e;
    kind<QSlider>(&e.f, "tbSize")->setValue(18);
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
    EXPECT_FALSE(kind<QLabel>(&e.f, "lblX1")->isHidden());
    e.taste(QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_FALSE(e.a().ErsterPunktGesetzt());
    EXPECT_TRUE(kind<QLabel>(&e.f, "lblX1")->isHidden());
    EXPECT_EQ(e.f.modell.cds_lasten.RecordCount(), 0);
    e.klick(-1);
    EXPECT_EQ(e.f.modell.cds_lasten.RecordCount(), 0);
    e.klick(3);
    ASSERT_EQ(e.f.modell.cds_lasten.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(e.f.modell.cds_lasten.FieldByName(Lastfeld::Pos1).AsFloat(), -1);
    EXPECT_DOUBLE_EQ(e.f.modell.cds_lasten.FieldByName(Lastfeld::Pos2).AsFloat(), 3);

    e.werkzeug(ArtSelektieren);
    maus(e.cad(), QEvent::MouseButtonPress, e.bei(-3), Qt::LeftButton, Qt::LeftButton);
    maus(e.cad(), QEvent::MouseMove, e.bei(4, -1), Qt::NoButton, Qt::LeftButton);
    e.taste(QEvent::KeyPress, Qt::Key_Escape);
    maus(e.cad(), QEvent::MouseButtonRelease, e.bei(4, -1), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(e.f.modell.cds_lasten.FieldByName(Lastfeld::markiert).AsBoolean());
    EXPECT_TRUE(kind<QToolButton>(&e.f, "sbDelete")->isHidden());
}

// A selection brings the move, delete and flip buttons; working far out on a fine scale makes
// long info texts; a truss with a long name is chosen: the tool bar and the truss group stay
// where they were, as neither column follows the length of a text.
TEST(Cadlayout, WerkzeugleisteBleibtBeimArbeitenStehen)
{
    Cadreiter e;
    const auto links = [&](QWidget* w) {
        QApplication::processEvents();
        return w->mapTo(kind<QWidget>(&e.f, "tab_cad"), QPoint(0, 0)).x();
    };
    QWidget* leiste = werkzeugknopf(&e.f, ArtSelektieren);
    QWidget* letzter = werkzeugknopf(&e.f, ArtTraversenkraft);
    const int werkzeug = links(leiste);
    const int traverse = links(kind<QGroupBox>(&e.f, "gbTraverse"));
    const int traversenkraft = links(letzter);
    // the move button and the others that come with a selection keep their places
    e.werkzeug(ArtKraft);
    e.klick(0);
    e.werkzeug(ArtSelektieren);
    e.klick(0);
    ASSERT_FALSE(werkzeugknopf(&e.f, ArtVerschieben)->isHidden());
    EXPECT_EQ(links(letzter), traversenkraft);
    kind<QSlider>(&e.f, "tbSize")->setValue(20);
    e.a().ansichtsmitte = 987654;
    e.werkzeug(ArtStreckenlast);
    e.klick(987654.5);
    maus(e.cad(), QEvent::MouseMove, e.bei(987650));
    EXPECT_EQ(beschriftungVon(&e.f, "lblX1"), QStringLiteral("X1: 987654,5    d: -4,5"));
    EXPECT_EQ(links(leiste), werkzeug);

    e.f.modell.traversenname = QStringLiteral("Vierpunkt-Traverse mit einem sehr langen Namen (Hersteller GmbH & Co. KG)");
    e.f.ZeigeTraverse();
    EXPECT_EQ(links(leiste), werkzeug);
    EXPECT_EQ(links(kind<QGroupBox>(&e.f, "gbTraverse")), traverse);
}

// A load marked by a click shows its panel; the user clicks into the panel's Name field and
// then deletes through the tool bar. The panel goes and the keyboard focus is back in the view,
// not in another Name field, so Shift and Ctrl magnify again. A click in the view takes the
// focus from the tool's Name input too.
TEST(Cadlayout, FokusLandetNachWaehlenUndLoeschenInDerAnsicht)
{
    Cadreiter e;
    e.f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e.f));
    e.werkzeug(ArtKraft);
    kind<QLineEdit>(&e.f, "edtName")->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), kind<QLineEdit>(&e.f, "edtName"));
    e.klick(2);
    e.klick(-2);
    EXPECT_EQ(QApplication::focusWidget(), e.cad());
    e.werkzeug(ArtSelektieren);
    e.klick(2);
    ASSERT_FALSE(kind<Zeilenpanel>(&e.f, "pnlLast")->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), e.cad());

    auto* name = kind<Zeilenpanel>(&e.f, "pnlLast")->findChild<QLineEdit*>(QStringLiteral("edtName"));
    ASSERT_NE(name, nullptr);
    name->setFocus();
    e.skript.erwarteFrage(Antwort::Ja, QStringLiteral("gewählte Elemente löschen?"));
    kind<QToolButton>(&e.f, "sbDelete")->click();
    EXPECT_TRUE(e.skript.allesBeantwortet());
    EXPECT_EQ(e.f.modell.cds_lasten.RecordCount(), 1);
    EXPECT_TRUE(kind<Zeilenpanel>(&e.f, "pnlLast")->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), e.cad());

    // marking the other one by a box and then nothing moves no focus either
    e.klick(-2);
    ASSERT_FALSE(kind<Zeilenpanel>(&e.f, "pnlLast")->isHidden());
    name->setFocus();
    e.werkzeug(ArtKraft); // the tool change hides the panel
    EXPECT_EQ(QApplication::focusWidget(), e.cad());
}

namespace {
double wertVon(TBClientDataSet& t, Feldname feld) { return t.FieldByName(feld).AsFloat(); }
bool zeile(TBClientDataSet& t, int nummer) { return t.Locate({Balkenfeld::Nummer}, {nummer}); }
} // namespace

// A digit typed in the view starts the position x1; Enter places the point load exactly there,
// unsnapped, on the side the pointer was last (above): 20 kg is 20 · 9,81 = 196,2 N.
TEST(Eintippen, GetipptePositionSetztDieLastGenau)
{
    Cadreiter e;
    e.werkzeug(ArtKraft);
    tippeNeu(kind<QLineEdit>(&e.f, "edtLast"), QStringLiteral("20"));
    maus(e.cad(), QEvent::MouseMove, e.bei(0, -1), Qt::NoButton); // above the axis
    maus(e.cad(), QEvent::MouseButtonPress, e.bei(0, -1), Qt::MiddleButton, Qt::MiddleButton); // the focus
    maus(e.cad(), QEvent::MouseButtonRelease, e.bei(0, -1), Qt::MiddleButton, Qt::NoButton);
    QTest::keyClick(e.cad(), '3');
    EXPECT_EQ(QApplication::focusWidget(), kind<QLineEdit>(&e.f, "edtPosX1"));
    QTest::keyClicks(kind<QLineEdit>(&e.f, "edtPosX1"), QStringLiteral(",37"));
    QTest::keyClick(kind<QLineEdit>(&e.f, "edtPosX1"), Qt::Key_Return);
    TBClientDataSet& l = e.f.modell.cds_lasten;
    ASSERT_EQ(l.RecordCount(), 1);
    l.First();
    EXPECT_DOUBLE_EQ(wertVon(l, Lastfeld::Pos1), 3.37);
    EXPECT_DOUBLE_EQ(wertVon(l, Lastfeld::Pos2), 3.37);
    EXPECT_TRUE(l.FieldByName(Balkenfeld::oben).AsBoolean());
    EXPECT_NEAR(wertVon(l, Lastfeld::Last), 20 * 9.81, 1e-9);
    EXPECT_TRUE(e.f.Geaendert());
}

// The distributed-load tool: a first click at −4, then the typed end 5,25 gives one load from
// −4 to 5,25; 10 kg/m over 9,25 m is 10 · 9,81 · 9,25 N. Both ends typed, the larger second,
// the smaller becomes Pos1. x2 alone before any click is refused.
TEST(Eintippen, ZweiKlickLastMitGetipptemEnde)
{
    Cadreiter e;
    e.werkzeug(ArtStreckenlast);
    EXPECT_TRUE(kind<QSpinBox>(&e.f, "udAnzahl")->isHidden()); // n equal loads belong to the one-click tools
    tippeNeu(kind<QLineEdit>(&e.f, "edtLast"), QStringLiteral("10"));
    e.klick(-4);
    QTest::keyClicks(kind<QLineEdit>(&e.f, "edtPosX2"), QStringLiteral("5,25"));
    QTest::keyClick(kind<QLineEdit>(&e.f, "edtPosX2"), Qt::Key_Return);
    TBClientDataSet& l = e.f.modell.cds_lasten;
    ASSERT_EQ(l.RecordCount(), 1);
    ASSERT_TRUE(zeile(l, 1));
    EXPECT_DOUBLE_EQ(wertVon(l, Lastfeld::Pos1), -4);
    EXPECT_DOUBLE_EQ(wertVon(l, Lastfeld::Pos2), 5.25);
    EXPECT_NEAR(wertVon(l, Lastfeld::Last), 10 * 9.81 * 9.25, 1e-9);
    EXPECT_FALSE(e.a().ErsterPunktGesetzt());

    kind<QLineEdit>(&e.f, "edtPosX1")->setText(QStringLiteral("2"));
    kind<QLineEdit>(&e.f, "edtPosX2")->setText(QStringLiteral("-1,5"));
    kind<QToolButton>(&e.f, "btnSetzen")->click();
    ASSERT_TRUE(zeile(l, 2));
    EXPECT_DOUBLE_EQ(wertVon(l, Lastfeld::Pos1), -1.5);
    EXPECT_DOUBLE_EQ(wertVon(l, Lastfeld::Pos2), 2);

    kind<QLineEdit>(&e.f, "edtPosX1")->clear();
    e.skript.erwarteMeldung(QStringLiteral("Bitte die Position x1 eingeben."));
    kind<QToolButton>(&e.f, "btnSetzen")->click();
    EXPECT_TRUE(e.skript.allesBeantwortet());
    EXPECT_EQ(l.RecordCount(), 2);
}

// Five equal spots between −6 and 6 stand 3 m apart: −6, −3, 0, 3, 6, each 12 kg. Bad input
// places nothing and says why: no x2, x2 = x1, a text that is no number, a place off the truss.
TEST(Eintippen, NGleicheLastenZwischenX1UndX2)
{
    Cadreiter e;
    e.werkzeug(ArtScheinwerfer);
    tippeNeu(kind<QLineEdit>(&e.f, "edtLast"), QStringLiteral("12"));
    kind<QLineEdit>(&e.f, "edtPosX1")->setText(QStringLiteral("-6"));
    kind<QLineEdit>(&e.f, "edtPosX2")->setText(QStringLiteral("6"));
    kind<QSpinBox>(&e.f, "udAnzahl")->setValue(5);
    kind<QToolButton>(&e.f, "btnSetzen")->click();
    TBClientDataSet& l = e.f.modell.cds_lasten;
    ASSERT_EQ(l.RecordCount(), 5);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(zeile(l, i + 1));
        const double x = -6 + i * (6 - -6) / 4.0;
        EXPECT_DOUBLE_EQ(wertVon(l, Lastfeld::Pos1), x);
        EXPECT_DOUBLE_EQ(wertVon(l, Lastfeld::Pos2), x);
        EXPECT_EQ(l.FieldByName(Balkenfeld::Type).AsInteger(), ArtScheinwerfer);
        EXPECT_NEAR(wertVon(l, Lastfeld::Last), 12 * 9.81, 1e-9);
    }

    const auto verweigert = [&](const QString& x1, const QString& x2, const QString& meldung) {
        kind<QLineEdit>(&e.f, "edtPosX1")->setText(x1);
        kind<QLineEdit>(&e.f, "edtPosX2")->setText(x2);
        e.skript.erwarteMeldung(meldung);
        QTest::keyClick(kind<QLineEdit>(&e.f, "edtPosX1"), Qt::Key_Return);
        EXPECT_TRUE(e.skript.allesBeantwortet()) << meldung.toStdString();
        EXPECT_EQ(l.RecordCount(), 5);
    };
    const QString ohneX2 = QStringLiteral("n gleiche Lasten: x2 eingeben, ungleich x1.");
    verweigert(QStringLiteral("1"), QString(), ohneX2);
    verweigert(QStringLiteral("1"), QStringLiteral("1"), ohneX2);
    verweigert(QStringLiteral("eins"), QStringLiteral("2"), QStringLiteral("'eins' ist kein gültiger Gleitkommawert"));
    verweigert(QStringLiteral("-1"), QStringLiteral("12,5"),
               QStringLiteral("Position 12,5 m liegt außerhalb von -12,00 bis 12,00 m."));
}

// Two point loads, a distributed load from −1 to 3 and a support are marked together; 7 typed
// once makes each point load 7 kg = 68,67 N and the distributed load 7 kg/m over 4 m = 274,68 N.
// The support keeps its weight; a text that is no number changes nothing.
TEST(Eintippen, EineLastFuerAlleMarkiertenLasten)
{
    Cadreiter e;
    e.werkzeug(ArtKraft);
    e.klick(-2);
    e.klick(2);
    e.werkzeug(ArtStreckenlast);
    e.klick(-1);
    e.klick(3);
    e.werkzeug(ArtLager);
    tippeNeu(kind<QLineEdit>(&e.f, "edtLast"), QStringLiteral("3"));
    e.klick(0);
    e.werkzeug(ArtSelektieren);
    EXPECT_TRUE(kind<QWidget>(&e.f, "pnlLastAlle")->isHidden());
    maus(e.cad(), QEvent::MouseButtonPress, e.bei(-5, -1), Qt::LeftButton, Qt::LeftButton);
    maus(e.cad(), QEvent::MouseMove, e.bei(5, 1), Qt::NoButton, Qt::LeftButton);
    maus(e.cad(), QEvent::MouseButtonRelease, e.bei(5, 1), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(beschriftungVon(&e.f, "lblInfo1"), QStringLiteral("4 Elemente gewählt"));
    ASSERT_FALSE(kind<QWidget>(&e.f, "pnlLastAlle")->isHidden());

    QTest::keyClicks(kind<QLineEdit>(&e.f, "edtLastAlle"), QStringLiteral("7"));
    QTest::keyClick(kind<QLineEdit>(&e.f, "edtLastAlle"), Qt::Key_Return);
    TBClientDataSet& l = e.f.modell.cds_lasten;
    for (int nummer : {1, 2}) {
        ASSERT_TRUE(zeile(l, nummer));
        EXPECT_NEAR(wertVon(l, Lastfeld::Last), 7 * 9.81, 1e-9);
    }
    ASSERT_TRUE(zeile(l, 3));
    EXPECT_NEAR(wertVon(l, Lastfeld::Last), 7 * 9.81 * 4, 1e-9);
    e.f.modell.cds_lager.First();
    EXPECT_NEAR(wertVon(e.f.modell.cds_lager, Lagerfeld::Eigenlast), 3 * 9.81, 1e-9);
    EXPECT_TRUE(e.f.Geaendert());

    kind<QLineEdit>(&e.f, "edtLastAlle")->setText(QStringLiteral("viel"));
    e.skript.erwarteMeldung(QStringLiteral("'viel' ist kein gültiger Gleitkommawert"));
    kind<QToolButton>(&e.f, "btnLastAlle")->click();
    EXPECT_TRUE(e.skript.allesBeantwortet());
    ASSERT_TRUE(zeile(l, 3));
    EXPECT_NEAR(wertVon(l, Lastfeld::Last), 7 * 9.81 * 4, 1e-9);
}
