#include "spreadsheet/u_xls.h"
#include "platform/u_dateifehler.h"
#include "platform/u_fehler.h"
#include "platform/u_sicheresspeichern.h"
#include "platform/u_zahlen.h"
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>
#include <QHash>
#include <bit>
#include <cmath>

namespace {

// Record ids of BIFF8
constexpr quint16 BOF = 0x0809, EOF_ = 0x000A, CODEPAGE = 0x0042, WINDOW1 = 0x003D, FONT = 0x0031,
                  XF = 0x00E0, STYLE = 0x0293, BOUNDSHEET = 0x0085, SST = 0x00FC, CONTINUE = 0x003C,
                  COLINFO = 0x007D, DIMENSIONS = 0x0200, LABELSST = 0x00FD, WINDOW2 = 0x023E,
                  NUMBER = 0x0203;
constexpr int MaxSatzdaten = 8224;
constexpr int StilXfs = 15;         // the style formats every workbook carries
constexpr int StandardXf = StilXfs; // the default cell format

class Puffer {
public:
    void u8(int wert) { m_daten.append(char(quint8(wert))); }
    void u16(int wert)
    {
        u8(wert & 0xFF);
        u8((wert >> 8) & 0xFF);
    }
    void u32(quint32 wert)
    {
        u16(int(wert & 0xFFFF));
        u16(int(wert >> 16));
    }
    void utf16(const QString& text)
    {
        for (QChar c : text)
            u16(c.unicode());
    }
    void bytes(const QByteArray& b) { m_daten.append(b); }
    qsizetype groesse() const { return m_daten.size(); }
    QByteArray& daten() { return m_daten; }

private:
    QByteArray m_daten;
};

void satz(Puffer& ziel, quint16 id, const QByteArray& daten)
{
    ziel.u16(id);
    ziel.u16(int(daten.size()));
    ziel.bytes(daten);
}

QByteArray bof(int art)
{
    Puffer p;
    p.u16(0x0600); // BIFF8
    p.u16(art);    // 0x0005 workbook globals, 0x0010 worksheet
    p.u16(0x0DBB);
    p.u16(0x07CC);
    p.u32(0);
    p.u32(0x06);
    return p.daten();
}

QByteArray schrift()
{
    Puffer p;
    p.u16(200);    // 10 pt in twips
    p.u16(0);
    p.u16(0x7FFF); // automatic colour
    p.u16(400);    // normal weight
    p.u16(0);
    p.u8(0);
    p.u8(0);
    p.u8(0);
    p.u8(0);
    const QByteArray name("Arial");
    p.u8(int(name.size()));
    p.u8(0); // 8-bit characters
    p.bytes(name);
    return p.daten();
}

QByteArray xf(bool stil, XlsArbeitsmappe::Ausrichtung ausrichtung)
{
    int waagrecht = 0;
    if (ausrichtung == XlsArbeitsmappe::Ausrichtung::Rechts)
        waagrecht = 3;
    else if (ausrichtung == XlsArbeitsmappe::Ausrichtung::Zentriert)
        waagrecht = 2;
    Puffer p;
    p.u16(0);                         // font
    p.u16(0);                         // number format "General"
    p.u16(stil ? 0xFFF5 : 0x0001);    // locked; style formats have no parent
    p.u8(waagrecht | (2 << 4));       // vertical: bottom
    p.u8(0);
    p.u8(0);
    p.u8(stil ? 0x00 : 0xF8);         // a cell format brings its own attributes
    p.u32(0);                         // no borders
    p.u32(0);
    p.u16(0x40 | (0x41 << 7));        // pattern colours: system foreground and background
    return p.daten();
}

// The shared string table with its CONTINUE records; a string that does not fit is split
// between characters, and its continuation starts with the option byte.
void stringtabelle(Puffer& ziel, const QStringList& texte, quint32 gesamt)
{
    std::vector<QByteArray> saetze(1);
    Puffer kopf;
    kopf.u32(gesamt);
    kopf.u32(quint32(texte.size()));
    saetze.back() = kopf.daten();
    auto frei = [&] { return MaxSatzdaten - int(saetze.back().size()); };
    for (const QString& text : texte) {
        if (frei() < 5)
            saetze.emplace_back();
        Puffer p;
        p.u16(int(text.size()));
        p.u8(0x01); // 16-bit characters
        saetze.back().append(p.daten());
        qsizetype i = 0;
        while (true) {
            const qsizetype passt = std::min<qsizetype>(text.size() - i, frei() / 2);
            Puffer zeichen;
            zeichen.utf16(text.mid(i, passt));
            saetze.back().append(zeichen.daten());
            i += passt;
            if (i >= text.size())
                break;
            saetze.emplace_back(QByteArray(1, char(0x01)));
        }
    }
    satz(ziel, SST, saetze.front());
    for (size_t k = 1; k < saetze.size(); ++k)
        satz(ziel, CONTINUE, saetze[k]);
}

} // namespace

