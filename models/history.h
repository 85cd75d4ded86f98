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
    QString device;               // the device's lasting name (see lastingDeviceName)
    int memory = kUnknownMemory;  // 0 USER1, 1 USER2

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
    QString device;               // the lasting name of the transmitter's device
    int memory = kUnknownMemory;  // the transmitter memory it belongs to
    BlockBytes block{};

    // The transmitter held this block afterwards: received, or written and sent.
    [[nodiscard]] bool heldByTransmitter() const { return received || sent; }
    [[nodiscard]] HistoryChain chain() const { return {device, memory}; }
};

// What happened, for a person: "OK in EndPoint", "Open heli.json (not sent)".
[[nodiscard]] QString describeRecord(const HistoryRecord& record);

[[nodiscard]] QByteArray historyLine(const HistoryRecord& record);
[[nodiscard]] std::optional<HistoryRecord> historyRecordFromLine(const QByteArray& line);

struct HistoryContents {
    std::vector<HistoryRecord> records;  // oldest first
    std::size_t skippedLines = 0;        // lines that were no record (torn by a crash)
    QString message;                     // for the user: the file was moved aside, and why
};

// The file split into lines, each read as a record only when asked for: a long history opens
// without reading every record first.
struct HistoryLines {
    QByteArray data;
    std::vector<std::pair<qsizetype, qsizetype>> lines;  // start and length of each whole line
    std::size_t skippedLines = 0;                        // lines torn by a crash
    QString message;                                     // as in HistoryContents

    [[nodiscard]] std::size_t size() const { return lines.size(); }
    // Line `index` as a record; nothing when it does not read as one after all.
    [[nodiscard]] std::optional<HistoryRecord> record(std::size_t index) const;
};

// What was appended to the history file after a point read before: the records of the whole
// lines from there on, where they end, and the file's first bytes, by which a later read tells
// that the file is still the same one.
struct HistoryAppended {
    std::vector<HistoryRecord> records;
    qint64 end = 0;        // just past the last whole line read
    QByteArray head;       // the file's first bytes now
    bool restart = false;  // not the file read before (archived, moved aside, cut): read anew
    QString message;       // the file cannot be read at all, and why
};

// The history file grows to this size; then it is kept beside the new one as
// history-<date and time>.jsonl, and a new history begins. Undo and the History window look at
// the current file only.
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

    // Every record. A file that cannot be read at all is moved aside (the message says where)
    // and the history starts afresh.
    [[nodiscard]] HistoryContents load() const;
    // The same, each line read as a record only when asked for.
    [[nodiscard]] HistoryLines loadLines() const;
    // The records appended since `end` of an earlier read whose file began with `head`
    // (0 and nothing: the whole file). Nothing is moved aside here.
    [[nodiscard]] HistoryAppended readAppended(qint64 end, const QByteArray& head) const;

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
};
[[nodiscard]] UndoSteps undoSteps(const std::vector<HistoryRecord>& records,
                                  const HistoryChain& chain);

// The block the transmitter held before record `index`: the last earlier record of the same
// chain that it held.
[[nodiscard]] std::optional<BlockBytes> heldBefore(const std::vector<HistoryRecord>& records,
                                                   std::size_t index);

}  // namespace pelorin::models
