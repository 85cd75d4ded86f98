// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The measured programs' processor time and memory, from /proc.
#include "bench/desktop/benchsystem.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace pelorin::bench {

// Nanoseconds on a CPU of every thread of the process (the scheduler's own count, finer than
// the clock ticks of /proc/PID/stat).
double cpuSeconds(ProcessId process) {
    double total = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(process) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        double ns = 0;
        if (stat >> ns)
            total += ns / 1e9;
    }
    return total;
}

double rssMiB(ProcessId process) {
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

}  // namespace pelorin::bench
