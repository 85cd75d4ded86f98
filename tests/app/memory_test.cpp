// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The transmitter's two memories through the real windows, against the virtual transmitter
// over a real pseudo-terminal: the menu's "Transmitter memory…" switches to the memory chosen,
// GetUser to USER1, and the window says which memory its settings are.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/maindialog.h"
#include "app/monitorwindow.h"
#include "dialogkit/systemmenu.h"
#include "editors/channeleditors.h"
#include "editors/typedialogs.h"
#include "link/frames.h"
#include "platform/portdiscovery.h"
#include "platform/serialport.h"
#include "tests/support/modal.h"
#include "tests/support/serialtesting.h"

namespace pelorin::test {
namespace {

using pelorin::testing::waitFor;

constexpr int kWaitMs = 10000;  // generous: the machine may be busy
using Requests = std::vector<std::vector<std::uint8_t>>;

class MemoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtimeDir.isValid());
        txsim::Options options = pelorin::testing::quietOptions();
        options.linkName = "memory";
        transmitter = std::make_unique<txsim::VirtualTransmitter>(std::move(options));
        std::string error;
        ASSERT_TRUE(transmitter->start(&error)) << error;
        window = std::make_unique<MainDialog>(
            makeSerialControl(), [] { return buildPortTable(discoverVirtualPorts(), {}); });
    }

    // The UserRequests the transmitter received, each as its three bytes.
    std::vector<std::vector<std::uint8_t>> userRequests() const {
        std::vector<std::vector<std::uint8_t>> found;
        for (const txsim::Command& c : transmitter->receivedCommands()) {
            if (c.kind == txsim::Command::Kind::UserRequest)
                found.push_back(c.bytes);
        }
        return found;
    }

    std::uint64_t settingsFrames() { return window->session().counters().settingsAccepted; }

    QAction* menuItem(MainDialog& w, const QString& text) {
        auto* menu = w.findChild<QMenu*>(QStringLiteral("systemMenu"));
        for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
            if (action->text() == text)
                return action;
        }
        ADD_FAILURE() << "no menu item " << text.toStdString();
        return nullptr;
    }

    QString getUserTip(MainDialog& w) { return w.control(mainid::kGetUser)->toolTip(); }

    // The End Point editor's CH3 left field as it opens, then cancelled.
    QString endPointCh3Left(MainDialog& w) {
        QString shown;
        whenModalOpens<EndPointDialog>([&](EndPointDialog* d) {
            shown = d->control<QLineEdit>(1018)->text();
            d->reject();
        });
        w.control<QPushButton>(mainid::kEndPoint)->click();
        return shown;
    }

    pelorin::testing::PrivateRuntimeDir runtimeDir;
    MessageRecorder messages;
    std::unique_ptr<txsim::VirtualTransmitter> transmitter;
    std::unique_ptr<MainDialog> window;
};

TEST_F(MemoryTest, ChoosingUser2_SwitchesToItAndSaysSo_GetUserGoesBackToUser1) {
    const std::vector<std::uint8_t> user1{0x55, 0xFA, 0x00};
    const std::vector<std::uint8_t> user2{0x55, 0xFA, 0x01};
    const auto stored = txsim::defaultModels();
    const BlockBytes& stored2 = stored[1];
    const BlockBytes& stored1 = stored[0];
    whenModalOpens<MainDialog>(
        [&](MainDialog* w) {
            ASSERT_TRUE(waitFor([&] { return settingsFrames() == 1; }, kWaitMs));
            // At start the transmitter's active memory is not known, and the window says so.
            EXPECT_TRUE(getUserTip(*w).contains(QStringLiteral("not known")))
                << getUserTip(*w).toStdString();
            w->systemCommand(kMonitorCommand);
            auto* monitor = w->findChild<MonitorWindow*>();
            ASSERT_NE(monitor, nullptr);

            whenModalOpens<UserSelectDialog>([](UserSelectDialog* d) {
                auto* list = d->control<QComboBox>(1015);
                list->setCurrentIndex(list->findText(QStringLiteral("USER2")));
                d->control<QPushButton>(1)->click();
            });
            QAction* memory = menuItem(*w, QStringLiteral("Transmitter memory…"));
            ASSERT_NE(memory, nullptr);
            memory->trigger();
            ASSERT_TRUE(waitFor([&] { return settingsFrames() == 2; }, kWaitMs));
            EXPECT_EQ(userRequests(), (Requests{user2}));
            EXPECT_EQ(transmitter->currentUser(), 1);
            // USER2's settings: a helicopter with CH3's end points at 110.
            EXPECT_TRUE(std::equal(stored2.begin(), stored2.begin() + kSettingsBlockSize,
                                   w->session().blockBytes.begin()));
            EXPECT_TRUE(w->control(mainid::kSwashAfr)->isVisible());
            EXPECT_EQ(endPointCh3Left(*w), QStringLiteral("110"));
            EXPECT_TRUE(getUserTip(*w).endsWith(QStringLiteral("USER2")))
                << getUserTip(*w).toStdString();
            EXPECT_EQ(monitor->memoryLabel()->text(), QStringLiteral("USER2"));
            EXPECT_TRUE(
                w->control(mainid::kSetting)->toolTip().contains(QStringLiteral("to USER2")));

            w->control<QPushButton>(mainid::kGetUser)->click();
            ASSERT_TRUE(waitFor([&] { return settingsFrames() == 3; }, kWaitMs));
            EXPECT_EQ(userRequests(), (Requests{user2, user1}));
            EXPECT_TRUE(std::equal(stored1.begin(), stored1.begin() + kSettingsBlockSize,
                                   w->session().blockBytes.begin()));
            EXPECT_FALSE(w->control(mainid::kSwashAfr)->isVisible());
            EXPECT_EQ(endPointCh3Left(*w), QStringLiteral("100"));
            EXPECT_TRUE(getUserTip(*w).endsWith(QStringLiteral("USER1")));
            EXPECT_EQ(monitor->memoryLabel()->text(), QStringLiteral("USER1"));
            // Setting still sends the memory last chosen in the list.
            EXPECT_TRUE(
                w->control(mainid::kSetting)->toolTip().contains(QStringLiteral("to USER2")));
            w->reject();
        },
        kWaitMs);
    window->run();
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join(u'\n').toStdString();
}

TEST_F(MemoryTest, CancelInTheList_SendsNothingAndChangesNothing) {
    whenModalOpens<MainDialog>(
        [&](MainDialog* w) {
            ASSERT_TRUE(waitFor([&] { return settingsFrames() == 1; }, kWaitMs));
            const QString before = getUserTip(*w);
            whenModalOpens<UserSelectDialog>([](UserSelectDialog* d) {
                auto* list = d->control<QComboBox>(1015);
                list->setCurrentIndex(list->findText(QStringLiteral("USER2")));
                d->reject();
            });
            menuItem(*w, QStringLiteral("Transmitter memory…"))->trigger();
            // A ReadRequest round trip: anything the cancel had sent would have come first.
            ASSERT_TRUE(w->session().send(readRequest()).ok());
            ASSERT_TRUE(waitFor([&] { return settingsFrames() == 2; }, kWaitMs));
            EXPECT_TRUE(userRequests().empty());
            EXPECT_EQ(w->session().userSelect, 0);
            EXPECT_EQ(getUserTip(*w), before);
            w->reject();
        },
        kWaitMs);
    window->run();
}

}  // namespace
}  // namespace pelorin::test
