// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/historywindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/historyrecorder.h"
#include "app/modelswindow.h"
#include "app/sendconfirmation.h"
#include "dialogkit/messages.h"
#include "link/blockfields.h"
#include "link/session.h"
#include "models/modellibrary.h"

namespace pelorin {

namespace {

constexpr int kReloadDelayMs = 100;
constexpr qint64 kPageBytes = qint64{256} << 10;  // about a thousand entries read at a time
constexpr int kShortHeaderPx = 150;  // a Compare column's heading: the time and the start of what

// "2026-12-09 10:15:45 OK in EndPoint": how an entry is named in questions and headings.
QString entryName(const models::HistoryRecord& record) {
    return HistoryWindow::tr("%1 %2").arg(timeText(record.time), models::describeRecord(record));
}

// A device as a column shows it: its file name ("ttyUSB0", "COM3"), or a dash when none was
// connected.
QString deviceText(const QString& device) {
    if (device.isEmpty())
        return QStringLiteral("–");
    return QFileInfo(device).fileName();
}

// "ttyUSB0, USER2": the transmitter and memory of a chain, for a question.
QString chainText(const models::HistoryChain& chain) {
    if (!chain.model.isEmpty())
        return HistoryWindow::tr("the model \u201C%1\u201D of the library").arg(chain.model);
    return HistoryWindow::tr("%1, memory %2")
        .arg(chain.device.isEmpty() ? HistoryWindow::tr("no device") : chain.device,
             models::memoryName(chain.memory));
}

}  // namespace

QString HistoryModel::reload() {
    models::HistoryPage page = store_.readBefore(-1, kPageBytes);
    beginResetModel();
    rows_.clear();
    for (auto it = page.records.rbegin(); it != page.records.rend(); ++it)
        rows_.push_back({std::move(*it), {}});
    begin_ = page.begin;
    end_ = page.end;
    head_ = page.head;
    skippedLines_ = page.skippedLines;
    endResetModel();
    return page.message;
}

QString HistoryModel::readAppended() {
    models::HistoryPage page = store_.readAppended(end_, head_);
    if (page.restart)
        return reload();
    if (!page.records.empty()) {
        beginInsertRows({}, 0, static_cast<int>(page.records.size()) - 1);
        for (models::HistoryRecord& record : page.records)
            rows_.push_front({std::move(record), {}});
        endInsertRows();
    }
    if (rows_.empty())
        begin_ = page.begin;
    end_ = page.end;
    head_ = page.head;
    skippedLines_ += page.skippedLines;
    return page.message;
}

bool HistoryModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !allRead();
}

void HistoryModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent))
        return;
    models::HistoryPage page;
    // Lines longer than any record (a damaged stretch) hold no rows: read on to the next.
    do {
        page = store_.readBefore(begin_, kPageBytes, head_);
        if (page.restart) {
            reload();
            return;
        }
        begin_ = page.begin;
        skippedLines_ += page.skippedLines;
    } while (page.records.empty() && page.message.isEmpty() && !allRead());
    if (page.records.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(page.records.size()) - 1);
    for (auto it = page.records.rbegin(); it != page.records.rend(); ++it)
        rows_.push_back({std::move(*it), {}});
    endInsertRows();
    // Entries whose transmitter held nothing in what was read before may find it now.
    if (first > 0)
        emit dataChanged(index(0, ChangesColumn), index(first - 1, ChangesColumn));
}

