// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modelwindow.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <utility>

#include "app/historyrecorder.h"
#include "app/mainbuttons.h"
#include "app/settingseditors.h"
#include "app/setupsheetview.h"
#include "dialogkit/messages.h"
#include "link/session.h"

namespace pelorin {

// The model window's session writes here: every write is the model's new settings, which the
// window stores in the library. It never opens a port, so an edit can never reach a
// transmitter.
class ModelSink : public SerialControl {
public:
    bool probe(const PortName&) override { return false; }
    SerialStatus open(const PortName&, const LineSettings&) override {
        return SerialStatus::failure("a model window has no port");
    }
    void close() override {}
    bool isOpen() const override { return true; }
    SerialStatus write(std::span<const std::uint8_t>) override { return {}; }
};

ModelWindow::ModelWindow(models::ModelLibrary& library, QString path, const Session& transmitter,
                         ModelsWindow::Sender send, QWidget* parent)
    : QDialog(parent),
      library_(library),
      path_(std::move(path)),
      transmitter_(transmitter),
      send_(std::move(send)),
      sink_(std::make_unique<ModelSink>()),
      session_(std::make_unique<Session>(*sink_, [] { return PortTable{}; })) {
    setModal(false);
    setObjectName(QStringLiteral("modelWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    editors_ = std::make_unique<SettingsEditors>(*session_, this, [] { return 0; });

    // The editor buttons in the main window's groups and rows.
    const auto groupBox = [this](mainbuttons::Group group) {
        return new QGroupBox(QCoreApplication::translate("pelorin::MainDialog",
                                                         mainbuttons::findGroupBox(group)->title),
                             this);
    };
    QGroupBox* setting = groupBox(mainbuttons::Group::SystemSetting);
    QGroupBox* switches = groupBox(mainbuttons::Group::SwitchProgram);
    auto* settingGrid = new QGridLayout(setting);
    auto* switchRow = new QHBoxLayout(switches);
    int inSetting = 0;
    for (const mainbuttons::Button& b : mainbuttons::kButtons) {
        if (!b.editor)
            continue;
        auto* button =
            new QPushButton(QCoreApplication::translate("pelorin::MainDialog", b.caption), this);
        button->setAutoDefault(false);
        button->setAccessibleName(button->text());
        button->setToolTip(
            tr("Opens the editor on this model's settings; its OK stores the model."));
        connect(button, &QPushButton::clicked, this, [this, id = b.id] { runEditor(id); });
        buttons_.emplace_back(b.id, button);
        if (b.group == mainbuttons::Group::SystemSetting) {
            settingGrid->addWidget(button, inSetting / 5, inSetting % 5);
            ++inSetting;
        } else {
            switchRow->addWidget(button);
        }
    }

    sheet_ = new SetupSheetView(this);
    sheet_->setMinimumSize(320, 420);

    auto makeButton = [this](const char* id, const QString& text, const QString& tip) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(id));
        button->setAutoDefault(false);
        button->setToolTip(tip);
        button->setAccessibleName(QString(text).remove(u'&').remove(u'…'));
        return button;
    };
    QPushButton* sendButton =
        makeButton("send", tr("&Send to transmitter…"),
                   tr("Shows what changes, then sends this model's settings to the transmitter."));
    QPushButton* compareButton =
        makeButton("compare", tr("C&ompare with transmitter"),
                   tr("Lists the fields in which this model differs from what the transmitter "
                      "holds now."));
    QPushButton* print = makeButton("printSheet", tr("&Print…"),
                                    tr("Prints this model's setup sheet, after a preview."));
    QPushButton* pdf = makeButton("pdfSheet", tr("Save &as PDF…"),
                                  tr("Saves this model's setup sheet as a PDF file."));
    QPushButton* text = makeButton("textSheet", tr("Cop&y as text"),
                                   tr("Puts this model's setup sheet on the clipboard as plain "
                                      "text, for a forum post or an e-mail."));
    connect(print, &QPushButton::clicked, this,
            [this] { printSetupSheet(this, sheet_->subject()); });
    connect(pdf, &QPushButton::clicked, this,
            [this] { saveSetupSheetPdf(this, sheet_->subject()); });
    connect(text, &QPushButton::clicked, this, [this] { copySetupSheetText(sheet_->subject()); });
    QPushButton* close = makeButton("close", tr("Close"), tr("Closes the model (Escape)."));
    close->setAccessibleName(tr("Close the model"));
    connect(sendButton, &QPushButton::clicked, this, &ModelWindow::sendToTransmitter);
    connect(compareButton, &QPushButton::clicked, this, &ModelWindow::compareWithTransmitter);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* undoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    connect(undoKey, &QShortcut::activated, this, &ModelWindow::undo);
    auto* redoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this);
    connect(redoKey, &QShortcut::activated, this, &ModelWindow::redo);

