// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/linkhealth.h"

#include <algorithm>

namespace pelorin {

void LinkHealth::start(std::int64_t nowMs, const FrameCounts& totals) {
    startMs_ = nowMs;
    base_ = totals;
    samples_.clear();
    samples_.push_back({nowMs, totals});
    lastGoodMs_.reset();
}

void LinkHealth::sample(std::int64_t nowMs, const FrameCounts& totals) {
    if (!samples_.empty() && totals.good > samples_.back().totals.good &&
        (!lastGoodMs_ || *lastGoodMs_ < samples_.back().ms)) {
        lastGoodMs_ = nowMs;  // frames came in since the last sample; no exact time was told
    }
    samples_.push_back({nowMs, totals});
    // Keep one sample at or before the span's start, so the rate covers the whole span.
    while (samples_.size() > 2 && samples_[1].ms <= nowMs - kRateSpanMs)
        samples_.pop_front();
}

void LinkHealth::goodFrameAt(std::int64_t nowMs) {
    lastGoodMs_ = nowMs;
}

FrameCounts LinkHealth::sinceStart() const {
    const FrameCounts& now = samples_.empty() ? base_ : samples_.back().totals;
    // A receiver started afresh behind our back counts from zero again: never go negative.
    auto diff = [](std::uint64_t a, std::uint64_t b) { return a >= b ? a - b : 0; };
    return {diff(now.good, base_.good), diff(now.dropped, base_.dropped),
            diff(now.settings, base_.settings)};
}

std::optional<double> LinkHealth::rate(std::uint64_t FrameCounts::*field) const {
    if (samples_.size() < 2)
        return std::nullopt;
    const Sample& first = samples_.front();
    const Sample& last = samples_.back();
    const std::int64_t span = last.ms - first.ms;
    if (span < kMinRateSpanMs)
        return std::nullopt;
    const std::uint64_t a = first.totals.*field;
    const std::uint64_t b = last.totals.*field;
    const double frames = b >= a ? static_cast<double>(b - a) : 0.0;
    return frames * 1000.0 / static_cast<double>(span);
}

std::optional<double> LinkHealth::goodPerSecond() const {
    return rate(&FrameCounts::good);
}

std::optional<double> LinkHealth::droppedPerSecond() const {
    return rate(&FrameCounts::dropped);
}

std::optional<std::int64_t> LinkHealth::msSinceLastGood(std::int64_t nowMs) const {
    if (!lastGoodMs_)
        return std::nullopt;
    return std::max<std::int64_t>(0, nowMs - *lastGoodMs_);
}

bool LinkHealth::noData(std::int64_t nowMs) const {
    const std::int64_t since = lastGoodMs_ ? *lastGoodMs_ : startMs_;
    return nowMs - since >= kNoDataAfterMs;
}

}  // namespace pelorin
