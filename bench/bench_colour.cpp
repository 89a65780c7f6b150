// Mixing the shelf, per call: with an empty mixture and with eight base
// colours in it (the most a recipe holds), in laboratory and batch units.
#include "colour/Basisfarbe1.h"
#include "colour/Mischregal1.h"

#include <benchmark/benchmark.h>

static void BM_MixEmpty(benchmark::State& state) {
    TMischregal shelf;
    RgbTriple rgb;
    for (auto _ : state)
        benchmark::DoNotOptimize(shelf.Mix(rgb));
}
BENCHMARK(BM_MixEmpty);

static void BM_MixEightColours(benchmark::State& state) {
    TMischregal shelf;
    for (int i = 0; i < 8; ++i)
        shelf.Basisfarben[size_t(i * 2)]->Amount = state.range(0) * (i + 1) / 8.0;
    RgbTriple rgb;
    for (auto _ : state)
        benchmark::DoNotOptimize(shelf.Mix(rgb));
}
BENCHMARK(BM_MixEightColours)->Arg(100)->Arg(10000);

BENCHMARK_MAIN();