    auto* actions = new QHBoxLayout;
    actions->addWidget(sendButton);
    actions->addWidget(compareButton);
    actions->addSpacing(12);
    actions->addWidget(print);
    actions->addWidget(pdf);
    actions->addWidget(text);
    actions->addStretch(1);
    actions->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet_, 1);
    layout->addWidget(setting);
    layout->addWidget(switches);
    layout->addLayout(actions);

    if (const models::LibraryEntry* entry = library_.findByPath(path_))
        (void)session_->loadBlock(entry->model.blockBytes);
    showModel();
}

ModelWindow::~ModelWindow() = default;

void ModelWindow::setHistory(HistoryRecorder* history) {
    history_ = history;
}

const BlockBytes& ModelWindow::block() const {
    return session_->blockBytes;
}

QPushButton* ModelWindow::editorButton(int id) const {
    for (const auto& [buttonId, button] : buttons_) {
        if (buttonId == id)
            return button;
    }
    return nullptr;
}

QString ModelWindow::modelName() const {
    const models::LibraryEntry* entry = library_.findByPath(path_);
    return entry != nullptr ? entry->model.name : QString();
}

void ModelWindow::runEditor(int id) {
    const BlockBytes before = session_->blockBytes;
    const EditorOutcome outcome = editors_->run(id);
    if (!outcome.accepted || session_->blockBytes == before)
        return;
    if (store(session_->blockBytes, models::HistoryCause::Editor,
              HistoryRecorder::editorName(id))) {
        undone_.push_back(before);
        redone_.clear();
    }
}

void ModelWindow::undo() {
    if (undone_.empty())
        return;
    const BlockBytes now = session_->blockBytes;
    const BlockBytes back = undone_.back();
    if (store(back, models::HistoryCause::Undo)) {
        undone_.pop_back();
        redone_.push_back(now);
    }
}

void ModelWindow::redo() {
    if (redone_.empty())
        return;
    const BlockBytes now = session_->blockBytes;
    const BlockBytes again = redone_.back();
    if (store(again, models::HistoryCause::Redo)) {
        redone_.pop_back();
        undone_.push_back(now);
    }
}

bool ModelWindow::store(const BlockBytes& block, models::HistoryCause cause,
                        const QString& detail) {
    const QString error = library_.replaceSettings(path_, block);
    if (!error.isEmpty()) {
        showMessage(this, error);
        // What the file holds, so the window never shows settings that are not kept.
        if (const models::LibraryEntry* entry = library_.findByPath(path_))
            (void)session_->loadBlock(entry->model.blockBytes);
        showModel();
        return false;
    }
    if (session_->blockBytes != block)
        (void)session_->loadBlock(block);
    showModel();
    if (history_ != nullptr)
        history_->modelStored(modelName(), cause, detail, block);
    emit saved();
    return true;
}

void ModelWindow::showModel() {
    const QString name = modelName();
    setWindowTitle(tr("%1 — Pelorin").arg(name));
    const BlockBytes& block = session_->blockBytes;
    const bool heli = curveButtonsVisible(block[block::kModelAndStick]);
    for (const auto& [id, button] : buttons_) {
        const mainbuttons::Button* row = mainbuttons::find(id);
        button->setVisible(!row->heliOnly || heli);
    }
    const models::LibraryEntry* entry = library_.findByPath(path_);
    sheet_->setSubject(
        {name, entry != nullptr ? entry->model.notes : QString(), models::kUnknownMemory, block});
}

void ModelWindow::sendToTransmitter() {
    sendModel(this, transmitter_, send_, modelName(), BlockBytes(session_->blockBytes));
}

void ModelWindow::compareWithTransmitter() {
    if (!transmitter_.transmitterBlock()) {
        showMessage(this, tr("No transmitter is connected, or its settings have not arrived: "
                             "there is nothing to compare this model with yet."));
        return;
    }
    compareModels(this, transmitter_, library_, {QString(), path_});
}

}  // namespace pelorin
