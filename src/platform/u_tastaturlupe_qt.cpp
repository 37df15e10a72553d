#include "platform/u_tastaturlupe_qt.h"
#include "platform/u_modifikator_qt.h"
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
bool istModifikatortaste(int taste)
{
    switch (taste) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_AltGr: case Qt::Key_Meta:
    case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_CapsLock:
        return true;
    default:
        return false;
    }
}
} // namespace

bool IstTexteingabe(const QWidget* w)
{
    if (const auto* liste = qobject_cast<const QComboBox*>(w))
        return liste->isEditable();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

int Tastaturlupe::Stufe(const QKeyEvent& taste, const QWidget* fokus)
{
    // platforms differ in whether a modifier key's own event carries its modifier
    const bool druck = taste.type() != QEvent::KeyRelease; // a press or its shortcut override
    Qt::KeyboardModifiers tasten = taste.modifiers();
    if (taste.key() == Qt::Key_Control)
        tasten.setFlag(Qt::ControlModifier, druck);
    if (taste.key() == Qt::Key_Shift)
        tasten.setFlag(Qt::ShiftModifier, druck);
    const int stufe = Modifikatorstufe(tasten);
    if (stufe == 1)
        m_kuerzel = false;
    else if (druck && !istModifikatortaste(taste.key()))
        m_kuerzel = true;
    return m_kuerzel || IstTexteingabe(fokus) ? 1 : stufe;
}
