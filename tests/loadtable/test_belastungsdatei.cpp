// The load table file: version 2 written and read back, the older layout, a wrong header and a
// damaged file.
#include "loadtable/u_belastungsdatei.h"
#include "loadtable/u_belastungsfelder.h"
#include "platform/u_fehler.h"
#include "tables/u_stream.h"
#include "tables/u_werteliste.h"
#include "u_testhilfen.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A table of the three stored fields, as files hold it.
void gespeicherteTabelle(TBClientDataSet& t, std::initializer_list<std::tuple<int, double, double>> zeilen)
{
    t.FieldDefs = {TFieldDef{QStringLiteral("laenge"), TFieldType::Integer, 0, true, false, {}},
                   TFieldDef{QStringLiteral("einzellast"), TFieldType::Float, 0, false, false, {}},
                   TFieldDef{QStringLiteral("streckenlast"), TFieldType::Float, 0, false, false, {}}};
    t.CreateDataSet();
    for (const auto& [l, e, s] : zeilen) {
        t.Append();
        t.Fields(0).SetAsInteger(l);
        t.Fields(1).SetAsFloat(e);
        t.Fields(2).SetAsFloat(s);
        t.Post();
    }
}

QStringList schluessel(const QString& text)
{
    QStringList namen;
    const TWerteliste liste(text);
    for (const QString& z : liste.zeilen())
        namen.append(z.section(u'=', 0, 0));
    return namen;
}

} // namespace

TEST(Belastungsdatei, Version2BehaeltJedenEingabetextUndDieZeilen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("t.prb"));
    Belastungstabelle b;
    b.TabelleNeu();
    b.eingaben.hersteller = QStringLiteral("Größer & Co");
    b.eingaben.gewicht = QStringLiteral("50");
    b.eingaben.laenge = QStringLiteral("3");
    b.eingaben.hoehe = QStringLiteral("vierhundert"); // not a number, kept as typed
    b.eingaben.breite = QStringLiteral("290,5");
    b.eingaben.querkraft = QStringLiteral("1234,50");
    b.eingaben.gurte = 3;
    b.eingaben.horizontaleDiagonalen = false;
    b.eingaben.cmbStreckenlast.waehle(8);
    b.eingaben.cmbLaenge1.waehle(1);
    auto& t = b.cds_traverse;
    for (auto [l, e, s] : {std::tuple{8, 120.0, 40.0}, std::tuple{4, 300.0, 150.5}}) {
        t.Append();
        t.FieldByName(Belastungsfeld::laenge).SetAsInteger(l);
        t.FieldByName(Belastungsfeld::einzellast).SetAsFloat(e);
        t.FieldByName(Belastungsfeld::streckenlast).SetAsFloat(s);
        t.Post();
    }
    b.EigenlastBerechnen();
    BelastungstabelleSpeichern(b, pfad);
    EXPECT_EQ(b.dateiname, pfad);

    {
        DokumentLeser leser(pfad);
        EXPECT_EQ(leser.Text(), QStringLiteral("Kelvara VLX Belastungstabelle 2"));
        EXPECT_EQ(schluessel(leser.Text()),
                  (QStringList{"Hersteller", "Name", "Bearbeiter", "Gewicht", "Einheit Gewicht", "Laenge",
                               "Einheit Laenge", "horizontale Diagonalen", "Anzahl der Gurte", "Hoehe",
                               "Breite", "Einheit Hoehe", "Querkraft", "Biegemoment", "Tabelle Laenge",
                               "Tabelle Einzellast", "Tabelle Streckenlast"}));
        TBClientDataSet gelesen;
        leser.Tabelle(gelesen);
        EXPECT_EQ(gelesen.FieldCount(), 3); // calculated fields are not stored
        EXPECT_EQ(gelesen.RecordCount(), 2);
    }

    Belastungstabelle neu;
    Meldungen meldungen;
    ASSERT_TRUE(BelastungstabelleLaden(neu, pfad, meldungen));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(neu.eingaben.hersteller, QStringLiteral("Größer & Co"));
    EXPECT_EQ(neu.eingaben.name, QStringLiteral("neue Traverse"));
    EXPECT_EQ(neu.eingaben.hoehe, QStringLiteral("vierhundert"));
    EXPECT_EQ(neu.eingaben.breite, QStringLiteral("290,5"));
    EXPECT_EQ(neu.eingaben.querkraft, QStringLiteral("1234,50"));
    EXPECT_EQ(neu.eingaben.biegemoment, QString());
    EXPECT_EQ(neu.eingaben.gurte, 3);
    EXPECT_FALSE(neu.eingaben.horizontaleDiagonalen);
    EXPECT_EQ(neu.eingaben.cmbStreckenlast.gewaehlt(), 8);
    EXPECT_EQ(neu.eingaben.cmbLaenge1.gewaehlt(), 1);
    EXPECT_EQ(neu.eingaben.cmbGewicht.gewaehlt(), 0);
    EXPECT_EQ(neu.dateiname, pfad);
    // Loaded, ordered and calculated: g = 50 kg / 10 ft.
    EXPECT_NEAR(neu.ergebnisse.eigenlast, 50 * 9.81 / 0.9144, 1e-9);
    auto& n = neu.cds_traverse;
    n.First();
    EXPECT_EQ(n.FieldByName(Belastungsfeld::laenge).AsInteger(), 4);
    EXPECT_DOUBLE_EQ(n.FieldByName(Belastungsfeld::streckenlast).AsFloat(), 150.5);
    EXPECT_DOUBLE_EQ(n.FieldByName(Belastungsfeld::streckenlast_Nm).AsFloat(), 150.5 * 1000 / 4);
    EXPECT_DOUBLE_EQ(neu.ergebnisse.querkraft, b.ergebnisse.querkraft);
    EXPECT_GT(neu.ergebnisse.querkraft, 0);
}

