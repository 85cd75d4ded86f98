// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tour of every window of the program, as a user opens them: the main window, its window
// menu, each dialog behind a button of the main window, About, and the windows the window menu
// opens beside it. The tour needs no list of windows, so a new button or menu entry is visited
// without a change here.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTimer>

#include <functional>

#include "app/maindialog.h"
#include "dialogkit/systemmenu.h"

namespace pelorin::test {

using WindowVisit = std::function<void(QWidget* window)>;

namespace detail {

inline void closeWindow(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

inline QSet<QWidget*> visibleWindows() {
    QSet<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && qobject_cast<QMenu*>(w) == nullptr)
            windows.insert(w);
    }
    return windows;
}

// The program's own windows; Qt's (the file chooser) are Qt's concern.
inline bool isProgramWindow(const QWidget* window) {
    return QByteArray(window->metaObject()->className()).startsWith("pelorin::");
}

// Runs `open`; each window it opens (modal or beside the others) is visited, then closed.
inline void visitWhatOpens(QWidget* main, const std::function<void()>& open,
                           const WindowVisit& visit) {
    const QSet<QWidget*> before = visibleWindows();
    // A modal window blocks `open` in its own loop: it is visited from there.
    QTimer::singleShot(0, main, [main, visit]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != main) {
            if (isProgramWindow(modal))
                visit(modal);
            closeWindow(modal);
        }
    });
    open();
    QApplication::processEvents();
    for (QWidget* w : visibleWindows()) {
        if (!before.contains(w)) {
            if (isProgramWindow(w))
                visit(w);
            closeWindow(w);
        }
    }
}

}  // namespace detail

// Visits every window while `main` runs modally (call from inside its run). The main window
// shows all its buttons only for a helicopter type: set one first. Save and Open are clicked
// too: give the window file choosers that cancel.
inline void tourWindows(MainDialog& main, const WindowVisit& visit) {
    visit(&main);
    if (auto* menu = main.findChild<QMenu*>(QStringLiteral("systemMenu")))
        visit(menu);
    for (QPushButton* button : main.findChildren<QPushButton*>()) {
        if (button->isHidden() || !button->isEnabled())
            continue;
        detail::visitWhatOpens(
            &main, [button]() { button->click(); }, visit);
    }
    if (auto* menu = main.findChild<QMenu*>(QStringLiteral("systemMenu"))) {
        for (QAction* action : menu->actions()) {
            const unsigned command = action->data().toUInt();
            if (action->isSeparator() || command == kCloseCommand)
                continue;
            detail::visitWhatOpens(
                &main, [&main, command]() { main.systemCommand(command); }, visit);
        }
    }
}

}  // namespace pelorin::test
