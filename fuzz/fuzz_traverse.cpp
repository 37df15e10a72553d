// libFuzzer entry: any bytes as a truss file give a computed truss or a Fehler.
#include "fuzzdatei.h"
#include "truss/u_traversendatei.h"
#include "truss/u_traversenentwurf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    const QString pfad = AlsDatei(daten, laenge, QStringLiteral("t.prt"));
    return FehlerErlaubt([&] {
        Traversenentwurf entwurf;
        TraverseLaden(entwurf, pfad);
    });
}
