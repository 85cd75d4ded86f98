// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a user of the desktop program sees and pays, side by side with a bare Qt dialog that
// opens the same kind of pseudo-terminal and writes the same ReadRequest, on the xcb platform
// under a private Xvfb (started here), in one run:
//  - process start -> ReadRequest on the line (median over the runs),
//  - CPU share with the port open and the transmitter silent, and while live frames stream
//    at 50 and at 640 frames per second (the line's limit at 115200 baud),
//  - resident memory 3 s after the start,
//  - latency from the last byte of a live frame written to the pty to the display having
//    painted that frame (p50, p99), measured in a child process of this program that runs
//    the main window itself.
// Runs alternate between the two programs so that a change in the machine's load hits both.
//
//   pelorin_desktop_bench [--runs N] [--seconds S] [--frames N]
//                         [--pelorin PATH] [--bare PATH]

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/channeldisplay.h"
#include "app/maindialog.h"
#include "bench/desktop/benchsystem.h"
#include "link/frames.h"
#include "platform/guiplatform.h"
#include "platform/serialport.h"

namespace {

using pelorin::bench::ProcessId;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// --- The line: a pty whose slave the programs open, registered as a virtual port -------------

class Line {
public:
    // Opens a raw pty and links its slave into the virtual-port folder as `name`.
    explicit Line(const fs::path& portFolder, const std::string& name) {
        fs::create_directories(portFolder);
        link_ = portFolder / name;
        fs::remove(link_);
        fs::create_symlink(pty_.slavePath(), link_);
        reader_ = std::thread([this] { readLoop(); });
    }
    // The pty closes after the reader has stopped and the link is gone.
    ~Line() {
        stopping_ = true;
        reader_.join();
        std::error_code ignored;
        fs::remove(link_, ignored);
    }
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    [[nodiscard]] const std::string& slavePath() const { return pty_.slavePath(); }

    // When the first ReadRequest arrived, once it has.
    std::optional<Clock::time_point> readRequestTime() {
        std::lock_guard lock(mutex_);
        return readRequestAt_;
    }

    // Writes one frame whole; returns when its last byte is in the pty.
    void write(std::span<const std::uint8_t> bytes) { pty_.write(bytes); }

    // Live frames at `rate` per second for `seconds`, paced against the clock: a writer that
    // fell behind catches up at once, so the count is right.
    void stream(double rate, double seconds) {
        const auto start = Clock::now();
        const auto total = static_cast<long>(rate * seconds);
        for (long k = 0; k < total; ++k) {
            std::this_thread::sleep_until(
                start + std::chrono::duration_cast<Clock::duration>(
                            std::chrono::duration<double>(static_cast<double>(k) / rate)));
            write(sweepFrame(k));
        }
    }

    static std::array<std::uint8_t, pelorin::kLiveChannelFrameSize> sweepFrame(long k) {
        pelorin::LiveValues values;
        for (std::size_t i = 0; i < values.channelWords.size(); ++i) {
            const double phase = static_cast<double>(k) / (40.0 + 7.0 * static_cast<double>(i));
            values.channelWords[i] =
                static_cast<std::uint16_t>(pelorin::kChannelCentre + 420.0 * std::sin(phase));
        }
        values.auxWord = static_cast<std::uint16_t>(k % 1024);
        return pelorin::liveChannelFrame(values);
    }

private:
    void readLoop() {
        const pelorin::ReadRequest request = pelorin::readRequest();
        std::vector<std::uint8_t> seen;
        while (!stopping_) {
            std::array<std::uint8_t, 512> buffer{};
            const std::size_t n = pty_.read(buffer, 20ms);
            if (n == 0)
                continue;
            const auto now = Clock::now();
            seen.insert(seen.end(), buffer.begin(),
                        buffer.begin() + static_cast<std::ptrdiff_t>(n));
            std::lock_guard lock(mutex_);
            if (!readRequestAt_ && std::search(seen.begin(), seen.end(), request.begin(),
                                               request.end()) != seen.end()) {
                readRequestAt_ = now;
            }
            if (seen.size() > 4096)
                seen.erase(seen.begin(), seen.end() - 1);
        }
    }