const models::HistoryRecord& HistoryModel::record(int row) const {
    return rows_[static_cast<std::size_t>(row)].record;
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString HistoryModel::changes(int row) const {
    const Row& shown = rows_[static_cast<std::size_t>(row)];
    if (shown.changes)
        return *shown.changes;
    // What it changed on the transmitter: compared with what the same transmitter's same
    // memory held before.
    const models::HistoryChain chain = shown.record.chain();
    const auto before = std::find_if(rows_.begin() + row + 1, rows_.end(), [&chain](const Row& r) {
        return !r.record.key.isEmpty() && r.record.held() && r.record.chain() == chain;
    });
    if (before == rows_.end()) {
        // Known only once the older entries are read.
        return allRead() ? *(shown.changes = tr("(the first entry)")) : QStringLiteral("…");
    }
    QStringList names;
    for (const BlockFieldDifference& d :
         blockDifferences(before->record.block, shown.record.block, false))
        names << QString::fromStdString(d.field->name);
    shown.changes = names.isEmpty() ? tr("no change") : names.join(QStringLiteral(", "));
    return *shown.changes;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const models::HistoryRecord& r = record(index.row());
    if (r.key.isEmpty())
        return index.column() == EventColumn ? tr("(a damaged entry)") : QVariant();
    switch (index.column()) {
        case TimeColumn:
            return timeText(r.time);
        case EventColumn:
            if (role == Qt::ToolTipRole) {
                QString tip = models::describeRecord(r);
                if (r.cause == models::HistoryCause::Open && !r.detail.isEmpty())
                    tip += u'\n' + r.detail;
                if (!r.device.isEmpty())
                    tip += u'\n' + tr("Device: %1").arg(r.device);
                return tip;
            }
            return models::describeRecord(r);
        case ChangesColumn:
            return changes(index.row());
        case DeviceColumn:
            return role == Qt::ToolTipRole ? r.device : deviceText(r.device);
        case MemoryColumn:
            return models::memoryName(r.memory);
        default:
            return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
        case TimeColumn:
            return tr("Time");
        case EventColumn:
            return tr("What happened");
        case ChangesColumn:
            return tr("Fields changed");
        case DeviceColumn:
            return tr("Device");
        case MemoryColumn:
            return tr("Memory");
        default:
            return {};
    }
}

HistoryWindow::HistoryWindow(HistoryRecorder& recorder, const Session& session,
                             QString libraryFolder, QWidget* parent)
    : QDialog(parent),
      recorder_(recorder),
      session_(session),
      libraryFolder_(std::move(libraryFolder)) {
    setWindowTitle(tr("History"));
    setModal(false);
    setSizeGripEnabled(true);

    model_ = new HistoryModel(recorder_.store(), this);
    list_ = new QTreeView(this);
    list_->setObjectName(QStringLiteral("history"));
    list_->setAccessibleName(tr("History"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);  // a long history lays out without measuring every row
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setModel(model_);
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(HistoryModel::TimeColumn, 150);
    list_->setColumnWidth(HistoryModel::EventColumn, 190);
    list_->setColumnWidth(HistoryModel::DeviceColumn, 75);
    // As wide as its longest text, in any language, without measuring every row.
    const QFontMetrics metrics = list_->fontMetrics();
    list_->setColumnWidth(
        HistoryModel::MemoryColumn,
        std::max(
            {metrics.horizontalAdvance(models::memoryName(0)),
             metrics.horizontalAdvance(models::memoryName(models::kUnknownMemory)),
             metrics.horizontalAdvance(
                 model_->headerData(HistoryModel::MemoryColumn, Qt::Horizontal, Qt::DisplayRole)
                     .toString())}) +
            16);
    list_->setToolTip(tr("Newest first. Select one entry to see its fields; two to compare them."));

    fields_ = new QTreeWidget(this);
    fields_->setObjectName(QStringLiteral("fields"));
    fields_->setAccessibleName(tr("Fields of the selected entry"));
    fields_->setRootIsDecorated(false);
    fields_->setHeaderLabels({tr("Field"), tr("Value")});
    fields_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(list_);
    splitter->addWidget(fields_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    status_ = new QLabel(this);
    status_->setAccessibleName(tr("Entries"));

    auto makeButton = [this](const char* id, const QString& text, const QString& tip) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(id));
        button->setAutoDefault(false);
        button->setToolTip(tip);
        button->setAccessibleName(QString(text).remove(u'&').remove(u'…'));
        return button;
    };
    compareButton_ = makeButton(
        "compare", tr("&Compare…"),
        tr("Lists the fields that differ between the two selected entries, or between the "
           "selected entry and what the transmitter holds now."));
    keepButton_ = makeButton("keep", tr("&Keep as model…"),
                             tr("Keeps the selected entry's settings as a model of the library."));
    sendButton_ = makeButton("send", tr("&Send to transmitter…"),
                             tr("Shows what changes, then sends the selected entry's settings "
                                "to the transmitter, as Open does."));
    auto* older = makeButton(
        "older", tr("&Older history…"),
        tr("Shows a history kept aside when the file grew full (history-<date>.jsonl beside "
           "the current one). Choose history.jsonl to come back to the current history."));
    connect(older, &QPushButton::clicked, this, &HistoryWindow::showOtherFile);
    chooseFile_ = [](QWidget* owner, const QString& folder) {
        return QFileDialog::getOpenFileName(owner, tr("Older history"), folder,
                                            tr("History files (*.jsonl)"));
    };
    auto* close = makeButton("close", tr("Close"), tr("Closes the history (Escape)."));
    close->setAccessibleName(tr("Close the history"));
    connect(compareButton_, &QPushButton::clicked, this, &HistoryWindow::compare);
    connect(keepButton_, &QPushButton::clicked, this, &HistoryWindow::keepAsModel);
    connect(sendButton_, &QPushButton::clicked, this, &HistoryWindow::sendToTransmitter);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compareButton_);
    buttons->addWidget(keepButton_);
    buttons->addWidget(sendButton_);
    buttons->addWidget(older);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    resize(1060, 480);

    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::showSelected);
    connect(model_, &QAbstractItemModel::modelReset, this, &HistoryWindow::showSelected);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &HistoryWindow::showCount);
    // A record this window's program made shows almost at once (another program's, when
    // shown again). Not during the write that made it: reading a long history takes tens of
    // milliseconds, which the frame on its way to the transmitter would wait for; a burst of
    // records is read once.
    reloadTimer_.setSingleShot(true);
    reloadTimer_.setInterval(kReloadDelayMs);
    connect(&reloadTimer_, &QTimer::timeout, this, [this]() {
        if (isVisible())
            readAppended();
    });
    connect(&recorder_, &HistoryRecorder::recorded, this, [this]() {
        if (isVisible())
            reloadTimer_.start();
    });
    showSelected();
}

void HistoryWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        reload();
    QDialog::showEvent(event);
}

void HistoryWindow::reload() {
    reloadTimer_.stop();
    tell(model_->reload());
}

void HistoryWindow::readAppended() {
    tell(model_->readAppended());
}

void HistoryWindow::tell(const QString& message) {
    if (!message.isEmpty())
        showMessage(parentWidget(), message);
    showCount();
}

void HistoryWindow::showCount() {
    const int rows = model_->rowCount();
    QString text =
        model_->allRead()
            ? tr("%n entries", nullptr, rows)
            : tr("The newest %n entries; older ones are read as you scroll down.", nullptr, rows);
    if (const std::size_t skipped = model_->skippedLines(); skipped > 0)
        text += u' ' + tr("(%n damaged line(s) skipped)", nullptr, static_cast<int>(skipped));
    status_->setText(text);
}

void HistoryWindow::showOtherFile() {
    const QString current = recorder_.store().path();
    const QString path = chooseFile_(this, QFileInfo(current).absolutePath());
    if (path.isEmpty())
        return;
    const bool isCurrent = QFileInfo(path) == QFileInfo(current);
    model_->setStore(isCurrent ? recorder_.store() : models::HistoryStore(path));
    setWindowTitle(isCurrent ? tr("History")
                             : tr("History — %1").arg(QDir::toNativeSeparators(path)));
    reload();
}

