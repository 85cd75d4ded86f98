// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application: it runs the main window modally, and when that run ends the program ends.
// There is no command line, no configuration and no state of its own.

#include <QApplication>

namespace pelorin {

class ConfigApp : public QApplication {
    Q_OBJECT

public:
    ConfigApp(int& argc, char** argv);

    // Builds the main window over the real serial control, runs it until it closes and
    // destroys it. The result is the process's exit code; the window's own result is unused.
    int run();
};

}  // namespace pelorin
