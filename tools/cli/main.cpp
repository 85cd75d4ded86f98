// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-cli: the transmitter without a window. Lists the ports, backs the settings up,
// restores them with verification, selects a stored model and streams the live channels.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <set>

#include "platform/portadvice.h"
#include "platform/savefile.h"
#include "platform/stopsignals.h"
#include "tools/cli/commands.h"

namespace {

using namespace pelorin::cli;

// The program's texts, under one translation context.
struct CliTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::cli::CliTexts)
};

QString description() {
    return CliTexts::
        tr("Talks to the transmitter without a window: lists the serial ports, backs up and "
           "restores the settings, selects a stored model and streams the live channels.\n"
           "\n"
           "Commands:\n"
           "  ports\n"
           "      Every port the program numbers (COM1 to COM22): its device, where a virtual\n"
           "      port's link leads, USB vendor and product id, serial number and description\n"
           "      where the system has them, and whether it opens now (if not, why).\n"
           "  read [--port P] [-o FILE] [--json] [--timeout S]\n"
           "      Asks the transmitter for its settings and waits for them. Writes them as a\n"
           "      67-byte settings file to FILE (replaced whole or not at all), or to standard\n"
           "      output when FILE is \"-\" or -o is not given; with --json, writes the readable\n"
           "      form instead (every field by name).\n"
           "  write FILE [--port P] [--no-verify] [--force] [--timeout S]\n"
           "      Sends the block of a settings file (FILE \"-\": standard input) in one write,\n"
           "      then reads the settings back and compares them; prints the fields that\n"
           "      differ when the transmitter holds something else. A block with values that\n"
           "      no editor of the window makes is refused, naming each such field, unless\n"
           "      --force is given.\n"
           "  user 0|1 [--port P] [--timeout S]\n"
           "      Selects the stored model USER1 (0) or USER2 (1) and prints a summary of the\n"
           "      settings the transmitter sends for it.\n"
           "  monitor [--port P] [--seconds N] [--json] [--timeout S]\n"
           "      Prints every live channel frame as a line: seconds since the start, the six\n"
           "      channel values (centre 0) and the auxiliary value; with --json one JSON object\n"
           "      per line. Ends after N seconds, or on Ctrl+C, with a line of the frames\n"
           "      received and dropped (failed checks); ends with status 5 when no good frame\n"
           "      has come for the time-out.\n"
           "  history [-n N] [--json]\n"
           "      The history this program and the window keep of the transmitter's settings:\n"
           "      every block it sent and every block written to it, newest first, each with\n"
           "      its number, time, what happened and the fields it changed; -n N: the newest N\n"
           "      only; --json: one JSON object per line.\n"
           "  history show ID [--json]\n"
           "      Every field of entry ID; with --json, its readable form (a model file).\n"
           "  history send ID [--port P] [--no-verify] [--force] [--timeout S]\n"
           "      Sends entry ID's settings to the transmitter and verifies them, as write does\n"
           "      (values no editor makes only with --force).\n"
           "\n"
           "--port P is a COM number (\"3\" or \"COM3\"), a device path (\"%1\") or the\n"
           "name of a virtual transmitter (\"txsim-1234\").\n"
           "Without --port, the port the window found the transmitter on last time is used,\n"
           "as the window does; when it is not there, the first port that opens. When that\n"
           "port is there but does not open (the window holds it, say), the command ends\n"
           "with status 4 and says who holds it.\n"
           "\n"
           "Exit status:\n"
           "  0  done\n"
           "  1  write: the transmitter holds other settings than were written\n"
           "  2  wrong usage\n"
           "  3  a file cannot be read or is not a settings file (67 bytes), the output\n"
           "     cannot be written, the history has no such entry, or the settings hold\n"
           "     values no editor makes (without --force)\n"
           "  4  the port does not exist, does not open, or was lost\n"
           "  5  the transmitter did not answer in time")
            .arg(pelorin::exampleDevicePath());
}

int usageError(const QString& problem) {
    printError(problem + u'\n' + CliTexts::tr("Try 'pelorin-cli --help'."));
    return kExitUsage;
}

// Seconds as a positive number of at most a day.
std::optional<double> parseSeconds(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value > 0.0) || value > 86400.0)
        return std::nullopt;
    return value;
}

