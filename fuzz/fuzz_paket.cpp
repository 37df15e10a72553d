// libFuzzer entry: any byte sequence read as a table packet gives a table or a Fehler.
#include "platform/u_fehler.h"
#include "tables/u_tabelle.h"
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    TBClientDataSet tabelle;
    try {
        tabelle.AusPaket(QByteArray(reinterpret_cast<const char*>(daten), qsizetype(laenge)));
        const QByteArray neu = tabelle.Paket();
        TBClientDataSet zweite;
        zweite.AusPaket(neu);
        if (zweite.Paket() != neu)
            __builtin_trap();
    } catch (const Fehler&) {
    }
    return 0;
}
