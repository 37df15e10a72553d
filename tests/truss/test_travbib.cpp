// The truss library window: loading at start-up, grid columns, normal and selection mode,
// deleting with the question, the calculation hook.
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "tables/u_stream.h"
#include "truss/fo_travbib.h"
#include "u_fenstertest.h"
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct Umgebung {
    Programmordner ordner;
    SkriptDialoge skript;
    std::unique_ptr<Anwendung> anwendung;
    void starten()
    {
        anwendung = std::make_unique<Anwendung>();
        anwendung->Starten();
    }
    Tfrm_travbib* bibliothek()
    {
        return qobject_cast<Tfrm_travbib*>(anwendung->dauerfenster(Dauerfenster::Traversenbibliothek));
    }
    QString datei() const { return ordner.pfad(QStringLiteral("Traversen/Bibliothek.cds")); }
};

BibliotheksEintrag eintrag(const QString& hersteller, const QString& name, double hoehe)
{
    BibliotheksEintrag e{hersteller, name, QStringLiteral("J. Weiß"), 71.5, 12345.678, 9000.0};
    e.hoehe = hoehe;
    e.breite = hoehe;
    e.gurtzahl = 4;
    return e;
}

// Clicks a button of the modal window once it runs.
void klickeImDialog(Tfrm_travbib* fenster, const char* knopf, int zeile = -1)
{
    QTimer::singleShot(0, fenster, [fenster, knopf, zeile] {
        if (zeile >= 0)
            fenster->Grid()->selectRow(zeile);
        fenster->findChild<QPushButton*>(QString::fromLatin1(knopf))->click();
    });
}

QString zelle(Tfrm_travbib* f, int zeile, int spalte)
{
    return f->Grid()->model()->index(zeile, spalte).data().toString().trimmed();
}
} // namespace

