// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Serial Setting": choose the port the program uses for the rest of the run. Opening it lists
// the ports COM1..COM20 that can be opened now; OK turns the chosen or typed name into a port
// number, and refuses a name that is not in the list.

#include <QString>

#include "dialogkit/templatedialog.h"
#include "link/porttable.h"

class QComboBox;

namespace pelorin {

class Session;

// The port number for a name as the user chose or typed it: the first of COM1..COM20 whose
// name equals `text` exactly (case matters), else 1.
[[nodiscard]] int portNumberForName(const PortTable& table, const QString& text);

// What an entry's tooltip says about the device behind a port number.
[[nodiscard]] QString portToolTip(const PortTable& table, int portNumber);

class SerialSettingDialog : public TemplateDialog {
    Q_OBJECT

public:
    static constexpr int kPortBoxId = 1015;

    // Probes through `session` and reads the names from its port table.
    explicit SerialSettingDialog(Session& session, QWidget* parent = nullptr);

    // Set by OK, which takes only a name of the list; Cancel leaves it as it was.
    int selectedPort = 1;

    void accept() override;

protected:
    void initDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& session_;
    QComboBox* portBox_;
};

}  // namespace pelorin
