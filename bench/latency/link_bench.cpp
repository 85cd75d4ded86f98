// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast and how cheaply the link takes live channel frames, over a real pseudo-terminal:
//  1. latency from the last byte of a LiveChannelFrame written by the transmitter to
//     Session::liveChannels holding its values (p50, p99 over many frames);
//  2. the CPU share of the link alone (TransmitterConnection in an event loop, no window)
//     while pelorin-txsim, a separate process, streams 50 frames per second.
//
// pelorin_link_bench [--frames N] [--rate HZ] [--cpu-seconds S] [--txsim PATH]
//                    [--skip-latency] [--skip-cpu]

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "connection/transmitterconnection.h"
#include "link/session.h"
#include "platform/linux/qtserialcontrol.h"
#include "platform/portdiscovery.h"
#include "platform/processclock.h"
#include "tools/txsim/virtualtransmitter.h"

namespace {

using namespace pelorin;
using Clock = std::chrono::steady_clock;

struct Settings {
    int frames = 2000;
    double rate = 250.0;
    double cpuSeconds = 10.0;
    QString txsim = QStringLiteral(PELORIN_TXSIM_PATH);
    bool latency = true;
    bool cpu = true;
};

// The values a frame carries, as the session shows them after taking it.
using FrameKey = std::array<int, 7>;

FrameKey keyOf(std::span<const std::uint8_t> frame) {
    FrameKey key{};
    for (std::size_t i = 0; i < 7; ++i) {
        const int word = frame[2 + 2 * i] << 8 | frame[3 + 2 * i];
        key[i] = i < 6 ? word - kChannelCentre : word;
    }
    return key;
}

FrameKey keyOf(const Session& session) {
    FrameKey key{};
    std::copy(session.liveChannels().begin(), session.liveChannels().end(), key.begin());
    key[6] = session.liveAux();
    return key;
}

double percentile(std::vector<double> sorted, double p) {
    if (sorted.empty())
        return 0.0;
    const auto index =
        static_cast<std::size_t>(p / 100.0 * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

// Runs the event loop, blocking in it as the program does, until the condition holds or the
// time is up. A timer looks at the condition now and then; it adds no wake-ups of note.
template <typename Condition>
bool pump(Condition condition, int timeoutMs) {
    if (condition())
        return true;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    check.start(50);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

PortTable virtualPortsOnly() {
    return buildPortTable(discoverVirtualPorts(), {});
}

int measureLatency(const Settings& settings) {
    txsim::Options options;
    options.frameRate = settings.rate;
    options.linkName = "bench";
    txsim::VirtualTransmitter transmitter(options);

    // Frames as the transmitter wrote them, and values as the session came to hold them. The
    // two are paired by their values afterwards: a frame can be taken before the transmitter's
    // thread has even reported writing it.
    std::mutex mutex;
    std::vector<std::pair<FrameKey, Clock::time_point>> written;
    written.reserve(static_cast<std::size_t>(settings.frames) * 2 + 1000);
    transmitter.frameWritten = [&](std::span<const std::uint8_t> frame, Clock::time_point time) {
        if (frame.size() != kLiveChannelFrameSize || frame[1] != kLiveChannelType)
            return;
        std::lock_guard lock(mutex);
        written.emplace_back(keyOf(frame), time);
    };
    std::string error;
    if (!transmitter.start(&error)) {
        std::fprintf(stderr, "cannot start the virtual transmitter: %s\n", error.c_str());
        return 1;
    }

    TransmitterConnection connection(std::make_unique<QtSerialControl>(), virtualPortsOnly);
    const Session& session = connection.session();
    // What the session held after each delivery of live frames, and how many it took then.
    struct Held {
        FrameKey key;
        Clock::time_point time;
        std::uint64_t frames;
    };
    std::vector<Held> held;
    held.reserve(static_cast<std::size_t>(settings.frames) + 64);
    std::uint64_t seen = 0;
    std::uint64_t measured = 0;
    bool measuring = false;
    QObject::connect(&connection, &TransmitterConnection::liveFramesArrived, [&] {
        const auto now = Clock::now();
        const std::uint64_t accepted = session.counters().liveAccepted;
        if (measuring) {
            held.push_back({keyOf(session), now, accepted - seen});
            measured += accepted - seen;
        }
        seen = accepted;
    });

    // Opened as the window opens it at start-up.
    if (const QString problem = connection.start(0); !problem.isEmpty()) {
        std::fprintf(stderr, "cannot open the port: %s\n", qPrintable(problem));
        return 1;
    }
    // Start counting once the stream runs steadily.
    pump([&] { return session.counters().liveAccepted >= 20; }, 5000);
    measuring = true;
    const auto timeoutMs = static_cast<int>(settings.frames / settings.rate * 1000.0 * 2 + 5000);
    pump([&] { return measured >= static_cast<std::uint64_t>(settings.frames); }, timeoutMs);
    measuring = false;
    transmitter.stop();

    // Every frame counts: when one read brought several, the earlier ones were held (and
    // replaced at once) at the same moment as the last.
    std::vector<double> latencies;
    int unmatched = 0;
    int together = 0;
    {
        std::lock_guard lock(mutex);
        std::multimap<FrameKey, std::size_t> index;
        for (std::size_t i = 0; i < written.size(); ++i)
            index.emplace(written[i].first, i);
        for (const Held& h : held) {
            // The same values can come round again: the frame is the last one with them that
            // was written before the session held them.
            std::optional<std::size_t> match;
            const auto [from, to] = index.equal_range(h.key);
            for (auto it = from; it != to; ++it) {
                if (written[it->second].second <= h.time)
                    match = std::max(match.value_or(0), it->second);
            }
            if (!match || *match + 1 < h.frames) {
                ++unmatched;
                continue;
            }
            if (h.frames > 1)
                together += static_cast<int>(h.frames);
            for (std::size_t k = 0; k < h.frames; ++k) {
                const Clock::time_point sent = written[*match - k].second;
                latencies.push_back(
                    std::chrono::duration<double, std::milli>(h.time - sent).count());
            }
        }
    }
    std::sort(latencies.begin(), latencies.end());
    const double p99 = percentile(latencies, 99.0);
    std::printf(
        "Latency: last byte of a LiveChannelFrame written by the transmitter -> "
        "Session::liveChannels holds it\n");
    std::printf(
        "  frames measured   %zu (%.0f frames/s over a pseudo-terminal; %d came in a read "
        "with others; %d events not matched)\n",
        latencies.size(), settings.rate, together, unmatched);
    std::printf("  min               %7.3f ms\n", latencies.empty() ? 0.0 : latencies.front());
    std::printf("  p50               %7.3f ms\n", percentile(latencies, 50.0));
    std::printf("  p90               %7.3f ms\n", percentile(latencies, 90.0));
    std::printf("  p99               %7.3f ms   (goal < 2 ms: %s)\n", p99,
                p99 < 2.0 ? "met" : "NOT met");
    std::printf("  max               %7.3f ms\n", latencies.empty() ? 0.0 : latencies.back());
    std::fflush(stdout);
    return latencies.size() >= static_cast<std::size_t>(settings.frames) ? 0 : 1;
}

// This process's user and system time so far.
double cpuSecondsOfSelf() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

int measureCpu(const Settings& settings) {
    QProcess txsim;
    txsim.setProgram(settings.txsim);
    txsim.setArguments({QStringLiteral("--rate"), QStringLiteral("50"), QStringLiteral("--quiet")});
    txsim.setProcessChannelMode(QProcess::ForwardedChannels);
    txsim.start();
    if (!txsim.waitForStarted(5000)) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(settings.txsim));
        return 1;
    }
    const QString folder = virtualPortFolder();
    if (!pump([&] { return !QDir(folder).entryList(QDir::System | QDir::Files).isEmpty(); },
              5000)) {
        std::fprintf(stderr, "pelorin-txsim did not register in %s\n", qPrintable(folder));
        return 1;
    }

    TransmitterConnection connection(std::make_unique<QtSerialControl>(), virtualPortsOnly);
    Session& session = connection.session();
    std::uint64_t events = 0;
    QObject::connect(&connection, &TransmitterConnection::liveFramesArrived, [&] { ++events; });
    if (const QString error = connection.start(0); !error.isEmpty()) {
        std::fprintf(stderr, "cannot open the port: %s\n", qPrintable(error));
        return 1;
    }
    pump([&] { return session.counters().liveAccepted >= 5; }, 5000);

    const std::uint64_t framesBefore = session.counters().liveAccepted;
    const std::uint64_t eventsBefore = events;
    const double cpuBefore = cpuSecondsOfSelf();
    const std::optional<double> txsimBefore = processorSecondsOf(txsim.processId());
    const auto wallBefore = Clock::now();
    QTimer::singleShot(static_cast<int>(settings.cpuSeconds * 1000), qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    const double cpu = cpuSecondsOfSelf() - cpuBefore;
    const std::optional<double> txsimAfter = processorSecondsOf(txsim.processId());

    const double share = 100.0 * cpu / wall;
    std::printf(
        "CPU of the link alone (TransmitterConnection, event loop, no window) while "
        "pelorin-txsim streams 50 frames/s\n");
    std::printf("  wall time         %7.2f s\n", wall);
    std::printf("  frames taken      %7llu (%llu deliveries, %llu rejected)\n",
                static_cast<unsigned long long>(session.counters().liveAccepted - framesBefore),
                static_cast<unsigned long long>(events - eventsBefore),
                static_cast<unsigned long long>(session.counters().liveRejected));
    std::printf("  CPU time          %7.1f ms\n", cpu * 1000.0);
    std::printf("  share of one core %7.3f %%   (goal < 1 %%: %s)\n", share,
                share < 1.0 ? "met" : "NOT met");
    if (txsimBefore && txsimAfter) {
        std::printf("  (pelorin-txsim itself: %.3f %% of one core)\n",
                    100.0 * (*txsimAfter - *txsimBefore) / wall);
    }
    std::fflush(stdout);

    session.close();
    txsim.terminate();
    txsim.waitForFinished(5000);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Settings settings;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString next = i + 1 < args.size() ? args[i + 1] : QString();
        if (a == QLatin1String("--frames")) {
            settings.frames = std::max(1, next.toInt());
            ++i;
        } else if (a == QLatin1String("--rate")) {
            settings.rate = std::clamp(next.toDouble(), 1.0, 2000.0);
            ++i;
        } else if (a == QLatin1String("--cpu-seconds")) {
            settings.cpuSeconds = std::clamp(next.toDouble(), 1.0, 600.0);
            ++i;
        } else if (a == QLatin1String("--txsim")) {
            settings.txsim = next;
            ++i;
        } else if (a == QLatin1String("--skip-latency")) {
            settings.latency = false;
        } else if (a == QLatin1String("--skip-cpu")) {
            settings.cpu = false;
        } else {
            std::fprintf(stderr,
                         "usage: %s [--frames N] [--rate HZ] [--cpu-seconds S] [--txsim PATH] "
                         "[--skip-latency] [--skip-cpu]\n",
                         argv[0]);
            return 2;
        }
    }

    // A private runtime dir: a simulator the developer is running is never measured.
    QTemporaryDir runtime;
    if (!runtime.isValid())
        return 1;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());

    int result = 0;
    if (settings.latency)
        result |= measureLatency(settings);
    if (settings.latency && settings.cpu)
        std::printf("\n");
    if (settings.cpu)
        result |= measureCpu(settings);
    return result;
}
