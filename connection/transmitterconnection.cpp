// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "connection/transmitterconnection.h"

#include <QEventLoop>
#include <QFileInfo>

#include <algorithm>
#include <utility>

#include "connection/portargument.h"
#include "platform/devicewatch.h"

namespace pelorin {

namespace {

// How often a command is sent within one wait for its answer, at even steps.
constexpr int kRequestsPerWait = 3;
// A burst of device changes (a node, then udev's links and permissions) is looked at once,
// this long after its last change; an awaited device that is there but does not open yet (a
// service still probing it) is looked at again a few times at a slower pace.
constexpr int kGatherMs = 150;
constexpr int kRetryMs = 1000;
constexpr int kRetries = 5;

}  // namespace

TransmitterConnection::TransmitterConnection(std::unique_ptr<SerialControl> serial,
                                             PortDiscovery discover, QObject* parent)
    : QObject(parent),
      serial_(std::move(serial)),
      session_(*serial_, discover ? std::move(discover) : PortDiscovery(&discoverPortTable)) {
    // Everything the serial control reports arrives on this thread. Frames that arrive
    // together are announced together: liveFramesArrived comes once, after the last of them.
    serial_->setReceiveHandler([this](std::span<const std::uint8_t> bytes) {
        liveFramesPending_ = false;
        receiving_ = true;
        session_.receive(bytes);
        receiving_ = false;
        if (std::exchange(liveFramesPending_, false))
            emit liveFramesArrived();
    });
    serial_->setErrorHandler([this](const std::string& text) {
        if (lostText_.isEmpty())
            lostText_ = QString::fromStdString(text);
        emit lineError(QString::fromStdString(text));
        if (deviceWatch_ != nullptr && !session_.portOpen())
            startWaiting();
    });
    // A send can be the first to find the device gone; the line is then awaited the same way.
    session_.onPortLost = [this] {
        if (deviceWatch_ != nullptr)
            startWaiting();
    };
    session_.onLiveFrame = [this] {
        if (!lineDown_.isEmpty())
            setLineDown({});
        liveFramesPending_ = true;
        emit liveFrameReceived();
    };
    // The port the transmitter answers on is the one start-up tries first next time.
    session_.onPortAnswered = [this] {
        if (portMemory_.remember)
            portMemory_.remember(session_.portDevice());
    };
    session_.onBlockChanged = [this] {
        // After a switch of memory, the settings that come are that memory's.
        const bool received = receiving_;
        if (received && userMemory_ >= 0 && !userMemoryArrived_) {
            userMemoryArrived_ = true;
            emit userMemoryChanged();
        }
        emit blockChanged(received);
    };
    retryTimer_.setSingleShot(true);
    connect(&retryTimer_, &QTimer::timeout, this, &TransmitterConnection::lookForTransmitter);
}

TransmitterConnection::~TransmitterConnection() {
    serial_->setReceiveHandler({});
    serial_->setErrorHandler({});
    session_.onPortLost = nullptr;
    session_.onLiveFrame = nullptr;
    session_.onPortAnswered = nullptr;
    session_.onBlockChanged = nullptr;
}

QString TransmitterConnection::start(int portNumber) {
    // Heard while the line is down; costs nothing while no device comes or goes.
    deviceWatch_ = new DeviceWatch(this);
    connect(deviceWatch_, &DeviceWatch::devicesChanged, this, [this] {
        if (!waiting_)
            return;
        retriesLeft_ = kRetries;
        retryTimer_.start(kGatherMs);
    });
    if (portNumber == 0 && portMemory_.recall)
        session_.preferredDevice = portMemory_.recall();
    const SerialStatus opened = session_.open(
        portNumber > 0 ? portNumber : Session::kSearchOrFallback, Session::Greeting::Read);
    lostText_.clear();
    // The port opened, or the one named, is the one to wait for.
    if (session_.portOpen() || portNumber > 0)
        noteOpened();
    if (openedName_.isEmpty()) {
        // What was there at start-up is not taken by itself later, but for the transmitter
        // that answered last time.
        lastUsed_ = stableDeviceName(QString::fromLocal8Bit(session_.preferredDevice));
        for (const std::string& device : session_.portTable().portDeviceNames) {
            if (!device.empty())
                presentAtStart_ << stableDeviceName(QString::fromLocal8Bit(device));
        }
    }
    QString message;
    if (!opened) {
        message = session_.portOpen() || portNumber > 0 ? QString::fromStdString(opened.error())
                                                        : noPortOpenedText();
    }
    if (!session_.portOpen())
        startWaiting();
    return message;
}

void TransmitterConnection::closeForChoice() {
    wasWaiting_ = std::exchange(waiting_, false);
    session_.close();
}

SerialStatus TransmitterConnection::reopenAfterChoice(int portNumber) {
    const SerialStatus status = session_.open(portNumber, Session::Greeting::User);
    lostText_.clear();
    userMemorySwitched(status, session_.userSelect);
    if (session_.portOpen())
        noteOpened();
    if (wasWaiting_ && !session_.portOpen())
        startWaiting();
    else
        followPortState();
    return status;
}

SerialStatus TransmitterConnection::switchUserMemory(int index) {
    SerialStatus status = session_.send(userRequest(index));
    userMemorySwitched(status, index);
    return status;
}

void TransmitterConnection::userMemorySwitched(const SerialStatus& status, int index) {
    if (!status)
        return;
    userMemory_ = index;
    userMemoryArrived_ = false;
    emit userMemoryChanged();
}

QString TransmitterConnection::userMemoryText() const {
    if (userMemory_ < 0)
        return tr("not known: the memory the transmitter had active");
    const QString name = QStringLiteral("USER%1").arg(userMemory_ + 1);
    return userMemoryArrived_ ? name : tr("%1, its settings not received yet").arg(name);
}

QString TransmitterConnection::noPortOpenedText() const {
    QStringList text;
    if (session_.failedOpens().empty()) {
        text << tr(
            "No serial port was found: no transmitter is connected to this computer and "
            "no virtual transmitter (pelorin-txsim) is running.");
    } else {
        text << tr("No serial port could be opened. Tried:");
        for (const Session::FailedOpen& failed : session_.failedOpens())
            text << QString::fromStdString(failed.error);
        text.removeDuplicates();  // several ports refused for one reason say it once
    }
    text << tr(
        "Pelorin connects by itself when the transmitter appears: plug it in and switch "
        "it on (or start pelorin-txsim). The Setting button chooses a port by hand.");
    return text.join(QStringLiteral("\n\n"));
}

void TransmitterConnection::noteOpened() {
    const QString device = QString::fromLocal8Bit(session_.portDevice());
    openedName_ = stableDeviceName(device);
    openedLink_ = virtualLinkIdentity(device);
}

bool TransmitterConnection::waitsFor(const QString& stableName) const {
    if (!openedName_.isEmpty())
        return stableName == openedName_;
    return stableName == lastUsed_ || !presentAtStart_.contains(stableName);
}

QString TransmitterConnection::waitingText() const {
    if (!openedName_.isEmpty()) {
        return tr("Waiting for COM%1 (%2)")
            .arg(session_.commPort())
            .arg(QFileInfo(openedName_).fileName());
    }
    if (!lastUsed_.isEmpty()) {
        return tr("Waiting for %1 or a new transmitter").arg(QFileInfo(lastUsed_).fileName());
    }
    return tr("No port: waiting for a transmitter");
}

void TransmitterConnection::startWaiting() {
    waiting_ = true;
    setLineDown(waitingText());
}

void TransmitterConnection::lookForTransmitter() {
    if (!waiting_ || session_.portOpen())
        return;
    const PortTable& table = session_.refreshPortTable();
    bool there = false;
    for (int number = 1; number <= kProbedPortCount; ++number) {
        const QString device =
            QString::fromLocal8Bit(table.portDeviceNames[static_cast<std::size_t>(number - 1)]);
        if (device.isEmpty() || !waitsFor(stableDeviceName(device)))
            continue;
        // A virtual transmitter's link that was not made anew since the line went is not the
        // transmitter back: it was left by one that was killed, and its terminal's number may
        // now be another program's.
        if (!openedLink_.isEmpty() && virtualLinkIdentity(device) == openedLink_)
            continue;
        there = true;
        if (!session_.open(number))
            continue;
        waiting_ = false;
        lostText_.clear();
        noteOpened();
        // The transmitter may have been switched off and on meanwhile: which memory it has
        // active is not known again until the user switches it, as at start-up.
        if (userMemory_ >= 0) {
            userMemory_ = -1;
            userMemoryArrived_ = false;
            emit userMemoryChanged();
        }
        setLineDown(tr("COM%1 open, no frames yet").arg(number));
        if (const SerialStatus asked = session_.send(readRequest()); !asked)
            emit lineError(QString::fromStdString(asked.error()));
        return;
    }
    if (there && retriesLeft_-- > 0)
        retryTimer_.start(kRetryMs);
}

void TransmitterConnection::followPortState() {
    setLineDown(session_.portOpen() ? QString() : tr("COM%1 closed").arg(session_.commPort()));
}

void TransmitterConnection::setLineDown(const QString& text) {
    if (text == lineDown_)
        return;
    lineDown_ = text;
    emit lineStateChanged(text);
}

QString TransmitterConnection::open(const QString& portSpec) {
    if (portSpec.isEmpty()) {
        // The first port that opens is the one kept: each device is opened at most once.
        if (!session_.open(Session::kSearch)) {
            return tr(
                "No serial port of this computer opens. Connect the transmitter (or start "
                "the virtual transmitter pelorin-txsim), or name its port with --port; "
                "\"pelorin-cli ports\" shows every port and why it does not open.");
        }
    } else {
        const PortChoice choice = resolvePortSpec(portSpec, session_.refreshPortTable());
        if (!choice.ok())
            return choice.error;
        if (SerialStatus status = session_.open(choice.portNumber); !status)
            return QString::fromStdString(status.error());
    }
    lostText_.clear();
    return {};
}

QString TransmitterConnection::portLabel() const {
    const PortName port = portName(session_.portTable(), session_.commPort());
    if (session_.portDevice().empty())
        return QString::fromStdString(port.display);
    return QStringLiteral("%1 (%2)").arg(QString::fromStdString(port.display),
                                         QString::fromLocal8Bit(session_.portDevice()));
}

TransmitterConnection::Answer TransmitterConnection::request(
    const std::function<SerialStatus(Session&)>& send, std::chrono::milliseconds timeout) {
    if (lineLost())
        return {Outcome::LineLost, lostText_, {}};
    const Session::Counters before = session_.counters();

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &TransmitterConnection::blockChanged, &loop, [&loop](bool received) {
        if (received)
            loop.quit();
    });
    connect(this, &TransmitterConnection::lineError, &loop, &QEventLoop::quit);

