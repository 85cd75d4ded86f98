// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program needs of a serial port, as the operations the receive handler, the start-up
// and the commands use. The real one sits on QSerialPort (platform/); tests use a fake.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "link/porttable.h"

namespace pelorin {

// The outcome of an operation on the serial control: success, or an error with a text meant
// for the user. An error ends the operation that made the call; nothing is thrown.
class [[nodiscard]] SerialStatus {
public:
    SerialStatus() = default;
    static SerialStatus failure(std::string text) {
        SerialStatus s;
        s.ok_ = false;
        s.error_ = std::move(text);
        return s;
    }
    [[nodiscard]] bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    [[nodiscard]] const std::string& error() const { return error_; }

private:
    bool ok_ = true;
    std::string error_;
};

enum class InputMode { Text = 0, Binary = 1 };
enum class CommEvent { Receive = 2 };

inline constexpr int kSerialBufferSize = 512;
inline constexpr std::string_view kLineSettings = "115200,n,8,1";

class SerialControl {
public:
    virtual ~SerialControl() = default;

    // 1. Ports: rebuild the tables (at the start of every probe round), and probe a device by
    //    opening it exclusively and closing it at once. A failed probe is not an error.
    virtual const PortTable& refreshPortTable() = 0;
    [[nodiscard]] virtual const PortTable& portTable() const = 0;
    [[nodiscard]] virtual bool probe(const std::string& deviceName) = 0;

    // 2. Selection and configuration, set by start-up in this order.
    virtual SerialStatus setCommPort(int portNumber) = 0;
    virtual SerialStatus setInBufferSize(int bytes) = 0;
    virtual SerialStatus setOutBufferSize(int bytes) = 0;
    virtual SerialStatus setInputMode(InputMode mode) = 0;
    virtual SerialStatus setRThreshold(int bytes) = 0;
    virtual SerialStatus setInputLen(int bytes) = 0;
    virtual SerialStatus setSettings(std::string_view settings) = 0;
    [[nodiscard]] virtual int commPort() const = 0;

    // 3. Open and close.
    virtual SerialStatus setPortOpen(bool open) = 0;
    [[nodiscard]] virtual bool portOpen() const = 0;

    // 5. Reading: how many bytes wait, and take up to into.size() of them in arrival order.
    [[nodiscard]] virtual std::size_t inBufferCount() const = 0;
    virtual std::size_t readInput(std::span<std::uint8_t> into) = 0;

    // 6. Writing one byte array in one piece.
    virtual SerialStatus writeOutput(std::span<const std::uint8_t> bytes) = 0;

    // 4. Notification on the user-interface thread whenever bytes have arrived, and
    // 7. errors that happen without a call (the device vanished while open): the control
    //    reports each such error once and counts as closed afterwards.
    using ReceiveHandler = std::function<void(CommEvent)>;
    using ErrorHandler = std::function<void(const std::string& text)>;
    void setReceiveHandler(ReceiveHandler handler) { receiveHandler_ = std::move(handler); }
    void setErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }

protected:
    void notifyReceive(CommEvent event = CommEvent::Receive) {
        if (receiveHandler_)
            receiveHandler_(event);
    }
    void notifyError(const std::string& text) {
        if (errorHandler_)
            errorHandler_(text);
    }

private:
    ReceiveHandler receiveHandler_;
    ErrorHandler errorHandler_;
};

}  // namespace pelorin
