// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of a curve graph as each 50 ms tick paints it (a fresh image, fill, polyline and
// marker) against plainly filling an image of the same size, the least any frame costs.
// Sizes: the throttle graph (105 x 140) and the pitch graph (120 x 160).

#include <benchmark/benchmark.h>

#include <QImage>

#include "editors/curvegraph.h"

namespace {

using pelorin::CurveValues;

// A curve that crosses the graph in every direction, and a marker that sweeps across it.
constexpr CurveValues kCurve{-10, 80, 30, 110, 55};

void BM_CurveGraphFrame(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    int liveAux = 0;
    for (auto _ : state) {
        QImage image(w, h, QImage::Format_RGB32);
        pelorin::renderCurveGraph(image, kCurve, liveAux, true);
        benchmark::DoNotOptimize(image.constBits());
        liveAux = (liveAux + 7) & 1023;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_PlainFill(benchmark::State& state) {
    QImage image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                 QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(pelorin::kCurveGraphBackground);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_NewImageAndFill(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    for (auto _ : state) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(pelorin::kCurveGraphBackground);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}

void graphSizes(benchmark::internal::Benchmark* b) {
    b->Args({105, 140})->Args({120, 160});
}

BENCHMARK(BM_CurveGraphFrame)->Apply(graphSizes);
BENCHMARK(BM_PlainFill)->Apply(graphSizes);
BENCHMARK(BM_NewImageAndFill)->Apply(graphSizes);

}  // namespace

BENCHMARK_MAIN();
