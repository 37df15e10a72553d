// Files named on the command line open after start-up, each in the window of its kind.
#include "platform/fo_dokumentfenster.h"
#include "shell/u_anwendung_qt.h"
#include "u_fenstertest.h"
#include <QDirIterator>
#include <gtest/gtest.h>

namespace {
// A copy of one file of the example data the build makes, in the program folder of the test.
QString beispiel(const Programmordner& ordner, const QString& unterordner, const QString& muster)
{
    QDirIterator it(QStringLiteral(KELVARA_BINAER "/assets/beispieldaten/") + unterordner, {muster}, QDir::Files);
    if (!it.hasNext())
        return {};
    const QString quelle = it.next();
    const QString kopie = ordner.pfad(unterordner + QLatin1Char('/') + QFileInfo(quelle).fileName());
    return QFile::copy(quelle, kopie) ? kopie : QString();
}
} // namespace

TEST(Befehlszeile, DateienSindAlleArgumenteAusserEinemFuehrendenDebugAlsVollePfade)
{
    Programmordner ordner;
    setzeBefehlszeile({QStringLiteral("DEBUG"), QStringLiteral("halle.prp"), QStringLiteral("/daten/F34.prt")});
    EXPECT_EQ(Befehlszeilendateien(),
              QStringList({QDir::current().absoluteFilePath(QStringLiteral("halle.prp")), QStringLiteral("/daten/F34.prt")}));
    setzeBefehlszeile({QStringLiteral("/daten/a.prb"), QStringLiteral("DEBUG")});
    EXPECT_EQ(Befehlszeilendateien(), QStringList({QStringLiteral("/daten/a.prb"), QDir::current().absoluteFilePath(QStringLiteral("DEBUG"))}));
}

TEST(Befehlszeile, DateiartFolgtDerEndungOhneRuecksichtAufGrossschreibung)
{
    EXPECT_EQ(DokumentartVon(QStringLiteral("/a/Halle.PRP")), Dokumentart::Projekt);
    EXPECT_EQ(DokumentartVon(QStringLiteral("b.pre")), Dokumentart::Einzelprojekt);
    EXPECT_EQ(DokumentartVon(QStringLiteral("c.prt")), Dokumentart::Traverse);
    EXPECT_EQ(DokumentartVon(QStringLiteral("d.Prb")), Dokumentart::Belastungstabelle);
    EXPECT_EQ(DokumentartVon(QStringLiteral("English.prl")), Dokumentart::Sprache);
    EXPECT_EQ(DokumentartVon(QStringLiteral("notiz.txt")), std::nullopt);
    EXPECT_EQ(DokumentartVon(QStringLiteral("prp")), std::nullopt);
}

TEST(Befehlszeile, OeffnetJedeDateiImFensterIhrerArtUndMeldetWasNichtGeht)
{
    Programmordner ordner;
    const QString projekt = beispiel(ordner, QStringLiteral("Projekte"), QStringLiteral("*.prp"));
    const QString traverse = beispiel(ordner, QStringLiteral("Traversen"), QStringLiteral("*.prt"));
    ASSERT_FALSE(projekt.isEmpty());
    ASSERT_FALSE(traverse.isEmpty());
    const QString fremd = ordner.pfad(QStringLiteral("notiz.txt"));
    const QString fehlt = ordner.pfad(QStringLiteral("fehlt.prb"));
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    skript.erwarteMeldung(QStringLiteral("notiz.txt ist keine Datei von Kelvara VLX."));
    skript.erwarteMeldung(); // the missing load table
    anwendung.OeffneDateien({projekt, fremd, fehlt, traverse});
    ohneUnerwartetes(skript);
    EXPECT_TRUE(skript.allesBeantwortet());
    const std::vector<Dokumentfenster*> offen = anwendung.Dokumente();
    ASSERT_EQ(offen.size(), 2u);
    EXPECT_EQ(offen[0]->Art(), Dokumentart::Projekt);
    EXPECT_EQ(offen[0]->Dateiname(), projekt);
    EXPECT_EQ(offen[1]->Art(), Dokumentart::Traverse);
    EXPECT_EQ(offen[1]->Dateiname(), traverse);
    EXPECT_EQ(anwendung.aktivesDokument(), offen[1]);
}
