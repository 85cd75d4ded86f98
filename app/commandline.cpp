// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "connection/portargument.h"
#include "platform/portadvice.h"

namespace pelorin {

namespace {

// The texts of this file, under one translation context (lupdate files them there too).
struct CommandLineTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::CommandLineTexts)
};

// Options that QGuiApplication and QApplication take out of the command line themselves.
// They are known here only so that they are not refused before the application sees them.
constexpr const char* kToolkitOptionsWithValue =
    "platform platformpluginpath platformtheme plugin qmljsdebugger qwindowgeometry qwindowicon "
    "qwindowtitle session display geometry style stylesheet name title";
constexpr const char* kToolkitFlags = "reverse widgetcount nograb dograb sync";

}  // namespace

StartOptions readStartOptions(const QStringList& arguments,
                              const std::function<PortTable()>& portTable) {
    QCommandLineParser parser;
    // Qt's own options are written with one dash ("-platform xcb"); read them as whole words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(CommandLineTexts::tr(
        "Sets up a six-channel radio-control transmitter over its serial cable.\n"
        "Qt's options for graphical programs (-platform, -style, ...) are accepted too."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption port(
        {QStringLiteral("p"), QStringLiteral("port")},
        CommandLineTexts::tr("Start on port P instead of probing: a COM number (3, COM3), a "
                             "device path (%1) or a virtual transmitter's name.")
            .arg(exampleDevicePath()),
        QStringLiteral("P"));
    parser.addOption(port);
    const QCommandLineOption models(
        QStringLiteral("models"),
        CommandLineTexts::tr("Open the Models window at start: models are edited, printed and "
                             "saved as PDF there, with or without the transmitter."));
    parser.addOption(models);
    for (const bool takesValue : {true, false}) {
        const QString names =
            QString::fromLatin1(takesValue ? kToolkitOptionsWithValue : kToolkitFlags);
        for (const QString& name : names.split(u' ')) {
            QCommandLineOption option(name, QString(),
                                      takesValue ? QStringLiteral("value") : QString());
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }

    StartOptions start;
    auto refuse = [&](int code, const QString& problem) {
        start.exitCode = code;
        start.error = QStringLiteral("pelorin: %1\n").arg(problem);
        if (code == kExitUsage)
            start.error += CommandLineTexts::tr("Try 'pelorin --help'.") + u'\n';
        return start;
    };

    if (!parser.parse(arguments))
        return refuse(kExitUsage, parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object the parser cannot name the program; name it here.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(u'\n'), CommandLineTexts::tr("Usage: pelorin [options]"));
        start.exitCode = 0;
        start.output = text;
        return start;
    }
    if (parser.isSet(version)) {
        start.exitCode = 0;
        start.output = QStringLiteral("pelorin %1\n").arg(QStringLiteral(PELORIN_VERSION));
        return start;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(kExitUsage,
                      CommandLineTexts::tr("unexpected argument \"%1\"; pelorin takes no files.")
                          .arg(parser.positionalArguments().first()));
    }
    // An empty port is a mistake in how the program was called, as in pelorin-cli, not a port
    // that failed to open.
    if (parser.isSet(port) && parser.value(port).trimmed().isEmpty()) {
        return refuse(
            kExitUsage,
            CommandLineTexts::tr("--port needs a port: a COM number, a device path or a name."));
    }
    start.openModels = parser.isSet(models);
    if (parser.isSet(port)) {
        PortTable table = portTable();
        const PortChoice choice = resolvePortSpec(parser.value(port), table);
        if (!choice.ok())
            return refuse(kExitPort, choice.error);
        start.portNumber = choice.portNumber;
        start.portTable = std::move(table);
    }
    return start;
}

}  // namespace pelorin
