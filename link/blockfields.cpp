// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/blockfields.h"

#include <array>
#include <cstdio>
#include <initializer_list>

namespace pelorin {

namespace {

std::vector<ValueName> listNames(std::initializer_list<const char*> names) {
    std::vector<ValueName> result;
    int value = 0;
    for (const char* name : names)
        result.push_back({value++, name});
    return result;
}

std::string channel(std::size_t index) {
    return "CH" + std::to_string(index + 1);
}

// The channels that have dual rates and swash AFR values, as indices CH1 = 0.
constexpr std::array<std::size_t, 3> kDualRateChannels{0, 1, 3};
constexpr std::array<std::size_t, 3> kSwashAfrChannels{0, 1, 5};
constexpr std::size_t kCurvePoints = 5;
constexpr std::size_t kMixCount = 3;
constexpr std::size_t kMixEntrySize = 4;  // route, up rate, down rate, switch

class TableBuilder {
public:
    void group(FieldGroup g) { group_ = g; }
    BlockField& add(std::string name, std::size_t byte) {
        BlockField field;
        field.name = std::move(name);
        field.group = group_;
        field.byte = byte;
        fields.push_back(std::move(field));
        return fields.back();
    }
    // A whole byte read as -128..127.
    BlockField& addSigned(std::string name, std::size_t byte) {
        BlockField& field = add(std::move(name), byte);
        field.isSigned = true;
        return field;
    }
    BlockField& addBits(std::string name, std::size_t byte, std::uint8_t mask, unsigned shift) {
        BlockField& field = add(std::move(name), byte);
        field.mask = mask;
        field.shift = shift;
        return field;
    }

