// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A named pipe, on whose open a reader waits, for tests of code that must refuse it at once,
// and a terminal held exclusively as another program holds it (a terminal comes from
// platform/pseudoterminal.h). POSIX systems only (posix/specialfiles.cpp).

#include <string>

namespace pelorin::test {

// Makes a named pipe at `path`; false when the system refuses.
bool makeNamedPipe(const std::string& path);

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

// Opens the terminal `device` and makes it exclusive (TIOCEXCL) for as long as this process
// lives: everyone else but root is refused it. False when the system refuses. It does not
// allocate, so a child QProcess made may call it before its program starts.
bool holdTerminalExclusively(const char* device) noexcept;

}  // namespace pelorin::test
