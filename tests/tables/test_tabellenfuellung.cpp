// Filling a table by code: the same rows, ordering, packet bytes and calculated values as
// Append and Post one row at a time, with the change told once at the end.
#include "u_testhilfen.h"
#include "platform/u_fehler.h"
#include "tabellen_muster.h"
#include <gtest/gtest.h>

namespace {
// Load cases with their sections, like the beam's result tables, plus a text, a flag and a
// calculated field.
struct Ergebnis {
    Ergebnis()
    {
        faelle.FieldDefs = {feld("Nummer", TFieldType::AutoInc), feld("Lager", TFieldType::Integer),
                            feld("Name", TFieldType::String, 8), feld("Kraft", TFieldType::Float),
                            feld("negativ", TFieldType::Boolean), berechnetesFeld("Doppelt"),
                            tabellenFeld("Positionen", {feld("X", TFieldType::Float), feld("M", TFieldType::Float)})};
        faelle.OnCalcFields = [](TBClientDataSet& t) {
            if (!t.FieldByName(Feld::Kraft).IsNull())
                t.FieldByName(Feld::Doppelt).SetAsFloat(2 * t.FieldByName(Feld::Kraft).AsFloat());
        };
        faelle.CreateDataSet();
        faelle.SetIndexFieldNames({Feld::Lager});
        positionen.SetDataSetField(faelle, Feld::Positionen);
        positionen.SetIndexFieldNames({Feld::X});
        QObject::connect(&faelle, &TBClientDataSet::DatenGeaendert, [this] { ++daten; });
        QObject::connect(&faelle, &TBClientDataSet::ZeileGeaendert, [this] { ++zeile; });
        QObject::connect(&faelle, &TBClientDataSet::PositionGeaendert, [this] { ++position; });
        QObject::connect(&positionen, &TBClientDataSet::DatenGeaendert, [this] { ++detailDaten; });
    }
    int signale() const { return daten + zeile + position + detailDaten; }

    TBClientDataSet faelle, positionen;
    int daten = 0, zeile = 0, position = 0, detailDaten = 0;
};

// Case i: support i % 4 (so equal keys come again, out of order), a text only on even cases,
// a force on all but every third, and i + 1 sections from x = 3 downwards (against the index).
int lagerVon(int i) { return i % 4; }

void fuelleZeilenweise(Ergebnis& e, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        e.faelle.Append();
        e.faelle.FieldByName(Feld::Lager).SetAsInteger(lagerVon(i));
        if (i % 2 == 0)
            e.faelle.FieldByName(Feld::Name).SetAsFloat(i + 0.25);
        if (i % 3 != 0)
            e.faelle.FieldByName(Feld::Kraft).SetAsFloat(-1.5 * i);
        e.faelle.FieldByName(Feld::negativ).SetValue(QStringLiteral("True"));
        for (int k = 0; k <= i; ++k) {
            e.positionen.Append();
            e.positionen.FieldByName(Feld::X).SetAsInteger(3 - k);
            e.positionen.FieldByName(Feld::M).SetAsFloat(k * 0.1);
            e.positionen.Post();
        }
        e.faelle.Post();
    }
    e.faelle.First();
}

void fuelleInEinemZug(Ergebnis& e, int anzahl)
{
    TBClientDataSet& t = e.faelle;
    const int lager = t.FieldByName(Feld::Lager).Index(), name = t.FieldByName(Feld::Name).Index();
    const int kraft = t.FieldByName(Feld::Kraft).Index(), negativ = t.FieldByName(Feld::negativ).Index();
    const int vorher = e.signale();
    Tabellenfuellung faelle(t);
    Tabellenfuellung positionen(faelle, e.positionen);
    for (int i = 0; i < anzahl; ++i) {
        faelle.NeueZeile();
        faelle.Setze(lager, qint32(lagerVon(i)));
        if (i % 2 == 0)
            faelle.Setze(name, i + 0.25);
        if (i % 3 != 0)
            faelle.Setze(kraft, -1.5 * i);
        faelle.Setze(negativ, QVariant(QStringLiteral("True")));
        for (int k = 0; k <= i; ++k) {
            positionen.NeueZeile();
            positionen.Setze(0, qint32(3 - k));
            positionen.Setze(1, k * 0.1);
        }
    }
    positionen.Fertig();
    EXPECT_EQ(e.signale(), vorher) << "no change is told before the fill ends";
    faelle.Fertig();
}

// Every field of every row in the order of the index, the sections of each case included.
QStringList inhalt(TBClientDataSet& faelle, TBClientDataSet& positionen)
{
    QStringList zeilen;
    for (faelle.First(); !faelle.Eof(); faelle.Next()) {
        QStringList werte;
        for (int f = 0; f < faelle.FieldCount(); ++f)
            werte << faelle.Fields(f).AsString();
        for (positionen.First(); !positionen.Eof(); positionen.Next())
            werte << positionen.Fields(0).AsString() + u'/' + positionen.Fields(1).AsString();
        zeilen << werte.join(u';');
    }
    return zeilen;
}
} // namespace

