// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// pelorin-cli as a user runs it, against pelorin-txsim (with its faults) and against
// transmitters that misbehave in ways the simulator does not: one that never answers, one that
// hangs up when asked, one that keeps its own settings whatever it is sent.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "link/blockfields.h"
#include "link/frames.h"
#include "link/settingsblock.h"
#include "platform/pseudoterminal.h"
#include "tests/support/processsignal.h"

namespace pelorin {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

constexpr int kProcessBoundMs = 20000;  // no run may hang: each is ended after this

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// A block whose bytes vary from field to field, with the checksum slots clear; each value is
// brought into its editor's range, so that it is sent without --force.
BlockBytes patternBlock(int seed) {
    BlockBytes block{};
    for (std::size_t i = 0; i < kSettingsBlockSize; ++i)
        block[i] = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed)) & 0xFF);
    for (const BlockField& field : blockFields()) {
        const ValueRange range = field.editorValues();
        setFieldValue(field, block, std::clamp(fieldValue(field, block), range.min, range.max));
    }
    return block;
}

QByteArray bytesOf(const BlockBytes& block) {
    return QByteArray(reinterpret_cast<const char*>(block.data()),
                      static_cast<qsizetype>(block.size()));
}

// A pseudo-terminal registered as a virtual port, played by the test itself.
class FakeTransmitter {
public:
    enum class Behaviour {
        Silent,           // reads everything, answers nothing
        HangUpOnRequest,  // closes the line when asked for the settings
        Stubborn,         // answers every request with its own block, ignores writes
        MissesFirst,      // as Stubborn, but the first request is lost on the line
    };

    FakeTransmitter(const QString& linkPath, Behaviour behaviour, BlockBytes block = {})
        : m_behaviour(behaviour), m_block(block) {
        // Raw mode, as a transmitter's line is: no echo, no line editing. Close-on-exec: a
        // program the test starts must not keep the line open after a hang-up.
        std::string error;
        if (!m_wakeUp.usable() || !m_line.make(error))
            return;
        if (!QFile::link(QString::fromStdString(m_line.devicePath()), linkPath))
            return;
        m_link = linkPath;
        m_thread = std::thread([this] { serve(); });
    }
    ~FakeTransmitter() {
        m_stop = true;
        m_wakeUp.wake();
        if (m_thread.joinable())
            m_thread.join();
        m_line.close();
        if (!m_link.isEmpty())
            QFile::remove(m_link);
    }
    [[nodiscard]] bool ok() const { return !m_link.isEmpty(); }

private:
    void serve() {
        using namespace std::chrono_literals;
        while (!m_stop) {
            const TerminalWait wait = TerminalWait::wait(m_line.handle(), false, m_wakeUp, 20ms);
            if (!wait.readable) {
                if (wait.hungUp)  // nobody has the line open, and a wait ends at once
                    std::this_thread::sleep_for(20ms);
                continue;
            }
            std::array<std::uint8_t, 256> buffer{};
            const std::size_t n = m_line.read(buffer);
            for (std::size_t i = 0; i + 1 < n; ++i) {
                if (buffer[i] != kFrameHeader || buffer[i + 1] != kReadCommand)
                    continue;
                if (m_behaviour == Behaviour::HangUpOnRequest) {
                    m_line.close();
                    return;
                }
                if (m_behaviour == Behaviour::MissesFirst && ++m_requests == 1)
                    continue;
                if (m_behaviour != Behaviour::Silent) {
                    const auto frame = settingsFrame(m_block);
                    std::size_t written = 0;
                    m_line.write(frame, written);
                }
            }
        }
    }

