// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A model of the library, edited with no transmitter: the main window's editor buttons on the
// model's settings (the same dialogs, ranges, refusals and texts), the model's setup sheet in
// place of the live bars. An editor's OK stores the model in the library at once; nothing goes
// to the transmitter until Send to transmitter… is chosen. Ctrl+Z and Ctrl+Shift+Z take edits
// back and make them again, as in a document. Each model stored is a history entry naming the
// model, on the model's own chain, so History can compare it and keep it again.

#include <QDialog>
#include <QPointer>

#include <memory>
#include <vector>

#include "app/modelswindow.h"
#include "link/settingsblock.h"
#include "models/history.h"

class QPushButton;

namespace pelorin {

class HistoryRecorder;
class ModelSink;
class Session;
class SettingsEditors;
class SetupSheetView;

class ModelWindow : public QDialog {
    Q_OBJECT

public:
    // The model in the file `path` of `library`; `transmitter` is the main window's session,
    // which Send and Compare look at; `send` is the main window's send of whole blocks.
    ModelWindow(models::ModelLibrary& library, QString path, const Session& transmitter,
                ModelsWindow::Sender send, QWidget* parent = nullptr);
    ~ModelWindow() override;

    [[nodiscard]] const QString& path() const { return path_; }
    // The settings as the window edits them.
    [[nodiscard]] const BlockBytes& block() const;
    [[nodiscard]] QPushButton* editorButton(int id) const;
    [[nodiscard]] SetupSheetView* sheet() const { return sheet_; }

    // Where each model stored is recorded (a history entry naming the model); none: nowhere.
    void setHistory(HistoryRecorder* history);

    // The operations behind the buttons and keys.
    void runEditor(int id);
    void undo();
    void redo();
    void sendToTransmitter();
    void compareWithTransmitter();

signals:
    // The model's file was written (an edit, an undo or a redo).
    void saved();

private:
    // The settings changed to `block`: stored in the library, the view follows. False (after
    // telling the user) when the file could not be written; the window then holds what the
    // file holds.
    bool store(const BlockBytes& block, models::HistoryCause cause, const QString& detail = {});
    void showModel();
    [[nodiscard]] QString modelName() const;

    models::ModelLibrary& library_;
    QString path_;
    const Session& transmitter_;
    ModelsWindow::Sender send_;
    std::unique_ptr<ModelSink> sink_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<SettingsEditors> editors_;
    std::vector<BlockBytes> undone_;  // what Ctrl+Z goes back to, the latest last
    std::vector<BlockBytes> redone_;  // what Ctrl+Shift+Z makes again
    std::vector<std::pair<int, QPushButton*>> buttons_;
    SetupSheetView* sheet_ = nullptr;  // the model's setup sheet, in place of the live bars
    QPointer<HistoryRecorder> history_;
};

}  // namespace pelorin
