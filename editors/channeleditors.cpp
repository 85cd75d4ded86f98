// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/channeleditors.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <cstddef>

#include "dialogkit/accessibility.h"
#include "dialogkit/dataexchange.h"
#include "editors/channelname.h"
#include "link/blockfields.h"

namespace pelorin {

namespace {

constexpr int kEditorPointSize = 10;

// Heights shared by the rows of every form, in dialog units.
constexpr int kEditHeight = 13;
constexpr int kTextHeight = 12;
constexpr int kButtonHeight = 14;

}  // namespace

IntegerFormDialog::IntegerFormDialog(const QString& caption, int widthDlu, int heightDlu,
                                     QWidget* parent)
    : TemplateDialog(caption, widthDlu, heightDlu, kEditorPointSize, Frame::Editor, parent) {}

void IntegerFormDialog::bindField(int id, int min, int max, int& value) {
    fields_.push_back({id, min, max, &value});
}

void IntegerFormDialog::initDialog() {
    // Whatever is stored is shown as it is, even outside the range: the user sees the
    // received value and has to correct it before OK goes through.
    for (const Field& field : fields_)
        writeIntegerField(control<QLineEdit>(field.id), *field.value);
}

void IntegerFormDialog::accept() {
    // Every field is read before any is stored, so a refused OK changes nothing.
    std::vector<int> values(fields_.size());
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field& field = fields_[i];
        if (!readIntegerField(control<QLineEdit>(field.id), field.min, field.max, values[i])) {
            return;
        }
    }
    for (std::size_t i = 0; i < fields_.size(); ++i)
        *fields_[i].value = values[i];
    TemplateDialog::accept();
}

// --- End Point ------------------------------------------------------------------------------

namespace {
struct EndPointRow {
    int channel;
    int leftId;
    int rightId;
};
constexpr std::array<EndPointRow, 6> kEndPointRows{{
    {1, 1011, 1015},
    {2, 1016, 1017},
    {3, 1018, 1019},
    {4, 1022, 1023},
    {5, 1024, 1025},
    {6, 1028, 1029},
}};
constexpr int kEndPointMin = editorrange::kEndPoint.min;
constexpr int kEndPointMax = editorrange::kEndPoint.max;
}  // namespace

EndPointDialog::EndPointDialog(ModelSettings& settings, QWidget* parent)
    : IntegerFormDialog(tr("End Point"), 187, 138, parent) {
    constexpr int kTop = 9;
    constexpr int kPitch = 17;
    for (std::size_t row = 0; row < kEndPointRows.size(); ++row) {
        const EndPointRow& r = kEndPointRows[row];
        const int y = kTop + static_cast<int>(row) * kPitch;
        const QString channel = channelName(r.channel);
        QLabel* label = addText(channel, {16, y, 26, kTextHeight});
        QLineEdit* left = addEdit(r.leftId, {46, y, 44, kEditHeight});
        addText(QStringLiteral("%"), {93, y, 12, kTextHeight});
        QLineEdit* right = addEdit(r.rightId, {112, y, 44, kEditHeight});
        addText(QStringLiteral("%"), {159, y, 12, kTextHeight});
        label->setBuddy(left);
        left->setAccessibleName(tr("%1 left end point").arg(channel));
        right->setAccessibleName(tr("%1 right end point").arg(channel));
        explain(left, tr("%1 left end point: how far the servo travels to the left, %2 to %3 %.")
                          .arg(channel)
                          .arg(kEndPointMin)
                          .arg(kEndPointMax));
        explain(right, tr("%1 right end point: how far the servo travels to the right, %2 to %3 %.")
                           .arg(channel)
                           .arg(kEndPointMin)
                           .arg(kEndPointMax));
    }
    addButton(kIdOk, tr("OK"), {36, 115, 50, kButtonHeight}, true);
    addButton(kIdCancel, tr("Cancel"), {101, 115, 50, kButtonHeight});

    // Checked channel by channel, the right end point before the left one.
    for (std::size_t ch = 0; ch < kEndPointRows.size(); ++ch) {
        bindField(kEndPointRows[ch].rightId, kEndPointMin, kEndPointMax,
                  settings.endPointRight[ch]);
        bindField(kEndPointRows[ch].leftId, kEndPointMin, kEndPointMax, settings.endPointLeft[ch]);
    }
}

