// The CAD tools driven by pixel positions as the mouse delivers them: placing every kind, the
// two-click and move tools, marking with its margin and side rule, flipping, deleting, re-centring,
// the scale from the slider and the fit button, and the remembered values per tool.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_cadwerkzeuge.h"
#include "beam/u_lagerkraft.h"
#include "beam/u_lastenbibliothek.h"
#include "platform/u_fehler.h"
#include "u_testhilfen.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

namespace {

struct Werkbank {
    Balkenmodell m;
    Cadansicht a;
    Cadwerkzeuge w{m, a};
    int aenderungen = 0;
    std::optional<QPoint> zeiger;
    QStringList gemeldet;
    Werkbank()
    {
        QObject::connect(&w, &Cadwerkzeuge::geaendert, [this] { ++aenderungen; });
        QObject::connect(&w, &Cadwerkzeuge::zeigerSetzen, [this](QPoint p) { zeiger = p; });
        QObject::connect(&w, &Cadwerkzeuge::meldung, [this](const QString& text) { gemeldet << text; });
    }
    // A left click at x metres, y metres below the axis (negative: above).
    void klick(double x, double y = 1, Qt::MouseButton taste = Qt::LeftButton)
    {
        const int X = a.Spalte(x), Y = a.Zeile(y);
        w.MausGedrueckt(X, Y, taste);
        w.MausLosgelassen(X, Y, taste);
    }
    void rahmen(double x1, double y1, double x2, double y2)
    {
        w.MausGedrueckt(a.Spalte(x1), a.Zeile(y1), Qt::LeftButton);
        w.MausBewegt(a.Spalte(x2), a.Zeile(y2), true);
        w.MausLosgelassen(a.Spalte(x2), a.Zeile(y2), Qt::LeftButton);
    }
};

double wert(TBClientDataSet& t, Feldname feld) { return t.FieldByName(feld).AsFloat(); }
bool ja(TBClientDataSet& t, Feldname feld) { return t.FieldByName(feld).AsBoolean(); }

bool zeileMit(TBClientDataSet& t, int nummer)
{
    return t.Locate({Balkenfeld::Nummer}, {nummer});
}

} // namespace

