// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Type, Stick Select and Type Select, run through the main window's handler sequences.

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>

#include <array>
#include <map>

#include "editors/editorhandlers.h"
#include "editors/typedialogs.h"
#include "tests/editors/formeditortesting.h"

namespace pelorin::formeditors {
namespace {

constexpr int kListId = 1015;
constexpr int kPictureId = 1035;
constexpr std::array<int, 4> kStickIds{1034, 1036, 1040, 1039};  // MODEL1..MODEL4, top down

// Stick pictures told apart by their size; records every name asked for.
struct FakePictures {
    std::map<QString, QSize> sizes{{"stick1.bmp", {11, 21}},
                                   {"stick2.bmp", {12, 22}},
                                   {"stick3.bmp", {13, 23}},
                                   {"stick4.bmp", {14, 24}}};
    QStringList asked;

    StickModeDialog::PictureSource source() {
        return [this](const QString& name) {
            asked << name;
            const auto it = sizes.find(name);
            if (it == sizes.end())
                return QPixmap();
            QPixmap picture(it->second);
            picture.fill(Qt::darkGreen);
            return picture;
        };
    }
};

QSize shownPictureSize(const TemplateDialog* dialog) {
    const QPixmap picture = dialog->control<QLabel>(kPictureId)->pixmap();
    return picture.isNull() ? QSize() : picture.size();
}

int checkedStickRow(const TemplateDialog* dialog) {
    int row = -1;
    for (std::size_t i = 0; i < kStickIds.size(); ++i) {
        if (dialog->control<QRadioButton>(kStickIds[i])->isChecked()) {
            EXPECT_EQ(row, -1) << "more than one stick mode checked";
            row = static_cast<int>(i);
        }
    }
    return row;
}

// --- Type -----------------------------------------------------------------------------------

TEST(TypeDialog, OnOpen_ListsTheFourModelTypesInOrder) {
    LinkBench bench;
    TypeDialog dialog(bench.session.settings);
    onOpen<TypeDialog>([](TypeDialog* d) {
        EXPECT_EQ(listEntries(d, kListId),
                  (QStringList{"ACRO", "HELI-120", "HELI-90", "HELI-140"}));
        EXPECT_FALSE(d->control<QComboBox>(kListId)->isEditable());
        pressCancel(d);
    });
    runChannelEditor(dialog, bench.session);
}

struct TypeChoice {
    QString entry;
    std::uint8_t lowNibble;
    bool helicopterButtons;
};

class TypeOnOk : public ::testing::TestWithParam<TypeChoice> {};

TEST_P(TypeOnOk, ChosenType_OnOk_SendsLowNibbleAndDecidesHelicopterButtons) {
    const TypeChoice& c = GetParam();
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x32}});  // HELI-90 in MODEL4
    TypeDialog dialog(bench.session.settings);
    onOpen<TypeDialog>([&](TypeDialog* d) {
        chooseEntry(d, kListId, c.entry);
        pressOk(d);
    });
    const EditorOutcome outcome = runChannelEditor(dialog, bench.session);
    EXPECT_TRUE(outcome.accepted);
    ASSERT_EQ(bench.writes().size(), 1u);
    const std::uint8_t byte0 = frameByte(bench.writes()[0], 0);
    EXPECT_EQ(byte0, 0x30 | c.lowNibble);
    EXPECT_EQ(curveButtonsVisible(bench.session.blockBytes[0]), c.helicopterButtons);
}

INSTANTIATE_TEST_SUITE_P(Types, TypeOnOk,
                         ::testing::Values(TypeChoice{"ACRO", 0, false},
                                           TypeChoice{"HELI-120", 1, true},
                                           TypeChoice{"HELI-90", 2, true},
                                           TypeChoice{"HELI-140", 3, true}));

TEST(TypeDialog, ReceivedTypeOutOfList_OnOpen_ShowsAcroAndCancelKeepsIt) {
    for (std::uint8_t nibble = 4; nibble <= 15; ++nibble) {
        LinkBench bench;
        bench.receiveBlockWith({{0, static_cast<std::uint8_t>(0x20 | nibble)}});
        TypeDialog dialog(bench.session.settings);
        onOpen<TypeDialog>([](TypeDialog* d) {
            EXPECT_EQ(d->control<QComboBox>(kListId)->currentText(), "ACRO");
            pressCancel(d);
        });
        const EditorOutcome outcome = runChannelEditor(dialog, bench.session);
        EXPECT_FALSE(outcome.accepted);
        EXPECT_TRUE(bench.writes().empty()) << int(nibble);
        EXPECT_EQ(bench.session.settings.modelType, nibble);
        // The next write, whoever makes it, sends the type as received.
        ASSERT_TRUE(bench.session.writeSettings());
        EXPECT_EQ(frameByte(bench.writes().at(0), 0), 0x20 | nibble) << int(nibble);
    }
}

