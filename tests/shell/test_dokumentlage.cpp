// Where document windows open in the frame: beam editors maximised, the others whole inside the
// document area, also after a maximised window closed, a window was restored or the area shrank.
#include "platform/fo_dokumentfenster.h"
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "u_fenstertest.h"
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QMdiSubWindow* rahmenVon(Dokumentfenster* fenster)
{
    return fenster ? qobject_cast<QMdiSubWindow*>(fenster->parentWidget()) : nullptr;
}

// Every visible child window that is not maximised or minimised lies whole in the area.
void allesImBereich(Tfrm_main* haupt, const char* wann)
{
    const QRect flaeche = haupt->Bereich()->viewport()->rect();
    for (QMdiSubWindow* w : haupt->Bereich()->subWindowList()) {
        if (!w->isVisible() || w->isMaximized() || w->isMinimized())
            continue;
        EXPECT_TRUE(flaeche.contains(w->geometry()))
            << wann << ": " << w->windowTitle().toStdString() << " at " << w->x() << "," << w->y() << " "
            << w->width() << "x" << w->height() << " in " << flaeche.width() << "x" << flaeche.height();
    }
}

void schliesse(Dokumentfenster* fenster)
{
    fenster->setzeGeaendert(false);
    rahmenVon(fenster)->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(Dokumentlage, BalkeneditorOeffnetMaximiertNeuUndAusDerDatei)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    Tfrm_menu::Aktion(QStringLiteral("act_trav_new"))->trigger();
    Dokumentfenster* traverse = anwendung.aktivesDokument();
    ASSERT_NE(traverse, nullptr);
    EXPECT_FALSE(rahmenVon(traverse)->isMaximized());

    Tfrm_menu::Aktion(QStringLiteral("act_e_new"))->trigger();
    Dokumentfenster* editor = anwendung.aktivesDokument();
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->Art(), Dokumentart::Einzelprojekt);
    EXPECT_TRUE(rahmenVon(editor)->isMaximized());
    EXPECT_EQ(rahmenVon(editor)->size(), anwendung.hauptfenster()->Bereich()->viewport()->size());

    const QString datei = ordner.pfad(QStringLiteral("Projekte/Stadtfest.pre"));
    ASSERT_TRUE(editor->SpeichernUnter(datei));
    schliesse(editor);
    // the truss window left behind is whole in the area once it is restored
    rahmenVon(traverse)->showNormal();
    allesImBereich(anwendung.hauptfenster(), "after closing the editor");

    skript.erwarteOeffnen(datei);
    Tfrm_menu::Aktion(QStringLiteral("act_e_open"))->trigger();
    EXPECT_TRUE(skript.allesBeantwortet());
    Dokumentfenster* wieder = anwendung.aktivesDokument();
    ASSERT_NE(wieder, nullptr);
    EXPECT_TRUE(wieder->ZeigtDatei(datei));
    EXPECT_TRUE(rahmenVon(wieder)->isMaximized());
    ohneUnerwartetes(skript);
}

// In a frame of 1100 × 800 pixels every new window fits. Closing a maximised window,
// restoring the others and shrinking the frame leave every window whole in the area; a window
// the area cannot hold at its smallest keeps its top left corner, and so its caption, in view.
TEST(Dokumentlage, FensterBleibenGanzImBereich)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    Tfrm_main* haupt = anwendung.hauptfenster();
    haupt->showNormal();
    haupt->resize(1100, 800);
    QApplication::processEvents();
    for (const char* neu : {"act_trav_new", "act_bel_new", "act_proj_new"}) {
        Tfrm_menu::Aktion(QString::fromLatin1(neu))->trigger();
        QApplication::processEvents();
        allesImBereich(haupt, neu);
    }
    std::vector<Dokumentfenster*> dokumente = anwendung.Dokumente();
    ASSERT_EQ(dokumente.size(), 3u);

    rahmenVon(dokumente[1])->showMaximized();
    schliesse(dokumente[1]);
    for (Dokumentfenster* d : anwendung.Dokumente()) {
        rahmenVon(d)->showNormal();
        allesImBereich(haupt, "restored after a maximised window closed");
    }

    // a window dragged half out of the area comes back when the frame gets smaller, to the
    // area's right edge when it still fits beside its place
    QMdiSubWindow* w = rahmenVon(anwendung.Dokumente().front());
    w->move(600, 300);
    haupt->resize(1080, 790);
    QApplication::processEvents();
    allesImBereich(haupt, "after moving one out and shrinking");
    const QRect flaeche = haupt->Bereich()->viewport()->rect();
    EXPECT_EQ(w->geometry().right(), flaeche.right());
    EXPECT_EQ(w->geometry().bottom(), flaeche.bottom());

    haupt->resize(400, 300);
    QApplication::processEvents();
    for (QMdiSubWindow* r : haupt->Bereich()->subWindowList()) {
        EXPECT_EQ(r->pos(), QPoint(0, 0)) << r->windowTitle().toStdString();
        EXPECT_GE(r->width(), r->minimumSizeHint().width());
    }
    for (Dokumentfenster* d : anwendung.Dokumente())
        d->setzeGeaendert(false);
}
