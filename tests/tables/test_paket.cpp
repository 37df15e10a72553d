// Table packets byte for byte: the written images of the program's tables, rows with every
// status, change-logged packets from the reader's side, sized packets in streams.
#include "u_testhilfen.h"
#include "platform/u_fehler.h"
#include "tables/u_paket.h"
#include "tables/u_stream.h"
#include "tabellen_muster.h"
#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {
quint16 wort(const QByteArray& paket, int stelle)
{
    return qFromLittleEndian<quint16>(paket.constData() + stelle);
}

quint32 doppelwort(const QByteArray& paket, int stelle)
{
    return qFromLittleEndian<quint32>(paket.constData() + stelle);
}

// The load library's metadata through the low-level writer, as the table writes it.
void lastbibMetadaten(PaketSchreiber& s)
{
    s.Spalte("Nummer", Typ::Int32, Attribut::NurLesen);
    s.ParameterText("SUBTYPE", "Autoinc");
    s.ParameterlisteEnde();
    s.Spalte("Werkzeug", Typ::Int32, 0);
    s.ParameterlisteEnde();
    s.Spalte("Name", Typ::Text1, Attribut::Pflicht);
    s.ParameterUInt16("WIDTH", 30);
    s.ParameterlisteEnde();
    for (const char* name : {"Breite", "Flaeche", "Last"}) {
        s.Spalte(name, Typ::Float, 0);
        s.ParameterlisteEnde();
    }
    s.Spalte("Einheit", Typ::Text1, 0);
    s.ParameterUInt16("WIDTH", 10);
    s.ParameterlisteEnde();
    s.Tabellenparameter();
    s.ParameterInt32("AUTOINCVALUE", 2);
    s.ParameterlisteEnde();
}

const QByteArray lastbibZeile = hex("04" "0001" "01000000" "09000000" "03504152"
                                    "000000000000E03F" "00000000 00C06240" "026B67");
} // namespace

TEST(Paket, LeereWandtabelleHat168BytesVersion2UndSiebenDeskriptoren)
{
    TBClientDataSet waende;
    waende.FieldDefs = wandFelder();
    waende.CreateDataSet();
    const QByteArray paket = waende.Paket();

    ASSERT_EQ(paket.size(), 168);
    EXPECT_EQ(paket.left(4), hex("9619E0BD"));
    EXPECT_EQ(wort(paket, 4), 2);
    EXPECT_EQ(wort(paket, 6), 0);
    EXPECT_EQ(doppelwort(paket, 8), 24u);
    EXPECT_EQ(wort(paket, 12), 7);
    EXPECT_EQ(doppelwort(paket, 14), 0u);
    EXPECT_EQ(doppelwort(paket, 18), 3u);
    EXPECT_EQ(wort(paket, 22), 168);
    // The first descriptor: Nummer, read-only, with SUBTYPE "Autoinc".
    EXPECT_EQ(paket.mid(24, 37), hex("064E756D6D6572" "04000100" "0200" "0100"
                                     "0753554254595045" "02004900" "0800" "4175746F696E6300"));
    // The points' parameter list (count 0) precedes the top table's list with AUTOINCVALUE 1.
    EXPECT_EQ(paket.right(25), hex("0000" "0100" "0C4155544F494E4356414C5545" "04000100"
                                   "01000000"));
}

TEST(Paket, LeereLastenbibliothekHatVersion1)
{
    TBClientDataSet lastbib;
    lastbib.FieldDefs = lastbibFelder();
    lastbib.CreateDataSet();
    const QByteArray paket = lastbib.Paket();
    EXPECT_EQ(wort(paket, 4), 1);
    EXPECT_EQ(wort(paket, 12), 7);
    EXPECT_EQ(wort(paket, 22), paket.size());
}

