// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over a fake serial control: start-up, its controls, the buttons that send
// commands, the helicopter buttons, the window menu, and how the run ends.

#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include <string>
#include <vector>

#include "app/aboutdialog.h"
#include "app/channeldisplay.h"
#include "dialogkit/systemmenu.h"
#include "editors/typedialogs.h"
#include "platform/devicewatch.h"
#include "tests/app/apptest.h"

namespace pelorin::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kReadRequest{0x55, 0xFD};

BlockBytes blockWithModelType(std::uint8_t byte0) {
    BlockBytes block = startingBlock();
    block[block::kModelAndStick] = byte0;
    return block;
}

bool shown(QWidget* w) {
    return !w->isHidden();
}

TEST_F(MainWindowTest, StartUp_OpensFirstPortAndSendsReadRequestInOrder) {
    window->session().userSelect = 1;
    window->session().settings.endPointRight[4] = 55;
    runWindow([&](MainDialog& w) {
        EXPECT_EQ(fake->calls, (std::vector<std::string>{"open(/dev/fake1)", "open(/dev/fake2)",
                                                         "open(/dev/fake3)", "write(55 FD)"}));
        EXPECT_EQ(fake->writes(), std::vector<Bytes>{kReadRequest});
        EXPECT_EQ(window->session().commPort(), 3);
        EXPECT_EQ(w.session().userSelect, 0);
        EXPECT_EQ(w.session().settings.endPointRight[4], 100);
        EXPECT_TRUE(w.channelDisplay()->running());
        EXPECT_FALSE(w.windowIcon().isNull());
    });
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(MainWindowTest, StartUp_ResetsAHalfReceivedFrame) {
    const Bytes partial{0x55, 0xFC, 0x05};
    window->session().receive(partial);
    runWindow([&](MainDialog& w) {
        // Taken as the rest of the half frame, the whole one would be dropped.
        const auto frame = liveChannelFrame({});
        w.session().receive(frame);
        EXPECT_EQ(w.session().counters().liveAccepted, 1u);
    });
}

// The message names what was tried and why it failed (each reason once), or that there is
// nothing to try; never the fallback number start-up ends on.
TEST_F(MainWindowTest, StartUpWithoutPort_SaysWhatWasTriedAndStillRunsDisplay) {
    fake->openableDevices.clear();
    window->session().userSelect = 1;
    runWindow([&](MainDialog& w) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return messages.messages.size() == 1; }));
        const QString text = messages.messages.first();
        EXPECT_EQ(text.count(QString::fromUtf8(testing::FakeSerialControl::kNoDeviceText)), 1)
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("connects by itself")));
        EXPECT_FALSE(text.contains(QStringLiteral("COM21")));
        EXPECT_EQ(window->session().commPort(), 21);
        EXPECT_TRUE(fake->writes().empty());
        EXPECT_EQ(w.session().userSelect, 1);  // the open failed before userSelect was reset
        EXPECT_TRUE(w.channelDisplay()->running());
    });
}

TEST_F(MainWindowTest, StartUpWithNoDeviceAtAll_SaysNoneWasFound) {
    fake->openableDevices.clear();
    fake->table.portDeviceNames.fill({});
    runWindow([&](MainDialog&) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return messages.messages.size() == 1; }));
        const QString text = messages.messages.first();
        EXPECT_TRUE(text.contains(QStringLiteral("No serial port was found")))
            << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("COM21")));
    });
}

