// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program needs of a serial port: probe one, open it with the line's fixed settings,
// close it, say whether it is open, write a frame in one call, hand over the bytes that
// arrived, and report a failure with a text. The real one sits on QSerialPort (platform/);
// tests use a fake.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>

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

// A port as the program names it: what the system opens (a device path such as
// "/dev/ttyUSB0", a virtual transmitter's link, or a name such as "COM3") and what the user
// reads ("COM3"). An empty device is a number that has no port on this computer.
struct PortName {
    std::string device;
    std::string display;
    friend bool operator==(const PortName&, const PortName&) = default;
};

enum class Parity : std::uint8_t { None, Even, Odd };

struct LineSettings {
    int baudRate;
    Parity parity;
    int dataBits;
    int stopBits;
};
// The transmitter's line: 115200 baud, no parity, 8 data bits, 1 stop bit. Flow control and
// the modem-control lines stay at the system's defaults.
inline constexpr LineSettings kLineSettings{115200, Parity::None, 8, 1};

class SerialControl {
public:
    virtual ~SerialControl() = default;

    // Whether the port opens now, exclusively; it is closed again at once and nothing is
    // sent. A failed probe is not an error.
    [[nodiscard]] virtual bool probe(const PortName& port) = 0;
    // Opens the port exclusively with `settings`; fails while a port is open.
    virtual SerialStatus open(const PortName& port, const LineSettings& settings) = 0;
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // One frame, handed to the device whole.
    virtual SerialStatus write(std::span<const std::uint8_t> frame) = 0;

    // On the user-interface thread: the bytes that arrived, in arrival order; and the errors
    // that happen without a call (the device vanished while open): each such error is
    // reported once and the port counts as closed afterwards.
    using ReceiveHandler = std::function<void(std::span<const std::uint8_t> bytes)>;
    using ErrorHandler = std::function<void(const std::string& text)>;
    void setReceiveHandler(ReceiveHandler handler) { receiveHandler_ = std::move(handler); }
    void setErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }

protected:
    void notifyReceive(std::span<const std::uint8_t> bytes) {
        if (receiveHandler_)
            receiveHandler_(bytes);
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
