// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/processclock.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace pelorin {

std::optional<double> processorSecondsOf(long processId) {
    if (processId <= 0)
        return std::nullopt;
    std::ifstream stat("/proc/" + std::to_string(processId) + "/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)), {});
    // The fields after the command name (which may hold spaces) start after its last ')'.
    const std::size_t paren = text.rfind(')');
    if (paren == std::string::npos)
        return std::nullopt;
    std::istringstream rest(text.substr(paren + 2));
    const std::vector<std::string> fields{std::istream_iterator<std::string>(rest), {}};
    if (fields.size() < 13)
        return std::nullopt;
    // After the name: the state is field 0, utime 11 and stime 12, in clock ticks.
    const double ticks = std::stod(fields[11]) + std::stod(fields[12]);
    return ticks / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

}  // namespace pelorin