// Which device the window opens by itself once the watch hears of a change: the lost one when
// it comes back; with nothing open since start-up, the one used last time or one that was not
// there at start-up; never another that was there at start-up. It asks for the settings.
TEST_F(MainWindowTest, DevicesChanged_OpensOnlyTheAwaitedDeviceAndAsksForItsSettings) {
    struct Case {
        const char* what;
        bool lostPort;        // COM3 opened at start-up and went away; else nothing opened
        std::string appears;  // the device that opens from now on
        bool isNew;           // it comes as COM5, in place of the device there at start-up
        bool opened;
    };
    const Case cases[] = {
        {"the lost device comes back", true, "/dev/fake3", false, true},
        {"a new device while the lost one is away", true, "/dev/new5", true, false},
        {"a device there at start-up", false, "/dev/fake4", false, false},
        {"the device used last time", false, "/dev/fake6", false, true},
        {"a device plugged in after start-up", false, "/dev/new5", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto serial = std::make_unique<testing::FakeSerialControl>();
        testing::FakeSerialControl& line = *serial;
        if (c.lostPort)
            line.makeOpenable(3);
        MainDialog w(std::move(serial), line.discovery());
        w.setPortMemory({[] { return std::string("/dev/fake6"); }, [](const std::string&) {}});
        whenModalOpens<MainDialog>(
            [&](MainDialog*) {
                if (c.lostPort)
                    line.loseDevice("COM3 has gone away.");
                ASSERT_FALSE(line.isOpen());
                if (c.isNew)
                    line.table.portDeviceNames[4] = c.appears;
                line.openableDevices = {c.appears};
                line.clearCalls();
                auto* watch = w.findChild<DeviceWatch*>();
                ASSERT_NE(watch, nullptr);
                emit watch->devicesChanged();
                if (c.opened) {
                    ASSERT_TRUE(QTest::qWaitFor([&] { return line.isOpen(); }));
                    EXPECT_EQ(line.opened.device, c.appears);
                    EXPECT_EQ(line.writes(), std::vector<Bytes>{kReadRequest});
                    line.deliver(liveFrameFor({}));
                    EXPECT_TRUE(w.channelDisplay()->lineDownText().isEmpty());
                } else {
                    QTest::qWait(500);
                    EXPECT_FALSE(line.isOpen());
                    EXPECT_FALSE(w.channelDisplay()->lineDownText().isEmpty());
                }
            },
            kModalWaitMs, LeftOpen::Cancel);
        w.run();
    }
}

Bytes liveFrame(const std::array<int, 6>& channels) {
    LiveValues values;
    for (std::size_t i = 0; i < channels.size(); ++i)
        values.channelWords[i] = static_cast<std::uint16_t>(channels[i] + kChannelCentre);
    const auto frame = liveChannelFrame(values);
    return Bytes(frame.begin(), frame.end());
}

// Counted, not timed: a frame that leaves every bar as long as it was costs no repaint, a
// frame that changes one costs exactly one, and several that arrive together cost one that
// shows the last of them, as the display would have drawn it at any time.
TEST_F(MainWindowTest, Display_RepaintsOnceForNewsAndNeverForFramesThatChangeNothing) {
    runWindow([&](MainDialog& w) {
        int paintEvents = 0;
        struct Counter : QObject {
            int& count;
            explicit Counter(int& c) : count(c) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint)
                    ++count;
                return false;
            }
        } counter(paintEvents);
        ChannelDisplay* display = w.channelDisplay();
        // The first paint comes with the window; let it and the repaint interval pass.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        display->grab();
        const auto settle = [] { QTest::qWait(3 * kDisplayRepaintIntervalMs); };
        settle();
        display->installEventFilter(&counter);
        int paints = 0;
        QObject::connect(display, &ChannelDisplay::liveFramesShown, display, [&] { ++paints; });
        settle();
        ASSERT_EQ(paints + paintEvents, 0) << "the display repaints while nothing arrives";

        // Values smaller than one pixel leave every bar at zero length.
        fake->deliver(liveFrame({1, -2, 3, 0, -3, 2}));
        settle();
        EXPECT_EQ(paints, 0);

        fake->deliver(liveFrame({400, 0, 0, 0, 0, 0}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return paints == 1; })) << paints;
        settle();
        EXPECT_EQ(paints, 1);

        Bytes together = liveFrame({-400, 0, 0, 0, 0, 0});
        const Bytes last = liveFrame({-400, 120, 0, 0, 0, -1512});
        together.insert(together.end(), last.begin(), last.end());
        fake->deliver(together);
        EXPECT_TRUE(QTest::qWaitFor([&] { return paints == 2; })) << paints;
        settle();
        EXPECT_EQ(paints, 2);
        display->removeEventFilter(&counter);

        QImage expected(display->size(), QImage::Format_RGB32);
        renderChannelDisplay(expected, {-400, 120, 0, 0, 0, -1512});
        EXPECT_EQ(display->grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
    });
}

