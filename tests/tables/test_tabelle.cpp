// The in-memory table as the windows use it: numbering, cursor, ordering, search, failures,
// calculated fields, display texts, nested detail tables, row copy and notifications.
#include "u_testhilfen.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "tabellen_muster.h"
#include <QBuffer>
#include <set>
#include <gtest/gtest.h>

namespace {
void neueLast(TBClientDataSet& t, const QString& name, double last = 0)
{
    t.Append();
    t.FieldByName(Feld::Name).SetAsString(name);
    t.FieldByName(Feld::Last).SetAsFloat(last);
    t.Post();
}

QStringList namen(TBClientDataSet& t)
{
    QStringList liste;
    t.First();
    while (!t.Eof()) {
        liste << t.FieldByName(Feld::Name).AsString();
        t.Next();
    }
    return liste;
}

class Lastbibliothek : public ::testing::Test {
protected:
    void SetUp() override
    {
        lastbib.FieldDefs = lastbibFelder();
        lastbib.CreateDataSet();
    }
    TBClientDataSet lastbib;
};
} // namespace

TEST_F(Lastbibliothek, NummeriertNeueZeilenFortlaufendOhneGeloeschteNummernWiederzuverwenden)
{
    neueLast(lastbib, "A");
    neueLast(lastbib, "B");
    EXPECT_EQ(lastbib.FieldByName(Feld::Nummer).AsInteger(), 2);
    lastbib.Delete();
    neueLast(lastbib, "C");
    EXPECT_EQ(lastbib.FieldByName(Feld::Nummer).AsInteger(), 3);

    // After saving and loading the numbering goes on.
    TBClientDataSet geladen;
    geladen.AusPaket(lastbib.Paket());
    neueLast(geladen, "D");
    EXPECT_EQ(geladen.FieldByName(Feld::Nummer).AsInteger(), 4);
    EXPECT_EQ(fehlerVon([&] {
                  geladen.Edit();
                  geladen.FieldByName(Feld::Nummer).SetAsInteger(9);
              }),
              "Feld 'Nummer' kann nicht geändert werden");
}

TEST_F(Lastbibliothek, CursorUndRandmarken)
{
    EXPECT_TRUE(lastbib.Bof());
    EXPECT_TRUE(lastbib.Eof());
    EXPECT_EQ(lastbib.RecNo(), 0);
    lastbib.Edit(); // on an empty table: a new row
    EXPECT_EQ(lastbib.State(), TDataSetState::Insert);
    lastbib.Cancel();
    for (const char* name : {"A", "B", "C"})
        neueLast(lastbib, name);
    lastbib.First();
    EXPECT_TRUE(lastbib.Bof());
    EXPECT_FALSE(lastbib.Eof());
    lastbib.Prior();
    EXPECT_EQ(lastbib.RecNo(), 1);
    lastbib.Last();
    EXPECT_TRUE(lastbib.Eof());
    lastbib.Next();
    EXPECT_EQ(lastbib.FieldByName(Feld::Name).AsString(), "C");
    lastbib.SetRecNo(2);
    EXPECT_EQ(lastbib.FieldByName(Feld::Name).AsString(), "B");

    // Locate that finds nothing leaves the cursor where it was.
    EXPECT_FALSE(lastbib.Locate({Feld::Name}, {"b"}));
    EXPECT_EQ(lastbib.RecNo(), 2);
    EXPECT_TRUE(lastbib.Locate({Feld::Name, Feld::Nummer}, {"C", 3}));
    EXPECT_EQ(lastbib.RecNo(), 3);

    // Deleting the last of three leaves the cursor on the new last row.
    lastbib.Delete();
    EXPECT_EQ(lastbib.RecordCount(), 2);
    EXPECT_EQ(lastbib.RecNo(), 2);
    EXPECT_EQ(lastbib.FieldByName(Feld::Name).AsString(), "B");
    lastbib.First();
    lastbib.Delete();
    EXPECT_EQ(lastbib.FieldByName(Feld::Name).AsString(), "B");
}

