#include "beam/fo_print_variante.h"
#include "beam/g_bericht_variante.h"
#include "report/fo_vorschau.h"

void Tfrm_print_variante::Drucken(Balkenmodell& modell, Balkenrechnung& rechnung, const QImage& auslastungsbild,
                                  QWidget* eltern)
{
    BerichtVorschau(BerichtVariante(modell, rechnung, auslastungsbild, QDateTime::currentDateTime()), eltern);
}
