// The span load calculator window: the rows for a library truss, the choices and their
// persistence, the load pictures, the modal opening and the export read back with xlrd.
#include "calculator/fo_trav_calc.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "truss/u_travbibfelder.h"
#include "truss/u_traversenbibliothek.h"
#include "platform/u_zahlen.h"
#include "u_fenstertest.h"
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Umgebung {
    Programmordner ordner;
    SkriptDialoge skript;
    Traversenbibliothek bibliothek;
    Umgebung() { bibliothek.BibliothekLaden(Programmverzeichnis()); }

    // a row of the library, which then is the current one
    void traverse(const QString& hersteller, const QString& name, double g, double q, double m)
    {
        TBClientDataSet& t = bibliothek.cds_travbib;
        t.Append();
        t.FieldByName(Travbibfeld::Hersteller).SetAsString(hersteller);
        t.FieldByName(Travbibfeld::Name).SetAsString(name);
        t.FieldByName(Travbibfeld::Bearbeiter).SetAsString(QStringLiteral("Prüfer"));
        t.FieldByName(Travbibfeld::Eigenlast).SetAsFloat(g);
        t.FieldByName(Travbibfeld::Querkraft).SetAsFloat(q);
        t.FieldByName(Travbibfeld::Biegemoment).SetAsFloat(m);
        t.Post();
    }

    // the calculator opened for the example truss: g = 100 N/m, Q = 5000 N, M = 10 000 Nm
    void beispiel(Tfrm_trav_calc& f)
    {
        traverse(QStringLiteral("Alu AG"), QStringLiteral("Q30"), 100, 5000, 10000);
        ASSERT_TRUE(f.BaueTabelle(bibliothek.cds_travbib));
    }
};

QString zelle(Tfrm_trav_calc& f, int zeile, int spalte)
{
    return f.Grid()->model()->index(zeile, spalte).data().toString();
}

// the number as the user reads it, without the blanks the mask leaves in front
QString wert(Tfrm_trav_calc& f, int zeile, int spalte) { return zelle(f, zeile, spalte).trimmed(); }

QColor farbe(Tfrm_trav_calc& f, int zeile, int spalte)
{
    return f.Grid()->model()->index(zeile, spalte).data(Qt::ForegroundRole).value<QColor>();
}

QString kopf(Tfrm_trav_calc& f, int spalte)
{
    return f.Grid()->model()->headerData(spalte, Qt::Horizontal).toString();
}

struct Blatt {
    QStringList blaetter;
    std::map<std::pair<int, int>, QString> texte; // (column, row)
};

Blatt mitXlrd(const QString& pfad)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(KELVARA_QUELLEN "/tests/spreadsheet/xls_lesen.py"), pfad});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    Blatt b;
    for (const auto& name : o.value(QStringLiteral("blaetter")).toArray())
        b.blaetter << name.toString();
    for (const auto& z : o.value(QStringLiteral("zellen")).toArray()) {
        const QJsonObject zelle = z.toObject();
        b.texte[{zelle.value(QStringLiteral("spalte")).toInt(), zelle.value(QStringLiteral("zeile")).toInt()}] =
            zelle.value(QStringLiteral("text")).toString();
    }
    return b;
}

} // namespace

TEST(Rechnerfenster, BeispieltraverseEndetBei21MeternMitNegativerPunktlast)
{
    Umgebung u;
    Tfrm_trav_calc f;
    u.beispiel(f);
    f.TexteSetzen();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Traversen-Kalkulator"));
    EXPECT_EQ(kind<QLabel>(&f, "lblName")->text(), QStringLiteral("Alu AG Q30"));
    ASSERT_EQ(f.Grid()->model()->rowCount(), 21);
    EXPECT_EQ(kopf(f, 0), QStringLiteral("Länge [m]"));
    EXPECT_EQ(kopf(f, 1), QStringLiteral("Eigenlast [kg]"));
    EXPECT_EQ(kopf(f, 2), QStringLiteral("Streckenlast [kg/m]"));
    EXPECT_EQ(kopf(f, 6), QStringLiteral("Aussenlast [kg]"));
    // L = 1: self-weight 10.19 kg, distributed 4900 N/m, point load 4900 N, no outer load
    EXPECT_EQ(wert(f, 0, 0), QStringLiteral("1"));
    EXPECT_EQ(wert(f, 0, 1), QStringLiteral("10,19"));
    EXPECT_EQ(wert(f, 0, 2), QStringLiteral("499,49"));
    EXPECT_EQ(wert(f, 0, 3), QStringLiteral("499,49"));
    EXPECT_EQ(wert(f, 0, 6), QStringLiteral("0,00"));
    EXPECT_EQ(farbe(f, 0, 3), QColor(Qt::black));
    // L = 10: 1500 N is not above 1500, so the row is grey; the length itself stays black
    EXPECT_EQ(zelle(f, 9, 3), FormatFloat(QStringLiteral("### ### ##0.00"), 1500 / 9.81));
    EXPECT_EQ(farbe(f, 9, 3), QColor(128, 128, 128));
    EXPECT_EQ(farbe(f, 9, 0), QColor(Qt::black));
    EXPECT_EQ(wert(f, 20, 0), QStringLiteral("21"));
    EXPECT_EQ(zelle(f, 20, 3), FormatFloat(QStringLiteral("### ### ##0.00"), 4 * (5000 - 5512.5) / 21 / 9.81));
    EXPECT_TRUE(wert(f, 20, 3).startsWith(u'-'));
    EXPECT_EQ(f.Grid()->columnWidth(2), 102);
    EXPECT_EQ(f.Grid()->rowHeight(0), 18);
    f.show();
    bildVon(&f, QStringLiteral("rechner"));
}

