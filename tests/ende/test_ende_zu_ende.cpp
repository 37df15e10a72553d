// The program as a user meets it: a fresh program folder with the shipped example data and the
// English language file; every document kind is opened, calculated, saved, reopened and printed
// to PDF through the commands of the main menu, and what is read back is compared.
#include "beam/fo_variante.h"
#include "beam/u_balkenfelder.h"
#include "loadtable/fo_belastungstabelle.h"
#include "loadtable/u_belastungsfelder.h"
#include "project/fo_grundrisstool.h"
#include "project/fo_projekt.h"
#include "project/u_projektfelder.h"
#include "report/fo_vorschau.h"
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "truss/fo_traverse.h"
#include "u_fenstertest.h"
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// The program folder as the build leaves it: example data, help and languages.
void kopiereProgrammdaten(const Programmordner& ordner)
{
    const QString quelle = QStringLiteral(KELVARA_BINAER "/bin/");
    for (const char* unter : {"Traversen", "Projekte", "Sprachen"}) {
        QDirIterator it(quelle + QString::fromLatin1(unter), QDir::Files);
        while (it.hasNext()) {
            const QString datei = it.next();
            QFile::copy(datei, ordner.pfad(QString::fromLatin1(unter) + QLatin1Char('/') + QFileInfo(datei).fileName()));
        }
    }
    QFile::copy(quelle + QStringLiteral("kelvara_vlx.chm"), ordner.pfad(QStringLiteral("kelvara_vlx.chm")));
}

// Runs a print command; its preview writes the PDF through its button and is closed again.
int druckeAlsPdf(SkriptDialoge& skript, const QString& pdf, const std::function<void()>& drucken)
{
    int seiten = 0;
    QTimer schliesser;
    schliesser.setInterval(20);
    QObject::connect(&schliesser, &QTimer::timeout, [&] {
        auto* v = qobject_cast<Tfrm_vorschau*>(QApplication::activeModalWidget());
        if (!v)
            return;
        seiten = v->seitenzahl();
        skript.erwarteSpeichern(pdf);
        v->findChild<QPushButton*>(QStringLiteral("btnPdf"))->click();
        v->findChild<QPushButton*>(QStringLiteral("btnSchliessen"))->click();
    });
    schliesser.start();
    drucken();
    return seiten;
}

// A moving-head spot of 28 kg at x.
void haengeSpotAuf(Balkenmodell& m, double x)
{
    m.cds_lasten.Append();
    m.cds_lasten.FieldByName(Lastfeld::Nummer).SetAsInteger(m.NeueLastnummer());
    m.cds_lasten.FieldByName(Lastfeld::Type).SetAsInteger(ArtMHSpot);
    m.cds_lasten.FieldByName(Lastfeld::Pos1).SetAsFloat(x);
    m.cds_lasten.FieldByName(Lastfeld::Pos2).SetAsFloat(x);
    m.cds_lasten.FieldByName(Lastfeld::Last).SetAsFloat(28 * 9.81);
    m.cds_lasten.Post();
}

bool istPdf(const QString& pfad) { return dateiInhalt(pfad).startsWith("%PDF"); }

QString labelText(QWidget* fenster, const char* name)
{
    auto* l = fenster->findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QString();
}

struct Programm {
    Programmordner ordner;
    SkriptDialoge skript;
    std::unique_ptr<Anwendung> anwendung;
    Programm()
    {
        kopiereProgrammdaten(ordner);
        anwendung = std::make_unique<Anwendung>();
        anwendung->Starten();
    }
    Tfrm_menu& menu() { return *anwendung->menu(); }
    QString pfad(const QString& relativ) const { return ordner.pfad(relativ); }
};
} // namespace

TEST(EndeZuEnde, TraverseOeffnenSpeichernWiederOeffnenUndDrucken)
{
    Programm p;
    p.skript.erwarteOeffnen(p.pfad(QStringLiteral("Traversen/Beispiel 4-Punkt 290 (50x2).prt")));
    auto* fenster = qobject_cast<Tfrm_traverse*>(p.menu().Oeffnen(Dokumentart::Traverse));
    ASSERT_NE(fenster, nullptr);
    const QString moment = labelText(fenster, "lblValueBiegemoment");
    EXPECT_FALSE(moment.isEmpty());
    EXPECT_NE(moment, QStringLiteral("0,00"));

    const QString kopie = p.pfad(QStringLiteral("Traversen/Kopie.prt"));
    p.skript.erwarteSpeichern(kopie);
    Tfrm_menu::Aktion(QStringLiteral("act_trav_saveas"))->trigger();
    EXPECT_EQ(dateiInhalt(kopie), dateiInhalt(p.pfad(QStringLiteral("Traversen/Beispiel 4-Punkt 290 (50x2).prt"))));
    auto* wieder = qobject_cast<Tfrm_traverse*>(p.menu().OeffneDatei(Dokumentart::Traverse, kopie));
    ASSERT_NE(wieder, nullptr);
    EXPECT_EQ(labelText(wieder, "lblValueBiegemoment"), moment);

    const QString pdf = p.pfad(QStringLiteral("traverse.pdf"));
    EXPECT_EQ(druckeAlsPdf(p.skript, pdf, [] { Tfrm_menu::Aktion(QStringLiteral("act_trav_print"))->trigger(); }), 2);
    EXPECT_TRUE(istPdf(pdf));
    EXPECT_TRUE(p.skript.unerwartet.isEmpty()) << p.skript.unerwartet.join(u'|').toStdString();
}

