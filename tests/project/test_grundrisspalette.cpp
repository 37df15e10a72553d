// The floor plan's palette as the user finds it in the running program: docked at the frame's
// side and floating again by its button, with place and side kept in "Kelvara.ini"; showing the
// whole plan and the marked elements by the palette's buttons and by keys in the plan.
#include "fensterhilfen.h"
#include "planfenster.h"
#include "platform/u_zahlen.h"
#include "project/fo_grundrissbox.h"
#include "project/fo_grundrisstool.h"
#include "project/fo_projekt.h"
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "u_fenstertest.h"
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// The program with a new project on its floor plan tab.
struct LaufendesProgramm {
    SkriptDialoge skript;
    Anwendung anwendung;
    Tfrm_projekt* projekt = nullptr;
    Tfrm_grundrisstool* palette = nullptr;

    LaufendesProgramm()
    {
        anwendung.Starten();
        palette = qobject_cast<Tfrm_grundrisstool*>(anwendung.dauerfenster(Dauerfenster::Grundrisstool));
        Tfrm_menu::Aktion(QStringLiteral("act_proj_new"))->trigger();
        projekt = qobject_cast<Tfrm_projekt*>(anwendung.aktivesDokument());
        if (!projekt || !palette)
            return;
        projekt->pcProjekt->setCurrentWidget(projekt->tabGrundriss);
        palette->zeigeFuer(projekt);
        QApplication::processEvents();
    }
    ~LaufendesProgramm()
    {
        if (projekt)
            projekt->setzeGeaendert(false);
    }
};

} // namespace