TEST(Cadansicht, MassstabRasterUndZahlenformatFolgenDemRegler)
{
    Cadansicht a;
    a.SetzeMassstab(Cadansicht::MassstabVonRegler(10));
    EXPECT_DOUBLE_EQ(a.massstab, 0.1);
    EXPECT_DOUBLE_EQ(a.raster, 0.1);
    EXPECT_EQ(a.zahlenformat, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(a.Fangen(2.4), 2);

    a.SetzeMassstab(Cadansicht::MassstabVonRegler(20));
    EXPECT_NEAR(a.massstab, 0.01, 1e-15);
    EXPECT_DOUBLE_EQ(a.raster, 0.01);
    EXPECT_EQ(a.zahlenformat, QStringLiteral("0.0"));
    EXPECT_NEAR(a.Fangen(2.44), 2.4, 1e-12);

    a.SetzeMassstab(0.8);
    EXPECT_DOUBLE_EQ(a.raster, 1);
    a.SetzeMassstab(0.005);
    EXPECT_EQ(a.zahlenformat, QStringLiteral("0.00"));
}

TEST(Cadansicht, EinpassenVon24MeternIn850PixelnGibtMassstab003UndRaster005)
{
    Cadansicht a;
    a.breite = 850;
    a.ansichtsmitte = 7;
    ASSERT_TRUE(a.Einpassen(24));
    EXPECT_DOUBLE_EQ(a.ansichtsmitte, 0);
    EXPECT_DOUBLE_EQ(a.massstab, 0.03);
    EXPECT_DOUBLE_EQ(a.raster, 0.05);
    EXPECT_EQ(a.zahlenformat, QStringLiteral("0.0"));
    EXPECT_DOUBLE_EQ(a.Fangen(1.3), 1.5);
    // The truss ends 25 pixels inside both edges.
    EXPECT_EQ(a.Spalte(-12), 25);
    EXPECT_EQ(a.Spalte(12), 825);

    a.breite = 40; // narrower than the margin: no scale, nothing changes
    EXPECT_FALSE(a.Einpassen(24));
    EXPECT_DOUBLE_EQ(a.massstab, 0.03);
    a.breite = 850;
    EXPECT_FALSE(a.Einpassen(0));
}

TEST(Cadansicht, AbbildungZwischenMeternUndPixelnMitZoomfaktor)
{
    Cadansicht a;
    a.breite = 800;
    a.hoehe = 460;
    a.SetzeMassstab(0.1);
    EXPECT_EQ(a.Spalte(0), 400);
    EXPECT_EQ(a.Zeile(0), 260); // (460 − 60) / 2 + 60
    EXPECT_EQ(a.Spalte(3), 430);
    a.zoomfaktor = 5;
    EXPECT_EQ(a.Spalte(3), 550);
    EXPECT_DOUBLE_EQ(a.XVon(550), 3);
    EXPECT_DOUBLE_EQ(a.YVon(260), 0);
    EXPECT_LT(a.YVon(259), 0);
}

TEST(Cadwerkzeuge, JedeArtWirdMitIhremWerkzeugAbgelegt)
{
    Werkbank b;
    int lasten = 0;
    for (int art = ArtLager; art <= ArtBeamer; ++art) {
        b.w.WerkzeugWaehlen(art);
        b.w.eingaben.name = QStringLiteral("W%1").arg(art);
        b.klick(art - 8, 2);
        if (art == ArtStreckenlast || art >= Art4erBar)
            b.klick(art - 7, 2);
        if (art == ArtLager || art == ArtMotorzug)
            continue;
        ++lasten;
        ASSERT_EQ(b.m.cds_lasten.RecordCount(), lasten) << art;
        b.m.cds_lasten.Last();
        EXPECT_EQ(b.m.cds_lasten.FieldByName(Lastfeld::Type).AsInteger(), art);
        EXPECT_EQ(b.m.cds_lasten.FieldByName(Lastfeld::Name).AsString(), QStringLiteral("W%1").arg(art));
        EXPECT_DOUBLE_EQ(wert(b.m.cds_lasten, Lastfeld::Pos1), art - 8);
        const bool zwei = art == ArtStreckenlast || art >= Art4erBar;
        EXPECT_DOUBLE_EQ(wert(b.m.cds_lasten, Lastfeld::Pos2), zwei ? art - 7 : art - 8);
        EXPECT_FALSE(ja(b.m.cds_lasten, Lastfeld::oben));
        EXPECT_NEAR(wert(b.m.cds_lasten, Lastfeld::Aequivalenzflaeche), StandardWindflaeche(art, 1), 5e-5);
    }
    EXPECT_EQ(b.m.cds_lager.RecordCount(), 2);
    EXPECT_EQ(b.m.lagerzaehler, 2);
    EXPECT_EQ(b.m.lastenzaehler, 12);
    EXPECT_EQ(b.aenderungen, 14);
}

TEST(Cadwerkzeuge, MotorzugLiegtImmerObenLagerAufDerGeklicktenSeite)
{
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtMotorzug);
    b.klick(0, 2);
    b.w.WerkzeugWaehlen(ArtLager);
    b.klick(3, 2);
    b.klick(-3, -2);
    TBClientDataSet& l = b.m.cds_lager;
    ASSERT_TRUE(zeileMit(l, 1));
    EXPECT_TRUE(ja(l, Balkenfeld::oben));
    EXPECT_EQ(l.FieldByName(Balkenfeld::Type).AsInteger(), ArtMotorzug);
    ASSERT_TRUE(zeileMit(l, 2));
    EXPECT_FALSE(ja(l, Balkenfeld::oben));
    ASSERT_TRUE(zeileMit(l, 3));
    EXPECT_TRUE(ja(l, Balkenfeld::oben));
}

TEST(Cadwerkzeuge, LagerUndLastenNehmenDieEingabenInNewton)
{
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtMotorzug);
    b.w.eingaben.last = QStringLiteral("50");
    b.w.eingaben.maximal = QStringLiteral("1");
    b.w.eingaben.minimal = QStringLiteral("abc");
    b.w.eingaben.einheitKraft = QStringLiteral("kN");
    b.klick(1.4);
    TBClientDataSet& l = b.m.cds_lager;
    EXPECT_DOUBLE_EQ(wert(l, Lagerfeld::Position), 1); // snapped to whole metres at scale 0.1
    EXPECT_DOUBLE_EQ(wert(l, Lagerfeld::Eigenlast), 50000);
    EXPECT_DOUBLE_EQ(wert(l, Lagerfeld::Maximallast), 1000);
    EXPECT_DOUBLE_EQ(wert(l, Lagerfeld::Minimalkraft), 0);

    b.w.WerkzeugWaehlen(ArtStreckenlast);
    b.w.eingaben.last = QStringLiteral("10");
    b.klick(-1);
    b.klick(1);
    EXPECT_NEAR(wert(b.m.cds_lasten, Lastfeld::Last), 196.2, 1e-9); // 10 kg/m over 2 m
}

