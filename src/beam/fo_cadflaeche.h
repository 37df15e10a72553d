#pragma once
// The paint area of the CAD tab: shows the beam drawing from a cached image, lays the cross-hair
// ticks and the selection box over it (so they erase exactly), and hands the mouse to the tools.
// The wheel zooms about the pointer, the middle button (or Space with the left one) drags the
// beam, a double click of the middle button shows the whole truss, Esc cancels a tool half-way.
#include <QImage>
#include <QWidget>
#include <optional>

class Balkenmodell;
class Cadansicht;
class Cadwerkzeuge;

class Cadflaeche : public QWidget {
    Q_OBJECT
public:
    Cadflaeche(Balkenmodell& modell, Cadansicht& ansicht, Cadwerkzeuge& werkzeuge, QWidget* eltern = nullptr);

    // Draws the beam anew at the next paint; the cross-hair starts over at (−100, −100).
    void neuZeichnen();
    const QImage& Bild() const { return m_bild; }
    // The pointer's pixel while it is over the shown view; none when it left.
    std::optional<QPoint> Zeiger() const;
    // Moves the mouse pointer to the pixel (the tools re-centre under it).
    void ZeigerSetzen(QPoint pixel);

Q_SIGNALS:
    void mausBewegt(); // the labels of the info group have new texts
    void reglerGeaendert(int position); // the wheel chose another zoom slider position
    void einpassenGewuenscht();          // the whole truss, by a middle double click
    void positionGetippt(const QString& text); // a digit typed while a placing tool is active

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
    void leaveEvent(QEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    void ziehenBeenden();

    Balkenmodell& m_modell;
    Cadansicht& m_ansicht;
    Cadwerkzeuge& m_werkzeuge;
    QImage m_bild;
    bool m_veraltet = true;
    std::optional<QPoint> m_zeiger;
    std::optional<int> m_ziehen; // the column the view was last dragged from
    bool m_leertaste = false;    // Space held: the left button drags the view
    int m_rad = 0;               // wheel angle not yet turned into a slider step
};