TEST(Paket, ZeileDerLastenbibliothekMitStatusEingefuegtIstBytegenau)
{
    // Low-level writer: status 04 as another producer writes it.
    PaketSchreiber s(7);
    lastbibMetadaten(s);
    s.Zeile(Status::Eingefuegt, 7, true);
    s.Int32(1);
    s.Int32(9);
    s.Text("PAR", 1);
    s.Float(0.5);
    s.Null(4);
    s.Float(150);
    s.Text("kg", 1);
    const QByteArray handgebaut = s.Fertig();
    const int zeilen = wort(handgebaut, 22);
    EXPECT_EQ(handgebaut.mid(zeilen), lastbibZeile);
    EXPECT_EQ(doppelwort(handgebaut, 14), 1u);

    // The table writes the same row with status 0 and the same metadata.
    TBClientDataSet lastbib;
    lastbib.FieldDefs = lastbibFelder();
    lastbib.CreateDataSet();
    lastbib.Append();
    lastbib.FieldByName(Feld::Werkzeug).SetAsInteger(9);
    lastbib.FieldByName(Feld::Name).SetAsString("PAR");
    lastbib.FieldByName(Feld::Breite).SetAsFloat(0.5);
    lastbib.FieldByName(Feld::Last).SetAsFloat(150);
    lastbib.FieldByName(Feld::Einheit).SetAsString("kg");
    lastbib.Post();
    QByteArray erwartet = handgebaut;
    erwartet[zeilen] = 0;
    EXPECT_EQ(lastbib.Paket(), erwartet);

    // An inserted row is current: reading shows it.
    TBClientDataSet gelesen;
    gelesen.AusPaket(handgebaut);
    ASSERT_EQ(gelesen.RecordCount(), 1);
    EXPECT_EQ(gelesen.FieldByName(Feld::Name).AsString(), "PAR");
    EXPECT_TRUE(gelesen.FieldByName(Feld::Flaeche).IsNull());
    EXPECT_EQ(gelesen.FieldByName(Feld::Last).AsFloat(), 150.0);
    EXPECT_TRUE(gelesen.FieldByName(Feld::Name).Required());
}

TEST(Paket, NullInDerDrittenVonFuenfSpaltenSetztBit4DesErstenBitmapbytes)
{
    TBClientDataSet t;
    for (const char* name : {"A", "B", "C", "D", "E"})
        t.FieldDefs.push_back(feld(name, TFieldType::Integer));
    t.CreateDataSet();
    t.Append();
    for (const char* name : {"A", "B", "D", "E"})
        t.FieldByName(Feldname::Aus(QString::fromLatin1(name))).SetAsInteger(7);
    t.Post();
    const QByteArray paket = t.Paket();
    EXPECT_EQ(paket.mid(wort(paket, 22)),
              hex("00" "1000" "07000000" "07000000" "07000000" "07000000"));
}

TEST(Paket, LeererTextIst0100UndNullSetztDasNullbit)
{
    TBClientDataSet t;
    t.FieldDefs = {feld("Name", TFieldType::String, 30), feld("Notiz", TFieldType::Memo, 250)};
    t.CreateDataSet();
    t.Append();
    t.FieldByName(Feld::Name).SetValue(QVariant(QString("")));
    t.Post();
    t.Append(); // Name stays null
    t.Post();
    const QByteArray paket = t.Paket();
    // An empty memo is null.
    EXPECT_EQ(paket.mid(wort(paket, 22)), hex("00" "04" "0100" "00" "05"));

    TBClientDataSet gelesen;
    gelesen.AusPaket(paket);
    gelesen.First();
    EXPECT_FALSE(gelesen.FieldByName(Feld::Name).IsNull());
    EXPECT_EQ(gelesen.FieldByName(Feld::Name).AsString(), "");
    gelesen.Next();
    EXPECT_TRUE(gelesen.FieldByName(Feld::Name).IsNull());
}

