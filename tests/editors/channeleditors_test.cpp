// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// End Point, Reverse, SubTrim, DR and Swash AFR, run through the main window's handler
// sequence on a session with a fake line.

#include <QCheckBox>
#include <QLineEdit>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "dialogkit/dataexchange.h"
#include "editors/channeleditors.h"
#include "editors/editorhandlers.h"
#include "tests/editors/formeditortesting.h"

namespace pelorin::formeditors {
namespace {

using pelorin::test::MessageRecorder;
using pelorin::test::setFieldText;

// The starting block sent unchanged: every end point 100 (0x64), everything else 0.
constexpr std::array<std::uint8_t, 69> kStartingWriteFrame{
    0x55, 0xFF,                          // header, write command
    0x00,                                // 0 model type, stick
    0x00,                                // 1 reverse
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 2..7 dual rates
    0x00, 0x00, 0x00,                    // 8..10 swash AFR
    0x64, 0x64, 0x64, 0x64, 0x64, 0x64, 0x64, 0x64, 0x64, 0x64, 0x64, 0x64,  // 11..22 end points
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 23..32 throttle curve
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 33..42 pitch curve
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                          // 43..48 sub trim
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // 49..60 mix
    0x00, 0x00, 0x00, 0x00,                                                  // 61..64 switch, VR
    0x04, 0xB0,                                                              // sum 12 x 100 = 1200
};

enum class Editor { EndPoint, SubTrim, DualRate, SwashAfr, Reverse };

std::unique_ptr<TemplateDialog> makeEditor(Editor editor, ModelSettings& settings) {
    switch (editor) {
        case Editor::EndPoint:
            return std::make_unique<EndPointDialog>(settings);
        case Editor::SubTrim:
            return std::make_unique<SubTrimDialog>(settings);
        case Editor::DualRate:
            return std::make_unique<DualRateDialog>(settings);
        case Editor::SwashAfr:
            return std::make_unique<SwashAfrDialog>(settings);
        case Editor::Reverse:
            return std::make_unique<ReverseDialog>(settings);
    }
    return nullptr;
}

const char* editorName(Editor editor) {
    switch (editor) {
        case Editor::EndPoint:
            return "EndPoint";
        case Editor::SubTrim:
            return "SubTrim";
        case Editor::DualRate:
            return "DR";
        case Editor::SwashAfr:
            return "SwashAfr";
        case Editor::Reverse:
            return "Reverse";
    }
    return "?";
}

// Opens the editor through its handler, runs `action` on it, returns the handler's outcome.
EditorOutcome runEditor(TemplateDialog& dialog, LinkBench& bench,
                        std::function<void(TemplateDialog*)> action) {
    onOpen<TemplateDialog>(std::move(action));
    return runChannelEditor(dialog, bench.session);
}

// --- One field typed, OK pressed ------------------------------------------------------------

struct FieldCase {
    Editor editor;
    int id;
    QString text;
    std::optional<std::size_t> blockByte;  // where an accepted value lands
    std::uint8_t expectedByte = 0;
    QString refusal;  // the message when refused
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << editorName(c.editor) << " " << c.id << " \"" << c.text.toStdString() << "\"";
}

class ChannelFieldOnOk : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ChannelFieldOnOk, TypedValue_OnOk_IsSentOrRefusedWithTheStandardMessage) {
    const FieldCase& c = GetParam();
    LinkBench bench;
    MessageRecorder messages;
    auto dialog = makeEditor(c.editor, bench.session.settings);
    const ModelSettings before = bench.session.settings;

    bool stayedOpen = false;
    QWidget* focused = nullptr;
    QString selected;
    const EditorOutcome outcome = runEditor(*dialog, bench, [&](TemplateDialog* d) {
        setFieldText(d, c.id, c.text);
        pressOk(d);
        stayedOpen = d->isVisible();
        if (stayedOpen) {
            focused = d->focusWidget();
            selected = d->control<QLineEdit>(c.id)->selectedText();
            pressCancel(d);
        }
    });

