// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program mix editor as the main window runs it: reading a mix into the boxes and edits,
// storing on the Mix Num focus and on OK, the encodings, validation, and what a settings frame
// that arrives while it is open does.

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <cstdint>

#include "editors/editorhandlers.h"
#include "editors/programmixdialog.h"
#include "link/frames.h"
#include "tests/editors/curvemixtesting.h"

namespace pelorin::test {
namespace {

using Dialog = ProgramMixDialog;

// MIX 1: source CH6 (5), destination CH3 (2), up 50, down -50, switch ON; MIX 2 and 3 zero.
constexpr ProgramMix kCh6IntoCh3{0x52, 0x32, 0xCE, 0x02, 0, 0, 0, 0, 0, 0, 0, 0};
const QString kRangeMessage = QStringLiteral("Please enter an integer between -100 and 100.");

QComboBox* box(QDialog* dialog, int id) {
    return dialog->findChild<QComboBox*>(QStringLiteral("control%1").arg(id));
}
QLineEdit* edit(QDialog* dialog, int id) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("control%1").arg(id));
}

// The Mix Num box takes the focus as when the user tabs or clicks into it.
void focusMixNum(QDialog* dialog, Qt::FocusReason reason = Qt::TabFocusReason) {
    box(dialog, Dialog::kIdMixNum)->setFocus(reason);
}

class ProgramMixEditorTest : public EditorSessionTest {
protected:
    ProgramMix& programMix = session.settings.programMix;
    Dialog dialog{session.settings.programMix};

    // The programMix bytes of the one WriteFrame sent.
    ProgramMix writtenMix() {
        ProgramMix mix{};
        const auto frames = writes();
        if (frames.size() != 1) {
            ADD_FAILURE() << frames.size() << " frames written";
            return mix;
        }
        std::copy_n(frames[0].begin() + 2 + block::kProgramMix, mix.size(), mix.begin());
        return mix;
    }
};

