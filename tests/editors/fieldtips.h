// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether an editor's tooltips name the ranges its OK checks: for each edit field in turn the
// others hold 0, which every range takes, and this one a value no range takes; the refusal
// names the range OK checks, and the field's tooltip (and accessible description) must name
// the same.

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "dialogkit/templatedialog.h"
#include "tests/support/modal.h"

namespace pelorin::test {

inline void expectTooltipsNameCheckedRanges(TemplateDialog& dialog) {
    const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
    ASSERT_FALSE(fields.isEmpty());
    static const QRegularExpression range(QStringLiteral("(-?\\d+) and (-?\\d+)"));
    for (QLineEdit* field : fields) {
        MessageRecorder messages;
        QString tip;
        QWidget* focused = nullptr;
        whenModalOpens<TemplateDialog>([&](TemplateDialog* d) {
            for (QLineEdit* other : d->findChildren<QLineEdit*>())
                other->setText(other == field ? QStringLiteral("9999") : QStringLiteral("0"));
            d->control<QPushButton>(kIdOk)->click();
            focused = d->focusWidget();
            tip = field->toolTip();
            d->reject();
        });
        dialog.run();
        ASSERT_EQ(messages.messages.size(), 1) << field->accessibleName().toStdString();
        EXPECT_EQ(focused, field);
        const auto match = range.match(messages.messages.first());
        ASSERT_TRUE(match.hasMatch()) << messages.messages.first().toStdString();
        EXPECT_TRUE(tip.contains(match.captured(1) + QStringLiteral(" to ") + match.captured(2)))
            << field->accessibleName().toStdString() << ": " << tip.toStdString();
        EXPECT_EQ(field->accessibleDescription(), tip);
    }
}

}  // namespace pelorin::test
