// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transmitter's history: every block the transmitter sent and every block written to it
// (or meant for it while none was connected), with the time, the device and what caused it,
// kept in the user's data folder beside the model library. The window and pelorin-cli share
// the file.
//
// The file is JSON Lines: one record per line, each line appended whole with a single write to
// a file opened in append mode, so a crash or a second program writing at the same time never
// mixes two records. A line that does not read as a record (the torn end a crash can leave) is
// skipped, never the file.

#include <QDateTime>
#include <QString>

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "link/settingsblock.h"

namespace pelorin::models {

// What caused a record. Received blocks have none.
enum class HistoryCause {
    None,     // the transmitter sent its settings
    Editor,   // an editor's OK; detail: the editor's button ("EndPoint")
    Open,     // Open; detail: the file
    Model,    // a model sent from the library; detail: its name
    Undo,     // Ctrl+Z; target: the write taken back
    Redo,     // Ctrl+Shift+Z; target: the write made again
    History,  // an entry of the history sent again; target: that entry
    Command,  // pelorin-cli write or history send; detail: the file or the entry
};

// The transmitter memories a record can belong to; kUnknownMemory where it is not known which
// memory was active (the transmitter chose it itself, or the record predates memories).
inline constexpr int kUnknownMemory = -1;

// Which transmitter, and which of its memories, a record belongs to. Undo, redo and "what
// changed" only ever look along one chain: another transmitter's settings, or the other
// memory's, are never offered as the step back.
struct HistoryChain {
    HistoryChain(QString onDevice = {}, int inMemory = kUnknownMemory, QString ofModel = {})
        : device(std::move(onDevice)), memory(inMemory), model(std::move(ofModel)) {}

    QString device;               // the device's stable name (see stableDeviceName)
    int memory = kUnknownMemory;  // 0 USER1, 1 USER2
    QString model;                // a library model edited without the transmitter; else empty

    friend bool operator==(const HistoryChain&, const HistoryChain&) = default;
};

// "USER1", "USER2", or "not known", for a person.
[[nodiscard]] QString memoryName(int memory);

struct HistoryRecord {
    QString key;  // unique among all records of all programs; made when recorded
    QDateTime time;
    bool received = false;  // the transmitter sent it; else it was written (or meant to be)
    bool sent = true;       // a write that reached the line; false: no transmitter took it
    HistoryCause cause = HistoryCause::None;
    QString detail;
    QString target;               // the key of the record an undo, redo or resend refers to
    QString device;               // the stable name of the transmitter's device
    int memory = kUnknownMemory;  // the transmitter memory it belongs to
    // The name of the library model a model window stored this block in; such a record went
    // to no transmitter, and belongs to the model's chain alone.
    QString model;
    BlockBytes block{};

    // Its chain held this block afterwards: the transmitter (received, or written and sent), or
    // the model (stored in its file).
    [[nodiscard]] bool held() const { return received || sent || !model.isEmpty(); }
    [[nodiscard]] HistoryChain chain() const { return {device, memory, model}; }
};

// What happened, for a person: "OK in EndPoint", "Open heli.json (not sent)",
// "Model “Heli 450”: OK in EndPoint".
[[nodiscard]] QString describeRecord(const HistoryRecord& record);

[[nodiscard]] QByteArray historyLine(const HistoryRecord& record);
[[nodiscard]] std::optional<HistoryRecord> historyRecordFromLine(const QByteArray& line);

struct HistoryContents {
    std::vector<HistoryRecord> records;  // oldest first
    std::size_t skippedLines = 0;        // lines that were no record (torn by a crash)
    QString message;                     // for the user: the file was moved aside, and why
};

// A stretch of whole lines of the history file: the newest part, an older part before one read
// earlier, or what was appended after one. Undo and the History window read the newest part
// first and go further back only as far as they need, so a long history costs them no more
// than a short one.
struct HistoryPage {
    // Oldest first. A line that looks whole but is no record gives one without a key, which
    // the History window shows as damaged and everything else passes over.
    std::vector<HistoryRecord> records;
    qint64 begin = 0;              // where the first line read starts; 0: the file's start
    qint64 end = 0;                // just past the last whole line read
    QByteArray head;               // the file's first bytes, by which a later read tells it
    std::size_t skippedLines = 0;  // lines torn by a crash
    bool restart = false;          // not the file read before (kept aside, moved, cut): read anew
    QString message;  // for the user: the file cannot be read, or was moved aside, and why
};

// The history file grows to this size; then it is kept beside the new one as
// history-<date and time>.jsonl, and a new history begins. Undo looks at the current file only;
// the History window shows a kept one when the user chooses it.
inline constexpr qint64 kHistoryArchiveBytes = qint64{50} << 20;

class HistoryStore {
public:
    // <GenericDataLocation>/Pelorin/Pelorin/history.jsonl: the data folder of the window, which
    // pelorin-cli shares whatever its own name.
    [[nodiscard]] static QString defaultPath();

