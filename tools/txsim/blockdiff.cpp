// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/txsim/blockdiff.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace pelorin::txsim {

namespace {

constexpr std::array<const char*, 4> kModelTypeNames = {"ACRO", "HELI-120", "HELI-90", "HELI-140"};

std::string modelTypeText(int type) {
    if (type >= 0 && type < static_cast<int>(kModelTypeNames.size())) {
        return std::to_string(type) + " (" + kModelTypeNames[static_cast<std::size_t>(type)] + ")";
    }
    return std::to_string(type);
}

std::string stickModeText(int mode) {
    const int nibble = mode & 0xF;
    std::string text = "0x" + std::string(1, "0123456789ABCDEF"[nibble]) + "0";
    if (nibble <= 3)
        text += " (MODEL" + std::to_string(nibble + 1) + ")";
    return text;
}

class Differ {
public:
    explicit Differ(std::vector<std::string>& out) : out_(out) {}

    void value(std::string_view name, int before, int after) {
        if (before != after)
            add(std::string(name), std::to_string(before), std::to_string(after));
    }
    void text(std::string_view name, const std::string& before, const std::string& after) {
        if (before != after)
            add(std::string(name), before, after);
    }
    template <std::size_t N, typename T>
    void channels(std::string_view name, const std::array<T, N>& before,
                  const std::array<T, N>& after, const std::array<int, N>& channelNumbers) {
        for (std::size_t i = 0; i < N; ++i) {
            value(std::string(name) + " CH" + std::to_string(channelNumbers[i]),
                  static_cast<int>(before[i]), static_cast<int>(after[i]));
        }
    }

private:
    void add(const std::string& name, const std::string& before, const std::string& after) {
        out_.push_back(name + ": " + before + " -> " + after);
    }
    std::vector<std::string>& out_;
};

constexpr std::array<int, 6> kAllChannels = {1, 2, 3, 4, 5, 6};
constexpr std::array<int, 3> kDualRateChannels = {1, 2, 4};
constexpr std::array<int, 3> kSwashChannels = {1, 2, 6};

// The curve bytes have no field of their own: the two curves of each field alternate point by
// point, NOR first.
void curveChanges(Differ& differ, std::string_view name, std::size_t offset,
                  const BlockBytes& before, const BlockBytes& after) {
    for (std::size_t k = 0; k < block::kCurveSize; ++k) {
        const std::string label =
            std::string(name) + (k % 2 == 0 ? " NOR" : " ID") + " EP" + std::to_string(k / 2);
        differ.value(label, signedByte(before[offset + k]), signedByte(after[offset + k]));
    }
}

}  // namespace

std::vector<std::string> describeChanges(const BlockBytes& before, const BlockBytes& after) {
    ModelSettings was;
    ModelSettings now;
    unpackSettings(before, was);
    unpackSettings(after, now);

    std::vector<std::string> changes;
    Differ differ(changes);
    differ.text("modelType", modelTypeText(was.modelType), modelTypeText(now.modelType));
    differ.text("stickMode", stickModeText(was.stickMode), stickModeText(now.stickMode));
    differ.channels("reverse", was.reverse, now.reverse, kAllChannels);
    differ.channels("dualRateOn", was.dualRateOn, now.dualRateOn, kDualRateChannels);
    differ.channels("dualRateOff", was.dualRateOff, now.dualRateOff, kDualRateChannels);
    differ.channels("swashAfr", was.swashAfr, now.swashAfr, kSwashChannels);
    differ.channels("endPointLeft", was.endPointLeft, now.endPointLeft, kAllChannels);
    differ.channels("endPointRight", was.endPointRight, now.endPointRight, kAllChannels);
    curveChanges(differ, "throttleCurve", block::kThrottleCurve, before, after);
    curveChanges(differ, "pitchCurve", block::kPitchCurve, before, after);
    differ.channels("subTrim", was.subTrim, now.subTrim, kAllChannels);
    for (std::size_t i = 0; i < kProgramMixSize; ++i) {
        differ.value("programMix[" + std::to_string(i) + "]", was.programMix[i], now.programMix[i]);
    }
    differ.value("switchAFunction", was.switchAFunction, now.switchAFunction);
    differ.value("switchBFunction", was.switchBFunction, now.switchBFunction);
    differ.value("vrAFunction", was.vrAFunction, now.vrAFunction);
    differ.value("vrBFunction", was.vrBFunction, now.vrBFunction);
    // Bits 6 and 7 of the reverse byte have no field but still travel.
    differ.value("reverse byte bits 6..7", before[block::kReverse] >> 6,
                 after[block::kReverse] >> 6);
    return changes;
}

std::string describeBlock(const BlockBytes& blockBytes) {
    ModelSettings s;
    unpackSettings(blockBytes, s);
    std::string text =
        "modelType " + modelTypeText(s.modelType) + ", stickMode " + stickModeText(s.stickMode) +
        ", endPoint CH1 " + std::to_string(s.endPointLeft[0]) + "/" +
        std::to_string(s.endPointRight[0]) + ", subTrim CH1 " + std::to_string(s.subTrim[0]);
    return text;
}

}  // namespace pelorin::txsim