TEST(Paket, VarianteMitZweiLagernSchreibtDieLagerzahlUndDanachDieLasten)
{
    TBClientDataSet varianten;
    varianten.FieldDefs = {feld("Nummer", TFieldType::AutoInc), feld("Name", TFieldType::String, 30),
                           tabellenFeld("Lager", {feld("Nummer", TFieldType::Integer),
                                                  feld("Position", TFieldType::Float)}),
                           tabellenFeld("Lasten", {feld("Nummer", TFieldType::Integer),
                                                   feld("Last", TFieldType::Float)})};
    varianten.CreateDataSet();
    TBClientDataSet lager, lasten;
    lager.SetDataSetField(varianten, Feld::Lager);
    lasten.SetDataSetField(varianten, Feld::Lasten);
    varianten.Append();
    varianten.FieldByName(Feld::Name).SetAsString("V");
    for (int i = 1; i <= 2; ++i) {
        lager.Append();
        lager.FieldByName(Feld::Nummer).SetAsInteger(i);
        lager.FieldByName(Feld::Position).SetAsFloat(i == 1 ? -1.0 : 1.0);
        lager.Post();
    }
    lasten.Append();
    lasten.FieldByName(Feld::Nummer).SetAsInteger(1);
    lasten.FieldByName(Feld::Last).SetAsFloat(100);
    lasten.Post();
    varianten.Post();

    const QByteArray paket = varianten.Paket();
    EXPECT_EQ(wort(paket, 4), 2);
    EXPECT_EQ(wort(paket, 12), 8);
    EXPECT_EQ(paket.mid(wort(paket, 22)),
              hex("00" "00" "01000000" "0156" "02000000"
                  "00" "00" "01000000" "000000000000F0BF"
                  "00" "00" "02000000" "000000000000F03F"
                  "01000000" "00" "00" "01000000" "0000000000005940"));
}

TEST(Paket, AenderungsprotokollZeigtNurDieNeuenVersionenUndNummeriertNachLinkField)
{
    PaketSchreiber s(5);
    s.Spalte("Nummer", Typ::Int32, 0);
    s.ParameterUInt16("DECIMALS", 0); // unknown to the table: skipped
    s.ParameterlisteEnde();
    s.Spalte("Name", Typ::Text1, 0);
    s.ParameterUInt16("WIDTH", 10);
    s.ParameterlisteEnde();
    s.Spalte("Punkte", Typ::Verschachtelt + 2, 0);
    s.ParameterlisteEnde();
    s.Spalte("X", Typ::Float, 0);
    s.ParameterlisteEnde();
    s.Spalte("LINK_FIELD", Typ::UInt32, Attribut::Versteckt | Attribut::Verknuepfung);
    s.ParameterlisteEnde();
    s.Tabellenparameter();
    s.ParameterArrayUInt32("CHANGE_LOG", {3, 0, 4, 2, 0, 2, 4, 5, 8});
    s.ParameterlisteEnde();
    s.Tabellenparameter();
    s.ParameterInt32("LCID", 1031);
    s.ParameterArrayUInt32("MD_FIELDLINKS", {1, 2});
    s.ParameterArrayUInt32("CHANGE_LOG", {2, 1, 8, 3, 0, 2, 4, 0, 4});
    s.ParameterlisteEnde();
    // 1: old version of row 2, with one point (record 1)
    s.Zeile(Status::AlteVersion, 3, true);
    s.Int32(1);
    s.Text("alt", 1);
    s.Zeilenzahl(1);
    s.Zeile(Status::Unveraendert, 2, false);
    s.Float(1.5);
    s.UInt32(1);
    // 2: new version, Nummer and points unchanged
    s.Zeile(Status::Geaendert | Status::DetailGeaendert, 3, true);
    s.Unveraendert(0);
    s.Text("neu", 1);
    s.Unveraendert(2);
    // 3: deleted
    s.Zeile(Status::Geloescht, 3, true);
    s.Int32(3);
    s.Text("weg", 1);
    s.Zeilenzahl(0);
    // 4: inserted, with an inserted point, a deleted one and a changed one after its old version
    s.Zeile(Status::Eingefuegt, 3, true);
    s.Int32(4);
    s.Text("dazu", 1);
    s.Zeilenzahl(4);
    s.Zeile(Status::Eingefuegt, 2, false);
    s.Float(2.5);
    s.UInt32(3);
    s.Zeile(Status::Geloescht, 2, false);
    s.Float(9);
    s.UInt32(2);
    s.Zeile(Status::Geaendert, 2, false);
    s.Unveraendert(0);
    s.UInt32(4);
    s.Zeile(Status::AlteVersion, 2, false);
    s.Float(7.25);
    s.UInt32(5);
    const QByteArray paket = s.Fertig();
    ASSERT_EQ(doppelwort(paket, 14), 4u);

    TBClientDataSet t;
    t.AusPaket(paket);
    ASSERT_EQ(t.FieldCount(), 3); // LINK_FIELD is no field
    ASSERT_EQ(t.RecordCount(), 2);
    TBClientDataSet punkte;
    punkte.SetDataSetField(t, Feld::Punkte);
    t.First();
    EXPECT_EQ(t.FieldByName(Feld::Nummer).AsInteger(), 1);
    EXPECT_EQ(t.FieldByName(Feld::Name).AsString(), "neu");
    ASSERT_EQ(punkte.RecordCount(), 1);
    EXPECT_EQ(punkte.FieldByName(Feld::X).AsFloat(), 1.5);
    t.Next();
    EXPECT_EQ(t.FieldByName(Feld::Name).AsString(), "dazu");
    ASSERT_EQ(punkte.RecordCount(), 2);
    EXPECT_EQ(punkte.FieldByName(Feld::X).AsFloat(), 2.5);
    punkte.Next();
    // Record 4 is the new version of record 5 of the points: its X comes from there.
    EXPECT_EQ(punkte.FieldByName(Feld::X).AsFloat(), 7.25);

    // Written again: current rows only, status 0, no log, no LINK_FIELD.
    const QByteArray neu = t.Paket();
    EXPECT_EQ(wort(neu, 12), 4);
    EXPECT_EQ(doppelwort(neu, 14), 2u);
    EXPECT_EQ(neu.indexOf("CHANGE_LOG"), -1);
    EXPECT_EQ(neu.indexOf("LINK_FIELD"), -1);
}

