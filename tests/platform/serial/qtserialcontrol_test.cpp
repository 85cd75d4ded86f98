// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// QtSerialControl without a transmitter: line settings, texts, and the operations that must
// fail with a reason.

#include <QFile>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/portdiscovery.h"
#include "platform/qtserialcontrol.h"
#include "tests/platform/serial/serialtesting.h"
#include "tests/support/unprivileged.h"

namespace pelorin {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using namespace pelorin::testing;

struct SettingsCase {
    const char* text;
    std::optional<LineSettings> expected;
};

TEST(LineSettingsTest, SettingsString_ParsedOrRefused) {
    const SettingsCase cases[] = {
        {"115200,n,8,1",
         LineSettings{115200, QSerialPort::NoParity, QSerialPort::Data8, QSerialPort::OneStop}},
        {"9600,E,7,2",
         LineSettings{9600, QSerialPort::EvenParity, QSerialPort::Data7, QSerialPort::TwoStop}},
        {"300,o,5,1.5", LineSettings{300, QSerialPort::OddParity, QSerialPort::Data5,
                                     QSerialPort::OneAndHalfStop}},
        {" 19200 , m , 6 , 1 ",
         LineSettings{19200, QSerialPort::MarkParity, QSerialPort::Data6, QSerialPort::OneStop}},
        {"", std::nullopt},
        {"115200", std::nullopt},
        {"115200,n,8", std::nullopt},
        {"115200,n,8,1,1", std::nullopt},
        {"fast,n,8,1", std::nullopt},
        {"0,n,8,1", std::nullopt},
        {"-9600,n,8,1", std::nullopt},
        {"115200,x,8,1", std::nullopt},
        {"115200,no,8,1", std::nullopt},
        {"115200,n,9,1", std::nullopt},
        {"115200,n,4,1", std::nullopt},
        {"115200,n,8,3", std::nullopt},
        {"115200,n,8,", std::nullopt},
    };
    for (const SettingsCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseLineSettings(c.text), c.expected);
    }
}

struct HintCase {
    OpenFailure failure;
    std::vector<const char*> mentions;
};

TEST(OpenErrorTextTest, EachFailure_NamesPortDeviceReasonAndHint) {
    const HintCase cases[] = {
        {OpenFailure::PermissionDenied,
         {"dialout", "sudo usermod -aG dialout $USER", "log in again"}},
        {OpenFailure::Busy, {"in use", "ModemManager"}},
        {OpenFailure::NotFound, {"does not exist"}},
        {OpenFailure::Other, {}},
    };
    for (const HintCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.failure));
        const std::string text =
            openErrorText("COM3", "/dev/ttyUSB0", "/dev/ttyUSB0", c.failure, "Reason X")
                .toStdString();
        EXPECT_THAT(text, AllOf(HasSubstr("COM3 (/dev/ttyUSB0)"), HasSubstr("Reason X")));
        for (const char* mention : c.mentions)
            EXPECT_THAT(text, HasSubstr(mention));
    }
}

TEST(OpenErrorTextTest, DeviceThroughLink_ShowsWhereTheLinkLeads) {
    const std::string text = openErrorText("COM1", "/run/user/1000/pelorin/ports/txsim",
                                           "/dev/pts/4", OpenFailure::Busy, "r")
                                 .toStdString();
    EXPECT_THAT(text, HasSubstr("COM1 (/run/user/1000/pelorin/ports/txsim \u2192 /dev/pts/4)"));
}

TEST(OpenErrorTextTest, NumberWithoutDevice_SaysSoAndHowToGetOne) {
    const std::string text =
        openErrorText("COM21", {}, {}, OpenFailure::NoDevice, {}).toStdString();
    EXPECT_THAT(text, AllOf(HasSubstr("COM21"), HasSubstr("no serial port"), HasSubstr("Setting")));
}

class QtSerialControlTest : public ::testing::Test {
protected:
    PrivateRuntimeDir runtimeDir;
    QtSerialControl serial{[] { return buildPortTable(discoverVirtualPorts(), {}); }};
};

// A table the caller found itself (the command line's --port) numbers the ports without a
// second search, until the next probe round looks again.
TEST(QtSerialControlTableTest, GivenTable_NumbersThePortsUntilTheNextRefresh) {
    int discoveries = 0;
    QtSerialControl serial([&discoveries] {
        ++discoveries;
        return buildPortTable({}, {{"/dev/ttyACM3", ""}});
    });
    serial.usePortTable(buildPortTable({}, {{"/dev/ttyUSB7", ""}}));
    ASSERT_TRUE(serial.setCommPort(1).ok());
    EXPECT_EQ(serial.deviceName(), QStringLiteral("/dev/ttyUSB7"));
    EXPECT_EQ(discoveries, 0);

    serial.refreshPortTable();
    ASSERT_TRUE(serial.setCommPort(1).ok());
    EXPECT_EQ(serial.deviceName(), QStringLiteral("/dev/ttyACM3"));
}

