// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial device the transmitter last answered on, kept between runs so that start-up
// tries it before probing any other device.

#include <QString>

#include <functional>
#include <string>

namespace pelorin {

struct PortMemory {
    std::function<std::string()> recall;               // empty text: nothing kept
    std::function<void(const std::string&)> remember;  // a device path
};

// The memory in the user's settings (QSettings under the application's organisation and name),
// written only when the device changes.
[[nodiscard]] PortMemory settingsPortMemory();
// The same memory of another program, by its organisation and name: the window's, for
// pelorin-cli.
[[nodiscard]] PortMemory settingsPortMemory(const QString& organisation,
                                            const QString& application);

}  // namespace pelorin
