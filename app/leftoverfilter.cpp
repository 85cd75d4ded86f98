// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/leftoverfilter.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

#include "platform/savefile.h"

namespace pelorin {

namespace {

class SaveLeftoverFilter final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QModelIndex index = sourceModel()->index(row, 0, parent);
        return !isSaveLeftoverName(index.data(QFileSystemModel::FileNameRole).toString());
    }
};

}  // namespace

void hideSaveLeftovers(QFileDialog& dialog) {
    dialog.setProxyModel(new SaveLeftoverFilter(&dialog));
}

}  // namespace pelorin
