// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-dump: prints a settings file field by field, or compares two of them.
//
//   pelorin-dump FILE
//   pelorin-dump --diff FILE_A FILE_B
//
// Exit status: 0 done (--diff: no field differs), 1 --diff: fields differ, 2 wrong usage,
// 3 a file could not be read or is not a settings file.

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "link/settingsfile.h"
#include "tools/dump/settingsreport.h"

namespace {

using namespace pelorin;

constexpr int kExitOk = 0;
constexpr int kExitDiffer = 1;
constexpr int kExitUsage = 2;
constexpr int kExitFile = 3;

constexpr const char* kUsage =
    "Usage: pelorin-dump FILE\n"
    "       pelorin-dump --diff FILE_A FILE_B\n"
    "\n"
    "Prints a Pelorin settings file (exactly 67 bytes) field by field: model type, stick\n"
    "mode, end points, reverse, sub trim, dual rates, swash AFR, throttle and pitch curves,\n"
    "program mixes, switch and VR functions and the two checksum slots.\n"
    "With --diff, prints only the fields in which FILE_B differs from FILE_A.\n"
    "\n"
    "Exit status: 0 printed (--diff: no field differs), 1 --diff: fields differ,\n"
    "2 wrong usage, 3 a file cannot be read or is not 67 bytes long.\n";

int usageError(const std::string& problem) {
    std::fprintf(stderr, "pelorin-dump: %s\n%s", problem.c_str(), kUsage);
    return kExitUsage;
}

// The file's bytes, or an error printed to stderr.
bool load(const std::string& path, BlockBytes& blockBytes) {
    auto result = readSettingsFile(path);
    if (const auto* error = std::get_if<FileError>(&result)) {
        std::fprintf(stderr, "pelorin-dump: %s\n", error->text.c_str());
        return false;
    }
    blockBytes = std::get<BlockBytes>(result);
    return true;
}

std::size_t widestName(const auto& fields) {
    std::size_t width = 0;
    for (const auto& field : fields)
        width = std::max(width, field.name.size());
    return width;
}

int dumpFile(const std::string& path) {
    BlockBytes blockBytes{};
    if (!load(path, blockBytes))
        return kExitFile;
    const dump::SettingsReport report = dump::makeSettingsReport(blockBytes);
    const int width = static_cast<int>(widestName(report));
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (i > 0 && report[i].group != report[i - 1].group)
            std::fputc('\n', stdout);
        std::printf("%-*s  %s\n", width, report[i].name.c_str(), report[i].value.c_str());
    }
    return kExitOk;
}

int diffFiles(const std::string& first, const std::string& second) {
    BlockBytes a{};
    BlockBytes b{};
    // Both files are checked before anything is printed, so an error is never mixed
    // into a partial comparison.
    const bool haveA = load(first, a);
    const bool haveB = load(second, b);
    if (!haveA || !haveB)
        return kExitFile;

    const dump::ReportOptions complete{.alwaysListSpareReverseBits = true};
    const auto differences = dump::compareReports(dump::makeSettingsReport(a, complete),
                                                  dump::makeSettingsReport(b, complete));
    const int width = static_cast<int>(widestName(differences));
    for (const auto& d : differences) {
        std::printf("%-*s  %s -> %s\n", width, d.name.c_str(), d.first.c_str(), d.second.c_str());
    }
    return differences.empty() ? kExitOk : kExitDiffer;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    bool diff = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            std::fputs(kUsage, stdout);
            return kExitOk;
        }
        if (!optionsEnded && arg == "--diff") {
            diff = true;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            return usageError("unknown option " + std::string(arg));
        } else {
            files.emplace_back(arg);
        }
    }
    if (diff) {
        if (files.size() != 2)
            return usageError("--diff needs exactly two files");
        return diffFiles(files[0], files[1]);
    }
    if (files.size() != 1)
        return usageError("expected exactly one file");
    return dumpFile(files[0]);
}
