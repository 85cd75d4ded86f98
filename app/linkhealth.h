// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How healthy the line is, from the receiver's running totals sampled on the monitor's clock:
// counts since the monitor started watching, rates over the last second, the time since the
// last good frame, and whether data has stopped coming. Plain arithmetic on millisecond times,
// so it is tested with a made-up clock.

#include <cstdint>
#include <deque>
#include <optional>

namespace pelorin {

// Frames the receiver has seen, as running totals.
struct FrameCounts {
    std::uint64_t good = 0;      // LiveChannelFrames that passed their checks
    std::uint64_t dropped = 0;   // LiveChannelFrames dropped: bad checksum or a word above 2100
    std::uint64_t settings = 0;  // SettingsFrames that passed their checksum
};

class LinkHealth {
public:
    // Rates are taken over about this much of the most recent samples.
    static constexpr std::int64_t kRateSpanMs = 1000;
    // A shorter span than this gives no rate yet: two frames in 50 ms are not "40 per second".
    static constexpr std::int64_t kMinRateSpanMs = 250;
    // Nothing good for this long is "no data".
    static constexpr std::int64_t kNoDataAfterMs = 1000;

    // Starts afresh: counts from `totals`, no rate, no good frame seen yet.
    void start(std::int64_t nowMs, const FrameCounts& totals);
    // The totals as they stand at `nowMs` (never earlier than the previous sample). A rise in
    // good frames counts as a good frame at `nowMs` unless goodFrameAt() told of it.
    void sample(std::int64_t nowMs, const FrameCounts& totals);
    // A good frame arrived at `nowMs`.
    void goodFrameAt(std::int64_t nowMs);

    // Counts since start().
    [[nodiscard]] FrameCounts sinceStart() const;
    // Frames per second over the last second of samples; nothing while the span is too short.
    [[nodiscard]] std::optional<double> goodPerSecond() const;
    [[nodiscard]] std::optional<double> droppedPerSecond() const;
    // Time since the last good frame; nothing when none has come since start().
    [[nodiscard]] std::optional<std::int64_t> msSinceLastGood(std::int64_t nowMs) const;
    // True when no good frame has come for kNoDataAfterMs (or ever, once that long has passed
    // since start()).
    [[nodiscard]] bool noData(std::int64_t nowMs) const;

private:
    struct Sample {
        std::int64_t ms = 0;
        FrameCounts totals;
    };
    [[nodiscard]] std::optional<double> rate(std::uint64_t FrameCounts::*field) const;

    std::int64_t startMs_ = 0;
    FrameCounts base_;
    std::deque<Sample> samples_;
    std::optional<std::int64_t> lastGoodMs_;
};

}  // namespace pelorin
