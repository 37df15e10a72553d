// Undo and redo in the truss, load-table and language windows, opened through the program's
// menu: typed inputs and grid rows undone and redone against what the test recorded, the saved
// file's bytes after undoing back to it, and Ctrl+Z / Ctrl+Y reaching the active window's menu.
#include "language/fo_sprache.h"
#include "beam/u_balkenfelder.h"
#include "loadtable/fo_belastungstabelle.h"
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "truss/fo_traverse.h"
#include "u_fenstertest.h"
#include "u_testhilfen.h"
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {
struct Umgebung {
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    QTemporaryDir dateien;
    Umgebung() { anwendung.Starten(); }
    ~Umgebung() { EXPECT_TRUE(skript.unerwartet.isEmpty()) << skript.unerwartet.join(u'|').toStdString(); }
    template <typename F> F* neu(Dokumentart art) { return static_cast<F*>(anwendung.menu()->Neu(art)); }
    QByteArray gespeichert(Dokumentfenster* fenster, const QString& name)
    {
        const QString pfad = dateien.filePath(name);
        EXPECT_TRUE(fenster->SpeichernUnter(pfad));
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
        return datei.readAll();
    }
};

// Types into the field as a user does; the event loop runs after each key.
void tippe(QWidget* fenster, const char* name, const QString& text)
{
    auto* feld = kind<QLineEdit>(fenster, name);
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, text);
    QApplication::processEvents();
}

QString feldtext(QWidget* fenster, const char* name) { return kind<QLineEdit>(fenster, name)->text(); }

QStringList zeilen(TBClientDataSet& t)
{
    QStringList z;
    for (int r = 1; r <= t.RecordCount(); ++r) {
        QStringList werte;
        for (int i = 0; i < t.FieldCount(); ++i)
            werte << t.WertBei(r, i).toString();
        z << werte.join(u';');
    }
    return z;
}
} // namespace

TEST(RueckgaengigFenster, TraverseEinGetipptesFeldIstEinSchrittUndZurueckGibtDieDateiBytes)
{
    Umgebung u;
    auto* f = u.neu<Tfrm_traverse>(Dokumentart::Traverse);
    const QString durchmesser = feldtext(f, "edtDurchmesser"), wand = feldtext(f, "edtWandstaerke");
    const QByteArray datei = u.gespeichert(f, QStringLiteral("t.prt"));
    tippe(f, "edtDurchmesser", QStringLiteral("51"));
    tippe(f, "edtWandstaerke", QStringLiteral("3"));
    EXPECT_TRUE(f->Geaendert());
    EXPECT_EQ(f->Schritte()->count(), 2); // one per field, not one per key
    EXPECT_EQ(f->Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Eingabe"));
    f->Rueckgaengig();
    EXPECT_EQ(feldtext(f, "edtWandstaerke"), wand);
    EXPECT_EQ(feldtext(f, "edtDurchmesser"), QStringLiteral("51"));
    f->Rueckgaengig();
    EXPECT_EQ(feldtext(f, "edtDurchmesser"), durchmesser);
    EXPECT_FALSE(f->Geaendert());
    EXPECT_EQ(u.gespeichert(f, QStringLiteral("t2.prt")), datei);
    f->Wiederholen();
    f->Wiederholen();
    EXPECT_EQ(feldtext(f, "edtDurchmesser"), QStringLiteral("51"));
    EXPECT_EQ(feldtext(f, "edtWandstaerke"), QStringLiteral("3"));
    EXPECT_TRUE(f->Geaendert());
}

TEST(RueckgaengigFenster, BelastungstabelleEingabeGehtZurueckUndWiederVor)
{
    Umgebung u;
    auto* f = u.neu<Tfrm_belastungstabelle>(Dokumentart::Belastungstabelle);
    const QString name = feldtext(f, "edtName");
    tippe(f, "edtHersteller", QStringLiteral("Prolyte"));
    tippe(f, "edtName", QStringLiteral("H30V"));
    EXPECT_TRUE(f->Geaendert());
    f->Rueckgaengig();
    EXPECT_EQ(feldtext(f, "edtName"), name);
    EXPECT_EQ(feldtext(f, "edtHersteller"), QStringLiteral("Prolyte"));
    f->Rueckgaengig();
    EXPECT_EQ(feldtext(f, "edtHersteller"), QString());
    EXPECT_FALSE(f->Geaendert());
    EXPECT_FALSE(f->Rueckgaengig1->isEnabled());
    f->Wiederholen();
    f->Wiederholen();
    EXPECT_EQ(feldtext(f, "edtHersteller"), QStringLiteral("Prolyte"));
    EXPECT_EQ(feldtext(f, "edtName"), QStringLiteral("H30V"));
}

TEST(RueckgaengigFenster, SpracheZeileAnhaengenAendernUndLoeschenUeberStrgZUndStrgY)
{
    Umgebung u;
    auto* f = u.neu<Tfrm_sprache>(Dokumentart::Sprache);
    TBClientDataSet& t = f->Tabelle();
    const auto zeile = [&](int nummer, const QString& name) {
        t.Append();
        t.FieldByName(Balkenfeld::Nummer).SetAsInteger(nummer);
        t.FieldByName(Balkenfeld::Name).SetAsString(name);
        t.Post();
        QApplication::processEvents();
    };
    zeile(1, QStringLiteral("eins"));
    const QStringList eine = zeilen(t);
    zeile(2, QStringLiteral("zwei"));
    const QStringList zwei = zeilen(t);
    auto* modell = f->Grid()->model();
    ASSERT_TRUE(modell->setData(modell->index(0, 1), QStringLiteral("one"), Qt::EditRole));
    QApplication::processEvents();
    const QStringList geaendert = zeilen(t);
    ASSERT_NE(geaendert, zwei);
    t.First();
    t.Delete();
    QApplication::processEvents();
    ASSERT_EQ(t.RecordCount(), 1);

    // the keys reach the edit menu of the active window through the main window's menu bar
    QWidget* haupt = u.anwendung.hauptfenster();
    haupt->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(haupt));
    f->Grid()->setFocus();
    ASSERT_TRUE(u.anwendung.hauptfenster()->menuBar()->actions().contains(f->Bearbeiten1->menuAction()));
    EXPECT_EQ(f->Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Eingabe"));
    QTest::keyClick(f->Grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(zeilen(t), geaendert);
    QTest::keyClick(f->Grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(zeilen(t), zwei);
    QTest::keyClick(f->Grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(zeilen(t), eine);
    QTest::keyClick(f->Grid(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(zeilen(t), zwei);
    QTest::keyClick(f->Grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(zeilen(t), geaendert);
    f->Wiederholen();
    EXPECT_EQ(t.RecordCount(), 1);
    f->setzeGeaendert(false);
}
