// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A long history for the benches: `records` records, blocks received and editors' writes in
// turn, each block differing from the one before.

#include <QDateTime>
#include <QFile>
#include <QString>

#include "link/settingsblock.h"
#include "models/history.h"

namespace pelorin::bench {

// The block of record `i`.
inline BlockBytes sampleBlock(long i) {
    BlockBytes block = startingBlock();
    block[block::kEndPoint + 1] = static_cast<std::uint8_t>(i % 120);
    block[block::kSubTrim] = static_cast<std::uint8_t>(i / 120);
    return block;
}

inline void writeSampleHistory(const QString& path, long records,
                               const QString& device = QStringLiteral("/dev/ttyUSB0")) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    models::HistoryRecord record;
    record.device = device;
    record.time = QDateTime::currentDateTimeUtc();
    for (long i = 0; i < records; ++i) {
        record.key = QString::number(i, 36);
        record.received = (i % 2) == 0;
        record.cause = record.received ? models::HistoryCause::None : models::HistoryCause::Editor;
        record.detail = record.received ? QString() : QStringLiteral("EndPoint");
        record.block = sampleBlock(i);
        file.write(models::historyLine(record));
    }
}

}  // namespace pelorin::bench
