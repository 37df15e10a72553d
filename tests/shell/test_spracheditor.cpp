// The language editor as the first document window: new, open, save, search, register, close.
#include "language/fo_sprache.h"
#include "language/u_sprachfelder.h"
#include "platform/u_tabellenmodell_qt.h"
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "u_fenstertest.h"
#include "u_testhilfen.h"
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct Editorumgebung {
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    Editorumgebung() { anwendung.Starten(); }
    Tfrm_sprache* neu() { return static_cast<Tfrm_sprache*>(anwendung.menu()->Neu(Dokumentart::Sprache)); }
};

void zeile(TBClientDataSet& t, int nummer, const QString& name)
{
    t.Append();
    t.FieldByName(Sprachfeld::Nummer).SetAsInteger(nummer);
    t.FieldByName(Sprachfeld::Name).SetAsString(name);
    t.Post();
}

QString aktuellerName(TBClientDataSet& t) { return t.FieldByName(Sprachfeld::Name).AsString(); }
} // namespace

TEST(Spracheditor, NeuerEditorHatLeereKlammernUndDieSpaltenNummerUndName)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Sprache []"));
    QAbstractItemModel* modell = editor->Grid()->model();
    ASSERT_EQ(modell->columnCount(), 2);
    EXPECT_EQ(modell->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nummer"));
    EXPECT_EQ(modell->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
    EXPECT_EQ(modell->rowCount(), 0);
    bildVon(u.anwendung.hauptfenster(), QStringLiteral("hauptfenster_spracheditor"));
}

TEST(Spracheditor, ZweiteZeileMitVorhandenerNummerWirdAbgewiesen)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    zeile(editor->Tabelle(), 5, QStringLiteral("fünf"));
    EXPECT_TRUE(editor->Geaendert());
    EXPECT_EQ(editor->Statusfeld(0)->text(), QStringLiteral("geändert"));
    EXPECT_FALSE(fehlerVon([&] { zeile(editor->Tabelle(), 5, QStringLiteral("nochmals")); }).isEmpty());
    editor->Tabelle().Cancel();
    EXPECT_EQ(editor->Tabelle().RecordCount(), 1);
}

TEST(Spracheditor, SucheMitSternFindetDenAnfangInJederSchreibungVonAbisZ)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    TBClientDataSet& t = editor->Tabelle();
    zeile(t, 1, QStringLiteral("Länge"));
    zeile(t, 2, QStringLiteral("lastfall"));
    zeile(t, 3, QStringLiteral("LAS"));
    zeile(t, 4, QStringLiteral("läufer"));
    t.First();
    u.skript.erwarteEingabe(QStringLiteral("las*"));
    editor->Suchen();
    EXPECT_EQ(aktuellerName(t), QStringLiteral("lastfall"));
    // without the star only the whole text matches
    u.skript.erwarteEingabe(QStringLiteral("las"));
    editor->Suchen();
    EXPECT_EQ(aktuellerName(t), QStringLiteral("LAS"));
    // umlauts keep their case: "LÄ*" does not find "läufer", the search ends on the last row
    u.skript.erwarteEingabe(QStringLiteral("LÄ*"));
    editor->Suchen();
    EXPECT_EQ(aktuellerName(t), QStringLiteral("läufer"));
    EXPECT_EQ(u.skript.gezeigt.first(), QStringLiteral("Suchbegriff:"));
}

TEST(Spracheditor, SucheAufDerLetztenZeileVergleichtSieNochEinmal)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    TBClientDataSet& t = editor->Tabelle();
    zeile(t, 1, QStringLiteral("eins"));
    zeile(t, 2, QStringLiteral("zwei"));
    t.Last();
    u.skript.erwarteEingabe(QStringLiteral("ZWEI"));
    editor->Suchen();
    EXPECT_EQ(t.RecNo(), 2);
    EXPECT_EQ(aktuellerName(t), QStringLiteral("zwei"));
}

