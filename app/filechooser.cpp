// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/filechooser.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

namespace pelorin {

namespace {

// Qt's file dialog starts with columns too narrow for sizes and dates at this font: give the
// detail columns room for their texts and the rest to the name. Its detail view is the one tree
// view it has (its other views are lists); a dialog without one is left as it is.
void showWholeColumns(QFileDialog& dialog) {
    dialog.resize(760, 460);
    const QList<QTreeView*> trees = dialog.findChildren<QTreeView*>();
    if (trees.size() != 1)
        return;
    QTreeView* details = trees.first();
    const QFontMetrics metrics(details->font());
    QHeaderView* header = details->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    const int padding = 3 * metrics.averageCharWidth();
    header->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("999.9 KiB")) + padding);
    header->resizeSection(2, metrics.horizontalAdvance(QStringLiteral("PNG image file")) + padding);
    header->resizeSection(
        3, metrics.horizontalAdvance(QStringLiteral("30 Sep 2000 00:00:00")) + padding);
}

QString runFileDialog(QWidget* parent, const QString& title, bool saving) {
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    showWholeColumns(dialog);
    // No filter and no default suffix: every file is listed and a name is taken as typed.
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString chooseSaveFile(QWidget* parent, const QString& title) {
    return runFileDialog(parent, title, true);
}

QString chooseOpenFile(QWidget* parent, const QString& title) {
    return runFileDialog(parent, title, false);
}

}  // namespace pelorin
