// libFuzzer entry: any bytes as the load library give a library or a Fehler.
#include "beam/u_lastenbibliothek.h"
#include "fuzzdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    AlsDatei(daten, laenge, QStringLiteral("Traversen/Lasten-Bibliothek.cds"));
    return FehlerErlaubt([&] {
        Lastenbibliothek bibliothek;
        bibliothek.BibliothekLaden(FuzzOrdner());
    });
}
