// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <future>
#include <memory>
#include <vector>

#include "app/commandline.h"
#include "app/configapp.h"
#include "platform/guiplatform.h"
#include "platform/portdiscovery.h"

int main(int argc, char** argv) {
    // Listing the system's serial ports (udev on Linux) is the slowest step before the first
    // open; it runs while the application connects to the display and builds the window, and
    // the first probe round takes its list. Later rounds list the ports afresh.
    const auto systemPorts = std::make_shared<std::future<std::vector<pelorin::SerialDevice>>>(
        std::async(std::launch::async, &pelorin::discoverSystemPorts));
    const auto discover = [systemPorts] {
        if (systemPorts->valid())
            return pelorin::portTableOf(systemPorts->get());
        return pelorin::discoverPortTable();
    };

    // The command line is read before the application object connects to the display, so
    // --help, --version and a refused option work on a text console too.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const pelorin::StartOptions start = pelorin::readStartOptions(arguments, discover);
    if (!start.startsWindow()) {
        std::fputs(start.output.toLocal8Bit().constData(), stdout);
        std::fputs(start.error.toLocal8Bit().constData(), stderr);
        return start.exitCode;
    }

    pelorin::tuneWindowingPlatform();
    pelorin::ConfigApp app(argc, argv);
    // The windows are laid out for Fusion, which Qt has on every system: the Windows style's
    // wider button margins cut captions such as "Swash Afr". -style still chooses another.
    const bool styleChosen =
        !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE") ||
        std::any_of(arguments.cbegin(), arguments.cend(),
                    [](const QString& argument) { return argument.startsWith(u"-style"); });
    if (!styleChosen)
        QApplication::setStyle(QStringLiteral("Fusion"));
    return app.run(start.portNumber, start.portTable, start.openModels, discover);
}
