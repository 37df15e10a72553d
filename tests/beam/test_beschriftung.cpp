// Labels of the beam drawing (the room finder alone is in test_beschriftungsplatz.cpp): whole
// drawings that used to be unreadable (two supports at one place, 200 loads on 10 m, a band over
// a point load, a cable band over a hoist), the fixed label size, and the support forces the
// editor shows after "&Berechnen" against the lever rule.
#include "beam/fo_cadflaeche.h"
#include "beam/g_cadansicht.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_cadwerkzeuge.h"
#include "balkenhilfen.h"
#include "reiterhilfen.h"
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QColor Grund(240, 240, 240);

struct Zeichnung {
    QImage bild;
    std::vector<Beschriftung> texte;
};

Zeichnung zeichne(const Cadansicht& a, Balkenmodell& m)
{
    Zeichnung z{QImage(a.breite, a.hoehe, QImage::Format_RGB32), {}};
    QPainter p(&z.bild);
    z.texte = ZeichneBalken(p, z.bild.rect(), Grund, a, m);
    return z;
}

Cadansicht ansicht(double massstab)
{
    Cadansicht a;
    a.breite = 1200;
    a.hoehe = 500;
    a.SetzeMassstab(massstab);
    return a;
}

void erwarteUeberschneidungsfrei(const std::vector<Beschriftung>& texte)
{
    for (std::size_t i = 0; i < texte.size(); ++i)
        for (std::size_t j = i + 1; j < texte.size(); ++j)
            EXPECT_FALSE(texte[i].box.intersects(texte[j].box))
                << texte[i].text.toStdString() << " / " << texte[j].text.toStdString();
}

const Beschriftung* finde(const std::vector<Beschriftung>& texte, const QString& text)
{
    for (const Beschriftung& b : texte)
        if (b.text == text)
            return &b;
    return nullptr;
}

// Pixels of exactly this colour in the box.
int pixel(const QImage& bild, const QRect& box, const QColor& farbe)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += bild.valid(x, y) && bild.pixelColor(x, y) == farbe;
    return n;
}

// Pixels of smoothed text in this colour: its hue, clearly saturated.
int schrift(const QImage& bild, const QRect& box, const QColor& farbe)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            if (!bild.valid(x, y))
                continue;
            const QColor c = bild.pixelColor(x, y);
            const int abstand = std::abs(c.hsvHue() - farbe.hsvHue());
            n += c.hsvSaturation() > 80 && std::min(abstand, 360 - abstand) <= 15;
        }
    return n;
}

void setzeArt(TBClientDataSet& t, int art, bool oben)
{
    t.Last();
    t.Edit();
    t.FieldByName(Balkenfeld::Type).SetAsInteger(art);
    t.FieldByName(Balkenfeld::oben).SetAsBoolean(oben);
    t.Post();
}

} // namespace

TEST(Balkenbeschriftung, ZweiLagerAnEinerStelleZeigenZweiNummernUntereinander)
{
    Balkenmodell m;
    m.traverse.laenge = 10;
    fuegeLagerHinzu(m, -3);
    fuegeLagerHinzu(m, -3);
    const Cadansicht a = ansicht(0.02);
    const Zeichnung z = zeichne(a, m);
    const Beschriftung* eins = finde(z.texte, QStringLiteral("1"));
    const Beschriftung* zwei = finde(z.texte, QStringLiteral("2"));
    ASSERT_TRUE(eins && zwei);
    erwarteUeberschneidungsfrei(z.texte);
    // both at the support's column, the second one further from the truss
    EXPECT_NEAR(eins->box.center().x(), a.Spalte(-3), 1);
    EXPECT_NEAR(zwei->box.center().x(), a.Spalte(-3), 1);
    EXPECT_GT(zwei->box.top(), eins->box.bottom());
    // beyond the support's figure: 0.8 size units and half its pen below the base row
    const int basis = a.Zeile(0.15 + 0.03);
    EXPECT_GE(eins->box.top(), basis + 0.8 / 0.02);
    EXPECT_EQ(eins->farbe, QColor(0, 0, 255));
}

TEST(Balkenbeschriftung, ZweihundertLastenAufZehnMeternBildenKeinBand)
{
    Balkenmodell m;
    m.traverse.laenge = 10;
    for (int i = 0; i < 200; ++i)
        fuegeLastHinzu(m, ArtKraft, -5 + 0.05 * i, -5 + 0.05 * i, 100);
    const Cadansicht a = ansicht(10.0 / 1000); // the truss over 1000 of 1200 pixels
    const Zeichnung z = zeichne(a, m);
    erwarteUeberschneidungsfrei(z.texte);
    EXPECT_GT(z.texte.size(), 20u); // the others where there was no room
    z.bild.save(QStringLiteral(KELVARA_BINAER "/bilder/balken_200_lasten.png"));
    const int basis = a.Zeile(-0.15 - 0.03);
    for (const Beschriftung& b : z.texte) {
        // each number names the load it stands at, in red, clear of every arrow (1 m high)
        const int nummer = b.text.toInt();
        ASSERT_GE(nummer, 1);
        ASSERT_LE(nummer, 200);
        EXPECT_NEAR(b.box.center().x(), a.Spalte(-5 + 0.05 * (nummer - 1)), 1) << nummer;
        EXPECT_LT(b.box.bottom(), basis - 1.0 / a.massstab) << nummer;
        EXPECT_GE(b.box.top(), LinealHoehe) << nummer;
        EXPECT_EQ(b.farbe, QColor(255, 0, 0));
        EXPECT_GT(schrift(z.bild, b.box, QColor(255, 0, 0)), 3) << nummer;
    }
}

