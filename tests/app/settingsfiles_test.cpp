// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Save and Open: the 67-byte file, what Open accepts, and what a failed save leaves behind.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "app/filechooser.h"
#include "models/modelformat.h"
#include "tests/app/apptest.h"
#include "tests/support/filesizelimit.h"

namespace pelorin::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray asBytes(const BlockBytes& block) {
    return QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<int>(block.size()));
}

// A helicopter block with something in every field, and sums that fit.
BlockBytes sampleBlock() {
    BlockBytes block{};
    for (std::size_t i = 0; i < kSettingsBlockSize; ++i) {
        block[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0x3F);
    }
    block[block::kModelAndStick] = 0x12;
    // The mixes and the switch functions inside their editors' ranges too, so Open sends the
    // block without asking.
    for (std::size_t m = 0; m < 3; ++m) {
        const std::size_t entry = block::kProgramMix + 4 * m;
        block[entry] = static_cast<std::uint8_t>((m + 1) << 4 | (m + 2));
        block[entry + 1] = static_cast<std::uint8_t>(10 * (m + 1));
        block[entry + 2] = static_cast<std::uint8_t>(-10 * static_cast<int>(m + 1));
        block[entry + 3] = static_cast<std::uint8_t>(m);
    }
    block[block::kSwitchA] = 1;
    block[block::kSwitchB] = 3;
    block[block::kVrA] = 1;
    block[block::kVrB] = 0;
    return block;
}

class SettingsFileTest : public MainWindowTest {
protected:
    SettingsFileTest() {
        window->setSaveChooser([this](QWidget*, const QString& title) {
            titles << title;
            return chosen;
        });
        window->setOpenChooser([this](QWidget*, const QString& title) {
            titles << title;
            return chosen;
        });
    }
    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    QString chosen;
    QStringList titles;
};

TEST_F(SettingsFileTest, SaveAfterReceivedFrame_Writes67BytesEndingWithTwoZeros) {
    chosen = path("model.bin");
    runWindow([&](MainDialog& w) {
        w.session().blockBytes[65] = 0x12;
        w.session().blockBytes[66] = 0x34;
        fake->deliver(settingsFrameFor(sampleBlock()));
        button(1026)->click();
        EXPECT_EQ(titles, QStringList{"Save"});
    });
    const QByteArray saved = readAll(chosen);
    ASSERT_EQ(saved.size(), 67);
    EXPECT_EQ(saved.left(65), asBytes(sampleBlock()).left(65));
    EXPECT_EQ(saved.right(2), QByteArray(2, '\0'));
    EXPECT_TRUE(messages.messages.isEmpty());
}

// A settings file (either format) is replaced without a question; any other file only when
// the user says so, and the question's default keeps it.
TEST_F(SettingsFileTest, SaveOntoExistingFile_AsksOnlyWhenItIsNoSettingsFile) {
    const QByteArray model = models::modelToJson(models::Model{});
    const struct {
        const char* what;
        QByteArray before;
        bool asks;
        bool answer;
    } rows[] = {
        {"a settings file", QByteArray(67, 'x'), false, false},
        {"a model in the readable format", model, false, false},
        {"notes of 14 bytes, kept", "shopping list\n", true, false},
        {"notes of 14 bytes, replaced", "shopping list\n", true, true},
        {"200 bytes", QByteArray(200, 'x'), true, false},
        {"an empty file", QByteArray(), true, false},
        {"a model cut to 67 bytes", model.left(67), true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        chosen = path("old.bin");
        writeBytes(chosen, row.before);
        messages.questions.clear();
        messages.answer = row.answer;
        runWindow([&](MainDialog&) { button(1026)->click(); });
        ASSERT_EQ(messages.questions.size(), row.asks ? 1 : 0);
        if (row.asks) {
            EXPECT_TRUE(messages.questions.first().contains(chosen));
        }
        const bool replaced = !row.asks || row.answer;
        EXPECT_EQ(readAll(chosen), replaced ? asBytes(window->session().blockBytes) : row.before);
    }
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SettingsFileTest, ChooserCancelled_DoesNothing) {
    chosen.clear();
    runWindow([&](MainDialog&) {
        fake->clearCalls();
        button(1026)->click();
        button(1027)->click();
        EXPECT_TRUE(fake->calls.empty());
    });
    EXPECT_EQ(titles, (QStringList{"Save", "Open"}));
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(SettingsFileTest, SaveThatFailsMidWrite_KeepsTheOldFileAndSaysSo) {
    chosen = path("keep.bin");
    const QByteArray old(67, '\x5A');
    writeBytes(chosen, old);

    // A file-size limit makes the write fail part-way, as a full disk would, even for root.
    {
        const FileSizeLimit small(16);
        ASSERT_TRUE(small.applied());
        runWindow([&](MainDialog&) { button(1026)->click(); });
    }

    EXPECT_EQ(readAll(chosen), old);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages.first().contains(chosen))
        << messages.messages.first().toStdString();
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.bin"});
}

TEST_F(SettingsFileTest, SaveIntoMissingFolder_ShowsMessage) {
    chosen = path("no/such/folder/model.bin");
    runWindow([&](MainDialog&) { button(1026)->click(); });
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages.first().contains(chosen));
}