TEST(Rechnerfenster, OhneBgvC1VerdoppelnSichDieWerteOhneNeueZeilen)
{
    Umgebung u;
    Tfrm_trav_calc f;
    u.beispiel(f);
    QCheckBox* bgv = kind<QCheckBox>(&f, "cb_bgvc1");
    EXPECT_TRUE(bgv->isChecked());
    f.show();
    QTest::mouseClick(bgv, Qt::LeftButton);
    ASSERT_FALSE(bgv->isChecked());
    EXPECT_EQ(f.Grid()->model()->rowCount(), 21);
    // L = 1 with Q = 5000, M = 10000: min(10000, 80000) - 100 = 9900 N/m
    EXPECT_EQ(zelle(f, 0, 2), FormatFloat(QStringLiteral("### ### ##0.00"), 9900 / 9.81));
    // L = 10: min(2 * 4500, 4 * 8750 / 10) = 3500 N, now black
    EXPECT_EQ(zelle(f, 9, 3), FormatFloat(QStringLiteral("### ### ##0.00"), 3500 / 9.81));
    EXPECT_EQ(farbe(f, 9, 3), QColor(Qt::black));
}

TEST(Rechnerfenster, EinheitenUndLastbilderBleibenVonEinerOeffnungZurNaechsten)
{
    Umgebung u;
    Tfrm_trav_calc f;
    u.beispiel(f);
    kind<QComboBox>(&f, "cmbEigenlast")->setCurrentIndex(2);  // kN
    kind<QComboBox>(&f, "cmbGleichlast")->setCurrentIndex(5); // kN on the span
    kind<QComboBox>(&f, "cmbViertel")->setCurrentIndex(2);    // Drei
    EXPECT_EQ(kopf(f, 1), QStringLiteral("Eigenlast [kN]"));
    EXPECT_EQ(kopf(f, 2), QStringLiteral("Streckenlast [kN]"));
    // L = 2: q = min(2500, 10000) - 100 = 2400 N/m, on 2 m 4.8 kN
    EXPECT_EQ(wert(f, 1, 2), QStringLiteral("4,80"));

    u.traverse(QStringLiteral("Stahl KG"), QStringLiteral("S1"), 200, 8000, 16000);
    QTimer::singleShot(0, &f, [&f] {
        EXPECT_TRUE(f.isModal());
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(kind<QLabel>(&f, "lblName")->text(), QStringLiteral("Stahl KG S1"));
        f.accept();
    });
    f.ZeigeLaengen(u.bibliothek.cds_travbib);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.Grid()->model()->rowCount(), 0); // the list is freed when the window closes
    ASSERT_TRUE(f.BaueTabelle(u.bibliothek.cds_travbib));
    EXPECT_EQ(kind<QComboBox>(&f, "cmbEigenlast")->currentText(), QStringLiteral("kN"));
    EXPECT_EQ(kind<QComboBox>(&f, "cmbViertel")->currentIndex(), 2);
    EXPECT_EQ(kopf(f, 5), QStringLiteral("Viertelpunkte [kN]"));
}

