// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Switch Selector and VR Selector, run through the main window's handler sequences: the model
// type comes from byte 0 of the block, the value from the settings.

#include <QComboBox>

#include <array>

#include "editors/editorhandlers.h"
#include "editors/selectdialogs.h"
#include "tests/editors/formeditortesting.h"

namespace pelorin::formeditors {
namespace {

constexpr int kListId = 1015;

const QStringList kAcroSwitches{"NULL", "DR", "ThroCut"};
const QStringList kHeliSwitches{"NULL", "DR", "ThroCut", "NOR/ID"};
const QStringList kAcroVrs{"NULL"};
const QStringList kHeliVrs{"NULL", "Pith Adjust"};

std::uint8_t withModelType(std::uint8_t nibble) {
    return static_cast<std::uint8_t>(0x10 | nibble);
}

// --- Lists by model type --------------------------------------------------------------------

class SelectListsByModelType : public ::testing::TestWithParam<int> {};

TEST_P(SelectListsByModelType, ModelTypeNibble_OnOpen_OffersHelicopterEntriesUnlessZero) {
    const auto nibble = static_cast<std::uint8_t>(GetParam());
    LinkBench bench;
    bench.receiveBlockWith({{0, withModelType(nibble)}});
    SwitchSelectDialog switchDialog(bench.session.settings.switchAFunction);
    VrSelectDialog vrDialog(bench.session.settings.vrAFunction);

    onOpen<SwitchSelectDialog>([&](SwitchSelectDialog* d) {
        EXPECT_EQ(listEntries(d, kListId), nibble == 0 ? kAcroSwitches : kHeliSwitches);
        EXPECT_FALSE(d->control<QComboBox>(kListId)->isEditable());
        pressCancel(d);
    });
    runSwitchEditor(switchDialog, bench.session);
    onOpen<VrSelectDialog>([&](VrSelectDialog* d) {
        EXPECT_EQ(listEntries(d, kListId), nibble == 0 ? kAcroVrs : kHeliVrs);
        EXPECT_FALSE(d->control<QComboBox>(kListId)->isEditable());
        pressCancel(d);
    });
    runVrEditor(vrDialog, bench.session);
    EXPECT_TRUE(bench.writes().empty());
}

INSTANTIATE_TEST_SUITE_P(AllNibbles, SelectListsByModelType, ::testing::Range(0, 16));

TEST(SwitchSelectDialog, ModelTypeChangedBetweenOpenings_OnOpen_RebuildsTheList) {
    LinkBench bench;
    SwitchSelectDialog dialog(bench.session.settings.switchAFunction);
    for (const std::uint8_t nibble : std::array<std::uint8_t, 4>{1, 0, 3, 0}) {
        bench.session.blockBytes[0] = nibble;
        onOpen<SwitchSelectDialog>([&](SwitchSelectDialog* d) {
            EXPECT_EQ(listEntries(d, kListId), nibble == 0 ? kAcroSwitches : kHeliSwitches);
            pressCancel(d);
        });
        runSwitchEditor(dialog, bench.session);
    }
}

TEST(SelectDialogs, ModelTypeCopy_ComesFromByte0NotFromTheStoredModelType) {
    LinkBench bench;
    bench.session.settings.modelType = 2;  // not yet written: byte 0 still says ACRO
    SwitchSelectDialog dialog(bench.session.settings.switchAFunction);
    onOpen<SwitchSelectDialog>([](SwitchSelectDialog* d) {
        EXPECT_EQ(listEntries(d, kListId), kAcroSwitches);
        pressCancel(d);
    });
    runSwitchEditor(dialog, bench.session);
}

// --- Corrections on opening ---------------------------------------------------------------

struct Opening {
    std::uint8_t modelType;
    std::uint8_t received;  // the block byte
    int stored;             // the stored value while the dialog is open and after Cancel
    int selected;           // the selected position, -1 for none
};

void PrintTo(const Opening& c, std::ostream* os) {
    *os << "type " << int(c.modelType) << " byte " << int(c.received);
}

class SwitchOnOpen : public ::testing::TestWithParam<Opening> {};

// A value the list cannot show opens as NULL (or with no entry), and Cancel keeps it as received.
TEST_P(SwitchOnOpen, ReceivedSwitchByte_OnOpenAndCancel_IsShownAsNullAndKept) {
    const Opening& c = GetParam();
    LinkBench bench;
    bench.receiveBlockWith({{0, withModelType(c.modelType)}, {62, c.received}});
    SwitchSelectDialog dialog(bench.session.settings.switchBFunction);
    int duringRun = 99;
    onOpen<SwitchSelectDialog>([&](SwitchSelectDialog* d) {
        duringRun = bench.session.settings.switchBFunction;
        EXPECT_EQ(d->control<QComboBox>(kListId)->currentIndex(), c.selected);
        pressCancel(d);
    });
    EXPECT_FALSE(runSwitchEditor(dialog, bench.session).accepted);
    EXPECT_TRUE(bench.writes().empty());
    EXPECT_EQ(duringRun, c.stored);
    EXPECT_EQ(bench.session.settings.switchBFunction, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Corrections, SwitchOnOpen,
    ::testing::Values(Opening{0, 0, 0, 0}, Opening{0, 2, 2, 2},
                      Opening{0, 3, 3, -1},  // NOR/ID under ACRO: kept, nothing selected
                      Opening{1, 3, 3, 3},
                      Opening{1, 4, 4, -1},  // 4 is not corrected and names no entry
                      Opening{0, 4, 4, -1}, Opening{1, 5, 5, 0}, Opening{0, 127, 127, 0},
                      Opening{1, 0x80, -128, 0}, Opening{0, 0xFF, -1, 0}));

class VrOnOpen : public ::testing::TestWithParam<Opening> {};

TEST_P(VrOnOpen, ReceivedVrByte_OnOpenAndCancel_IsShownAsNullOnlyForHelicopterTypesAndKept) {
    const Opening& c = GetParam();
    LinkBench bench;
    bench.receiveBlockWith({{0, withModelType(c.modelType)}, {64, c.received}});
    VrSelectDialog dialog(bench.session.settings.vrBFunction);
    int duringRun = 99;
    onOpen<VrSelectDialog>([&](VrSelectDialog* d) {
        duringRun = bench.session.settings.vrBFunction;
        EXPECT_EQ(d->control<QComboBox>(kListId)->currentIndex(), c.selected);
        pressCancel(d);
    });
    EXPECT_FALSE(runVrEditor(dialog, bench.session).accepted);
    EXPECT_TRUE(bench.writes().empty());
    EXPECT_EQ(duringRun, c.stored);
    EXPECT_EQ(bench.session.settings.vrBFunction, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Corrections, VrOnOpen,
    ::testing::Values(Opening{1, 0, 0, 0}, Opening{1, 1, 1, 1}, Opening{1, 2, 2, 0},
                      Opening{9, 0xFF, -1, 0}, Opening{0, 0, 0, 0},
                      Opening{0, 1, 1, -1},  // Pith Adjust under ACRO: kept, nothing selected
                      Opening{0, 2, 2, -1}, Opening{0, 0x80, -128, -1}));

TEST(SelectDialogs, ValueShownAsNull_AfterCancel_IsSentUnchangedByTheNextWrite) {
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x01}, {61, 9}, {63, 7}});
    SwitchSelectDialog switchA(bench.session.settings.switchAFunction);
    VrSelectDialog vrA(bench.session.settings.vrAFunction);
    onOpen<SwitchSelectDialog>([](SwitchSelectDialog* d) { pressCancel(d); });
    runSwitchEditor(switchA, bench.session);
    onOpen<VrSelectDialog>([](VrSelectDialog* d) { pressCancel(d); });
    runVrEditor(vrA, bench.session);
    ASSERT_TRUE(bench.writes().empty());

