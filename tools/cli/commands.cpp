// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/commands.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <variant>

#include "connection/portargument.h"
#include "connection/portmemory.h"
#include "connection/transmitterconnection.h"
#include "link/blockfields.h"
#include "models/history.h"
#include "models/modelformat.h"
#include "platform/devicewatch.h"
#include "platform/portdiscovery.h"
#include "platform/savefile.h"
#include "platform/serialport.h"
#include "platform/stopsignals.h"
#include "platform/terminal.h"
#include "resources/strings.h"
#include "tools/cli/printable.h"
#include "tools/dump/settingsreport.h"

namespace pelorin::cli {

namespace {

// The program's texts, under one translation context.
struct CliTexts {
    Q_DECLARE_TR_FUNCTIONS(pelorin::cli::CliTexts)
};

// Text for standard output, which often carries a name from a file or a device: each line as
// printable text.
void printOut(const QString& text) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = printable(line);
    const QByteArray bytes = lines.join(u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

// The exit status and message for an answer that did not come.
int failedAnswer(const TransmitterConnection::Answer& answer) {
    printError(answer.error);
    return answer.outcome == TransmitterConnection::Outcome::TimedOut ? kExitTimedOut : kExitPort;
}

// The device the window found the transmitter on last time, from the window's own settings.
QString windowsRememberedDevice() {
    const std::string device =
        settingsPortMemory(QStringLiteral("Pelorin"), QString::fromUtf8(kProgramName)).recall();
    return QFile::decodeName(QByteArray::fromStdString(device));
}

// Opens the port the options name; false (after printing why) when it does not open. Without
// --port the transmitter is looked for where the window found it last time; when that port is
// there but does not open (the window holds it, say), the reason is the answer: any other port
// that opened would only lead to a transmitter that does not answer.
bool openLink(TransmitterConnection& link, const Options& options) {
    QString error;
    const QString remembered = options.port.isEmpty() ? windowsRememberedDevice() : QString();
    if (!remembered.isEmpty() && resolvePortSpec(remembered, discoverPortTable()).ok()) {
        error = link.open(remembered);
        if (!error.isEmpty()) {
            error += QStringLiteral("\n\n") +
                     CliTexts::tr(
                         "The transmitter answered on this port last time. Close the "
                         "program that holds it (or end its connection), or name "
                         "another port with --port.");
        }
    } else {
        error = link.open(options.port);
    }
    if (error.isEmpty())
        return true;
    printError(error);
    return false;
}

// The readable form of a block: the model format's JSON, every field by name.
QByteArray readableForm(const BlockBytes& block) {
    models::Model model;
    model.blockBytes = block;
    return models::modelToJson(model);
}

// "model type HELI-120, stick mode 2": the fields that tell models apart at a glance.
QString blockSummary(const BlockBytes& block) {
    QStringList parts;
    for (const dump::ReportField& field : dump::makeSettingsReport(block)) {
        if (field.group == FieldGroup::Model)
            parts << QString::fromStdString(field.name) + u' ' +
                         QString::fromStdString(field.value);
    }
    return parts.join(QStringLiteral(", "));
}

bool writeStandardOutput(const QByteArray& bytes) {
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0) {
        printError(CliTexts::tr("standard output cannot be written: %1.")
                       .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    return true;
}

// The block of a model file in either format (67 bytes, or the readable JSON form), or of
// standard input for "-".
std::variant<BlockBytes, QString> loadSettings(const QByteArray& file) {
    if (file != "-") {
        auto result = models::readNativeModelFile(file);
        if (const auto* error = std::get_if<QString>(&result))
            return *error;
        return std::get<models::LoadedModel>(result).model.blockBytes;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return CliTexts::tr("standard input cannot be read: %1.").arg(input.errorString());
    // A model file is small; reading stops well past the size of any of them. A pipe hands
    // its bytes over in pieces, so reading goes on until the end of the input.
    constexpr qint64 kMostRead = 1 << 20;
    QByteArray content;
    while (content.size() <= kMostRead) {
        const QByteArray piece = input.read(kMostRead + 1 - content.size());
        if (piece.isEmpty())
            break;
        content += piece;
    }
    if (content.size() > kMostRead)
        return CliTexts::tr("standard input is not a model file: it is longer than any of them.");
    auto result = models::modelFromContent(content);
    if (const auto* error = std::get_if<models::FormatError>(&result))
        return error->text(CliTexts::tr("standard input"));
    return std::get<models::LoadedModel>(result).model.blockBytes;
}

QString hex4(int value) {
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

// Into the history the window shares: what the transmitter sent, and what was written to it.
// A history that cannot be kept is said once, and the job goes on.
void record(models::HistoryRecord entry, TransmitterConnection& link, const BlockBytes& block) {
    static bool told = false;
    entry.device = stableDeviceName(QString::fromLocal8Bit(link.session().portDevice()));
    entry.block = block;
    const QString error = models::HistoryStore(models::HistoryStore::defaultPath()).append(entry);
    if (!error.isEmpty() && !std::exchange(told, true))
        printError(error);
}

void recordReceived(TransmitterConnection& link, const BlockBytes& block) {
    models::HistoryRecord entry;
    entry.received = true;
    record(std::move(entry), link, block);
}

void recordWritten(TransmitterConnection& link, const BlockBytes& block, models::HistoryCause cause,
                   const QString& detail, const QString& target, bool sent) {
    models::HistoryRecord entry;
    entry.cause = cause;
    entry.detail = detail;
    entry.target = target;
    entry.sent = sent;
    record(std::move(entry), link, block);
}

// What the link sent back is the transmitter's block: into the history.
TransmitterConnection::Answer recorded(TransmitterConnection& link,
                                       TransmitterConnection::Answer answer) {
    if (answer.outcome == TransmitterConnection::Outcome::Received)
        recordReceived(link, answer.block);
    return answer;
}

struct Written {
    models::HistoryCause cause;
    QString detail;
    QString target;
    QString source;  // for the user: the file, or the history's entry
};

// Refuses (after saying which fields and why) a block holding values no editor makes, unless
// the options say to send it as it is.
bool mayBeSent(const BlockBytes& block, const Options& options, const QString& source) {
    const std::vector<const BlockField*> outside = fieldsOutsideEditorRanges(block);
    if (outside.empty() || options.force)
        return true;
    QString text = CliTexts::tr(
                       "%1 holds values that none of Pelorin's editors could make; "
                       "nothing was sent:")
                       .arg(source);
    for (const BlockField* field : outside) {
        const ValueRange range = field->editorValues();
        const auto value = [field](int v) { return QString::fromStdString(valueText(*field, v)); };
        text +=
            u'\n' + CliTexts::tr("%1: %2 (the editor makes %3 to %4)")
                        .arg(QString::fromStdString(field->name), value(fieldValue(*field, block)),
                             value(range.min), value(range.max));
    }
    text += u'\n' + CliTexts::tr(
                        "Sending it may leave the transmitter in a state no editor can "
                        "show or correct. Check it, or send it as it is with --force.");
    printError(text);
    return false;
}

// Sends the block, then (unless told not to) reads the settings back and compares them.
int writeVerified(const BlockBytes& block, const Options& options, const Written& cause);

}  // namespace

void printError(const QString& text) {
    // Messages carry names and keys from files: each line is printed as printable text.
    const QStringList lines = text.trimmed().split(u'\n');
    QString message = QStringLiteral("pelorin-cli: ") + printable(lines.value(0)) + u'\n';
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines[i].isEmpty())
            message += QStringLiteral("  ") + printable(lines[i]) + u'\n';
    }
    const QByteArray bytes = message.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

int listPorts() {
    const std::vector<SerialDevice> systemPorts = discoverSystemPorts();
    const PortTable table = portTableOf(systemPorts);

    int listed = 0;
    for (int i = 0; i < kPortCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const QString device = QFile::decodeName(table.portDeviceNames[index].c_str());
        if (device.isEmpty())
            continue;
        // On Windows every number names a device (\\.\COM<n>): one that the system does not
        // list (no description) and that does not open is no port of this computer.
        const QString problem = probeProblem(portName(table, i + 1));
        if (!problem.isEmpty() && table.descriptions[index].empty())
            continue;
        const QString com = QString::fromStdString(table.portDisplayNames[index]);
        QString text = com.leftJustified(6) + device;
        const QFileInfo file(device);
        if (file.isSymLink())
            text += QStringLiteral(" \u2192 ") + file.symLinkTarget();
        text += u'\n';

        const auto usb = std::find_if(systemPorts.begin(), systemPorts.end(), [&](const auto& p) {
            return p.path == table.portDeviceNames[index];
        });
        if (usb != systemPorts.end()) {
            QStringList identity;
            if (usb->vendorId >= 0 && usb->productId >= 0) {
                identity
                    << CliTexts::tr("USB %1:%2").arg(hex4(usb->vendorId), hex4(usb->productId));
            }
            if (!usb->serialNumber.empty())
                identity << CliTexts::tr("serial number %1")
                                .arg(QString::fromStdString(usb->serialNumber));
            if (!identity.isEmpty())
                text += QStringLiteral("      ") + identity.join(QStringLiteral(", ")) + u'\n';
        }
        const QString description = QString::fromStdString(table.descriptions[index]);
        if (!description.isEmpty())
            text += QStringLiteral("      ") + description + u'\n';

        if (problem.isEmpty()) {
            text += QStringLiteral("      ") + CliTexts::tr("opens: yes") + u'\n';
        } else {
            text += QStringLiteral("      ") + CliTexts::tr("opens: no") + u'\n';
            for (const QString& line : problem.split(u'\n')) {
                if (!line.isEmpty())
                    text += QStringLiteral("        ") + line + u'\n';
            }
        }
        printOut(text);
        ++listed;
    }
    if (listed == 0)
        printOut(CliTexts::tr("No serial port was found.") + u'\n');
    return kExitDone;
}

int readSettings(const Options& options) {
    const bool toStandardOutput = !options.output || *options.output == QStringLiteral("-");
    if (toStandardOutput && !options.json && standardOutputIsTerminal()) {
        printError(
            CliTexts::tr("the settings are binary and standard output is a terminal: name a file "
                         "with -o FILE, or use --json for the readable form."));
        return kExitUsage;
    }

    TransmitterConnection link(makeSerialControl());
    if (!openLink(link, options))
        return kExitPort;
    const TransmitterConnection::Answer answer = recorded(link, link.readSettings(options.timeout));
    if (answer.outcome != TransmitterConnection::Outcome::Received)
        return failedAnswer(answer);

    const QByteArray content = options.json
                                   ? readableForm(answer.block)
                                   : QByteArray(reinterpret_cast<const char*>(answer.block.data()),
                                                static_cast<qsizetype>(answer.block.size()));
    if (toStandardOutput)
        return writeStandardOutput(content) ? kExitDone : kExitFile;
    if (const QString error = saveFileAtomically(*options.output, content); !error.isEmpty()) {
        printError(error);
        return kExitFile;
    }
    printOut(CliTexts::tr("%1: settings saved to %2.").arg(link.portLabel(), *options.output) +
             u'\n');
    return kExitDone;
}

int writeSettings(const QByteArray& file, const Options& options) {
    const auto loaded = loadSettings(file);
    if (const auto* error = std::get_if<QString>(&loaded)) {
        printError(*error);
        return kExitFile;
    }
    const bool standardInput = file == "-";
    const QString name = QFile::decodeName(file);
    const QString detail = standardInput ? name : QFileInfo(name).absoluteFilePath();
    return writeVerified(std::get<BlockBytes>(loaded), options,
                         {models::HistoryCause::Command,
                          detail,
                          {},
                          standardInput ? CliTexts::tr("Standard input") : name});
}

namespace {

int writeVerified(const BlockBytes& block, const Options& options, const Written& cause) {
    if (!mayBeSent(block, options, cause.source))
        return kExitFile;
    TransmitterConnection link(makeSerialControl());
    if (!openLink(link, options))
        return kExitPort;
    const QString sendError = link.writeBlock(block);
    recordWritten(link, block, cause.cause, cause.detail, cause.target, sendError.isEmpty());
    if (!sendError.isEmpty()) {
        printError(sendError);
        return kExitPort;
    }
    if (!options.verify) {
        printOut(CliTexts::tr("%1: settings sent (not verified).").arg(link.portLabel()) + u'\n');
        return kExitDone;
    }

    // The checksum slots are not sent; the block is what must match.
    const auto withoutSlots = [](BlockBytes bytes) {
        bytes[kChecksumSlot1] = bytes[kChecksumSlot2] = 0;
        return bytes;
    };
    const BlockBytes sent = withoutSlots(block);
    TransmitterConnection::Answer answer = recorded(link, link.readSettings(options.timeout));
    // A transmitter still storing the block may answer with the one before; a second read
    // tells that apart from a block it did not take.
    if (answer.outcome == TransmitterConnection::Outcome::Received &&
        withoutSlots(answer.block) != sent)
        answer = recorded(link, link.readSettings(options.timeout));
    if (answer.outcome != TransmitterConnection::Outcome::Received) {
        printError(
            CliTexts::tr("the settings were sent, but could not be read back to verify them: %1")
                .arg(answer.error));
        return answer.outcome == TransmitterConnection::Outcome::TimedOut ? kExitTimedOut
                                                                          : kExitPort;
    }
    const BlockBytes held = withoutSlots(answer.block);
    if (sent == held) {
        printOut(CliTexts::tr("%1: settings written and verified.").arg(link.portLabel()) + u'\n');
        return kExitDone;
    }

    const dump::ReportOptions complete{.alwaysListSpareReverseBits = true};
    const auto differences = dump::compareReports(dump::makeSettingsReport(sent, complete),
                                                  dump::makeSettingsReport(held, complete));
    std::size_t width = 0;
    for (const auto& d : differences)
        width = std::max(width, d.name.size());
    QString text;
    for (const auto& d : differences) {
        text +=
            CliTexts::tr("%1  written %2, transmitter holds %3")
                .arg(QString::fromStdString(d.name).leftJustified(static_cast<qsizetype>(width)),
                     QString::fromStdString(d.first), QString::fromStdString(d.second)) +
            u'\n';
    }
    printOut(text);
    printError(
        CliTexts::tr("%1: the transmitter holds other settings than were written (%n field(s) "
                     "differ).",
                     nullptr, static_cast<int>(differences.size()))
            .arg(link.portLabel()));
    return kExitDiffers;
}

}  // namespace

int selectUser(int index, const Options& options) {
    TransmitterConnection link(makeSerialControl());
    if (!openLink(link, options))
        return kExitPort;
    const TransmitterConnection::Answer answer =
        recorded(link, link.selectUser(index, options.timeout));
    if (answer.outcome != TransmitterConnection::Outcome::Received)
        return failedAnswer(answer);
    printOut(CliTexts::tr("USER%1 on %2: %3")
                 .arg(QString::number(index + 1), link.portLabel(), blockSummary(answer.block)) +
             u'\n');
    return kExitDone;
}

int monitor(const Options& options) {
    TransmitterConnection link(makeSerialControl());
    if (!openLink(link, options))
        return kExitPort;

    enum class End { Seconds, Interrupted, LineLost, Silent };
    End end = End::Seconds;
    QEventLoop loop;
    // From here on Ctrl+C ends the run with its closing line.
    StopSignals stopSignals([&](int) {
        end = End::Interrupted;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();

    if (!options.json) {
        QString heading = CliTexts::tr("time").rightJustified(8);
        for (int channel = 1; channel <= 6; ++channel)
            heading += QStringLiteral("CH%1").arg(channel).rightJustified(channel == 1 ? 5 : 6);
        printOut(heading + CliTexts::tr("aux").rightJustified(6) + u'\n');
    }
    // A transmitter that falls silent (or never sends) ends the run after the time-out; each
    // good frame starts the wait afresh.
    QTimer silence;
    silence.setSingleShot(true);
    QObject::connect(&silence, &QTimer::timeout, &loop, [&] {
        end = End::Silent;
        loop.quit();
    });
    silence.start(options.timeout);

    QObject::connect(&link, &TransmitterConnection::liveFrameReceived, &loop, [&] {
        silence.start(options.timeout);
        const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
        const auto& channels = link.session().liveChannels();
        const int aux = link.session().liveAux();
        if (options.json) {
            QJsonArray values;
            for (const int value : channels)
                values.append(value);
            const QJsonObject line{{QStringLiteral("time"), seconds},
                                   {QStringLiteral("channels"), values},
                                   {QStringLiteral("aux"), aux}};
            printOut(QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact)) + u'\n');
            return;
        }
        QString text = QStringLiteral("%1").arg(seconds, 8, 'f', 3);
        for (std::size_t i = 0; i < channels.size(); ++i)
            text += QStringLiteral("%1").arg(channels[i], i == 0 ? 5 : 6);
        text += QStringLiteral("%1\n").arg(aux, 6);
        printOut(text);
    });
    QObject::connect(&link, &TransmitterConnection::lineError, &loop, [&] {
        end = End::LineLost;
        loop.quit();
    });
    QTimer duration;
    duration.setSingleShot(true);
    QObject::connect(&duration, &QTimer::timeout, &loop, [&] {
        end = End::Seconds;
        loop.quit();
    });
    if (options.seconds)
        duration.start(std::chrono::milliseconds(std::llround(*options.seconds * 1000.0)));
    if (!link.lineLost())
        loop.exec();
    else
        end = End::LineLost;

    const Session::Counters& counters = link.session().counters();
    const auto received = static_cast<qint64>(counters.liveAccepted);
    const auto dropped = static_cast<qint64>(counters.liveRejected);
    if (options.json) {
        const char* reasons[] = {"seconds", "interrupted", "line lost", "silent"};
        const QJsonObject closing{
            {QStringLiteral("received"), received},
            {QStringLiteral("dropped"), dropped},
            {QStringLiteral("end"), QString::fromLatin1(reasons[static_cast<int>(end)])}};
        printOut(QString::fromUtf8(QJsonDocument(closing).toJson(QJsonDocument::Compact)) + u'\n');
    } else {
        printOut(CliTexts::tr("frames received %1, dropped %2").arg(received).arg(dropped) + u'\n');
    }

    switch (end) {
        case End::Seconds:
        case End::Interrupted:
            return kExitDone;
        case End::LineLost:
            printError(link.lostText());
            return kExitPort;
        case End::Silent:
            printError(
                CliTexts::tr("%1 sent no good live channel frame for %2 s.")
                    .arg(link.portLabel(),
                         QString::number(static_cast<double>(options.timeout.count()) / 1000.0)) +
                (dropped > 0 ? u' ' + CliTexts::tr("%n frame(s) failed their checks: the line is "
                                                   "disturbed.",
                                                   nullptr, static_cast<int>(dropped))
                             : QString()));
            return kExitTimedOut;
    }
    return kExitDone;
}

namespace {

// The history with its entries numbered from 1, oldest first, as every history command counts.
models::HistoryContents loadHistory() {
    models::HistoryContents contents =
        models::HistoryStore(models::HistoryStore::defaultPath()).load();
    if (!contents.message.isEmpty())
        printError(contents.message);
    return contents;
}

QString changedFields(const models::HistoryContents& contents, std::size_t index) {
    const auto before = models::heldBefore(contents.records, index);
    if (!before)
        return {};
    QStringList names;
    for (const BlockFieldDifference& d :
         blockDifferences(*before, contents.records[index].block, false))
        names << QString::fromStdString(d.field->name);
    return names.isEmpty() ? CliTexts::tr("no change") : names.join(QStringLiteral(", "));
}

// The entry a command names by its number; nothing (after saying why) when there is none.
const models::HistoryRecord* findEntry(const models::HistoryContents& contents, const QString& id) {
    bool ok = false;
    const qlonglong number = id.toLongLong(&ok);
    if (!ok || number < 1 || number > static_cast<qlonglong>(contents.records.size())) {
        printError(contents.records.empty()
                       ? CliTexts::tr("the history is empty.")
                       : CliTexts::tr("the history has no entry %1: the entries are 1 to %2 "
                                      "('pelorin-cli history' lists them).")
                             .arg(id)
                             .arg(contents.records.size()));
        return nullptr;
    }
    return &contents.records[static_cast<std::size_t>(number - 1)];
}

QJsonObject entryJson(const models::HistoryContents& contents, std::size_t index) {
    const models::HistoryRecord& record = contents.records[index];
    QJsonArray changed;
    if (const auto before = models::heldBefore(contents.records, index)) {
        for (const BlockFieldDifference& d : blockDifferences(*before, record.block, false))
            changed.append(QString::fromStdString(d.field->name));
    }
    return {{QStringLiteral("id"), static_cast<qint64>(index + 1)},
            {QStringLiteral("time"), record.time.toUTC().toString(Qt::ISODateWithMs)},
            {QStringLiteral("event"), record.received           ? QStringLiteral("received")
                                      : !record.model.isEmpty() ? QStringLiteral("model")
                                      : record.sent             ? QStringLiteral("written")
                                                                : QStringLiteral("not sent")},
            {QStringLiteral("what"), models::describeRecord(record)},
            {QStringLiteral("device"), record.device},
            {QStringLiteral("changed"), changed}};
}

}  // namespace

int listHistory(const Options& options) {
    const auto contents = loadHistory();
    const std::size_t total = contents.records.size();
    const std::size_t shown =
        options.count ? std::min(total, static_cast<std::size_t>(*options.count)) : total;
    QString text;
    for (std::size_t n = 0; n < shown; ++n) {
        const std::size_t i = total - 1 - n;
        if (options.json) {
            text += QString::fromUtf8(printableJson(
                        QJsonDocument(entryJson(contents, i)).toJson(QJsonDocument::Compact))) +
                    u'\n';
            continue;
        }
        const models::HistoryRecord& record = contents.records[i];
        text += QStringLiteral("%1  %2  %3")
                    .arg(QString::number(i + 1).rightJustified(6),
                         record.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                         printable(models::describeRecord(record)));
        const QString changed = changedFields(contents, i);
        if (!changed.isEmpty())
            text += QStringLiteral(": ") + changed;
        text += u'\n';
    }
    if (total == 0 && !options.json)
        text = CliTexts::tr("The history is empty.") + u'\n';
    return writeStandardOutput(text.toUtf8()) ? kExitDone : kExitFile;
}

int showHistory(const QString& id, const Options& options) {
    const auto contents = loadHistory();
    const models::HistoryRecord* record = findEntry(contents, id);
    if (record == nullptr)
        return kExitFile;
    if (options.json)
        return writeStandardOutput(printableJson(readableForm(record->block))) ? kExitDone
                                                                               : kExitFile;
    QString text =
        CliTexts::tr("Entry %1, %2: %3")
            .arg(id, record->time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                 printable(models::describeRecord(*record))) +
        u'\n';
    if (!record->device.isEmpty())
        text += CliTexts::tr("Device: %1").arg(printable(record->device)) + u'\n';
    FieldGroup group = FieldGroup::Model;
    for (const dump::ReportField& field : dump::makeSettingsReport(record->block)) {
        if (field.group != group)
            text += u'\n';
        group = field.group;
        text += QString::fromStdString(field.name) + QStringLiteral(": ") +
                QString::fromStdString(field.value) + u'\n';
    }
    return writeStandardOutput(text.toUtf8()) ? kExitDone : kExitFile;
}

int sendHistory(const QString& id, const Options& options) {
    const auto contents = loadHistory();
    const models::HistoryRecord* record = findEntry(contents, id);
    if (record == nullptr)
        return kExitFile;
    return writeVerified(record->block, options,
                         {models::HistoryCause::History, QStringLiteral("pelorin-cli"), record->key,
                          CliTexts::tr("Entry %1 of the history").arg(id)});
}

}  // namespace pelorin::cli
