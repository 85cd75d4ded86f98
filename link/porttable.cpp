// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/porttable.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace pelorin {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits of a run without its leading zeros ("007" -> "7", "000" -> "").
std::string_view significant(std::string_view run) {
    const std::size_t first = run.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : run.substr(first);
}

// Negative, zero or positive as a comes before, with or after b, digit runs taken as numbers.
int naturalCompare(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t iEnd = i;
            while (iEnd < a.size() && isDigit(a[iEnd]))
                ++iEnd;
            std::size_t jEnd = j;
            while (jEnd < b.size() && isDigit(b[jEnd]))
                ++jEnd;
            const std::string_view na = significant(a.substr(i, iEnd - i));
            const std::string_view nb = significant(b.substr(j, jEnd - j));
            // Without leading zeros, the longer number is the larger one.
            if (na.size() != nb.size())
                return na.size() < nb.size() ? -1 : 1;
            if (const int c = na.compare(nb); c != 0)
                return c;
            i = iEnd;
            j = jEnd;
            continue;
        }
        if (a[i] != b[j]) {
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
        }
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

std::string_view baseName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool deviceLess(const SerialDevice& a, const SerialDevice& b) {
    if (const int c = naturalCompare(baseName(a.path), baseName(b.path)); c != 0)
        return c < 0;
    return naturalLess(a.path, b.path);
}

}  // namespace

PortName portName(const PortTable& table, int number) {
    if (number < 1 || number > kPortCount)
        return {{}, "COM" + std::to_string(number)};
    const auto i = static_cast<std::size_t>(number - 1);
    return {table.portDeviceNames[i], table.portDisplayNames[i]};
}

bool naturalLess(const std::string& a, const std::string& b) {
    if (const int c = naturalCompare(a, b); c != 0)
        return c < 0;
    // "tty01" and "tty1" are the same number; keep the order strict and stable anyway.
    return a < b;
}

PortTable buildPortTable(const std::vector<SerialDevice>& virtualPorts,
                         const std::vector<SerialDevice>& systemPorts) {
    std::vector<SerialDevice> ordered = virtualPorts;
    std::sort(ordered.begin(), ordered.end(), deviceLess);

    std::vector<SerialDevice> system;
    for (const SerialDevice& device : systemPorts) {
        auto samePath = [&](const SerialDevice& d) { return d.path == device.path; };
        // A device the system lists twice, or that is also a virtual port, gets one number.
        if (std::none_of(ordered.begin(), ordered.end(), samePath) &&
            std::none_of(system.begin(), system.end(), samePath)) {
            system.push_back(device);
        }
    }
    std::stable_sort(system.begin(), system.end(),
                     [](const SerialDevice& a, const SerialDevice& b) {
                         if (a.rank != b.rank)
                             return a.rank < b.rank;
                         return deviceLess(a, b);
                     });
    ordered.insert(ordered.end(), system.begin(), system.end());

    PortTable table;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kPortCount); ++i) {
        table.portDisplayNames[i] = "COM" + std::to_string(i + 1);
        // A number without a device keeps an empty device name: it opens nothing.
        if (i < ordered.size()) {
            table.portDeviceNames[i] = ordered[i].path;
            table.descriptions[i] = ordered[i].description;
        }
    }
    return table;
}

}  // namespace pelorin
