// Placement of texts and images: right-aligned texts end at their position, on paper too; images
// keep their aspect ratio; the report font has Arial's widths.
#include "report/u_berichtslayout.h"
#include "report/u_berichtsmaler.h"
#include "report/u_berichtsschrift.h"
#include <QFontInfo>
#include <gtest/gtest.h>

namespace {
constexpr double linkerRand = 25.0; // default left margin
constexpr double dpi = 600;

double pixelZuMm(int pixel) { return pixel * 25.4 / dpi; }
int mmZuPixel(double mm) { return int(mm / 25.4 * dpi); }

// Leftmost and rightmost column with ink in the rectangle (mm) widened by 3 mm to either side,
// or {-1, -1}.
std::pair<int, int> tintenspalten(const QImage& bild, const QRectF& mm, QRgb (*farbe)(QRgb) = nullptr)
{
    int links = -1, rechts = -1;
    for (int y = mmZuPixel(mm.top()); y <= mmZuPixel(mm.bottom()); ++y)
        for (int x = std::max(0, mmZuPixel(mm.left() - 3)); x < std::min(bild.width(), mmZuPixel(mm.right() + 3)); ++x) {
            const QRgb p = bild.pixel(x, y);
            const bool tinte = farbe ? farbe(p) != 0 : qGray(p) < 128;
            if (!tinte)
                continue;
            if (links < 0 || x < links)
                links = x;
            rechts = std::max(rechts, x);
        }
    return {links, rechts};
}

Berichtslayout einBand(const Band& band)
{
    Bericht bericht;
    bericht.titelband = band;
    return Umbrechen(bericht);
}
} // namespace

TEST(Berichtsausrichtung, LaesstRechtsbuendigeTexteGenauAnIhrerPositionEnden)
{
    Band band;
    band.bis(51.1, 0, "Höhe [m]:");
    band.bis(51.1, 6, "zulässiges Biegemoment [Nm]:");
    band.bis(164.3, 12, "12 500,00", Schrift{10, true, false});
    band.ab(54.0, 0, "0,29");
    band.zentriert(0, 170, 18, "Mitte", Schrift{18, true, false});
    band.kasten(100, 30, 30, "rechts im Kasten", Ausrichtung::Rechts);
    const Berichtslayout layout = einBand(band);
    const auto& texte = layout.seiten[0].baender[0].texte;
    ASSERT_EQ(texte.size(), 6u);
    EXPECT_DOUBLE_EQ(texte[0].rahmen.right(), linkerRand + 51.1);
    EXPECT_DOUBLE_EQ(texte[1].rahmen.right(), linkerRand + 51.1);
    EXPECT_GT(texte[1].rahmen.width(), texte[0].rahmen.width() * 2);
    EXPECT_DOUBLE_EQ(texte[2].rahmen.right(), linkerRand + 164.3);
    EXPECT_DOUBLE_EQ(texte[3].rahmen.left(), linkerRand + 54.0);
    EXPECT_NEAR(texte[4].rahmen.center().x(), linkerRand + 85.0, 1e-9);
    EXPECT_NEAR(texte[5].rahmen.right(), linkerRand + 130.0, 1e-9);
    EXPECT_DOUBLE_EQ(texte[0].rahmen.top(), 15.0);

    // On paper the ink ends at the position less the last glyph's right side bearing (and starts at
    // the position plus the first glyph's left side bearing).
    const QImage bild = SeiteAlsBild(layout, 0, dpi);
    const auto metrik = [&bild](const GesetzterText& t) { return QFontMetricsF(Berichtsschrift(t.schrift), &bild); };
    for (size_t i : {0u, 1u, 2u, 5u}) {
        const auto [links, rechts] = tintenspalten(bild, texte[i].rahmen);
        ASSERT_GE(rechts, 0);
        const double seitenabstand = metrik(texte[i]).rightBearing(texte[i].text.back()) * 25.4 / dpi;
        EXPECT_NEAR(pixelZuMm(rechts + 1), texte[i].rahmen.right() - seitenabstand, 0.08) << texte[i].text.toStdString();
    }
    const auto [links, rechts] = tintenspalten(bild, texte[3].rahmen);
    const double seitenabstand = metrik(texte[3]).leftBearing(texte[3].text.front()) * 25.4 / dpi;
    EXPECT_NEAR(pixelZuMm(links), texte[3].rahmen.left() + seitenabstand, 0.08);
}

