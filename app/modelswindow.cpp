// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modelswindow.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/historyrecorder.h"
#include "app/modelwindow.h"
#include "app/sendconfirmation.h"
#include "app/setupsheetview.h"
#include "app/windowplacement.h"
#include "dialogkit/messages.h"
#include "link/blockfields.h"
#include "link/session.h"

namespace pelorin {

namespace {

constexpr int kNotesSaveDelayMs = 1000;

enum Column { NameColumn, TypeColumn, StickColumn, MatchColumn };

QString fieldText(const char* fieldName, const BlockBytes& blockBytes) {
    const BlockField* field = findBlockField(fieldName);
    return QString::fromStdString(valueText(*field, fieldValue(*field, blockBytes)));
}

// A model's name, with its file's name when other files name the same model.
QString listedName(const models::LibraryEntry& entry) {
    if (entry.namesakes.isEmpty())
        return entry.model.name;
    return QStringLiteral("%1 (%2)").arg(entry.model.name, QFileInfo(entry.path).fileName());
}

bool sameSettings(const BlockBytes& a, const BlockBytes& b) {
    return std::equal(a.begin(), a.begin() + kSettingsBlockSize, b.begin());
}

// The fields in which two blocks differ, as a three-column list.
QTreeWidget* makeDifferenceList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("differences"));
    list->setAccessibleName(QObject::tr("Fields that differ"));
    list->setRootIsDecorated(false);
    list->setColumnCount(3);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->setMinimumSize(420, 260);
    return list;
}

void fillDifferences(QTreeWidget* list, const QStringList& headers, const BlockBytes& first,
                     const BlockBytes& second, bool withChecksumSlots) {
    list->clear();
    list->setHeaderLabels(headers);
    for (const BlockFieldDifference& d : blockDifferences(first, second, withChecksumSlots)) {
        list->addTopLevelItem(
            new QTreeWidgetItem({QString::fromStdString(d.field->name),
                                 QString::fromStdString(valueText(*d.field, d.first)),
                                 QString::fromStdString(valueText(*d.field, d.second))}));
    }
}

// Compare: two sides, each the transmitter or a model, and the fields that differ.
class CompareDialog : public QDialog {
public:
    CompareDialog(const Session& session, const models::ModelLibrary& library,
                  const QStringList& preselected, QWidget* parent)
        : QDialog(parent), session_(session), library_(library) {
        setWindowTitle(tr("Compare"));
        auto* layout = new QGridLayout(this);
        for (int side = 0; side < 2; ++side) {
            auto* combo = new QComboBox(this);
            combo->setObjectName(side == 0 ? QStringLiteral("first") : QStringLiteral("second"));
            combo->addItem(tr("The transmitter"), QString());
            for (const models::LibraryEntry& entry : library.entries()) {
                if (entry.valid())
                    combo->addItem(listedName(entry), entry.path);
            }
            if (side < preselected.size())
                combo->setCurrentIndex(std::max(0, combo->findData(preselected[side])));
            auto* label = new QLabel(side == 0 ? tr("&Compare:") : tr("&with:"), this);
            label->setBuddy(combo);
            combo->setAccessibleName(label->text().remove(QLatin1Char('&')));
            layout->addWidget(label, side, 0);
            layout->addWidget(combo, side, 1);
            connect(combo, &QComboBox::currentIndexChanged, this, &CompareDialog::refresh);
            combos_[side] = combo;
        }
        list_ = makeDifferenceList(this);
        layout->addWidget(list_, 2, 0, 1, 2);
        summary_ = new QLabel(this);
        summary_->setObjectName(QStringLiteral("summary"));
        layout->addWidget(summary_, 3, 0, 1, 2);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout->addWidget(buttons, 4, 0, 1, 2);
        layout->setColumnStretch(1, 1);
        refresh();
    }

private:
    BlockBytes blockOf(int side) const {
        const QString path = combos_[side]->currentData().toString();
        const models::LibraryEntry* entry = library_.findByPath(path);
        return entry != nullptr ? entry->model.blockBytes : session_.blockBytes;
    }
    bool isTransmitter(int side) const {
        return library_.findByPath(combos_[side]->currentData().toString()) == nullptr;
    }

