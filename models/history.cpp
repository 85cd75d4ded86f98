// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/history.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
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
    if (!record.model.isEmpty())
        return HistoryTexts::tr("Model \u201C%1\u201D: %2").arg(record.model, text);
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
        if (!record.model.isEmpty())
            object.insert(QStringLiteral("model"), record.model);
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
        record.model = object.value(QStringLiteral("model")).toString();
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

// The most of the file read whole (by load() and readAppended()): hundreds of thousands of
// records, more than a history gathers before it is kept aside.
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
                                            last->held() == record.held())
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

constexpr qsizetype kHeadBytes = 64;              // enough to tell one history file from the next
constexpr qint64 kLongestLine = qint64{1} << 20;  // far longer than any record

// Opens the history for reading; false, with the page's message set where there is one to
// give, when there is nothing to read.
bool openHistory(QFile& file, const QString& path, HistoryPage& page) {
    if (const QFileInfo info(path); !info.exists())
        return false;
    const RegularOpen opened = openRegularFile(file, path, QIODevice::ReadOnly);
    if (opened.ok())
        return true;
    page.message = opened.notRegular ? notRegularHistory(path)
                                     : HistoryTexts::tr("The history file %1 cannot be read: %2.")
                                           .arg(QDir::toNativeSeparators(path), opened.reason);
    return false;
}

// The lines of `data`, which holds whole lines only: a record for each that reads as one, one
// without a key for a line that looks whole but does not read (a damaged entry), and a count
// of those cut short by a crash, which lack their closing brace. With `device`, a line that
// does not hold `"device":<device>` as this program writes it is passed over unread (reading
// a record is what takes the time). Returns how many were passed over.
std::size_t readLines(const QByteArray& data, HistoryPage& page,
                      const std::optional<QString>& device) {
    QByteArray needle;
    if (device) {
        const QByteArray array = QJsonDocument(QJsonArray{*device}).toJson(QJsonDocument::Compact);
        needle = "\"device\":" + array.mid(1, array.size() - 2);
    }
    std::size_t passedOver = 0;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype stop = data.indexOf('\n', start);
        if (stop < 0)
            stop = data.size();
        if (stop > start) {
            const QByteArray line = QByteArray::fromRawData(data.constData() + start, stop - start);
            if (!line.startsWith('{') || !line.endsWith('}'))
                ++page.skippedLines;
            else if (!needle.isEmpty() && !line.contains(needle))
                ++passedOver;
            else
                page.records.push_back(historyRecordFromLine(line).value_or(HistoryRecord{}));
        }
        start = stop + 1;
    }
    return passedOver;
}

}  // namespace

HistoryPage HistoryStore::readAppended(qint64 end, const QByteArray& head) const {
    HistoryPage page;
    page.begin = end;
    page.end = end;
    QFile file;
    if (!openHistory(file, path_, page)) {
        if (!QFileInfo::exists(path_) && end > 0) {
            page.restart = true;
            page.begin = page.end = 0;
        }
        return page;
    }
    const qint64 size = file.size();
    page.head = file.read(kHeadBytes);
    if (end > 0 && (size < end || head.isEmpty() || !page.head.startsWith(head))) {
        page.restart = true;
        page.begin = page.end = 0;
        return page;
    }
    // A file larger than any history is read from its newest part, as load() does.
    qint64 from = std::max(end, size - kMostBytesRead);
    file.seek(from);
    QByteArray data = file.read(size - from);
    if (from > end) {
        const qsizetype first = data.indexOf('\n') + 1;  // the first whole line
        data.remove(0, first);
        from += first;
    }
    page.begin = from;
    // Nothing after the last newline yet: the rest of that line may still be on its way.
    data.truncate(data.lastIndexOf('\n') + 1);
    page.end = from + data.size();
    (void)readLines(data, page, std::nullopt);
    return page;
}

