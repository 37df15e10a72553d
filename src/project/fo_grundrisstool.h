#pragma once
// Tfrm_grundrisstool: the floor plan's tool palette, one instance for the whole run. It floats
// above the frame as a tool window with a caption the user moves it by (no close button), or
// sits docked at the frame's left or right side, and is shown exactly while the active document
// window is a project window on its "CAD" tab; it then works on that window. Its place and
// side are kept between runs by the main window.
#include "platform/u_fensterrollen_qt.h"
#include <QDockWidget>
#include <QPointer>

class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;
class QToolButton;
class Tfrm_projekt;
struct Planinfo;

class Tfrm_grundrisstool : public QDockWidget, public Uebersetzbar, public Modifikatorempfaenger {
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
    // palette first floats at the top right of the frame, clear of its menus.
    void Platzieren(QPoint gespeichert);
    // Where it floats (or last floated); known once it was placed.
    bool OrtBekannt() const { return m_platziert; }
    QPoint Ort() const { return m_ort; }
    // 0 floating, else the frame side it is docked at (Qt::LeftDockWidgetArea 1,
    // Qt::RightDockWidgetArea 2). Andocken takes such a value; the side counts as chosen once
    // it was given or the user docked or undocked the palette.
    int Andockseite() const;
    void Andocken(int seite);
    bool SeiteGewaehlt() const { return m_seiteGewaehlt; }

    QGroupBox* grpAnzeige;
    QSlider* tbSize;
    QToolButton* sbCenter;
    QToolButton* sbAll;
    QToolButton* sbAuswahl;  // zoom to the marked elements
    QToolButton* sbAndocken; // dock at the frame's side or float again
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
    void moveEvent(QMoveEvent* e) override;
    bool event(QEvent* e) override;

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
    bool m_platziert = false;            // moved to its place before its first showing
    QPoint m_ort;                        // its place while floating
    QPoint m_ortVorDemZiehen;            // where a drag of its caption began
    int m_seite = Qt::RightDockWidgetArea; // the side it docks at
    bool m_seiteGewaehlt = false;
};
