// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogkit/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

#include <utility>

namespace pelorin {

namespace {

QHash<const QObject*, AccessibleDescriber>& describers() {
    static QHash<const QObject*, AccessibleDescriber> table;
    return table;
}

class DescribedWidget : public QAccessibleWidget {
public:
    explicit DescribedWidget(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Chart) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) {
            const auto found = describers().constFind(widget());
            if (found != describers().constEnd() && *found)
                return (*found)();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* describedWidgetFactory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType() || !describers().contains(object))
        return nullptr;
    return new DescribedWidget(static_cast<QWidget*>(object));
}

}  // namespace

void setAccessibleDescriber(QWidget* widget, AccessibleDescriber describer) {
    static const bool installed = [] {
        QAccessible::installFactory(describedWidgetFactory);
        return true;
    }();
    (void)installed;
    if (!describers().contains(widget)) {
        QObject::connect(widget, &QObject::destroyed,
                         [](QObject* gone) { describers().remove(gone); });
    }
    describers().insert(widget, std::move(describer));
    // Qt makes a widget's interface as soon as anything about it changes (setting its name
    // does), and keeps it: one made before the describer came is replaced.
    QAccessibleInterface* current = QAccessible::queryAccessibleInterface(widget);
    if (current != nullptr && dynamic_cast<DescribedWidget*>(current) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(current));
}

void explain(QWidget* control, const QString& meaning) {
    control->setToolTip(meaning);
    control->setAccessibleDescription(meaning);
}

}  // namespace pelorin
