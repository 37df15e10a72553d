// Berechnen of the beam analysis including the result tables: S10 (10 supports, L = 24 m,
// 30 mixed loads) and S40 (40 supports, L = 50 m, 300 mixed loads with distributed loads and
// the Minimal option; the Negative option on, so all 780 load cases get their 501 sections),
// plus the growth with supports, length and loads, and the solver alone without tables (40 and
// 80 supports). Each Berechnen line also gives its peak memory growth (ZuwachsMB), the solver's
// time on the same set-up (Loeser_ms) and how many times that the whole calculation takes
// (xLoeser; target: at most 3, growth at most 40 MB for S40). Berechnen includes the continuous
// beam (EI known, so with its deflection line); "Durchlauf" is the continuous beam alone on the
// same inputs, so S40 without it is S40 − Durchlauf/S40.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_durchlauftraeger.h"
#include "beam/u_tragfaelle.h"
#include "platform/u_dialoge.h"
#include <benchmark/benchmark.h>
#include <QFile>
#include <chrono>
#include <cstring>
#include <malloc.h>
#include <random>

namespace {

// The set-up of one benchmark: supports evenly spread, loads of every kind at random places.
Rechenvorgabe vorgabe(int lager, double laenge, int lasten)
{
    Rechenvorgabe v;
    v.traverse = {laenge, 0.3, 0.3, 4, 60, 8000, 15000};
    v.minimal = v.negativ = true;
    for (int i = 0; i < lager; ++i)
        v.lager.push_back({i + 1, -laenge / 2 + laenge * (i + 0.5) / lager, 100, 10000});
    std::mt19937 zufall(42);
    std::uniform_real_distribution<double> stelle(-laenge / 2, laenge / 2);
    std::uniform_real_distribution<double> kraft(50, 2000);
    const int arten[] = {ArtKraft, ArtStreckenlast, ArtScheinwerfer, ArtPAR, ArtMHSpot, Art4erBar, ArtBox, ArtLinearray};
    for (int i = 0; i < lasten; ++i) {
        const int art = arten[i % 8];
        const double p1 = stelle(zufall);
        const double p2 = art == ArtStreckenlast || art >= Art4erBar ? std::min(laenge / 2, p1 + 2) : p1;
        v.lasten.push_back({art, p1, p2, kraft(zufall), 0.2});
    }
    return v;
}

constexpr double BenchEI = 1500; // kN·m²

void setze(TBClientDataSet& t, Feldname name, double wert) { t.FieldByName(name).SetAsFloat(wert); }

void fuelleModell(Balkenmodell& m, const Rechenvorgabe& v)
{
    m.traverse = v.traverse;
    m.minimal = v.minimal;
    m.negativ = v.negativ;
    m.travEI = BenchEI;
    for (const Rechenlager& l : v.lager) {
        m.cds_lager.Append();
        m.cds_lager.FieldByName(Lagerfeld::Nummer).SetAsInteger(m.NeueLagernummer());
        m.cds_lager.FieldByName(Lagerfeld::Type).SetAsInteger(ArtMotorzug);
        setze(m.cds_lager, Lagerfeld::Position, l.position);
        setze(m.cds_lager, Lagerfeld::Maximallast, l.maximallast);
        setze(m.cds_lager, Lagerfeld::Minimalkraft, l.minimalkraft);
        m.cds_lager.Post();
    }
    for (const Rechenlast& l : v.lasten) {
        m.cds_lasten.Append();
        m.cds_lasten.FieldByName(Lastfeld::Nummer).SetAsInteger(m.NeueLastnummer());
        m.cds_lasten.FieldByName(Lastfeld::Type).SetAsInteger(l.type);
        setze(m.cds_lasten, Lastfeld::Pos1, l.pos1);
        setze(m.cds_lasten, Lastfeld::Pos2, l.pos2);
        setze(m.cds_lasten, Lastfeld::Last, l.last);
        setze(m.cds_lasten, Lastfeld::Aequivalenzflaeche, l.aequivalenzflaeche);
        m.cds_lasten.Post();
    }
}

// Resident memory in kB: the current value and the peak since the last reset.
double speicherKB(const char* zeile)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& z : status.readAll().split('\n'))
        if (z.startsWith(zeile))
            return z.mid(qsizetype(std::strlen(zeile))).trimmed().split(' ').value(0).toDouble();
    return 0;
}

