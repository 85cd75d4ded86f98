// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editors behind the main window's editor buttons (EndPoint … VR(B)), each made when first
// used and kept, on one Session's settings. The main window runs them on the transmitter's
// session; a model window runs its own set on a model's, so both show the same dialogs with the
// same ranges, refusals and texts.

#include <QObject>

#include <functional>
#include <memory>

#include "editors/editorhandlers.h"

class QWidget;

namespace pelorin {

class Session;
class TypeDialog;
class EndPointDialog;
class ReverseDialog;
class SubTrimDialog;
class DualRateDialog;
class SwashAfrDialog;
class ThrottleCurveDialog;
class PitchCurveDialog;
class StickModeDialog;
class SwitchSelectDialog;
class VrSelectDialog;
class ProgramMixDialog;

class SettingsEditors : public QObject {
    Q_OBJECT

public:
    // The dialogs are children of `window`; `liveAux` is where the curve editors put their
    // marker.
    SettingsEditors(Session& session, QWidget* window, std::function<int()> liveAux);
    ~SettingsEditors() override;

    // Runs the editor of the button `id` (a mainbuttons row with `editor` set); on OK the
    // settings are written through the session. Nothing for any other id.
    EditorOutcome run(int id);

signals:
    // A live frame arrived: an open curve editor moves its marker.
    void liveFramesArrived();

private:
    template <class Dialog, class... Args>
    Dialog& editor(std::unique_ptr<Dialog>& slot, Args&&... args);

    Session& session_;
    QWidget* window_;
    std::function<int()> liveAux_;
    std::unique_ptr<TypeDialog> typeDialog_;
    std::unique_ptr<EndPointDialog> endPointDialog_;
    std::unique_ptr<ReverseDialog> reverseDialog_;
    std::unique_ptr<SubTrimDialog> subTrimDialog_;
    std::unique_ptr<DualRateDialog> dualRateDialog_;
    std::unique_ptr<SwashAfrDialog> swashAfrDialog_;
    std::unique_ptr<ThrottleCurveDialog> throttleCurveDialog_;
    std::unique_ptr<PitchCurveDialog> pitchCurveDialog_;
    std::unique_ptr<StickModeDialog> stickModeDialog_;
    std::unique_ptr<SwitchSelectDialog> switchADialog_;
    std::unique_ptr<SwitchSelectDialog> switchBDialog_;
    std::unique_ptr<VrSelectDialog> vrADialog_;
    std::unique_ptr<VrSelectDialog> vrBDialog_;
    std::unique_ptr<ProgramMixDialog> programMixDialog_;
};

}  // namespace pelorin
