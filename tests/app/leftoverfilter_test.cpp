// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The file chooser leaves out what saves that died part-way left behind, hidden files shown
// or not, and nothing else.

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>

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
    dialog.setDirectory(folder.path());
    // The model reads the folder in a thread and hands the rows over in batches: wait until it
    // holds every file, so what the filter lets through is judged on the whole folder.
    const int allFiles = int(listed.size()) + 1;
    const QModelIndex sourceRoot = files->index(folder.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return files->rowCount(sourceRoot) == allFiles; }, 10000))
        << "the folder was never read whole";

    const QModelIndex root = proxy->mapFromSource(sourceRoot);
    QStringList names;
    for (int row = 0; row < proxy->rowCount(root); ++row)
        names << proxy->index(row, 0, root).data(QFileSystemModel::FileNameRole).toString();
    names.sort();
    EXPECT_EQ(names, listed);
}

}  // namespace
}  // namespace pelorin
