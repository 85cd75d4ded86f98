// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace pelorin {

namespace {

constexpr int kGap = 12;  // between the main window's frame and the window beside it

// Watches one window: places it when first shown, remembers its place when hidden.
class Placement : public QObject {
public:
    Placement(QWidget* window, QWidget* main, QString key, PlacementMemory memory)
        : QObject(window),
          window_(window),
          main_(main),
          key_(std::move(key)),
          memory_(std::move(memory)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_)
            return false;
        if (event->type() == QEvent::Show && !placed_) {
            placed_ = true;
            place();
        } else if (event->type() == QEvent::Hide && placed_ && memory_.remember) {
            memory_.remember(key_, window_->saveGeometry());
        }
        return false;
    }

private:
    void place() {
        // A place kept from before, if it still lies on a screen.
        if (memory_.recall) {
            const QByteArray kept = memory_.recall(key_);
            if (!kept.isEmpty() && window_->restoreGeometry(kept) &&
                QGuiApplication::screenAt(window_->frameGeometry().center()) != nullptr)
                return;
        }
        if (main_ == nullptr || !main_->isVisible())
            return;
        const QScreen* screen = main_->screen();
        if (screen == nullptr)
            return;
        window_->move(besidePosition(main_->frameGeometry(), window_->frameGeometry().size(),
                                     screen->availableGeometry()));
    }

    QWidget* window_;
    QWidget* main_;
    QString key_;
    PlacementMemory memory_;
    bool placed_ = false;
};

}  // namespace

PlacementMemory settingsPlacementMemory() {
    PlacementMemory memory;
    memory.recall = [](const QString& key) {
        return QSettings().value(QStringLiteral("windows/") + key).toByteArray();
    };
    memory.remember = [](const QString& key, const QByteArray& geometry) {
        QSettings().setValue(QStringLiteral("windows/") + key, geometry);
    };
    return memory;
}

QPoint besidePosition(const QRect& main, const QSize& size, const QRect& screen) {
    const int top = std::clamp(main.top(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - size.height()));
    if (main.right() + 1 + kGap + size.width() <= screen.right() + 1)
        return {main.right() + 1 + kGap, top};
    if (main.left() - kGap - size.width() >= screen.left())
        return {main.left() - kGap - size.width(), top};
    // No room on either side: over the middle of the main window, inside the screen.
    const QPoint centred = main.center() - QPoint(size.width() / 2, size.height() / 2);
    return {std::clamp(centred.x(), screen.left(),
                       std::max(screen.left(), screen.right() + 1 - size.width())),
            std::clamp(centred.y(), screen.top(),
                       std::max(screen.top(), screen.bottom() + 1 - size.height()))};
}

void placeBeside(QWidget* window, QWidget* main, const QString& key, PlacementMemory memory) {
    new Placement(window, main, key, std::move(memory));
}

}  // namespace pelorin
