#pragma once
// The span load calculator: for the library's current truss, span by span, the self-weight and
// the largest loads of a simple beam, in the units and load patterns chosen; created once at
// start and opened modally by the truss library. Its five choices persist between openings.
#include "calculator/u_travlaenge.h"
#include "platform/u_fensterrollen_qt.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class Spannweitenmodell;

class Tfrm_trav_calc : public QDialog, public Uebersetzbar {
    Q_OBJECT
public:
    explicit Tfrm_trav_calc(QWidget* eltern = nullptr);
    ~Tfrm_trav_calc() override;

    void TexteSetzen() override;
    // Builds the table for the library's current row and shows the window modally.
    void ZeigeLaengen(TBClientDataSet& cds_travbib);
    // The building alone (ZeigeLaengen without the modal loop); false for a library without rows.
    bool BaueTabelle(TBClientDataSet& cds_travbib);

    void btnExportClick();
    QTableView* Grid() const { return DrawGrid1; }

private:
    void uebernimmAuswahl();

    Traversenkalkulator m_kalkulator;
    QLabel* lblName;
    QCheckBox* cb_bgvc1;
    QCheckBox* cbDurchbiegung;  // the deflection limit L/200, shown when the truss has EI
    QLabel* lblDurchbiegung;    // what a marked value means
    QComboBox* cmbEigenlast;
    QComboBox* cmbGleichlast;
    QComboBox* cmbDrittel;
    QComboBox* cmbViertel;
    QWidget* pbAussen;
    QTableView* DrawGrid1;
    Spannweitenmodell* m_modell;
    QPushButton* btnExport;
    QPushButton* btnClose;
};
