// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The model library window: named models kept on the computer, each with its type, stick
// mode and notes, and a mark on the one that matches what the transmitter holds now. Models
// are kept from the transmitter's settings (under a name already kept: its settings replaced,
// its notes kept), sent back to it (after showing what changes), renamed, duplicated, deleted
// (after asking), imported, exported, compared field by field and given as a setup sheet
// (printed, as PDF or as text). Files that name the same model are all listed and marked. The
// window sits beside the main window and is not modal; Escape, Ctrl+W and Close close it.

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

#include "app/blocksend.h"
#include "link/settingsblock.h"
#include "models/modellibrary.h"
#include "sheet/setupsheet.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace pelorin {

class HistoryRecorder;
class ModelWindow;
class Session;

class ModelsWindow : public QWidget {
    Q_OBJECT

public:
    // Sends a model's block to the transmitter the way Open does.
    using Sender = std::function<void(const BlockSend&)>;
    using ImportChooser = std::function<QStringList(QWidget* parent)>;
    struct ExportChoice {
        QString path;  // empty: cancelled
        models::FileFormat format = models::FileFormat::Json;
    };
    using ExportChooser = std::function<ExportChoice(QWidget* parent, const QString& modelName)>;

    ModelsWindow(const Session& session, Sender send, const QString& folder,
                 QWidget* parent = nullptr);
    ~ModelsWindow() override;

    [[nodiscard]] models::ModelLibrary& library() { return library_; }
    [[nodiscard]] QTreeWidget* modelList() const { return list_; }

    // Where the model windows record each model they store; none: nothing is recorded.
    void setHistory(HistoryRecorder* history);

    // Replaces the file chooser of Import (tests choose without a dialog).
    void setImportChooser(ImportChooser chooser) { chooseImport_ = std::move(chooser); }

    // Selects the model of that name; false when there is none.
    bool selectModel(const QString& name);
    // The names of the models whose settings equal what the transmitter is known to hold
    // (Session::transmitterBlock), or none.
    [[nodiscard]] QStringList modelsMatchingTransmitter() const;

    // blockBytes changed (a frame arrived, an editor wrote, a model or file was sent).
    void transmitterChanged();

    // The operations behind the buttons.
    // Edit…: the selected model in a model window (the one open already, raised).
    ModelWindow* editModel();
    // New model…: a name, and the transmitter's settings or a blank model of a type; then
    // the new model in a model window.
    ModelWindow* newModel();
    void keepTransmitterSettings();
    void sendToTransmitter();
    void compare();
    void renameModel();
    void duplicateModel();
    void deleteModel();
    void importFiles();
    void exportModel();
    // The selected model's setup sheet: printed, saved as PDF, copied as text.
    void printSheet();
    void saveSheetPdf();
    void copySheetText();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void fillList();
    void updateButtons();
    void showSelectedNotes();
    void saveNotes();
    [[nodiscard]] const models::LibraryEntry* selectedEntry() const;
    // Whether the transmitter is known to hold the model's settings.
    [[nodiscard]] bool transmitterHolds(const models::Model& model) const;
    [[nodiscard]] QStringList selectedPaths() const;
    // Asks for a name until one is free or the user cancels; empty when cancelled.
    QString askName(const QString& title, const QString& initial, const QString& exceptPath = {});
    void reportError(const QString& error);
    ModelWindow* openModelWindow(const QString& path);
    // The selected model's sheet (its notes saved first), or none.
    [[nodiscard]] std::optional<SheetSubject> selectedSheet();

    const Session& session_;
    Sender send_;
    models::ModelLibrary library_;
    ImportChooser chooseImport_;
    ExportChooser chooseExport_;

    QTreeWidget* list_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* keepButton_ = nullptr;
    QPushButton* sendButton_ = nullptr;
    QPushButton* compareButton_ = nullptr;
    QPushButton* renameButton_ = nullptr;
    QPushButton* duplicateButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* pdfButton_ = nullptr;
    QPushButton* textButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QString notesPath_;  // the model whose notes the notes field shows
    QTimer notesTimer_;
    QPointer<HistoryRecorder> history_;  // the main window's; it can be replaced meanwhile
};

// Sends a model's settings the way the Models window does: what changes is shown first (the
// groups to send can be unticked), then `send` takes it.
void sendModel(QWidget* parent, const Session& session, const ModelsWindow::Sender& send,
               const QString& name, const BlockBytes& block);

// The Compare dialog: two sides, each a model's file of `library` or "" for the transmitter.
void compareModels(QWidget* parent, const Session& session, const models::ModelLibrary& library,
                   const QStringList& sides);

// One question for a model's name; nothing when cancelled.
[[nodiscard]] std::optional<QString> promptName(QWidget* parent, const QString& title,
                                                const QString& initial);

// Asks for a name and keeps `blockBytes` in `library` under it. Under the name of a kept model
// it offers to replace that model's settings, keeping its notes (no asks for another name); a
// name that several files claim is refused. The name kept, or empty when nothing was kept (a
// failure is told to the user). The block is taken as it is when asked: the prompt is a dialog
// of its own, during which the transmitter may send other settings.
QString keepAsModel(QWidget* parent, models::ModelLibrary& library, BlockBytes blockBytes,
                    const QString& title);

}  // namespace pelorin