    explicit HistoryStore(QString path, qint64 archiveAt = kHistoryArchiveBytes)
        : path_(std::move(path)), archiveAt_(archiveAt) {}
    [[nodiscard]] const QString& path() const { return path_; }

    // Appends the record (its key and time are made here when empty), unless it holds the
    // same block as the last record in the file, of the same chain and with the same outcome:
    // identical consecutive blocks are stored once. Undo and redo are always stored, as the steps
    // they are. Returns an empty text when done (or skipped), else a message that names the file
    // and the reason.
    [[nodiscard]] QString append(HistoryRecord& record, bool* stored = nullptr) const;

    // Every record (of a file too large to be a history, the newest 64 MiB, with a message).
    // A file that cannot be read at all is moved aside (the message says where) and the
    // history starts afresh.
    [[nodiscard]] HistoryContents load() const;
    // The whole lines that end where an earlier read of the file that began with `head` began
    // (`before`; -1 and nothing: the file's end), reading back from there at least `bytes`
    // bytes, or to the file's start; with `device`, only the records of that device. A first
    // read of a file in which nothing reads moves it aside, as load() does.
    [[nodiscard]] HistoryPage readBefore(qint64 before, qint64 bytes, const QByteArray& head = {},
                                         const std::optional<QString>& device = std::nullopt) const;
    // The whole lines appended since `end` of an earlier read whose file began with `head`
    // (0 and nothing: the whole file). Nothing is moved aside here.
    [[nodiscard]] HistoryPage readAppended(qint64 end, const QByteArray& head) const;

private:
    [[nodiscard]] std::optional<HistoryRecord> lastRecord() const;
    // A file that has reached archiveAt_ is kept aside, and a new one begins.
    void archiveIfFull() const;

    QString path_;
    qint64 archiveAt_;
};

// What Ctrl+Z and Ctrl+Shift+Z would do on `chain` after the records so far; records of other
// chains are passed over. The writes form a stack: an ordinary write is pushed (and forgets
// what was undone), an undo pops the write it takes back onto the redo stack, a redo moves it
// back.
struct UndoSteps {
    std::optional<std::size_t> undo;  // the write Ctrl+Z takes back
    BlockBytes undoBlock{};           // what the transmitter held before it
    std::optional<std::size_t> redo;  // the write Ctrl+Shift+Z makes again (its block)
    // False when `records` are only the newest of the history and the records before them
    // could change `undo` (or `redo`): read further back and ask again.
    bool undoKnown = true;
    bool redoKnown = true;
};
// `fromStart`: the records are the whole history, not only its newest part.
[[nodiscard]] UndoSteps undoSteps(const std::vector<HistoryRecord>& records,
                                  const HistoryChain& chain, bool fromStart = true);

// The block the transmitter held before record `index`: the last earlier record of the same
// chain that it held. Records without a key (damaged lines) are passed over.
[[nodiscard]] std::optional<BlockBytes> heldBefore(const std::vector<HistoryRecord>& records,
                                                   std::size_t index);

}  // namespace pelorin::models