std::vector<int> HistoryWindow::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void HistoryWindow::selectRow(int row) {
    const QModelIndex index = model_->index(row, 0);
    // Through the selection model: the view's own way would read the keyboard's modifiers.
    list_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void HistoryWindow::showSelected() {
    std::vector<int> rows = selectedRows();
    // A damaged entry holds nothing to compare, keep or send.
    std::erase_if(rows, [this](int row) { return model_->record(row).key.isEmpty(); });
    compareButton_->setEnabled(rows.size() == 1 || rows.size() == 2);
    keepButton_->setEnabled(rows.size() == 1);
    sendButton_->setEnabled(rows.size() == 1);
    fields_->clear();
    if (rows.size() != 1)
        return;
    const BlockBytes& block = model_->record(rows.front()).block;
    QList<QTreeWidgetItem*> items;
    for (const BlockField& field : blockFields()) {
        items << new QTreeWidgetItem(
            {QString::fromStdString(field.name),
             QString::fromStdString(valueText(field, fieldValue(field, block)))});
    }
    fields_->addTopLevelItems(items);
}

void HistoryWindow::compare() {
    const std::vector<int> rows = selectedRows();
    if (rows.empty() || rows.size() > 2)
        return;
    // Older on the left: rows run newest first. Copies: the list may be read again while the
    // dialog is open.
    const models::HistoryRecord newer = model_->record(rows.front());
    const bool withTransmitter = rows.size() == 1;
    const models::HistoryRecord older = withTransmitter ? newer : model_->record(rows.back());
    const BlockBytes left = older.block;
    const BlockBytes right = withTransmitter ? session_.blockBytes : newer.block;
    const QString leftName = entryName(older);
    const QString rightName = withTransmitter ? tr("Transmitter now") : entryName(newer);

    QDialog dialog(this);
    dialog.setWindowTitle(tr("Compare"));
    // The columns are headed short, so both fit beside the field names; the whole name is in
    // the heading's tooltip.
    const auto shortName = [&dialog](const models::HistoryRecord& r) {
        return dialog.fontMetrics().elidedText(
            tr("%1 %2").arg(r.time.toLocalTime().toString(QStringLiteral("HH:mm:ss")),
                            models::describeRecord(r)),
            Qt::ElideRight, kShortHeaderPx);
    };
    const QString leftHeader = shortName(older);
    const QString rightHeader = withTransmitter ? rightName : shortName(newer);
    auto* layout = new QVBoxLayout(&dialog);
    const auto differences = blockDifferences(left, right, false);
    auto* heading = new QLabel(
        differences.empty() ? tr("%1 and %2 hold the same settings.").arg(leftName, rightName)
                            : tr("Fields that differ between %1 and %2:").arg(leftName, rightName),
        &dialog);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    auto* list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("differences"));
    list->setAccessibleName(tr("Fields that differ"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({tr("Field"), leftHeader, rightHeader});
    list->headerItem()->setToolTip(1, leftName);
    list->headerItem()->setToolTip(2, rightName);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setMinimumSize(480, 260);
    for (const BlockFieldDifference& d : differences) {
        list->addTopLevelItem(
            new QTreeWidgetItem({QString::fromStdString(d.field->name),
                                 QString::fromStdString(valueText(*d.field, d.first)),
                                 QString::fromStdString(valueText(*d.field, d.second))}));
    }
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.exec();
}

void HistoryWindow::keepAsModel() {
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    models::ModelLibrary library(libraryFolder_);
    // A copy: the list is read again when a record arrives while the name is asked for.
    const BlockBytes block = model_->record(rows.front()).block;
    (void)pelorin::keepAsModel(this, library, block, tr("Keep as model"));
}

void HistoryWindow::sendToTransmitter() {
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    const models::HistoryRecord record = model_->record(rows.front());
    const models::HistoryChain now = recorder_.chain();
    // Another transmitter's settings, or the other memory's, go out only when asked for.
    if (record.chain() != now &&
        !askToGoOn(this,
                   tr("%1 belongs to %2, but the transmitter connected now is %3.\n\nSend "
                      "it there anyway?")
                       .arg(entryName(record), chainText(record.chain()), chainText(now)),
                   tr("Send anyway"))) {
        return;
    }
    const BlockBytes current = session_.blockBytes;
    const std::optional<BlockBytes> chosen = SendConfirmation::ask(
        this, tr("Send to transmitter"),
        tr("Send the settings of %1 to the transmitter?").arg(entryName(record)), current,
        record.block);
    if (chosen) {
        const QString groups = SendConfirmation::changedGroups(current, *chosen);
        recorder_.resend(
            {*chosen, models::HistoryCause::History,
             groups.isEmpty() ? entryName(record) : tr("%1 (%2)").arg(entryName(record), groups),
             record.key, entryName(record), current, now});
    }
}

}  // namespace pelorin
