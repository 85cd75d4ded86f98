// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a new settings block changes, field by field, in words a reader of the log knows:
// "endPointRight CH1: 100 -> 110".

#include <string>
#include <vector>

#include "link/settingsblock.h"

namespace pelorin::txsim {

[[nodiscard]] std::vector<std::string> describeChanges(const BlockBytes& before,
                                                       const BlockBytes& after);

// One line summing up a block: model type, stick mode and a few values.
[[nodiscard]] std::string describeBlock(const BlockBytes& block);

}  // namespace pelorin::txsim
