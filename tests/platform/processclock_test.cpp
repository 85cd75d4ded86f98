// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Another process's processor time, as the benchmarks read it.

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <chrono>

#include "platform/processclock.h"

namespace pelorin {
namespace {

TEST(ProcessorSecondsOf, GrowsWhileTheProcessWorks_AndIsNothingForNoProcess) {
    const long self = static_cast<long>(QCoreApplication::applicationPid());
    const std::optional<double> before = processorSecondsOf(self);
    ASSERT_TRUE(before.has_value());
    // Busy for a quarter of a second: a few clock ticks at any tick rate.
    volatile unsigned long sink = 0;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
    while (std::chrono::steady_clock::now() < until)
        sink = sink + 1;
    const std::optional<double> after = processorSecondsOf(self);
    ASSERT_TRUE(after.has_value());
    EXPECT_GT(*after, *before);
    EXPECT_LT(*after - *before, 10.0);

    for (const long none : {0L, -1L, 999999999L})
        EXPECT_FALSE(processorSecondsOf(none).has_value()) << none;
}

}  // namespace
}  // namespace pelorin