TEST(Cadwerkzeuge, StreckenlastAusZweiKlicksBeiPlusZweiUndMinusEins)
{
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtStreckenlast);
    b.klick(2);
    EXPECT_EQ(b.m.cds_lasten.RecordCount(), 0);
    EXPECT_DOUBLE_EQ(b.a.ersterPunkt, 2);
    b.w.MausBewegt(b.a.Spalte(-1), b.a.Zeile(1), false);
    EXPECT_TRUE(b.w.x1Sichtbar);
    EXPECT_EQ(b.w.textX, QStringLiteral("X: -1"));
    EXPECT_EQ(b.w.textX1, QStringLiteral("X1: 2    d: -3"));
    b.klick(-1);
    ASSERT_EQ(b.m.cds_lasten.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(wert(b.m.cds_lasten, Lastfeld::Pos1), -1);
    EXPECT_DOUBLE_EQ(wert(b.m.cds_lasten, Lastfeld::Pos2), 2);
    EXPECT_FALSE(b.a.ErsterPunktGesetzt());

    b.klick(4); // a pending first click ends with another tool
    b.w.WerkzeugWaehlen(ArtBox);
    EXPECT_FALSE(b.a.ErsterPunktGesetzt());
    EXPECT_FALSE(b.w.x1Sichtbar);
}

TEST(Cadwerkzeuge, VerschiebenMitKlicksBeiNullEinsUndDrei)
{
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtLager);
    b.klick(-4);
    b.w.WerkzeugWaehlen(ArtKraft);
    b.klick(5);
    b.w.WerkzeugWaehlen(ArtSelektieren);
    b.rahmen(-6, 0.5, 6, 3);
    ASSERT_EQ(b.w.auswahlAnzahl, 2);
    b.w.WerkzeugWaehlen(ArtVerschieben);
    EXPECT_EQ(b.w.auswahlAnzahl, 2); // the move tool keeps the selection
    const int vorher = b.aenderungen;
    b.klick(0);
    b.klick(1);
    b.m.cds_lager.First();
    EXPECT_DOUBLE_EQ(wert(b.m.cds_lager, Lagerfeld::Position), -3);
    b.klick(3);
    b.m.cds_lager.First();
    EXPECT_DOUBLE_EQ(wert(b.m.cds_lager, Lagerfeld::Position), -1);
    b.m.cds_lasten.First();
    EXPECT_DOUBLE_EQ(wert(b.m.cds_lasten, Lastfeld::Pos1), 8);
    EXPECT_DOUBLE_EQ(wert(b.m.cds_lasten, Lastfeld::Pos2), 8);
    EXPECT_GT(b.aenderungen, vorher);
}

TEST(Cadwerkzeuge, KlickOhneZiehenMarkiertInnerhalbFuenfRasterschrittenAufDerGeklicktenSeite)
{
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtLager);
    b.klick(0, 2);   // below
    b.klick(0, -2);  // above
    b.w.WerkzeugWaehlen(ArtKraft);
    b.klick(1, 2);   // below, 1 m away: beyond 5 × 0.1 m
    b.w.WerkzeugWaehlen(ArtSelektieren);
    const int vorher = b.aenderungen;

    b.w.MausGedrueckt(b.a.Spalte(0.3), b.a.Zeile(1), Qt::LeftButton);
    b.w.MausLosgelassen(b.a.Spalte(0.3), b.a.Zeile(1), Qt::LeftButton);
    EXPECT_EQ(b.w.auswahlAnzahl, 1);
    EXPECT_EQ(b.w.textInfo, QStringLiteral("1 Elemente gewählt"));
    EXPECT_EQ(b.w.letzteTabelle, Auswahltabelle::Lager);
    EXPECT_EQ(b.m.cds_lager.FieldByName(Lagerfeld::Nummer).AsInteger(), 1); // current row
    EXPECT_EQ(b.aenderungen, vorher); // marking is no change

    b.w.MausGedrueckt(b.a.Spalte(0), b.a.Zeile(0), Qt::LeftButton);
    b.w.MausLosgelassen(b.a.Spalte(0), b.a.Zeile(0), Qt::LeftButton);
    EXPECT_EQ(b.w.auswahlAnzahl, 0);
    EXPECT_EQ(b.w.textInfo, QStringLiteral("0 Elemente gewählt"));

    b.rahmen(-0.2, -1, 1.2, 1); // across the axis: both sides
    EXPECT_EQ(b.w.auswahlAnzahl, 3);
}

