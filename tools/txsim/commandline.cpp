// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/txsim/commandline.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <variant>

#include "link/settingsfile.h"

namespace pelorin::txsim {

namespace {

constexpr const char* kDescription =
    "A virtual transmitter for Pelorin: a pseudo-terminal that behaves like the transmitter on\n"
    "its serial line. It registers itself in <runtime dir>/pelorin/ports/, where Pelorin finds\n"
    "it as COM1 (before any real port), answers Pelorin's commands, streams live channel\n"
    "frames while Pelorin has the line open, and logs every frame it receives. Ctrl+C ends it.";

constexpr const char* kCommands =
    "\nCommands it understands: ReadRequest (55 FD) is answered with a SettingsFrame of the\n"
    "selected model; a WriteFrame (55 FF ...) with a good checksum becomes that model's block;\n"
    "UserRequest (55 FA i) selects USER1 (0) or USER2 (1) and sends its SettingsFrame;\n"
    "StartAdjustRequest (55 99) and StopAdjustRequest (55 88) are logged.\n";

// The whole text must be a number in the type's range: no sign for counts, no blanks, no
// trailing characters, nothing that overflows.
template <typename T>
std::optional<T> parseNumber(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end)
        return std::nullopt;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value))
            return std::nullopt;
    }
    return value;
}

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption settings{
        {"s", "settings"}, "Start with the block of a 67-byte settings file as USER1.", "FILE"};
    QCommandLineOption rate{
        {"r", "rate"}, "Live channel frames per second, 0 to 10000 (default 50; 0: none).", "HZ"};
    QCommandLineOption name{
        {"n", "name"}, "Name of the link in the port folder (default txsim-<pid>).", "NAME"};
    QCommandLineOption portDir{"port-dir",
                               "Register in DIR instead of <runtime dir>/pelorin/ports.", "DIR"};
    QCommandLineOption quiet{{"q", "quiet"}, "Log nothing but errors."};
    QCommandLineOption badChecksum{"bad-checksum",
                                   "Fault: give every Nth frame sent a wrong checksum.", "N"};
    QCommandLineOption garbage{"garbage",
                               "Fault: put stray bytes (never 0x55) before every Nth frame.", "N"};
    QCommandLineOption split{"split", "Fault: write frames one byte at a time."};
    QCommandLineOption splitGap{
        "split-gap", "Pause after each byte of a split frame, 0 to 10000 (default 1).", "MS"};
    QCommandLineOption closeAfterSeconds{"close-after-seconds",
                                         "Fault: close the line S seconds after the start.", "S"};
    QCommandLineOption closeAfterFrames{"close-after-frames",
                                        "Fault: close the line after N live channel frames.", "N"};
    QCommandLineOption help;
    QCommandLineOption version;

    Parser() : help(parser.addHelpOption()), version(parser.addVersionOption()) {
        parser.setApplicationDescription(QString::fromUtf8(kDescription));
        parser.addOptions({settings, rate, name, portDir, quiet, badChecksum, garbage, split,
                           splitGap, closeAfterSeconds, closeAfterFrames});
    }

    [[nodiscard]] std::string text(const QCommandLineOption& option) const {
        return parser.value(option).toStdString();
    }
};

// "--rate" for the messages, as the user most likely wrote it.
std::string spelling(const QCommandLineOption& option) {
    return "--" + option.names().constLast().toStdString();
}

}  // namespace