    Behaviour m_behaviour;
    BlockBytes m_block;
    PseudoTerminal m_line;
    WakeUp m_wakeUp;
    int m_requests = 0;
    QString m_link;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_runtime.isValid());
        ASSERT_TRUE(QDir().mkpath(portFolder()));
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        // The history goes to the test's own data folder.
        m_env.insert(QStringLiteral("XDG_DATA_HOME"), m_runtime.path() + QStringLiteral("/data"));
        // The window's settings (the port it found the transmitter on) are the test's own.
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                     m_runtime.path() + QStringLiteral("/config"));
    }
    void TearDown() override {
        if (m_txsim.state() != QProcess::NotRunning) {
            m_txsim.terminate();
            if (!m_txsim.waitForFinished(5000))
                m_txsim.kill();
        }
    }

    QString portFolder() const { return m_runtime.path() + QStringLiteral("/pelorin/ports"); }
    QString path(const QString& name) const { return m_runtime.path() + u'/' + name; }

    // pelorin-txsim as the virtual port "tx", running until the end of the test.
    void startTxsim(const QStringList& extra = {}) {
        m_txsim.setProcessEnvironment(m_env);
        m_txsim.setProcessChannelMode(QProcess::MergedChannels);
        m_txsim.start(QStringLiteral(PELORIN_TXSIM_PATH),
                      QStringList{QStringLiteral("--name"), QStringLiteral("tx")} + extra);
        ASSERT_TRUE(m_txsim.waitForStarted(5000));
        // It says where it registered once the link exists.
        QByteArray log;
        while (!log.contains("registered") && m_txsim.waitForReadyRead(5000))
            log += m_txsim.readAll();
        ASSERT_THAT(log.toStdString(), HasSubstr("registered"));
    }

    CliRun cli(const QStringList& args, const QByteArray& input = {}) {
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.setWorkingDirectory(m_runtime.path());
        process.start(QStringLiteral(PELORIN_CLI_PATH), args);
        CliRun run;
        if (!process.waitForStarted(5000)) {
            ADD_FAILURE() << "pelorin-cli did not start";
            return run;
        }
        if (!input.isNull())
            process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(kProcessBoundMs)) {
            process.kill();
            process.waitForFinished(5000);
            ADD_FAILURE() << "pelorin-cli hung: " << args.join(u' ').toStdString();
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray readFile(const QString& name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // pelorin-cli with arguments of any bytes: QProcess hands arguments over as UTF-8, the shell
    // passes the bytes themselves, written as octal escapes for its printf.
    CliRun cliWithBytes(const QList<QByteArray>& args) {
        QString script = QStringLiteral("exec \"$0\"");
        for (const QByteArray& arg : args) {
            QString escaped;
            for (const char c : arg)
                escaped +=
                    QStringLiteral("\\%1").arg(static_cast<unsigned char>(c), 3, 8, QChar(u'0'));
            script += QStringLiteral(" \"$(printf '%1')\"").arg(escaped);
        }
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.setWorkingDirectory(m_runtime.path());
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), script, QStringLiteral(PELORIN_CLI_PATH)});
        CliRun run;
        if (!process.waitForFinished(kProcessBoundMs)) {
            process.kill();
            process.waitForFinished(5000);
            ADD_FAILURE() << "pelorin-cli hung";
        }
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }

    QString historyFile() const {
        return m_runtime.path() + QStringLiteral("/data/Pelorin/Pelorin/history.jsonl");
    }

    // Failures end with one line on standard error that starts with the program's name.
    static void expectErrorLine(const CliRun& run) {
        EXPECT_TRUE(run.err.startsWith("pelorin-cli: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.endsWith('\n'));
    }

    QTemporaryDir m_runtime;
    QProcessEnvironment m_env;
    QProcess m_txsim;
};

TEST_F(CliTest, BackupAndRestore_ReadWritesTheBlockAndWriteIsVerified) {
    writeFile(QStringLiteral("start.bin"), bytesOf(patternBlock(1)));
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0"), QStringLiteral("--settings"),
                path(QStringLiteral("start.bin"))});

    const CliRun backup =
        cli({QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("tx"),
             QStringLiteral("-o"), QStringLiteral("backup.bin")});
    ASSERT_EQ(backup.exitCode, 0) << backup.err.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("backup.bin")), bytesOf(patternBlock(1)));

    writeFile(QStringLiteral("other.bin"), bytesOf(patternBlock(2)));
    const CliRun restore = cli({QStringLiteral("write"), QStringLiteral("other.bin")});
    EXPECT_EQ(restore.exitCode, 0) << restore.err.toStdString();

    // The block the transmitter holds now, through standard output.
    const CliRun check = cli({QStringLiteral("read"), QStringLiteral("-o"), QStringLiteral("-")});
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_EQ(check.out, bytesOf(patternBlock(2)));

    // Standard input as the file to write, then back to the backup.
    const CliRun fromInput =
        cli({QStringLiteral("write"), QStringLiteral("-")}, readFile(QStringLiteral("backup.bin")));
    EXPECT_EQ(fromInput.exitCode, 0) << fromInput.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("read")}).out, bytesOf(patternBlock(1)));
}