TEST(Cadwerkzeuge, StreckenlastWirdNurUeberPos1Markiert)
{
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtStreckenlast);
    b.klick(0);
    b.klick(4);
    b.w.WerkzeugWaehlen(ArtSelektieren);
    b.rahmen(3.8, 0.5, 4.2, 2);
    EXPECT_EQ(b.w.auswahlAnzahl, 0);
    b.rahmen(-0.2, 0.5, 0.2, 2);
    EXPECT_EQ(b.w.auswahlAnzahl, 1);
    EXPECT_EQ(b.w.letzteTabelle, Auswahltabelle::Lasten);
}

TEST(Cadwerkzeuge, UmschaltenDrehtLagerUmUndSetztLastenAufDieGewaehlteSeite)
{
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtLager);
    b.klick(0, 2);
    b.w.WerkzeugWaehlen(ArtKraft);
    b.klick(0, 2);
    b.w.WerkzeugWaehlen(ArtSelektieren);
    b.rahmen(-1, 0.5, 1, 3);
    ASSERT_EQ(b.w.auswahlAnzahl, 2);
    b.w.Umschalten(false); // sbSwitchDown
    b.m.cds_lager.First();
    EXPECT_TRUE(ja(b.m.cds_lager, Lagerfeld::oben));
    b.m.cds_lasten.First();
    EXPECT_FALSE(ja(b.m.cds_lasten, Lastfeld::oben));
    b.w.Umschalten(true);
    b.m.cds_lager.First();
    EXPECT_FALSE(ja(b.m.cds_lager, Lagerfeld::oben));
    b.m.cds_lasten.First();
    EXPECT_TRUE(ja(b.m.cds_lasten, Lastfeld::oben));
}

TEST(Cadwerkzeuge, LoeschenFragtUndEntferntNurDasGewaehlte)
{
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtLager);
    b.klick(-2);
    b.klick(2);
    b.w.WerkzeugWaehlen(ArtSelektieren);
    b.rahmen(-2.2, 0.5, -1.8, 2);
    QStringList gefragt;
    EXPECT_FALSE(b.w.Loeschen(antwortet(false, gefragt)));
    EXPECT_EQ(b.m.cds_lager.RecordCount(), 2);
    EXPECT_EQ(b.w.auswahlAnzahl, 1);
    EXPECT_TRUE(b.w.Loeschen(antwortet(true, gefragt)));
    EXPECT_EQ(gefragt, QStringList(2, QStringLiteral("gewählte Elemente löschen?")));
    ASSERT_EQ(b.m.cds_lager.RecordCount(), 1);
    b.m.cds_lager.First();
    EXPECT_DOUBLE_EQ(wert(b.m.cds_lager, Lagerfeld::Position), 2);
    EXPECT_EQ(b.w.auswahlAnzahl, 0);
    // Numbers of deleted rows are not given again.
    b.w.WerkzeugWaehlen(ArtLager);
    b.klick(5);
    b.m.cds_lager.Last();
    EXPECT_EQ(b.m.cds_lager.FieldByName(Lagerfeld::Nummer).AsInteger(), 3);
}

TEST(Cadwerkzeuge, EineGroesseDieKeineZahlIstVerweigertDasAblegenOhneHalbeZeile)
{
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtScheinwerfer);
    b.w.eingaben.groesse = QStringLiteral("zwei");
    b.klick(1);
    EXPECT_EQ(b.m.cds_lasten.RecordCount(), 0);
    EXPECT_EQ(b.m.cds_lasten.State(), TDataSetState::Browse);
    EXPECT_EQ(b.m.lastenzaehler, 0);
    ASSERT_EQ(b.gemeldet.size(), 1);
    EXPECT_TRUE(b.gemeldet.first().contains(QStringLiteral("zwei")));

    b.w.eingaben.groesse = QStringLiteral("1");
    b.w.eingaben.flaeche = QStringLiteral("x");
    b.klick(1);
    EXPECT_EQ(b.m.cds_lasten.RecordCount(), 0);

    b.w.WerkzeugWaehlen(ArtLager);
    b.w.eingaben.groesse = QStringLiteral("1,,2");
    b.klick(1);
    EXPECT_EQ(b.m.cds_lager.RecordCount(), 0);
    EXPECT_EQ(b.gemeldet.size(), 3);
    EXPECT_EQ(b.aenderungen, 0);
}

