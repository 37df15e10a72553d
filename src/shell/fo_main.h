#pragma once
// The main window: a multiple-document frame captioned "Kelvara VLX". Its menu bar shows the
// command module's main menu, merged with the menus of the active document window.
#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class Anwendung;
class Dokumentfenster;
class Tfrm_grundrisstool;

class Tfrm_main : public QMainWindow {
    Q_OBJECT
public:
    explicit Tfrm_main(Anwendung& anwendung);
    ~Tfrm_main() override; // writes the language number into "Kelvara.ini"

    QMdiArea* Bereich() const { return m_bereich; }
    void Aktiviere(Dokumentfenster* fenster);
    void AktualisiereMenue(); // frame menus, each replaced by the active window's of its group

    // Moves a child window that is neither maximised nor minimised fully into the document area,
    // shrinking it to the area as far as its contents allow (a window that still does not fit
    // sits at the area's top left); the frame does it for every child window whenever the area
    // changes its size or a child window closes or is restored.
    void ImBereichHalten(QMdiSubWindow* fenster) const;
    void AlleImBereichHalten() const;

    static void UntereinanderAnordnen(QMdiArea* bereich);
    static void NebeneinanderAnordnen(QMdiArea* bereich);
    static void SymboleAnordnen(QMdiArea* bereich);

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* ziel, QEvent* ereignis) override; // the area's size

private:
    void ersteAnzeige();
    Tfrm_grundrisstool* grundrisspalette() const; // nullptr before the windows are built
    Anwendung& m_anwendung;
    QMdiArea* m_bereich;
    bool m_angezeigt = false;
};
