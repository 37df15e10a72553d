// The load table calculation: self-weight, row forces under every unit, the pass with its maxima,
// the current row and the missing-unit messages.
#include "belastungshilfen.h"
#include "loadtable/u_belastungsfelder.h"
#include "truss/u_travbibfelder.h"
#include "u_testhilfen.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

double feld(Belastungstabelle& b, Feldname name)
{
    return b.cds_traverse.FieldByName(name).AsFloat();
}

double eigenlast(const QString& gewicht, int einheit, const QString& laenge, int laengeneinheit)
{
    Belastungstabelle b;
    b.eingaben.gewicht = gewicht;
    b.eingaben.cmbGewicht.waehle(einheit);
    b.eingaben.laenge = laenge;
    b.eingaben.cmbLaenge1.waehle(laengeneinheit);
    b.EigenlastBerechnen();
    return b.ergebnisse.eigenlast;
}

} // namespace

TEST(Belastungstabelle, EigenlastJeMeterAusGewichtUndBezugslaenge)
{
    EXPECT_DOUBLE_EQ(eigenlast(QStringLiteral("50"), 0, QStringLiteral("3"), 0), 163.5);
    EXPECT_NEAR(eigenlast(QStringLiteral("100"), 1, QStringLiteral("10"), 1), 32.8084, 1e-4);
    EXPECT_DOUBLE_EQ(eigenlast(QStringLiteral("2"), 2, QStringLiteral("4"), 0), 500);
    EXPECT_DOUBLE_EQ(eigenlast(QStringLiteral("0,05"), 1, QStringLiteral("1"), 0), 0);
    EXPECT_DOUBLE_EQ(eigenlast(QStringLiteral("0,2"), 1, QStringLiteral("1"), 0), 0.2);
    EXPECT_DOUBLE_EQ(eigenlast(QStringLiteral("0,1"), 1, QStringLiteral("1"), 0), 0);
    EXPECT_DOUBLE_EQ(eigenlast(QStringLiteral("500"), 0, QStringLiteral("0,005"), 0), 0);
    EXPECT_DOUBLE_EQ(eigenlast(QString(), 0, QStringLiteral("3"), 0), 0);
    EXPECT_DOUBLE_EQ(eigenlast(QStringLiteral("50"), 0, QString(), 0), 0);
    EXPECT_DOUBLE_EQ(eigenlast(QStringLiteral("abc"), 0, QStringLiteral("3"), 0), 0);
    // No weight unit reads newton.
    EXPECT_DOUBLE_EQ(eigenlast(QStringLiteral("30"), -1, QStringLiteral("3"), 0), 10);
}

TEST(Belastungstabelle, ZeileMitKgUndKgJeMeterErgibtDieVierKraefte)
{
    Belastungstabelle b;
    Meldungen gemeldet;
    b.beiMeldungen = [&gemeldet](const Meldungen& m) { gemeldet << m; };
    b.TabelleNeu();
    b.ergebnisse.eigenlast = 100; // set directly: g = 100 N/m
    b.eingaben.gewicht.clear();
    zeile(b, 6, 200, 100);
    // The pass after the post keeps g as it was computed by hand above.
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::einzellast_N), 1962);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::streckenlast_Nm), 981);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::querkraft_e), 1281);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::biegemoment_e), 3393);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::querkraft_s), 3243);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::biegemoment_s), 4864.5);
    EXPECT_DOUBLE_EQ(b.ergebnisse.querkraft, 3243);
    EXPECT_DOUBLE_EQ(b.ergebnisse.biegemoment, 4864.5);
    EXPECT_TRUE(gemeldet.isEmpty());
}

