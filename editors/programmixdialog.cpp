// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/programmixdialog.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

#include "dialogkit/accessibility.h"
#include "dialogkit/dataexchange.h"
#include "editors/channelname.h"

namespace pelorin {

namespace {

constexpr int kEditorPointSize = 10;
constexpr int kMixCount = 3;
constexpr std::size_t kMixEntrySize = 4;
constexpr int kMaxSource = editorrange::kMixSource.max;            // "CH1".."CH6", "VR A", "VR B"
constexpr int kMaxDestination = editorrange::kMixDestination.max;  // "CH1".."CH6"
constexpr int kMaxSwitch = editorrange::kMixSwitch.max;            // "SW A", "SW B", "ON", "OFF"

// Byte positions inside one MixEntry.
constexpr std::size_t kRoute = 0;
constexpr std::size_t kUpRate = 1;
constexpr std::size_t kDownRate = 2;
constexpr std::size_t kMixSwitch = 3;

QStringList channelNames() {
    QStringList names;
    for (int channel = 1; channel <= 6; ++channel)
        names << channelName(channel);
    return names;
}

// A row's label: as wide as its text needs, and the name of the control it stands beside.
void labelRow(QLabel* label, QWidget* control) {
    widenToFitText(label);
    label->setBuddy(control);
}

// The mix a box selection stands for, taken as an unsigned byte: anything above "MIX 3",
// including no selection, is "MIX 1".
int mixFromSelection(int selection) {
    const unsigned asByte = static_cast<unsigned>(selection) & 0xFFu;
    return asByte < kMixCount ? static_cast<int>(asByte) : 0;
}

// Widens an edit so `sample` fits inside its frame; returns how many pixels it grew.
int widenForText(QLineEdit* edit, const QString& sample) {
    constexpr int kInnerMargin = 2;  // the edit's own space on each side of its text
    constexpr int kCursorWidth = 1;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QMargins margins = edit->textMargins();
    const int textWidth = edit->fontMetrics().horizontalAdvance(sample) + 2 * kInnerMargin +
                          kCursorWidth + margins.left() + margins.right();
    const int needed =
        edit->style()
            ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(textWidth, edit->height()), edit)
            .width();
    const int grown = std::max(0, needed - edit->width());
    edit->resize(edit->width() + grown, edit->height());
    return grown;
}

}  // namespace

ProgramMixDialog::ProgramMixDialog(ProgramMix& programMix, QWidget* parent)
    : TemplateDialog(tr("PROGRAM MIX"), 187, 111, kEditorPointSize, Frame::Editor, parent),
      programMix_(programMix) {
    // Created in template order, which is the tab order: OK first.
    addButton(kIdOk, tr("OK"), {30, 90, 50, 14}, true);
    addButton(kIdCancel, tr("Cancel"), {116, 90, 50, 14});
    QLabel* mixNumLabel = addText(tr("Mix Num"), {34, 10, 34, 11});
    mixNumBox_ = addDropList(kIdMixNum, {103, 10, 41, 38}, {tr("MIX 1"), tr("MIX 2"), tr("MIX 3")});
    labelRow(mixNumLabel, mixNumBox_);
    QLabel* sourceLabel = addText(tr("Source"), {34, 21, 34, 11});
    sourceBox_ =
        addDropList(kIdSource, {103, 21, 41, 38}, channelNames() << tr("VR A") << tr("VR B"));
    labelRow(sourceLabel, sourceBox_);
    QLabel* desLabel = addText(tr("Des"), {34, 34, 34, 11});
    desBox_ = addDropList(kIdDes, {103, 34, 41, 37}, channelNames());
    labelRow(desLabel, desBox_);
    QLabel* upLabel = addText(tr("Up Rate"), {34, 46, 34, 11});
    upEdit_ = addEdit(kIdUpRate, {103, 46, 22, 13});
    labelRow(upLabel, upEdit_);
    QLabel* downLabel = addText(tr("Down Rate"), {34, 59, 39, 11});
    downEdit_ = addEdit(kIdDownRate, {103, 59, 22, 13});
    labelRow(downLabel, downEdit_);
    explain(upEdit_, tr("How far the destination moves as the source moves up, %1 to %2 %.")
                         .arg(kRateMin)
                         .arg(kRateMax));
    explain(downEdit_, tr("How far the destination moves as the source moves down, %1 to %2 %.")
                           .arg(kRateMin)
                           .arg(kRateMax));
    QLabel* upPercent = addText(QStringLiteral("%"), {128, 46, 12, 13});
    QLabel* downPercent = addText(QStringLiteral("%"), {128, 58, 10, 12});
    QLabel* switchLabel = addText(tr("Switch"), {34, 70, 39, 11});
    switchBox_ =
        addDropList(kIdSwitch, {102, 73, 41, 40}, {tr("SW A"), tr("SW B"), tr("ON"), tr("OFF")});
    labelRow(switchLabel, switchBox_);

    // The four boxes keep one width, that of the widest entry.
    int boxWidth = 0;
    for (QComboBox* box : {mixNumBox_, sourceBox_, desBox_, switchBox_})
        boxWidth = std::max({boxWidth, box->width(), box->sizeHint().width()});
    for (QComboBox* box : {mixNumBox_, sourceBox_, desBox_, switchBox_})
        box->resize(boxWidth, box->height());
    // The Source row follows the Mix Num row closer than a box is high; the Mix Num box ends
    // where the Source box begins instead of sliding under it.
    mixNumBox_->resize(boxWidth, std::min(mixNumBox_->height(), sourceBox_->y() - mixNumBox_->y()));
    // A rate edit shows any value of its range, "-100" included, without scrolling; its "%"
    // moves along by what the edit grew.
    const int grown = widenForText(upEdit_, QStringLiteral("-100"));
    (void)widenForText(downEdit_, QStringLiteral("-100"));
    // Each "%" is centred on its edit's row, as the edit centres its text.
    upPercent->setGeometry(upPercent->x() + grown, upEdit_->y(), upPercent->width(),
                           upEdit_->height());
    downPercent->setGeometry(downPercent->x() + grown, downEdit_->y(), downPercent->width(),
                             downEdit_->height());

    mixNumBox_->installEventFilter(this);
    connect(mixNumBox_, &QComboBox::activated, this, &ProgramMixDialog::mixSelected);
}

