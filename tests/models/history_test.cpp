// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The history file: records survive a crash in the middle of a write and a second program
// writing at the same time; identical blocks are stored once; a torn line costs that line,
// an unreadable file is moved aside; the undo stack follows the records.

#include "models/history.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <map>
#include <random>

namespace pelorin::models {
namespace {

BlockBytes blockWith(std::uint8_t firstByte) {
    BlockBytes block = startingBlock();
    block[0] = firstByte;
    return block;
}

HistoryRecord received(std::uint8_t firstByte) {
    HistoryRecord record;
    record.received = true;
    record.device = QStringLiteral("/dev/ttyUSB0");
    record.block = blockWith(firstByte);
    return record;
}

HistoryRecord written(std::uint8_t firstByte, HistoryCause cause = HistoryCause::Editor,
                      bool sent = true, QString target = {}) {
    HistoryRecord record;
    record.device = QStringLiteral("/dev/ttyUSB0");
    record.cause = cause;
    record.detail = QStringLiteral("EndPoint");
    record.sent = sent;
    record.target = std::move(target);
    record.block = blockWith(firstByte);
    return record;
}

class HistoryFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path() const { return dir.filePath("data/history.jsonl"); }
    HistoryStore store() const { return HistoryStore(path()); }
    HistoryRecord add(HistoryRecord record) {
        EXPECT_EQ(store().append(record), QString());
        return record;
    }
    void appendRaw(const QByteArray& bytes) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
        file.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(HistoryFileTest, RecordsOfEveryKind_ReadBackAsWritten) {
    HistoryRecord undo = written(7, HistoryCause::Undo, true, QStringLiteral("abc"));
    undo.block[kChecksumSlot2] = 0xEE;
    undo.memory = 1;
    HistoryRecord modelEdit = written(4, HistoryCause::Editor, false);
    modelEdit.model = QStringLiteral("Heli 450");
    const std::vector<HistoryRecord> records{received(1), written(2, HistoryCause::Open),
                                             written(3, HistoryCause::Editor, false), undo,
                                             modelEdit};
    for (const HistoryRecord& record : records)
        add(record);
    const HistoryContents contents = store().load();
    ASSERT_EQ(contents.records.size(), records.size());
    EXPECT_EQ(contents.skippedLines, 0u);
    EXPECT_TRUE(contents.message.isEmpty());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const HistoryRecord& back = contents.records[i];
        EXPECT_EQ(back.received, records[i].received) << i;
        EXPECT_EQ(back.sent, records[i].sent) << i;
        EXPECT_EQ(back.cause, records[i].cause) << i;
        EXPECT_EQ(back.block, records[i].block) << i;
        EXPECT_EQ(back.target, records[i].target) << i;
        EXPECT_EQ(back.memory, records[i].memory) << i;
        EXPECT_EQ(back.model, records[i].model) << i;
        EXPECT_FALSE(back.key.isEmpty());
        EXPECT_TRUE(back.time.isValid());
    }
    EXPECT_EQ(contents.records[0].device, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(contents.records[1].detail, QStringLiteral("EndPoint"));
}

TEST_F(HistoryFileTest, IdenticalConsecutiveBlocks_StoredOnceButUndoAndSendingAlwaysCount) {
    add(received(1));
    add(received(1));                              // the same frame again: dropped
    add(written(1));                               // an OK that changed nothing: dropped
    add(written(2, HistoryCause::Editor, false));  // typed without a transmitter
    add(written(2, HistoryCause::Editor, false));  // the same again: dropped
    add(written(2, HistoryCause::History));        // now sent: kept
    add(received(2));                              // its read-back: dropped
    add(written(2, HistoryCause::Undo, true, QStringLiteral("k")));  // an undo step: kept
    const HistoryContents contents = store().load();
    ASSERT_EQ(contents.records.size(), 4u);
    EXPECT_TRUE(contents.records[0].received);
    EXPECT_FALSE(contents.records[1].sent);
    EXPECT_EQ(contents.records[2].cause, HistoryCause::History);
    EXPECT_EQ(contents.records[3].cause, HistoryCause::Undo);
}

TEST_F(HistoryFileTest, TornLastLine_IsSkippedAndTheNextRecordStartsOnALineOfItsOwn) {
    add(received(1));
    const QByteArray whole = historyLine(written(2));
    appendRaw(whole.left(whole.size() / 2));  // a write cut off by a crash
    HistoryContents contents = store().load();
    ASSERT_EQ(contents.records.size(), 1u);
    EXPECT_EQ(contents.skippedLines, 1u);
    EXPECT_TRUE(contents.message.isEmpty());

    add(received(3));
    contents = store().load();
    ASSERT_EQ(contents.records.size(), 2u);
    EXPECT_EQ(contents.records[1].block[0], 3);
    EXPECT_EQ(contents.skippedLines, 1u);
}

TEST_F(HistoryFileTest, FileOfSomethingElse_IsMovedAsideWithAMessageAndANewHistoryBegins) {
    ASSERT_TRUE(QDir().mkpath(dir.filePath("data")));
    appendRaw("this is not\na history\nat all\n");
    const HistoryContents contents = store().load();
    EXPECT_TRUE(contents.records.empty());
    EXPECT_TRUE(contents.message.contains(path())) << contents.message.toStdString();
    EXPECT_FALSE(QFile::exists(path()));
    const QStringList aside = QDir(dir.filePath("data")).entryList({"history.jsonl.unreadable-*"});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(dir.filePath("data/" + aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("this is not\na history\nat all\n"));

    add(received(1));
    EXPECT_EQ(store().load().records.size(), 1u);
}

TEST_F(HistoryFileTest, FullDisk_ReportsNamingTheFileAndStoresNothing) {
    HistoryRecord record = received(1);
    bool stored = true;
    const QString error = HistoryStore(QStringLiteral("/dev/full")).append(record, &stored);
    EXPECT_TRUE(error.contains(QStringLiteral("/dev/full"))) << error.toStdString();
    EXPECT_FALSE(stored);
}

// What stands where the history belongs and is no regular file (a pipe, a link to a device
// without end, a folder) is left where it is: reading and recording return at once, each with
// a message naming the file, and nothing is stored.
TEST_F(HistoryFileTest, NotARegularFile_IsLeftAloneAndNothingWaitsOrReadsWithoutEnd) {
    ASSERT_TRUE(QDir().mkpath(dir.filePath("data")));
    const struct {
        const char* what;
        std::function<bool()> make;
    } kinds[] = {
        {"named pipe", [&] { return QProcess::execute("mkfifo", {path()}) == 0; }},
        {"link to /dev/zero", [&] { return QFile::link("/dev/zero", path()); }},
        {"folder", [&] { return QDir().mkdir(path()); }},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.what);
        ASSERT_TRUE(kind.make());
        const HistoryContents contents = store().load();
        EXPECT_TRUE(contents.records.empty());
        EXPECT_TRUE(contents.message.contains(path())) << contents.message.toStdString();
        HistoryRecord record = received(1);
        bool stored = true;
        const QString error = store().append(record, &stored);
        EXPECT_TRUE(error.contains(path())) << error.toStdString();
        EXPECT_FALSE(stored);
        // Not moved aside: it is no history that could not be read.
        const QFileInfo left(path());
        EXPECT_TRUE(left.exists() || left.isSymLink());
        EXPECT_TRUE(QDir(dir.filePath("data")).entryList({"*.unreadable-*"}).isEmpty());
        if (left.isDir() && !left.isSymLink())
            ASSERT_TRUE(QDir().rmdir(path()));
        else
            ASSERT_TRUE(QFile::remove(path()));
    }
}

// A file far larger than any history (here mostly a hole of zeros) is not read whole: its
// newest entries are shown, with a message that says so.
TEST_F(HistoryFileTest, FileLargerThanAnyHistory_ShowsItsNewestEntriesWithAMessage) {
    ASSERT_TRUE(QDir().mkpath(dir.filePath("data")));
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64{65} << 20));
    }
    appendRaw("\n");
    // Appended by a program that never keeps a full file aside (an older Pelorin, say).
    const HistoryStore keepsAll(path(), std::numeric_limits<qint64>::max());
    for (const std::uint8_t b : {std::uint8_t{1}, std::uint8_t{2}}) {
        HistoryRecord r = received(b);
        ASSERT_EQ(keepsAll.append(r), QString());
    }
    const HistoryContents contents = store().load();
    ASSERT_EQ(contents.records.size(), 2u);
    EXPECT_EQ(contents.records[1].block[0], 2);
    EXPECT_TRUE(contents.message.contains(QDir::toNativeSeparators(path())))
        << contents.message.toStdString();
}

