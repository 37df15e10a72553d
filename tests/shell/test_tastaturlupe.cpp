// The keyboard magnifier in the running program, for the beam editor's CAD view and the floor
// plan: Ctrl and Shift magnify only with the pointer over the view, never with the focus in a
// text field, and a key pressed with them (Ctrl+Z, a capital letter) ends the magnifier at once;
// on release the view is back where it was.
#include "beam/fo_cadflaeche.h"
#include "beam/fo_variante.h"
#include "project/fensterhilfen.h"
#include "project/fo_grundrissbox.h"
#include "project/fo_grundrisstool.h"
#include "project/fo_projekt.h"
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "u_fenstertest.h"
#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

namespace {

struct LaufendesProgramm {
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    LaufendesProgramm()
    {
        anwendung.Starten();
        QApplication::setActiveWindow(anwendung.hauptfenster());
    }
    ~LaufendesProgramm() { EXPECT_TRUE(skript.unerwartet.isEmpty()) << skript.unerwartet.join(u'|').toStdString(); }
};

void druecke(QWidget* w, Qt::Key taste, Qt::KeyboardModifiers tasten) { QTest::keyPress(w, taste, tasten); }
void lasse(QWidget* w, Qt::Key taste, Qt::KeyboardModifiers tasten) { QTest::keyRelease(w, taste, tasten); }

void verlassen(QWidget* w)
{
    QEvent weg(QEvent::Leave);
    QApplication::sendEvent(w, &weg);
}

} // namespace

