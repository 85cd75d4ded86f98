// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two set-ups whose every value differs from the starting block somewhere, for the setup sheet
// tests: an aeroplane and a helicopter, with reversed channels, sub trims, mixes and (for the
// helicopter) curves with negative points.

#include <string>
#include <utility>
#include <vector>

#include "link/blockfields.h"
#include "link/settingsblock.h"

namespace pelorin::test {

inline BlockBytes blockWith(const std::vector<std::pair<std::string, int>>& values) {
    BlockBytes block = startingBlock();
    for (const auto& [name, value] : values)
        setFieldValue(*findBlockField(name), block, value);
    return block;
}

inline BlockBytes acroSheetBlock() {
    return blockWith({{"stick mode", 1},         {"reverse CH1", 1},
                      {"reverse CH4", 1},        {"end point CH2 L", 85},
                      {"end point CH3 R", 115},  {"sub trim CH1", -7},
                      {"sub trim CH6", 12},      {"dual rate CH1 ON", 100},
                      {"dual rate CH1 OFF", 65}, {"dual rate CH4 OFF", 80},
                      {"MIX 1 source", 0},       {"MIX 1 destination", 3},
                      {"MIX 1 up rate", 25},     {"MIX 1 down rate", -30},
                      {"MIX 1 switch", 1},       {"MIX 2 source", 6},
                      {"MIX 2 destination", 4},  {"MIX 2 up rate", 100},
                      {"MIX 3 switch", 3},       {"switch A function", 1},
                      {"VR B function", 1},      {"checksum slot 1 (byte 65)", 0x12}});
}

// HELI-120 in mode 2, CH2 and CH5 reversed, curves that dip below zero.
inline constexpr BlockBytes kHeliSheetBlock{
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

// The value of a field as the sheet shows it.
inline std::string shownValue(const BlockBytes& block, const std::string& name) {
    const BlockField* field = findBlockField(name);
    return field == nullptr ? "\u2013" : valueText(*field, fieldValue(*field, block));
}

// What a sheet's rows hold, in order, by the field table: one row per channel, the curve
// rows (NOR then ID, throttle then pitch, helicopters only), one per mix, the switches.
inline std::vector<std::vector<std::string>> expectedSheetRows(const BlockBytes& block) {
    std::vector<std::vector<std::string>> rows;
    const bool heli = curveButtonsVisible(block[block::kModelAndStick]);
    for (int ch = 1; ch <= kChannelCount; ++ch) {
        const std::string c = "CH" + std::to_string(ch);
        std::vector<std::string> row{c};
        for (const std::string& name :
             {"end point " + c + " L", "end point " + c + " R", "reverse " + c, "sub trim " + c,
              "dual rate " + c + " ON", "dual rate " + c + " OFF"})
            row.push_back(shownValue(block, name));
        if (heli)
            row.push_back(shownValue(block, "swash AFR " + c));
        rows.push_back(row);
    }
    if (heli) {
        for (const std::string curve : {"throttle", "pitch"}) {
            for (const std::string kind : {"NOR", "ID"}) {
                std::vector<std::string> row{kind};
                for (int i = 0; i < 5; ++i)
                    row.push_back(
                        shownValue(block, curve + " curve " + kind + " EP" + std::to_string(i)));
                rows.push_back(row);
            }
        }
    }
    for (int m = 1; m <= 3; ++m) {
        const std::string mix = "MIX " + std::to_string(m) + " ";
        std::vector<std::string> row{std::to_string(m)};
        for (const char* part : {"source", "destination", "up rate", "down rate", "switch"})
            row.push_back(shownValue(block, mix + part));
        rows.push_back(row);
    }
    std::vector<std::string> switches;
    for (const char* name :
         {"switch A function", "switch B function", "VR A function", "VR B function"})
        switches.push_back(shownValue(block, name));
    rows.push_back(switches);
    return rows;
}

}  // namespace pelorin::test