TEST(Belastungstabelle, StreckenlastJeSpannweiteUndLaengeInFuss)
{
    Belastungstabelle b;
    b.TabelleNeu();
    b.eingaben.cmbStreckenlast.waehle(8); // kN on the span
    zeile(b, 4, 0, 6);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::streckenlast_Nm), 1500);

    b.eingaben.cmbLaenge2.waehle(1); // ft
    b.eingaben.cmbStreckenlast.waehle(1); // N/m
    b.eingaben.cmbEinzellast.waehle(1);   // N
    b.cds_traverse.First();
    b.cds_traverse.Edit();
    b.cds_traverse.FieldByName(Belastungsfeld::laenge).SetAsInteger(10);
    b.cds_traverse.FieldByName(Belastungsfeld::einzellast).SetAsFloat(400);
    b.cds_traverse.Post();
    // l = 3.048 m: F l / 4 = 304.8
    EXPECT_NEAR(feld(b, Belastungsfeld::biegemoment_e), 304.8, 1e-9);
    EXPECT_NEAR(feld(b, Belastungsfeld::querkraft_s), 6 * 3.048 / 2, 1e-9);

    struct Fall { int einheit; double q; };
    for (Fall f : {Fall{0, 2 * 9.81}, Fall{2, 2000}, Fall{3, 2 * 9.81 / 0.3048}, Fall{4, 2 / 0.3048},
                   Fall{5, 2000 / 0.3048}, Fall{6, 2 * 9.81 / 3.048}, Fall{7, 2 / 3.048}}) {
        b.eingaben.cmbStreckenlast.waehle(f.einheit);
        b.cds_traverse.Edit();
        b.cds_traverse.FieldByName(Belastungsfeld::streckenlast).SetAsFloat(2);
        b.cds_traverse.Post();
        EXPECT_NEAR(feld(b, Belastungsfeld::streckenlast_Nm), f.q, 1e-9) << f.einheit;
    }
}

TEST(Belastungstabelle, LaengeNullMitLastJeSpannweiteErgibtKeineStreckenlastUndHaeltDenDurchlaufNicht)
{
    Belastungstabelle b;
    Meldungen gemeldet;
    b.beiMeldungen = [&gemeldet](const Meldungen& m) { gemeldet << m; };
    b.TabelleNeu();
    b.eingaben.cmbStreckenlast.waehle(7); // N on the span
    b.eingaben.cmbEinzellast.waehle(1);
    zeile(b, 0, 100, 500);
    zeile(b, 5, 0, 1000);
    b.cds_traverse.First();
    EXPECT_EQ(b.cds_traverse.FieldByName(Belastungsfeld::laenge).AsInteger(), 0);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::streckenlast_Nm), 0);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::querkraft_s), 0);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::querkraft_e), 50);
    // The 5 m row behind it is calculated and governs.
    EXPECT_DOUBLE_EQ(b.ergebnisse.querkraft, 500);
    EXPECT_DOUBLE_EQ(b.ergebnisse.biegemoment, 625);
    EXPECT_TRUE(gemeldet.isEmpty());
}

TEST(Belastungstabelle, ZeileOhneLaengeRechnetMitZehnHochMinusAcht)
{
    Belastungstabelle b;
    b.TabelleNeu();
    b.eingaben.cmbStreckenlast.waehle(7); // N on the span
    auto& t = b.cds_traverse;
    t.Append();
    t.FieldByName(Belastungsfeld::streckenlast).SetAsFloat(1);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::streckenlast_Nm), 1e8);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::querkraft_s), 0.5);
    t.Cancel();
}

TEST(Belastungstabelle, DurchlaufBildetMaximaHoeheUndNormalkraft)
{
    Belastungstabelle b;
    b.TabelleNeu();
    b.eingaben.gewicht = QStringLiteral("300");
    b.eingaben.cmbGewicht.waehle(1);
    b.eingaben.laenge = QStringLiteral("3");
    b.eingaben.hoehe = QStringLiteral("400");
    b.eingaben.breite = QStringLiteral("290");
    b.eingaben.cmbEinzellast.waehle(1);
    b.eingaben.cmbStreckenlast.waehle(1);
    zeile(b, 4, 0, 0);
    b.EigenlastBerechnen();
    // Loads 0: the self-weight alone, g = 100: Q = 200, M = 200.
    EXPECT_DOUBLE_EQ(b.ergebnisse.querkraft, 200);
    EXPECT_DOUBLE_EQ(b.ergebnisse.biegemoment, 200);
    EXPECT_DOUBLE_EQ(b.ergebnisse.hoehe, 0.4);
    EXPECT_DOUBLE_EQ(b.ergebnisse.breite, 0.29);
    EXPECT_DOUBLE_EQ(b.ergebnisse.normalkraft, 500);
    EXPECT_EQ(b.NormalkraftText().trimmed(), QStringLiteral("500,00 N"));
    EXPECT_EQ(b.EigenlastText().trimmed(), QStringLiteral("100,00 N/m"));

    zeile(b, 2, 1000, 0);   // Q_e = 500 + 100 = 600, M_e = 500 + 50 = 550
    zeile(b, 8, 0, 10);     // Q_s = 40 + 400 = 440, M_s = 80 + 800 = 880
    EXPECT_DOUBLE_EQ(b.ergebnisse.querkraft, 600);
    EXPECT_DOUBLE_EQ(b.ergebnisse.biegemoment, 880);

    b.eingaben.hoehe = QStringLiteral("16");
    b.eingaben.cmbHoehe.waehle(1);
    b.Neuberechnen();
    EXPECT_DOUBLE_EQ(b.ergebnisse.hoehe, 0.4064);
    b.eingaben.hoehe = QStringLiteral("0,5");
    b.eingaben.cmbHoehe.waehle(0);
    b.Neuberechnen();
    EXPECT_DOUBLE_EQ(b.ergebnisse.normalkraft, 0);
}

