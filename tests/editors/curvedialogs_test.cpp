// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The throttle and pitch curve editors as the main window runs them: bytes in, edits and graph,
// the NOR/ID switch, OK writing exactly one WriteFrame, Cancel writing nothing.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <cstdint>

#include "dialogkit/dataexchange.h"
#include "editors/curvedialogs.h"
#include "editors/editorhandlers.h"
#include "link/frames.h"
#include "tests/editors/curvemixtesting.h"

namespace pelorin::test {
namespace {

constexpr std::size_t kThrottle = block::kThrottleCurve;  // 23
constexpr std::size_t kPitch = block::kPitchCurve;        // 33
constexpr int kEp0 = CurveDialog::kIdFirstPoint;          // 1016..1020

// NOR 0, 25, 50, 75, 100 and ID 100, 90, 80, 70, 60, interleaved point by point.
constexpr std::array<std::uint8_t, 10> kRisingAndFalling{0, 100, 25, 90, 50, 80, 75, 70, 100, 60};

// The starting block (end points 100) after the throttle NOR curve was typed as
// "-20", "127", " 0", "+12 ", "-128" and confirmed: EC 00 7F 00 00 00 0C 00 80 00.
constexpr std::array<std::uint8_t, kWriteFrameSize> kThrottleTypedFrame{
    0x55, 0xFF,                                                  // header, write command
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // bytes 0..9
    0x00, 0x64, 0x64, 0x64, 0x64, 0x64, 0x64, 0x64, 0x64, 0x64,  // bytes 10..19
    0x64, 0x64, 0x64, 0xEC, 0x00, 0x7F, 0x00, 0x00, 0x00, 0x0C,  // bytes 20..29
    0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // bytes 30..39
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // bytes 40..49
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // bytes 50..59
    0x00, 0x00, 0x00, 0x00, 0x00,                                // bytes 60..64
    0x06, 0xA7,                                                  // sum 1703
};

QStringList pointTexts(QDialog* dialog) {
    QStringList texts;
    for (int i = 0; i < 5; ++i)
        texts << fieldText(dialog, kEp0 + i);
    return texts;
}

class CurveEditorTest : public EditorSessionTest {
protected:
    void putCurve(std::size_t offset, const std::array<std::uint8_t, 10>& bytes) {
        std::copy(bytes.begin(), bytes.end(), session.blockBytes.begin() + std::ptrdiff_t(offset));
    }

