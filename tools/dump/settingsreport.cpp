// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/dump/settingsreport.h"

#include <array>
#include <cstdio>
#include <map>

namespace pelorin::dump {

namespace {

template <std::size_t N>
std::string nameOr(const std::array<const char*, N>& names, int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < N) {
        return names[static_cast<std::size_t>(index)];
    }
    return "unknown (" + std::to_string(index) + ")";
}

std::string hexByte(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFFu);
    return text;
}

std::string channel(std::size_t index) {
    return "CH" + std::to_string(index + 1);
}

constexpr std::array<const char*, 4> kModelTypes{"ACRO", "HELI-120", "HELI-90", "HELI-140"};
constexpr std::array<const char*, 8> kMixSources{"CH1", "CH2", "CH3",  "CH4",
                                                 "CH5", "CH6", "VR A", "VR B"};
constexpr std::array<const char*, 6> kMixDestinations{"CH1", "CH2", "CH3", "CH4", "CH5", "CH6"};
constexpr std::array<const char*, 4> kMixSwitches{"SW A", "SW B", "ON", "OFF"};
constexpr std::array<const char*, 4> kSwitchFunctions{"NULL", "DR", "ThroCut", "NOR/ID"};
constexpr std::array<const char*, 2> kVrFunctions{"NULL", "Pith Adjust"};

// The channels that have dual rates and swash AFR values, as indices CH1 = 0.
constexpr std::array<std::size_t, 3> kDualRateChannels{0, 1, 3};
constexpr std::array<std::size_t, 3> kSwashAfrChannels{0, 1, 5};

constexpr std::size_t kCurvePoints = 5;
constexpr std::size_t kMixCount = 3;
constexpr std::uint8_t kSpareReverseBits = 0xC0;

class Builder {
public:
    explicit Builder(SettingsReport& report) : report_(report) {}
    void group(FieldGroup g) { group_ = g; }
    void add(std::string name, std::string value) {
        report_.push_back({group_, std::move(name), std::move(value)});
    }
    void add(std::string name, int value) { add(std::move(name), std::to_string(value)); }

private:
    SettingsReport& report_;
    FieldGroup group_ = FieldGroup::Model;
};

// One curve field (throttle or pitch): NOR and ID alternate point by point, so EPi of NOR
// is byte 2i of the field and EPi of ID byte 2i + 1.
void addCurve(Builder& out, const BlockBytes& b, std::size_t first, const std::string& label) {
    const std::array<const char*, 2> curves{"NOR", "ID"};
    for (std::size_t c = 0; c < curves.size(); ++c) {
        for (std::size_t i = 0; i < kCurvePoints; ++i) {
            out.add(label + " curve " + curves[c] + " EP" + std::to_string(i),
                    signedByte(b[first + 2 * i + c]));
        }
    }
}

}  // namespace

std::string modelTypeName(int modelType) {
    return nameOr(kModelTypes, modelType);
}

std::string stickModeName(int stickMode) {
    if (stickMode >= 0x00 && stickMode <= 0x30 && stickMode % 0x10 == 0) {
        return "MODEL" + std::to_string(stickMode / 0x10 + 1);
    }
    return "unknown (" + hexByte(static_cast<unsigned>(stickMode)) + ")";
}

std::string mixSourceName(int source) {
    return nameOr(kMixSources, source);
}
std::string mixDestinationName(int destination) {
    return nameOr(kMixDestinations, destination);
}
std::string mixSwitchName(int mixSwitch) {
    return nameOr(kMixSwitches, mixSwitch);
}
std::string switchFunctionName(int function) {
    return nameOr(kSwitchFunctions, function);
}
std::string vrFunctionName(int function) {
    return nameOr(kVrFunctions, function);
}

SettingsReport makeSettingsReport(const BlockBytes& blockBytes, ReportOptions options) {
    ModelSettings s;
    unpackSettings(blockBytes, s);

    SettingsReport report;
    Builder out(report);

    out.group(FieldGroup::Model);
    out.add("model type", modelTypeName(s.modelType));
    out.add("stick mode", stickModeName(s.stickMode));

    out.group(FieldGroup::Channels);
    for (std::size_t ch = 0; ch < s.endPointLeft.size(); ++ch) {
        out.add("end point " + channel(ch) + " L", s.endPointLeft[ch]);
        out.add("end point " + channel(ch) + " R", s.endPointRight[ch]);
    }
    for (std::size_t ch = 0; ch < s.reverse.size(); ++ch) {
        out.add("reverse " + channel(ch), s.reverse[ch] ? "REV" : "NOR");
    }
    const unsigned spare = blockBytes[block::kReverse] & kSpareReverseBits;
    if (spare != 0 || options.alwaysListSpareReverseBits) {
        out.add("reverse spare bits 6-7", hexByte(spare));
    }
    for (std::size_t ch = 0; ch < s.subTrim.size(); ++ch) {
        out.add("sub trim " + channel(ch), s.subTrim[ch]);
    }
    for (std::size_t i = 0; i < kDualRateChannels.size(); ++i) {
        out.add("dual rate " + channel(kDualRateChannels[i]) + " ON", s.dualRateOn[i]);
        out.add("dual rate " + channel(kDualRateChannels[i]) + " OFF", s.dualRateOff[i]);
    }
    for (std::size_t i = 0; i < kSwashAfrChannels.size(); ++i) {
        out.add("swash AFR " + channel(kSwashAfrChannels[i]), s.swashAfr[i]);
    }

    // The curves have no ModelSettings field: the curve editors work on the block bytes.
    out.group(FieldGroup::Curves);
    addCurve(out, blockBytes, block::kThrottleCurve, "throttle");
    addCurve(out, blockBytes, block::kPitchCurve, "pitch");

    out.group(FieldGroup::Mixes);
    for (std::size_t m = 0; m < kMixCount; ++m) {
        const std::string mix = "MIX " + std::to_string(m + 1) + " ";
        const std::uint8_t route = s.programMix[4 * m];
        out.add(mix + "source", mixSourceName(route >> 4));
        out.add(mix + "destination", mixDestinationName(route & 0x0F));
        out.add(mix + "up rate", signedByte(s.programMix[4 * m + 1]));
        out.add(mix + "down rate", signedByte(s.programMix[4 * m + 2]));
        out.add(mix + "switch", mixSwitchName(signedByte(s.programMix[4 * m + 3])));
    }

    out.group(FieldGroup::Switches);
    out.add("switch A function", switchFunctionName(s.switchAFunction));
    out.add("switch B function", switchFunctionName(s.switchBFunction));
    out.add("VR A function", vrFunctionName(s.vrAFunction));
    out.add("VR B function", vrFunctionName(s.vrBFunction));

    out.group(FieldGroup::Checksum);
    out.add("checksum slot 1 (byte 65)", hexByte(blockBytes[kChecksumSlot1]));
    out.add("checksum slot 2 (byte 66)", hexByte(blockBytes[kChecksumSlot2]));
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
