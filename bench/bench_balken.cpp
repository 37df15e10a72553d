// Berechnen of the beam analysis including the result tables: S10 (10 supports, L = 24 m,
// 30 mixed loads) and S40 (40 supports, L = 50 m, 300 mixed loads with distributed loads and
// the Minimal option; the Negative option on, so all 780 load cases get their 501 sections),
// plus the growth with supports, length and loads, and the solver alone without tables.
// Berechnen includes the continuous beam (EI known, so with its deflection line); "Durchlauf"
// is the continuous beam alone on the same inputs, so S40 without it is S40 − Durchlauf/S40.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_durchlauftraeger.h"
#include "beam/u_tragfaelle.h"
#include <benchmark/benchmark.h>
#include <random>
#include <sys/resource.h>

namespace {

void setze(TBClientDataSet& t, const char* name, double wert) { t.FieldByName(QString::fromUtf8(name)).SetAsFloat(wert); }

void fuelleModell(Balkenmodell& m, int lager, double laenge, int lasten)
{
    std::mt19937 zufall(42);
    std::uniform_real_distribution<double> stelle(-laenge / 2, laenge / 2);
    std::uniform_real_distribution<double> kraft(50, 2000);
    m.traverse = {laenge, 0.3, 0.3, 4, 60, 8000, 15000};
    m.minimal = true;
    m.negativ = true;
    m.travEI = 1500; // kN·m²
    for (int i = 0; i < lager; ++i) {
        m.cds_lager.Append();
        m.cds_lager.FieldByName(QStringLiteral("Nummer")).SetAsInteger(m.NeueLagernummer());
        m.cds_lager.FieldByName(QStringLiteral("Type")).SetAsInteger(ArtMotorzug);
        setze(m.cds_lager, "Position", -laenge / 2 + laenge * (i + 0.5) / lager);
        setze(m.cds_lager, "Maximallast", 10000);
        setze(m.cds_lager, "Minimalkraft", 100);
        m.cds_lager.Post();
    }
    const int arten[] = {ArtKraft, ArtStreckenlast, ArtScheinwerfer, ArtPAR, ArtMHSpot, Art4erBar, ArtBox, ArtLinearray};
    for (int i = 0; i < lasten; ++i) {
        const int art = arten[i % 8];
        const double p1 = stelle(zufall);
        const double p2 = art == ArtStreckenlast || art >= Art4erBar ? std::min(laenge / 2, p1 + 2) : p1;
        m.cds_lasten.Append();
        m.cds_lasten.FieldByName(QStringLiteral("Nummer")).SetAsInteger(m.NeueLastnummer());
        m.cds_lasten.FieldByName(QStringLiteral("Type")).SetAsInteger(art);
        setze(m.cds_lasten, "Pos1", p1);
        setze(m.cds_lasten, "Pos2", p2);
        setze(m.cds_lasten, "Last", kraft(zufall));
        setze(m.cds_lasten, "Aequivalenzflaeche", 0.2);
        m.cds_lasten.Post();
    }
}

void spitzenspeicher(benchmark::State& state)
{
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    state.counters["SpitzeMB"] = double(nutzung.ru_maxrss) / 1024;
}

void Berechnen(benchmark::State& state)
{
    Balkenmodell m;
    fuelleModell(m, int(state.range(0)), double(state.range(1)), int(state.range(2)));
    Balkenrechnung r(m);
    for (auto _ : state) {
        r.Berechnen();
        benchmark::DoNotOptimize(r.auslastung);
    }
    state.counters["Tragfaelle"] = r.cds_tragfaelle.RecordCount();
    spitzenspeicher(state);
}

void NurLoeser(benchmark::State& state)
{
    Rechenvorgabe v;
    const int lager = int(state.range(0));
    const double laenge = double(state.range(1));
    v.traverse.laenge = laenge;
    v.traverse.eigenlast = 60;
    v.minimal = v.negativ = true;
    for (int i = 0; i < lager; ++i)
        v.lager.push_back({i + 1, -laenge / 2 + laenge * (i + 0.5) / lager, 100, 10000});
    std::mt19937 zufall(42);
    std::uniform_real_distribution<double> stelle(-laenge / 2, laenge / 2);
    for (int i = 0; i < state.range(2); ++i) {
        const double p = stelle(zufall);
        v.lasten.push_back({i % 2 ? ArtStreckenlast : ArtKraft, p, i % 2 ? p + 2 : p, 500, 0.2});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(RechneTragfaelle(v).auslastung);
}

// The continuous beam of the same model, alone.
void Durchlauf(benchmark::State& state)
{
    Balkenmodell m;
    fuelleModell(m, int(state.range(0)), double(state.range(1)), int(state.range(2)));
    Balkenrechnung r(m);
    r.Berechnen(); // the model as Berechnen reads it
    Rechenvorgabe v;
    v.traverse = m.traverse;
    for (m.cds_lager.First(); !m.cds_lager.Eof(); m.cds_lager.Next())
        v.lager.push_back({m.cds_lager.FieldByName(QStringLiteral("Nummer")).AsInteger(),
                           m.cds_lager.FieldByName(QStringLiteral("Position")).AsFloat(), 0, 0});
    for (m.cds_lasten.First(); !m.cds_lasten.Eof(); m.cds_lasten.Next())
        v.lasten.push_back({m.cds_lasten.FieldByName(QStringLiteral("Type")).AsInteger(),
                            m.cds_lasten.FieldByName(QStringLiteral("Pos1")).AsFloat(),
                            m.cds_lasten.FieldByName(QStringLiteral("Pos2")).AsFloat(),
                            m.cds_lasten.FieldByName(QStringLiteral("Last")).AsFloat(), 0});
    for (auto _ : state)
        benchmark::DoNotOptimize(RechneDurchlauftraeger(v, *m.travEI * 1000).maxM);
    state.counters["Punkte"] = double(r.durchlauf->linie.size());
}

} // namespace

BENCHMARK(Berechnen)->Name("S10")->Args({10, 24, 30})->Unit(benchmark::kMillisecond);
BENCHMARK(Berechnen)->Name("S40")->Args({40, 50, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(Berechnen)->Name("Lager")->Args({20, 50, 300})->Args({80, 50, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(Berechnen)->Name("Laenge")->Args({40, 25, 300})->Args({40, 100, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(Berechnen)->Name("Lasten")->Args({40, 50, 0})->Args({40, 50, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(NurLoeser)->Args({40, 50, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(Durchlauf)->Name("Durchlauf")->Args({10, 24, 30})->Args({40, 50, 300})->Unit(benchmark::kMillisecond);