TEST(Tastaturlupe, BalkeneditorVergroessertNurUeberDerAnsichtUndKehrtZurueck)
{
    LaufendesProgramm p;
    Tfrm_menu::Aktion(QStringLiteral("act_e_new"))->trigger();
    auto* f = qobject_cast<Tfrm_variante*>(p.anwendung.aktivesDokument());
    ASSERT_NE(f, nullptr);
    QWidget* cad = kind<Cadflaeche>(f, "pbCAD");
    Cadansicht& a = f->ansicht;
    a.ansichtsmitte = 3;
    klicke(cad, QPoint(a.Spalte(-6), a.Zeile(1)), Qt::MiddleButton); // the view takes the focus
    EXPECT_EQ(QApplication::focusWidget(), cad);

    druecke(cad, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(a.zoomfaktor, 5);
    EXPECT_DOUBLE_EQ(a.ansichtsmitte, -6);
    lasse(cad, Qt::Key_Control, Qt::NoModifier);
    EXPECT_EQ(a.zoomfaktor, 1);
    EXPECT_DOUBLE_EQ(a.ansichtsmitte, 3);

    // Ctrl+Z and Ctrl+Shift+Z belong to undo and redo: the view is back at the Z
    druecke(cad, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(a.zoomfaktor, 5);
    druecke(cad, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(a.zoomfaktor, 1);
    EXPECT_DOUBLE_EQ(a.ansichtsmitte, 3);
    druecke(cad, Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier);
    druecke(cad, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(a.zoomfaktor, 1);
    lasse(cad, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    lasse(cad, Qt::Key_Shift, Qt::ControlModifier);
    EXPECT_EQ(a.zoomfaktor, 1); // Ctrl still held from the shortcut: no magnifier
    lasse(cad, Qt::Key_Control, Qt::NoModifier);

    // a shortcut that takes the Z away from the view, as undo does, ends the magnifier too
    int ausgeloest = 0;
    QAction zurueck(f);
    zurueck.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    f->addAction(&zurueck);
    QObject::connect(&zurueck, &QAction::triggered, [&ausgeloest] { ++ausgeloest; });
    druecke(cad, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(a.zoomfaktor, 5);
    druecke(cad, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ausgeloest, 1);
    EXPECT_EQ(a.zoomfaktor, 1);
    EXPECT_DOUBLE_EQ(a.ansichtsmitte, 3);
    lasse(cad, Qt::Key_Z, Qt::ControlModifier);
    lasse(cad, Qt::Key_Control, Qt::NoModifier);
    f->removeAction(&zurueck);

    // a capital letter
    druecke(cad, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(a.zoomfaktor, 2);
    druecke(cad, Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(a.zoomfaktor, 1);
    EXPECT_DOUBLE_EQ(a.ansichtsmitte, 3);
    lasse(cad, Qt::Key_A, Qt::ShiftModifier);
    lasse(cad, Qt::Key_Shift, Qt::NoModifier);

    // the focus in a text field
    kind<QLineEdit>(f, "edt_VName")->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), kind<QLineEdit>(f, "edt_VName"));
    druecke(kind<QLineEdit>(f, "edt_VName"), Qt::Key_Control, Qt::ControlModifier);
    druecke(kind<QLineEdit>(f, "edt_VName"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(a.zoomfaktor, 1);
    lasse(kind<QLineEdit>(f, "edt_VName"), Qt::Key_A, Qt::ControlModifier);
    lasse(kind<QLineEdit>(f, "edt_VName"), Qt::Key_Control, Qt::NoModifier);

    // the pointer elsewhere
    cad->setFocus();
    verlassen(cad);
    druecke(cad, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(a.zoomfaktor, 1);
    lasse(cad, Qt::Key_Shift, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(a.ansichtsmitte, 3);
}

TEST(Tastaturlupe, GrundrissVergroessertNurUeberDemPlanUndKehrtZurueck)
{
    LaufendesProgramm p;
    auto* palette = qobject_cast<Tfrm_grundrisstool*>(p.anwendung.dauerfenster(Dauerfenster::Grundrisstool));
    ASSERT_NE(palette, nullptr);
    Tfrm_menu::Aktion(QStringLiteral("act_proj_new"))->trigger();
    auto* fenster = qobject_cast<Tfrm_projekt*>(p.anwendung.aktivesDokument());
    ASSERT_NE(fenster, nullptr);
    fenster->pcProjekt->setCurrentWidget(fenster->tabGrundriss);
    palette->zeigeFuer(fenster);
    ASSERT_TRUE(palette->isVisible());
    const Grundrisswerkzeuge& g = fenster->grundriss();
    QWidget* plan = fenster->pbGrundriss;
    const QPointF vorher = g.planmitte;

    maus(plan, QEvent::MouseMove, g.PlanZuBild(vorher + QPointF(3, 2)));
    druecke(plan, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(g.modifikatorstufe, 5);
    EXPECT_EQ(g.planmitte, vorher + QPointF(3, 2));
    druecke(plan, Qt::Key_Y, Qt::ControlModifier); // redo: back at once
    EXPECT_EQ(g.modifikatorstufe, 1);
    EXPECT_EQ(g.planmitte, vorher);
    lasse(plan, Qt::Key_Y, Qt::ControlModifier);
    lasse(plan, Qt::Key_Control, Qt::NoModifier);

    druecke(plan, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(g.modifikatorstufe, 2);
    lasse(plan, Qt::Key_Shift, Qt::NoModifier);
    EXPECT_EQ(g.modifikatorstufe, 1);
    EXPECT_EQ(g.planmitte, vorher);

    // Ctrl+A in the palette's width field
    palette->sbLinie->click();
    QApplication::setActiveWindow(palette);
    palette->EdtEins->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), palette->EdtEins);
    druecke(palette->EdtEins, Qt::Key_Control, Qt::ControlModifier);
    druecke(palette->EdtEins, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(g.modifikatorstufe, 1);
    lasse(palette->EdtEins, Qt::Key_A, Qt::ControlModifier);
    lasse(palette->EdtEins, Qt::Key_Control, Qt::NoModifier);

    verlassen(plan);
    QApplication::setActiveWindow(p.anwendung.hauptfenster());
    plan->setFocus();
    druecke(plan, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(g.modifikatorstufe, 1);
    lasse(plan, Qt::Key_Control, Qt::NoModifier);
    EXPECT_EQ(g.planmitte, vorher);
}
