// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The file chooser leaves out what saves that died part-way left behind, hidden files shown
// or not, and nothing else.

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/leftoverfilter.h"

namespace pelorin {
namespace {

TEST(SaveLeftoverFilter, LeftoversAreNotListed_EvenWithHiddenFilesShown) {
    QTemporaryDir folder;
    const QStringList listed{".hidden.bin", ".pelorin-save-notme", "model.bin", "model.bin.aBcDeF"};
    for (const QString& name : listed + QStringList{".pelorin-save-Ab3xY9"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFileDialog dialog(nullptr, QStringLiteral("Open"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    hideSaveLeftovers(dialog);
    auto* proxy = dialog.proxyModel();
    ASSERT_NE(proxy, nullptr);
    auto* files = qobject_cast<QFileSystemModel*>(proxy->sourceModel());
    ASSERT_NE(files, nullptr);
    QSignalSpy loaded(files, &QFileSystemModel::directoryLoaded);
    dialog.setDirectory(folder.path());
    ASSERT_TRUE(loaded.count() > 0 || loaded.wait(10000)) << "the folder was never read";

    const QModelIndex root = proxy->mapFromSource(files->index(folder.path()));
    QStringList names;
    for (int row = 0; row < proxy->rowCount(root); ++row)
        names << proxy->index(row, 0, root).data(QFileSystemModel::FileNameRole).toString();
    names.sort();
    EXPECT_EQ(names, listed);
}

}  // namespace
}  // namespace pelorin
