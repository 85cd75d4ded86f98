// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sendconfirmation.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <utility>
#include <vector>

#include "dialogkit/messages.h"

namespace pelorin {

namespace {

constexpr std::array<std::pair<EditorGroup, const char*>, 10> kGroupNames{{
    {EditorGroup::TypeAndStick,
     QT_TRANSLATE_NOOP("pelorin::SendConfirmation", "Model type and stick mode")},
    {EditorGroup::Reverse, QT_TRANSLATE_NOOP("pelorin::SendConfirmation", "Reverse")},
    {EditorGroup::EndPoints, QT_TRANSLATE_NOOP("pelorin::SendConfirmation", "End points")},
    {EditorGroup::SubTrim, QT_TRANSLATE_NOOP("pelorin::SendConfirmation", "Sub trim")},
    {EditorGroup::DualRates, QT_TRANSLATE_NOOP("pelorin::SendConfirmation", "Dual rates")},
    {EditorGroup::SwashAfr, QT_TRANSLATE_NOOP("pelorin::SendConfirmation", "Swash AFR")},
    {EditorGroup::ThrottleCurve, QT_TRANSLATE_NOOP("pelorin::SendConfirmation", "Throttle curve")},
    {EditorGroup::PitchCurve, QT_TRANSLATE_NOOP("pelorin::SendConfirmation", "Pitch curve")},
    {EditorGroup::ProgramMixes, QT_TRANSLATE_NOOP("pelorin::SendConfirmation", "Program mixes")},
    {EditorGroup::SwitchesAndVrs,
     QT_TRANSLATE_NOOP("pelorin::SendConfirmation", "Switches and VRs")},
}};

constexpr int kGroupRole = Qt::UserRole;

}  // namespace

QString SendConfirmation::groupName(EditorGroup group) {
    for (const auto& [g, name] : kGroupNames) {
        if (g == group)
            return tr(name);
    }
    return {};
}

QString SendConfirmation::changedGroups(const BlockBytes& from, const BlockBytes& to) {
    QStringList names;
    for (const BlockFieldDifference& d : blockDifferences(from, to, false)) {
        const QString name = groupName(d.field->editorGroup);
        if (!names.contains(name))
            names << name;
    }
    return names.join(QStringLiteral(", "));
}

std::optional<BlockBytes> SendConfirmation::ask(QWidget* parent, const QString& title,
                                                const QString& question, BlockBytes current,
                                                BlockBytes block) {
    QDialog confirm(parent);
    confirm.setWindowTitle(title);
    confirm.setObjectName(QStringLiteral("sendConfirmation"));
    auto* layout = new QVBoxLayout(&confirm);
    auto* label = new QLabel(question, &confirm);
    label->setWordWrap(true);
    layout->addWidget(label);
    const auto differences = blockDifferences(current, block, false);
    QTreeWidget* list = nullptr;
    if (differences.empty()) {
        layout->addWidget(
            new QLabel(tr("No setting changes: the transmitter holds this already."), &confirm));
    } else {
        layout->addWidget(new QLabel(
            tr("Only the ticked groups change; the others stay as the transmitter holds them."),
            &confirm));
        list = new QTreeWidget(&confirm);
        list->setObjectName(QStringLiteral("differences"));
        list->setAccessibleName(tr("Fields that change, by group"));
        list->setHeaderLabels({tr("Field"), tr("Transmitter now"), tr("After sending")});
        list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        list->setMinimumSize(440, 260);
        // The groups in the order of the field table, each once.
        QTreeWidgetItem* groupItem = nullptr;
        for (const BlockFieldDifference& d : differences) {
            const auto group = d.field->editorGroup;
            if (groupItem == nullptr || groupItem->data(0, kGroupRole).toInt() != int(group)) {
                groupItem = new QTreeWidgetItem(list, {groupName(group)});
                groupItem->setData(0, kGroupRole, int(group));
                groupItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                    Qt::ItemIsUserCheckable);
                groupItem->setCheckState(0, Qt::Checked);
                groupItem->setFirstColumnSpanned(true);
            }
            new QTreeWidgetItem(groupItem, {QString::fromStdString(d.field->name),
                                            QString::fromStdString(valueText(*d.field, d.first)),
                                            QString::fromStdString(valueText(*d.field, d.second))});
        }
        list->expandAll();
        list->setCurrentItem(list->topLevelItem(0));
        // Return is not the list's: it goes on to the dialog's Send; Space ticks a group.
        layout->addWidget(list);
    }
    auto* buttons = new QDialogButtonBox(&confirm);
    QPushButton* send = buttons->addButton(tr("&Send"), QDialogButtonBox::AcceptRole);
    send->setDefault(true);
    send->setAccessibleName(tr("Send"));
    buttons->addButton(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &confirm, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &confirm, &QDialog::reject);
    layout->addWidget(buttons);
    // Space ticks and unticks the group in focus; Return still sends.
    if (list != nullptr)
        list->setFocus();
    else
        send->setFocus();
    if (confirm.exec() != QDialog::Accepted)
        return std::nullopt;
    if (list == nullptr)
        return block;

    std::vector<EditorGroup> chosen;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            chosen.push_back(static_cast<EditorGroup>(item->data(0, kGroupRole).toInt()));
    }
    if (chosen.empty()) {
        showMessage(parent, tr("Nothing was sent: no group was ticked."));
        return std::nullopt;
    }
    return withGroupsFrom(current, block, chosen);
}

bool SendConfirmation::acceptOutsideEditorRanges(QWidget* parent, const QString& source,
                                                 const BlockBytes& block) {
    const std::vector<const BlockField*> outside = fieldsOutsideEditorRanges(block);
    if (outside.empty())
        return true;
    QStringList lines;
    for (const BlockField* field : outside) {
        const ValueRange range = field->editorValues();
        const auto text = [field](int value) {
            return QString::fromStdString(valueText(*field, value));
        };
        lines << tr("%1: %2 (the editor makes %3 to %4)")
                     .arg(QString::fromStdString(field->name), text(fieldValue(*field, block)),
                          text(range.min), text(range.max));
    }
    const QString question =
        tr("%1 holds values that none of Pelorin's editors could make:\n\n%2\n\nSending it "
           "may leave the transmitter in a state no editor can show or correct. Send it "
           "anyway?")
            .arg(source, lines.join(QLatin1Char('\n')));
    return askToGoOn(parent, question, tr("Send anyway"));
}

}  // namespace pelorin
