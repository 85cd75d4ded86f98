// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transmitter's model configuration: the 65-byte SettingsBlock as it travels on the
// line and in files, and ModelSettings, the typed values the editors show and change.

#include <array>
#include <cstddef>
#include <cstdint>

namespace pelorin {

inline constexpr std::size_t kSettingsBlockSize = 65;
// blockBytes: the block followed by the two checksum slots; also the settings file image.
inline constexpr std::size_t kBlockBytesSize = 67;
inline constexpr std::size_t kChecksumSlot1 = 65;
inline constexpr std::size_t kChecksumSlot2 = 66;

using BlockBytes = std::array<std::uint8_t, kBlockBytesSize>;
static_assert(sizeof(BlockBytes) == 67);

// Byte offsets of the fields in the block.
namespace block {
inline constexpr std::size_t kModelAndStick = 0;  // low nibble model type, high nibble stick mode
inline constexpr std::size_t kReverse = 1;        // bit k = CH k+1
inline constexpr std::size_t kDualRate = 2;       // ON/OFF pairs for CH1, CH2, CH4: 2,3 / 4,5 / 6,7
inline constexpr std::size_t kSwashAfr = 8;       // CH1, CH2, CH6
inline constexpr std::size_t kEndPoint = 11;  // left/right pairs for CH1..CH6: 11,12 / ... / 21,22
inline constexpr std::size_t kThrottleCurve = 23;  // 10 bytes, NOR/ID interleaved point by point
inline constexpr std::size_t kPitchCurve = 33;     // 10 bytes, same scheme
inline constexpr std::size_t kCurveSize = 10;
inline constexpr std::size_t kSubTrim = 43;     // CH1..CH6
inline constexpr std::size_t kProgramMix = 49;  // 12 bytes, three MixEntry records
inline constexpr std::size_t kSwitchA = 61;
inline constexpr std::size_t kSwitchB = 62;
inline constexpr std::size_t kVrA = 63;
inline constexpr std::size_t kVrB = 64;
}  // namespace block

inline constexpr std::size_t kProgramMixSize = 12;
inline constexpr int kChannelCount = 6;

// The editable values. Integers are what the editors hold; each is stored in the block as
// its low 8 bits and read back as a signed byte (no offset, no scaling, no clamping).
struct ModelSettings {
    int modelType = 0;                   // 0 ACRO, 1 HELI-120, 2 HELI-90, 3 HELI-140
    int stickMode = 0;                   // 0 MODEL1 .. 3 MODEL4, the high nibble of byte 0
    std::array<bool, 6> reverse{};       // CH1..CH6
    std::array<int, 3> dualRateOn{};     // CH1, CH2, CH4
    std::array<int, 3> dualRateOff{};    // CH1, CH2, CH4
    std::array<int, 3> swashAfr{};       // CH1, CH2, CH6
    std::array<int, 6> endPointLeft{};   // CH1..CH6
    std::array<int, 6> endPointRight{};  // CH1..CH6
    std::array<int, 6> subTrim{};        // CH1..CH6
    std::array<std::uint8_t, kProgramMixSize> programMix{};
    int switchAFunction = 0;
    int switchBFunction = 0;
    int vrAFunction = 0;
    int vrBFunction = 0;

    friend bool operator==(const ModelSettings&, const ModelSettings&) = default;
};

// The values before anything has been received: end points 100, everything else 0.
[[nodiscard]] ModelSettings startingSettings();

// Writes every field into blockBytes 0..64, as the field table (link/blockfields.h) places
// them. The curve bytes 23..42 and the checksum slots 65..66 are left exactly as they are: the
// curves have no field of their own.
void packSettings(const ModelSettings& settings, BlockBytes& blockBytes);

// Reads every field back from blockBytes 0..64 (the caller then updates the curve buttons).
void unpackSettings(const BlockBytes& blockBytes, ModelSettings& settings);

// The rule behind the three helicopter buttons ("Thro Cuv", "Pitch Cuv", "Swash Afr"):
// shown exactly when the model type nibble of byte 0 is not zero.
[[nodiscard]] constexpr bool curveButtonsVisible(std::uint8_t byte0) {
    return (byte0 & 0x0F) != 0;
}

// Two's-complement helpers shared by everything that stores integers in single bytes.
[[nodiscard]] constexpr std::uint8_t lowByte(int value) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(value) & 0xFFu);
}
[[nodiscard]] constexpr int signedByte(std::uint8_t byte) {
    return static_cast<int>(static_cast<std::int8_t>(byte));
}

// The block as the transmitter would start: packed starting settings, curves 0, slots 0.
[[nodiscard]] BlockBytes startingBlock();

// A new model of `modelType` (0 ACRO .. 3 HELI-140) with nothing set yet: end points 100,
// nothing reversed, sub trims 0, dual rates 100, swash AFR 50 (a helicopter's swash moves,
// gently, until it is set up), straight curves (0, 25, 50, 75, 100 for NOR and ID), the three
// mixes off with rates 0, switches and knobs without a function; checksum slots 0.
[[nodiscard]] BlockBytes blankBlock(int modelType);

}  // namespace pelorin
