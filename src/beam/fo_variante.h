#pragma once
// The beam editor: one beam analysis as a single project (its own ".pre" file) or as a variant of
// a project truss. The CAD tab places supports and loads with the mouse tools, the tables tab
// shows the rows and the results of Berechnen, the utilisation tab holds the calculation options.
// Built in three files: this window's life, files and menus (fo_variante.cpp), the CAD tab
// (fo_variante_cad.cpp), the tables and utilisation tabs (fo_variante_tabellen.cpp,
// fo_variante_auslastung.cpp) and the continuous-beam tab (fo_variante_durchlauf.cpp).
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_cadwerkzeuge.h"
#include "platform/fo_dokumentfenster.h"
#include "platform/u_fensterrollen_qt.h"
#include <array>
#include <memory>

class Cadflaeche;
class Lastenbibliothek;
class Tabellenmodell;
class Variantenprojekt;
class Zeilenpanel;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QVBoxLayout;
class QTableView;
class QTableWidget;
class QGridLayout;
class QToolButton;
class QWidget;

// A check box that shows and sets the check mark of its shared action.
void BindeKasten(QCheckBox* kasten, QAction* aktion);

class Tfrm_variante : public Dokumentfenster, public Modifikatorempfaenger {
    Q_OBJECT
public:
    // A new single project with the initial truss values.
    explicit Tfrm_variante(QWidget* eltern = nullptr);
    // A project variant: reads it from the project, which must outlive the window.
    explicit Tfrm_variante(Variantenprojekt& projekt, QWidget* eltern = nullptr);
    ~Tfrm_variante() override;

    Dokumentart Art() const override { return Dokumentart::Einzelprojekt; }
    void TexteSetzen() override;
    bool Laden(const QString& pfad) override;
    bool DateiSchreiben(const QString& pfad) override;
    void Drucken() override;

    // The keyboard magnifier: the modifier level of the keys held (1, 2 or 5).
    void setzeModifikatorstufe(int stufe) override;

    bool Projektmodus() const { return m_projekt != nullptr; }
    bool Berechnet() const { return m_berechnet; }
    void setzeBerechnet(bool berechnet);
    void Berechnen();

    // Where this editor takes the truss and load libraries from, handed over by whoever creates
    // it (the shell: its long-lived library windows); without them it has none.
    // traverseWaehlen shows the truss library for choosing and returns its table with the
    // chosen row current, or nullptr when the user cancelled.
    std::function<TBClientDataSet*()> traverseWaehlen;
    std::function<Lastenbibliothek*()> lastenbibliothek;

    // What the window shows and edits: plain classes that other code and tests use without pixels.
    Balkenmodell modell;
    Balkenrechnung rechnung{modell};
    Cadansicht ansicht;
    Cadwerkzeuge werkzeuge{modell, ansicht};

    // Writes the variant back into its project ("&Speichern" of the project mode).
    bool Zurueckschreiben();

    // Re-reads the whole model into the controls (truss values, texts, panels).
    void ZeigeTraverse();

protected:
    bool SchliessenErlaubt() override;
    QString Schliessfrage() const override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    QByteArray Stand() override;
    void StandHerstellen(const QByteArray& stand) override;

private:
    // Controls, named as the user and the report know them; tests find them by these object names.
    QTabWidget* pcHaupt = nullptr;
    QWidget* tab_cad = nullptr;
    QWidget* tab_Tabellen = nullptr;
    QWidget* tab_Auslastung = nullptr;
    Cadflaeche* pbCAD = nullptr;

    QGroupBox* gbInfo = nullptr;
    QLabel* lblX = nullptr;
    QLabel* lblX1 = nullptr;
    QLabel* lblInfo1 = nullptr;

    QGroupBox* gbAnsicht = nullptr;
    QSlider* tbSize = nullptr;
    QToolButton* sbAll = nullptr;
    QLabel* lblEinhKraft = nullptr;
    QComboBox* cmbEinheitKraft = nullptr;
    QLabel* lblEinhStrelast = nullptr;
    QComboBox* cmbEinheitStreckenlast = nullptr;

    QGroupBox* gbLastBib = nullptr;
    QComboBox* cmbLastBib = nullptr;
    QToolButton* sbLastBibAdd = nullptr;

    QGroupBox* gbWerkzeug = nullptr;
    QButtonGroup* werkzeuggruppe = nullptr;
    std::array<QToolButton*, 18> werkzeugknoepfe{}; // by tool code 1 to 17: sbSelect … sbTravKraft
    QToolButton* sbDelete = nullptr;
    QToolButton* sbSwitchUp = nullptr;
    QToolButton* sbSwitchDown = nullptr;

