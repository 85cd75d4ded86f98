// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transmitter's end of a pseudo-terminal, for the virtual transmitter: a serial device
// that a program opens like any other, in raw mode so that no byte is changed or echoed, and
// a wake-up that ends a wait from another thread. POSIX systems only
// (platform/posix/pseudoterminal.cpp).

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace pelorin {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    PseudoTerminal(PseudoTerminal&& other) noexcept;
    PseudoTerminal& operator=(PseudoTerminal&& other) noexcept;
    ~PseudoTerminal();

    // A new terminal. Opening and closing its device once puts it into the state in which
    // peerPresent() tells that nobody has it open. False, with `error` set, when it fails.
    bool make(std::string& error);
    void close();
    [[nodiscard]] bool isOpen() const { return master_ >= 0; }
    // The device a program opens: /dev/pts/N.
    [[nodiscard]] const std::string& devicePath() const { return devicePath_; }

    // What a wait watches: the terminal's handle, taken while its owner holds the lock that
    // guards it, so that the wait itself needs none (the owner ignores a wait's outcome for a
    // terminal closed meanwhile: its handle then differs). -1: none.
    using Handle = int;
    [[nodiscard]] Handle handle() const { return master_; }

    // A program has the device open (the terminal reports no hang-up).
    [[nodiscard]] bool peerPresent() const;
    // The device was left exclusive: the kernel keeps the flag while this end is open, also
    // after the program that set it was killed, and then refuses everyone but root.
    [[nodiscard]] bool leftExclusive() const;

    // What has arrived, up to `buffer`'s size, without waiting; 0 when nothing is there (or
    // the program hung up, which the next wait reports).
    [[nodiscard]] std::size_t read(std::span<std::uint8_t> buffer);
    enum class WriteResult { Written, Blocked, Failed };
    // Hands over what the terminal takes now; `written` says how much. Failed: the program
    // closed the line.
    WriteResult write(std::span<const std::uint8_t> bytes, std::size_t& written);

private:
    int master_ = -1;
    std::string devicePath_;
};

// Ends a wait of another thread early (safe from any thread and from a signal handler).
class WakeUp {
public:
    WakeUp();
    WakeUp(const WakeUp&) = delete;
    WakeUp& operator=(const WakeUp&) = delete;
    ~WakeUp();
    [[nodiscard]] bool usable() const { return read_ >= 0; }
    void wake() noexcept;

private:
    friend struct TerminalWait;
    int read_ = -1;
    int write_ = -1;
};

// Waits at most `timeout` until the terminal (unless -1) has bytes, has room for more when
// `wantRoom`, or hung up or failed, or until `wakeUp` was woken.
struct TerminalWait {
    bool readable = false;
    bool room = false;
    bool hungUp = false;
    static TerminalWait wait(PseudoTerminal::Handle terminal, bool wantRoom, WakeUp& wakeUp,
                             std::chrono::nanoseconds timeout);
};

// The process with this id runs (or exists); and this process's id.
[[nodiscard]] bool processExists(long processId);
[[nodiscard]] long currentProcessId();

}  // namespace pelorin
