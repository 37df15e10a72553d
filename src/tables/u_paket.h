#pragma once
// Table packets: the binary image of a table's structure, parameters and rows.
//
// PaketSchreiber puts a packet together piece by piece (header, column descriptors, parameter
// lists, rows with any status); SchreibePaket and LesePaket turn a whole table into a packet and
// back. Readers trust no length or count of the input: every inconsistency is a Fehler.
#include "tables/u_tabellendaten.h"
#include <QByteArray>
#include <QtEndian>
#include <cstring>
#include <vector>

namespace Typ {
constexpr quint32 Int32 = 0x00010004;
constexpr quint32 UInt16 = 0x00020002;
constexpr quint32 UInt32 = 0x00020004;
constexpr quint32 Boolean = 0x00030002;
constexpr quint32 Float = 0x00040008;
constexpr quint32 Text1 = 0x00490001; // varying text, 1-byte length
constexpr quint32 Text2 = 0x00490002; // varying text, 2-byte length
constexpr quint32 Memo = 0x004B0004;  // varying bytes, 4-byte length
constexpr quint32 ArrayUInt32 = 0x00820004;
constexpr quint32 Verschachtelt = 0x050E0000; // plus the number of descriptors of the table
} // namespace Typ

namespace Attribut {
constexpr quint16 Versteckt = 1;
constexpr quint16 NurLesen = 2;
constexpr quint16 Pflicht = 4;
constexpr quint16 Verknuepfung = 8;
} // namespace Attribut

namespace Status {
constexpr quint8 Unveraendert = 0;
constexpr quint8 AlteVersion = 0x01;
constexpr quint8 Geloescht = 0x02;
constexpr quint8 Eingefuegt = 0x04;
constexpr quint8 Geaendert = 0x08;
constexpr quint8 Leer = 0x20;
constexpr quint8 DetailGeaendert = 0x40;
} // namespace Status

// At most this many tables (the top table and its nested ones) in one packet.
constexpr int maxTabellen = 63;

class PaketSchreiber {
public:
    explicit PaketSchreiber(int spaltenzahl); // the header: version 1, flags 1

    // A column descriptor; its parameter list is open until ParameterlisteEnde.
    void Spalte(const QString& name, quint32 typ, quint16 attribute);
    // Opens the parameter list of the table whose column descriptors are complete.
    void Tabellenparameter();
    void ParameterText(const QString& name, const QString& text); // 2-byte length with terminator
    void ParameterUInt16(const QString& name, quint16 wert);
    void ParameterInt32(const QString& name, qint32 wert);
    void ParameterArrayUInt32(const QString& name, const std::vector<quint32>& werte);
    void ParameterlisteEnde();

    // A row: status and a bitmap with all bits clear, for a table of the given column count.
    // The first row fixes the row offset; rows of the top table are counted.
    void Zeile(quint8 status, int spalten, bool oben)
    {
        if (!m_zeilenBegonnen) {
            zeilenOffsetSetzen();
            m_zeilenBegonnen = true;
        }
        m_zeilenOben += oben;
        const qsizetype bitmap = (spalten + 3) / 4;
        char* p = platz(1 + bitmap);
        *p = char(status);
        std::memset(p + 1, 0, size_t(bitmap));
        m_bitmap = m_laenge - bitmap;
    }
    void Null(int spalte) { bit(spalte, 0); }
    void Unveraendert(int spalte) { bit(spalte, 1); }
    void Int32(qint32 wert) { u32(quint32(wert)); }
    void UInt32(quint32 wert) { u32(wert); }
    void Float(double wert)
    {
        quint64 bits;
        std::memcpy(&bits, &wert, sizeof bits);
        qToLittleEndian(bits, platz(8));
    }
    void Boolean(bool wert) { u16(wert ? 1 : 0); }
    void Text(const QByteArray& bytes, int laengenbytes); // the empty text as length 1 and a zero
    // The same for a text in memory, turned into code-page bytes straight into the packet.
    void TextInCodepage(QStringView text, int laengenbytes);
    void Memo(const QByteArray& bytes);
    void Zeilenzahl(qint32 anzahl) { u32(quint32(anzahl)); } // the value of a nested-table column

    QByteArray Fertig(); // sets the row offset and the row count

private:
    // Room for that many bytes at the end; the buffer doubles when it is full.
    char* platz(qsizetype anzahl)
    {
        if (m_laenge + anzahl > m_groesse)
            wachse(anzahl);
        char* stelle = m_puffer + m_laenge;
        m_laenge += anzahl;
        return stelle;
    }
    void wachse(qsizetype anzahl);
    void anhaengen(const char* bytes, qsizetype anzahl);
    void name(const QString& name);
    void u16(quint16 wert) { qToLittleEndian(wert, platz(2)); }
    void u32(quint32 wert) { qToLittleEndian(wert, platz(4)); }
    void zeilenOffsetSetzen();
    void bit(int spalte, int verschiebung)
    {
        char& bits = m_puffer[m_bitmap + spalte / 4];
        bits = char(quint8(bits) | (1u << (2 * (spalte % 4) + verschiebung)));
    }
    QByteArray m_daten;
    char* m_puffer = nullptr; // m_daten's bytes
    qsizetype m_groesse = 0;  // m_daten's size
    qsizetype m_laenge = 0;   // bytes written; m_daten holds room beyond them
    qsizetype m_liste = -1;   // offset of the open parameter list's count
    quint16 m_parameter = 0;  // parameters in it
    qsizetype m_bitmap = -1;  // offset of the current row's bitmap
    bool m_zeilenBegonnen = false;
    quint32 m_zeilenOben = 0;
};

// The packet of rows of level ebene: structure, "AUTOINCVALUE", rows with status 0.
// More than maxTabellen tables cannot be written.
QByteArray SchreibePaket(const Ebene& ebene, const Zeilen& zeilen);

// Reads a packet, change-logged ones included; the result holds only the current rows.
TTabellenDaten LesePaket(const QByteArray& paket);

[[noreturn]] void Paketfehler(const QString& grund);