TEST_F(Lastbibliothek, LeererFloatLiestNullUndZeigtNichts)
{
    lastbib.FieldByName(Feld::Breite).DisplayFormat = "0.0";
    lastbib.Append();
    lastbib.FieldByName(Feld::Name).SetAsString("Spot");
    lastbib.Post();
    TField& breite = lastbib.FieldByName(Feld::Breite);
    EXPECT_TRUE(breite.IsNull());
    EXPECT_EQ(breite.AsFloat(), 0.0);
    EXPECT_EQ(breite.AsInteger(), 0);
    EXPECT_EQ(breite.DisplayText(), "");
    EXPECT_FALSE(breite.Value().isValid());
    lastbib.Edit();
    breite.SetAsString("2,25");
    lastbib.Post();
    EXPECT_EQ(breite.DisplayText(), "2,3");
    EXPECT_EQ(breite.AsString(), "2,25");
    lastbib.Edit();
    breite.SetAsString("");
    EXPECT_TRUE(breite.IsNull());
}

TEST_F(Lastbibliothek, MeldetFehlerMitDenTextenDerTabelle)
{
    EXPECT_EQ(fehlerVon([&] { lastbib.Delete(); }),
              "Operation bei leerer Datenmenge nicht ausführbar");
    lastbib.Append();
    EXPECT_EQ(fehlerVon([&] { lastbib.Post(); }), "Feld 'Name' muß einen Wert haben");
    EXPECT_EQ(lastbib.State(), TDataSetState::Insert); // the row is still being built
    EXPECT_EQ(fehlerVon([&] { lastbib.FieldByName(Feld::Last).SetAsString("zwölf"); }),
              "'zwölf' ist kein gültiger Fließkommawert für Feld 'Last'");
    EXPECT_EQ(fehlerVon([&] { lastbib.FieldByName(Feld::Werkzeug).SetAsString("1,5"); }),
              "'1,5' ist kein gültiger Integerwert für Feld 'Werkzeug'");
    EXPECT_EQ(fehlerVon([&] { lastbib.FieldByName(Feld::Gewicht); }),
              "Das Feld 'Gewicht' wurde nicht gefunden");
    lastbib.Cancel();
    EXPECT_EQ(lastbib.RecordCount(), 0);
    neueLast(lastbib, "A");
    EXPECT_EQ(fehlerVon([&] { lastbib.FieldByName(Feld::Name).SetAsString("B"); }),
              "Datenmenge weder im Editier- noch im Einfügemodus");
    EXPECT_EQ(fehlerVon([&] { lastbib.Post(); }),
              "Datenmenge weder im Editier- noch im Einfügemodus");
    lastbib.Close();
    EXPECT_EQ(fehlerVon([&] { lastbib.First(); }),
              "Operation bei geschlossener Datenmenge nicht ausführbar");
    lastbib.Open();
    EXPECT_EQ(lastbib.FieldByName(Feld::Name).AsString(), "A");
}

TEST_F(Lastbibliothek, TexteWerdenAufDieFeldgroesseGekuerzt)
{
    lastbib.Append();
    lastbib.FieldByName(Feld::Name).SetAsString("Kettenzug");
    lastbib.FieldByName(Feld::Einheit).SetAsString("Kilogramm pro Meter");
    lastbib.Post();
    EXPECT_EQ(lastbib.FieldByName(Feld::Einheit).AsString(), "Kilogramm ");
}

