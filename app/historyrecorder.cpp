// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/historyrecorder.h"

#include <QKeySequence>
#include <QLocale>
#include <QWidget>

#include <algorithm>
#include <array>
#include <utility>

#include "app/historywindow.h"
#include "app/mainbuttons.h"
#include "app/sendconfirmation.h"
#include "app/windowmenu.h"
#include "connection/transmitterconnection.h"
#include "dialogkit/messages.h"
#include "dialogkit/systemmenu.h"
#include "link/blockfields.h"
#include "link/session.h"
#include "platform/devicewatch.h"

namespace pelorin {

QString timeText(const QDateTime& time) {
    return QLocale().toString(time.toLocalTime(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

HistoryRecorder::HistoryRecorder(const QString& path, TransmitterConnection& connection,
                                 QWidget* window, Sender send, SystemMenu* menu)
    : QObject(window),
      store_(path),
      connection_(connection),
      session_(connection.session()),
      window_(window),
      send_(std::move(send)) {
    // A block the transmitter sent is recorded here; a block written is recorded where it is
    // written, with its cause.
    connect(&connection, &TransmitterConnection::blockChanged, this, [this](bool fromTransmitter) {
        if (fromTransmitter)
            received();
    });
    if (menu != nullptr) {
        connect(menu, &SystemMenu::aboutToShow, this,
                [this, menu] { windowmenu::describeSteps(*menu, *this); });
    }
}

HistoryRecorder::~HistoryRecorder() {
    // It belongs to the window, which may outlive this recorder (another history file).
    delete historyWindow_;
}

QString HistoryRecorder::editorName(int controlId) {
    const mainbuttons::Button* button = mainbuttons::find(controlId);
    return button != nullptr && button->editor ? QString::fromLatin1(button->caption) : QString();
}

models::HistoryChain HistoryRecorder::chain() const {
    return {stableDeviceName(QString::fromLocal8Bit(session_.portDevice())),
            connection_.userMemory()};
}

bool HistoryRecorder::record(models::HistoryRecord& record) {
    const models::HistoryChain now = chain();
    record.device = now.device;
    record.memory = now.memory;
    record.block = session_.blockBytes;
    bool stored = false;
    const QString error = store_.append(record, &stored);
    if (!error.isEmpty()) {
        // The window goes on working; the user hears of it once.
        tellOnce(error + u'\n' +
                 tr("Pelorin goes on working, but does not record what it sends and receives."));
        return false;
    }
    if (stored)
        emit recorded();
    return true;
}

void HistoryRecorder::received() {
    models::HistoryRecord entry;
    entry.received = true;
    record(entry);
}

bool HistoryRecorder::written(models::HistoryCause cause, const QString& detail,
                              const QString& target, bool sent) {
    models::HistoryRecord entry;
    entry.cause = cause;
    entry.detail = detail;
    entry.target = target;
    entry.sent = sent;
    return record(entry);
}

void HistoryRecorder::modelStored(const QString& model, models::HistoryCause cause,
                                  const QString& detail, const BlockBytes& block) {
    models::HistoryRecord entry;
    entry.cause = cause;
    entry.detail = detail;
    entry.sent = false;
    entry.model = model;
    entry.block = block;
    bool stored = false;
    if (const QString error = store_.append(entry, &stored); !error.isEmpty())
        tellOnce(error);
    else if (stored)
        emit recorded();
}

void HistoryRecorder::tellOnce(const QString& message) {
    if (!std::exchange(errorShown_, true))
        showMessage(window_, message);
}

HistoryRecorder::Steps HistoryRecorder::stepsNow(bool forRedo) {
    // Enough for the last steps of a history; doubled, up to a size that costs little memory,
    // while the records before those read could change the answer.
    constexpr qint64 kFirstBytes = qint64{64} << 10;
    constexpr qint64 kMostBytes = qint64{4} << 20;
    const models::HistoryChain now = chain();
    Steps found;
    qint64 begin = -1;
    QByteArray head;
    for (qint64 bytes = kFirstBytes;; bytes = std::min(2 * bytes, kMostBytes)) {
        models::HistoryPage page = store_.readBefore(begin, bytes, head, now.device);
        if (page.restart) {  // kept aside meanwhile: the new file is read from its end
            found.records.clear();
            begin = -1;
            continue;
        }
        if (!page.message.isEmpty())
            tellOnce(page.message);
        // Only the chain's own records matter to its steps.
        std::erase_if(page.records, [&now](const models::HistoryRecord& r) {
            return r.key.isEmpty() || r.chain() != now;
        });
        found.records.insert(found.records.begin(), std::make_move_iterator(page.records.begin()),
                             std::make_move_iterator(page.records.end()));
        begin = page.begin;
        head = page.head;
        found.steps = models::undoSteps(found.records, now, begin <= 0);
        if ((forRedo ? found.steps.redoKnown : found.steps.undoKnown) || begin <= 0)
            return found;
    }
}

QString HistoryRecorder::stepText(bool forRedo) {
    const auto [all, steps] = stepsNow(forRedo);
    const std::optional<std::size_t> step = forRedo ? steps.redo : steps.undo;
    if (!step)
        return forRedo ? tr("Redo (nothing to redo)") : tr("Undo (nothing to undo)");
    const QString entry = models::describeRecord(all[*step]);
    return forRedo ? tr("Redo \u201C%1\u201D").arg(entry) : tr("Undo \u201C%1\u201D").arg(entry);
}

void HistoryRecorder::undo() {
    const models::HistoryChain now = chain();
    const auto [all, steps] = stepsNow(false);
    if (!steps.undo) {
        showMessage(window_, tr("Nothing to undo: the history holds no write to this transmitter "
                                "and memory that can be taken back."));
        return;
    }
    const models::HistoryRecord write = all[*steps.undo];  // a copy: the question is a dialog
    const QString entry =
        tr("\"%1\" (%2)").arg(models::describeRecord(write), timeText(write.time));
    const QString question = tr("Send back what the transmitter held before %1?").arg(entry);
    const BlockBytes current = session_.blockBytes;
    const std::optional<BlockBytes> chosen =
        SendConfirmation::ask(window_, tr("Undo"), question, current, steps.undoBlock);
    if (chosen) {
        send_({*chosen,
               models::HistoryCause::Undo,
               {},
               write.key,
               tr("What the transmitter held before %1").arg(entry),
               current,
               now});
    }
}

void HistoryRecorder::redo() {
    const models::HistoryChain now = chain();
    const auto [all, steps] = stepsNow(true);
    if (!steps.redo) {
        showMessage(window_, tr("Nothing to redo: no write was taken back since the last one."));
        return;
    }
    const models::HistoryRecord write = all[*steps.redo];  // a copy: the question is a dialog
    const QString entry =
        tr("\"%1\" (%2)").arg(models::describeRecord(write), timeText(write.time));
    const QString question = tr("Send %1 again?").arg(entry);
    const BlockBytes current = session_.blockBytes;
    const std::optional<BlockBytes> chosen =
        SendConfirmation::ask(window_, tr("Redo"), question, current, write.block);
    if (chosen) {
        send_({*chosen, models::HistoryCause::Redo, {}, write.key, entry, current, now});
    }
}

void HistoryRecorder::resend(const BlockSend& send) {
    send_(send);
}

HistoryWindow* HistoryRecorder::historyWindow() const {
    return historyWindow_.data();
}

void HistoryRecorder::showWindow(const Session& session, const QString& libraryFolder,
                                 const std::function<void(QWidget*)>& made) {
    if (historyWindow_ == nullptr) {
        historyWindow_ = new HistoryWindow(*this, session, libraryFolder, window_);
        if (made)
            made(historyWindow_);
    }
    historyWindow_->show();
    historyWindow_->raise();
    historyWindow_->activateWindow();
}

}  // namespace pelorin
