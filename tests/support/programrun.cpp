// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/programrun.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace pelorin::test {
namespace {

QString fromBytes(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool survivesQString(const std::string& bytes) {
    return fromBytes(bytes).toStdString() == bytes;
}

std::string toBytes(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace

RunningProgram::RunningProgram(const std::string& program,
                               const std::vector<std::string>& arguments,
                               const ProgramOptions& options)
    : process_(std::make_unique<QProcess>()), timeout_(options.timeout) {
    process_->setProcessChannelMode(options.mergeOutput ? QProcess::MergedChannels
                                                        : QProcess::SeparateChannels);
    if (!options.setVariables.empty() || !options.unsetVariables.empty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : options.setVariables)
            environment.insert(fromBytes(name), fromBytes(value));
        for (const std::string& name : options.unsetVariables)
            environment.remove(fromBytes(name));
        process_->setProcessEnvironment(environment);
    }

    QStringList list;
    bool lossless = survivesQString(program);
    for (const std::string& a : arguments) {
        list << fromBytes(a);
        lossless = lossless && survivesQString(a);
    }
    if (!lossless) {
        // QProcess hands its arguments over as UTF-8, which turns bytes that are not UTF-8
        // into U+FFFD. The child then starts the program itself with the bytes as given,
        // after QProcess has set up its channels; the argument list is made here, as the
        // child may not allocate.
        argumentBytes_.push_back(program);
        argumentBytes_.insert(argumentBytes_.end(), arguments.begin(), arguments.end());
        for (std::string& a : argumentBytes_)
            argv_.push_back(a.data());
        argv_.push_back(nullptr);
        process_->setChildProcessModifier([this] { execExactly(argv_.data()); });
    }
    process_->start(fromBytes(program), list);
    started_ = process_->waitForStarted();
}

RunningProgram::~RunningProgram() {
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished();
    }
}

bool RunningProgram::started() const {
    return started_;
}

long long RunningProgram::processId() const {
    return started_ ? process_->processId() : 0;
}

ProgramRun RunningProgram::finish() {
    ProgramRun run;
    run.started = started_;
    if (!started_)
        return run;
    run.finished = process_->waitForFinished(static_cast<int>(timeout_.count()));
    if (!run.finished) {
        process_->kill();
        process_->waitForFinished();
    } else if (process_->exitStatus() == QProcess::NormalExit) {
        run.exitCode = process_->exitCode();
    }
    run.out = toBytes(process_->readAllStandardOutput());
    if (process_->processChannelMode() != QProcess::MergedChannels)
        run.err = toBytes(process_->readAllStandardError());
    return run;
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const ProgramOptions& options) {
    return RunningProgram(program, arguments, options).finish();
}

}  // namespace pelorin::test
