// The library window's "&Kalkulation" opens the span load calculator for its current row.
#include "calculator/fo_trav_calc.h"
#include "shell/u_anwendung_qt.h"
#include "truss/fo_travbib.h"
#include "u_fenstertest.h"
#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Kalkulation, KnopfDerBibliothekZeigtDenRechnerFuerDieAktuelleZeile)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    auto* bibliothek = qobject_cast<Tfrm_travbib*>(anwendung.dauerfenster(Dauerfenster::Traversenbibliothek));
    auto* rechner = qobject_cast<Tfrm_trav_calc*>(anwendung.dauerfenster(Dauerfenster::Rechner));
    ASSERT_NE(bibliothek, nullptr);
    ASSERT_NE(rechner, nullptr);
    BibliotheksEintrag e;
    e.hersteller = QStringLiteral("Beispiel");
    e.name = QStringLiteral("Q30");
    e.bearbeiter = QStringLiteral("K");
    e.eigenlast = 100.0;
    e.querkraft = 5000.0;
    e.biegemoment = 10000.0;
    ASSERT_TRUE(bibliothek->Bibliothek().InBibliothek(e, Traversenbibliothek::ExistiertMuster(), keineFrage));
    int zeilen = -1;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget() == rechner;
        zeilen = rechner->Grid()->model()->rowCount();
        rechner->reject();
    });
    kind<QPushButton>(bibliothek, "btnKalk")->click();
    EXPECT_TRUE(modal);
    // with BGV C1 this library row ends at L = 21, the first span with a negative point load
    EXPECT_EQ(zeilen, 21);
}
