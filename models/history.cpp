// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/history.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <utility>

#include "platform/savefile.h"

namespace pelorin::models {

namespace {

struct HistoryTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::models::HistoryTexts)
};

constexpr std::array<std::pair<HistoryCause, const char*>, 8> kCauseNames{{
    {HistoryCause::None, ""},
    {HistoryCause::Editor, "editor"},
    {HistoryCause::Open, "open"},
    {HistoryCause::Model, "model"},
    {HistoryCause::Undo, "undo"},
    {HistoryCause::Redo, "redo"},
    {HistoryCause::History, "history"},
    {HistoryCause::Command, "command"},
}};

QString causeName(HistoryCause cause) {
    for (const auto& [value, name] : kCauseNames) {
        if (value == cause)
            return QString::fromLatin1(name);
    }
    return {};
}

std::optional<HistoryCause> causeOfName(const QString& text) {
    for (const auto& [value, name] : kCauseNames) {
        if (text == QLatin1String(name))
            return value;
    }
    return std::nullopt;
}

// The tail read to find the last record: several records long, so one torn line cannot hide it.
constexpr qint64 kTailBytes = 8192;

QString newKey() {
    // 64 random bits: two programs recording at the same millisecond still differ.
    return QString::number(QRandomGenerator::global()->generate64(), 36);
}

constexpr std::array<const char*, 2> kMemoryNames{"USER1", "USER2"};

bool knownMemory(int memory) {
    return memory >= 0 && memory < static_cast<int>(kMemoryNames.size());
}

std::optional<int> memoryOfName(const QString& text) {
    for (std::size_t i = 0; i < kMemoryNames.size(); ++i) {
        if (text == QLatin1String(kMemoryNames[i]))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace

QString memoryName(int memory) {
    if (knownMemory(memory))
        return QString::fromLatin1(kMemoryNames[static_cast<std::size_t>(memory)]);
    return HistoryTexts::tr("not known");
}

QString describeRecord(const HistoryRecord& record) {
    QString text;
    switch (record.cause) {
        case HistoryCause::None:
            text = record.received ? HistoryTexts::tr("Received from the transmitter")
                                   : HistoryTexts::tr("Written");
            break;
        case HistoryCause::Editor:
            // The editor's button, as the window names it in the user's language.
            text = HistoryTexts::tr("OK in %1")
                       .arg(QCoreApplication::translate("pelorin::MainDialog",
                                                        record.detail.toUtf8().constData()));
            break;
        case HistoryCause::Open:
            text = HistoryTexts::tr("Open %1").arg(QFileInfo(record.detail).fileName());
            break;
        case HistoryCause::Model:
            text = HistoryTexts::tr("Model “%1” sent").arg(record.detail);
            break;
        case HistoryCause::Undo:
            text = HistoryTexts::tr("Undo");
            break;
        case HistoryCause::Redo:
            text = HistoryTexts::tr("Redo");
            break;
        case HistoryCause::History:
            // The entry sent, and the groups that went.
            text = record.detail.isEmpty()
                       ? HistoryTexts::tr("Sent again from the history")
                       : HistoryTexts::tr("Sent again from the history: %1").arg(record.detail);
            break;
        case HistoryCause::Command:
            text = record.detail == u"-" ? HistoryTexts::tr("pelorin-cli write from standard input")
                                         : HistoryTexts::tr("pelorin-cli write %1")
                                               .arg(QFileInfo(record.detail).fileName());
            break;
    }
    if (!record.received && !record.sent)
        text = HistoryTexts::tr("%1 (not sent)").arg(text);
    return text;
}

QByteArray historyLine(const HistoryRecord& record) {
    QJsonObject object{
        {QStringLiteral("key"), record.key},
        {QStringLiteral("time"), record.time.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("event"),
         record.received ? QStringLiteral("received") : QStringLiteral("written")},
        {QStringLiteral("device"), record.device},
        {QStringLiteral("block"),
         QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(record.block.data()),
                                        static_cast<qsizetype>(record.block.size()))
                                 .toHex())},
    };
    if (knownMemory(record.memory))  // a memory not known is left out
        object.insert(QStringLiteral("memory"), memoryName(record.memory));
    if (!record.received) {
        object.insert(QStringLiteral("sent"), record.sent);
        object.insert(QStringLiteral("cause"), causeName(record.cause));
        if (!record.detail.isEmpty())
            object.insert(QStringLiteral("detail"), record.detail);
        if (!record.target.isEmpty())
            object.insert(QStringLiteral("target"), record.target);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<HistoryRecord> historyRecordFromLine(const QByteArray& line) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    HistoryRecord record;
    record.key = object.value(QStringLiteral("key")).toString();
    record.time =
        QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    const QString event = object.value(QStringLiteral("event")).toString();
    const QByteArray block =
        QByteArray::fromHex(object.value(QStringLiteral("block")).toString().toLatin1());
    if (record.key.isEmpty() || !record.time.isValid() ||
        (event != u"received" && event != u"written") ||
        block.size() != static_cast<qsizetype>(kBlockBytesSize))
        return std::nullopt;
    std::copy(block.begin(), block.end(), record.block.begin());
    record.received = event == u"received";
    record.device = object.value(QStringLiteral("device")).toString();
    // Records from before memories were kept, and any memory this program does not know of,
    // belong to no known memory: they are never a step back for USER1 or USER2.
    record.memory =
        memoryOfName(object.value(QStringLiteral("memory")).toString()).value_or(kUnknownMemory);
    if (!record.received) {
        record.sent = object.value(QStringLiteral("sent")).toBool(true);
        const auto cause = causeOfName(object.value(QStringLiteral("cause")).toString());
        if (!cause)
            return std::nullopt;
        record.cause = *cause;
        record.detail = object.value(QStringLiteral("detail")).toString();
        record.target = object.value(QStringLiteral("target")).toString();
    }
    return record;
}

QString HistoryStore::defaultPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Pelorin/Pelorin/history.jsonl"));
}

