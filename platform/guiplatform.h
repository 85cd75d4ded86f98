// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt platform, chosen and tuned before the application object is made.

namespace pelorin {

// Unless QT_QPA_PLATFORM chooses one: on Linux the offscreen platform, which needs no display
// and has the system's fonts; on Windows the system's own, as its offscreen platform has no
// fonts to draw text with.
void chooseHeadlessGuiPlatform();

// For the programs that show windows. On X11 the windows reach the display without shared
// memory (unless QT_XCB_NO_MITSHM says otherwise): the live bars repaint a few small rectangles
// 50 times a second, and a shared-memory image then costs a second wake-up for the server's
// completion event, about half the processor time the streaming window takes. Nothing on
// Windows.
void tuneWindowingPlatform();

}  // namespace pelorin