TEST(Balkenbeschriftung, EinBandUeberEinerPunktlastVerdecktWederSieNochIhreNummer)
{
    Balkenmodell m;
    m.traverse.laenge = 10;
    fuegeLastHinzu(m, ArtStreckenlast, -3, 3, 100); // a screen hung as a band, size 1
    fuegeLastHinzu(m, ArtKraft, 0, 0, 100);         // a point load within it
    TBClientDataSet& t = m.cds_lasten;
    t.Last();
    t.Edit();
    t.FieldByName(Balkenfeld::Groesse).SetAsFloat(0.5);
    t.Post();
    const Cadansicht a = ansicht(0.01);
    const Zeichnung z = zeichne(a, m);
    const Beschriftung* kraft = finde(z.texte, QStringLiteral("2"));
    const Beschriftung* band = finde(z.texte, QStringLiteral("1"));
    ASSERT_TRUE(kraft && band);
    erwarteUeberschneidungsfrei(z.texte);
    // The band reaches 1 m above the base row; the point load's number stands beyond it.
    const int basis = a.Zeile(-0.15 - 0.03);
    const int bandende = basis - 100;
    EXPECT_LT(kraft->box.bottom(), bandende);
    EXPECT_NEAR(kraft->box.center().x(), a.Spalte(0), 1);
    // The band's near edge (0.1 m out) stops short of the arrow; the arrow's shaft is whole.
    const int x0 = a.Spalte(0);
    EXPECT_EQ(z.bild.pixelColor(x0 - 60, basis - 10), QColor(0, 128, 0));
    EXPECT_EQ(pixel(z.bild, QRect(x0 - 12, basis - 11, 6, 3), QColor(0, 128, 0)), 0);
    EXPECT_EQ(z.bild.pixelColor(x0, basis - 10), QColor(255, 0, 0));
}

TEST(Balkenbeschriftung, EinKabelbandVerdecktKeinenMotorzug)
{
    Balkenmodell m;
    m.traverse.laenge = 10;
    fuegeLagerHinzu(m, 1);
    setzeArt(m.cds_lager, ArtMotorzug, true);
    fuegeLastHinzu(m, ArtStreckenlast, -4, 4, 10); // cables along the truss, above it
    const Cadansicht a = ansicht(0.01);
    const Zeichnung z = zeichne(a, m);
    // The hoist of size 1 spans u from −0.5 to 0.3 and v from 0 to 1 above the base row, turned
    // by half a turn there; the band's two edges (v 0.1 and 1) leave no green inside that span,
    // and show outside it.
    const int basis = a.Zeile(-0.15 - 0.03), x = a.Spalte(1);
    const QRect motorzug(QPoint(x - 30, basis - 100), QPoint(x + 50, basis));
    EXPECT_EQ(pixel(z.bild, motorzug, QColor(0, 128, 0)), 0);
    EXPECT_GT(pixel(z.bild, motorzug, QColor(0, 0, 255)), 100);
    EXPECT_EQ(z.bild.pixelColor(x - 100, basis - 10), QColor(0, 128, 0));
    EXPECT_EQ(z.bild.pixelColor(x + 100, basis - 100), QColor(0, 128, 0));
    erwarteUeberschneidungsfrei(z.texte);
    EXPECT_TRUE(finde(z.texte, QStringLiteral("1")));
}

TEST(Balkenbeschriftung, NummernHabenBeiJedemMassstabDieselbeGroesse)
{
    int hoehe = -1;
    for (double massstab : {0.1, 0.03, 0.01}) {
        Balkenmodell m;
        m.traverse.laenge = 10;
        fuegeLastHinzu(m, ArtKraft, 2, 2, 100);
        const Zeichnung z = zeichne(ansicht(massstab), m);
        ASSERT_EQ(z.texte.size(), 1u) << massstab; // written even where the old rule gave 3 points
        if (hoehe < 0)
            hoehe = z.texte[0].box.height();
        EXPECT_EQ(z.texte[0].box.height(), hoehe) << massstab;
        EXPECT_GE(hoehe, 12);
        EXPECT_LE(hoehe, 20);
    }
}