    // First, so that it opens before the link and the reader and closes after them.
    pelorin::bench::Pty pty_;
    fs::path link_;
    std::thread reader_;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::optional<Clock::time_point> readRequestAt_;
};

// --- Another process: CPU time -------------------------------------------------------------

double cpuShare(ProcessId pid, const std::function<void()>& during) {
    const double before = pelorin::bench::cpuSeconds(pid);
    const auto start = Clock::now();
    during();
    const double wall = msBetween(start, Clock::now()) / 1000.0;
    return 100.0 * (pelorin::bench::cpuSeconds(pid) - before) / wall;
}

// --- The runs ------------------------------------------------------------------------------

struct RunFigures {
    double startMs = NAN;
    double idle = NAN;
    double at50 = NAN;
    double at640 = NAN;
    double rss = NAN;
};

struct Options {
    int runs = 5;
    double seconds = 2.5;
    int frames = 600;
    std::string pelorin = PELORIN_PROGRAM_PATH;
    std::string bare = PELORIN_BARE_DIALOG_PATH;
};

RunFigures measureRun(const Options& options, const fs::path& portFolder, bool bare) {
    RunFigures figures;
    Line line(portFolder, "bench");
    const std::vector<std::string> argv =
        bare ? std::vector<std::string>{options.bare, line.slavePath()}
             : std::vector<std::string>{options.pelorin};
    const auto start = Clock::now();
    const ProcessId pid = pelorin::bench::spawn(argv);
    while (!line.readRequestTime() && Clock::now() - start < 15s)
        std::this_thread::sleep_for(200us);
    if (const auto at = line.readRequestTime())
        figures.startMs = msBetween(start, *at);
    std::this_thread::sleep_until(start + 3s);
    figures.rss = pelorin::bench::rssMiB(pid);
    const auto span =
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(options.seconds));
    figures.idle = cpuShare(pid, [&] { std::this_thread::sleep_for(span); });
    figures.at50 = cpuShare(pid, [&] { line.stream(50, options.seconds); });
    figures.at640 = cpuShare(pid, [&] { line.stream(640, options.seconds); });
    pelorin::bench::stop(pid);
    return figures;
}

