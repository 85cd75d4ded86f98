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

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

#include "link/settingsblock.h"
#include "models/modellibrary.h"
#include "sheet/setupsheet.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace pelorin {

class Session;

class ModelsWindow : public QWidget {
    Q_OBJECT

public:
    // Sends a block to the transmitter the way Open does; false when the send failed.
    using Sender = std::function<void(const BlockBytes&)>;
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

    // Replaces the file choosers (tests choose without a dialog).
    void setImportChooser(ImportChooser chooser) { chooseImport_ = std::move(chooser); }
    void setExportChooser(ExportChooser chooser) { chooseExport_ = std::move(chooser); }

    // Selects the model of that name; false when there is none.
    bool selectModel(const QString& name);
    // The names of the models whose settings equal what the transmitter is known to hold
    // (Session::transmitterBlock), or none.
    [[nodiscard]] QStringList modelsMatchingTransmitter() const;

    // blockBytes changed (a frame arrived, an editor wrote, a model or file was sent).
    void transmitterChanged();

    // The operations behind the buttons.
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
};

// One question for a model's name; nothing when cancelled.
[[nodiscard]] std::optional<QString> promptName(QWidget* parent, const QString& title,
                                                const QString& initial);

// Asks for a name and keeps `blockBytes` in `library` under it. Under the name of a kept model
// it offers to replace that model's settings, keeping its notes (no asks for another name); a
// name that several files claim is refused. The name kept, or empty when nothing was kept (a
// failure is told to the user).
QString keepAsModel(QWidget* parent, models::ModelLibrary& library, const BlockBytes& blockBytes,
                    const QString& title);

}  // namespace pelorin
