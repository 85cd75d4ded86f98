// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window reopening its line by itself, against pelorin-txsim processes that are killed,
// started again under the same name, and started after the window.

#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/channeldisplay.h"
#include "app/maindialog.h"
#include "editors/channeleditors.h"
#include "platform/portdiscovery.h"
#include "platform/serialport.h"
#include "tests/support/forkedprocess.h"
#include "tests/support/modal.h"
#include "tests/support/serialtesting.h"
#include "tests/support/specialfiles.h"

namespace pelorin::test {
namespace {

constexpr int kWaitMs = 10000;  // generous: under the sanitizers, with other tests beside it
constexpr int kEndPointCh1Right = 1015;  // the End Point dialog's field for CH1's right end

class ReconnectTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(runtime.isValid()); }
    void TearDown() override {
        for (const auto& process : txsims) {
            process->kill();
            process->waitForFinished(kWaitMs);
        }
    }

    // pelorin-txsim registered as `name`, once its link leads to its terminal.
    QProcess& startTxsim(const QString& name) {
        QProcess& process = *txsims.emplace_back(std::make_unique<QProcess>());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(PELORIN_TXSIM_PATH), {QStringLiteral("--name"), name});
        EXPECT_TRUE(process.waitForStarted(kWaitMs));
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(link(name)); }, kWaitMs));
        return process;
    }
    QString link(const QString& name) const { return runtime.portFolder() + u'/' + name; }

    // Runs the window over the real serial control, on the virtual transmitters only (the
    // machine's own ports are not the test's).
    void run(const std::function<void(MainDialog&)>& body) {
        MainDialog window(makeSerialControl(),
                          [] { return buildPortTable(discoverVirtualPorts(), {}); });
        whenModalOpens<MainDialog>(
            [&](MainDialog* w) {
                body(*w);
                w->reject();
            },
            kWaitMs);
        window.run();
    }

    // Live frames arrive and the display shows them, not the line-down text.
    static bool barsMove(MainDialog& w) {
        const auto before = w.session().counters().liveAccepted;
        return QTest::qWaitFor(
            [&] {
                return w.session().counters().liveAccepted > before + 2 &&
                       w.channelDisplay()->lineDownText().isEmpty();
            },
            kWaitMs);
    }

    testing::PrivateRuntimeDir runtime;
    MessageRecorder messages;
    std::vector<std::unique_ptr<QProcess>> txsims;
};

// kill -9 of the transmitter, then a new one under the same name: the window opens it, asks for
// its settings and the bars move again; an editor open all the while writes to the new line.
TEST_F(ReconnectTest, TransmitterKilledAndStartedAgain_IsReopenedWithAndWithoutAnEditor) {
    for (const bool editorOpen : {false, true}) {
        SCOPED_TRACE(editorOpen ? "with an editor open" : "with no editor");
        QProcess& first = startTxsim(QStringLiteral("tx"));
        run([&](MainDialog& w) {
            ASSERT_TRUE(barsMove(w));
            first.kill();
            ASSERT_TRUE(first.waitForFinished(kWaitMs));
            ASSERT_TRUE(QTest::qWaitFor([&] { return !w.session().portOpen(); }, kWaitMs));
            EXPECT_TRUE(w.channelDisplay()->lineDownText().contains(QStringLiteral("tx")))
                << w.channelDisplay()->lineDownText().toStdString();
            const auto settingsBefore = w.session().counters().settingsAccepted;
            QProcess* second = nullptr;
            const auto comeBack = [&] {
                second = &startTxsim(QStringLiteral("tx"));
                ASSERT_TRUE(barsMove(w));
                EXPECT_GT(w.session().counters().settingsAccepted, settingsBefore);
            };
            if (!editorOpen) {
                comeBack();
                return;
            }
            whenModalOpens<EndPointDialog>([&](EndPointDialog* d) {
                comeBack();
                setFieldText(d, kEndPointCh1Right, QStringLiteral("111"));
                static_cast<QDialog*>(d)->accept();
            });
            w.control<QPushButton>(mainid::kEndPoint)->click();
            ASSERT_NE(second, nullptr);
            QByteArray log;
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    log += second->readAll();
                    return log.contains("new block for USER1, changed");
                },
                kWaitMs))
                << log.toStdString();
        });
        TearDown();
        txsims.clear();
    }
}

// A transmitter killed leaves its link; the next one started gets the same terminal number, so
// the old link leads to it. That is not the first transmitter back: nothing is opened until a
// transmitter registers the name anew.
TEST_F(ReconnectTest, StaleLinkOfAKilledTransmitter_IsNotOpenedOntoTheNextOnesTerminal) {
    QProcess& first = startTxsim(QStringLiteral("r"));
    run([&](MainDialog& w) {
        ASSERT_TRUE(barsMove(w));
        first.kill();
        ASSERT_TRUE(first.waitForFinished(kWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w.session().portOpen(); }, kWaitMs));
        ASSERT_TRUE(QFileInfo(link(QStringLiteral("r"))).isSymLink());
        QProcess& other = startTxsim(QStringLiteral("s"));
        if (QFileInfo(link(QStringLiteral("r"))).canonicalFilePath() !=
            QFileInfo(link(QStringLiteral("s"))).canonicalFilePath())
            GTEST_SKIP() << "the second transmitter got another terminal number";
        QTest::qWait(1500);  // the device watch has long looked
        EXPECT_FALSE(w.session().portOpen()) << "the stale link was opened";
        other.kill();
        ASSERT_TRUE(other.waitForFinished(kWaitMs));
        // Registered anew under the name: that is the transmitter back.
        startTxsim(QStringLiteral("r"));
        EXPECT_TRUE(barsMove(w));
    });
}

// Nothing opened at start-up: the device that was there (held by another program, which is
// then killed) is left alone; a transmitter started afterwards is found and opened.
TEST_F(ReconnectTest, NothingOpenAtStartUp_TakesANewTransmitterNotOneThatWasThere) {
    startTxsim(QStringLiteral("held"));
    const QString held = QFileInfo(link(QStringLiteral("held"))).canonicalFilePath();
    // The other program: a copy of this one that holds the device exclusively until killed.
    const std::string device = held.toLocal8Bit().toStdString();
    ForkedProcess holder([&device](const std::function<void()>& underWay) {
        if (!holdTerminalExclusively(device.c_str()))
            return 1;
        underWay();
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(1));
    });
    ASSERT_GT(holder.processId(), 0);
    ASSERT_TRUE(holder.waitUntilUnderWay());

    run([&](MainDialog& w) {
        ASSERT_FALSE(w.session().portOpen());
        // The holder's end moves the held line to a fresh terminal: a change the watch hears.
        holder.kill();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return QFileInfo(link(QStringLiteral("held"))).canonicalFilePath() != held; },
            kWaitMs));
        QTest::qWait(1000);
        EXPECT_FALSE(w.session().portOpen());

        startTxsim(QStringLiteral("new"));
        ASSERT_TRUE(barsMove(w));
        EXPECT_EQ(QString::fromLocal8Bit(w.session().portDevice()), link(QStringLiteral("new")));
    });
}

}  // namespace
}  // namespace pelorin::test