TEST(Spracheditor, SpeichernUnterZeigtDenNamenUndLoeschtDieMarke)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    zeile(editor->Tabelle(), 7, QStringLiteral("sieben"));
    const QString pfad = u.ordner.pfad(QStringLiteral("Sprachen/Neu"));
    u.skript.erwarteSpeichern(pfad + QStringLiteral(".prl"));
    u.anwendung.menu()->SpeichernUnter(Dokumentart::Sprache);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Sprache [%1.prl]").arg(pfad));
    EXPECT_FALSE(editor->Geaendert());
    EXPECT_EQ(editor->Statusfeld(0)->text(), QString());
    ASSERT_EQ(u.skript.dateiDialoge.size(), 1);
    EXPECT_EQ(u.skript.dateiDialoge[0].startordner, u.ordner.pfad(QStringLiteral("Sprachen")));
    EXPECT_EQ(u.skript.dateiDialoge[0].standardEndung, QStringLiteral("prl"));

    // saving again under the same name asks first; No leaves the file as it was
    const QByteArray vorher = dateiInhalt(pfad + QStringLiteral(".prl"));
    zeile(editor->Tabelle(), 8, QStringLiteral("acht"));
    u.skript.erwarteSpeichern(pfad + QStringLiteral(".prl"));
    u.skript.erwarteFrage(Antwort::Nein, QStringLiteral("Datei %1.prl existiert bereit\r\nÜberschreiben?").arg(pfad));
    u.anwendung.menu()->SpeichernUnter(Dokumentart::Sprache);
    EXPECT_EQ(dateiInhalt(pfad + QStringLiteral(".prl")), vorher);
    EXPECT_TRUE(editor->Geaendert());
    // "&Speichern" writes to the existing file without asking
    u.anwendung.menu()->Speichern(Dokumentart::Sprache);
    EXPECT_FALSE(editor->Geaendert());
    EXPECT_TRUE(u.skript.unerwartet.isEmpty());

    Tfrm_sprache* geoeffnet = static_cast<Tfrm_sprache*>(
        u.anwendung.menu()->OeffneDatei(Dokumentart::Sprache, pfad + QStringLiteral(".prl")));
    EXPECT_EQ(geoeffnet->Tabelle().RecordCount(), 2);
    EXPECT_FALSE(geoeffnet->Geaendert());
}

TEST(Spracheditor, KeineSprachdateiOeffnetKeinenEditor)
{
    Editorumgebung u;
    const QString pfad = u.ordner.pfad(QStringLiteral("fremd.prl"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x06\x03" "abc", 5);
    f.close();
    u.skript.erwarteMeldung(QStringLiteral("keine gültige Sprachdatei"));
    EXPECT_EQ(u.anwendung.menu()->OeffneDatei(Dokumentart::Sprache, pfad), nullptr);
    EXPECT_TRUE(u.skript.allesBeantwortet());
    EXPECT_TRUE(u.anwendung.Dokumente().empty());
}

TEST(Spracheditor, SchliessenMitJaUndAbgebrochenemDialogLaesstDasFensterOffen)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    zeile(editor->Tabelle(), 1, QStringLiteral("eins"));
    u.skript.erwarteFrage3(Antwort::Ja, QStringLiteral("Sprache wurde geändert.\r\nSpeichern?"));
    u.skript.erwarteSpeichern(std::nullopt);
    EXPECT_FALSE(editor->close());
    EXPECT_EQ(u.anwendung.Dokumente().size(), 1u);
    EXPECT_TRUE(editor->Geaendert());
    u.skript.erwarteFrage3(Antwort::Nein);
    EXPECT_TRUE(editor->close());
    EXPECT_TRUE(u.skript.unerwartet.isEmpty());
}

TEST(Spracheditor, SchliessfrageNenntDieSprachdatei)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    zeile(editor->Tabelle(), 1, QStringLiteral("eins"));
    ASSERT_TRUE(editor->SpeichernUnter(u.ordner.pfad(QStringLiteral("Sprachen/Polski.prl"))));
    zeile(editor->Tabelle(), 2, QStringLiteral("zwei"));
    u.skript.erwarteFrage3(Antwort::Abbrechen,
                           QStringLiteral("Sprache Polski.prl wurde geändert.\r\nSpeichern?"));
    EXPECT_FALSE(editor->close());
    EXPECT_TRUE(u.skript.allesBeantwortet());
    EXPECT_TRUE(u.skript.unerwartet.isEmpty());
    editor->setzeGeaendert(false);
}

