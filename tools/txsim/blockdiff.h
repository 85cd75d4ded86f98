// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a new settings block changes, field by field, under the names and value texts
// pelorin-dump prints: "end point CH1 R: 100 -> 110", "model type: ACRO -> HELI-120".

#include <string>
#include <vector>

#include "link/settingsblock.h"

namespace pelorin::txsim {

// One line per field that differs, in the dump's order; the checksum slots are left out.
[[nodiscard]] std::vector<std::string> describeChanges(const BlockBytes& before,
                                                       const BlockBytes& after);

// One line summing up a block: model type, stick mode and CH1's end points and sub trim.
[[nodiscard]] std::string describeBlock(const BlockBytes& block);

}  // namespace pelorin::txsim
