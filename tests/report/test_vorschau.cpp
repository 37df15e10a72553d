// The preview window: page navigation, zoom, printing through the print dialog, saving as PDF,
// and the modal call that returns when the preview closes.
#include "berichtshilfe.h"
#include "vorschauhilfe.h"
#include "platform/u_dialoge_skript.h"
#include "report/fo_vorschau.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
template <typename T>
T* kind(const QWidget& w, const char* name)
{
    T* k = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(k, nullptr) << name;
    return k;
}

QString seitentext(const Tfrm_vorschau& v) { return kind<QLabel>(v, "lblSeite")->text(); }
QSize seitenbild(const Tfrm_vorschau& v) { return kind<QLabel>(v, "pbSeite")->pixmap().size(); }
} // namespace

TEST(Berichtsvorschau, BlaettertMitDenKnoepfenUndSperrtSieAmAnfangUndEnde)
{
    Tfrm_vorschau vorschau(Umbrechen(zeilenbericht(150)));
    vorschau.show();
    const int n = vorschau.seitenzahl();
    ASSERT_GE(n, 3);
    auto* erste = kind<QToolButton>(vorschau, "btnErsteSeite");
    auto* zurueck = kind<QToolButton>(vorschau, "btnVorherigeSeite");
    auto* weiter = kind<QToolButton>(vorschau, "btnNaechsteSeite");
    auto* letzte = kind<QToolButton>(vorschau, "btnLetzteSeite");
    EXPECT_EQ(vorschau.seite(), 0);
    EXPECT_EQ(seitentext(vorschau), QStringLiteral("Seite 1 von %1").arg(n));
    EXPECT_FALSE(erste->isEnabled());
    EXPECT_FALSE(zurueck->isEnabled());
    EXPECT_TRUE(weiter->isEnabled());

    weiter->click();
    EXPECT_EQ(vorschau.seite(), 1);
    EXPECT_EQ(seitentext(vorschau), QStringLiteral("Seite 2 von %1").arg(n));
    EXPECT_TRUE(zurueck->isEnabled());
    letzte->click();
    EXPECT_EQ(vorschau.seite(), n - 1);
    EXPECT_FALSE(weiter->isEnabled());
    EXPECT_FALSE(letzte->isEnabled());
    weiter->click();
    EXPECT_EQ(vorschau.seite(), n - 1);
    zurueck->click();
    EXPECT_EQ(vorschau.seite(), n - 2);
    erste->click();
    EXPECT_EQ(vorschau.seite(), 0);
    vorschau.zeigeSeite(99);
    EXPECT_EQ(vorschau.seite(), n - 1);
}

TEST(Berichtsvorschau, ZoomtInStufenUndPasstDieSeiteEin)
{
    Tfrm_vorschau vorschau(Umbrechen(zeilenbericht(10)));
    vorschau.resize(800, 600);
    vorschau.show();
    QApplication::processEvents();
    EXPECT_EQ(vorschau.zoomart(), Tfrm_vorschau::Zoomart::Seitenbreite);
    auto* zoom = kind<QComboBox>(vorschau, "cmbZoom");
    auto* flaeche = kind<QScrollArea>(vorschau, "sbSeite");
    EXPECT_EQ(zoom->currentText(), QStringLiteral("Seitenbreite"));
    EXPECT_LE(seitenbild(vorschau).width(), flaeche->viewport()->width());
    EXPECT_GT(seitenbild(vorschau).width(), flaeche->viewport()->width() - 60);

    zoom->setCurrentIndex(zoom->findText(QStringLiteral("100 %")));
    Q_EMIT zoom->activated(zoom->currentIndex());
    EXPECT_DOUBLE_EQ(vorschau.zoom(), 1.0);
    const double dpi = vorschau.logicalDpiX();
    EXPECT_NEAR(seitenbild(vorschau).width(), 210 / 25.4 * dpi, 1.0);
    EXPECT_NEAR(seitenbild(vorschau).height(), 297 / 25.4 * dpi, 1.0);

    kind<QToolButton>(vorschau, "btnVergroessern")->click();
    EXPECT_DOUBLE_EQ(vorschau.zoom(), 1.25);
    EXPECT_NEAR(seitenbild(vorschau).width(), 1.25 * 210 / 25.4 * dpi, 1.0);
    EXPECT_EQ(zoom->currentText(), QStringLiteral("125 %"));
    kind<QToolButton>(vorschau, "btnVerkleinern")->click();
    kind<QToolButton>(vorschau, "btnVerkleinern")->click();
    EXPECT_DOUBLE_EQ(vorschau.zoom(), 0.75);
    for (int i = 0; i < 10; ++i)
        kind<QToolButton>(vorschau, "btnVergroessern")->click();
    EXPECT_DOUBLE_EQ(vorschau.zoom(), 4.0);
    EXPECT_FALSE(kind<QToolButton>(vorschau, "btnVergroessern")->isEnabled());

    Q_EMIT zoom->activated(0); // "Ganze Seite"
    EXPECT_EQ(vorschau.zoomart(), Tfrm_vorschau::Zoomart::GanzeSeite);
    const QSize frei = flaeche->viewport()->size();
    EXPECT_LE(seitenbild(vorschau).height(), frei.height());
    EXPECT_LE(seitenbild(vorschau).width(), frei.width());
    EXPECT_GT(seitenbild(vorschau).height(), frei.height() - 60);

    Q_EMIT zoom->activated(1); // "Seitenbreite"
    EXPECT_LE(seitenbild(vorschau).width(), flaeche->viewport()->width());
    EXPECT_GT(seitenbild(vorschau).width(), flaeche->viewport()->width() - 60);
    const int breiteVorher = seitenbild(vorschau).width();
    vorschau.resize(1000, 600);
    QApplication::processEvents();
    EXPECT_GT(seitenbild(vorschau).width(), breiteVorher); // follows the window
}

