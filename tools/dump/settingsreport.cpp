// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/dump/settingsreport.h"

#include <map>

namespace pelorin::dump {

namespace {

std::string textOf(std::string_view fieldName, int value) {
    const BlockField* field = findBlockField(fieldName);
    return field != nullptr ? valueText(*field, value) : std::to_string(value);
}

}  // namespace

std::string modelTypeName(int modelType) {
    return textOf("model type", modelType);
}
std::string stickModeName(int stickMode) {
    return textOf("stick mode", stickMode >> 4);
}
std::string mixSourceName(int source) {
    return textOf("MIX 1 source", source);
}
std::string mixDestinationName(int destination) {
    return textOf("MIX 1 destination", destination);
}
std::string mixSwitchName(int mixSwitch) {
    return textOf("MIX 1 switch", mixSwitch);
}
std::string switchFunctionName(int function) {
    return textOf("switch A function", function);
}
std::string vrFunctionName(int function) {
    return textOf("VR A function", function);
}

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