// The palette floats where the user left it; its button docks it at the frame's right side,
// where it takes its width from the document area instead of covering it, and floats it back to
// the same place. The side is written after the place, and the next run starts docked there.
TEST(Grundrisspalette, DocktAmRahmenUndBehaeltSeiteUndPlatzZwischenDenLaeufen)
{
    Programmordner ordner;
    const QString ini = ordner.pfad(QStringLiteral("Kelvara.ini"));
    schreibeDatei(ini, "[Sprache]\nNummer=0\n[Grundrisstool]\nLinks=150\nOben=120\n");
    {
        LaufendesProgramm programm;
        Tfrm_grundrisstool* palette = programm.palette;
        ASSERT_NE(palette, nullptr);
        ASSERT_NE(programm.projekt, nullptr);
        ASSERT_TRUE(palette->isVisible());
        EXPECT_TRUE(palette->isFloating());
        EXPECT_EQ(palette->pos(), QPoint(150, 120));
        ASSERT_TRUE(palette->sbAndocken->isVisible());

        Tfrm_main* rahmen = programm.anwendung.hauptfenster();
        // shown by the CAD tab only: the frame's context menu offers no switch for it
        const std::unique_ptr<QMenu> kontextmenue(rahmen->createPopupMenu());
        EXPECT_TRUE(!kontextmenue || kontextmenue->isEmpty());
        const int bereichVorher = rahmen->Bereich()->width();
        QTest::mouseClick(palette->sbAndocken, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_FALSE(palette->isFloating());
        EXPECT_EQ(rahmen->dockWidgetArea(palette), Qt::RightDockWidgetArea);
        EXPECT_TRUE(palette->isVisible());
        EXPECT_EQ(palette->Andockseite(), 2);
        // docked inside the frame, right of the document area that shrank by its width
        EXPECT_EQ(palette->parentWidget(), rahmen);
        EXPECT_GE(palette->x(), rahmen->Bereich()->geometry().right());
        EXPECT_LE(rahmen->Bereich()->width(), bereichVorher - palette->width());

        // hidden and shown with the tab, it stays docked
        programm.projekt->pcProjekt->setCurrentWidget(programm.projekt->tabUebersicht);
        EXPECT_FALSE(palette->isVisible());
        programm.projekt->pcProjekt->setCurrentWidget(programm.projekt->tabGrundriss);
        EXPECT_TRUE(palette->isVisible());
        EXPECT_FALSE(palette->isFloating());

        QTest::mouseClick(palette->sbAndocken, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_TRUE(palette->isFloating());
        EXPECT_EQ(palette->pos(), QPoint(150, 120));
        EXPECT_EQ(rahmen->Bereich()->width(), bereichVorher);
        QTest::mouseClick(palette->sbAndocken, Qt::LeftButton);
        EXPECT_FALSE(palette->isFloating());
    }
    EXPECT_EQ(dateiInhalt(ini), QByteArray("[Sprache]\nNummer=0\n[Grundrisstool]\nLinks=150\nOben=120\nAngedockt=2\n"));

    // docked from the start; floating it again writes 0
    {
        LaufendesProgramm programm;
        Tfrm_grundrisstool* palette = programm.palette;
        ASSERT_NE(programm.projekt, nullptr);
        EXPECT_FALSE(palette->isFloating());
        EXPECT_EQ(programm.anwendung.hauptfenster()->dockWidgetArea(palette), Qt::RightDockWidgetArea);
        QTest::mouseClick(palette->sbAndocken, Qt::LeftButton);
        EXPECT_TRUE(palette->isFloating());
        EXPECT_EQ(palette->pos(), QPoint(150, 120));
    }
    EXPECT_EQ(dateiInhalt(ini), QByteArray("[Sprache]\nNummer=0\n[Grundrisstool]\nLinks=150\nOben=120\nAngedockt=0\n"));

    // dragged by its caption to the frame's left side, as the frame does it: pressed, moved
    // along with the pointer, dropped into the side; floated again, it is back where it was
    {
        LaufendesProgramm programm;
        Tfrm_grundrisstool* palette = programm.palette;
        ASSERT_NE(programm.projekt, nullptr);
        ASSERT_TRUE(palette->isFloating());
        QTest::mousePress(palette, Qt::LeftButton, {}, QPoint(20, 5));
        palette->move(3, 200);
        programm.anwendung.hauptfenster()->addDockWidget(Qt::LeftDockWidgetArea, palette);
        palette->setFloating(false);
        QTest::mouseRelease(palette, Qt::LeftButton, {}, QPoint(20, 5));
        EXPECT_EQ(palette->Andockseite(), 1);
        QTest::mouseClick(palette->sbAndocken, Qt::LeftButton);
        EXPECT_TRUE(palette->isFloating());
        EXPECT_EQ(palette->pos(), QPoint(150, 120));
        QTest::mouseClick(palette->sbAndocken, Qt::LeftButton);
        EXPECT_EQ(programm.anwendung.hauptfenster()->dockWidgetArea(palette), Qt::LeftDockWidgetArea);
    }
    EXPECT_EQ(dateiInhalt(ini), QByteArray("[Sprache]\nNummer=0\n[Grundrisstool]\nLinks=150\nOben=120\nAngedockt=1\n"));

    // the left side comes back as the left side
    schreibeDatei(ini, "[Sprache]\nNummer=0\n[Grundrisstool]\nAngedockt=1\n");
    {
        LaufendesProgramm programm;
        ASSERT_NE(programm.projekt, nullptr);
        EXPECT_FALSE(programm.palette->isFloating());
        EXPECT_EQ(programm.anwendung.hauptfenster()->dockWidgetArea(programm.palette), Qt::LeftDockWidgetArea);
        EXPECT_LE(programm.palette->geometry().right(), programm.anwendung.hauptfenster()->Bereich()->x());
    }
    EXPECT_EQ(dateiInhalt(ini), QByteArray("[Sprache]\nNummer=0\n[Grundrisstool]\nAngedockt=1\n"));
}

TEST(Grundrisspalette, OhneAndockenBleibtDieSeiteAusDerDatei)
{
    Programmordner ordner;
    const QString ini = ordner.pfad(QStringLiteral("Kelvara.ini"));
    const QByteArray vorher("[Sprache]\nNummer=0\n[Grundrisstool]\nLinks=150\nOben=120\n");
    schreibeDatei(ini, vorher);
    {
        LaufendesProgramm programm;
        ASSERT_NE(programm.projekt, nullptr);
        EXPECT_TRUE(programm.palette->isFloating());
    }
    EXPECT_EQ(dateiInhalt(ini), vorher);
}

// The new buttons say what they do, in German from the start and in English after a switch; the
// question for several trusses is English too.
TEST(Grundrisspalette, KnoepfeNennenIhreAufgabeAufDeutschUndEnglisch)
{
    Programmordner ordner;
    const QString quelle = QStringLiteral(KELVARA_QUELLEN "/assets/sprachen/en/projekt.txt");
    schreibeSprachdatei(ordner.pfad(QStringLiteral("Sprachen/English.prl")), LeseSprachquellen({quelle}));
    LaufendesProgramm programm;
    Tfrm_grundrisstool* palette = programm.palette;
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->sbAll->toolTip(), QStringLiteral("Ganzen Grundriss zeigen (Pos1)"));
    EXPECT_EQ(palette->sbAuswahl->toolTip(), QStringLiteral("Markierte Elemente zeigen (.)"));
    EXPECT_EQ(palette->sbAndocken->toolTip(), QStringLiteral("Am Rand andocken oder frei schweben lassen"));

    programm.anwendung.menu()->SpracheWechseln(1);
    EXPECT_EQ(palette->sbAll->toolTip(), QStringLiteral("Show the whole floor plan (Home)"));
    EXPECT_EQ(palette->sbAuswahl->toolTip(), QStringLiteral("Show the marked elements (.)"));
    EXPECT_EQ(palette->sbAndocken->toolTip(), QStringLiteral("Dock at the side or let it float"));
    EXPECT_EQ(Format(Uebersetzt(2771, QString()), {3}), QStringLiteral("Among them are 3 trusses with all their variants."));
}

namespace {

// A project window whose plan box is 440 × 340 pixels, so that fitting divides by 400 and 300.
class Planansicht : public Planfenstertest {
protected:
    void SetUp() override
    {
        fenster->pbGrundriss->setFixedSize(440, 340);
        Planfenstertest::SetUp();
    }
    Grundrisswerkzeuge& g() { return fenster->grundriss(); }
    TGrundrissbox* box() { return fenster->pbGrundriss; }
    QPoint bei(double x, double y) { return g().PlanZuBild(QPointF(x, y)); }
    // a truss (−60, −40)–(−50, −30), far outside the view, drawn at 0,5 m per pixel
    void traverseWeitWeg()
    {
        palette.tbSize->setValue(1);
        if (!palette.sbTraverse->isChecked())
            palette.sbTraverse->click();
        klicke(box(), bei(-60, -40));
        klicke(box(), bei(-50, -30));
        palette.tbSize->setValue(3);
    }
    void ziehe(QPoint von, QPoint bis)
    {
        maus(box(), QEvent::MouseMove, von);
        maus(box(), QEvent::MouseButtonPress, von, Qt::LeftButton, Qt::LeftButton);
        maus(box(), QEvent::MouseMove, bis, Qt::NoButton, Qt::LeftButton);
        maus(box(), QEvent::MouseButtonRelease, bis, Qt::LeftButton, Qt::NoButton);
    }
};

} // namespace

// Drawn with the mouse at 0,1 m per pixel: a wall (10, −4)–(12, −4) and a truss (10, 0)–(28, 5);
// drawn at 0,5 m per pixel: a truss (−60, −40)–(−50, −30) far off. The rubber band marks the
// first two.
// The marked box runs 10 … 28 by −4 … 5: centre (19; 0,5); q = max(18 / 400, 9 / 300) = 0,045,
// and the smallest listed scale not below it is 0,05 (slider position 4).
// The whole plan runs −60 … 28 by −40 … 5: centre (−16; −17,5); q = max(88 / 400, 45 / 300)
// = 0,22, so 0,5 (position 1).
TEST_F(Planansicht, PaletteUndTastenZeigenDieAuswahlOderDenGanzenPlan)
{
    ASSERT_EQ(box()->size(), QSize(440, 340));
    palette.sbLinie->click();
    klicke(box(), bei(10, -4));
    klicke(box(), bei(12, -4));
    palette.sbTraverse->click();
    klicke(box(), bei(10, 0));
    klicke(box(), bei(28, 5));
    traverseWeitWeg();
    palette.sbSelect->click();
    ziehe(bei(9, -5), bei(29, 6));
    ASSERT_TRUE(g().Mauern()[0].markiert);
    ASSERT_TRUE(g().Traversen()[0].markiert);
    ASSERT_FALSE(g().Traversen()[1].markiert);

    QTest::mouseClick(palette.sbAuswahl, Qt::LeftButton);
    EXPECT_NEAR(g().planmitte.x(), 19, 1e-9);
    EXPECT_NEAR(g().planmitte.y(), 0.5, 1e-9);
    EXPECT_DOUBLE_EQ(g().massstab, 0.05);
    EXPECT_EQ(palette.tbSize->value(), 4);

    QTest::mouseClick(palette.sbAll, Qt::LeftButton);
    EXPECT_NEAR(g().planmitte.x(), -16, 1e-9);
    EXPECT_NEAR(g().planmitte.y(), -17.5, 1e-9);
    EXPECT_DOUBLE_EQ(g().massstab, 0.5);
    EXPECT_EQ(palette.tbSize->value(), 1);

    // the same by keys in the plan: '.' the marked elements, Home the whole plan
    QTest::keyClick(box(), Qt::Key_Period);
    EXPECT_NEAR(g().planmitte.x(), 19, 1e-9);
    EXPECT_NEAR(g().planmitte.y(), 0.5, 1e-9);
    EXPECT_DOUBLE_EQ(g().massstab, 0.05);
    EXPECT_EQ(palette.tbSize->value(), 4);
    // the marked truss now spans 18 / 0,05 = 360 pixels about the box's centre (220, 170)
    EXPECT_EQ(bei(10, 0), QPoint(220 - 180, 170 - 10));
    EXPECT_EQ(bei(28, 5), QPoint(220 + 180, 170 + 90));
    QTest::keyClick(box(), Qt::Key_Home);
    EXPECT_NEAR(g().planmitte.x(), -16, 1e-9);
    EXPECT_DOUBLE_EQ(g().massstab, 0.5);
    EXPECT_EQ(palette.tbSize->value(), 1);
}

// With nothing marked, showing the selection keeps the view as it was.
TEST_F(Planansicht, OhneAuswahlBleibtDieAnsicht)
{
    traverseWeitWeg();
    g().planmitte = QPointF(3, 4);
    QTest::mouseClick(palette.sbAuswahl, Qt::LeftButton);
    QTest::keyClick(box(), Qt::Key_Period);
    EXPECT_EQ(g().planmitte, QPointF(3, 4));
    EXPECT_DOUBLE_EQ(g().massstab, 0.1);
    EXPECT_EQ(palette.tbSize->value(), 3);
}

// Three trusses marked with the rubber band and deleted by the palette's button: one question
// naming the three, no question per truss.
TEST_F(Planansicht, LoeschenVielerMarkierterTraversenFragtEinmal)
{
    palette.sbTraverse->click();
    for (int y : {0, 2, 4}) {
        klicke(box(), bei(0, y));
        klicke(box(), bei(6, y));
    }
    traverseWeitWeg(); // not marked: stays
    palette.sbSelect->click();
    ziehe(bei(-1, -1), bei(7, 5));
    ASSERT_TRUE(palette.sbDelete->isVisible());
    SkriptDialoge d;
    d.erwarteFrage(Antwort::Ja,
                   QStringLiteral("Gewählte Elemente löschen?\r\nDarunter sind 3 Traversen mit allen ihren Varianten."));
    QTest::mouseClick(palette.sbDelete, Qt::LeftButton);
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(d.unerwartet.isEmpty()) << d.unerwartet.join(u'|').toStdString();
    ASSERT_EQ(g().Traversen().size(), 1u);
    EXPECT_EQ(g().Traversen()[0].ende1, QPointF(-60, -40));
}