TEST(Paket, UnveraendertOhneAlteVersionIstEinFehler)
{
    PaketSchreiber s(1);
    s.Spalte("A", Typ::Int32, 0);
    s.ParameterlisteEnde();
    s.Tabellenparameter();
    s.ParameterlisteEnde();
    s.Zeile(Status::Geaendert, 1, true);
    s.Unveraendert(0);
    TBClientDataSet t;
    EXPECT_EQ(fehlerVon([&] { t.AusPaket(s.Fertig()); }),
              "Ungültiges Tabellenpaket: Ein unveränderter Wert hat keine alte Version");
    EXPECT_FALSE(t.Active());
}

TEST(Paket, LangeKettenAlterVersionenWerdenAufgeloest)
{
    // Each row is the new version of the next one; the last holds the value.
    constexpr quint32 anzahl = 20000;
    std::vector<quint32> protokoll;
    for (quint32 i = 1; i < anzahl; ++i)
        protokoll.insert(protokoll.end(), {i, i + 1, 8});
    PaketSchreiber s(1);
    s.Spalte("A", Typ::Int32, 0);
    s.ParameterlisteEnde();
    s.Tabellenparameter();
    s.ParameterArrayUInt32("CHANGE_LOG", protokoll);
    s.ParameterlisteEnde();
    for (quint32 i = 1; i < anzahl; ++i) {
        s.Zeile(Status::Geaendert, 1, true);
        s.Unveraendert(0);
    }
    s.Zeile(Status::AlteVersion, 1, true);
    s.Int32(42);
    TBClientDataSet t;
    t.AusPaket(s.Fertig());
    ASSERT_EQ(t.RecordCount(), int(anzahl) - 1);
    t.Last();
    EXPECT_EQ(t.FieldByName(Feld::A).AsInteger(), 42);
}

namespace {
std::vector<TFieldDef> kette(int verschachtelt)
{
    std::vector<TFieldDef> felder = {feld("Wert", TFieldType::Integer)};
    for (int i = 0; i < verschachtelt; ++i)
        felder = {feld("Wert", TFieldType::Integer), tabellenFeld("Kind", felder)};
    return felder;
}
} // namespace