TEST(Cadwerkzeuge, TraversenkraftNurMitGewaehltemLager)
{
    struct Quelle : Lagerkraftquelle {
        double Lagerkraft(int t, int v, int l) const override { return t == 3 && v == 1 && l == 2 ? 1050 : 0; }
    } quelle;
    Werkbank b;
    b.w.projekt = &quelle;
    b.w.WerkzeugWaehlen(ArtTraversenkraft);
    b.w.travTraverse = 3;
    b.w.travVariante = 1;
    b.klick(2);
    EXPECT_EQ(b.m.cds_lasten.RecordCount(), 0);
    EXPECT_EQ(b.gemeldet, QStringList{QStringLiteral("kein gültiges Lager gewählt")});
    b.w.travLager = 2;
    b.w.eingaben.travKraftBreite = QStringLiteral("0,5");
    b.klick(2, -1);
    ASSERT_EQ(b.m.cds_lasten.RecordCount(), 1);
    TBClientDataSet& s = b.m.cds_lasten;
    EXPECT_EQ(s.FieldByName(Balkenfeld::Name).AsString(), QStringLiteral("T3|V1|L2|"));
    EXPECT_DOUBLE_EQ(wert(s, Lastfeld::Last), 1050);
    EXPECT_DOUBLE_EQ(wert(s, Balkenfeld::Groesse), 0.5);
    EXPECT_TRUE(ja(s, Balkenfeld::oben));
    EXPECT_TRUE(s.FieldByName(Lastfeld::Aequivalenzflaeche).IsNull());
    EXPECT_EQ(b.gemeldet.size(), 1);
}

TEST(Cadwerkzeuge, MerkwerteJeWerkzeug)
{
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtPAR);
    EXPECT_EQ(b.w.eingaben.groesse, QStringLiteral("1"));
    EXPECT_EQ(b.w.eingaben.flaeche, QStringLiteral("3,6000"));
    EXPECT_EQ(b.w.eingaben.last, QStringLiteral("0"));
    b.w.GroesseGeaendert(QStringLiteral("0,5"));
    EXPECT_EQ(b.w.eingaben.flaeche, QStringLiteral("0,9000"));
    b.w.NameGeaendert(QStringLiteral("PAR 64 mit einem sehr langen Namen über 30"));
    b.w.LastGeaendert(QStringLiteral("12345678901"));

    b.w.WerkzeugWaehlen(Art4erBar);
    EXPECT_EQ(b.w.eingaben.groesse, QStringLiteral("1"));
    EXPECT_EQ(b.w.eingaben.name, QString());
    b.w.GroesseGeaendert(QStringLiteral("2"));
    EXPECT_EQ(b.w.eingaben.flaeche, QStringLiteral("1,9200"));
    b.w.GroesseGeaendert(QStringLiteral("gross"));  // not a number: size 1
    EXPECT_EQ(b.w.eingaben.flaeche, QStringLiteral("0,4800"));

    b.w.WerkzeugWaehlen(ArtPAR);
    EXPECT_EQ(b.w.eingaben.groesse, QStringLiteral("0,5"));
    EXPECT_EQ(b.w.eingaben.flaeche, QStringLiteral("0,9000"));
    EXPECT_EQ(b.w.eingaben.name, QStringLiteral("PAR 64 mit einem sehr langen N"));
    EXPECT_EQ(b.w.eingaben.last, QStringLiteral("1234567890"));
    b.w.eingaben.flaeche = QStringLiteral("2"); // a typed area is not remembered
    b.w.WerkzeugWaehlen(ArtKraft);
    b.w.WerkzeugWaehlen(ArtPAR);
    EXPECT_EQ(b.w.eingaben.flaeche, QStringLiteral("0,9000"));
}

