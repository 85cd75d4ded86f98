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

TEST_F(SettingButtonTest, NoPortOpens_ListStaysEmptyAndOkChoosesOne) {
    runWindow([&](MainDialog&) {
        fake->openableDevices.clear();
        fake->clearCalls();
        QStringList names{"unset"};
        clickThrough<QDialog>(1025, [&](QDialog* d) {
            names = listed(portBox(d));
            EXPECT_TRUE(portBox(d)->currentText().isEmpty());
            d->accept();
        });
        EXPECT_TRUE(names.isEmpty());
        EXPECT_EQ(window->session().commPort(), 1);
        EXPECT_EQ(messages.messages.size(), 1);  // COM1 does not open: no UserRequest
        EXPECT_TRUE(fake->writes().empty());
    });
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

TEST_F(SettingButtonTest, ChosenOrTypedName_SelectsItsPort) {
    fake->makeOpenable(12);
    fake->makeOpenable(1);
    const struct {
        QString typed;  // empty: keep the selected first entry
        int port;
    } rows[] = {{"", 1}, {"COM12", 12}, {"COM3", 3}, {"com3", 1}, {"COM7x", 1}};
    runWindow([&](MainDialog&) {
        for (const auto& row : rows) {
            fake->clearCalls();
            clickThrough<QDialog>(1025, [&](QDialog* d) {
                if (!row.typed.isEmpty())
                    portBox(d)->setEditText(row.typed);
                d->accept();
            });
            EXPECT_EQ(window->session().commPort(), row.port) << row.typed.toStdString();
            EXPECT_EQ(fake->writes(), std::vector<Bytes>{(Bytes{0x55, 0xFA, 0x00})});
        }
    });
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SettingButtonTest, ReturnInTheField_IsOkAndAddsNothingToTheList) {
    runWindow([&](MainDialog&) {
        int countAfter = -1;
        int result = -1;
        clickThrough<QDialog>(1025, [&](QDialog* d) {
            QComboBox* box = portBox(d);
            box->lineEdit()->selectAll();
            QTest::keyClicks(box->lineEdit(), "COM7");
            EXPECT_EQ(box->currentText(), "COM7");  // nothing completed behind the user's back
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            countAfter = box->count();
            result = d->result();
            EXPECT_FALSE(d->isVisible());
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(countAfter, 1);  // only COM3
        EXPECT_EQ(window->session().commPort(), 7);
    });
}

}  // namespace
}  // namespace pelorin::test