TEST(Tabelle, SortierungNachSortierungUndNummer)
{
    TBClientDataSet t;
    t.FieldDefs = {feld("Nummer", TFieldType::Integer), feld("Sortierung", TFieldType::Integer),
                   feld("Name", TFieldType::String, 30)};
    t.CreateDataSet();
    t.SetIndexFieldNames({Feld::Sortierung, Feld::Nummer});
    const auto zeile = [&](int nummer, int sortierung, const char* name) {
        t.Append();
        t.FieldByName(Feld::Nummer).SetAsInteger(nummer);
        t.FieldByName(Feld::Sortierung).SetAsInteger(sortierung);
        t.FieldByName(Feld::Name).SetAsString(name);
        t.Post();
    };
    zeile(1, 2, "a");
    zeile(2, 1, "b");
    zeile(3, 1, "c");
    zeile(9, 0, "neu");
    // The posted row stands where the ordering puts it, and the cursor stays on it.
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_EQ(t.FieldByName(Feld::Name).AsString(), "neu");
    EXPECT_EQ(namen(t), QStringList({"neu", "b", "c", "a"}));
    t.First();
    t.Edit();
    t.FieldByName(Feld::Sortierung).SetAsInteger(5);
    t.Post();
    EXPECT_EQ(t.RecNo(), 4);
    EXPECT_TRUE(t.FindKey({1, 3}));
    EXPECT_EQ(t.FieldByName(Feld::Name).AsString(), "c");
    EXPECT_FALSE(t.FindKey({7}));
    t.SetIndexFieldNames({});
    EXPECT_EQ(namen(t), QStringList({"a", "b", "c", "neu"}));
    EXPECT_EQ(fehlerVon([&] { t.SetIndexFieldNames({Feldname::Aus(u"Gibtsnicht")}); }),
              "Das Feld 'Gibtsnicht' wurde nicht gefunden");
}

TEST(Tabelle, EindeutigerIndexWeistDoppeltenSchluesselAb)
{
    TBClientDataSet t;
    t.FieldDefs = {feld("Werkzeug", TFieldType::Integer), feld("Name", TFieldType::String, 30)};
    t.CreateDataSet();
    t.AddIndex({"WzgName", "Werkzeug;Name", true});
    t.SetIndexName("WzgName");
    ASSERT_EQ(t.IndexDefs().size(), 1u);
    for (const char* name : {"Spot", "Bar"}) {
        t.Append();
        t.FieldByName(Feld::Werkzeug).SetAsInteger(9);
        t.FieldByName(Feld::Name).SetAsString(name);
        t.Post();
    }
    EXPECT_EQ(namen(t), QStringList({"Bar", "Spot"}));
    t.Append();
    t.FieldByName(Feld::Werkzeug).SetAsInteger(9);
    t.FieldByName(Feld::Name).SetAsString("Spot");
    EXPECT_EQ(fehlerVon([&] { t.Post(); }),
              "Schlüsselverletzung: Im Index 'WzgName' gibt es bereits einen Datensatz mit "
              "diesem Schlüssel");
    t.Cancel();
    EXPECT_EQ(t.RecordCount(), 2);
    // Editing a row keeps its own key.
    t.First();
    t.Edit();
    t.Post();
    EXPECT_EQ(t.RecordCount(), 2);
}