TEST(Belastungsdatei, Version2OhneGewichtseinheitWaehltKilonewton)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("k.prb"));
    {
        TBClientDataSet t;
        gespeicherteTabelle(t, {{2, 1, 1}});
        DokumentSchreiber s(pfad);
        s.Text(QStringLiteral("Kelvara VLX Belastungstabelle 2"));
        s.Text(QStringLiteral("Gewicht=2\r\nLaenge=4\r\nTabelle Laenge=m\r\n"));
        s.Tabelle(t);
        s.Abschliessen();
    }
    Belastungstabelle b;
    Meldungen meldungen;
    ASSERT_TRUE(BelastungstabelleLaden(b, pfad, meldungen));
    EXPECT_EQ(b.eingaben.cmbGewicht.angezeigterText(), QStringLiteral("kN"));
    EXPECT_EQ(b.eingaben.cmbLaenge2.angezeigterText(), QStringLiteral("m"));
    EXPECT_EQ(b.eingaben.cmbStreckenlast.angezeigterText(), QStringLiteral("kN"));
    // Absent units take the last item: 2 kN on 4 ft.
    EXPECT_EQ(b.eingaben.cmbLaenge1.angezeigterText(), QStringLiteral("ft"));
    EXPECT_DOUBLE_EQ(b.ergebnisse.eigenlast, 2000 / (4 * 0.3048));
    EXPECT_EQ(b.eingaben.gurte, 4);
    EXPECT_FALSE(b.eingaben.horizontaleDiagonalen);
    EXPECT_EQ(b.eingaben.name, QString());
}

TEST(Belastungsdatei, AltesFormatLiestNeunTexteSechsPositionenUndDasPaket)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("alt.prb"));
    {
        TBClientDataSet t;
        gespeicherteTabelle(t, {{10, 100, 20}, {5, 200, 40}});
        DokumentSchreiber s(pfad);
        s.Text(QStringLiteral("Kelvara VLX Belastungstabelle"));
        for (const char* text : {"Alt GmbH", "F34", "Meier", "100", "10", "16", "ungenutzt", "5000", "9000"})
            s.Text(QString::fromUtf8(text));
        for (int position : {1, 1, 1, 7, 2, 2}) // 7 lies outside the two length units
            s.Integer(position);
        s.Tabelle(t);
        s.Abschliessen();
    }
    Belastungstabelle b;
    b.eingaben.breite = QStringLiteral("wie vorher");
    Meldungen meldungen;
    ASSERT_TRUE(BelastungstabelleLaden(b, pfad, meldungen));
    const BelastungsEingaben& e = b.eingaben;
    EXPECT_EQ(e.hersteller, QStringLiteral("Alt GmbH"));
    EXPECT_EQ(e.name, QStringLiteral("F34"));
    EXPECT_EQ(e.bearbeiter, QStringLiteral("Meier"));
    EXPECT_EQ(e.hoehe, QStringLiteral("16"));
    EXPECT_EQ(e.querkraft, QStringLiteral("5000"));
    EXPECT_EQ(e.biegemoment, QStringLiteral("9000"));
    EXPECT_EQ(e.breite, QStringLiteral("wie vorher"));
    EXPECT_TRUE(e.horizontaleDiagonalen);
    EXPECT_EQ(e.gurte, 4);
    EXPECT_EQ(e.cmbGewicht.gewaehlt(), 1);
    EXPECT_EQ(e.cmbLaenge1.gewaehlt(), 1);
    EXPECT_EQ(e.cmbHoehe.gewaehlt(), 1);
    EXPECT_EQ(e.cmbLaenge2.gewaehlt(), -1);
    EXPECT_EQ(e.cmbEinzellast.gewaehlt(), 2);
    EXPECT_EQ(e.cmbStreckenlast.gewaehlt(), 2);
    EXPECT_NEAR(b.ergebnisse.eigenlast, 100 / 3.048, 1e-9);
    EXPECT_NEAR(b.ergebnisse.hoehe, 0.4064, 1e-12);
    // The length without unit is read as metres, after the message: once per row, then for the
    // current one.
    EXPECT_EQ(meldungen, Meldungen(3, QStringLiteral("Keine Einheit für die Länge gewählt!")));
    EXPECT_EQ(b.cds_traverse.RecordCount(), 2);
    // 20 kN/m on the 10 m row governs: 100 000 N plus the self-weight share.
    EXPECT_DOUBLE_EQ(b.ergebnisse.querkraft, 100000 + 100 / 3.048 * 10 / 2);
}

