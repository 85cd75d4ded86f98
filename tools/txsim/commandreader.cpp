// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/txsim/commandreader.h"

#include <algorithm>
#include <cstdio>

namespace pelorin::txsim {

const char* commandName(Command::Kind kind) {
    switch (kind) {
        case Command::Kind::ReadRequest:
            return "ReadRequest";
        case Command::Kind::WriteFrame:
            return "WriteFrame";
        case Command::Kind::UserRequest:
            return "UserRequest";
        case Command::Kind::StartAdjust:
            return "StartAdjustRequest";
        case Command::Kind::StopAdjust:
            return "StopAdjustRequest";
        case Command::Kind::Unknown:
            break;
    }
    return "unknown command";
}

void CommandReader::reset() {
    state_ = State::Idle;
    frame_.clear();
    bodyRemaining_ = 0;
    stray_ = 0;
}

std::optional<Command> CommandReader::consume(std::uint8_t b) {
    switch (state_) {
        case State::Idle:
            if (b == kFrameHeader) {
                frame_.assign(1, b);
                state_ = State::CommandByte;
            } else {
                ++stray_;
            }
            return std::nullopt;

        case State::CommandByte:
            if (b == kFrameHeader) {
                // A header repeated: the first one was a stray byte.
                ++stray_;
                return std::nullopt;
            }
            frame_.push_back(b);
            switch (b) {
                case kReadCommand:
                    return finish(Command::Kind::ReadRequest);
                case kStartAdjustCommand:
                    return finish(Command::Kind::StartAdjust);
                case kStopAdjustCommand:
                    return finish(Command::Kind::StopAdjust);
                case kUserCommand:
                    pending_ = Command::Kind::UserRequest;
                    bodyRemaining_ = 1;
                    state_ = State::Body;
                    return std::nullopt;
                case kWriteCommand:
                    pending_ = Command::Kind::WriteFrame;
                    bodyRemaining_ = kWriteFrameSize - 2;
                    state_ = State::Body;
                    return std::nullopt;
                default:
                    return finish(Command::Kind::Unknown);
            }

        case State::Body:
            // Inside a body every byte is data, 0x55 included.
            frame_.push_back(b);
            if (--bodyRemaining_ == 0)
                return finish(pending_);
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Command> CommandReader::finish(Command::Kind kind) {
    Command command{kind, std::move(frame_), stray_};
    frame_.clear();
    stray_ = 0;
    state_ = State::Idle;
    return command;
}

WriteFrameContent writeFrameContent(const std::vector<std::uint8_t>& frame) {
    WriteFrameContent content;
    if (frame.size() != kWriteFrameSize)
        return content;
    std::copy_n(frame.begin() + 2, kSettingsBlockSize, content.blockBytes.begin());
    content.computedSum =
        byteSum(std::span<const std::uint8_t>(frame.data() + 2, kSettingsBlockSize));
    content.sentSum =
        static_cast<unsigned>(frame[kWriteFrameSize - 2]) << 8 | frame[kWriteFrameSize - 1];
    return content;
}

}  // namespace pelorin::txsim
