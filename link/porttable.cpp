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

// Takes the run of digits at the front of `text` off it; its value's digits, without leading
// zeros ("007" -> "7").
std::string_view takeNumber(std::string_view& text) {
    std::size_t end = 0;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    std::string_view run = text.substr(0, end);
    text.remove_prefix(end);
    run.remove_prefix(std::min(run.find_first_not_of('0'), run.size()));
    return run;
}

// Negative, zero or positive as a comes before, with or after b, runs of digits taken as
// numbers and other characters as unsigned bytes.
int naturalCompare(std::string_view a, std::string_view b) {
    while (!a.empty() && !b.empty()) {
        int c = 0;
        if (isDigit(a[0]) && isDigit(b[0])) {
            const std::string_view na = takeNumber(a);
            const std::string_view nb = takeNumber(b);
            // Without leading zeros, the longer number is the larger one.
            c = na.size() != nb.size() ? (na.size() < nb.size() ? -1 : 1) : na.compare(nb);
        } else {
            c = a.substr(0, 1).compare(b.substr(0, 1));
            a.remove_prefix(1);
            b.remove_prefix(1);
        }
        if (c != 0)
            return c;
    }
    return static_cast<int>(!a.empty()) - static_cast<int>(!b.empty());
}

std::string_view baseName(std::string_view path) {
    return path.substr(path.rfind('/') + 1);  // npos + 1 is 0: the whole path
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
    const int c = naturalCompare(a, b);
    // "tty01" and "tty1" are the same number; keep the order strict and stable anyway.
    return c != 0 ? c < 0 : a < b;
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