TEST(Berichtsvorschau, DrucktDieImDruckdialogGewaehltenSeiten)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("druck.pdf"));
    Tfrm_vorschau vorschau(Umbrechen(zeilenbericht(150)));
    int angeboten = 0;
    vorschau.setzeDruckdialog([&](QPrinter& drucker, int seiten) {
        angeboten = seiten;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        drucker.setPrintRange(QPrinter::PageRange);
        drucker.setFromTo(2, 3);
        return true;
    });
    kind<QPushButton>(vorschau, "btnDrucken")->click();
    EXPECT_EQ(angeboten, vorschau.seitenzahl());
    ASSERT_EQ(pdfSeiten(datei), 2);
    const QStringList seiten = pdfSeitentexte(datei);
    EXPECT_TRUE(seiten[0].contains(QStringLiteral("Seite 2 von %1").arg(vorschau.seitenzahl())));
    EXPECT_TRUE(seiten[1].contains(QStringLiteral("Seite 3 von %1").arg(vorschau.seitenzahl())));

    vorschau.setzeDruckdialog([&](QPrinter&, int) { return false; });
    QFile::remove(datei);
    kind<QPushButton>(vorschau, "btnDrucken")->click();
    EXPECT_FALSE(QFile::exists(datei));
}

TEST(Berichtsvorschau, SpeichertAlsPdfUnterDemGewaehltenNamen)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("bericht.pdf"));
    Tfrm_vorschau vorschau(Umbrechen(zeilenbericht(60)));
    SkriptDialoge skript;
    skript.erwarteSpeichern(datei).erwarteSpeichern(std::nullopt);
    auto* pdf = kind<QPushButton>(vorschau, "btnPdf");
    EXPECT_EQ(pdf->text(), QStringLiteral("als PDF speichern"));
    pdf->click();
    EXPECT_EQ(pdfSeiten(datei), vorschau.seitenzahl());
    ASSERT_EQ(skript.dateiDialoge.size(), 1);
    EXPECT_EQ(skript.dateiDialoge[0].titel, QStringLiteral("als PDF speichern"));
    EXPECT_EQ(skript.dateiDialoge[0].filter, QStringLiteral("PDF-Dokument|*.pdf"));
    EXPECT_EQ(skript.dateiDialoge[0].standardEndung, QStringLiteral("pdf"));
    EXPECT_EQ(skript.dateiDialoge[0].dateiname, QStringLiteral("Prüfbericht.pdf"));
    QFile::remove(datei);
    pdf->click(); // cancelled
    EXPECT_FALSE(QFile::exists(datei));
    EXPECT_TRUE(skript.allesBeantwortet());
    EXPECT_TRUE(skript.unerwartet.isEmpty());
}

TEST(Berichtsvorschau, MeldetEinenFehlerBeimSpeichernUndBleibtOffen)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("fehlt/bericht.pdf"));
    Tfrm_vorschau vorschau(Umbrechen(zeilenbericht(3)));
    vorschau.show();
    SkriptDialoge skript;
    skript.erwarteSpeichern(datei).erwarteMeldung(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(datei));
    kind<QPushButton>(vorschau, "btnPdf")->click();
    EXPECT_TRUE(skript.allesBeantwortet());
    EXPECT_TRUE(skript.unerwartet.isEmpty());
    EXPECT_TRUE(vorschau.isVisible());
}

TEST(Berichtsvorschau, KehrtErstZurueckWennDieModaleVorschauGeschlossenIst)
{
    const GezeigteVorschau v = zeigeUndSchliesse([] { BerichtVorschau(zeilenbericht(150)); });
    EXPECT_TRUE(v.modal);
    EXPECT_EQ(v.seiten, int(Umbrechen(zeilenbericht(150)).seiten.size()));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
