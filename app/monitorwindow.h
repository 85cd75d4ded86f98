// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Monitor window, beside the main window: the live channels as numbers (raw word, value,
// percentage), the last ten seconds as a trace, the health of the line, and recording of every
// good frame to a CSV file. It watches only while shown: hidden (and not recording), it takes
// no frames and runs no timer; only the line's state and the memory still reach it.

#include <QDialog>
#include <QElapsedTimer>
#include <QLocale>
#include <QMetaObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>

#include "app/framerecorder.h"
#include "app/linkhealth.h"

class QLabel;
class QPushButton;

namespace pelorin {

class ChannelTrace;
class SerialControl;
class Session;
class TransmitterConnection;

class MonitorWindow : public QDialog {
    Q_OBJECT

public:
    // The trace is refreshed ten times a second: smooth enough to follow a stick, and cheap
    // (a refresh repaints only what moved).
    static constexpr int kRefreshMs = 100;
    // While frames come, a refresh rides on a frame's own wake-up, at the first frame at least
    // kRefreshMs - kEarlyMs after the last refresh (so about kRefreshMs apart at 50 frames/s);
    // the timer, kLateMs later than that, refreshes only a silent line. A wake-up of its own
    // ten times a second costs about as much as a repaint.
    static constexpr int kEarlyMs = 10;
    static constexpr int kLateMs = 25;
    // The numbers and the health figures (rates, tenths of seconds) change five times a second,
    // on the same refreshes: slow enough to be read, and every other refresh repaints only the
    // trace.
    static constexpr int kHealthEveryRefreshes = 2;
    static constexpr int kNumbersEveryRefreshes = kHealthEveryRefreshes;
    static constexpr int kRows = 7;  // CH1..CH6, then the auxiliary word

    enum class Column { Word, Value, Percent };
    enum class HealthRow { State, GoodRate, Dropped, Settings, LastGood, Port };

    // Asks for the CSV file to record to; empty when the user cancelled.
    using FileChooser = std::function<QString(QWidget* parent)>;

    // The window follows `connection`: its frames while shown, the state of its line and the
    // memory its settings are.
    explicit MonitorWindow(const TransmitterConnection& connection, QWidget* parent = nullptr);
    ~MonitorWindow() override;

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    [[nodiscard]] const QLabel* memoryLabel() const { return memoryLabel_; }

    // What the window shows, for tests and screen readers alike.
    [[nodiscard]] QString valueText(int row, Column column) const;
    [[nodiscard]] const QLabel* healthLabel(HealthRow row) const;
    [[nodiscard]] bool noDataShown() const { return noDataShown_; }
    [[nodiscard]] bool recording() const { return recorder_.recording(); }
    [[nodiscard]] bool watching() const { return static_cast<bool>(frameConnection_); }
    [[nodiscard]] bool ticking() const { return refreshTimer_.isActive(); }
    [[nodiscard]] const ChannelTrace* trace() const { return trace_; }
    [[nodiscard]] QPushButton* recordButton() const { return recordButton_; }

    [[nodiscard]] const QString& lineDownText() const { return lineDown_; }

    // Starts a recording (asking for the file) or stops the one running.
    void toggleRecording();
    void togglePause();
    // Closing the window (Close, Escape, the close box) ends a recording.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    // Greys the numbers and the trace under `text` while the line is down; empty: it is up.
    void setLineDown(const QString& text);
    void showMemory();
    void startWatching();
    void stopWatching();
    void takeFrame();
    void refresh();
    void refreshNumbers();
    void refreshHealth(std::int64_t nowMs);
    void refreshRecording();
    void updateButtons();
    void stopRecording(const QString& message);
    void placeBesideParent();
    [[nodiscard]] FrameCounts totals() const;
    [[nodiscard]] QString portText() const;

    const TransmitterConnection& connection_;
    const Session& session_;
    const SerialControl& serial_;
    QMetaObject::Connection frameConnection_;  // while shown or recording
    FileChooser chooseFile_;

    QElapsedTimer clock_;
    QTimer refreshTimer_;
    int refreshCount_ = 0;
    LinkHealth health_;
    FrameRecorder recorder_;
    std::int64_t recordingStartMs_ = 0;

    struct PortKey {
        int port = -1;
        bool open = false;
        friend bool operator==(const PortKey&, const PortKey&) = default;
    };
    PortKey portKey_;  // the port the shown text describes
    QLocale numberLocale_;

    QWidget* channels_ = nullptr;
    std::array<std::array<QLabel*, 3>, kRows> cells_{};  // word, value, percent
    std::array<QLabel*, 6> healthLabels_{};
    ChannelTrace* trace_ = nullptr;
    QPushButton* pauseButton_ = nullptr;
    QPushButton* recordButton_ = nullptr;
    QLabel* recordingLabel_ = nullptr;
    QLabel* memoryLabel_ = nullptr;

    std::int64_t lastRefreshMs_ = 0;
    bool refreshQueued_ = false;
    bool framePending_ = false;  // a frame came since the numbers were last drawn
    bool noDataShown_ = false;
    QString lineDown_;
    bool paused_ = false;
    bool placed_ = false;
};

// The program's chooser for a recording: Qt's own file dialog, CSV files, ".csv" added to a
// name typed without a suffix, and a question before an existing file is replaced.
[[nodiscard]] QString chooseRecordingFile(QWidget* parent);

}  // namespace pelorin
