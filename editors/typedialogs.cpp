// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/typedialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "dialogkit/accessibility.h"
#include "dialogkit/pictures.h"
#include "link/blockfields.h"

namespace pelorin {

namespace {

constexpr int kEditorPointSize = 10;
constexpr int kListId = 1015;
constexpr int kButtonHeight = 14;

// The names of the values of a block field the editor offers, from the field table, each
// through the translations of `context`.
QStringList valueNames(const char* context, std::string_view fieldName) {
    QStringList names;
    if (const BlockField* field = findBlockField(fieldName)) {
        const ValueRange offered = field->editorValues();
        for (int value = offered.min; value <= offered.max; ++value) {
            if (const std::string* name = valueName(*field, value))
                names << QCoreApplication::translate(context, name->c_str());
        }
    }
    return names;
}

// The list's entry at `position`, or no entry when there is none there.
void selectPosition(QComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

// A label beside a drop-down list, centred on the closed box (whose height comes from its font).
void centreOn(QLabel* label, const QWidget* list) {
    label->setGeometry(label->x(), list->y(), label->width(), list->height());
}

}  // namespace

// --- Type -----------------------------------------------------------------------------------

namespace {
constexpr int kModelTypeCount = editorrange::kModelType.max + 1;
// The model types' names for the translators; the list shows the field table's names.
[[maybe_unused]] constexpr std::array<const char*, kModelTypeCount> kModelTypeTexts{
    QT_TRANSLATE_NOOP("pelorin::TypeDialog", "ACRO"),
    QT_TRANSLATE_NOOP("pelorin::TypeDialog", "HELI-120"),
    QT_TRANSLATE_NOOP("pelorin::TypeDialog", "HELI-90"),
    QT_TRANSLATE_NOOP("pelorin::TypeDialog", "HELI-140"),
};
}  // namespace

TypeDialog::TypeDialog(ModelSettings& settings, QWidget* parent)
    : TemplateDialog(tr("Type"), 187, 94, kEditorPointSize, Frame::Editor, parent),
      settings_(settings) {
    QLabel* label = addText(tr("Type"), {24, 26, 30, 12});
    QComboBox* types = addDropList(kListId, {58, 26, 100, 60},
                                   valueNames(staticMetaObject.className(), "model type"));
    centreOn(label, types);
    label->setBuddy(types);
    addButton(kIdOk, tr("OK"), {36, 68, 50, kButtonHeight}, true);
    addButton(kIdCancel, tr("Cancel"), {101, 68, 50, kButtonHeight});
}

void TypeDialog::initDialog() {
    // A type the list does not know (a received nibble of 4..15) is shown as ACRO; it is
    // stored only by OK, so Cancel keeps the received type and the next write sends it.
    const bool known = settings_.modelType >= 0 && settings_.modelType < kModelTypeCount;
    selectPosition(control<QComboBox>(kListId), known ? settings_.modelType : 0);
}

void TypeDialog::accept() {
    const int position = control<QComboBox>(kListId)->currentIndex();
    if (position >= 0)
        settings_.modelType = position;
    TemplateDialog::accept();
}

// --- Stick Select ---------------------------------------------------------------------------

namespace {
struct StickRow {
    int id;
    const char* picture;
};
// Top to bottom, each row's stick mode its position; the ids are not in that order.
constexpr std::array<StickRow, 4> kStickRows{{
    {1034, "stick1.bmp"},
    {1036, "stick2.bmp"},
    {1040, "stick3.bmp"},
    {1039, "stick4.bmp"},
}};
// The stick modes' names for the translators; the buttons show the field table's names.
[[maybe_unused]] constexpr std::array<const char*, kStickRows.size()> kStickModeTexts{
    QT_TRANSLATE_NOOP("pelorin::StickModeDialog", "MODEL1"),
    QT_TRANSLATE_NOOP("pelorin::StickModeDialog", "MODEL2"),
    QT_TRANSLATE_NOOP("pelorin::StickModeDialog", "MODEL3"),
    QT_TRANSLATE_NOOP("pelorin::StickModeDialog", "MODEL4"),
};
constexpr int kStickPictureId = 1035;
constexpr std::size_t kLastStickRow = kStickRows.size() - 1;
static_assert(kLastStickRow == editorrange::kStickMode.max);
}  // namespace

StickModeDialog::StickModeDialog(ModelSettings& settings, QWidget* parent)
    : TemplateDialog(tr("Stick Select"), 162, 77, kEditorPointSize, Frame::Editor, parent),
      settings_(settings),
      pictureSource_(loadPicture) {
    constexpr int kTop = 7;
    constexpr int kPitch = 12;
    const QStringList modes = valueNames(staticMetaObject.className(), "stick mode");
    for (std::size_t row = 0; row < kStickRows.size(); ++row) {
        const StickRow& r = kStickRows[row];
        QRadioButton* radio = addRadioButton(r.id, modes.value(static_cast<qsizetype>(row)),
                                             {5, kTop + static_cast<int>(row) * kPitch, 54, 11});
        // Keyboard and mouse both end in clicked(); opening sets the buttons without it.
        connect(radio, &QRadioButton::clicked, this,
                [this, row]() { showStickPicture(static_cast<int>(row)); });
    }
    // Room for a picture of 150 x 100 pixels right of the buttons, above OK and Cancel.
    picture_ = addPicture(kStickPictureId, {60, 4, 100, 50});
    picture_->setAccessibleName(tr("Sticks"));
    addButton(kIdOk, tr("Ok"), {24, 59, 50, kButtonHeight}, true);
    addButton(kIdCancel, tr("Cancel"), {88, 59, 50, kButtonHeight});
}

void StickModeDialog::setPictureSource(PictureSource source) {
    pictureSource_ = std::move(source);
}

void StickModeDialog::initDialog() {
    const int mode = settings_.stickMode;  // anything but MODEL1..MODEL3 opens as MODEL4
    const std::size_t checkedRow = mode >= 0 && mode < static_cast<int>(kLastStickRow)
                                       ? static_cast<std::size_t>(mode)
                                       : kLastStickRow;
    // Every button is set explicitly: the dialog object is reused and may still show the
    // choice of its last opening.
    for (std::size_t row = 0; row < kStickRows.size(); ++row) {
        auto* radio = control<QRadioButton>(kStickRows[row].id);
        radio->setAutoExclusive(false);
        radio->setChecked(row == checkedRow);
        radio->setAutoExclusive(true);
    }
    showStickPicture(static_cast<int>(checkedRow));
}

void StickModeDialog::accept() {
    std::size_t row = 0;
    while (row < kLastStickRow && !control<QRadioButton>(kStickRows[row].id)->isChecked())
        ++row;
    settings_.stickMode = static_cast<int>(row);
    TemplateDialog::accept();
}

QString StickModeDialog::stickDescription(int row) {
    switch (row) {
        case 0:
            return tr("Left stick: elevator and rudder. Right stick: throttle and aileron.");
        case 1:
            return tr("Left stick: throttle and rudder. Right stick: elevator and aileron.");
        case 2:
            return tr("Left stick: elevator and aileron. Right stick: throttle and rudder.");
        default:
            return tr("Left stick: throttle and aileron. Right stick: elevator and rudder.");
    }
}

void StickModeDialog::showStickPicture(int row) {
    const QString name = QString::fromLatin1(kStickRows[static_cast<std::size_t>(row)].picture);
    // Read from the file each time, so a picture that is gone leaves the area empty.
    showPicture(picture_, pictureSource_ ? pictureSource_(name) : QPixmap());
    picture_->setAccessibleDescription(stickDescription(row));
}

// --- Type Select ----------------------------------------------------------------------------

UserSelectDialog::UserSelectDialog(int& userSelect, QWidget* parent)
    : TemplateDialog(tr("Type Select"), 187, 94, kEditorPointSize, Frame::Editor, parent),
      userSelect_(userSelect) {
    QLabel* label = addText(tr("Type"), {24, 26, 30, 12});
    // A sorted list: the entries are put in alphabetical order.
    QStringList users{tr("USER1"), tr("USER2")};
    users.sort();
    QComboBox* list = addDropList(kListId, {58, 26, 100, 60}, users);
    explain(list, tr("USER1 or USER2: the transmitter's two memories, each holding a whole "
                     "model."));
    centreOn(label, list);
    label->setBuddy(list);
    addButton(kIdOk, tr("OK"), {36, 68, 50, kButtonHeight}, true);
    addButton(kIdCancel, tr("Cancel"), {101, 68, 50, kButtonHeight});
}

void UserSelectDialog::initDialog() {
    selectPosition(control<QComboBox>(kListId), userSelect_);
}

void UserSelectDialog::accept() {
    // With nothing selected (a stored value that names no entry) the value stays as it was.
    const int position = control<QComboBox>(kListId)->currentIndex();
    if (position >= 0)
        userSelect_ = position;
    TemplateDialog::accept();
}

}  // namespace pelorin
