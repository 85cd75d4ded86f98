// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of the live display against a plain fill of the same image: the display's own
// drawing should cost a small multiple of touching every pixel once.

#include <QImage>

#include <benchmark/benchmark.h>

#include <array>

#include "app/livedisplay.h"

namespace {

constexpr int kWidth = 237;  // the display at the main window's size
constexpr int kHeight = 108;

void BM_PlainFill(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(pelorin::kDisplayBackground);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * image.sizeInBytes());
}
BENCHMARK(BM_PlainFill);

// Bars of every length in turn, as the sticks move.
void BM_RenderChannelDisplay(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    std::array<int, 6> channels{};
    int step = 0;
    for (auto _ : state) {
        for (int i = 0; i < 6; ++i) {
            channels[static_cast<std::size_t>(i)] = ((step + 300 * i) % 2100) - 1512;
        }
        ++step;
        pelorin::renderChannelDisplay(image, channels);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * image.sizeInBytes());
}
BENCHMARK(BM_RenderChannelDisplay);

// The worst case: every bar at full length.
void BM_RenderChannelDisplayFullBars(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const std::array<int, 6> channels{-1512, 588, -1512, 588, -1512, 588};
    for (auto _ : state) {
        pelorin::renderChannelDisplay(image, channels);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * image.sizeInBytes());
}
BENCHMARK(BM_RenderChannelDisplayFullBars);

}  // namespace

BENCHMARK_MAIN();
