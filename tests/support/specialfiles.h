// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files on which an open or a read waits, for tests of code that must refuse them at once:
// a named pipe (its open waits for a writer) and a pseudo-terminal (a read of its device waits
// for a line). POSIX systems only (posix/specialfiles.cpp).

#include <string>

namespace pelorin::test {

// Makes a named pipe at `path`; false when the system refuses.
bool makeNamedPipe(const std::string& path);

// A pseudo-terminal, its controlling end held here; nobody has its device open.
class WaitingTerminal {
public:
    WaitingTerminal();
    WaitingTerminal(const WaitingTerminal&) = delete;
    WaitingTerminal& operator=(const WaitingTerminal&) = delete;
    ~WaitingTerminal();

    [[nodiscard]] bool isOpen() const { return master_ >= 0; }
    // The device a program opens: /dev/pts/N.
    [[nodiscard]] const std::string& devicePath() const { return devicePath_; }
    // Closes the controlling end: a read of the device waits no more.
    void hangUp();

private:
    int master_ = -1;
    std::string devicePath_;
};

// Opens `path` for writing without waiting for a reader, and closes it when dropped: a
// reader waiting in the open of a named pipe goes on.
class NonBlockingWriter {
public:
    explicit NonBlockingWriter(const std::string& path);
    NonBlockingWriter(const NonBlockingWriter&) = delete;
    NonBlockingWriter& operator=(const NonBlockingWriter&) = delete;
    ~NonBlockingWriter();

private:
    int fd_ = -1;
};

}  // namespace pelorin::test