TEST_F(QtSerialControlTest, Configuration_OutOfRangeValues_AreRefused) {
    EXPECT_FALSE(serial.setCommPort(0).ok());
    EXPECT_FALSE(serial.setCommPort(kPortCount + 1).ok());
    EXPECT_TRUE(serial.setCommPort(kPortCount).ok());
    EXPECT_FALSE(serial.setInBufferSize(0).ok());
    EXPECT_FALSE(serial.setOutBufferSize(-1).ok());
    EXPECT_FALSE(serial.setRThreshold(-1).ok());
    EXPECT_FALSE(serial.setInputLen(-1).ok());

    const SerialStatus settings = serial.setSettings("115200,n,8");
    EXPECT_FALSE(settings.ok());
    EXPECT_THAT(settings.error(), AllOf(HasSubstr("\"115200,n,8\""), HasSubstr("115200,n,8,1")));
}

TEST_F(QtSerialControlTest, Write_WhilePortClosed_FailsNamingThePort) {
    ASSERT_TRUE(serial.setCommPort(4).ok());
    const std::array<std::uint8_t, 2> request = readRequest();

    const SerialStatus status = serial.writeOutput(request);

    EXPECT_FALSE(status.ok());
    EXPECT_THAT(status.error(), AllOf(HasSubstr("COM4"), HasSubstr("not open")));
}

TEST_F(QtSerialControlTest, LinkToVanishedDevice_DoesNotProbeAndFailsToOpenWithReason) {
    ASSERT_TRUE(QDir().mkpath(runtimeDir.portFolder()));
    const QString link = runtimeDir.portFolder() + QStringLiteral("/dead");
    ASSERT_TRUE(QFile::link(runtimeDir.path() + QStringLiteral("/no-such-tty"), link));
    serial.refreshPortTable();

    EXPECT_FALSE(serial.probe(link.toStdString()));
    ASSERT_TRUE(serial.setCommPort(1).ok());
    const SerialStatus status = serial.setPortOpen(true);
    EXPECT_FALSE(status.ok());
    EXPECT_THAT(status.error(),
                AllOf(HasSubstr("COM1"), HasSubstr(link.toStdString()), HasSubstr("gone")));
}

TEST_F(QtSerialControlTest, OpenPort_RefusesSecondOpenAndNewNumber) {
    auto transmitter = startTransmitter("a", quietOptions());
    serial.refreshPortTable();
    ASSERT_TRUE(serial.setCommPort(1).ok());
    ASSERT_TRUE(serial.setPortOpen(true).ok());

    EXPECT_THAT(serial.setPortOpen(true).error(), HasSubstr("already open"));
    EXPECT_FALSE(serial.setCommPort(2).ok());
    EXPECT_EQ(serial.commPort(), 1);

    EXPECT_TRUE(serial.setPortOpen(false).ok());
    EXPECT_FALSE(serial.portOpen());
    EXPECT_TRUE(serial.setPortOpen(false).ok());  // closing a closed port is no error
}

// A user is refused a terminal that another program made exclusive, by the kernel; the control
// opens it only once to find that out and names the reason. (Root is refused by the control
// itself; the end-to-end tests hold ports against root.)
TEST(ExclusiveTerminalTest, AsUser_NeitherProbedNorOpenedAndTheReasonNamed) {
    constexpr const char* kSlaveVariable = "PELORIN_EXCLUSIVE_TTY";
    int master = -1;
    int holder = -1;
    std::string slave;
    if (!test::isUnprivilegedRun()) {
        ASSERT_EQ(::openpty(&master, &holder, nullptr, nullptr, nullptr), 0);
        slave = ::ttyname(holder);
        const test::UnprivilegedUser user = test::unprivilegedUser();
        ASSERT_EQ(::chown(slave.c_str(), user.uid, user.gid), 0);
        ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);
    }
    const bool parent = test::runAsUnprivileged(
        [&] {
            const std::string device = std::getenv(kSlaveVariable);
            QtSerialControl serial([] { return buildPortTable({}, {}); });
            EXPECT_FALSE(serial.probe(device));
            const QString problem =
                probeProblem(QStringLiteral("COM1"), QString::fromStdString(device));
            EXPECT_THAT(problem.toStdString(),
                        AllOf(HasSubstr(device), HasSubstr("exclusively by another program")));
        },
        {std::string(kSlaveVariable) + "=" + slave});
    if (parent) {
        ::close(holder);
        ::close(master);
    }
}

}  // namespace
}  // namespace pelorin
