#pragma once
// The paint area of the CAD tab: shows the beam drawing from a cached image, lays the cross-hair
// ticks and the selection box over it (so they erase exactly), and hands the mouse to the tools.
#include <QImage>
#include <QWidget>

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

Q_SIGNALS:
    void mausBewegt(); // the labels of the info group have new texts

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    Balkenmodell& m_modell;
    Cadansicht& m_ansicht;
    Cadwerkzeuge& m_werkzeuge;
    QImage m_bild;
    bool m_veraltet = true;
};
