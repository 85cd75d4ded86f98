// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The advice every system gives alike; what a refused open means is each system's own
// (platform/<os>/portadvice.cpp).
#include "platform/portadvice.h"

#include <QCoreApplication>
#include <QStringList>

namespace pelorin {

namespace {

// The texts of the advice, under one translation context (lupdate files them there too).
struct PortAdviceTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::PortAdviceTexts)
};

PortChooser g_chooser = PortChooser::SettingButton;

QString holderLabel(const DeviceHolder& holder) {
    const QString name = QString::fromLocal8Bit(holder.name);
    return name.isEmpty() ? PortAdviceTexts::tr("process %1").arg(holder.pid)
                          : PortAdviceTexts::tr("%1 (pid %2)").arg(name).arg(holder.pid);
}

}  // namespace

void setPortChooser(PortChooser chooser) {
    g_chooser = chooser;
}

QString howToChooseAnotherPort() {
    return g_chooser == PortChooser::CommandLine
               ? PortAdviceTexts::tr("name its port with --port (pelorin-cli ports lists them)")
               : PortAdviceTexts::tr("choose its port with the Setting button");
}

QString holderList(const std::vector<DeviceHolder>& holders) {
    QStringList labels;
    for (const DeviceHolder& holder : holders)
        labels << holderLabel(holder);
    if (labels.size() < 2)
        return labels.join(QString());
    const QString last = labels.takeLast();
    return PortAdviceTexts::tr("%1 and %2").arg(labels.join(QStringLiteral(", ")), last);
}

QString connectionLostText(const QString& portLabel, const QString& reason) {
    const QString lost =
        PortAdviceTexts::tr("%1: the connection was lost (%2).").arg(portLabel, reason);
    if (g_chooser == PortChooser::CommandLine)
        return lost;
    return lost + u' ' +
           PortAdviceTexts::tr(
               "Pelorin opens the port again by itself as soon as the device is "
               "back; the Setting button chooses another one.");
}

}  // namespace pelorin
