// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A history of 100,000 records (--records N for another size): reading its bytes (the
// baseline), reading its records, what Ctrl+Z looks up (the whole file each time, as it was,
// and only what was appended, as now), and opening the History window on it until it has
// painted, as Ctrl+H does; x_read_bytes is each one's CPU time as a multiple of the baseline's best
// read in the same run. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
//
//   pelorin_history_bench [--records N] [benchmark options]

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/historyrecorder.h"
#include "app/historywindow.h"
#include "bench/history/samplehistory.h"
#include "connection/transmitterconnection.h"
#include "link/session.h"
#include "models/history.h"
#include "platform/linux/qtserialcontrol.h"

namespace {

using namespace pelorin;

QString g_path;
double g_readSeconds = 0;  // the baseline: reading the file's bytes once

// Each benchmark's time per iteration as a multiple of the baseline, measured in this run.
void reportRatio(benchmark::State& state) {
    state.counters["x_read_bytes"] = benchmark::Counter(
        g_readSeconds, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

double readSeconds() {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer clock;
        clock.start();
        QFile file(g_path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
        best = std::min(best, static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
    return best;
}

void BM_ReadFileBytes(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(g_path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
    reportRatio(state);
}
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);

void BM_LoadRecords(benchmark::State& state) {
    const models::HistoryStore store(g_path);
    for (auto _ : state) {
        const models::HistoryContents contents = store.load();
        benchmark::DoNotOptimize(contents.records.data());
    }
    reportRatio(state);
}
BENCHMARK(BM_LoadRecords)->Unit(benchmark::kMillisecond);

// What Ctrl+Z looked up before: the whole file read and parsed, then the undo steps.
void BM_UndoWholeFile(benchmark::State& state) {
    const models::HistoryStore store(g_path);
    const models::HistoryChain chain{QStringLiteral("/dev/ttyUSB0"), models::kUnknownMemory};
    for (auto _ : state) {
        const models::HistoryContents contents = store.load();
        benchmark::DoNotOptimize(models::undoSteps(contents.records, chain).undo);
    }
    reportRatio(state);
}
BENCHMARK(BM_UndoWholeFile)->Unit(benchmark::kMillisecond);

// What Ctrl+Z looks up now, after the first: the records appended since (one, here, as an
// editor's OK leaves), then the undo steps over the records kept.
void BM_UndoAfterOneMoreRecord(benchmark::State& state) {
    TransmitterConnection connection(std::make_unique<QtSerialControl>(),
                                     [] { return PortTable{}; });
    QWidget main;
    HistoryRecorder recorder(g_path, connection, &main, [](const BlockSend&) {});
    (void)recorder.records();  // the first Ctrl+Z of the run reads the file whole
    const models::HistoryStore store(g_path);
    const models::HistoryChain chain{QStringLiteral("/dev/ttyUSB0"), models::kUnknownMemory};
    models::HistoryRecord record;
    record.device = chain.device;
    record.cause = models::HistoryCause::Editor;
    record.detail = QStringLiteral("EndPoint");
    std::uint8_t value = 0;
    for (auto _ : state) {
        state.PauseTiming();
        record.key.clear();
        record.block[block::kSubTrim] = ++value;
        (void)store.append(record);
        state.ResumeTiming();
        benchmark::DoNotOptimize(models::undoSteps(recorder.records(), chain).undo);
    }
    reportRatio(state);
}
BENCHMARK(BM_UndoAfterOneMoreRecord)->Unit(benchmark::kMillisecond);

// Ctrl+H on a window that was not open yet: made, filled, shown and painted.
void BM_OpenHistoryWindow(benchmark::State& state) {
    TransmitterConnection connection(std::make_unique<QtSerialControl>(),
                                     [] { return PortTable{}; });
    QWidget main;
    for (auto _ : state) {
        auto recorder =
            std::make_unique<HistoryRecorder>(g_path, connection, &main, [](const BlockSend&) {});
        recorder->showWindow(connection.session(), QString());
        HistoryWindow* window = recorder->historyWindow();
        window->list()->viewport()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->model()->rowCount());
        state.PauseTiming();
        recorder.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    reportRatio(state);
}
BENCHMARK(BM_OpenHistoryWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    long records = 100000;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--records") == 0) {
            records = std::stol(argv[i + 1]);
            for (int j = i; j + 2 <= argc; ++j)
                argv[j] = argv[j + 2];
            argc -= 2;
            break;
        }
    }
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_path = dir.filePath(QStringLiteral("history.jsonl"));
    bench::writeSampleHistory(g_path, records);
    g_readSeconds = readSeconds();
    std::printf("%ld records, %lld bytes\n", records, static_cast<long long>(QFile(g_path).size()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