TEST_F(ProgramMixEditorTest, Template_ListsTabOrderAndFocus) {
    EXPECT_EQ(dialog.windowTitle(), "PROGRAM MIX");
    EXPECT_EQ(dialog.size(), QSize(281, 222));
    const std::array<std::pair<int, QStringList>, 4> lists{{
        {Dialog::kIdMixNum, {"MIX 1", "MIX 2", "MIX 3"}},
        {Dialog::kIdSource, {"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "VR A", "VR B"}},
        {Dialog::kIdDes, {"CH1", "CH2", "CH3", "CH4", "CH5", "CH6"}},
        {Dialog::kIdSwitch, {"SW A", "SW B", "ON", "OFF"}},
    }};
    for (const auto& [id, items] : lists) {
        QComboBox* b = box(&dialog, id);
        ASSERT_NE(b, nullptr) << id;
        EXPECT_FALSE(b->isEditable()) << id;
        QStringList shown;
        for (int i = 0; i < b->count(); ++i)
            shown << b->itemText(i);
        EXPECT_EQ(shown, items) << id;
    }

    whenOpen<Dialog>([](Dialog* d) {
        EXPECT_EQ(d->focusWidget(), d->control(kIdOk));
        const std::array<int, 8> tabOrder{
            kIdOk,          kIdCancel,         Dialog::kIdMixNum,   Dialog::kIdSource,
            Dialog::kIdDes, Dialog::kIdUpRate, Dialog::kIdDownRate, Dialog::kIdSwitch};
        QWidget* w = d->control(kIdOk);
        for (std::size_t i = 1; i < tabOrder.size(); ++i) {
            do {
                w = w->nextInFocusChain();
            } while (w->focusPolicy() == Qt::NoFocus || !w->property("controlId").isValid());
            EXPECT_EQ(w->property("controlId").toInt(), tabOrder[i]) << "tab stop " << i;
        }
    });
    runProgramMixEditor(dialog, session);
}

TEST_F(ProgramMixEditorTest, Template_ShowsEveryTextWholeWithoutOverlaps) {
    expectReadableLayout(&dialog);
}

TEST_F(ProgramMixEditorTest, StoredMix_ShowsSourceDestinationRatesAndSwitch) {
    programMix = kCh6IntoCh3;
    whenOpen<Dialog>([](Dialog* d) {
        EXPECT_EQ(box(d, Dialog::kIdMixNum)->currentText(), "MIX 1");
        EXPECT_EQ(box(d, Dialog::kIdSource)->currentText(), "CH6");
        EXPECT_EQ(box(d, Dialog::kIdDes)->currentText(), "CH3");
        EXPECT_EQ(fieldText(d, Dialog::kIdUpRate), "50");
        EXPECT_EQ(fieldText(d, Dialog::kIdDownRate), "-50");
        EXPECT_EQ(box(d, Dialog::kIdSwitch)->currentText(), "ON");
    });
    EXPECT_FALSE(runProgramMixEditor(dialog, session).accepted);
    EXPECT_TRUE(recorder.messages.isEmpty());
}

TEST_F(ProgramMixEditorTest, SourceVrA_OkWithoutTouchingMixNum_StoresRoute6IntoDestination) {
    programMix = kCh6IntoCh3;
    whenOpen<Dialog>([](Dialog* d) {
        chooseEntry(d, Dialog::kIdSource, 6);
        clickButton(d, kIdOk);
    });
    const EditorOutcome outcome = runProgramMixEditor(dialog, session);
    EXPECT_TRUE(outcome.accepted);
    ProgramMix expected = kCh6IntoCh3;
    expected[0] = 0x62;
    EXPECT_EQ(programMix, expected);
    EXPECT_EQ(writtenMix(), expected);
}

TEST_F(ProgramMixEditorTest, TwoMixesChanged_BothStoredByFocusAndByOk) {
    whenOpen<Dialog>([](Dialog* d) {
        setFieldText(d, Dialog::kIdUpRate, "30");
        focusMixNum(d);
        chooseEntry(d, Dialog::kIdMixNum, 1);
        setFieldText(d, Dialog::kIdDownRate, "-20");
        clickButton(d, kIdOk);
    });
    ASSERT_TRUE(runProgramMixEditor(dialog, session).accepted);
    const ProgramMix expected{0x00, 0x1E, 0x00, 0x00, 0x00, 0x00, 0xEC, 0x00, 0, 0, 0, 0};
    EXPECT_EQ(programMix, expected);
    BlockBytes block = startingBlock();
    std::copy(expected.begin(), expected.end(), block.begin() + block::kProgramMix);
    ASSERT_EQ(writes().size(), 1u);
    EXPECT_EQ(testing::hexBytes(writes()[0]), testing::hexBytes(writeFrame(block)));
    EXPECT_TRUE(recorder.messages.isEmpty());
}

TEST_F(ProgramMixEditorTest, ChoosingAnotherMix_ShowsItsRatesFromTheWorkingCopy) {
    programMix = {0x10, 0x0A, 0xF6, 0x01, 0x7F, 0x9C, 0x64, 0x03, 0x00, 0x00, 0x00, 0x00};
    whenOpen<Dialog>([](Dialog* d) {
        focusMixNum(d);
        chooseEntry(d, Dialog::kIdMixNum, 1);
        // 0x7F: source 7 "VR B", destination 15 is beyond CH6 and shows CH1.
        EXPECT_EQ(box(d, Dialog::kIdSource)->currentText(), "VR B");
        EXPECT_EQ(box(d, Dialog::kIdDes)->currentText(), "CH1");
        EXPECT_EQ(fieldText(d, Dialog::kIdUpRate), "-100");
        EXPECT_EQ(fieldText(d, Dialog::kIdDownRate), "100");
        EXPECT_EQ(box(d, Dialog::kIdSwitch)->currentText(), "OFF");
        EXPECT_EQ(d->upRate(), -100);
    });
    runProgramMixEditor(dialog, session);
}

TEST_F(ProgramMixEditorTest, UpRate101AndOk_OneRangeMessageAndNothingStored) {
    programMix = kCh6IntoCh3;
    whenOpen<Dialog>([this](Dialog* d) {
        setFieldText(d, Dialog::kIdUpRate, "101");
        setFieldText(d, Dialog::kIdDownRate, "abc");  // also wrong, but only the first counts
        clickButton(d, kIdOk);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(recorder.messages, QStringList{kRangeMessage});
        EXPECT_TRUE(edit(d, Dialog::kIdUpRate)->hasFocus());
        EXPECT_EQ(edit(d, Dialog::kIdUpRate)->selectedText(), "101");
        EXPECT_EQ(d->mixWork(), kCh6IntoCh3);
        clickButton(d, kIdCancel);
    });
    EXPECT_FALSE(runProgramMixEditor(dialog, session).accepted);
    EXPECT_EQ(programMix, kCh6IntoCh3);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(ProgramMixEditorTest, WrongRateOnMixNumFocus_ReportedOnceAndTheBoxStaysPut) {
    programMix = kCh6IntoCh3;
    whenOpen<Dialog>([this](Dialog* d) {
        setFieldText(d, Dialog::kIdUpRate, "101");
        focusMixNum(d);
        EXPECT_EQ(recorder.messages.size(), 1);
        EXPECT_TRUE(edit(d, Dialog::kIdUpRate)->hasFocus());

        // The focus coming back when a message box closes is no new visit: no second report.
        QFocusEvent reactivated(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(box(d, Dialog::kIdMixNum), &reactivated);
        EXPECT_EQ(recorder.messages.size(), 1);

        // A click on the box reports again, but must not open the list over the wrong field.
        QComboBox* mixNum = box(d, Dialog::kIdMixNum);
        QTest::mouseClick(mixNum, Qt::LeftButton);
        EXPECT_EQ(recorder.messages.size(), 2);
        EXPECT_FALSE(mixNum->view()->isVisible());
        EXPECT_EQ(mixNum->currentIndex(), 0);
        EXPECT_EQ(d->mixWork(), kCh6IntoCh3);

        // Corrected, the next click stores and opens the list.
        setFieldText(d, Dialog::kIdUpRate, "30");
        QTest::mouseClick(mixNum, Qt::LeftButton);
        EXPECT_EQ(recorder.messages.size(), 2);
        EXPECT_TRUE(mixNum->view()->isVisible());
        EXPECT_EQ(d->mixWork()[1], 30);
        mixNum->hidePopup();
        clickButton(d, kIdCancel);
    });
    runProgramMixEditor(dialog, session);
}

TEST_F(ProgramMixEditorTest, MessageThatHandsTheFocusBack_DoesNotStoreAgain) {
    // A message box that returns the focus to the Mix Num box on closing, as a window manager
    // restoring the focus would: the store must not start again from inside its own message.
    programMix = kCh6IntoCh3;
    QPointer<QComboBox> mixNum;
    QPointer<QWidget> okButton;
    int reports = 0;
    const MessageHook previous = setMessageHook([&](QWidget*, const QString&) {
        ++reports;
        if (mixNum && okButton && reports < 10) {
            okButton->setFocus(Qt::OtherFocusReason);
            mixNum->setFocus(Qt::OtherFocusReason);
        }
    });
    whenOpen<Dialog>([&](Dialog* d) {
        mixNum = box(d, Dialog::kIdMixNum);
        okButton = d->control(kIdOk);
        setFieldText(d, Dialog::kIdDownRate, "-101");
        focusMixNum(d);
        EXPECT_EQ(reports, 1);
        EXPECT_TRUE(edit(d, Dialog::kIdDownRate)->hasFocus());
        clickButton(d, kIdCancel);
    });
    runProgramMixEditor(dialog, session);
    setMessageHook(previous);
}

TEST_F(ProgramMixEditorTest, UpRateMinus100_StoredAs0x9CAndReadBack) {
    whenOpen<Dialog>([](Dialog* d) {
        setFieldText(d, Dialog::kIdUpRate, "-100");
        clickButton(d, kIdOk);
    });
    ASSERT_TRUE(runProgramMixEditor(dialog, session).accepted);
    EXPECT_EQ(programMix[1], 0x9C);
    whenOpen<Dialog>([](Dialog* d) { EXPECT_EQ(fieldText(d, Dialog::kIdUpRate), "-100"); });
    runProgramMixEditor(dialog, session);
}

TEST_F(ProgramMixEditorTest, RouteFF_ShowsCh1Ch1AndStaysUntilItsMixIsStored) {
    programMix = {0x10, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0};
    whenOpen<Dialog>([](Dialog* d) {
        focusMixNum(d);
        chooseEntry(d, Dialog::kIdMixNum, 1);
        EXPECT_EQ(box(d, Dialog::kIdSource)->currentText(), "CH1");
        EXPECT_EQ(box(d, Dialog::kIdDes)->currentText(), "CH1");
        d->control(kIdOk)->setFocus();
        focusMixNum(d);  // stores MIX 2 as shown
        chooseEntry(d, Dialog::kIdMixNum, 0);
        EXPECT_EQ(d->mixWork()[4], 0x00);
        clickButton(d, kIdCancel);
    });
    runProgramMixEditor(dialog, session);
    EXPECT_EQ(programMix[4], 0xFF);

    // Confirming another mix leaves the 0xFF as it was.
    whenOpen<Dialog>([](Dialog* d) { clickButton(d, kIdOk); });
    ASSERT_TRUE(runProgramMixEditor(dialog, session).accepted);
    EXPECT_EQ(writtenMix()[4], 0xFF);
}

TEST_F(ProgramMixEditorTest, SwitchByte7_ShowsNoSwitchAndStoresFF) {
    programMix = {0x21, 0x05, 0x06, 0x07, 0, 0, 0, 0, 0, 0, 0, 0};
    whenOpen<Dialog>([](Dialog* d) {
        EXPECT_EQ(box(d, Dialog::kIdSwitch)->currentIndex(), -1);
        EXPECT_EQ(box(d, Dialog::kIdSwitch)->currentText(), "");
        clickButton(d, kIdOk);
    });
    ASSERT_TRUE(runProgramMixEditor(dialog, session).accepted);
    const ProgramMix expected{0x21, 0x05, 0x06, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(writtenMix(), expected);
}

TEST_F(ProgramMixEditorTest, CancelAfterChangingTwoMixes_LeavesProgramMixAndSendsNothing) {
    programMix = kCh6IntoCh3;
    whenOpen<Dialog>([](Dialog* d) {
        chooseEntry(d, Dialog::kIdSource, 0);
        focusMixNum(d);
        chooseEntry(d, Dialog::kIdMixNum, 2);
        setFieldText(d, Dialog::kIdUpRate, "99");
        chooseEntry(d, Dialog::kIdSwitch, 3);
        d->control(kIdOk)->setFocus();
        focusMixNum(d);
        EXPECT_NE(d->mixWork(), kCh6IntoCh3);
        clickButton(d, kIdCancel);
    });
    EXPECT_FALSE(runProgramMixEditor(dialog, session).accepted);
    EXPECT_EQ(programMix, kCh6IntoCh3);
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(ProgramMixEditorTest, StoredRateOutOfRange_ReportedOnceOnOpeningWhichStillShowsIt) {
    programMix = {0x00, 0x78, 0x80, 0x00, 0, 0, 0, 0, 0, 0, 0, 0};  // up 120, down -128
    bool opened = false;
    whenOpen<Dialog>([&](Dialog* d) {
        opened = true;
        EXPECT_EQ(fieldText(d, Dialog::kIdUpRate), "120");
        EXPECT_EQ(fieldText(d, Dialog::kIdDownRate), "-128");
        EXPECT_EQ(recorder.messages, QStringList{kRangeMessage});
    });
    runProgramMixEditor(dialog, session);
    EXPECT_TRUE(opened);
    EXPECT_EQ(recorder.messages.size(), 1);
}

TEST_F(ProgramMixEditorTest, SettingsFrameWhileOpen_DroppedByOkKeptByCancel) {
    BlockBytes received = startingBlock();
    const ProgramMix receivedMix{0x43, 0x0A, 0x0B, 0x01, 0x12, 0, 0, 2, 0, 0, 0, 3};
    std::copy(receivedMix.begin(), receivedMix.end(), received.begin() + block::kProgramMix);
    const auto frame = settingsFrame(received);

    programMix = kCh6IntoCh3;
    whenOpen<Dialog>([&](Dialog* d) {
        session.receive(frame);
        EXPECT_EQ(programMix, receivedMix);
        clickButton(d, kIdCancel);
    });
    runProgramMixEditor(dialog, session);
    EXPECT_EQ(programMix, receivedMix);

    programMix = kCh6IntoCh3;
    whenOpen<Dialog>([&](Dialog* d) {
        session.receive(frame);
        clickButton(d, kIdOk);
    });
    ASSERT_TRUE(runProgramMixEditor(dialog, session).accepted);
    EXPECT_EQ(programMix, kCh6IntoCh3);
    EXPECT_EQ(writtenMix(), kCh6IntoCh3);
}

}  // namespace
}  // namespace pelorin::test