    void refresh() {
        // The transmitter holds no checksum slots; between two files they are compared too.
        const bool withSlots = !isTransmitter(0) && !isTransmitter(1);
        fillDifferences(list_, {tr("Field"), combos_[0]->currentText(), combos_[1]->currentText()},
                        blockOf(0), blockOf(1), withSlots);
        summary_->setText(list_->topLevelItemCount() == 0
                              ? tr("No field differs.")
                              : tr("%n field(s) differ.", nullptr, list_->topLevelItemCount()));
    }

    const Session& session_;
    const models::ModelLibrary& library_;
    std::array<QComboBox*, 2> combos_{};
    QTreeWidget* list_ = nullptr;
    QLabel* summary_ = nullptr;
};

}  // namespace

void compareModels(QWidget* parent, const Session& session, const models::ModelLibrary& library,
                   const QStringList& sides) {
    CompareDialog dialog(session, library, sides, parent);
    dialog.exec();
}

std::optional<QString> promptName(QWidget* parent, const QString& title, const QString& initial) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(ModelsWindow::tr("Name of the model:"));
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().trimmed();
}

QString keepAsModel(QWidget* parent, models::ModelLibrary& library, BlockBytes blockBytes,
                    const QString& title) {
    QString name;
    for (;;) {
        const std::optional<QString> typed = promptName(parent, title, name);
        if (!typed)
            return {};
        name = *typed;
        const QString problem = library.checkName(name);
        if (problem.isEmpty()) {
            models::Model model;
            model.name = name;
            model.blockBytes = blockBytes;
            const QString error = library.add(model);
            if (!error.isEmpty())
                showMessage(parent, error);
            return error.isEmpty() ? name : QString();
        }
        const models::LibraryEntry* same = library.findByName(name);
        if (same == nullptr || !same->namesakes.isEmpty()) {
            // No name at all, or one that several files claim: which to replace is not clear.
            showMessage(parent, problem);
            continue;
        }
        const QString question =
            ModelsWindow::tr(
                "A model named \"%1\" is kept already. Replace its settings with "
                "these? Its notes are kept.")
                .arg(name);
        if (askToGoOn(parent, question, ModelsWindow::tr("Replace settings"))) {
            const QString error = library.replaceSettings(same->path, blockBytes);
            if (!error.isEmpty())
                showMessage(parent, error);
            return error.isEmpty() ? name : QString();
        }
    }
}

