// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Records into a history file as fast as it can: `pelorin_history_writer FILE WRITER COUNT`
// appends COUNT records (0: until killed) whose blocks carry the writer's number and the
// record's sequence number, and prints each sequence number once its record is stored.

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

#include "models/history.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return 2;
    const pelorin::models::HistoryStore store(args[1]);
    const int writer = args[2].toInt();
    const long count = args[3].toLong();
    for (long i = 0; count == 0 || i < count; ++i) {
        pelorin::models::HistoryRecord record;
        record.received = (i % 3) == 0;
        record.cause = pelorin::models::HistoryCause::Editor;
        record.device = QStringLiteral("/dev/pts/%1").arg(writer);
        record.block = pelorin::startingBlock();
        record.block[0] = static_cast<std::uint8_t>(writer);
        for (std::size_t b = 0; b < 4; ++b)
            record.block[1 + b] = static_cast<std::uint8_t>(i >> (8 * b));
        if (!record.received)
            record.detail = QStringLiteral("%1 %2").arg(writer).arg(i);
        const QString error = store.append(record);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("%ld\n", i);
        std::fflush(stdout);
    }
    return 0;
}
