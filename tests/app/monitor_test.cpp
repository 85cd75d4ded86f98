// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Monitor window against the virtual transmitter over a real pseudo-terminal: the main
// window's link (not run, only its port opened) announces each good frame, and the monitor
// must show it, count what the line dropped, notice when the line falls silent and record
// every good frame. The link-health arithmetic is checked on its own with a made-up clock.

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "app/channeltrace.h"
#include "app/linkhealth.h"
#include "app/maindialog.h"
#include "app/monitorwindow.h"
#include "dialogkit/systemmenu.h"
#include "link/frames.h"
#include "platform/portdiscovery.h"
#include "platform/serialport.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/modal.h"
#include "tests/support/serialtesting.h"

namespace pelorin::test {
namespace {

using pelorin::testing::waitFor;
using Column = MonitorWindow::Column;
using HealthRow = MonitorWindow::HealthRow;

constexpr int kWaitMs = 10000;  // generous: the machine may be busy

// The first number in a text ("+12.5 %" -> 12.5, "3 (0.0 /s)" -> 3).
std::optional<double> numberIn(const QString& text) {
    static const QRegularExpression number(QStringLiteral("[-+]?\\d+(?:[.,]\\d+)?"));
    const auto match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

// Whether a frame as written on the line carries a checksum that matches its data.
bool checksumMatches(std::span<const std::uint8_t> frame) {
    if (frame.size() < 4)
        return false;
    unsigned sum = 0;
    for (std::size_t i = 2; i + 2 < frame.size(); ++i)
        sum += frame[i];
    return sum == (static_cast<unsigned>(frame[frame.size() - 2]) << 8 | frame.back());
}

LiveValues valuesOf(std::array<std::uint16_t, 6> words, std::uint16_t aux) {
    LiveValues values;
    values.channelWords = words;
    values.auxWord = aux;
    return values;
}

class MonitorTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(runtimeDir.isValid()); }

    // The transmitter (streaming only when `options` ask), the main window's port opened on it,
    // and the Monitor opened through the window's menu command.
    void connect(txsim::Options options = pelorin::testing::quietOptions()) {
        options.linkName = "monitor";
        transmitter = std::make_unique<txsim::VirtualTransmitter>(std::move(options));
        transmitter->frameWritten = [this](std::span<const std::uint8_t> frame, auto) {
            if (frame.size() == kLiveChannelFrameSize && !checksumMatches(frame))
                ++badLiveFramesWritten;
        };
        std::string error;
        ASSERT_TRUE(transmitter->start(&error)) << error;
        window = std::make_unique<MainDialog>(
            makeSerialControl(), [] { return buildPortTable(discoverVirtualPorts(), {}); });
        const SerialStatus opened =
            window->session().open(Session::kSearchOrFallback, Session::Greeting::Read);
        ASSERT_TRUE(opened.ok()) << opened.error();
        ASSERT_TRUE(waitFor([&] { return counters().settingsAccepted == 1; }, kWaitMs));
        window->systemCommand(kMonitorCommand);
        monitor = window->findChild<MonitorWindow*>();
        ASSERT_NE(monitor, nullptr);
        ASSERT_TRUE(monitor->isVisible());
    }

    const Session::Counters& counters() { return window->session().counters(); }

    // Sends one frame and waits until the receiver has taken it (good or dropped).
    void send(const LiveValues& values) {
        const auto seen = counters().liveAccepted + counters().liveRejected;
        transmitter->sendLiveFrame(values);
        ASSERT_TRUE(
            waitFor([&] { return counters().liveAccepted + counters().liveRejected == seen + 1; },
                    kWaitMs));
    }

    // The chooser answers with this file.
    void recordTo(const QString& path) {
        monitor->setFileChooser([path](QWidget*) { return path; });
        monitor->recordButton()->click();
    }