// Read back page by page from the end, the file gives every record once, whatever the size of
// the pages: a damaged line as an entry without a key, a torn last line and a stretch without
// newlines (longer than any page) passed over; with a device, only that device's records.
TEST_F(HistoryFileTest, ReadBackPageByPage_GivesEveryRecordOnceAtAnyPageSize) {
    std::vector<QString> keys;
    for (int i = 0; i < 60; ++i) {
        HistoryRecord r = i % 3 == 0 ? written(static_cast<std::uint8_t>(i)) : received(1);
        if (i % 3 == 1)
            r.device = QStringLiteral("/dev/ttyUSB1");
        keys.push_back(add(r).key);
        if (i == 20)
            appendRaw("{\"key\":\"damaged\"}\n");
        if (i == 40)
            appendRaw(QByteArray(5000, 'x') + '\n');
    }
    appendRaw(historyLine(received(2)).chopped(20));  // torn by a crash
    for (const qint64 pageBytes : {qint64{300}, qint64{1000}, qint64{4096}, qint64{1} << 20}) {
        for (const bool oneDevice : {false, true}) {
            std::vector<QString> read;
            std::size_t damaged = 0;
            qint64 begin = -1;
            QByteArray head;
            do {
                const HistoryPage page = store().readBefore(
                    begin, pageBytes, head,
                    oneDevice ? std::optional(QStringLiteral("/dev/ttyUSB0")) : std::nullopt);
                ASSERT_FALSE(page.restart);
                ASSERT_TRUE(begin < 0 || page.begin < begin) << "no progress at " << begin;
                for (auto it = page.records.rbegin(); it != page.records.rend(); ++it) {
                    if (it->key.isEmpty())
                        ++damaged;
                    else
                        read.insert(read.begin(), it->key);
                }
                begin = page.begin;
                head = page.head;
            } while (begin > 0);
            std::vector<QString> expected;
            for (std::size_t i = 0; i < keys.size(); ++i) {
                if (!oneDevice || i % 3 != 1)
                    expected.push_back(keys[i]);
            }
            EXPECT_EQ(read, expected) << pageBytes << (oneDevice ? " one device" : "");
            // A line too short for any device passes the filter only when read whole.
            EXPECT_EQ(damaged, oneDevice ? 0u : 1u) << pageBytes;
        }
    }
}