TEST(Paket, HoechstensDreiundsechzigTabellenInEinemPaket)
{
    TBClientDataSet erlaubt;
    erlaubt.FieldDefs = kette(62);
    erlaubt.CreateDataSet();
    const QByteArray paket = erlaubt.Paket();
    TBClientDataSet gelesen;
    gelesen.AusPaket(paket);
    EXPECT_EQ(gelesen.FieldCount(), 2);

    TBClientDataSet zuViele;
    zuViele.FieldDefs = kette(63);
    zuViele.CreateDataSet();
    EXPECT_EQ(fehlerVon([&] { zuViele.Paket(); }),
              "Eine Tabelle mit mehr als 62 verschachtelten Tabellen kann nicht gespeichert werden");

    // A packet claiming 64 tables is refused by the reader too.
    PaketSchreiber s(64);
    for (int i = 0; i < 63; ++i) {
        s.Spalte("Kind", Typ::Verschachtelt + quint32(63 - i), 0);
        s.ParameterlisteEnde();
    }
    s.Spalte("Wert", Typ::Int32, 0);
    s.ParameterlisteEnde();
    for (int i = 0; i < 64; ++i) {
        s.Tabellenparameter();
        s.ParameterlisteEnde();
    }
    EXPECT_EQ(fehlerVon([&] { gelesen.AusPaket(s.Fertig()); }),
              "Ungültiges Tabellenpaket: Mehr als 63 Tabellen");
    EXPECT_FALSE(gelesen.Active());
}

TEST(Paket, FalscheKennungUndZuHoheVersionWerdenAbgewiesen)
{
    TBClientDataSet t;
    t.FieldDefs = wandFelder();
    t.CreateDataSet();
    QByteArray paket = t.Paket();
    QByteArray kennung = paket;
    kennung[0] = 0;
    EXPECT_EQ(fehlerVon([&] { t.AusPaket(kennung); }),
              "Ungültiges Tabellenpaket: Die Kennung des Pakets fehlt");
    EXPECT_FALSE(t.Active());
    QByteArray version = paket;
    version[6] = 4;
    EXPECT_EQ(fehlerVon([&] { t.AusPaket(version); }),
              "Ungültiges Tabellenpaket: Unbekannte Version 2.4");
    version[6] = 3;
    version[4] = 3;
    t.AusPaket(version);
    EXPECT_TRUE(t.Active());
}

TEST(Paket, VerschachtelteTabellenUeberstehenSchreibenUndLesen)
{
    TBClientDataSet projekt, varianten, lager, lasten;
    projekt.FieldDefs = projektFelder();
    projekt.CreateDataSet();
    varianten.SetDataSetField(projekt, Feld::Variante);
    lager.SetDataSetField(varianten, Feld::Lager);
    lasten.SetDataSetField(varianten, Feld::Lasten);
    for (int t = 0; t < 3; ++t) {
        projekt.Append();
        projekt.FieldByName(Feld::Name).SetAsString(QString("Traverse %1").arg(t));
        projekt.FieldByName(Feld::Notizen).SetAsString("Zeile 1\r\nZeile 2 mit ü");
        for (int v = 0; v < 2; ++v) {
            varianten.Append();
            varianten.FieldByName(Feld::Name).SetAsString(QString("V%1.%2").arg(t).arg(v));
            for (int l = 0; l < t + v; ++l) {
                lager.Append();
                lager.FieldByName(Feld::Nummer).SetAsInteger(l + 1);
                lager.FieldByName(Feld::Position).SetAsFloat(l * 0.25);
                lager.FieldByName(Feld::oben).SetAsBoolean(l % 2 == 1);
                lager.Post();
            }
            lasten.Append();
            lasten.FieldByName(Feld::Last).SetAsFloat(100 * t + v);
            lasten.Post();
            varianten.Post();
        }
        projekt.Post();
    }
    const QByteArray paket = projekt.Paket();

    TBClientDataSet zurueck, vz, lz, az;
    zurueck.AusPaket(paket);
    vz.SetDataSetField(zurueck, Feld::Variante);
    lz.SetDataSetField(vz, Feld::Lager);
    az.SetDataSetField(vz, Feld::Lasten);
    EXPECT_EQ(zurueck.Paket(), paket);
    ASSERT_EQ(zurueck.RecordCount(), 3);
    zurueck.Last();
    EXPECT_EQ(zurueck.FieldByName(Feld::Notizen).AsString(), "Zeile 1\r\nZeile 2 mit ü");
    ASSERT_EQ(vz.RecordCount(), 2);
    vz.Last();
    EXPECT_EQ(vz.FieldByName(Feld::Name).AsString(), "V2.1");
    EXPECT_EQ(vz.FieldByName(Feld::Nummer).AsInteger(), 6);
    ASSERT_EQ(lz.RecordCount(), 3);
    lz.Last();
    EXPECT_EQ(lz.FieldByName(Feld::Position).AsFloat(), 0.5);
    EXPECT_FALSE(lz.FieldByName(Feld::oben).AsBoolean());
    EXPECT_EQ(az.FieldByName(Feld::Last).AsFloat(), 201.0);
}