    int liveAux = 0;
    ThrottleCurveDialog throttle{[this] { return liveAux; }};
    PitchCurveDialog pitch{[this] { return liveAux; }};
};

TEST_F(CurveEditorTest, Templates_HaveTheirCaptionsIdsAndGraphSizes) {
    EXPECT_EQ(throttle.windowTitle(), "Thro Curv");
    EXPECT_EQ(pitch.windowTitle(), "Pitch Curv");
    EXPECT_EQ(throttle.size(), QSize(273, 240));
    EXPECT_EQ(pitch.size(), QSize(276, 224));
    ASSERT_NE(throttle.control(ThrottleCurveDialog::kIdGraph), nullptr);
    ASSERT_NE(pitch.control(PitchCurveDialog::kIdGraph), nullptr);
    EXPECT_EQ(throttle.control(1030)->geometry(), QRect(150, 24, 105, 140));
    EXPECT_EQ(pitch.control(1000)->geometry(), QRect(143, 14, 120, 160));
    EXPECT_EQ(throttle.timerIdentifier(), 0);
    EXPECT_EQ(pitch.timerIdentifier(), 1);
    for (CurveDialog* dialog :
         {static_cast<CurveDialog*>(&throttle), static_cast<CurveDialog*>(&pitch)}) {
        auto* box = dialog->control<QComboBox>(CurveDialog::kIdModelBox);
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(box->isEditable());
        ASSERT_EQ(box->count(), 2);
        EXPECT_EQ(box->itemText(0), "NOR");
        EXPECT_EQ(box->itemText(1), "ID");
        for (int id = kEp0; id < kEp0 + 5; ++id)
            EXPECT_NE(dialog->control<QLineEdit>(id), nullptr);
    }
}

TEST_F(CurveEditorTest, Templates_ShowEveryTextWholeWithoutOverlaps) {
    expectReadableLayout(&throttle);
    expectReadableLayout(&pitch);
}

TEST_F(CurveEditorTest, OpenThrottle_ShowsNorPointsAndIdOnChoosingIt) {
    putCurve(kThrottle, kRisingAndFalling);
    whenOpen<ThrottleCurveDialog>([](ThrottleCurveDialog* d) {
        EXPECT_EQ(pointTexts(d), QStringList({"0", "25", "50", "75", "100"}));
        EXPECT_EQ(d->control<QComboBox>(CurveDialog::kIdModelBox)->currentIndex(), 0);
        EXPECT_TRUE(d->following());
        EXPECT_EQ(d->focusWidget(), d->control(kIdOk));
        chooseEntry(d, CurveDialog::kIdModelBox, 1);
        EXPECT_EQ(pointTexts(d), QStringList({"100", "90", "80", "70", "60"}));
        clickButton(d, kIdCancel);
        EXPECT_FALSE(d->following());
    });
    const EditorOutcome outcome = runCurveEditor(throttle, session);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_TRUE(writes().empty());
}

TEST_F(CurveEditorTest, TypedValues_StoredAsSignedBytes) {
    whenOpen<ThrottleCurveDialog>([](ThrottleCurveDialog* d) {
        setFieldText(d, kEp0 + 0, "-20");
        setFieldText(d, kEp0 + 1, "127");
        setFieldText(d, kEp0 + 2, " 0");
        setFieldText(d, kEp0 + 3, "+12 ");
        setFieldText(d, kEp0 + 4, "-128");
        clickButton(d, kIdOk);
    });
    const EditorOutcome outcome = runCurveEditor(throttle, session);
    EXPECT_TRUE(outcome.accepted);
    EXPECT_TRUE(outcome.write.ok());
    ASSERT_EQ(writes().size(), 1u);
    EXPECT_EQ(testing::hexBytes(writes()[0]), testing::hexBytes(kThrottleTypedFrame));

    // Reopened, the stored bytes read back as signed, the ends of the range included.
    whenOpen<ThrottleCurveDialog>([](ThrottleCurveDialog* d) {
        EXPECT_EQ(pointTexts(d), QStringList({"-20", "127", "0", "12", "-128"}));
    });
    runCurveEditor(throttle, session);
}

// Text that is no integer, or a point beyond a signed byte, would reach the transmitter as
// another number: OK refuses it with the standard message, stores and sends nothing, and stays
// on the field as typed. Typed into the curve shown, it is refused by OK; typed into the other
// curve, by the switch back, which keeps that curve in view.
TEST_F(CurveEditorTest, PointThatIsNoSignedByte_RefusedOnTheFieldAsTyped) {
    struct Case {
        const char* text;
        int point;
        bool typedIntoId;  // typed into ID, then the MODEL box switched back to NOR
        bool range;        // the range message, else the integer one
    };
    const Case cases[] = {
        {"abc", 2, false, false},    {"7S", 3, false, false},          {"", 0, false, false},
        {"12ab", 1, false, false},   {"1 2", 4, false, false},         {"50%", 2, false, false},
        {"300abc", 2, false, false}, {"99999999999", 1, false, false}, {"128", 0, false, true},
        {"-129", 4, false, true},    {"abc", 2, true, false},          {"-200", 3, true, true},
    };
    putCurve(kThrottle, kRisingAndFalling);
    const BlockBytes before = session.blockBytes;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.typedIntoId ? " into ID" : ""));
        recorder.messages.clear();
        const int id = kEp0 + c.point;
        whenOpen<ThrottleCurveDialog>([&](ThrottleCurveDialog* d) {
            if (c.typedIntoId)
                chooseEntry(d, CurveDialog::kIdModelBox, CurveDialog::kCurveId);
            setFieldText(d, id, c.text);
            if (c.typedIntoId)
                chooseEntry(d, CurveDialog::kIdModelBox, CurveDialog::kCurveNor);
            else
                clickButton(d, kIdOk);
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(recorder.messages, QStringList{c.range ? integerRangeMessage(-128, 127)
                                                             : integerExpectedMessage()});
            EXPECT_EQ(d->control<QComboBox>(CurveDialog::kIdModelBox)->currentIndex(),
                      c.typedIntoId ? CurveDialog::kCurveId : CurveDialog::kCurveNor);
            auto* edit = d->control<QLineEdit>(id);
            EXPECT_TRUE(edit->hasFocus());
            EXPECT_EQ(edit->selectedText(), edit->text());
            EXPECT_EQ(edit->text(), c.text);
            EXPECT_TRUE(d->following());
            QTest::keyClick(d, Qt::Key_Escape);
        });
        EXPECT_FALSE(runCurveEditor(throttle, session).accepted);
        EXPECT_EQ(session.blockBytes, before);
        EXPECT_TRUE(writes().empty());
    }
}

