// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Resolving --port texts: numbers, paths, links and names against one port table.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "connection/portargument.h"

namespace pelorin {
namespace {

using ::testing::HasSubstr;

// COM1 a virtual transmitter, COM2 one whose terminal is gone, COM3 a USB adapter; plain files
// stand in for the devices. Beside them: a by-id link to the adapter and a file no port has.
class PortSpecTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* folder : {"ports", "dev", "by-id"})
            ASSERT_TRUE(QDir(dir.path()).mkpath(QString::fromLatin1(folder)));
        touch(path("dev/pts-7"));
        touch(path("dev/ttyUSB0"));
        touch(path("dev/other"));
        ASSERT_TRUE(QFile::link(path("dev/pts-7"), path("ports/txsim-a")));
        ASSERT_TRUE(QFile::link(path("dev/pts-9"), path("ports/txsim-gone")));
        ASSERT_TRUE(QFile::link(path("dev/ttyUSB0"), path("by-id/usb-adapter")));
        ASSERT_TRUE(QFile::link(path("dev/missing"), path("by-id/dangling")));
        table = buildPortTable({{path("ports/txsim-a").toStdString(), {}},
                                {path("ports/txsim-gone").toStdString(), {}}},
                               {{path("dev/ttyUSB0").toStdString(), {}}});
    }
    QString path(const char* relative) const {
        return dir.path() + u'/' + QString::fromLatin1(relative);
    }
    static void touch(const QString& file) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir;
    PortTable table;
};

TEST_F(PortSpecTest, Resolvable_GiveTheirPortNumber) {
    const struct {
        QString spec;
        int port;
    } cases[] = {
        {QStringLiteral("1"), 1},
        {QStringLiteral("COM3"), 3},
        {QStringLiteral("com2"), 2},  // a dead port is still a port; opening it says why
        {QStringLiteral(" COM03 "), 3},
        {path("ports/txsim-a"), 1},
        {QStringLiteral("txsim-a"), 1},
        {QStringLiteral("txsim-gone"), 2},
        {path("ports/txsim-gone"), 2},
        {path("dev/pts-7"), 1},  // the terminal a virtual link leads to
        {path("by-id/usb-adapter"), 3},
        {path("dev/../dev/ttyUSB0"), 3},
        {QStringLiteral("ttyUSB0"), 3},
    };
    for (const auto& c : cases) {
        const PortChoice choice = resolvePortSpec(c.spec, table);
        EXPECT_TRUE(choice.ok()) << c.spec.toStdString() << ": " << choice.error.toStdString();
        EXPECT_EQ(choice.portNumber, c.port) << c.spec.toStdString();
    }
}

TEST_F(PortSpecTest, Unresolvable_NameWhatWasWrong) {
    const struct {
        QString spec;
        QString named;  // what the message must name
    } cases[] = {
        {QStringLiteral("COM4"), QStringLiteral("COM4")},  // a number without a device
        {QStringLiteral("22"), QStringLiteral("COM22")},
        {QStringLiteral("0"), QStringLiteral("COM0")},
        {QStringLiteral("COM23"), QStringLiteral("COM23")},
        {QStringLiteral("COM-1"), QStringLiteral("COM-1")},
        {QStringLiteral("txsim-b"), QStringLiteral("txsim-b")},
        {path("dev/nothing"), path("dev/nothing")},
        {path("by-id/dangling"), path("dev/missing")},
        {path("dev/other"), path("dev/other")},  // exists, but is no port of the table
        {QStringLiteral("   "), QStringLiteral("COM1")},
    };
    for (const auto& c : cases) {
        const PortChoice choice = resolvePortSpec(c.spec, table);
        EXPECT_FALSE(choice.ok()) << c.spec.toStdString();
        EXPECT_THAT(choice.error.toStdString(), HasSubstr(c.named.toStdString()))
            << c.spec.toStdString();
    }
}

TEST(PortSpec, NumberWithoutAnyPort_IsRefused) {
    const PortChoice choice = resolvePortSpec(QStringLiteral("COM1"), buildPortTable({}, {}));
    EXPECT_FALSE(choice.ok());
    EXPECT_THAT(choice.error.toStdString(), HasSubstr("COM1"));
}

}  // namespace
}  // namespace pelorin
