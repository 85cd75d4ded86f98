// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogkit/templatedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <cmath>

namespace pelorin {

namespace {
constexpr double kPixelsPerDluX = 1.5;
constexpr double kPixelsPerDluY = 2.0;
constexpr const char* kFontFamily = "DejaVu Sans";
}  // namespace

int dluToPixelsX(int dlu) {
    return static_cast<int>(std::lround(dlu * kPixelsPerDluX));
}
int dluToPixelsY(int dlu) {
    return static_cast<int>(std::lround(dlu * kPixelsPerDluY));
}

QRect dluToPixels(const DluRect& rect) {
    return {dluToPixelsX(rect.x), dluToPixelsY(rect.y), dluToPixelsX(rect.w), dluToPixelsY(rect.h)};
}

QSize dluSizeToPixels(int widthDlu, int heightDlu) {
    return {dluToPixelsX(widthDlu), dluToPixelsY(heightDlu)};
}

void widenToFitText(QWidget* widget) {
    const int needed = widget->sizeHint().width();
    if (needed > widget->width())
        widget->resize(needed, widget->height());
}

TemplateDialog::TemplateDialog(const QString& caption, int widthDlu, int heightDlu, int pointSize,
                               Frame frame, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPointSize(pointSize);
    setFont(font);
    setFixedSize(dluSizeToPixels(widthDlu, heightDlu));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (frame == Frame::Main)
        flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    setWindowFlags(flags);
}

int TemplateDialog::run() {
    initDialog();
    // After initDialog, which may start talking to the transmitter: measuring the captions is
    // only for the look of the window.
    for (QPushButton* button : findChildren<QPushButton*>())
        fitCaption(button);
    return exec();
}

void TemplateDialog::registerControl(int id, QWidget* widget) {
    widget->setProperty("controlId", id);
    widget->setObjectName(QStringLiteral("control%1").arg(id));
    controls_.insert(id, widget);
}

QPushButton* TemplateDialog::addButton(int id, const QString& text, const DluRect& rect,
                                       bool isDefault) {
    auto* button = new QPushButton(text, this);
    button->setGeometry(dluToPixels(rect));
    button->setDefault(isDefault);
    button->setAutoDefault(true);  // a focused push button takes Return
    if (id == kIdOk)
        connect(button, &QPushButton::clicked, this, &QDialog::accept);
    if (id == kIdCancel)
        connect(button, &QPushButton::clicked, this, &QDialog::reject);
    registerControl(id, button);
    return button;
}

QLabel* TemplateDialog::addText(const QString& text, const DluRect& rect, Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    label->setGeometry(dluToPixels(rect));
    label->setAlignment(alignment);
    return label;
}

void growLeftToFitText(QLabel* label) {
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 1;
    if (needed > label->width())
        label->setGeometry(label->geometry().adjusted(label->width() - needed, 0, 0, 0));
}

void fitCaption(QPushButton* button) {
    // The caption as shown: a mnemonic's "&" is not drawn, "&&" is one "&".
    const QString shown = QString(button->text())
                              .replace(QStringLiteral("&&"), QStringLiteral("\1"))
                              .remove(u'&')
                              .replace(u'\1', u'&');
    // The style's frame on either side, and as much again for its margin.
    const int room = button->width() - 4 * button->style()->pixelMetric(
                                               QStyle::PM_DefaultFrameWidth, nullptr, button);
    QFont font = button->font();
    const auto fits = [&] { return QFontMetrics(font, button).horizontalAdvance(shown) <= room; };
    // First the letters a fraction of a pixel closer, which the eye does not see; only a
    // caption that still does not fit gets smaller letters.
    for (qreal spacing = -0.1; !fits() && spacing >= -0.6; spacing -= 0.1)
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    while (!fits() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    if (font != button->font())
        button->setFont(font);
}

QLineEdit* TemplateDialog::addEdit(int id, const DluRect& rect) {
    auto* edit = new QLineEdit(this);
    edit->setGeometry(dluToPixels(rect));
    registerControl(id, edit);
    return edit;
}

QCheckBox* TemplateDialog::addCheckBox(int id, const QString& text, const DluRect& rect) {
    auto* box = new QCheckBox(text, this);
    box->setGeometry(dluToPixels(rect));
    registerControl(id, box);
    return box;
}

QRadioButton* TemplateDialog::addRadioButton(int id, const QString& text, const DluRect& rect) {
    auto* button = new QRadioButton(text, this);
    button->setGeometry(dluToPixels(rect));
    registerControl(id, button);
    return button;
}

QComboBox* TemplateDialog::addDropList(int id, const DluRect& rect, const QStringList& items) {
    auto* box = new QComboBox(this);
    box->addItems(items);
    QRect geometry = dluToPixels(rect);
    geometry.setHeight(box->sizeHint().height());
    box->setGeometry(geometry);
    registerControl(id, box);
    return box;
}

QGroupBox* TemplateDialog::addGroupBox(const QString& text, const DluRect& rect) {
    auto* group = new QGroupBox(text, this);
    group->setGeometry(dluToPixels(rect));
    group->lower();  // behind the controls placed over it
    return group;
}

QLabel* TemplateDialog::addPicture(int id, const DluRect& rect) {
    auto* picture = new QLabel(this);
    picture->setGeometry(dluToPixels(rect));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    registerControl(id, picture);
    return picture;
}

QFrame* TemplateDialog::addBlackFrame(int id, const DluRect& rect) {
    auto* frame = new QFrame(this);
    frame->setGeometry(dluToPixels(rect));
    frame->setFrameShape(QFrame::Box);
    frame->setStyleSheet(QStringLiteral("color: black"));
    if (id != 0)
        registerControl(id, frame);
    return frame;
}

}  // namespace pelorin
