// The beam model: kinds, input conversion, wind areas, calculated fields, numbering and the
// settings text in its key order with its read defaults.
#include "balkenhilfen.h"
#include "beam/u_balkenfelder.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "tables/u_werteliste.h"
#include <gtest/gtest.h>

TEST(Balkenmodell, RechnetEingabenInNewtonUm)
{
    EXPECT_DOUBLE_EQ(EingabeZuKraft(QStringLiteral("10"), ArtStreckenlast, QStringLiteral("kg/m"), 2), 196.2);
    EXPECT_DOUBLE_EQ(EingabeZuKraft(QStringLiteral("10"), ArtStreckenlast, QStringLiteral("kg"), 2), 98.1);
    EXPECT_DOUBLE_EQ(EingabeZuKraft(QStringLiteral("1,5"), ArtStreckenlast, QStringLiteral("kN/m"), 2), 3000);
    EXPECT_DOUBLE_EQ(EingabeZuKraft(QStringLiteral("7"), ArtStreckenlast, QStringLiteral("N/m"), 3), 21);
    EXPECT_DOUBLE_EQ(EingabeZuKraft(QStringLiteral("2"), ArtKraft, QStringLiteral("kN"), 0), 2000);
    EXPECT_DOUBLE_EQ(EingabeZuKraft(QStringLiteral("5"), ArtLager, QStringLiteral("N"), 0), 5);
    EXPECT_DOUBLE_EQ(EingabeZuKraft(QStringLiteral("abc"), ArtKraft, QStringLiteral("kg"), 0), 0);
    EXPECT_DOUBLE_EQ(EingabeZuKraft(QStringLiteral("abc"), ArtStreckenlast, QStringLiteral("kg/m"), 4), 0);
}

TEST(Balkenmodell, KenntNamenUndStandardWindflaechenDerArten)
{
    EXPECT_EQ(Artname(ArtSelektieren), QStringLiteral("Selektieren"));
    EXPECT_EQ(Artname(ArtMotorzug), QStringLiteral("Motorzug"));
    EXPECT_EQ(Artname(Art4erBar), QStringLiteral("4er-Bar"));
    EXPECT_EQ(Artname(ArtBeamer), QStringLiteral("Beamer"));
    EXPECT_TRUE(Artname(ArtVerschieben).isEmpty());
    EXPECT_TRUE(Artname(ArtTraversenkraft).isEmpty());
    EXPECT_NEAR(StandardWindflaeche(ArtPAR, 0.5), 0.9, 1e-12);
    EXPECT_NEAR(StandardWindflaeche(Art4erBar, 2), 1.92, 1e-12);
    EXPECT_NEAR(StandardWindflaeche(ArtKraft, 2), 5.2, 1e-12);
    EXPECT_NEAR(StandardWindflaeche(ArtLager, 1), 1.3, 1e-12);
    EXPECT_NEAR(StandardWindflaeche(ArtLinearray, 1), 5.2, 1e-12);
    EXPECT_NEAR(StandardWindflaeche(ArtMHSpot, 1), 1.8, 1e-12);
}

TEST(Balkenmodell, BerechneteFelderDerLagerUndLasten)
{
    Balkenmodell m;
    fuegeLagerHinzu(m, 0, 0, 1000);
    TBClientDataSet& l = m.cds_lager;
    l.Edit();
    l.FieldByName(Lagerfeld::Berechnet).SetAsFloat(250);
    l.Post();
    EXPECT_DOUBLE_EQ(feld(l, Lagerfeld::BerechnetProzent), 25);
    EXPECT_NEAR(feld(l, Lagerfeld::Berechnetkg), 250 / 9.81, 1e-12);
    EXPECT_EQ(l.FieldByName(Lagerfeld::BerechnetProzent).DisplayText().trimmed(), QStringLiteral("25,00"));
    l.Edit();
    l.FieldByName(Lagerfeld::Maximallast).SetAsFloat(1);
    l.Post();
    EXPECT_TRUE(l.FieldByName(Lagerfeld::BerechnetProzent).IsNull());
    // calculated fields sit at the places the project copies by position
    EXPECT_EQ(l.FieldByName(Lagerfeld::Berechnetkg).Index(), 10);
    EXPECT_EQ(l.FieldByName(Lagerfeld::BerechnetProzent).Index(), 11);
    EXPECT_EQ(m.cds_lasten.FieldByName(Lastfeld::Lastkg).Index(), 8);
    fuegeLastHinzu(m, ArtKraft, 0, 0, 98.1);
    EXPECT_NEAR(feld(m.cds_lasten, Lastfeld::Lastkg), 10, 1e-12);
}

