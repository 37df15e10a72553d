// The user's files: an installed or read-only program keeps them in a data folder filled from the
// installed copies, and a newer copy never replaces a file the user has changed.
#include "platform/u_datenordner.h"
#include "u_testhilfen.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// An installed program: prefix/bin and the copies in prefix/share/kelvara-vlx.
struct Installation {
    QTemporaryDir wurzel;
    QString bin() const { return wurzel.filePath(QStringLiteral("usr/bin")); }
    QString kopie(const QString& relativ) const { return wurzel.filePath(QStringLiteral("usr/share/kelvara-vlx/") + relativ); }
    QString daten(const QString& relativ = {}) const { return wurzel.filePath(QStringLiteral("home/.local/share/Kelvara VLX/") + relativ); }
    Installation()
    {
        QDir().mkpath(bin());
        schreibeDatei(kopie(QStringLiteral("Sprachen/English.prl")), "englisch 1");
        schreibeDatei(kopie(QStringLiteral("Traversen/Bibliothek.cds")), "bibliothek 1");
        schreibeDatei(kopie(QStringLiteral("Projekte/Beispielprojekt.prp")), "projekt 1");
        schreibeDatei(kopie(QStringLiteral("kelvara_vlx.chm")), "hilfe 1");
    }
};
} // namespace

TEST(Datenordner, InstalliertesProgrammFuelltBeimErstenStartDenDatenordner)
{
    Installation inst;
    EXPECT_EQ(WaehleProgrammverzeichnis(inst.bin(), inst.daten()), inst.daten());
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("Sprachen/English.prl"))), "englisch 1");
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("Traversen/Bibliothek.cds"))), "bibliothek 1");
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("Projekte/Beispielprojekt.prp"))), "projekt 1");
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("kelvara_vlx.chm"))), "hilfe 1");
    EXPECT_FALSE(QFileInfo::exists(inst.bin() + QStringLiteral("/Sprachen")));
}

TEST(Datenordner, EinUpdateErneuertNurWasDerBenutzerNichtGeaendertHat)
{
    Installation inst;
    WaehleProgrammverzeichnis(inst.bin(), inst.daten());
    // the user edits the language file and adds a truss of his own to the library
    schreibeDatei(inst.daten(QStringLiteral("Sprachen/English.prl")), "englisch, übersetzt");
    schreibeDatei(inst.daten(QStringLiteral("Traversen/Bibliothek.cds")), "bibliothek mit eigener");
    schreibeDatei(inst.daten(QStringLiteral("Kelvara.ini")), "[Sprache]\nNummer=1\n");
    // a newer package
    schreibeDatei(inst.kopie(QStringLiteral("Sprachen/English.prl")), "englisch 2");
    schreibeDatei(inst.kopie(QStringLiteral("Projekte/Beispielprojekt.prp")), "projekt 2");
    schreibeDatei(inst.kopie(QStringLiteral("Sprachen/Polski.prl")), "polnisch 1");
    const QStringList behalten = Abgleichen(inst.kopie({}), inst.daten());
    EXPECT_EQ(behalten, QStringList({QStringLiteral("Sprachen/English.prl"), QStringLiteral("Traversen/Bibliothek.cds")}));
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("Sprachen/English.prl"))), "englisch, übersetzt");
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("Traversen/Bibliothek.cds"))), "bibliothek mit eigener");
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("Kelvara.ini"))), "[Sprache]\nNummer=1\n");
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("Projekte/Beispielprojekt.prp"))), "projekt 2");
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("Sprachen/Polski.prl"))), "polnisch 1");
    // the next update still knows the edited file as the user's
    schreibeDatei(inst.kopie(QStringLiteral("Sprachen/English.prl")), "englisch 3");
    WaehleProgrammverzeichnis(inst.bin(), inst.daten());
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("Sprachen/English.prl"))), "englisch, übersetzt");
}

TEST(Datenordner, EineGeloeschteBeispieldateiKommtWieder)
{
    Installation inst;
    WaehleProgrammverzeichnis(inst.bin(), inst.daten());
    ASSERT_TRUE(QFile::remove(inst.daten(QStringLiteral("Projekte/Beispielprojekt.prp"))));
    WaehleProgrammverzeichnis(inst.bin(), inst.daten());
    EXPECT_EQ(dateiInhalt(inst.daten(QStringLiteral("Projekte/Beispielprojekt.prp"))), "projekt 1");
}

TEST(Datenordner, EinFrueherVorhandenerFremderStandGiltAlsDesBenutzers)
{
    // a program folder from before the record existed: its files are the user's
    QTemporaryDir quelle, ziel;
    schreibeDatei(quelle.filePath(QStringLiteral("Sprachen/English.prl")), "neu gebaut");
    schreibeDatei(ziel.filePath(QStringLiteral("Sprachen/English.prl")), "vom Übersetzer");
    EXPECT_EQ(Abgleichen(quelle.path(), ziel.path()), QStringList({QStringLiteral("Sprachen/English.prl")}));
    EXPECT_EQ(dateiInhalt(ziel.filePath(QStringLiteral("Sprachen/English.prl"))), "vom Übersetzer");
}

TEST(Datenordner, BeschreibbarerProgrammordnerBleibtDerProgrammordner)
{
    QTemporaryDir programm, daten;
    schreibeDatei(programm.filePath(QStringLiteral("Sprachen/English.prl")), "englisch");
    EXPECT_EQ(WaehleProgrammverzeichnis(programm.path(), daten.filePath(QStringLiteral("Kelvara VLX"))),
              programm.path() + QLatin1Char('/'));
    EXPECT_FALSE(QFileInfo::exists(daten.filePath(QStringLiteral("Kelvara VLX"))));
}

TEST(Datenordner, SchreibgeschuetzterProgrammordnerNimmtNurSeineDatenMit)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into every folder";
    QTemporaryDir programm, daten;
    schreibeDatei(programm.filePath(QStringLiteral("Sprachen/English.prl")), "englisch");
    schreibeDatei(programm.filePath(QStringLiteral("Traversen/Bibliothek.cds")), "bibliothek");
    schreibeDatei(programm.filePath(QStringLiteral("kelvara")), "das Programm");
    ASSERT_TRUE(QFile::setPermissions(programm.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString ziel = daten.filePath(QStringLiteral("Kelvara VLX"));
    EXPECT_EQ(WaehleProgrammverzeichnis(programm.path(), ziel), ziel + QLatin1Char('/'));
    QFile::setPermissions(programm.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(dateiInhalt(ziel + QStringLiteral("/Sprachen/English.prl")), "englisch");
    EXPECT_EQ(dateiInhalt(ziel + QStringLiteral("/Traversen/Bibliothek.cds")), "bibliothek");
    EXPECT_FALSE(QFileInfo::exists(ziel + QStringLiteral("/kelvara")));
}
