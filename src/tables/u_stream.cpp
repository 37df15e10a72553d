#include "tables/u_stream.h"
#include "platform/u_codepage.h"
#include "platform/u_dateifehler.h"
#include "platform/u_fehler.h"
#include <cstring>

namespace {
enum Wertart : quint8 { Int8 = 2, Int16 = 3, Int32 = 4, KurzText = 6, LangText = 12, WideText = 18, Utf8Text = 20 };

[[noreturn]] void leseFehler() { throw StreamLesefehler(); }
[[noreturn]] void ungueltigerWert() { throw UngueltigerEigenschaftswert(); }

bool nurAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// Strict UTF-8: any stray, truncated or out-of-range sequence makes the whole value invalid.
std::optional<QString> strengesUtf8(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char lead = b[i];
        int folge = 0;
        char32_t zeichen = 0;
        if (lead < 0x80) {
            zeichen = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            folge = 1;
            zeichen = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            folge = 2;
            zeichen = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            folge = 3;
            zeichen = lead & 0x07;
        } else {
            return std::nullopt;
        }
        for (int k = 1; k <= folge; ++k) {
            if (i + k >= n || (b[i + k] & 0xC0) != 0x80)
                return std::nullopt;
            zeichen = (zeichen << 6) | (b[i + k] & 0x3F);
        }
        if (zeichen > 0x10FFFF || (zeichen >= 0xD800 && zeichen <= 0xDFFF))
            return std::nullopt;
        if (zeichen >= 0x10000) {
            const char32_t rest = zeichen - 0x10000;
            text.append(QChar(char16_t(0xD800 + (rest >> 10))));
            text.append(QChar(char16_t(0xDC00 + (rest & 0x3FF))));
        } else {
            text.append(QChar(char16_t(zeichen)));
        }
        i += folge + 1;
    }
    return text;
}

void schreibeGanz(QIODevice& stream, const char* daten, qint64 laenge)
{
    if (laenge > 0 && stream.write(daten, laenge) != laenge)
        throw StreamSchreibfehler();
}
} // namespace

// ---- TWriter ----

TWriter::TWriter(QIODevice& stream, int puffergroesse) : m_stream(stream), m_puffer(puffergroesse, '\0') {}

TWriter::~TWriter()
{
    if (!m_fertig) {
        try {
            Finish();
        } catch (const Fehler&) {
            // a failed last write surfaces when the document is committed
        }
    }
}

void TWriter::leere()
{
    schreibeGanz(m_stream, m_puffer.constData(), m_fuellung);
    m_fuellung = 0;
}

void TWriter::schreibeBytes(const char* daten, qsizetype laenge)
{
    while (laenge > 0) {
        const qsizetype frei = m_puffer.size() - m_fuellung;
        const qsizetype stueck = std::min(frei, laenge);
        std::memcpy(m_puffer.data() + m_fuellung, daten, size_t(stueck));
        m_fuellung += stueck;
        daten += stueck;
        laenge -= stueck;
        if (m_fuellung == m_puffer.size())
            leere();
    }
}

void TWriter::WriteString(const QString& text)
{
    auto schreibeLaenge32 = [this](qint32 n) {
        const char bytes[4] = {char(n & 0xFF), char((n >> 8) & 0xFF), char((n >> 16) & 0xFF), char((n >> 24) & 0xFF)};
        schreibeBytes(bytes, 4);
    };
    if (!nurAscii(text)) {
        const QByteArray utf8 = text.toUtf8();
        const char art = char(Utf8Text);
        schreibeBytes(&art, 1);
        schreibeLaenge32(qint32(utf8.size()));
        schreibeBytes(utf8.constData(), utf8.size());
        return;
    }
    const QByteArray bytes = text.toLatin1();
    if (bytes.size() <= 255) {
        const char kopf[2] = {char(KurzText), char(bytes.size())};
        schreibeBytes(kopf, 2);
    } else {
        const char art = char(LangText);
        schreibeBytes(&art, 1);
        schreibeLaenge32(qint32(bytes.size()));
    }
    schreibeBytes(bytes.constData(), bytes.size());
}

