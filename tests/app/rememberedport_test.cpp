// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The port the transmitter answered on is kept in the user's settings and tried first at the
// next start, so other serial devices are not opened while the transmitter is where it was.

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "connection/portmemory.h"
#include "tests/app/apptest.h"

namespace pelorin::test {
namespace {

class RememberedPortTest : public MainWindowTest {
protected:
    RememberedPortTest() {
        window->setPortMemory(
            {[this] { return kept; },
             [this](const std::string& device) { remembered.push_back(device); }});
    }

    std::string kept;
    std::vector<std::string> remembered;
};

TEST_F(RememberedPortTest, KeptDeviceStillThere_OpenedWithoutTryingAnyOther) {
    kept = "/dev/fake7";
    fake->makeOpenable(7);
    runWindow([&](MainDialog&) {
        EXPECT_EQ(window->session().commPort(), 7);
        EXPECT_EQ(fake->deviceOpens, std::vector<std::string>{"/dev/fake7"});
        fake->deliver(liveFrameFor({0, 0, 0, 0, 0, 0}));
        fake->deliver(liveFrameFor({1, 0, 0, 0, 0, 0}));
    });
    EXPECT_EQ(remembered, std::vector<std::string>{"/dev/fake7"});
}

TEST_F(RememberedPortTest, KeptDeviceGone_TriedInOrderAndTheAnsweringOneKept) {
    kept = "/dev/ttyUSB9";
    runWindow([&](MainDialog&) {
        EXPECT_EQ(window->session().commPort(), 3);
        EXPECT_EQ(fake->deviceOpens,
                  (std::vector<std::string>{"/dev/fake1", "/dev/fake2", "/dev/fake3"}));
        EXPECT_TRUE(remembered.empty()) << "nothing has answered yet";
        fake->deliver(settingsFrameFor(startingBlock()));
    });
    EXPECT_EQ(remembered, std::vector<std::string>{"/dev/fake3"});
}

TEST(SettingsPortMemory, KeepsTheDeviceAcrossRunsInTheUsersSettings) {
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    const QString organisation = QCoreApplication::organizationName();
    QCoreApplication::setOrganizationName(QStringLiteral("PelorinTest"));

    EXPECT_EQ(settingsPortMemory().recall(), "");
    settingsPortMemory().remember("/dev/ttyACM1");
    settingsPortMemory().remember("");  // no device: nothing changes
    EXPECT_EQ(settingsPortMemory().recall(), "/dev/ttyACM1");

    QCoreApplication::setOrganizationName(organisation);
}

}  // namespace
}  // namespace pelorin::test
