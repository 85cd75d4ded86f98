// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogkit/systemmenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

#include <utility>

namespace pelorin {

SystemMenu::SystemMenu(QWidget* window, CommandHandler handler)
    : QObject(window), window_(window), menu_(new QMenu(window)), handler_(std::move(handler)) {
    menu_->setObjectName(QStringLiteral("systemMenu"));
    menu_->setToolTipsVisible(true);
    connect(menu_, &QMenu::aboutToShow, this, &SystemMenu::aboutToShow);
    appendItem(kCloseCommand, tr("Close"));
    window_->installEventFilter(this);
}

SystemMenu::~SystemMenu() = default;

void SystemMenu::appendSeparator() {
    menu_->addSeparator();
}

QAction* SystemMenu::makeItem(unsigned command, const QString& text) {
    auto* action = new QAction(text, menu_);
    action->setData(command);
    connect(action, &QAction::triggered, this, [this, command]() {
        if (handler_)
            handler_(command);
    });
    return action;
}

void SystemMenu::appendItem(unsigned command, const QString& text) {
    menu_->addAction(makeItem(command, text));
}

void SystemMenu::insertItem(int position, unsigned command, const QString& text,
                            const QKeySequence& shortcut) {
    QAction* action = makeItem(command, text);
    const QList<QAction*> actions = menu_->actions();
    menu_->insertAction(actions.value(position, nullptr), action);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        window_->addAction(action);
    }
}

void SystemMenu::insertSeparator(int position) {
    const QList<QAction*> actions = menu_->actions();
    menu_->insertSeparator(actions.value(position, nullptr));
}

QAction* SystemMenu::item(unsigned command) const {
    for (QAction* action : menu_->actions()) {
        if (!action->isSeparator() && action->data().toUInt() == command)
            return action;
    }
    return nullptr;
}

void SystemMenu::setItemToolTip(unsigned command, const QString& tip) {
    if (QAction* action = item(command))
        action->setToolTip(tip);
}

void SystemMenu::setItemText(unsigned command, const QString& text) {
    if (QAction* action = item(command))
        action->setText(text);
}

void SystemMenu::popup(const QPoint& globalPos) {
    menu_->popup(globalPos);
}

bool SystemMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_)
        return false;
    switch (event->type()) {
        case QEvent::ContextMenu: {
            // Right click anywhere that does not have a menu of its own, or the Menu key.
            auto* e = static_cast<QContextMenuEvent*>(event);
            const QPoint at = e->reason() == QContextMenuEvent::Mouse
                                  ? e->globalPos()
                                  : window_->mapToGlobal(QPoint(0, 0));
            popup(at);
            return true;
        }
        case QEvent::KeyPress: {
            // Shift+F10 opens the menu as the Menu key does, at the window's corner.
            auto* e = static_cast<QKeyEvent*>(event);
            if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier) {
                popup(window_->mapToGlobal(QPoint(0, 0)));
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

}  // namespace pelorin
