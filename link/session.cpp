// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/session.h"

#include <algorithm>

namespace pelorin {

Session::Session(SerialControl& serial, PortDiscovery discover)
    : serial_(serial), discover_(std::move(discover)), table_(buildPortTable({}, {})) {
    port_ = portName(table_, commPort_);
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

SerialStatus Session::open(int port, Greeting greeting) {
    // A frame cut off when the port closed (or the line went) cannot go on in the bytes of
    // the new connection: taken as its rest, it would swallow the first frame that arrives,
    // the answer to the greeting below, or with a matching sum mix two blocks into one.
    rxParser.reset();
    answered_ = false;
    if (serial_.isOpen())
        return {};
    if (SerialStatus s = openPort(port); !s || greeting == Greeting::None)
        return s;
    if (greeting == Greeting::User)
        return send(userRequest(userSelect));
    SerialStatus sent = send(readRequest());
    if (sent)
        userSelect = 0;
    return sent;
}

SerialStatus Session::openPort(int port) {
    if (port == kSelectedPort)
        return serial_.open(port_, kLineSettings);
    if (port > 0)
        return openNumber(port);
    // The open is the probe: the first candidate that opens is the port used, so each device
    // is opened once (a probe followed by the real open would raise and drop its modem lines
    // twice). The preferred device comes first, so that other serial devices (a printer, a
    // board) are left alone while the transmitter is where it answered last time.
    const PortTable& table = refreshPortTable();
    std::vector<int> candidates;
    for (int number = 1; number <= kProbedPortCount; ++number) {
        const std::string& device = table.portDeviceNames[static_cast<std::size_t>(number - 1)];
        if (device.empty())
            continue;
        if (!preferredDevice.empty() && device == preferredDevice)
            candidates.insert(candidates.begin(), number);
        else
            candidates.push_back(number);
    }
    failedOpens_.clear();
    SerialStatus opened = SerialStatus::failure("No serial port has a device");
    for (const int candidate : candidates) {
        opened = openNumber(candidate);
        if (opened)
            return opened;
        failedOpens_.push_back({candidate, opened.error()});
    }
    return port == kSearchOrFallback ? openNumber(kFallbackPort) : opened;
}

// The device is fixed here: a later refresh of the table does not move an open or reopened
// port to another device.
SerialStatus Session::openNumber(int portNumber) {
    if (!tableBuilt_)
        refreshPortTable();
    commPort_ = portNumber;
    port_ = portName(table_, portNumber);
    return serial_.open(port_, kLineSettings);
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

void Session::close() {
    if (serial_.isOpen())
        serial_.close();
}

SerialStatus Session::writeSettings() {
    packSettings(settings, blockBytes);
    return sendSettingsBlock();
}

SerialStatus Session::send(std::span<const std::uint8_t> frame) {
    const bool wasOpen = serial_.isOpen();
    SerialStatus sent = serial_.write(frame);
    if (wasOpen && !serial_.isOpen() && onPortLost)
        onPortLost();
    return sent;
}

SerialStatus Session::sendSettingsBlock() {
    SerialStatus sent = send(writeFrame(blockBytes));
    if (sent)
        transmitterBlock_ = blockBytes;
    else
        transmitterBlock_.reset();
    // Whatever the send's fate, blockBytes now hold what was meant for the transmitter.
    if (onBlockChanged)
        onBlockChanged();
    return sent;
}

SerialStatus Session::loadBlock(const BlockBytes& loaded) {
    blockBytes = loaded;
    unpackSettings(blockBytes, settings);
    if (onSettingsUnpacked)
        onSettingsUnpacked();
    return sendSettingsBlock();
}

}  // namespace pelorin
