// Page breaking: bands never cut between pages, the footer on every page, headings kept with rows.
#include "berichtshilfe.h"
#include "report/u_berichtslayout.h"
#include <gtest/gtest.h>

namespace {
constexpr double eps = 1e-6;

std::vector<const GesetztesBand*> baender(const Berichtsseite& seite, Bandart art)
{
    std::vector<const GesetztesBand*> liste;
    for (const auto& b : seite.baender)
        if (b.art == art)
            liste.push_back(&b);
    return liste;
}

const GesetztesBand* letztesKoerperband(const Berichtsseite& seite)
{
    const GesetztesBand* letztes = nullptr;
    for (const auto& b : seite.baender)
        if (b.art != Bandart::Seitenfuss)
            letztes = &b;
    return letztes;
}
} // namespace

TEST(Berichtsumbruch, VerteiltVieleZeilenOhneSchnittUndMitFussAufJederSeite)
{
    const Bericht bericht = zeilenbericht(200);
    const Berichtslayout layout = Umbrechen(bericht);
    ASSERT_GE(layout.seiten.size(), 4u);
    const double fussOben = 297.0 - 15.0 - 7.4;
    EXPECT_NEAR(layout.koerper.bottom(), fussOben, eps);

    int erwarteteZeile = 0;
    const int seiten = int(layout.seiten.size());
    for (int s = 0; s < seiten; ++s) {
        const Berichtsseite& seite = layout.seiten[size_t(s)];
        const auto fuesse = baender(seite, Bandart::Seitenfuss);
        ASSERT_EQ(fuesse.size(), 1u) << "Seite " << s + 1;
        EXPECT_NEAR(fuesse[0]->rahmen.top(), fussOben, eps);
        EXPECT_TRUE(seite.texte().contains(QStringLiteral("Seite %1 von %2").arg(s + 1).arg(seiten)));
        EXPECT_EQ(baender(seite, Bandart::Titel).size(), s == 0 ? 1u : 0u);
        for (const auto& band : seite.baender) {
            if (band.art == Bandart::Seitenfuss)
                continue;
            EXPECT_GE(band.rahmen.top(), layout.koerper.top() - eps);
            EXPECT_LE(band.rahmen.bottom(), layout.koerper.bottom() + eps) << "Seite " << s + 1;
            for (const auto& t : band.texte)
                EXPECT_LE(t.rahmen.bottom(), layout.koerper.bottom() + eps);
            if (band.art == Bandart::Detail) {
                EXPECT_EQ(band.zeile, erwarteteZeile);
                ASSERT_EQ(band.texte.size(), 2u);
                EXPECT_EQ(band.texte[0].text, QStringLiteral("Zeile %1").arg(erwarteteZeile + 1));
                ++erwarteteZeile;
            }
        }
        // A page ends only when the next row would not have fitted.
        if (s + 1 < seiten) {
            const GesetztesBand* letztes = letztesKoerperband(seite);
            ASSERT_NE(letztes, nullptr);
            EXPECT_GT(letztes->rahmen.bottom() + 6.35, layout.koerper.bottom());
        }
    }
    EXPECT_EQ(erwarteteZeile, 200);
    const auto summe = baender(layout.seiten.back(), Bandart::Zusammenfassung);
    ASSERT_EQ(summe.size(), 1u);
}

TEST(Berichtsumbruch, HaeltDenKopfMitDerErstenZeileUndWiederholtIhnAufWunsch)
{
    Bericht bericht = zeilenbericht(120);
    // The title leaves room for the heading (8 mm) but not for heading and first row.
    bericht.titelband->hoehe = (297.0 - 30.0 - 7.4) - 10.0;
    Berichtslayout layout = Umbrechen(bericht);
    ASSERT_GE(layout.seiten.size(), 2u);
    EXPECT_TRUE(baender(layout.seiten[0], Bandart::Kopf).empty());
    EXPECT_TRUE(baender(layout.seiten[0], Bandart::Detail).empty());
    EXPECT_EQ(layout.seiten[1].baender.front().art, Bandart::Kopf);
    EXPECT_EQ(baender(layout.seiten[2], Bandart::Kopf).size(), 0u);

    bericht.abschnitte[0].kopfAufJederSeite = true;
    layout = Umbrechen(bericht);
    for (size_t s = 1; s < layout.seiten.size(); ++s) {
        const auto& seite = layout.seiten[s];
        if (baender(seite, Bandart::Detail).empty())
            continue;
        EXPECT_EQ(seite.baender.front().art, Bandart::Kopf) << "Seite " << s + 1;
        EXPECT_EQ(baender(seite, Bandart::Kopf).size(), 1u);
    }
}