TEST_F(CliTest, ReadJson_IsReadableAndWritesBackTheSameBlock) {
    writeFile(QStringLiteral("start.bin"), bytesOf(patternBlock(4)));
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0"), QStringLiteral("--settings"),
                path(QStringLiteral("start.bin"))});
    const CliRun run = cli({QStringLiteral("read"), QStringLiteral("--json"), QStringLiteral("-o"),
                            QStringLiteral("model.json")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonParseError error{};
    QJsonDocument::fromJson(readFile(QStringLiteral("model.json")), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError);

    writeFile(QStringLiteral("other.bin"), bytesOf(patternBlock(5)));
    ASSERT_EQ(cli({QStringLiteral("write"), QStringLiteral("other.bin")}).exitCode, 0);
    const CliRun back = cli({QStringLiteral("write"), QStringLiteral("model.json")});
    EXPECT_EQ(back.exitCode, 0) << back.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("read")}).out, bytesOf(patternBlock(4)));
}

TEST_F(CliTest, History_ListsShowsAndSendsBackWhatWasReadAndWritten) {
    writeFile(QStringLiteral("start.bin"), bytesOf(patternBlock(1)));
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0"), QStringLiteral("--settings"),
                path(QStringLiteral("start.bin"))});
    ASSERT_EQ(cli({QStringLiteral("read"), QStringLiteral("-o"), QStringLiteral("a.bin")}).exitCode,
              0);
    writeFile(QStringLiteral("other.bin"), bytesOf(patternBlock(2)));
    ASSERT_EQ(cli({QStringLiteral("write"), QStringLiteral("other.bin")}).exitCode, 0);

    // Newest first: the write (its read-back is the same block, stored once), then the read.
    const CliRun list = cli({QStringLiteral("history")});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    const QList<QByteArray> lines = list.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2) << list.out.toStdString();
    EXPECT_THAT(lines[0].toStdString(), HasSubstr("2  "));
    EXPECT_THAT(lines[0].toStdString(), HasSubstr("pelorin-cli write other.bin"));
    EXPECT_THAT(lines[1].toStdString(), HasSubstr("Received from the transmitter"));

    const CliRun newest = cli({QStringLiteral("history"), QStringLiteral("--json"),
                               QStringLiteral("-n"), QStringLiteral("1")});
    ASSERT_EQ(newest.exitCode, 0);
    const QJsonObject entry = QJsonDocument::fromJson(newest.out.trimmed()).object();
    EXPECT_EQ(entry.value("id").toInt(), 2);
    EXPECT_EQ(entry.value("event").toString(), QStringLiteral("written"));
    EXPECT_FALSE(entry.value("changed").toArray().isEmpty());

    const CliRun show =
        cli({QStringLiteral("history"), QStringLiteral("show"), QStringLiteral("1")});
    ASSERT_EQ(show.exitCode, 0) << show.err.toStdString();
    EXPECT_THAT(show.out.toStdString(), HasSubstr("end point CH1 L: "));

    // Entry 1 back to the transmitter, verified as write does.
    const CliRun send =
        cli({QStringLiteral("history"), QStringLiteral("send"), QStringLiteral("1")});
    EXPECT_EQ(send.exitCode, 0) << send.err.toStdString();
    EXPECT_THAT(send.out.toStdString(), HasSubstr("verified"));
    EXPECT_EQ(cli({QStringLiteral("read")}).out, bytesOf(patternBlock(1)));

    const CliRun missing =
        cli({QStringLiteral("history"), QStringLiteral("show"), QStringLiteral("99")});
    EXPECT_EQ(missing.exitCode, 3);
    expectErrorLine(missing);
}

TEST_F(CliTest, User_SelectsEachStoredModel) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0")});
    const CliRun first = cli({QStringLiteral("user"), QStringLiteral("0")});
    const CliRun second = cli({QStringLiteral("user"), QStringLiteral("1"), QStringLiteral("-p"),
                               QStringLiteral("COM1")});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_FALSE(first.out.trimmed().isEmpty());
    // The simulator's two models differ, and so do their summaries.
    EXPECT_NE(first.out, second.out);
}

