// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transmitter's side of the line: turns the bytes the program sends into commands.
// One byte at a time; all state lives in the object, so a command may arrive in any pieces.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/frames.h"

namespace pelorin::txsim {

struct Command {
    enum class Kind { ReadRequest, WriteFrame, UserRequest, StartAdjust, StopAdjust, Unknown };
    Kind kind = Kind::Unknown;
    std::vector<std::uint8_t> bytes;  // the whole frame as it arrived, header included
    std::size_t strayBefore = 0;      // bytes outside any frame skipped before this one
};

[[nodiscard]] const char* commandName(Command::Kind kind);

class CommandReader {
public:
    // Takes one byte; returns the command it completes, if any. An unknown command byte after
    // the header comes back as Kind::Unknown (header and that byte) and the reader is idle.
    std::optional<Command> consume(std::uint8_t b);
    void reset();

private:
    enum class State { Idle, CommandByte, Body };
    std::optional<Command> finish(Command::Kind kind);

    State state_ = State::Idle;
    Command::Kind pending_ = Command::Kind::Unknown;
    std::vector<std::uint8_t> frame_;
    std::size_t bodyRemaining_ = 0;
    std::size_t stray_ = 0;
};

// The WriteFrame's block and whether its checksum matches (a frame of the right length only).
struct WriteFrameContent {
    BlockBytes blockBytes{};  // bytes 0..64 from the frame, checksum slots 0
    unsigned sentSum = 0;
    unsigned computedSum = 0;
    [[nodiscard]] bool checksumOk() const { return sentSum == computedSum; }
};
[[nodiscard]] WriteFrameContent writeFrameContent(const std::vector<std::uint8_t>& frame);

}  // namespace pelorin::txsim
