// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The model library folder: free names, no clashes, nothing lost, and changes made by other
// programs picked up.

#include "models/modellibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace pelorin::models {
namespace {

Model named(const QString& name, std::uint8_t firstByte = 0) {
    Model model;
    model.name = name;
    model.blockBytes = startingBlock();
    model.blockBytes[0] = firstByte;
    return model;
}

class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        // The trash lives in the data folder: keep it inside the test's folder.
        ASSERT_TRUE(QDir().mkpath(home.filePath("data")));
        qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
        library = std::make_unique<ModelLibrary>(home.filePath("models"));
    }
    QStringList names() const {
        QStringList result;
        for (const LibraryEntry& entry : library->entries())
            result << (entry.valid() ? entry.model.name : QStringLiteral("<broken>"));
        return result;
    }
    QStringList files() const { return QDir(library->folder()).entryList(QDir::Files); }

    QTemporaryDir home;
    std::unique_ptr<ModelLibrary> library;
};

TEST_F(LibraryTest, NamesWithSlashesAndAccents_AreKeptApartAndClashesRefused) {
    EXPECT_EQ(library->add(named("Trainer 1/2")), "");
    EXPECT_EQ(library->add(named("Trainer 1_2")), "");  // same file name, other model
    EXPECT_EQ(library->add(named("Élan .. ✈")), "");
    EXPECT_EQ(library->add(named("../escape")), "");
    EXPECT_EQ(files().size(), 4);
    QStringList all = names();
    all.sort();
    EXPECT_EQ(all, QStringList({"../escape", "Trainer 1/2", "Trainer 1_2", "Élan .. ✈"}));

    EXPECT_TRUE(library->add(named("Trainer 1/2", 3)).contains("Trainer 1/2"));
    EXPECT_FALSE(library->add(named("  ")).isEmpty());
    EXPECT_EQ(library->findByName("Trainer 1/2")->model.blockBytes[0], 0);
    EXPECT_EQ(files().size(), 4);
}

TEST_F(LibraryTest, RenameDuplicateNotes_KeepTheSettingsAndRefuseClashes) {
    ASSERT_EQ(library->add(named("Glider", 0x21)), "");
    ASSERT_EQ(library->add(named("Heli")), "");
    const QString glider = library->findByName("Glider")->path;

    EXPECT_FALSE(library->rename(glider, "Heli").isEmpty());
    EXPECT_EQ(library->rename(glider, "Glider 2 (old)"), "");
    const LibraryEntry* renamed = library->findByName("Glider 2 (old)");
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(renamed->model.blockBytes[0], 0x21);

    EXPECT_EQ(library->setNotes(renamed->path, "CG 62 mm\nnew servo"), "");
    EXPECT_EQ(library->duplicate(library->findByName("Glider 2 (old)")->path, "Glider 3"), "");
    const LibraryEntry* copy = library->findByName("Glider 3");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->model.notes, "CG 62 mm\nnew servo");
    EXPECT_EQ(copy->model.blockBytes[0], 0x21);
    EXPECT_EQ(files().size(), 3);
}

TEST_F(LibraryTest, Delete_MovesTheFileToTheTrash) {
    ASSERT_EQ(library->add(named("Old")), "");
    const QString path = library->findByName("Old")->path;
    EXPECT_EQ(library->remove(path), "");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(library->entries().empty());
    EXPECT_FALSE(QDir(home.filePath("data/Trash/files")).isEmpty());
}

TEST_F(LibraryTest, ImportAndExport_BothFormats) {
    ASSERT_EQ(library->add(named("Heli", 0x11)), "");
    const QString path = library->findByName("Heli")->path;
    const QString raw = home.filePath("heli.pel");
    const QString json = home.filePath("heli-copy.json");
    ASSERT_EQ(library->exportModel(path, raw, FileFormat::Settings67), "");
    ASSERT_EQ(library->exportModel(path, json, FileFormat::Json), "");
    QFile rawFile(raw);
    ASSERT_TRUE(rawFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(rawFile.size(), 67);

    // The raw file has no name: its file name is taken. The JSON file's name clashes.
    EXPECT_EQ(library->importFile(raw), "");
    EXPECT_EQ(library->findByName("heli")->model.blockBytes,
              library->findByName("Heli")->model.blockBytes);
    const QString clash = library->importFile(json);
    EXPECT_TRUE(clash.contains(json) && clash.contains("Heli")) << clash.toStdString();
}

TEST_F(LibraryTest, FilesOfOtherPrograms_ShowUpAndBrokenOnesAreListedApart) {
    QSignalSpy changed(library.get(), &ModelLibrary::changed);
    QFile copied(QDir(library->folder()).filePath("from elsewhere.json"));
    ASSERT_TRUE(copied.open(QIODevice::WriteOnly));
    copied.write(modelToJson(named("Copied in")));
    copied.close();
    ASSERT_TRUE(changed.wait(5000));
    QFile broken(QDir(library->folder()).filePath("broken.json"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": ");
    broken.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return library->entries().size() == 2; }, 5000));
    EXPECT_EQ(names(), QStringList({"Copied in", "<broken>"}));
    EXPECT_TRUE(library->entries().back().error.contains("broken.json"));
}

TEST_F(LibraryTest, FolderThatCannotBeMade_IsReportedAndNothingIsWritten) {
    QFile blocker(home.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ModelLibrary impossible(home.filePath("file/models"));
    EXPECT_TRUE(impossible.folderError().contains(home.filePath("file/models")));
    EXPECT_FALSE(impossible.add(named("Any")).isEmpty());
    EXPECT_TRUE(impossible.entries().empty());
}

// The folder the README names is the one the program uses, under the names the program runs
// with, with and without XDG_DATA_HOME.
TEST(LibraryFolder, IsWhereTheReadmeSaysItIs) {
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    const QString savedName = QCoreApplication::applicationName();
    const QString savedOrganisation = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName(QStringLiteral("Pelorin"));
    QCoreApplication::setOrganizationName(QStringLiteral("Pelorin"));
    QFile readme(QStringLiteral(PELORIN_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const struct {
        const char* dataHome;  // empty: unset
        QString expected;
        QString documented;
    } rows[] = {
        {"", home.path() + "/.local/share/Pelorin/Pelorin/models",
         QStringLiteral("~/.local/share/Pelorin/Pelorin/models/")},
        {"/tmp/pelorin-data", QStringLiteral("/tmp/pelorin-data/Pelorin/Pelorin/models"),
         QStringLiteral("$XDG_DATA_HOME/Pelorin/Pelorin/models/")},
    };
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dataHome);
        if (*row.dataHome == '\0')
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", row.dataHome);
        EXPECT_EQ(ModelLibrary::defaultFolder(), row.expected);
        EXPECT_TRUE(text.contains(row.documented)) << row.documented.toStdString();
    }
    qputenv("HOME", savedHome);
    if (savedData.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedData);
    QCoreApplication::setApplicationName(savedName);
    QCoreApplication::setOrganizationName(savedOrganisation);
}

}  // namespace
}  // namespace pelorin::models
