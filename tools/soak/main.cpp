// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-soak: the program's main window running for a long time against the virtual
// transmitter streaming at full line rate with some bad frames, and what it cost.
//
//   pelorin-soak [--seconds N] [--rate FRAMES_PER_SECOND] [--bad-every N] [--garbage-every N]
//                [--report-every SECONDS]
//
// The window runs as the program runs it (MainDialog with the real serial control, the live
// display repainting every 10 ms) on the offscreen platform unless another is chosen. The
// transmitter runs in this process on a thread of its own (its CPU time is not counted as the
// program's), on a pseudo-terminal registered in a private runtime folder, so the window finds
// it as COM1 and nothing else. At the end every frame the transmitter wrote must be accounted
// for: good frames applied plus bad frames dropped. The exit code is 0 when the counts add up
// exactly, 1 when they do not.

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "app/channeldisplay.h"
#include "app/maindialog.h"
#include "platform/serialport.h"
#include "tools/txsim/virtualtransmitter.h"

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

struct Arguments {
    double seconds = 60;
    double rate = 640;  // 18-byte frames at 115200 baud fill the line
    unsigned badEvery = 100;
    unsigned garbageEvery = 0;
    double reportEvery = 60;
};

[[noreturn]] void usage(const char* problem) {
    std::fprintf(stderr,
                 "pelorin-soak: %s\nusage: pelorin-soak [--seconds N] [--rate FRAMES_PER_SECOND] "
                 "[--bad-every N] [--garbage-every N] [--report-every SECONDS]\n",
                 problem);
    std::exit(2);
}

Arguments parseArguments(int argc, char** argv) {
    Arguments a;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc)
            usage(("missing value after " + name).c_str());
        char* end = nullptr;
        const double value = std::strtod(argv[++i], &end);
        if (end == argv[i] || *end != '\0' || value < 0)
            usage(("not a number: " + std::string(argv[i])).c_str());
        if (name == "--seconds") {
            a.seconds = value;
        } else if (name == "--rate") {
            a.rate = value;
        } else if (name == "--bad-every") {
            a.badEvery = static_cast<unsigned>(value);
        } else if (name == "--garbage-every") {
            a.garbageEvery = static_cast<unsigned>(value);
        } else if (name == "--report-every") {
            a.reportEvery = value;
        } else {
            usage(("unknown option " + name).c_str());
        }
    }
    return a;
}

