// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "About Pelorin": the program's icon, name, version and licence. Created for each showing.

#include "dialogkit/templatedialog.h"

namespace pelorin {

class AboutDialog : public TemplateDialog {
    Q_OBJECT

public:
    static constexpr int kIconId = 1050;

    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace pelorin