// Whatever way the repaints are split (only the bars that changed, partial exposures by the
// window system, news held back by the repaint interval, frames that arrive together, bars
// that end outside the display), the screen ends as a full drawing of the last frame.
TEST_F(MainWindowTest, Display_ScreenEndsAsAFullDrawingOfTheLastFrame) {
    using Channels = std::array<int, 6>;
    struct Step {
        std::vector<Channels> passes;  // each arrives on its own, at once after the previous
        bool together;                 // all in one piece instead
        bool exposeLeft;               // the window system repaints the left third meanwhile
    };
    const Step steps[] = {
        {{{400, -400, 0, 120, -120, 7}}, false, false},
        {{{-400, 400, 3, 120, -120, 7}}, false, false},  // sides change
        {{{-1512, 588, 0, 0, 0, 0}}, false, false},      // past both edges
        {{{10, 20, 30, 40, 50, 60}, {-60, -50, -40, -30, -20, -10}}, true, false},
        {{{300, 0, -300, 0, 300, 0}, {-300, 2, 300, 5, -300, 9}}, false, true},
        {{{-200, 0, 0, 0, 0, 0}, {-200, 1, 1, 1, 1, 1}, {200, 0, 0, 0, 0, 0}}, false, true},
    };
    runWindow([&](MainDialog& w) {
        ChannelDisplay* display = w.channelDisplay();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        const QPoint at = display->mapTo(&w, QPoint());
        const auto onScreen = [&] {
            return w.screen()
                ->grabWindow(w.winId(), at.x(), at.y(), display->width(), display->height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        for (const Step& step : steps) {
            if (step.together) {
                Bytes piece;
                for (const Channels& c : step.passes) {
                    const Bytes frame = liveFrame(c);
                    piece.insert(piece.end(), frame.begin(), frame.end());
                }
                fake->deliver(piece);
            } else {
                for (const Channels& c : step.passes)
                    fake->deliver(liveFrame(c));
            }
            if (step.exposeLeft)
                display->update(0, 0, display->width() / 3, display->height());
            QImage expected(display->size(), QImage::Format_RGB32);
            renderChannelDisplay(expected, step.passes.back());
            EXPECT_TRUE(QTest::qWaitFor([&] { return onScreen() == expected; }))
                << "after the frame ending with CH1 " << step.passes.back()[0];
            QTest::qWait(2 * kDisplayRepaintIntervalMs);
            EXPECT_EQ(onScreen(), expected) << "the screen changed again with nothing new";
        }
    });
}

// id, caption, position in dialog units
struct ButtonRow {
    int id;
    const char* caption;
    DluRect rect;
};

const ButtonRow kVisibleButtons[] = {
    {1022, "GetUser", {46, 104, 36, 18}},    {1025, "Setting", {97, 104, 36, 18}},
    {1006, "Help", {148, 104, 36, 18}},      {1026, "Save", {200, 104, 36, 18}},
    {1027, "Open", {254, 104, 36, 18}},      {1012, "EndPoint", {46, 157, 41, 20}},
    {1014, "Reverse", {97, 157, 41, 20}},    {1015, "SubTrim", {148, 157, 41, 20}},
    {1013, "DR", {200, 157, 41, 20}},        {1021, "Mode", {254, 157, 41, 20}},
    {1017, "Type", {45, 185, 41, 20}},       {1018, "Thro Cuv", {97, 185, 41, 20}},
    {1019, "Pitch Cuv", {148, 185, 41, 20}}, {1020, "Swash Afr", {200, 185, 41, 20}},
    {1024, "MIX.", {254, 185, 41, 20}},      {1009, "Switch A", {63, 242, 41, 16}},
    {1010, "Switch B", {117, 242, 41, 16}},  {1011, "VR(A)", {171, 242, 41, 16}},
    {1023, "VR(B)", {225, 242, 41, 16}},
};

const ButtonRow kHiddenButtons[] = {
    {1016, "Model", {5, 36, 41, 20}},        {1007, "Current", {93, 31, 36, 18}},
    {1008, "Write", {270, 75, 36, 18}},      {1028, "StartAdjust", {254, 21, 52, 18}},
    {1029, "StopAdjust", {254, 51, 52, 18}},
};

TEST_F(MainWindowTest, Window_HasEveryControlWithItsCaptionAndPlace) {
    EXPECT_EQ(window->windowTitle(), "Pelorin");
    EXPECT_EQ(window->size(), QSize(488, 552));
    EXPECT_EQ(window->font().pointSize(), 9);
    for (const ButtonRow& row : kVisibleButtons) {
        QPushButton* b = button(row.id);
        ASSERT_NE(b, nullptr) << row.id;
        EXPECT_EQ(b->text(), row.caption) << row.id;
        EXPECT_EQ(b->geometry(), dluToPixels(row.rect)) << row.caption;
        EXPECT_TRUE(shown(b)) << row.caption;
        EXPECT_TRUE(b->isEnabled()) << row.caption;
    }
    EXPECT_EQ(window->control(1000)->geometry(), QRect(128, 26, 237, 108));

    QStringList labels;
    for (QLabel* label : window->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->text().startsWith("CH"))
            labels << label->text();
    }
    EXPECT_EQ(labels, (QStringList{"CH1", "CH2", "CH3", "CH4", "CH5", "CH6"}));
    const int labelRows[] = {15, 24, 33, 41, 50, 58};
    for (QLabel* label : window->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!label->text().startsWith("CH"))
            continue;
        const int i = label->text().mid(2).toInt() - 1;
        // The label ends where the template's does; a wide font grows it to the left.
        const QRect place = dluToPixels({69, labelRows[i], 15, 8});
        EXPECT_EQ(label->geometry().right(), place.right()) << i;
        EXPECT_EQ(label->geometry().top(), place.top()) << i;
        EXPECT_EQ(label->height(), place.height()) << i;
        EXPECT_LE(label->geometry().left(), place.left()) << i;
    }

    // The group boxes are made as the window starts, behind every other control.
    QMap<QString, QRect> groups;
    runWindow([&](MainDialog& up) {
        const QObjectList& children = up.children();
        for (QGroupBox* g : up.findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
            groups[g->title()] = g->geometry();
            EXPECT_LT(children.indexOf(g), children.indexOf(up.control(1000)))
                << g->title().toStdString();
        }
    });
    EXPECT_EQ(groups.size(), 3);
    EXPECT_EQ(groups["System Option"], dluToPixels({33, 92, 270, 38}));
    EXPECT_EQ(groups["System Setting"], dluToPixels({31, 141, 273, 74}));
    EXPECT_EQ(groups["Switch Program"], dluToPixels({31, 229, 271, 40}));
}