double cpuSeconds(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

long rssKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmRSS:"))
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Frames as the transmitter wrote them, judged by their own checksum.
struct SentFrames {
    std::atomic<std::uint64_t> good{0};
    std::atomic<std::uint64_t> bad{0};
    void add(std::span<const std::uint8_t> frame) {
        if (frame.size() < 4)
            return;
        const std::size_t sumAt = frame.size() - 2;
        unsigned sum = 0;
        for (std::size_t i = 2; i < sumAt; ++i)
            sum += frame[i];
        const unsigned sent = static_cast<unsigned>(frame[sumAt]) * 256u + frame[sumAt + 1];
        ++(sum == sent ? good : bad);
    }
    [[nodiscard]] std::uint64_t total() const { return good + bad; }
};

// The transmitter on a thread whose CPU time is measured on its own. The thread also keeps
// the stream at an exact average rate: at every turn it queues as many live frames as are due
// by then, so a late wake-up on a busy machine gives a bigger batch instead of fewer frames.
class TransmitterThread {
public:
    TransmitterThread(pelorin::txsim::VirtualTransmitter& transmitter, double rate)
        : transmitter_(transmitter), rate_(rate) {}
    void start() {
        thread_ = std::thread([this] {
            const auto begin = SteadyClock::now();
            std::uint64_t queued = 0;
            while (!stop_.load()) {
                transmitter_.runOnce(2ms);
                if (!transmitter_.connected())
                    continue;
                const double t = std::chrono::duration<double>(SteadyClock::now() - begin).count();
                for (const auto due = static_cast<std::uint64_t>(t * rate_); queued < due;
                     ++queued) {
                    transmitter_.sendLiveFrame(
                        pelorin::txsim::sweepValues(static_cast<double>(queued) / rate_));
                }
            }
            cpu_ = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        });
    }
    void stop() {
        if (!thread_.joinable())
            return;
        stop_ = true;
        transmitter_.requestStop();
        thread_.join();
    }
    [[nodiscard]] double cpuSecondsUsed() const { return cpu_; }
    ~TransmitterThread() { stop(); }

private:
    pelorin::txsim::VirtualTransmitter& transmitter_;
    double rate_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    double cpu_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A runtime folder of our own: the window finds this transmitter and nothing else.
    QTemporaryDir runtimeDir;
    if (!runtimeDir.isValid())
        usage("cannot create a private runtime folder");
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QApplication app(argc, argv);

    pelorin::txsim::Options options;
    options.frameRate = 0;  // the stream is fed below, at an exact average rate
    options.faults.badChecksumEvery = args.badEvery;
    options.faults.garbageEvery = args.garbageEvery;
    options.linkName = "soak";
    pelorin::txsim::VirtualTransmitter transmitter(options);
    SentFrames sent;
    transmitter.frameWritten = [&sent](std::span<const std::uint8_t> frame,
                                       pelorin::txsim::Clock::time_point) { sent.add(frame); };
    std::string error;
    if (!transmitter.open(&error)) {
        std::fprintf(stderr, "pelorin-soak: virtual transmitter: %s\n", error.c_str());
        return 2;
    }
    TransmitterThread transmitterThread(transmitter, args.rate);
    transmitterThread.start();

    pelorin::MainDialog window(pelorin::makeSerialControl());
    // The display draws new values straight into the window, so its repaints are counted by what
    // it reports, not by paint events.
    std::uint64_t repaints = 0;
    QObject::connect(window.channelDisplay(), &pelorin::ChannelDisplay::liveFramesShown,
                     [&repaints] { ++repaints; });

    const auto started = SteadyClock::now();
    const double cpuAtStart = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    long rssAtStart = -1;
    double lastReport = 0;
    double lastCpu = cpuAtStart;
    int exitCode = 0;

    std::printf(
        "pelorin-soak: %.0f s at %.0f frames/s, every %u. frame bad, garbage every %u. "
        "frame, platform %s\n",
        args.seconds, args.rate, args.badEvery, args.garbageEvery,
        qgetenv("QT_QPA_PLATFORM").constData());
    std::fflush(stdout);

    auto counted = [&window] {
        const auto& c = window.session().counters();
        return c.liveAccepted + c.settingsAccepted + c.liveRejected + c.settingsRejected;
    };

    auto finish = [&] {
        // No more frames; what was written is read, then everything is counted.
        transmitterThread.stop();
        const auto drainUntil = SteadyClock::now() + 5s;
        while (counted() < sent.total() && SteadyClock::now() < drainUntil)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

        const double elapsed = std::chrono::duration<double>(SteadyClock::now() - started).count();
        const double processCpu = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - cpuAtStart;
        const double programCpu = processCpu - transmitterThread.cpuSecondsUsed();
        const auto& c = window.session().counters();
        const std::uint64_t applied = c.liveAccepted + c.settingsAccepted;
        const std::uint64_t dropped = c.liveRejected + c.settingsRejected;
        const long rssAtEnd = rssKiB();
        const bool exact = applied == sent.good && dropped == sent.bad;

        std::printf("\n--- after %.1f s\n", elapsed);
        std::printf("frames sent          %llu (%llu good, %llu bad)\n",
                    static_cast<unsigned long long>(sent.total()),
                    static_cast<unsigned long long>(sent.good.load()),
                    static_cast<unsigned long long>(sent.bad.load()));
        std::printf("good frames applied  %llu (%llu live, %llu settings)\n",
                    static_cast<unsigned long long>(applied),
                    static_cast<unsigned long long>(c.liveAccepted),
                    static_cast<unsigned long long>(c.settingsAccepted));
        std::printf("bad frames dropped   %llu\n", static_cast<unsigned long long>(dropped));
        std::printf("counts               %s\n",
                    exact ? "exact (applied = good sent, dropped = bad sent)" : "DO NOT ADD UP");
        std::printf("display repaints     %llu (%.1f per second)\n",
                    static_cast<unsigned long long>(repaints),
                    static_cast<double>(repaints) / elapsed);
        std::printf("RSS                  %ld KiB at start, %ld KiB at end, growth %ld KiB\n",
                    rssAtStart, rssAtEnd, rssAtEnd - rssAtStart);
        std::printf(
            "CPU of the program   %.2f s = %.2f %% of one core (transmitter thread %.2f s "
            "not counted)\n",
            programCpu, 100.0 * programCpu / elapsed, transmitterThread.cpuSecondsUsed());
        std::fflush(stdout);
        if (!exact)
            exitCode = 1;
        window.done(0);
    };

    QTimer tick;
    tick.setInterval(1000);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const double elapsed = std::chrono::duration<double>(SteadyClock::now() - started).count();
        // The start is taken once the window is up and frames have flowed for a moment.
        if (rssAtStart < 0 && elapsed >= 5)
            rssAtStart = rssKiB();
        if (args.reportEvery > 0 && elapsed - lastReport >= args.reportEvery) {
            const double cpu = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
            const auto& c = window.session().counters();
            std::printf(
                "[%7.0f s] sent %llu, applied %llu, dropped %llu, RSS %ld KiB, "
                "process CPU %.2f %% of one core since the last report\n",
                elapsed, static_cast<unsigned long long>(sent.total()),
                static_cast<unsigned long long>(c.liveAccepted + c.settingsAccepted),
                static_cast<unsigned long long>(c.liveRejected + c.settingsRejected), rssKiB(),
                100.0 * (cpu - lastCpu) / (elapsed - lastReport));
            std::fflush(stdout);
            lastReport = elapsed;
            lastCpu = cpu;
        }
        if (elapsed >= args.seconds) {
            tick.stop();
            if (rssAtStart < 0)
                rssAtStart = rssKiB();
            finish();
        }
    });
    tick.start();

    window.run();
    return exitCode;
}
