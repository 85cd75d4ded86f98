// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A serial control for tests: records every call in order (writes with their bytes), opens
// only the devices it is told to, fails chosen operations with a chosen text, and delivers
// bytes as the line would. Its table numbers the ports; discovery() hands it to a Session.
// Header-only so any test folder can use it.

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/frames.h"
#include "link/session.h"

namespace pelorin::testing {

using pelorin::hexBytes;

class FakeSerialControl : public SerialControl {
public:
    static constexpr std::string_view kClosedText = "The port is closed.";
    static constexpr std::string_view kAlreadyOpenText = "The port is already open.";
    static constexpr std::string_view kNoDeviceText = "The port does not exist or is in use.";

    FakeSerialControl() {
        for (std::size_t i = 0; i < table.portDeviceNames.size(); ++i) {
            table.portDisplayNames[i] = "COM" + std::to_string(i + 1);
            table.portDeviceNames[i] = "/dev/fake" + std::to_string(i + 1);
        }
    }

    // --- Set-up by the test ---------------------------------------------------------------

    // The table every discovery hands out; by default port n opens "/dev/fakeN".
    PortTable table;
    // Devices that probe and open successfully (held by nobody else).
    std::set<std::string> openableDevices;
    // Operation name ("open", "write") -> error text: every call of it fails until erased.
    std::map<std::string, std::string> failures;

    [[nodiscard]] PortDiscovery discovery() {
        return [this] {
            ++refreshCount;
            return table;
        };
    }
    void makeOpenable(int portNumber) {
        openableDevices.insert(table.portDeviceNames[static_cast<std::size_t>(portNumber - 1)]);
    }
    void failOperation(const std::string& operation, const std::string& text) {
        failures[operation] = text;
    }
    // A failing write also closes the port, as a control does when the device is gone.
    bool failedWriteCloses = false;
    // Bytes arrive on the line and are handed over in one receive call.
    void deliver(std::span<const std::uint8_t> bytes) { notifyReceive(bytes); }
    // The device vanished under an open port: one error, and the port counts as closed.
    void loseDevice(const std::string& text) {
        open_ = false;
        notifyError(text);
    }
    // The line reports an error without a call (a framing error, say); the port stays open.
    void raiseError(const std::string& text) { notifyError(text); }
    // Puts the port into a state without recording a call.
    void forceOpen(bool open) { open_ = open; }

    // --- What the test inspects -------------------------------------------------------------

    std::vector<std::string> calls;  // "probe(/dev/fake1)", "open(/dev/fake3)", "write(55 FD)"
    int refreshCount = 0;
    // The device of every open the control tried, a probe or an opening of the port, in order.
    std::vector<std::string> deviceOpens;
    PortName opened;  // the port of the last successful open

    // Every frame that went out on the line, in order.
    [[nodiscard]] const std::vector<std::vector<std::uint8_t>>& writes() const { return writes_; }
    void clearCalls() {
        calls.clear();
        writes_.clear();
    }

    // --- SerialControl ----------------------------------------------------------------------

    [[nodiscard]] bool probe(const PortName& port) override {
        calls.push_back("probe(" + port.device + ")");
        deviceOpens.push_back(port.device);
        return openableDevices.contains(port.device);
    }
    SerialStatus open(const PortName& port, const LineSettings& settings) override {
        calls.push_back("open(" + port.device + ")");
        if (auto it = failures.find("open"); it != failures.end())
            return SerialStatus::failure(it->second);
        if (open_)
            return SerialStatus::failure(std::string(kAlreadyOpenText));
        if (!port.device.empty())
            deviceOpens.push_back(port.device);
        if (!openableDevices.contains(port.device))
            return SerialStatus::failure(std::string(kNoDeviceText));
        lineSettings = settings;
        opened = port;
        open_ = true;
        return {};
    }
    void close() override {
        calls.push_back("close()");
        open_ = false;
    }
    [[nodiscard]] bool isOpen() const override { return open_; }
    SerialStatus write(std::span<const std::uint8_t> frame) override {
        calls.push_back("write(" + hexBytes(frame) + ")");
        if (auto it = failures.find("write"); it != failures.end()) {
            open_ = open_ && !failedWriteCloses;
            return SerialStatus::failure(it->second);
        }
        if (!open_)
            return SerialStatus::failure(std::string(kClosedText));
        writes_.emplace_back(frame.begin(), frame.end());
        return {};
    }

    LineSettings lineSettings{};  // as the last successful open was given them

private:
    bool open_ = false;
    std::vector<std::vector<std::uint8_t>> writes_;
};

}  // namespace pelorin::testing