std::string usageText() {
    Parser p;
    // The parser names the program after argv[0], or not at all without an application
    // object; the usage line names it as it is installed.
    std::string text = p.parser.helpText().toStdString();
    text.replace(0, text.find('\n'), "Usage: pelorin-txsim [options]");
    return text + kCommands;
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    Options& options = result.options;
    auto fail = [&](const std::string& text) {
        result.error = text;
        return result;
    };

    Parser p;
    QStringList arguments{QStringLiteral("pelorin-txsim")};
    for (const std::string& arg : args)
        arguments << QString::fromStdString(arg);
    if (!p.parser.parse(arguments)) {
        // Named as the user writes it ("--bogus", "-x"), not bare as the parser keeps it.
        if (const QStringList unknown = p.parser.unknownOptionNames(); !unknown.isEmpty()) {
            const std::string name = unknown.first().toStdString();
            return fail("unknown option \"" + std::string(name.size() == 1 ? "-" : "--") + name +
                        "\"");
        }
        return fail(p.parser.errorText().toStdString());
    }
    if (!p.parser.positionalArguments().isEmpty())
        return fail("unexpected argument \"" +
                    p.parser.positionalArguments().first().toStdString() + "\"");

    result.help = p.parser.isSet(p.help) || p.parser.isSet(QStringLiteral("help-all"));
    result.version = p.parser.isSet(p.version);
    result.quiet = p.parser.isSet(p.quiet);
    options.faults.splitFrames = p.parser.isSet(p.split);

    if (p.parser.isSet(p.settings)) {
        const auto read = readSettingsFile(p.text(p.settings));
        if (const auto* error = std::get_if<FileError>(&read))
            return fail(error->text);
        options.models[0] = std::get<BlockBytes>(read);
    }
    if (p.parser.isSet(p.rate)) {
        const std::string text = p.text(p.rate);
        const auto rate = parseNumber<double>(text);
        if (!rate || *rate < 0 || *rate > 10000)
            return fail("invalid number \"" + text + "\" for " + spelling(p.rate) +
                        ": give 0 to 10000 frames per second");
        options.frameRate = *rate;
    }
    if (p.parser.isSet(p.name)) {
        const std::string text = p.text(p.name);
        if (text.empty() || text.find('/') != std::string::npos || text == "." || text == "..")
            return fail(spelling(p.name) + " needs a plain file name");
        options.linkName = text;
    }
    if (p.parser.isSet(p.portDir)) {
        options.portFolder = p.text(p.portDir);
        if (options.portFolder.empty())
            return fail(spelling(p.portDir) + " needs a folder");
    }

    // Every Nth frame: 1 up to the largest count the transmitter keeps.
    auto count = [&](const QCommandLineOption& option, auto& into) -> bool {
        using Count = std::remove_reference_t<decltype(into)>;
        if (!p.parser.isSet(option))
            return true;
        const std::string text = p.text(option);
        const auto n = parseNumber<unsigned long long>(text);
        if (!n || *n == 0 || *n > std::numeric_limits<Count>::max()) {
            result.error = "invalid number \"" + text + "\" for " + spelling(option) +
                           ": give 1 to " + std::to_string(std::numeric_limits<Count>::max());
            return false;
        }
        into = static_cast<Count>(*n);
        return true;
    };
    if (!count(p.badChecksum, options.faults.badChecksumEvery) ||
        !count(p.garbage, options.faults.garbageEvery) ||
        !count(p.closeAfterFrames, options.faults.closeAfterFrames)) {
        return result;
    }

    if (p.parser.isSet(p.splitGap)) {
        const std::string text = p.text(p.splitGap);
        const auto ms = parseNumber<double>(text);
        if (!ms || *ms < 0 || *ms > 10000)
            return fail("invalid number \"" + text + "\" for " + spelling(p.splitGap) +
                        ": give 0 to 10000 milliseconds");
        options.faults.splitGap = std::chrono::microseconds(std::llround(*ms * 1000.0));
    }
    if (p.parser.isSet(p.closeAfterSeconds)) {
        const std::string text = p.text(p.closeAfterSeconds);
        const auto s = parseNumber<double>(text);
        if (!s || *s <= 0 || *s > 1e6) {
            return fail("invalid number \"" + text + "\" for " + spelling(p.closeAfterSeconds) +
                        ": give more than 0 and up to 1000000 seconds");
        }
        options.faults.closeAfterTime =
            std::chrono::milliseconds(std::max(1LL, std::llround(*s * 1000.0)));
    }
    return result;
}

}  // namespace pelorin::txsim
