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

#include <memory>
#include <vector>

#include "models/history.h"

class QLabel;
class QPushButton;
class QTreeView;
class QTreeWidget;

namespace pelorin {

class HistoryRecorder;
class Session;

// The records as rows, newest first. The fields each record changed are worked out when a row
// is shown, so a long history opens at once.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The fields changed come last: the column that takes the room the others leave.
    enum Column { TimeColumn, EventColumn, DeviceColumn, MemoryColumn, ChangesColumn, ColumnCount };

    explicit HistoryModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setLines(models::HistoryLines lines);
    // The record of a row, read when first asked for. A line that does not read as a record
    // gives one without a key.
    [[nodiscard]] const models::HistoryRecord& record(int row) const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    [[nodiscard]] std::size_t recordIndex(int row) const;
    [[nodiscard]] const models::HistoryRecord& recordAt(std::size_t index) const;
    [[nodiscard]] QString changes(std::size_t index) const;

    models::HistoryLines lines_;  // oldest first, as in the file
    mutable std::vector<std::unique_ptr<models::HistoryRecord>> records_;  // read on first use
    mutable std::vector<QString> changes_;                                 // the same
    mutable std::vector<bool> changesKnown_;
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

    // Reads the history file again.
    void reload();

    // The operations behind the buttons.
    void compare();
    void keepAsModel();
    void sendToTransmitter();

protected:
    void showEvent(QShowEvent* event) override;

private:
    [[nodiscard]] std::vector<int> selectedRows() const;
    void showSelected();

    HistoryRecorder& recorder_;
    const Session& session_;
    QString libraryFolder_;
    HistoryModel* model_ = nullptr;
    QTreeView* list_ = nullptr;
    QTreeWidget* fields_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* compareButton_ = nullptr;
    QPushButton* keepButton_ = nullptr;
    QPushButton* sendButton_ = nullptr;
    QTimer reloadTimer_;  // a new record is shown a moment after the write that made it
};

}  // namespace pelorin
