// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowmenu.h"

#include <QCoreApplication>
#include <QKeySequence>

#include "resources/strings.h"

namespace pelorin::windowmenu {

// The entries' texts are the main window's.
void addEntriesBeforeClose(SystemMenu& menu) {
    for (std::size_t i = 0; i < kEntriesBeforeClose; ++i) {
        const Entry& entry = kEntries[i];
        const int position = static_cast<int>(i);
        if (entry.command == 0) {
            menu.insertSeparator(position);
        } else {
            menu.insertItem(position, entry.command,
                            QCoreApplication::translate(entry.context, entry.text),
                            QKeySequence(entry.shortcut));
        }
    }
    menu.setItemToolTip(kMemoryCommand,
                        QCoreApplication::translate(
                            "pelorin::MainDialog",
                            "Choose USER1 or USER2: the transmitter switches to that memory and "
                            "sends its settings, which the window then shows and edits."));
}

void addAboutEntry(SystemMenu& menu) {
    const QString programName = QString::fromUtf8(kProgramName);
    if (programName.isEmpty())
        return;
    menu.appendSeparator();
    menu.appendItem(kAboutCommand, programName);
    menu.setItemToolTip(
        kAboutCommand,
        QCoreApplication::translate("pelorin::MainDialog", "About %1: its version and licence")
            .arg(programName));
}

}  // namespace pelorin::windowmenu
