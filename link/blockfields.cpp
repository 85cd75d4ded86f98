// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/blockfields.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <tuple>
#include <type_traits>

namespace pelorin {

namespace {

std::string channel(std::size_t index) {
    return "CH" + std::to_string(index + 1);
}

constexpr std::size_t kCurvePoints = 5;
constexpr std::size_t kMixCount = 3;
constexpr std::size_t kMixEntrySize = 4;  // route, up rate, down rate, switch

using Setting = std::function<SettingsRef(ModelSettings&)>;

// The setting `member` of ModelSettings, or element `i` of that array.
template <typename T>
Setting at(T ModelSettings::*member) {
    return [member](ModelSettings& s) -> SettingsRef { return &(s.*member); };
}
template <typename T, std::size_t N>
Setting at(std::array<T, N> ModelSettings::*member, std::size_t i) {
    return [member, i](ModelSettings& s) -> SettingsRef { return &(s.*member)[i]; };
}

class TableBuilder {
public:
    void group(FieldGroup g) { next_.group = g; }
    // The editor group and range of the fields added from now on.
    void editor(EditorGroup g, std::optional<ValueRange> range = std::nullopt) {
        next_.editorGroup = g;
        next_.editorRange = range;
    }
    // The bits `mask` of a byte, read unsigned.
    BlockField& addBits(std::string name, std::size_t byte, std::uint8_t mask, Setting setting = {},
                        std::vector<std::string> names = {}) {
        BlockField& field = fields.emplace_back(next_);
        field.name = std::move(name);
        field.byte = byte;
        field.mask = mask;
        field.shift = static_cast<unsigned>(std::countr_zero(mask));
        field.names = std::move(names);
        field.setting = std::move(setting);
        return field;
    }
    // A whole byte read as -128..127.
    BlockField& addSigned(std::string name, std::size_t byte, Setting setting = {},
                          std::vector<std::string> names = {}) {
        BlockField& field =
            addBits(std::move(name), byte, 0xFF, std::move(setting), std::move(names));
        field.isSigned = true;
        return field;
    }