    ASSERT_TRUE(bench.session.writeSettings());
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(frameByte(bench.writes()[0], 61), 9);
    EXPECT_EQ(frameByte(bench.writes()[0], 63), 7);
}

// --- OK ---------------------------------------------------------------------------------------

TEST(SwitchSelectDialog, ThroCutForSwitchB_OnOk_SendsByte62Equal2) {
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x11}, {61, 3}, {62, 1}});
    SwitchSelectDialog switchB(bench.session.settings.switchBFunction);
    onOpen<SwitchSelectDialog>([](SwitchSelectDialog* d) {
        chooseEntry(d, kListId, "ThroCut");
        pressOk(d);
    });
    EXPECT_TRUE(runSwitchEditor(switchB, bench.session).accepted);
    BlockBytes expected = startingBlock();
    expected[0] = 0x11;
    expected[61] = 3;
    expected[62] = 2;
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(bench.writes()[0], expectedWriteFrame(expected));
}

TEST(VrSelectDialog, PithAdjustForVrA_OnOk_SendsByte63Equal1) {
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x02}});
    VrSelectDialog vrA(bench.session.settings.vrAFunction);
    onOpen<VrSelectDialog>([](VrSelectDialog* d) {
        chooseEntry(d, kListId, "Pith Adjust");
        pressOk(d);
    });
    EXPECT_TRUE(runVrEditor(vrA, bench.session).accepted);
    BlockBytes expected = startingBlock();
    expected[0] = 0x02;
    expected[63] = 1;
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(bench.writes()[0], expectedWriteFrame(expected));
}

