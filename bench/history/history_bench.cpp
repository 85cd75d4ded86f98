// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a long history costs the window, at 1,000, 100,000 and 1,000,000 records side by side:
// Ctrl+Z from the keypress to its question shown (the first of the run and the median of
// later ones), Ctrl+Z on a transmitter the history holds nothing for (the whole file looked
// through), Ctrl+H to the History window painted, and the program's peak memory. Each size
// runs in a process of its own, so that one's memory is not another's. The baselines, measured
// in the same process: the same question shown straight away (no history looked up), and the
// History window on an empty history; the figures are given as multiples of them, the memory
// as a multiple of the smallest history's. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
//
//   pelorin_history_bench [--records N ...] [--repeat N]

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/historyrecorder.h"
#include "app/historywindow.h"
#include "app/sendconfirmation.h"
#include "bench/history/samplehistory.h"
#include "connection/transmitterconnection.h"
#include "link/session.h"
#include "models/history.h"
#include "platform/linux/qtserialcontrol.h"

namespace {

using namespace pelorin;

// Milliseconds from start() until the next modal dialog (a question or a message) is shown,
// which is then closed as Escape would.
class ShownClock : public QObject {
public:
    ShownClock() { qApp->installEventFilter(this); }
    void start() {
        shownMs_ = -1;
        clock_.start();
    }
    [[nodiscard]] double shownMs() const { return shownMs_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(object);
        if (event->type() == QEvent::Show && shownMs_ < 0 && dialog != nullptr &&
            dialog->isModal()) {
            shownMs_ = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QElapsedTimer clock_;
    double shownMs_ = -1;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

long peakMemoryKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return 0;
}

struct Window {
    explicit Window(const QString& path)
        : connection(std::make_unique<QtSerialControl>(), [] { return PortTable{}; }),
          recorder(path, connection, &main, [](const BlockSend&) {}) {
        main.show();
        main.activateWindow();
        (void)QTest::qWaitForWindowActive(&main);
    }
    // Ctrl+Z pressed in the window until its question or message is shown.
    double ctrlZ(ShownClock& clock) {
        main.activateWindow();  // the shortcut goes to the active window
        (void)QTest::qWaitForWindowActive(&main);
        clock.start();
        QTest::keyClick(&main, Qt::Key_Z, Qt::ControlModifier);
        return clock.shownMs();
    }
    // Ctrl+H's work: the History window made, filled, shown and painted; then closed and gone.
    double openHistory() {
        QElapsedTimer clock;
        clock.start();
        recorder.showWindow(connection.session(), QString());
        recorder.historyWindow()->list()->viewport()->repaint();
        QApplication::processEvents();
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        delete recorder.historyWindow();
        QApplication::processEvents();
        return ms;
    }
    TransmitterConnection connection;
    QWidget main;
    HistoryRecorder recorder;
};

// One size, in this process: the figures as one line for the process that started it.
int measure(long records, int repeat) {
    QTemporaryDir dir;
    ShownClock clock;
    const QString empty = dir.filePath(QStringLiteral("empty.jsonl"));
    const QString own = dir.filePath(QStringLiteral("history.jsonl"));
    const QString other = dir.filePath(QStringLiteral("other.jsonl"));

    Window bare(empty);
    const QString device = bare.recorder.chain().device;  // the chain undo steps along
    bench::writeSampleHistory(own, records, device);
    // The same size of history, all of it another transmitter's.
    bench::writeSampleHistory(other, records, device + QStringLiteral("-other"));
    Window window(own);
    Window stranger(other);

    std::vector<double> question, undo, nothing, emptyHistory, history;
    const double firstUndo = window.ctrlZ(clock);
    for (int i = 0; i < repeat; ++i) {
        clock.start();
        (void)SendConfirmation::ask(&bare.main, QStringLiteral("Undo"),
                                    QStringLiteral("Send back what the transmitter held?"),
                                    startingBlock(), bench::sampleBlock(1));
        question.push_back(clock.shownMs());
        undo.push_back(window.ctrlZ(clock));
        nothing.push_back(stranger.ctrlZ(clock));
        emptyHistory.push_back(bare.openHistory());
        history.push_back(window.openHistory());
    }
    std::printf("%ld %lld %.3f %.3f %.3f %.3f %.3f %.3f %ld\n", records,
                static_cast<long long>(QFile(own).size()), median(question), firstUndo,
                median(undo), median(nothing), median(emptyHistory), median(history),
                peakMemoryKb());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::vector<long> sizes;
    int repeat = 15;
    bool one = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--records") == 0 && i + 1 < argc)
            sizes.push_back(std::stol(argv[++i]));
        else if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc)
            repeat = std::stoi(argv[++i]);
        else if (std::strcmp(argv[i], "--one") == 0)
            one = true;
    }
    if (sizes.empty())
        sizes = {1000, 100000, 1000000};
    if (one) {
        QApplication app(argc, argv);
        return measure(sizes.front(), repeat);
    }

    std::printf("%-9s %6s | %-27s | %-14s | %-19s | %s\n", "records", "MB",
                "Ctrl+Z ms: first, median, x", "nothing to undo", "History ms: open, x",
                "peak memory MB, x");
    double smallestKb = 0;
    for (const long records : sizes) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QString::fromLocal8Bit(argv[0]),
                    {QStringLiteral("--one"), QStringLiteral("--records"), QString::number(records),
                     QStringLiteral("--repeat"), QString::number(repeat)});
        if (!child.waitForFinished(-1) || child.exitCode() != 0) {
            std::fprintf(stderr, "the run with %ld records failed\n", records);
            return 1;
        }
        const QList<QByteArray> f = child.readAllStandardOutput().trimmed().split(' ');
        if (f.size() != 9)
            return 1;
        const double question = f[2].toDouble(), firstUndo = f[3].toDouble(),
                     undo = f[4].toDouble(), nothing = f[5].toDouble(),
                     emptyHistory = f[6].toDouble(), history = f[7].toDouble();
        const double kb = f[8].toDouble();
        if (smallestKb == 0)
            smallestKb = kb;
        std::printf(
            "%-9ld %6.1f | %7.2f %7.2f %6.2fx     | %7.2f %5.2fx | %7.2f %6.2fx     | "
            "%6.1f %5.2fx\n",
            records, f[1].toDouble() / 1e6, firstUndo, undo, undo / question, nothing,
            nothing / question, history, history / emptyHistory, kb / 1024, kb / smallestKb);
        std::fflush(stdout);
    }
    std::printf(
        "x: Ctrl+Z against its question shown straight away, History against an empty "
        "history, memory against the first size\n");
    return 0;
}
