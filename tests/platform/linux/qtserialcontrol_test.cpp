// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// QtSerialControl: its texts, and the operations that must fail with a reason.

#include <QFile>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/linux/qtserialcontrol.h"
#include "platform/portadvice.h"
#include "platform/portdiscovery.h"
#include "tests/support/serialtesting.h"
#include "tests/support/unprivileged.h"

namespace pelorin {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using namespace pelorin::testing;

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
    QtSerialControl serial;

    // COM1 as the virtual transmitters number it now.
    PortName firstVirtualPort() const {
        return portName(buildPortTable(discoverVirtualPorts(), {}), 1);
    }
};

TEST_F(QtSerialControlTest, Write_WhilePortClosed_FailsNamingThePort) {
    const std::array<std::uint8_t, 2> request = readRequest();
    (void)serial.open({"", "COM4"}, kLineSettings);

    const SerialStatus status = serial.write(request);

    EXPECT_FALSE(status.ok());
    EXPECT_THAT(status.error(), AllOf(HasSubstr("COM4"), HasSubstr("not open")));
}

TEST_F(QtSerialControlTest, LinkToVanishedDevice_DoesNotProbeAndFailsToOpenWithReason) {
    ASSERT_TRUE(QDir().mkpath(runtimeDir.portFolder()));
    const QString link = runtimeDir.portFolder() + QStringLiteral("/dead");
    ASSERT_TRUE(QFile::link(runtimeDir.path() + QStringLiteral("/no-such-tty"), link));
    const PortName port = firstVirtualPort();
    ASSERT_EQ(port.device, link.toStdString());

    EXPECT_FALSE(serial.probe(port));
    const SerialStatus status = serial.open(port, kLineSettings);
    EXPECT_FALSE(status.ok());
    EXPECT_THAT(status.error(),
                AllOf(HasSubstr("COM1"), HasSubstr(link.toStdString()), HasSubstr("gone")));
}

TEST_F(QtSerialControlTest, Open_RefusesASecondOpenAndClosesTwiceWithoutHarm) {
    auto transmitter = startTransmitter("a", quietOptions());
    const PortName port = firstVirtualPort();
    ASSERT_TRUE(serial.open(port, kLineSettings).ok());

    EXPECT_THAT(serial.open(port, kLineSettings).error(), HasSubstr("already open"));
    EXPECT_TRUE(serial.isOpen());

    serial.close();
    EXPECT_FALSE(serial.isOpen());
    serial.close();  // closing a closed port is no error
    EXPECT_FALSE(serial.isOpen());
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
            QtSerialControl serial;
            EXPECT_FALSE(serial.probe({device, "COM1"}));
            const QString problem = probeProblem({device, "COM1"});
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
