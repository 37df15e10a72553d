#pragma once
// Printing a truss window: its report in the preview.
class Traversenentwurf;
class QWidget;

class Tfrm_print_traverse {
public:
    // Returns when the preview closes.
    static void Drucken(const Traversenentwurf& entwurf, QWidget* eltern = nullptr);
};