TEST(TypeDialog, ReopenedAfterCancel_OnOpen_ShowsTheStoredTypeAgain) {
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x03}});
    TypeDialog dialog(bench.session.settings);
    onOpen<TypeDialog>([](TypeDialog* d) {
        chooseEntry(d, kListId, "ACRO");
        pressCancel(d);
    });
    runChannelEditor(dialog, bench.session);
    onOpen<TypeDialog>([](TypeDialog* d) {
        EXPECT_EQ(d->control<QComboBox>(kListId)->currentText(), "HELI-140");
        pressCancel(d);
    });
    runChannelEditor(dialog, bench.session);
    EXPECT_EQ(bench.session.settings.modelType, 3);
    EXPECT_TRUE(bench.writes().empty());
}

// --- Stick Select ---------------------------------------------------------------------------

struct StickOpening {
    std::uint8_t byte0;
    int checkedRow;
    QString picture;
};

class StickOnOpen : public ::testing::TestWithParam<StickOpening> {};

TEST_P(StickOnOpen, StickModeOfByte0_OnOpen_ChecksOneButtonAndShowsItsPicture) {
    const StickOpening& c = GetParam();
    LinkBench bench;
    bench.receiveBlockWith({{0, c.byte0}});
    StickModeDialog dialog(bench.session.settings);
    FakePictures pictures;
    dialog.setPictureSource(pictures.source());
    onOpen<StickModeDialog>([&](StickModeDialog* d) {
        EXPECT_EQ(checkedStickRow(d), c.checkedRow);
        EXPECT_EQ(pictures.asked, QStringList{c.picture});
        EXPECT_EQ(shownPictureSize(d), pictures.sizes[c.picture]);
        pressCancel(d);
    });
    EXPECT_FALSE(runStickModeEditor(dialog, bench.session).accepted);
    EXPECT_TRUE(bench.writes().empty());
    EXPECT_EQ(bench.session.blockBytes[0], c.byte0);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, StickOnOpen,
    ::testing::Values(StickOpening{0x01, 0, "stick1.bmp"}, StickOpening{0x10, 1, "stick2.bmp"},
                      StickOpening{0x27, 2, "stick3.bmp"}, StickOpening{0x33, 3, "stick4.bmp"},
                      StickOpening{0x51, 3, "stick4.bmp"}, StickOpening{0xF0, 3, "stick4.bmp"}));

TEST(StickModeDialog, HighNibble5_OnOk_Sends0x30WithTheModelTypeKept) {
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x51}});
    StickModeDialog dialog(bench.session.settings);
    FakePictures pictures;
    dialog.setPictureSource(pictures.source());
    onOpen<StickModeDialog>([](StickModeDialog* d) { pressOk(d); });
    EXPECT_TRUE(runStickModeEditor(dialog, bench.session).accepted);
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(frameByte(bench.writes()[0], 0), 0x31);
    EXPECT_EQ(bench.session.settings.stickMode, 3);
}

class StickModel2OnOk : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(StickModel2OnOk, Model2Chosen_OnOk_SendsModelTypeOr0x10) {
    const std::uint8_t modelType = GetParam();
    LinkBench bench;
    bench.receiveBlockWith({{0, static_cast<std::uint8_t>(0x30 | modelType)}});
    StickModeDialog dialog(bench.session.settings);
    FakePictures pictures;
    dialog.setPictureSource(pictures.source());
    onOpen<StickModeDialog>([](StickModeDialog* d) {
        d->control<QRadioButton>(1036)->click();
        pressOk(d);
    });
    runStickModeEditor(dialog, bench.session);
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(frameByte(bench.writes()[0], 0), modelType | 0x10);
}

INSTANTIATE_TEST_SUITE_P(ModelTypes, StickModel2OnOk, ::testing::Values(0, 1, 2, 3));

TEST(StickModeDialog, ClickingEachMode_OnOk_SendsItsHighNibble) {
    const std::array<std::uint8_t, 4> nibbles{0x00, 0x10, 0x20, 0x30};
    for (std::size_t row = 0; row < kStickIds.size(); ++row) {
        LinkBench bench;
        bench.receiveBlockWith({{0, 0x12}});
        StickModeDialog dialog(bench.session.settings);
        FakePictures pictures;
        dialog.setPictureSource(pictures.source());
        onOpen<StickModeDialog>([&](StickModeDialog* d) {
            d->control<QRadioButton>(kStickIds[row])->click();
            EXPECT_EQ(checkedStickRow(d), static_cast<int>(row));
            pressOk(d);
        });
        runStickModeEditor(dialog, bench.session);
        ASSERT_EQ(bench.writes().size(), 1u);
        EXPECT_EQ(frameByte(bench.writes()[0], 0), nibbles[row] | 0x02) << row;
    }
}

TEST(StickModeDialog, ClickingAMode_SwapsThePictureAndStoresNothing) {
    LinkBench bench;
    StickModeDialog dialog(bench.session.settings);
    FakePictures pictures;
    dialog.setPictureSource(pictures.source());
    onOpen<StickModeDialog>([&](StickModeDialog* d) {
        d->control<QRadioButton>(1039)->click();
        EXPECT_EQ(shownPictureSize(d), QSize(14, 24));
        d->control<QRadioButton>(1036)->click();
        EXPECT_EQ(shownPictureSize(d), QSize(12, 22));
        EXPECT_EQ(bench.session.settings.stickMode, 0);
        pressCancel(d);
    });
    runStickModeEditor(dialog, bench.session);
    EXPECT_EQ(pictures.asked, (QStringList{"stick1.bmp", "stick4.bmp", "stick2.bmp"}));
    EXPECT_TRUE(bench.writes().empty());
}

