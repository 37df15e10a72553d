// The utilisation tab of the beam editor: its slider drives the CAD slider, the mode shows the
// dynamic pressure, the shift buttons move the supports and recalculate, the diagram shows the
// reference lines before the first calculation and the shear bars after it.
#include "beam/fo_cadflaeche.h"
#include "beam/fo_variante.h"
#include "beam/u_balkenfelder.h"
#include "reiterhilfen.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
struct Reiter : Editorreiter {
    Reiter() : Editorreiter("tab_Auslastung") {}
    std::vector<double> positionen()
    {
        std::vector<double> x;
        TBClientDataSet& l = f.modell.cds_lager;
        for (l.First(); !l.Eof(); l.Next())
            x.push_back(l.FieldByName(Lagerfeld::Position).AsFloat());
        return x;
    }
    void traverse(double laenge)
    {
        f.modell.traverse.laenge = laenge;
        f.modell.traverse.eigenlast = 50;
        f.modell.traverse.maxQuer = 100;
        f.modell.traverse.maxBiege = 1000;
    }
};

// The test truss carries 100 N shear and 1 000 N·m: every calculation says it is overloaded.
const QString Ueberlast = QStringLiteral("Auslastung über 100 %");

void expectPositionen(const std::vector<double>& ist, const std::vector<double>& soll)
{
    ASSERT_EQ(ist.size(), soll.size());
    for (size_t i = 0; i < ist.size(); ++i)
        EXPECT_NEAR(ist[i], soll[i], 1e-9) << i;
}
} // namespace

TEST(Auslastungsreiter, ReglerFuehrtDenCadReglerInDessenGrenzen)
{
    Reiter r;
    kind<QSlider>(&r.f, "tbSize2")->setValue(25);
    EXPECT_EQ(kind<QSlider>(&r.f, "tbSize")->value(), 20);
    EXPECT_DOUBLE_EQ(r.f.ansicht.massstab, 0.01);
    kind<QSlider>(&r.f, "tbSize")->setValue(5);
    const double massstab = r.f.ansicht.massstab;
    kind<QSlider>(&r.f, "tbSize2")->setValue(0);
    kind<QSlider>(&r.f, "tbSize2")->setValue(4);
    EXPECT_EQ(kind<QSlider>(&r.f, "tbSize")->value(), 5);
    EXPECT_DOUBLE_EQ(r.f.ansicht.massstab, massstab);
}

TEST(Auslastungsreiter, RechenartZeigtDenStaudruckOhneZuRechnenOderZuAendern)
{
    Reiter r;
    EXPECT_EQ(kind<QComboBox>(&r.f, "cmbBerechnung")->currentText(), QStringLiteral("nur Gewichtslasten"));
    EXPECT_FALSE(kind<QComboBox>(&r.f, "cmbStaudruck")->isVisible());
    for (int i = 0; i < 2; ++i) // chosen with the arrow keys, as the user does
        QTest::keyClick(kind<QComboBox>(&r.f, "cmbBerechnung"), Qt::Key_Down);
    EXPECT_TRUE(kind<QComboBox>(&r.f, "cmbStaudruck")->isVisible());
    EXPECT_TRUE(kind<QLabel>(&r.f, "lblStaudruck")->isVisible());
    EXPECT_EQ(r.f.modell.Modus(), 2);
    EXPECT_EQ(kind<QComboBox>(&r.f, "cmbStaudruck")->currentText(), QStringLiteral("0,5"));
    tippeNeu(kind<QComboBox>(&r.f, "cmbStaudruck"), QStringLiteral("0,8"));
    EXPECT_DOUBLE_EQ(r.f.modell.StaudruckWert(), 0.8);
    EXPECT_FALSE(r.f.Geaendert());
    // the settings text read back chooses the mode and shows the pressure again
    const QString einstellungen = r.f.modell.Einstellungen();
    Reiter neu;
    neu.f.modell.LeseEinstellungen(einstellungen);
    neu.f.ZeigeTraverse();
    EXPECT_EQ(kind<QComboBox>(&neu.f, "cmbBerechnung")->currentIndex(), 2);
    EXPECT_TRUE(kind<QComboBox>(&neu.f, "cmbStaudruck")->isVisible());
    EXPECT_EQ(kind<QComboBox>(&neu.f, "cmbStaudruck")->currentText(), QStringLiteral("0,8"));
}