HistoryPage HistoryStore::readBefore(qint64 before, qint64 bytes, const QByteArray& head,
                                     const std::optional<QString>& device) const {
    HistoryPage page;
    const bool first = before < 0;
    QFile file;
    if (!openHistory(file, path_, page)) {
        page.restart = !first && !QFileInfo::exists(path_);
        return page;
    }
    const qint64 size = file.size();
    page.head = file.read(kHeadBytes);
    if (!first && (size < before || head.isEmpty() || !page.head.startsWith(head))) {
        page.restart = true;
        return page;
    }
    const qint64 end = first ? size : before;
    // Back far enough to hold one whole line at least, as long as a line can sensibly be.
    qint64 from = std::max<qint64>(0, end - bytes);
    QByteArray data;
    for (;;) {
        file.seek(from);
        data = file.read(end - from);
        const qsizetype newline = data.indexOf('\n');
        if (from == 0 || (newline >= 0 && newline + 1 < data.size()) || end - from >= kLongestLine)
            break;
        from = std::max<qint64>(0, end - 2 * (end - from));
    }
    QString reason = file.error() == QFileDevice::NoError ? QString() : file.errorString();
    page.begin = from;
    if (from > 0) {
        // The first piece is the end of a line that begins further back, read with the page
        // before this one. Without a whole line, it is part of a line longer than any record:
        // passed over, and the next page read before it.
        const qsizetype newline = data.indexOf('\n');
        if (newline >= 0 && newline + 1 < data.size()) {
            data.remove(0, newline + 1);
            page.begin = from += newline + 1;
        } else {
            data.clear();
        }
    }
    // At the file's end, a line without its newline is one a crash tore.
    if (first && !data.isEmpty() && !data.endsWith('\n')) {
        data.truncate(data.lastIndexOf('\n') + 1);
        ++page.skippedLines;
    }
    page.end = from + data.size();
    const std::size_t passedOver = readLines(data, page, device);

    // One torn line is what a crash leaves; a whole file in which nothing reads is another file.
    const bool whole = first && page.begin == 0;
    if (whole && reason.isEmpty() && page.records.empty() && passedOver == 0 &&
        page.skippedLines > 1)
        reason = HistoryTexts::tr("no line of it is a record of the history");
    if (!whole || reason.isEmpty())
        return page;

    // Keep it for whoever wants to look, and start a new history beside it.
    const QString aside = path_ + QStringLiteral(".unreadable-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    file.close();
    page = HistoryPage{};
    if (QFile::rename(path_, aside)) {
        page.message =
            HistoryTexts::tr(
                "The history file %1 cannot be read (%2). It was moved to %3, and a "
                "new history begins.")
                .arg(QDir::toNativeSeparators(path_), reason, QDir::toNativeSeparators(aside));
    } else {
        page.message = HistoryTexts::tr(
                           "The history file %1 cannot be read (%2), nor moved aside. Nothing "
                           "of it can be shown.")
                           .arg(QDir::toNativeSeparators(path_), reason);
    }
    return page;
}

HistoryContents HistoryStore::load() const {
    HistoryPage page = readBefore(-1, kMostBytesRead);
    HistoryContents contents;
    contents.message = page.message;
    contents.skippedLines = page.skippedLines;
    if (page.begin > 0) {
        contents.message =
            HistoryTexts::tr(
                "The history file %1 is larger than %2 MiB: only its newest entries are "
                "shown. Move it aside to begin a new history.")
                .arg(QDir::toNativeSeparators(path_))
                .arg(kMostBytesRead >> 20);
    }
    contents.records.reserve(page.records.size());
    for (HistoryRecord& record : page.records) {
        if (record.key.isEmpty())
            ++contents.skippedLines;
        else
            contents.records.push_back(std::move(record));
    }
    return contents;
}

std::optional<BlockBytes> heldBefore(const std::vector<HistoryRecord>& records, std::size_t index) {
    if (index >= records.size())
        return std::nullopt;
    const HistoryChain chain = records[index].chain();
    for (std::size_t i = index; i-- > 0;) {
        const HistoryRecord& earlier = records[i];
        if (!earlier.key.isEmpty() && earlier.held() && earlier.chain() == chain)
            return earlier.block;
    }
    return std::nullopt;
}

UndoSteps undoSteps(const std::vector<HistoryRecord>& records, const HistoryChain& chain,
                    bool fromStart) {
    std::vector<std::size_t> done;
    std::vector<std::size_t> undone;
    // Writes before the records given may lie under `done`, and under `undone` until a write
    // forgets what was undone.
    bool doneBelow = !fromStart;
    bool undoneBelow = !fromStart;
    UndoSteps steps;
    const auto has = [&records](const std::vector<std::size_t>& stack, const QString& key) {
        return std::find_if(stack.rbegin(), stack.rend(),
                            [&](std::size_t i) { return records[i].key == key; });
    };
    // Takes the write with `key` off `from` and puts it on `to`. Not on either stack: a second
    // program moved it already, or it lies before the records given (then false, where those
    // could hold it) or before the file was begun.
    const auto move = [&](std::vector<std::size_t>& from, bool fromBelow,
                          std::vector<std::size_t>& to, const QString& key) {
        const auto it = has(from, key);
        if (it != from.rend()) {
            to.push_back(*it);
            from.erase(std::next(it).base());
            return true;
        }
        return !fromBelow || has(to, key) != to.rend();
    };
    for (std::size_t i = 0; i < records.size(); ++i) {
        const HistoryRecord& record = records[i];
        if (record.key.isEmpty() || record.received || !record.sent || record.chain() != chain)
            continue;
        bool known = true;
        if (record.cause == HistoryCause::Undo) {
            known = move(done, doneBelow, undone, record.target);
        } else if (record.cause == HistoryCause::Redo) {
            known = move(undone, undoneBelow, done, record.target);
        } else {
            done.push_back(i);
            undone.clear();
            undoneBelow = false;
        }
        if (!known) {
            steps.undoKnown = steps.redoKnown = false;
            return steps;
        }
    }
    // A write with nothing known before it cannot be taken back; neither can those under it.
    while (!steps.undo) {
        if (done.empty()) {
            steps.undoKnown = !doneBelow;
            break;
        }
        if (const auto before = heldBefore(records, done.back())) {
            steps.undo = done.back();
            steps.undoBlock = *before;
        } else if (!fromStart) {
            steps.undoKnown = false;  // what it held before may be further back
            break;
        } else {
            done.clear();
        }
    }
    if (!undone.empty())
        steps.redo = undone.back();
    else
        steps.redoKnown = !undoneBelow;
    return steps;
}

}  // namespace pelorin::models