TEST(Belastungsdatei, FalscherKopfMeldetUndLaesstKeineTabelle)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("x.prb"));
    {
        DokumentSchreiber s(pfad);
        s.Text(QStringLiteral("Kelvara VLX Traversendatei 2"));
        s.Text(QStringLiteral("Name=X"));
        s.Abschliessen();
    }
    const QByteArray vorher = inhalt(pfad);
    Belastungstabelle b;
    Meldungen meldungen;
    EXPECT_FALSE(BelastungstabelleLaden(b, pfad, meldungen));
    EXPECT_EQ(meldungen, Meldungen{QStringLiteral("Keine gültige Belastungstabelle")});
    EXPECT_TRUE(b.dateiname.isEmpty());
    EXPECT_EQ(b.eingaben.name, QStringLiteral("neue Traverse"));
    EXPECT_EQ(inhalt(pfad), vorher);
}

TEST(Belastungsdatei, BeschaedigteDateiWirftUndAendertWederFensterNochDatei)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("kaputt.prb"));
    Belastungstabelle b;
    b.TabelleNeu();
    b.eingaben.hersteller = QStringLiteral("Voll");
    b.cds_traverse.Append();
    b.cds_traverse.FieldByName(Belastungsfeld::laenge).SetAsInteger(3);
    b.cds_traverse.Post();
    BelastungstabelleSpeichern(b, pfad);
    QByteArray bytes = inhalt(pfad);
    bytes.chop(5);
    {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    Belastungstabelle neu;
    Meldungen meldungen;
    EXPECT_THROW(BelastungstabelleLaden(neu, pfad, meldungen), Fehler);
    EXPECT_EQ(neu.eingaben.hersteller, QString());
    EXPECT_FALSE(neu.cds_traverse.Active());
    EXPECT_EQ(inhalt(pfad), bytes);
    EXPECT_THROW(BelastungstabelleLaden(neu, ordner.filePath(QStringLiteral("fehlt.prb")), meldungen), Fehler);
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST(Belastungsdatei, SchreibfehlerLaesstDenDateinamen)
{
    QTemporaryDir ordner;
    Belastungstabelle b;
    b.TabelleNeu();
    b.Neuberechnen();
    EXPECT_THROW(BelastungstabelleSpeichern(b, ordner.filePath(QStringLiteral("fehlt/t.prb"))), Fehler);
    EXPECT_EQ(b.dateiname, QString());
}

TEST(Belastungsdatei, NichtEndlicheZahlImPaketMachtDieDateiUnlesbarUndAendertNichts)
{
    QTemporaryDir ordner;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    int nummer = 0;
    for (const auto& [einzellast, streckenlast] : {std::pair{nan, 1.0}, {1.0, inf}, {-inf, 1.0}}) {
        const QString pfad = ordner.filePath(QStringLiteral("nan%1.prb").arg(++nummer));
        {
            TBClientDataSet t;
            gespeicherteTabelle(t, {{2, 100, 20}, {5, einzellast, streckenlast}});
            DokumentSchreiber s(pfad);
            s.Text(BelastungstabelleKopf());
            s.Text(QString());
            s.Tabelle(t);
            s.Abschliessen();
        }
        Belastungstabelle b;
        b.eingaben.hersteller = QStringLiteral("wie vorher");
        Meldungen meldungen;
        EXPECT_EQ(fehlerVon([&] { BelastungstabelleLaden(b, pfad, meldungen); }), QStringLiteral("Ungültiger Eigenschaftswert"));
        EXPECT_EQ(b.eingaben.hersteller, QStringLiteral("wie vorher"));
        EXPECT_FALSE(b.cds_traverse.Active());
    }
}
