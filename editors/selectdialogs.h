// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The function of an assignable switch or VR knob: a position in a short list whose
// helicopter entries are offered only when the model type is not ACRO.

#include <QChar>

#include <cstdint>

#include "dialogkit/templatedialog.h"

namespace pelorin {

// What the switch and VR selectors share: the stored function, the model-type copy handed
// over before every opening, and OK storing the list's position.
class FunctionSelectDialog : public TemplateDialog {
    Q_OBJECT

public:
    // The model type nibble of byte 0, handed over before every opening.
    void setModelType(std::uint8_t modelTypeNibble) { modelType_ = modelTypeNibble; }

protected:
    FunctionSelectDialog(const QString& caption, int widthDlu, int heightDlu, int& function,
                         QWidget* parent);
    void accept() override;

    int& function_;
    std::uint8_t modelType_ = 0;
};

// One instance per switch (A, B); `function` is switchAFunction or switchBFunction.
class SwitchSelectDialog : public FunctionSelectDialog {
    Q_OBJECT

public:
    explicit SwitchSelectDialog(int& function, QWidget* parent = nullptr);
    // Names the switch this dialog sets ('A' or 'B') in its list's tooltip.
    void nameSwitch(QChar letter);

protected:
    void initDialog() override;
};

// One instance per knob (A, B); `function` is vrAFunction or vrBFunction.
class VrSelectDialog : public FunctionSelectDialog {
    Q_OBJECT

public:
    explicit VrSelectDialog(int& function, QWidget* parent = nullptr);
    // Names the knob this dialog sets ('A' or 'B') in its list's tooltip.
    void nameKnob(QChar letter);

protected:
    void initDialog() override;
};

}  // namespace pelorin
