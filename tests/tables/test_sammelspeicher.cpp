// Rows read from a packet or filled by code take their values and texts from shared blocks. A
// block must live exactly as long as the last value list or text carved from it: rows deleted,
// edited, copied to another table or kept after the table read a new packet must read what was
// written (the sanitizer build sees any access to a freed block).
#include "tables/u_tabellendaten.h"
#include "tabellen_muster.h"
#include <gtest/gtest.h>

namespace {
std::vector<TFieldDef> breiteFelder()
{
    std::vector<TFieldDef> felder{feld("Nummer", TFieldType::Integer), feld("Name", TFieldType::String, 40)};
    for (int i = 0; i < 6; ++i)
        felder.push_back(feld(QStringLiteral("Wert%1").arg(i), TFieldType::Float));
    return felder;
}

QString name(int zeile) { return QStringLiteral("Zeile %1 – Größe").arg(zeile); }

// anzahl rows: Nummer = i, Name = name(i), Wert k = i + k / 10.
QByteArray breitesPaket(int anzahl)
{
    TBClientDataSet t;
    t.FieldDefs = breiteFelder();
    t.CreateDataSet();
    for (int i = 0; i < anzahl; ++i) {
        t.Append();
        t.Fields(0).SetAsInteger(i);
        t.Fields(1).SetAsString(name(i));
        for (int k = 0; k < 6; ++k)
            t.Fields(2 + k).SetAsFloat(i + k / 10.0);
        t.Post();
    }
    return t.Paket();
}

void erwarteZeile(TBClientDataSet& t, int i)
{
    EXPECT_EQ(t.Fields(0).AsInteger(), i);
    EXPECT_EQ(t.Fields(1).AsString(), name(i));
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(t.Fields(2 + k).AsFloat(), i + k / 10.0) << "Zeile " << i << ", Wert " << k;
}
} // namespace

TEST(Sammelspeicher, GeleseneZeilenUeberlebenLoeschenAendernUndNeuesLesen)
{
    // 3000 rows of about 200 bytes span several blocks.
    const QByteArray paket = breitesPaket(3000);
    TBClientDataSet t, kopie;
    t.AusPaket(paket);
    kopie.FieldDefs = breiteFelder();
    kopie.CreateDataSet();

    // Every third row deleted, every other one's name and a value changed.
    for (t.First(); !t.Eof();) {
        const int i = t.Fields(0).AsInteger();
        if (i % 3 == 0) {
            t.Delete();
            continue;
        }
        if (i % 2 == 0) {
            t.Edit();
            t.Fields(1).SetAsString(name(i) + QStringLiteral(" neu"));
            t.Fields(7).SetAsFloat(-i);
            t.Post();
        }
        t.Next();
    }
    KopiereZeilen(t, kopie);
    EXPECT_EQ(t.RecordCount(), 2000);

    // The first table reads the packet again: its blocks go, the copy keeps its own rows.
    t.AusPaket(paket);
    ASSERT_EQ(kopie.RecordCount(), 2000);
    for (kopie.First(); !kopie.Eof(); kopie.Next()) {
        const int i = kopie.Fields(0).AsInteger();
        ASSERT_NE(i % 3, 0);
        EXPECT_EQ(kopie.Fields(1).AsString(), i % 2 == 0 ? name(i) + QStringLiteral(" neu") : name(i));
        EXPECT_EQ(kopie.Fields(7).AsFloat(), i % 2 == 0 ? double(-i) : i + 0.5);
    }
    ASSERT_EQ(t.RecordCount(), 3000);
    for (t.First(); !t.Eof(); t.Next())
        erwarteZeile(t, t.RecNo() - 1);
}

TEST(Sammelspeicher, GefuellteBreiteZeilenLesenSichWieGeschrieben)
{
    TBClientDataSet t;
    t.FieldDefs = breiteFelder();
    t.CreateDataSet();
    {
        Tabellenfuellung fuellung(t);
        for (int i = 0; i < 2000; ++i) {
            fuellung.NeueZeile();
            fuellung.Setze(0, qint32(i));
            fuellung.Setze(1, QVariant(name(i)));
            for (int k = 0; k < 6; ++k)
                fuellung.Setze(2 + k, i + k / 10.0);
        }
        fuellung.Fertig();
    }
    ASSERT_EQ(t.RecordCount(), 2000);
    for (t.First(); !t.Eof(); t.Next())
        erwarteZeile(t, t.RecNo() - 1);
    // The packet of the filled rows is that of the same rows appended one by one.
    EXPECT_EQ(t.Paket(), breitesPaket(2000));
}

TEST(Sammelspeicher, WertelisteBehaeltIhreWerteUeberDieGrenzeDerInnerenWerte)
{
    Werte werte;
    werte.resize(2);
    werte[0] = qint32(7);
    werte[1] = Text(QStringLiteral("zwei"));
    werte.resize(5); // from inside the row to memory of its own
    ASSERT_EQ(werte.size(), 5);
    EXPECT_EQ(std::get<qint32>(werte[0]), 7);
    EXPECT_EQ(*std::get<Text>(werte[1]), QStringLiteral("zwei"));
    EXPECT_TRUE(istNull(werte[4]));
    werte[4] = 4.5;

    Sammelspeicher speicher;
    Werte geschnitzt;
    geschnitzt.anlegen(5, speicher);
    geschnitzt = werte; // same count: assigned in place
    Werte kopie = geschnitzt;
    kopie[4] = 9.0;
    EXPECT_EQ(std::get<double>(geschnitzt[4]), 4.5);

    Werte verschoben(std::move(geschnitzt));
    EXPECT_EQ(geschnitzt.size(), 0);
    verschoben.resize(1); // back inside the row
    EXPECT_EQ(std::get<qint32>(verschoben[0]), 7);
    EXPECT_EQ(std::get<double>(kopie[4]), 9.0);

    // A piece larger than a block gets a block of its own.
    Werte gross;
    gross.anlegen(10000, speicher);
    gross[9999] = Text(QStringLiteral("letzter"));
    EXPECT_EQ(*std::get<Text>(gross[9999]), QStringLiteral("letzter"));
}
