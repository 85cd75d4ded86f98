// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the curve and program mix tests: a Session over the fake serial control with its
// port open, and a way to act on an editor from inside its modal run.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "dialogkit/templatedialog.h"
#include "link/session.h"
#include "tests/link/fakeserial.h"
#include "tests/support/modal.h"

namespace pelorin::test {

class EditorSessionTest : public ::testing::Test {
protected:
    EditorSessionTest() { fake.forceOpen(true); }

    // Queues `action` for the dialog of type T that the next modal run opens. Whatever the
    // action leaves open is cancelled (and named, if a check failed), so it can never hang.
    template <class T>
    void whenOpen(std::function<void(T*)> action) {
        whenModalOpens<T>(
            [action](T* dialog) {
                // Focus events reach only the active window; do not race its activation.
                dialog->activateWindow();
                EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
                action(dialog);
            },
            kModalWaitMs, LeftOpen::Cancel);
    }

    // Every WriteFrame the session sent.
    [[nodiscard]] std::vector<std::vector<std::uint8_t>> writes() const { return fake.writes(); }

    testing::FakeSerialControl fake;
    Session session{fake, fake.discovery()};
    MessageRecorder recorder;
};

inline void clickButton(QDialog* dialog, int id) {
    auto* button = dialog->findChild<QPushButton*>(QStringLiteral("control%1").arg(id));
    ASSERT_NE(button, nullptr);
    button->click();
}

// Chooses an entry as the user would: the selection changes and the box reports it.
inline void chooseEntry(QDialog* dialog, int id, int index) {
    auto* box = dialog->findChild<QComboBox*>(QStringLiteral("control%1").arg(id));
    ASSERT_NE(box, nullptr);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

inline QString fieldText(QDialog* dialog, int id) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("control%1").arg(id));
    return edit != nullptr ? edit->text() : QStringLiteral("<missing>");
}

}  // namespace pelorin::test

namespace pelorin::test {

// What a user sees of a template laid out for another font: every text fits its control, no
// control lies over another, and all of them lie inside the window.
inline void expectReadableLayout(QDialog* dialog) {
    const QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : controls) {
        const QString name =
            w->objectName().isEmpty() ? w->property("text").toString() : w->objectName();
        EXPECT_TRUE(dialog->rect().contains(w->geometry())) << name.toStdString();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << name.toStdString();
        }
        if (auto* box = qobject_cast<QComboBox*>(w)) {
            EXPECT_GE(box->width(), box->sizeHint().width()) << name.toStdString();
        }
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 8)
                << name.toStdString();
        }
    }
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << controls[i]->objectName().toStdString() << " "
                << controls[i]->property("text").toString().toStdString() << " / "
                << controls[j]->objectName().toStdString() << " "
                << controls[j]->property("text").toString().toStdString();
}

}  // namespace pelorin::test
