// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The jobs of pelorin-cli, one function each. Each returns the program's exit status and has
// said what happened: results on standard output, a failure as one line on standard error
// (followed by the advice the window shows for the same failure, indented).

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

namespace pelorin::cli {

enum ExitCode : int {
    kExitDone = 0,
    kExitDiffers = 1,   // the transmitter holds something else than was written
    kExitUsage = 2,     // wrong command line
    kExitFile = 3,      // a file cannot be read, is no settings file, or cannot be written;
                        // or it holds values no editor makes, and --force was not given
    kExitPort = 4,      // the port does not exist, does not open (held by another program,
                        // say), or went away
    kExitTimedOut = 5,  // the transmitter did not answer in time
};

struct Options {
    QString port;                   // empty: the first port that opens
    std::optional<QString> output;  // read: -o FILE ("-": standard output)
    bool json = false;              // read, monitor
    bool verify = true;             // write
    bool force = false;  // write, history send: send values outside the editors' ranges too
    std::chrono::milliseconds timeout{3000};  // every wait for the transmitter
    std::optional<double> seconds;            // monitor: how long; none: until Ctrl+C
    std::optional<int> count;                 // history: the newest N entries; none: all
};

[[nodiscard]] int listPorts();
[[nodiscard]] int readSettings(const Options& options);
// `file` is the name in the system's own bytes, which need not be UTF-8.
[[nodiscard]] int writeSettings(const QByteArray& file, const Options& options);
[[nodiscard]] int selectUser(int index, const Options& options);
[[nodiscard]] int monitor(const Options& options);
// The history the window and this program share: the list (newest first), one entry's fields,
// and an entry sent again with the same read-back verification as write.
[[nodiscard]] int listHistory(const Options& options);
[[nodiscard]] int showHistory(const QString& id, const Options& options);
[[nodiscard]] int sendHistory(const QString& id, const Options& options);

// "pelorin-cli: <first line>" on standard error, the rest of the text indented below it.
void printError(const QString& text);

}  // namespace pelorin::cli