TEST(Tabelle, BerechneteFelderKommenAusDemBerechnungshook)
{
    TBClientDataSet lager;
    lager.FieldDefs = {feld("Berechnet", TFieldType::Float), berechnetesFeld("Berechnetkg"),
                       feld("Maximallast", TFieldType::Float), berechnetesFeld("berechnet [%]")};
    std::vector<TDataSetState> zustaende;
    lager.OnCalcFields = [&](TBClientDataSet& t) {
        zustaende.push_back(t.State());
        const double berechnet = t.FieldByName(Feld::Berechnet).AsFloat();
        t.FieldByName(Feld::Berechnetkg).SetAsFloat(berechnet / 9.81);
        const double max = t.FieldByName(Feld::Maximallast).AsFloat();
        if (max > 1)
            t.FieldByName(Feld::BerechnetProzent).SetAsFloat(berechnet * 100 / max);
    };
    lager.CreateDataSet();
    ASSERT_EQ(lager.FieldCount(), 4);
    EXPECT_TRUE(lager.Fields(1).Calculated());
    lager.Append();
    lager.FieldByName(Feld::Berechnet).SetAsFloat(981);
    EXPECT_DOUBLE_EQ(lager.FieldByName(Feld::Berechnetkg).AsFloat(), 100);
    EXPECT_TRUE(lager.FieldByName(Feld::BerechnetProzent).IsNull());
    lager.FieldByName(Feld::Maximallast).SetAsFloat(1962);
    lager.Post();
    EXPECT_DOUBLE_EQ(lager.FieldByName(Feld::BerechnetProzent).AsFloat(), 50);
    ASSERT_FALSE(zustaende.empty());
    EXPECT_EQ(zustaende.back(), TDataSetState::CalcFields);
    EXPECT_EQ(lager.State(), TDataSetState::Browse);

    // Calculated fields are not stored; a table read from the packet computes them again.
    const QByteArray paket = lager.Paket();
    TBClientDataSet nurGespeichert;
    nurGespeichert.AusPaket(paket);
    EXPECT_EQ(nurGespeichert.FieldCount(), 2);
    lager.FieldByName(Feld::Berechnetkg).DisplayFormat = "### ##0.00";
    lager.AusPaket(paket);
    ASSERT_EQ(lager.FieldCount(), 4);
    EXPECT_EQ(lager.Fields(1).FieldName(), "Berechnetkg");
    EXPECT_EQ(lager.FieldByName(Feld::Berechnetkg).DisplayText(), FormatFloat("### ##0.00", 100));
    EXPECT_EQ(lager.AnzeigeTextBei(1, 3), "50");
}

TEST(Tabelle, WahrheitswerteZeigenDieAnzeigewerte)
{
    TBClientDataSet t;
    t.FieldDefs = {feld("oben", TFieldType::Boolean)};
    t.CreateDataSet();
    TField& oben = t.FieldByName(Feld::oben);
    oben.DisplayValues = "ja;nein";
    t.Append();
    oben.SetAsBoolean(true);
    EXPECT_EQ(oben.DisplayText(), "ja");
    oben.SetAsString("nein");
    EXPECT_FALSE(oben.AsBoolean());
    EXPECT_EQ(oben.DisplayText(), "nein");
    EXPECT_EQ(fehlerVon([&] { oben.SetAsString("vielleicht"); }),
              "'vielleicht' ist kein gültiger Boolescher Wert für Feld 'oben'");
    oben.Clear();
    EXPECT_EQ(oben.DisplayText(), "");
}

TEST(Tabelle, SignaleMeldenJedeAenderung)
{
    TBClientDataSet t;
    t.FieldDefs = lastbibFelder();
    int geoeffnet = 0, gespeichert = 0, geloescht = 0;
    int daten = 0, zeile = 0, position = 0;
    int datenBeimPost = -1; // what a listener of NachPost sees: the row change already told
    QObject::connect(&t, &TBClientDataSet::NachOeffnen, [&] { ++geoeffnet; });
    QObject::connect(&t, &TBClientDataSet::NachPost, [&] {
        ++gespeichert;
        datenBeimPost = daten;
    });
    QObject::connect(&t, &TBClientDataSet::NachLoeschen, [&] { ++geloescht; });
    QObject::connect(&t, &TBClientDataSet::DatenGeaendert, [&] { ++daten; });
    QObject::connect(&t, &TBClientDataSet::ZeileGeaendert, [&] { ++zeile; });
    QObject::connect(&t, &TBClientDataSet::PositionGeaendert, [&] { ++position; });
    t.CreateDataSet();
    EXPECT_EQ(geoeffnet, 1);
    EXPECT_EQ(daten, 1);
    neueLast(t, "A");
    neueLast(t, "B");
    EXPECT_EQ(gespeichert, 2);
    EXPECT_EQ(daten, 3);
    EXPECT_EQ(datenBeimPost, 3);
    EXPECT_GE(zeile, 4);
    t.First();
    const int positionen = position;
    t.Next();
    EXPECT_EQ(position, positionen + 1);
    t.Delete();
    EXPECT_EQ(geloescht, 1);

    // A grid detaches while code walks the table.
    daten = 0;
    position = 0;
    t.DisableControls();
    neueLast(t, "C");
    t.First();
    EXPECT_EQ(daten, 0);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(gespeichert, 3); // a post is told even then: a model stays in step with its rows
    t.EnableControls();
    EXPECT_EQ(daten, 1);
}

