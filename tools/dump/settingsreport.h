// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings block as a list of named fields with readable values. pelorin-dump prints the
// list; its --diff mode compares two lists field by field; the Models window shows the same
// comparison. The names and values come from the one field table (link/blockfields.h).
// Standard C++ only.

#include <string>
#include <vector>

#include "link/blockfields.h"
#include "link/settingsblock.h"

namespace pelorin::dump {

struct ReportField {
    FieldGroup group;
    std::string name;   // e.g. "end point CH1 R"
    std::string value;  // e.g. "100", "HELI-120", "unknown (7)"

    friend bool operator==(const ReportField&, const ReportField&) = default;
};

using SettingsReport = std::vector<ReportField>;

struct ReportOptions {
    // Bits 6 and 7 of the reverse byte mean nothing and are normally 0. By default they are
    // listed only when set; a comparison lists them always, so that no byte can differ
    // without a field that shows it.
    bool alwaysListSpareReverseBits = false;
};

// Every field of the 67 bytes: the settings of the block, both curves of the throttle and
// the pitch field, and the two checksum slots. The order is the same for every block.
[[nodiscard]] SettingsReport makeSettingsReport(const BlockBytes& blockBytes,
                                                ReportOptions options = {});

struct FieldDifference {
    std::string name;
    std::string first;
    std::string second;
};

// The fields whose values differ, in report order. Both reports must come from
// makeSettingsReport with the same options; a field missing from one side shows as "-".
[[nodiscard]] std::vector<FieldDifference> compareReports(const SettingsReport& first,
                                                          const SettingsReport& second);

}  // namespace pelorin::dump
