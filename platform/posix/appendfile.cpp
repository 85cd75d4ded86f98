// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/savefile.h"

#include <QFile>

namespace pelorin {

QString appendToFile(const QString& path, const QByteArray& bytes) {
    // Append opens with O_APPEND, and unbuffered the bytes go to the file in one write.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size())
        return file.errorString();
    return {};
}

}  // namespace pelorin
