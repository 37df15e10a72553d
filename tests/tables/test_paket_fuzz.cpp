// Mutated table packets: the reader answers every byte sequence with a table or a Fehler, never a
// crash, a hang or memory beyond the input; a packet it accepts writes and reads back unchanged.
#include "platform/u_fehler.h"
#include "tables/u_paket.h"
#include "tabellen_muster.h"
#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>
#include <random>

namespace {
QByteArray waendeMitPunkten()
{
    TBClientDataSet waende, punkte;
    waende.FieldDefs = wandFelder();
    waende.CreateDataSet();
    punkte.SetDataSetField(waende, Feld::Punkte);
    for (int w = 0; w < 3; ++w) {
        waende.Append();
        waende.FieldByName(Feld::Symbol).SetAsInteger(w);
        if (w != 1)
            waende.FieldByName(Feld::Breite).SetAsFloat(0.1 * w);
        waende.FieldByName(Feld::markiert).SetAsBoolean(w == 2);
        for (int p = 0; p < w + 1; ++p) {
            punkte.Append();
            punkte.FieldByName(Feld::X).SetAsFloat(p);
            punkte.Post();
        }
        waende.Post();
    }
    return waende.Paket();
}

QByteArray lastenbibliothek()
{
    TBClientDataSet lastbib;
    lastbib.FieldDefs = lastbibFelder();
    lastbib.FieldDefs.push_back(feld("Notiz", TFieldType::Memo, 250));
    lastbib.CreateDataSet();
    for (const char* name : {"PAR", "", "Kettenzug 500 kg"}) {
        lastbib.Append();
        lastbib.FieldByName(Feld::Name).SetValue(QVariant(QString(name)));
        lastbib.FieldByName(Feld::Notiz).SetAsString(QString(name).repeated(3));
        lastbib.FieldByName(Feld::Last).SetAsFloat(150);
        lastbib.Post();
    }
    return lastbib.Paket();
}

// Old and new version, a deleted row, a nested table numbered by its link column.
QByteArray protokolliert()
{
    PaketSchreiber s(5);
    s.Spalte("Nummer", Typ::Int32, 0);
    s.ParameterlisteEnde();
    s.Spalte("Name", Typ::Text2, 0);
    s.ParameterUInt16("WIDTH", 300);
    s.ParameterlisteEnde();
    s.Spalte("Punkte", Typ::Verschachtelt + 2, 0);
    s.ParameterlisteEnde();
    s.Spalte("X", Typ::Float, 0);
    s.ParameterlisteEnde();
    s.Spalte("LINK_FIELD", Typ::UInt32, Attribut::Versteckt | Attribut::Verknuepfung);
    s.ParameterlisteEnde();
    s.Tabellenparameter();
    s.ParameterArrayUInt32("CHANGE_LOG", {2, 1, 8});
    s.ParameterlisteEnde();
    s.Tabellenparameter();
    s.ParameterArrayUInt32("CHANGE_LOG", {2, 1, 8, 3, 0, 2});
    s.ParameterlisteEnde();
    s.Zeile(Status::AlteVersion, 3, true);
    s.Int32(1);
    s.Text("alt", 2);
    s.Zeilenzahl(2);
    s.Zeile(Status::AlteVersion, 2, false);
    s.Float(1);
    s.UInt32(1);
    s.Zeile(Status::Geaendert, 2, false);
    s.Unveraendert(0);
    s.UInt32(2);
    s.Zeile(Status::Geaendert, 3, true);
    s.Unveraendert(0);
    s.Text("neu", 2);
    s.Unveraendert(2);
    s.Zeile(Status::Geloescht, 3, true);
    s.Int32(3);
    s.Null(1);
    s.Zeilenzahl(0);
    return s.Fertig();
}

// Nested tables as deep as a packet allows, each level with a row.
QByteArray tiefVerschachtelt()
{
    std::vector<TFieldDef> felder = {feld("Wert", TFieldType::Integer)};
    for (int i = 0; i < 62; ++i)
        felder = {feld("Wert", TFieldType::Integer), tabellenFeld("Kind", felder)};
    TBClientDataSet oben;
    oben.FieldDefs = felder;
    oben.CreateDataSet();
    std::vector<std::unique_ptr<TBClientDataSet>> details;
    TBClientDataSet* ebene = &oben;
    for (int i = 0; i < 62; ++i) {
        details.push_back(std::make_unique<TBClientDataSet>());
        details.back()->SetDataSetField(*ebene, Feld::Kind);
        ebene->Append();
        ebene->FieldByName(Feld::Wert).SetAsInteger(i);
        ebene = details.back().get();
    }
    ebene->Append();
    ebene->FieldByName(Feld::Wert).SetAsInteger(62);
    oben.Post();
    return oben.Paket();
}

void mutiere(QByteArray& daten, std::mt19937& zufall)
{
    const auto stelle = [&] {
        return std::uniform_int_distribution<qsizetype>(0, std::max<qsizetype>(0, daten.size() - 1))(
            zufall);
    };
    static const quint32 zahlen[] = {0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x10000, 0xFFFF,
                                     63,         64,         0,          1,       0x050E0001};
    switch (zufall() % 7) {
    case 0: // bit flips
        for (int i = 0, n = 1 + int(zufall() % 4); i < n && !daten.isEmpty(); ++i)
            daten[stelle()] ^= char(1 << (zufall() % 8));
        break;
    case 1: // cut
        daten.truncate(stelle());
        break;
    case 2: { // a hostile 32-bit length or count
        const qsizetype p = stelle();
        if (p + 4 <= daten.size())
            qToLittleEndian<quint32>(zahlen[zufall() % std::size(zahlen)], daten.data() + p);
        break;
    }
    case 3: { // a hostile 16-bit count
        const qsizetype p = stelle();
        if (p + 2 <= daten.size())
            qToLittleEndian<quint16>(quint16(zahlen[zufall() % std::size(zahlen)]),
                                     daten.data() + p);
        break;
    }
    case 4: { // a piece repeated elsewhere: descriptors or rows that nest into themselves
        const qsizetype von = stelle();
        const qsizetype laenge = std::min<qsizetype>(daten.size() - von, 1 + zufall() % 64);
        daten.insert(stelle(), daten.mid(von, laenge));
        break;
    }
    case 5: { // a piece left out
        const qsizetype von = stelle();
        daten.remove(von, std::min<qsizetype>(daten.size() - von, 1 + zufall() % 16));
        break;
    }
    default: // a random byte
        if (!daten.isEmpty())
            daten[stelle()] = char(zufall());
    }
}

// Reads a packet; true when it was accepted. Anything but a Fehler fails the test.
bool lies(TBClientDataSet& tabelle, const QByteArray& paket, QString* meldung = nullptr)
{
    try {
        tabelle.AusPaket(paket);
    } catch (const Fehler& f) {
        EXPECT_FALSE(tabelle.Active());
        if (meldung)
            *meldung = f.meldung();
        return false;
    }
    return true;
}
} // namespace