TEST(Cadwerkzeuge, PanelsJeWerkzeug)
{
    EXPECT_FALSE(PaneleFuer(ArtSelektieren).eigenschaften);
    EXPECT_FALSE(PaneleFuer(ArtVerschieben).eigenschaften);
    const Werkzeugpanele lager = PaneleFuer(ArtMotorzug);
    EXPECT_TRUE(lager.eigenschaften && lager.propLager && !lager.propLasten && !lager.travKraft);
    const Werkzeugpanele last = PaneleFuer(ArtBox);
    EXPECT_TRUE(last.eigenschaften && !last.propLager && last.propLasten);
    const Werkzeugpanele kraft = PaneleFuer(ArtTraversenkraft);
    EXPECT_TRUE(!kraft.eigenschaften && kraft.travKraft);
}

TEST(Cadwerkzeuge, RechtsklickZentriertOderSetztDenBezugDesZweitenLineals)
{
    Werkbank b;
    b.w.MausGedrueckt(b.a.Spalte(3.2), b.a.Zeile(1), Qt::RightButton);
    EXPECT_DOUBLE_EQ(b.a.ansichtsmitte, 3);
    ASSERT_TRUE(b.zeiger);
    EXPECT_EQ(*b.zeiger, b.a.Bildmitte());
    EXPECT_EQ(b.m.cds_lager.RecordCount() + b.m.cds_lasten.RecordCount(), 0);

    b.zeiger.reset();
    b.w.MausGedrueckt(b.a.Spalte(5), 52, Qt::RightButton);
    EXPECT_DOUBLE_EQ(b.a.bezugspunkt, -5);
    EXPECT_DOUBLE_EQ(b.a.ansichtsmitte, 3);
    EXPECT_FALSE(b.zeiger);
}

// The magnifier acts only with the pointer over the view. Up from 1 it centres on the snapped
// pointer (on the second ruler too) and moves the pointer to the middle; Shift then Ctrl centres
// again at 0,05 m per pixel: 20 pixels right of the middle is −4 + 1 = −3. Back at 1 the centre
// before (3) returns, and the pointer, 10 pixels right of the middle at 0,02 m per pixel
// (x = −2,8), goes to where −2,8 now is: (−2,8 − 3) / 0,1 = −58 pixels from the middle.
TEST(Cadwerkzeuge, TastaturlupeZentriertAmZeigerUndKehrtZurueck)
{
    Werkbank b;
    b.a.ansichtsmitte = 3;
    b.w.Zoomen(2, std::nullopt); // the pointer is elsewhere
    EXPECT_EQ(b.a.zoomfaktor, 1);
    EXPECT_FALSE(b.zeiger);

    b.w.Zoomen(2, QPoint(b.a.Spalte(-4), 50));
    EXPECT_EQ(b.a.zoomfaktor, 2);
    EXPECT_DOUBLE_EQ(b.a.ansichtsmitte, -4);
    EXPECT_DOUBLE_EQ(b.a.bezugspunkt, 0);
    ASSERT_TRUE(b.zeiger);
    EXPECT_EQ(*b.zeiger, b.a.Bildmitte());
    b.w.Zoomen(2, b.a.Bildmitte()); // no change of level, nothing happens
    EXPECT_DOUBLE_EQ(b.a.ansichtsmitte, -4);

    b.w.Zoomen(5, b.a.Bildmitte() + QPoint(20, 0));
    EXPECT_EQ(b.a.zoomfaktor, 5);
    EXPECT_DOUBLE_EQ(b.a.ansichtsmitte, -3);

    b.w.Zoomen(1, b.a.Bildmitte() + QPoint(10, 0));
    EXPECT_EQ(b.a.zoomfaktor, 1);
    EXPECT_DOUBLE_EQ(b.a.ansichtsmitte, 3);
    EXPECT_EQ(*b.zeiger, b.a.Bildmitte() + QPoint(-58, 0));

    // released while the pointer is elsewhere: the view returns all the same
    b.w.Zoomen(5, b.a.Bildmitte());
    b.w.Zoomen(1, std::nullopt);
    EXPECT_EQ(b.a.zoomfaktor, 1);
    EXPECT_DOUBLE_EQ(b.a.ansichtsmitte, 3);
}

