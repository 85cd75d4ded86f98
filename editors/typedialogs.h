// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings that are not per channel: the model type, the stick mode (with a picture of each
// layout) and the user entry sent with a UserRequest.

#include <QPixmap>
#include <QString>

#include <functional>

#include "dialogkit/templatedialog.h"
#include "link/settingsblock.h"

class QLabel;

namespace pelorin {

// Edits modelType: "ACRO", "HELI-120", "HELI-90", "HELI-140".
class TypeDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit TypeDialog(ModelSettings& settings, QWidget* parent = nullptr);

protected:
    void initDialog() override;
    void accept() override;

private:
    ModelSettings& settings_;
};

// Edits stickMode: 0 "MODEL1" .. 3 "MODEL4".
class StickModeDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit StickModeDialog(ModelSettings& settings, QWidget* parent = nullptr);

    // Where the stick pictures come from; loadPicture by default. Tests hand in their own.
    using PictureSource = std::function<QPixmap(const QString& bareName)>;
    void setPictureSource(PictureSource source);

protected:
    void initDialog() override;
    void accept() override;

private:
    void showStickPicture(int row);
    // What the picture of row `row` shows, for screen readers.
    [[nodiscard]] static QString stickDescription(int row);

    ModelSettings& settings_;
    PictureSource pictureSource_;
    QLabel* picture_ = nullptr;
};

// Chooses userSelect: 0 "USER1", 1 "USER2".
class UserSelectDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit UserSelectDialog(int& userSelect, QWidget* parent = nullptr);

protected:
    void initDialog() override;
    void accept() override;

private:
    int& userSelect_;
};

}  // namespace pelorin
