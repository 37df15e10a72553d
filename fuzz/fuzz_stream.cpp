// libFuzzer entry: document stream values read from any bytes: texts and integers as the first
// byte chooses, until the end or a Fehler.
#include "fuzzdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    if (laenge == 0)
        return 0;
    QByteArray bytes(reinterpret_cast<const char*>(daten + 1), qsizetype(laenge - 1));
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::ReadOnly);
    const uint8_t wahl = daten[0];
    return FehlerErlaubt([&] {
        TReader reader(puffer, 1 + wahl % 64); // small buffers make values straddle refills
        for (int i = 0; i < 4096; ++i) {
            if ((wahl >> (i % 8)) & 1)
                reader.ReadInteger();
            else
                reader.ReadString();
        }
        reader.Finish();
    });
}
