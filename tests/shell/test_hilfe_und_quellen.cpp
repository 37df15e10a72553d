// The help viewer and the English language sources shipped with the program.
#include "language/u_sprachquelle.h"
#include "platform/fo_hilfe.h"
#include "u_fenstertest.h"
#include "u_testhilfen.h"
#include <QDir>
#include <QTest>
#include <QTextBrowser>
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include <gtest/gtest.h>

TEST(Hilfe, OhneChmBibliothekBleibtDieHilfeAusUndF1TutNichts)
{
    Hilfeanzeige hilfe(QStringLiteral("libgibtesnicht_kelvara.so"));
    EXPECT_FALSE(hilfe.Verfuegbar());
    QWidget besitzer;
    EXPECT_FALSE(hilfe.Zeige(&besitzer, QStringLiteral(KELVARA_BINAER "/bin/kelvara_vlx.chm")));
    EXPECT_EQ(hilfe.Fenster(), nullptr);
}

TEST(Hilfe, OeffnetDieMitgelieferteHilfedateiBeiIhremStartthema)
{
    Hilfeanzeige hilfe;
    ASSERT_TRUE(hilfe.Verfuegbar());
    QWidget besitzer;
    ASSERT_TRUE(hilfe.Zeige(&besitzer, QStringLiteral(KELVARA_BINAER "/bin/kelvara_vlx.chm")));
    auto* browser = qobject_cast<QTextBrowser*>(hilfe.Fenster());
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().path(), QStringLiteral("/index.html"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Rigger in Veranstaltungstechnik")));
    EXPECT_FALSE(hilfe.Zeige(&besitzer, QStringLiteral("/gibt/es/nicht.chm")));
}

TEST(Sprachquellen, EnglischDecktDieTexteDesHauptmenuesUndDerMeldungenAb)
{
    const QDir ordner(QStringLiteral(KELVARA_QUELLEN "/assets/sprachen/en"));
    QStringList dateien;
    for (const QString& name : ordner.entryList({QStringLiteral("*.txt")}))
        dateien << ordner.filePath(name);
    const auto texte = LeseSprachquellen(dateien);
    for (int id = 1; id <= 8; ++id)
        EXPECT_EQ(texte.count(id), 1u) << id;
    for (int id = 1001; id <= 1008; ++id)
        EXPECT_EQ(texte.count(id), 1u) << id;
    for (int id = 1200; id <= 1229; ++id)
        EXPECT_EQ(texte.count(id), id == 1218 ? 0u : 1u) << id;
    EXPECT_EQ(texte.at(2), QStringLiteral("File %s already exists."));
}

TEST(Sprachquellen, FalscheZeilenDoppelteIdsUndZuLangeTexteNennenDateiUndZeile)
{
    Programmordner ordner;
    auto quelle = [&](const QByteArray& inhalt) {
        const QString pfad = ordner.pfad(QStringLiteral("q.txt"));
        QFile f(pfad);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(inhalt);
        f.close();
        return fehlerVon([&] { LeseSprachquellen({pfad}); });
    };
    EXPECT_EQ(quelle("# Kopf\n\n1=eins\r\n2=zwei=drei\n"), QString());
    EXPECT_EQ(quelle("1=eins\nzwei\n"), QStringLiteral("q.txt, Zeile 2: keine Zeile der Form id=Text"));
    EXPECT_EQ(quelle("1=eins\n1=nochmals\n"), QStringLiteral("q.txt, Zeile 2: Id 1 steht schon weiter oben"));
    EXPECT_EQ(quelle("5=" + QByteArray(51, 'x') + "\n"), QStringLiteral("q.txt, Zeile 1: Text länger als 50 Zeichen"));
}

TEST(Hilfe, StartOhneHilfebibliothekMeldetEsEinmalUndF1BleibtStill)
{
    Programmordner ordner;
    Hilfeanzeige::setzeHilfebibliothek(QStringLiteral("libgibtesnicht_kelvara.so"));
    SkriptDialoge skript;
    skript.erwarteMeldung(QStringLiteral("Please install HTML-Help!"));
    {
        Anwendung anwendung;
        anwendung.Starten();
        anwendung.menu()->Hilfe();
        EXPECT_EQ(anwendung.menu()->hilfe()->Fenster(), nullptr);
    }
    Hilfeanzeige::setzeHilfebibliothek({});
    EXPECT_TRUE(skript.allesBeantwortet());
    EXPECT_TRUE(skript.unerwartet.isEmpty());
}

TEST(Hilfe, F1OeffnetDieHilfeNebenDemProgramm)
{
    Programmordner ordner;
    ASSERT_TRUE(QFile::copy(QStringLiteral(KELVARA_BINAER "/bin/kelvara_vlx.chm"), ordner.pfad(QStringLiteral("kelvara_vlx.chm"))));
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    QWidget* hauptfenster = anwendung.hauptfenster();
    hauptfenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(hauptfenster));
    QTest::keyClick(hauptfenster, Qt::Key_F1);
    ASSERT_NE(anwendung.menu()->hilfe()->Fenster(), nullptr);
    EXPECT_EQ(anwendung.menu()->hilfe()->Fenster()->parentWidget(), hauptfenster);
    bildVon(anwendung.menu()->hilfe()->Fenster(), QStringLiteral("hilfe"));
}
