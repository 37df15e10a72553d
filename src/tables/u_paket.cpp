// Writing table packets.
#include "tables/u_paket.h"
#include "platform/u_codepage.h"
#include "platform/u_fehler.h"
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {
constexpr quint32 magic = 0xBDE01996;
constexpr int headergroesse = 24;

bool istStrukturiert(quint32 typ)
{
    const quint32 code = (typ >> 16) & 0x3F;
    return code >= 12 && code <= 18;
}
} // namespace

void Paketfehler(const QString& grund)
{
    throw Fehler(QStringLiteral("Ungültiges Tabellenpaket: %1").arg(grund));
}

PaketSchreiber::PaketSchreiber(int spaltenzahl)
{
    if (spaltenzahl < 0 || spaltenzahl > 0xFFFF)
        throw Fehler(QStringLiteral("Eine Tabelle mit %1 Spalten kann nicht gespeichert werden")
                         .arg(spaltenzahl));
    wachse(4096);
    u32(magic);
    u16(1);
    u16(0);
    u32(headergroesse);
    u16(quint16(spaltenzahl));
    u32(0); // rows of the top table
    u32(1); // flags
    u16(0); // row offset
}

void PaketSchreiber::wachse(qsizetype anzahl)
{
    m_daten.resize(std::max(2 * m_groesse, m_laenge + anzahl));
    m_puffer = m_daten.data();
    m_groesse = m_daten.size();
}

void PaketSchreiber::anhaengen(const char* bytes, qsizetype anzahl)
{
    if (anzahl > 0)
        std::memcpy(platz(anzahl), bytes, size_t(anzahl));
}

void PaketSchreiber::name(const QString& name)
{
    const QByteArray bytes = ZuCodepage(name);
    if (bytes.size() > 255)
        throw Fehler(QStringLiteral("Der Name '%1' ist zu lang für ein Tabellenpaket").arg(name));
    *platz(1) = char(bytes.size());
    anhaengen(bytes.constData(), bytes.size());
}

void PaketSchreiber::Spalte(const QString& spaltenname, quint32 typ, quint16 attribute)
{
    name(spaltenname);
    u32(typ);
    u16(attribute);
    if (istStrukturiert(typ))
        qToLittleEndian<quint16>(2, m_puffer + 4);
    m_liste = m_laenge;
    m_parameter = 0;
    u16(0);
}

void PaketSchreiber::Tabellenparameter()
{
    m_liste = m_laenge;
    m_parameter = 0;
    u16(0);
}

void PaketSchreiber::ParameterText(const QString& parametername, const QString& text)
{
    const QByteArray bytes = ZuCodepage(text);
    name(parametername);
    u32(Typ::Text2);
    u16(quint16(bytes.size() + 1));
    anhaengen(bytes.constData(), bytes.size());
    *platz(1) = '\0';
    ++m_parameter;
}

void PaketSchreiber::ParameterUInt16(const QString& parametername, quint16 wert)
{
    name(parametername);
    u32(Typ::UInt16);
    u16(wert);
    ++m_parameter;
}

void PaketSchreiber::ParameterInt32(const QString& parametername, qint32 wert)
{
    name(parametername);
    u32(Typ::Int32);
    u32(quint32(wert));
    ++m_parameter;
}

void PaketSchreiber::ParameterArrayUInt32(const QString& parametername,
                                          const std::vector<quint32>& werte)
{
    name(parametername);
    u32(Typ::ArrayUInt32);
    u32(quint32(werte.size()));
    for (quint32 wert : werte)
        u32(wert);
    ++m_parameter;
}

void PaketSchreiber::ParameterlisteEnde()
{
    if (m_liste >= 0)
        qToLittleEndian<quint16>(m_parameter, m_puffer + m_liste);
    m_liste = -1;
}

void PaketSchreiber::zeilenOffsetSetzen()
{
    if (m_laenge <= 0xFFFF) {
        qToLittleEndian<quint16>(quint16(m_laenge), m_puffer + 22);
        qToLittleEndian<quint32>(3, m_puffer + 18);
    }
}

void PaketSchreiber::Text(const QByteArray& bytes, int laengenbytes)
{
    if (bytes.isEmpty()) {
        if (laengenbytes == 1)
            *platz(1) = char(1);
        else
            u16(1);
        *platz(1) = '\0';
        return;
    }
    // A text never exceeds what its length prefix can count.
    const qsizetype laenge = std::min<qsizetype>(bytes.size(), laengenbytes == 1 ? 0xFF : 0xFFFF);
    if (laengenbytes == 1)
        *platz(1) = char(laenge);
    else
        u16(quint16(laenge));
    anhaengen(bytes.constData(), laenge);
}

void PaketSchreiber::TextInCodepage(QStringView text, int laengenbytes)
{
    if (text.isEmpty()) {
        Text(QByteArray(), laengenbytes);
        return;
    }
    // Room for one byte per character; a character written as two (a surrogate pair) takes one.
    const qsizetype hoechstens = std::min<qsizetype>(text.size(), laengenbytes == 1 ? 0xFF : 0xFFFF);
    char* stelle = platz(laengenbytes + hoechstens);
    const qsizetype laenge = ZuCodepage(text, stelle + laengenbytes, hoechstens);
    m_laenge -= hoechstens - laenge;
    if (laengenbytes == 1)
        *stelle = char(laenge);
    else
        qToLittleEndian<quint16>(quint16(laenge), stelle);
}

void PaketSchreiber::Memo(const QByteArray& bytes)
{
    u32(quint32(bytes.size()));
    anhaengen(bytes.constData(), bytes.size());
}

QByteArray PaketSchreiber::Fertig()
{
    if (!m_zeilenBegonnen)
        zeilenOffsetSetzen();
    qToLittleEndian<quint32>(m_zeilenOben, m_puffer + 14);
    m_daten.truncate(m_laenge);
    return std::move(m_daten);
}

