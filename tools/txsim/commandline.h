// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// pelorin-txsim's command line.

#include <string>
#include <vector>

#include "tools/txsim/virtualtransmitter.h"

namespace pelorin::txsim {

struct CommandLine {
    Options options;
    bool help = false;
    bool version = false;
    bool quiet = false;
    std::string error;  // not empty: the command line is wrong, and this says why
};

// The arguments after the program name. A settings file named with --settings is read here.
// Numbers out of an option's range are refused, never wrapped or clamped.
[[nodiscard]] CommandLine parseCommandLine(const std::vector<std::string>& args);
[[nodiscard]] std::string usageText();

}  // namespace pelorin::txsim