// Fitted on a 12 m truss in 1 600 pixels the scale (12 / 1 550 m per pixel, position 21,1) is
// finer than the slider's finest (0,01 m per pixel): the wheel still zooms in, on to 1 mm per
// pixel, and back out. Fitted on a 500 m truss it is coarser than the coarsest (10^−0,5): no
// coarser, and one notch in is that one.
TEST(Cadansicht, RadZoomtUeberDenReglerHinausBisEinMillimeterJePixel)
{
    Cadansicht a;
    a.breite = 1600;
    ASSERT_TRUE(a.Einpassen(12));
    const double unterDemZeiger = a.XVon(1200);
    EXPECT_EQ(a.ZoomUm(1200, 1), std::optional(22));
    EXPECT_NEAR(a.massstab, std::pow(10.0, -2.2), 1e-15);
    EXPECT_NEAR(a.XVon(1200), unterDemZeiger, 1e-12);
    EXPECT_EQ(a.ZoomUm(1200, 20), std::optional(30));
    EXPECT_NEAR(a.massstab, 0.001, 1e-15);
    EXPECT_FALSE(a.ZoomUm(1200, 1));
    EXPECT_EQ(a.ZoomUm(1200, -10), std::optional(20));
    EXPECT_NEAR(a.massstab, 0.01, 1e-15);
    EXPECT_NEAR(a.XVon(1200), unterDemZeiger, 1e-12);

    a.breite = 850;

    ASSERT_TRUE(a.Einpassen(500));
    EXPECT_FALSE(a.ZoomUm(600, -1));
    EXPECT_DOUBLE_EQ(a.massstab, 500.0 / 800);
    EXPECT_EQ(a.ZoomUm(600, 1), std::optional(5));
    EXPECT_NEAR(a.massstab, std::pow(10.0, -0.5), 1e-15);
}

TEST(Cadwerkzeuge, LastenbibliothekFuelltDieEingabenUndNimmtSieAuf)
{
    QTemporaryDir ordner;
    Lastenbibliothek bib;
    bib.BibliothekLaden(ordner.path() + QLatin1Char('/'));
    Werkbank b;
    b.w.WerkzeugWaehlen(ArtStreckenlast);
    b.w.eingaben.name = QStringLiteral("Kabel");
    b.w.eingaben.last = QStringLiteral("2,5");
    b.w.eingaben.einheitStreckenlast = QStringLiteral("kN/m");
    ASSERT_TRUE(QDir(ordner.path()).mkpath(QStringLiteral("Traversen")));
    b.w.LastInBibliothek(bib);
    b.w.eingaben.last = QStringLiteral("viel");
    EXPECT_THROW(b.w.LastInBibliothek(bib), Fehler);
    EXPECT_EQ(bib.cds_lastbib.RecordCount(), 1);

    b.w.WerkzeugWaehlen(ArtKraft);
    b.w.WerkzeugWaehlen(ArtStreckenlast);
    ASSERT_TRUE(b.w.LastAusBibliothek(bib, 1, EinheitenStreckenlast));
    EXPECT_EQ(b.w.eingaben.name, QStringLiteral("Kabel"));
    EXPECT_EQ(b.w.eingaben.last, QStringLiteral("2,50"));
    EXPECT_EQ(b.w.eingaben.groesse, QStringLiteral("1,0"));
    EXPECT_EQ(b.w.eingaben.einheitStreckenlast, QStringLiteral("kN/m"));

    EXPECT_FALSE(b.w.LastAusBibliothek(bib, 7, EinheitenStreckenlast));
    EXPECT_EQ(b.w.eingaben.name, QStringLiteral("Kabel"));
    EXPECT_EQ(b.gemeldet, QStringList{QStringLiteral("Last nicht gefunden")});
}

// Editing Pos2 of a distributed load below its Pos1 (as the tables tab allows) stores the load
// from the smaller to the larger position, and the change is reported once more.
TEST(Cadwerkzeuge, StreckenlastVonRechtsNachLinksWirdGeordnetGespeichert)
{
    Werkbank b;
    TBClientDataSet& t = b.m.cds_lasten;
    t.Append();
    t.FieldByName(Balkenfeld::Nummer).SetAsInteger(b.m.NeueLastnummer());
    t.FieldByName(Balkenfeld::Type).SetAsInteger(ArtStreckenlast);
    t.FieldByName(Lastfeld::Pos1).SetAsFloat(3);
    t.FieldByName(Lastfeld::Pos2).SetAsFloat(-1);
    t.Post();
    EXPECT_DOUBLE_EQ(t.FieldByName(Lastfeld::Pos1).AsFloat(), -1);
    EXPECT_DOUBLE_EQ(t.FieldByName(Lastfeld::Pos2).AsFloat(), 3);
    EXPECT_EQ(b.aenderungen, 1);
}
