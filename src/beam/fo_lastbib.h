#pragma once
// The load library window: one instance for the whole run, shown as a modal dialog (F6). Its grid
// edits the library's entries; every change is written to the file at once.
#include "beam/u_lastenbibliothek.h"
#include "platform/u_fensterrollen_qt.h"
#include <QDialog>

class QPushButton;
class QTableView;
class QToolButton;
class Tabellenmodell;

class Tfrm_lastbib : public QDialog, public Uebersetzbar {
    Q_OBJECT
public:
    explicit Tfrm_lastbib(QWidget* eltern = nullptr); // loads the library file
    void TexteSetzen() override;
    Lastenbibliothek& Bibliothek() { return m_bibliothek; }
    QTableView* Grid() const { return m_grid; }
    Tabellenmodell& Modell() const { return *m_modell; }
    void Einfuegen(); // a new row in the grid (Insert)
    void Loeschen();  // the grid's current row (Ctrl+Del)

protected:
    void done(int ergebnis) override; // takes a cell edit still open in the grid first
    void showEvent(QShowEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    Lastenbibliothek m_bibliothek;
    Tabellenmodell* m_modell;
    QTableView* m_grid;
    QToolButton* m_einfuegen;
    QToolButton* m_loeschen;
    QPushButton* btnCancel;
};
