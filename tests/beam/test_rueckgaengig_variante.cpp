// Undo and redo in the beam editor: each tool and input driven as a user does, undone and redone,
// the tables compared with what the test recorded before and after; the menu texts, the changed
// mark and the saved file's bytes.
#include "beam/fo_cadflaeche.h"
#include "beam/fo_variante.h"
#include "beam/u_balkenfelder.h"
#include "platform/u_dialoge_skript.h"
#include "platform/u_tabellenmodell_qt.h"
#include "editorhilfen.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

struct Schrittfenster {
    Programmordner programm;
    QTemporaryDir ordner;
    SkriptDialoge dialoge;
    Tfrm_variante f;
    Schrittfenster()
    {
        f.resize(1500, 900);
        f.show();
        QApplication::processEvents();
    }
    ~Schrittfenster() { EXPECT_TRUE(dialoge.unerwartet.isEmpty()) << dialoge.unerwartet.join(u'|').toStdString(); }

    QPoint punkt(double x, double y) { return {f.ansicht.Spalte(x), f.ansicht.Zeile(y)}; }
    void maus(QEvent::Type typ, double x, double y, Qt::MouseButton taste, Qt::MouseButtons gedrueckt)
    {
        const QPointF p(punkt(x, y));
        QMouseEvent e(typ, p, kind<Cadflaeche>(&f, "pbCAD")->mapToGlobal(p), taste, gedrueckt, Qt::NoModifier);
        QApplication::sendEvent(kind<Cadflaeche>(&f, "pbCAD"), &e);
    }
    // A click as the user makes it; the event loop then runs, as it does between two clicks.
    void klick(double x, double y = 1)
    {
        maus(QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoButton);
        maus(QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
        maus(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
    }
    void werkzeug(int code) { werkzeugknopf(&f, code)->click(); }
    void zweiLager()
    {
        werkzeug(ArtLager);
        klick(-10);
        klick(10);
    }

    // Every stored value of both tables row by row, without the marking (a selection is no
    // part of the document's history), and the truss values.
    QStringList inhalt()
    {
        QStringList zeilen;
        for (TBClientDataSet* t : {&f.modell.cds_lager, &f.modell.cds_lasten}) {
            t->CheckBrowseMode();
            zeilen << QStringLiteral("--");
            for (int r = 1; r <= t->RecordCount(); ++r) {
                QStringList werte;
                for (int i = 0; i < t->FieldCount(); ++i)
                    if (!t->Fields(i).Calculated() && t->Fields(i).FieldName() != QLatin1String("markiert"))
                        werte << t->WertBei(r, i).toString();
                zeilen << werte.join(u';');
            }
        }
        zeilen << QString::number(f.modell.traverse.laenge) << f.modell.traversenname << f.modell.variantenname;
        return zeilen;
    }
    QByteArray gespeichert(const QString& name)
    {
        const QString pfad = ordner.filePath(name);
        EXPECT_TRUE(f.SpeichernUnter(pfad));
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
        return datei.readAll();
    }
    double position(int zeile) { return f.modell.cds_lager.WertBei(zeile + 1, f.modell.cds_lager.FieldByName(Lagerfeld::Position).Index()).toDouble(); }
};

} // namespace

TEST(RueckgaengigVariante, OhneSchrittSindBeideBefehleGesperrtUndNennenNichts)
{
    Schrittfenster s;
    EXPECT_EQ(s.f.Bearbeiten1->title(), QStringLiteral("&Bearbeiten"));
    EXPECT_EQ(s.f.Rueckgaengig1->text(), QStringLiteral("&Rückgängig"));
    EXPECT_EQ(s.f.Wiederholen1->text(), QStringLiteral("&Wiederholen"));
    EXPECT_FALSE(s.f.Rueckgaengig1->isEnabled());
    EXPECT_FALSE(s.f.Wiederholen1->isEnabled());
    EXPECT_EQ(s.f.Rueckgaengig1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(s.f.Wiederholen1->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_TRUE(s.f.Wiederholen1->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
}

TEST(RueckgaengigVariante, MotorzugSetzenVerschiebenUndLoeschenGehenZurueckUndWiederVor)
{
    Schrittfenster s;
    const QStringList leer = s.inhalt();

    s.werkzeug(ArtMotorzug);
    s.klick(6);
    const QStringList gesetzt = s.inhalt();
    ASSERT_EQ(s.f.modell.cds_lager.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(s.position(0), 6);
    EXPECT_EQ(s.f.Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Motorzug setzen"));
    EXPECT_TRUE(s.f.Geaendert());
    s.f.Rueckgaengig1->trigger();
    EXPECT_EQ(s.f.modell.cds_lager.RecordCount(), 0);
    EXPECT_EQ(s.inhalt(), leer);
    EXPECT_FALSE(s.f.Geaendert());
    EXPECT_EQ(s.f.Wiederholen1->text(), QStringLiteral("&Wiederholen: Motorzug setzen"));
    s.f.Wiederholen1->trigger();
    EXPECT_EQ(s.inhalt(), gesetzt);
    EXPECT_TRUE(s.f.Geaendert());

    // select it (hoists hang above the truss), move it from 6 m to 0 m
    s.werkzeug(ArtSelektieren);
    s.klick(6, -1);
    ASSERT_EQ(s.f.werkzeuge.auswahlAnzahl, 1);
    s.werkzeug(ArtVerschieben);
    s.klick(6);
    s.klick(0);
    EXPECT_DOUBLE_EQ(s.position(0), 0);
    const QStringList verschoben = s.inhalt();
    EXPECT_EQ(s.f.Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Motorzug verschieben"));
    // the move tool has handed over to the selection tool: a stray click moves nothing
    EXPECT_EQ(s.f.ansicht.werkzeug, int(ArtSelektieren));
    EXPECT_TRUE(werkzeugknopf(&s.f, ArtSelektieren)->isChecked());
    s.klick(3);
    EXPECT_EQ(s.inhalt(), verschoben);
    s.f.Rueckgaengig();
    EXPECT_EQ(s.inhalt(), gesetzt);
    EXPECT_DOUBLE_EQ(s.position(0), 6);
    EXPECT_EQ(s.f.werkzeuge.auswahlAnzahl, 0); // nothing stays marked that the user cannot see
    s.f.Wiederholen();
    EXPECT_EQ(s.inhalt(), verschoben);

    s.klick(0, -1);
    ASSERT_EQ(s.f.werkzeuge.auswahlAnzahl, 1);
    s.dialoge.erwarteFrage(Antwort::Ja, QStringLiteral("gewählte Elemente löschen?"));
    kind<QToolButton>(&s.f, "sbDelete")->click();
    QApplication::processEvents();
    EXPECT_EQ(s.f.modell.cds_lager.RecordCount(), 0);
    EXPECT_EQ(s.f.Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Löschen"));
    s.f.Rueckgaengig();
    EXPECT_EQ(s.inhalt(), verschoben);
    s.f.Rueckgaengig();
    EXPECT_EQ(s.inhalt(), gesetzt);
    s.f.Rueckgaengig();
    EXPECT_EQ(s.inhalt(), leer);
    EXPECT_FALSE(s.f.Rueckgaengig1->isEnabled());
    for (int i = 0; i < 3; ++i)
        s.f.Wiederholen();
    EXPECT_EQ(s.f.modell.cds_lager.RecordCount(), 0);
    EXPECT_FALSE(s.f.Wiederholen1->isEnabled());
    EXPECT_TRUE(s.dialoge.allesBeantwortet());
}

TEST(RueckgaengigVariante, ZurueckBisZumGespeichertenStandGibtDieDateiBytesUndLoeschtGeaendert)
{
    Schrittfenster s;
    s.zweiLager();
    const QByteArray datei = s.gespeichert(QStringLiteral("a.pre"));
    EXPECT_FALSE(s.f.Geaendert());
    EXPECT_TRUE(s.f.Rueckgaengig1->isEnabled()); // saving keeps the steps

    s.werkzeug(ArtScheinwerfer);
    s.klick(-5);
    s.werkzeug(ArtStreckenlast);
    s.klick(-4);
    s.klick(4);
    EXPECT_EQ(s.f.modell.cds_lasten.RecordCount(), 2);
    EXPECT_TRUE(s.f.Geaendert());
    s.f.Rueckgaengig();
    EXPECT_TRUE(s.f.Geaendert());
    s.f.Rueckgaengig();
    EXPECT_FALSE(s.f.Geaendert());
    EXPECT_EQ(s.gespeichert(QStringLiteral("b.pre")), datei);
    // undoing past the saved state and redoing past it changes the document again
    s.f.Rueckgaengig();
    EXPECT_TRUE(s.f.Geaendert());
    s.f.Wiederholen();
    EXPECT_FALSE(s.f.Geaendert());
    s.f.Wiederholen();
    EXPECT_TRUE(s.f.Geaendert());
    EXPECT_EQ(s.f.modell.cds_lasten.RecordCount(), 1);
}

TEST(RueckgaengigVariante, GittereingabeUndTraversenlaengeSindSchritte)
{
    Schrittfenster s;
    s.werkzeug(ArtMotorzug);
    s.klick(2);
    QApplication::processEvents();
    const QStringList vorher = s.inhalt();
    auto* modell = kind<QTableView>(&s.f, "sgLager")->model();
    const int spalte = 1; // Name
    ASSERT_TRUE(modell->setData(modell->index(0, spalte), QStringLiteral("Mitte"), Qt::EditRole));
    QApplication::processEvents();
    const QStringList nachher = s.inhalt();
    ASSERT_NE(nachher, vorher);
    s.f.Rueckgaengig();
    EXPECT_EQ(s.inhalt(), vorher);
    EXPECT_EQ(modell->index(0, spalte).data().toString(), QString());
    s.f.Wiederholen();
    EXPECT_EQ(s.inhalt(), nachher);

    // the truss length does not mark the variant changed, yet it is a step
    s.f.setzeGeaendert(false);
    s.dialoge.erwarteEingabe(QStringLiteral("12"));
    QTest::mouseDClick(kind<QLabel>(&s.f, "lblTravL"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(s.f.modell.traverse.laenge, 12);
    EXPECT_FALSE(s.f.Geaendert());
    EXPECT_EQ(s.f.Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Traversenlänge"));
    s.f.Rueckgaengig();
    EXPECT_DOUBLE_EQ(s.f.modell.traverse.laenge, 24);
    EXPECT_EQ(beschriftungVon(&s.f, "lblTravL").remove(u',').remove(u'.'), QStringLiteral("2400"));
    EXPECT_FALSE(s.f.Geaendert());
    EXPECT_EQ(s.inhalt(), nachher);
}

TEST(RueckgaengigVariante, EinGetipptesWortIstEinSchritt)
{
    Schrittfenster s;
    kind<QLineEdit>(&s.f, "edt_VName")->setFocus();
    QTest::keyClicks(kind<QLineEdit>(&s.f, "edt_VName"), QStringLiteral("Halle"));
    QApplication::processEvents();
    EXPECT_EQ(s.f.modell.variantenname, QStringLiteral("Halle"));
    EXPECT_EQ(s.f.Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Name"));
    s.f.Rueckgaengig();
    EXPECT_EQ(s.f.modell.variantenname, QString());
    EXPECT_EQ(kind<QLineEdit>(&s.f, "edt_VName")->text(), QString());
    EXPECT_FALSE(s.f.Rueckgaengig1->isEnabled());
    EXPECT_FALSE(s.f.Geaendert());
}

TEST(RueckgaengigVariante, EineBerechnungIstKeinSchrittAberRueckgaengigMachtSieUngueltig)
{
    Schrittfenster s;
    s.zweiLager();
    s.werkzeug(ArtMotorzug);
    s.klick(0);
    const int schritte = s.f.Schritte()->count();
    s.dialoge.erwarteMeldung(); // the new truss has no permissible values
    s.f.Berechnen();
    QApplication::processEvents();
    ASSERT_TRUE(s.f.Berechnet());
    EXPECT_EQ(s.f.Schritte()->count(), schritte);
    s.f.Rueckgaengig();
    EXPECT_FALSE(s.f.Berechnet());
    EXPECT_EQ(s.f.modell.cds_lager.RecordCount(), 2);
}

TEST(RueckgaengigVariante, GetipptGesetzteLastenSindEinSchrittWieMitDerMaus)
{
    Schrittfenster s;
    const QStringList leer = s.inhalt();
    s.werkzeug(ArtMotorzug);
    kind<QLineEdit>(&s.f, "edtPosX1")->setText(QStringLiteral("-3"));
    kind<QLineEdit>(&s.f, "edtPosX2")->setText(QStringLiteral("3"));
    kind<QSpinBox>(&s.f, "udAnzahl")->setValue(3);
    kind<QToolButton>(&s.f, "btnSetzen")->click();
    QApplication::processEvents();
    ASSERT_EQ(s.f.modell.cds_lager.RecordCount(), 3); // at −3, 0 and 3 m
    EXPECT_EQ(s.f.Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Motorzug setzen"));
    s.f.Rueckgaengig1->trigger();
    EXPECT_EQ(s.inhalt(), leer); // all three in one step
}
