#include "truss/fo_print_traverse.h"
#include "report/fo_vorschau.h"
#include "truss/g_bericht_traverse.h"

void Tfrm_print_traverse::Drucken(const Traversenentwurf& entwurf, QWidget* eltern)
{
    BerichtVorschau(BerichtTraverse(entwurf, QDateTime::currentDateTime()), eltern);
}
