// Saving on a full disk keeps the previous file, and leftovers of a killed save are removed.
#include "platform/u_einstellungsdatei.h"
#include "platform/u_sicheresspeichern.h"
#include "u_testhilfen.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void lege(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(inhalt), inhalt.size());
}

QStringList dateien(const QTemporaryDir& ordner)
{
    return QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}
} // namespace

TEST(SicheresSpeichern, SchreibtDieBytesUndErsetztDasZiel)
{
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("a.trv"));
    lege(ziel, "alt");
    SchreibeDateiSicher(ziel, "neuer Inhalt");
    EXPECT_EQ(dateiInhalt(ziel), QByteArray("neuer Inhalt"));
    EXPECT_EQ(dateien(ordner), QStringList{QStringLiteral("a.trv")});
}

TEST(SicheresSpeichern, EineVollePlatteLaesstDieAlteDateiUndKeinenRestZurueck)
{
    // 2 000 bytes still sit in the device's buffer until the commit; 1 MiB is written on the way
    for (const auto& [laenge, grenze] : {std::pair{2000, 100}, {1 << 20, 50000}}) {
        const int groesse = laenge;
        QTemporaryDir ordner;
        const QString ziel = ordner.filePath(QStringLiteral("Bibliothek.cds"));
        lege(ziel, "die alte Bibliothek");
        QString meldung;
        {
            VollePlatte voll(grenze);
            meldung = fehlerVon([&] { SchreibeDateiSicher(ziel, QByteArray(groesse, 'x')); });
        }
        EXPECT_EQ(meldung, QStringLiteral("Stream-Schreibfehler")) << groesse;
        EXPECT_EQ(dateiInhalt(ziel), QByteArray("die alte Bibliothek"));
        EXPECT_EQ(dateien(ordner), QStringList{QStringLiteral("Bibliothek.cds")});
    }
}

TEST(SicheresSpeichern, EinstellungsdateiAufVollerPlatteBleibtWieSieWar)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Kelvara.ini"));
    lege(pfad, "[Sprache]\nNummer=2\n");
    Einstellungsdatei ini(pfad);
    ini.SchreibeString(QStringLiteral("Sprache"), QStringLiteral("Nummer"), QStringLiteral("3"));
    ini.SchreibeString(QStringLiteral("Lang"), QStringLiteral("Text"), QString(500, QLatin1Char('z')));
    bool gespeichert = true;
    {
        VollePlatte voll(10);
        gespeichert = ini.Speichern();
    }
    EXPECT_FALSE(gespeichert);
    EXPECT_EQ(dateiInhalt(pfad), QByteArray("[Sprache]\nNummer=2\n"));
    EXPECT_TRUE(ini.Speichern());
    EXPECT_EQ(Einstellungsdatei(pfad).LeseInteger(QStringLiteral("Sprache"), QStringLiteral("Nummer"), 0), 3);
}

TEST(SicheresSpeichern, ResteEinesAbgebrochenenSpeichernsDerselbenArtWerdenEntfernt)
{
    QTemporaryDir ordner;
    lege(ordner.filePath(QStringLiteral("Bühne.trv.aB3xY9")), "neu, aber nie umbenannt");
    lege(ordner.filePath(QStringLiteral("Bühne.trv")), "alt");
    lege(ordner.filePath(QStringLiteral("Bühne.trv.bak")), "Sicherung des Benutzers");
    lege(ordner.filePath(QStringLiteral("Bühne.prt.aB3xY9")), "andere Art");
    lege(ordner.filePath(QStringLiteral("Notiz.trv.a-3xY9")), "kein Rest");
    SchreibeDateiSicher(ordner.filePath(QStringLiteral("Zweite.trv")), "x");
    EXPECT_EQ(dateien(ordner), (QStringList{QStringLiteral("Bühne.prt.aB3xY9"), QStringLiteral("Bühne.trv"),
                                            QStringLiteral("Bühne.trv.bak"), QStringLiteral("Notiz.trv.a-3xY9"),
                                            QStringLiteral("Zweite.trv")}));
}
