// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recording good live frames to a CSV file: a header line, then one line per frame with the
// time in milliseconds since the recording started, the six channel words and the auxiliary
// word. Each line goes to the file as it comes, so a failed write (a full disk, a removed
// drive) stops the recording and leaves every line before it in the file.

#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <array>
#include <cstdint>

namespace pelorin {

class FrameRecorder {
    Q_DECLARE_TR_FUNCTIONS(FrameRecorder)

public:
    // The first line of every recording; the column names are part of the file format.
    static constexpr const char* kHeader = "time_ms,ch1,ch2,ch3,ch4,ch5,ch6,aux\n";

    FrameRecorder() = default;
    FrameRecorder(const FrameRecorder&) = delete;
    FrameRecorder& operator=(const FrameRecorder&) = delete;

    // Creates or replaces `path` and writes the header. Returns an empty string, or a message
    // naming the file and the reason it cannot be written.
    [[nodiscard]] QString start(const QString& path);
    // Writes one frame's line. On a failed write the recording stops and the message (naming
    // the file, the reason and how many frames it keeps) is returned; otherwise empty.
    [[nodiscard]] QString record(std::int64_t ms, const std::array<int, 6>& words, int auxWord);
    // Ends the recording and closes the file; nothing happens when none is running.
    void stop();

    [[nodiscard]] bool recording() const { return file_.isOpen(); }
    [[nodiscard]] std::uint64_t framesWritten() const { return frames_; }
    [[nodiscard]] QString fileName() const { return file_.fileName(); }

private:
    QFile file_;
    std::uint64_t frames_ = 0;
    qint64 bytes_ = 0;  // the whole lines written so far
};

}  // namespace pelorin
