// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/configapp.h"

#include <memory>

#include "app/maindialog.h"
#include "platform/qtserialcontrol.h"
#include "resources/strings.h"

namespace pelorin {

ConfigApp::ConfigApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kProgramName));
    setApplicationVersion(QStringLiteral("1.0"));
    // The launcher entry the desktop matches the window to.
    setDesktopFileName(QStringLiteral("io.github.pelorin.Pelorin"));
}

int ConfigApp::run(int startPort) {
    MainDialog mainDialog(std::make_unique<QtSerialControl>());
    mainDialog.setStartPort(startPort);
    mainDialog.run();
    return 0;
}

}  // namespace pelorin
