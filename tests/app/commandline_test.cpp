// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's command line, read before any window exists, and the start on the
// port it names.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/commandline.h"
#include "tests/app/apptest.h"

namespace pelorin::test {
namespace {

using ::testing::HasSubstr;

// Ports 2 and 5 have devices; every other number has none.
PortTable twoPorts() {
    PortTable table;
    for (std::size_t i = 0; i < table.portDisplayNames.size(); ++i)
        table.portDisplayNames[i] = "COM" + std::to_string(i + 1);
    table.portDeviceNames[1] = "/dev/ttyUSB0";
    table.portDeviceNames[4] = "/dev/ttyACM0";
    return table;
}

struct Case {
    QStringList arguments;  // after the program's name
    int exitCode;           // -1: the window starts
    int portNumber;
    const char* printed;  // a part of the output or error text
};

TEST(StartOptions, EachCommandLine_EndsOrStartsAsItShould) {
    const Case cases[] = {
        {{}, -1, 0, ""},
        {{"--port", "COM5"}, -1, 5, ""},
        {{"-p", "2"}, -1, 2, ""},
        {{"--port=/dev/ttyUSB0"}, -1, 2, ""},
        // The toolkit's own options are left for the application object.
        {{"-platform", "offscreen", "-style", "fusion", "-reverse", "--port", "5"}, -1, 5, ""},
        {{"--help"}, 0, 0, "--port"},
        {{"-h", "--frobnicate"}, 2, 0, "frobnicate"},
        {{"--version"}, 0, 0, PELORIN_VERSION},
        {{"--frobnicate"}, 2, 0, "frobnicate"},
        {{"--port"}, 2, 0, "port"},
        // An empty port is wrong usage, as in pelorin-cli, not a port that does not open.
        {{"--port", ""}, 2, 0, "--port needs a port"},
        {{"--port=  "}, 2, 0, "--port needs a port"},
        {{"-p", ""}, 2, 0, "--port needs a port"},
        {{"settings.bin"}, 2, 0, "settings.bin"},
        {{"--port", "COM3"}, 4, 0, "COM3"},
        {{"--port", "COM23"}, 4, 0, "COM23"},
        {{"--models", "-p", "5"}, -1, 5, ""},
        {{"--models=yes"}, 2, 0, "models"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const StartOptions start = readStartOptions(QStringList{"pelorin"} + c.arguments, twoPorts);
        EXPECT_EQ(start.exitCode, c.exitCode);
        EXPECT_EQ(start.portNumber, c.portNumber);
        // A port given comes with the table it was found in.
        EXPECT_EQ(start.portTable.has_value(), c.portNumber != 0);
        EXPECT_THAT((start.output + start.error).toStdString(), HasSubstr(c.printed));
        // Help and the version are answers (standard output), the rest complaints.
        EXPECT_EQ(start.output.isEmpty(), c.exitCode != 0);
        EXPECT_EQ(start.openModels, c.exitCode < 0 && c.arguments.contains("--models"));
    }
}

// Discovery opens the system's port list and the virtual-port folder: a start without --port
// must not pay for it twice.
TEST(StartOptions, WithoutPort_DoesNotDiscoverPorts) {
    int discoveries = 0;
    const StartOptions start = readStartOptions({"pelorin"}, [&] {
        ++discoveries;
        return twoPorts();
    });
    EXPECT_TRUE(start.startsWindow());
    EXPECT_EQ(discoveries, 0);
}

TEST_F(MainWindowTest, StartPort_IsOpenedWithoutProbingAndAskedForItsSettings) {
    fake->makeOpenable(7);
    window->setStartPort(7);
    runWindow([&](MainDialog&) {
        EXPECT_EQ(fake->deviceOpens, std::vector<std::string>{"/dev/fake7"});
        EXPECT_EQ(window->session().commPort(), 7);
        EXPECT_TRUE(fake->isOpen());
        const ReadRequest ask = readRequest();
        const std::vector<std::vector<std::uint8_t>> asked{{ask.begin(), ask.end()}};
        EXPECT_EQ(fake->writes(), asked);
    });
    EXPECT_TRUE(messages.messages.isEmpty());
}

}  // namespace
}  // namespace pelorin::test
