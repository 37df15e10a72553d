// The two input dialogs shown modally and answered as a user does: captions, labels and button
// texts, confirming, cancelling, and the line form of the text dialog.
#include "fensterhilfen.h"
#include "project/fo_memoDialog.h"
#include "project/fo_zweiDialog.h"
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(ZweiDialog, ZeigtTitelBeschriftungenUndGibtGetippteWerteBeiOkZurueck)
{
    QString gesehen;
    beimModalenDialog<TfrmZweiDialog>([&](TfrmZweiDialog& d) {
        gesehen = QStringList{d.windowTitle(), d.Label1->text(), d.Label2->text(), d.Edit1->text(),
                              d.Edit2->text(), d.btnOk->text(), d.btnCancel->text()}
                      .join(u'|');
        d.Edit1->selectAll();
        tippe(d.Edit1, QStringLiteral("Aufbau"));
        tippe(d.Edit2, QStringLiteral(" Müller"));
        d.btnOk->click();
    });
    QString name = QStringLiteral("alt"), bearbeiter = QStringLiteral("Petra");
    EXPECT_TRUE(ZweiWerteAbfragen(QStringLiteral("Variante duplizieren"), QStringLiteral("Name"),
                                  QStringLiteral("Bearbeiter"), name, bearbeiter));
    EXPECT_EQ(gesehen, QStringLiteral("Variante duplizieren|Name|Bearbeiter|alt|Petra|Ok|Abbrechen"));
    EXPECT_EQ(name, QStringLiteral("Aufbau"));
    EXPECT_EQ(bearbeiter, QStringLiteral("Petra Müller"));
}

TEST(ZweiDialog, BestaetigtMitLeerenFeldernGibtZweiLeereTexte)
{
    beimModalenDialog<TfrmZweiDialog>([](TfrmZweiDialog& d) { d.btnOk->click(); });
    QString a, b;
    EXPECT_TRUE(ZweiWerteAbfragen(QStringLiteral("Neue Variante"), QStringLiteral("Name"),
                                  QStringLiteral("Bearbeiter"), a, b));
    EXPECT_TRUE(a.isEmpty());
    EXPECT_TRUE(b.isEmpty());
}

TEST(ZweiDialog, AbbrechenUndSchliessenLassenDieWerteUnberuehrt)
{
    QString a = QStringLiteral("eins"), b = QStringLiteral("zwei");
    beimModalenDialog<TfrmZweiDialog>([](TfrmZweiDialog& d) {
        tippe(d.Edit1, QStringLiteral("xyz"));
        d.btnCancel->click();
    });
    EXPECT_FALSE(ZweiWerteAbfragen(QStringLiteral("T"), QStringLiteral("1"), QStringLiteral("2"), a, b));
    beimModalenDialog<TfrmZweiDialog>([](TfrmZweiDialog& d) {
        tippe(d.Edit2, QStringLiteral("xyz"));
        d.close();
    });
    EXPECT_FALSE(ZweiWerteAbfragen(QStringLiteral("T"), QStringLiteral("1"), QStringLiteral("2"), a, b));
    EXPECT_EQ(a, QStringLiteral("eins"));
    EXPECT_EQ(b, QStringLiteral("zwei"));
}

TEST(MemoDialog, UnveraendertBestaetigtGibtJederZeileEinCrLf)
{
    QString gesehen;
    beimModalenDialog<Tfrm_memoDialog>([&](Tfrm_memoDialog& d) {
        gesehen = d.windowTitle() + u'|' + d.Memo1->toPlainText() + u'|' + d.btnOk->text() + u'|' + d.btnCancel->text();
        d.btnOk->click();
    });
    QString text = QStringLiteral("erste\r\nzweite\rdritte");
    EXPECT_TRUE(TextAbfragen(QStringLiteral("Anmerkung"), text));
    EXPECT_EQ(gesehen, QStringLiteral("Anmerkung|erste\nzweite\ndritte|Ok|Abbrechen"));
    EXPECT_EQ(text, QStringLiteral("erste\r\nzweite\r\ndritte\r\n"));

    beimModalenDialog<Tfrm_memoDialog>([](Tfrm_memoDialog& d) { d.btnOk->click(); });
    QString leer;
    EXPECT_TRUE(TextAbfragen(QStringLiteral("Anmerkung"), leer));
    EXPECT_TRUE(leer.isEmpty());
}

TEST(MemoDialog, GetippteZeilenUndAbbrechen)
{
    beimModalenDialog<Tfrm_memoDialog>([](Tfrm_memoDialog& d) {
        d.Memo1->setFocus();
        d.Memo1->moveCursor(QTextCursor::End);
        d.Memo1->insertPlainText(QStringLiteral("\nHängepunkt 3"));
        d.btnOk->click();
    });
    QString text = QStringLiteral("Motor prüfen");
    EXPECT_TRUE(TextAbfragen(QStringLiteral("Anmerkung"), text));
    EXPECT_EQ(text, QStringLiteral("Motor prüfen\r\nHängepunkt 3\r\n"));

    beimModalenDialog<Tfrm_memoDialog>([](Tfrm_memoDialog& d) {
        d.Memo1->setPlainText(QStringLiteral("weg"));
        d.btnCancel->click();
    });
    EXPECT_FALSE(TextAbfragen(QStringLiteral("Anmerkung"), text));
    EXPECT_EQ(text, QStringLiteral("Motor prüfen\r\nHängepunkt 3\r\n"));
}

TEST(Eingabedialoge, AntwortStattDialogErsetztBeideBisSieZurueckgesetztWird)
{
    setzeZweiWerteAntwort([](const QString& titel, const QString&, const QString&, QString& a, QString& b) {
        a = titel;
        b = QStringLiteral("B");
        return true;
    });
    setzeTextAntwort([](const QString&, QString&) { return false; });
    QString a, b, t = QStringLiteral("bleibt");
    EXPECT_TRUE(ZweiWerteAbfragen(QStringLiteral("Neue Variante"), {}, {}, a, b));
    EXPECT_FALSE(TextAbfragen(QStringLiteral("Anmerkung"), t));
    setzeZweiWerteAntwort({});
    setzeTextAntwort({});
    EXPECT_EQ(a, QStringLiteral("Neue Variante"));
    EXPECT_EQ(b, QStringLiteral("B"));
    EXPECT_EQ(t, QStringLiteral("bleibt"));
}