TEST(EndeZuEnde, BelastungstabelleEingebenSpeichernWiederOeffnenUndDrucken)
{
    Programm p;
    auto* fenster = qobject_cast<Tfrm_belastungstabelle*>(p.menu().Neu(Dokumentart::Belastungstabelle));
    ASSERT_NE(fenster, nullptr);
    TBClientDataSet& t = fenster->Tabelle().cds_traverse;
    for (const auto& [laenge, punkt, strecke] : {std::tuple{4, 900.0, 450.0}, {6, 700.0, 230.0}, {8, 520.0, 130.0}}) {
        t.Append();
        t.FieldByName(Belastungsfeld::laenge).SetAsInteger(laenge);
        t.FieldByName(Belastungsfeld::einzellast).SetAsFloat(punkt);
        t.FieldByName(Belastungsfeld::streckenlast).SetAsFloat(strecke);
        t.Post();
    }
    const QString querkraft = fenster->Tabelle().QuerkraftText();
    const QString datei = p.pfad(QStringLiteral("Traversen/Hersteller.prb"));
    p.skript.erwarteSpeichern(datei);
    Tfrm_menu::Aktion(QStringLiteral("act_bel_save"))->trigger(); // no file yet: the save-as dialog
    EXPECT_FALSE(fenster->Geaendert());
    auto* wieder = qobject_cast<Tfrm_belastungstabelle*>(p.menu().OeffneDatei(Dokumentart::Belastungstabelle, datei));
    ASSERT_NE(wieder, nullptr);
    EXPECT_EQ(wieder->Tabelle().cds_traverse.RecordCount(), 3);
    EXPECT_EQ(wieder->Tabelle().QuerkraftText(), querkraft);

    const QString pdf = p.pfad(QStringLiteral("belastung.pdf"));
    EXPECT_GE(druckeAlsPdf(p.skript, pdf, [] { Tfrm_menu::Aktion(QStringLiteral("act_bel_print"))->trigger(); }), 1);
    EXPECT_TRUE(istPdf(pdf));
    EXPECT_TRUE(p.skript.unerwartet.isEmpty()) << p.skript.unerwartet.join(u'|').toStdString();
}

TEST(EndeZuEnde, EinzelprojektBerechnenSpeichernWiederOeffnenUndDrucken)
{
    Programm p;
    auto* fenster = qobject_cast<Tfrm_variante*>(p.menu().Neu(Dokumentart::Einzelprojekt));
    ASSERT_NE(fenster, nullptr);
    Balkenmodell& m = fenster->modell;
    m.traverse = {8, 0.29, 0.29, 4, 44.68, 9018.61, 16368.76};
    for (double x : {-3.5, 3.5}) {
        m.cds_lager.Append();
        m.cds_lager.FieldByName(Lagerfeld::Nummer).SetAsInteger(m.NeueLagernummer());
        m.cds_lager.FieldByName(Lagerfeld::Type).SetAsInteger(ArtMotorzug);
        m.cds_lager.FieldByName(Lagerfeld::Position).SetAsFloat(x);
        m.cds_lager.Post();
    }
    haengeSpotAuf(m, 0);
    kind<QAction>(fenster, "actBerechnen")->trigger();
    const QString auslastung = fenster->Statusfeld(2)->text();
    EXPECT_FALSE(auslastung.isEmpty());

    const QString datei = p.pfad(QStringLiteral("Projekte/Spannweite.pre"));
    p.skript.erwarteSpeichern(datei);
    Tfrm_menu::Aktion(QStringLiteral("act_e_filesaveas"))->trigger();
    EXPECT_FALSE(fenster->Geaendert());
    auto* wieder = qobject_cast<Tfrm_variante*>(p.menu().OeffneDatei(Dokumentart::Einzelprojekt, datei));
    ASSERT_NE(wieder, nullptr);
    EXPECT_EQ(wieder->modell.cds_lager.RecordCount(), 2);
    EXPECT_EQ(wieder->modell.cds_lasten.RecordCount(), 1);
    kind<QAction>(wieder, "actBerechnen")->trigger();
    EXPECT_EQ(wieder->Statusfeld(2)->text(), auslastung);

    const QString pdf = p.pfad(QStringLiteral("variante.pdf"));
    EXPECT_GE(druckeAlsPdf(p.skript, pdf, [] { Tfrm_menu::Aktion(QStringLiteral("act_e_print"))->trigger(); }), 1);
    EXPECT_TRUE(istPdf(pdf));
    wieder->setzeGeaendert(false);
    EXPECT_TRUE(p.skript.unerwartet.isEmpty()) << p.skript.unerwartet.join(u'|').toStdString();
}

