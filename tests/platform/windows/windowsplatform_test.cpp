// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows platform files, run under Wine or Windows.
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// dbt.h needs windows.h first.
#include <windows.h>

#include <dbt.h>

#include "connection/portargument.h"
#include "platform/devicewatch.h"
#include "platform/portadvice.h"
#include "platform/portdiscovery.h"
#include "platform/savefile.h"
#include "platform/serialport.h"
#include "platform/terminal.h"
#include "platform/windows/porttable.h"

namespace pelorin {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(ComPortNames, NumberOfAName_TakesComNamesWithOrWithoutTheDevicePrefix) {
    const struct {
        const char* name;
        int number;
    } cases[] = {
        {"COM1", 1},  {"com12", 12},  {"\\\\.\\COM10", 10}, {"\\\\.\\com3", 3},
        {"COM0", 0},  {"COM", 0},     {"COM3x", 0},         {"LPT1", 0},
        {" COM3", 0}, {"COM1000", 0}, {"\\\\?\\COM3", 0},   {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windows::comPortNumber(QString::fromLatin1(c.name)), c.number) << c.name;
}

TEST(WindowsPortTable, EveryNumber_OpensTheComPortOfThatNumber) {
    const PortTable table = discoverPortTable();
    for (int number : {1, 9, 10, 20, 21, kPortCount}) {
        const PortName name = portName(table, number);
        EXPECT_EQ(name.display, "COM" + std::to_string(number));
        EXPECT_EQ(name.device, "\\\\.\\COM" + std::to_string(number));
    }
    // --port takes the number, the COM name and the device name alike.
    for (const char* spec : {"12", "COM12", "com12"}) {
        const PortChoice choice = resolvePortSpec(QString::fromLatin1(spec), table);
        EXPECT_EQ(choice.portNumber, 12) << spec << ": " << choice.error.toStdString();
    }
}

TEST(WindowsPortTable, ListedPorts_GiveTheTooltipOfTheirComNumberOnly) {
    const PortTable table = portTableOf({{"\\\\.\\COM3", "USB-SERIAL CH340"},
                                         {"COM7", ""},
                                         {"\\\\.\\COM300", "beyond the table"},
                                         {"\\\\.\\LPT1", "printer"}});
    EXPECT_EQ(table.descriptions[2], "USB-SERIAL CH340");
    EXPECT_EQ(table.descriptions[6], "COM7");  // listed without a description
    EXPECT_TRUE(table.descriptions[0].empty());
    EXPECT_EQ(std::count_if(table.descriptions.begin(), table.descriptions.end(),
                            [](const std::string& d) { return !d.empty(); }),
              2);
    // What the system lists here comes in the form the table reads.
    for (const SerialDevice& port : discoverSystemPorts())
        EXPECT_GT(windows::comPortNumber(QString::fromStdString(port.path)), 0) << port.path;
}

TEST(WindowsPortAdvice, Texts_NameThePortAndWhatToDoOnWindows) {
    const QString device = QStringLiteral("\\\\.\\COM7");
    const QString notFound = openErrorText(QStringLiteral("COM7"), device, {},
                                           OpenFailure::NotFound, QStringLiteral("not found"));
    EXPECT_THAT(notFound.toStdString(), HasSubstr("COM7 (\\\\.\\COM7)"));
    for (const char* chip : {"CH340", "CP210x", "FTDI", "PL2303"})
        EXPECT_THAT(notFound.toStdString(), HasSubstr(chip));
    EXPECT_THAT(notFound.toStdString(), Not(HasSubstr("dialout")));

    const QString busy = openErrorText(QStringLiteral("COM7"), device, {}, OpenFailure::Busy,
                                       QStringLiteral("Access denied"));
    EXPECT_THAT(busy.toStdString(), HasSubstr("another program"));
    EXPECT_THAT(busy.toStdString(), HasSubstr("Access denied"));
    const QString named =
        openErrorText(QStringLiteral("COM7"), device, {}, OpenFailure::Busy,
                      QStringLiteral("Access denied"), {{{4711, "terminal.exe"}}, true});
    EXPECT_THAT(named.toStdString(), HasSubstr("terminal.exe (pid 4711)"));

    setPortChooser(PortChooser::CommandLine);
    EXPECT_THAT(
        openErrorText(QStringLiteral("COM7"), device, {}, OpenFailure::NotFound, {}).toStdString(),
        HasSubstr("--port"));
    setPortChooser(PortChooser::SettingButton);
}

TEST(WindowsSerialControl, ProbeOfANumberWithoutDevice_FailsWithTheSystemsReason) {
    const QString problem = probeProblem({"\\\\.\\COM97", "COM97"});
    EXPECT_THAT(problem.toStdString(), HasSubstr("COM97 (\\\\.\\COM97)"));
    EXPECT_THAT(problem.toStdString(), HasSubstr("CH340"));
    EXPECT_FALSE(makeSerialControl()->probe({"", "COM21"}));
    EXPECT_THAT(probeProblem({"", "COM21"}).toStdString(), HasSubstr("COM21"));
}

class WindowsSaveFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static QByteArray contents(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
    }
};

TEST_F(WindowsSaveFile, NewAndExistingFiles_HoldExactlyTheNewBytes) {
    const QString file = path("model.bin");
    EXPECT_TRUE(saveFileAtomically(file, QByteArray(67, 'a')).isEmpty());
    EXPECT_EQ(contents(file), QByteArray(67, 'a'));
    EXPECT_TRUE(saveFileAtomically(file, QByteArray("short")).isEmpty());
    EXPECT_EQ(contents(file), QByteArray("short"));
    // Nothing of the temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"model.bin"});
}

TEST_F(WindowsSaveFile, RefusedSaves_NameTheFileAndLeaveItAsItWas) {
    const QString protectedFile = path("protected.bin");
    ASSERT_TRUE(saveFileAtomically(protectedFile, QByteArray("old")).isEmpty());
    ASSERT_TRUE(QFile::setPermissions(protectedFile, QFile::ReadOwner | QFile::ReadUser));
    const QString refused = saveFileAtomically(protectedFile, QByteArray("new"));
    EXPECT_THAT(refused.toStdString(), HasSubstr("protected.bin"));
    EXPECT_EQ(contents(protectedFile), QByteArray("old"));
    QFile::setPermissions(protectedFile, QFile::ReadOwner | QFile::WriteOwner);

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    EXPECT_THAT(saveFileAtomically(path("folder"), QByteArray("x")).toStdString(),
                HasSubstr("folder"));
    EXPECT_FALSE(saveFileAtomically(path("missing/sub/file.bin"), QByteArray("x")).isEmpty());
}

TEST(WindowsTerminal, StandardOutputOfATestRun_IsNoConsole) {
    // ctest and the Wine wrapper hand the test a pipe.
    EXPECT_FALSE(standardOutputIsTerminal());
}

// What Windows sends the watch's window when a COM port interface arrives or goes.
TEST(WindowsDeviceWatch, ComPortArrivalAndRemoval_AreHeard) {
    DeviceWatch watch;
    QSignalSpy changed(&watch, &DeviceWatch::devicesChanged);
    const HWND window = FindWindowExW(HWND_MESSAGE, nullptr, L"PelorinDeviceWatch", nullptr);
    ASSERT_NE(window, nullptr);
    DEV_BROADCAST_DEVICEINTERFACE_W port{};
    port.dbcc_size = sizeof port;
    port.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    const auto send = [&](WPARAM event) {
        SendMessageW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&port));
    };
    send(DBT_DEVICEARRIVAL);
    EXPECT_EQ(changed.count(), 1);
    send(DBT_DEVICEREMOVECOMPLETE);
    EXPECT_EQ(changed.count(), 2);
    // A removal being asked about is no change yet.
    send(DBT_DEVICEQUERYREMOVE);
    EXPECT_EQ(changed.count(), 2);
}

}  // namespace
}  // namespace pelorin
