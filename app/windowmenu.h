// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's context menu, entry by entry. The window builds its menu from this table
// and the Help picture draws the menu from it, so the picture always shows every entry.

#include <Qt>
#include <QtGlobal>

#include <array>

#include "dialogkit/systemmenu.h"

namespace pelorin {
class HistoryRecorder;
}

namespace pelorin::windowmenu {

struct Entry {
    unsigned command;     // 0: a separator
    const char* context;  // the translation context of `text`
    const char* text;     // the entry's text before translation; nullptr: the program's name
    int shortcut;         // a QKeySequence's key combination, 0 for none
};

// The About entry carries the program's name (string 101), as a window menu's About item does.
inline constexpr std::array kEntries{
    Entry{kUndoCommand, "pelorin::MainDialog", QT_TRANSLATE_NOOP("pelorin::MainDialog", "Undo"),
          (Qt::CTRL | Qt::Key_Z).toCombined()},
    Entry{kRedoCommand, "pelorin::MainDialog", QT_TRANSLATE_NOOP("pelorin::MainDialog", "Redo"),
          (Qt::CTRL | Qt::SHIFT | Qt::Key_Z).toCombined()},
    Entry{0, nullptr, nullptr, 0},
    Entry{kPrintSheetCommand, "pelorin::MainDialog",
          QT_TRANSLATE_NOOP("pelorin::MainDialog", "Print setup sheet…"),
          (Qt::CTRL | Qt::Key_P).toCombined()},
    Entry{kSheetPdfCommand, "pelorin::MainDialog",
          QT_TRANSLATE_NOOP("pelorin::MainDialog", "Save setup sheet as PDF…"), 0},
    Entry{0, nullptr, nullptr, 0},
    Entry{kModelsCommand, "pelorin::MainDialog",
          QT_TRANSLATE_NOOP("pelorin::MainDialog", "Models…"), (Qt::CTRL | Qt::Key_L).toCombined()},
    Entry{kMonitorCommand, "pelorin::MainDialog",
          QT_TRANSLATE_NOOP("pelorin::MainDialog", "Monitor…"),
          (Qt::CTRL | Qt::Key_M).toCombined()},
    Entry{kHistoryCommand, "pelorin::MainDialog",
          QT_TRANSLATE_NOOP("pelorin::MainDialog", "History…"),
          (Qt::CTRL | Qt::Key_H).toCombined()},
    Entry{0, nullptr, nullptr, 0},
    Entry{kMemoryCommand, "pelorin::MainDialog",
          QT_TRANSLATE_NOOP("pelorin::MainDialog", "Transmitter memory…"), 0},
    Entry{kCloseCommand, "pelorin::SystemMenu", "Close", 0},
    Entry{0, nullptr, nullptr, 0},
    Entry{kAboutCommand, nullptr, nullptr, 0},
};

// The entries the window puts above the menu's own "Close".
inline constexpr std::size_t kEntriesBeforeClose = 11;

// Puts those entries into `menu`, with their shortcuts and tooltips.
void addEntriesBeforeClose(SystemMenu& menu);
// Undo's and Redo's texts name the entry they would take back or make again now.
void describeSteps(SystemMenu& menu, HistoryRecorder& history);
// The About entry at the end, named after the program; none when the name is empty.
void addAboutEntry(SystemMenu& menu);

}  // namespace pelorin::windowmenu
