// kelvara-cli abgleichen, as the build runs it after every language-file build: a translator's
// edits to the program folder's language file survive, an untouched one follows the new build.
#include "u_testhilfen.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>


TEST(BefehlAbgleichen, NeuerBauErsetztNurDieUnveraenderteSprachdatei)
{
    QTemporaryDir bau, programm;
    schreibeDatei(bau.filePath(QStringLiteral("Sprachen/English.prl")), "Stand 1");
    schreibeDatei(bau.filePath(QStringLiteral("Sprachen/Cesky.prl")), "Stand 1");
    ASSERT_EQ(kelvaraCli({QStringLiteral("abgleichen"), bau.path(), programm.path()}).code, 0);
    schreibeDatei(programm.filePath(QStringLiteral("Sprachen/English.prl")), "vom Übersetzer");
    schreibeDatei(bau.filePath(QStringLiteral("Sprachen/English.prl")), "Stand 2");
    schreibeDatei(bau.filePath(QStringLiteral("Sprachen/Cesky.prl")), "Stand 2");
    const CliLauf lauf = kelvaraCli({QStringLiteral("abgleichen"), bau.path(), programm.path()});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.aus, QStringLiteral("Sprachen/English.prl behalten: vom Benutzer geändert\n"));
    EXPECT_EQ(dateiInhalt(programm.filePath(QStringLiteral("Sprachen/English.prl"))), "vom Übersetzer");
    EXPECT_EQ(dateiInhalt(programm.filePath(QStringLiteral("Sprachen/Cesky.prl"))), "Stand 2");
}

TEST(BefehlAbgleichen, OhneZweiOrdnerZeigtErDenAufruf)
{
    const CliLauf lauf = kelvaraCli({QStringLiteral("abgleichen"), QStringLiteral("/tmp")});
    EXPECT_EQ(lauf.code, 2);
    EXPECT_TRUE(lauf.fehler.endsWith(QStringLiteral("Aufruf: kelvara-cli abgleichen [--frueher-gebaut] QUELLORDNER PROGRAMMORDNER\n")))
        << lauf.fehler.toStdString();
}

TEST(BefehlAbgleichen, FrueherGebautErsetztDieSprachdateiEinesBaumsOhneVerzeichnisEinmal)
{
    QTemporaryDir bau, programm;
    schreibeDatei(bau.filePath(QStringLiteral("Sprachen/English.prl")), "Stand 2");
    schreibeDatei(programm.filePath(QStringLiteral("Sprachen/English.prl")), "Stand 1, ohne Verzeichnis gebaut");
    ASSERT_EQ(kelvaraCli({QStringLiteral("abgleichen"), QStringLiteral("--frueher-gebaut"), bau.path(), programm.path()}).code, 0);
    EXPECT_EQ(dateiInhalt(programm.filePath(QStringLiteral("Sprachen/English.prl"))), "Stand 2");
    // from now on recorded: an edit stays
    schreibeDatei(programm.filePath(QStringLiteral("Sprachen/English.prl")), "vom Übersetzer");
    schreibeDatei(bau.filePath(QStringLiteral("Sprachen/English.prl")), "Stand 3");
    ASSERT_EQ(kelvaraCli({QStringLiteral("abgleichen"), QStringLiteral("--frueher-gebaut"), bau.path(), programm.path()}).code, 0);
    EXPECT_EQ(dateiInhalt(programm.filePath(QStringLiteral("Sprachen/English.prl"))), "vom Übersetzer");
}