    std::vector<BlockField> fields;

private:
    BlockField next_;  // only its groups and editor range are used
};

std::vector<BlockField> makeTable() {
    using S = ModelSettings;
    TableBuilder t;
    t.group(FieldGroup::Model);
    t.editor(EditorGroup::TypeAndStick, editorrange::kModelType);
    t.addBits("model type", block::kModelAndStick, 0x0F, at(&S::modelType),
              {"ACRO", "HELI-120", "HELI-90", "HELI-140"});
    t.editor(EditorGroup::TypeAndStick, editorrange::kStickMode);
    t.addBits("stick mode", block::kModelAndStick, 0xF0, at(&S::stickMode),
              {"MODEL1", "MODEL2", "MODEL3", "MODEL4"})
        .hexText = true;

    t.group(FieldGroup::Channels);
    t.editor(EditorGroup::EndPoints, editorrange::kEndPoint);
    for (std::size_t ch = 0; ch < 6; ++ch) {
        const std::string name = "end point " + channel(ch);
        t.addSigned(name + " L", block::kEndPoint + 2 * ch, at(&S::endPointLeft, ch));
        t.addSigned(name + " R", block::kEndPoint + 2 * ch + 1, at(&S::endPointRight, ch));
    }
    t.editor(EditorGroup::Reverse);
    for (std::size_t ch = 0; ch < 6; ++ch) {
        t.addBits("reverse " + channel(ch), block::kReverse, static_cast<std::uint8_t>(1u << ch),
                  at(&S::reverse, ch), {"NOR", "REV"});
    }
    // Bits 6 and 7 of the reverse byte mean nothing: written as 0, ignored on reading.
    t.editor(EditorGroup::Reverse, ValueRange{0, 0});
    BlockField& spare = t.addBits("reverse spare bits 6-7", block::kReverse, 0xC0,
                                  [](S&) -> SettingsRef { return static_cast<int*>(nullptr); });
    spare.hexText = true;
    spare.sparseListing = true;
    t.editor(EditorGroup::SubTrim, editorrange::kSubTrim);
    for (std::size_t ch = 0; ch < 6; ++ch)
        t.addSigned("sub trim " + channel(ch), block::kSubTrim + ch, at(&S::subTrim, ch));
    t.editor(EditorGroup::DualRates, editorrange::kDualRate);
    for (std::size_t i = 0; i < dualRateChannels().size(); ++i) {
        const std::string name = "dual rate " + channel(dualRateChannels()[i]);
        t.addSigned(name + " ON", block::kDualRate + 2 * i, at(&S::dualRateOn, i));
        t.addSigned(name + " OFF", block::kDualRate + 2 * i + 1, at(&S::dualRateOff, i));
    }
    t.editor(EditorGroup::SwashAfr, editorrange::kSwashAfr);
    for (std::size_t i = 0; i < swashAfrChannels().size(); ++i) {
        t.addSigned("swash AFR " + channel(swashAfrChannels()[i]), block::kSwashAfr + i,
                    at(&S::swashAfr, i));
    }

    // NOR and ID alternate point by point: EPi of NOR is byte 2i of the curve, of ID 2i + 1.
    t.group(FieldGroup::Curves);
    for (const auto& [label, first, group] :
         {std::tuple{"throttle", block::kThrottleCurve, EditorGroup::ThrottleCurve},
          std::tuple{"pitch", block::kPitchCurve, EditorGroup::PitchCurve}}) {
        t.editor(group, editorrange::kCurvePoint);
        for (std::size_t c = 0; c < 2; ++c) {
            for (std::size_t i = 0; i < kCurvePoints; ++i) {
                t.addSigned(std::string(label) + " curve " + (c == 0 ? "NOR" : "ID") + " EP" +
                                std::to_string(i),
                            first + 2 * i + c);
            }
        }
    }

    // The program mix editor keeps its 12 bytes as they are: each field holds its bits of the
    // byte in the same place.
    t.group(FieldGroup::Mixes);
    const std::vector<std::string> sources{"CH1", "CH2", "CH3",  "CH4",
                                           "CH5", "CH6", "VR A", "VR B"};
    for (std::size_t m = 0; m < kMixCount; ++m) {
        const std::string mix = "MIX " + std::to_string(m + 1) + " ";
        const std::size_t entry = kMixEntrySize * m;
        const std::size_t byte = block::kProgramMix + entry;
        t.editor(EditorGroup::ProgramMixes, editorrange::kMixSource);
        t.addBits(mix + "source", byte, 0xF0, at(&S::programMix, entry), sources);
        t.editor(EditorGroup::ProgramMixes, editorrange::kMixDestination);
        t.addBits(mix + "destination", byte, 0x0F, at(&S::programMix, entry),
                  {sources.begin(), sources.begin() + 6});
        t.editor(EditorGroup::ProgramMixes, editorrange::kMixRate);
        t.addSigned(mix + "up rate", byte + 1, at(&S::programMix, entry + 1));
        t.addSigned(mix + "down rate", byte + 2, at(&S::programMix, entry + 2));
        t.editor(EditorGroup::ProgramMixes, editorrange::kMixSwitch);
        t.addSigned(mix + "switch", byte + 3, at(&S::programMix, entry + 3),
                    {"SW A", "SW B", "ON", "OFF"});
    }

    t.group(FieldGroup::Switches);
    const std::vector<std::string> switchFunctions{"NULL", "DR", "ThroCut", "NOR/ID"};
    t.editor(EditorGroup::SwitchesAndVrs, editorrange::kSwitchFunction);
    t.addSigned("switch A function", block::kSwitchA, at(&S::switchAFunction), switchFunctions);
    t.addSigned("switch B function", block::kSwitchB, at(&S::switchBFunction), switchFunctions);
    const std::vector<std::string> vrFunctions{"NULL", "Pith Adjust"};
    t.editor(EditorGroup::SwitchesAndVrs, editorrange::kVrFunction);
    t.addSigned("VR A function", block::kVrA, at(&S::vrAFunction), vrFunctions);
    t.addSigned("VR B function", block::kVrB, at(&S::vrBFunction), vrFunctions);

    t.group(FieldGroup::Checksum);
    t.editor(EditorGroup::None);
    t.addBits("checksum slot 1 (byte 65)", kChecksumSlot1, 0xFF).hexText = true;
    t.addBits("checksum slot 2 (byte 66)", kChecksumSlot2, 0xFF).hexText = true;
    return std::move(t.fields);
}

}  // namespace

const std::vector<BlockField>& blockFields() {
    static const std::vector<BlockField> table = makeTable();
    return table;
}

const BlockField* findBlockField(std::string_view name) {
    const std::vector<BlockField>& fields = blockFields();
    const auto it = std::find_if(fields.begin(), fields.end(),
                                 [name](const BlockField& field) { return field.name == name; });
    return it == fields.end() ? nullptr : &*it;
}

int fieldValue(const BlockField& field, const BlockBytes& blockBytes) {
    return field.valueIn(blockBytes[field.byte]);
}

void setFieldValue(const BlockField& field, BlockBytes& blockBytes, int value) {
    blockBytes[field.byte] = field.withValue(blockBytes[field.byte], value);
}

// Each integer goes into its bits as its low bits (two's complement), so every value an editor
// may hold lands where the block keeps it; nothing is clamped.
void packSettings(const ModelSettings& settings, BlockBytes& blockBytes) {
    ModelSettings view = settings;  // the table's references are to a changeable record
    for (const BlockField& field : blockFields()) {
        if (!field.setting)
            continue;  // curves and checksum slots are not the settings' to write
        const int value = std::visit(
            [&](auto* held) -> int {
                if (!held)
                    return 0;
                if constexpr (std::is_same_v<decltype(held), std::uint8_t*>)
                    return field.valueIn(*held);  // a mix byte: the bits where the block has them
                else
                    return *held;
            },
            field.setting(view));
        setFieldValue(field, blockBytes, value);
    }
}

void unpackSettings(const BlockBytes& blockBytes, ModelSettings& settings) {
    for (const BlockField& field : blockFields()) {
        if (!field.setting)
            continue;
        const int value = fieldValue(field, blockBytes);
        std::visit(
            [&](auto* held) {
                using Held = std::remove_pointer_t<decltype(held)>;
                if (!held)
                    return;
                if constexpr (std::is_same_v<Held, std::uint8_t>)
                    *held = field.withValue(*held, value);
                else
                    *held = static_cast<Held>(value);
            },
            field.setting(settings));
    }
}

const std::string* valueName(const BlockField& field, int value) {
    if (value < 0 || value >= static_cast<int>(field.names.size()))
        return nullptr;
    return &field.names[static_cast<std::size_t>(value)];
}

std::optional<int> valueOfName(const BlockField& field, std::string_view name) {
    const auto it = std::find(field.names.begin(), field.names.end(), name);
    if (it == field.names.end())
        return std::nullopt;
    return static_cast<int>(it - field.names.begin());
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

std::vector<const BlockField*> fieldsOutsideEditorRanges(const BlockBytes& block) {
    std::vector<const BlockField*> outside;
    for (const BlockField& field : blockFields()) {
        if (field.editorGroup != EditorGroup::None &&
            !field.editorValues().contains(fieldValue(field, block)))
            outside.push_back(&field);
    }
    return outside;
}

BlockBytes withGroupsFrom(const BlockBytes& current, const BlockBytes& wanted,
                          const std::vector<EditorGroup>& groups) {
    BlockBytes result = wanted;
    for (const BlockField& field : blockFields()) {
        const bool chosen =
            std::find(groups.begin(), groups.end(), field.editorGroup) != groups.end();
        if (field.editorGroup != EditorGroup::None && !chosen)
            setFieldValue(field, result, fieldValue(field, current));
    }
    return result;
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
