// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link to the transmitter as one object that any number of windows and programs listen
// to. It owns the serial control and the Session over it, opens the port (the one the
// transmitter answered on last run first), reopens it by itself when the device comes back,
// knows which memory (USER1, USER2) the settings belong to, and tells of everything that
// happens on the line through its signals. The window, pelorin-cli, the soak and the benches
// all drive the transmitter through it.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

#include "connection/portmemory.h"
#include "link/serialcontrol.h"
#include "link/session.h"
#include "platform/portdiscovery.h"

namespace pelorin {

class DeviceWatch;

class TransmitterConnection : public QObject {
    Q_OBJECT

public:
    // The connection drives the transmitter through `serial` and owns it. `discover` numbers
    // the ports at every probe round.
    explicit TransmitterConnection(std::unique_ptr<SerialControl> serial,
                                   PortDiscovery discover = &discoverPortTable,
                                   QObject* parent = nullptr);
    ~TransmitterConnection() override;

    [[nodiscard]] Session& session() { return session_; }
    [[nodiscard]] const Session& session() const { return session_; }
    [[nodiscard]] const SerialControl& serial() const { return *serial_; }

    // Where the port the transmitter answered on is kept between runs; start() tries it first.
    void setPortMemory(PortMemory memory) { portMemory_ = std::move(memory); }

    // The window's start: opens COM`portNumber` (0: the search, the remembered port first,
    // with COM21's outcome when none opens) and asks for the settings. From then on a line
    // that is down is reopened by itself when its device appears. Empty when the port opened
    // and the request went out; else what to tell the user.
    [[nodiscard]] QString start(int portNumber);
    // The Serial Setting round: the port is closed and nothing reopens by itself while the
    // user chooses; then the port chosen (Session::kSelectedPort: the one before) is opened
    // and the transmitter switched to the memory last chosen (userSelect).
    void closeForChoice();
    SerialStatus reopenAfterChoice(int portNumber);

    // Sends a UserRequest for `index`; once handed to the line, the settings are that memory's
    // from their next arrival.
    SerialStatus switchUserMemory(int index);
    // The memory last switched to; -1 before a switch and after the line was reopened by
    // itself (the transmitter does not say which is active).
    [[nodiscard]] int userMemory() const { return userMemory_; }
    // That, for the user: "USER2", "USER2, its settings not received yet", "not known: …".
    [[nodiscard]] QString userMemoryText() const;

    // Why the line is down, for the windows to show over the channels; empty while frames come.
    [[nodiscard]] const QString& lineDownText() const { return lineDown_; }

    // For a program without a window: opens the port `portSpec` names (see resolvePortSpec),
    // against a fresh port table; an empty spec takes the first port that opens. Nothing is
    // sent and nothing reopens by itself. Empty on success, else the text for the user.
    [[nodiscard]] QString open(const QString& portSpec);
    // "COM1 (/dev/ttyUSB0)", once open.
    [[nodiscard]] QString portLabel() const;

    enum class Outcome { Received, TimedOut, LineLost, SendFailed };
    struct Answer {
        Outcome outcome = Outcome::TimedOut;
        QString error;       // what went wrong, for the user; empty when received
        BlockBytes block{};  // the block of the SettingsFrame, checksum slots 0
    };
    // Sends a command and waits at most `timeout` for a good SettingsFrame that arrives after
    // it; the command is sent again at a third and two thirds of the time, so it must only
    // ask. Frames that fail their checksum are counted and named in the time-out's text.
    [[nodiscard]] Answer request(const std::function<SerialStatus(Session&)>& send,
                                 std::chrono::milliseconds timeout);
    [[nodiscard]] Answer readSettings(std::chrono::milliseconds timeout);
    [[nodiscard]] Answer selectUser(int index, std::chrono::milliseconds timeout);
    // One WriteFrame of the block's bytes 0..64; the transmitter sends nothing back.
    [[nodiscard]] QString writeBlock(const BlockBytes& block);

    // The control failed by itself since the port was opened, and the first text it gave.
    [[nodiscard]] bool lineLost() const { return !lostText_.isEmpty(); }
    [[nodiscard]] const QString& lostText() const { return lostText_; }

signals:
    // A good LiveChannelFrame: session().liveChannels() and liveAux() hold it.
    void liveFrameReceived();
    // The bytes of one delivery held live frames, now all taken: what shows only the newest
    // values repaints once for them.
    void liveFramesArrived();
    // blockBytes may have changed: a SettingsFrame arrived (`received`), or the block was sent.
    void blockChanged(bool received);
    // The line went down (`text` says why and what is awaited) or, with an empty text, frames
    // come again.
    void lineStateChanged(const QString& text);
    // userMemory() changed, or its settings came.
    void userMemoryChanged();
    // The control failed by itself (the line failing under an open port).
    void lineError(const QString& text);

private:
    void setLineDown(const QString& text);
    void followPortState();  // down while the port is closed, up once it is open
    // Reopening the line by itself: after the device of the open port went away, when that
    // device comes back; when nothing opened at start-up, when the transmitter used last time
    // or a device that was not there at start-up appears. Woken by the device watch only.
    void startWaiting();
    void lookForTransmitter();
    [[nodiscard]] bool waitsFor(const QString& stableName) const;
    [[nodiscard]] QString waitingText() const;
    void noteOpened();  // the port just opened is the one to wait for should it go
    void userMemorySwitched(const SerialStatus& status, int index);
    // What start-up says when no port opened: each port tried and why it failed.
    [[nodiscard]] QString noPortOpenedText() const;

    std::unique_ptr<SerialControl> serial_;
    Session session_;
    PortMemory portMemory_;
    bool liveFramesPending_ = false;  // a live frame arrived in the receive pass under way
    bool receiving_ = false;          // a receive pass is under way: a block that changes came in
    QString lineDown_;
    QString lostText_;
    int userMemory_ = -1;
    bool userMemoryArrived_ = false;

    DeviceWatch* deviceWatch_ = nullptr;  // made by start(): only the window reopens by itself
    QTimer retryTimer_;                   // gathers a burst of device changes into one look
    int retriesLeft_ = 0;      // tries again while the device waited for is there but does not open
    bool waiting_ = false;     // the line is down and is reopened by itself
    bool wasWaiting_ = false;  // waiting when the Setting round began
    QString openedName_;       // the stable name of the device open now, or lost
    QString openedLink_;  // its virtual transmitter's link as it was then (virtualLinkIdentity)
    QString lastUsed_;    // the stable name of the device the transmitter answered on last run
    QStringList presentAtStart_;  // stable names of the devices there when none opened
};

}  // namespace pelorin
