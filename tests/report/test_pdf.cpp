// PDF written without a display: pages, text read back by pdftotext in print order, umlauts.
#include "berichtshilfe.h"
#include "platform/u_fehler.h"
#include "report/u_beispielbericht.h"
#include "report/u_berichtsmaler.h"
#include "u_testhilfen.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Index of the first line at or after von that contains text, or -1.
int zeileMit(const QStringList& zeilen, const QString& text, int von = 0)
{
    for (int i = von; i < zeilen.size(); ++i)
        if (zeilen[i].contains(text))
            return i;
    return -1;
}
} // namespace

TEST(BerichtAlsPdf, SchreibtAlleSeitenUndPdftotextLiestDenTextInDruckreihenfolge)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("zeilen.pdf"));
    const Berichtslayout layout = Umbrechen(zeilenbericht(150));
    BerichtAlsPdf(layout, datei);
    ASSERT_EQ(pdfSeiten(datei), int(layout.seiten.size()));
    const QStringList seiten = pdfSeitentexte(datei);
    ASSERT_EQ(seiten.size(), qsizetype(layout.seiten.size()));

    int naechste = 1;
    for (int s = 0; s < seiten.size(); ++s) {
        const QStringList zeilen = seiten[s].split(QLatin1Char('\n'));
        if (s == 0) {
            const int titel = zeileMit(zeilen, QStringLiteral("Prüfbericht"));
            ASSERT_GE(titel, 0);
            EXPECT_GT(zeileMit(zeilen, QStringLiteral("Bezeichnung"), titel), titel);
        }
        // Every row of the page in order, name and value on one line of the print-out.
        int zuletzt = -1;
        while (true) {
            const int z = zeileMit(zeilen, QStringLiteral("Zeile %1 ").arg(naechste));
            if (z < 0)
                break;
            EXPECT_GT(z, zuletzt);
            EXPECT_TRUE(zeilen[z].simplified() == QStringLiteral("Zeile %1 %2").arg(naechste).arg(naechste * 10))
                << zeilen[z].toStdString();
            zuletzt = z;
            ++naechste;
        }
        const int fuss = zeileMit(zeilen, QStringLiteral("Seite %1 von %2").arg(s + 1).arg(seiten.size()));
        ASSERT_GE(fuss, 0) << "Seite " << s + 1;
        EXPECT_GT(fuss, zuletzt);
        EXPECT_TRUE(zeilen[fuss].contains(QStringLiteral("Kelvara VLX")));
    }
    EXPECT_EQ(naechste, 151);
    const QStringList letzte = seiten.last().split(QLatin1Char('\n'));
    EXPECT_LT(zeileMit(letzte, QStringLiteral("Ende der Liste")), zeileMit(letzte, QStringLiteral("Seite ")));
}

TEST(BerichtAlsPdf, GibtDenBeispielberichtMitUmlautenUndBildWieder)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("beispiel.pdf"));
    const Berichtslayout layout = Umbrechen(Beispielbericht(QDateTime(QDate(2026, 3, 14), QTime(9, 30, 5))));
    ASSERT_GE(layout.seiten.size(), 3u);
    BerichtAlsPdf(layout, datei);
    const QStringList seiten = pdfSeitentexte(datei);
    ASSERT_EQ(seiten.size(), qsizetype(layout.seiten.size()));
    const QStringList erste = seiten.first().split(QLatin1Char('\n'));
    const int titel = zeileMit(erste, QStringLiteral("Belastungstabelle QX30 (Beispiel)"));
    const int hersteller = zeileMit(erste, QStringLiteral("Hersteller:"));
    const int kopf = zeileMit(erste, QStringLiteral("Streckenlast [kg/m]"));
    const int zeile = zeileMit(erste, QStringLiteral("1 277,17"));
    EXPECT_TRUE(titel >= 0 && titel < hersteller && hersteller < kopf && kopf < zeile) << seiten.first().toStdString();
    EXPECT_TRUE(seiten.first().contains(QStringLiteral("R. Müller")));
    EXPECT_TRUE(seiten.first().contains(QStringLiteral("zul. Biegemoment:")));
    EXPECT_TRUE(seiten.first().contains(QStringLiteral("14.03.2026 09:30:05")));
    EXPECT_TRUE(seiten.last().contains(QStringLiteral("gleichmäßig")));
    EXPECT_TRUE(seiten.last().contains(QStringLiteral("80 °C")));
    for (const QString& seite : seiten.mid(1, seiten.size() - 2))
        EXPECT_TRUE(seite.contains(QStringLiteral("aus Streckenlast:"))); // headings repeated
    EXPECT_TRUE(QFile(datei).size() > 10000);
}

TEST(BerichtAlsPdf, MeldetEinenNichtSchreibbarenPfadUndLaesstDieAlteDateiBeiErfolgErsetzt)
{
    QTemporaryDir ordner;
    const QString fehlt = ordner.filePath(QStringLiteral("gibt/es/nicht.pdf"));
    const Berichtslayout layout = Umbrechen(zeilenbericht(3));
    try {
        BerichtAlsPdf(layout, fehlt);
        FAIL() << "kein Fehler";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.meldung(), QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(fehlt));
    }
    EXPECT_FALSE(QFile::exists(fehlt));

    const QString datei = ordner.filePath(QStringLiteral("alt.pdf"));
    {
        QFile alt(datei);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write(QByteArray(200000, 'x'));
    }
    BerichtAlsPdf(layout, datei);
    EXPECT_EQ(pdfSeiten(datei), 1);
    EXPECT_TRUE(pdfSeitentexte(datei).first().contains(QStringLiteral("Zeile 3")));
}

TEST(BerichtAlsPdf, VollePlatteLaesstDenAltenBerichtStehen)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("bericht.pdf"));
    const Berichtslayout layout = Umbrechen(zeilenbericht(3));
    BerichtAlsPdf(layout, datei);
    const QByteArray vorher = dateiInhalt(datei);
    QString meldung;
    {
        VollePlatte voll(vorher.size() / 2);
        meldung = fehlerVon([&] { BerichtAlsPdf(Umbrechen(zeilenbericht(40)), datei); });
    }
    EXPECT_EQ(meldung, QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(datei));
    EXPECT_EQ(dateiInhalt(datei), vorher);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("bericht.pdf")});
}
