#pragma once
// The keyboard magnifier's level from the key events the application sees: 5 while Ctrl is held,
// else 2 while Shift is held, else 1. The keys stay keys where they mean something else: the
// level is 1 while the keyboard focus is in a text input (Ctrl+A, a capital letter), and from a
// key pressed together with Ctrl or Shift (Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z, Shift+A) until both are
// released, so such a shortcut never leaves a view magnified.
class QKeyEvent;
class QWidget;

// A line edit, an editable list, a spin box or a multi-line text.
bool IstTexteingabe(const QWidget* widget);

class Tastaturlupe {
public:
    // The level after this key press, shortcut override or release, with the focus widget at
    // that moment.
    int Stufe(const QKeyEvent& taste, const QWidget* fokus);

private:
    bool m_kuerzel = false; // a key came with Ctrl or Shift held
};
