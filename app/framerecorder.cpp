// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/framerecorder.h"

#include <QDir>

#include <cstdio>
#include <cstring>

namespace pelorin {

QString FrameRecorder::start(const QString& path) {
    stop();
    frames_ = 0;
    bytes_ = 0;
    file_.setFileName(path);
    // Unbuffered: every line is handed to the system at once, so a failure shows on the line
    // that met it and everything before it is in the file.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        return tr("Cannot record to \"%1\": %2.")
            .arg(QDir::toNativeSeparators(path), file_.errorString());
    }
    const auto headerLength = static_cast<qint64>(std::strlen(kHeader));
    if (file_.write(kHeader, headerLength) != headerLength) {
        const QString reason = file_.errorString();
        file_.close();
        return tr("Cannot record to \"%1\": %2.").arg(QDir::toNativeSeparators(path), reason);
    }
    bytes_ = headerLength;
    return {};
}

QString FrameRecorder::record(std::int64_t ms, const std::array<int, 6>& words, int auxWord) {
    if (!file_.isOpen())
        return {};
    char line[128];
    const int length =
        std::snprintf(line, sizeof line, "%lld,%d,%d,%d,%d,%d,%d,%d\n", static_cast<long long>(ms),
                      words[0], words[1], words[2], words[3], words[4], words[5], auxWord);
    if (file_.write(line, length) == length) {
        ++frames_;
        bytes_ += length;
        return {};
    }
    // A write that stopped part way leaves half a line: cut it, so the file ends with the last
    // whole frame. The system may give no reason for a short write; a full disk is the usual one.
    const QString reason = file_.error() != QFileDevice::NoError
                               ? file_.errorString()
                               : tr("the file could not take any more (is the disk full?)");
    file_.resize(bytes_);
    const QString name = QDir::toNativeSeparators(file_.fileName());
    file_.close();
    return tr("Recording to \"%1\" stopped: %2. The %n frame(s) recorded before are kept in the "
              "file.",
              nullptr, static_cast<int>(frames_))
        .arg(name, reason);
}

void FrameRecorder::stop() {
    if (file_.isOpen())
        file_.close();
}

}  // namespace pelorin