// The bytes of the command-line argument that reads as `text`, whole or after an option's name
// ("-oFILE", "--output=FILE"): the arguments as Qt gives them replace bytes that are not UTF-8,
// and such a name would no longer open its file, or would name another one.
QByteArray nativeArgument(int argc, char** argv, const QString& text) {
    for (int i = argc - 1; i > 0; --i) {
        if (QFile::decodeName(argv[i]) == text)
            return QByteArray(argv[i]);
    }
    for (int i = argc - 1; i > 0; --i) {
        const QByteArray argument(argv[i]);
        for (qsizetype start = 1; start < argument.size(); ++start) {
            if (QFile::decodeName(argument.mid(start)) == text)
                return argument.mid(start);
        }
    }
    return QFile::encodeName(text);
}

// Whether a file name in the system's bytes survives as a QString, which saving needs.
bool savableName(const QByteArray& native) {
    return QFile::encodeName(QFile::decodeName(native)) == native;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pelorin-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PELORIN_VERSION));
    pelorin::setPortChooser(pelorin::PortChooser::CommandLine);
    // Ended by Ctrl+C, a terminate request or a reader of the output that went away: the
    // port is closed first, so the next program opens it at once.
    pelorin::closePortsOnStopSignals();

    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 CliTexts::tr("ports, read, write, user, monitor or history."));
    parser.addPositionalArgument(
        QStringLiteral("argument"),
        CliTexts::tr("write: the settings file; user: 0 or 1; history: show ID or send ID."),
        QStringLiteral("[FILE|0|1|show ID|send ID]"));
    const QCommandLineOption portOption(
        {QStringLiteral("p"), QStringLiteral("port")},
        CliTexts::tr("The port: a COM number, a device path or a virtual transmitter's name."),
        QStringLiteral("P"));
    const QCommandLineOption outputOption(
        {QStringLiteral("o"), QStringLiteral("output")},
        CliTexts::tr("read: write the settings to FILE (\"-\": standard output)."),
        QStringLiteral("FILE"));
    const QCommandLineOption jsonOption(
        QStringLiteral("json"),
        CliTexts::tr("read: the readable form instead of the 67 bytes; monitor: JSON lines."));
    const QCommandLineOption noVerifyOption(
        QStringLiteral("no-verify"),
        CliTexts::tr("write: do not read the settings back to compare them."));
    const QCommandLineOption forceOption(
        QStringLiteral("force"),
        CliTexts::tr("write, history send: send values that no editor makes, too."));
    const QCommandLineOption timeoutOption(
        {QStringLiteral("t"), QStringLiteral("timeout")},
        CliTexts::tr("How long to wait for the transmitter's answer, in seconds (default 3)."),
        QStringLiteral("S"), QStringLiteral("3"));
    const QCommandLineOption secondsOption(
        {QStringLiteral("s"), QStringLiteral("seconds")},
        CliTexts::tr("monitor: end after N seconds (default: at Ctrl+C)."), QStringLiteral("N"));
    const QCommandLineOption countOption(QStringLiteral("n"),
                                         CliTexts::tr("history: only the newest N entries."),
                                         QStringLiteral("N"));
    parser.addOptions({portOption, outputOption, jsonOption, noVerifyOption, forceOption,
                       timeoutOption, secondsOption, countOption});

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        // The usage line names the program as it is installed, not the path it was run by.
        QString help = parser.helpText();
        help.replace(QCoreApplication::arguments().constFirst(), QStringLiteral("pelorin-cli"));
        std::fputs(qPrintable(help), stdout);
        return kExitDone;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("pelorin-cli %s\n", PELORIN_VERSION);
        return kExitDone;
    }

    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return usageError(
            CliTexts::tr("no command given: ports, read, write, user, monitor or history."));
    const QString command = arguments.first();

    // Which options each command takes; any other is a mistake worth saying.
    const std::set<QString> allowed = [&]() -> std::set<QString> {
        if (command == u"ports")
            return {};
        if (command == u"read")
            return {QStringLiteral("port"), QStringLiteral("output"), QStringLiteral("json"),
                    QStringLiteral("timeout")};
        if (command == u"write")
            return {QStringLiteral("port"), QStringLiteral("no-verify"), QStringLiteral("force"),
                    QStringLiteral("timeout")};
        if (command == u"user")
            return {QStringLiteral("port"), QStringLiteral("timeout")};
        if (command == u"monitor")
            return {QStringLiteral("port"), QStringLiteral("seconds"), QStringLiteral("json"),
                    QStringLiteral("timeout")};
        if (command == u"history") {
            const QString job = arguments.value(1);
            if (job == u"send")
                return {QStringLiteral("port"), QStringLiteral("no-verify"),
                        QStringLiteral("force"), QStringLiteral("timeout")};
            if (job == u"show")
                return {QStringLiteral("json")};
            return {QStringLiteral("json"), QStringLiteral("n")};
        }
        return {QStringLiteral("?")};
    }();
    if (allowed.contains(QStringLiteral("?")))
        return usageError(CliTexts::tr("unknown command \"%1\".").arg(command));
    for (const QString& name : parser.optionNames()) {
        const QString longName = name == u"p"   ? QStringLiteral("port")
                                 : name == u"o" ? QStringLiteral("output")
                                 : name == u"t" ? QStringLiteral("timeout")
                                 : name == u"s" ? QStringLiteral("seconds")
                                                : name;
        if (!allowed.contains(longName))
            return usageError(CliTexts::tr("%1 does not take --%2.").arg(command, longName));
    }

    Options options;
    options.port = parser.value(portOption);
    if (parser.isSet(portOption) && options.port.trimmed().isEmpty())
        return usageError(
            CliTexts::tr("--port needs a port: a COM number, a device path or a name."));
    if (parser.isSet(outputOption)) {
        options.output = parser.value(outputOption);
        if (options.output->isEmpty())
            return usageError(CliTexts::tr("-o needs a file name (\"-\" for standard output)."));
        // A name whose bytes the system's encoding does not hold cannot be saved under as given;
        // saved under another, it could replace a file of that other name.
        if (const QByteArray native = nativeArgument(argc, argv, *options.output);
            !savableName(native)) {
            printError(CliTexts::tr("%1: the settings cannot be saved under this name: its bytes "
                                    "are not valid %2, the encoding of file names here. Choose "
                                    "another name.")
                           .arg(*options.output, pelorin::fileNameEncoding()));
            return kExitFile;
        }
    }
    options.json = parser.isSet(jsonOption);
    options.verify = !parser.isSet(noVerifyOption);
    options.force = parser.isSet(forceOption);
    const std::optional<double> timeout = parseSeconds(parser.value(timeoutOption));
    if (!timeout) {
        return usageError(
            CliTexts::tr("--timeout takes a number of seconds greater than 0, not \"%1\".")
                .arg(parser.value(timeoutOption)));
    }
    options.timeout = std::chrono::milliseconds(
        std::max<long long>(1, static_cast<long long>(std::llround(*timeout * 1000.0))));
    if (parser.isSet(secondsOption)) {
        options.seconds = parseSeconds(parser.value(secondsOption));
        if (!options.seconds) {
            return usageError(
                CliTexts::tr("--seconds takes a number of seconds greater than 0, not "
                             "\"%1\".")
                    .arg(parser.value(secondsOption)));
        }
    }

    if (parser.isSet(countOption)) {
        bool ok = false;
        options.count = parser.value(countOption).toInt(&ok);
        if (!ok || *options.count < 1) {
            return usageError(CliTexts::tr("-n takes a number of entries greater than 0, not "
                                           "\"%1\".")
                                  .arg(parser.value(countOption)));
        }
    }

    if (command == u"history") {
        if (arguments.size() == 1)
            return listHistory(options);
        const QString job = arguments[1];
        if ((job != u"show" && job != u"send") || arguments.size() != 3) {
            return usageError(CliTexts::tr("history takes nothing, \"show ID\" or \"send ID\"."));
        }
        return job == u"show" ? showHistory(arguments[2], options)
                              : sendHistory(arguments[2], options);
    }

    const qsizetype expected = (command == u"write" || command == u"user") ? 2 : 1;
    if (arguments.size() != expected) {
        if (command == u"write")
            return usageError(CliTexts::tr("write needs exactly one settings file."));
        if (command == u"user")
            return usageError(CliTexts::tr("user needs the stored model: 0 (USER1) or 1 (USER2)."));
        return usageError(
            CliTexts::tr("%1 takes no argument, but got \"%2\".").arg(command, arguments[1]));
    }

    if (command == u"ports")
        return listPorts();
    if (command == u"read")
        return readSettings(options);
    if (command == u"write")
        return writeSettings(nativeArgument(argc, argv, arguments[1]), options);
    if (command == u"user") {
        if (arguments[1] != u"0" && arguments[1] != u"1") {
            return usageError(
                CliTexts::tr("user takes 0 (USER1) or 1 (USER2), not \"%1\".").arg(arguments[1]));
        }
        return selectUser(arguments[1].toInt(), options);
    }
    return monitor(options);
}
