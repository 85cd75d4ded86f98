// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Port discovery: the virtual-port folder and the order of the ports it finds there.

#include <QDir>
#include <QFile>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/portdiscovery.h"
#include "tests/support/serialtesting.h"

namespace pelorin {
namespace {

using ::testing::HasSubstr;
using namespace pelorin::testing;

class PortDiscoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtimeDir.isValid());
        ASSERT_TRUE(QDir().mkpath(runtimeDir.portFolder()));
    }
    void addLink(const QString& name, const QString& target) {
        ASSERT_TRUE(QFile::link(target, runtimeDir.portFolder() + u'/' + name));
    }
    PrivateRuntimeDir runtimeDir;
};

TEST_F(PortDiscoveryTest, Folder_LiesInTheRuntimeDir) {
    EXPECT_EQ(virtualPortFolder(), runtimeDir.path() + QStringLiteral("/pelorin/ports"));
}

TEST_F(PortDiscoveryTest, VirtualPorts_LinksOnlySortedByNameDeadOnesIncluded) {
    addLink(QStringLiteral("txsim-b"), QStringLiteral("/dev/null"));
    addLink(QStringLiteral("txsim-a"), QStringLiteral("/dev/zero"));
    addLink(QStringLiteral("txsim-c"), runtimeDir.path() + QStringLiteral("/gone"));
    QFile plain(runtimeDir.portFolder() + QStringLiteral("/notes.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();

    const std::vector<SerialDevice> ports = discoverVirtualPorts();

    ASSERT_EQ(ports.size(), 3u);
    const std::string folder = runtimeDir.portFolder().toStdString();
    EXPECT_EQ(ports[0].path, folder + "/txsim-a");
    EXPECT_EQ(ports[1].path, folder + "/txsim-b");
    EXPECT_EQ(ports[2].path, folder + "/txsim-c");
    EXPECT_THAT(ports[0].description, HasSubstr("/dev/zero"));
    EXPECT_THAT(ports[2].description, HasSubstr("gone"));
}

TEST_F(PortDiscoveryTest, PortTable_VirtualTransmittersComeBeforeSystemPorts) {
    addLink(QStringLiteral("txsim-1"), QStringLiteral("/dev/null"));

    const PortTable table = discoverPortTable();

    EXPECT_EQ(table.portDeviceNames[0], runtimeDir.portFolder().toStdString() + "/txsim-1");
    EXPECT_EQ(table.portDisplayNames[0], "COM1");
    EXPECT_FALSE(table.descriptions[0].empty());
}

}  // namespace
}  // namespace pelorin