TEST(Traversenbibliotheksfenster, StartetVersteckt_LeerOhneDateiUndMitDenSpaltenDesGrids)
{
    Umgebung u;
    u.starten();
    Tfrm_travbib* f = u.bibliothek();
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(u.skript.gezeigt.isEmpty());
    EXPECT_EQ(f->Bibliothek().cds_travbib.RecordCount(), 0);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Traversen-Bibliothek"));
    const QStringList titel = {"Nr.", "Hersteller", "Name", "Bearbeiter", "Eigenlast [N/m]", "Querkraft [N]",
                               "Biegemoment [Nm]", "Höhe [m]", "Breite [m]", "Gurtzahl", "EI [kNm²]"};
    QAbstractItemModel* modell = f->Grid()->model();
    ASSERT_EQ(modell->columnCount(), 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(modell->headerData(i, Qt::Horizontal).toString(), titel[i]) << i;
    EXPECT_EQ(f->Grid()->horizontalHeader()->sectionSize(0), 28);
    EXPECT_EQ(f->Grid()->horizontalHeader()->sectionSize(6), 117);
    EXPECT_EQ(f->Grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST(Traversenbibliotheksfenster, SchliessenNimmtDieNochOffeneZelleMit)
{
    Umgebung u;
    u.starten();
    Tfrm_travbib* f = u.bibliothek();
    ASSERT_TRUE(f->Bibliothek().InBibliothek(eintrag(QStringLiteral("ABC"), QStringLiteral("F34"), 0.3), {}, keineFrage));
    QTimer::singleShot(0, f, [f] {
        QTableView* grid = f->Grid();
        const QModelIndex hersteller = grid->model()->index(0, 1);
        grid->setCurrentIndex(hersteller);
        grid->edit(hersteller);
        if (auto* feld = qobject_cast<QLineEdit*>(grid->indexWidget(hersteller))) {
            feld->selectAll();
            QTest::keyClicks(feld, QStringLiteral("XYZ"));
        }
        f->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
    });
    Tfrm_menu::Aktion(QStringLiteral("act_bibliothek"))->trigger();
    EXPECT_EQ(zelle(f, 0, 1), QStringLiteral("XYZ"));
    EXPECT_TRUE(u.skript.unerwartet.isEmpty());
}

TEST(Traversenbibliotheksfenster, ZeigtWerteInIhrenFormatenUndWaehltMitOk)
{
    Umgebung u;
    u.starten();
    Tfrm_travbib* f = u.bibliothek();
    ASSERT_TRUE(f->Bibliothek().InBibliothek(eintrag(QStringLiteral("ABC"), QStringLiteral("F34"), 0.3), {}, keineFrage));
    ASSERT_TRUE(f->Bibliothek().InBibliothek(eintrag(QStringLiteral("ABC"), QStringLiteral("F44"), 0.29), {}, keineFrage));
    EXPECT_EQ(zelle(f, 0, 5), QStringLiteral("12 345,68"));
    EXPECT_EQ(zelle(f, 0, 7), QStringLiteral("0,300"));
    EXPECT_EQ(zelle(f, 1, 8), QStringLiteral("0,290"));

    // the F5 command shows the normal mode with the close button only
    QTimer::singleShot(0, f, [f, &u] {
        EXPECT_TRUE(f->isModal());
        EXPECT_TRUE(f->findChild<QPushButton*>(QStringLiteral("btnClose"))->isVisible());
        EXPECT_FALSE(f->findChild<QPushButton*>(QStringLiteral("btnOk"))->isVisible());
        bildVon(f, QStringLiteral("traversenbibliothek"));
        f->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
        Q_UNUSED(u);
    });
    Tfrm_menu::Aktion(QStringLiteral("act_bibliothek"))->trigger();

    klickeImDialog(f, "btnOk", 1);
    const std::optional<BibliotheksEintrag> gewaehlt = f->WaehleTraverse();
    ASSERT_TRUE(gewaehlt.has_value());
    EXPECT_EQ(gewaehlt->name, QStringLiteral("F44"));
    EXPECT_DOUBLE_EQ(gewaehlt->hoehe, 0.29);
    EXPECT_DOUBLE_EQ(gewaehlt->querkraft.toDouble(), 12345.678);
    EXPECT_TRUE(f->findChild<QPushButton*>(QStringLiteral("btnOk"))->isHidden());
    EXPECT_FALSE(f->findChild<QPushButton*>(QStringLiteral("btnClose"))->isHidden());

    klickeImDialog(f, "btnAbort", 0);
    EXPECT_FALSE(f->WaehleTraverse().has_value());
}

TEST(Traversenbibliotheksfenster, LoeschenFragtUndSchreibtDieDateiSofort)
{
    Umgebung u;
    u.starten();
    Tfrm_travbib* f = u.bibliothek();
    ASSERT_TRUE(f->Bibliothek().InBibliothek(eintrag(QStringLiteral("ABC"), QStringLiteral("F34"), 0.3), {}, keineFrage));
    ASSERT_TRUE(f->Bibliothek().InBibliothek(eintrag(QStringLiteral("ABC"), QStringLiteral("F44"), 0.29), {}, keineFrage));
    const QByteArray vorher = dateiInhalt(u.datei());
    f->Grid()->selectRow(0);
    u.skript.erwarteFrage(Antwort::Nein, QStringLiteral("Datensatz löschen?"));
    QTest::keyClick(f->Grid(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f->Bibliothek().cds_travbib.RecordCount(), 2);
    EXPECT_EQ(dateiInhalt(u.datei()), vorher);

    u.skript.erwarteFrage(Antwort::Ja);
    QTest::keyClick(f->Grid(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f->Bibliothek().cds_travbib.RecordCount(), 1);
    EXPECT_EQ(zelle(f, 0, 2), QStringLiteral("F44"));
    EXPECT_NE(dateiInhalt(u.datei()), vorher);
    EXPECT_TRUE(u.skript.allesBeantwortet());

    // the next start reads the rewritten file
    u.anwendung.reset();
    u.starten();
    EXPECT_EQ(u.bibliothek()->Bibliothek().cds_travbib.RecordCount(), 1);
}

TEST(Traversenbibliotheksfenster, FalscherKopfMeldetUndGibtEineLeereBibliothek)
{
    Umgebung u;
    {
        DokumentSchreiber s(u.datei());
        s.Text(QStringLiteral("Kelvara VLX Lastenbibliothek 1.0"));
        s.Abschliessen();
    }
    u.skript.erwarteMeldung(QStringLiteral("keine gültige Traversenbibliothek"));
    u.starten();
    EXPECT_TRUE(u.skript.allesBeantwortet());
    EXPECT_EQ(u.bibliothek()->Bibliothek().cds_travbib.RecordCount(), 0);
}

TEST(Traversenbibliotheksfenster, KalkulationRuftDenHakenDerShell)
{
    Umgebung u;
    u.starten();
    Tfrm_travbib* f = u.bibliothek();
    int aufrufe = 0;
    f->setzeKalkulation([&aufrufe] { ++aufrufe; });
    f->findChild<QPushButton*>(QStringLiteral("btnKalk"))->click();
    EXPECT_EQ(aufrufe, 1);
    EXPECT_EQ(f->findChild<QPushButton*>(QStringLiteral("btnKalk"))->text(), QStringLiteral("&Kalkulation"));
}
