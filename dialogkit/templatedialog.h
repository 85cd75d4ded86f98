// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows laid out like dialog templates: every control is placed in dialog units and keeps
// its numeric id, so code and tests address "control 1015 of the End Point dialog" directly.

#include <QDialog>
#include <QHash>
#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pelorin {

// A rectangle in dialog units: x, y, width, height.
struct DluRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// One horizontal dialog unit is 1.5 logical pixels, one vertical unit 2; every coordinate is
// rounded to the nearest pixel on its own.
[[nodiscard]] int dluToPixelsX(int dlu);
[[nodiscard]] int dluToPixelsY(int dlu);
[[nodiscard]] QRect dluToPixels(const DluRect& rect);
[[nodiscard]] QSize dluSizeToPixels(int widthDlu, int heightDlu);

// Standard ids of the OK and Cancel buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Widens a control to the width its text needs, when the template's width is too narrow for
// this font; position and height stay.
void widenToFitText(QWidget* widget);

class TemplateDialog : public QDialog {
    Q_OBJECT

public:
    enum class Frame {
        Editor,  // caption only: no system menu and so no close box (Escape still cancels)
        Main,    // caption, close box, no minimise or maximise box
    };

    TemplateDialog(const QString& caption, int widthDlu, int heightDlu, int pointSize,
                   Frame frame = Frame::Editor, QWidget* parent = nullptr);

    // The modal run: initDialog() fills the controls from the stored values, the buttons'
    // captions are fitted to them (fitCaption), then exec().
    // Returns QDialog::Accepted for OK.
    int run();

    // The control with this id, or nullptr. Typed lookup: control<QLineEdit>(1015).
    [[nodiscard]] QWidget* control(int id) const { return controls_.value(id, nullptr); }
    template <class T>
    [[nodiscard]] T* control(int id) const {
        return qobject_cast<T*>(control(id));
    }

protected:
    // Called at the start of every run(), before the window shows: fill the controls.
    virtual void initDialog() {}

    // Builders for the template's controls. Button id 1 runs accept() and id 2 reject(), so a
    // dialog validates by overriding accept(); `isDefault` makes the button take Return.
    QPushButton* addButton(int id, const QString& text, const DluRect& rect,
                           bool isDefault = false);
    QLabel* addText(const QString& text, const DluRect& rect,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    QLineEdit* addEdit(int id, const DluRect& rect);
    QCheckBox* addCheckBox(int id, const QString& text, const DluRect& rect);
    QRadioButton* addRadioButton(int id, const QString& text, const DluRect& rect);
    // A drop-down list to choose from (no typing). The template's height is the height of the
    // opened list; the closed box takes the height its font needs.
    QComboBox* addDropList(int id, const DluRect& rect, const QStringList& items);
    QGroupBox* addGroupBox(const QString& text, const DluRect& rect);
    // A static that shows a picture at its natural size, top-left at the rectangle's corner.
    QLabel* addPicture(int id, const DluRect& rect);
    // A static with a black frame (a drawing area). Has no id when id is 0.
    QFrame* addBlackFrame(int id, const DluRect& rect);

    // Registers a control made elsewhere under its id.
    void registerControl(int id, QWidget* widget);

private:
    QHash<int, QWidget*> controls_;
};

// A label that ends where the template puts it, right-aligned against the control beside it,
// grows to the left when a font wider than the template's needs more room, so its text is
// never cut.
void growLeftToFitText(QLabel* label);
// A button's caption that would run into its frame (at some screen scales whole pixels make
// the glyphs a little wider than the template's units allow) is set in a slightly smaller font.
void fitCaption(QPushButton* button);

}  // namespace pelorin
