// Symbols and the beam drawing on an image: extents in pixels, mirroring above the truss, arrow
// direction by sign, the band of a distributed load, colours by mark, the outline a symbol
// reports, and the rulers and truss bar of the whole drawing.
#include "beam/g_cadansicht.h"
#include "beam/g_symbole.h"
#include "beam/u_balkenmodell.h"
#include "beam/u_cadwerkzeuge.h"
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QImage leeresBild(int breite = 400, int hoehe = 300)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

QImage zeichne(const Symbolangaben& s)
{
    QImage bild = leeresBild();
    QPainter p(&bild);
    u_symbole::ZeichneSymbol(p, s);
    return bild;
}

// Bounding box of the pixels of one colour.
QRect flaecheIn(const QImage& bild, const QColor& farbe)
{
    QRect box;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixelColor(x, y) == farbe)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// Bounding box of everything drawn (text is smoothed, so not of one colour).
QRect tinteIn(const QImage& bild)
{
    QRect box;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixelColor(x, y) != QColor(Qt::white))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

bool farbigNahe(const QImage& bild, int x, int y, const QColor& farbe, int umkreis = 1)
{
    for (int dy = -umkreis; dy <= umkreis; ++dy)
        for (int dx = -umkreis; dx <= umkreis; ++dx)
            if (bild.valid(x + dx, y + dy) && bild.pixelColor(x + dx, y + dy) == farbe)
                return true;
    return false;
}

const QColor blau(0, 0, 255), rot(255, 0, 0), gruen(0, 128, 0);

} // namespace

TEST(Symbole, LagerDerGroesseEinsSpannt50PixelUndReicht40PixelUnterDieBasis)
{
    Symbolangaben s;
    s.art = ArtLager;
    s.x1 = s.x2 = 200;
    s.y0 = 100;
    s.massstab = 0.02;
    s.groesse = 1;
    const QImage bild = zeichne(s);
    const QRect unten = flaecheIn(bild.copy(0, 0, 400, 142), blau);
    EXPECT_NEAR(unten.left(), 175, 1);
    EXPECT_NEAR(unten.right(), 225, 1);
    EXPECT_NEAR(unten.top(), 100, 1);
    EXPECT_EQ(bild.pixelColor(176, 140), blau);
    EXPECT_NE(bild.pixelColor(176, 143), blau);

    s.oben = true; // half a turn: the figure stands above the base row
    const QImage gedreht = zeichne(s);
    const QRect oben = flaecheIn(gedreht.copy(0, 58, 400, 300), blau).translated(0, 58);
    EXPECT_NEAR(oben.bottom(), 100, 1);
    EXPECT_NEAR(oben.width(), unten.width(), 1);
    EXPECT_EQ(gedreht.pixelColor(176, 60), blau);
}

TEST(Symbole, KraftZeigtUntenVonDerTraverseWegUndObenZuIhrHin)
{
    Symbolangaben s;
    s.art = ArtKraft;
    s.x1 = s.x2 = 200;
    s.y0 = 100;
    s.massstab = 0.02; // 50 pixels per size unit, pen 5 pixels
    const auto kopfAmEnde = [&](const QImage& bild, int richtung) {
        // wing of the head at the far end (v = 0.7) or at the base (v = 0.3)
        return std::pair{farbigNahe(bild, 185, 100 + richtung * 35, rot), farbigNahe(bild, 185, 100 + richtung * 15, rot)};
    };
    EXPECT_EQ(kopfAmEnde(zeichne(s), 1), std::pair(true, false));
    s.oben = true;
    EXPECT_EQ(kopfAmEnde(zeichne(s), -1), std::pair(false, true));
    s.negativ = true;
    EXPECT_EQ(kopfAmEnde(zeichne(s), -1), std::pair(true, false));
    s.oben = false;
    EXPECT_EQ(kopfAmEnde(zeichne(s), 1), std::pair(false, true));
}

TEST(Symbole, StreckenlastDecktGenauIhreSpaltenUnabhaengigVonDerGroesse)
{
    Symbolangaben s;
    s.art = ArtStreckenlast;
    s.x1 = 100; // x = −2 at 0.02 m per pixel around column 200
    s.x2 = 350; // x = +3
    s.y0 = 50;
    s.massstab = 0.05; // pen 0.04 m: one pixel
    for (double groesse : {0.5, 3.0}) {
        s.groesse = groesse;
        const QRect band = flaecheIn(zeichne(s), gruen);
        EXPECT_EQ(band.left(), 100) << groesse;
        EXPECT_EQ(band.right(), 350) << groesse;
    }
}