TEST_F(MainWindowTest, HiddenButtons_StayHiddenThroughEverythingThatChangesButtons) {
    auto expectHidden = [&](const char* when) {
        for (const ButtonRow& row : kHiddenButtons) {
            QPushButton* b = button(row.id);
            ASSERT_NE(b, nullptr) << row.id;
            EXPECT_EQ(b->text(), row.caption);
            EXPECT_EQ(b->geometry(), dluToPixels(row.rect)) << row.caption;
            EXPECT_TRUE(b->isHidden()) << row.caption << " " << when;
        }
        EXPECT_FALSE(button(1016)->isEnabled()) << when;
        EXPECT_FALSE(button(1007)->isEnabled()) << when;
    };
    expectHidden("before start-up");
    runWindow([&](MainDialog&) {
        expectHidden("after start-up");
        fake->deliver(settingsFrameFor(blockWithModelType(0x01)));
        expectHidden("after a helicopter block");
        fake->deliver(settingsFrameFor(blockWithModelType(0x00)));
        expectHidden("after an ACRO block");
    });
}

TEST_F(MainWindowTest, HiddenButtons_HandlersSendTheirCommands) {
    runWindow([&](MainDialog& w) {
        fake->clearCalls();
        button(1008)->click();  // Write
        button(1028)->click();  // StartAdjust
        button(1029)->click();  // StopAdjust
        // The disabled ones answer once enabled from code.
        button(1007)->setEnabled(true);
        button(1007)->click();  // Current
        BlockBytes packed = w.session().blockBytes;
        packSettings(w.session().settings, packed);
        EXPECT_EQ(
            fake->writes(),
            (std::vector<Bytes>{writeFrameFor(packed), {0x55, 0x99}, {0x55, 0x88}, kReadRequest}));

        fake->clearCalls();
        button(1016)->setEnabled(true);
        clickThrough<UserSelectDialog>(1016, [](UserSelectDialog* d) {
            d->control<QComboBox>(1015)->setCurrentIndex(1);
            d->control<QPushButton>(kIdOk)->click();
        });
        EXPECT_EQ(w.session().userSelect, 1);
        EXPECT_TRUE(fake->writes().empty());  // Model sends nothing
    });
}

