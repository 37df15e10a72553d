// Undo and redo in the project window: the floor plan's tools and the variant buttons driven as a
// user does, undone and redone, the tables compared with what the test recorded; the saved
// file's bytes after undoing back to it.
#include "fensterhilfen.h"
#include "planfenster.h"
#include "platform/u_dialoge_skript.h"
#include "project/fo_grundrissbox.h"
#include "project/fo_grundrisstool.h"
#include "project/fo_projekt.h"
#include "project/fo_zweiDialog.h"
#include "u_fenstertest.h"
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTabWidget>
#include <QToolButton>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

class RueckgaengigProjekt : public Planfenstertest {
protected:
    Programmordner programm;
    QTemporaryDir ordner;
    SkriptDialoge dialoge;

    Projektmodell& p() { return fenster->projekt(); }
    QPoint bei(double x, double y) { return fenster->grundriss().PlanZuBild(QPointF(x, y)); }
    // A click in the plan; the event loop runs after it, as between two clicks of a user.
    void klick(double x, double y)
    {
        klicke(fenster->pbGrundriss, bei(x, y));
        QApplication::processEvents();
    }
    // Every row of trusses (with their variants) and walls as stored, without the marks a
    // selection sets, and the project's texts.
    QStringList inhalt()
    {
        QStringList zeilen{p().name, p().bearbeiter};
        for (TBClientDataSet* t : {&p().cds_projekt, &p().cds_varianten, &p().cds_mauern, &p().cds_punkte}) {
            zeilen << QStringLiteral("--");
            for (int r = 1; r <= t->RecordCount(); ++r) {
                QStringList werte;
                for (int i = 0; i < t->FieldCount(); ++i)
                    if (!t->Fields(i).Calculated() && t->Fields(i).DataType() != TFieldType::DataSet
                        && t->Fields(i).FieldName() != QLatin1String("markiert"))
                        werte << t->WertBei(r, i).toString();
                zeilen << werte.join(u';');
            }
        }
        return zeilen;
    }
    QByteArray gespeichert(const QString& name)
    {
        const QString pfad = ordner.filePath(name);
        EXPECT_TRUE(fenster->SpeichernUnter(pfad));
        QFile datei(pfad);
        EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
        return datei.readAll();
    }
};

} // namespace