TEST_F(CliTest, MonitorJson_EveryFrameALineThenTheCounts) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("100"), QStringLiteral("--bad-checksum"),
                QStringLiteral("4")});
    const CliRun run = cli({QStringLiteral("monitor"), QStringLiteral("--json"),
                            QStringLiteral("--seconds"), QStringLiteral("1")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_GE(lines.size(), 2);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QJsonObject frame = QJsonDocument::fromJson(lines[i]).object();
        ASSERT_EQ(frame.value(QStringLiteral("channels")).toArray().size(), 6)
            << lines[i].toStdString();
        EXPECT_TRUE(frame.value(QStringLiteral("aux")).isDouble());
    }
    const QJsonObject closing = QJsonDocument::fromJson(lines.last()).object();
    EXPECT_EQ(closing.value(QStringLiteral("received")).toInteger(), lines.size() - 1);
    EXPECT_GT(closing.value(QStringLiteral("dropped")).toInteger(), 0);
}

TEST_F(CliTest, MonitorInterrupted_EndsCleanlyWithItsClosingLine) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("50")});
    QProcess process;
    process.setProcessEnvironment(m_env);
    process.start(QStringLiteral(PELORIN_CLI_PATH), {QStringLiteral("monitor")});
    ASSERT_TRUE(process.waitForStarted(5000));
    // Once frames are being printed, Ctrl+C.
    QByteArray out;
    while (out.count('\n') < 3 && process.waitForReadyRead(5000))
        out += process.readAllStandardOutput();
    ASSERT_GE(out.count('\n'), 3);
    test::sendSignal(process.processId(), SIGINT);
    ASSERT_TRUE(process.waitForFinished(kProcessBoundMs));
    out += process.readAllStandardOutput();

    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    const QByteArray last = out.trimmed().split('\n').last();
    // The closing line carries the count of the frame lines above it.
    const qsizetype frameLines = out.trimmed().count('\n') - 1;  // minus the heading
    EXPECT_THAT(last.toStdString(), HasSubstr(QByteArray::number(frameLines).toStdString()));
}

// However the monitor ends, the port is free for the next program at once: closed (no
// terminal left exclusive) and unlocked. A killed process cannot close anything; what it
// leaves is cleared by the next opener, which as root sees that nobody holds the port.
TEST_F(CliTest, MonitorEndedAnyWay_LeavesThePortFreeForTheNextOpen) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("50")});
    const QString device = QFileInfo(portFolder() + QStringLiteral("/tx")).canonicalFilePath();
    ASSERT_FALSE(device.isEmpty());
    const QString lockName = QStringLiteral("LCK..") + device.mid(5).replace(u'/', u'_');
    struct End {
        const char* what;
        int signal;  // 0: the reader of the output goes away (a broken pipe)
        bool unlocks;
    };
    std::vector<End> ends{{"broken pipe", 0, true},
                          {"SIGTERM", SIGTERM, true},
                          {"SIGINT", SIGINT, true},
                          {"SIGHUP", SIGHUP, true}};
    if (test::runsAsRoot())
        ends.push_back({"SIGKILL", SIGKILL, false});
    for (const End& end : ends) {
        SCOPED_TRACE(end.what);
        QProcess process;
        process.setProcessEnvironment(m_env);
        if (end.signal == 0) {
            // As in a shell: the reader takes two lines and goes.
            process.start(
                QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("\"$0\" monitor --port tx | head -2"),
                 QStringLiteral(PELORIN_CLI_PATH)});
            ASSERT_TRUE(process.waitForFinished(kProcessBoundMs));
            EXPECT_EQ(process.readAllStandardOutput().count('\n'), 2);
        } else {
            process.start(
                QStringLiteral(PELORIN_CLI_PATH),
                {QStringLiteral("monitor"), QStringLiteral("--port"), QStringLiteral("tx")});
            ASSERT_TRUE(process.waitForStarted(5000));
            QByteArray out;
            while (out.count('\n') < 2 && process.waitForReadyRead(5000))
                out += process.readAllStandardOutput();
            ASSERT_GE(out.count('\n'), 2);
            test::sendSignal(process.processId(), end.signal);
            ASSERT_TRUE(process.waitForFinished(kProcessBoundMs));
        }
        if (end.unlocks) {
            for (const char* folder : {"/var/lock", "/run/lock", "/tmp"})
                EXPECT_FALSE(QFile::exists(QString::fromLatin1(folder) + u'/' + lockName))
                    << folder;
        }

        const CliRun next = cli({QStringLiteral("read"), QStringLiteral("--port"),
                                 QStringLiteral("tx"), QStringLiteral("-o"), path("after.bin")});
        EXPECT_EQ(next.exitCode, 0) << next.err.toStdString();
    }
}

