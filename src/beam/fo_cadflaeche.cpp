#include "beam/fo_cadflaeche.h"
#include "beam/g_cadansicht.h"
#include "beam/u_cadwerkzeuge.h"
#include <QMouseEvent>
#include <QPainter>

Cadflaeche::Cadflaeche(Balkenmodell& modell, Cadansicht& ansicht, Cadwerkzeuge& werkzeuge, QWidget* eltern)
    : QWidget(eltern), m_modell(modell), m_ansicht(ansicht), m_werkzeuge(werkzeuge)
{
    setObjectName(QStringLiteral("pbCAD"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setMinimumSize(300, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Cadflaeche::neuZeichnen()
{
    m_veraltet = true;
    m_ansicht.fadenkreuz = QPoint(-100, -100);
    update();
}

void Cadflaeche::resizeEvent(QResizeEvent*)
{
    m_ansicht.breite = width();
    m_ansicht.hoehe = height();
    neuZeichnen();
}

void Cadflaeche::paintEvent(QPaintEvent*)
{
    if (m_veraltet || m_bild.size() != size() * devicePixelRatio()) {
        m_bild = QImage(size() * devicePixelRatio(), QImage::Format_RGB32);
        m_bild.setDevicePixelRatio(devicePixelRatio());
        QPainter maler(&m_bild);
        ZeichneBalken(maler, rect(), palette().color(QPalette::Button), m_ansicht, m_modell);
        m_veraltet = false;
    }
    QPainter p(this);
    p.drawImage(0, 0, m_bild);
    ZeichneFadenkreuz(p, m_ansicht, m_werkzeuge.auswahlrahmen);
}

void Cadflaeche::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint punkt = e->position().toPoint();
    m_werkzeuge.MausBewegt(punkt.x(), punkt.y(), e->buttons() & Qt::LeftButton);
    update();
    Q_EMIT mausBewegt();
}

void Cadflaeche::mousePressEvent(QMouseEvent* e)
{
    const QPoint punkt = e->position().toPoint();
    m_werkzeuge.MausGedrueckt(punkt.x(), punkt.y(), e->button());
    update();
    Q_EMIT mausBewegt();
}

void Cadflaeche::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint punkt = e->position().toPoint();
    m_werkzeuge.MausLosgelassen(punkt.x(), punkt.y(), e->button());
    update();
}