TEST(EndeZuEnde, ProjektVarianteImEditorRechnenZurueckschreibenSpeichernUndWiederOeffnen)
{
    Programm p;
    p.skript.erwarteOeffnen(p.pfad(QStringLiteral("Projekte/Beispielprojekt.prp")));
    auto* projekt = qobject_cast<Tfrm_projekt*>(p.menu().Oeffnen(Dokumentart::Projekt));
    ASSERT_NE(projekt, nullptr);
    ASSERT_EQ(projekt->projekt().cds_projekt.RecordCount(), 4);
    EXPECT_EQ(p.skript.dateiDialoge.at(0).startordner, p.pfad(QStringLiteral("Projekte/")));

    // the palette comes with the floor plan tab
    auto* palette = qobject_cast<Tfrm_grundrisstool*>(p.anwendung->dauerfenster(Dauerfenster::Grundrisstool));
    ASSERT_NE(palette, nullptr);
    projekt->pcProjekt->setCurrentWidget(projekt->tabGrundriss);
    QApplication::processEvents();
    EXPECT_TRUE(palette->isVisible());
    projekt->PlanEinpassen();
    bildVon(p.anwendung->hauptfenster(), QStringLiteral("beispielprojekt_grundriss"));
    projekt->pcProjekt->setCurrentWidget(projekt->tabUebersicht);
    QApplication::processEvents();
    EXPECT_FALSE(palette->isVisible());

    // the front truss's main variant opens in a beam editor by double click
    TBClientDataSet& traversen = projekt->projekt().cds_projekt;
    traversen.First();
    const QModelIndex erste = projekt->dbgTraversen->model()->index(0, 0);
    Q_EMIT projekt->dbgTraversen->doubleClicked(erste);
    auto* editor = qobject_cast<Tfrm_variante*>(p.anwendung->aktivesDokument());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->modell.cds_lager.RecordCount(), 3);
    // reading the variant is no step: nothing to undo yet (undoing it restored an empty editor)
    QApplication::processEvents();
    editor->SchrittAbschliessen();
    EXPECT_FALSE(editor->Rueckgaengig1->isEnabled()) << editor->Rueckgaengig1->text().toStdString();
    // one more spot, calculated and written back
    Balkenmodell& m = editor->modell;
    haengeSpotAuf(m, 0);
    kind<QAction>(editor, "actBerechnen")->trigger();
    const double auslastung = editor->rechnung.auslastung.value_or(-1);
    ASSERT_TRUE(editor->Zurueckschreiben());
    EXPECT_TRUE(projekt->Geaendert());
    editor->close();

    const QString datei = p.pfad(QStringLiteral("Projekte/Stadtfest.prp"));
    p.anwendung->hauptfenster()->Aktiviere(projekt);
    p.skript.erwarteSpeichern(datei);
    Tfrm_menu::Aktion(QStringLiteral("act_proj_saveas"))->trigger();
    EXPECT_FALSE(projekt->Geaendert());
    auto* wieder = qobject_cast<Tfrm_projekt*>(p.menu().OeffneDatei(Dokumentart::Projekt, datei));
    ASSERT_NE(wieder, nullptr);
    Projektmodell& w = wieder->projekt();
    w.cds_projekt.First();
    EXPECT_NEAR(w.cds_varianten.FieldByName(Variantenfeld::Auslastung).AsFloat(), auslastung, 1e-9);
    EXPECT_EQ(w.cds_lasten.RecordCount(), 9); // six lights, two truss forces and the new spot
    EXPECT_TRUE(p.skript.unerwartet.isEmpty()) << p.skript.unerwartet.join(u'|').toStdString();
}

TEST(EndeZuEnde, EnglischUndZurueckUndBeendenSchreibtDieSprachnummer)
{
    Programm p;
    p.menu().Neu(Dokumentart::Traverse);
    QMenu* sprache = p.menu().Sprachmenue();
    int englisch = 0;
    for (QAction* a : sprache->actions())
        if (a->text() == QStringLiteral("English.prl"))
            englisch = a->data().toInt();
    ASSERT_GT(englisch, 0);
    p.menu().SpracheWechseln(englisch);
    EXPECT_EQ(Tfrm_menu::Aktion(QStringLiteral("act_trav_new"))->text(), QStringLiteral("&New"));
    p.anwendung->hauptfenster()->close();
    p.anwendung.reset();
    EXPECT_TRUE(dateiInhalt(p.pfad(QStringLiteral("Kelvara.ini"))).contains(QByteArray("Nummer=") + QByteArray::number(englisch)));
    EXPECT_TRUE(p.skript.unerwartet.isEmpty()) << p.skript.unerwartet.join(u'|').toStdString();
}
