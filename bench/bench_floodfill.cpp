// Flood fill of a full 808 × 601 one-colour picture against QImage::fill on
// the same image, measured in one run.
#include "platform/FloodFill.h"

#include <benchmark/benchmark.h>

#include <QImage>

static void BM_QImageFill(benchmark::State& state) {
    QImage img(808, 601, QImage::Format_RGB32);
    bool flip = false;
    for (auto _ : state) {
        img.fill(flip ? qRgb(1, 2, 3) : qRgb(4, 5, 6));
        flip = !flip;
        benchmark::DoNotOptimize(img.bits());
    }
    state.counters["ns_per_pixel"] = benchmark::Counter(double(state.iterations()) * 808 * 601,
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_QImageFill);

static void BM_FloodFillFullWindow(benchmark::State& state) {
    QImage img(808, 601, QImage::Format_RGB32);
    img.fill(qRgb(1, 2, 3));
    bool flip = false;
    for (auto _ : state) {
        FloodFill(img, 404, 300, flip ? qRgb(1, 2, 3) : qRgb(4, 5, 6));
        flip = !flip;
        benchmark::DoNotOptimize(img.bits());
    }
    state.counters["ns_per_pixel"] = benchmark::Counter(double(state.iterations()) * 808 * 601,
                                                        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FloodFillFullWindow);

BENCHMARK_MAIN();