TEST(Rechnerfenster, LastbilderZeigenPfeileAnDenViertelpunktenUndDieZwei)
{
    Tfrm_trav_calc f;
    f.show();
    QWidget* aussen = f.findChild<QWidget*>(QStringLiteral("pbAussen"));
    ASSERT_NE(aussen, nullptr);
    EXPECT_EQ(aussen->size(), QSize(85, 29));
    const QImage bild = aussen->grab().toImage();
    auto schwarz = [&bild](int x, int y) { return qGray(bild.pixel(x, y)) < 60; };
    // arrows at 85 * 0.25 = 21.25 -> 21 and 85 * 0.75 = 63.75 -> 64, shafts from y = 3 to 20
    for (int y = 4; y < 20; ++y) {
        EXPECT_TRUE(schwarz(21, y)) << y;
        EXPECT_TRUE(schwarz(64, y)) << y;
        EXPECT_FALSE(schwarz(42, y)) << y;
    }
    // the beam, 3 pixels wide around y = 29 - 6
    EXPECT_TRUE(schwarz(42, 23));
    EXPECT_FALSE(schwarz(1, 23));
    // the items of the quarter points show one, two and three arrows, 24 pixels high
    QComboBox* viertel = kind<QComboBox>(&f, "cmbViertel");
    viertel->showPopup();
    QAbstractItemView* liste = viertel->view();
    EXPECT_EQ(liste->visualRect(liste->model()->index(2, 0)).height(), 24);
    const QImage bilder = bildVon(liste->viewport(), QStringLiteral("rechner_viertelpunkte"));
    const int breite = liste->visualRect(liste->model()->index(2, 0)).width();
    const int mitte = liste->visualRect(liste->model()->index(2, 0)).top() + 10;
    auto pfeil = [&bilder, mitte](int x) { return qGray(bilder.pixel(x, mitte)) < 60; };
    EXPECT_TRUE(pfeil(int(std::nearbyint(breite * 0.25))));
    EXPECT_TRUE(pfeil(int(std::nearbyint(breite * 0.5))));
    EXPECT_TRUE(pfeil(int(std::nearbyint(breite * 0.75))));
    viertel->hidePopup();
}

TEST(Rechnerfenster, ExportSchreibtDasBlattWieGezeigtUndFragtBeimZweitenMal)
{
    Umgebung u;
    Tfrm_trav_calc f;
    u.beispiel(f);
    kind<QComboBox>(&f, "cmbDrittel")->setCurrentIndex(1);
    kind<QComboBox>(&f, "cmbViertel")->setCurrentIndex(2);
    const QString pfad = u.ordner.pfad(QStringLiteral("Q30.xls"));
    u.skript.erwarteSpeichern(pfad);
    QTest::mouseClick(kind<QPushButton>(&f, "btnExport"), Qt::LeftButton);
    ASSERT_EQ(u.skript.dateiDialoge.size(), 1);
    EXPECT_EQ(u.skript.dateiDialoge[0].filter, QStringLiteral("Excel-Sheet *.xls|*.xls|Alle Dateien *.*|*.*"));
    EXPECT_EQ(u.skript.dateiDialoge[0].standardEndung, QStringLiteral("xls"));

    const Blatt b = mitXlrd(pfad);
    EXPECT_EQ(b.blaetter, QStringList{QStringLiteral("Traversendaten")});
    EXPECT_EQ(b.texte.at({1, 0}), QStringLiteral("Kelvara VLX Traversendaten  "));
    EXPECT_EQ(b.texte.at({2, 2}), QStringLiteral("Alu AG"));
    EXPECT_EQ(b.texte.at({2, 5}), QStringLiteral("100"));
    EXPECT_EQ(b.texte.at({0, 9}), QStringLiteral("Länge [m]"));
    EXPECT_EQ(b.texte.at({4, 10}), QStringLiteral("2 / 3"));
    EXPECT_EQ(b.texte.at({5, 10}), QStringLiteral("3 / 4"));
    EXPECT_EQ(b.texte.at({0, 11}), QStringLiteral("1"));
    EXPECT_EQ(b.texte.at({0, 31}), QStringLiteral("21"));
    EXPECT_EQ(b.texte.count({0, 32}), 0u);
    // the cells are the texts the grid shows
    for (int spalte = 1; spalte < 7; ++spalte)
        EXPECT_EQ(b.texte.at({spalte, 31}), zelle(f, 20, spalte)) << spalte;

    // a second export to the same path asks; No leaves the file
    const QByteArray vorher = dateiInhalt(pfad);
    kind<QComboBox>(&f, "cmbEigenlast")->setCurrentIndex(1);
    u.skript.erwarteSpeichern(pfad).erwarteFrage(
        Antwort::Nein, QStringLiteral("Datei %1 existiert bereits.\r\nÜberschreiben?").arg(pfad));
    QTest::mouseClick(kind<QPushButton>(&f, "btnExport"), Qt::LeftButton);
    EXPECT_EQ(dateiInhalt(pfad), vorher);
    // a folder that does not exist: the writer's error as a message, the window stays
    u.skript.erwarteSpeichern(u.ordner.pfad(QStringLiteral("fehlt/Q30.xls"))).erwarteMeldung();
    QTest::mouseClick(kind<QPushButton>(&f, "btnExport"), Qt::LeftButton);
    EXPECT_TRUE(u.skript.allesBeantwortet());
    ohneUnerwartetes(u.skript);
}

