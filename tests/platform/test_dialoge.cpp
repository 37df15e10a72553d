// The scripted dialogs answer in order and record what did not match.
#include "platform/u_dialoge_skript.h"
#include <gtest/gtest.h>

TEST(SkriptDialoge, BeantwortetInReihenfolgeUndMerktSichDieTexte)
{
    SkriptDialoge skript;
    skript.erwarteFrage(Antwort::Ja, QStringLiteral("Überschreiben?")).erwarteSpeichern(QStringLiteral("/tmp/a.prt"));
    EXPECT_EQ(dialoge().FrageJaNein(QStringLiteral("Überschreiben?")), Antwort::Ja);
    EXPECT_EQ(dialoge().DateiSpeichern({QStringLiteral("Speichern"), {}, {}, {}, {}}), QStringLiteral("/tmp/a.prt"));
    EXPECT_TRUE(skript.allesBeantwortet());
    EXPECT_TRUE(skript.unerwartet.isEmpty());
    EXPECT_EQ(skript.gezeigt, (QStringList{QStringLiteral("Überschreiben?"), QStringLiteral("Speichern")}));
}

TEST(SkriptDialoge, MeldetUnerwarteteUndFalscheFragen)
{
    SkriptDialoge skript;
    skript.erwarteFrage3(Antwort::Ja, QStringLiteral("A"));
    EXPECT_EQ(dialoge().FrageJaNeinAbbrechen(QStringLiteral("B")), Antwort::Abbrechen);
    dialoge().Meldung(QStringLiteral("C"));
    EXPECT_EQ(skript.unerwartet.size(), 2);
    skript.unerwartet.clear();
}

TEST(SkriptDialoge, UebergibtUnerwarteteFragenAmEndeDemTestprogramm)
{
    const auto testprogramm = SkriptDialoge::beiUnerwartetem;
    QStringList gemeldet;
    SkriptDialoge::beiUnerwartetem = [&gemeldet](const QStringList& prompts) { gemeldet += prompts; };
    {
        SkriptDialoge skript;
        skript.erwarteMeldung(QStringLiteral("A"));
        dialoge().Meldung(QStringLiteral("A"));
    }
    EXPECT_TRUE(gemeldet.isEmpty());
    {
        SkriptDialoge skript;
        dialoge().Meldung(QStringLiteral("B"));
    }
    SkriptDialoge::beiUnerwartetem = testprogramm;
    EXPECT_EQ(gemeldet, QStringList{QStringLiteral("Meldung ohne Skript: B")});
}

TEST(SkriptDialoge, GibtNachDemEndeDieKonsolenantwortZurueck)
{
    {
        SkriptDialoge skript;
        EXPECT_EQ(&dialoge(), &skript);
    }
    EXPECT_NE(dynamic_cast<KonsolenDialoge*>(&dialoge()), nullptr);
    EXPECT_EQ(dialoge().FrageJaNein(QStringLiteral("x")), Antwort::Nein);
}
