// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a user may write after --port: a port number ("3", "COM3", "com3"), a device path
// ("/dev/ttyUSB0", "/dev/serial/by-id/usb-...", a virtual transmitter's link or the terminal it
// leads to), or a bare name ("txsim-4711" from the virtual-port folder, "ttyUSB0"). Each is
// turned into the COM number it has in a port table, so the rest of the program deals in
// numbers only.

#include <QString>

#include "link/porttable.h"

namespace pelorin {

struct PortChoice {
    int portNumber = 0;  // 1..22 when resolved
    QString error;       // otherwise: what was wrong with the text, ready for the user
    [[nodiscard]] bool ok() const { return error.isEmpty() && portNumber > 0; }
};

// Resolves `text` against `table`, which should be freshly built (discoverPortTable) so that an
// adapter plugged in a moment ago is found. A number must name a port that has a device; a path
// or name must lead to a device of the table (links resolved on both sides).
[[nodiscard]] PortChoice resolvePortSpec(const QString& text, const PortTable& table);

}  // namespace pelorin