double median(std::vector<double> values) {
    values.erase(
        std::remove_if(values.begin(), values.end(), [](double v) { return std::isnan(v); }),
        values.end());
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double percentile(std::vector<double> sorted, double p) {
    if (sorted.empty())
        return NAN;
    const auto index =
        static_cast<std::size_t>(p / 100.0 * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

// --- Line -> painted, in a child process that runs the main window ---------------------------

// Frame k carries k in CH2 and CH3 and swings CH1 from one side to the other, so every frame
// changes what the display shows and a paint tells which frame it drew.
std::array<std::uint8_t, pelorin::kLiveChannelFrameSize> numberedFrame(long k) {
    pelorin::LiveValues values;
    const auto word = [](int value) {
        return static_cast<std::uint16_t>(value + pelorin::kChannelCentre);
    };
    values.channelWords.fill(word(0));
    values.channelWords[0] = word(k % 2 == 0 ? 400 : -400);
    values.channelWords[1] = word(static_cast<int>(k % 100) * 4 - 200);
    values.channelWords[2] = word(static_cast<int>((k / 100) % 100) * 4 - 200);
    return pelorin::liveChannelFrame(values);
}

long frameNumber(const std::array<int, 6>& channels) {
    return (channels[2] + 200) / 4 * 100 + (channels[1] + 200) / 4;
}

// Times every time the display has drawn news (into the window and handed to the X server)
// and the frame it drew.
class PaintClock : public QObject {
public:
    explicit PaintClock(pelorin::MainDialog& window) {
        connect(window.channelDisplay(), &pelorin::ChannelDisplay::liveFramesShown, this,
                [this, &window] {
                    paints.emplace_back(frameNumber(window.session().liveChannels()), Clock::now());
                });
    }
    std::vector<std::pair<long, Clock::time_point>> paints;
};

int paintLatencyChild(const Options& options, const fs::path& portFolder) {
    int argc = 1;
    char name[] = "pelorin_desktop_bench";
    char* argv[] = {name, nullptr};
    pelorin::tuneWindowingPlatform();  // as the program does
    QApplication app(argc, argv);
    Line line(portFolder, "bench");
    pelorin::MainDialog window(pelorin::makeSerialControl());
    PaintClock clock(window);

    std::vector<Clock::time_point> written(static_cast<std::size_t>(options.frames));
    std::atomic<bool> done{false};
    std::thread writer;
    QTimer::singleShot(0, &window, [&] {
        writer = std::thread([&] {
            std::this_thread::sleep_for(1s);  // the window is up and has painted
            const auto start = Clock::now();
            for (long k = 0; k < options.frames; ++k) {
                std::this_thread::sleep_until(start + k * 20ms);
                line.write(numberedFrame(k));
                written[static_cast<std::size_t>(k)] = Clock::now();
            }
            std::this_thread::sleep_for(200ms);
            done = true;
        });
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&] {
        if (done)
            window.reject();
    });
    poll.start(100);
    window.run();
    writer.join();

    std::vector<double> latencies;
    std::vector<bool> counted(written.size(), false);
    for (const auto& [k, at] : clock.paints) {
        if (k < 0 || k >= options.frames || counted[static_cast<std::size_t>(k)])
            continue;
        const auto sent = written[static_cast<std::size_t>(k)];
        if (sent == Clock::time_point{} || at < sent)
            continue;
        counted[static_cast<std::size_t>(k)] = true;
        latencies.push_back(msBetween(sent, at));
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("%zu %.3f %.3f %.3f\n", latencies.size(), percentile(latencies, 50),
                percentile(latencies, 99), latencies.empty() ? NAN : latencies.back());
    return latencies.empty() ? 1 : 0;
}

struct Latency {
    std::size_t frames = 0;
    double p50 = NAN;
    double p99 = NAN;
    double max = NAN;
};

Latency measurePaintLatency(const Options& options, const char* self) {
    const std::string out = fs::temp_directory_path() /
                            ("pelorin-bench-" + std::to_string(pelorin::bench::ownProcessId()));
    const std::string command = std::string("'") + self + "' --paint-latency-child --frames " +
                                std::to_string(options.frames) + " > '" + out + "' 2>/dev/null";
    Latency latency;
    if (std::system(command.c_str()) == 0) {
        std::ifstream result(out);
        result >> latency.frames >> latency.p50 >> latency.p99 >> latency.max;
    }
    fs::remove(out);
    return latency;
}

// --- Xvfb --------------------------------------------------------------------------------

ProcessId startXvfb() {
    for (int n = 150; n < 250; ++n) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
        if (fs::exists(socket) || fs::exists("/tmp/.X" + std::to_string(n) + "-lock"))
            continue;
        const std::string display = ":" + std::to_string(n);
        const ProcessId pid = pelorin::bench::spawn(
            {"/usr/bin/Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        for (int i = 0; i < 500 && !fs::exists(socket); ++i)
            std::this_thread::sleep_for(10ms);
        if (!fs::exists(socket)) {
            pelorin::bench::stop(pid);
            continue;
        }
        pelorin::bench::setEnvironment("DISPLAY", display.c_str());
        return pid;
    }
    throw std::runtime_error("no free X display for Xvfb");
}

std::string cell(double value, const char* format) {
    if (std::isnan(value))
        return "n/a";
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string ratio(double ours, double base) {
    // A share of a core below a hundredth of a percent is no base for a ratio.
    if (std::isnan(ours) || std::isnan(base) || base < 0.01)
        return "-";
    return cell(ours / base, "%.2fx");
}

void row(const char* figure, const std::string& ours, const std::string& base, const std::string& r,
         const std::string& goal, bool met) {
    std::printf("| %-44s | %12s | %14s | %6s | %-16s | %-4s |\n", figure, ours.c_str(),
                base.c_str(), r.c_str(), goal.c_str(), met ? "met" : "NOT");
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    bool child = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--runs") {
            options.runs = std::clamp(std::atoi(next().c_str()), 1, 50);
        } else if (a == "--seconds") {
            options.seconds = std::clamp(std::atof(next().c_str()), 0.5, 60.0);
        } else if (a == "--frames") {
            options.frames = std::clamp(std::atoi(next().c_str()), 10, 100000);
        } else if (a == "--pelorin") {
            options.pelorin = next();
        } else if (a == "--bare") {
            options.bare = next();
        } else if (a == "--paint-latency-child") {
            child = true;
        } else {
            std::fprintf(stderr,
                         "usage: %s [--runs N] [--seconds S] [--frames N] [--pelorin PATH] "
                         "[--bare PATH]\n",
                         argv[0]);
            return 2;
        }
    }

    if (child) {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        return paintLatencyChild(options, fs::path(runtime ? runtime : "/tmp") / "pelorin/ports");
    }

    // A private X server and runtime folder: nothing the developer runs is measured, and the
    // line is the first virtual port the program finds.
    pelorin::bench::ignoreBrokenPipes();
    char runtime[] = "/tmp/pelorin-bench-XXXXXX";
    if (!pelorin::bench::makeTemporaryFolder(runtime)) {
        std::perror("mkdtemp");
        return 1;
    }
    pelorin::bench::setEnvironment("XDG_RUNTIME_DIR", runtime);
    pelorin::bench::setEnvironment("QT_QPA_PLATFORM", "xcb");
    pelorin::bench::unsetEnvironment("WAYLAND_DISPLAY");
    const fs::path portFolder = fs::path(runtime) / "pelorin/ports";

    int result = 0;
    ProcessId xvfb = -1;
    try {
        xvfb = startXvfb();
        std::printf("Xvfb on %s; %d runs of each program, alternating; %.1f s per CPU figure\n",
                    std::getenv("DISPLAY"), options.runs, options.seconds);
        std::fflush(stdout);
        std::vector<RunFigures> ours;
        std::vector<RunFigures> base;
        for (int run = 0; run < options.runs; ++run) {
            // Alternate which goes first, so neither always follows the other.
            const bool bareFirst = run % 2 == 1;
            for (const bool bare : {bareFirst, !bareFirst}) {
                (bare ? base : ours).push_back(measureRun(options, portFolder, bare));
                const RunFigures& f = (bare ? base : ours).back();
                std::printf(
                    "  run %d %-8s start %7.1f ms  idle %6.3f %%  50/s %6.3f %%  "
                    "640/s %6.3f %%  RSS %6.1f MiB\n",
                    run + 1, bare ? "bare" : "pelorin", f.startMs, f.idle, f.at50, f.at640, f.rss);
                std::fflush(stdout);
            }
        }
        const Latency latency = measurePaintLatency(options, argv[0]);

        const auto med = [](const std::vector<RunFigures>& runs, double RunFigures::*field) {
            std::vector<double> values;
            for (const RunFigures& f : runs)
                values.push_back(f.*field);
            return median(values);
        };
        const double startOurs = med(ours, &RunFigures::startMs);
        const double startBase = med(base, &RunFigures::startMs);
        const double idleOurs = med(ours, &RunFigures::idle);
        const double at50Ours = med(ours, &RunFigures::at50);
        const double at640Ours = med(ours, &RunFigures::at640);
        const double rssOurs = med(ours, &RunFigures::rss);
        const double rssBase = med(base, &RunFigures::rss);

        std::printf("\nMedians of %d runs each (CPU: share of one core)\n\n", options.runs);
        std::printf("| %-44s | %12s | %14s | %6s | %-16s | %-4s |\n", "figure", "Pelorin",
                    "bare Qt dialog", "ratio", "goal", "");
        std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(46, '-').c_str(),
                    std::string(14, '-').c_str(), std::string(16, '-').c_str(),
                    std::string(8, '-').c_str(), std::string(18, '-').c_str(),
                    std::string(6, '-').c_str());
        row("process start -> ReadRequest on the line", cell(startOurs, "%.1f ms"),
            cell(startBase, "%.1f ms"), ratio(startOurs, startBase), "<= 1.3x",
            startOurs <= 1.3 * startBase);
        row("CPU, port open, transmitter silent", cell(idleOurs, "%.3f %%"),
            cell(med(base, &RunFigures::idle), "%.3f %%"),
            ratio(idleOurs, med(base, &RunFigures::idle)), "<= 0.1 %", idleOurs <= 0.1);
        row("CPU, streaming 50 frames/s", cell(at50Ours, "%.3f %%"),
            cell(med(base, &RunFigures::at50), "%.3f %%"),
            ratio(at50Ours, med(base, &RunFigures::at50)), "<= 4x",
            at50Ours <= 4.0 * med(base, &RunFigures::at50));
        row("CPU, streaming 640 frames/s (line's limit)", cell(at640Ours, "%.3f %%"),
            cell(med(base, &RunFigures::at640), "%.3f %%"),
            ratio(at640Ours, med(base, &RunFigures::at640)), "<= 2.5 %", at640Ours <= 2.5);
        row("RSS 3 s after start", cell(rssOurs, "%.1f MiB"), cell(rssBase, "%.1f MiB"),
            ratio(rssOurs, rssBase), "<= 1.1x", rssOurs <= 1.1 * rssBase);
        row("line -> painted, p50", cell(latency.p50, "%.2f ms"), "-", "-", "", true);
        row("line -> painted, p99", cell(latency.p99, "%.2f ms"), "-", "-", "<= 5 ms",
            latency.p99 <= 5.0);
        std::printf(
            "\n(line -> painted over %zu frames at 50 frames/s, each changing the "
            "display; worst %.2f ms)\n",
            latency.frames, latency.max);
        if (latency.frames < 500)
            result = 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        result = 1;
    }
    if (xvfb > 0)
        pelorin::bench::stop(xvfb);
    std::error_code ignored;
    fs::remove_all(runtime, ignored);
    return result;
}
