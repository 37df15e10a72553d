// Placing the labels of a beam drawing: n items spread over a 1200 pixel wide view (each a
// figure and a stack of eight label places), and n items all at one place (every figure the
// same, nearly every label without room). Target: 10 000 items of either kind within 50 ms, so a
// repaint never stalls.
#include "beam/u_beschriftungsplatz.h"
#include <benchmark/benchmark.h>

namespace {

void platziere(benchmark::State& state, bool aneinerStelle)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        Beschriftungsplatz platz(QRect(0, 60, 1200, 440));
        std::vector<QRect> figuren;
        for (int i = 0; i < n; ++i) {
            const int x = aneinerStelle ? 600 : 50 + int(1100LL * i / n);
            figuren.emplace_back(x - 20, 120, 40, 100);
            platz.Sperre(figuren.back());
        }
        int gesetzt = 0;
        for (const QRect& f : figuren)
            gesetzt += platz.Platziere(Stapel(f.center().x(), f.top(), -1, QSize(24, 15), 8)).has_value();
        benchmark::DoNotOptimize(gesetzt);
    }
}

void Verteilt(benchmark::State& state) { platziere(state, false); }
void AnEinerStelle(benchmark::State& state) { platziere(state, true); }

} // namespace

BENCHMARK(Verteilt)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(AnEinerStelle)->Arg(200)->Arg(10000)->Unit(benchmark::kMillisecond);