void XlsArbeitsmappe::Leeren()
{
    m_blattname = QStringLiteral("Tabelle1");
    m_breiten.clear();
    m_formate.clear();
    m_zellen.clear();
}

void XlsArbeitsmappe::SetzeBlattname(const QString& name) { m_blattname = name.left(31); }

void XlsArbeitsmappe::SetzeSpaltenbreite(int ersteSpalte, int letzteSpalte, int breite)
{
    if (ersteSpalte < 0 || letzteSpalte >= MaxSpalten || ersteSpalte > letzteSpalte)
        throw Fehler(QStringLiteral("Ungültige Spalte"));
    m_breiten.push_back({ersteSpalte, letzteSpalte, std::clamp(breite, 0, 0xFFFF)});
}

int XlsArbeitsmappe::FormatHinzufuegen(Ausrichtung ausrichtung)
{
    m_formate.push_back(ausrichtung);
    return int(m_formate.size());
}

void XlsArbeitsmappe::pruefeZelle(int spalte, int zeile, int format) const
{
    if (spalte < 0 || spalte >= MaxSpalten || zeile < 0 || zeile >= MaxZeilen)
        throw Fehler(Format(QStringLiteral("Zelle (%d, %d) liegt außerhalb des Blatts"), {spalte, zeile}));
    if (format < 0 || format > int(m_formate.size()))
        throw Fehler(QStringLiteral("Unbekanntes Zellformat"));
}

void XlsArbeitsmappe::SetzeText(int spalte, int zeile, const QString& text, int format)
{
    pruefeZelle(spalte, zeile, format);
    m_zellen[{zeile, spalte}] = Zelle{text.left(MaxTextlaenge), format, std::nullopt};
}

void XlsArbeitsmappe::SetzeZahl(int spalte, int zeile, double zahl, int format)
{
    pruefeZelle(spalte, zeile, format);
    if (!std::isfinite(zahl))
        throw Fehler(Format(QStringLiteral("Zelle (%d, %d): keine endliche Zahl"), {spalte, zeile}));
    m_zellen[{zeile, spalte}] = Zelle{QString(), format, zahl};
}