namespace {

// The history's own file must be a regular file: anything else (a pipe, a device, a folder)
// would block the program or never end, and is left alone.
QString notRegularHistory(const QString& path) {
    return HistoryTexts::tr(
               "The history file %1 is not a regular file but a folder, a pipe or a device, so "
               "no history is kept or shown. Remove it, or put a regular file in its place.")
        .arg(QDir::toNativeSeparators(path));
}

// The most of the file that is read: hundreds of thousands of records, far more than any
// history gathers, and still a size that opens at once.
constexpr qint64 kMostBytesRead = qint64{64} << 20;

}  // namespace

std::optional<HistoryRecord> HistoryStore::lastRecord() const {
    QFile file;
    if (!openRegularFile(file, path_, QIODevice::ReadOnly).ok())
        return std::nullopt;
    const qint64 size = file.size();
    file.seek(std::max<qint64>(0, size - kTailBytes));
    const QByteArray tail = file.read(std::min(size, kTailBytes));
    const QList<QByteArray> lines = tail.split('\n');
    // The first piece may be cut by the seek; every other one is a whole line (or torn).
    for (qsizetype i = lines.size() - 1; i >= (size > kTailBytes ? 1 : 0); --i) {
        if (auto record = historyRecordFromLine(lines[i]))
            return record;
    }
    return std::nullopt;
}

QString HistoryStore::append(HistoryRecord& record, bool* stored) const {
    if (stored != nullptr)
        *stored = false;
    if (record.key.isEmpty())
        record.key = newKey();
    if (!record.time.isValid())
        record.time = QDateTime::currentDateTimeUtc();

    if (const QFileInfo info(path_); info.exists() && !info.isFile())
        return notRegularHistory(path_);
    const bool step = record.cause == HistoryCause::Undo || record.cause == HistoryCause::Redo;
    if (!step) {
        if (const auto last = lastRecord(); last && last->block == record.block &&
                                            last->chain() == record.chain() &&
                                            last->heldByTransmitter() == record.heldByTransmitter())
            return {};
    }

    archiveIfFull();
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        return HistoryTexts::tr("The history cannot be kept: the folder %1 cannot be made.")
            .arg(QDir::toNativeSeparators(folder));
    }
    QByteArray line = historyLine(record);
    // A line torn by a crash (or a full disk) must not swallow this record: start afresh.
    if (QFile reader; openRegularFile(reader, path_, QIODevice::ReadOnly).ok() &&
                      reader.size() > 0 && reader.seek(reader.size() - 1) && reader.read(1) != "\n")
        line.prepend('\n');
    // One write at the end of the file as it is then, whoever else appends.
    if (const QString reason = appendToFile(path_, line); !reason.isEmpty()) {
        return HistoryTexts::tr("The history cannot be kept in %1: %2.")
            .arg(QDir::toNativeSeparators(path_), reason);
    }
    if (stored != nullptr)
        *stored = true;
    return {};
}

