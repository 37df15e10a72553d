// Work is never lost through the files: a file of another kind or a damaged one opens no window
// that could later be saved over it.
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "tables/u_stream.h"
#include "u_fenstertest.h"
#include "u_testhilfen.h"
#include <QAction>
#include <QPointer>
#include <gtest/gtest.h>

namespace {
struct Umgebung {
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    Umgebung() { anwendung.Starten(); }
    Dokumentfenster* oeffne(Dokumentart art, const QString& pfad) { return anwendung.menu()->OeffneDatei(art, pfad); }
};

// A document file of the given header with one text value after it.
void schreibeDokument(const QString& pfad, const QString& kopf)
{
    DokumentSchreiber s(pfad);
    s.Text(kopf);
    s.Text(QStringLiteral("Hoehe=400"));
    s.Abschliessen();
}

struct Art {
    Dokumentart art;
    const char* endung;
    const char* kopf;
    const char* meldung;
};
const Art arten[] = {
    {Dokumentart::Projekt, "prp", "Kelvara VLX Projektdatei 1.0", "keine gültige Projektdatei"},
    {Dokumentart::Einzelprojekt, "pre", "Kelvara VLX Einzelprojekt 1.0", "keine gültiges Einzelprojekt"},
    {Dokumentart::Traverse, "prt", "Kelvara VLX Traversendatei 2", "Keine gültige Traversendatei"},
    {Dokumentart::Belastungstabelle, "prb", "Kelvara VLX Belastungstabelle 2", "Keine gültige Belastungstabelle"},
    {Dokumentart::Sprache, "prl", "Kelvara VLX 1.0", "keine gültige Sprachdatei"},
};
} // namespace

TEST(Dokumentschutz, EineDateiEinerAnderenArtOeffnetKeinFensterUndBleibtUnberuehrt)
{
    for (const Art& a : arten) {
        Umgebung u;
        // a truss file renamed, or picked through "Alle Dateien"; for the truss kind a project
        const bool traverse = a.art == Dokumentart::Traverse;
        const QString pfad = u.ordner.pfad(QStringLiteral("fremd.") + QLatin1String(a.endung));
        schreibeDokument(pfad, traverse ? QStringLiteral("Kelvara VLX Projektdatei 1.0")
                                        : QStringLiteral("Kelvara VLX Traversendatei 2"));
        const QByteArray vorher = dateiInhalt(pfad);
        u.skript.erwarteMeldung(QString::fromUtf8(a.meldung));
        EXPECT_EQ(u.oeffne(a.art, pfad), nullptr) << a.endung;
        EXPECT_TRUE(u.anwendung.Dokumente().empty()) << a.endung;
        EXPECT_EQ(dateiInhalt(pfad), vorher) << a.endung;
        EXPECT_TRUE(u.skript.allesBeantwortet()) << a.endung;
        ohneUnerwartetes(u.skript);
    }
}

TEST(Dokumentschutz, EineBeschaedigteDateiMeldetIhrenFehlerUndOeffnetKeinFenster)
{
    for (const Art& a : arten) {
        Umgebung u;
        // the right header, then a value cut short
        const QString pfad = u.ordner.pfad(QStringLiteral("kaputt.") + QLatin1String(a.endung));
        {
            DokumentSchreiber s(pfad);
            s.Text(QString::fromUtf8(a.kopf));
            s.Abschliessen();
        }
        QFile datei(pfad);
        ASSERT_TRUE(datei.open(QIODevice::Append));
        datei.write("\x06\x50" "abc", 5);
        datei.close();
        const QByteArray vorher = dateiInhalt(pfad);
        Dokumentfenster* fenster = nullptr;
        EXPECT_FALSE(fehlerVon([&] { fenster = u.oeffne(a.art, pfad); }).isEmpty()) << a.endung;
        EXPECT_EQ(fenster, nullptr) << a.endung;
        EXPECT_TRUE(u.anwendung.Dokumente().empty()) << a.endung;
        EXPECT_EQ(dateiInhalt(pfad), vorher) << a.endung;
        ohneUnerwartetes(u.skript);
    }
}

TEST(Dokumentschutz, EineSchonOffeneDateiAktiviertIhrFensterAuchUnterAnderemPfad)
{
    Umgebung u;
    Dokumentfenster* erstes = u.anwendung.menu()->Neu(Dokumentart::Traverse);
    const QString pfad = u.ordner.pfad(QStringLiteral("Traversen/a.prt"));
    ASSERT_TRUE(erstes->SpeichernUnter(pfad));
    u.anwendung.menu()->Neu(Dokumentart::Traverse);
    ASSERT_NE(u.anwendung.aktivesDokument(), erstes);

    const QString andererPfad = u.ordner.pfad(QStringLiteral("Projekte/../Traversen/./a.prt"));
    EXPECT_EQ(u.oeffne(Dokumentart::Traverse, andererPfad), erstes);
    EXPECT_EQ(u.anwendung.aktivesDokument(), erstes);
    EXPECT_EQ(u.anwendung.Dokumente().size(), 2u);
    ohneUnerwartetes(u.skript);
}

TEST(Dokumentschutz, SpeichernFragtWennDieDateiAufDerPlatteGeaendertWurdeUndNeinLaesstSie)
{
    Umgebung u;
    Dokumentfenster* fenster = u.anwendung.menu()->Neu(Dokumentart::Traverse);
    const QString pfad = u.ordner.pfad(QStringLiteral("Traversen/a.prt"));
    ASSERT_TRUE(fenster->SpeichernUnter(pfad));
    // saving again without a change on disk asks nothing
    ASSERT_TRUE(fenster->SpeichernMitRueckfall());

    // another program (or another copy of this one) writes the file meanwhile
    schreibeDokument(pfad, QStringLiteral("Kelvara VLX Traversendatei 2"));
    const QByteArray fremd = dateiInhalt(pfad);
    fenster->setzeGeaendert(true);
    const QString frage = QStringLiteral("Die Datei a.prt wurde außerhalb dieses Fensters geändert.\r\nÜberschreiben?");
    u.skript.erwarteFrage(Antwort::Nein, frage);
    Tfrm_menu::Aktion(QStringLiteral("act_trav_save"))->trigger();
    EXPECT_EQ(dateiInhalt(pfad), fremd);
    EXPECT_TRUE(fenster->Geaendert());

    // the close query's Yes asks the same; No keeps the window open
    QPointer<Dokumentfenster> offen(fenster);
    u.skript.erwarteFrage3(Antwort::Ja).erwarteFrage(Antwort::Nein, frage);
    EXPECT_FALSE(fenster->close());
    EXPECT_FALSE(offen.isNull());
    EXPECT_EQ(dateiInhalt(pfad), fremd);

    // Yes writes, and after that the file is the window's own again
    u.skript.erwarteFrage(Antwort::Ja, frage);
    Tfrm_menu::Aktion(QStringLiteral("act_trav_save"))->trigger();
    EXPECT_NE(dateiInhalt(pfad), fremd);
    EXPECT_FALSE(fenster->Geaendert());
    fenster->setzeGeaendert(true);
    EXPECT_TRUE(fenster->SpeichernMitRueckfall());
    EXPECT_TRUE(u.skript.allesBeantwortet());
    ohneUnerwartetes(u.skript);
}