TEST(Symbole, UmrissEnthaeltJedenGezeichnetenPunktUndGleichtDemGemessenen)
{
    for (int art = ArtLager; art <= ArtTraversenkraft; ++art) {
        for (bool oben : {false, true}) {
            Symbolangaben s;
            s.art = art;
            s.x1 = 150;
            s.x2 = art == ArtStreckenlast || (art >= Art4erBar && art <= ArtBeamer) ? 260 : 150;
            s.y0 = 150;
            s.oben = oben;
            s.massstab = 0.02;
            s.groesse = art == ArtScanner || art == ArtLinearray ? 0.5 : 1;
            QImage bild = leeresBild();
            QPainter p(&bild);
            const QRect gezeichnet = u_symbole::ZeichneSymbol(p, s);
            p.end();
            const QRect tinte = tinteIn(bild);
            ASSERT_TRUE(tinte.isValid()) << art;
            EXPECT_TRUE(gezeichnet.contains(tinte)) << art << " " << oben;
            EXPECT_EQ(u_symbole::Umriss(s), gezeichnet) << art;
            // no more than the pen's margin beyond the ink
            EXPECT_LE(gezeichnet.width() - tinte.width(), 8) << art;
        }
    }
}

TEST(Symbole, FarbenNachArtUndEineAuffaelligeMarkierfarbe)
{
    EXPECT_EQ(u_symbole::Stiftfarbe(ArtMHWash, false), QColor(Qt::black));
    EXPECT_EQ(u_symbole::Stiftfarbe(ArtLager, false), QColor(0, 0, 255));
    EXPECT_EQ(u_symbole::Stiftfarbe(ArtTraversenkraft, false), QColor(128, 0, 128));
    // Every kind marked in one colour that differs clearly from every unmarked colour and from
    // the light grey ground (contrast ratio of relative luminances at least 3).
    const auto leuchtdichte = [](const QColor& c) {
        const auto kanal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
    };
    const QColor grund(240, 240, 240), markiert = u_symbole::Stiftfarbe(ArtKraft, true);
    EXPECT_GE((leuchtdichte(grund) + 0.05) / (leuchtdichte(markiert) + 0.05), 3.0);
    for (int art = ArtLager; art <= ArtTraversenkraft; ++art) {
        EXPECT_EQ(u_symbole::Stiftfarbe(art, true), markiert) << art;
        const QColor eigen = u_symbole::Stiftfarbe(art, false);
        const int abstand = std::abs(eigen.red() - markiert.red()) + std::abs(eigen.green() - markiert.green())
                            + std::abs(eigen.blue() - markiert.blue());
        EXPECT_GE(abstand, 150) << art;
    }

    Symbolangaben s;
    s.art = ArtMHWash;
    s.x1 = s.x2 = 200;
    s.y0 = 50;
    s.massstab = 0.02;
    s.markiert = true;
    const QImage bild = zeichne(s);
    EXPECT_TRUE(flaecheIn(bild, markiert).isValid());
    EXPECT_FALSE(flaecheIn(bild, QColor(Qt::black)).isValid());
}

TEST(Symbole, UnsinnigeGroessenZeichnenNichtsUndStuerzenNicht)
{
    Symbolangaben s;
    s.art = ArtLinearray;
    s.massstab = 0.01;
    s.groesse = 1e300;
    zeichne(s);
    s.groesse = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(flaecheIn(zeichne(s), Qt::black).isValid());
    s.massstab = 0;
    s.groesse = 1;
    EXPECT_FALSE(flaecheIn(zeichne(s), Qt::black).isValid());
}

