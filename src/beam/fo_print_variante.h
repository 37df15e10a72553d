#pragma once
// Printing a variant from the beam editor: the report of the calculated variant in the preview.
#include <QImage>

class Balkenmodell;
class Balkenrechnung;
class QWidget;

class Tfrm_print_variante {
public:
    // The editor runs its Berechnen first and draws its utilisation view onto auslastungsbild
    // (Auslastungsbild at the size of pbAuslastung). Returns when the preview closes.
    static void Drucken(Balkenmodell& modell, Balkenrechnung& rechnung, const QImage& auslastungsbild,
                        QWidget* eltern = nullptr);
};
