// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving whole or not at all: modes, links, things that are no files, and the cases
// that only an unprivileged user meets.

#include "platform/savefile.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <future>

#include "tests/support/unprivileged.h"

namespace pelorin {
namespace {

using test::isUnprivilegedRun;
using test::runAsUnprivileged;

const QByteArray kOld(67, '\x5A');
const QByteArray kNew(67, '\xA5');

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

struct stat statOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info;
}

// A folder of its own for each test, which the unprivileged user may enter. The child run of
// a test finds the parent's folder through the environment.
class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (isUnprivilegedRun()) {
            folder = QString::fromLocal8Bit(qgetenv("PELORIN_SAVE_TEST_FOLDER"));
            return;
        }
        std::string pattern = ::testing::TempDir() + "pelorin-save-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = QString::fromStdString(pattern);
        ASSERT_EQ(::chmod(pattern.c_str(), 0755), 0);
    }
    void TearDown() override {
        if (!isUnprivilegedRun()) {
            ::chmod(QFile::encodeName(folder).constData(), 0755);
            QDir(folder).removeRecursively();
        }
    }

    QString path(const QString& name) const { return folder + QLatin1Char('/') + name; }
    QStringList entries() const {
        return QDir(folder).entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
    static void put(const QString& file, const QByteArray& bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
    // Runs `act` as the unprivileged user; false in that child run.
    bool asUser(const std::function<void()>& act) const {
        return runAsUnprivileged(act, {"PELORIN_SAVE_TEST_FOLDER=" + folder.toStdString()});
    }
    static void giveToUser(const QString& file) {
        const test::UnprivilegedUser user = test::unprivilegedUser();
        ASSERT_EQ(::chown(QFile::encodeName(file).constData(), user.uid, user.gid), 0);
    }

    QString folder;
};

class UmaskGuard {
public:
    explicit UmaskGuard(mode_t mask) : before_(::umask(mask)) {}
    ~UmaskGuard() { ::umask(before_); }
    UmaskGuard(const UmaskGuard&) = delete;
    UmaskGuard& operator=(const UmaskGuard&) = delete;

private:
    mode_t before_;
};

TEST_F(SaveFileTest, NewFile_GetsTheModeTheUmaskLeaves_ExistingFileKeepsItsOwn) {
    struct Case {
        mode_t umask;
        mode_t existing;  // 0: no file there before
        mode_t expected;
    };
    const Case cases[] = {
        {022, 0, 0644},    {077, 0, 0600},    {002, 0, 0664},    {027, 0, 0640},
        {022, 0600, 0600}, {077, 0664, 0664}, {000, 0640, 0640}, {022, 0604, 0604},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "umask " << std::oct << c.umask << ", existing " << c.existing);
        const QString file = path(QStringLiteral("model%1.bin").arg(n++));
        if (c.existing != 0) {
            put(file, kOld);
            ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), c.existing), 0);
        }
        UmaskGuard mask(c.umask);
        EXPECT_EQ(saveFileAtomically(file, kNew), QString());
        EXPECT_EQ(statOf(file).st_mode & 07777, c.expected);
        EXPECT_EQ(contentOf(file), kNew);
    }
    EXPECT_EQ(entries().size(), std::size(cases)) << "no temporary file is left";
}

TEST_F(SaveFileTest, SaveThroughALink_ReplacesTheFileItPointsTo_AndKeepsTheLink) {
    const QString target = path(QStringLiteral("real.bin"));
    put(target, kOld);
    ASSERT_TRUE(QFile::link(QStringLiteral("real.bin"), path(QStringLiteral("link.bin"))));
    EXPECT_EQ(saveFileAtomically(path(QStringLiteral("link.bin")), kNew), QString());
    EXPECT_TRUE(S_ISLNK(statOf(path(QStringLiteral("link.bin"))).st_mode));
    EXPECT_EQ(contentOf(target), kNew);
    EXPECT_EQ(entries(), (QStringList{"link.bin", "real.bin"}));
}

TEST_F(SaveFileTest, FolderPipeOrDevice_IsRefusedAtOnceAndLeftAsItWas) {
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("sub")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe"))).constData(), 0644), 0);
    const QString targets[] = {path(QStringLiteral("sub")), path(QStringLiteral("pipe")),
                               QStringLiteral("/dev/null")};
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        const mode_t type = statOf(target).st_mode & S_IFMT;
        // A pipe without a reader would block a writer for good: the save must not wait.
        auto saving =
            std::async(std::launch::async, [&] { return saveFileAtomically(target, kNew); });
        if (saving.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            const int reader = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK);
            saving.wait();
            ::close(reader);
            ADD_FAILURE() << "the save waited";
            continue;
        }
        EXPECT_EQ(saving.get(),
                  QStringLiteral("Cannot save \u201C%1\u201D: Not a regular file.").arg(target));
        EXPECT_EQ(statOf(target).st_mode & S_IFMT, type);
    }
    EXPECT_EQ(entries(), (QStringList{"pipe", "sub"}));
}