TEST_F(MainWindowTest, GetUser_SendsUserRequestZeroWhateverIsSelected) {
    runWindow([&](MainDialog& w) {
        w.session().userSelect = 1;
        fake->clearCalls();
        button(1022)->click();
        EXPECT_EQ(fake->writes(), std::vector<Bytes>{(Bytes{0x55, 0xFA, 0x00})});
    });
}

TEST_F(MainWindowTest, CurveButtons_VisibleAtStartAndFollowEachReceivedBlock) {
    const int curveButtons[] = {1018, 1019, 1020};
    runWindow([&](MainDialog&) {
        for (int id : curveButtons)
            EXPECT_TRUE(shown(button(id))) << id;
        fake->deliver(settingsFrameFor(blockWithModelType(0x30)));  // ACRO, stick mode 4
        for (int id : curveButtons)
            EXPECT_FALSE(shown(button(id))) << id;
        fake->deliver(settingsFrameFor(blockWithModelType(0x13)));  // HELI-140, stick mode 2
        for (int id : curveButtons)
            EXPECT_TRUE(shown(button(id))) << id;
        // A block that fails its checksum changes nothing.
        Bytes bad = settingsFrameFor(blockWithModelType(0x00));
        bad.back() ^= 0x01;
        fake->deliver(bad);
        for (int id : curveButtons)
            EXPECT_TRUE(shown(button(id))) << id;
    });
}

TEST_F(MainWindowTest, TypeConfirmed_WritesAndButtonsFollowTheChosenType) {
    runWindow([&](MainDialog& w) {
        fake->clearCalls();
        clickThrough<TypeDialog>(1017, [](TypeDialog* d) {
            d->control<QComboBox>(1015)->setCurrentIndex(0);  // ACRO
            d->control<QPushButton>(kIdOk)->click();
        });
        for (int id : {1018, 1019, 1020})
            EXPECT_FALSE(shown(button(id))) << id;
        ASSERT_EQ(fake->writes().size(), 1u);
        EXPECT_EQ(fake->writes()[0], writeFrameFor(w.session().blockBytes));

        clickThrough<TypeDialog>(1017, [](TypeDialog* d) {
            d->control<QComboBox>(1015)->setCurrentIndex(2);  // HELI-90
            d->control<QPushButton>(kIdOk)->click();
        });
        for (int id : {1018, 1019, 1020})
            EXPECT_TRUE(shown(button(id))) << id;
        EXPECT_EQ(w.session().blockBytes[0] & 0x0F, 2);

        // Cancel neither sends nor changes the buttons.
        fake->clearCalls();
        clickThrough<TypeDialog>(1017, [](TypeDialog* d) {
            d->control<QComboBox>(1015)->setCurrentIndex(0);
            d->reject();
        });
        for (int id : {1018, 1019, 1020})
            EXPECT_TRUE(shown(button(id))) << id;
        EXPECT_TRUE(fake->writes().empty());
    });
}

// Runs a window of its own over a fresh fake line (COM3 opens), for one row of a table;
// `body` acts on it once it is up.
void runFreshWindow(const std::function<void(MainDialog&, testing::FakeSerialControl&)>& body) {
    auto serial = std::make_unique<testing::FakeSerialControl>();
    testing::FakeSerialControl* line = serial.get();
    line->makeOpenable(3);
    MainDialog w(std::move(serial), line->discovery());
    whenModalOpens<MainDialog>([&](MainDialog*) { body(w, *line); }, kModalWaitMs,
                               LeftOpen::Cancel);
    w.run();
}