void HistoryStore::archiveIfFull() const {
    const QFileInfo info(path_);
    if (!info.isFile() || info.size() < archiveAt_)
        return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = info.dir().filePath(info.completeBaseName() + u'-' + stamp);
    QString archive = base + QStringLiteral(".jsonl");
    for (int n = 2; QFileInfo::exists(archive); ++n)
        archive = base + QStringLiteral("-%1.jsonl").arg(n);
    // Another program may have kept it aside a moment ago: then this one appends to the new.
    (void)QFile::rename(path_, archive);
}

namespace {

constexpr qsizetype kHeadBytes = 64;  // enough to tell one history file from the next

}  // namespace

HistoryAppended HistoryStore::readAppended(qint64 end, const QByteArray& head) const {
    HistoryAppended appended;
    appended.end = end;
    QFile file;
    if (!QFileInfo::exists(path_)) {
        appended.restart = end > 0;
        appended.end = 0;
        return appended;
    }
    if (const RegularOpen opened = openRegularFile(file, path_, QIODevice::ReadOnly);
        !opened.ok()) {
        appended.message = opened.notRegular
                               ? notRegularHistory(path_)
                               : HistoryTexts::tr("The history file %1 cannot be read: %2.")
                                     .arg(QDir::toNativeSeparators(path_), opened.reason);
        return appended;
    }
    const qint64 size = file.size();
    appended.head = file.read(kHeadBytes);
    if (end > 0 && (size < end || head.isEmpty() || !appended.head.startsWith(head))) {
        appended.restart = true;
        appended.end = 0;
        return appended;
    }
    // A file larger than any history is read from its newest part, as loadLines does.
    qint64 from = end;
    if (size - from > kMostBytesRead)
        from = size - kMostBytesRead;
    file.seek(from);
    QByteArray data = file.read(size - from);
    if (from > end)
        data.remove(0, data.indexOf('\n') + 1);  // the first whole line
    const qsizetype last = data.lastIndexOf('\n');
    if (last < 0)
        return appended;  // nothing whole yet: the rest of a line may still be on its way
    appended.end = size - data.size() + last + 1;
    qsizetype start = 0;
    while (start <= last) {
        const qsizetype stop = data.indexOf('\n', start);
        if (stop > start) {
            if (auto record = historyRecordFromLine(
                    QByteArray::fromRawData(data.constData() + start, stop - start)))
                appended.records.push_back(std::move(*record));
        }
        start = stop + 1;
    }
    return appended;
}

std::optional<HistoryRecord> HistoryLines::record(std::size_t index) const {
    const auto [start, length] = lines[index];
    return historyRecordFromLine(QByteArray::fromRawData(data.constData() + start, length));
}