TEST(Tabellenfuellung, GibtDieselbenZeilenReihenfolgeUndPaketbytesWieAppendUndPost)
{
    Ergebnis einzeln, zug;
    fuelleZeilenweise(einzeln, 9);
    fuelleInEinemZug(zug, 9);

    EXPECT_EQ(zug.faelle.Paket(), einzeln.faelle.Paket());
    const QStringList erwartet = inhalt(einzeln.faelle, einzeln.positionen);
    EXPECT_EQ(inhalt(zug.faelle, zug.positionen), erwartet);
    // By hand: the index on Lager puts case 0 (support 0) first and case 1 (support 1, force
    // -1.5, doubled -3) after cases 0, 4 and 8; its two sections stand in X order.
    ASSERT_EQ(erwartet.size(), 9);
    EXPECT_TRUE(erwartet[0].startsWith(QStringLiteral("1;0;0,25;;True;;;3/0")));
    EXPECT_EQ(erwartet[3], QStringLiteral("2;1;;-1,5;True;-3;;2/0,1;3/0"));
    EXPECT_EQ(zug.faelle.AutoIncValue(), 10);
}

TEST(Tabellenfuellung, MeldetDieAenderungEinmalAmEndeUndStehtAufDerErstenZeile)
{
    Ergebnis e;
    fuelleInEinemZug(e, 5);
    EXPECT_EQ(e.daten, 1);
    EXPECT_EQ(e.zeile, 0);
    EXPECT_EQ(e.position, 1);
    EXPECT_EQ(e.detailDaten, 1); // the detail shows the first case's sections
    EXPECT_EQ(e.faelle.RecNo(), 1);
    EXPECT_EQ(e.faelle.FieldByName(Feld::Lager).AsInteger(), 0);
    EXPECT_EQ(e.positionen.RecordCount(), 1);
    EXPECT_EQ(e.faelle.State(), TDataSetState::Browse);
}

TEST(Tabellenfuellung, ReihtNeueZeilenHinterVorhandeneMitGleichemSchluesselEin)
{
    Ergebnis einzeln, zug;
    fuelleZeilenweise(einzeln, 3);
    fuelleZeilenweise(zug, 3);
    // A second round on top of the rows already there, some keys equal to theirs.
    fuelleZeilenweise(einzeln, 6);
    fuelleInEinemZug(zug, 6);
    EXPECT_EQ(inhalt(zug.faelle, zug.positionen), inhalt(einzeln.faelle, einzeln.positionen));
    EXPECT_EQ(zug.faelle.Paket(), einzeln.faelle.Paket());
    EXPECT_EQ(zug.faelle.RecordCount(), 9);
}

TEST(Tabellenfuellung, EineLeereFuellungLaesstDieTabelleLeer)
{
    Ergebnis e;
    { Tabellenfuellung leer(e.faelle); }
    EXPECT_EQ(e.faelle.RecordCount(), 0);
    EXPECT_TRUE(e.faelle.Eof());
    EXPECT_EQ(e.daten, 1);
}

TEST(Tabellenfuellung, WeistUnerlaubteFelderUndTabellenAb)
{
    Ergebnis e;
    Tabellenfuellung faelle(e.faelle);
    EXPECT_EQ(fehlerVon([&] { faelle.Setze(1, qint32(1)); }),
              "Datenmenge weder im Editier- noch im Einfügemodus");
    faelle.NeueZeile();
    EXPECT_EQ(fehlerVon([&] { faelle.Setze(0, qint32(7)); }), "Feld 'Nummer' kann nicht geändert werden");
    EXPECT_EQ(fehlerVon([&] { faelle.Setze(5, 1.0); }), "Feld 'Doppelt' kann nicht geändert werden");
    EXPECT_EQ(fehlerVon([&] { faelle.Setze(9, 1.0); }), "Der Feldindex 9 liegt außerhalb der Feldliste");
    EXPECT_EQ(fehlerVon([&] { faelle.Setze(3, QVariant(QStringLiteral("viel"))); }),
              "'viel' ist kein gültiger Fließkommawert für Feld 'Kraft'");
    faelle.Fertig();
    EXPECT_EQ(e.faelle.FieldByName(Feld::Nummer).AsInteger(), 1);

    TBClientDataSet fremd;
    fremd.FieldDefs = {feld("X", TFieldType::Float)};
    fremd.CreateDataSet();
    Tabellenfuellung andere(e.faelle);
    EXPECT_EQ(fehlerVon([&] { Tabellenfuellung falsch(andere, fremd); }),
              "Die Tabelle ist keine Detailtabelle der gefüllten Tabelle");

    TBClientDataSet lastbib; // its Name is required
    lastbib.FieldDefs = lastbibFelder();
    lastbib.CreateDataSet();
    EXPECT_EQ(fehlerVon([&] { Tabellenfuellung pflicht(lastbib); }),
              "Eine Tabelle mit eindeutigem Index oder Pflichtfeld wird mit Append und Post gefüllt");
}
