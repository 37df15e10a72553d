// Nested rows of numbers filled by code are kept packed until a table looks at them: what the
// tables, packets and row copies show must be what Append and Post give.
#include "tables/u_tabellendaten.h"
#include "tabellen_muster.h"
#include <gtest/gtest.h>

namespace {
// A case with its points: every kind of number a packed row holds, the auto-increment included.
struct Faelle {
    Faelle()
    {
        faelle.FieldDefs = {feld("Nummer", TFieldType::AutoInc), feld("Name", TFieldType::String, 10),
                            tabellenFeld("Punkte", {feld("Nr", TFieldType::AutoInc), feld("Stufe", TFieldType::Integer),
                                                    feld("X", TFieldType::Float), feld("aktiv", TFieldType::Boolean)})};
        faelle.CreateDataSet();
        punkte.SetDataSetField(faelle, Feld::Punkte);
    }
    TBClientDataSet faelle, punkte;
};

// Case i has i points (case 0 none); point k of case i: Stufe i − k, null on every third point,
// X = k / 4 − i, aktiv on odd k and null when k is 2.
QVariant stufe(int i, int k) { return k % 3 == 2 ? QVariant() : QVariant(i - k); }
double x(int i, int k) { return k / 4.0 - i; }
QVariant aktiv(int k) { return k == 2 ? QVariant() : QVariant(k % 2 == 1); }

void einzeln(Faelle& f, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        f.faelle.Append();
        f.faelle.Fields(1).SetAsString(QStringLiteral("Fall %1").arg(i));
        for (int k = 0; k < i; ++k) {
            f.punkte.Append();
            f.punkte.Fields(1).SetValue(stufe(i, k));
            f.punkte.Fields(2).SetAsFloat(x(i, k));
            f.punkte.Fields(3).SetValue(aktiv(k));
            f.punkte.Post();
        }
        f.faelle.Post();
    }
}

void inEinemZug(Faelle& f, int anzahl)
{
    Tabellenfuellung faelle(f.faelle);
    Tabellenfuellung punkte(faelle, f.punkte);
    for (int i = 0; i < anzahl; ++i) {
        faelle.NeueZeile();
        faelle.Setze(1, QVariant(QStringLiteral("Fall %1").arg(i)));
        punkte.Reserviere(i);
        for (int k = 0; k < i; ++k) {
            punkte.NeueZeile();
            punkte.Setze(1, stufe(i, k));
            punkte.Setze(2, x(i, k));
            punkte.Setze(3, aktiv(k));
        }
    }
    punkte.Fertig();
    faelle.Fertig();
}

// Every value of every point, nulls marked, case by case.
QStringList punkteVon(Faelle& f)
{
    QStringList zeilen;
    for (f.faelle.First(); !f.faelle.Eof(); f.faelle.Next()) {
        QStringList werte;
        for (f.punkte.First(); !f.punkte.Eof(); f.punkte.Next())
            for (int i = 0; i < f.punkte.FieldCount(); ++i)
                werte << (f.punkte.Fields(i).IsNull() ? QStringLiteral("-") : f.punkte.Fields(i).AsString());
        zeilen << werte.join(u' ');
    }
    return zeilen;
}
} // namespace

TEST(GepackteZeilen, ZeigenUndSchreibenDasselbeWieAppendUndPost)
{
    Faelle a, b;
    einzeln(a, 6);
    inEinemZug(b, 6);
    EXPECT_EQ(b.faelle.Paket(), a.faelle.Paket());
    const QStringList erwartet = punkteVon(a);
    EXPECT_EQ(punkteVon(b), erwartet);
    // By hand: case 3 has points 1 to 3 of the shared counter after the 1 + 2 of cases 1 and 2:
    // numbers 4, 5, 6; Stufe 3, 2, null; X −3, −2,75, −2,5; aktiv false, true, null (the test
    // program shows numbers the German way).
    ASSERT_EQ(erwartet.size(), 6);
    EXPECT_EQ(punkteVon(b)[3], QStringLiteral("4 3 -3 False 5 2 -2,75 True 6 - -2,5 -"));
    EXPECT_EQ(punkteVon(b)[0], QString());
    EXPECT_EQ(b.punkte.AutoIncValue(), 16); // 0 + 1 + … + 5 points numbered from 1
}