TEST_F(CliTest, LineClosedDuringMonitor_EndsWithPortErrorAndCounts) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("100"),
                QStringLiteral("--close-after-frames"), QStringLiteral("10")});
    const CliRun run = cli({QStringLiteral("monitor"), QStringLiteral("--json")});
    EXPECT_EQ(run.exitCode, 4);
    expectErrorLine(run);
    const QJsonObject closing =
        QJsonDocument::fromJson(run.out.trimmed().split('\n').last()).object();
    EXPECT_EQ(closing.value(QStringLiteral("received")).toInteger(), 10);
}

TEST_F(CliTest, LineFaults_GarbageIsSkippedBadChecksumsTimeOut) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("20"), QStringLiteral("--garbage"),
                QStringLiteral("1"), QStringLiteral("--split")});
    const CliRun throughGarbage =
        cli({QStringLiteral("read"), QStringLiteral("-o"), QStringLiteral("a.bin"),
             QStringLiteral("--timeout"), QStringLiteral("5")});
    EXPECT_EQ(throughGarbage.exitCode, 0) << throughGarbage.err.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("a.bin")).size(), 67);

    m_txsim.terminate();
    ASSERT_TRUE(m_txsim.waitForFinished(5000));
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0"), QStringLiteral("--bad-checksum"),
                QStringLiteral("1")});
    const CliRun badSums =
        cli({QStringLiteral("read"), QStringLiteral("-o"), QStringLiteral("b.bin"),
             QStringLiteral("--timeout"), QStringLiteral("0.5")});
    EXPECT_EQ(badSums.exitCode, 5);
    expectErrorLine(badSums);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("b.bin"))));
}

TEST_F(CliTest, MisbehavingTransmitters_EndWithTheirCodeAndNoOutputFile) {
    const QString link = portFolder() + QStringLiteral("/fake");
    const struct {
        FakeTransmitter::Behaviour behaviour;
        QStringList args;
        int exitCode;
    } cases[] = {
        {FakeTransmitter::Behaviour::Silent,
         {QStringLiteral("read"), QStringLiteral("-o"), QStringLiteral("out.bin")},
         5},
        {FakeTransmitter::Behaviour::Silent, {QStringLiteral("user"), QStringLiteral("1")}, 5},
        {FakeTransmitter::Behaviour::Silent, {QStringLiteral("monitor")}, 5},
        {FakeTransmitter::Behaviour::HangUpOnRequest,
         {QStringLiteral("read"), QStringLiteral("-o"), QStringLiteral("out.bin")},
         4},
    };
    for (const auto& c : cases) {
        FakeTransmitter fake(link, c.behaviour);
        ASSERT_TRUE(fake.ok());
        const CliRun run =
            cli(c.args + QStringList{QStringLiteral("--port"), link, QStringLiteral("--timeout"),
                                     QStringLiteral("0.3")});
        EXPECT_EQ(run.exitCode, c.exitCode)
            << c.args.join(u' ').toStdString() << run.err.toStdString();
        expectErrorLine(run);
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.bin"))));
    }
}

TEST_F(CliTest, WriteToATransmitterThatKeepsItsOwn_ListsTheDifferences) {
    const BlockBytes held = patternBlock(3);
    FakeTransmitter fake(portFolder() + QStringLiteral("/fake"),
                         FakeTransmitter::Behaviour::Stubborn, held);
    ASSERT_TRUE(fake.ok());
    BlockBytes written = held;
    written[0] ^= 0x01;  // one field differs
    writeFile(QStringLiteral("w.bin"), bytesOf(written));

    const CliRun run = cli({QStringLiteral("write"), QStringLiteral("w.bin")});
    EXPECT_EQ(run.exitCode, 1);
    expectErrorLine(run);
    EXPECT_EQ(run.out.trimmed().count('\n'), 0) << run.out.toStdString();  // one field

    EXPECT_EQ(cli({QStringLiteral("write"), QStringLiteral("w.bin"), QStringLiteral("--no-verify")})
                  .exitCode,
              0);
}