TEST(StickModeDialog, PictureMissing_OnChoosingItsMode_EmptiesTheAreaAndOkStillStores) {
    LinkBench bench;
    StickModeDialog dialog(bench.session.settings);
    FakePictures pictures;
    pictures.sizes.erase("stick3.bmp");
    dialog.setPictureSource(pictures.source());
    onOpen<StickModeDialog>([&](StickModeDialog* d) {
        EXPECT_EQ(shownPictureSize(d), QSize(11, 21));
        d->control<QRadioButton>(1040)->click();
        EXPECT_FALSE(shownPictureSize(d).isValid());
        pressOk(d);
    });
    EXPECT_TRUE(runStickModeEditor(dialog, bench.session).accepted);
    ASSERT_EQ(bench.writes().size(), 1u);
    EXPECT_EQ(frameByte(bench.writes()[0], 0), 0x20);
}

TEST(StickModeDialog, ReopenedAfterCancel_OnOpen_ChecksTheStoredModeNotTheLastClicked) {
    LinkBench bench;
    bench.receiveBlockWith({{0, 0x20}});
    StickModeDialog dialog(bench.session.settings);
    FakePictures pictures;
    dialog.setPictureSource(pictures.source());
    onOpen<StickModeDialog>([](StickModeDialog* d) {
        d->control<QRadioButton>(1034)->click();
        pressCancel(d);
    });
    runStickModeEditor(dialog, bench.session);
    onOpen<StickModeDialog>([](StickModeDialog* d) {
        EXPECT_EQ(checkedStickRow(d), 2);
        pressCancel(d);
    });
    runStickModeEditor(dialog, bench.session);
    EXPECT_TRUE(bench.writes().empty());
}

TEST(StickModeDialog, StickPictures_FromTheFolders_FitTheirArea) {
    // The shipped pictures, found the way the program finds them, must fit right of the
    // buttons and above OK and Cancel.
    LinkBench bench;
    StickModeDialog dialog(bench.session.settings);
    onOpen<StickModeDialog>([](StickModeDialog* d) {
        const QRect area = d->control(kPictureId)->geometry();
        for (int id : kStickIds) {
            d->control<QRadioButton>(id)->click();
            const QPixmap picture = d->control<QLabel>(kPictureId)->pixmap();
            if (picture.isNull())
                continue;  // not installed here: nothing to overflow
            const QRect shown(area.topLeft(), picture.deviceIndependentSize().toSize());
            EXPECT_TRUE(QRect(QPoint(), d->size()).contains(shown)) << id;
            EXPECT_LE(shown.bottom(), d->control(kIdOk)->geometry().top()) << id;
            EXPECT_GE(shown.left(), d->control(1034)->geometry().right()) << id;
        }
        pressCancel(d);
    });
    runStickModeEditor(dialog, bench.session);
}

// --- Type Select ----------------------------------------------------------------------------

TEST(UserSelectDialog, OnOpen_ListsUser1AndUser2AndSelectsTheStoredEntry) {
    for (int stored : {0, 1}) {
        int userSelect = stored;
        UserSelectDialog dialog(userSelect);
        onOpen<UserSelectDialog>([&](UserSelectDialog* d) {
            EXPECT_EQ(d->windowTitle(), "Type Select");
            EXPECT_EQ(listEntries(d, kListId), (QStringList{"USER1", "USER2"}));
            EXPECT_EQ(d->control<QComboBox>(kListId)->currentIndex(), stored);
            pressCancel(d);
        });
        runUserSelectEditor(dialog);
    }
}

TEST(UserSelectDialog, ChosenEntry_OnOk_StoresItsPositionAndSendsNothing) {
    LinkBench bench;
    UserSelectDialog dialog(bench.session.userSelect);
    onOpen<UserSelectDialog>([](UserSelectDialog* d) {
        chooseEntry(d, kListId, "USER2");
        pressOk(d);
    });
    runUserSelectEditor(dialog);
    EXPECT_EQ(bench.session.userSelect, 1);
    onOpen<UserSelectDialog>([](UserSelectDialog* d) {
        chooseEntry(d, kListId, "USER1");
        pressCancel(d);
    });
    runUserSelectEditor(dialog);
    EXPECT_EQ(bench.session.userSelect, 1);
    EXPECT_TRUE(bench.serial.calls.empty());
}

TEST(UserSelectDialog, StoredValueNamingNoEntry_OnOkWithoutChoice_KeepsTheValue) {
    int userSelect = 5;
    UserSelectDialog dialog(userSelect);
    onOpen<UserSelectDialog>([](UserSelectDialog* d) {
        EXPECT_EQ(d->control<QComboBox>(kListId)->currentIndex(), -1);
        pressOk(d);
    });
    runUserSelectEditor(dialog);
    EXPECT_EQ(userSelect, 5);
}

}  // namespace
}  // namespace pelorin::formeditors
