// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which processes hold a device open, found the way fuser does it: every process's open files
// are links in /proc/<pid>/fd. Only the processes whose fd folder the user may read can be
// checked (all of them as root, one's own as a user), so the result says whether the scan saw
// every process. Standard C++ and POSIX only.

#include <string>
#include <vector>

namespace pelorin {

struct DeviceHolder {
    int pid = 0;
    std::string name;  // the program's name, e.g. "ModemManager"; empty when unknown
    friend bool operator==(const DeviceHolder&, const DeviceHolder&) = default;
};

struct DeviceHolderScan {
    std::vector<DeviceHolder> holders;  // by pid, each process once
    bool complete = true;               // false: some process's open files could not be read
};

// The processes with an open file whose link target is `canonicalPath` (links resolved, as
// "/dev/ttyUSB0" or "/dev/pts/3"). `procRoot` is where the process folders are.
[[nodiscard]] DeviceHolderScan findDeviceHolders(const std::string& canonicalPath,
                                                 const std::string& procRoot = "/proc");

}  // namespace pelorin
