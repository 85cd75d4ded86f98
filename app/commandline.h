// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop program's command line: --help, --version, --port and --models. It is read before the
// application object exists, so that help, the version and a refused command line need no
// display; Qt's own options for graphical programs (-platform, -style, ...) pass through to
// the application object.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "link/porttable.h"

namespace pelorin {

// Exit codes shared with pelorin-cli.
inline constexpr int kExitUsage = 2;
inline constexpr int kExitPort = 4;

struct StartOptions {
    // From --port: the COM number to start on instead of probing; 0: probe as usual.
    int portNumber = 0;
    // The port table that number was found in. The program numbers its ports by it until its
    // next probe round, so the number still names the device the user gave, and the ports are
    // not looked for twice.
    std::optional<PortTable> portTable;
    // From --models: the Models window opens at start, beside the main window.
    bool openModels = false;
    // 0 or more: the command line has been answered or refused, and the program ends with this
    // code after printing `output` (standard output) and `error` (standard error).
    int exitCode = -1;
    QString output;
    QString error;
    [[nodiscard]] bool startsWindow() const { return exitCode < 0; }
};

// `arguments` as the program got them, its name first. `portTable` numbers the ports (a
// fresh discovery); it is asked only when --port is given.
[[nodiscard]] StartOptions readStartOptions(const QStringList& arguments,
                                            const std::function<PortTable()>& portTable);

}  // namespace pelorin