// --- Reverse --------------------------------------------------------------------------------

namespace {
constexpr std::array<int, 6> kReverseIds{1012, 1013, 1014, 1015, 1016, 1017};
}  // namespace

ReverseDialog::ReverseDialog(ModelSettings& settings, QWidget* parent)
    : TemplateDialog(tr("Reverse"), 98, 99, kEditorPointSize, Frame::Editor, parent),
      settings_(settings) {
    constexpr int kTop = 5;
    constexpr int kPitch = 11;
    for (std::size_t ch = 0; ch < kReverseIds.size(); ++ch) {
        const int y = kTop + static_cast<int>(ch) * kPitch;
        const QString channel = channelName(static_cast<int>(ch) + 1);
        addText(channel, {14, y, 26, kPitch});
        QCheckBox* normal = addCheckBox(kReverseIds[ch], tr("NOR"), {44, y, 44, kPitch});
        normal->setAccessibleName(tr("%1 NOR").arg(channel));
        // The caption names the normal direction, but a tick reverses the channel.
        explain(normal, tr("Ticked: %1 is reversed. Clear: %1 runs normal.").arg(channel));
    }
    addButton(kIdOk, tr("OK"), {6, 79, 40, kButtonHeight}, true);
    addButton(kIdCancel, tr("Cancel"), {52, 79, 40, kButtonHeight});
}

void ReverseDialog::initDialog() {
    for (std::size_t ch = 0; ch < kReverseIds.size(); ++ch) {
        control<QCheckBox>(kReverseIds[ch])->setChecked(settings_.reverse[ch]);
    }
}

void ReverseDialog::accept() {
    for (std::size_t ch = 0; ch < kReverseIds.size(); ++ch) {
        settings_.reverse[ch] = control<QCheckBox>(kReverseIds[ch])->isChecked();
    }
    TemplateDialog::accept();
}

// --- SubTrim --------------------------------------------------------------------------------

namespace {
// The ids skip 1014.
constexpr std::array<int, 6> kSubTrimIds{1013, 1015, 1016, 1017, 1018, 1019};
constexpr int kSubTrimLimit = editorrange::kSubTrim.max;
static_assert(editorrange::kSubTrim.min == -kSubTrimLimit);
}  // namespace

SubTrimDialog::SubTrimDialog(ModelSettings& settings, QWidget* parent)
    : IntegerFormDialog(tr("SubTrim"), 105, 119, parent) {
    constexpr int kTop = 7;
    constexpr int kPitch = 15;
    for (std::size_t ch = 0; ch < kSubTrimIds.size(); ++ch) {
        const int y = kTop + static_cast<int>(ch) * kPitch;
        QLineEdit* edit = addEdit(kSubTrimIds[ch], {44, y, 48, kEditHeight});
        const QString channel = channelName(static_cast<int>(ch) + 1);
        addText(channel, {14, y, 26, kTextHeight})->setBuddy(edit);
        explain(edit, tr("%1 sub trim: moves the servo's centre, %2 to %3.")
                          .arg(channel)
                          .arg(-kSubTrimLimit)
                          .arg(kSubTrimLimit));
        bindField(kSubTrimIds[ch], -kSubTrimLimit, kSubTrimLimit, settings.subTrim[ch]);
    }
    addButton(kIdOk, tr("OK"), {8, 99, 42, kButtonHeight}, true);
    addButton(kIdCancel, tr("Cancel"), {55, 99, 42, kButtonHeight});
}

// --- DR -------------------------------------------------------------------------------------

namespace {
struct DualRateRow {
    int onId;
    int offId;
};
// One row for each channel that has dual rates, in their order.
constexpr std::array<DualRateRow, dualRateChannels().size()> kDualRateRows{{
    {1014, 1017},
    {1015, 1018},
    {1016, 1019},
}};
constexpr int kDualRateMin = editorrange::kDualRate.min;
constexpr int kDualRateMax = editorrange::kDualRate.max;
}  // namespace