// Opening an editor and cancelling stores nothing, also values no editor can show: the next OK
// elsewhere sends every one of them as it came (bits 6 and 7 of the reverse byte aside, which
// are always written as 0).
TEST_F(MainWindowTest, EditorCancelled_ThenEndPointOk_SendsTheReceivedValuesUnchanged) {
    BlockBytes received{};
    received[0] = 0x55;   // model type 5, stick mode 0x50: neither editor can show them
    received[1] = 0xC5;   // reverse CH1, CH3, bits 6 and 7 set
    received[2] = 0xFF;   // dual rate -1
    received[11] = 127;   // an end point beyond 120
    received[57] = 0xAB;  // a program mix byte
    received[61] = 9;     // switch A: no such function
    received[62] = 0x80;  // switch B -128
    received[63] = 5;     // VR A 5
    received[64] = 0xFE;  // VR B -2
    const int editors[] = {1017, 1021, 1009, 1010, 1011, 1023, 1012,
                           1014, 1015, 1013, 1020, 1018, 1019, 1024};
    for (const int editor : editors) {
        SCOPED_TRACE(editor);
        runFreshWindow([&](MainDialog& w, testing::FakeSerialControl& line) {
            line.deliver(settingsFrameFor(received));
            whenModalOpens<QDialog>([](QDialog* d) { d->reject(); });
            w.control<QPushButton>(editor)->click();
            line.clearCalls();
            // CH1's left end point holds 127, which OK refuses: it is mended first.
            whenModalOpens<QDialog>([](QDialog* d) {
                d->findChild<QLineEdit*>("control1011")->setText("100");
                d->accept();
            });
            w.control<QPushButton>(1012)->click();
            ASSERT_EQ(line.writes().size(), 1u);
            BlockBytes expected = received;
            expected[1] = 0x05;  // bits 6 and 7 written as 0
            expected[11] = 100;  // what End Point's OK stored
            expected[65] = expected[66] = 0;
            EXPECT_EQ(line.writes()[0], writeFrameFor(expected));
        });
    }
}

// The helicopter buttons follow the model type in byte 0 after every write and every
// received block, whichever editor wrote it.
TEST_F(MainWindowTest, CurveButtons_FollowTheModelTypeAfterEveryWrite) {
    const struct {
        const char* what;
        std::uint8_t receivedByte0;  // 0xFF: nothing received
        int editor;                  // confirmed with OK
        bool shown;
    } rows[] = {
        {"start block (ACRO), End Point OK", 0xFF, 1012, false},
        {"start block (ACRO), Reverse OK", 0xFF, 1014, false},
        {"type 5 received, Type cancelled, End Point OK", 0x05, 1012, true},
        {"HELI-90 received, Mode OK", 0x12, 1021, true},
        {"ACRO received, Switch A OK", 0x20, 1009, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        runFreshWindow([&](MainDialog& w, testing::FakeSerialControl& line) {
            if (row.receivedByte0 != 0xFF) {
                BlockBytes block = startingBlock();
                block[0] = row.receivedByte0;
                line.deliver(settingsFrameFor(block));
                whenModalOpens<QDialog>([](QDialog* d) { d->reject(); });
                w.control<QPushButton>(1017)->click();  // Type, cancelled
            }
            whenModalOpens<QDialog>([](QDialog* d) { d->accept(); });
            w.control<QPushButton>(row.editor)->click();
            for (int id : {1018, 1019, 1020})
                EXPECT_EQ(shown(w.control<QPushButton>(id)), row.shown) << id;
        });
    }
}

TEST_F(MainWindowTest, EditorConfirmedWhilePortClosed_ShowsTheControlsError) {
    runWindow([&](MainDialog&) {
        fake->forceOpen(false);
        clickThrough<QDialog>(1012, [](QDialog* d) { d->accept(); });
        EXPECT_EQ(messages.messages,
                  QStringList{QString::fromLatin1(testing::FakeSerialControl::kClosedText)});
        messages.messages.clear();
        button(1022)->click();  // GetUser
        EXPECT_EQ(messages.messages.size(), 1);
    });
}

TEST_F(MainWindowTest, PortVanishing_IsReportedOnceAndSettingReopensIt) {
    runWindow([&](MainDialog&) {
        fake->loseDevice("COM3 (/dev/fake3) has gone away.");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.messages.isEmpty(); }));
        EXPECT_EQ(messages.messages, QStringList{"COM3 (/dev/fake3) has gone away."});
        fake->clearCalls();
        clickThrough<QDialog>(1025, [](QDialog* d) { d->reject(); });
        EXPECT_TRUE(fake->isOpen());
        EXPECT_EQ(fake->writes(), std::vector<Bytes>{(Bytes{0x55, 0xFA, 0x00})});
    });
}

TEST_F(MainWindowTest, LiveFrame_MovesTheBarOnScreen) {
    runWindow([&](MainDialog& w) {
        fake->deliver(liveFrameFor({400, 0, 0, 0, 0, -400}));
        const QImage shot =
            w.channelDisplay()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shot.size(), QSize(237, 108));
        for (int x = 118; x <= 217; ++x)
            EXPECT_EQ(shot.pixel(x, 5), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(shot.pixel(219, 5), kDisplayBackground);
        EXPECT_EQ(shot.pixel(20, 90 + 5), qRgb(0, 0, 0));
    });
}

