// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Serial Setting dialog and the Setting button.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "app/serialsettingdialog.h"
#include "tests/app/apptest.h"

namespace pelorin::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

PortTable comTable() {
    PortTable table;
    for (int i = 0; i < kPortCount; ++i) {
        table.portDisplayNames[static_cast<std::size_t>(i)] = "COM" + std::to_string(i + 1);
    }
    return table;
}

TEST(PortNumberForName, MatchesExactNamesOfTheFirstTwentyElseOne) {
    const PortTable table = comTable();
    const struct {
        const char* text;
        int port;
    } rows[] = {
        {"COM1", 1},   {"COM3", 3},  {"COM12", 12},
        {"COM20", 20}, {"COM21", 1}, {"COM22", 1},  // known names, but beyond the probed twenty
        {"com3", 1},   {"COM3 ", 1}, {" COM3", 1},
        {"", 1},       {"COM", 1},   {"ttyUSB0", 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(portNumberForName(table, row.text), row.port) << row.text;
}

QStringList listed(QComboBox* box) {
    QStringList names;
    for (int i = 0; i < box->count(); ++i)
        names << box->itemText(i);
    return names;
}

class SettingButtonTest : public MainWindowTest {
protected:
    QComboBox* portBox(QDialog* d) { return d->findChild<QComboBox*>("control1015"); }
};

TEST_F(SettingButtonTest, Dialog_ListsOpenablePortsSortedWithFirstSelectedAndToolTips) {
    fake->makeOpenable(12);
    fake->table.descriptions[11] = "CP2102 USB to UART Bridge";
    runWindow([&](MainDialog&) {
        QStringList names;
        QString current, tip12, tip3;
        QSize size;
        clickThrough<QDialog>(1025, [&](QDialog* d) {
            QComboBox* box = portBox(d);
            names = listed(box);
            current = box->currentText();
            tip12 = box->itemData(0, Qt::ToolTipRole).toString();
            tip3 = box->itemData(1, Qt::ToolTipRole).toString();
            EXPECT_EQ(d->windowTitle(), "Serial Setting");
            EXPECT_TRUE(box->isEditable());
            d->reject();
        });
        // The window's own port (COM3) is listed: it was closed before the dialog opened.
        EXPECT_EQ(names, (QStringList{"COM12", "COM3"}));
        EXPECT_EQ(current, "COM12");
        EXPECT_EQ(tip12, "/dev/fake12 \u2013 CP2102 USB to UART Bridge");
        EXPECT_EQ(tip3, "/dev/fake3");
    });
}

TEST_F(SettingButtonTest, NoPortOpens_ListStaysEmptyAndOkIsRefused) {
    runWindow([&](MainDialog&) {
        fake->openableDevices.clear();
        fake->clearCalls();
        QStringList names{"unset"};
        clickThrough<QDialog>(1025, [&](QDialog* d) {
            names = listed(portBox(d));
            EXPECT_TRUE(portBox(d)->currentText().isEmpty());
            d->accept();
            EXPECT_TRUE(d->isVisible());  // nothing to choose: only Cancel ends it
            d->reject();
        });
        EXPECT_TRUE(names.isEmpty());
        EXPECT_EQ(window->session().commPort(), 3);
    });
    // The refusal, then the previous port that no longer opens either.
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_TRUE(messages.messages.first().contains("Cancel"));
}

TEST_F(SettingButtonTest, CancelAfterSetting_ReopensThePreviousPortAndSendsUserRequest) {
    runWindow([&](MainDialog& w) {
        w.session().userSelect = 1;
        fake->clearCalls();
        clickThrough<QDialog>(1025, [&](QDialog* d) {
            EXPECT_FALSE(fake->isOpen());  // closed while the dialog is up
            d->reject();
        });
        EXPECT_TRUE(fake->isOpen());
        EXPECT_EQ(window->session().commPort(), 3);
        const auto& calls = fake->calls;
        EXPECT_EQ(calls.front(), "close()");
        // The dialog's round probes; the previous port is opened again once, on its device.
        EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                                [](const std::string& c) { return c.starts_with("open("); }),
                  1);
        EXPECT_EQ(fake->opened.device, "/dev/fake3");
        EXPECT_EQ(fake->writes(), std::vector<Bytes>{(Bytes{0x55, 0xFA, 0x01})});
    });
    EXPECT_TRUE(messages.messages.isEmpty());
}

// OK takes a name of the list only, exactly as listed; anything else is refused with a
// message, the dialog stays open, and Cancel then keeps the port used so far.
TEST_F(SettingButtonTest, OkTakesOnlyANameOfTheList) {
    fake->makeOpenable(12);
    fake->makeOpenable(1);
    const struct {
        QString typed;  // empty: keep the selected first entry
        int port;       // 0: refused
    } rows[] = {{"", 1},      {"COM12", 12}, {"COM3", 3},  {"com3", 0}, {"COM7x", 0},
                {"bogus", 0}, {"COM7", 0},   {" COM3", 0}, {"COM21", 0}};
    runWindow([&](MainDialog&) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.typed.toStdString());
            messages.messages.clear();
            fake->clearCalls();
            int before = window->session().commPort();
            bool stayedOpen = false;
            clickThrough<QDialog>(1025, [&](QDialog* d) {
                if (!row.typed.isEmpty())
                    portBox(d)->setEditText(row.typed);
                d->accept();
                stayedOpen = d->isVisible();
                if (stayedOpen) {
                    EXPECT_EQ(portBox(d)->lineEdit()->selectedText(), row.typed);
                    d->reject();
                }
            });
            EXPECT_EQ(stayedOpen, row.port == 0);
            EXPECT_EQ(window->session().commPort(), row.port == 0 ? before : row.port);
            if (row.port == 0) {
                ASSERT_EQ(messages.messages.size(), 1);
                EXPECT_TRUE(messages.messages.first().contains(row.typed));
                EXPECT_TRUE(messages.messages.first().contains("COM12"));
            } else {
                EXPECT_TRUE(messages.messages.isEmpty());
            }
            // The UserRequest goes to the port chosen, or after Cancel to the one used so far.
            EXPECT_EQ(fake->writes(), std::vector<Bytes>{(Bytes{0x55, 0xFA, 0x00})});
        }
    });
}

TEST_F(SettingButtonTest, ReturnInTheField_IsOkAndAddsNothingToTheList) {
    fake->makeOpenable(12);
    runWindow([&](MainDialog&) {
        int countAfter = -1;
        int result = -1;
        clickThrough<QDialog>(1025, [&](QDialog* d) {
            QComboBox* box = portBox(d);
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), "COM1");
            EXPECT_EQ(box->currentText(), "COM1");  // nothing completed behind the user's back
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            EXPECT_TRUE(d->isVisible());  // COM1 is not in the list
            QTest::keyClicks(box->lineEdit(), "COM12");
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            countAfter = box->count();
            result = d->result();
            EXPECT_FALSE(d->isVisible());
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(countAfter, 2);  // COM12 and COM3
        EXPECT_EQ(window->session().commPort(), 12);
    });
    EXPECT_EQ(messages.messages.size(), 1);
}

}  // namespace
}  // namespace pelorin::test
