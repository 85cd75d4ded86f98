// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's memory of what the transmitter held: records every block received and
// every block written (or typed while no transmitter took it) in the history file, and takes
// writes back (Ctrl+Z) and makes them again (Ctrl+Shift+Z) after showing what changes. The
// undo steps come from the file, so they reach back across restarts of the program.
// Recording never stops the window working: a file that cannot be written gives one message.

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

#include "app/blocksend.h"
#include "link/serialcontrol.h"
#include "link/settingsblock.h"
#include "models/history.h"

class QWidget;

namespace pelorin {

class Session;
class HistoryWindow;
class SystemMenu;
class TransmitterConnection;

class HistoryRecorder : public QObject {
    Q_OBJECT

public:
    // Sends a whole block the way Open does and records it with its cause; the window's one
    // send of whole blocks.
    using Sender = std::function<void(const BlockSend& send)>;

    // Records every block `connection` receives, under the memory it is switched to. The
    // window's `menu`, if any, names in its Undo and Redo what they would do each time it opens.
    HistoryRecorder(const QString& path, TransmitterConnection& connection, QWidget* window,
                    Sender send, SystemMenu* menu = nullptr);
    ~HistoryRecorder() override;

    [[nodiscard]] const models::HistoryStore& store() const { return store_; }

    // The transmitter and memory connected now: what undo and redo step along.
    [[nodiscard]] models::HistoryChain chain() const;

    // session().blockBytes was written (or meant to be, `sent` false). True when it is in the
    // history (stored now, or the same as the last record).
    bool written(models::HistoryCause cause, const QString& detail, const QString& target,
                 bool sent);
    // The model window stored `block` in the library model `model` (an editor's OK, an undo
    // or a redo there): recorded on the model's own chain, never a transmitter's.
    void modelStored(const QString& model, models::HistoryCause cause, const QString& detail,
                     const BlockBytes& block);
    // The untranslated caption of the editor button `controlId` of the main window ("EndPoint").
    [[nodiscard]] static QString editorName(int controlId);

    // Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z) of the window menu: ask, then send.
    void undo();
    void redo();
    // The menu's text for them now, naming the entry they would take back or make again.
    [[nodiscard]] QString stepText(bool forRedo);
    // Sends an entry's block again (the History window asked first).
    void resend(const BlockSend& send);
    // History…: every record, newest first, in a window beside the main window.
    // `made` runs once, on the window just made, before it is first shown.
    void showWindow(const Session& session, const QString& libraryFolder,
                    const std::function<void(QWidget*)>& made = {});
    [[nodiscard]] HistoryWindow* historyWindow() const;
    // What Ctrl+Z (`forRedo` false) or Ctrl+Shift+Z would do now, with the records of the
    // chain it steps along (`steps` indexes them): read back from the file's end only as far
    // as the answer needs, so it costs the same at any length of the history.
    struct Steps {
        std::vector<models::HistoryRecord> records;
        models::UndoSteps steps;
    };
    [[nodiscard]] Steps stepsNow(bool forRedo);
    // Tells the user, once a run, that the history file cannot be read or written.
    void tellOnce(const QString& message);

signals:
    // A record was stored (the History window shows it).
    void recorded();

private:
    // The transmitter's block has arrived (session().blockBytes holds it).
    void received();
    // Stores the record with the session's device and block; false (after telling the user
    // once) when the file cannot be written.
    bool record(models::HistoryRecord& record);

    models::HistoryStore store_;
    const TransmitterConnection& connection_;
    Session& session_;
    QWidget* window_;
    Sender send_;
    bool errorShown_ = false;  // one message per run for a file that cannot be read or written
    // Children of the window, which may be gone first when the window is destroyed.
    QPointer<HistoryWindow> historyWindow_;  // made on first use, then kept (hidden when closed)
};

// A record's time as the history shows it: local time, to the second.
[[nodiscard]] QString timeText(const QDateTime& time);

}  // namespace pelorin