namespace {
class Projekttabellen : public ::testing::Test {
protected:
    void SetUp() override
    {
        traversen.FieldDefs = projektFelder();
        traversen.CreateDataSet();
        varianten.SetDataSetField(traversen, Feld::Variante);
        lager.FieldDefs = lagerFelder();
        lager.FieldDefs.insert(lager.FieldDefs.begin() + 10, berechnetesFeld("Berechnetkg"));
        lager.OnCalcFields = [](TBClientDataSet& t) {
            t.FieldByName(Feld::Berechnetkg).SetAsFloat(t.FieldByName(Feld::Berechnet).AsFloat() / 9.81);
        };
        lager.SetDataSetField(varianten, Feld::Lager);
        lasten.SetDataSetField(varianten, Feld::Lasten);
    }

    void traverse(const QString& name)
    {
        traversen.Append();
        traversen.FieldByName(Feld::Name).SetAsString(name);
        traversen.Post();
    }

    void variante(const QString& name, int lagerzahl)
    {
        varianten.Append();
        varianten.FieldByName(Feld::Name).SetAsString(name);
        for (int i = 0; i < lagerzahl; ++i) {
            lager.Append();
            lager.FieldByName(Feld::Nummer).SetAsInteger(i + 1);
            lager.FieldByName(Feld::Berechnet).SetAsFloat(98.1 * (i + 1));
            lager.Post();
        }
        varianten.Post();
        traversen.CheckBrowseMode();
    }

    TBClientDataSet traversen, varianten, lager, lasten;
};
} // namespace

TEST_F(Projekttabellen, VariantenUnterVerschiedenenTraversenBekommenVerschiedeneNummern)
{
    traverse("A");
    variante("a1", 2);
    traverse("B");
    variante("b1", 1);
    EXPECT_EQ(varianten.RecordCount(), 1);
    EXPECT_EQ(varianten.FieldByName(Feld::Nummer).AsInteger(), 2);
    traversen.First();
    EXPECT_EQ(varianten.RecordCount(), 1);
    EXPECT_EQ(varianten.FieldByName(Feld::Nummer).AsInteger(), 1);
    EXPECT_EQ(varianten.FieldByName(Feld::Name).AsString(), "a1");
    EXPECT_EQ(lager.RecordCount(), 2);
    lager.Last();
    EXPECT_NEAR(lager.FieldByName(Feld::Berechnetkg).AsFloat(), 20, 1e-12);

    // The counter of the nested table is saved with the project.
    TBClientDataSet geladen, gv;
    geladen.AusPaket(traversen.Paket());
    gv.SetDataSetField(geladen, Feld::Variante);
    gv.Append();
    gv.FieldByName(Feld::Name).SetAsString("a2");
    gv.Post();
    EXPECT_EQ(gv.FieldByName(Feld::Nummer).AsInteger(), 3);
    EXPECT_EQ(geladen.State(), TDataSetState::Edit);
}