TEST_F(CliTest, RequestLostOnTheLine_IsAskedAgainWithinTheTimeOut) {
    FakeTransmitter fake(portFolder() + QStringLiteral("/fake"),
                         FakeTransmitter::Behaviour::MissesFirst, patternBlock(6));
    ASSERT_TRUE(fake.ok());
    const CliRun run =
        cli({QStringLiteral("read"), QStringLiteral("--timeout"), QStringLiteral("2")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, bytesOf(patternBlock(6)));
}

TEST_F(CliTest, BadFilesAndOutputs_EndWithFileError) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0")});
    writeFile(QStringLiteral("short.bin"), QByteArray(66, '\0'));
    writeFile(QStringLiteral("long.bin"), QByteArray(68, '\0'));
    writeFile(QStringLiteral("plain"), QByteArray("x"));
    // Text that starts like a model is one, whatever its length: never 67 bytes to send.
    QByteArray cut =
        "{\n    \"format\": \"pelorin-model\",\n    \"name\": \"Trainer\",\n    \"notes\": ";
    cut = cut.leftJustified(67, ' ');
    writeFile(QStringLiteral("cut.json"), cut);
    writeFile(QStringLiteral("braces.json"), "{" + QByteArray(65, ' ') + "}");
    const QStringList cases[] = {
        {QStringLiteral("write"), QStringLiteral("cut.json")},
        {QStringLiteral("write"), QStringLiteral("braces.json")},
        {QStringLiteral("write"), QStringLiteral("short.bin")},
        {QStringLiteral("write"), QStringLiteral("long.bin")},
        {QStringLiteral("write"), QStringLiteral("missing.bin")},
        {QStringLiteral("write"), m_runtime.path()},
        {QStringLiteral("read"), QStringLiteral("-o"), QStringLiteral("plain/x.bin")},
        {QStringLiteral("read"), QStringLiteral("-o"), QStringLiteral("no/such/folder/x.bin")},
    };
    for (const QStringList& args : cases) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.exitCode, 3) << args.join(u' ').toStdString();
        expectErrorLine(run);
    }
    EXPECT_EQ(cli({QStringLiteral("write"), QStringLiteral("-")}, QByteArray(10, '\0')).exitCode,
              3);
    EXPECT_EQ(readFile(QStringLiteral("plain")), QByteArray("x"));
}

// A file name is passed on as the system gave it; one that is not UTF-8 still names its file.
TEST_F(CliTest, Write_OpensAFileWhoseNameIsNotUtf8) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0")});
    const QByteArray name = QFile::encodeName(path(QString())) + "mod\xE8le\xFF.bin";
    const QByteArray block = bytesOf(patternBlock(3));
    {
        std::FILE* file = std::fopen(name.constData(), "wb");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(std::fwrite(block.constData(), 1, 67, file), 67u);
        std::fclose(file);
    }
    const CliRun run = cliWithBytes({"write", name});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    std::remove(name.constData());
}

TEST_F(CliTest, PortsThatCannotBeUsed_EndWithPortError) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0")});
    const QStringList specs = {QStringLiteral("COM9"), QStringLiteral("/dev/pelorin-none"),
                               QStringLiteral("nobody"), portFolder() + QStringLiteral("/gone")};
    ASSERT_TRUE(QFile::link(path(QStringLiteral("nothing")), specs.last()));
    for (const QString& spec : specs) {
        const CliRun run = cli({QStringLiteral("read"), QStringLiteral("--port"), spec});
        EXPECT_EQ(run.exitCode, 4) << spec.toStdString();
        expectErrorLine(run);
    }

    // Held by another program: neither read nor ports takes it, and both name the holder.
    QSerialPort holder(QFileInfo(portFolder() + QStringLiteral("/tx")).canonicalFilePath());
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    QFile comm(QStringLiteral("/proc/self/comm"));
    ASSERT_TRUE(comm.open(QIODevice::ReadOnly));
    const std::string self = comm.readAll().trimmed().toStdString();

    const CliRun busy =
        cli({QStringLiteral("monitor"), QStringLiteral("--port"), QStringLiteral("tx")});
    EXPECT_EQ(busy.exitCode, 4);
    expectErrorLine(busy);
    EXPECT_THAT(busy.err.toStdString(), HasSubstr(self));

    const CliRun ports = cli({QStringLiteral("ports")});
    EXPECT_EQ(ports.exitCode, 0);
    EXPECT_THAT(ports.out.toStdString(),
                HasSubstr((portFolder() + QStringLiteral("/tx")).toStdString()));
    EXPECT_THAT(ports.out.toStdString(), HasSubstr(self));
}

