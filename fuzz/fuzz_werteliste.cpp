// libFuzzer entry: any text as a settings text: every kind of value read, and the text written
// again reads back to the same lines.
#include "fuzzdatei.h"
#include "tables/u_werteliste.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    const TWerteliste liste(QString::fromUtf8(reinterpret_cast<const char*>(daten), qsizetype(laenge)));
    for (const QString& zeile : liste.zeilen()) {
        const QString name = zeile.section(QLatin1Char('='), 0, 0);
        liste.LeseString(name, QString());
        liste.LeseInteger(name, 0);
        liste.LeseFloat(name, 0);
        liste.LeseBoolean(name, false);
        Auswahlliste auswahl({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        liste.LeseAuswahl(name, auswahl);
    }
    if (TWerteliste(liste.text()).zeilen() != liste.zeilen())
        __builtin_trap();
    return 0;
}