TEST(Belastungstabelle, LeereTabelleGibtNullUndDieMaskeAufNull)
{
    Belastungstabelle b;
    b.TabelleNeu();
    b.eingaben.hoehe = QStringLiteral("400");
    b.Neuberechnen();
    EXPECT_DOUBLE_EQ(b.ergebnisse.querkraft, 0);
    EXPECT_DOUBLE_EQ(b.ergebnisse.normalkraft, 0);
    EXPECT_EQ(b.QuerkraftText().trimmed(), QStringLiteral("0,00 N"));
    EXPECT_EQ(b.BiegemomentText().trimmed(), QStringLiteral("0,00 Nm"));
}

TEST(Belastungstabelle, OhneTabelleGeschiehtNichts)
{
    Belastungstabelle b;
    b.ergebnisse.querkraft = 12;
    b.Neuberechnen();
    EXPECT_FALSE(b.cds_traverse.Active());
    EXPECT_EQ(b.ergebnisse.querkraft, 12);
}

TEST(Belastungstabelle, DurchlaufStelltDieErsteZeileDerGemerktenLaengeWiederEin)
{
    Belastungstabelle b;
    b.TabelleNeu();
    zeile(b, 3, 1, 0);
    zeile(b, 6, 2, 0);
    zeile(b, 6, 3000, 0);
    zeile(b, 9, 4, 0);
    auto& t = b.cds_traverse;
    t.Last();
    t.Prior(); // second row of length 6
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::einzellast), 3000);
    b.Neuberechnen();
    // Every row takes part, the second of two equal lengths too.
    EXPECT_DOUBLE_EQ(b.ergebnisse.querkraft, 3000 * 9.81 / 2);
    EXPECT_EQ(t.FieldByName(Belastungsfeld::laenge).AsInteger(), 6);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::einzellast), 2);

    // After an edited row is posted, that row stays current although the pass walked all rows.
    t.Last();
    t.Edit();
    t.FieldByName(Belastungsfeld::einzellast).SetAsFloat(40);
    t.Post();
    EXPECT_EQ(t.FieldByName(Belastungsfeld::laenge).AsInteger(), 9);
    EXPECT_DOUBLE_EQ(feld(b, Belastungsfeld::einzellast_N), 40 * 9.81);
}

TEST(Belastungstabelle, FehlendeEinheitenMeldenSichJeZeileUndDerDurchlaufGehtWeiter)
{
    Belastungstabelle b;
    b.TabelleNeu();
    zeile(b, 2, 10, 10);
    zeile(b, 4, 10, 10);
    b.eingaben.cmbEinzellast.waehle(-1);
    b.eingaben.cmbStreckenlast.waehle(-1);
    b.eingaben.cmbLaenge2.waehle(-1);
    const Meldungen meldungen = b.Neuberechnen();
    const QString laenge = QStringLiteral("Keine Einheit für die Länge gewählt!");
    const QString einzel = QStringLiteral("Keine Einheit für die Einzelkraft gewählt!");
    const QString strecke = QStringLiteral("Keine Einheit für die Streckenlast gewählt!");
    // Each row of the pass once, then the current row again as it is shown.
    EXPECT_EQ(meldungen, (Meldungen{laenge, einzel, strecke, laenge, einzel, strecke, laenge, einzel, strecke}));
    // Loads without unit stay empty and count 0; the length is read as metres.
    EXPECT_TRUE(b.cds_traverse.FieldByName(Belastungsfeld::einzellast_N).IsNull());
    EXPECT_TRUE(b.cds_traverse.FieldByName(Belastungsfeld::streckenlast_Nm).IsNull());
    EXPECT_DOUBLE_EQ(b.ergebnisse.querkraft, 0);
}