    // The commands that wait for an answer only ask, so asking again is harmless: a request
    // lost on a disturbed line, or an answer swallowed by a false frame start, is asked for
    // again twice within the time-out instead of ending in it.
    SerialStatus sendFailure;
    QTimer again;
    int sent = 1;
    connect(&again, &QTimer::timeout, &loop, [&] {
        if (++sent == kRequestsPerWait)
            again.stop();
        if (SerialStatus status = send(session_); !status) {
            sendFailure = status;
            loop.quit();
        }
    });

    if (SerialStatus status = send(session_); !status)
        return {Outcome::SendFailed, QString::fromStdString(status.error()), {}};
    timer.start(std::max(timeout, std::chrono::milliseconds(1)));
    again.start(std::max(timeout / kRequestsPerWait, std::chrono::milliseconds(1)));
    // Bytes are only taken in the event loop, so nothing can have answered yet; checked anyway
    // in case the send itself handed over waiting bytes.
    if (session_.counters().settingsAccepted == before.settingsAccepted && !lineLost())
        loop.exec();

    again.stop();

    const Session::Counters& after = session_.counters();
    if (after.settingsAccepted != before.settingsAccepted)
        return {Outcome::Received, {}, session_.blockBytes};
    if (lineLost())
        return {Outcome::LineLost, lostText_, {}};
    if (!sendFailure)
        return {Outcome::SendFailed, QString::fromStdString(sendFailure.error()), {}};

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

TransmitterConnection::Answer TransmitterConnection::readSettings(
    std::chrono::milliseconds timeout) {
    return request([](Session& session) { return session.send(readRequest()); }, timeout);
}

TransmitterConnection::Answer TransmitterConnection::selectUser(int index,
                                                                std::chrono::milliseconds timeout) {
    return request([index](Session& session) { return session.send(userRequest(index)); }, timeout);
}

QString TransmitterConnection::writeBlock(const BlockBytes& block) {
    if (lineLost())
        return lostText_;
    session_.blockBytes = block;
    if (SerialStatus status = session_.sendSettingsBlock(); !status)
        return QString::fromStdString(status.error());
    return {};
}

}  // namespace pelorin