TEST_F(SettingsFileTest, OpenOf67Bytes_UnpacksFollowsAndSendsTheBlock) {
    BlockBytes file{};
    const BlockBytes block = sampleBlock();
    std::copy(block.begin(), block.end(), file.begin());
    file[block::kModelAndStick] = 0x00;  // ACRO: the helicopter buttons go
    file[65] = 0xAB;
    file[66] = 0xCD;
    chosen = path("load.bin");
    writeBytes(chosen, asBytes(file));
    runWindow([&](MainDialog& w) {
        fake->clearCalls();
        button(1027)->click();
        EXPECT_EQ(titles, QStringList{"Open"});
        EXPECT_EQ(w.session().blockBytes, file);
        ModelSettings expected;
        unpackSettings(file, expected);
        EXPECT_EQ(w.session().settings, expected);
        for (int id : {1018, 1019, 1020})
            EXPECT_TRUE(button(id)->isHidden()) << id;
        EXPECT_EQ(fake->writes(), std::vector<Bytes>{writeFrameFor(file)});

        // An editor confirmed now sends the loaded settings, not the ones from before.
        fake->clearCalls();
        clickThrough<QDialog>(1012, [](QDialog* d) { d->accept(); });
        ASSERT_EQ(fake->writes().size(), 1u);
        EXPECT_EQ(fake->writes()[0], writeFrameFor(file));
    });
    EXPECT_TRUE(messages.messages.isEmpty());
}

struct WrongSize {
    int size;
    const char* says;
};

void PrintTo(const WrongSize& row, std::ostream* out) {
    *out << row.size << " bytes";
}

class OpenWrongSizeTest : public SettingsFileTest,
                          public ::testing::WithParamInterface<WrongSize> {};

TEST_P(OpenWrongSizeTest, FileOfOtherSize_IsRefusedWithItsNameAndNothingChanges) {
    chosen = path("odd.bin");
    writeBytes(chosen, QByteArray(GetParam().size, '\x01'));
    runWindow([&](MainDialog& w) {
        const BlockBytes before = w.session().blockBytes;
        const ModelSettings settingsBefore = w.session().settings;
        fake->clearCalls();
        button(1027)->click();
        EXPECT_EQ(w.session().blockBytes, before);
        EXPECT_EQ(w.session().settings, settingsBefore);
        EXPECT_TRUE(fake->writes().empty());
    });
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages.first().contains(chosen));
    EXPECT_TRUE(messages.messages.first().contains(GetParam().says))
        << messages.messages.first().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Sizes, OpenWrongSizeTest,
                         ::testing::Values(WrongSize{66, "66 bytes"}, WrongSize{68, "68 bytes"},
                                           WrongSize{0, "0 bytes"}),
                         [](const ::testing::TestParamInfo<WrongSize>& row) {
                             return "Of" + std::to_string(row.param.size) + "Bytes";
                         });