TEST(PaketFuzz, LeserUebersteht100000VeraenderteTabellenpakete)
{
    const std::vector<QByteArray> saaten = {waendeMitPunkten(), lastenbibliothek(), protokolliert(),
                                            tiefVerschachtelt()};
    std::mt19937 zufall(20261209);
    TBClientDataSet tabelle;
    int angenommen = 0;
    for (size_t i = 0; i < saaten.size(); ++i) {
        QString meldung;
        ASSERT_TRUE(lies(tabelle, saaten[i], &meldung)) << i << " " << meldung.toStdString();
        if (i != 2) { // the change-logged packet is written without its log
            EXPECT_EQ(tabelle.Paket(), saaten[i]);
        }
    }
    for (int runde = 0; runde < 100000; ++runde) {
        QByteArray paket = saaten[runde % saaten.size()];
        for (int i = 0, n = 1 + int(zufall() % 3); i < n; ++i)
            mutiere(paket, zufall);
        if (!lies(tabelle, paket))
            continue;
        if (++angenommen % 4 != 0)
            continue;
        // What was accepted is a sound table: written and read again it stays the same.
        const QByteArray neu = tabelle.Paket();
        TBClientDataSet zweite;
        ASSERT_TRUE(lies(zweite, neu)) << "Runde " << runde;
        ASSERT_EQ(zweite.Paket(), neu) << "Runde " << runde;
    }
    EXPECT_GT(angenommen, 0);
}

TEST(PaketFuzz, StreamMitFalschenPaketlaengen)
{
    const QByteArray paket = lastenbibliothek();
    std::mt19937 zufall(7);
    for (int runde = 0; runde < 2000; ++runde) {
        QByteArray bytes(4, '\0');
        const qint32 laenge = runde % 4 == 0 ? qint32(zufall()) : paket.size() + int(zufall() % 9) - 4;
        qToLittleEndian<qint32>(laenge, bytes.data());
        bytes += paket.left(std::uniform_int_distribution<int>(0, int(paket.size()))(zufall));
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::ReadOnly);
        TBClientDataSet t;
        try {
            t.LeseAusStream(puffer);
            EXPECT_EQ(laenge, paket.size());
        } catch (const Fehler&) {
            EXPECT_FALSE(t.Active());
        }
    }
}
