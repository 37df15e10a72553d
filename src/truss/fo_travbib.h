#pragma once
// The truss library window: the library table in a grid, shown modally either to look at and
// delete rows (normal mode) or to pick one (selection mode). It lives for the whole run and owns
// the library; other windows reach it through the application object.
#include "platform/u_fensterrollen_qt.h"
#include "truss/u_traversenbibliothek.h"
#include <QDialog>
#include <functional>
#include <optional>

class QPushButton;
class QTableView;
class Tabellenmodell;

class Tfrm_travbib : public QDialog, public Uebersetzbar {
    Q_OBJECT
public:
    explicit Tfrm_travbib(QWidget* eltern = nullptr); // loads the library file beside the program
    ~Tfrm_travbib() override;

    void TexteSetzen() override;
    Traversenbibliothek& Bibliothek() { return m_bibliothek; }
    QTableView* Grid() const { return DBGrid1; }

    // Selection mode: true when the window was closed with OK; the table's current row is the
    // chosen truss then.
    bool TraverseWaehlen();
    // The same, giving the values of the chosen row (empty numbers read 0), or nothing.
    std::optional<BibliotheksEintrag> WaehleTraverse();
    BibliotheksEintrag AktuelleZeile();

    // "&Kalkulation": the span load calculator for the current row; the shell sets it.
    void setzeKalkulation(std::function<void()> kalkulation) { m_kalkulation = std::move(kalkulation); }
    // Deletes the current row after the question (the grid's Ctrl+Del).
    void ZeileLoeschen();

protected:
    void done(int ergebnis) override; // takes a cell edit still open in the grid first
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void setzeAuswahlmodus(bool waehlen);

    Traversenbibliothek m_bibliothek;
    Tabellenmodell* m_modell;
    QTableView* DBGrid1;
    QPushButton* btnKalk;
    QPushButton* btnOk;
    QPushButton* btnAbort;
    QPushButton* btnClose;
    std::function<void()> m_kalkulation;
};
