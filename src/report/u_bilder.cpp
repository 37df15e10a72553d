#include "report/u_bilder.h"
#include <QtGlobal>

static void registriere() { Q_INIT_RESOURCE(kelvara_bilder); }

void BilderBereitstellen()
{
    static const bool bereit = (registriere(), true);
    Q_UNUSED(bereit);
}
