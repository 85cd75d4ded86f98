// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/session.h"

#include <algorithm>

namespace pelorin {

namespace {

// One read of the control never takes more than its input buffer holds, and the ring is
// emptied after every piece, so the 1024-byte ring cannot overrun.
constexpr std::size_t kReadPiece = static_cast<std::size_t>(kSerialBufferSize);
static_assert(kReadPiece < RxRing::kSize);

}  // namespace

Session::Session(SerialControl& serial) : serial_(serial) {}

void Session::resetReceiver() {
    rxParser.reset();
    rxRing.reset();
    answered_ = false;
}

void Session::noteAnswer() {
    if (answered_)
        return;
    answered_ = true;
    if (onPortAnswered)
        onPortAnswered();
}

void Session::onReceive(CommEvent event) {
    if (event == CommEvent::Receive) {
        std::array<std::uint8_t, kReadPiece> piece;
        while (serial_.inBufferCount() > 0) {
            const std::size_t n = serial_.readInput(piece);
            if (n == 0)
                break;  // nothing came after all; wait for the next event
            receive(std::span<const std::uint8_t>(piece.data(), std::min(n, piece.size())));
        }
    }
}

void Session::receive(std::span<const std::uint8_t> bytes) {
    // A caller may hand over more than the ring holds; take it in pieces the ring can carry.
    while (!bytes.empty()) {
        const std::span<const std::uint8_t> piece = bytes.first(std::min(bytes.size(), kReadPiece));
        bytes = bytes.subspan(piece.size());
        rxRing.put(piece);

        while (!rxRing.empty()) {
            switch (rxParser.consume(rxRing.take())) {
                case RxParser::Result::None:
                    break;
                case RxParser::Result::LiveFrame:
                    ++counters_.liveAccepted;
                    noteAnswer();
                    if (onLiveFrame)
                        onLiveFrame();
                    break;
                case RxParser::Result::LiveRejected:
                    ++counters_.liveRejected;
                    break;
                case RxParser::Result::SettingsFrame:
                    ++counters_.settingsAccepted;
                    noteAnswer();
                    applySettingsFrame();
                    break;
                case RxParser::Result::SettingsRejected:
                    ++counters_.settingsRejected;
                    break;
            }
        }
    }
}

void Session::applySettingsFrame() {
    const auto block = rxParser.settingsBlock();
    std::copy(block.begin(), block.end(), blockBytes.begin());
    blockBytes[kChecksumSlot1] = 0;
    blockBytes[kChecksumSlot2] = 0;
    unpackSettings(blockBytes, settings);
    transmitterBlock_ = blockBytes;
    if (onSettingsUnpacked)
        onSettingsUnpacked();
    if (onBlockChanged)
        onBlockChanged();
}

SerialStatus Session::openSerialPort() {
    const std::vector<int> candidates = startCandidates();
    const int first = candidates.empty() ? kFallbackPort : candidates.front();
    if (auto s = configurePort(first); !s)
        return s;
    if (serial_.portOpen())
        return {};
    bool opened = false;
    if (auto s = openInTurn(candidates, opened); !s)
        return s;
    if (opened)
        return greetOpenedPort();
    // None opened: the fallback number, whose failure is the one the user sees.
    if (first != kFallbackPort) {
        if (auto s = serial_.setCommPort(kFallbackPort); !s)
            return s;
    }
    if (auto s = serial_.setPortOpen(true); !s)
        return s;
    return greetOpenedPort();
}

// The numbers start-up tries, in order, from one fresh table: preferredDevice first when it is
// one of COM1..COM20, so that other serial devices (a printer, a board) are left alone while
// the transmitter is where it answered last time; then every other of COM1..COM20 that has a
// device. A preferred device that does not open is not tried a second time.
std::vector<int> Session::startCandidates() {
    const PortTable& table = serial_.refreshPortTable();
    std::vector<int> candidates;
    for (int i = 0; i < kProbedPortCount; ++i) {
        const std::string& device = table.portDeviceNames[static_cast<std::size_t>(i)];
        if (device.empty())
            continue;
        if (!preferredDevice.empty() && device == preferredDevice)
            candidates.insert(candidates.begin(), i + 1);
        else
            candidates.push_back(i + 1);
    }
    return candidates;
}

// The open is the probe: the first candidate that opens is the port used, so each device is
// opened once (a probe followed by the real open would raise and drop its modem lines twice).
// A candidate that does not open only moves on to the next, as a failed probe did. The control
// is configured already, for the first candidate.
SerialStatus Session::openInTurn(const std::vector<int>& candidates, bool& opened) {
    opened = false;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        if (k > 0) {
            if (auto s = serial_.setCommPort(candidates[k]); !s)
                return s;
        }
        if (serial_.setPortOpen(true)) {
            opened = true;
            return {};
        }
    }
    return {};
}