TEST(Balkenbeschriftung, MarkierteSymboleUndIhreNummernInDerMarkierfarbe)
{
    Balkenmodell m;
    m.traverse.laenge = 10;
    fuegeLastHinzu(m, ArtKraft, 2, 2, 100);
    fuegeLagerHinzu(m, -2);
    for (TBClientDataSet* t : {&m.cds_lasten, &m.cds_lager}) {
        t->First();
        t->Edit();
        t->FieldByName(Balkenfeld::markiert).SetAsBoolean(true);
        t->Post();
    }
    const Cadansicht a = ansicht(0.02);
    const Zeichnung z = zeichne(a, m);
    // the arrow's shaft (pen 5 pixels) half a metre above the base row, the support's bar 0.6 below
    const int oben = a.Zeile(-0.15 - 0.03), unten = a.Zeile(0.15 + 0.03);
    EXPECT_EQ(z.bild.pixelColor(a.Spalte(2), oben - 25), u_symbole::Markierfarbe);
    EXPECT_EQ(z.bild.pixelColor(a.Spalte(-2), unten + 30), u_symbole::Markierfarbe);
    EXPECT_EQ(pixel(z.bild, z.bild.rect(), QColor(255, 0, 0)), 0);
    ASSERT_EQ(z.texte.size(), 2u);
    for (const Beschriftung& b : z.texte)
        EXPECT_EQ(b.farbe, u_symbole::Markierfarbe);
}

// The editor as a user works it: two supports and a load placed with the mouse, the load typed in
// kg, "&Berechnen" on its tab; the CAD tab then shows each support's force beside it.
TEST(Balkenbeschriftung, NachBerechnenStehtJedeLagerkraftNebenIhremLager)
{
    Editorreiter e("tab_cad");
    Tfrm_variante& f = e.f;
    Cadflaeche* cad = kind<Cadflaeche>(&f, "pbCAD");
    const auto klick = [&](double x, double y) {
        QTest::mouseMove(cad, QPoint(f.ansicht.Spalte(x), f.ansicht.Zeile(y)));
        QTest::mouseClick(cad, Qt::LeftButton, {}, QPoint(f.ansicht.Spalte(x), f.ansicht.Zeile(y)));
    };
    werkzeugknopf(&f, ArtLager)->click();
    klick(-5, 1);
    klick(5, 1);
    werkzeugknopf(&f, ArtKraft)->click();
    kind<QLineEdit>(&f, "edtLast")->clear();
    QTest::keyClicks(kind<QLineEdit>(&f, "edtLast"), QStringLiteral("100"));
    ASSERT_EQ(kind<QComboBox>(&f, "cmbEinheitKraft")->currentText(), QStringLiteral("kg"));
    klick(2, -1);
    ASSERT_EQ(f.modell.cds_lager.RecordCount(), 2);
    ASSERT_EQ(f.modell.cds_lasten.RecordCount(), 1);
    f.modell.traverse.maxQuer = f.modell.traverse.maxBiege = 1e9; // no utilisation warning

    const auto zeigt = [&] {
        cad->repaint();
        QImage bild(cad->size(), QImage::Format_RGB32);
        QPainter p(&bild);
        const std::vector<Beschriftung> texte =
            ZeichneBalken(p, bild.rect(), cad->palette().color(QPalette::Button), f.ansicht, f.modell);
        p.end();
        EXPECT_EQ(bild, cad->Bild()); // the screen shows exactly these labels
        return texte;
    };
    const auto kraefte = [](const std::vector<Beschriftung>& texte) {
        std::vector<Beschriftung> kg;
        for (const Beschriftung& b : texte)
            if (b.text.endsWith(QStringLiteral(" kg")))
                kg.push_back(b);
        return kg;
    };
    EXPECT_TRUE(kraefte(zeigt()).empty()); // nothing calculated yet

    kind<QTabWidget>(&f, "pcHaupt")->setCurrentWidget(kind<QWidget>(&f, "tab_Auslastung"));
    QTest::mouseClick(kind<QPushButton>(&f, "btnBerechnen"), Qt::LeftButton);
    kind<QTabWidget>(&f, "pcHaupt")->setCurrentWidget(kind<QWidget>(&f, "tab_cad"));
    QApplication::processEvents();

    // Lever rule on the 10 m span: the support at −5 carries 100 kg · (5 − 2) / 10, the one at +5
    // the rest; each stands beside its own support in its blue.
    const std::vector<Beschriftung> texte = zeigt();
    erwarteUeberschneidungsfrei(texte);
    const auto kg = kraefte(texte);
    ASSERT_EQ(kg.size(), 2u);
    const Beschriftung* links = finde(texte, QStringLiteral("30,00 kg"));
    const Beschriftung* rechts = finde(texte, QStringLiteral("70,00 kg"));
    ASSERT_TRUE(links && rechts);
    EXPECT_LT(std::abs(links->box.center().x() - f.ansicht.Spalte(-5)), 120);
    EXPECT_LT(std::abs(rechts->box.center().x() - f.ansicht.Spalte(5)), 120);
    EXPECT_GT(links->box.top(), f.ansicht.Zeile(0)); // below the truss, with the supports
    EXPECT_EQ(links->farbe, QColor(0, 0, 255));

    // Any change makes the forces out of date: they disappear rather than show an old number.
    werkzeugknopf(&f, ArtKraft)->click();
    klick(-2, -1);
    EXPECT_TRUE(kraefte(zeigt()).empty());
    EXPECT_TRUE(e.skript.unerwartet.isEmpty());
}