TEST_F(Projekttabellen, BearbeitenEinerDetailtabelleSetztDieHaupttabelleInBearbeitung)
{
    traverse("A");
    variante("a1", 1);
    ASSERT_EQ(traversen.State(), TDataSetState::Browse);
    ASSERT_EQ(varianten.State(), TDataSetState::Browse);
    lager.Edit();
    EXPECT_EQ(varianten.State(), TDataSetState::Edit);
    EXPECT_EQ(traversen.State(), TDataSetState::Edit);
    lager.FieldByName(Feld::Position).SetAsFloat(1.5);
    // Posting the masters posts the pending detail rows first.
    traversen.Post();
    EXPECT_EQ(lager.State(), TDataSetState::Browse);
    EXPECT_EQ(varianten.State(), TDataSetState::Browse);
    EXPECT_EQ(lager.FieldByName(Feld::Position).AsFloat(), 1.5);
    // A detail of an empty master appends the master row.
    TBClientDataSet leer, leerVarianten;
    leer.FieldDefs = projektFelder();
    leer.CreateDataSet();
    leerVarianten.SetDataSetField(leer, Feld::Variante);
    leerVarianten.Append();
    EXPECT_EQ(leer.State(), TDataSetState::Insert);
    leerVarianten.Post();
    leer.Post();
    EXPECT_EQ(leer.RecordCount(), 1);
    EXPECT_EQ(leerVarianten.RecordCount(), 1);
}

TEST_F(Projekttabellen, LoeschenDerHauptzeileLoeschtIhreVerschachteltenZeilen)
{
    traverse("A");
    variante("a1", 3);
    variante("a2", 2);
    traverse("B");
    variante("b1", 1);
    traversen.First();
    traversen.Delete();
    EXPECT_EQ(traversen.FieldByName(Feld::Name).AsString(), "B");
    EXPECT_EQ(varianten.RecordCount(), 1);
    EXPECT_EQ(lager.RecordCount(), 1);
    const QByteArray paket = traversen.Paket();
    EXPECT_EQ(paket.indexOf("a1"), -1);
    EXPECT_EQ(paket.indexOf("a2"), -1);
    // A deleted variant takes its supports along.
    varianten.Delete();
    EXPECT_EQ(lager.RecordCount(), 0);
    traversen.Post();
    EXPECT_EQ(varianten.RecordCount(), 0);
}

TEST_F(Projekttabellen, ZeilenWerdenNachFeldpositionKopiert)
{
    traverse("A");
    variante("a1", 3);
    TBClientDataSet editor;
    editor.FieldDefs = lager.FieldDefs;
    editor.OnCalcFields = lager.OnCalcFields;
    editor.CreateDataSet();
    editor.Append();
    editor.FieldByName(Feld::Name).SetAsString("alt");
    editor.Post();
    KopiereZeilen(lager, editor);
    ASSERT_EQ(editor.RecordCount(), 3);
    editor.Last();
    EXPECT_EQ(editor.FieldByName(Feld::Nummer).AsInteger(), 3);
    EXPECT_NEAR(editor.FieldByName(Feld::Berechnetkg).AsFloat(), 30, 1e-12);

    // and back into another variant
    variante("a2", 0);
    KopiereZeilen(editor, lager);
    traversen.CheckBrowseMode();
    EXPECT_EQ(lager.RecordCount(), 3);
    varianten.First();
    EXPECT_EQ(lager.RecordCount(), 3);
}

TEST_F(Projekttabellen, VerschachtelteZeilenWerdenMitKopiert)
{
    traverse("A");
    variante("a1", 2);
    TBClientDataSet kopie, kopieVarianten;
    kopie.FieldDefs = projektFelder();
    kopie.CreateDataSet();
    KopiereZeilen(traversen, kopie);
    kopieVarianten.SetDataSetField(kopie, Feld::Variante);
    EXPECT_EQ(kopieVarianten.RecordCount(), 1);
    // The copy is independent of its source.
    kopieVarianten.Delete();
    kopie.Post();
    traversen.First();
    EXPECT_EQ(varianten.RecordCount(), 1);
}

