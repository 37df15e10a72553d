#pragma once
// A panel of edit fields bound to the current row of a table, with a navigator (delete, edit,
// post, cancel): the selected support or load of the beam editor. Typing puts the row into edit,
// Enter in any field posts it; while the row is edited the fields show the window colour.
#include "tables/u_feldname.h"
#include <QFrame>
#include <functional>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class TBClientDataSet;

class Zeilenpanel : public QFrame {
    Q_OBJECT
public:
    Zeilenpanel(TBClientDataSet& tabelle, QWidget* eltern = nullptr);

    // Adds a captioned field; read-only fields are shown but never written.
    QLineEdit* Feld(QLabel* beschriftung, Feldname feldname, bool nurLesen = false);
    QLabel* lblArt = nullptr; // the kind name of the row's Type
    QToolButton* btnLoeschen = nullptr;
    QToolButton* btnBearbeiten = nullptr;
    QToolButton* btnPosten = nullptr;
    QToolButton* btnAbbrechen = nullptr;

    void Aktualisieren();
    bool Posten();
    void Abbrechen();
    void Loeschen();
    void setzeNavigatortexte(const QString& loeschen, const QString& bearbeiten, const QString& posten,
                             const QString& abbrechen);

private:
    struct Bindung {
        QLineEdit* edit;
        int feld;
        bool nurLesen;
        QString gezeigt; // the text last shown, to write only what the user changed
    };
    void getippt();
    void faerbe();

    TBClientDataSet& m_tabelle;
    QGridLayout* m_raster;
    std::vector<Bindung> m_bindungen;
    bool m_tippt = false; // the user's edit is pending: table changes do not overwrite it
};
