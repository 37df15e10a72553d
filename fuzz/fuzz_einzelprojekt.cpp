// libFuzzer entry: whatever follows the header of a single project gives a model or a Fehler.
#include "beam/u_balkenmodell.h"
#include "beam/u_einzelprojekt.h"
#include "fuzzdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    const QString pfad = AlsDatei(daten, laenge, QStringLiteral("e.pre"), EinzelprojektKopf);
    return FehlerErlaubt([&] {
        Balkenmodell modell;
        Meldungen meldungen;
        LeseEinzelprojekt(modell, pfad, meldungen);
    });
}