ModelsWindow::ModelsWindow(const Session& session, Sender send, const QString& folder,
                           QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      send_(std::move(send)),
      library_(folder),
      chooseImport_([](QWidget* p) {
          return QFileDialog::getOpenFileNames(p, tr("Import"), QString(), QString(), nullptr,
                                               QFileDialog::DontUseNativeDialog);
      }),
      chooseExport_([](QWidget* p, const QString& modelName) {
          const QString name = QString(modelName).replace(QLatin1Char('/'), QLatin1Char('_'));
          QFileDialog dialog(p, tr("Export"));
          dialog.setOption(QFileDialog::DontUseNativeDialog);
          dialog.setAcceptMode(QFileDialog::AcceptSave);
          const QString json = tr("Readable model (*.json)");
          const QString raw = tr("Settings file, 67 bytes (*)");
          dialog.setNameFilters({json, raw});
          dialog.selectFile(name + QStringLiteral(".json"));
          connect(&dialog, &QFileDialog::filterSelected, &dialog,
                  [&dialog, json, name](const QString& filter) {
                      dialog.selectFile(name + (filter == json ? QStringLiteral(".json")
                                                               : QStringLiteral(".pel")));
                  });
          if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
              return ExportChoice{};
          return ExportChoice{dialog.selectedFiles().first(), dialog.selectedNameFilter() == json
                                                                  ? models::FileFormat::Json
                                                                  : models::FileFormat::Settings67};
      }) {
    setWindowTitle(tr("Models"));
    setObjectName(QStringLiteral("modelsWindow"));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("models"));
    list_->setAccessibleName(tr("Models"));
    list_->setHeaderLabels({tr("Name"), tr("Type"), tr("Stick mode"), tr("Transmitter")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    for (int c : {TypeColumn, StickColumn, MatchColumn})
        list_->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(false);

    auto* notesLabel = new QLabel(tr("&Notes:"), this);
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setAccessibleName(tr("Notes"));
    notes_->setToolTip(tr("Free text kept with the selected model"));
    notes_->setTabChangesFocus(true);
    notes_->setMaximumHeight(90);
    notesLabel->setBuddy(notes_);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto makeButton = [this](const char* id, const QString& text, const QString& tip, auto slot) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(id));
        button->setToolTip(tip);
        button->setAccessibleName(
            QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("…")));
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    editButton_ = makeButton("edit", tr("Edi&t…"),
                             tr("Edit the selected model without the transmitter: the editors of "
                                "the main window, each OK stored in the library (also "
                                "double-click or Return)"),
                             [this] { (void)editModel(); });
    newButton_ = makeButton("new", tr("&New model…"),
                            tr("Make a model from the transmitter's settings, or a blank one of a "
                               "type, and edit it"),
                            [this] { (void)newModel(); });
    keepButton_ = makeButton("keep", tr("&Keep transmitter's settings…"),
                             tr("Store the transmitter's current settings as a new model"),
                             &ModelsWindow::keepTransmitterSettings);
    sendButton_ = makeButton("send", tr("&Send to transmitter…"),
                             tr("Show what changes, then send the selected model"),
                             &ModelsWindow::sendToTransmitter);
    compareButton_ = makeButton("compare", tr("&Compare…"),
                                tr("List the fields in which two models, or a model and the "
                                   "transmitter, differ"),
                                &ModelsWindow::compare);
    renameButton_ = makeButton("rename", tr("&Rename…"), tr("Give the selected model another name"),
                               &ModelsWindow::renameModel);
    duplicateButton_ =
        makeButton("duplicate", tr("D&uplicate…"), tr("Copy the selected model under a new name"),
                   &ModelsWindow::duplicateModel);
    deleteButton_ = makeButton("delete", tr("&Delete"),
                               tr("Move the selected models to the trash (asks first)"),
                               &ModelsWindow::deleteModel);
    importButton_ = makeButton("import", tr("&Import…"),
                               tr("Add settings files (67-byte or readable) to the library"),
                               &ModelsWindow::importFiles);
    exportButton_ = makeButton("export", tr("&Export…"),
                               tr("Write the selected model as a readable or a 67-byte file"),
                               &ModelsWindow::exportModel);
    printButton_ = makeButton("printSheet", tr("&Print…"),
                              tr("Show the selected model's setup sheet, one page with all its "
                                 "settings, and print it"),
                              &ModelsWindow::printSheet);
    pdfButton_ = makeButton("pdfSheet", tr("Save &as PDF…"),
                            tr("Write the selected model's setup sheet to a PDF file"),
                            &ModelsWindow::saveSheetPdf);
    textButton_ = makeButton("textSheet", tr("Cop&y as text"),
                             tr("Copy the selected model's setup sheet as plain text, for an "
                                "e-mail or a forum post"),
                             &ModelsWindow::copySheetText);
    deleteButton_->setShortcut(QKeySequence::Delete);
    closeButton_ = new QPushButton(tr("Close"), this);
    closeButton_->setObjectName(QStringLiteral("close"));
    closeButton_->setToolTip(tr("Close the window (Escape)"));
    closeButton_->setAccessibleName(tr("Close the models window"));
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    // Escape as in the Monitor; Ctrl+W on every desktop, and what this one calls Close.
    QList<QKeySequence> closeKeys{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close)) {
        if (!closeKeys.contains(key))
            closeKeys << key;
    }
    auto* closeShortcut = new QShortcut(this);
    closeShortcut->setKeys(closeKeys);
    connect(closeShortcut, &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {editButton_, newButton_})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QPushButton* b : {keepButton_, sendButton_, compareButton_})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QPushButton* b : {renameButton_, duplicateButton_, deleteButton_})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QPushButton* b : {importButton_, exportButton_})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QPushButton* b : {printButton_, pdfButton_, textButton_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(closeButton_);

    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(notesLabel);
    left->addWidget(notes_);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(status_);
    resize(640, 440);

    notesTimer_.setSingleShot(true);
    notesTimer_.setInterval(kNotesSaveDelayMs);
    connect(&notesTimer_, &QTimer::timeout, this, &ModelsWindow::saveNotes);
    connect(notes_, &QPlainTextEdit::textChanged, this, [this] {
        if (!notesPath_.isEmpty())
            notesTimer_.start();
    });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        saveNotes();
        showSelectedNotes();
        updateButtons();
    });
    connect(list_, &QTreeWidget::itemActivated, this, [this] { (void)editModel(); });
    connect(&library_, &models::ModelLibrary::changed, this, &ModelsWindow::fillList);
    fillList();
}

