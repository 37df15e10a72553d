#pragma once
// Tfrm_projekt: the project window with the tabs "Übersicht" (project data and trusses), "CAD"
// (the floor plan) and "Varianten" (the variants of the current truss). The project itself
// lives in Projektmodell, the floor plan's view and tools in Grundrisswerkzeuge; this window
// holds the controls and their wiring. The overview tab is built in fo_projekt_uebersicht.cpp,
// the variant tab in fo_projekt_varianten.cpp.
#include "platform/fo_dokumentfenster.h"
#include "project/u_grundrisswerkzeuge.h"
#include "project/u_projektmodell.h"
#include <QPointer>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class Tabellenmodell;
class TGrundrissbox;

class Tfrm_projekt : public Dokumentfenster {
    Q_OBJECT
public:
    explicit Tfrm_projekt(QWidget* eltern = nullptr);
    ~Tfrm_projekt() override;

    Dokumentart Art() const override { return Dokumentart::Projekt; }
    void TexteSetzen() override;
    bool Laden(const QString& pfad) override;
    // Asks "Datei %s existiert bereits." / "Überschreiben?" for an existing file; a write error
    // is shown and gives false.
    bool DateiSchreiben(const QString& pfad) override;

    Projektmodell& projekt() { return m_projekt; }

    // The beam editors open on this project's variants: they close before the project does, and
    // opening a variant that has one activates it.
    void EditorMerken(Dokumentfenster* editor, const Variantenverweis& verweis);
    Dokumentfenster* EditorFuer(const Variantenverweis& verweis) const;
    std::vector<Dokumentfenster*> Abhaengige() const override;
    Grundrisswerkzeuge& grundriss() { return m_grundriss; }

    // Whether the floor plan is the visible tab (and the window is not closing).
    bool ZeigtGrundriss() const;
    void GrundrissNeuzeichnen();
    // The palette's tool buttons and slider act through these.
    void WerkzeugWaehlen(int werkzeug);
    void MassstabSetzen(double massstab);
    void PlanZentrieren();   // sbCenter: the origin at the middle
    void PlanEinpassen();    // sbAll
    void ElementeLoeschen(); // sbDelete
    // Keyboard level from the shell's hook, through the palette.
    void setzeModifikatorstufe(int stufe);

    // Opens the current variant (truss and variant number) in a beam editor, handed over by
    // whoever creates the window (the shell); without it a double click only makes the variant
    // current.
    std::function<void(Tfrm_projekt&, int traverse, int variante)> oeffneVariante;

    // Controls, named as the user sees them; tests reach them here.
    QTabWidget* pcProjekt;
    QWidget* tabUebersicht;
    QWidget* tabGrundriss;
    QWidget* tabVarianten;

    QGroupBox* gbProjekt;
    QLabel* lblProjektName;
    QLineEdit* edtProjektName;
    QLabel* lblProjektBearbeiter;
    QLineEdit* edtProjektBearbeiter;
    QLabel* lblProjektAnmerkungen;
    QPlainTextEdit* memProjektAnmerkungen;
    QGroupBox* gbTraversen;
    QLabel* lblTravNummer;
    QLineEdit* edtTravName;
    QLabel* lblTravAnmerkungen;
    QPlainTextEdit* memTravAnmerkung;
    QLabel* lblTravVarianten;
    QTableView* dbgTravVarianten;
    QToolButton* nbTravDelete;
    QToolButton* nbTravPost;
    QToolButton* nbTravCancel;
    QTableView* dbgTraversen;

    TGrundrissbox* pbGrundriss;