TEST(Spracheditor, OffeneZelleZaehltBeimSchliessenAlsAenderung)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    zeile(editor->Tabelle(), 1, QStringLiteral("eins"));
    ASSERT_TRUE(editor->SpeichernUnter(u.ordner.pfad(QStringLiteral("Sprachen/Polski.prl"))));
    auto* grid = editor->findChild<QTableView*>();
    ASSERT_NE(grid, nullptr);
    const QModelIndex text = grid->model()->index(0, 1);
    grid->setCurrentIndex(text);
    grid->edit(text);
    auto* feld = qobject_cast<QLineEdit*>(grid->indexWidget(text));
    ASSERT_NE(feld, nullptr);
    feld->selectAll();
    QTest::keyClicks(feld, QStringLiteral("uno"));
    EXPECT_FALSE(editor->Geaendert());
    u.skript.erwarteFrage3(Antwort::Abbrechen,
                           QStringLiteral("Sprache Polski.prl wurde geändert.\r\nSpeichern?"));
    EXPECT_FALSE(editor->close());
    EXPECT_TRUE(u.skript.allesBeantwortet());
    EXPECT_TRUE(u.skript.unerwartet.isEmpty());
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), QStringLiteral("uno"));
    editor->setzeGeaendert(false);
}

TEST(Spracheditor, RegistrierenLaesstJedenPfadNurEinmalInDerListe)
{
    Editorumgebung u;
    u.skript.erwarteOeffnen(QStringLiteral("/daten/Sprachen/English.prl"));
    u.anwendung.menu()->Registrieren();
    u.skript.erwarteOeffnen(QStringLiteral("/DATEN/sprachen/english.PRL"));
    u.anwendung.menu()->Registrieren();
    u.skript.erwarteOeffnen(QStringLiteral("/daten/Sprachen/Polski.prl"));
    u.anwendung.menu()->Registrieren();
    EXPECT_EQ(dateiInhalt(u.ordner.pfad(QStringLiteral("Sprachen/Sprachen.txt"))),
              QByteArray("/daten/Sprachen/English.prl\n/daten/Sprachen/Polski.prl\n"));
    ASSERT_EQ(u.skript.dateiDialoge.size(), 3);
    EXPECT_TRUE(u.skript.dateiDialoge[0].startordner.isEmpty());
}

TEST(Spracheditor, DasGridNimmtHoechstensFuenfzigZeichenFuerDenNamen)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    zeile(editor->Tabelle(), 1, QStringLiteral("eins"));
    QTableView* grid = editor->Grid();
    const QModelIndex name = grid->model()->index(0, 1);
    grid->setCurrentIndex(name);
    grid->edit(name);
    auto* feld = grid->findChild<QLineEdit*>();
    ASSERT_NE(feld, nullptr);
    EXPECT_EQ(feld->maxLength(), 50);
}

TEST(Spracheditor, RegistrierenAufVollerPlatteLaesstDieListeWieSieWar)
{
    Editorumgebung u;
    u.skript.erwarteOeffnen(QStringLiteral("/daten/Sprachen/English.prl"));
    u.anwendung.menu()->Registrieren();
    const QString liste = u.ordner.pfad(QStringLiteral("Sprachen/Sprachen.txt"));
    const QByteArray vorher = dateiInhalt(liste);
    u.skript.erwarteOeffnen(QStringLiteral("/daten/Sprachen/Polski.prl"));
    QString meldung;
    {
        VollePlatte voll(vorher.size());
        meldung = fehlerVon([&] { u.anwendung.menu()->Registrieren(); });
    }
    EXPECT_EQ(meldung, QStringLiteral("Stream-Schreibfehler"));
    EXPECT_EQ(dateiInhalt(liste), vorher);
}


