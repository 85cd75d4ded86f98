// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user reads when a serial port does not open or goes away: which port, why, and
// what to do about it (join the dialout group, stop ModemManager, remove brltty, close the
// program that holds the port). The window and the command-line program show the same texts;
// only the way to choose another port differs between them.

#include <QString>

#include "platform/deviceholders.h"

namespace pelorin {

// Why a port did not open, as far as it matters to the user.
enum class OpenFailure {
    NoDevice,          // the number has no device on this machine
    NotFound,          // the device (or a link's target) does not exist
    PermissionDenied,  // the user may not use the device
    Busy,              // another program holds it
    Other,
};

// How this program lets the user choose a port; the advice names it. Set once at start-up.
enum class PortChooser {
    SettingButton,  // the window's Setting button (the default)
    CommandLine,    // the --port option
};
void setPortChooser(PortChooser chooser);
// The advice's last step, in the chooser's words: "choose its port with the Setting button".
[[nodiscard]] QString howToChooseAnotherPort();

// The text shown when COM<n> does not open: the COM name, the device (and the device a link
// leads to), the system's reason, and what the user can do about it. For a busy or refused
// port, `holders` names the programs that have the device open, with advice for the known
// ones (ModemManager, brltty).
[[nodiscard]] QString openErrorText(const QString& comName, const QString& device,
                                    const QString& resolvedDevice, OpenFailure failure,
                                    const QString& reason, const DeviceHolderScan& holders = {});

// The text shown when an open port goes away; `portLabel` names the port and its device.
[[nodiscard]] QString connectionLostText(const QString& portLabel, const QString& reason);

// A device path of this system for examples in help texts: "/dev/ttyUSB0" on Linux,
// "\\.\COM3" on Windows.
[[nodiscard]] QString exampleDevicePath();
// Whether a port the user wrote names a device by its path (rather than by a COM number or a
// bare name): it holds this system's folder separator.
[[nodiscard]] bool looksLikeDevicePath(const QString& text);

// "ModemManager (pid 812)", "A and B", "A, B and C": the programs that hold a port.
[[nodiscard]] QString holderList(const std::vector<DeviceHolder>& holders);

}  // namespace pelorin
