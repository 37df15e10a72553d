// Start-up order, the settings file, shutdown with changed documents, menus and shortcuts.
#include "language/fo_sprache.h"
#include "platform/u_einstellungsdatei.h"
#include "platform/u_modifikator_qt.h"
#include "project/fo_grundrisstool.h"
#include "project/fo_projekt.h"
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "u_fenstertest.h"
#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QStringList menuTitel(QMainWindow* fenster)
{
    QStringList titel;
    for (QAction* a : fenster->menuBar()->actions())
        titel << a->text();
    return titel;
}
} // namespace

TEST(Start, ZeigtMitDebugDieSpurpunkteInIhrerReihenfolge)
{
    Programmordner ordner;
    setzeBefehlszeile({QStringLiteral("DEBUG")});
    SkriptDialoge skript;
    for (const char* punkt : {"HP 01", "HP 02", "HP 03", "HP 04", "HP 05", "HP 06", "HP 07", "HP 08", "frm_main 01",
                              "frm_main 02", "frm_main 03"})
        skript.erwarteMeldung(QString::fromLatin1(punkt));
    Anwendung anwendung;
    anwendung.Starten();
    EXPECT_TRUE(skript.unerwartet.isEmpty()) << skript.unerwartet.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(skript.allesBeantwortet());
    EXPECT_TRUE(anwendung.hauptfenster()->isMaximized());
    EXPECT_EQ(anwendung.hauptfenster()->windowTitle(), QStringLiteral("Kelvara VLX"));
}

TEST(Start, ZeigtOhneOderMitKleingeschriebenemDebugKeinenSpurpunkt)
{
    for (const QStringList& argumente : {QStringList(), QStringList{QStringLiteral("debug")}}) {
        Programmordner ordner;
        setzeBefehlszeile(argumente);
        SkriptDialoge skript;
        Anwendung anwendung;
        anwendung.Starten();
        EXPECT_TRUE(skript.gezeigt.isEmpty()) << skript.gezeigt.join(QLatin1Char('|')).toStdString();
    }
}

TEST(Start, HauptmenueHatSeineMenuesInDerReihenfolgeDerGruppen)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    EXPECT_EQ(menuTitel(anwendung.hauptfenster()),
              (QStringList{"&Programm", "&Projekt", "&Einzelprojekt", "&Traverse", "&Belastungstabellen",
                           "&Sprache", "&Fenster", "&Hilfe"}));
    // "An&ordnen" stands twice in the window menu; the window commands wait for a document
    QStringList fenster;
    for (QAction* a : anwendung.menu()->Fenstermenue()->actions())
        fenster << a->text();
    EXPECT_EQ(fenster.count(QStringLiteral("An&ordnen")), 2);
    EXPECT_FALSE(Tfrm_menu::Aktion(QStringLiteral("WindowCascade1"))->isEnabled());
    anwendung.menu()->Neu(Dokumentart::Sprache);
    EXPECT_TRUE(Tfrm_menu::Aktion(QStringLiteral("WindowCascade1"))->isEnabled());
}

TEST(Start, EinDokumentfensterBringtSeinMenueMitDasDasGleicheGruppeErsetzt)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    auto* editor = static_cast<Tfrm_sprache*>(anwendung.menu()->Neu(Dokumentart::Sprache));
    QList<QAction*> leiste = anwendung.hauptfenster()->menuBar()->actions();
    ASSERT_EQ(leiste.size(), 9);
    EXPECT_EQ(leiste[5]->menu(), editor->Sprachmenue());
    EXPECT_EQ(leiste[6]->menu(), editor->Bearbeiten1); // its edit menu right after it
    QStringList eintraege;
    for (QAction* a : editor->Sprachmenue()->actions())
        if (!a->isSeparator())
            eintraege << a->text();
    EXPECT_EQ(eintraege, (QStringList{"&Neu", "Ö&ffnen...", "&Speichern", "Speichern &unter...", "&Registrieren",
                                      "S&uchen", "Deutsch"}));
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    leiste = anwendung.hauptfenster()->menuBar()->actions();
    ASSERT_EQ(leiste.size(), 8);
    EXPECT_EQ(leiste[5]->menu(), anwendung.menu()->Sprachmenue());
}

