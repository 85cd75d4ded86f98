// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/blockfields.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <tuple>

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
    // The editor group and range of the fields added from now on.
    void editor(EditorGroup g, std::optional<ValueRange> range = std::nullopt) {
        editorGroup_ = g;
        range_ = range;
    }
    BlockField& add(std::string name, std::size_t byte) {
        BlockField field;
        field.name = std::move(name);
        field.group = group_;
        field.editorGroup = editorGroup_;
        field.editorRange = range_;
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
    EditorGroup editorGroup_ = EditorGroup::None;
    std::optional<ValueRange> range_;
};

std::vector<BlockField> makeTable() {
    TableBuilder t;
    t.group(FieldGroup::Model);
    t.editor(EditorGroup::TypeAndStick, editorrange::kModelType);
    BlockField& type = t.addBits("model type", block::kModelAndStick, 0x0F, 0);
    type.names = listNames({"ACRO", "HELI-120", "HELI-90", "HELI-140"});
    type.setting = [](ModelSettings& s) -> SettingsRef { return &s.modelType; };
    t.editor(EditorGroup::TypeAndStick, editorrange::kStickMode);
    BlockField& stick = t.addBits("stick mode", block::kModelAndStick, 0xF0, 4);
    stick.names = listNames({"MODEL1", "MODEL2", "MODEL3", "MODEL4"});
    stick.hexText = true;
    // The stick mode editor works with the high nibble as it stands: 0x00, 0x10, 0x20, 0x30.
    stick.setting = [](ModelSettings& s) -> SettingsRef { return &s.stickMode; };
    stick.settingInPlace = true;

    t.group(FieldGroup::Channels);
    t.editor(EditorGroup::EndPoints, editorrange::kEndPoint);
    for (std::size_t ch = 0; ch < 6; ++ch) {
        t.addSigned("end point " + channel(ch) + " L", block::kEndPoint + 2 * ch).setting =
            [ch](ModelSettings& s) -> SettingsRef { return &s.endPointLeft[ch]; };
        t.addSigned("end point " + channel(ch) + " R", block::kEndPoint + 2 * ch + 1).setting =
            [ch](ModelSettings& s) -> SettingsRef { return &s.endPointRight[ch]; };
    }
    t.editor(EditorGroup::Reverse);
    for (unsigned ch = 0; ch < 6; ++ch) {
        BlockField& reverse = t.addBits("reverse " + channel(ch), block::kReverse,
                                        static_cast<std::uint8_t>(1u << ch), ch);
        reverse.names = listNames({"NOR", "REV"});
        reverse.setting = [ch](ModelSettings& s) -> SettingsRef { return &s.reverse[ch]; };
    }
    // Bits 6 and 7 of the reverse byte mean nothing: written as 0, ignored on reading.
    t.editor(EditorGroup::Reverse, ValueRange{0, 0});
    BlockField& spare = t.addBits("reverse spare bits 6-7", block::kReverse, 0xC0, 6);
    spare.hexText = true;
    spare.sparseListing = true;
    spare.setting = [](ModelSettings&) -> SettingsRef { return std::monostate{}; };
    t.editor(EditorGroup::SubTrim, editorrange::kSubTrim);
    for (std::size_t ch = 0; ch < 6; ++ch) {
        t.addSigned("sub trim " + channel(ch), block::kSubTrim + ch).setting =
            [ch](ModelSettings& s) -> SettingsRef { return &s.subTrim[ch]; };
    }
    t.editor(EditorGroup::DualRates, editorrange::kDualRate);
    for (std::size_t i = 0; i < kDualRateChannels.size(); ++i) {
        const std::string name = "dual rate " + channel(kDualRateChannels[i]);
        t.addSigned(name + " ON", block::kDualRate + 2 * i).setting =
            [i](ModelSettings& s) -> SettingsRef { return &s.dualRateOn[i]; };
        t.addSigned(name + " OFF", block::kDualRate + 2 * i + 1).setting =
            [i](ModelSettings& s) -> SettingsRef { return &s.dualRateOff[i]; };
    }
    t.editor(EditorGroup::SwashAfr, editorrange::kSwashAfr);
    for (std::size_t i = 0; i < kSwashAfrChannels.size(); ++i) {
        t.addSigned("swash AFR " + channel(kSwashAfrChannels[i]), block::kSwashAfr + i).setting =
            [i](ModelSettings& s) -> SettingsRef { return &s.swashAfr[i]; };
    }

    // NOR and ID alternate point by point: EPi of NOR is byte 2i of the curve, of ID 2i + 1.
    t.group(FieldGroup::Curves);
    for (const auto& [label, first, group] :
         {std::tuple{"throttle", block::kThrottleCurve, EditorGroup::ThrottleCurve},
          std::tuple{"pitch", block::kPitchCurve, EditorGroup::PitchCurve}}) {
        t.editor(group, editorrange::kCurvePoint);
        const std::array<const char*, 2> curves{"NOR", "ID"};
        for (std::size_t c = 0; c < curves.size(); ++c) {
            for (std::size_t i = 0; i < kCurvePoints; ++i) {
                t.addSigned(std::string(label) + " curve " + curves[c] + " EP" + std::to_string(i),
                            first + 2 * i + c);
            }
        }
    }

    t.group(FieldGroup::Mixes);
    // The program mix editor keeps its 12 bytes as they are; each field binds the whole byte.
    const auto mixByte = [](std::size_t i) {
        return [i](ModelSettings& s) -> SettingsRef { return &s.programMix[i]; };
    };
    for (std::size_t m = 0; m < kMixCount; ++m) {
        const std::string mix = "MIX " + std::to_string(m + 1) + " ";
        const std::size_t entry = kMixEntrySize * m;
        const std::size_t byte = block::kProgramMix + entry;
        t.editor(EditorGroup::ProgramMixes, editorrange::kMixSource);
        BlockField& source = t.addBits(mix + "source", byte, 0xF0, 4);
        source.names = listNames({"CH1", "CH2", "CH3", "CH4", "CH5", "CH6", "VR A", "VR B"});
        source.setting = mixByte(entry);
        t.editor(EditorGroup::ProgramMixes, editorrange::kMixDestination);
        BlockField& destination = t.addBits(mix + "destination", byte, 0x0F, 0);
        destination.names = listNames({"CH1", "CH2", "CH3", "CH4", "CH5", "CH6"});
        destination.setting = mixByte(entry);
        t.editor(EditorGroup::ProgramMixes, editorrange::kMixRate);
        t.addSigned(mix + "up rate", byte + 1).setting = mixByte(entry + 1);
        t.addSigned(mix + "down rate", byte + 2).setting = mixByte(entry + 2);
        t.editor(EditorGroup::ProgramMixes, editorrange::kMixSwitch);
        BlockField& onSwitch = t.addSigned(mix + "switch", byte + 3);
        onSwitch.names = listNames({"SW A", "SW B", "ON", "OFF"});
        onSwitch.setting = mixByte(entry + 3);
    }

    t.group(FieldGroup::Switches);
    const auto switchFunctions = listNames({"NULL", "DR", "ThroCut", "NOR/ID"});
    const auto vrFunctions = listNames({"NULL", "Pith Adjust"});
    t.editor(EditorGroup::SwitchesAndVrs, editorrange::kSwitchFunction);
    BlockField& switchA = t.addSigned("switch A function", block::kSwitchA);
    switchA.names = switchFunctions;
    switchA.setting = [](ModelSettings& s) -> SettingsRef { return &s.switchAFunction; };
    BlockField& switchB = t.addSigned("switch B function", block::kSwitchB);
    switchB.names = switchFunctions;
    switchB.setting = [](ModelSettings& s) -> SettingsRef { return &s.switchBFunction; };
    t.editor(EditorGroup::SwitchesAndVrs, editorrange::kVrFunction);
    BlockField& vrA = t.addSigned("VR A function", block::kVrA);
    vrA.names = vrFunctions;
    vrA.setting = [](ModelSettings& s) -> SettingsRef { return &s.vrAFunction; };
    BlockField& vrB = t.addSigned("VR B function", block::kVrB);
    vrB.names = vrFunctions;
    vrB.setting = [](ModelSettings& s) -> SettingsRef { return &s.vrBFunction; };

    t.group(FieldGroup::Checksum);
    t.editor(EditorGroup::None);
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

// Each integer goes into its bits as its low bits (two's complement), so every value an editor
// may hold lands where the block keeps it; nothing is clamped.
void packSettings(const ModelSettings& settings, BlockBytes& blockBytes) {
    ModelSettings view = settings;  // the table's references are to a changeable record
    for (const BlockField& field : blockFields()) {
        if (!field.setting)
            continue;  // curves and checksum slots are not the settings' to write
        std::uint8_t& byte = blockBytes[field.byte];
        const SettingsRef ref = field.setting(view);
        if (const int* const* value = std::get_if<int*>(&ref)) {
            if (field.isSigned)
                byte = lowByte(**value);
            else if (field.settingInPlace)  // as held, unmasked: the editor gives 0x00..0x30
                byte = static_cast<std::uint8_t>((byte & ~field.mask) | lowByte(**value));
            else
                setFieldValue(field, blockBytes, **value);
        } else if (bool* const* flag = std::get_if<bool*>(&ref)) {
            setFieldValue(field, blockBytes, **flag ? 1 : 0);
        } else if (std::uint8_t* const* raw = std::get_if<std::uint8_t*>(&ref)) {
            byte = **raw;
        } else {
            setFieldValue(field, blockBytes, 0);
        }
    }
}

void unpackSettings(const BlockBytes& blockBytes, ModelSettings& settings) {
    for (const BlockField& field : blockFields()) {
        if (!field.setting)
            continue;
        const SettingsRef ref = field.setting(settings);
        if (int* const* value = std::get_if<int*>(&ref)) {
            **value = field.settingInPlace ? blockBytes[field.byte] & field.mask
                                           : fieldValue(field, blockBytes);
        } else if (bool* const* flag = std::get_if<bool*>(&ref)) {
            **flag = fieldValue(field, blockBytes) != 0;
        } else if (std::uint8_t* const* raw = std::get_if<std::uint8_t*>(&ref)) {
            **raw = blockBytes[field.byte];
        }
    }
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
