#pragma once
// A picture box that draws one SVG resource scaled into its rectangle (nothing while it has none).
#include <QString>
#include <QWidget>

class Bildfeld : public QWidget {
public:
    explicit Bildfeld(QWidget* eltern = nullptr, QSize groesse = QSize(209, 209));
    void setzeBild(const QString& resource);
    QString Bild() const { return m_bild; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QString m_bild;
};