TEST(Belastungstabelle, EineGeposteteZeileOhneEinheitMeldetSichEinmalUndDasZeigenSchweigt)
{
    Belastungstabelle b;
    b.TabelleNeu();
    b.eingaben.cmbEinzellast.waehle(-1);
    Meldungen gemeldet;
    int durchlaeufe = 0;
    b.beiMeldungen = [&](const Meldungen& m) {
        gemeldet << m;
        ++durchlaeufe;
    };
    zeile(b, 3, 10, 10);
    // the pass the post started: the row, then the same row once more as the current one
    const QString einzel = QStringLiteral("Keine Einheit für die Einzelkraft gewählt!");
    EXPECT_EQ(durchlaeufe, 1);
    EXPECT_EQ(gemeldet, Meldungen(2, einzel));
    // Presenting the rows, as grid and diagram do over and over, calculates them silently.
    gemeldet.clear();
    auto& t = b.cds_traverse;
    for (int mal = 0; mal < 3; ++mal)
        for (t.First(); !t.Eof(); t.Next())
            EXPECT_TRUE(t.FieldByName(Belastungsfeld::einzellast_N).IsNull());
    EXPECT_TRUE(gemeldet.isEmpty());
    // 10 kg/m on 3 m without the point load: Q = q·l/2 = 98,1 · 3 / 2
    EXPECT_DOUBLE_EQ(b.ergebnisse.querkraft, 10 * 9.81 * 3 / 2);
    // The unit chosen again, the pass has nothing to tell.
    b.eingaben.cmbEinzellast.waehle(0);
    EXPECT_TRUE(b.Neuberechnen().isEmpty());
}

TEST(Belastungstabelle, BibliothekswerteNehmenBreiteNurMitHorizontalenDiagonalen)
{
    Belastungstabelle b;
    b.TabelleNeu();
    b.eingaben.hersteller = QStringLiteral("ABC");
    b.eingaben.querkraft = QStringLiteral("1234,5");
    b.eingaben.hoehe = QStringLiteral("400");
    b.eingaben.breite = QStringLiteral("300");
    b.eingaben.gurte = 3;
    b.Neuberechnen();
    BibliotheksEintrag e = b.Bibliothekswerte();
    EXPECT_DOUBLE_EQ(e.breite, 0.3);
    EXPECT_DOUBLE_EQ(e.hoehe, 0.4);
    EXPECT_EQ(e.querkraft.toString(), QStringLiteral("1234,5"));
    EXPECT_EQ(e.gurtzahl, 3);
    b.eingaben.horizontaleDiagonalen = false;
    EXPECT_DOUBLE_EQ(b.Bibliothekswerte().breite, 0);
}

TEST(Belastungstabelle, InDieBibliothekMitEigenlastUndFrageBeiVorhandenerTraverse)
{
    QTemporaryDir ordner;
    QDir(ordner.path()).mkdir(QStringLiteral("Traversen"));
    Traversenbibliothek bib;
    bib.BibliothekLaden(ordner.path());
    Belastungstabelle b;
    b.TabelleNeu();
    b.eingaben.hersteller = QStringLiteral("ABC");
    b.eingaben.bearbeiter = QStringLiteral("Meier");
    b.eingaben.gewicht = QStringLiteral("50");
    b.eingaben.laenge = QStringLiteral("3");
    b.eingaben.hoehe = QStringLiteral("400");
    b.eingaben.biegemoment = QStringLiteral("9000");
    b.EigenlastBerechnen();
    ASSERT_TRUE(b.InDieBibliothek(bib, keineFrage));
    auto& t = bib.cds_travbib;
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Eigenlast).AsFloat(), 163.5);
    EXPECT_TRUE(t.FieldByName(Travbibfeld::Querkraft).IsNull());
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Biegemoment).AsFloat(), 9000);
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Hoehe).AsFloat(), 0.4);
    EXPECT_EQ(t.FieldByName(Travbibfeld::Name).AsString(), QStringLiteral("neue Traverse"));

    QStringList gefragt;
    b.eingaben.biegemoment = QStringLiteral("1");
    EXPECT_FALSE(b.InDieBibliothek(bib, antwortet(false, gefragt)));
    EXPECT_EQ(gefragt, QStringList{QStringLiteral("Traverse \"ABC neue Traverse\" existiert bereits.\r\nÜberschreiben?")});
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Biegemoment).AsFloat(), 9000);
    EXPECT_EQ(t.RecordCount(), 1);
}
