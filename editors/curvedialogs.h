// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The throttle and pitch curve editors. Each edits the ten bytes of its curve field in the
// settings block: two curves, "NOR" and "ID", of five points EP0..EP4 in percent, interleaved
// point by point (byte 2i is EPi of NOR, byte 2i+1 EPi of ID). The dialog shows one curve as
// numbers and as a graph that follows the typing within 50 ms, with a marker at the
// transmitter's live curve input.

#include <QElapsedTimer>
#include <QString>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <utility>

#include "dialogkit/templatedialog.h"
#include "editors/curvegraph.h"
#include "link/blockfields.h"
#include "link/settingsblock.h"

class QComboBox;
class QLineEdit;
class QTimer;

namespace pelorin {

class CurveDialog : public TemplateDialog {
    Q_OBJECT

public:
    static constexpr int kIdModelBox = 1015;
    static constexpr int kIdFirstPoint = 1016;  // EP0..EP4: 1016..1020
    static constexpr int kCurveNor = 0;
    static constexpr int kCurveId = 1;
    // The graph is redrawn at most this often: when the typed points or the live marker
    // changed, not on a clock.
    static constexpr int kTickMs = 50;

    // The values a point may take: one signed byte each. OK refuses any other.
    static constexpr int kMinPoint = editorrange::kCurvePoint.min;
    static constexpr int kMaxPoint = editorrange::kCurvePoint.max;

    // Opening: the field's ten bytes become curvePoints; the NOR points are shown.
    void loadCurve(const BlockBytes& blockBytes);
    // After OK: the ten bytes are curvePoints, each a signed byte.
    void storeCurve(BlockBytes& blockBytes) const;

    // Both curves in field order: element 2i + c is EPi of curve c (0 NOR, 1 ID).
    [[nodiscard]] const std::array<int, 2 * kCurvePointCount>& curvePoints() const {
        return curvePoints_;
    }
    // The values the graph draws, as parsed from the edits when they last changed. The throttle
    // graph draws negative ones on the bottom row; the values themselves stay as typed.
    [[nodiscard]] const CurveValues& shownPoints() const { return shownPoints_; }
    // The tick timer's identifier (0 throttle, 1 pitch); the tick itself does not look at it.
    [[nodiscard]] int timerIdentifier() const { return timerIdentifier_; }
    [[nodiscard]] CurveGraph* graph() const { return graph_; }
    // Whether the graph follows the edits and the live input: from initialisation until OK or
    // Cancel.
    [[nodiscard]] bool following() const { return following_; }

public slots:
    // The edits or the live input (liveAux) may have changed: the graph is redrawn if what it
    // shows changed, at once when the last redraw is kTickMs ago, else when that time is up.
    void redrawSoon();

    // OK: both curves' edits stored, then the dialog ends; a point that is no integer or lies
    // beyond a signed byte is refused with the standard message, and the dialog stays open on
    // it.
    void accept() override;
    void reject() override;  // Cancel and Escape: nothing is read

protected:
    // What differs between the throttle and the pitch dialog.
    struct Template {
        QString caption;
        int widthDlu;
        int heightDlu;
        DluRect okButton;
        DluRect cancelButton;
        DluRect modelBox;
        int labelX;
        int editX;
        std::array<int, kCurvePointCount> rows;
        int percentX;
        int graphId;
        DluRect graphRect;
        int timerIdentifier;
        std::size_t fieldOffset;
        bool clampNegative;
    };

    CurveDialog(const Template& layout, std::function<int()> liveAux, QWidget* parent);

    void initDialog() override;

private:
    // What the graph shows, in words: the curve, its points and the live marker.
    [[nodiscard]] QString describeGraph() const;
    void refresh();
    void modelSelected(int selection);
    void readEditsInto(int curve);
    [[nodiscard]] bool shownPointsAreValid();
    void showCurve(int curve);
    void stopTicking();

    std::array<int, 2 * kCurvePointCount> curvePoints_{};
    int curveIndex_ = kCurveNor;
    CurveValues shownPoints_{};
    std::array<QString, kCurvePointCount> pointText_;
    std::function<int()> liveAux_;

    int graphId_;
    int timerIdentifier_;
    std::size_t fieldOffset_;
    bool clampNegative_;

    QComboBox* modelBox_ = nullptr;
    std::array<QLineEdit*, kCurvePointCount> pointEdits_{};
    CurveGraph* graph_ = nullptr;
    QTimer* timer_ = nullptr;  // the redraw due at the end of the interval
    QElapsedTimer sinceRedraw_;
    bool following_ = false;
    // The points and the marker column of the last redraw asked for.
    std::optional<std::pair<CurveValues, std::int64_t>> drawn_;
};

// "Thro Curv": block bytes 23..32; negative points are drawn on the bottom row.
class ThrottleCurveDialog final : public CurveDialog {
    Q_OBJECT

public:
    static constexpr int kIdGraph = 1030;
    explicit ThrottleCurveDialog(std::function<int()> liveAux, QWidget* parent = nullptr);
};

// "Pitch Curv": block bytes 33..42; negative points are drawn as they are, below the graph.
class PitchCurveDialog final : public CurveDialog {
    Q_OBJECT

public:
    static constexpr int kIdGraph = 1000;
    explicit PitchCurveDialog(std::function<int()> liveAux, QWidget* parent = nullptr);
};

}  // namespace pelorin