ModelsWindow::~ModelsWindow() {
    // Notes typed just before the program ends are kept; there is no one left to tell of a
    // failure.
    if (!notesPath_.isEmpty())
        (void)library_.setNotes(notesPath_, notes_->toPlainText());
}

void ModelsWindow::hideEvent(QHideEvent* event) {
    saveNotes();
    QWidget::hideEvent(event);
}

void ModelsWindow::fillList() {
    const QStringList selected = selectedPaths();
    QSignalBlocker blocker(list_);
    list_->clear();
    for (const models::LibraryEntry& entry : library_.entries()) {
        auto* item = new QTreeWidgetItem(list_);
        item->setData(NameColumn, Qt::UserRole, entry.path);
        if (!entry.valid()) {
            item->setText(NameColumn, QFileInfo(entry.path).fileName());
            item->setText(TypeColumn, tr("unreadable"));
            item->setToolTip(NameColumn, entry.error);
            item->setToolTip(TypeColumn, entry.error);
            item->setForeground(NameColumn, palette().brush(QPalette::Disabled, QPalette::Text));
        } else if (!entry.namesakes.isEmpty()) {
            item->setText(NameColumn, listedName(entry));
            item->setIcon(NameColumn, style()->standardIcon(QStyle::SP_MessageBoxWarning));
            item->setToolTip(NameColumn,
                             tr("%1\nThis model's name is also in %2. Rename one of them, so "
                                "that each name is one model's.")
                                 .arg(entry.path, entry.namesakes.join(QStringLiteral(", "))));
        } else {
            item->setText(NameColumn, entry.model.name);
            item->setToolTip(NameColumn, entry.path);
        }
        if (entry.valid()) {
            item->setText(TypeColumn, fieldText("model type", entry.model.blockBytes));
            item->setText(StickColumn, fieldText("stick mode", entry.model.blockBytes));
        }
        item->setSelected(selected.contains(entry.path));
    }
    if (list_->currentItem() == nullptr && list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    transmitterChanged();
    const int broken =
        static_cast<int>(std::count_if(library_.entries().begin(), library_.entries().end(),
                                       [](const models::LibraryEntry& e) { return !e.valid(); }));
    if (!library_.folderError().isEmpty())
        status_->setText(library_.folderError());
    else if (const int shared = static_cast<int>(std::count_if(
                 library_.entries().begin(), library_.entries().end(),
                 [](const models::LibraryEntry& e) { return !e.namesakes.isEmpty(); }));
             shared > 0)
        status_->setText(
            tr("%n file(s) name a model that another file names too; they are "
               "marked. Rename one of each.",
               nullptr, shared));
    else if (broken > 0)
        status_->setText(
            tr("%n file(s) in %1 cannot be read; hover over them for the reason.", nullptr, broken)
                .arg(library_.folder()));
    else
        status_->setText(tr("Models are kept in %1").arg(library_.folder()));
    blocker.unblock();
    showSelectedNotes();
    updateButtons();
}

bool ModelsWindow::transmitterHolds(const models::Model& model) const {
    // Only what the transmitter surely got: a block it sent, or one handed to the port. A send
    // that failed marks nothing, though blockBytes hold what was meant to go.
    const std::optional<BlockBytes>& held = session_.transmitterBlock();
    return held && sameSettings(model.blockBytes, *held);
}

void ModelsWindow::transmitterChanged() {
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        const models::LibraryEntry* entry =
            library_.findByPath(item->data(NameColumn, Qt::UserRole).toString());
        const bool match = entry != nullptr && entry->valid() && transmitterHolds(entry->model);
        item->setText(MatchColumn, match ? tr("✔ holds this") : QString());
        item->setToolTip(MatchColumn,
                         match ? tr("The transmitter's settings equal this model's") : QString());
        QFont font = item->font(NameColumn);
        font.setBold(match);
        item->setFont(NameColumn, font);
    }
}

