// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channels' names as the transmitter prints them, "CH1".."CH6", for every window.

#include <QString>

namespace pelorin {

// The name of channel `number` (1..6), through the translations (which keep it as it is).
[[nodiscard]] QString channelName(int number);

}  // namespace pelorin