    QWidget* pnlEigenschaften = nullptr;
    QLabel* lblGroesse = nullptr;
    QComboBox* cmbGroesse = nullptr;
    QLabel* lblLast = nullptr;
    QLineEdit* edtLast = nullptr;
    QLabel* lblName = nullptr;
    QLineEdit* edtName = nullptr;
    QWidget* pnlPropLager = nullptr;
    QLabel* lblLagMax = nullptr;
    QLineEdit* edtMaximal = nullptr;
    QLabel* lblLagMin = nullptr;
    QLineEdit* edtMinimal = nullptr;
    QWidget* pnlPropLasten = nullptr;
    QLabel* lblAequivalenzflaeche = nullptr;
    QLineEdit* edtAequivalenzflaeche = nullptr;

    QWidget* pnlTravKraft = nullptr;
    QLabel* lblTravKraftBreite = nullptr;
    QComboBox* cmbTravKraftBreite = nullptr;
    QLabel* lblTravKraftLast = nullptr;
    QLineEdit* edtTravKraftLast = nullptr;
    QLabel* lblTravKraftTraverse = nullptr;
    QComboBox* cmbTravKraftTraverse = nullptr;
    QLabel* lblTravKraftVariante = nullptr;
    QComboBox* cmbTravKraftVariante = nullptr;
    QLabel* lblTravKraftLager = nullptr;
    QComboBox* cmbTravKraftLager = nullptr;

    // Typed positions and n equal items of the placing tools.
    QWidget* pnlEintippen = nullptr;
    QLabel* lblPosX1 = nullptr;
    QLineEdit* edtPosX1 = nullptr;
    QLabel* lblPosX2 = nullptr;
    QLineEdit* edtPosX2 = nullptr;
    QLabel* lblAnzahl = nullptr;
    QSpinBox* udAnzahl = nullptr;
    QToolButton* btnSetzen = nullptr;
    // One load for all marked loads.
    QWidget* pnlLastAlle = nullptr;
    QLabel* lblLastAlle = nullptr;
    QLineEdit* edtLastAlle = nullptr;
    QToolButton* btnLastAlle = nullptr;

    Zeilenpanel* pnlLast = nullptr;
    QLabel* lblNummer = nullptr;
    QLabel* lblName2 = nullptr;
    QLabel* lblPos1 = nullptr;
    QLabel* lblPos2 = nullptr;
    QLabel* lblBreite2 = nullptr;
    QLabel* lblLast2 = nullptr;
    Zeilenpanel* pnlLager = nullptr;
    QLabel* lbldbNummer = nullptr;
    QLabel* lbldbName = nullptr;
    QLabel* lbldbPos = nullptr;
    QLabel* lbldbBreite = nullptr;
    QLabel* lblEigenlast = nullptr;
    QLabel* lbldbMaximallast = nullptr;
    QLabel* lbldbMinimalkraft = nullptr;

    QGroupBox* gbTraverse = nullptr;
    QLabel* lblTravName = nullptr;
    QLabel* lblGurte = nullptr;
    QLabel* lblLaenge = nullptr;
    QLabel* lblTravL = nullptr;
    QLabel* lblHoehe = nullptr;
    QLabel* lblTravH = nullptr;
    QLabel* lblravBreite = nullptr;
    QLabel* lblTravB = nullptr;
    QLabel* lblEigenlast2 = nullptr;
    QLabel* lblTravE = nullptr;
    QLabel* lblQuerkraft = nullptr;
    QLabel* lblTravQ = nullptr;
    QLabel* lblBiegemoment = nullptr;
    QLabel* lblTravM = nullptr;

    QGroupBox* gbVariante = nullptr;
    QLabel* lbl_VName = nullptr;
    QLineEdit* edt_VName = nullptr;
    QLabel* lbl_VBearbeiter = nullptr;
    QLineEdit* edt_VBearbeiter = nullptr;

    QTabWidget* pcTabellen = nullptr;
    QWidget* tabLager = nullptr;
    QWidget* tabLasten = nullptr;
    QWidget* tabTrag = nullptr;
    QWidget* tabMaxima = nullptr;
    QTableView* sgLager = nullptr;
    QTableView* sgLasten = nullptr;
    QTableView* sgTragfaelle = nullptr;
    QTableView* sgPositionen = nullptr;
    QTableView* sgMaxima = nullptr;
    QCheckBox* cbMinimal = nullptr;
    QCheckBox* cbNegativ = nullptr;
    QPushButton* btnBerechnen2 = nullptr;

    // Shared by the buttons and check boxes of the tables tab and the utilisation tab.
    QAction* actBerechnen = nullptr;
    QAction* actMinimal = nullptr;
    QAction* actNegativ = nullptr;

