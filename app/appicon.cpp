// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/appicon.h"

namespace pelorin {

QIcon applicationIcon() {
    return QIcon(QStringLiteral(":/icons/pelorin.png"));
}

}  // namespace pelorin