TEST_F(RueckgaengigProjekt, TraverseUndLinieSindJeEinSchrittUndGehenZurueck)
{
    const QStringList leer = inhalt();
    palette.sbTraverse->click();
    klick(-3, 0);
    klick(3, 0);
    ASSERT_EQ(p().cds_projekt.RecordCount(), 1);
    const QStringList traverse = inhalt();
    // both clicks of one truss are one step
    EXPECT_EQ(fenster->Schritte()->count(), 1);
    EXPECT_EQ(fenster->Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Traverse setzen"));

    palette.sbLinie->click();
    klick(-2, 2);
    klick(2, 2);
    const QStringList linie = inhalt();
    ASSERT_NE(linie, traverse);
    EXPECT_EQ(fenster->Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Linie zeichnen"));

    fenster->Rueckgaengig();
    EXPECT_EQ(inhalt(), traverse);
    fenster->Rueckgaengig();
    EXPECT_EQ(inhalt(), leer);
    EXPECT_EQ(p().cds_projekt.RecordCount(), 0);
    EXPECT_FALSE(fenster->Geaendert());
    EXPECT_FALSE(p().Geaendert());
    fenster->Wiederholen();
    EXPECT_EQ(inhalt(), traverse);
    EXPECT_TRUE(fenster->Geaendert());
    fenster->Wiederholen();
    EXPECT_EQ(inhalt(), linie);
}

TEST_F(RueckgaengigProjekt, LoeschenImPlanGehtZurueckUndAuswahlIstKeinSchritt)
{
    palette.sbTraverse->click();
    for (double y : {0.0, 2.0}) {
        klick(-4, y);
        klick(4, y);
    }
    const QStringList zwei = inhalt();
    const int schritte = fenster->Schritte()->count();
    palette.sbSelect->click();
    maus(fenster->pbGrundriss, QEvent::MouseButtonPress, bei(-5, -1), Qt::LeftButton, Qt::LeftButton);
    maus(fenster->pbGrundriss, QEvent::MouseButtonRelease, bei(5, 3), Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
    EXPECT_EQ(fenster->Schritte()->count(), schritte);
    dialoge.erwarteFrage(Antwort::Ja,
                         QStringLiteral("Gewählte Elemente löschen?\r\nDarunter sind 2 Traversen mit allen ihren Varianten."));
    palette.sbDelete->click();
    QApplication::processEvents();
    EXPECT_TRUE(dialoge.allesBeantwortet());
    EXPECT_EQ(p().cds_projekt.RecordCount(), 0);
    EXPECT_EQ(fenster->Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Löschen"));
    fenster->Rueckgaengig();
    EXPECT_EQ(inhalt(), zwei);
    fenster->Wiederholen();
    EXPECT_EQ(p().cds_projekt.RecordCount(), 0);
}

TEST_F(RueckgaengigProjekt, VarianteNeuUndDuplizierenUndZurueckZumGespeichertenStand)
{
    palette.sbTraverse->click();
    klick(-3, 0);
    klick(3, 0);
    fenster->pcProjekt->setCurrentWidget(fenster->tabVarianten);
    const QByteArray datei = gespeichert(QStringLiteral("a.prp"));
    const QStringList gespeicherterInhalt = inhalt();
    EXPECT_FALSE(fenster->Geaendert());

    setzeZweiWerteAntwort([](const QString&, const QString&, const QString&, QString& a, QString& b) {
        a = QStringLiteral("Aufbau");
        b = QStringLiteral("Petra");
        return true;
    });
    fenster->btnNew->click();
    QApplication::processEvents();
    ASSERT_EQ(p().cds_varianten.RecordCount(), 1);
    EXPECT_EQ(fenster->Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Neue Variante"));
    const QStringList eine = inhalt();
    fenster->btnDuplicate->click();
    QApplication::processEvents();
    setzeZweiWerteAntwort({});
    ASSERT_EQ(p().cds_varianten.RecordCount(), 2);
    EXPECT_EQ(fenster->Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Variante duplizieren"));

    fenster->Rueckgaengig();
    EXPECT_EQ(inhalt(), eine);
    fenster->Rueckgaengig();
    EXPECT_EQ(inhalt(), gespeicherterInhalt);
    EXPECT_FALSE(fenster->Geaendert());
    EXPECT_EQ(gespeichert(QStringLiteral("b.prp")), datei);
    fenster->Wiederholen();
    EXPECT_TRUE(fenster->Geaendert());
    EXPECT_EQ(inhalt(), eine);
}

TEST_F(RueckgaengigProjekt, EinGetippterProjektnameIstEinSchritt)
{
    fenster->pcProjekt->setCurrentWidget(fenster->tabUebersicht);
    fenster->edtProjektName->setFocus();
    QTest::keyClicks(fenster->edtProjektName, QStringLiteral("Stadtfest"));
    QApplication::processEvents();
    QTest::keyClicks(fenster->edtProjektBearbeiter, QStringLiteral("Petra"));
    QApplication::processEvents();
    EXPECT_EQ(p().name, QStringLiteral("Stadtfest"));
    EXPECT_EQ(fenster->Schritte()->count(), 2);
    fenster->Rueckgaengig();
    EXPECT_EQ(p().bearbeiter, QString());
    EXPECT_EQ(p().name, QStringLiteral("Stadtfest"));
    fenster->Rueckgaengig();
    EXPECT_EQ(p().name, QString());
    EXPECT_EQ(fenster->edtProjektName->text(), QString());
    EXPECT_FALSE(fenster->Geaendert());
}

TEST_F(RueckgaengigProjekt, VerschiebenIstEinSchrittUndGibtDasWerkzeugAnDieAuswahlZurueck)
{
    palette.sbTraverse->click();
    klick(-3, 0);
    klick(3, 0);
    const QStringList vorher = inhalt();
    palette.sbSelect->click();
    klick(0, 0);
    ASSERT_TRUE(palette.sbMove->isVisible());
    palette.sbMove->click();
    klick(0, 0);
    klick(0, 2);
    const QStringList verschoben = inhalt();
    ASSERT_NE(verschoben, vorher);
    EXPECT_EQ(fenster->Rueckgaengig1->text(), QStringLiteral("&Rückgängig: Verschieben"));
    EXPECT_EQ(fenster->grundriss().Werkzeug(), int(WerkzeugSelektieren));
    EXPECT_TRUE(palette.sbSelect->isChecked());
    EXPECT_FALSE(palette.sbMove->isChecked());
    klick(1, 4); // a stray click moves nothing
    EXPECT_EQ(inhalt(), verschoben);
    fenster->Rueckgaengig();
    EXPECT_EQ(inhalt(), vorher);
    fenster->Wiederholen();
    EXPECT_EQ(inhalt(), verschoben);
}
