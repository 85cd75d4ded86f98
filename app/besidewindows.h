// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows beside the main window that its window menu opens: Models, Monitor and History.
// Each is made on first use and then kept (hidden when closed), placed beside the main window
// the first time, or where the user left it in an earlier run when a placement memory is set.

#include <functional>

#include "app/blocksend.h"
#include "app/windowplacement.h"

class QWidget;

namespace pelorin {

class HistoryRecorder;
class ModelsWindow;
class MonitorWindow;
class TransmitterConnection;

class BesideWindows {
public:
    using Sender = std::function<void(const BlockSend&)>;
    // The windows are children of `main`, follow `connection`, and send whole blocks through
    // `send` (the main window's one way to send them).
    BesideWindows(QWidget* main, TransmitterConnection& connection, Sender send);

    void setPlacementMemory(PlacementMemory memory) { placementMemory_ = std::move(memory); }

    // The library; the model windows it opens record their edits in `history`, if any.
    void showModels(HistoryRecorder* history);
    void showMonitor();
    // The window of `history`; nothing without one.
    void showHistory(HistoryRecorder* history);

private:
    QWidget* main_;
    TransmitterConnection& connection_;
    Sender send_;
    PlacementMemory placementMemory_;
    ModelsWindow* models_ = nullptr;
    MonitorWindow* monitor_ = nullptr;
};

}  // namespace pelorin