TEST_F(CliTest, Ports_ListsTheVirtualTransmitterAndWhereItLeads) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0")});
    const CliRun run = cli({QStringLiteral("ports")});
    EXPECT_EQ(run.exitCode, 0);
    const QString link = portFolder() + QStringLiteral("/tx");
    EXPECT_THAT(run.out.toStdString(), HasSubstr(link.toStdString()));
    EXPECT_THAT(run.out.toStdString(), HasSubstr(QFileInfo(link).symLinkTarget().toStdString()));
}

// A block with values no editor makes is not sent by write or history send: each such field
// is named, and --force sends it as it is.
TEST_F(CliTest, ValuesNoEditorMakes_AreRefusedNamingEachFieldUnlessForced) {
    writeFile(QStringLiteral("start.bin"), bytesOf(patternBlock(1)));
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0"), QStringLiteral("--settings"),
                path(QStringLiteral("start.bin"))});
    BlockBytes odd = patternBlock(2);
    setFieldValue(*findBlockField("end point CH1 L"), odd, -20);
    setFieldValue(*findBlockField("dual rate CH1 ON"), odd, 110);
    writeFile(QStringLiteral("odd.bin"), bytesOf(odd));

    const CliRun refused = cli({QStringLiteral("write"), QStringLiteral("odd.bin")});
    EXPECT_EQ(refused.exitCode, 3);
    expectErrorLine(refused);
    EXPECT_THAT(refused.err.toStdString(), HasSubstr("end point CH1 L: -20"));
    EXPECT_THAT(refused.err.toStdString(), HasSubstr("dual rate CH1 ON: 110"));
    EXPECT_THAT(refused.err.toStdString(), HasSubstr("--force"));
    EXPECT_EQ(cli({QStringLiteral("read")}).out, bytesOf(patternBlock(1)));  // nothing sent

    const CliRun forced =
        cli({QStringLiteral("write"), QStringLiteral("odd.bin"), QStringLiteral("--force")});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("read")}).out, bytesOf(odd));

    // The forced write is entry 2 of the history, after the read: sent again only with --force.
    const QStringList again{QStringLiteral("history"), QStringLiteral("send"), QStringLiteral("2")};
    EXPECT_THAT(cli(again).err.toStdString(), HasSubstr("end point CH1 L: -20"));
    EXPECT_EQ(cli(again + QStringList{QStringLiteral("--force")}).exitCode, 0);
}

// Names and devices in the history come from files any program may write: their control
// characters are shown escaped, never handed to the terminal.
TEST_F(CliTest, ControlCharactersFromTheHistory_AreShownEscaped) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(historyFile()).absolutePath()));
    QFile history(historyFile());
    ASSERT_TRUE(history.open(QIODevice::WriteOnly));
    const QByteArray block = bytesOf(patternBlock(1)).toHex();
    history.write(R"({"key":"k1","time":"2026-12-10T08:00:00.000Z","event":"written",)"
                  R"("device":"\u001b[31m/dev/ttyUSB0\u009b","block":")" +
                  block +
                  R"(","sent":true,"cause":"model","detail":"\u001b]0;X\u0007\u001b[2J\u007f"})"
                  "\n");
    history.close();
    const QStringList runs[] = {
        {QStringLiteral("history")},
        {QStringLiteral("history"), QStringLiteral("--json")},
        {QStringLiteral("history"), QStringLiteral("show"), QStringLiteral("1")},
    };
    for (const QStringList& args : runs) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const CliRun run = cli(args);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        for (const QByteArray& control :
             {QByteArray("\x1b"), QByteArray("\x07"), QByteArray("\x7f"), QByteArray("\xc2\x9b")})
            EXPECT_FALSE(run.out.contains(control)) << run.out.toStdString();
        EXPECT_THAT(run.out.toStdString(), HasSubstr("[2J"));
    }
    EXPECT_THAT(cli({QStringLiteral("history")}).out.toStdString(), HasSubstr("\\x1b]0;X\\x07"));
}