TEST(Start, StrgNUndStrgOFuehrenDieProjektbefehleAus)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    QSignalSpy projektNeu(Tfrm_menu::Aktion(QStringLiteral("act_proj_new")), &QAction::triggered);
    QSignalSpy spracheNeu(Tfrm_menu::Aktion(QStringLiteral("New1")), &QAction::triggered);
    QSignalSpy projektOeffnen(Tfrm_menu::Aktion(QStringLiteral("act_proj_open")), &QAction::triggered);
    QSignalSpy einzelOeffnen(Tfrm_menu::Aktion(QStringLiteral("act_e_open")), &QAction::triggered);
    // only enabled actions fire; the project kind is not part of this test program's shell
    for (const char* name : {"act_proj_new", "act_proj_open", "New1", "act_e_open", "FileOpen1"})
        Tfrm_menu::Aktion(QString::fromLatin1(name))->setEnabled(true);
    skript.erwarteOeffnen(std::nullopt);
    QWidget* hauptfenster = anwendung.hauptfenster();
    hauptfenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(hauptfenster));
    QTest::keyClick(hauptfenster, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(hauptfenster, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(projektNeu.count(), 1);
    EXPECT_EQ(spracheNeu.count(), 0);
    EXPECT_EQ(projektOeffnen.count(), 1);
    EXPECT_EQ(einzelOeffnen.count(), 0);
    ASSERT_EQ(skript.dateiDialoge.size(), 1);
    EXPECT_EQ(skript.dateiDialoge[0].startordner, ordner.pfad(QStringLiteral("Projekte/")));
    EXPECT_EQ(skript.dateiDialoge[0].filter, QStringLiteral("Kelvara VLX Projekt *.prp|*.prp|Alle Dateien *.*|*.*"));
}

TEST(Einstellungsdatei, BehaeltFremdeAbschnitteUndVerliertKommentareUndLeerzeilen)
{
    Programmordner ordner;
    const QString pfad = ordner.pfad(QStringLiteral("Kelvara.ini"));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("vorher=weg\n[Fremd]\n ; ein Kommentar\n  Farbe = blau \n\n[sprache]\nnummer=7\n");
    datei.close();
    Einstellungsdatei ini(pfad);
    EXPECT_EQ(ini.LeseInteger(QStringLiteral("Sprache"), QStringLiteral("Nummer"), 0), 7);
    ini.SchreibeInteger(QStringLiteral("Sprache"), QStringLiteral("Nummer"), 0);
    ASSERT_TRUE(ini.Speichern());
    EXPECT_EQ(dateiInhalt(pfad), QByteArray("[Fremd]\nFarbe=blau\n[sprache]\nnummer=0\n"));
}

TEST(Einstellungsdatei, NimmtBeimStartDieGespeicherteSpracheUndSchreibtSieAmEnde)
{
    Programmordner ordner;
    for (const char* name : {"Eins.prl", "Zwei.prl", "Drei.prl"})
        schreibeSprachdatei(ordner.pfad(QStringLiteral("Sprachen/") + QString::fromLatin1(name)),
                            {{1200, QString::fromLatin1(name)}});
    const QString ini = ordner.pfad(QStringLiteral("Kelvara.ini"));
    QFile(ini).remove();
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Sprache]\nNummer=2\n");
    }
    {
        SkriptDialoge skript;
        Anwendung anwendung;
        anwendung.Starten();
        EXPECT_EQ(anwendung.sprache().Sprachnummer, 2);
        // the second entry in listing order is the one switched to
        const QString zweite = Sprachdateien().at(1);
        EXPECT_EQ(menuTitel(anwendung.hauptfenster()).first(), zweite);
    }
    EXPECT_EQ(dateiInhalt(ini), QByteArray("[Sprache]\nNummer=2\n"));

    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Sprache]\nNummer=4\n");
    }
    {
        SkriptDialoge skript;
        Anwendung anwendung;
        anwendung.Starten();
        EXPECT_EQ(anwendung.sprache().Sprachnummer, 0);
        EXPECT_EQ(menuTitel(anwendung.hauptfenster()).first(), QStringLiteral("&Programm"));
    }
    EXPECT_EQ(dateiInhalt(ini), QByteArray("[Sprache]\nNummer=0\n"));
}

TEST(Beenden, AbbrechenBeiEinemGeaendertenDokumentLaesstAllesOffenUndDieIniUngeschrieben)
{
    Programmordner ordner;
    SkriptDialoge skript;
    auto anwendung = std::make_unique<Anwendung>();
    anwendung->Starten();
    auto* erstes = anwendung->menu()->Neu(Dokumentart::Sprache);
    auto* zweites = anwendung->menu()->Neu(Dokumentart::Sprache);
    erstes->setzeGeaendert(true);
    zweites->setzeGeaendert(true);
    skript.erwarteFrage3(Antwort::Nein, QStringLiteral("Sprache wurde geändert.\r\nSpeichern?"));
    skript.erwarteFrage3(Antwort::Abbrechen, QStringLiteral("Sprache wurde geändert.\r\nSpeichern?"));
    EXPECT_FALSE(anwendung->hauptfenster()->close());
    EXPECT_TRUE(anwendung->hauptfenster()->isVisible());
    EXPECT_EQ(anwendung->Dokumente().size(), 2u);
    EXPECT_FALSE(QFile::exists(ordner.pfad(QStringLiteral("Kelvara.ini"))));
    EXPECT_TRUE(skript.allesBeantwortet());

    // asked again, both agree and close without a third question
    skript.erwarteFrage3(Antwort::Nein);
    skript.erwarteFrage3(Antwort::Nein);
    EXPECT_TRUE(anwendung->hauptfenster()->close());
    EXPECT_TRUE(skript.unerwartet.isEmpty());
    anwendung.reset();
    EXPECT_TRUE(QFile::exists(ordner.pfad(QStringLiteral("Kelvara.ini"))));
}

