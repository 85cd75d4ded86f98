// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The link for a program without a window: one serial port opened with the transmitter's line
// settings, a Session over it, and the one thing the window never does: send a command and
// wait, for a bounded time, for the SettingsFrame that answers it.

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

#include "link/session.h"
#include "platform/serialport.h"

namespace pelorin {

class TransmitterLink : public QObject {
    Q_OBJECT

public:
    explicit TransmitterLink(PortDiscovery discovery = {}, QObject* parent = nullptr);

    // Opens the port `portSpec` names (see resolvePortSpec), against a fresh port table; an
    // empty spec takes the first port that opens, as the window does at start-up. Nothing is
    // sent. Empty on success, else the text for the user.
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

    [[nodiscard]] Session& session() { return m_session; }
    [[nodiscard]] bool lineLost() const { return !m_lostText.isEmpty(); }
    [[nodiscard]] const QString& lostText() const { return m_lostText; }

signals:
    void settingsFrameReceived();
    void liveFrameReceived();
    void connectionLost(const QString& text);

private:
    std::unique_ptr<SerialControl> m_serial;
    Session m_session;
    QString m_lostText;
};

}  // namespace pelorin