TEST(Berichtsumbruch, SetztDieZusammenfassungAufEineNeueSeiteWennSieNichtMehrPasst)
{
    Bericht bericht = zeilenbericht(5);
    bericht.zusammenfassung->hoehe = 200;
    const Berichtslayout layout = Umbrechen(bericht);
    ASSERT_EQ(layout.seiten.size(), 2u);
    EXPECT_EQ(layout.seiten[1].baender.front().art, Bandart::Zusammenfassung);
    EXPECT_NEAR(layout.seiten[1].baender.front().rahmen.top(), 15.0, eps);
    EXPECT_TRUE(layout.seiten[1].texte().contains(QStringLiteral("Seite 2 von 2")));
    EXPECT_TRUE(layout.seiten[0].texte().contains(QStringLiteral("Seite 1 von 2")));
}

TEST(Berichtsumbruch, GibtEinemUeberlangenBandEineEigeneSeiteOhneLeereSeiteDavor)
{
    Bericht bericht = zeilenbericht(0);
    bericht.titelband.reset();
    bericht.abschnitte.clear();
    bericht.zusammenfassung->hoehe = 400;
    const Berichtslayout layout = Umbrechen(bericht);
    ASSERT_EQ(layout.seiten.size(), 1u);
    EXPECT_EQ(layout.seiten[0].baender.front().art, Bandart::Zusammenfassung);
    EXPECT_EQ(baender(layout.seiten[0], Bandart::Seitenfuss).size(), 1u);
}

TEST(Berichtsumbruch, DruecktEinenAbschnittOhneZeilenNurMitKopfUndEinenLeerenBerichtAlsEineSeite)
{
    Bericht bericht = zeilenbericht(0);
    Berichtslayout layout = Umbrechen(bericht);
    ASSERT_EQ(layout.seiten.size(), 1u);
    EXPECT_EQ(baender(layout.seiten[0], Bandart::Kopf).size(), 1u);
    EXPECT_TRUE(baender(layout.seiten[0], Bandart::Detail).empty());

    layout = Umbrechen(Bericht{});
    ASSERT_EQ(layout.seiten.size(), 1u);
    EXPECT_TRUE(layout.seiten[0].baender.empty());
}

TEST(Berichtsumbruch, BrichtAbsaetzeInDerBreiteUmUndLaesstDasBandWachsen)
{
    const QString text = QStringLiteral("Die Werte gelten nur für ruhende Lasten und ein Feld auf zwei Auflagern, "
                                        "ohne dynamische Beiwerte.");
    Bericht bericht;
    Band band;
    band.hoehe = 5;
    band.absatz(10, 40, 2, text);
    band.ab(100, 1, "rechts daneben");
    bericht.zusammenfassung = band;
    const Berichtslayout layout = Umbrechen(bericht);
    const GesetztesBand& gesetzt = layout.seiten[0].baender[0];
    ASSERT_GE(gesetzt.texte.size(), 4u);
    QStringList zeilen;
    for (size_t i = 0; i + 1 < gesetzt.texte.size(); ++i) {
        const auto& t = gesetzt.texte[i];
        EXPECT_NEAR(t.rahmen.left(), 25.0 + 10.0, eps);
        EXPECT_LE(t.rahmen.width(), 40.0 + eps);
        if (i > 0) {
            EXPECT_GT(t.rahmen.top(), gesetzt.texte[i - 1].rahmen.top());
        }
        zeilen << t.text;
    }
    EXPECT_EQ(zeilen.join(QLatin1Char(' ')), text);
    EXPECT_NEAR(gesetzt.rahmen.bottom(), gesetzt.texte[gesetzt.texte.size() - 2].rahmen.bottom(), eps);
    EXPECT_GT(gesetzt.rahmen.height(), 5.0 * 3);
}