TEST(Spracheditor, ZeilenLassenSichAnfuegenUndMitFrageLoeschenUndEineAenderungBleibtInIhrerZeile)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    for (int nummer = 1; nummer <= 5; ++nummer)
        zeile(editor->Tabelle(), nummer, QStringLiteral("Text %1").arg(nummer));
    auto* grid = editor->findChild<QTableView*>(QStringLiteral("DBGrid1"));
    QAbstractItemModel* m = grid->model();

    // an edit of row 4 stays there: Return goes on to the next row, not back to row 1
    grid->setCurrentIndex(m->index(3, 1));
    tippeUndWeiter(grid, QStringLiteral("Vier"), Qt::Key_Return);
    EXPECT_EQ(grid->currentIndex(), m->index(4, 0));
    ASSERT_TRUE(editor->Tabelle().Locate({Sprachfeld::Nummer}, {4}));
    EXPECT_EQ(aktuellerName(editor->Tabelle()), QStringLiteral("Vier"));

    // past the last row a new row begins; it is taken when the cursor leaves it
    grid->setCurrentIndex(m->index(4, 1));
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(m->rowCount(), 6);
    EXPECT_EQ(grid->currentIndex(), m->index(5, 0));
    tippeUndWeiter(grid, QStringLiteral("17"), Qt::Key_Tab);
    tippeUndWeiter(grid, QStringLiteral("Fehlender Text"), Qt::Key_Return);
    EXPECT_EQ(m->rowCount(), 7);
    grid->setCurrentIndex(m->index(0, 1));
    EXPECT_EQ(editor->Tabelle().RecordCount(), 6);
    ASSERT_TRUE(editor->Tabelle().Locate({Sprachfeld::Nummer}, {17}));
    EXPECT_EQ(aktuellerName(editor->Tabelle()), QStringLiteral("Fehlender Text"));
    EXPECT_TRUE(editor->Geaendert());

    // Ctrl+Del asks; No keeps the row, Yes deletes it
    grid->setCurrentIndex(m->index(1, 1));
    u.skript.erwarteFrage(Antwort::Nein, QStringLiteral("Zeile 2 löschen?"));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(editor->Tabelle().RecordCount(), 6);
    u.skript.erwarteFrage(Antwort::Ja, QStringLiteral("Zeile 2 löschen?"));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(editor->Tabelle().RecordCount(), 5);
    EXPECT_FALSE(editor->Tabelle().Locate({Sprachfeld::Nummer}, {2}));
    EXPECT_TRUE(u.skript.allesBeantwortet());
    ohneUnerwartetes(u.skript);
    editor->setzeGeaendert(false);
}

TEST(Spracheditor, EinNeuerEditorNimmtZeileFuerZeileNurMitDerTastatur)
{
    Editorumgebung u;
    Tfrm_sprache* editor = u.neu();
    auto* grid = editor->findChild<QTableView*>(QStringLiteral("DBGrid1"));
    // the first key typed into the empty table begins its first row
    QTest::keyClick(grid, Qt::Key_1);
    ASSERT_EQ(grid->currentIndex(), grid->model()->index(0, 0));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : grid, Qt::Key_Return);
    ASSERT_EQ(grid->currentIndex(), grid->model()->index(0, 1));
    tippeUndWeiter(grid, QStringLiteral("Text 1"), Qt::Key_Return);
    for (int nummer = 2; nummer <= 3; ++nummer) {
        tippeUndWeiter(grid, QString::number(nummer), Qt::Key_Return);
        tippeUndWeiter(grid, QStringLiteral("Text %1").arg(nummer), Qt::Key_Return);
    }
    EXPECT_EQ(editor->Tabelle().RecordCount(), 3);
    for (int nummer = 1; nummer <= 3; ++nummer) {
        ASSERT_TRUE(editor->Tabelle().Locate({Sprachfeld::Nummer}, {nummer}));
        EXPECT_EQ(aktuellerName(editor->Tabelle()), QStringLiteral("Text %1").arg(nummer));
    }
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(3, 0));
    ohneUnerwartetes(u.skript);
    editor->setzeGeaendert(false);
}