TEST(GepackteZeilen, LassenSichNachDerFuellungAendernUndLoeschen)
{
    Faelle a, b;
    einzeln(a, 4);
    inEinemZug(b, 4);
    for (Faelle* f : {&a, &b}) {
        f->faelle.SetRecNo(3); // case 2 with its two points
        f->punkte.Last();
        f->punkte.Edit();
        f->punkte.Fields(2).SetAsFloat(7.5);
        f->punkte.Post();
        f->punkte.First();
        f->punkte.Delete();
        f->faelle.SetRecNo(4);
        f->punkte.Append();
        f->punkte.Fields(1).SetAsInteger(-9);
        f->punkte.Post();
    }
    EXPECT_EQ(b.faelle.Paket(), a.faelle.Paket());
    EXPECT_EQ(punkteVon(b), punkteVon(a));
    b.faelle.SetRecNo(3);
    ASSERT_EQ(b.punkte.RecordCount(), 1);
    EXPECT_EQ(b.punkte.Fields(2).AsFloat(), 7.5);
}

TEST(GepackteZeilen, WerdenMitKopiereZeilenUndUeberEinPaketVollstaendigUebernommen)
{
    Faelle quelle, kopie, gelesen;
    inEinemZug(quelle, 5);
    KopiereZeilen(quelle.faelle, kopie.faelle);
    EXPECT_EQ(punkteVon(kopie), punkteVon(quelle));
    Faelle frisch;
    inEinemZug(frisch, 5);
    gelesen.faelle.AusPaket(frisch.faelle.Paket());
    EXPECT_EQ(punkteVon(gelesen), punkteVon(quelle));
}

TEST(GepackteZeilen, NurLeereZeilenlistenAusZahlenWerdenGepackt)
{
    const std::vector<TFieldType> zahlen = {TFieldType::Integer, TFieldType::Float, TFieldType::Boolean};
    Verschachtelt leer = Verschachtelt::neu();
    Verschachtelt::Gepackt* gepackt = leer.packen(zahlen);
    ASSERT_NE(gepackt, nullptr);
    EXPECT_EQ(leer.packen(zahlen), gepackt) << "a packed list is appended to again";
    // Two rows laid out by hand: values row after row, a set bit per null value.
    gepackt->neueZeile();
    gepackt->neueZeile();
    EXPECT_EQ(gepackt->nullen, std::vector<quint8>({0xFF, 0xFF}));
    gepackt->zahlen = {-2147483648.0, -0.1, 0, 0, 0, 1};
    gepackt->nullen = {0b100, 0b011};
    EXPECT_EQ(gepackt->anzahl(), 2u);

    const Zeilen& zeilen = *leer; // unpacked on the first look
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(std::get<qint32>(zeilen[0].werte[0]), -2147483647 - 1);
    EXPECT_EQ(std::get<double>(zeilen[0].werte[1]), -0.1);
    EXPECT_TRUE(istNull(zeilen[0].werte[2]));
    EXPECT_TRUE(istNull(zeilen[1].werte[0]) && istNull(zeilen[1].werte[1]));
    EXPECT_TRUE(std::get<bool>(zeilen[1].werte[2]));
    EXPECT_EQ(leer.packen(zahlen), nullptr) << "rows once unpacked stay so";

    EXPECT_EQ(Verschachtelt::neu().packen({TFieldType::Float, TFieldType::String}), nullptr);
    EXPECT_EQ(Verschachtelt::neu().packen({}), nullptr);
    Zeilen eine(1);
    eine[0].werte.resize(1);
    EXPECT_EQ(Verschachtelt::neu(std::move(eine)).packen({TFieldType::Float}), nullptr);
}