namespace {
int zaehleSpalten(const Ebene& ebene)
{
    int anzahl = int(ebene.felder.size());
    for (const auto& kind : ebene.kinder)
        anzahl += zaehleSpalten(*kind);
    return anzahl;
}

quint16 attributeVon(const TFieldDef& feld)
{
    quint16 attribute = feld.required ? Attribut::Pflicht : 0;
    if (feld.type == TFieldType::AutoInc)
        attribute |= Attribut::NurLesen;
    return attribute;
}

quint16 breite(const TFieldDef& feld)
{
    if (feld.size < 0 || feld.size > 0xFFFF)
        throw Fehler(
            QStringLiteral("Die Größe %1 des Feldes '%2' ist zu groß").arg(feld.size).arg(feld.name));
    return quint16(feld.size);
}

void schreibeMetadaten(PaketSchreiber& schreiber, const Ebene& ebene)
{
    for (size_t i = 0; i < ebene.felder.size(); ++i) {
        const TFieldDef& feld = ebene.felder[i];
        switch (feld.type) {
        case TFieldType::AutoInc:
            schreiber.Spalte(feld.name, Typ::Int32, attributeVon(feld));
            schreiber.ParameterText(QStringLiteral("SUBTYPE"), QStringLiteral("Autoinc"));
            break;
        case TFieldType::Integer:
            schreiber.Spalte(feld.name, Typ::Int32, attributeVon(feld));
            break;
        case TFieldType::String:
            schreiber.Spalte(feld.name, breite(feld) <= 254 ? Typ::Text1 : Typ::Text2,
                             attributeVon(feld));
            schreiber.ParameterUInt16(QStringLiteral("WIDTH"), breite(feld));
            break;
        case TFieldType::Float:
            schreiber.Spalte(feld.name, Typ::Float, attributeVon(feld));
            break;
        case TFieldType::Boolean:
            schreiber.Spalte(feld.name, Typ::Boolean, attributeVon(feld));
            break;
        case TFieldType::Memo:
            schreiber.Spalte(feld.name, Typ::Memo, attributeVon(feld));
            schreiber.ParameterText(QStringLiteral("SUBTYPE"), QStringLiteral("Text"));
            schreiber.ParameterUInt16(QStringLiteral("WIDTH"), breite(feld));
            break;
        case TFieldType::DataSet: {
            const Ebene& kind = *ebene.kinder[ebene.kindIndex[i]];
            schreiber.Spalte(feld.name, Typ::Verschachtelt + quint32(zaehleSpalten(kind)),
                             attributeVon(feld));
            schreiber.ParameterlisteEnde();
            schreibeMetadaten(schreiber, kind);
            continue;
        }
        }
        schreiber.ParameterlisteEnde();
    }
    schreiber.Tabellenparameter();
    if (ebene.autoincFeld >= 0)
        schreiber.ParameterInt32(QStringLiteral("AUTOINCVALUE"), ebene.naechsterAutoinc);
    schreiber.ParameterlisteEnde();
}

void schreibeZeilen(PaketSchreiber& schreiber, const Ebene& ebene, const Zeilen& zeilen,
                    bool oben)
{
    const int spalten = int(ebene.felder.size());
    for (const ::Zeile& zeile : zeilen) {
        schreiber.Zeile(Status::Unveraendert, spalten, oben);
        for (int i = 0; i < spalten; ++i) {
            const Wert& wert = zeile.werte[i];
            switch (ebene.felder[i].type) {
            case TFieldType::AutoInc:
            case TFieldType::Integer:
                if (auto* zahl = std::get_if<qint32>(&wert))
                    schreiber.Int32(*zahl);
                else
                    schreiber.Null(i);
                break;
            case TFieldType::Float:
                if (auto* zahl = std::get_if<double>(&wert))
                    schreiber.Float(*zahl);
                else
                    schreiber.Null(i);
                break;
            case TFieldType::Boolean:
                if (auto* b = std::get_if<bool>(&wert))
                    schreiber.Boolean(*b);
                else
                    schreiber.Null(i);
                break;
            case TFieldType::String:
                if (auto* text = std::get_if<Text>(&wert))
                    schreiber.TextInCodepage(text->ansicht(), ebene.felder[i].size <= 254 ? 1 : 2);
                else
                    schreiber.Null(i);
                break;
            case TFieldType::Memo: {
                auto* text = std::get_if<Text>(&wert);
                if (text && !text->leer())
                    schreiber.Memo(ZuCodepage(text->ansicht()));
                else
                    schreiber.Null(i);
                break;
            }
            case TFieldType::DataSet: {
                auto* kinder = std::get_if<Verschachtelt>(&wert);
                const qsizetype anzahl = (kinder && *kinder) ? qsizetype((*kinder)->size()) : 0;
                schreiber.Zeilenzahl(qint32(anzahl));
                if (anzahl > 0)
                    schreibeZeilen(schreiber, *ebene.kinder[ebene.kindIndex[i]], **kinder, false);
                break;
            }
            }
        }
    }
}
} // namespace

QByteArray SchreibePaket(const Ebene& ebene, const Zeilen& zeilen)
{
    if (ebene.anzahlTabellen() > maxTabellen)
        throw Fehler(QStringLiteral("Eine Tabelle mit mehr als %1 verschachtelten Tabellen kann "
                                    "nicht gespeichert werden")
                         .arg(maxTabellen - 1));
    PaketSchreiber schreiber(zaehleSpalten(ebene));
    schreibeMetadaten(schreiber, ebene);
    schreibeZeilen(schreiber, ebene, zeilen, true);
    return schreiber.Fertig();
}
