// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A serial control for tests: records every call in order (writes with their bytes), opens
// only the devices it is told to, fails chosen operations with a chosen text, and holds bytes
// to be read. Header-only so any test folder can use it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/serialcontrol.h"

namespace pelorin::testing {

using pelorin::hexBytes;

// What start-up calls, in order, when COM3 is the first port of the fake that opens: a fresh
// table, the seven settings in their fixed order, then COM1, COM2 and COM3 opened in turn until
// one opens, and the ReadRequest.
inline const std::vector<std::string> kStartUpCallsOnCom3{
    "refreshPortTable()",   "setCommPort(1)",
    "setInBufferSize(512)", "setOutBufferSize(512)",
    "setInputMode(Binary)", "setRThreshold(1)",
    "setInputLen(0)",       "setSettings(115200,n,8,1)",
    "setPortOpen(true)",    "setCommPort(2)",
    "setPortOpen(true)",    "setCommPort(3)",
    "setPortOpen(true)",    "writeOutput(55 FD)",
};

class FakeSerialControl : public SerialControl {
public:
    // One call as "name(argument)"; a write carries its bytes as well.
    struct Call {
        std::string text;
        std::vector<std::uint8_t> bytes;
    };

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

    // The table every refresh hands out; by default port n opens "/dev/fakeN".
    PortTable table;
    // Devices that probe and open successfully (held by nobody else).
    std::set<std::string> openableDevices;
    // Operation name -> error text: every call of that operation fails with it until erased.
    std::map<std::string, std::string> failures;

    void makeOpenable(int portNumber) {
        openableDevices.insert(table.portDeviceNames[static_cast<std::size_t>(portNumber - 1)]);
    }
    void failOperation(const std::string& operation, const std::string& text) {
        failures[operation] = text;
    }
    // Bytes waiting to be read, as if they had arrived on the line.
    void holdInput(std::span<const std::uint8_t> bytes) {
        pendingInput.insert(pendingInput.end(), bytes.begin(), bytes.end());
    }
    // Bytes arrive and the control raises its receive event.
    void deliver(std::span<const std::uint8_t> bytes) {
        holdInput(bytes);
        notifyReceive(CommEvent::Receive);
    }
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

    std::vector<Call> calls;
    std::deque<std::uint8_t> pendingInput;
    std::size_t largestRead = 0;  // the biggest buffer readInput was handed
    int refreshCount = 0;
    // The device of every open the control tried, a probe or an opening of the port, in order.
    std::vector<std::string> deviceOpens;

    [[nodiscard]] std::vector<std::string> callTexts() const {
        std::vector<std::string> texts;
        for (const Call& c : calls)
            texts.push_back(c.text);
        return texts;
    }
    // Every frame that went out on the line, in order.
    [[nodiscard]] std::vector<std::vector<std::uint8_t>> writes() const { return writes_; }
    void clearCalls() {
        calls.clear();
        writes_.clear();
    }

    // --- SerialControl ----------------------------------------------------------------------

    const PortTable& refreshPortTable() override {
        ++refreshCount;
        record("refreshPortTable()");
        return table;
    }
    [[nodiscard]] const PortTable& portTable() const override { return table; }
    [[nodiscard]] bool probe(const std::string& deviceName) override {
        record("probe(" + deviceName + ")");
        deviceOpens.push_back(deviceName);
        return openableDevices.contains(deviceName);
    }

    SerialStatus setCommPort(int portNumber) override {
        if (auto s = attempt("setCommPort", std::to_string(portNumber)); !s)
            return s;
        commPort_ = portNumber;
        return {};
    }
    SerialStatus setInBufferSize(int bytes) override {
        return attempt("setInBufferSize", std::to_string(bytes));
    }
    SerialStatus setOutBufferSize(int bytes) override {
        return attempt("setOutBufferSize", std::to_string(bytes));
    }
    SerialStatus setInputMode(InputMode mode) override {
        return attempt("setInputMode", mode == InputMode::Binary ? "Binary" : "Text");
    }
    SerialStatus setRThreshold(int bytes) override {
        return attempt("setRThreshold", std::to_string(bytes));
    }
    SerialStatus setInputLen(int bytes) override {
        return attempt("setInputLen", std::to_string(bytes));
    }
    SerialStatus setSettings(std::string_view settings) override {
        return attempt("setSettings", std::string(settings));
    }
    [[nodiscard]] int commPort() const override { return commPort_; }

    SerialStatus setPortOpen(bool open) override {
        if (auto s = attempt("setPortOpen", open ? "true" : "false"); !s)
            return s;
        if (open) {
            if (open_)
                return SerialStatus::failure(std::string(kAlreadyOpenText));
            const std::size_t index = static_cast<std::size_t>(commPort_ - 1);
            if (commPort_ < 1 || index >= table.portDeviceNames.size())
                return SerialStatus::failure(std::string(kNoDeviceText));
            const std::string& device = table.portDeviceNames[index];
            if (!device.empty())
                deviceOpens.push_back(device);
            if (!openableDevices.contains(device))
                return SerialStatus::failure(std::string(kNoDeviceText));
        }
        open_ = open;
        return {};
    }
    [[nodiscard]] bool portOpen() const override { return open_; }

    [[nodiscard]] std::size_t inBufferCount() const override { return pendingInput.size(); }
    std::size_t readInput(std::span<std::uint8_t> into) override {
        largestRead = std::max(largestRead, into.size());
        const std::size_t n = std::min(into.size(), pendingInput.size());
        std::copy_n(pendingInput.begin(), n, into.begin());
        pendingInput.erase(pendingInput.begin(),
                           pendingInput.begin() + static_cast<std::ptrdiff_t>(n));
        record("readInput(" + std::to_string(n) + ")");
        return n;
    }

    SerialStatus writeOutput(std::span<const std::uint8_t> bytes) override {
        calls.push_back({"writeOutput(" + hexBytes(bytes) + ")", {bytes.begin(), bytes.end()}});
        if (auto it = failures.find("writeOutput"); it != failures.end()) {
            return SerialStatus::failure(it->second);
        }
        if (!open_)
            return SerialStatus::failure(std::string(kClosedText));
        writes_.emplace_back(bytes.begin(), bytes.end());
        return {};
    }

private:
    void record(std::string text) { calls.push_back({std::move(text), {}}); }

    SerialStatus attempt(const std::string& operation, const std::string& argument) {
        record(operation + "(" + argument + ")");
        if (auto it = failures.find(operation); it != failures.end()) {
            return SerialStatus::failure(it->second);
        }
        return {};
    }

    int commPort_ = 1;
    bool open_ = false;
    std::vector<std::vector<std::uint8_t>> writes_;
};

}  // namespace pelorin::testing
