// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/settingsblock.h"

namespace pelorin {

ModelSettings startingSettings() {
    ModelSettings s;
    s.endPointLeft.fill(100);
    s.endPointRight.fill(100);
    return s;
}

BlockBytes startingBlock() {
    BlockBytes b{};
    packSettings(startingSettings(), b);
    return b;
}

}  // namespace pelorin
