// libFuzzer entry: any bytes as a project file give a project or a Fehler.
#include "fuzzdatei.h"
#include "project/u_projektmodell.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    const QString pfad = AlsDatei(daten, laenge, QStringLiteral("p.prp"));
    return FehlerErlaubt([&] {
        Projektmodell projekt;
        Meldungen meldungen;
        projekt.Laden(pfad, meldungen);
    });
}
