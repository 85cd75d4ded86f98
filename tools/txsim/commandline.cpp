// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/txsim/commandline.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <variant>

#include "link/settingsfile.h"

namespace pelorin::txsim {

namespace {

template <typename T>
std::optional<T> parseValue(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

}  // namespace

std::string usageText() {
    return R"(Usage: pelorin-txsim [OPTION]...
A virtual transmitter for Pelorin: a pseudo-terminal that behaves like the transmitter on its
serial line. It registers itself in <runtime dir>/pelorin/ports/, where Pelorin finds it as
COM1 (before any real port), answers Pelorin's commands, streams live channel frames while
Pelorin has the line open, and logs every frame it receives. Ctrl+C ends it.

Options:
  -s, --settings FILE         start with the block of a 67-byte settings file as USER1
  -r, --rate HZ               live channel frames per second (default 50; 0: none)
  -n, --name NAME             name of the link in the port folder (default txsim-<pid>)
      --port-dir DIR          register in DIR instead of <runtime dir>/pelorin/ports
  -q, --quiet                 log nothing but errors
  -h, --help                  show this text and exit

Faults, to try the program's receiver:
      --bad-checksum N        give every Nth frame sent a wrong checksum
      --garbage N             put stray bytes (never 0x55) before every Nth frame
      --split                 write frames one byte at a time
      --split-gap MS          pause after each byte of a split frame (default 1)
      --close-after-seconds S close the line S seconds after the start
      --close-after-frames N  close the line after N live channel frames

Commands it understands: ReadRequest (55 FD) is answered with a SettingsFrame of the selected
model; a WriteFrame (55 FF ...) with a good checksum becomes that model's block; UserRequest
(55 FA i) selects USER1 (0) or USER2 (1) and sends its SettingsFrame; StartAdjustRequest
(55 99) and StopAdjustRequest (55 88) are logged.
)";
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    Options& options = result.options;
    auto fail = [&](const std::string& text) {
        result.error = text;
        return result;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (option.starts_with("--")) {
            if (const std::size_t eq = option.find('='); eq != std::string::npos) {
                value = option.substr(eq + 1);
                option.resize(eq);
            }
        }
        auto takeValue = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (i + 1 < args.size())
                return args[++i];
            return std::nullopt;
        };
        auto needValue = [&](std::string& out) {
            const std::optional<std::string> v = takeValue();
            if (!v)
                return false;
            out = *v;
            return true;
        };
        auto count = [&](const std::string& text) { return parseValue<unsigned long long>(text); };

        std::string text;
        if (option == "-h" || option == "--help") {
            result.help = true;
        } else if (option == "-q" || option == "--quiet") {
            result.quiet = true;
        } else if (option == "--split") {
            options.faults.splitFrames = true;
        } else if (option == "-s" || option == "--settings") {
            if (!needValue(text))
                return fail(option + " needs a file name");
            const auto read = readSettingsFile(text);
            if (const auto* error = std::get_if<FileError>(&read))
                return fail(error->text);
            options.models[0] = std::get<BlockBytes>(read);
        } else if (option == "-r" || option == "--rate") {
            if (!needValue(text))
                return fail(option + " needs a number of frames per second");
            const auto rate = parseValue<double>(text);
            if (!rate || !std::isfinite(*rate) || *rate < 0 || *rate > 10000) {
                return fail("invalid rate \"" + text + "\": give 0 to 10000 frames per second");
            }
            options.frameRate = *rate;
        } else if (option == "-n" || option == "--name") {
            if (!needValue(text) || text.empty() || text.find('/') != std::string::npos ||
                text == "." || text == "..") {
                return fail(option + " needs a plain file name");
            }
            options.linkName = text;
        } else if (option == "--port-dir") {
            if (!needValue(text) || text.empty())
                return fail(option + " needs a folder");
            options.portFolder = text;
        } else if (option == "--bad-checksum" || option == "--garbage" ||
                   option == "--close-after-frames") {
            if (!needValue(text))
                return fail(option + " needs a number");
            const auto n = count(text);
            if (!n || *n == 0)
                return fail("invalid number \"" + text + "\" for " + option);
            if (option == "--bad-checksum") {
                options.faults.badChecksumEvery = static_cast<unsigned>(*n);
            } else if (option == "--garbage") {
                options.faults.garbageEvery = static_cast<unsigned>(*n);
            } else {
                options.faults.closeAfterFrames = *n;
            }
        } else if (option == "--split-gap") {
            if (!needValue(text))
                return fail(option + " needs milliseconds");
            const auto ms = parseValue<double>(text);
            if (!ms || !std::isfinite(*ms) || *ms < 0 || *ms > 10000) {
                return fail("invalid gap \"" + text + "\": give 0 to 10000 milliseconds");
            }
            options.faults.splitGap = std::chrono::microseconds(std::llround(*ms * 1000.0));
        } else if (option == "--close-after-seconds") {
            if (!needValue(text))
                return fail(option + " needs seconds");
            const auto s = parseValue<double>(text);
            if (!s || !std::isfinite(*s) || *s <= 0 || *s > 1e6) {
                return fail("invalid time \"" + text + "\" for " + option);
            }
            options.faults.closeAfterTime =
                std::chrono::milliseconds(std::max(1LL, std::llround(*s * 1000.0)));
        } else {
            return fail("unknown option \"" + args[i] + "\"");
        }
    }
    return result;
}

}  // namespace pelorin::txsim
