// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/curvedialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "dialogkit/accessibility.h"
#include "dialogkit/dataexchange.h"
#include "dialogkit/messages.h"

namespace pelorin {

namespace {

constexpr int kEditorPointSize = 10;
constexpr int kLabelWidth = 19;
constexpr int kLabelHeight = 9;
constexpr int kEditWidth = 26;
constexpr int kEditHeight = 12;
constexpr int kPercentWidth = 10;
constexpr int kPercentHeight = 8;

QString pointLabel(int index) {
    return CurveDialog::tr("EP%1").arg(index);
}

// The two buttons keep one width, wide enough for "Cancel" with some room on either side,
// and the gap between them; the narrower template of the pitch dialog would otherwise put the
// text on the border.
void fitButtons(QPushButton* ok, QPushButton* cancel) {
    constexpr int kTextPadding = 8;
    const int needed = cancel->fontMetrics().horizontalAdvance(cancel->text()) + 2 * kTextPadding;
    if (needed <= cancel->width())
        return;
    const int gap = cancel->x() - (ok->x() + ok->width());
    ok->resize(needed, ok->height());
    cancel->setGeometry(ok->x() + needed + gap, cancel->y(), needed, cancel->height());
}

// A row label centred on its edit, like the edit's own text.
void alignWithEdit(QLabel* label, const QLineEdit* edit) {
    label->resize(label->width(), edit->height());
    widenToFitText(label);
}

}  // namespace

CurveDialog::CurveDialog(const Template& layout, std::function<int()> liveAux, QWidget* parent)
    : TemplateDialog(layout.caption, layout.widthDlu, layout.heightDlu, kEditorPointSize,
                     Frame::Editor, parent),
      liveAux_(std::move(liveAux)),
      graphId_(layout.graphId),
      timerIdentifier_(layout.timerIdentifier),
      fieldOffset_(layout.fieldOffset),
      clampNegative_(layout.clampNegative) {
    // Created in template order, which is also the tab order: OK is the first tab stop.
    QPushButton* ok = addButton(kIdOk, tr("OK"), layout.okButton, true);
    QPushButton* cancel = addButton(kIdCancel, tr("Cancel"), layout.cancelButton);
    fitButtons(ok, cancel);
    QLabel* modelLabel = addText(tr("MODEL"), {10, 7, 27, 9});
    widenToFitText(modelLabel);
    // Selection-only: the shown curve is always NOR or ID, never a typed text.
    modelBox_ = addDropList(kIdModelBox, layout.modelBox, {tr("NOR"), tr("ID")});
    modelLabel->setBuddy(modelBox_);
    explain(modelBox_, tr("Which curve the points show and edit: NOR the normal curve, ID the "
                          "idle-up curve (a switch set to NOR/ID picks it on the transmitter)."));
    widenToFitText(modelBox_);
    for (int i = 0; i < kCurvePointCount; ++i) {
        const int row = layout.rows[static_cast<std::size_t>(i)];
        QLabel* label = addText(pointLabel(i), {layout.labelX, row, kLabelWidth, kLabelHeight});
        QLineEdit* edit = addEdit(kIdFirstPoint + i, {layout.editX, row, kEditWidth, kEditHeight});
        QLabel* percent =
            addText(QStringLiteral("%"), {layout.percentX, row, kPercentWidth, kPercentHeight});
        alignWithEdit(label, edit);
        alignWithEdit(percent, edit);
        label->setBuddy(edit);
        explain(edit, tr("%1 of the shown curve, %2 to %3 %: 0 is the graph's bottom edge, 100 "
                         "its top; %4 is at the left, %5 at the right.")
                          .arg(pointLabel(i))
                          .arg(kMinPoint)
                          .arg(kMaxPoint)
                          .arg(pointLabel(0), pointLabel(kCurvePointCount - 1)));
        pointEdits_[static_cast<std::size_t>(i)] = edit;
    }

    graph_ = new CurveGraph(this);
    graph_->setGeometry(dluToPixels(layout.graphRect));
    registerControl(layout.graphId, graph_);
    graph_->setAccessibleName(tr("Curve graph"));
    setAccessibleDescriber(graph_, [this]() { return describeGraph(); });
    graph_->setRenderer([this](QImage& image) {
        const int aux = liveAux_ ? liveAux_() : 0;
        renderCurveGraph(image, shownPoints_, aux, clampNegative_);
    });

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &CurveDialog::refresh);
    for (QLineEdit* edit : pointEdits_)
        connect(edit, &QLineEdit::textChanged, this, &CurveDialog::redrawSoon);
    connect(modelBox_, &QComboBox::activated, this, &CurveDialog::modelSelected);
}

void CurveDialog::loadCurve(const BlockBytes& blockBytes) {
    for (std::size_t i = 0; i < kCurvePointCount; ++i) {
        const int nor = signedByte(blockBytes[fieldOffset_ + 2 * i]);
        shownPoints_[i] = nor;
        pointText_[i] = QString::number(nor);
        curvePoints_[2 * i] = nor;
        curvePoints_[2 * i + 1] = signedByte(blockBytes[fieldOffset_ + 2 * i + 1]);
    }
}

void CurveDialog::storeCurve(BlockBytes& blockBytes) const {
    for (std::size_t i = 0; i < curvePoints_.size(); ++i)
        blockBytes[fieldOffset_ + i] = lowByte(curvePoints_[i]);
}

void CurveDialog::initDialog() {
    for (std::size_t i = 0; i < kCurvePointCount; ++i)
        pointEdits_[i]->setText(pointText_[i]);
    curveIndex_ = kCurveNor;
    modelBox_->setCurrentIndex(kCurveNor);
    control(kIdOk)->setFocus(Qt::OtherFocusReason);
    following_ = true;
    drawn_.reset();  // the window paints its graph afresh as it opens
    sinceRedraw_.invalidate();
}