TEST(Balkenmodell, ZaehlerFolgenDerHoechstenNummer)
{
    Balkenmodell m;
    m.ZaehlerSetzen();
    EXPECT_EQ(m.lagerzaehler, 0);
    fuegeLagerHinzu(m, 0);
    fuegeLagerHinzu(m, 1);
    m.cds_lager.First();
    m.cds_lager.Edit();
    m.cds_lager.FieldByName(Lagerfeld::Nummer).SetAsInteger(7);
    m.cds_lager.Post();
    m.ZaehlerSetzen();
    EXPECT_EQ(m.lagerzaehler, 7);
    EXPECT_EQ(m.NeueLagernummer(), 8);
    EXPECT_EQ(m.lastenzaehler, 0);
}

TEST(Balkenmodell, SchreibtEinstellungenInIhrerReihenfolge)
{
    Balkenmodell m;
    m.traverse.laenge = 12.5;
    m.minimal = true;
    const QStringList zeilen = TWerteliste(m.Einstellungen()).zeilen();
    EXPECT_EQ(zeilen, (QStringList{QStringLiteral("berechnet=30.12.1899"), QStringLiteral("Berechnung=nur Gewichtslasten"),
                                   QStringLiteral("Staudruck=0,5"), QStringLiteral("Minimal=ja"),
                                   QStringLiteral("Negativ=nein"), QStringLiteral("TravLaenge=12,5"),
                                   QStringLiteral("TravHoehe=0,3"), QStringLiteral("TravBreite=0"),
                                   QStringLiteral("Gurtzahl=0"), QStringLiteral("TravEigenlast=0"),
                                   QStringLiteral("TravMaxBiege=0"), QStringLiteral("TravMaxQuer=0")}));
    EXPECT_TRUE(m.Einstellungen().endsWith(QStringLiteral("TravMaxQuer=0\r\n")));
}

TEST(Balkenmodell, LiestEinstellungenMitIhrenVorgaben)
{
    Balkenmodell m;
    m.minimal = m.negativ = true;
    m.LeseEinstellungen(QStringLiteral("TravLaenge=12\r\n"));
    EXPECT_DOUBLE_EQ(m.traverse.laenge, 12);
    EXPECT_DOUBLE_EQ(m.traverse.hoehe, 0);
    EXPECT_DOUBLE_EQ(m.traverse.breite, 0);
    EXPECT_EQ(m.traverse.gurtzahl, 0);
    EXPECT_DOUBLE_EQ(m.traverse.maxQuer, 0);
    EXPECT_DOUBLE_EQ(m.traverse.maxBiege, 0);
    EXPECT_FALSE(m.minimal);
    EXPECT_FALSE(m.negativ);
    // every new project variant has only its length: gravity alone at 0,5 kN/m², never wind alone
    EXPECT_EQ(m.berechnung.angezeigterText(), QStringLiteral("nur Gewichtslasten"));
    EXPECT_EQ(m.Modus(), 0);
    EXPECT_EQ(m.staudruck.angezeigterText(), QStringLiteral("0,5"));
    m.LeseEinstellungen(QStringLiteral("TravLaenge=12\r\nBerechnung=weights only?\r\nStaudruck=0,25\r\n"));
    EXPECT_EQ(m.Modus(), 0);
    m.LeseEinstellungen(QStringLiteral("TravLaenge=12\r\nBerechnung=nur Windlasten\r\nStaudruck=0,8\r\n"));
    EXPECT_EQ(m.Modus(), 2);
    EXPECT_EQ(m.staudruck.angezeigterText(), QStringLiteral("0,8"));

    m.staudruck.setzeText(QStringLiteral("0,6"));
    const QString text = m.Einstellungen();
    EXPECT_TRUE(text.contains(QStringLiteral("Staudruck=0,6\r\n")));
    EXPECT_DOUBLE_EQ(m.StaudruckWert(), 0.6);
    m.LeseEinstellungen(text); // a typed pressure comes back as typed
    EXPECT_EQ(m.staudruck.angezeigterText(), QStringLiteral("0,6"));

    m.LeseEinstellungen(QStringLiteral("TravLaenge=12\r\nBerechnung=Gewichts- und Windlasten\r\nStaudruck=0,25\r\nGurtzahl=4\r\nNegativ=JA\r\n"));
    EXPECT_EQ(m.Modus(), 1);
    EXPECT_EQ(m.staudruck.angezeigterText(), QStringLiteral("0,25"));
    EXPECT_EQ(m.traverse.gurtzahl, 4);
    EXPECT_TRUE(m.negativ);
    // written on a machine with the decimal point: the same pressure, shown as typed here
    m.LeseEinstellungen(QStringLiteral("TravLaenge=12\r\nStaudruck=0.3\r\n"));
    EXPECT_EQ(m.staudruck.angezeigterText(), QStringLiteral("0,3"));
    EXPECT_DOUBLE_EQ(m.StaudruckWert(), 0.3);
    m.staudruck.setzeText(QStringLiteral("0.65"));
    EXPECT_DOUBLE_EQ(m.StaudruckWert(), 0.65);
    // a pressure that is no number is never computed with (the calculation names it)
    m.staudruck.setzeText(QStringLiteral("viel"));
    EXPECT_TRUE(std::isnan(m.StaudruckWert()));
}