DualRateDialog::DualRateDialog(ModelSettings& settings, QWidget* parent)
    : IntegerFormDialog(tr("DR"), 130, 80, parent) {
    constexpr int kOnX = 38;
    constexpr int kOffX = 84;
    constexpr int kFieldWidth = 40;
    constexpr int kTop = 17;
    constexpr int kPitch = 14;
    addText(tr("DR ON"), {kOnX - 2, 4, kFieldWidth + 4, kTextHeight}, Qt::AlignCenter);
    addText(tr("DR OFF"), {kOffX - 2, 4, kFieldWidth + 4, kTextHeight}, Qt::AlignCenter);
    for (std::size_t row = 0; row < kDualRateRows.size(); ++row) {
        const DualRateRow& r = kDualRateRows[row];
        const int y = kTop + static_cast<int>(row) * kPitch;
        const QString channel = channelName(static_cast<int>(dualRateChannels()[row]) + 1);
        QLabel* label = addText(channel, {8, y, 26, kTextHeight});
        QLineEdit* on = addEdit(r.onId, {kOnX, y, kFieldWidth, kEditHeight});
        QLineEdit* off = addEdit(r.offId, {kOffX, y, kFieldWidth, kEditHeight});
        label->setBuddy(on);
        on->setAccessibleName(tr("%1 DR ON").arg(channel));
        off->setAccessibleName(tr("%1 DR OFF").arg(channel));
        explain(on, tr("%1 travel while the dual-rate switch is on, %2 to %3 %.")
                        .arg(channel)
                        .arg(kDualRateMin)
                        .arg(kDualRateMax));
        explain(off, tr("%1 travel while the dual-rate switch is off, %2 to %3 %.")
                         .arg(channel)
                         .arg(kDualRateMin)
                         .arg(kDualRateMax));
    }
    addButton(kIdOk, tr("Ok"), {17, 61, 44, kButtonHeight}, true);
    addButton(kIdCancel, tr("Cancel"), {69, 61, 44, kButtonHeight});

    // All ON fields first, then all OFF fields.
    for (std::size_t row = 0; row < kDualRateRows.size(); ++row) {
        bindField(kDualRateRows[row].onId, kDualRateMin, kDualRateMax, settings.dualRateOn[row]);
    }
    for (std::size_t row = 0; row < kDualRateRows.size(); ++row) {
        bindField(kDualRateRows[row].offId, kDualRateMin, kDualRateMax, settings.dualRateOff[row]);
    }
}

// --- Swash AFR ------------------------------------------------------------------------------

namespace {
struct SwashRow {
    int id;
    const char* function;  // what the row's channel moves the swash plate for
};
// One row for each channel that has a swash AFR value, in their order.
constexpr std::array<SwashRow, swashAfrChannels().size()> kSwashRows{{
    {1016, QT_TRANSLATE_NOOP("pelorin::SwashAfrDialog", "aileron")},
    {1017, QT_TRANSLATE_NOOP("pelorin::SwashAfrDialog", "elevator")},
    {1018, QT_TRANSLATE_NOOP("pelorin::SwashAfrDialog", "pitch")},
}};
constexpr int kSwashLimit = editorrange::kSwashAfr.max;
static_assert(editorrange::kSwashAfr.min == -kSwashLimit);
}  // namespace

SwashAfrDialog::SwashAfrDialog(ModelSettings& settings, QWidget* parent)
    : IntegerFormDialog(tr("Swash AFR"), 151, 94, parent) {
    constexpr int kTop = 10;
    constexpr int kPitch = 18;
    for (std::size_t row = 0; row < kSwashRows.size(); ++row) {
        const SwashRow& r = kSwashRows[row];
        const int y = kTop + static_cast<int>(row) * kPitch;
        const QString channel = channelName(static_cast<int>(swashAfrChannels()[row]) + 1);
        QLineEdit* edit = addEdit(r.id, {50, y, 56, kEditHeight});
        addText(channel, {20, y, 26, kTextHeight})->setBuddy(edit);
        explain(edit,
                tr("%1, %2: the swash plate's travel for %2, %3 to %4 %; below 0 reverses it.")
                    .arg(channel, tr(r.function))
                    .arg(-kSwashLimit)
                    .arg(kSwashLimit));
        addText(QStringLiteral("%"), {110, y, 12, kTextHeight});
        bindField(r.id, -kSwashLimit, kSwashLimit, settings.swashAfr[row]);
    }
    addButton(kIdOk, tr("OK"), {20, 72, 50, kButtonHeight}, true);
    addButton(kIdCancel, tr("Cancel"), {81, 72, 50, kButtonHeight});
}

}  // namespace pelorin
