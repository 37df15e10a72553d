// Table packets: a flat table of 100 000 supports written and read (target: 10 million rows per
// second each way), a large project (200 trusses, 5 variants each, 20 supports and 40 loads
// per variant) written and read back (target: at most 10 ms), a packet of 60 000 integer columns
// read (target: below 1 s, time linear in the columns) and a language table built row by row
// (time linear in the rows).
#include "beam/u_balkenmodell.h"
#include "language/u_sprachtabelle.h"
#include "tables/u_tabelle.h"
#include <benchmark/benchmark.h>

namespace {
TFieldDef feld(const char* name, TFieldType typ, int groesse = 0)
{
    TFieldDef def;
    def.name = name;
    def.type = typ;
    def.size = groesse;
    return def;
}

std::vector<TFieldDef> lagerFelder()
{
    return {feld("Nummer", TFieldType::Integer), feld("Name", TFieldType::String, 30),
            feld("Type", TFieldType::Integer), feld("Position", TFieldType::Float),
            feld("oben", TFieldType::Boolean), feld("Groesse", TFieldType::Float),
            feld("Eigenlast", TFieldType::Float), feld("Maximallast", TFieldType::Float),
            feld("Minimalkraft", TFieldType::Float), feld("Berechnet", TFieldType::Float),
            feld("markiert", TFieldType::Boolean)};
}

void fuelleLager(TBClientDataSet& t, int i)
{
    t.Append();
    t.Fields(0).SetAsInteger(i + 1);
    t.Fields(1).SetAsString(QStringLiteral("Lager %1").arg(i));
    t.Fields(2).SetAsInteger(1 + i % 3);
    t.Fields(3).SetAsFloat(-5.0 + 0.001 * i);
    t.Fields(4).SetAsBoolean(i % 2 == 0);
    for (int f = 5; f <= 9; ++f)
        t.Fields(f).SetAsFloat(f * 100.0 + i);
    t.Fields(10).SetAsBoolean(false);
    t.Post();
}

constexpr int flacheZeilen = 100000;

QByteArray flachesPaket()
{
    static const QByteArray paket = [] {
        TBClientDataSet t;
        t.FieldDefs = lagerFelder();
        t.CreateDataSet();
        for (int i = 0; i < flacheZeilen; ++i)
            fuelleLager(t, i);
        return t.Paket();
    }();
    return paket;
}

void FlachSchreiben(benchmark::State& state)
{
    TBClientDataSet t;
    t.AusPaket(flachesPaket());
    for (auto _ : state)
        benchmark::DoNotOptimize(t.Paket());
    state.SetItemsProcessed(state.iterations() * flacheZeilen);
}
BENCHMARK(FlachSchreiben)->Unit(benchmark::kMillisecond);

void FlachLesen(benchmark::State& state)
{
    const QByteArray paket = flachesPaket();
    TBClientDataSet t;
    for (auto _ : state)
        t.AusPaket(paket);
    state.SetItemsProcessed(state.iterations() * flacheZeilen);
}
BENCHMARK(FlachLesen)->Unit(benchmark::kMillisecond);

QByteArray grossesProjekt()
{
    std::vector<TFieldDef> lasten = lagerFelder();
    lasten[3].name = "Pos1";
    lasten[5].name = "Pos2";
    TFieldDef lager = feld("Lager", TFieldType::DataSet);
    lager.children = lagerFelder();
    TFieldDef last = feld("Lasten", TFieldType::DataSet);
    last.children = lasten;
    TFieldDef variante = feld("Variante", TFieldType::DataSet);
    variante.children = {feld("Nummer", TFieldType::AutoInc), feld("Name", TFieldType::String, 30),
                         feld("Einstellungen", TFieldType::Memo, 250), lager, last};
    TBClientDataSet traversen, varianten, lagerTabelle, lastTabelle;
    traversen.FieldDefs = {feld("Nummer", TFieldType::AutoInc), feld("Name", TFieldType::String, 30),
                           feld("X1", TFieldType::Float), feld("Y1", TFieldType::Float), variante};
    traversen.CreateDataSet();
    varianten.SetDataSetField(traversen, Feldname(u"Variante"));
    lagerTabelle.SetDataSetField(varianten, Feldname(u"Lager"));
    lastTabelle.SetDataSetField(varianten, Feldname(u"Lasten"));
    for (int t = 0; t < 200; ++t) {
        traversen.Append();
        traversen.Fields(1).SetAsString(QStringLiteral("Traverse %1").arg(t));
        for (int v = 0; v < 5; ++v) {
            varianten.Append();
            varianten.Fields(1).SetAsString(QStringLiteral("Variante %1").arg(v));
            varianten.Fields(2).SetAsString(QStringLiteral("Wind=nein\r\nLaenge=12,5\r\n"));
            for (int l = 0; l < 20; ++l)
                fuelleLager(lagerTabelle, l);
            for (int l = 0; l < 40; ++l)
                fuelleLager(lastTabelle, l);
            varianten.Post();
        }
        traversen.Post();
    }
    return traversen.Paket();
}

void ProjektSchreibenUndLesen(benchmark::State& state)
{
    TBClientDataSet t;
    t.AusPaket(grossesProjekt());
    for (auto _ : state) {
        const QByteArray paket = t.Paket();
        t.AusPaket(paket);
        state.counters["Bytes"] = double(paket.size());
    }
}
BENCHMARK(ProjektSchreibenUndLesen)->Unit(benchmark::kMillisecond);

void BreitesPaketLesen(benchmark::State& state)
{
    const int spalten = int(state.range(0));
    TBClientDataSet t;
    for (int i = 0; i < spalten; ++i) {
        t.FieldDefs.push_back(feld("", TFieldType::Integer));
        t.FieldDefs.back().name = QStringLiteral("Spalte%1").arg(i);
    }
    t.CreateDataSet();
    t.Append();
    for (int i = 0; i < spalten; ++i)
        t.Fields(i).SetAsInteger(i);
    t.Post();
    const QByteArray paket = t.Paket();
    for (auto _ : state) {
        TBClientDataSet gelesen;
        gelesen.AusPaket(paket);
    }
    state.counters["Bytes"] = double(paket.size());
}
BENCHMARK(BreitesPaketLesen)->Arg(15000)->Arg(60000)->Unit(benchmark::kMillisecond);

void SprachtabelleAufbauen(benchmark::State& state)
{
    const int zeilen = int(state.range(0));
    for (auto _ : state) {
        TBClientDataSet t;
        ErzeugeSprachtabelle(t);
        for (int i = 0; i < zeilen; ++i) {
            t.Append();
            t.Fields(0).SetAsInteger(i + 1);
            t.Fields(1).SetAsString(QStringLiteral("Text"));
            t.Post();
        }
    }
    state.SetItemsProcessed(state.iterations() * zeilen);
}
BENCHMARK(SprachtabelleAufbauen)->Arg(40000)->Arg(300000)->Unit(benchmark::kMillisecond);

// Every field of a support row found by its name, as code reads a row: no allocation per lookup.
void FelderNachNamen(benchmark::State& state)
{
    TBClientDataSet t;
    t.FieldDefs = LagerFelder();
    t.CreateDataSet();
    using namespace Lagerfeld;
    const Feldname namen[] = {Nummer,      Name,      Type,        Position,         oben,
                              Groesse,     Eigenlast, Maximallast, Minimalkraft,     Berechnet,
                              Berechnetkg, BerechnetProzent, markiert};
    for (auto _ : state)
        for (const Feldname name : namen)
            benchmark::DoNotOptimize(&t.FieldByName(name));
    state.SetItemsProcessed(state.iterations() * std::ssize(namen));
}
BENCHMARK(FelderNachNamen);
} // namespace
