#pragma once
// Helpers of the project window tests: typing into a widget and answering a modal dialog.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

// Sends the characters of text as key presses to w.
inline void tippe(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &druck);
        QKeyEvent los(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &los);
    }
}

// Runs handle with the modal dialog once it is shown (handle must close it).
template <typename D> void beimModalenDialog(std::function<void(D&)> handle)
{
    QTimer::singleShot(0, [handle] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        if (d)
            handle(*d);
        else if (QWidget* w = QApplication::activeModalWidget())
            w->close(); // a stray dialog must not hang the test
    });
}

// A mouse event at the pixel pos of w.
inline void maus(QWidget* w, QEvent::Type art, QPoint pos, Qt::MouseButton knopf = Qt::LeftButton,
                 Qt::MouseButtons gehalten = Qt::NoButton, Qt::KeyboardModifiers tasten = Qt::NoModifier)
{
    QMouseEvent e(art, QPointF(pos), w->mapToGlobal(QPointF(pos)), knopf, gehalten, tasten);
    QApplication::sendEvent(w, &e);
}

inline void klicke(QWidget* w, QPoint pos, Qt::MouseButton knopf = Qt::LeftButton)
{
    maus(w, QEvent::MouseMove, pos, Qt::NoButton);
    maus(w, QEvent::MouseButtonPress, pos, knopf, knopf);
    maus(w, QEvent::MouseButtonRelease, pos, knopf, Qt::NoButton);
}
