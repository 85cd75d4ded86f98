// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two set-ups whose every value differs from the starting block somewhere, for the setup sheet
// tests: an aeroplane here, and the helicopter of tests/support/sampleblocks.h, with reversed
// channels, sub trims, mixes and (for the helicopter) curves with negative points.

#include <string>
#include <utility>
#include <vector>

#include "link/blockfields.h"
#include "link/settingsblock.h"
#include "tests/support/sampleblocks.h"

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