QStringList ModelsWindow::modelsMatchingTransmitter() const {
    QStringList names;
    for (const models::LibraryEntry& entry : library_.entries()) {
        if (entry.valid() && transmitterHolds(entry.model))
            names << entry.model.name;
    }
    return names;
}

QStringList ModelsWindow::selectedPaths() const {
    QStringList paths;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        if (list_->topLevelItem(i)->isSelected())
            paths << list_->topLevelItem(i)->data(NameColumn, Qt::UserRole).toString();
    }
    return paths;
}

const models::LibraryEntry* ModelsWindow::selectedEntry() const {
    const QStringList paths = selectedPaths();
    return paths.size() == 1 ? library_.findByPath(paths.first()) : nullptr;
}

bool ModelsWindow::selectModel(const QString& name) {
    const models::LibraryEntry* entry = library_.findByName(name);
    if (entry == nullptr)
        return false;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        if (item->data(NameColumn, Qt::UserRole).toString() == entry->path) {
            list_->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

void ModelsWindow::updateButtons() {
    const QStringList paths = selectedPaths();
    const models::LibraryEntry* one = selectedEntry();
    const bool good = one != nullptr && one->valid();
    editButton_->setEnabled(good);
    newButton_->setEnabled(library_.folderError().isEmpty());
    sendButton_->setEnabled(good);
    renameButton_->setEnabled(good);
    duplicateButton_->setEnabled(good);
    exportButton_->setEnabled(good);
    for (QPushButton* b : {printButton_, pdfButton_, textButton_})
        b->setEnabled(good);
    deleteButton_->setEnabled(!paths.isEmpty());
    compareButton_->setEnabled(std::any_of(library_.entries().begin(), library_.entries().end(),
                                           [](const auto& e) { return e.valid(); }));
    const bool folderUsable = library_.folderError().isEmpty();
    keepButton_->setEnabled(folderUsable);
    importButton_->setEnabled(folderUsable);
    notes_->setEnabled(good);
}

void ModelsWindow::showSelectedNotes() {
    const models::LibraryEntry* entry = selectedEntry();
    const QString path = entry != nullptr && entry->valid() ? entry->path : QString();
    if (path == notesPath_ && !path.isEmpty())
        return;  // a reload of the same model keeps what is being typed
    const QSignalBlocker blocker(notes_);
    notesPath_ = path;
    notes_->setPlainText(path.isEmpty() ? QString() : entry->model.notes);
}

void ModelsWindow::saveNotes() {
    notesTimer_.stop();
    if (notesPath_.isEmpty())
        return;
    const models::LibraryEntry* entry = library_.findByPath(notesPath_);
    if (entry == nullptr || !entry->valid() || entry->model.notes == notes_->toPlainText())
        return;
    reportError(library_.setNotes(notesPath_, notes_->toPlainText()));
}

void ModelsWindow::reportError(const QString& error) {
    if (!error.isEmpty())
        showMessage(this, error);
}

QString ModelsWindow::askName(const QString& title, const QString& initial,
                              const QString& exceptPath) {
    QString name = initial;
    for (;;) {
        const std::optional<QString> typed = promptName(this, title, name);
        if (!typed)
            return {};
        name = *typed;
        const QString problem = library_.checkName(name, exceptPath);
        if (problem.isEmpty())
            return name;
        showMessage(this, problem);
    }
}

void ModelsWindow::keepTransmitterSettings() {
    saveNotes();
    const QString name =
        keepAsModel(this, library_, session_.blockBytes, tr("Keep transmitter's settings"));
    if (!name.isEmpty())
        selectModel(name);
}

void sendModel(QWidget* parent, const Session& session, const ModelsWindow::Sender& send,
               const QString& name, const BlockBytes& block) {
    BlockSend request;
    request.block = block;
    request.cause = models::HistoryCause::Model;
    request.detail = name;
    request.source = ModelsWindow::tr("The model \"%1\"").arg(name);
    // Nothing to confirm when nothing changes; the block is still sent, so the transmitter
    // and the editors surely hold it.
    const BlockBytes current = session.blockBytes;
    if (!blockDifferences(current, block, false).empty()) {
        const std::optional<BlockBytes> chosen = SendConfirmation::ask(
            parent, ModelsWindow::tr("Send to transmitter"),
            ModelsWindow::tr("Sending \"%1\" changes these settings of the transmitter:").arg(name),
            current, block);
        if (!chosen)
            return;
        request.block = *chosen;
        request.chosenAgainst = current;
    }
    send(request);
}

void ModelsWindow::sendToTransmitter() {
    saveNotes();
    const models::LibraryEntry* entry = selectedEntry();
    if (entry == nullptr || !entry->valid())
        return;
    // Copies: the library may be read again while a question is open.
    sendModel(this, session_, send_, QString(entry->model.name),
              BlockBytes(entry->model.blockBytes));
}

void ModelsWindow::setHistory(HistoryRecorder* history) {
    history_ = history;
    for (ModelWindow* open : findChildren<ModelWindow*>())
        open->setHistory(history);
}

ModelWindow* ModelsWindow::openModelWindow(const QString& path) {
    for (ModelWindow* open : findChildren<ModelWindow*>()) {
        if (open->path() == path) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* window = new ModelWindow(library_, path, session_, send_, this);
    window->setHistory(history_);
    placeBeside(window, this, {}, {});
    window->show();
    return window;
}

ModelWindow* ModelsWindow::editModel() {
    saveNotes();
    const models::LibraryEntry* entry = selectedEntry();
    if (entry == nullptr || !entry->valid())
        return nullptr;
    return openModelWindow(QString(entry->path));
}

ModelWindow* ModelsWindow::newModel() {
    QDialog dialog(this);
    dialog.setWindowTitle(tr("New model"));
    auto* layout = new QGridLayout(&dialog);
    auto* name = new QLineEdit(&dialog);
    name->setAccessibleName(tr("Name of the model"));
    auto* nameLabel = new QLabel(tr("&Name:"), &dialog);
    nameLabel->setBuddy(name);
    auto* start = new QComboBox(&dialog);
    start->setObjectName(QStringLiteral("start"));
    start->setAccessibleName(tr("Start from"));
    start->setToolTip(
        tr("A blank model has end points 100, nothing reversed, sub trims 0, dual "
           "rates 100, straight curves and no mixes."));
    const bool transmitterKnown = session_.transmitterBlock().has_value();
    if (transmitterKnown)
        start->addItem(tr("The transmitter's settings now"), -1);
    const BlockField* type = findBlockField("model type");
    for (int t = 0; t < static_cast<int>(type->names.size()); ++t)
        start->addItem(tr("A blank %1 model").arg(QString::fromStdString(type->names[t])), t);
    auto* startLabel = new QLabel(tr("&Start from:"), &dialog);
    startLabel->setBuddy(start);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(nameLabel, 0, 0);
    layout->addWidget(name, 0, 1);
    layout->addWidget(startLabel, 1, 0);
    layout->addWidget(start, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        const QString chosen = name->text().trimmed();
        if (const QString problem = library_.checkName(chosen); !problem.isEmpty()) {
            showMessage(this, problem);
            continue;
        }
        models::Model model;
        model.name = chosen;
        const int choice = start->currentData().toInt();
        model.blockBytes = choice < 0 ? session_.blockBytes : blankBlock(choice);
        if (const QString error = library_.add(model); !error.isEmpty()) {
            reportError(error);
            return nullptr;
        }
        selectModel(chosen);
        const models::LibraryEntry* added = library_.findByName(chosen);
        return added != nullptr ? openModelWindow(QString(added->path)) : nullptr;
    }
}

void ModelsWindow::compare() {
    QStringList sides = selectedPaths();
    if (sides.size() == 1)
        sides.prepend(QString());  // one model: against the transmitter
    compareModels(this, session_, library_, sides);
}

void ModelsWindow::renameModel() {
    const models::LibraryEntry* entry = selectedEntry();
    if (entry == nullptr || !entry->valid())
        return;
    const QString path = entry->path;
    const QString name = askName(tr("Rename"), entry->model.name, path);
    if (name.isEmpty())
        return;
    saveNotes();
    reportError(library_.rename(path, name));
    selectModel(name);
}

void ModelsWindow::duplicateModel() {
    const models::LibraryEntry* entry = selectedEntry();
    if (entry == nullptr || !entry->valid())
        return;
    saveNotes();
    const QString path = entry->path;
    const QString name = askName(tr("Duplicate"), tr("%1 (copy)").arg(entry->model.name));
    if (name.isEmpty())
        return;
    reportError(library_.duplicate(path, name));
    selectModel(name);
}

void ModelsWindow::deleteModel() {
    const QStringList paths = selectedPaths();
    if (paths.isEmpty())
        return;
    QStringList names;
    for (const QString& path : paths) {
        const models::LibraryEntry* entry = library_.findByPath(path);
        names << (entry != nullptr && entry->valid() ? listedName(*entry)
                                                     : QFileInfo(path).fileName());
    }
    const QString question =
        tr("Move %n model(s) to the trash?", nullptr, static_cast<int>(paths.size())) +
        QStringLiteral("\n\n") + names.join(QLatin1Char('\n'));
    if (!askToGoOn(this, question, tr("Move to trash")))
        return;
    saveNotes();
    notesTimer_.stop();
    notesPath_.clear();
    QStringList errors;
    for (const QString& path : selectedPaths()) {
        if (QString error = library_.remove(path); !error.isEmpty())
            errors << error;
    }
    reportError(errors.join(QLatin1Char('\n')));
}

void ModelsWindow::importFiles() {
    QStringList errors;
    for (const QString& file : chooseImport_(this)) {
        if (QString error = library_.importFile(file); !error.isEmpty())
            errors << error;
    }
    reportError(errors.join(QLatin1Char('\n')));
}

void ModelsWindow::exportModel() {
    const models::LibraryEntry* entry = selectedEntry();
    if (entry == nullptr || !entry->valid())
        return;
    const QString path = entry->path;
    const ExportChoice choice = chooseExport_(this, entry->model.name);
    if (choice.path.isEmpty())
        return;
    reportError(library_.exportModel(path, choice.path, choice.format));
}

std::optional<SheetSubject> ModelsWindow::selectedSheet() {
    saveNotes();  // what was just typed belongs on the sheet
    const models::LibraryEntry* entry = selectedEntry();
    if (entry == nullptr || !entry->valid())
        return std::nullopt;
    return SheetSubject{
        .name = entry->model.name, .notes = entry->model.notes, .block = entry->model.blockBytes};
}

void ModelsWindow::printSheet() {
    if (const std::optional<SheetSubject> sheet = selectedSheet())
        printSetupSheet(this, *sheet);
}

void ModelsWindow::saveSheetPdf() {
    if (const std::optional<SheetSubject> sheet = selectedSheet())
        saveSetupSheetPdf(this, *sheet);
}

void ModelsWindow::copySheetText() {
    if (const std::optional<SheetSubject> sheet = selectedSheet()) {
        copySetupSheetText(*sheet);
        status_->setText(
            tr("The setup sheet of \u201C%1\u201D is on the clipboard.").arg(sheet->name));
    }
}

}  // namespace pelorin