    QLabel* lblTraverse;
    QLabel* lblTraverseWert;
    QToolButton* nbFirst;
    QToolButton* nbPrior;
    QToolButton* nbNext;
    QToolButton* nbLast;
    QLabel* lblVariante;
    QLabel* lblVarianteWert;
    QLabel* lblName;
    QLabel* lblNameWert;
    QLabel* lblBearbeiter;
    QLabel* lblBearbeiterWert;
    QLabel* lblAuslastung;
    QLabel* lblAuslastungWert;
    QLabel* lblStatus;
    QLabel* lblStatusWert;
    QGroupBox* gbBemerkung;
    QPlainTextEdit* memBemerkung;
    QGroupBox* gbEinstellungen;
    QPlainTextEdit* memEinstellungen;
    QPushButton* btnNew;
    QPushButton* btnDelete;
    QPushButton* btnAnmerkung;
    QPushButton* btnDuplicate;
    QTableView* dbgVarianten;

    QMenu* Projekt1;
    QAction* Schlieen1;
    // The rigging plan and the project's calculation (fo_projekt_riggingplan.cpp).
    QAction* act_proj_print;
    QAction* act_proj_calc;
    QAction* act_proj_export;

    // Prints the rigging plan through the preview, which offers the paper and a recalculation.
    void Drucken() override;
    // Computes every variant and stores its results as the beam editor does; the messages of
    // the calculations are shown together.
    void VariantenBerechnenClick();
    // The rigging points as a spreadsheet, after the save dialog.
    void RiggingpunkteExportieren();

    // The variant buttons (also wired to the tables' hooks).
    void btnNewClick();
    void btnDeleteClick();
    void btnAnmerkungClick();
    void btnDuplicateClick();
    void KnoepfeAktualisieren();

Q_SIGNALS:
    // The visible tab changed or the window is closing: the palette shows or hides.
    void ansichtGewechselt();
    // The window chose another floor-plan tool itself (after a move): the palette shows it.
    void werkzeugGewechselt();

protected:
    QString Schliessfrage() const override; // "%s wurde geändert." with %s = "Projekt"
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    QByteArray Stand() override { return m_projekt.Stand(); }
    void StandHerstellen(const QByteArray& stand) override;
    void AenderungsstandGesetzt(bool geaendert) override;
    QByteArray Vergleichsstand(const QByteArray& stand) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    static QTableView* tabellenansicht(const char* name, QWidget* eltern);
    static QToolButton* navigatorknopf(const char* name, const QString& zeichen, QWidget* eltern);
    // The German column titles (the texts' defaults); nurLesen for every column.
    static void setzeTitel(Tabellenmodell& modell, const QStringList& titel, bool nurLesen = false);
    // Runs a table operation; its Fehler is shown and the window goes on.
    static void ausfuehren(const std::function<void()>& aktion);
    QWidget* baueUebersicht();
    QWidget* baueGrundriss();
    QWidget* baueVarianten();
    void texteUebersicht();
    void texteVarianten();
    void zeigeTraverse();   // the current truss's fields on both tabs
    void zeigeVariante();   // the current variant's fields
    void zeigeZustand();    // caption, file name and changed mark from the model
    void zeigeProjektdaten();
    void projektdatenUebernehmen(); // typed name, editor or notes: into the model, marked changed
    void dbgTraversenDblClick();
    void dbgVariantenDblClick();
    void nbTravDeleteClick();
    void varianteOeffnen();
    void baueRiggingbefehle();
    void texteRiggingbefehle();
    void verbindeSchritte(); // fo_projekt_schritte.cpp
    bool m_verschiebt = false; // the left button down moved the marked elements

    struct Editor {
        QPointer<Dokumentfenster> fenster;
        Variantenverweis verweis;
    };
    std::vector<Editor> m_editoren;
    Projektmodell m_projekt;
    Grundrisswerkzeuge m_grundriss{m_projekt};
    std::unique_ptr<Tabellenmodell> m_traversenModell;
    std::unique_ptr<Tabellenmodell> m_travVariantenModell;
    std::unique_ptr<Tabellenmodell> m_variantenModell;
    bool m_schliesst = false;
    bool m_notizGetippt = false; // the truss note is being written from the memo
};
