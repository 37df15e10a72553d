#include "project/fo_grundrissbox.h"
#include "platform/u_dialoge.h"
#include "platform/u_fehler.h"
#include "project/g_grundriss.h"
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

TGrundrissbox::TGrundrissbox(Grundrisswerkzeuge& werkzeuge, QWidget* eltern)
    : QWidget(eltern), m_werkzeuge(werkzeuge)
{
    setObjectName(QStringLiteral("pbGrundriss"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::ClickFocus); // Shift, Ctrl and Esc reach the plan once it was clicked
    setMinimumSize(200, 150);
}

void TGrundrissbox::Neuzeichnen()
{
    m_planVeraltet = true;
    m_kreuz = QPoint(-100, -100);
    update();
}

void TGrundrissbox::paintEvent(QPaintEvent*)
{
    if (m_planVeraltet || m_plan.size() != size()) {
        m_werkzeuge.groesse = size();
        m_plan = QPixmap(size());
        QPainter maler(&m_plan);
        ZeichneGrundriss(maler, m_werkzeuge, palette().color(QPalette::Button));
        m_planVeraltet = false;
    }
    QPainter maler(this);
    maler.drawPixmap(0, 0, m_plan);
    if (m_kreuz != QPoint(-100, -100))
        ZeichneCursor(maler, m_werkzeuge.Band(m_kreuz, m_linksGedrueckt), m_kreuz);
}

void TGrundrissbox::resizeEvent(QResizeEvent*)
{
    m_werkzeuge.groesse = size();
    Neuzeichnen();
}

void TGrundrissbox::bewegung(QPoint pixel, bool linksGedrueckt)
{
    m_maus = pixel;
    m_linksGedrueckt = linksGedrueckt;
    Q_EMIT infoGeaendert(m_werkzeuge.Bewegung(pixel));
    m_kreuz = m_werkzeuge.PlanZuBild(m_werkzeuge.Gerastet(pixel));
    update();
}

void TGrundrissbox::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pixel = e->position().toPoint();
    if (m_ziehen && (e->buttons() & Qt::MiddleButton)) {
        m_werkzeuge.Verschieben(*m_ziehen, pixel);
        m_ziehen = pixel;
        Neuzeichnen();
    }
    bewegung(pixel, e->buttons() & Qt::LeftButton);
}

void TGrundrissbox::mousePressEvent(QMouseEvent* e)
{
    const QPoint pixel = e->position().toPoint();
    bewegung(pixel, e->buttons() & Qt::LeftButton);
    if (e->button() == Qt::LeftButton) {
        try {
            m_werkzeuge.LinksGedrueckt(pixel);
        } catch (const Fehler& f) {
            dialoge().Meldung(f.meldung());
        }
        Neuzeichnen();
    } else if (e->button() == Qt::RightButton) {
        AufCursorZentrieren();
    } else if (e->button() == Qt::MiddleButton) {
        m_ziehen = pixel;
        setCursor(Qt::ClosedHandCursor);
    }
}

void TGrundrissbox::mouseReleaseEvent(QMouseEvent* e)
{
    m_linksGedrueckt = false;
    if (e->button() == Qt::MiddleButton) {
        m_ziehen.reset();
        setCursor(Qt::CrossCursor);
    }
    if (e->button() == Qt::LeftButton)
        m_werkzeuge.LinksLosgelassen(e->position().toPoint());
    Neuzeichnen();
}

void TGrundrissbox::zeigerZurMitte()
{
    const QPoint mitte(width() / 2, height() / 2);
    m_maus = mitte;
    QCursor::setPos(mapToGlobal(mitte));
}

void TGrundrissbox::AufCursorZentrieren()
{
    if (!m_maus)
        return; // the mouse never was over the plan: nothing to centre on
    m_werkzeuge.Zentrieren(*m_maus);
    zeigerZurMitte();
    Neuzeichnen();
}

bool TGrundrissbox::StufeSetzen(int stufe)
{
    const std::optional<QPointF> gezeigt = m_maus ? std::optional(m_werkzeuge.BildZuPlan(*m_maus)) : std::nullopt;
    if (!m_werkzeuge.StufeSetzen(stufe, m_maus))
        return false;
    if (stufe > 1) {
        zeigerZurMitte();
    } else if (gezeigt) { // the point under the pointer stays under it
        m_maus = m_werkzeuge.PlanZuBild(*gezeigt);
        QCursor::setPos(mapToGlobal(*m_maus));
    }
    Neuzeichnen();
    return true;
}

void TGrundrissbox::leaveEvent(QEvent*)
{
    if (!m_ziehen)
        m_maus.reset(); // the magnifier acts only while the pointer is over the plan
}

void TGrundrissbox::wheelEvent(QWheelEvent* e)
{
    // A notch is 120; touch pads send smaller steps that add up to one.
    m_rad += e->angleDelta().y();
    const int schritte = m_rad / 120;
    m_rad %= 120;
    if (schritte != 0 && m_werkzeuge.ZoomUm(e->position().toPoint(), schritte)) {
        Neuzeichnen();
        Q_EMIT massstabGeaendert(m_werkzeuge.massstab);
    }
    e->accept();
}

bool TGrundrissbox::Einpassen(bool nurAuswahl)
{
    m_werkzeuge.groesse = size();
    if (!nurAuswahl)
        m_werkzeuge.Einpassen();
    else if (!m_werkzeuge.AuswahlEinpassen())
        return false;
    Neuzeichnen();
    Q_EMIT massstabGeaendert(m_werkzeuge.massstab);
    return true;
}

void TGrundrissbox::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Escape:
        m_werkzeuge.Abbrechen();
        Neuzeichnen();
        break;
    case Qt::Key_Home:
        Einpassen(false);
        break;
    case Qt::Key_Period:
        Einpassen(true);
        break;
    default:
        QWidget::keyPressEvent(e);
    }
}