TEST(PaketStream, SchreibtLaengeUndPaketUndLiestHintereinanderZurueck)
{
    TBClientDataSet a, b;
    a.FieldDefs = lastbibFelder();
    a.CreateDataSet();
    a.Append();
    a.FieldByName(Feld::Name).SetAsString("Spot");
    a.Post();
    b.FieldDefs = wandFelder();
    b.CreateDataSet();
    QBuffer puffer;
    puffer.open(QIODevice::ReadWrite);
    a.SchreibeInStream(puffer);
    b.SchreibeInStream(puffer);
    puffer.write("Rest");
    EXPECT_EQ(qFromLittleEndian<qint32>(puffer.data().constData()), a.Paket().size());

    puffer.seek(0);
    TBClientDataSet c, e;
    c.LeseAusStream(puffer);
    e.LeseAusStream(puffer);
    EXPECT_EQ(c.FieldByName(Feld::Name).AsString(), "Spot");
    EXPECT_EQ(e.FieldCount(), 5);
    EXPECT_EQ(puffer.read(4), "Rest");
}

TEST(PaketStream, LaengeNullNegativOderAbgeschnittenIstEinFehler)
{
    const auto lies = [](const QByteArray& bytes) {
        QBuffer puffer;
        puffer.setData(bytes);
        puffer.open(QIODevice::ReadOnly);
        TBClientDataSet t;
        t.FieldDefs = wandFelder();
        t.CreateDataSet();
        const QString meldung = fehlerVon([&] { t.LeseAusStream(puffer); });
        EXPECT_FALSE(t.Active());
        return meldung;
    };
    EXPECT_EQ(lies(hex("000000")), "Stream-Lesefehler");
    EXPECT_EQ(lies(hex("")), "Stream-Lesefehler");
    EXPECT_EQ(lies(hex("00000000")), "Ungültige Länge 0 eines Tabellenpakets");
    EXPECT_EQ(lies(hex("FFFFFFFF")), "Ungültige Länge -1 eines Tabellenpakets");
    EXPECT_EQ(lies(hex("FFFFFF7F") + QByteArray(100, 'x')), "Stream-Lesefehler");
}

TEST(PaketStream, DokumentMitTextwertenUndZweiPaketenLiestSichZurueck)
{
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("Projekt.prp");
    TBClientDataSet traversen, waende;
    traversen.FieldDefs = projektFelder();
    traversen.CreateDataSet();
    traversen.Append();
    traversen.FieldByName(Feld::Name).SetAsString("Bühne links");
    traversen.Post();
    waende.FieldDefs = wandFelder();
    waende.CreateDataSet();
    {
        DokumentSchreiber schreiber(datei);
        schreiber.Text("Kelvara VLX Projektdatei 1.0");
        schreiber.Text("Halle 3");
        schreiber.Tabelle(traversen);
        schreiber.Tabelle(waende);
        schreiber.Abschliessen();
    }
    TBClientDataSet t2, w2;
    DokumentLeser leser(datei);
    EXPECT_EQ(leser.Text(), "Kelvara VLX Projektdatei 1.0");
    EXPECT_EQ(leser.Text(), "Halle 3");
    leser.Tabelle(t2);
    leser.Tabelle(w2);
    EXPECT_EQ(t2.FieldByName(Feld::Name).AsString(), "Bühne links");
    EXPECT_EQ(w2.Paket(), waende.Paket());
    EXPECT_EQ(leser.geraet().bytesAvailable(), 0);
}