TEST(Rechnerfenster, DasProgrammLegtDenRechnerAlsDauerfensterAn)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    auto* rechner = qobject_cast<Tfrm_trav_calc*>(anwendung.dauerfenster(Dauerfenster::Rechner));
    ASSERT_NE(rechner, nullptr);
    EXPECT_FALSE(rechner->isVisible());
}

TEST(Rechnerfenster, AufEnglischTragenTitelKnoepfeUndSpaltenIhreTexte)
{
    Programmordner ordner;
    const std::map<int, QString> texte =
        LeseSprachquellen({QStringLiteral(KELVARA_QUELLEN "/assets/sprachen/en/rechner.txt")});
    for (int id : {1701, 1702, 1703, 1704, 1705, 1706, 1707, 1708, 1720, 1721, 1722, 1723, 1724, 1725, 1726,
                   1750, 1751, 1752, 1753})
        EXPECT_EQ(texte.count(id), 1u) << id;
    schreibeSprachdatei(ordner.pfad(QStringLiteral("Sprachen/English.prl")), texte);
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    anwendung.menu()->SpracheWechseln(1);
    auto* f = qobject_cast<Tfrm_trav_calc*>(anwendung.dauerfenster(Dauerfenster::Rechner));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Truss calculator"));
    EXPECT_EQ(kind<QPushButton>(f, "btnExport")->text(), QStringLiteral("&Export"));
    EXPECT_EQ(kind<QPushButton>(f, "btnClose")->text(), QStringLiteral("&Close"));
    EXPECT_EQ(kopf(*f, 2), QStringLiteral("Distributed load [kg/m]"));
}

TEST(Rechnerfenster, MitEIBegrenztDieDurchbiegungUndMarkiertBlau)
{
    Umgebung u;
    Tfrm_trav_calc f;
    u.traverse(QStringLiteral("Alu AG"), QStringLiteral("Q30"), 100, 5000, 10000);
    u.bibliothek.cds_travbib.Edit();
    u.bibliothek.cds_travbib.FieldByName(Travbibfeld::EI).SetAsFloat(500); // kN·m²
    u.bibliothek.cds_travbib.Post();
    ASSERT_TRUE(f.BaueTabelle(u.bibliothek.cds_travbib));
    f.TexteSetzen();
    f.show();
    QCheckBox* durchbiegung = kind<QCheckBox>(&f, "cbDurchbiegung");
    ASSERT_NE(durchbiegung, nullptr);
    EXPECT_TRUE(durchbiegung->isVisible());
    EXPECT_TRUE(durchbiegung->isChecked());
    EXPECT_EQ(durchbiegung->text(), QStringLiteral("Durchbiegung L/200"));
    // the self-weight alone reaches L/200 after 12,4 m
    ASSERT_EQ(f.Grid()->model()->rowCount(), 13);
    // L = 10 m: (50 − 26,04) mm · 48EI/L³ = 575 N instead of 1500 N
    const double punkt = (0.05 - 5 * 100 * 1e4 / (384 * 5e5)) * 48 * 5e5 / 1000;
    EXPECT_EQ(zelle(f, 9, 3), FormatFloat(QStringLiteral("### ### ##0.00"), punkt / 9.81) + u'*');
    EXPECT_EQ(farbe(f, 9, 3), QColor(Qt::blue));
    EXPECT_FALSE(kind<QLabel>(&f, "lblDurchbiegung")->text().isEmpty());
    bildVon(&f, QStringLiteral("rechner_durchbiegung"));
    // switched off: the strength values, without a mark
    durchbiegung->click();
    EXPECT_EQ(zelle(f, 9, 3), FormatFloat(QStringLiteral("### ### ##0.00"), 1500 / 9.81));
    EXPECT_TRUE(kind<QLabel>(&f, "lblDurchbiegung")->text().isEmpty());
    ohneUnerwartetes(u.skript);
}