void ProgramMixDialog::setRates(int upRate, int downRate) {
    upRate_ = upRate;
    downRate_ = downRate;
}

void ProgramMixDialog::initDialog() {
    writeIntegerField(upEdit_, upRate_);
    writeIntegerField(downEdit_, downRate_);
    mixWork_ = programMix_;
    focusStoreRefused_ = false;
    mixNumBox_->setCurrentIndex(0);
    readMix(0, false);
    // The only check the stored rates get on opening: a received rate outside the range is
    // reported once, and the dialog still opens showing it.
    if (readIntegerField(upEdit_, kRateMin, kRateMax, upRate_))
        (void)readIntegerField(downEdit_, kRateMin, kRateMax, downRate_);
    control(kIdOk)->setFocus(Qt::OtherFocusReason);
}

int ProgramMixDialog::selectedMix() const {
    return mixFromSelection(mixNumBox_->currentIndex());
}

void ProgramMixDialog::readMix(int mix, bool withRates) {
    const std::size_t base = static_cast<std::size_t>(mix) * kMixEntrySize;
    const int source = mixWork_[base + kRoute] >> 4;
    const int destination = mixWork_[base + kRoute] & 0x0F;
    const int mixSwitch = signedByte(mixWork_[base + kMixSwitch]);
    sourceBox_->setCurrentIndex(source > kMaxSource ? 0 : source);
    desBox_->setCurrentIndex(destination > kMaxDestination ? 0 : destination);
    // A switch byte outside the list leaves the box empty; storing it so gives 0xFF.
    switchBox_->setCurrentIndex(mixSwitch >= 0 && mixSwitch <= kMaxSwitch ? mixSwitch : -1);
    if (withRates) {
        upRate_ = signedByte(mixWork_[base + kUpRate]);
        downRate_ = signedByte(mixWork_[base + kDownRate]);
        writeIntegerField(upEdit_, upRate_);
        writeIntegerField(downEdit_, downRate_);
    }
}

bool ProgramMixDialog::storeMix(int mix) {
    // Each rate is checked right after it is read, so only the first wrong one is reported.
    if (!readIntegerField(upEdit_, kRateMin, kRateMax, upRate_))
        return false;
    if (!readIntegerField(downEdit_, kRateMin, kRateMax, downRate_))
        return false;
    const std::size_t base = static_cast<std::size_t>(mix) * kMixEntrySize;
    // No selection counts as -1: a missing source gives 0xF0 | destination, a missing
    // destination or switch 0xFF.
    const unsigned source = static_cast<unsigned>(sourceBox_->currentIndex());
    const unsigned destination = static_cast<unsigned>(desBox_->currentIndex());
    mixWork_[base + kRoute] = lowByte(static_cast<int>((source << 4) | destination));
    mixWork_[base + kUpRate] = lowByte(upRate_);
    mixWork_[base + kDownRate] = lowByte(downRate_);
    mixWork_[base + kMixSwitch] = lowByte(switchBox_->currentIndex());
    return true;
}

void ProgramMixDialog::mixSelected(int selection) {
    // The fields were stored into their mix when the box took the focus.
    readMix(mixFromSelection(selection), true);
}

bool ProgramMixDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != mixNumBox_)
        return TemplateDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn: {
            // Store the fields into the mix they show before another mix can be chosen.
            // The focus coming back when the window is reactivated (a message box closing)
            // or when the box's own list closes is not a new visit: the fields cannot have
            // changed since the last store, and storing again would repeat its message
            // without end.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
                break;
            if (storing_)
                break;
            storing_ = true;
            focusStoreRefused_ = !storeMix(selectedMix());
            storing_ = false;
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            // When the store on focus was refused the focus went to the wrong rate; the box
            // must then not open its list or change the mix, or the fields would be replaced
            // by the other mix and the refused changes lost.
            if (focusStoreRefused_)
                return true;
            break;
        default:
            break;
    }
    return TemplateDialog::eventFilter(watched, event);
}

void ProgramMixDialog::accept() {
    if (!storeMix(selectedMix()))
        return;
    programMix_ = mixWork_;
    TemplateDialog::accept();
}

}  // namespace pelorin
