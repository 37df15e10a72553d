// The continuous-beam tab of the beam editor: reactions per support beside the pairwise maximum,
// the result in words, "EI unbekannt" without a stiffness, the stiffness typed in the truss group
// and the deflection limit typed in the tab, both stored with the variant, and the picture.
#include "beam/fo_variante.h"
#include "beam/u_balkenfelder.h"
#include "reiterhilfen.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct Reiter : Editorreiter {
    Reiter() : Editorreiter("tab_Durchlauf") {}
    QString zelle(int zeile, int spalte) { return kind<QTableWidget>(&f, "sgDurchlauf")->item(zeile, spalte)->text(); }
};
} // namespace

TEST(Durchlaufreiter, VierMotorzuegeNebenDemPaarweisenMaximumUndEIUnbekannt)
{
    Reiter r;
    // 24 m, 4 t evenly on four hoists: 0,4 / 1,1 / 1,1 / 0,4 of 8 m · 1635 N/m
    r.f.modell.traverse.laenge = 24;
    r.f.modell.traverse.eigenlast = 1635;
    r.f.modell.traverse.maxQuer = 20000;
    r.f.modell.traverse.maxBiege = 20000;
    for (double x : {-12.0, -4.0, 4.0, 12.0})
        r.lager(x);
    r.skript.erwarteMeldung(); // the pairwise envelope is above 100 %
    kind<QAction>(&r.f, "actBerechnen")->trigger();
    ohneUnerwartetes(r.skript);
    ASSERT_EQ(kind<QTableWidget>(&r.f, "sgDurchlauf")->rowCount(), 4);
    EXPECT_EQ(kind<QTableWidget>(&r.f, "sgDurchlauf")->horizontalHeaderItem(2)->text(), QStringLiteral("Kraft [N]"));
    EXPECT_EQ(r.zelle(0, 0), QStringLiteral("1"));
    EXPECT_EQ(r.zelle(0, 1), QStringLiteral("-12,00"));
    EXPECT_EQ(r.zelle(0, 2), QStringLiteral("5 232,00"));  // 0,4 · 1635 · 8
    EXPECT_EQ(r.zelle(1, 2), QStringLiteral("14 388,00")); // 1,1 · 1635 · 8
    // pairwise, a middle hoist carries up to 2/3 of the truss with its neighbour at the end
    EXPECT_EQ(r.zelle(1, 4), QStringLiteral("29 430,00"));
    const QString text = beschriftungVon(&r.f, "lblDurchlaufErgebnis");
    // 0,1 qL² = 10 464 Nm over the inner supports, 52,32 % of 20 000
    EXPECT_TRUE(text.contains(QStringLiteral("max. Moment 10 464,00 Nm"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("52,32 % von M_zul"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("EI unbekannt")));
    EXPECT_TRUE(beschriftungVon(&r.f, "lblDurchlaufMeldungen").isEmpty());
    EXPECT_TRUE(beschriftungVon(&r.f, "lblDurchlaufGrenzen").contains(QStringLiteral("starre Lager")));
    QApplication::processEvents();
    bildVon(&r.f, QStringLiteral("variante_durchlauf"));
}

TEST(Durchlaufreiter, EIUndGrenzeGetipptWerdenGespeichertUndGeben)
{
    Reiter r;
    r.f.modell.traverse.laenge = 10;
    r.f.modell.traverse.eigenlast = 100;
    r.f.modell.traverse.maxQuer = r.f.modell.traverse.maxBiege = 1e9; // judged: no warning
    r.lager(-5);
    r.lager(5);
    r.f.ZeigeTraverse();
    EXPECT_EQ(kind<QLineEdit>(&r.f, "edtTravEI")->text(), QString());
    EXPECT_EQ(kind<QLineEdit>(&r.f, "edtDurchbiegungsgrenze")->text(), QStringLiteral("200"));
    r.f.setzeGeaendert(false);
    QTest::keyClicks(kind<QLineEdit>(&r.f, "edtTravEI"), QStringLiteral("1000"));
    EXPECT_TRUE(r.f.Geaendert());
    ASSERT_TRUE(r.f.modell.travEI);
    EXPECT_EQ(*r.f.modell.travEI, 1000);
    kind<QLineEdit>(&r.f, "edtDurchbiegungsgrenze")->selectAll();
    QTest::keyClicks(kind<QLineEdit>(&r.f, "edtDurchbiegungsgrenze"), QStringLiteral("300"));
    EXPECT_EQ(r.f.modell.Durchbiegungsgrenze(), 300);
    EXPECT_TRUE(r.f.modell.Einstellungen().endsWith(QStringLiteral("Durchbiegungsgrenze=300\r\nTravEI=1000\r\n")));
    kind<QAction>(&r.f, "actBerechnen")->trigger();
    // 5qL⁴/384EI = 5 · 100 · 10⁴ / 384 / 10⁶ m = 13,02 mm, L/768
    const QString text = beschriftungVon(&r.f, "lblDurchlaufErgebnis");
    EXPECT_TRUE(text.contains(QStringLiteral("Durchbiegung 13,02 mm bei x = 0,00 m"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("L/768, Grenze L/300"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("eingehalten")));
    // an emptied stiffness is unknown again
    kind<QLineEdit>(&r.f, "edtTravEI")->selectAll();
    QTest::keyClick(kind<QLineEdit>(&r.f, "edtTravEI"), Qt::Key_Backspace);
    EXPECT_FALSE(r.f.modell.travEI);
    ohneUnerwartetes(r.skript);
}

TEST(Durchlaufreiter, ZiehendesLagerUndInstabilerTraegerStehenInRot)
{
    Reiter r;
    r.f.modell.traverse.laenge = 10;
    r.lager(-5);
    r.lager(-4);
    TBClientDataSet& s = r.f.modell.cds_lasten;
    s.Append();
    s.FieldByName(Balkenfeld::Nummer).SetAsInteger(r.f.modell.NeueLastnummer());
    s.FieldByName(Balkenfeld::Type).SetAsInteger(ArtKraft);
    s.FieldByName(Lastfeld::Pos1).SetAsFloat(5);
    s.FieldByName(Lastfeld::Pos2).SetAsFloat(5);
    s.FieldByName(Lastfeld::Last).SetAsFloat(1000);
    s.Post();
    r.skript.erwarteMeldung(); // the pairwise method reports that nothing carries
    kind<QAction>(&r.f, "actBerechnen")->trigger();
    EXPECT_TRUE(r.skript.allesBeantwortet());
    ohneUnerwartetes(r.skript);
    EXPECT_EQ(r.zelle(0, 2), QStringLiteral("—"));
    const QString meldungen = beschriftungVon(&r.f, "lblDurchlaufMeldungen");
    EXPECT_TRUE(meldungen.contains(QStringLiteral("Lager 1 würde ziehen"))) << meldungen.toStdString();
    EXPECT_TRUE(meldungen.contains(QStringLiteral("Instabil")));
    EXPECT_TRUE(beschriftungVon(&r.f, "lblDurchlaufErgebnis").isEmpty());
}
