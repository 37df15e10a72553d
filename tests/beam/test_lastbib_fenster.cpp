// The load library window: editing in the grid writes the file at once, a refused row is kept.
#include "beam/fo_lastbib.h"
#include "beam/u_lastbibfelder.h"
#include "platform/u_tabellenmodell_qt.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "u_fenstertest.h"
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
void tippe(Tfrm_lastbib& fenster, int spalte, const QString& text)
{
    Tabellenmodell& m = fenster.Modell();
    ASSERT_TRUE(m.setData(m.index(m.rowCount() - 1, spalte), text, Qt::EditRole));
}

QString bibliotheksdatei() { return Programmverzeichnis() + QStringLiteral("Traversen/Lasten-Bibliothek.cds"); }
} // namespace

TEST(Lastenbibliotheksfenster, ErsteNeueZeileLegtDieDateiMitNummerEinsAn)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Tfrm_lastbib fenster;
    EXPECT_FALSE(QFile::exists(bibliotheksdatei()));
    fenster.Einfuegen();
    tippe(fenster, 1, QStringLiteral("7"));
    tippe(fenster, 2, QStringLiteral("PAR 64"));
    tippe(fenster, 5, QStringLiteral("12,5"));
    tippe(fenster, 6, QStringLiteral("kg"));
    EXPECT_FALSE(QFile::exists(bibliotheksdatei())); // nothing posted while the row is typed
    ASSERT_TRUE(fenster.Modell().NeueZeileUebernehmen());
    EXPECT_TRUE(QFile::exists(bibliotheksdatei()));
    Lastenbibliothek gelesen;
    gelesen.BibliothekLaden(Programmverzeichnis());
    ASSERT_EQ(gelesen.cds_lastbib.RecordCount(), 1);
    EXPECT_EQ(gelesen.cds_lastbib.FieldByName(Lastbibfeld::Nummer).AsInteger(), 1);
    EXPECT_EQ(gelesen.cds_lastbib.FieldByName(Lastbibfeld::Last).AsFloat(), 12.5);
    QAbstractItemModel* m = fenster.Grid()->model();
    EXPECT_EQ(m->data(m->index(0, 5)).toString(), QStringLiteral("12,50"));
    EXPECT_TRUE(skript.gezeigt.isEmpty());
}

TEST(Lastenbibliotheksfenster, ZeileOhneNamenWirdAbgewiesenUndBleibtZumWeitertippen)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Tfrm_lastbib fenster;
    fenster.Einfuegen();
    tippe(fenster, 5, QStringLiteral("3"));
    skript.erwarteMeldung(QStringLiteral("Feld 'Name' muß einen Wert haben"));
    EXPECT_FALSE(fenster.Modell().NeueZeileUebernehmen());
    EXPECT_TRUE(skript.allesBeantwortet());
    EXPECT_TRUE(fenster.Modell().HatNeueZeile());
    EXPECT_EQ(fenster.Bibliothek().cds_lastbib.RecordCount(), 0);
    EXPECT_FALSE(QFile::exists(bibliotheksdatei()));
    tippe(fenster, 2, QStringLiteral("Motor"));
    EXPECT_TRUE(fenster.Modell().NeueZeileUebernehmen());
    EXPECT_EQ(fenster.Bibliothek().cds_lastbib.RecordCount(), 1);
}

TEST(Lastenbibliotheksfenster, LoeschenSchreibtDieDateiUndNummernWerdenNichtWiederVergeben)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Tfrm_lastbib fenster;
    Lastenbibliothek& b = fenster.Bibliothek();
    ASSERT_NO_THROW(b.LastHinzufuegen(7, QStringLiteral("A"), 1, 0, 0, QStringLiteral("kg")));
    ASSERT_NO_THROW(b.LastHinzufuegen(7, QStringLiteral("B"), 2, 0, 0, QStringLiteral("kg")));
    fenster.Grid()->setCurrentIndex(fenster.Modell().index(1, 2));
    fenster.Loeschen();
    Lastenbibliothek gelesen;
    gelesen.BibliothekLaden(Programmverzeichnis());
    EXPECT_EQ(gelesen.cds_lastbib.RecordCount(), 1);
    fenster.Einfuegen();
    tippe(fenster, 2, QStringLiteral("C"));
    ASSERT_TRUE(fenster.Modell().NeueZeileUebernehmen());
    b.cds_lastbib.Last();
    EXPECT_EQ(b.cds_lastbib.FieldByName(Lastbibfeld::Nummer).AsInteger(), 3);
}

TEST(Lastenbibliotheksfenster, F6ZeigtSieModalUndDieSpracheSetztSpalten)
{
    Programmordner ordner;
    schreibeSprachdatei(ordner.pfad(QStringLiteral("Sprachen/E.prl")),
                        {{2210, QStringLiteral("Load library (F6)")}, {2224, QStringLiteral("Area [m²]")}});
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    auto* fenster = qobject_cast<Tfrm_lastbib*>(anwendung.dauerfenster(Dauerfenster::Lastenbibliothek));
    ASSERT_NE(fenster, nullptr);
    EXPECT_FALSE(fenster->isVisible());
    bool warModal = false;
    QTimer::singleShot(0, [&] {
        warModal = QApplication::activeModalWidget() == fenster;
        bildVon(fenster, QStringLiteral("lastenbibliothek"));
        fenster->reject();
    });
    Tfrm_menu::Aktion(QStringLiteral("act_lastbib"))->trigger();
    EXPECT_TRUE(warModal);
    anwendung.menu()->SpracheWechseln(1);
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Load library (F6)"));
    EXPECT_EQ(fenster->Modell().headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Area [m²]"));
    EXPECT_EQ(fenster->Modell().headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Last"));
}
