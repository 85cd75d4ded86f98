// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/besidewindows.h"

#include <QWidget>

#include "app/historyrecorder.h"
#include "app/modelswindow.h"
#include "app/monitorwindow.h"
#include "connection/transmitterconnection.h"
#include "models/modellibrary.h"

namespace pelorin {

namespace {

void bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

BesideWindows::BesideWindows(QWidget* main, TransmitterConnection& connection, Sender send)
    : main_(main), connection_(connection), send_(std::move(send)) {}

void BesideWindows::showModels(HistoryRecorder* history) {
    if (models_ == nullptr) {
        models_ = new ModelsWindow(connection_.session(), send_,
                                   models::ModelLibrary::defaultFolder(), main_);
        QObject::connect(&connection_, &TransmitterConnection::blockChanged, models_,
                         &ModelsWindow::transmitterChanged);
        placeBeside(models_, main_, QStringLiteral("models"), placementMemory_);
    }
    models_->setHistory(history);
    bringUp(models_);
}

void BesideWindows::showMonitor() {
    if (monitor_ == nullptr) {
        monitor_ = new MonitorWindow(connection_, main_);
        placeBeside(monitor_, main_, QStringLiteral("monitor"), placementMemory_);
    }
    bringUp(monitor_);
}

void BesideWindows::showHistory(HistoryRecorder* history) {
    if (history == nullptr)
        return;
    history->showWindow(connection_.session(), models::ModelLibrary::defaultFolder(),
                        [this](QWidget* made) {
                            placeBeside(made, main_, QStringLiteral("history"), placementMemory_);
                        });
}

}  // namespace pelorin
