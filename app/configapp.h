// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application: it runs the main window modally, and when that run ends the program ends.
// The command line (app/commandline.h) is read before it exists; there is no configuration and
// no state of its own.

#include <QApplication>

#include <optional>

#include "link/porttable.h"
#include "link/session.h"
#include "platform/portdiscovery.h"

namespace pelorin {

class ConfigApp : public QApplication {
    Q_OBJECT

public:
    ConfigApp(int& argc, char** argv);

    // Builds the main window over the real serial control, runs it until it closes and
    // destroys it. The result is the process's exit code; the window's own result is unused.
    // A `startPort` (COM number) is opened at start instead of probing for one; `portTable`,
    // when given, is the table it was found in (see StartOptions). `discover` numbers the
    // ports at every probe round (by default the virtual transmitters and the system's ports).
    int run(int startPort = 0, std::optional<PortTable> portTable = std::nullopt,
            bool openModels = false, PortDiscovery discover = &discoverPortTable);
};

}  // namespace pelorin