QByteArray XlsArbeitsmappe::Biff8() const
{
    QStringList texte;
    QHash<QString, int> textnummer;
    quint32 textzellen = 0;
    for (const auto& [ort, zelle] : m_zellen) {
        if (zelle.zahl)
            continue;
        ++textzellen;
        if (!textnummer.contains(zelle.text)) {
            textnummer.insert(zelle.text, int(texte.size()));
            texte.append(zelle.text);
        }
    }

    Puffer global;
    satz(global, BOF, bof(0x0005));
    {
        Puffer p;
        p.u16(1200); // UTF-16
        satz(global, CODEPAGE, p.daten());
    }
    {
        Puffer p;
        for (int wert : {0, 0, 0x4000, 0x2000, 0x0038, 0, 0, 1, 0x0258})
            p.u16(wert);
        satz(global, WINDOW1, p.daten());
    }
    for (int i = 0; i < 4; ++i)
        satz(global, FONT, schrift());
    for (int i = 0; i < StilXfs; ++i)
        satz(global, XF, xf(true, Ausrichtung::Standard));
    satz(global, XF, xf(false, Ausrichtung::Standard));
    for (Ausrichtung a : m_formate)
        satz(global, XF, xf(false, a));
    {
        Puffer p;
        p.u16(0x8000); // built-in style "Normal" on format 0
        p.u8(0);
        p.u8(0xFF);
        satz(global, STYLE, p.daten());
    }
    const qsizetype blattposition = global.groesse() + 4;
    {
        Puffer p;
        p.u32(0); // stream position of the sheet, set below
        p.u16(0);
        p.u8(int(m_blattname.size()));
        p.u8(0x01);
        p.utf16(m_blattname);
        satz(global, BOUNDSHEET, p.daten());
    }
    stringtabelle(global, texte, textzellen);
    satz(global, EOF_, {});

    const quint32 blattanfang = quint32(global.groesse());
    for (int i = 0; i < 4; ++i)
        global.daten()[blattposition + i] = char((blattanfang >> (8 * i)) & 0xFF);

    Puffer blatt;
    satz(blatt, BOF, bof(0x0010));
    for (const Spaltenbreite& b : m_breiten) {
        Puffer p;
        p.u16(b.erste);
        p.u16(b.letzte);
        p.u16(b.breite);
        p.u16(StandardXf);
        p.u16(0);
        p.u16(0);
        satz(blatt, COLINFO, p.daten());
    }
    {
        int ersteZeile = 0, letzteZeile = -1, ersteSpalte = 0, letzteSpalte = -1;
        if (!m_zellen.empty()) {
            ersteZeile = m_zellen.begin()->first.first;
            letzteZeile = m_zellen.rbegin()->first.first;
            ersteSpalte = MaxSpalten;
            for (const auto& [ort, zelle] : m_zellen) {
                ersteSpalte = std::min(ersteSpalte, ort.second);
                letzteSpalte = std::max(letzteSpalte, ort.second);
            }
        }
        Puffer p;
        p.u32(quint32(ersteZeile));
        p.u32(quint32(letzteZeile + 1));
        p.u16(ersteSpalte);
        p.u16(letzteSpalte + 1);
        p.u16(0);
        satz(blatt, DIMENSIONS, p.daten());
    }
    for (const auto& [ort, zelle] : m_zellen) {
        Puffer p;
        p.u16(ort.first);
        p.u16(ort.second);
        p.u16(zelle.format == 0 ? StandardXf : StandardXf + zelle.format);
        if (zelle.zahl) {
            const quint64 bits = std::bit_cast<quint64>(*zelle.zahl);
            p.u32(quint32(bits & 0xFFFFFFFFu));
            p.u32(quint32(bits >> 32));
            satz(blatt, NUMBER, p.daten());
            continue;
        }
        p.u32(quint32(textnummer.value(zelle.text)));
        satz(blatt, LABELSST, p.daten());
    }
    {
        Puffer p;
        p.u16(0x06B6); // grid, headers, zeros, outline symbols, selected, shown
        p.u16(0);
        p.u16(0);
        p.u16(0x40);
        p.u16(0);
        p.u16(0);
        p.u16(0);
        p.u32(0);
        satz(blatt, WINDOW2, p.daten());
    }
    satz(blatt, EOF_, {});
    // Excel wants the Workbook stream outside the compound file's small-block area: at least
    // 4096 bytes, padded with zeros after the last record.
    QByteArray strom = global.daten() + blatt.daten();
    if (strom.size() < 4096)
        strom.append(QByteArray(4096 - strom.size(), '\0'));
    return strom;
}

void XlsArbeitsmappe::Speichern(const QString& pfad) const
{
    static const bool gestartet = [] {
        gsf_init();
        return true;
    }();
    (void)gestartet;
    const QByteArray daten = Biff8();
    const QString fehler = DateiNichtErstellbar(pfad).meldung();

    // The compound file is built in memory and written like every other file, so that a failing
    // disk never leaves a truncated workbook in place of the previous one.
    GsfOutput* speicher = gsf_output_memory_new();
    GsfOutfile* ole = gsf_outfile_msole_new(speicher);
    GsfOutput* strom = gsf_outfile_new_child(ole, "Workbook", FALSE);
    bool gut = strom && gsf_output_write(strom, size_t(daten.size()),
                                         reinterpret_cast<const guint8*>(daten.constData()));
    if (strom) {
        gut = gsf_output_close(strom) && gut;
        g_object_unref(strom);
    }
    gut = gsf_output_close(GSF_OUTPUT(ole)) && gut;
    g_object_unref(ole);
    if (!gsf_output_is_closed(speicher))
        gut = gsf_output_close(speicher) && gut;
    const QByteArray datei(reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(speicher))),
                           qsizetype(gsf_output_size(speicher)));
    g_object_unref(speicher);
    if (!gut)
        throw Fehler(fehler);
    try {
        SchreibeDateiSicher(pfad, datei);
    } catch (const Fehler& f) {
        throw Fehler(fehler + QStringLiteral(": ") + f.meldung());
    }
}