// Gives freed heap back and forgets the peak so far, so that the next peak belongs to what runs
// from here.
void spitzeZuruecksetzen()
{
    malloc_trim(0);
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

double loeserMs(const Rechenvorgabe& v)
{
    constexpr int laeufe = 5;
    const auto beginn = std::chrono::steady_clock::now();
    for (int i = 0; i < laeufe; ++i)
        benchmark::DoNotOptimize(RechneTragfaelle(v).auslastung);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn).count() / laeufe;
}

// Berechnen with its result tables; beside it the peak memory growth of the calculations and
// the time of the solver alone on the same set-up, measured in the same process right after.
void Berechnen(benchmark::State& state)
{
    // The warnings of every calculation would bury the figures.
    struct Still : KonsolenDialoge {
        void Meldung(const QString&) override {}
    };
    static Still still;
    setzeDialoge(&still);
    const Rechenvorgabe v = vorgabe(int(state.range(0)), double(state.range(1)), int(state.range(2)));
    Balkenmodell m;
    fuelleModell(m, v);
    Balkenrechnung r(m);
    spitzeZuruecksetzen();
    const double vorher = speicherKB("VmRSS:");
    const auto beginn = std::chrono::steady_clock::now();
    for (auto _ : state) {
        r.Berechnen();
        benchmark::DoNotOptimize(r.auslastung);
    }
    const double berechnen =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - beginn).count()
        / double(state.iterations());
    state.counters["Tragfaelle"] = r.cds_tragfaelle.RecordCount();
    state.counters["ZuwachsMB"] = (speicherKB("VmHWM:") - vorher) / 1024;
    const double loeser = loeserMs(v);
    state.counters["Loeser_ms"] = loeser;
    state.counters["xLoeser"] = loeser > 0 ? berechnen / loeser : 0;
}

void NurLoeser(benchmark::State& state)
{
    const Rechenvorgabe v = vorgabe(int(state.range(0)), double(state.range(1)), int(state.range(2)));
    spitzeZuruecksetzen();
    const double vorher = speicherKB("VmRSS:");
    for (auto _ : state)
        benchmark::DoNotOptimize(RechneTragfaelle(v).auslastung);
    state.counters["ZuwachsMB"] = (speicherKB("VmHWM:") - vorher) / 1024;
}

// The continuous beam of the same set-up, alone.
void Durchlauf(benchmark::State& state)
{
    const Rechenvorgabe v = vorgabe(int(state.range(0)), double(state.range(1)), int(state.range(2)));
    for (auto _ : state)
        benchmark::DoNotOptimize(RechneDurchlauftraeger(v, BenchEI * 1000).maxM);
}

} // namespace

BENCHMARK(Berechnen)->Name("S10")->Args({10, 24, 30})->Unit(benchmark::kMillisecond);
BENCHMARK(Berechnen)->Name("S40")->Args({40, 50, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(Berechnen)->Name("Lager")->Args({20, 50, 300})->Args({80, 50, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(Berechnen)->Name("Laenge")->Args({40, 25, 300})->Args({40, 100, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(Berechnen)->Name("Lasten")->Args({40, 50, 0})->Args({40, 50, 1000})->Unit(benchmark::kMillisecond);
BENCHMARK(NurLoeser)->Args({40, 50, 300})->Args({80, 50, 300})->Unit(benchmark::kMillisecond);
BENCHMARK(Durchlauf)->Name("Durchlauf")->Args({10, 24, 30})->Args({40, 50, 300})->Unit(benchmark::kMillisecond);
