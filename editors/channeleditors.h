// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five channel editors: End Point, Reverse, SubTrim, DR and Swash AFR. Each is a plain
// form over values of ModelSettings; the numeric ones check every field on OK and store
// nothing unless all of them pass, so a refused OK or a later Cancel never leaves part of the
// typed values behind.

#include <vector>

#include "dialogkit/templatedialog.h"
#include "link/settingsblock.h"

namespace pelorin {

// A dialog of integer edit fields, each bound to one stored value and one range. The fields
// are kept in the order they are checked on OK.
class IntegerFormDialog : public TemplateDialog {
    Q_OBJECT

public:
    IntegerFormDialog(const QString& caption, int widthDlu, int heightDlu, QWidget* parent);

protected:
    struct Field {
        int id = 0;
        int min = 0;
        int max = 0;
        int* value = nullptr;
    };

    // Binds edit field `id` (already added) to `value`; call in checking order.
    void bindField(int id, int min, int max, int& value);

    void initDialog() override;
    void accept() override;

private:
    std::vector<Field> fields_;
};

class EndPointDialog : public IntegerFormDialog {
    Q_OBJECT

public:
    explicit EndPointDialog(ModelSettings& settings, QWidget* parent = nullptr);
};

class ReverseDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit ReverseDialog(ModelSettings& settings, QWidget* parent = nullptr);

protected:
    void initDialog() override;
    void accept() override;

private:
    ModelSettings& settings_;
};

class SubTrimDialog : public IntegerFormDialog {
    Q_OBJECT

public:
    explicit SubTrimDialog(ModelSettings& settings, QWidget* parent = nullptr);
};

class DualRateDialog : public IntegerFormDialog {
    Q_OBJECT

public:
    explicit DualRateDialog(ModelSettings& settings, QWidget* parent = nullptr);
};

class SwashAfrDialog : public IntegerFormDialog {
    Q_OBJECT

public:
    explicit SwashAfrDialog(ModelSettings& settings, QWidget* parent = nullptr);
};

}  // namespace pelorin
