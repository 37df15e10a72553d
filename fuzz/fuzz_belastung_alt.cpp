// libFuzzer entry: whatever follows the header of a load table of the older layout gives a computed table
// or a Fehler.
#include "fuzzdatei.h"
#include "loadtable/u_belastungsdatei.h"
#include "loadtable/u_belastungstabelle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    const QString pfad = AlsDatei(daten, laenge, QStringLiteral("a.prb"), BelastungstabelleKopfAlt());
    return FehlerErlaubt([&] {
        Belastungstabelle tabelle;
        Meldungen meldungen;
        BelastungstabelleLaden(tabelle, pfad, meldungen);
    });
}