HistoryLines HistoryStore::loadLines() const {
    HistoryLines contents;
    const QFileInfo info(path_);
    if (!info.exists())
        return contents;
    if (!info.isFile()) {
        contents.message = notRegularHistory(path_);
        return contents;
    }
    QString reason;
    QFile file;
    if (const RegularOpen opened = openRegularFile(file, path_, QIODevice::ReadOnly);
        opened.notRegular) {
        contents.message = notRegularHistory(path_);
        return contents;
    } else if (!opened.ok()) {
        reason = opened.reason;
    } else {
        // Only the newest part of a file too large to be a history, from its first whole line.
        const qint64 size = file.size();
        const bool cut = size > kMostBytesRead;
        if (cut)
            file.seek(size - kMostBytesRead);
        contents.data = file.read(std::min(size, kMostBytesRead));
        if (file.error() != QFileDevice::NoError)
            reason = file.errorString();
        file.close();
        if (cut && reason.isEmpty()) {
            contents.data.remove(0, contents.data.indexOf('\n') + 1);
            contents.message =
                HistoryTexts::tr(
                    "The history file %1 is larger than %2 MiB: only its newest entries are "
                    "shown. Move it aside to begin a new history.")
                    .arg(QDir::toNativeSeparators(path_))
                    .arg(kMostBytesRead >> 20);
        }
    }
    if (reason.isEmpty()) {
        const QByteArray& data = contents.data;
        qsizetype start = 0;
        std::size_t lines = 0;
        contents.lines.reserve(static_cast<std::size_t>(data.size() / 200));
        while (start < data.size()) {
            qsizetype end = data.indexOf('\n', start);
            if (end < 0)
                end = data.size();
            if (end > start) {
                ++lines;
                // A line cut short by a crash lacks its closing brace.
                if (data[start] == '{' && data[end - 1] == '}')
                    contents.lines.emplace_back(start, end - start);
                else
                    ++contents.skippedLines;
            }
            start = end + 1;
        }
        // One torn line is what a crash leaves; a file in which nothing reads is another file.
        if (!contents.lines.empty() || lines <= 1)
            return contents;
        reason = HistoryTexts::tr("no line of it is a record of the history");
    }

    // Keep it for whoever wants to look, and start a new history beside it.
    const QString aside = path_ + QStringLiteral(".unreadable-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    contents = HistoryLines{};
    if (QFile::rename(path_, aside)) {
        contents.message =
            HistoryTexts::tr(
                "The history file %1 cannot be read (%2). It was moved to %3, and a "
                "new history begins.")
                .arg(QDir::toNativeSeparators(path_), reason, QDir::toNativeSeparators(aside));
    } else {
        contents.message = HistoryTexts::tr(
                               "The history file %1 cannot be read (%2), nor moved aside. Nothing "
                               "of it can be shown.")
                               .arg(QDir::toNativeSeparators(path_), reason);
    }
    return contents;
}

HistoryContents HistoryStore::load() const {
    const HistoryLines lines = loadLines();
    HistoryContents contents;
    contents.message = lines.message;
    contents.skippedLines = lines.skippedLines;
    contents.records.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto record = lines.record(i))
            contents.records.push_back(std::move(*record));
        else
            ++contents.skippedLines;
    }
    return contents;
}

std::optional<BlockBytes> heldBefore(const std::vector<HistoryRecord>& records, std::size_t index) {
    if (index >= records.size())
        return std::nullopt;
    const HistoryChain chain = records[index].chain();
    for (std::size_t i = index; i-- > 0;) {
        if (records[i].heldByTransmitter() && records[i].chain() == chain)
            return records[i].block;
    }
    return std::nullopt;
}

UndoSteps undoSteps(const std::vector<HistoryRecord>& records, const HistoryChain& chain) {
    std::vector<std::size_t> done;
    std::vector<std::size_t> undone;
    // Takes the write with `key` off `from` and puts it on `to`; false when it is not there
    // (a second program undid it already, or the write lies before the file was begun).
    const auto move = [&records](std::vector<std::size_t>& from, std::vector<std::size_t>& to,
                                 const QString& key) {
        const auto it = std::find_if(from.rbegin(), from.rend(),
                                     [&](std::size_t i) { return records[i].key == key; });
        if (it == from.rend())
            return;
        to.push_back(*it);
        from.erase(std::next(it).base());
    };
    for (std::size_t i = 0; i < records.size(); ++i) {
        const HistoryRecord& record = records[i];
        if (record.received || !record.sent || record.chain() != chain)
            continue;
        if (record.cause == HistoryCause::Undo) {
            move(done, undone, record.target);
        } else if (record.cause == HistoryCause::Redo) {
            move(undone, done, record.target);
        } else {
            done.push_back(i);
            undone.clear();
        }
    }
    UndoSteps steps;
    // A write with nothing known before it cannot be taken back; neither can those under it.
    while (!done.empty() && !steps.undo) {
        if (const auto before = heldBefore(records, done.back())) {
            steps.undo = done.back();
            steps.undoBlock = *before;
        } else {
            done.clear();
        }
    }
    if (!undone.empty())
        steps.redo = undone.back();
    return steps;
}

}  // namespace pelorin::models
