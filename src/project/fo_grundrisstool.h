#pragma once
// Tfrm_grundrisstool: the floor plan's tool palette, one instance for the whole run. It floats
// above the frame as a tool window with a caption the user moves it by (no close button) and
// is shown exactly while the active document window is a project window on its "CAD" tab; it
// then works on that window. Its place is kept between runs by the main window.
#include "platform/u_fensterrollen_qt.h"
#include <QPointer>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;
class QToolButton;
class Tfrm_projekt;
struct Planinfo;

class Tfrm_grundrisstool : public QWidget, public Uebersetzbar, public Modifikatorempfaenger {
    Q_OBJECT
public:
    explicit Tfrm_grundrisstool(QWidget* eltern = nullptr);

    void TexteSetzen() override;
    // The shell calls these when the active document window changes: zeigeFuer when it is a
    // project window (the palette then follows its tab changes and its closing), verberge when
    // it is another window or none.
    void zeigeFuer(Tfrm_projekt* fenster);
    void verberge();
    // The keyboard hook's level (1, 2 with Shift, 5 with Ctrl).
    void setzeModifikatorstufe(int stufe) override;
    // The project window the palette works on; nullptr while hidden.
    Tfrm_projekt* Fenster() const { return m_fenster; }
    // The place stored from an earlier run, taken when it lies on a screen; without one the
    // palette first shows at the top right of the frame, clear of its menus.
    void Platzieren(QPoint gespeichert);
    bool WurdeGezeigt() const { return m_platziert; }

    QGroupBox* grpAnzeige;
    QSlider* tbSize;
    QToolButton* sbCenter;
    QToolButton* sbAll;
    QGroupBox* grpCAD;
    QToolButton* sbSelect;
    QToolButton* sbLinie;
    QToolButton* sbRechteck;
    QToolButton* sbPodestHoriz;
    QToolButton* sbPodestVertic;
    QToolButton* sbTraverse;
    QToolButton* sbDelete;
    QToolButton* sbMove;
    QLineEdit* EdtEins;
    QSpinBox* udEins;
    QLineEdit* edtZwei;
    QSpinBox* udZwei;
    QGroupBox* grpInfo;
    QLabel* lblX;
    QLabel* lblY;
    QLabel* lbldx;
    QLabel* lbldy;
    QLabel* lblL;
    QLabel* lblW;

protected:
    void hideEvent(QHideEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void aktualisieren();
    void binde(Tfrm_projekt* fenster);
    void werkzeugKnopf(QToolButton* knopf, int werkzeug);
    void werkzeugGewechselt(int werkzeug);
    void zeigeEingaben(); // what the bound window's tool needs
    void zeigeInfo(const Planinfo& info);

    QPointer<Tfrm_projekt> m_beobachtet; // the active project window
    QPointer<Tfrm_projekt> m_fenster;    // the one worked on, while shown
    QMetaObject::Connection m_ansicht, m_zerstoert, m_info, m_massstab, m_werkzeug;
    bool m_setzt = false;                // controls are being set from the window
    bool m_platziert = false;            // moved to its place before its first showing
};