    pelorin::testing::PrivateRuntimeDir runtimeDir;
    MessageRecorder messages;
    QTemporaryDir files;
    std::atomic<int> badLiveFramesWritten{0};
    std::unique_ptr<txsim::VirtualTransmitter> transmitter;
    std::unique_ptr<MainDialog> window;
    MonitorWindow* monitor = nullptr;
};

TEST_F(MonitorTest, Numbers_ForEachFrameSent_ShowItsWordsValuesAndPercentages) {
    connect();
    const std::vector<LiveValues> frames = {
        valuesOf({1512, 1000, 2024, 2100, 0, 1513}, 800),
        valuesOf({1511, 1256, 1768, 1000, 2100, 1512}, 0),
        valuesOf({2099, 1001, 1512, 1512, 1024, 17}, 0xFFFF),
    };
    for (const LiveValues& frame : frames) {
        send(frame);
        ASSERT_TRUE(waitFor(
            [&] {
                return numberIn(monitor->valueText(0, Column::Word)) == frame.channelWords[0] &&
                       numberIn(monitor->valueText(6, Column::Word)) == frame.auxWord;
            },
            kWaitMs));
        for (int row = 0; row < 6; ++row) {
            const int word = frame.channelWords[static_cast<std::size_t>(row)];
            SCOPED_TRACE(::testing::Message() << "row " << row << ", word " << word);
            EXPECT_EQ(numberIn(monitor->valueText(row, Column::Word)), word);
            EXPECT_EQ(numberIn(monitor->valueText(row, Column::Value)), word - 1512);
            const auto percent = numberIn(monitor->valueText(row, Column::Percent));
            ASSERT_TRUE(percent.has_value());
            EXPECT_NEAR(*percent, (word - 1512) / 5.12, 0.051);
        }
        // The auxiliary word has no centre: no value, and its place in 0..1023.
        EXPECT_EQ(numberIn(monitor->valueText(6, Column::Word)), frame.auxWord);
        EXPECT_EQ(monitor->valueText(6, Column::Value), QString());
        const auto auxPercent = numberIn(monitor->valueText(6, Column::Percent));
        ASSERT_TRUE(auxPercent.has_value());
        EXPECT_NEAR(*auxPercent, frame.auxWord * 100.0 / 1023.0, 0.051);
    }
    EXPECT_FALSE(monitor->noDataShown());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(MonitorTest, DroppedCount_WithBadChecksumsAndAWordAbove2100_EqualsTheBadFramesSent) {
    txsim::Options options = pelorin::testing::quietOptions();
    options.faults.badChecksumEvery = 3;
    connect(options);
    const LiveValues good = valuesOf({1512, 1512, 1512, 1512, 1512, 1512}, 0);
    for (int i = 0; i < 10; ++i)
        send(good);
    // A frame whose checksum matches but whose CH4 word is out of range.
    LiveValues tooHigh = good;
    tooHigh.channelWords[3] = 2101;
    const auto raw = liveChannelFrame(tooHigh);
    const auto rejected = counters().liveRejected;
    transmitter->sendRaw(raw);
    ASSERT_TRUE(waitFor([&] { return counters().liveRejected == rejected + 1; }, kWaitMs));

    const int injected = badLiveFramesWritten + (checksumMatches(raw) ? 1 : 0);
    ASSERT_GE(injected, 3);  // the fault and the raw frame both reached the line
    EXPECT_EQ(counters().liveRejected, static_cast<std::uint64_t>(injected));
    EXPECT_TRUE(waitFor(
        [&] { return numberIn(monitor->healthLabel(HealthRow::Dropped)->text()) == injected; },
        kWaitMs))
        << monitor->healthLabel(HealthRow::Dropped)->text().toStdString();
}

TEST_F(MonitorTest, NoData_AfterTheTransmitterStops_IsShown) {
    txsim::Options options;
    options.frameRate = 50;
    connect(options);
    ASSERT_TRUE(waitFor([&] { return counters().liveAccepted >= 10; }, kWaitMs));
    QTest::qWait(MonitorWindow::kRefreshMs * 2);
    EXPECT_FALSE(monitor->noDataShown());
    const QString receiving = monitor->healthLabel(HealthRow::State)->text();

    transmitter->stop();
    EXPECT_TRUE(waitFor([&] { return monitor->noDataShown(); }, kWaitMs));
    EXPECT_NE(monitor->healthLabel(HealthRow::State)->text(), receiving);
}

TEST_F(MonitorTest, Recording_AFewFrames_WritesExactlyThoseFramesInOrder) {
    connect();
    const QString path = files.filePath(QStringLiteral("frames.csv"));
    send(valuesOf({1600, 1600, 1600, 1600, 1600, 1600}, 1));  // before: not in the file
    recordTo(path);
    ASSERT_TRUE(monitor->recording());
    std::vector<LiveValues> sent;
    for (std::uint16_t i = 0; i < 25; ++i) {
        sent.push_back(valuesOf({static_cast<std::uint16_t>(1000 + i), 1100, 1200, 1300, 2100,
                                 static_cast<std::uint16_t>(2000 - i)},
                                static_cast<std::uint16_t>(i * 2621)));
        send(sent.back());
    }
    monitor->recordButton()->click();  // stop
    ASSERT_FALSE(monitor->recording());
    send(valuesOf({1400, 1400, 1400, 1400, 1400, 1400}, 2));  // after: not in the file either

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(sent.size()) + 2);  // header, rows, ""
    EXPECT_TRUE(lines.back().isEmpty());
    EXPECT_EQ(lines.front().split(',').size(), 8);
    qlonglong previousMs = -1;
    for (std::size_t i = 0; i < sent.size(); ++i) {
        const QList<QByteArray> fields = lines[static_cast<qsizetype>(i) + 1].split(',');
        ASSERT_EQ(fields.size(), 8) << "row " << i;
        const qlonglong ms = fields[0].toLongLong();
        EXPECT_GE(ms, previousMs);
        previousMs = ms;
        for (std::size_t c = 0; c < 6; ++c)
            EXPECT_EQ(fields[static_cast<qsizetype>(c) + 1].toInt(), sent[i].channelWords[c]);
        EXPECT_EQ(fields[7].toInt(), sent[i].auxWord);
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(MonitorTest, Recording_WhenTheFileStopsGrowing_StopsWithAMessageAndKeepsWholeLines) {
    connect();
    const QString path = files.filePath(QStringLiteral("limited.csv"));
    // Files of this process may not grow past a few lines: a write beyond fails as on a full
    // disk (EFBIG, with its signal ignored).
    constexpr std::uint64_t kLimit = 400;
    std::vector<LiveValues> sent;
    {
        const FileSizeLimit limited(kLimit);
        ASSERT_TRUE(limited.applied());

        recordTo(path);
        ASSERT_TRUE(monitor->recording());
        for (std::uint16_t i = 0; i < 40 && monitor->recording(); ++i) {
            sent.push_back(
                valuesOf({static_cast<std::uint16_t>(1500 + i), 1501, 1502, 1503, 1504, 1505}, i));
            send(sent.back());
        }
    }

    EXPECT_FALSE(monitor->recording());
    ASSERT_TRUE(waitFor([&] { return !messages.messages.isEmpty(); }, kWaitMs));
    EXPECT_TRUE(messages.messages.front().contains(path))
        << messages.messages.front().toStdString();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_LE(content.size(), static_cast<qsizetype>(kLimit));
    EXPECT_TRUE(content.endsWith('\n')) << "a cut line was left at the end";
    const QList<QByteArray> rows = content.trimmed().split('\n').mid(1);
    ASSERT_FALSE(rows.isEmpty());
    ASSERT_LT(rows.size(), static_cast<qsizetype>(sent.size()));  // the last one did not fit
    for (qsizetype i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].split(',')[1].toInt(), sent[static_cast<std::size_t>(i)].channelWords[0]);
}

TEST_F(MonitorTest, Recording_IntoAFolderThatDoesNotExist_SaysWhyAndDoesNotStart) {
    connect();
    const QString path = files.filePath(QStringLiteral("gone/frames.csv"));
    recordTo(path);
    EXPECT_FALSE(monitor->recording());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages.front().contains(path))
        << messages.messages.front().toStdString();
}

TEST_F(MonitorTest, Hidden_FramesStillArriving_TheMonitorNeitherListensNorTicks) {
    connect();
    send(valuesOf({1512, 1512, 1512, 1512, 1512, 1512}, 0));
    ASSERT_TRUE(monitor->watching());
    monitor->close();
    EXPECT_FALSE(monitor->watching());
    EXPECT_FALSE(monitor->ticking());
    const std::size_t samples = monitor->trace()->sampleCount();
    send(valuesOf({1700, 1512, 1512, 1512, 1512, 1512}, 0));
    EXPECT_EQ(monitor->trace()->sampleCount(), samples);

    // Opened again: the same window, listening and counting afresh.
    window->systemCommand(kMonitorCommand);
    EXPECT_EQ(window->findChildren<MonitorWindow*>().size(), 1);
    EXPECT_TRUE(monitor->isVisible());
    EXPECT_TRUE(monitor->watching());
    EXPECT_TRUE(monitor->ticking());
}

// The health arithmetic on a made-up clock.
TEST(LinkHealthTest, RatesAndCounts_OverTheLastSecond_FollowTheTotals) {
    LinkHealth health;
    health.start(0, {100, 7, 2});
    EXPECT_FALSE(health.goodPerSecond());  // no span yet
    for (std::int64_t ms = 50; ms <= 3000; ms += 50)
        health.sample(ms, {static_cast<std::uint64_t>(100 + ms / 20),
                           static_cast<std::uint64_t>(7 + ms / 1000), 2});
    EXPECT_NEAR(*health.goodPerSecond(), 50.0, 0.01);
    EXPECT_NEAR(*health.droppedPerSecond(), 1.0, 0.01);
    const FrameCounts since = health.sinceStart();
    EXPECT_EQ(since.good, 150u);
    EXPECT_EQ(since.dropped, 3u);
    EXPECT_EQ(since.settings, 0u);

    // The line stops: the rate falls to nothing within a second.
    for (std::int64_t ms = 3050; ms <= 4100; ms += 50)
        health.sample(ms, {250, 10, 2});
    EXPECT_EQ(*health.goodPerSecond(), 0.0);
}

TEST(LinkHealthTest, ReceiverCountingAfresh_BelowTheStartTotals_CountsNothingRatherThanWrapping) {
    LinkHealth health;
    health.start(0, {500, 20, 3});
    health.sample(400, {4, 0, 0});
    const FrameCounts since = health.sinceStart();
    EXPECT_EQ(since.good, 0u);
    EXPECT_EQ(since.dropped, 0u);
    EXPECT_EQ(*health.goodPerSecond(), 0.0);
}

TEST(LinkHealthTest, NoData_AroundTheOneSecondMark) {
    struct Case {
        std::optional<std::int64_t> lastGood;  // when the last good frame came, if any
        std::int64_t now;
        bool noData;
    };
    const Case cases[] = {
        {std::nullopt, 999, false},  // just opened: not yet
        {std::nullopt, 1000, true},  // a second with nothing at all
        {500, 1499, false},         {500, 1500, true}, {2000, 2000, false},
    };
    for (const Case& c : cases) {
        LinkHealth health;
        health.start(0, {});
        if (c.lastGood)
            health.goodFrameAt(*c.lastGood);
        EXPECT_EQ(health.noData(c.now), c.noData)
            << "last " << c.lastGood.value_or(-1) << ", now " << c.now;
    }
}

TEST(LinkHealthTest, GoodFramesSeenOnlyInTheTotals_CountAsArrivingAtTheSample) {
    LinkHealth health;
    health.start(0, {10, 0, 0});
    health.sample(50, {10, 0, 0});
    EXPECT_FALSE(health.msSinceLastGood(60));
    health.sample(100, {12, 0, 0});
    EXPECT_EQ(health.msSinceLastGood(160), 60);
    health.goodFrameAt(130);  // told exactly: that time wins over the next sample's
    health.sample(150, {13, 0, 0});
    EXPECT_EQ(health.msSinceLastGood(160), 30);
}

// The trace keeps its lines as tiles and draws only what new samples touch; whatever the
// order of samples, paints, pauses and resizes, the picture must be the one a trace given
// all the samples at once draws.
TEST(ChannelTraceTest, DrawnBitByBit_EqualsDrawnAtOnce_PixelForPixel) {
    struct Frame {
        std::int64_t ms;
        std::array<int, 6> values;
    };
    std::vector<Frame> fed;
    ChannelTrace live;
    live.resize(520, 260);
    auto feed = [&](std::int64_t ms, std::int64_t sentMs) {
        std::array<int, 6> values{};
        double period = 150.0;
        for (int& value : values) {
            value = static_cast<int>(
                std::lround(600.0 * std::sin(static_cast<double>(sentMs) / period)));
            period += 70.0;
        }
        fed.push_back({ms, values});
        live.addSample(ms, values);
    };
    auto expectSameAsFresh = [&](std::int64_t now) {
        ChannelTrace fresh;
        fresh.resize(live.size());
        for (const Frame& frame : fed)
            fresh.addSample(frame.ms, frame.values);
        fresh.setNow(now);
        const QImage expected = fresh.grab().toImage();
        ChannelTrace empty;
        empty.resize(live.size());
        ASSERT_TRUE(fed.empty() || expected != empty.grab().toImage()) << "no lines drawn";
        EXPECT_TRUE(live.grab().toImage() == expected) << "at " << now << " ms";
    };
    // Frames every 20 ms; some wait in the line and arrive together with a later one, and
    // such a bunch may be split by a paint (its last frames come after it, with its time).
    std::int64_t sent = 0;
    std::vector<std::int64_t> held;
    auto run = [&](std::int64_t fromMs, std::int64_t toMs) {
        for (std::int64_t now = fromMs; now <= toMs; now += 100) {
            for (; sent <= now; sent += 20) {
                if (sent % 260 < 80) {
                    held.push_back(sent);
                    continue;
                }
                for (std::size_t i = 0; i < held.size(); ++i) {
                    feed(sent, held[i]);
                    if (i == held.size() / 2 && sent == now) {
                        live.setNow(now);
                        (void)live.grab();
                    }
                }
                held.clear();
                feed(sent, sent);
            }
            live.setNow(now);
            if (now % 1700 == 0 || now == toMs)
                expectSameAsFresh(now);
            else
                (void)live.grab();
        }
    };
    run(1000, 14000);  // more than the ten seconds shown: the oldest scroll out
    live.resize(611, 233);
    run(14100, 16000);
    sent = 19000;  // three seconds of nothing, as when paused
    run(19000, 21000);
    fed.clear();
    live.clear();
    run(21100, 23000);
}

// Ten times a second the monitor tells the trace the time; with nothing new in view that
// must cost no repaint at all.
TEST(ChannelTraceTest, NothingNewInView_IsNotRepainted) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    ChannelTrace trace;
    trace.resize(400, 200);
    trace.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&trace));
    trace.installEventFilter(&counter);
    auto paintsFor = [&](auto&& step) {
        QCoreApplication::processEvents();
        counter.paints = 0;
        step();
        QCoreApplication::processEvents();
        return counter.paints;
    };
    EXPECT_EQ(paintsFor([&] { trace.setNow(1000); }), 0) << "an empty trace moved";
    EXPECT_EQ(paintsFor([&] {
                  trace.addSample(1500, {100, 200, 300, -100, -200, -300});
                  trace.addSample(1600, {110, 190, 300, -100, -200, -300});
                  trace.setNow(2000);
              }),
              1)
        << "new lines";
    EXPECT_EQ(paintsFor([&] { trace.setNow(2000); }), 0) << "the same time again";
    EXPECT_EQ(paintsFor([&] { trace.setNow(30000); }), 1) << "the lines scrolled out";
    EXPECT_EQ(paintsFor([&] { trace.setNow(31000); }), 0) << "nothing left in view moved";
}

}  // namespace
}  // namespace pelorin::test