// Open goes by content: text that starts like a model must be a valid one, whatever its
// length; it never goes out as a block of 67 bytes.
TEST_F(SettingsFileTest, OpenOfText_IsReadAsAModelOrRefusedWithTheReason) {
    models::Model heli;
    heli.blockBytes = sampleBlock();
    const QByteArray model = models::modelToJson(heli);
    QByteArray twice = model;
    twice.insert(twice.indexOf("\"model type\""), "\"model type\": \"ACRO\",\n");
    const struct {
        const char* what;
        QByteArray content;
        const char* says;  // empty: loaded and sent
    } rows[] = {
        {"a model cut to 67 bytes", model.left(67), "cut short"},
        {"brace, 65 spaces, brace", "{" + QByteArray(65, ' ') + "}", "missing"},
        {"a key twice", twice, "model type"},
        {"a model after 100 spaces", QByteArray(100, ' ') + model, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        chosen = path("text.json");
        writeBytes(chosen, row.content);
        messages.messages.clear();
        runWindow([&](MainDialog& w) {
            w.session().blockBytes = BlockBytes{};
            fake->clearCalls();
            button(1027)->click();
            if (*row.says == '\0') {
                EXPECT_EQ(fake->writes(), std::vector<Bytes>{writeFrameFor(sampleBlock())});
            } else {
                EXPECT_TRUE(fake->writes().empty());
                EXPECT_EQ(w.session().blockBytes, BlockBytes{});
            }
        });
        if (*row.says == '\0') {
            EXPECT_TRUE(messages.messages.isEmpty());
            continue;
        }
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_TRUE(messages.messages.first().contains(row.says))
            << messages.messages.first().toStdString();
    }
}

TEST_F(SettingsFileTest, OpenOfMissingFile_ShowsMessageAndSendsNothing) {
    chosen = path("missing.bin");
    runWindow([&](MainDialog&) {
        fake->clearCalls();
        button(1027)->click();
        EXPECT_TRUE(fake->writes().empty());
    });
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages.first().contains(chosen));
}

TEST_F(SettingsFileTest, OpenWhilePortClosed_LoadsButReportsTheSendError) {
    chosen = path("load.bin");
    writeBytes(chosen, asBytes(sampleBlock()));
    runWindow([&](MainDialog& w) {
        fake->forceOpen(false);
        button(1027)->click();
        EXPECT_EQ(w.session().blockBytes, sampleBlock());
    });
    EXPECT_EQ(messages.messages,
              QStringList{QString::fromLatin1(testing::FakeSerialControl::kClosedText)});
}

// The program's own choosers: Qt's dialog with the right title, listing every file.
TEST(FileChooser, Save_TakesNewNamesWithoutFilterSuffixOrOverwriteQuestion) {
    QTemporaryDir folder;
    const QString target = folder.filePath("fresh.bin");
    bool checked = false;
    whenModalOpens<QFileDialog>([&](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Save");
        EXPECT_TRUE(d->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_TRUE(d->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(d->fileMode(), QFileDialog::AnyFile);
        EXPECT_TRUE(d->defaultSuffix().isEmpty());
        EXPECT_TRUE(d->nameFilters().isEmpty() || d->nameFilters() == QStringList{"All Files (*)"})
            << d->nameFilters().join(";").toStdString();
        checked = true;
        d->selectFile(target);
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(chooseSaveFile(nullptr, "Save"), target);
    EXPECT_TRUE(checked);
}

TEST(FileChooser, Open_ReturnsTheChosenFileAndNothingWhenCancelled) {
    QTemporaryDir folder;
    const QString existing = folder.filePath("there.bin");
    writeBytes(existing, QByteArray(67, '\0'));
    whenModalOpens<QFileDialog>([&](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Open");
        EXPECT_TRUE(d->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_TRUE(d->defaultSuffix().isEmpty());
        d->selectFile(existing);
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(chooseOpenFile(nullptr, "Open"), existing);
    whenModalOpens<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_TRUE(chooseOpenFile(nullptr, "Open").isEmpty());
}

}  // namespace
}  // namespace pelorin::test
