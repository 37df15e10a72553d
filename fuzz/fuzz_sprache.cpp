// libFuzzer entry: any bytes as a language file give a language table or a Fehler.
#include "fuzzdatei.h"
#include "language/u_sprachtabelle.h"
#include "tables/u_tabelle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    const QString pfad = AlsDatei(daten, laenge, QStringLiteral("s.prl"));
    return FehlerErlaubt([&] {
        TBClientDataSet tabelle;
        ErzeugeSprachtabelle(tabelle);
        Meldungen meldungen;
        LadeSprachdatei(tabelle, pfad, meldungen);
    });
}
