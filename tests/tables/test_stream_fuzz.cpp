// Mutated value streams: the reader answers every byte sequence with values or a Fehler, never a
// crash, a hang or memory beyond the input.
#include "platform/u_fehler.h"
#include "tables/u_stream.h"
#include <QBuffer>
#include <gtest/gtest.h>
#include <random>

namespace {
QByteArray saatStream()
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    TWriter w(puffer);
    w.WriteString(QStringLiteral("Kelvara VLX Belastungstabelle"));
    w.WriteString(QStringLiteral("Hersteller=Bühnenbau\r\nLaenge=2,5\r\n"));
    w.WriteString(QString(300, u'x'));
    w.WriteInteger(-5);
    w.WriteInteger(1000);
    w.WriteInteger(100000);
    w.Finish();
    QByteArray daten = puffer.data();
    daten.append("\x12\x02\x00\x00\x00" "A\x00\xFC\x00", 9);
    return daten;
}

void mutiere(QByteArray& daten, std::mt19937& zufall)
{
    std::uniform_int_distribution<int> art(0, 4);
    const auto stelle = [&] { return std::uniform_int_distribution<qsizetype>(0, std::max<qsizetype>(0, daten.size() - 1))(zufall); };
    switch (art(zufall)) {
    case 0: // bit flip
        if (!daten.isEmpty())
            daten[stelle()] ^= char(1 << (zufall() % 8));
        break;
    case 1: // cut
        daten.truncate(stelle());
        break;
    case 2: { // a hostile length or count
        static const quint32 laengen[] = {0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x10000, 1024, 1025};
        const quint32 l = laengen[zufall() % 6];
        const qsizetype s = stelle();
        if (s + 4 <= daten.size())
            std::memcpy(daten.data() + s, &l, 4);
        break;
    }
    case 3: // random byte
        if (!daten.isEmpty())
            daten[stelle()] = char(zufall());
        break;
    default: // duplicate a piece
        if (!daten.isEmpty()) {
            const qsizetype s = stelle();
            daten.insert(s, daten.mid(s, 16));
        }
    }
}
} // namespace

TEST(StreamFuzz, HunderttausendVeraenderteStreamsGebenWerteOderEinenFehler)
{
    const QByteArray saat = saatStream();
    std::mt19937 zufall(20261209);
    int fehler = 0;
    for (int runde = 0; runde < 100000; ++runde) {
        QByteArray daten = saat;
        const int schritte = 1 + int(zufall() % 4);
        for (int s = 0; s < schritte; ++s)
            mutiere(daten, zufall);
        QBuffer puffer(&daten);
        puffer.open(QIODevice::ReadOnly);
        TReader leser(puffer);
        try {
            for (int wert = 0; wert < 64; ++wert) {
                if (zufall() % 2)
                    leser.ReadString();
                else
                    leser.ReadInteger();
            }
        } catch (const Fehler&) {
            ++fehler;
        }
        leser.Finish();
        ASSERT_LE(puffer.pos(), daten.size());
    }
    // almost every mutated stream ends in an error; none escapes as anything else
    EXPECT_GT(fehler, 90000);
}
