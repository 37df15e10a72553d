#pragma once
// Printing a load table window: its report in the preview.
#include <QSize>

class Belastungstabelle;
class QWidget;

class Tfrm_print_belastungstabelle {
public:
    // diagrammgroesse: the size of the window's diagram area (pbDia), shown or not.
    // Returns when the preview closes.
    static void Drucken(Belastungstabelle& tabelle, QSize diagrammgroesse, QWidget* eltern = nullptr);
};