    std::vector<BlockField> fields;

private:
    FieldGroup group_ = FieldGroup::Model;
};

std::vector<BlockField> makeTable() {
    TableBuilder t;
    t.group(FieldGroup::Model);
    t.addBits("model type", block::kModelAndStick, 0x0F, 0).names =
        listNames({"ACRO", "HELI-120", "HELI-90", "HELI-140"});
    BlockField& stick = t.addBits("stick mode", block::kModelAndStick, 0xF0, 4);
    stick.names = listNames({"MODEL1", "MODEL2", "MODEL3", "MODEL4"});
    stick.hexText = true;

    t.group(FieldGroup::Channels);
    for (std::size_t ch = 0; ch < 6; ++ch) {
        t.addSigned("end point " + channel(ch) + " L", block::kEndPoint + 2 * ch);
        t.addSigned("end point " + channel(ch) + " R", block::kEndPoint + 2 * ch + 1);
    }
    for (unsigned ch = 0; ch < 6; ++ch) {
        t.addBits("reverse " + channel(ch), block::kReverse, static_cast<std::uint8_t>(1u << ch),
                  ch)
            .names = listNames({"NOR", "REV"});
    }
    // Bits 6 and 7 of the reverse byte mean nothing and are normally 0.
    BlockField& spare = t.addBits("reverse spare bits 6-7", block::kReverse, 0xC0, 6);
    spare.hexText = true;
    spare.sparseListing = true;
    for (std::size_t ch = 0; ch < 6; ++ch)
        t.addSigned("sub trim " + channel(ch), block::kSubTrim + ch);
    for (std::size_t i = 0; i < kDualRateChannels.size(); ++i) {
        t.addSigned("dual rate " + channel(kDualRateChannels[i]) + " ON", block::kDualRate + 2 * i);
        t.addSigned("dual rate " + channel(kDualRateChannels[i]) + " OFF",
                    block::kDualRate + 2 * i + 1);
    }
    for (std::size_t i = 0; i < kSwashAfrChannels.size(); ++i)
        t.addSigned("swash AFR " + channel(kSwashAfrChannels[i]), block::kSwashAfr + i);

    // NOR and ID alternate point by point: EPi of NOR is byte 2i of the curve, of ID 2i + 1.
    t.group(FieldGroup::Curves);
    for (const auto& [label, first] :
         {std::pair{"throttle", block::kThrottleCurve}, std::pair{"pitch", block::kPitchCurve}}) {
        const std::array<const char*, 2> curves{"NOR", "ID"};
        for (std::size_t c = 0; c < curves.size(); ++c) {
            for (std::size_t i = 0; i < kCurvePoints; ++i) {
                t.addSigned(std::string(label) + " curve " + curves[c] + " EP" + std::to_string(i),
                            first + 2 * i + c);
            }
        }
    }

    t.group(FieldGroup::Mixes);
    for (std::size_t m = 0; m < kMixCount; ++m) {
        const std::string mix = "MIX " + std::to_string(m + 1) + " ";
        const std::size_t entry = block::kProgramMix + kMixEntrySize * m;
        t.addBits(mix + "source", entry, 0xF0, 4).names =
            listNames({"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "VR A", "VR B"});
        t.addBits(mix + "destination", entry, 0x0F, 0).names =
            listNames({"CH1", "CH2", "CH3", "CH4", "CH5", "CH6"});
        t.addSigned(mix + "up rate", entry + 1);
        t.addSigned(mix + "down rate", entry + 2);
        t.addSigned(mix + "switch", entry + 3).names = listNames({"SW A", "SW B", "ON", "OFF"});
    }

    t.group(FieldGroup::Switches);
    const auto switchFunctions = listNames({"NULL", "DR", "ThroCut", "NOR/ID"});
    const auto vrFunctions = listNames({"NULL", "Pith Adjust"});
    t.addSigned("switch A function", block::kSwitchA).names = switchFunctions;
    t.addSigned("switch B function", block::kSwitchB).names = switchFunctions;
    t.addSigned("VR A function", block::kVrA).names = vrFunctions;
    t.addSigned("VR B function", block::kVrB).names = vrFunctions;

    t.group(FieldGroup::Checksum);
    t.add("checksum slot 1 (byte 65)", kChecksumSlot1).hexText = true;
    t.add("checksum slot 2 (byte 66)", kChecksumSlot2).hexText = true;
    return std::move(t.fields);
}

}  // namespace

const std::vector<BlockField>& blockFields() {
    static const std::vector<BlockField> table = makeTable();
    return table;
}

const BlockField* findBlockField(std::string_view name) {
    for (const BlockField& field : blockFields()) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

int fieldValue(const BlockField& field, const BlockBytes& blockBytes) {
    const std::uint8_t byte = blockBytes[field.byte];
    if (field.isSigned)
        return signedByte(byte);
    return static_cast<int>((byte & field.mask) >> field.shift);
}

void setFieldValue(const BlockField& field, BlockBytes& blockBytes, int value) {
    std::uint8_t& byte = blockBytes[field.byte];
    if (field.isSigned) {
        byte = lowByte(value);
        return;
    }
    const unsigned bits = (static_cast<unsigned>(value) << field.shift) & field.mask;
    byte = static_cast<std::uint8_t>((byte & ~field.mask) | bits);
}

const std::string* valueName(const BlockField& field, int value) {
    for (const ValueName& entry : field.names) {
        if (entry.value == value)
            return &entry.name;
    }
    return nullptr;
}

std::optional<int> valueOfName(const BlockField& field, std::string_view name) {
    for (const ValueName& entry : field.names) {
        if (entry.name == name)
            return entry.value;
    }
    return std::nullopt;
}

std::string valueText(const BlockField& field, int value) {
    if (const std::string* name = valueName(field, value))
        return *name;
    std::string number;
    if (field.hexText) {
        char text[8];
        std::snprintf(text, sizeof text, "0x%02X",
                      (static_cast<unsigned>(value) << field.shift) & 0xFFu);
        number = text;
    } else {
        number = std::to_string(value);
    }
    return field.names.empty() ? number : "unknown (" + number + ")";
}

std::vector<BlockFieldDifference> blockDifferences(const BlockBytes& first,
                                                   const BlockBytes& second,
                                                   bool withChecksumSlots) {
    std::vector<BlockFieldDifference> differences;
    for (const BlockField& field : blockFields()) {
        if (field.group == FieldGroup::Checksum && !withChecksumSlots)
            continue;
        const int a = fieldValue(field, first);
        const int b = fieldValue(field, second);
        if (a != b)
            differences.push_back({&field, a, b});
    }
    return differences;
}

}  // namespace pelorin
