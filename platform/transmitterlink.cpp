// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/transmitterlink.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>

#include "platform/portargument.h"
#include "platform/portdiscovery.h"

namespace pelorin {

namespace {

// How often a command is sent within one wait for its answer, at even steps.
constexpr int kRequestsPerWait = 3;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TransmitterLink::TransmitterLink(PortDiscovery discovery, QObject* parent)
    : QObject(parent),
      m_serial(makeSerialControl()),
      m_session(*m_serial, discovery ? std::move(discovery) : PortDiscovery(&discoverPortTable)) {
    m_serial->setReceiveHandler(
        [this](std::span<const std::uint8_t> bytes) { m_session.receive(bytes); });
    m_serial->setErrorHandler([this](const std::string& text) {
        // Whatever the control reports on its own ends the run: the port is gone or unusable.
        if (m_lostText.isEmpty())
            m_lostText = fromStd(text);
        emit connectionLost(m_lostText);
    });
    m_session.onSettingsUnpacked = [this] { emit settingsFrameReceived(); };
    m_session.onLiveFrame = [this] { emit liveFrameReceived(); };
}

QString TransmitterLink::open(const QString& portSpec) {
    if (portSpec.isEmpty()) {
        // The first port that opens is the one kept: each device is opened at most once.
        if (!m_session.open(Session::kSearch)) {
            return tr(
                "No serial port of this computer opens. Connect the transmitter (or start "
                "the virtual transmitter pelorin-txsim), or name its port with --port; "
                "\"pelorin-cli ports\" shows every port and why it does not open.");
        }
    } else {
        const PortChoice choice = resolvePortSpec(portSpec, m_session.refreshPortTable());
        if (!choice.ok())
            return choice.error;
        if (SerialStatus status = m_session.open(choice.portNumber); !status)
            return fromStd(status.error());
    }
    m_lostText.clear();
    return {};
}

QString TransmitterLink::portLabel() const {
    const PortName port = portName(m_session.portTable(), m_session.commPort());
    if (m_session.portDevice().empty())
        return fromStd(port.display);
    return QStringLiteral("%1 (%2)").arg(fromStd(port.display),
                                         QString::fromLocal8Bit(m_session.portDevice()));
}

TransmitterLink::Answer TransmitterLink::request(const std::function<SerialStatus(Session&)>& send,
                                                 std::chrono::milliseconds timeout) {
    if (lineLost())
        return {Outcome::LineLost, m_lostText, {}};
    const Session::Counters before = m_session.counters();

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &TransmitterLink::settingsFrameReceived, &loop, &QEventLoop::quit);
    connect(this, &TransmitterLink::connectionLost, &loop, &QEventLoop::quit);

    // The commands that wait for an answer only ask, so asking again is harmless: a request
    // lost on a disturbed line, or an answer swallowed by a false frame start, is asked for
    // again twice within the time-out instead of ending in it.
    SerialStatus sendFailure;
    QTimer again;
    int sent = 1;
    connect(&again, &QTimer::timeout, &loop, [&] {
        if (++sent == kRequestsPerWait)
            again.stop();
        if (SerialStatus status = send(m_session); !status) {
            sendFailure = status;
            loop.quit();
        }
    });

    if (SerialStatus status = send(m_session); !status)
        return {Outcome::SendFailed, fromStd(status.error()), {}};
    timer.start(std::max(timeout, std::chrono::milliseconds(1)));
    again.start(std::max(timeout / kRequestsPerWait, std::chrono::milliseconds(1)));
    // Bytes are only taken in the event loop, so nothing can have answered yet; checked anyway
    // in case the send itself handed over waiting bytes.
    if (m_session.counters().settingsAccepted == before.settingsAccepted && !lineLost())
        loop.exec();

    again.stop();

    const Session::Counters& after = m_session.counters();
    if (after.settingsAccepted != before.settingsAccepted)
        return {Outcome::Received, {}, m_session.blockBytes};
    if (lineLost())
        return {Outcome::LineLost, m_lostText, {}};
    if (!sendFailure)
        return {Outcome::SendFailed, fromStd(sendFailure.error()), {}};

    const double seconds = static_cast<double>(timeout.count()) / 1000.0;
    QString text = tr("%1 did not answer within %2 s.").arg(portLabel(), QString::number(seconds));
    const auto rejected = static_cast<int>(after.settingsRejected - before.settingsRejected);
    if (rejected > 0) {
        text += u' ' + tr("%n settings frame(s) arrived with a wrong checksum: the line is "
                          "disturbed (cable, plug, or another program sending on it).",
                          nullptr, rejected);
    } else if (after.liveAccepted != before.liveAccepted) {
        text += u' ' + tr("Live channel frames arrive, so the transmitter is there but did not "
                          "send its settings.");
    } else {
        text += u' ' + tr("Nothing arrived: check that the transmitter is switched on and "
                          "connected to this port.");
    }
    return {Outcome::TimedOut, text, {}};
}

TransmitterLink::Answer TransmitterLink::readSettings(std::chrono::milliseconds timeout) {
    return request([](Session& session) { return session.send(readRequest()); }, timeout);
}

TransmitterLink::Answer TransmitterLink::selectUser(int index, std::chrono::milliseconds timeout) {
    return request([index](Session& session) { return session.send(userRequest(index)); }, timeout);
}

QString TransmitterLink::writeBlock(const BlockBytes& block) {
    if (lineLost())
        return m_lostText;
    m_session.blockBytes = block;
    if (SerialStatus status = m_session.sendSettingsBlock(); !status)
        return fromStd(status.error());
    return {};
}

}  // namespace pelorin