TEST(SelectDialogs, EachEntry_OnOk_SendsItsPositionInItsOwnByte) {
    struct Case {
        bool isSwitch;
        std::size_t byte;
        QString entry;
        std::uint8_t sent;
    };
    const Case cases[] = {
        {true, 61, "NULL", 0},   {true, 61, "DR", 1},    {true, 62, "ThroCut", 2},
        {true, 61, "NOR/ID", 3}, {false, 63, "NULL", 0}, {false, 64, "Pith Adjust", 1},
    };
    for (const Case& c : cases) {
        LinkBench bench;
        bench.receiveBlockWith({{0, 0x03}, {61, 2}, {62, 1}, {63, 1}, {64, 0}});
        ModelSettings& s = bench.session.settings;
        int& value = c.byte == 61   ? s.switchAFunction
                     : c.byte == 62 ? s.switchBFunction
                     : c.byte == 63 ? s.vrAFunction
                                    : s.vrBFunction;
        const auto choose = [&](TemplateDialog* d) {
            chooseEntry(d, kListId, c.entry);
            pressOk(d);
        };
        if (c.isSwitch) {
            SwitchSelectDialog dialog(value);
            onOpen<SwitchSelectDialog>(choose);
            runSwitchEditor(dialog, bench.session);
        } else {
            VrSelectDialog dialog(value);
            onOpen<VrSelectDialog>(choose);
            runVrEditor(dialog, bench.session);
        }
        ASSERT_EQ(bench.writes().size(), 1u) << c.entry.toStdString();
        EXPECT_EQ(frameByte(bench.writes()[0], c.byte), c.sent) << c.entry.toStdString();
    }
}

TEST(SelectDialogs, NothingSelected_OnOk_KeepsTheStoredValueAndWrites) {
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x00}, {61, 4}, {63, 2}});
    SwitchSelectDialog switchA(bench.session.settings.switchAFunction);
    VrSelectDialog vrA(bench.session.settings.vrAFunction);
    onOpen<SwitchSelectDialog>([](SwitchSelectDialog* d) { pressOk(d); });
    EXPECT_TRUE(runSwitchEditor(switchA, bench.session).accepted);
    onOpen<VrSelectDialog>([](VrSelectDialog* d) { pressOk(d); });
    EXPECT_TRUE(runVrEditor(vrA, bench.session).accepted);
    ASSERT_EQ(bench.writes().size(), 2u);
    for (const Bytes& frame : bench.writes()) {
        EXPECT_EQ(frameByte(frame, 61), 4);  // not 0xFF
        EXPECT_EQ(frameByte(frame, 63), 2);
    }
}

TEST(SelectDialogs, NorIdUnderAcro_AfterTypeChange_KeepsBeingSentUntilChosenAgain) {
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x00}, {61, 3}, {64, 1}});
    SwitchSelectDialog switchA(bench.session.settings.switchAFunction);
    onOpen<SwitchSelectDialog>([](SwitchSelectDialog* d) { pressCancel(d); });
    runSwitchEditor(switchA, bench.session);
    ASSERT_TRUE(bench.session.writeSettings());
    EXPECT_EQ(frameByte(bench.writes().at(0), 61), 3);
    EXPECT_EQ(frameByte(bench.writes().at(0), 64), 1);
}

TEST(SelectDialogs, SameFunctionForBothSwitches_OnOk_IsAccepted) {
    LinkBench bench;
    SwitchSelectDialog switchA(bench.session.settings.switchAFunction);
    SwitchSelectDialog switchB(bench.session.settings.switchBFunction);
    for (SwitchSelectDialog* dialog : {&switchA, &switchB}) {
        onOpen<SwitchSelectDialog>([](SwitchSelectDialog* d) {
            chooseEntry(d, kListId, "DR");
            pressOk(d);
        });
        runSwitchEditor(*dialog, bench.session);
    }
    ASSERT_EQ(bench.writes().size(), 2u);
    EXPECT_EQ(frameByte(bench.writes()[1], 61), 1);
    EXPECT_EQ(frameByte(bench.writes()[1], 62), 1);
}

// --- A SettingsFrame while a selector is open -----------------------------------------------

TEST(SelectDialogs, SettingsFrameWhileOpen_OnOk_SelectionOverwritesOnlyItsOwnValue) {
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x01}});
    SwitchSelectDialog switchA(bench.session.settings.switchAFunction);
    BlockBytes received = startingBlock();
    received[0] = 0x01;
    received[61] = 1;
    received[62] = 3;
    received[64] = 1;
    QStringList listAfterFrame;
    onOpen<SwitchSelectDialog>([&](SwitchSelectDialog* d) {
        chooseEntry(d, kListId, "ThroCut");
        bench.receiveBlock(received);
        EXPECT_EQ(bench.session.settings.switchAFunction, 1);
        pressOk(d);
    });
    runSwitchEditor(switchA, bench.session);
    BlockBytes expected = received;
    expected[61] = 2;
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(bench.writes()[0], expectedWriteFrame(expected));
}

TEST(SelectDialogs, SettingsFrameWhileOpen_OnCancel_ReceivedValueStays) {
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x01}});
    VrSelectDialog vrB(bench.session.settings.vrBFunction);
    onOpen<VrSelectDialog>([&](VrSelectDialog* d) {
        bench.receiveBlockWith({{0, 0x01}, {64, 1}});
        pressCancel(d);
    });
    runVrEditor(vrB, bench.session);
    EXPECT_TRUE(bench.writes().empty());
    EXPECT_EQ(bench.session.settings.vrBFunction, 1);
}

}  // namespace
}  // namespace pelorin::formeditors
