#pragma once
// The load table window: a maker's load table with the inputs of the truss, the grid of the
// table with its calculated forces, the diagram, and the insert into the truss library. The
// calculation, the file and the insert are the core's (u_belastungstabelle, u_belastungsdatei);
// the window copies its inputs into the core and shows the results.
#include "loadtable/u_belastungstabelle.h"
#include "platform/fo_dokumentfenster.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;
class Belastungsmodell;
class Belastungsdiagrammfeld;

class Tfrm_belastungstabelle : public Dokumentfenster {
    Q_OBJECT
public:
    explicit Tfrm_belastungstabelle(QWidget* eltern = nullptr); // a new window with an empty table
    ~Tfrm_belastungstabelle() override;

    Dokumentart Art() const override { return Dokumentart::Belastungstabelle; }
    void TexteSetzen() override;
    bool Laden(const QString& pfad) override;
    bool DateiSchreiben(const QString& pfad) override;
    void Drucken() override;

    // The library that "in die Bibliothek" inserts into; without one the button is disabled.
    void setzeBibliothek(Traversenbibliothek* bibliothek);
    void btnInsertClick();

    Belastungstabelle& Tabelle() { return m_tabelle; }
    QTableView* Grid() const { return m_grid; }
    QWidget* Diagramm() const;
    QMenu* Menue() const { return m_menue; }

protected:
    QByteArray Stand() override;
    void StandHerstellen(const QByteArray& stand) override;
    QString Schliessfrage() const override;
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    QString Artname() const; // the menu's caption without its accelerator
    void zeigeTitel();       // the kind and the file's name
    QWidget* baueEingaben();
    QWidget* baueEinzelwerte();
    void verbindeEingaben();
    // Inputs to the core and back; the widgets hold what the user typed.
    void uebernimmEingaben();
    void zeigeEingaben();
    void zeigeErgebnisse();
    void ordneUeberschriftenAn();

    Belastungstabelle m_tabelle;
    Traversenbibliothek* m_bibliothek = nullptr;
    bool m_nameUebersetzen = true; // the default name is translated once, unless a file came first

    QLineEdit* edtHersteller;
    QLineEdit* edtName;
    QLineEdit* edtBearbeiter;
    QGroupBox* grp_eigenlast;
    QLineEdit* edtGewicht;
    QComboBox* cmbGewicht;
    QLineEdit* edtLaenge;
    QComboBox* cmbLaenge1;
    QLabel* lblEigenlast;
    QSpinBox* udGurte;
    QCheckBox* cbHoriDiga;
    QLineEdit* edtHoehe;
    QLineEdit* edtBreite;
    QComboBox* cmbHoehe;
    QGroupBox* grp_statik;
    QLabel* lbl_wrt_normalkraft;
    QLineEdit* edtQuerkraft;
    QLabel* lbl_wrt_querkraft;
    QLineEdit* edtBiegemoment;
    QLabel* lbl_wrt_biegemoment;
    QPushButton* btnInsert;
    QTabWidget* m_seiten;
    QWidget* m_einzelwerte;
    QWidget* m_ueberschriften;
    QComboBox* cmbLaenge2;
    QComboBox* cmbEinzellast;
    QComboBox* cmbStreckenlast;
    QLabel* m_ausEinzellast;
    QLabel* m_ausStreckenlast;
    QTableView* m_grid;
    Belastungsmodell* m_modell;
    Belastungsdiagrammfeld* pbDia;
    QMenu* m_menue;
    std::vector<std::pair<QLabel*, int>> m_beschriftungen; // labels and their text ids
};