void CurveDialog::redrawSoon() {
    if (!following_ || timer_->isActive())
        return;  // a redraw is already due and will read the newest values
    const qint64 since = sinceRedraw_.isValid() ? sinceRedraw_.elapsed() : -1;
    if (since >= 0 && since < kTickMs) {
        timer_->start(static_cast<int>(kTickMs - since));
        return;
    }
    refresh();
}

void CurveDialog::refresh() {
    if (!following_)
        return;
    for (std::size_t i = 0; i < kCurvePointCount; ++i) {
        pointText_[i] = pointEdits_[i]->text();
        shownPoints_[i] = parseLeadingInteger(pointText_[i]);
    }
    const std::int64_t marker = curveMarkerColumn(graph_->width(), liveAux_ ? liveAux_() : 0);
    if (drawn_ && drawn_->first == shownPoints_ && drawn_->second == marker)
        return;
    drawn_.emplace(shownPoints_, marker);
    sinceRedraw_.start();
    graph_->update();
}

void CurveDialog::readEditsInto(int curve) {
    for (std::size_t i = 0; i < kCurvePointCount; ++i) {
        pointText_[i] = pointEdits_[i]->text();
        // Checked by shownPointsAreValid first: every edit holds an integer of a signed byte.
        curvePoints_[2 * i + static_cast<std::size_t>(curve)] =
            parseDialogInteger(pointText_[i]).value_or(0);
    }
}

void CurveDialog::showCurve(int curve) {
    for (std::size_t i = 0; i < kCurvePointCount; ++i) {
        shownPoints_[i] = curvePoints_[2 * i + static_cast<std::size_t>(curve)];
        pointText_[i] = QString::number(shownPoints_[i]);
        pointEdits_[i]->setText(pointText_[i]);
    }
    curveIndex_ = curve;
}

void CurveDialog::modelSelected(int selection) {
    if (selection != kCurveNor && selection != kCurveId)
        return;
    // What was typed into the curve shown so far is kept before the other one is shown, so
    // switching between NOR and ID never drops an edit; text that is no point is refused here
    // as OK refuses it, and the curve it was typed into stays in view.
    if (selection != curveIndex_ && !shownPointsAreValid()) {
        modelBox_->setCurrentIndex(curveIndex_);
        return;
    }
    readEditsInto(curveIndex_);
    showCurve(selection);
    graph_->update();
}

void CurveDialog::stopTicking() {
    following_ = false;
    timer_->stop();
}

void CurveDialog::accept() {
    const int selection = modelBox_->currentIndex();
    if (selection == kCurveNor || selection == kCurveId)
        curveIndex_ = selection;
    if (!shownPointsAreValid())
        return;  // nothing stored; the dialog stays open on the point to mend
    stopTicking();
    readEditsInto(curveIndex_);
    TemplateDialog::accept();
}

bool CurveDialog::shownPointsAreValid() {
    // Each point is one signed byte on the transmitter. Text that is no integer, or a value
    // beyond a signed byte, would arrive as another number: refused with the standard
    // messages of every editor, on the first such field. The curve not shown holds only
    // values that passed this check when the MODEL box switched away from it.
    for (QLineEdit* edit : pointEdits_) {
        int value = 0;
        if (!readIntegerField(edit, kMinPoint, kMaxPoint, value))
            return false;
    }
    return true;
}

void CurveDialog::reject() {
    stopTicking();
    TemplateDialog::reject();
}

QString CurveDialog::describeGraph() const {
    QStringList points;
    for (int i = 0; i < kCurvePointCount; ++i)
        points << tr("%1: %2 %").arg(pointLabel(i)).arg(shownPoints_[static_cast<std::size_t>(i)]);
    const QString curve = curveIndex_ == kCurveId ? tr("ID") : tr("NOR");
    return tr("%1 curve: %2; live marker at %3 (0 to 1023).")
        .arg(curve, points.join(QStringLiteral(", ")))
        .arg(liveAux_ ? liveAux_() : 0);
}

// --- The two dialogs -------------------------------------------------------------------------

ThrottleCurveDialog::ThrottleCurveDialog(std::function<int()> liveAux, QWidget* parent)
    : CurveDialog(
          Template{
              .caption = tr("Thro Curv"),
              .widthDlu = 182,
              .heightDlu = 120,
              .okButton = {4, 96, 37, 14},
              .cancelButton = {47, 96, 37, 14},
              .modelBox = {42, 4, 35, 31},
              .labelX = 16,
              .editX = 46,
              .rows = {21, 33, 46, 60, 74},
              .percentX = 76,
              .graphId = kIdGraph,
              .graphRect = {100, 12, 70, 70},
              .timerIdentifier = 0,
              .fieldOffset = block::kThrottleCurve,
              .clampNegative = true,
          },
          std::move(liveAux), parent) {}

PitchCurveDialog::PitchCurveDialog(std::function<int()> liveAux, QWidget* parent)
    : CurveDialog(
          Template{
              .caption = tr("Pitch Curv"),
              .widthDlu = 184,
              .heightDlu = 112,
              .okButton = {6, 92, 35, 16},
              .cancelButton = {49, 92, 35, 16},
              .modelBox = {42, 4, 35, 34},
              .labelX = 18,
              .editX = 43,
              .rows = {19, 31, 44, 58, 72},
              .percentX = 73,
              .graphId = kIdGraph,
              .graphRect = {95, 7, 80, 80},
              .timerIdentifier = 1,
              .fieldOffset = block::kPitchCurve,
              .clampNegative = false,
          },
          std::move(liveAux), parent) {}

}  // namespace pelorin
