// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/selectdialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QStringList>

#include "dialogkit/accessibility.h"
#include "link/blockfields.h"

namespace pelorin {

namespace {

constexpr int kEditorPointSize = 10;
constexpr int kListId = 1015;
constexpr int kButtonHeight = 14;

// Positions in the lists are the stored values.
constexpr int kSwitchCorrectionMax = 4;  // values above this name nothing and show as NULL
constexpr int kVrPithAdjust = editorrange::kVrFunction.max;

void selectPosition(QComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

}  // namespace

FunctionSelectDialog::FunctionSelectDialog(const QString& caption, int widthDlu, int heightDlu,
                                           int& function, QWidget* parent)
    : TemplateDialog(caption, widthDlu, heightDlu, kEditorPointSize, Frame::Editor, parent),
      function_(function) {}

// OK with no entry selected keeps the stored value: an unselected list has no position, and
// storing that as -1 would send a byte (0xFF) the transmitter gives no meaning.
void FunctionSelectDialog::accept() {
    const int position = control<QComboBox>(kListId)->currentIndex();
    if (position >= 0)
        function_ = position;
    TemplateDialog::accept();
}

// --- Switch Selector ------------------------------------------------------------------------

SwitchSelectDialog::SwitchSelectDialog(int& function, QWidget* parent)
    : FunctionSelectDialog(tr("Switch Selector"), 133, 93, function, parent) {
    QLabel* heading =
        addText(tr("Please Select Function For  Switch"), {8, 5, 117, 22}, Qt::AlignCenter);
    heading->setWordWrap(true);
    QLabel* label = addText(tr("SW On:"), {12, 33, 32, 12});
    QComboBox* list = addDropList(kListId, {46, 33, 74, 60}, {});
    label->setBuddy(list);
    // Centred on the closed box, whose height comes from its font.
    label->setGeometry(label->x(), list->y(), label->width(), list->height());
    addButton(kIdOk, tr("OK"), {12, 71, 50, kButtonHeight}, true);
    addButton(kIdCancel, tr("Cancel"), {71, 71, 50, kButtonHeight});
}

void SwitchSelectDialog::nameSwitch(QChar letter) {
    explain(control(kListId),
            tr("What switch %1 on the transmitter does when it is on: NULL nothing, DR the dual "
               "rates, ThroCut cuts the throttle, NOR/ID picks the idle-up curves (helicopter "
               "types only).")
                .arg(letter));
}

void SwitchSelectDialog::initDialog() {
    auto* list = control<QComboBox>(kListId);
    list->clear();
    list->addItems({tr("NULL"), tr("DR"), tr("ThroCut")});
    if (modelType_ != 0)
        list->addItem(tr("NOR/ID"));
    // A value that names nothing is shown as NULL; it is stored only by OK, so Cancel keeps it.
    const bool corrected = function_ < 0 || function_ > kSwitchCorrectionMax;
    selectPosition(list, corrected ? 0 : function_);
}

// --- VR Selector ----------------------------------------------------------------------------

VrSelectDialog::VrSelectDialog(int& function, QWidget* parent)
    : FunctionSelectDialog(tr("VR Selector"), 144, 86, function, parent) {
    QLabel* heading =
        addText(tr("Please Select Function For  VR"), {8, 5, 128, 22}, Qt::AlignCenter);
    heading->setWordWrap(true);
    addDropList(kListId, {32, 33, 80, 40}, {})->setAccessibleName(tr("VR function"));
    addButton(kIdOk, tr("OK"), {14, 64, 50, kButtonHeight}, true);
    addButton(kIdCancel, tr("Cancel"), {80, 64, 50, kButtonHeight});
}

void VrSelectDialog::nameKnob(QChar letter) {
    explain(control(kListId), tr("What knob VR(%1) on the transmitter adjusts: NULL nothing, "
                                 "Pith Adjust the pitch (helicopter types only).")
                                  .arg(letter));
}

void VrSelectDialog::initDialog() {
    auto* list = control<QComboBox>(kListId);
    list->clear();
    list->addItem(tr("NULL"));
    // Under ACRO a value but NULL shows no entry; a helicopter type shows anything but NULL
    // and Pith Adjust as NULL. Either way the value is stored only by OK, so Cancel keeps it.
    bool corrected = false;
    if (modelType_ != 0) {
        corrected = function_ != 0 && function_ != kVrPithAdjust;
        list->addItem(tr("Pith Adjust"));
    }
    selectPosition(list, corrected ? 0 : function_);
}

}  // namespace pelorin
