// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/channelname.h"

#include <QCoreApplication>

namespace pelorin {

QString channelName(int number) {
    return QCoreApplication::translate("pelorin::Channel", "CH%1").arg(number);
}

}  // namespace pelorin