TEST_F(CurveEditorTest, SwitchingNorToId_KeepsTheNorEditsAndOkStoresBoth) {
    putCurve(kThrottle, kRisingAndFalling);
    whenOpen<ThrottleCurveDialog>([](ThrottleCurveDialog* d) {
        setFieldText(d, kEp0 + 2, "40");
        chooseEntry(d, CurveDialog::kIdModelBox, 1);
        setFieldText(d, kEp0 + 0, "65");
        // Back to NOR shows what was typed there, then on to ID again.
        chooseEntry(d, CurveDialog::kIdModelBox, 0);
        EXPECT_EQ(pointTexts(d), QStringList({"0", "25", "40", "75", "100"}));
        chooseEntry(d, CurveDialog::kIdModelBox, 1);
        EXPECT_EQ(pointTexts(d), QStringList({"65", "90", "80", "70", "60"}));
        clickButton(d, kIdOk);
    });
    ASSERT_TRUE(runCurveEditor(throttle, session).accepted);
    const std::array<std::uint8_t, 10> expected{0, 65, 25, 90, 40, 80, 75, 70, 100, 60};
    const auto frames = writes();
    ASSERT_EQ(frames.size(), 1u);
    const auto& frame = frames[0];
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(frame[2 + kThrottle + i], expected[i]) << "curve byte " << i;
    BlockBytes block = startingBlock();
    std::copy(expected.begin(), expected.end(), block.begin() + std::ptrdiff_t(kThrottle));
    EXPECT_EQ(testing::hexBytes(frame), testing::hexBytes(writeFrame(block)));
}

TEST_F(CurveEditorTest, PitchOk_WritesBytes33To42AndLeavesThrottleAlone) {
    putCurve(kThrottle, kRisingAndFalling);
    putCurve(kPitch, kRisingAndFalling);
    whenOpen<PitchCurveDialog>([](PitchCurveDialog* d) {
        EXPECT_EQ(pointTexts(d), QStringList({"0", "25", "50", "75", "100"}));
        setFieldText(d, kEp0 + 4, "-5");
        clickButton(d, kIdOk);
    });
    ASSERT_TRUE(runCurveEditor(pitch, session).accepted);
    ASSERT_EQ(writes().size(), 1u);
    EXPECT_EQ(writes()[0][2 + kPitch + 8], 0xFB);
    EXPECT_EQ(writes()[0][2 + kThrottle + 8], 100);
}

