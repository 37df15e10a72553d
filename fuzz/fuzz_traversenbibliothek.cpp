// libFuzzer entry: any bytes as the truss library give a library or a Fehler.
#include "fuzzdatei.h"
#include "truss/u_traversenbibliothek.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    const QString pfad = AlsDatei(daten, laenge, QStringLiteral("Traversen/Bibliothek.cds"));
    return FehlerErlaubt([&] {
        Traversenbibliothek bibliothek;
        bibliothek.BibliothekLesen(pfad);
    });
}
