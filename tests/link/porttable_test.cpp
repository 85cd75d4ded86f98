// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/porttable.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

TEST(NaturalLess, DigitRuns_CompareAsNumbers) {
    const struct {
        std::string a, b;
        bool less;
    } cases[] = {
        {"ttyUSB2", "ttyUSB10", true},
        {"ttyUSB10", "ttyUSB2", false},
        {"ttyUSB2", "ttyUSB2", false},
        {"ttyS9", "ttyS10", true},
        {"tx", "tx1", true},
        {"tx1a", "tx1b", true},
        {"ttyACM0", "ttyUSB0", true},
        {"a99b", "a100a", true},
        {"tty007", "tty10", true},
        {"tty10", "tty007", false},
        {"tty9", "tty0010", true},
        {"tty", "tty0", true},
        // Other bytes compare unsigned: UTF-8 names after ASCII ones.
        {"z", "\xc3\xa4", true},
        {"\xc3\xa4", "z", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(naturalLess(c.a, c.b), c.less) << c.a << " < " << c.b;
    }
}

TEST(NaturalLess, SameNumberWithLeadingZeros_StillOrdersStrictly) {
    EXPECT_NE(naturalLess("tty01", "tty1"), naturalLess("tty1", "tty01"));
}

TEST(BuildPortTable, Devices_AreNumberedVirtualThenByRankThenNaturally) {
    const std::vector<SerialDevice> virtualPorts = {
        {"/run/user/1000/pelorin/ports/tx10", "virtual"},
        {"/run/user/1000/pelorin/ports/tx2", "virtual"}};
    const std::vector<SerialDevice> systemPorts = {{"/dev/ttyS0", "built-in", 2},
                                                   {"/dev/ttyACM0", "CDC", 1},
                                                   {"/dev/ttyUSB10", "FTDI", 0},
                                                   {"/dev/ttyUSB2", "CP2102", 0},
                                                   {"/dev/ttyUSB2", "CP2102", 0}};
    const PortTable table = buildPortTable(virtualPorts, systemPorts);

    const std::vector<std::string> expected = {"/run/user/1000/pelorin/ports/tx2",
                                               "/run/user/1000/pelorin/ports/tx10",
                                               "/dev/ttyUSB2",
                                               "/dev/ttyUSB10",
                                               "/dev/ttyACM0",
                                               "/dev/ttyS0"};
    for (std::size_t i = 0; i < table.portDeviceNames.size(); ++i) {
        EXPECT_EQ(table.portDisplayNames[i], "COM" + std::to_string(i + 1));
        EXPECT_EQ(table.portDeviceNames[i], i < expected.size() ? expected[i] : "") << i;
    }
    EXPECT_EQ(table.descriptions[2], "CP2102");
}

TEST(BuildPortTable, MoreThan22Devices_OnlyTheFirst22GetNumbers) {
    std::vector<SerialDevice> systemPorts;
    for (int i = 0; i < 30; ++i)
        systemPorts.push_back({"/dev/ttyUSB" + std::to_string(i), ""});
    const PortTable table = buildPortTable({}, systemPorts);
    EXPECT_EQ(table.portDeviceNames[0], "/dev/ttyUSB0");
    EXPECT_EQ(table.portDeviceNames[21], "/dev/ttyUSB21");
}

}  // namespace
}  // namespace pelorin
