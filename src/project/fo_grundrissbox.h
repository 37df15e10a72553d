#pragma once
// pbGrundriss: the paint box of the floor plan. It paints the plan from the project window's
// Grundrisswerkzeuge, follows the mouse with rubber band and cursor cross, and hands the clicks
// to the tools. The wheel zooms about the pointer, the middle button drags the plan, Esc
// cancels a tool half-way, Home shows the whole plan and '.' the marked elements.
#include "project/u_grundrisswerkzeuge.h"
#include <QPixmap>
#include <QWidget>
#include <optional>

class TGrundrissbox : public QWidget {
    Q_OBJECT
public:
    TGrundrissbox(Grundrisswerkzeuge& werkzeuge, QWidget* eltern = nullptr);

    // Paints the plan anew (tables or view changed); the cursor cross is forgotten.
    void Neuzeichnen();
    // Right click and keyboard magnification: centres the view on the cursor and moves the
    // mouse pointer to the middle of the box.
    void AufCursorZentrieren();
    // The keyboard magnifier (see Grundrisswerkzeuge::StufeSetzen); the pointer goes to the
    // middle, and back to the point it showed when the level returns to 1.
    bool StufeSetzen(int stufe);
    // Centre and scale to the whole plan, or to the marked elements (false, and the view as it
    // was, when none is marked).
    bool Einpassen(bool nurAuswahl);
    QPoint Kreuz() const { return m_kreuz; }

Q_SIGNALS:
    void infoGeaendert(const Planinfo& info);
    void massstabGeaendert(double massstab); // by the mouse wheel or by fitting

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    void bewegung(QPoint pixel, bool linksGedrueckt);
    void zeigerZurMitte();

    Grundrisswerkzeuge& m_werkzeuge;
    QPixmap m_plan;
    bool m_planVeraltet = true;
    QPoint m_kreuz{-100, -100};  // cursor cross last drawn; (-100, -100) when none
    std::optional<QPoint> m_maus; // last mouse position inside the box; none once it left
    bool m_linksGedrueckt = false;
    std::optional<QPoint> m_ziehen; // where the middle button last dragged the plan from
    int m_rad = 0;                  // wheel angle not yet turned into a scale step
};
