// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 serial control against a running virtual transmitter on PELORIN_TEST_COM
// (serial_with_txsim.sh maps it): what the window and pelorin-cli do with a port, at the level
// of the control.
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "link/frames.h"
#include "link/rxparser.h"
#include "platform/portdiscovery.h"
#include "platform/serialport.h"
#include "platform/windows/porttable.h"

namespace pelorin {
namespace {

using ::testing::HasSubstr;

PortName comPort(const char* variable) {
    const std::string name = qEnvironmentVariable(variable).toStdString();
    return {"\\\\.\\" + name, name};
}

// The control with a parser behind it, as the session has.
struct Line {
    std::unique_ptr<SerialControl> serial = makeSerialControl();
    RxParser parser;
    int liveFrames = 0;
    int settingsFrames = 0;
    std::vector<std::string> errors;
    BlockBytes lastBlock{};

    Line() {
        serial->setReceiveHandler([this](std::span<const std::uint8_t> bytes) {
            parser.feed(bytes, [this](RxParser::Result result) {
                if (result == RxParser::Result::LiveFrame)
                    ++liveFrames;
                if (result == RxParser::Result::SettingsFrame) {
                    ++settingsFrames;
                    std::copy(parser.settingsBlock().begin(), parser.settingsBlock().end(),
                              lastBlock.begin());
                }
            });
        });
        serial->setErrorHandler([this](const std::string& text) { errors.push_back(text); });
    }
    void readSettings() {
        const int before = settingsFrames;
        const ReadRequest request = readRequest();
        ASSERT_TRUE(serial->write(request).ok());
        ASSERT_TRUE(QTest::qWaitFor([&] { return settingsFrames > before; }, 5000));
    }
};

class Win32SerialControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("PELORIN_TEST_COM"))
            GTEST_SKIP() << "run by serial_with_txsim.sh, which starts the transmitter";
    }
    const PortName port = comPort("PELORIN_TEST_COM");
};

TEST_F(Win32SerialControlTest, Open_ReadRequest_IsAnsweredAndLiveFramesFlow) {
    // The port table finds the port by its number.
    EXPECT_EQ(
        portName(discoverPortTable(), windows::comPortNumber(QString::fromStdString(port.display))),
        port);
    Line line;
    ASSERT_TRUE(line.serial->probe(port));
    const SerialStatus opened = line.serial->open(port, kLineSettings);
    ASSERT_TRUE(opened.ok()) << opened.error();
    EXPECT_TRUE(line.serial->isOpen());
    line.readSettings();
    EXPECT_TRUE(QTest::qWaitFor([&] { return line.liveFrames >= 20; }, 5000))
        << line.liveFrames << " live frames";
    EXPECT_TRUE(line.errors.empty()) << line.errors.front();
}

// The transmitter takes a WriteFrame without answering; a ReadRequest after it shows the
// block it now holds, so every byte of the frame arrived.
TEST_F(Win32SerialControlTest, WriteFrame_ThenReadRequest_GivesTheWrittenBlockBack) {
    Line line;
    ASSERT_TRUE(line.serial->open(port, kLineSettings).ok());
    line.readSettings();
    BlockBytes block = line.lastBlock;
    block[0] = static_cast<std::uint8_t>(block[0] ^ 0x01);
    block[40] = static_cast<std::uint8_t>(block[40] + 7);
    const WriteFrame frame = writeFrame(block);
    ASSERT_TRUE(line.serial->write(frame).ok());
    line.readSettings();
    EXPECT_TRUE(
        std::equal(block.begin(), block.begin() + kSettingsBlockSize, line.lastBlock.begin()));
}

TEST_F(Win32SerialControlTest, Close_ReleasesThePort_ForTheNextOpen) {
    // (That a second opener is refused while the port is open is Windows's doing; Wine lets a
    // second handle open a COM port, so it is not checked here.)
    Line first;
    ASSERT_TRUE(first.serial->open(port, kLineSettings).ok());
    first.serial->close();
    EXPECT_FALSE(first.serial->isOpen());
    EXPECT_FALSE(first.serial->write(readRequest()).ok());
    Line second;
    const SerialStatus again = second.serial->open(port, kLineSettings);
    ASSERT_TRUE(again.ok()) << again.error();
    second.readSettings();
}

TEST_F(Win32SerialControlTest, CloseAllSerialPorts_ClosesEveryOpenControl) {
    Line line;
    ASSERT_TRUE(line.serial->open(port, kLineSettings).ok());
    closeAllSerialPorts();
    EXPECT_FALSE(line.serial->isOpen());
    EXPECT_TRUE(line.serial->probe(port));
}

TEST_F(Win32SerialControlTest, MissingCom_ProbeAndOpen_FailWithTheDriverAdvice) {
    const PortName missing = comPort("PELORIN_TEST_MISSING_COM");
    Line line;
    EXPECT_FALSE(line.serial->probe(missing));
    const QString problem = probeProblem(missing);
    EXPECT_THAT(problem.toStdString(), HasSubstr(missing.display + " ("));
    EXPECT_THAT(problem.toStdString(), HasSubstr("CH340"));
    const SerialStatus opened = line.serial->open(missing, kLineSettings);
    EXPECT_FALSE(opened.ok());
    EXPECT_EQ(opened.error(), problem.toStdString());
    EXPECT_FALSE(line.serial->isOpen());
}

}  // namespace
}  // namespace pelorin
