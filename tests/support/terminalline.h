// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program's end of a terminal, for tests of the other end (the virtual transmitter): opened
// as a serial program opens it, and the mode it was given.
// POSIX systems only (posix/terminalline.cpp).

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace pelorin::test {

// What a wait for bytes saw.
struct LineState {
    bool readable = false;
    bool hungUp = false;  // the other end closed
};

// The device `path` opened read-write and non-blocking, switched to raw mode; closed when
// dropped.
class TerminalLine {
public:
    explicit TerminalLine(const std::string& path);
    TerminalLine(const TerminalLine&) = delete;
    TerminalLine& operator=(const TerminalLine&) = delete;
    ~TerminalLine();

    [[nodiscard]] bool isOpen() const { return fd_ >= 0; }
    // How many bytes the terminal took; -1 when it failed.
    long write(std::span<const std::uint8_t> bytes);
    // Waits at most `timeout` for bytes or a hang-up.
    [[nodiscard]] LineState waitForBytes(std::chrono::milliseconds timeout) const;
    // What has arrived, up to `buffer`'s size; 0 or less when nothing could be read.
    long read(std::span<std::uint8_t> buffer);

private:
    int fd_ = -1;
};

// The mode of the terminal `path`, read without changing it; none when it cannot be opened.
struct TerminalMode {
    bool echo = false;              // typed bytes come back
    bool lineEditing = false;       // bytes wait for a whole line (canonical mode)
    bool keySignals = false;        // Ctrl+C and the like become signals
    bool outputProcessing = false;  // written bytes are changed (newline to CR LF, ...)
};
[[nodiscard]] std::optional<TerminalMode> terminalMode(const std::string& path);

}  // namespace pelorin::test
