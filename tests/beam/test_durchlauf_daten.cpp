// The continuous beam's data: the deflection limit and EI in the settings text after the other
// keys (absent keys rewrite byte for byte), EI taken from the truss library's row, and Berechnen
// running the continuous beam beside the load cases.
#include "balkenhilfen.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_cadwerkzeuge.h"
#include "beam/u_einzelprojekt.h"
#include "tables/u_werteliste.h"
#include "truss/u_travbibfelder.h"
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {
QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(DurchlaufDaten, OhneSchluesselGiltLZweihundertUndEIUnbekanntUndDerTextBleibtGleich)
{
    Balkenmodell m;
    const QString alt = m.Einstellungen();
    EXPECT_FALSE(alt.contains(QStringLiteral("Durchbiegungsgrenze")));
    EXPECT_FALSE(alt.contains(QStringLiteral("TravEI")));
    Balkenmodell n;
    n.LeseEinstellungen(alt);
    EXPECT_FALSE(n.durchbiegungsgrenze);
    EXPECT_EQ(n.Durchbiegungsgrenze(), 200);
    EXPECT_FALSE(n.travEI);
    EXPECT_EQ(n.Einstellungen(), alt);
}

TEST(DurchlaufDaten, SchluesselStehenNachDenBisherigenUndKommenZurueck)
{
    Balkenmodell m;
    m.durchbiegungsgrenze = 300;
    m.travEI = 1234.5;
    const QStringList zeilen = TWerteliste(m.Einstellungen()).zeilen();
    ASSERT_GE(zeilen.size(), 3);
    EXPECT_TRUE(zeilen[zeilen.size() - 3].startsWith(QStringLiteral("TravMaxQuer=")));
    EXPECT_EQ(zeilen[zeilen.size() - 2], QStringLiteral("Durchbiegungsgrenze=300"));
    EXPECT_TRUE(zeilen.last().startsWith(QStringLiteral("TravEI=1234")));
    Balkenmodell n;
    n.LeseEinstellungen(m.Einstellungen());
    EXPECT_EQ(n.Durchbiegungsgrenze(), 300);
    ASSERT_TRUE(n.travEI);
    EXPECT_DOUBLE_EQ(*n.travEI, 1234.5);
    // either decimal separator; a value that is no positive number is absent
    n.LeseEinstellungen(QStringLiteral("TravLaenge=8\r\nTravEI=12.5\r\nDurchbiegungsgrenze=-3\r\n"));
    EXPECT_DOUBLE_EQ(*n.travEI, 12.5);
    EXPECT_FALSE(n.durchbiegungsgrenze);
    n.LeseEinstellungen(QStringLiteral("TravLaenge=8\r\nTravEI=abc\r\n"));
    EXPECT_FALSE(n.travEI);
}

TEST(DurchlaufDaten, EinzelprojektMitUndOhneSchluesselWirdGleichGeschrieben)
{
    QTemporaryDir ordner;
    for (bool mitSchluesseln : {false, true}) {
        Balkenmodell m;
        fuegeLagerHinzu(m, -4);
        fuegeLagerHinzu(m, 4);
        if (mitSchluesseln) {
            m.travEI = 800;
            m.durchbiegungsgrenze = 250;
        }
        const QString a = ordner.filePath(QStringLiteral("a.pre")), b = ordner.filePath(QStringLiteral("b.pre"));
        SchreibeEinzelprojekt(m, a);
        Balkenmodell n;
        Meldungen meldungen;
        ASSERT_TRUE(LeseEinzelprojekt(n, a, meldungen));
        EXPECT_TRUE(meldungen.isEmpty());
        EXPECT_EQ(n.travEI.has_value(), mitSchluesseln);
        SchreibeEinzelprojekt(n, b);
        EXPECT_EQ(inhalt(a), inhalt(b));
    }
}

TEST(DurchlaufDaten, TraverseAusDerBibliothekBringtIhrEIMit)
{
    TBClientDataSet bib;
    using namespace Travbibfeld;
    auto zahl = [](Feldname name) { return Felddef(name, TFieldType::Float); };
    auto text = [](Feldname name) { return Felddef(name, TFieldType::String, 30); };
    bib.FieldDefs = {text(Hersteller), text(Name), zahl(Eigenlast), zahl(Querkraft), zahl(Biegemoment),
                     zahl(Hoehe), zahl(Breite), Felddef(Gurtzahl, TFieldType::Integer), zahl(EI)};
    bib.CreateDataSet();
    bib.Append();
    bib.FieldByName(Name).SetAsString(QStringLiteral("F34"));
    bib.FieldByName(Travbibfeld::EI).SetAsFloat(1500);
    bib.Post();
    Balkenmodell m;
    UebernimmTraverse(m, bib);
    ASSERT_TRUE(m.travEI);
    EXPECT_EQ(*m.travEI, 1500);
    bib.Edit();
    bib.FieldByName(Travbibfeld::EI).Clear();
    bib.Post();
    UebernimmTraverse(m, bib);
    EXPECT_FALSE(m.travEI); // a row without EI makes it unknown, not the previous truss's
}

TEST(DurchlaufDaten, BerechnenRechnetDenDurchlauftraegerNebenDenTragfaellen)
{
    Balkenmodell m;
    m.traverse.laenge = 12;
    m.traverse.eigenlast = 100;
    m.traverse.maxQuer = m.traverse.maxBiege = 1e9; // judged, so that no warning is shown
    fuegeLagerHinzu(m, -6);
    fuegeLagerHinzu(m, 0);
    fuegeLagerHinzu(m, 6);
    Balkenrechnung r(m);
    EXPECT_TRUE(r.Berechnen().isEmpty());
    ASSERT_TRUE(r.durchlauf);
    EXPECT_NEAR(r.durchlauf->lager[1].kraft, 1.25 * 100 * 6, 1e-9);
    EXPECT_FALSE(r.durchlauf->durchbiegung);
    // the envelope stays as it was: the middle support alone carries up to the whole truss
    m.cds_lager.First();
    m.cds_lager.Next();
    EXPECT_NEAR(m.cds_lager.FieldByName(Lagerfeld::Berechnet).AsFloat(), 1200, 1e-9);
    // EI in kN·m², the limit from the variant
    m.travEI = 500;
    m.durchbiegungsgrenze = 400;
    EXPECT_TRUE(r.Berechnen().isEmpty()); // nothing to tell
    ASSERT_TRUE(r.durchlauf->durchbiegung);
    EXPECT_EQ(r.durchlauf->durchbiegung->grenze, 400);
    // each span acts as propped at the middle support: largest (39 + 55√33)/65536 · qL⁴/EI
    const double soll = (39 + 55 * std::sqrt(33.0)) / 65536 * 100 * 1296 / 500e3;
    EXPECT_NEAR(r.durchlauf->durchbiegung->max, soll, 1e-9 * soll);
}