TEST_F(MainWindowTest, Screenshot_ShowsTheDisplayAreaInItsColourAt237PixelsWide) {
    runWindow([&](MainDialog& w) {
        const QImage shot = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect area = w.channelDisplay()->geometry();
        EXPECT_EQ(area.width(), 237);
        EXPECT_EQ(area.height(), 108);
        QImage expected(area.size(), QImage::Format_RGB32);
        renderChannelDisplay(expected, {});
        EXPECT_EQ(shot.copy(area), expected);
        EXPECT_EQ(shot.pixel(area.left() + 5, area.top() + 16), qRgb(74, 225, 82));
        // Just outside the display is the window, not the display's colour.
        EXPECT_NE(shot.pixel(area.right() + 2, area.top() + 16), qRgb(74, 225, 82));
    });
}

TEST(SystemCommand, OnlyValuesThatAre16WithoutTheirLowFourBits_OpenAbout) {
    for (unsigned value : {0x10u, 0x11u, 0x1Fu})
        EXPECT_TRUE(isAboutCommand(value)) << value;
    for (unsigned value : {0x0u, 0xFu, 0x20u, 0x110u, 0xF010u, 0xF060u}) {
        EXPECT_FALSE(isAboutCommand(value)) << value;
    }
}

QStringList menuTexts(const QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? "-" : a->text());
    return texts;
}

TEST_F(MainWindowTest, WindowMenu_EndsWithSeparatorAndProgramNameThatOpensAbout) {
    runWindow([&](MainDialog& w) {
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                     w.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&w, &rightClick);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(menuTexts(popup),
                  (QStringList{"Undo", "Redo", "-", "Print setup sheet…",
                               "Save setup sheet as PDF…", "-", "Models…", "Monitor…", "History…",
                               "-", "Transmitter memory…", "Close", "-", "Pelorin"}));
        EXPECT_EQ(popup->actions().last()->data().toUInt(), 16u);

        QString aboutTitle;
        QSize aboutSize;
        whenModalOpens<AboutDialog>([&](AboutDialog* about) {
            aboutTitle = about->windowTitle();
            aboutSize = about->size();
            about->accept();
        });
        popup->actions().last()->trigger();
        EXPECT_EQ(aboutTitle, "About Pelorin");
        EXPECT_EQ(aboutSize, QSize(353, 110));
        popup->hide();
    });
}

TEST_F(MainWindowTest, ShiftF10_OpensTheWindowMenu) {
    runWindow([&](MainDialog& w) {
        QTest::keyClick(button(1022), Qt::Key_F10, Qt::ShiftModifier);
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->parentWidget(), &w);
        popup->hide();
    });
}

TEST_F(MainWindowTest, SystemCommandWithLowBitsSet_OpensAbout) {
    runWindow([&](MainDialog& w) {
        bool opened = false;
        whenModalOpens<AboutDialog>([&](AboutDialog* about) {
            opened = true;
            about->reject();
        });
        w.systemCommand(0x0013);
        EXPECT_TRUE(opened);
    });
}

TEST_F(MainWindowTest, MenuClose_StopsTheDisplayAndEndsTheRun) {
    const int result = runWindow([&](MainDialog& w) {
        w.systemCommand(kCloseCommand);
        EXPECT_FALSE(w.isVisible());
        EXPECT_FALSE(w.channelDisplay()->running());
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(MainWindowTest, Escape_EndsTheRun) {
    const int result = runWindow([&](MainDialog& w) {
        QTest::keyClick(button(1022), Qt::Key_Escape);
        EXPECT_FALSE(w.isVisible());
        EXPECT_FALSE(w.channelDisplay()->running());
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(MainWindowTest, Enter_PressesTheFocusedButtonElseEndsTheRun) {
    const int result = runWindow([&](MainDialog& w) {
        fake->clearCalls();
        QTest::keyClick(button(1022), Qt::Key_Return);  // GetUser has the focus
        EXPECT_EQ(fake->writes(), std::vector<Bytes>{(Bytes{0x55, 0xFA, 0x00})});
        EXPECT_TRUE(w.isVisible());
        QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier);  // no button has the focus
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(result, QDialog::Accepted);
}

}  // namespace
}  // namespace pelorin::test
