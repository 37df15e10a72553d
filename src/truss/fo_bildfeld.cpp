#include "truss/fo_bildfeld.h"
#include <QPainter>
#include <QSvgRenderer>

Bildfeld::Bildfeld(QWidget* eltern, QSize groesse) : QWidget(eltern) { setFixedSize(groesse); }

void Bildfeld::setzeBild(const QString& resource)
{
    if (m_bild == resource)
        return;
    m_bild = resource;
    update();
}

void Bildfeld::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    if (!m_bild.isEmpty()) {
        QSvgRenderer svg(m_bild);
        svg.setAspectRatioMode(Qt::KeepAspectRatio);
        svg.render(&maler, QRectF(rect()));
    }
    maler.setPen(palette().color(QPalette::Mid));
    maler.drawRect(rect().adjusted(0, 0, -1, -1));
}