    if (c.blockByte) {
        EXPECT_TRUE(outcome.accepted);
        EXPECT_TRUE(messages.messages.isEmpty());
        ASSERT_EQ(bench.writes().size(), 1u);
        EXPECT_EQ(frameByte(bench.writes()[0], *c.blockByte), c.expectedByte);
    } else {
        EXPECT_TRUE(stayedOpen);
        EXPECT_FALSE(outcome.accepted);
        EXPECT_EQ(messages.messages, QStringList{c.refusal});
        EXPECT_EQ(focused, dialog->control(c.id));
        EXPECT_EQ(selected, c.text);
        EXPECT_TRUE(bench.writes().empty());
        EXPECT_EQ(bench.session.settings, before);
    }
}

const QString kNotInteger = QStringLiteral("Please enter an integer.");
const QString kEndPointRange = QStringLiteral("Please enter an integer between 0 and 120.");
const QString kSubTrimRange = QStringLiteral("Please enter an integer between -120 and 120.");
const QString kDualRateRange = QStringLiteral("Please enter an integer between 0 and 100.");
const QString kSwashRange = QStringLiteral("Please enter an integer between -100 and 100.");

INSTANTIATE_TEST_SUITE_P(
    Ranges, ChannelFieldOnOk,
    ::testing::Values(
        // End points: 0..120, left and right fields of every row land in their own bytes.
        FieldCase{Editor::EndPoint, 1015, "120", 12, 120, {}},
        FieldCase{Editor::EndPoint, 1011, "0", 11, 0, {}},
        FieldCase{Editor::EndPoint, 1017, "110", 14, 110, {}},
        FieldCase{Editor::EndPoint, 1016, "7", 13, 7, {}},
        FieldCase{Editor::EndPoint, 1019, "8", 16, 8, {}},
        FieldCase{Editor::EndPoint, 1018, "9", 15, 9, {}},
        FieldCase{Editor::EndPoint, 1023, "10", 18, 10, {}},
        FieldCase{Editor::EndPoint, 1022, "11", 17, 11, {}},
        FieldCase{Editor::EndPoint, 1025, "12", 20, 12, {}},
        FieldCase{Editor::EndPoint, 1024, "13", 19, 13, {}},
        FieldCase{Editor::EndPoint, 1029, "14", 22, 14, {}},
        FieldCase{Editor::EndPoint, 1028, " 15 ", 21, 15, {}},
        FieldCase{Editor::EndPoint, 1015, "121", {}, 0, kEndPointRange},
        FieldCase{Editor::EndPoint, 1028, "-1", {}, 0, kEndPointRange},
        FieldCase{Editor::EndPoint, 1011, "", {}, 0, kNotInteger},
        FieldCase{Editor::EndPoint, 1024, "1 2", {}, 0, kNotInteger},
        // Sub trim: -120..120, ids skip 1014.
        FieldCase{Editor::SubTrim, 1013, "-120", 43, 0x88, {}},
        FieldCase{Editor::SubTrim, 1015, "-5", 44, 0xFB, {}},
        FieldCase{Editor::SubTrim, 1016, "+3", 45, 3, {}},
        FieldCase{Editor::SubTrim, 1017, "4", 46, 4, {}},
        FieldCase{Editor::SubTrim, 1018, "5", 47, 5, {}},
        FieldCase{Editor::SubTrim, 1019, "120", 48, 120, {}},
        FieldCase{Editor::SubTrim, 1019, "121", {}, 0, kSubTrimRange},
        FieldCase{Editor::SubTrim, 1013, "-121", {}, 0, kSubTrimRange},
        // Dual rates: 0..100, ON and OFF of CH1, CH2, CH4 interleaved in the block.
        FieldCase{Editor::DualRate, 1014, "100", 2, 100, {}},
        FieldCase{Editor::DualRate, 1017, "1", 3, 1, {}},
        FieldCase{Editor::DualRate, 1015, "2", 4, 2, {}},
        FieldCase{Editor::DualRate, 1018, "3", 5, 3, {}},
        FieldCase{Editor::DualRate, 1016, "4", 6, 4, {}},
        FieldCase{Editor::DualRate, 1019, "5", 7, 5, {}},
        FieldCase{Editor::DualRate, 1014, "50%", {}, 0, kNotInteger},
        FieldCase{Editor::DualRate, 1019, "101", {}, 0, kDualRateRange},
        FieldCase{Editor::DualRate, 1016, "-1", {}, 0, kDualRateRange},
        // Swash AFR: -100..100 for CH1, CH2, CH6.
        FieldCase{Editor::SwashAfr, 1016, "-100", 8, 0x9C, {}},
        FieldCase{Editor::SwashAfr, 1017, "100", 9, 100, {}},
        FieldCase{Editor::SwashAfr, 1018, "-7", 10, 0xF9, {}},
        FieldCase{Editor::SwashAfr, 1016, "-101", {}, 0, kSwashRange},
        FieldCase{Editor::SwashAfr, 1018, "abc", {}, 0, kNotInteger}));

// --- Several bad fields: the first in checking order is reported ------------------------------

struct OrderCase {
    Editor editor;
    std::vector<std::pair<int, QString>> typed;
    int reportedId;
    QString message;
};

void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << editorName(c.editor) << " reports " << c.reportedId;
}

class ChannelCheckingOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ChannelCheckingOrder, SeveralBadFields_OnOk_FirstInCheckingOrderIsReportedAndFocused) {
    const OrderCase& c = GetParam();
    LinkBench bench;
    MessageRecorder messages;
    auto dialog = makeEditor(c.editor, bench.session.settings);

    QWidget* focused = nullptr;
    runEditor(*dialog, bench, [&](TemplateDialog* d) {
        for (const auto& [id, text] : c.typed)
            setFieldText(d, id, text);
        pressOk(d);
        focused = d->focusWidget();
        pressCancel(d);
    });

    EXPECT_EQ(messages.messages, QStringList{c.message});
    EXPECT_EQ(focused, dialog->control(c.reportedId));
    EXPECT_TRUE(bench.writes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Orders, ChannelCheckingOrder,
    ::testing::Values(
        // The right end point of a row comes before its left one.
        OrderCase{Editor::EndPoint, {{1011, "abc"}, {1015, "200"}}, 1015, kEndPointRange},
        OrderCase{Editor::EndPoint, {{1016, "x"}, {1017, "121"}}, 1017, kEndPointRange},
        // Row by row: CH2's right field before CH3..CH6, CH1 fine.
        OrderCase{Editor::EndPoint, {{1028, "x"}, {1024, "-3"}, {1017, "q"}}, 1017, kNotInteger},
        OrderCase{Editor::EndPoint, {{1028, "x"}, {1029, "500"}}, 1029, kEndPointRange},
        // All ON fields come before any OFF field.
        OrderCase{Editor::DualRate, {{1017, "x"}, {1016, "101"}}, 1016, kDualRateRange},
        OrderCase{Editor::DualRate, {{1019, "x"}, {1018, "101"}}, 1018, kDualRateRange},
        OrderCase{Editor::SubTrim, {{1019, "x"}, {1013, "999"}}, 1013, kSubTrimRange},
        OrderCase{Editor::SwashAfr, {{1018, "x"}, {1017, "101"}}, 1017, kSwashRange}));

// --- Opening ----------------------------------------------------------------------------------

TEST(ChannelEditors, BeforeAnySettingsFrame_OnOpen_EndPointsShow100AndEverythingElse0) {
    LinkBench bench;
    struct Expectation {
        Editor editor;
        std::vector<int> ids;
        QString text;
    };
    const Expectation expectations[] = {
        {Editor::EndPoint,
         {1011, 1015, 1016, 1017, 1018, 1019, 1022, 1023, 1024, 1025, 1028, 1029},
         "100"},
        {Editor::SubTrim, {1013, 1015, 1016, 1017, 1018, 1019}, "0"},
        {Editor::DualRate, {1014, 1015, 1016, 1017, 1018, 1019}, "0"},
        {Editor::SwashAfr, {1016, 1017, 1018}, "0"},
    };
    for (const Expectation& e : expectations) {
        auto dialog = makeEditor(e.editor, bench.session.settings);
        runEditor(*dialog, bench, [&](TemplateDialog* d) {
            for (int id : e.ids)
                EXPECT_EQ(fieldText(d, id), e.text) << editorName(e.editor) << id;
            pressCancel(d);
        });
    }
    ReverseDialog reverse(bench.session.settings);
    runEditor(reverse, bench, [](TemplateDialog* d) {
        for (int id = 1012; id <= 1017; ++id)
            EXPECT_FALSE(d->control<QCheckBox>(id)->isChecked());
        pressCancel(d);
    });
    EXPECT_TRUE(bench.writes().empty());
}

TEST(ChannelEditors, EveryEditor_OnCancel_SendsNothing) {
    for (Editor editor :
         {Editor::EndPoint, Editor::SubTrim, Editor::DualRate, Editor::SwashAfr, Editor::Reverse}) {
        LinkBench bench;
        auto dialog = makeEditor(editor, bench.session.settings);
        const EditorOutcome outcome = runEditor(*dialog, bench, [](TemplateDialog* d) {
            if (auto* edit = d->findChild<QLineEdit*>())
                edit->setText("1");
            pressCancel(d);
        });
        EXPECT_FALSE(outcome.accepted) << editorName(editor);
        EXPECT_TRUE(bench.writes().empty()) << editorName(editor);
        EXPECT_EQ(bench.session.settings, startingSettings()) << editorName(editor);
    }
}

TEST(ChannelEditors, EveryEditor_OnOkWithoutChange_SendsTheStartingBlockOnce) {
    const Bytes golden(kStartingWriteFrame.begin(), kStartingWriteFrame.end());
    for (Editor editor :
         {Editor::EndPoint, Editor::SubTrim, Editor::DualRate, Editor::SwashAfr, Editor::Reverse}) {
        LinkBench bench;
        auto dialog = makeEditor(editor, bench.session.settings);
        const EditorOutcome outcome =
            runEditor(*dialog, bench, [](TemplateDialog* d) { pressOk(d); });
        EXPECT_TRUE(outcome.accepted) << editorName(editor);
        ASSERT_EQ(bench.writes().size(), 1u) << editorName(editor);
        EXPECT_EQ(bench.writes()[0], golden) << editorName(editor);
    }
}

TEST(ChannelEditors, ReceivedValuesOutOfRange_OnOpen_AreShownUnchangedWithoutMessage) {
    LinkBench bench;
    MessageRecorder messages;
    bench.receiveBlockWith({{11, 0x80}, {12, 127}, {2, 0xFF}, {8, 0x9B}, {43, 0x87}});

    EndPointDialog endPoint(bench.session.settings);
    runEditor(endPoint, bench, [](TemplateDialog* d) {
        EXPECT_EQ(fieldText(d, 1011), "-128");
        EXPECT_EQ(fieldText(d, 1015), "127");
        pressCancel(d);
    });
    DualRateDialog dualRate(bench.session.settings);
    runEditor(dualRate, bench, [](TemplateDialog* d) {
        EXPECT_EQ(fieldText(d, 1014), "-1");
        pressCancel(d);
    });
    SwashAfrDialog swash(bench.session.settings);
    runEditor(swash, bench, [](TemplateDialog* d) {
        EXPECT_EQ(fieldText(d, 1016), "-101");
        pressCancel(d);
    });
    SubTrimDialog subTrim(bench.session.settings);
    runEditor(subTrim, bench, [](TemplateDialog* d) {
        EXPECT_EQ(fieldText(d, 1013), "-121");
        pressCancel(d);
    });
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(bench.session.settings.endPointLeft[0], -128);
}

TEST(EndPointDialog, ReceivedByte0x80_OnOk_IsRefusedUntilCorrected) {
    LinkBench bench;
    MessageRecorder messages;
    bench.receiveBlockWith({{11, 0x80}});
    EndPointDialog dialog(bench.session.settings);

    int writesAfterRefusal = -1;
    QWidget* focused = nullptr;
    const EditorOutcome outcome = runEditor(dialog, bench, [&](TemplateDialog* d) {
        pressOk(d);
        writesAfterRefusal = static_cast<int>(bench.writes().size());
        focused = d->focusWidget();
        setFieldText(d, 1011, "5");
        pressOk(d);
    });

    EXPECT_EQ(writesAfterRefusal, 0);
    EXPECT_EQ(focused, dialog.control(1011));
    EXPECT_EQ(messages.messages, QStringList{kEndPointRange});
    EXPECT_TRUE(outcome.accepted);
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(frameByte(bench.writes()[0], 11), 5);
}

// --- A refused OK stores nothing ------------------------------------------------------------

TEST(ChannelEditors, RefusedOkThenCancel_LeavesEveryValueAsBeforeAndLaterWritesCarryThem) {
    struct Case {
        Editor editor;
        std::vector<std::pair<int, QString>> typed;  // good values first, then a bad one
    };
    const Case cases[] = {
        {Editor::EndPoint, {{1015, "110"}, {1011, "abc"}}},
        {Editor::EndPoint, {{1015, "1"}, {1011, "2"}, {1017, "3"}, {1028, "121"}}},
        {Editor::DualRate, {{1014, "50"}, {1015, "60"}, {1019, "50%"}}},
        {Editor::SubTrim, {{1013, "-9"}, {1019, "-121"}}},
        {Editor::SwashAfr, {{1016, "40"}, {1018, "x"}}},
    };
    for (const Case& c : cases) {
        LinkBench bench;
        MessageRecorder messages;
        auto dialog = makeEditor(c.editor, bench.session.settings);
        const ModelSettings before = bench.session.settings;
        bool refused = false;
        runEditor(*dialog, bench, [&](TemplateDialog* d) {
            for (const auto& [id, text] : c.typed)
                setFieldText(d, id, text);
            pressOk(d);
            refused = d->isVisible();
            pressCancel(d);
        });
        EXPECT_TRUE(refused) << editorName(c.editor);
        EXPECT_EQ(bench.session.settings, before) << editorName(c.editor);

        // The next write (another editor's OK) sends the values from before the dialog.
        ASSERT_TRUE(bench.session.writeSettings());
        ASSERT_EQ(bench.writes().size(), 1u);
        EXPECT_EQ(bench.writes()[0], Bytes(kStartingWriteFrame.begin(), kStartingWriteFrame.end()))
            << editorName(c.editor);
    }
}

TEST(EndPointDialog, RefusedOkThenCorrectedOk_SendsOnlyTheCorrectedValues) {
    LinkBench bench;
    MessageRecorder messages;
    EndPointDialog dialog(bench.session.settings);
    runEditor(dialog, bench, [](TemplateDialog* d) {
        setFieldText(d, 1015, "110");
        setFieldText(d, 1011, "abc");
        pressOk(d);
        setFieldText(d, 1011, "90");
        pressOk(d);
    });
    BlockBytes expected = startingBlock();
    expected[11] = 90;
    expected[12] = 110;
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(bench.writes()[0], expectedWriteFrame(expected));
}

// --- Reverse --------------------------------------------------------------------------------

struct ReverseCase {
    std::uint8_t received;
    std::array<bool, 6> checked;
    std::uint8_t sent;
};

class ReverseOnOk : public ::testing::TestWithParam<ReverseCase> {};

TEST_P(ReverseOnOk, CheckedBoxes_OnOk_GiveByte1) {
    const ReverseCase& c = GetParam();
    LinkBench bench;
    bench.receiveBlockWith({{1, c.received}});
    ReverseDialog dialog(bench.session.settings);
    runEditor(dialog, bench, [&](TemplateDialog* d) {
        for (int ch = 0; ch < 6; ++ch) {
            // Opens with bit k of the received byte, the two top bits ignored.
            EXPECT_EQ(d->control<QCheckBox>(1012 + ch)->isChecked(), ((c.received >> ch) & 1) != 0);
            d->control<QCheckBox>(1012 + ch)->setChecked(c.checked[static_cast<std::size_t>(ch)]);
        }
        pressOk(d);
    });
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(frameByte(bench.writes()[0], 1), c.sent);
}

INSTANTIATE_TEST_SUITE_P(
    Bits, ReverseOnOk,
    ::testing::Values(ReverseCase{0x00, {true, true, true, true, true, true}, 0x3F},
                      ReverseCase{0xFF, {false, false, false, false, false, false}, 0x00},
                      ReverseCase{0xC0, {true, false, true, false, false, true}, 0x25},
                      ReverseCase{0x3F, {false, true, false, true, true, false}, 0x1A}));

TEST(ReverseDialog, ClickingABox_OnOk_TogglesItsFlag) {
    LinkBench bench;
    ReverseDialog dialog(bench.session.settings);
    runEditor(dialog, bench, [](TemplateDialog* d) {
        d->control<QCheckBox>(1015)->click();  // CH4
        pressOk(d);
    });
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(frameByte(bench.writes()[0], 1), 0x08);
    EXPECT_TRUE(bench.session.settings.reverse[3]);
}

// --- A SettingsFrame while an editor is open ------------------------------------------------

TEST(ChannelEditors, SettingsFrameWhileOpen_OnOk_DialogFieldsOverwriteReceivedValuesOfThatDialog) {
    LinkBench bench;
    EndPointDialog dialog(bench.session.settings);
    BlockBytes received = startingBlock();
    for (std::size_t i = 11; i <= 22; ++i)
        received[i] = 50;
    received[43] = 7;    // sub trim CH1: not this dialog's, kept as received
    received[8] = 0xF6;  // swash AFR CH1 -10
    int shownLeft = 0;
    int storedDuringRun = 0;

    runEditor(dialog, bench, [&](TemplateDialog* d) {
        setFieldText(d, 1015, "110");
        bench.receiveBlock(received);
        storedDuringRun = bench.session.settings.endPointRight[0];
        shownLeft = fieldText(d, 1011).toInt();
        pressOk(d);
    });

    EXPECT_EQ(storedDuringRun, 50);  // the frame did reach the stored values
    EXPECT_EQ(shownLeft, 100);       // but not the open dialog's fields
    BlockBytes expected = received;
    for (std::size_t i = 11; i <= 22; ++i)
        expected[i] = 100;
    expected[12] = 110;
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(bench.writes()[0], expectedWriteFrame(expected));
}

TEST(ChannelEditors, SettingsFrameWhileOpen_OnCancel_ReceivedValuesStay) {
    LinkBench bench;
    SubTrimDialog dialog(bench.session.settings);
    BlockBytes received = startingBlock();
    received[44] = 0xFE;  // sub trim CH2 -2
    runEditor(dialog, bench, [&](TemplateDialog* d) {
        setFieldText(d, 1015, "33");
        bench.receiveBlock(received);
        pressCancel(d);
    });
    EXPECT_TRUE(bench.writes().empty());
    EXPECT_EQ(bench.session.settings.subTrim[1], -2);
}

}  // namespace
}  // namespace pelorin::formeditors
