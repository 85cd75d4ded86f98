// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 67 bytes of blockBytes as named fields: where each field sits (byte, bits), how its
// value reads (signed byte, or unsigned bits), the names of its values, and where the editors'
// ModelSettings keep it. packSettings and unpackSettings follow this table, pelorin-dump prints
// its names and values, and the readable model format uses the same names as its keys, so none
// of them can drift apart. Every bit of the 67 bytes belongs to exactly one field.

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

struct ValueName {
    int value;
    std::string name;
};

// Where ModelSettings keep a field: an integer, a flag, or the whole byte as it is (the mix
// entries); monostate for bits that packing writes as 0 and no setting holds.
using SettingsRef = std::variant<std::monostate, int*, bool*, std::uint8_t*>;

struct BlockField {
    std::string name;  // e.g. "end point CH1 R"
    FieldGroup group = FieldGroup::Model;
    std::size_t byte = 0;          // offset in blockBytes
    std::uint8_t mask = 0xFF;      // the bits of the byte that hold the field
    unsigned shift = 0;            // value = (byte AND mask) >> shift
    bool isSigned = false;         // a whole byte read as -128..127
    bool hexText = false;          // shown as the byte's bits in place ("0x40")
    bool sparseListing = false;    // the dump lists it only when not zero (spare bits)
    std::vector<ValueName> names;  // names of known values; others read "unknown (n)"
    // The field in ModelSettings; empty for the bytes no setting holds (the curves, which the
    // curve editors keep in blockBytes, and the checksum slots), which packing leaves alone.
    std::function<SettingsRef(ModelSettings&)> setting;
    bool settingInPlace = false;  // the setting holds the bits where the byte holds them

    [[nodiscard]] int minValue() const { return isSigned ? -128 : 0; }
    [[nodiscard]] int maxValue() const { return isSigned ? 127 : static_cast<int>(mask >> shift); }
};

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