TEST_F(CurveEditorTest, CancelAfterEditing_LeavesBlockBytesAndSendsNothing) {
    putCurve(kPitch, kRisingAndFalling);
    const BlockBytes before = session.blockBytes;
    whenOpen<PitchCurveDialog>([](PitchCurveDialog* d) {
        setFieldText(d, kEp0, "77");
        chooseEntry(d, CurveDialog::kIdModelBox, 1);
        setFieldText(d, kEp0, "88");
        QTest::keyClick(d, Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible());
        EXPECT_FALSE(d->following());
    });
    EXPECT_FALSE(runCurveEditor(pitch, session).accepted);
    EXPECT_EQ(session.blockBytes, before);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(CurveEditorTest, Tick_RedrawsTypedPointsAndTheMovingMarker) {
    liveAux = 0;
    whenOpen<ThrottleCurveDialog>([this](ThrottleCurveDialog* d) {
        setFieldText(d, kEp0 + 1, "50x");
        liveAux = 700;  // 700 div (1024 div 105 = 9) = column 77
        QTest::qWait(3 * CurveDialog::kTickMs);
        EXPECT_EQ(d->shownPoints()[1], 50);
        const QImage image = d->graph()->renderFrame();
        ASSERT_EQ(image.size(), QSize(105, 140));
        int markerRows = 0;
        for (int y = 0; y < image.height(); ++y)
            markerRows += image.pixel(77, y) == kCurveGraphPen ? 1 : 0;
        EXPECT_EQ(markerRows, 140);
        // EP1 = 50 sits at column 27, row 139 - 50 * 1.4 = 69.
        EXPECT_EQ(image.pixel(27, 69), kCurveGraphPen);
    });
    runCurveEditor(throttle, session);
}

// Counted, not timed: news that leaves the points and the marker column as they were costs no
// redraw; a moved marker or a changed point costs one.
TEST_F(CurveEditorTest, Graph_RedrawsOnlyWhenItsPointsOrMarkerColumnChange) {
    liveAux = 0;
    whenOpen<ThrottleCurveDialog>([this](ThrottleCurveDialog* d) {
        struct Counter : QObject {
            int count = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                count += e->type() == QEvent::Paint ? 1 : 0;
                return false;
            }
        } paints;
        d->graph()->installEventFilter(&paints);
        d->redrawSoon();  // the first change after opening draws the graph afresh
        ASSERT_TRUE(QTest::qWaitFor([&] { return paints.count > 0; }));
        const auto settle = [] { QTest::qWait(2 * CurveDialog::kTickMs); };
        settle();
        paints.count = 0;

        d->redrawSoon();
        liveAux = 8;  // still column 0 (8 div 9)
        d->redrawSoon();
        setFieldText(d, kEp0 + 1, "0 %");  // still 0
        settle();
        EXPECT_EQ(paints.count, 0);

        liveAux = 700;
        d->redrawSoon();
        EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count == 1; })) << paints.count;
        setFieldText(d, kEp0 + 1, "40");
        EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count == 2; })) << paints.count;
        settle();
        EXPECT_EQ(paints.count, 2);
        d->graph()->removeEventFilter(&paints);
    });
    runCurveEditor(throttle, session);
}

TEST_F(CurveEditorTest, SettingsFrameWhileOpen_OkWritesTheDialogsTenValuesOverIt) {
    putCurve(kThrottle, kRisingAndFalling);
    BlockBytes received = startingBlock();
    received[block::kEndPoint + 1] = 0x50;
    std::fill_n(received.begin() + std::ptrdiff_t(kThrottle), 10, std::uint8_t{0x11});
    whenOpen<ThrottleCurveDialog>([&](ThrottleCurveDialog* d) {
        const auto frame = settingsFrame(received);
        session.receive(frame);
        EXPECT_EQ(session.blockBytes[kThrottle], 0x11);
        EXPECT_EQ(d->curvePoints()[0], 0);  // the dialog keeps what it opened with
        clickButton(d, kIdOk);
    });
    ASSERT_TRUE(runCurveEditor(throttle, session).accepted);
    BlockBytes expected = received;
    std::copy(kRisingAndFalling.begin(), kRisingAndFalling.end(),
              expected.begin() + std::ptrdiff_t(kThrottle));
    ASSERT_EQ(writes().size(), 1u);
    EXPECT_EQ(testing::hexBytes(writes()[0]), testing::hexBytes(writeFrame(expected)));
}

TEST_F(CurveEditorTest, Reopening_AlwaysStartsOnNorWithTheBlocksValues) {
    putCurve(kThrottle, kRisingAndFalling);
    whenOpen<ThrottleCurveDialog>([](ThrottleCurveDialog* d) {
        chooseEntry(d, CurveDialog::kIdModelBox, 1);
        setFieldText(d, kEp0, "33");
        clickButton(d, kIdCancel);
    });
    runCurveEditor(throttle, session);
    whenOpen<ThrottleCurveDialog>([](ThrottleCurveDialog* d) {
        EXPECT_EQ(d->control<QComboBox>(CurveDialog::kIdModelBox)->currentIndex(), 0);
        EXPECT_EQ(pointTexts(d), QStringList({"0", "25", "50", "75", "100"}));
        EXPECT_EQ(d->curvePoints()[1], 100);
    });
    runCurveEditor(throttle, session);
}

}  // namespace
}  // namespace pelorin::test
