// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's main window, running as the program runs it, connected to the first port it
// finds (a virtual transmitter streaming live frames), with the Monitor hidden and shown in
// turns. Each phase measures the process's CPU time (every thread) and the frames received;
// with --xserver-pid, the X server's CPU time too, since painting costs it as well. Run under
// callgrind (bench/monitor/callgrind.sh), each phase's instructions go to a dump of their own:
// counts that do not depend on how busy the machine is.
//
// Showing the window costs something once (the window is mapped, laid out and painted whole,
// its buffer allocated); that is not what it costs while shown. Each phase therefore starts
// measuring a moment (--settle) after the switch, and that moment's cost is reported apart.
//
//   pelorin_monitor_bench [--seconds S] [--rounds N] [--warm-up S] [--settle S]
//                         [--xserver-pid PID]

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTimer>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name) ((void)(name))
#endif

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/maindialog.h"
#include "app/monitorwindow.h"
#include "dialogkit/systemmenu.h"
#include "platform/guiplatform.h"
#include "platform/processclock.h"
#include "platform/serialport.h"

namespace {

using namespace pelorin;

// This process's user and system time so far.
double processCpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

struct Phase {
    bool shown = false;
    double switchCpu = 0;  // from the switch to the start of the measuring
    double seconds = 0;
    double cpu = 0;
    std::optional<double> xCpu;
    std::uint64_t frames = 0;
};

}  // namespace

