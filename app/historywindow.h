// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The History window: every block the transmitter sent and every block written to it, newest
// first, with the time, what happened and the fields it changed; the selected entry's fields
// in full. An entry can be compared (with another, or with the transmitter now), kept as a
// model of the library, and sent to the transmitter again. It sits beside the main window, is
// not modal and closes with Escape, like the Monitor.

#include <QAbstractTableModel>
#include <QDialog>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "models/history.h"

class QLabel;
class QPushButton;
class QTreeView;
class QTreeWidget;

namespace pelorin {

class HistoryRecorder;
class Session;

// The records as rows, newest first. The newest part of the file is read when the window
// opens, older parts when the list is scrolled down to them, and records appended meanwhile go
// on top: a history of any length opens at once. The fields each record changed are worked
// out when its row is shown.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The fields changed come last: the column that takes the room the others leave.
    enum Column { TimeColumn, EventColumn, DeviceColumn, MemoryColumn, ChangesColumn, ColumnCount };

    explicit HistoryModel(models::HistoryStore store, QObject* parent = nullptr)
        : QAbstractTableModel(parent), store_(std::move(store)) {}

    // The file shown: the current history, or one kept aside when it grew full.
    [[nodiscard]] const models::HistoryStore& store() const { return store_; }
    void setStore(models::HistoryStore store) { store_ = std::move(store); }
    // Reads the newest entries anew. Returns what the user should hear of the file, if anything.
    QString reload();
    // Puts the entries appended since on top, or reads anew when the file is another one.
    QString readAppended();
    // Every entry of the file is read (else older ones follow as the list is scrolled).
    [[nodiscard]] bool allRead() const { return begin_ <= 0; }
    // Lines torn by a crash, among those read.
    [[nodiscard]] std::size_t skippedLines() const { return skippedLines_; }
    // The record of a row. A line that does not read as a record gives one without a key.
    [[nodiscard]] const models::HistoryRecord& record(int row) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct Row {
        models::HistoryRecord record;
        mutable std::optional<QString> changes;  // worked out when first shown
    };
    [[nodiscard]] QString changes(int row) const;

    models::HistoryStore store_;
    std::deque<Row> rows_;  // newest first
    qint64 begin_ = 0;      // where in the file the oldest entry read begins
    qint64 end_ = 0;        // just past the newest
    QByteArray head_;       // the file's first bytes when read
    std::size_t skippedLines_ = 0;
};

class HistoryWindow : public QDialog {
    Q_OBJECT

public:
    // `libraryFolder`: where Keep as model… puts the model.
    HistoryWindow(HistoryRecorder& recorder, const Session& session, QString libraryFolder,
                  QWidget* parent = nullptr);

    [[nodiscard]] QTreeView* list() const { return list_; }
    [[nodiscard]] HistoryModel* model() const { return model_; }
    // Selects the row (0 the newest) alone.
    void selectRow(int row);

    // Reads the history file again, from its newest entries.
    void reload();

    // Asks which history file to show, in the history's folder; returns its path, or nothing
    // when the user cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& folder)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // The operations behind the buttons.
    void showOtherFile();
    void compare();
    void keepAsModel();
    void sendToTransmitter();

protected:
    void showEvent(QShowEvent* event) override;

private:
    [[nodiscard]] std::vector<int> selectedRows() const;
    void showSelected();
    // Shows the entries recorded since on top.
    void readAppended();
    // Shows what the user should hear of the file, if anything, and the count of entries.
    void tell(const QString& message);
    void showCount();

    HistoryRecorder& recorder_;
    const Session& session_;
    QString libraryFolder_;
    HistoryModel* model_ = nullptr;
    QTreeView* list_ = nullptr;
    QTreeWidget* fields_ = nullptr;
    QLabel* status_ = nullptr;
    FileChooser chooseFile_;
    QPushButton* compareButton_ = nullptr;
    QPushButton* keepButton_ = nullptr;
    QPushButton* sendButton_ = nullptr;
    QTimer reloadTimer_;  // a new record is shown a moment after the write that made it
};

}  // namespace pelorin
