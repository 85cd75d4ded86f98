// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/configapp.h"

#include <QTimer>

#include <memory>
#include <utility>

#include "app/maindialog.h"
#include "connection/portmemory.h"
#include "dialogkit/systemmenu.h"
#include "models/history.h"
#include "platform/serialport.h"
#include "platform/stopsignals.h"
#include "platform/translations.h"
#include "resources/strings.h"

namespace pelorin {

ConfigApp::ConfigApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromUtf8(kProgramName));
    // QSettings files the user's settings under this name: ~/.config/Pelorin/ on Linux,
    // HKEY_CURRENT_USER\Software\Pelorin on Windows.
    setOrganizationName(QStringLiteral("Pelorin"));
    setApplicationVersion(QStringLiteral("1.0"));
    // The launcher entry the desktop matches the window to.
    setDesktopFileName(QStringLiteral("io.github.pelorin.Pelorin"));
    // The windows speak the language of the user's locale (LANG, LC_MESSAGES, LANGUAGE) when
    // the program has a catalogue for it, and English otherwise.
    installTranslations(*this);
    // Ended by a signal, the program closes its port first, so that it can be opened again
    // at once.
    closePortsOnStopSignals();
}

int ConfigApp::run(int startPort, std::optional<PortTable> portTable, bool openModels,
                   PortDiscovery discover) {
    MainDialog mainDialog(makeSerialControl(), std::move(discover));
    if (portTable)
        mainDialog.session().usePortTable(std::move(*portTable));
    mainDialog.setStartPort(startPort);
    mainDialog.setPortMemory(settingsPortMemory());
    mainDialog.setPlacementMemory(settingsPlacementMemory());
    mainDialog.setHistoryFile(models::HistoryStore::defaultPath());
    if (openModels) {
        // Once the main window is up, so the Models window opens beside it.
        QTimer::singleShot(0, &mainDialog,
                           [&mainDialog] { mainDialog.systemCommand(kModelsCommand); });
    }
    mainDialog.run();
    return 0;
}

}  // namespace pelorin
