// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt platform for a program that draws without showing a window (pelorin-dump --sheet).

namespace pelorin {

// Unless QT_QPA_PLATFORM chooses one: on Linux the offscreen platform, which needs no display
// and has the system's fonts; on Windows the system's own, as its offscreen platform has no
// fonts to draw text with.
void chooseHeadlessGuiPlatform();

}  // namespace pelorin