// Only a device's own records are read when asked for, whatever its name holds: the name as
// the file writes it, not a part of a longer one.
TEST_F(HistoryFileTest, ReadForOneDevice_FindsEveryNameAsWrittenAndNoOther) {
    const std::vector<QString> names{
        QString(), QStringLiteral("/dev/ttyUSB0"), QStringLiteral("\\\\.\\COM3"),
        QStringLiteral("odd \"name\"\t/x"), QStringLiteral("/dev/gerät-中")};
    for (const QString& name : names) {
        HistoryRecord r = written(1);
        r.device = name;
        add(r);
    }
    for (const QString& name : names) {
        const HistoryPage page = store().readBefore(-1, 1 << 20, {}, name);
        ASSERT_EQ(page.records.size(), 1u) << name.toStdString();
        EXPECT_EQ(page.records[0].device, name);
    }
    EXPECT_TRUE(store().readBefore(-1, 1 << 20, {}, QStringLiteral("/dev/ttyUSB")).records.empty());
}

// The History window reads only what was appended since, by this program or another; a file
// kept aside as full, or replaced, is read anew.
TEST_F(HistoryFileTest, ReadAppended_GivesOnlyNewRecordsAndStartsAfreshOnAnotherFile) {
    const HistoryStore small(path(), 3000);  // kept aside after a few records
    HistoryRecord first = received(1);
    ASSERT_EQ(small.append(first), QString());
    HistoryPage read = small.readAppended(0, {});
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_FALSE(read.restart);

    add(written(2));
    appendRaw(historyLine(written(3)).chopped(10));  // a line still being written
    HistoryPage more = small.readAppended(read.end, read.head);
    EXPECT_FALSE(more.restart);
    ASSERT_EQ(more.records.size(), 1u);
    EXPECT_EQ(more.records[0].block[0], 2);
    EXPECT_EQ(small.readAppended(more.end, more.head).records.size(), 0u);

    // Past its size the file is kept aside whole, and a new one begins.
    for (std::uint8_t b = 4; b < 20; ++b) {
        HistoryRecord r = written(b);
        ASSERT_EQ(small.append(r), QString());
    }
    const QStringList kept =
        QDir(dir.filePath("data")).entryList({QStringLiteral("history-*.jsonl")});
    ASSERT_EQ(kept.size(), 1) << "no file kept aside";
    EXPECT_LT(QFileInfo(path()).size(), 3000);
    const HistoryPage fresh = small.readAppended(more.end, more.head);
    EXPECT_TRUE(fresh.restart);
    const HistoryPage whole = small.readAppended(0, {});
    ASSERT_FALSE(whole.records.empty());
    EXPECT_EQ(whole.records.back().block[0], 19);
    EXPECT_EQ(whole.records.size(), store().load().records.size());
    // The history is the user's alone (where the system has such modes).
    if (QSysInfo::productType() != QStringLiteral("windows")) {
        EXPECT_EQ(QFileInfo(path()).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    }
}

// The writes as a stack: which write Ctrl+Z takes back, with what, and what Ctrl+Shift+Z redoes.
TEST(UndoSteps, FollowTheWritesUndosAndRedosInTheRecords) {
    struct Case {
        const char* name;
        std::vector<HistoryRecord> records;
        std::optional<std::size_t> undo;
        std::uint8_t undoBlock;
        std::optional<std::size_t> redo;
    };
    auto keyed = [](HistoryRecord r, const char* key) {
        r.key = QString::fromLatin1(key);
        return r;
    };
    const HistoryRecord a = keyed(received(1), "a");
    const HistoryRecord w2 = keyed(written(2), "w2");
    const HistoryRecord w3 = keyed(written(3), "w3");
    const HistoryRecord undoW3 = keyed(written(2, HistoryCause::Undo, true, "w3"), "u3");
    const HistoryRecord undoW2 = keyed(written(1, HistoryCause::Undo, true, "w2"), "u2");
    const HistoryRecord redoW2 = keyed(written(2, HistoryCause::Redo, true, "w2"), "r2");
    const HistoryRecord notSent = keyed(written(9, HistoryCause::Editor, false), "n");
    const HistoryRecord w4 = keyed(written(4), "w4");
    const std::vector<Case> cases{
        {"nothing written", {a}, std::nullopt, 0, std::nullopt},
        {"one write", {a, w2}, 1, 1, std::nullopt},
        {"two writes", {a, w2, w3}, 2, 2, std::nullopt},
        {"after one undo", {a, w2, w3, undoW3}, 1, 1, 2},
        {"after two undos", {a, w2, w3, undoW3, undoW2}, std::nullopt, 0, 1},
        {"undo, undo, redo", {a, w2, w3, undoW3, undoW2, redoW2}, 1, 1, 2},
        {"a new write forgets the redo", {a, w2, w3, undoW3, w4}, 4, 2, std::nullopt},
        {"not sent is no write", {a, w2, notSent}, 1, 1, std::nullopt},
        {"nothing known before", {w2}, std::nullopt, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        const UndoSteps steps =
            undoSteps(c.records, {QStringLiteral("/dev/ttyUSB0"), kUnknownMemory});
        EXPECT_EQ(steps.undo, c.undo) << c.name;
        if (steps.undo && c.undo) {
            EXPECT_EQ(steps.undoBlock[0], c.undoBlock) << c.name;
        }
        EXPECT_EQ(steps.redo, c.redo) << c.name;
    }
}

// Undo follows one transmitter and one memory: what another transmitter or the other memory
// held is never the step back, however the records of the chains interleave.
TEST(UndoSteps, FollowOnlyTheChainOfTheTransmitterAndMemoryConnected) {
    // A model window's record, even one that claims to have been sent.
    const auto model = [](std::uint8_t value) {
        HistoryRecord r = written(value);
        r.model = QStringLiteral("Heli");
        r.sent = true;
        return r;
    };
    const auto on = [](HistoryRecord r, const char* device, int memory, const char* key) {
        r.device = QString::fromLatin1(device);
        r.memory = memory;
        r.key = QString::fromLatin1(key);
        return r;
    };
    const QString a = QStringLiteral("/dev/A");
    const std::vector<HistoryRecord> records{
        on(received(1), "/dev/A", 0, "a1"),  // A USER1 held 1
        on(received(5), "/dev/B", kUnknownMemory, "b5"),
        on(written(2), "/dev/A", 0, "a2"),               // A USER1: 1 -> 2
        on(written(6), "/dev/B", kUnknownMemory, "b6"),  // B: 5 -> 6, written by pelorin-cli
        on(received(8), "/dev/A", 1, "u8"),              // A switched to USER2: holds 8
        on(written(9), "/dev/A", 1, "u9"),               // A USER2: 8 -> 9
        on(written(3), "/dev/A", kUnknownMemory, "n3"),  // an old record: memory not known
        on(model(4), "", kUnknownMemory, "m4"),          // the model window stored 4, then 7
        on(model(7), "", kUnknownMemory, "m7"),
    };
    struct Case {
        const char* name;
        HistoryChain chain;
        std::optional<std::size_t> undo;
        std::uint8_t undoBlock;
    };
    const std::vector<Case> cases{
        {"A USER1 takes back its own write, not B's", {a, 0}, 2, 1},
        {"A USER2 goes back to USER2's block, never USER1's", {a, 1}, 5, 8},
        {"B's write goes back to B's block", {QStringLiteral("/dev/B"), kUnknownMemory}, 3, 5},
        {"a memory not known has nothing known before its write",
         {a, kUnknownMemory},
         std::nullopt,
         0},
        {"a transmitter never seen", {QStringLiteral("/dev/C"), 0}, std::nullopt, 0},
        {"no transmitter: a model's edits are never its steps",
         {QString(), kUnknownMemory},
         std::nullopt,
         0},
        {"the model's own chain", {QString(), kUnknownMemory, QStringLiteral("Heli")}, 8, 4},
    };
    for (const Case& c : cases) {
        const UndoSteps steps = undoSteps(records, c.chain);
        EXPECT_EQ(steps.undo, c.undo) << c.name;
        if (steps.undo && c.undo) {
            EXPECT_EQ(steps.undoBlock[0], c.undoBlock) << c.name;
        }
        EXPECT_FALSE(steps.redo) << c.name;
    }
    // An undo on one chain leaves the other chains' steps as they were.
    std::vector<HistoryRecord> undone = records;
    undone.push_back(on(written(1, HistoryCause::Undo, true, "a2"), "/dev/A", 0, "x"));
    EXPECT_FALSE(undoSteps(undone, {a, 0}).undo);
    EXPECT_EQ(undoSteps(undone, {a, 0}).redo, 2u);
    EXPECT_EQ(undoSteps(undone, {a, 1}).undo, 5u);
    EXPECT_FALSE(undoSteps(undone, {a, 1}).redo);
}

// Undo reads only the newest records, as many as its answer needs: wherever the records read
// begin, an answer given as known is the one the whole history gives.
TEST(UndoSteps, FromTheNewestRecords_KnownAnswersAreTheWholeHistorys) {
    std::mt19937 random(7);
    const std::array<HistoryChain, 3> chains{HistoryChain{QStringLiteral("/dev/A"), 0},
                                             HistoryChain{QStringLiteral("/dev/A"), 1},
                                             HistoryChain{QStringLiteral("/dev/B"), -1}};
    std::size_t partial = 0;
    for (int history = 0; history < 300; ++history) {
        std::vector<HistoryRecord> records;
        const int length = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            const HistoryChain& chain = chains[random() % chains.size()];
            const auto block = static_cast<std::uint8_t>(random() % 5);
            HistoryRecord r;
            switch (random() % 6) {
                case 0:
                    r = received(block);
                    break;
                case 1:
                case 2:
                    r = written(block, HistoryCause::Editor, random() % 5 != 0);
                    break;
                default: {  // an undo or redo of an earlier write, often a recent one
                    r = written(block, random() % 2 == 0 ? HistoryCause::Undo : HistoryCause::Redo);
                    if (!records.empty()) {
                        const std::size_t back =
                            std::min<std::size_t>(random() % 4, records.size() - 1);
                        r.target = records[records.size() - 1 - back].key;
                    }
                }
            }
            r.device = chain.device;
            r.memory = chain.memory;
            r.key = QString::number(i);
            records.push_back(r);
        }
        for (const HistoryChain& chain : chains) {
            const UndoSteps whole = undoSteps(records, chain);
            for (std::size_t from = 0; from < records.size(); ++from) {
                const std::vector<HistoryRecord> newest(records.begin() + from, records.end());
                const UndoSteps part = undoSteps(newest, chain, from == 0);
                const auto shifted = [from](std::optional<std::size_t> i) {
                    return i ? std::optional(*i + from) : std::nullopt;
                };
                if (part.undoKnown) {
                    EXPECT_EQ(shifted(part.undo), whole.undo) << history << " from " << from;
                    if (part.undo) {
                        EXPECT_EQ(part.undoBlock, whole.undoBlock) << history << " from " << from;
                    }
                }
                if (part.redoKnown) {
                    EXPECT_EQ(shifted(part.redo), whole.redo) << history << " from " << from;
                }
                partial += part.undoKnown && from > 0 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(partial, 1000u) << "the newest records alone hardly ever sufficed";
}

TEST(HistoryRecordFromLine, RecordsWithoutOrWithAnUnknownMemory_BelongToNoKnownMemory) {
    HistoryRecord record = received(1);
    record.key = QStringLiteral("k");
    record.time = QDateTime::currentDateTimeUtc();
    QByteArray line = historyLine(record);
    ASSERT_FALSE(line.contains("memory"));
    ASSERT_TRUE(historyRecordFromLine(line));
    EXPECT_EQ(historyRecordFromLine(line)->memory, kUnknownMemory);
    line.replace("\"event\"", "\"memory\":\"USER7\",\"event\"");
    ASSERT_TRUE(historyRecordFromLine(line)) << line.toStdString();
    EXPECT_EQ(historyRecordFromLine(line)->memory, kUnknownMemory);
}

// What the writer processes stored, by writer: the sequence numbers, in the order found.
std::map<int, std::vector<long>> sequencesByWriter(const HistoryContents& contents) {
    std::map<int, std::vector<long>> found;
    for (const HistoryRecord& record : contents.records) {
        long sequence = 0;
        for (std::size_t b = 0; b < 4; ++b)
            sequence |= static_cast<long>(record.block[1 + b]) << (8 * b);
        found[record.block[0]].push_back(sequence);
    }
    return found;
}

// Sequence numbers a writer printed, i.e. had stored.
std::vector<long> reported(QProcess& writer) {
    std::vector<long> numbers;
    for (const QByteArray& line : writer.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            numbers.push_back(line.toLong());
    }
    return numbers;
}

TEST_F(HistoryFileTest, WriterKilledMidRecordManyTimes_EveryStoredRecordReadsAndNoneIsMixed) {
    constexpr int kKills = 25;
    std::vector<long> stored;
    for (int round = 0; round < kKills; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(HISTORY_WRITER),
                     {path(), QString::number(round + 1), QStringLiteral("0")});
        ASSERT_TRUE(writer.waitForStarted());
        // Killed at a different point of its work each round.
        ASSERT_TRUE(QTest::qWaitFor([&] { return writer.bytesAvailable() > 20 + round * 7; }));
        writer.kill();  // SIGKILL
        ASSERT_TRUE(writer.waitForFinished());
        for (long n : reported(writer))
            stored.push_back(round + 1 + (n << 8));
    }
    const HistoryContents contents = store().load();
    EXPECT_TRUE(contents.message.isEmpty());
    EXPECT_LE(contents.skippedLines, static_cast<std::size_t>(kKills));
    // Every record that a writer had stored is there, whole, and each writer's in order.
    QSet<long> inFile;
    for (const auto& [writer, sequence] : sequencesByWriter(contents)) {
        for (std::size_t i = 0; i < sequence.size(); ++i) {
            EXPECT_EQ(sequence[i], static_cast<long>(i)) << "writer " << writer;
            inFile.insert(writer + (sequence[i] << 8));
        }
    }
    for (long key : stored)
        EXPECT_TRUE(inFile.contains(key)) << "writer " << (key & 0xFF) << " record " << (key >> 8);
}

TEST_F(HistoryFileTest, TwoProgramsRecordingAtOnce_LoseAndMixNothing) {
    constexpr int kEach = 1500;
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(HISTORY_WRITER), {path(), "1", QString::number(kEach)});
    second.start(QStringLiteral(HISTORY_WRITER), {path(), "2", QString::number(kEach)});
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    ASSERT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    ASSERT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    const HistoryContents contents = store().load();
    EXPECT_EQ(contents.skippedLines, 0u);
    ASSERT_EQ(contents.records.size(), 2u * kEach);
    const auto found = sequencesByWriter(contents);
    for (int writer : {1, 2}) {
        ASSERT_EQ(found.at(writer).size(), static_cast<std::size_t>(kEach));
        for (long i = 0; i < kEach; ++i)
            EXPECT_EQ(found.at(writer)[static_cast<std::size_t>(i)], i);
    }
    QSet<QString> keys;
    for (const HistoryRecord& record : contents.records)
        keys.insert(record.key);
    EXPECT_EQ(keys.size(), 2 * kEach);
}

}  // namespace
}  // namespace pelorin::models
