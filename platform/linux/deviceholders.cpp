// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/deviceholders.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace pelorin {

namespace {

namespace fs = std::filesystem;

// The kernel keeps at most this many characters of a program's name in "comm".
constexpr std::size_t kCommLength = 15;

// A folder of /proc named by a process id: digits only, above 0.
std::optional<int> parsePid(const std::string& text) {
    int pid = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, pid);
    return error == std::errc() && last == end && pid > 0 ? std::optional(pid) : std::nullopt;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// "comm" holds the name cut to 15 characters; when it may have been cut, the file name of the
// command line's first word tells the whole name (if it begins the same way).
std::string processName(const fs::path& processDir) {
    std::string comm = readFile(processDir / "comm");
    while (!comm.empty() && (comm.back() == '\n' || comm.back() == '\0'))
        comm.pop_back();
    if (!comm.empty() && comm.size() < kCommLength)
        return comm;

    const std::string cmdline = readFile(processDir / "cmdline");
    const std::string program = fs::path(cmdline.substr(0, cmdline.find('\0'))).filename();
    if (comm.empty() || (program.size() > comm.size() && program.starts_with(comm)))
        return program;
    return comm;
}

// An error that means the process ended while it was looked at, which is no gap in the scan.
bool processGone(const std::error_code& error) {
    return error == std::errc::no_such_file_or_directory || error == std::errc::no_such_process;
}

}  // namespace

DeviceHolderScan findDeviceHolders(const std::string& canonicalPath, const std::string& procRoot) {
    DeviceHolderScan scan;
    if (canonicalPath.empty())
        return scan;

    std::error_code error;
    fs::directory_iterator processes(procRoot, error);
    const fs::directory_iterator end;
    while (!error && processes != end) {
        if (const std::optional<int> pid = parsePid(processes->path().filename().string())) {
            std::error_code fdError;
            fs::directory_iterator fds(processes->path() / "fd", fdError);
            bool holds = false;
            while (!fdError && !holds && fds != end) {
                std::error_code linkError;
                // A file closed in the meantime has no link any more; that is no gap either.
                holds = fs::read_symlink(fds->path(), linkError) == canonicalPath && !linkError;
                fds.increment(fdError);
            }
            if (holds)
                scan.holders.push_back({*pid, processName(processes->path())});
            else if (fdError && !processGone(fdError))
                scan.complete = false;
        }
        processes.increment(error);
    }
    if (error)
        scan.complete = false;
    std::sort(scan.holders.begin(), scan.holders.end(),
              [](const DeviceHolder& a, const DeviceHolder& b) { return a.pid < b.pid; });
    return scan;
}

}  // namespace pelorin
