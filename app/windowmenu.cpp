// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowmenu.h"

#include <QCoreApplication>
#include <QKeySequence>

#include "app/historyrecorder.h"
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
    const auto tip = [](const char* text) {
        return QCoreApplication::translate("pelorin::MainDialog", text);
    };
    menu.setItemToolTip(
        kUndoCommand, tip(QT_TRANSLATE_NOOP("pelorin::MainDialog",
                                            "Sends back what the transmitter held before the last "
                                            "write to it, after showing what changes.")));
    menu.setItemToolTip(kRedoCommand,
                        tip(QT_TRANSLATE_NOOP("pelorin::MainDialog",
                                              "Sends the write that Undo took back again, after "
                                              "showing what changes.")));
    menu.setItemToolTip(kPrintSheetCommand,
                        tip(QT_TRANSLATE_NOOP("pelorin::MainDialog",
                                              "A one-page setup sheet of the transmitter's "
                                              "settings, for the flight box.")));
    menu.setItemToolTip(kSheetPdfCommand,
                        tip(QT_TRANSLATE_NOOP("pelorin::MainDialog",
                                              "Saves the setup sheet of the transmitter's "
                                              "settings as a PDF file.")));
    menu.setItemToolTip(kMemoryCommand,
                        QCoreApplication::translate(
                            "pelorin::MainDialog",
                            "Choose USER1 or USER2: the transmitter switches to that memory and "
                            "sends its settings, which the window then shows and edits."));
}

void describeSteps(SystemMenu& menu, HistoryRecorder& history) {
    menu.setItemText(kUndoCommand, history.stepText(false));
    menu.setItemText(kRedoCommand, history.stepText(true));
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