TEST(Balkenzeichnung, LinealeTraverseUndSymboleInDerAnsicht)
{
    Balkenmodell m;
    m.traverse.laenge = 10;
    m.traverse.hoehe = 0.3;
    Cadansicht a;
    a.breite = 600;
    a.hoehe = 300;
    a.SetzeMassstab(0.05);
    Cadwerkzeuge w(m, a);
    w.WerkzeugWaehlen(ArtLager);
    w.MausGedrueckt(a.Spalte(-4), a.Zeile(1), Qt::LeftButton);
    m.cds_lager.First();

    QImage bild = leeresBild(a.breite, a.hoehe);
    QPainter p(&bild);
    ZeichneBalken(p, bild.rect(), QColor(240, 240, 240), a, m);
    p.end();
    // The bar: 10 m at 0.05 m per pixel from column 200 to 400, 6 pixels high around row 180.
    const QRect bar = flaecheIn(bild.copy(0, 61, a.breite, a.hoehe - 61), blau).translated(0, 61);
    EXPECT_NEAR(bar.left(), 200 - 1, 1);
    EXPECT_NEAR(bar.right(), 400 + 1, 1);
    EXPECT_LE(bar.top(), 177);
    EXPECT_GE(bar.bottom(), 195); // the support hangs below the bar
    // Rulers in navy at row 20 and maroon at row 50.
    EXPECT_EQ(bild.pixelColor(10, 20), QColor(0, 0, 128));
    EXPECT_EQ(bild.pixelColor(10, 50), QColor(128, 0, 0));
    EXPECT_EQ(bild.pixelColor(10, 100), QColor(240, 240, 240));
    EXPECT_EQ(m.cds_lager.RecNo(), 1);
}

// One of every kind above and below a 24 m truss, as the screen shows it at slider 10 and 20;
// the pictures go to the build folder for a look.
TEST(Balkenzeichnung, JedeArtObenUndUntenZeichnetAnIhrerStelle)
{
    for (int regler : {10, 20}) {
        Balkenmodell m;
        Cadansicht a;
        a.breite = 1400;
        a.hoehe = 520;
        a.SetzeMassstab(Cadansicht::MassstabVonRegler(regler));
        Cadwerkzeuge w(m, a);
        const double abstand = regler == 10 ? 8 : 0.8;
        std::vector<double> stellen;
        for (int art = ArtLager; art <= ArtBeamer; ++art) {
            const double x = (art - 9) * abstand;
            w.WerkzeugWaehlen(art);
            if (regler == 20) // sizes as riggers give them for the close-up
                w.GroesseGeaendert(art >= Art4erBar || art == ArtStreckenlast ? QStringLiteral("0,4")
                                                                              : QStringLiteral("0,25"));
            for (double y : {2.0 * abstand / 8, -2.0 * abstand / 8}) {
                w.eingaben.last = QStringLiteral("10");
                w.MausGedrueckt(a.Spalte(x), a.Zeile(y), Qt::LeftButton);
                if (art == ArtStreckenlast || art >= Art4erBar)
                    w.MausGedrueckt(a.Spalte(x + abstand / 2), a.Zeile(y), Qt::LeftButton);
            }
            stellen.push_back(art == ArtStreckenlast || art >= Art4erBar ? x + abstand / 4 : x);
        }
        QImage bild = leeresBild(a.breite, a.hoehe);
        QPainter p(&bild);
        ZeichneBalken(p, bild.rect(), QColor(240, 240, 240), a, m);
        p.end();
        QDir().mkpath(QStringLiteral(KELVARA_BINAER "/bilder"));
        bild.save(QStringLiteral(KELVARA_BINAER "/bilder/balken_zoom%1.png").arg(regler));

        const QColor grund(240, 240, 240);
        const int achse = a.Zeile(0);
        for (std::size_t i = 0; i < stellen.size(); ++i) {
            const int spalte = a.Spalte(stellen[i]);
            const auto tinte = [&](int von, int bis) {
                for (int y = von; y != bis; y += von < bis ? 1 : -1)
                    for (int dx = -2; dx <= 2; ++dx)
                        if (bild.pixelColor(spalte + dx, y) != grund)
                            return true;
                return false;
            };
            const int rand = a.Zeile(0.2) - achse + 2; // beyond the bar of 0.3 m and the gap
            const int art = int(i) + ArtLager;
            EXPECT_EQ(tinte(achse + rand, achse + rand + 30), art != ArtMotorzug) << regler << " kind " << art;
            EXPECT_TRUE(tinte(achse - rand, achse - rand - 30)) << regler << " kind " << art;
        }
    }
}
