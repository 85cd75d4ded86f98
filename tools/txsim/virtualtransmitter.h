// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A transmitter on a pseudo-terminal, so the program can be tried and tested without hardware.
// It registers its terminal as a link in the virtual-port folder, answers the program's
// commands, streams live channel frames while a program has the line open, and can misbehave
// on purpose. Runs on a thread of its own (start/stop) or step by step (runOnce).

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <random>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "link/frames.h"
#include "link/settingsblock.h"
#include "platform/pseudoterminal.h"
#include "tools/txsim/commandreader.h"

namespace pelorin::txsim {

using Clock = std::chrono::steady_clock;

// Deliberate faults, to try the program's receiver.
struct Faults {
    unsigned badChecksumEvery = 0;  // every Nth frame sent has a checksum one too high; 0: none
    unsigned garbageEvery = 0;      // stray bytes (never 0x55) before every Nth frame; 0: none
    bool splitFrames = false;       // frames written one byte per write
    std::chrono::microseconds splitGap{1000};  // pause after each byte of a split frame
    std::chrono::milliseconds closeAfterTime{
        0};                              // close the line this long after opening; 0: never
    std::uint64_t closeAfterFrames = 0;  // close the line after this many live frames; 0: never
};

struct Options {
    std::array<BlockBytes, 2> models;  // the stored models USER1 and USER2
    double frameRate = 50.0;           // live frames per second while connected; 0: none
    Faults faults;
    std::string linkName;    // empty: "txsim-<pid>" (with a counter for more than one per process)
    std::string portFolder;  // empty: the program's virtual-port folder
    std::uint32_t seed = 1;  // for the stray bytes

    Options();
};

// The stored models a fresh transmitter starts with: USER1 the plain starting block (ACRO,
// end points 100), USER2 a helicopter set-up that looks different in every editor.
[[nodiscard]] std::array<BlockBytes, 2> defaultModels();

// The live values `seconds` after the start: each channel swings smoothly through its travel
// (centre 1512, +-420, to the display's outer markers), each at its own pace; the auxiliary
// word sweeps 0..1023 and back every four seconds.
[[nodiscard]] LiveValues sweepValues(double seconds);

class VirtualTransmitter {
public:
    explicit VirtualTransmitter(Options options = Options());
    ~VirtualTransmitter();
    VirtualTransmitter(const VirtualTransmitter&) = delete;
    VirtualTransmitter& operator=(const VirtualTransmitter&) = delete;

    // Creates the pseudo-terminal (raw mode) and registers it. False, with a reason, on failure.
    bool open(std::string* error = nullptr);
    // open() if needed, then serves the line on a thread of its own until stop().
    bool start(std::string* error = nullptr);
    void stop();

    // One step: waits at most `maxWait` for bytes or the next due frame, then handles them.
    void runOnce(std::chrono::microseconds maxWait);
    // Steps until requestStop() or until the line has been closed.
    void run();
    // Safe to call from a signal handler.
    void requestStop() noexcept;

    // Queued and written by the loop once a program has the line open. Raw bytes go out as
    // they are; frames get the configured faults.
    void sendRaw(std::span<const std::uint8_t> bytes);
    void sendSettingsFrame();
    void sendLiveFrame(const LiveValues& values);
    // Closes the line as an unplugged transmitter would, and removes the link. Its log line is
    // reported on the calling thread.
    void closeLine();

    [[nodiscard]] std::string slavePath() const;
    [[nodiscard]] std::string linkPath() const;
    [[nodiscard]] bool lineOpen() const;
    // Whether a program has the terminal open (as last seen by the loop).
    [[nodiscard]] bool connected() const;
    [[nodiscard]] std::vector<std::uint8_t> receivedBytes() const;
    [[nodiscard]] std::vector<Command> receivedCommands() const;
    [[nodiscard]] BlockBytes currentBlock() const;
    [[nodiscard]] int currentUser() const;
    [[nodiscard]] bool adjusting() const;
    [[nodiscard]] std::uint64_t liveFramesSent() const;

    // Set before start(); called on the loop's thread, never with the lock held. `written` is
    // the time the write of the frame's last byte was issued.
    std::function<void(const std::string& line)> log;
    std::function<void(std::span<const std::uint8_t> frame, Clock::time_point written)>
        frameWritten;

private:
    enum class ChunkKind { Raw, Stray, Live, Settings };
    struct Chunk {
        std::vector<std::uint8_t> bytes;
        std::size_t offset = 0;
        ChunkKind kind = ChunkKind::Raw;
        bool endsFrame = false;
        std::vector<std::uint8_t> frame;  // the whole frame, on the chunk that ends it
        Clock::duration gapAfter{};
    };
    // What a step has to tell the hooks once the lock is released.
    struct Events {
        std::vector<std::string> lines;
        std::vector<std::pair<std::vector<std::uint8_t>, Clock::time_point>> written;
    };

    void checkConnection(Events& events);
    void readCommands(Events& events);
    void handleCommand(const Command& command, Events& events);
    void disconnect(Events& events, const char* why);
    void renewTerminal(Events& events);
    void queueDueLiveFrames(Clock::time_point now);
    void queueFrame(std::vector<std::uint8_t> frame, ChunkKind kind, Events* events);
    void writeDue(Events& events);
    void checkCloseFaults(Clock::time_point now, Events& events);
    void closeLineLocked(Events& events, const std::string& why);
    void removeLink();
    void wake() noexcept;
    void emitEvents(Events& events);
    [[nodiscard]] Clock::time_point nextDeadline(Clock::time_point now) const;

    Options options_;
    mutable std::mutex mutex_;
    PseudoTerminal terminal_;
    WakeUp wakeUp_;
    std::string slavePath_;
    std::string linkPath_;
    bool lineOpen_ = false;
    bool connected_ = false;
    bool writeBlocked_ = false;
    bool adjusting_ = false;
    int user_ = 0;
    std::array<BlockBytes, 2> models_;
    CommandReader reader_;
    std::deque<Chunk> queue_;
    std::size_t queuedBytes_ = 0;
    std::vector<std::uint8_t> received_;
    std::vector<Command> commands_;
    std::uint64_t framesQueued_ = 0;
    std::uint64_t liveFramesSent_ = 0;
    Clock::time_point opened_{};
    Clock::time_point nextLive_{};
    Clock::time_point nextChunk_{};
    Clock::time_point closeAt_ = Clock::time_point::max();  // a fault's close, once decided
    std::string closeReason_;
    std::mt19937 random_;
    std::atomic<bool> stopRequested_{false};
    std::thread thread_;
};

}  // namespace pelorin::txsim
