// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/guiplatform.h"

namespace pelorin {

// The windows platform draws into an image or a PDF without showing anything, with the
// system's fonts.
void chooseHeadlessGuiPlatform() {}

void tuneWindowingPlatform() {}

}  // namespace pelorin
