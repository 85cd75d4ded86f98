// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/session.h"

#include <algorithm>

namespace pelorin {

Session::Session(SerialControl& serial, PortDiscovery discover)
    : serial_(serial), discover_(std::move(discover)), table_(buildPortTable({}, {})) {
    port_ = portName(table_, commPort_);
}

void Session::resetReceiver() {
    rxParser.reset();
    answered_ = false;
}

void Session::noteAnswer() {
    if (answered_)
        return;
    answered_ = true;
    if (onPortAnswered)
        onPortAnswered();
}

void Session::receive(std::span<const std::uint8_t> bytes) {
    rxParser.feed(bytes, [this](RxParser::Result result) {
        switch (result) {
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
    });
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

const PortTable& Session::refreshPortTable() {
    if (discover_)
        table_ = discover_();
    tableBuilt_ = true;
    return table_;
}

void Session::usePortTable(PortTable table) {
    table_ = std::move(table);
    tableBuilt_ = true;
}

// The device is fixed here: a later refresh of the table does not move an open or reopened
// port to another device.
void Session::selectPort(int portNumber) {
    if (!tableBuilt_)
        refreshPortTable();
    commPort_ = portNumber;
    port_ = portName(table_, portNumber);
}

SerialStatus Session::openSelected() {
    return serial_.open(port_, kLineSettings);
}

SerialStatus Session::openSerialPort() {
    if (serial_.isOpen())
        return {};
    // None opened: the fallback number, whose failure is what the call returns.
    return openInTurn(startCandidates()) ? greetOpenedPort() : openSerialPort(kFallbackPort);
}

// The numbers start-up tries, in order, from one fresh table: preferredDevice first when it is
// one of COM1..COM20, so that other serial devices (a printer, a board) are left alone while
// the transmitter is where it answered last time; then every other of COM1..COM20 that has a
// device. A preferred device that does not open is not tried a second time.
std::vector<int> Session::startCandidates() {
    const PortTable& table = refreshPortTable();
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
// A candidate that does not open only moves on to the next, as a failed probe did.
bool Session::openInTurn(const std::vector<int>& candidates) {
    failedOpens_.clear();
    for (const int candidate : candidates) {
        selectPort(candidate);
        const SerialStatus opened = openSelected();
        if (opened)
            return true;
        failedOpens_.push_back({candidate, opened.error()});
    }
    return false;
}

int Session::openFirstPort() {
    if (serial_.isOpen() || !openInTurn(startCandidates()))
        return 0;
    resetReceiver();
    return commPort_;
}

SerialStatus Session::greetOpenedPort() {
    if (auto s = sendReadRequest(); !s)
        return s;
    userSelect = 0;
    return {};
}

SerialStatus Session::openSerialPort(int portNumber) {
    if (serial_.isOpen())
        return {};
    selectPort(portNumber);
    if (auto s = openSelected(); !s)
        return s;
    return greetOpenedPort();
}

SerialStatus Session::openPort(int portNumber) {
    if (!serial_.isOpen()) {
        selectPort(portNumber);
        if (auto s = openSelected(); !s)
            return s;
    }
    resetReceiver();
    return {};
}

// The Serial Setting round: a fresh table, then COM1..COM20 in order. Numbers without a device
// are skipped; a failed probe only moves on to the next number.
std::vector<int> Session::probeAvailablePorts() {
    const PortTable& table = refreshPortTable();
    std::vector<int> ports;
    for (int number = 1; number <= kProbedPortCount; ++number) {
        const PortName port = portName(table, number);
        if (!port.device.empty() && serial_.probe(port))
            ports.push_back(number);
    }
    return ports;
}

void Session::closePortForSetting() {
    if (serial_.isOpen())
        serial_.close();
}

SerialStatus Session::reopenPortAfterSetting(const int* selectedPort) {
    if (selectedPort != nullptr)
        selectPort(*selectedPort);
    // Also after Cancel: the previous port is opened again.
    if (auto s = openSelected(); !s)
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
    SerialStatus sent = serial_.write(writeFrame(blockBytes));
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
    return serial_.write(readRequest());
}

SerialStatus Session::sendUserRequest(int index) {
    return serial_.write(userRequest(index));
}

SerialStatus Session::sendStartAdjust() {
    return serial_.write(startAdjustRequest());
}

SerialStatus Session::sendStopAdjust() {
    return serial_.write(stopAdjustRequest());
}

SerialStatus Session::loadBlock(const BlockBytes& loaded) {
    blockBytes = loaded;
    unpackSettings(blockBytes, settings);
    if (onSettingsUnpacked)
        onSettingsUnpacked();
    return sendSettingsBlock();
}

}  // namespace pelorin
