// The project window and the palette inside the running program: created by the shell's
// project commands, the palette as the long-lived window, the keyboard hook, a save through
// the command with its dialog, and the English texts of every id.
#include "beam/fo_variante.h"
#include "../beam/editorhilfen.h"
#include "fensterhilfen.h"
#include "language/u_sprachquelle.h"
#include "project/fo_grundrissbox.h"
#include "project/fo_grundrisstool.h"
#include "project/fo_projekt.h"
#include "project/fo_zweiDialog.h"
#include "project/u_projektfelder.h"
#include "project/u_projektvariante.h"
#include <QPushButton>
#include <QTableView>
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "u_fenstertest.h"
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include "shell/fo_main.h"
#include <QFileInfo>
#include <QAction>
#include <QTabWidget>
#include <QToolButton>
#include <QUndoStack>
#include <gtest/gtest.h>

TEST(ProjektInAnwendung, NeuSpeichernUnterUndTastenstufeUeberDieShell)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    auto* palette = qobject_cast<Tfrm_grundrisstool*>(anwendung.dauerfenster(Dauerfenster::Grundrisstool));
    ASSERT_NE(palette, nullptr);
    EXPECT_FALSE(palette->isVisible());

    Tfrm_menu::Aktion(QStringLiteral("act_proj_new"))->trigger();
    auto* fenster = qobject_cast<Tfrm_projekt*>(anwendung.aktivesDokument());
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Projekt"));

    fenster->pcProjekt->setCurrentWidget(fenster->tabGrundriss);
    palette->zeigeFuer(fenster); // what the frame does when the window becomes active
    ASSERT_TRUE(palette->isVisible());
    maus(fenster->pbGrundriss, QEvent::MouseMove, fenster->grundriss().PlanZuBild(QPointF(3, 2)));
    anwendung.setzeModifikatorstufe(5);
    EXPECT_EQ(fenster->grundriss().modifikatorstufe, 5);
    EXPECT_EQ(fenster->grundriss().planmitte, QPointF(3, 2));
    anwendung.setzeModifikatorstufe(1);
    EXPECT_EQ(fenster->grundriss().modifikatorstufe, 1);

    palette->sbTraverse->click();
    klicke(fenster->pbGrundriss, fenster->grundriss().PlanZuBild(QPointF(0, 0)));
    klicke(fenster->pbGrundriss, fenster->grundriss().PlanZuBild(QPointF(4, 0)));
    EXPECT_TRUE(fenster->Geaendert());
    const QString datei = ordner.pfad(QStringLiteral("Projekte/Buehne.prp"));
    skript.erwarteSpeichern(datei);
    Tfrm_menu::Aktion(QStringLiteral("act_proj_save"))->trigger();
    EXPECT_TRUE(skript.allesBeantwortet());
    ASSERT_EQ(skript.dateiDialoge.size(), 1);
    EXPECT_EQ(skript.dateiDialoge[0].startordner, ordner.pfad(QStringLiteral("Projekte/")));
    EXPECT_TRUE(QFileInfo(datei).isFile());
    EXPECT_FALSE(fenster->Geaendert());
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Projekt [%1]").arg(datei));
    fenster->close();
    QApplication::processEvents();
    EXPECT_FALSE(palette->isVisible());
}

TEST(ProjektInAnwendung, EnglischHatEinenTextFuerJedeIdDesProjekts)
{
    const QDir ordner(QStringLiteral(KELVARA_QUELLEN "/assets/sprachen/en"));
    QStringList dateien;
    for (const QString& name : ordner.entryList({QStringLiteral("*.txt")}))
        dateien << ordner.filePath(name);
    const auto texte = LeseSprachquellen(dateien);
    std::vector<int> ids = {1800, 1801, 1802, 1803, 1804, 1805, 1808, 1809, 1810, 1901, 1902, 1903, 1904};
    for (int id = 1831; id <= 1861; ++id)
        ids.push_back(id);
    for (int id = 1870; id <= 1875; ++id)
        ids.push_back(id);
    for (int id : ids)
        EXPECT_EQ(texte.count(id), 1u) << id;
    EXPECT_EQ(texte.at(1802), QStringLiteral("Delete truss %d (%s)?"));
}

