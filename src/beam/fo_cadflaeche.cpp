#include "beam/fo_cadflaeche.h"
#include "beam/g_cadansicht.h"
#include "beam/u_cadwerkzeuge.h"
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

Cadflaeche::Cadflaeche(Balkenmodell& modell, Cadansicht& ansicht, Cadwerkzeuge& werkzeuge, QWidget* eltern)
    : QWidget(eltern), m_modell(modell), m_ansicht(ansicht), m_werkzeuge(werkzeuge)
{
    setObjectName(QStringLiteral("pbCAD"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::ClickFocus); // Esc, Space and typed positions reach the view once it was clicked
    setMinimumSize(300, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Cadflaeche::neuZeichnen()
{
    m_veraltet = true;
    m_ansicht.fadenkreuz = QPoint(-100, -100);
    update();
}

std::optional<QPoint> Cadflaeche::Zeiger() const { return isVisible() ? m_zeiger : std::nullopt; }

void Cadflaeche::ZeigerSetzen(QPoint pixel)
{
    m_zeiger = pixel;
    QCursor::setPos(mapToGlobal(pixel));
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
    m_zeiger = punkt;
    if (m_ziehen) {
        m_ansicht.Verschieben(punkt.x() - *m_ziehen);
        m_ziehen = punkt.x();
        neuZeichnen();
    }
    m_werkzeuge.MausBewegt(punkt.x(), punkt.y(), !m_ziehen && (e->buttons() & Qt::LeftButton));
    update();
    Q_EMIT mausBewegt();
}

void Cadflaeche::mousePressEvent(QMouseEvent* e)
{
    const QPoint punkt = e->position().toPoint();
    m_zeiger = punkt;
    setFocus(Qt::MouseFocusReason); // whatever button: Shift and Ctrl then act here, not in a text field
    if (e->button() == Qt::MiddleButton || (e->button() == Qt::LeftButton && m_leertaste)) {
        m_ziehen = punkt.x(); // dragging the view, no tool acts
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    m_werkzeuge.MausGedrueckt(punkt.x(), punkt.y(), e->button());
    update();
    Q_EMIT mausBewegt();
}

void Cadflaeche::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_ziehen) {
        ziehenBeenden();
        return;
    }
    const QPoint punkt = e->position().toPoint();
    m_werkzeuge.MausLosgelassen(punkt.x(), punkt.y(), e->button());
    update();
}

void Cadflaeche::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::MiddleButton) {
        ziehenBeenden();
        Q_EMIT einpassenGewuenscht();
        return;
    }
    mousePressEvent(e); // the second click of a tool counts as a click
}

void Cadflaeche::ziehenBeenden()
{
    m_ziehen.reset();
    setCursor(m_leertaste ? Qt::OpenHandCursor : Qt::CrossCursor);
}

void Cadflaeche::wheelEvent(QWheelEvent* e)
{
    // A notch is 120; touch pads send smaller steps that add up to one.
    m_rad += e->angleDelta().y();
    const int schritte = m_rad / 120;
    m_rad %= 120;
    if (const std::optional<int> position = m_ansicht.ZoomUm(e->position().toPoint().x(), schritte)) {
        neuZeichnen();
        Q_EMIT reglerGeaendert(*position);
    }
    e->accept();
}

void Cadflaeche::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        m_werkzeuge.Abbrechen();
        Q_EMIT mausBewegt();
    } else if (e->key() == Qt::Key_Space) {
        if (!e->isAutoRepeat()) {
            m_leertaste = true;
            if (!m_ziehen)
                setCursor(Qt::OpenHandCursor);
        }
    } else if (!e->text().isEmpty() && QStringLiteral("0123456789-,.").contains(e->text())) {
        Q_EMIT positionGetippt(e->text());
    } else {
        QWidget::keyPressEvent(e);
    }
}

void Cadflaeche::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() != Qt::Key_Space || e->isAutoRepeat())
        return QWidget::keyReleaseEvent(e);
    m_leertaste = false;
    if (!m_ziehen)
        setCursor(Qt::CrossCursor);
}

void Cadflaeche::leaveEvent(QEvent*)
{
    if (!m_ziehen)
        m_zeiger.reset();
}

void Cadflaeche::focusOutEvent(QFocusEvent*)
{
    m_leertaste = false; // the Space release goes elsewhere
    if (!m_ziehen)
        setCursor(Qt::CrossCursor);
}