void TWriter::WriteInteger(qint32 wert)
{
    if (wert >= -128 && wert <= 127) {
        const char bytes[2] = {char(Int8), char(wert)};
        schreibeBytes(bytes, 2);
    } else if (wert >= -32768 && wert <= 32767) {
        const char bytes[3] = {char(Int16), char(wert & 0xFF), char((wert >> 8) & 0xFF)};
        schreibeBytes(bytes, 3);
    } else {
        const char bytes[5] = {char(Int32), char(wert & 0xFF), char((wert >> 8) & 0xFF), char((wert >> 16) & 0xFF),
                               char((wert >> 24) & 0xFF)};
        schreibeBytes(bytes, 5);
    }
}

void TWriter::Finish()
{
    m_fertig = true;
    leere();
}

// ---- TReader ----

TReader::TReader(QIODevice& stream, int puffergroesse) : m_stream(stream), m_puffer(puffergroesse, '\0') {}

TReader::~TReader()
{
    if (!m_fertig)
        Finish();
}

void TReader::fuelle()
{
    const qint64 gelesen = m_stream.read(m_puffer.data(), m_puffer.size());
    if (gelesen <= 0)
        leseFehler();
    m_laenge = qsizetype(gelesen);
    m_position = 0;
}

quint8 TReader::schaueByte()
{
    if (m_position == m_laenge)
        fuelle();
    return quint8(m_puffer[m_position]);
}

quint8 TReader::naechstesByte()
{
    const quint8 b = schaueByte();
    ++m_position;
    return b;
}

// Takes the bytes piece by piece from the buffer, so a stored length never allocates more than the
// file actually holds.
QByteArray TReader::leseBytes(qint64 anzahl)
{
    if (anzahl < 0)
        leseFehler();
    QByteArray bytes;
    while (anzahl > 0) {
        if (m_position == m_laenge)
            fuelle();
        const qsizetype stueck = qsizetype(std::min<qint64>(anzahl, m_laenge - m_position));
        bytes.append(m_puffer.constData() + m_position, stueck);
        m_position += stueck;
        anzahl -= stueck;
    }
    return bytes;
}

qint32 TReader::leseInt32()
{
    quint32 wert = 0;
    for (int i = 0; i < 4; ++i)
        wert |= quint32(naechstesByte()) << (8 * i);
    return qint32(wert);
}

QString TReader::ReadString()
{
    switch (schaueByte()) {
    case WideText: {
        ++m_position;
        const QByteArray bytes = leseBytes(qint64(leseInt32()) * 2);
        QString text(bytes.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(char16_t(quint8(bytes[2 * i]) | (quint8(bytes[2 * i + 1]) << 8)));
        return text;
    }
    case Utf8Text: {
        ++m_position;
        return strengesUtf8(leseBytes(leseInt32())).value_or(QString());
    }
    case KurzText: {
        ++m_position;
        return AusCodepage(leseBytes(naechstesByte()));
    }
    case LangText: {
        ++m_position;
        return AusCodepage(leseBytes(leseInt32()));
    }
    default:
        ungueltigerWert();
    }
}

qint32 TReader::ReadInteger()
{
    switch (naechstesByte()) {
    case Int8:
        return qint8(naechstesByte());
    case Int16: {
        const quint16 niedrig = naechstesByte();
        return qint16(niedrig | (quint16(naechstesByte()) << 8));
    }
    case Int32:
        return leseInt32();
    default:
        ungueltigerWert();
    }
}

void TReader::Finish()
{
    m_fertig = true;
    const qsizetype ungelesen = m_laenge - m_position;
    if (ungelesen > 0)
        m_stream.seek(m_stream.pos() - ungelesen);
    m_laenge = m_position = 0;
}
