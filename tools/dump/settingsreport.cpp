// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/dump/settingsreport.h"

#include <map>

namespace pelorin::dump {

SettingsReport makeSettingsReport(const BlockBytes& blockBytes, ReportOptions options) {
    SettingsReport report;
    for (const BlockField& field : blockFields()) {
        const int value = fieldValue(field, blockBytes);
        if (field.sparseListing && value == 0 && !options.alwaysListSpareReverseBits)
            continue;
        report.push_back({field.group, field.name, valueText(field, value)});
    }
    return report;
}

std::vector<FieldDifference> compareReports(const SettingsReport& first,
                                            const SettingsReport& second) {
    std::map<std::string, const ReportField*> secondByName;
    for (const ReportField& field : second)
        secondByName[field.name] = &field;

    std::vector<FieldDifference> differences;
    for (const ReportField& field : first) {
        const auto match = secondByName.find(field.name);
        if (match == secondByName.end()) {
            differences.push_back({field.name, field.value, "-"});
            continue;
        }
        if (match->second->value != field.value) {
            differences.push_back({field.name, field.value, match->second->value});
        }
        secondByName.erase(match);
    }
    // Fields only the second report has, in its order.
    for (const ReportField& field : second) {
        if (secondByName.contains(field.name))
            differences.push_back({field.name, "-", field.value});
    }
    return differences;
}

}  // namespace pelorin::dump
