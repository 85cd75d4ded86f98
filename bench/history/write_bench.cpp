// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long an editor's OK takes to reach the transmitter with the history recording it: the
// time from accepting the End Point editor in the real main window to the virtual transmitter
// reading the WriteFrame off its pseudo-terminal, and to the window being free again with the
// record in the file, p50 and p99 over many OKs. The history file starts with 100,000 records
// (--prefill N), and the OKs are measured with the History window closed and open (open, it
// reads the whole file again after each record). The baseline is the same path with no
// history, measured in the same run, rounds of the three alternating so that a busy machine
// weighs on all alike; the ratios of the p99s to the baseline's are reported.
//
//   pelorin_write_bench [--writes N] [--prefill N]

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/historyrecorder.h"
#include "app/maindialog.h"
#include "bench/history/samplehistory.h"
#include "editors/channeleditors.h"
#include "link/settingsblock.h"
#include "models/history.h"
#include "platform/serialport.h"
#include "tools/txsim/virtualtransmitter.h"

namespace {

using namespace pelorin;
using Clock = std::chrono::steady_clock;

constexpr int kEndPointCh1Right = 1015;  // the End Point editor's field for CH1's right end
constexpr int kRounds = 10;

double percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const auto index =
        static_cast<std::size_t>(p / 100.0 * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// Runs the event loop until the condition holds or the time is up.
template <typename Condition>
bool pump(Condition condition, int timeoutMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition() && Clock::now() < end)
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    return condition();
}

struct Line {
    std::atomic<int> writesTaken{0};
    std::atomic<Clock::rep> lastTaken{0};
};

struct Latencies {
    std::vector<double> onLine;  // OK to the WriteFrame read by the transmitter
    std::vector<double> done;    // OK to the window free again, the record written
};

// `count` OKs of the End Point editor, each with a new value; the latencies in ms.
bool measureOks(MainDialog& window, Line& line, int count, int& value, Latencies& into) {
    for (int i = 0; i < count; ++i) {
        value = value == 110 ? 111 : 110;  // every write differs, so every one is recorded
        Clock::time_point ok;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<EndPointDialog*>(QApplication::activeModalWidget());
            if (editor == nullptr)
                return;
            editor->findChild<QLineEdit*>(QStringLiteral("control%1").arg(kEndPointCh1Right))
                ->setText(QString::number(value));
            ok = Clock::now();
            static_cast<QDialog*>(editor)->accept();
        });
        const int before = line.writesTaken.load();
        window.control<QPushButton>(mainid::kEndPoint)->click();
        const Clock::time_point done = Clock::now();
        if (!pump([&] { return line.writesTaken.load() > before; }, 5000)) {
            std::fprintf(stderr, "the transmitter did not get write %d\n", i);
            return false;
        }
        const Clock::time_point taken{Clock::duration(line.lastTaken.load())};
        into.onLine.push_back(std::chrono::duration<double, std::milli>(taken - ok).count());
        into.done.push_back(std::chrono::duration<double, std::milli>(done - ok).count());
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int writes = 500;
    long prefilled = 100000;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--writes") == 0)
            writes = std::max(kRounds, std::stoi(argv[i + 1]));
        if (std::strcmp(argv[i], "--prefill") == 0)
            prefilled = std::stol(argv[i + 1]);
    }
    // A folder of the bench's own for the virtual port, the history and the settings, so it
    // meets no other transmitter and leaves nothing behind.
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Line line;
    txsim::Options options;  // 50 live frames a second, as a transmitter sends them
    options.linkName = "write-bench";
    txsim::VirtualTransmitter transmitter(options);
    transmitter.log = [&line](const std::string& text) {
        if (text.find("new block") == std::string::npos)
            return;
        line.lastTaken = Clock::now().time_since_epoch().count();
        ++line.writesTaken;
    };
    std::string error;
    if (!transmitter.start(&error)) {
        std::fprintf(stderr, "cannot start the virtual transmitter: %s\n", error.c_str());
        return 1;
    }

    const QString historyPath = home.filePath(QStringLiteral("history.jsonl"));
    bench::writeSampleHistory(historyPath, prefilled);
    enum Way { Baseline, Recording, HistoryOpen, kWays };
    std::array<Latencies, kWays> measured;
    int result = 0;
    // Two windows on the one transmitter cannot both hold the line, so the rounds go through
    // the three ways in turn, a window opened afresh for each.
    for (int round = 0; round < kWays * kRounds && result == 0; ++round) {
        const Way way = static_cast<Way>(round % kWays);
        MainDialog window(makeSerialControl());
        if (way != Baseline)
            window.setHistoryFile(historyPath);
        int value = 100;
        QTimer::singleShot(0, [&] {
            if (!pump([&] { return window.session().counters().settingsAccepted >= 1; }, 10000)) {
                std::fprintf(stderr, "no settings from the transmitter\n");
                result = 1;
            } else {
                if (way == HistoryOpen)
                    window.history()->showWindow(window.session(), home.path());
                if (!measureOks(window, line, writes / kRounds, value, measured[way]))
                    result = 1;
            }
            window.reject();
        });
        window.run();
    }
    transmitter.stop();
    if (result != 0)
        return result;

    const auto records = models::HistoryStore(historyPath).load().records.size();
    std::printf("editor OK, %zu OKs each way, the history file grown to %zu records\n",
                measured[Baseline].onLine.size(), records);
    const std::array<const char*, kWays> names{"no history (baseline)", "recording",
                                               "recording, History window open"};
    for (const auto& [what, field] :
         {std::pair{"-> WriteFrame read by the transmitter", &Latencies::onLine},
          std::pair{"-> window free again, the record written", &Latencies::done}}) {
        std::printf("  %s\n", what);
        const double baseP99 = percentile(measured[Baseline].*field, 99);
        for (int way = 0; way < kWays; ++way) {
            const auto& values = measured[static_cast<std::size_t>(way)].*field;
            const double p99 = percentile(values, 99);
            std::printf("    %-32s p50 %7.2f ms  p99 %7.2f ms  p99 x%.2f\n",
                        names[static_cast<std::size_t>(way)], percentile(values, 50), p99,
                        baseP99 > 0 ? p99 / baseP99 : 0.0);
        }
    }
    return 0;
}
