#include "loadtable/fo_print_belastungstabelle.h"
#include "loadtable/g_bericht_belastung.h"
#include "report/fo_vorschau.h"

void Tfrm_print_belastungstabelle::Drucken(Belastungstabelle& tabelle, QSize diagrammgroesse, QWidget* eltern)
{
    BerichtVorschau(BerichtBelastungstabelle(tabelle, diagrammgroesse, QDateTime::currentDateTime()), eltern);
}