TEST(Auslastungsreiter, MinimalUndNegativSindDieSelbenAktionenWieImTragfallreiter)
{
    Reiter r;
    kind<QCheckBox>(&r.f, "cbMinimal2")->click();
    EXPECT_TRUE(kind<QCheckBox>(&r.f, "cbMinimal")->isChecked());
    EXPECT_TRUE(r.f.modell.minimal);
    kind<QCheckBox>(&r.f, "cbNegativ")->click();
    EXPECT_TRUE(kind<QCheckBox>(&r.f, "cbNegativ2")->isChecked());
    EXPECT_TRUE(r.f.modell.negativ);
}

TEST(Auslastungsreiter, VersetzenMitUmschaltVerschiebtNachAussenUndRechnet)
{
    Reiter r;
    r.traverse(10);
    for (double x : {-3.0, 0.0, 3.0})
        r.lager(x);
    r.skript.erwarteMeldung(Ueberlast).erwarteMeldung(Ueberlast);
    QTest::mousePress(kind<QToolButton>(&r.f, "sbOuter"), Qt::LeftButton, Qt::ShiftModifier);
    expectPositionen(r.positionen(), {-3.3, 0, 3.3});
    EXPECT_TRUE(r.f.Geaendert());
    EXPECT_EQ(r.f.Statusfeld(1)->text(), QStringLiteral("Berechnet"));
    // any button counts; Ctrl and Shift together stop at the truss ends
    QTest::mousePress(kind<QToolButton>(&r.f, "sbOuter"), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    expectPositionen(r.positionen(), {-5, 0, 5});
}

TEST(Auslastungsreiter, EinLagerBeiPlusNullKommaNullFuenfBleibtBeimVersetzenNachInnen)
{
    Reiter r;
    r.traverse(10);
    r.lager(0.05);
    r.lager(4);
    // 5 m overhang on the left: the left support would pull
    r.skript.erwarteMeldung(QStringLiteral("Kein Tragfall hat alle Lager unter Druck"));
    QTest::mousePress(kind<QToolButton>(&r.f, "sbInner"), Qt::LeftButton);
    expectPositionen(r.positionen(), {0.05, 3.9});
}

TEST(Auslastungsreiter, DiagrammZeigtVorDerRechnungNurDieBezugslinienUndDanachDieQuerkraft)
{
    Reiter r;
    r.traverse(10);
    r.lager(-4);
    r.lager(4);
    r.lager(0); // three supports: three load cases, so the shear has a range at every section
    QWidget* flaeche = kind<QWidget>(&r.f, "pbAuslastung");
    const int h = flaeche->height();
    const int oben = h / 2, y0 = oben + (h - oben) / 2, u = (h - oben) / 4;
    auto zeile = [&](const QImage& bild, int y) {
        int farbig = 0;
        for (int x = 0; x < bild.width(); ++x)
            farbig += bild.pixelColor(x, y) == QColor(0, 128, 0) ? 1 : 0;
        return farbig;
    };
    const QImage vorher = bildVon(flaeche, QStringLiteral("auslastung_vorher"));
    EXPECT_EQ(vorher.pixelColor(vorher.width() / 2, y0 - u), QColor(Qt::blue));
    EXPECT_EQ(vorher.pixelColor(vorher.width() / 2, y0), QColor(Qt::black));
    EXPECT_EQ(zeile(vorher, y0 - 1), 0);
    r.skript.erwarteMeldung(Ueberlast);
    kind<QPushButton>(&r.f, "btnBerechnen")->click();
    QApplication::processEvents();
    const QImage nachher = bildVon(flaeche, QStringLiteral("auslastung_nachher"));
    EXPECT_GT(zeile(nachher, y0 - 1) + zeile(nachher, y0 + 1), 0);
    bildVon(&r.f, QStringLiteral("variante_auslastung"));
}

TEST(Auslastungsreiter, TraverseStehtInDerMitteDerOberenHaelfte)
{
    // The CAD area is higher than the upper half: symbols below the bar were cut off when the bar
    // kept the CAD area's row.
    Reiter r;
    r.traverse(10);
    r.lager(-4);
    r.lager(4);
    QWidget* flaeche = kind<QWidget>(&r.f, "pbAuslastung");
    ASSERT_NE(r.f.ansicht.hoehe, flaeche->height() / 2);
    const QImage bild = bildVon(flaeche, QStringLiteral("auslastung_mitte"));
    const int spalte = r.f.ansicht.Spalte(-2); // no symbol there
    int erste = -1, letzte = -1;
    for (int y = LinealHoehe; y < bild.height() / 2; ++y)
        if (bild.pixelColor(spalte, y) == QColor(0, 0, 255)) {
            erste = erste < 0 ? y : erste;
            letzte = y;
        }
    ASSERT_GE(erste, 0);
    const int mitte = (bild.height() / 2 - LinealHoehe) / 2 + LinealHoehe;
    EXPECT_NEAR((erste + letzte) / 2.0, mitte, 2);
}