namespace {
// The program with a new project of one truss "Front" with one variant "Aufbau".
struct ProjektMitVariante {
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    Tfrm_projekt* fenster = nullptr;
    ProjektMitVariante()
    {
        anwendung.Starten();
        Tfrm_menu::Aktion(QStringLiteral("act_proj_new"))->trigger();
        fenster = qobject_cast<Tfrm_projekt*>(anwendung.aktivesDokument());
        TBClientDataSet& t = fenster->projekt().cds_projekt;
        t.Append();
        t.FieldByName(Projektfeld::Name).SetAsString(QStringLiteral("Front"));
        t.FieldByName(Projektfeld::Position_X1).SetAsFloat(0);
        t.FieldByName(Projektfeld::Position_X2).SetAsFloat(8);
        t.Post();
        setzeZweiWerteAntwort([](const QString&, const QString&, const QString&, QString& a, QString& b) {
            a = QStringLiteral("Aufbau");
            b = QStringLiteral("Petra");
            return true;
        });
        fenster->btnNew->click();
        setzeZweiWerteAntwort({});
        fenster->pcProjekt->setCurrentWidget(fenster->tabVarianten);
    }
    // A double click on the variant row, as the user opens it.
    Tfrm_variante* oeffneVariante()
    {
        QTableView* raster = fenster->dbgVarianten;
        const QPoint pos = raster->visualRect(raster->model()->index(0, 1)).center();
        raster->setCurrentIndex(raster->model()->index(0, 1));
        maus(raster->viewport(), QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
        maus(raster->viewport(), QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
        maus(raster->viewport(), QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
        maus(raster->viewport(), QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
        return qobject_cast<Tfrm_variante*>(anwendung.aktivesDokument());
    }
    void aufraeumen()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
} // namespace

TEST(ProjektInAnwendung, DoppelklickOeffnetDieVarianteImBalkeneditor)
{
    ProjektMitVariante p;
    Tfrm_projekt* fenster = p.fenster;
    Anwendung& anwendung = p.anwendung;
    p.oeffneVariante();
    ASSERT_EQ(anwendung.Dokumente().size(), 2u);

    auto* editor = qobject_cast<Tfrm_variante*>(anwendung.aktivesDokument());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->Projektmodus());
    auto* rahmen = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    ASSERT_NE(rahmen, nullptr);
    EXPECT_TRUE(rahmen->isMaximized()); // the beam editor fills the frame
    EXPECT_EQ(editor->modell.variantenname, QStringLiteral("Aufbau"));
    EXPECT_EQ(editor->modell.bearbeiter, QStringLiteral("Petra"));

    // Closing the project closes its editor with it; nothing is left with a link to nowhere.
    QPointer<Tfrm_variante> offen(editor);
    fenster->projekt().SetzeGeaendert(false);
    fenster->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(offen.isNull());
    EXPECT_TRUE(anwendung.Dokumente().empty());
}


TEST(ProjektInAnwendung, EineSchonOffeneVarianteWirdAktiviertStattEinZweitesMalGeoeffnet)
{
    ProjektMitVariante p;
    Tfrm_variante* editor = p.oeffneVariante();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Variante Aufbau – Projekt"));
    // saved under a name, the project's file names the editor
    const QString datei = p.ordner.pfad(QStringLiteral("Projekte/Festival.prp"));
    ASSERT_TRUE(p.fenster->SpeichernUnter(datei));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Variante Aufbau – Festival.prp"));
    p.anwendung.hauptfenster()->Aktiviere(p.fenster);
    EXPECT_EQ(p.oeffneVariante(), editor);
    EXPECT_EQ(p.anwendung.Dokumente().size(), 2u);
    ohneUnerwartetes(p.skript);
}

TEST(ProjektInAnwendung, SchliessenDesProjektsFragtZuerstSeineEditorenUndEinAbbruchLaesstAllesOffen)
{
    ProjektMitVariante p;
    QPointer<Tfrm_variante> editor(p.oeffneVariante());
    ASSERT_FALSE(editor.isNull());
    tippeNeu(kind<QLineEdit>(editor, "edt_VName"), QStringLiteral("Abbau"));
    ASSERT_TRUE(editor->Geaendert());
    QPointer<Tfrm_projekt> projekt(p.fenster);

    // the editor's own question comes first; Abort keeps the project and the editor
    p.skript.erwarteFrage3(Antwort::Abbrechen, QStringLiteral("Variante wurde geändert.\r\nSpeichern?"));
    EXPECT_FALSE(p.fenster->close());
    p.aufraeumen();
    ASSERT_FALSE(projekt.isNull());
    ASSERT_FALSE(editor.isNull());
    EXPECT_TRUE(editor->Geaendert());

    // Yes writes the variant back into the project, whose own question follows
    p.skript.erwarteFrage3(Antwort::Ja, QStringLiteral("Variante wurde geändert.\r\nSpeichern?"));
    p.skript.erwarteFrage3(Antwort::Abbrechen, QStringLiteral("Projekt wurde geändert.\r\nSpeichern?"));
    EXPECT_FALSE(p.fenster->close());
    p.aufraeumen();
    ASSERT_FALSE(projekt.isNull());
    ASSERT_FALSE(editor.isNull());
    EXPECT_EQ(p.fenster->projekt().cds_varianten.FieldByName(Variantenfeld::Name).AsString(), QStringLiteral("Abbau"));

    p.skript.erwarteFrage3(Antwort::Nein, QStringLiteral("Projekt wurde geändert.\r\nSpeichern?"));
    EXPECT_TRUE(p.fenster->close());
    p.aufraeumen();
    EXPECT_TRUE(projekt.isNull());
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(p.skript.allesBeantwortet());
    ohneUnerwartetes(p.skript);
}

TEST(ProjektInAnwendung, BeimBeendenFragtEinEditorNurEinmal)
{
    ProjektMitVariante p;
    QPointer<Tfrm_variante> editor(p.oeffneVariante());
    tippeNeu(kind<QLineEdit>(editor, "edt_VName"), QStringLiteral("Abbau"));
    p.skript.erwarteFrage3(Antwort::Nein, QStringLiteral("Variante wurde geändert.\r\nSpeichern?"));
    p.skript.erwarteFrage3(Antwort::Nein, QStringLiteral("Projekt wurde geändert.\r\nSpeichern?"));
    EXPECT_TRUE(p.anwendung.hauptfenster()->close());
    EXPECT_TRUE(p.skript.allesBeantwortet());
    ohneUnerwartetes(p.skript);
}

// Reading the variant into the editor is no step: right after opening there is nothing to undo,
// and undoing a change goes back to the variant as read, never past it.
TEST(ProjektInAnwendung, EineGeoeffneteVarianteBeginntOhneSchrittUndRueckgaengigEndetBeiIhr)
{
    ProjektMitVariante p;
    Tfrm_variante* editor = p.oeffneVariante();
    ASSERT_NE(editor, nullptr);
    QApplication::processEvents();
    editor->SchrittAbschliessen();
    EXPECT_FALSE(editor->Rueckgaengig1->isEnabled());
    EXPECT_EQ(editor->Schritte()->count(), 0);
    const QString gelesen = editor->modell.variantenname;

    tippeNeu(kind<QLineEdit>(editor, "edt_VName"), QStringLiteral("Abbau"));
    editor->SchrittAbschliessen();
    ASSERT_TRUE(editor->Rueckgaengig1->isEnabled());
    editor->Rueckgaengig();
    EXPECT_EQ(editor->modell.variantenname, gelesen);
    EXPECT_FALSE(editor->Rueckgaengig1->isEnabled());
    EXPECT_FALSE(editor->Geaendert());
    ohneUnerwartetes(p.skript);
}

// Only what the user does marks the project changed: reading its file again and a language
// switch fill the controls without setting the mark; typing the project's name sets it.
TEST(ProjektInAnwendung, NurEineEingabeSetztDieMarke)
{
    ProjektMitVariante p;
    auto* name = kind<QLineEdit>(p.fenster, "edtProjektName");
    tippeNeu(name, QStringLiteral("Messe"));
    EXPECT_TRUE(p.fenster->Geaendert());
    const QString pfad = p.ordner.pfad(QStringLiteral("Projekte/Messe.prp"));
    ASSERT_TRUE(p.fenster->SpeichernUnter(pfad));
    ASSERT_FALSE(p.fenster->Geaendert());

    tippeNeu(name, QStringLiteral("anders"));
    ASSERT_TRUE(p.fenster->Laden(pfad));
    EXPECT_EQ(name->text(), QStringLiteral("Messe"));
    EXPECT_FALSE(p.fenster->Geaendert());
    setzeUebersetzer([](int id, QString& text) {
        if (id == 1834)
            text = QStringLiteral("Name");
    });
    p.fenster->TexteSetzen();
    setzeUebersetzer({});
    EXPECT_FALSE(p.fenster->Geaendert());

    QTest::keyClicks(name, QStringLiteral(" 2"));
    EXPECT_EQ(p.fenster->projekt().name, QStringLiteral("Messe 2"));
    EXPECT_TRUE(p.fenster->Geaendert());
    p.fenster->setzeGeaendert(false);
    ohneUnerwartetes(p.skript);
}
