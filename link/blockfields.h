// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 67 bytes of blockBytes as named fields: where each field sits (byte, bits), how its
// value reads (signed byte, or unsigned bits), the names of its values, and where the editors'
// ModelSettings keep it. packSettings and unpackSettings follow this table, pelorin-dump prints
// its names and values, and the readable model format uses the same names as its keys, so none
// of them can drift apart. Every bit of the 67 bytes belongs to exactly one field.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "link/settingsblock.h"

namespace pelorin {

// Fields that belong together share a group; the dump separates groups by a blank line.
enum class FieldGroup { Model, Channels, Curves, Mixes, Switches, Checksum };

// The settings as the editors divide them: one group per editor (the two switches and the two
// knobs together). A send can leave out whole groups; readable files list them apart.
enum class EditorGroup {
    TypeAndStick,
    Reverse,
    EndPoints,
    SubTrim,
    DualRates,
    SwashAfr,
    ThrottleCurve,
    PitchCurve,
    ProgramMixes,
    SwitchesAndVrs,
    None,  // the checksum slots: no editor's, and not sent as settings
};

// The values an editor lets the user enter or choose for a field; the editors check against
// these, so a block holding anything else was not made by them.
struct ValueRange {
    int min;
    int max;
    [[nodiscard]] constexpr bool contains(int value) const { return value >= min && value <= max; }
};

namespace editorrange {
inline constexpr ValueRange kModelType{0, 3};   // ACRO, HELI-120, HELI-90, HELI-140
inline constexpr ValueRange kStickMode{0, 3};   // MODEL1..MODEL4
inline constexpr ValueRange kEndPoint{0, 120};  // percent
inline constexpr ValueRange kSubTrim{-120, 120};
inline constexpr ValueRange kDualRate{0, 100};     // percent
inline constexpr ValueRange kSwashAfr{-100, 100};  // percent; below 0 reverses
inline constexpr ValueRange kCurvePoint{-128, 127};
inline constexpr ValueRange kMixSource{0, 7};       // CH1..CH6, VR A, VR B
inline constexpr ValueRange kMixDestination{0, 5};  // CH1..CH6
inline constexpr ValueRange kMixRate{-100, 100};
inline constexpr ValueRange kMixSwitch{0, 3};       // SW A, SW B, ON, OFF
inline constexpr ValueRange kSwitchFunction{0, 3};  // NULL, DR, ThroCut, NOR/ID
inline constexpr ValueRange kVrFunction{0, 1};      // NULL, Pith Adjust
}  // namespace editorrange

// Where ModelSettings keep a field: an integer, a flag, or a byte laid out as the block's (the
// program mix, whose editor keeps its bytes as they are); a null pointer for bits that packing
// writes as 0 and no setting holds.
using SettingsRef = std::variant<int*, bool*, std::uint8_t*>;

struct BlockField {
    std::string name;  // e.g. "end point CH1 R"
    FieldGroup group = FieldGroup::Model;
    std::size_t byte = 0;            // offset in blockBytes
    std::uint8_t mask = 0xFF;        // the bits of the byte that hold the field
    unsigned shift = 0;              // value = (byte AND mask) >> shift
    bool isSigned = false;           // a whole byte read as -128..127
    bool hexText = false;            // shown as the byte's bits in place ("0x40")
    bool sparseListing = false;      // the dump lists it only when not zero (spare bits)
    std::vector<std::string> names;  // names of the values 0, 1, ...; others read "unknown (n)"
    // The field in ModelSettings; empty for the bytes no setting holds (the curves, which the
    // curve editors keep in blockBytes, and the checksum slots), which packing leaves alone.
    std::function<SettingsRef(ModelSettings&)> setting;
    EditorGroup editorGroup = EditorGroup::None;
    // What the field's editor makes; unset: every value the bits can hold.
    std::optional<ValueRange> editorRange;

    [[nodiscard]] int minValue() const { return isSigned ? -128 : 0; }
    [[nodiscard]] int maxValue() const { return isSigned ? 127 : static_cast<int>(mask >> shift); }
    [[nodiscard]] ValueRange editorValues() const {
        return editorRange.value_or(ValueRange{minValue(), maxValue()});
    }
    // The field's value in a byte `bits`, and that byte with the field's bits set to `value`.
    [[nodiscard]] int valueIn(std::uint8_t bits) const {
        return isSigned ? signedByte(bits) : (bits & mask) >> shift;
    }
    [[nodiscard]] std::uint8_t withValue(std::uint8_t bits, int value) const {
        if (isSigned)
            return lowByte(value);
        return static_cast<std::uint8_t>((bits & ~mask) |
                                         ((static_cast<unsigned>(value) << shift) & mask));
    }
};

// The channels that have dual rates, and those that have swash AFR values, as indices CH1 = 0,
// in the order the block and ModelSettings keep them.
[[nodiscard]] constexpr std::array<std::size_t, 3> dualRateChannels() {
    return {0, 1, 3};
}
[[nodiscard]] constexpr std::array<std::size_t, 3> swashAfrChannels() {
    return {0, 1, 5};
}
static_assert(dualRateChannels().size() == std::tuple_size_v<decltype(ModelSettings::dualRateOn)>);
static_assert(swashAfrChannels().size() == std::tuple_size_v<decltype(ModelSettings::swashAfr)>);

// Every field, in the dump's order.
[[nodiscard]] const std::vector<BlockField>& blockFields();
// The field of that name, or nullptr.
[[nodiscard]] const BlockField* findBlockField(std::string_view name);

[[nodiscard]] int fieldValue(const BlockField& field, const BlockBytes& blockBytes);
// Stores `value` (which must lie in minValue()..maxValue()) in the field's bits, leaving every
// other bit of the byte as it was.
void setFieldValue(const BlockField& field, BlockBytes& blockBytes, int value);

// The name of a value, if it has one.
[[nodiscard]] const std::string* valueName(const BlockField& field, int value);
// The value a name stands for (exact, case-sensitive match).
[[nodiscard]] std::optional<int> valueOfName(const BlockField& field, std::string_view name);
// The readable text of a value: its name, the number, or "unknown (n)" for a number
// that has no name in a field whose values have names.
[[nodiscard]] std::string valueText(const BlockField& field, int value);

// The settings fields (checksum slots left out) whose values in `block` no editor could have
// made, in table order.
[[nodiscard]] std::vector<const BlockField*> fieldsOutsideEditorRanges(const BlockBytes& block);

// `wanted` with the fields of every group not in `groups` as they are in `current`: what
// sending only those groups of `wanted` leaves on a transmitter that holds `current`.
[[nodiscard]] BlockBytes withGroupsFrom(const BlockBytes& current, const BlockBytes& wanted,
                                        const std::vector<EditorGroup>& groups);

struct BlockFieldDifference {
    const BlockField* field;
    int first;
    int second;
};

// The fields whose values differ between two blocks, in table order. The checksum slots are
// left out unless asked for: they are not settings, and a transmitter holds none.
[[nodiscard]] std::vector<BlockFieldDifference> blockDifferences(const BlockBytes& first,
                                                                 const BlockBytes& second,
                                                                 bool withChecksumSlots);

}  // namespace pelorin
