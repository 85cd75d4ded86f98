// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Blocks the tests of several programs read: pelorin-dump's field listing and the setup sheet.

#include "link/settingsblock.h"

namespace pelorin::test {

// A helicopter set-up that uses a named value of every kind: HELI-120 in mode 2, two
// reversed channels, curves with negative points, mixes from a channel and from both knobs.
inline constexpr BlockBytes kHeliSampleBlock{
    0x11,                              // HELI-120, MODEL2
    0x12,                              // CH2 and CH5 reversed
    100,  70,   100,  70,   90,  60,   // dual rates CH1, CH2, CH4: ON, OFF
    50,   0xCE, 60,                    // swash AFR CH1, CH2, CH6
    100,  100,  95,   105,  120, 0,    // end points CH1..CH3: L, R
    100,  100,  110,  90,   100, 100,  // end points CH4..CH6
    0,    100,  25,   90,   50,  80,   // throttle curve, NOR/ID alternating
    75,   70,   100,  60,              //
    0xEC, 0x9C, 0,    0xCE, 40,  0,    // pitch curve
    70,   50,   100,  100,             //
    0,    0xFB, 5,    0x88, 120, 0,    // sub trim CH1..CH6
    0x52, 0x32, 0xCE, 0x02,            // MIX 1: CH6 -> CH3, 50 / -50, ON
    0x60, 100,  0x9C, 0x00,            // MIX 2: VR A -> CH1, 100 / -100, SW A
    0x75, 0,    0,    0x03,            // MIX 3: VR B -> CH6, 0 / 0, OFF
    2,    3,    1,    0,               // switch A ThroCut, B NOR/ID, VR A Pith Adjust
    0,    0,                           // checksum slots
};

}  // namespace pelorin::test