namespace {
// A packet of one row whose columns F0, F1, ... hold 7·i − 1000; the last column may be renamed.
QByteArray breitesPaket(int spalten, const QString& letzterName = QString())
{
    PaketSchreiber s(spalten);
    for (int i = 0; i < spalten; ++i) {
        s.Spalte(i + 1 == spalten && !letzterName.isEmpty() ? letzterName : QStringLiteral("F%1").arg(i), Typ::Int32, 0);
        s.ParameterlisteEnde();
    }
    s.Tabellenparameter();
    s.ParameterlisteEnde();
    s.Zeile(Status::Eingefuegt, spalten, true);
    for (int i = 0; i < spalten; ++i)
        s.Int32(7 * i - 1000);
    return s.Fertig();
}
} // namespace

TEST(Paket, SechzigtausendGanzzahlspaltenKommenAlleMitIhremWertAn)
{
    constexpr int spalten = 60000;
    TBClientDataSet t;
    t.AusPaket(breitesPaket(spalten));
    ASSERT_EQ(t.FieldCount(), spalten);
    ASSERT_EQ(t.RecordCount(), 1);
    for (int i = 0; i < spalten; ++i) {
        ASSERT_EQ(t.Fields(i).FieldName(), QStringLiteral("F%1").arg(i));
        ASSERT_EQ(t.Fields(i).AsInteger(), 7 * i - 1000) << i;
    }
    // names are found without regard to case, the last as quickly as the first
    EXPECT_EQ(t.FieldByName(Feld::f59999).AsInteger(), 7 * 59999 - 1000);
    EXPECT_EQ(t.FieldByName(Feld::F0).Index(), 0);
    EXPECT_EQ(t.FindField(Feld::F60000), nullptr);
}

TEST(Paket, EineDoppelteSpalteAmEndeEinesBreitenPaketsWirdErkannt)
{
    TBClientDataSet t;
    EXPECT_EQ(fehlerVon([&] { t.AusPaket(breitesPaket(20000, QStringLiteral("f17"))); }),
              QStringLiteral("Ungültiges Tabellenpaket: Die Spalte 'f17' ist doppelt"));
}

// A table that read a packet before and then meets a damaged one does not come back with the old
// rows when opened again: neither the table nor its nested rows show stale data as if read.
TEST(Paket, NachEinemUnlesbarenPaketZeigtDieTabelleKeineAltenZeilen)
{
    TBClientDataSet t, punkte;
    t.FieldDefs = wandFelder();
    t.CreateDataSet();
    punkte.SetDataSetField(t, Feld::Punkte);
    t.Append();
    t.FieldByName(Feld::Symbol).SetAsInteger(3);
    t.Post();
    punkte.Append();
    punkte.FieldByName(Feld::X).SetAsFloat(1.5);
    punkte.Post();
    t.AusPaket(t.Paket());
    ASSERT_EQ(t.RecordCount(), 1);
    ASSERT_EQ(punkte.RecordCount(), 1);

    QByteArray kaputt = t.Paket();
    kaputt.truncate(kaputt.size() - 3);
    EXPECT_FALSE(fehlerVon([&] { t.AusPaket(kaputt); }).isEmpty());
    EXPECT_FALSE(t.Active());
    t.Open();
    EXPECT_EQ(t.RecordCount(), 0);
    EXPECT_EQ(punkte.Active() ? punkte.RecordCount() : 0, 0);
}