int Session::openFirstPort() {
    const std::vector<int> candidates = startCandidates();
    if (candidates.empty() || !configurePort(candidates.front()))
        return 0;
    bool opened = false;
    if (!openInTurn(candidates, opened) || !opened)
        return 0;
    resetReceiver();
    return serial_.commPort();
}

SerialStatus Session::greetOpenedPort() {
    if (auto s = sendReadRequest(); !s)
        return s;
    userSelect = 0;
    return {};
}

std::string Session::portDevice() const {
    const int port = serial_.commPort();
    const auto& devices = serial_.portTable().portDeviceNames;
    if (port < 1 || port > static_cast<int>(devices.size()))
        return {};
    return devices[static_cast<std::size_t>(port - 1)];
}

SerialStatus Session::openSerialPort(int portNumber) {
    if (auto s = configurePort(portNumber); !s)
        return s;
    if (serial_.portOpen())
        return {};
    if (auto s = serial_.setPortOpen(true); !s)
        return s;
    return greetOpenedPort();
}

SerialStatus Session::openPort(int portNumber) {
    if (auto s = configurePort(portNumber); !s)
        return s;
    if (!serial_.portOpen()) {
        if (auto s = serial_.setPortOpen(true); !s)
            return s;
    }
    resetReceiver();
    return {};
}

// Port number, buffers, input mode, threshold, input length and line settings, in this order.
SerialStatus Session::configurePort(int portNumber) {
    if (auto s = serial_.setCommPort(portNumber); !s)
        return s;
    if (auto s = serial_.setInBufferSize(kSerialBufferSize); !s)
        return s;
    if (auto s = serial_.setOutBufferSize(kSerialBufferSize); !s)
        return s;
    if (auto s = serial_.setInputMode(InputMode::Binary); !s)
        return s;
    if (auto s = serial_.setRThreshold(1); !s)
        return s;
    if (auto s = serial_.setInputLen(0); !s)
        return s;
    return serial_.setSettings(kLineSettings);
}

// The Serial Setting round: a fresh table, then COM1..COM20 in order. Numbers without a device
// are skipped; a failed probe only moves on to the next number.
std::vector<int> Session::probeAvailablePorts() {
    const PortTable& table = serial_.refreshPortTable();
    std::vector<int> ports;
    for (int i = 0; i < kProbedPortCount; ++i) {
        const std::string& device = table.portDeviceNames[static_cast<std::size_t>(i)];
        if (!device.empty() && serial_.probe(device))
            ports.push_back(i + 1);
    }
    return ports;
}

SerialStatus Session::closePortForSetting() {
    if (serial_.portOpen())
        return serial_.setPortOpen(false);
    return {};
}

SerialStatus Session::reopenPortAfterSetting(const int* selectedPort) {
    if (selectedPort != nullptr) {
        if (auto s = serial_.setCommPort(*selectedPort); !s)
            return s;
    }
    // Also after Cancel: the previous port is opened again.
    if (auto s = serial_.setPortOpen(true); !s)
        return s;
    // A frame cut off when the port closed (or the line went) cannot go on in the bytes of
    // the new connection: taken as its rest, it would swallow the first frame that arrives,
    // the answer to the UserRequest below, or with a matching sum mix two blocks into one.
    resetReceiver();
    return sendUserRequest(userSelect);
}

SerialStatus Session::writeSettings() {
    packSettings(settings, blockBytes);
    return sendSettingsBlock();
}

SerialStatus Session::sendSettingsBlock() {
    const WriteFrame frame = writeFrame(blockBytes);
    SerialStatus sent = serial_.writeOutput(frame);
    if (sent)
        transmitterBlock_ = blockBytes;
    else
        transmitterBlock_.reset();
    // Whatever the send's fate, blockBytes now hold what was meant for the transmitter.
    if (onBlockChanged)
        onBlockChanged();
    return sent;
}

SerialStatus Session::sendReadRequest() {
    const ReadRequest frame = readRequest();
    return serial_.writeOutput(frame);
}

SerialStatus Session::sendUserRequest(int index) {
    const UserRequest frame = userRequest(index);
    return serial_.writeOutput(frame);
}

SerialStatus Session::sendStartAdjust() {
    const StartAdjustRequest frame = startAdjustRequest();
    return serial_.writeOutput(frame);
}

SerialStatus Session::sendStopAdjust() {
    const StopAdjustRequest frame = stopAdjustRequest();
    return serial_.writeOutput(frame);
}

SerialStatus Session::loadBlock(const BlockBytes& loaded) {
    blockBytes = loaded;
    unpackSettings(blockBytes, settings);
    if (onSettingsUnpacked)
        onSettingsUnpacked();
    return sendSettingsBlock();
}

}  // namespace pelorin