TEST(Balkenmodell, NeuesEinzelprojektHatDieAnfangswerte)
{
    Balkenmodell m;
    EXPECT_DOUBLE_EQ(m.traverse.laenge, 24);
    EXPECT_DOUBLE_EQ(m.traverse.hoehe, 0.3);
    EXPECT_EQ(m.traversenname, QStringLiteral("keine Traverse gewählt"));
    EXPECT_EQ(m.berechnung.angezeigterText(), QStringLiteral("nur Gewichtslasten"));
    EXPECT_EQ(m.staudruck.angezeigterText(), QStringLiteral("0,5"));
    EXPECT_EQ(m.cds_lager.IndexFieldNames(), QStringLiteral("Nummer"));
}

TEST(Balkenmodell, NimmtArtnamenUndModustexteAusDerSprache)
{
    Balkenmodell m;
    m.berechnung.waehle(1);
    setzeUebersetzer([](int id, QString& text) {
        if (id == 2035)
            text = QStringLiteral("weight and wind");
        if (id == 2004)
            text = QStringLiteral("force");
    });
    m.SetzeModustexte();
    const QString art = Artname(ArtKraft);
    setzeUebersetzer({});
    EXPECT_EQ(m.berechnung.angezeigterText(), QStringLiteral("weight and wind"));
    EXPECT_EQ(m.Modus(), 1);
    EXPECT_EQ(art, QStringLiteral("force"));
}

// A length of 0 or below, or not finite, is refused before anything is read; the model keeps
// what it had.
TEST(Balkenmodell, LehntEineTraversenlaengeNichtUeberNullAb)
{
    Balkenmodell m;
    m.LeseEinstellungen(QStringLiteral("TravLaenge=8\r\nGurtzahl=3\r\n"));
    for (const char* laenge : {"TravLaenge=-5", "TravLaenge=0", "TravLaenge=1e999", "Gurtzahl=4"}) {
        try {
            m.LeseEinstellungen(QString::fromLatin1(laenge) + QStringLiteral("\r\nGurtzahl=4\r\n"));
            ADD_FAILURE() << laenge << " was accepted";
        } catch (const Fehler& f) {
            EXPECT_EQ(f.meldung(), QStringLiteral("Die Länge der Traverse muss größer als 0 sein")) << laenge;
        }
        EXPECT_DOUBLE_EQ(m.traverse.laenge, 8);
        EXPECT_EQ(m.traverse.gurtzahl, 3);
    }
}