// Only a regular file opens, to read or to append; a pipe without a writer (or reader), a
// device without end and a folder are refused by what they are, and nothing waits for them.
TEST_F(SaveFileTest, OpenRegularFile_OpensOnlyRegularFilesAndNeverWaits) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe"))).constData(), 0644), 0);
    const QIODevice::OpenMode read = QIODevice::ReadOnly;
    const QIODevice::OpenMode append = QIODevice::WriteOnly | QIODevice::Append;
    const struct {
        QString target;
        QIODevice::OpenMode mode;
        bool opens;
        bool notRegular;
    } cases[] = {
        {path(QStringLiteral("new")), append, true, false},  // made
        {path(QStringLiteral("new")), read, true, false},
        {path(QStringLiteral("missing")), read, false, false},
        {path(QStringLiteral("pipe")), read, false, true},
        {path(QStringLiteral("pipe")), append, false, true},
        {folder, read, false, true},
        {QStringLiteral("/dev/zero"), read, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        QFile file;
        const RegularOpen opened = openRegularFile(file, c.target, c.mode);
        EXPECT_EQ(opened.ok() && file.isOpen(), c.opens) << opened.reason.toStdString();
        EXPECT_EQ(opened.notRegular, c.notRegular);
    }
    EXPECT_EQ(appendToFile(path(QStringLiteral("pipe")), "x\n"), notRegularFileReason());
}

// A full disk is said as such, with what to do: the system's own text for it reads "Unknown
// error" in places. Any other failure keeps the system's words, without a closing stop.
TEST(FileErrorReason, FullDiskIsSaidAsSuch_OtherFailuresInTheSystemsWords) {
    for (const std::error_code full : {std::make_error_code(std::errc::no_space_on_device),
                                       std::error_code(ENOSPC, std::generic_category())}) {
        const QString reason = fileErrorReason(full);
        EXPECT_TRUE(reason.contains(QStringLiteral("disk is full"))) << reason.toStdString();
        EXPECT_TRUE(reason.contains(QStringLiteral("Free some space"))) << reason.toStdString();
    }
    const QString denied = fileErrorReason(std::error_code(EACCES, std::generic_category()));
    EXPECT_EQ(denied, QString::fromLocal8Bit(std::strerror(EACCES)));
    EXPECT_FALSE(denied.endsWith(u'.'));
}

TEST_F(SaveFileTest, SaveThatFailsWhileWriting_KeepsTheOldFileAndLeavesNoTemporary) {
    const QString file = path(QStringLiteral("model.bin"));
    put(file, kOld);
    // A file-size limit makes the write fail part-way, as a full disk would, even for root.
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = before;
    tiny.rlim_cur = 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const QString error = saveFileAtomically(file, kNew);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(error.contains(file)) << error.toStdString();
    EXPECT_EQ(contentOf(file), kOld);
    EXPECT_EQ(entries(), QStringList{"model.bin"});
}

TEST_F(SaveFileTest, MissingFolder_IsRefusedNamingTheFileAndTheReason) {
    const QString file = path(QStringLiteral("nowhere/model.bin"));
    const QString error = saveFileAtomically(file, kNew);
    EXPECT_TRUE(error.contains(file)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(file));
}

// The cases below need a user that permissions apply to.

TEST_F(SaveFileTest, AsUser_FolderThatRefusesNewFiles_RefusesTheSaveSayingWhy_OldFileStays) {
    const QString existing = path(QStringLiteral("model.bin"));
    const QString fresh = path(QStringLiteral("new.bin"));
    if (!isUnprivilegedRun()) {
        put(existing, kOld);
        giveToUser(existing);  // the user may write the file, not the folder
        // The folder stays root's (or, without root, is made read-only).
        if (::geteuid() != 0) {
            ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
        }
    }
    if (!asUser([&] {
            for (const QString& file : {existing, fresh}) {
                const QString error = saveFileAtomically(file, kNew);
                EXPECT_TRUE(error.contains(file)) << error.toStdString();
                EXPECT_TRUE(error.contains(QStringLiteral("folder"))) << error.toStdString();
                EXPECT_FALSE(error.contains(QStringLiteral(".."))) << error.toStdString();
            }
        }))
        return;
    EXPECT_EQ(contentOf(existing), kOld);
    EXPECT_EQ(entries(), QStringList{"model.bin"});
}

TEST_F(SaveFileTest, AsUser_WriteProtectedFile_IsRefusedAndKept) {
    const QString file = path(QStringLiteral("model.bin"));
    if (!isUnprivilegedRun()) {
        giveToUser(folder);
        put(file, kOld);
        giveToUser(file);
        ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0444), 0);
    }
    if (!asUser([&] {
            const QString error = saveFileAtomically(file, kNew);
            EXPECT_TRUE(error.contains(file)) << error.toStdString();
        }))
        return;
    EXPECT_EQ(contentOf(file), kOld);
    EXPECT_EQ(entries(), QStringList{"model.bin"});
}

}  // namespace
}  // namespace pelorin
