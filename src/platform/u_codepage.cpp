#include "platform/u_codepage.h"
#include <array>

namespace {
// Windows-1252 0x80..0x9F; 0 marks the five unassigned positions, read as the same code point.
constexpr char16_t hoheZeichen[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

// Every byte's character, so that reading a text is one look-up per byte.
constexpr std::array<char16_t, 256> zeichenVon = [] {
    std::array<char16_t, 256> tabelle{};
    for (int b = 0; b < 256; ++b)
        tabelle[std::size_t(b)] = char16_t(b);
    for (int i = 0; i < 32; ++i)
        if (hoheZeichen[i])
            tabelle[std::size_t(0x80 + i)] = hoheZeichen[i];
    return tabelle;
}();

inline char zuByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (hoheZeichen[i] == c)
            return char(0x80 + i);
    if (c >= 0x80 && c < 0xA0)
        return char(c); // the unassigned positions map back to themselves
    return '?';
}
} // namespace

qsizetype ZuCodepage(QStringView text, char* ziel, qsizetype hoechstens)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size() && n < hoechstens; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character outside the code page
        ziel[n++] = zuByte(c.unicode());
    }
    return n;
}

QByteArray ZuCodepage(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.truncate(ZuCodepage(text, bytes.data(), bytes.size()));
    return bytes;
}

void AusCodepage(const char* bytes, qsizetype laenge, char16_t* ziel)
{
    for (qsizetype i = 0; i < laenge; ++i)
        ziel[i] = zeichenVon[static_cast<unsigned char>(bytes[i])];
}

QString AusCodepage(const char* bytes, qsizetype laenge)
{
    QString text(laenge, Qt::Uninitialized);
    AusCodepage(bytes, laenge, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

QString AusCodepage(const QByteArray& bytes)
{
    return AusCodepage(bytes.constData(), bytes.size());
}