TEST_F(Projekttabellen, DetailtabellenZeigenNachDemLadenDieNeuenZeilen)
{
    traverse("A");
    variante("a1", 2);
    QBuffer puffer;
    puffer.open(QIODevice::ReadWrite);
    traversen.SchreibeInStream(puffer);
    traverse("B");
    variante("b1", 4);
    EXPECT_EQ(lager.RecordCount(), 4);
    puffer.seek(0);
    traversen.LeseAusStream(puffer);
    EXPECT_EQ(traversen.RecordCount(), 1);
    EXPECT_TRUE(lager.Active());
    EXPECT_EQ(lager.RecordCount(), 2);
    EXPECT_EQ(lager.FieldCount(), 12); // the calculated field stays in its place
    EXPECT_EQ(lager.Fields(10).FieldName(), "Berechnetkg");
}

TEST(Detailtabelle, BerechneteFelderDerVerschachteltenDefinitionStehenNurEinmalInDerFeldliste)
{
    std::vector<TFieldDef> mitBerechnetem = lagerFelder();
    mitBerechnetem.insert(mitBerechnetem.begin() + 10, berechnetesFeld("Berechnetkg"));
    TBClientDataSet traversen, varianten, lager, kopie;
    traversen.FieldDefs = {feld("Nummer", TFieldType::AutoInc),
                           tabellenFeld("Varianten", {feld("Nummer", TFieldType::AutoInc),
                                                      tabellenFeld("Lager", mitBerechnetem)})};
    traversen.CreateDataSet();
    varianten.SetDataSetField(traversen, Feld::Varianten);
    lager.FieldDefs = mitBerechnetem;
    lager.SetDataSetField(varianten, Feld::Lager);
    EXPECT_EQ(lager.FieldCount(), 12);
    EXPECT_EQ(lager.Fields(10).FieldName(), QStringLiteral("Berechnetkg"));
    EXPECT_EQ(lager.Fields(11).FieldName(), QStringLiteral("markiert"));

    kopie.FieldDefs = mitBerechnetem;
    kopie.CreateDataSet();
    traversen.Append();
    varianten.Append();
    lager.Append();
    lager.FieldByName(Feld::Nummer).SetAsInteger(4);
    lager.Post();
    KopiereZeilen(lager, kopie);
    EXPECT_EQ(kopie.RecordCount(), 1);
    EXPECT_EQ(kopie.FieldByName(Feld::Nummer).AsInteger(), 4);
}

TEST(Tabelle, EindeutigerIndexFindetJedenDoppeltenSchluesselUnterVielenZeilen)
{
    TBClientDataSet t;
    t.FieldDefs = {feld("Nummer", TFieldType::Integer), feld("Name", TFieldType::String, 30)};
    t.CreateDataSet();
    t.AddIndex({"primary", "Nummer", true});
    t.SetIndexName("primary");
    std::set<int> vorhanden; // the keys as a plain set knows them
    for (int i = 0; i < 3000; ++i) {
        const int nummer = (i * i) % 2003; // scattered, most of them twice
        t.Append();
        t.FieldByName(Feld::Nummer).SetAsInteger(nummer);
        const bool doppelt = !fehlerVon([&] { t.Post(); }).isEmpty();
        if (doppelt)
            t.Cancel();
        ASSERT_EQ(doppelt, !vorhanden.insert(nummer).second) << nummer;
    }
    EXPECT_EQ(t.RecordCount(), int(vorhanden.size()));
    // a row edited onto another row's key is refused, onto a free key it moves
    ASSERT_TRUE(t.FindKey({*vorhanden.begin()}));
    t.Edit();
    t.FieldByName(Feld::Nummer).SetAsInteger(*vorhanden.rbegin());
    EXPECT_FALSE(fehlerVon([&] { t.Post(); }).isEmpty());
    t.FieldByName(Feld::Nummer).SetAsInteger(5000);
    t.Post();
    t.Last();
    EXPECT_EQ(t.FieldByName(Feld::Nummer).AsInteger(), 5000);
}