TEST(Tastatur, StrgVorUmschaltGibtStufeFuenf)
{
    EXPECT_EQ(Modifikatorstufe(Qt::ControlModifier | Qt::ShiftModifier), 5);
    EXPECT_EQ(Modifikatorstufe(Qt::ShiftModifier), 2);
    EXPECT_EQ(Modifikatorstufe(Qt::AltModifier), 1);
}

namespace {
struct Lupe : QWidget, Modifikatorempfaenger {
    int stufe = 0;
    void setzeModifikatorstufe(int s) override { stufe = s; }
};
} // namespace

TEST(Tastatur, JedeTasteReichtDieStufeAnDieSichtbarePaletteWeiter)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    Lupe* palette = nullptr;
    anwendung.registriereDauerfenster(Dauerfenster::Grundrisstool, [&palette](QWidget*) {
        palette = new Lupe;
        return palette;
    });
    anwendung.Starten();
    palette->show();
    QTest::keyPress(anwendung.hauptfenster(), Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(palette->stufe, 5);
    QTest::keyRelease(anwendung.hauptfenster(), Qt::Key_Control, Qt::NoModifier);
    EXPECT_EQ(palette->stufe, 1);
    palette->hide();
    QTest::keyPress(anwendung.hauptfenster(), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(palette->stufe, 1);
    delete palette;
}

// The floor-plan palette is a tool window the user moves; its place comes back in the next run,
// written after the language in the settings file. Without a place it first shows at the right
// of the frame, clear of the menus; a place on no screen is not taken.
TEST(Grundrisspalette, BehaeltIhrenPlatzZwischenDenLaeufen)
{
    Programmordner ordner;
    const QString ini = ordner.pfad(QStringLiteral("Kelvara.ini"));
    const auto schreibe = [&](const QByteArray& inhalt) {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    };
    schreibe("[Sprache]\nNummer=0\n[Grundrisstool]\nLinks=150\nOben=120\n");
    {
        SkriptDialoge skript;
        Anwendung anwendung;
        anwendung.Starten();
        auto* palette = qobject_cast<Tfrm_grundrisstool*>(anwendung.dauerfenster(Dauerfenster::Grundrisstool));
        ASSERT_NE(palette, nullptr);
        EXPECT_FALSE(palette->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(palette->windowTitle(), QStringLiteral("Grundriss-Werkzeuge"));
        palette->show();
        EXPECT_EQ(palette->pos(), QPoint(150, 120));
        palette->move(170, 90);
    }
    EXPECT_EQ(dateiInhalt(ini), QByteArray("[Sprache]\nNummer=0\n[Grundrisstool]\nLinks=170\nOben=90\n"));

    for (const QByteArray& inhalt : {QByteArray("[Sprache]\nNummer=0\n"),
                                     QByteArray("[Sprache]\nNummer=0\n[Grundrisstool]\nLinks=-90000\nOben=5\n")}) {
        schreibe(inhalt);
        SkriptDialoge skript;
        Anwendung anwendung;
        anwendung.Starten();
        auto* palette = qobject_cast<Tfrm_grundrisstool*>(anwendung.dauerfenster(Dauerfenster::Grundrisstool));
        ASSERT_NE(palette, nullptr);
        palette->show();
        const QRect rahmen = anwendung.hauptfenster()->geometry();
        EXPECT_GT(palette->x(), rahmen.center().x()) << inhalt.toStdString();
        EXPECT_GT(palette->y(), rahmen.top() + 40) << inhalt.toStdString(); // below the menu bar
    }
}

TEST(Start, OhneBefehlsmodulGibtEsJeNameEinenErsatzNichtEinenJeAufruf)
{
    const QString name = QStringLiteral("act_test_ersatz");
    QAction* erster = Tfrm_menu::Aktion(name);
    const auto vorher = qApp->findChildren<QAction*>(name, Qt::FindDirectChildrenOnly).size();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Tfrm_menu::Aktion(name), erster);
    EXPECT_EQ(qApp->findChildren<QAction*>(name, Qt::FindDirectChildrenOnly).size(), vorher);
    EXPECT_EQ(vorher, 1);
}