TEST(Berichtsausrichtung, SchneidetTexteAmRandIhresKastens)
{
    Band band;
    band.kasten(20, 15, 0, "eine viel zu lange Bezeichnung", Ausrichtung::Links);
    const Berichtslayout layout = einBand(band);
    const auto& text = layout.seiten[0].baender[0].texte[0];
    ASSERT_TRUE(text.kasten.has_value());
    EXPECT_GT(text.rahmen.width(), 15.0);
    const auto [links, rechts] = tintenspalten(SeiteAlsBild(layout, 0, dpi), text.rahmen);
    EXPECT_NEAR(pixelZuMm(links), linkerRand + 20, 0.4);
    EXPECT_LE(pixelZuMm(rechts), linkerRand + 35 + 0.05);
}

TEST(Berichtsausrichtung, FolgtBeiBildernDemSeitenverhaeltnisInGanzenLayouteinheiten)
{
    const double einheit = 25.4 / 96;
    EXPECT_NEAR(Bildhoehe(160, QSize(400, 300)), 454 * einheit, 1e-9); // 120 mm = 453.5 units
    EXPECT_NEAR(Bildhoehe(169.6, QSize(1600, 700)), 280 * einheit, 1e-9);
    EXPECT_EQ(Bildhoehe(100, QSize(0, 10)), 0.0);

    QImage rot(400, 300, QImage::Format_RGB32);
    rot.fill(Qt::red);
    Band band;
    band.ab(1.1, 2.1, "Auslastung:");
    const double hoehe = band.bild(1.1, 8.5, 160, rot);
    EXPECT_NEAR(hoehe, 454 * einheit, 1e-9);
    const Berichtslayout layout = einBand(band);
    const GesetztesBand& gesetzt = layout.seiten[0].baender[0];
    ASSERT_EQ(gesetzt.bilder.size(), 1u);
    const QRectF r = gesetzt.bilder[0].rahmen;
    EXPECT_NEAR(r.left(), linkerRand + 1.1, 1e-9);
    EXPECT_NEAR(r.width(), 160, 1e-9);
    EXPECT_NEAR(r.height(), hoehe, 1e-9);
    EXPECT_NEAR(gesetzt.rahmen.height(), 8.5 + hoehe, 1e-9); // the band grows to hold the image

    const QImage seite = SeiteAlsBild(layout, 0, dpi);
    const auto [links, rechts] = tintenspalten(seite, r.adjusted(0, 1, 0, -1), [](QRgb p) -> QRgb {
        return qRed(p) > 200 && qGreen(p) < 60 ? 1 : 0;
    });
    EXPECT_NEAR(pixelZuMm(links), r.left(), 0.1);
    EXPECT_NEAR(pixelZuMm(rechts), r.right(), 0.1);
    const int mitte = mmZuPixel(r.center().x());
    int oben = -1, unten = -1;
    for (int y = 0; y < seite.height(); ++y)
        if (qRed(seite.pixel(mitte, y)) > 200 && qGreen(seite.pixel(mitte, y)) < 60) {
            oben = oben < 0 ? y : oben;
            unten = y;
        }
    EXPECT_NEAR(pixelZuMm(unten - oben + 1), hoehe, 0.1);
}

TEST(Berichtsschrift, MisstArialBreitenUndFaelltAufLiberationSansZurueck)
{
    const QString familie = QFontInfo(Berichtsschrift(Schrift{})).family();
    EXPECT_TRUE(familie == QStringLiteral("Arial") || familie == QStringLiteral("Liberation Sans")) << familie.toStdString();
    // Arial's advances in units of 2048 per em: "H" 1479, "i" 455, "0" 1139.
    const double em = 10.0 * 25.4 / 72;
    const Schriftmass mass(Schrift{10});
    EXPECT_NEAR(mass.breite(QStringLiteral("HHHH")), 4 * 1479.0 / 2048 * em, 0.02);
    EXPECT_NEAR(mass.breite(QStringLiteral("i0i0")), 2 * (455.0 + 1139.0) / 2048 * em, 0.02);
    EXPECT_GT(Schriftmass(Schrift{10, true, false}).breite(QStringLiteral("iiii")), mass.breite(QStringLiteral("iiii")));
}