    // Utilisation tab.
    QSlider* tbSize2 = nullptr;
    QToolButton* sbAll2 = nullptr;
    QPushButton* btnBerechnen = nullptr;
    QCheckBox* cbMinimal2 = nullptr;
    QCheckBox* cbNegativ2 = nullptr;
    QComboBox* cmbBerechnung = nullptr;
    QLabel* lblStaudruck = nullptr;
    QComboBox* cmbStaudruck = nullptr;
    QLabel* lblLagerVersetzen = nullptr;
    QLabel* lblWarnungen = nullptr; // what makes the last result unsafe, in red
    QToolButton* sbInner = nullptr;
    QToolButton* sbOuter = nullptr;
    QWidget* pbAuslastung = nullptr;

    // Continuous-beam tab and the truss's bending stiffness in the truss group.
    QWidget* tab_Durchlauf = nullptr;
    QLabel* lblDurchbiegungsgrenze = nullptr;
    QLineEdit* edtDurchbiegungsgrenze = nullptr;
    QTableWidget* sgDurchlauf = nullptr;
    QLabel* lblDurchlaufErgebnis = nullptr;
    QLabel* lblDurchlaufMeldungen = nullptr;
    QLabel* lblDurchlaufGrenzen = nullptr;
    QWidget* pbDurchlauf = nullptr;
    QPushButton* btnBerechnen3 = nullptr;
    QLabel* lblTravEI = nullptr;
    QLineEdit* edtTravEI = nullptr;

    QMenu* Einzelprojekt1 = nullptr;
    QMenu* Variante1 = nullptr;
    QAction* Schlieen1 = nullptr;
    QAction* Sschlieen1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* alteFassung1 = nullptr;
    QAction* importieren1 = nullptr;
    QAction* exportieren1 = nullptr;

    // Menu commands of the project mode; the rest of the truss group: choosing from the
    // library, typing the length.
    void AlteFassung();
    void Importieren();
    void Exportieren();
    void TraverseAusBibliothek();
    void LaengeEingeben();
    void LagerVersetzen(bool nachAussen, Qt::KeyboardModifiers tasten);

    void aufbauen();
    void baueCadTab();
    void baueWerkzeuggruppe(QWidget* eltern);
    void baueTabellenTab();
    void baueAuslastungTab();
    void baueDurchlaufTab();
    void baueSteifigkeit(QGridLayout* gruppe, int zeile);
    void zeigeSteifigkeit(); // EI and the deflection limit as the model holds them
    void zeigeDurchlauf();   // the last calculation's continuous beam, in the current language
    void zeigeRechenart(); // mode and dynamic pressure as the model holds them
    void baueMenues();
    void baueZeilenpanele(QWidget* eltern);
    // Every caption with its text id; its German text is set at once.
    void beschrifte(QObject* ziel, int id, const char* deutsch);
    void legeBeschriftungenAn();
    void TexteSetzenPanele();
    void TexteSetzenWerkzeuge();
    void TexteSetzenTabellen();
    void verbindeModell();
    void einzelprojektmodus();
    void setzeTitel(bool nachDatei = false);
    void zeigeStatus();
    void zeigeWarnungen();
    void nachDemLesen();
    void neuZeichnen();

    void werkzeugGewaehlt(int code);
    void zeigeEingaben();
    void zeigeAuswahl();
    void fokusZurAnsicht(QWidget* vorher); // vorher: the focus before a panel change
    void baueEintippen(QVBoxLayout* gruppe);
    void eintippen();
    void fuelleLastBib();
    void lastBibGewaehlt(int index);
    void lastBibHinzufuegen();
    void fuelleTravKraftTraversen();
    void travKraftTraverseGewaehlt(int index);
    void travKraftVarianteGewaehlt(int index);
    void travKraftLagerGewaehlt(int index);
    void reglerGeaendert(int position);
    void einpassen();
    void legeErgebnisgitterAn();
    // Undo steps (fo_variante_schritte.cpp): names for the buttons and inputs, and the CAD
    // tools' clicks; true when the event has been handled.
    void verbindeSchritte();
    bool cadSchritt(QEvent* ereignis);
    QString verschiebename();
    QString setzname() const; // "Motorzug setzen": the step of placing with the current tool

    struct Beschriftung {
        QObject* ziel;
        int id;
    };
    std::vector<Beschriftung> m_beschriftungen;
    Variantenprojekt* m_projekt = nullptr;
    bool m_berechnet = false;
    bool m_verschiebt = false; // the mouse button down moved the marked elements
    std::unique_ptr<Tabellenmodell> m_lagerModell, m_lastenModell, m_tragModell, m_positionsModell, m_maximaModell;
};