// An output name is the bytes given: one that is not UTF-8 is refused, and the file that its
// replacement characters would name is left alone.
TEST_F(CliTest, ReadToANameThatIsNotUtf8_LeavesTheFileOfTheLookalikeNameAlone) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0")});
    const QByteArray folder = QFile::encodeName(m_runtime.path()) + '/';
    const QByteArray lookalike = folder + "out\xEF\xBF\xBD.bin";
    {
        QFile kept(QFile::decodeName(lookalike));
        ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
        kept.write("keep me");
    }
    for (const QList<QByteArray>& args :
         {QList<QByteArray>{"read", "-o", folder + "out\xFF.bin"},
          QList<QByteArray>{"read", "--output=" + folder + "out\xFF.bin"}}) {
        const CliRun run = cliWithBytes(args);
        EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
        EXPECT_THAT(run.err.toStdString(), HasSubstr("UTF-8"));
        EXPECT_EQ(readFile(QStringLiteral("out\uFFFD.bin")), QByteArray("keep me"));
        std::error_code missing;
        EXPECT_FALSE(std::filesystem::exists((folder + "out\xFF.bin").toStdString(), missing));
    }
    // A name of UTF-8 characters beyond ASCII is saved under as given.
    EXPECT_EQ(cliWithBytes({"read", "-o", folder + "mod\xC3\xA8le.bin"}).exitCode, 0);
    EXPECT_EQ(readFile(QStringLiteral("mod\u00e8le.bin")).size(), 67);
}

// Without --port the port the window found the transmitter on last time is used; held by
// another program (the window), it is not passed over for a port where nothing answers: the
// holder is named and the run ends with status 4.
TEST_F(CliTest, RememberedPortHeldByAnotherProgram_NamesTheHolder) {
    startTxsim({QStringLiteral("--rate"), QStringLiteral("0")});
    // A second port, first in the order, where nothing would answer.
    FakeTransmitter silent(portFolder() + QStringLiteral("/a-silent"),
                           FakeTransmitter::Behaviour::Silent);
    ASSERT_TRUE(silent.ok());
    const QString tx = portFolder() + QStringLiteral("/tx");
    ASSERT_TRUE(QDir().mkpath(m_runtime.path() + QStringLiteral("/config/Pelorin")));
    writeFile(QStringLiteral("config/Pelorin/Pelorin.conf"),
              "[serial]\nlastAnsweredDevice=" + QFile::encodeName(tx) + "\n");

    const QStringList read{QStringLiteral("read"), QStringLiteral("-o"), QStringLiteral("a.bin"),
                           QStringLiteral("--timeout"), QStringLiteral("0.5")};
    const CliRun free = cli(read);
    EXPECT_EQ(free.exitCode, 0) << free.err.toStdString();

    QSerialPort holder(QFileInfo(tx).canonicalFilePath());
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    QFile comm(QStringLiteral("/proc/self/comm"));
    ASSERT_TRUE(comm.open(QIODevice::ReadOnly));
    const std::string self = comm.readAll().trimmed().toStdString();
    const CliRun held = cli(read);
    EXPECT_EQ(held.exitCode, 4);
    expectErrorLine(held);
    EXPECT_THAT(held.err.toStdString(), HasSubstr(self));
    EXPECT_THAT(held.err.toStdString(), HasSubstr("last time"));
    EXPECT_THAT(held.err.toStdString(), Not(HasSubstr("did not answer")));
}

TEST_F(CliTest, WrongUsage_EndsWithUsageErrorBeforeTouchingAPort) {
    const QStringList cases[] = {
        {},
        {QStringLiteral("backup")},
        {QStringLiteral("user")},
        {QStringLiteral("user"), QStringLiteral("2")},
        {QStringLiteral("write")},
        {QStringLiteral("write"), QStringLiteral("a"), QStringLiteral("b")},
        {QStringLiteral("ports"), QStringLiteral("extra")},
        {QStringLiteral("read"), QStringLiteral("--no-verify")},
        {QStringLiteral("ports"), QStringLiteral("--json")},
        {QStringLiteral("read"), QStringLiteral("--timeout"), QStringLiteral("0")},
        {QStringLiteral("read"), QStringLiteral("--timeout"), QStringLiteral("soon")},
        {QStringLiteral("monitor"), QStringLiteral("--seconds"), QStringLiteral("-1")},
        {QStringLiteral("read"), QStringLiteral("--bogus")},
        {QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("")},
        {QStringLiteral("history"), QStringLiteral("forget")},
        {QStringLiteral("history"), QStringLiteral("show")},
        {QStringLiteral("history"), QStringLiteral("-n"), QStringLiteral("0")},
        {QStringLiteral("history"), QStringLiteral("send"), QStringLiteral("1"),
         QStringLiteral("--json")},
        {QStringLiteral("read"), QStringLiteral("-n"), QStringLiteral("3")},
    };
    for (const QStringList& args : cases) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        expectErrorLine(run);
    }
}

}  // namespace
}  // namespace pelorin

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
