// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStringList>

#include <cstdio>

#include "app/commandline.h"
#include "app/configapp.h"
#include "platform/portdiscovery.h"

int main(int argc, char** argv) {
    // The command line is read before the application object connects to the display, so
    // --help, --version and a refused option work on a text console too.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const pelorin::StartOptions start =
        pelorin::readStartOptions(arguments, [] { return pelorin::discoverPortTable(); });
    if (!start.startsWindow()) {
        std::fputs(start.output.toLocal8Bit().constData(), stdout);
        std::fputs(start.error.toLocal8Bit().constData(), stderr);
        return start.exitCode;
    }

    pelorin::ConfigApp app(argc, argv);
    return app.run(start.portNumber, start.portTable);
}