int main(int argc, char** argv) {
    pelorin::tuneWindowingPlatform();  // as the program does
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "CPU of the program with the Monitor hidden and shown in turns, while live frames "
        "stream in. Run it through bench/monitor/run.sh."));
    parser.addHelpOption();
    QCommandLineOption secondsOption(QStringLiteral("seconds"),
                                     QStringLiteral("Length of each phase (default 10)."),
                                     QStringLiteral("S"), QStringLiteral("10"));
    QCommandLineOption roundsOption(QStringLiteral("rounds"),
                                    QStringLiteral("Hidden/shown pairs (default 3)."),
                                    QStringLiteral("N"), QStringLiteral("3"));
    QCommandLineOption warmUpOption(QStringLiteral("warm-up"),
                                    QStringLiteral("Seconds before measuring (default 3)."),
                                    QStringLiteral("S"), QStringLiteral("3"));
    QCommandLineOption settleOption(
        QStringLiteral("settle"),
        QStringLiteral("Seconds after showing or hiding before each phase (default 1)."),
        QStringLiteral("S"), QStringLiteral("1"));
    QCommandLineOption xOption(QStringLiteral("xserver-pid"),
                               QStringLiteral("Also measure this process (the X server)."),
                               QStringLiteral("PID"), QStringLiteral("0"));
    parser.addOptions({secondsOption, roundsOption, warmUpOption, settleOption, xOption});
    parser.process(app);
    const int phaseMs = static_cast<int>(parser.value(secondsOption).toDouble() * 1000);
    const int rounds = parser.value(roundsOption).toInt();
    const int warmUpMs = static_cast<int>(parser.value(warmUpOption).toDouble() * 1000);
    const int settleMs = static_cast<int>(parser.value(settleOption).toDouble() * 1000);
    const qint64 xPid = parser.value(xOption).toLongLong();
    if (phaseMs <= 0 || rounds <= 0 || warmUpMs < 0 || settleMs < 0) {
        std::fprintf(stderr,
                     "monitor bench: --seconds and --rounds must be positive, --warm-up and "
                     "--settle not negative\n");
        return 2;
    }

    MainDialog window(makeSerialControl());
    std::vector<Phase> phases;
    int failures = 0;

    QElapsedTimer wall;
    double cpuAtSwitch = 0;
    double cpuAtStart = 0;
    std::optional<double> xAtStart;
    std::uint64_t framesAtStart = 0;
    auto monitor = [&]() { return window.findChild<MonitorWindow*>(); };
    auto switchTo = [&](bool shown) {
        cpuAtSwitch = processCpuSeconds();
        if (shown) {
            window.systemCommand(kMonitorCommand);
        } else if (MonitorWindow* m = monitor()) {
            m->close();
        }
    };
    auto beginPhase = [&]() {
        CALLGRIND_ZERO_STATS;
        wall.start();
        cpuAtStart = processCpuSeconds();
        xAtStart = processorSecondsOf(xPid);
        framesAtStart = window.session().counters().liveAccepted;
    };
    auto endPhase = [&](bool shown) {
        Phase phase;
        phase.shown = shown;
        phase.switchCpu = cpuAtStart - cpuAtSwitch;
        phase.seconds = static_cast<double>(wall.elapsed()) / 1000.0;
        phase.cpu = processCpuSeconds() - cpuAtStart;
        if (const auto x = processorSecondsOf(xPid); x && xAtStart)
            phase.xCpu = *x - *xAtStart;
        phase.frames = window.session().counters().liveAccepted - framesAtStart;
        CALLGRIND_DUMP_STATS_AT(QStringLiteral("%1 %2 s %3 frames")
                                    .arg(shown ? QLatin1String("shown") : QLatin1String("hidden"))
                                    .arg(phase.seconds, 0, 'f', 3)
                                    .arg(phase.frames)
                                    .toLatin1()
                                    .constData());
        std::printf("%-7s %5.1f s  %6.1f frames/s  program %5.2f %% of a core",
                    shown ? "shown" : "hidden", phase.seconds,
                    static_cast<double>(phase.frames) / phase.seconds,
                    100.0 * phase.cpu / phase.seconds);
        if (phase.xCpu)
            std::printf("  X server %5.2f %%", 100.0 * *phase.xCpu / phase.seconds);
        std::printf("\n");
        std::fflush(stdout);
        if (phase.frames == 0)
            ++failures;
        phases.push_back(phase);
    };

    // The phases run inside the window's modal run: hidden, shown, hidden, shown, ...
    auto step = std::make_shared<std::function<void(int)>>();
    *step = [&, step](int index) {
        if (index > 0)
            endPhase((index - 1) % 2 == 1);
        if (index == 2 * rounds) {
            window.reject();
            return;
        }
        const bool shown = index % 2 == 1;
        switchTo(shown);
        QTimer::singleShot(settleMs, &window, [&, step, index]() {
            beginPhase();
            QTimer::singleShot(phaseMs, &window, [step, index]() { (*step)(index + 1); });
        });
    };
    QTimer::singleShot(warmUpMs, &window, [step]() { (*step)(0); });
    window.run();

    double hiddenCpu = 0, shownCpu = 0, hiddenTime = 0, shownTime = 0, hiddenX = 0, shownX = 0;
    bool haveX = true;
    for (const Phase& p : phases) {
        (p.shown ? shownCpu : hiddenCpu) += p.cpu;
        (p.shown ? shownTime : hiddenTime) += p.seconds;
        if (p.xCpu) {
            (p.shown ? shownX : hiddenX) += *p.xCpu;
        } else {
            haveX = false;
        }
    }
    if (hiddenTime <= 0 || shownTime <= 0)
        return 1;
    const double hidden = 100.0 * hiddenCpu / hiddenTime;
    const double shown = 100.0 * shownCpu / shownTime;
    std::printf("program: hidden %.2f %%, shown %.2f %% of a core: the Monitor adds %.2f %%\n",
                hidden, shown, shown - hidden);
    // Each round's difference, hidden and shown side by side: the machine's speed drifts less
    // within a round than over the whole run, so their median is the steadier figure.
    std::vector<double> added, showing;
    for (std::size_t i = 1; i < phases.size(); i += 2) {
        const Phase& h = phases[i - 1];
        const Phase& s = phases[i];
        const double more = s.cpu / s.seconds - h.cpu / h.seconds;  // in CPU seconds per second
        added.push_back(100.0 * more);
        // The moment after showing, less the moment after hiding and the running cost.
        showing.push_back(1000.0 * (s.switchCpu - h.switchCpu - more * settleMs / 1000.0));
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        const std::size_t n = v.size();
        return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
    };
    std::printf(
        "median of %zu rounds: the Monitor adds %.2f %% of a core (%.2f .. %.2f); showing it "
        "costs %.0f ms once\n",
        added.size(), median(added), *std::min_element(added.begin(), added.end()),
        *std::max_element(added.begin(), added.end()), median(showing));
    if (haveX && xPid > 0) {
        std::printf("X server: hidden %.2f %%, shown %.2f %%: %+.2f %%\n",
                    100.0 * hiddenX / hiddenTime, 100.0 * shownX / shownTime,
                    100.0 * (shownX / shownTime - hiddenX / hiddenTime));
    }
    if (failures > 0) {
        std::fprintf(stderr,
                     "monitor bench: %d phase(s) received no frames: is a transmitter "
                     "streaming?\n",
                     failures);
        return 1;
    }
    return 0;
}
