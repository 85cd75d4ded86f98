// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settingseditors.h"

#include <type_traits>
#include <utility>

#include "app/mainbuttons.h"
#include "editors/channeleditors.h"
#include "editors/curvedialogs.h"
#include "editors/programmixdialog.h"
#include "editors/selectdialogs.h"
#include "editors/typedialogs.h"
#include "link/session.h"

namespace pelorin {

SettingsEditors::SettingsEditors(Session& session, QWidget* window, std::function<int()> liveAux)
    : session_(session), window_(window), liveAux_(std::move(liveAux)) {}

SettingsEditors::~SettingsEditors() = default;

template <class Dialog, class... Args>
Dialog& SettingsEditors::editor(std::unique_ptr<Dialog>& slot, Args&&... args) {
    if (!slot) {
        slot = std::make_unique<Dialog>(std::forward<Args>(args)..., window_);
        // An open curve editor moves its marker with liveAux as the display moves its bars,
        // every 50 ms at most.
        if constexpr (std::is_base_of_v<CurveDialog, Dialog>)
            connect(this, &SettingsEditors::liveFramesArrived, slot.get(),
                    &CurveDialog::redrawSoon);
    }
    return *slot;
}

EditorOutcome SettingsEditors::run(int id) {
    using namespace mainid;
    ModelSettings& settings = session_.settings;
    switch (id) {
        case kEndPoint:
            return runChannelEditor(editor(endPointDialog_, settings), session_);
        case kReverse:
            return runChannelEditor(editor(reverseDialog_, settings), session_);
        case kSubTrim:
            return runChannelEditor(editor(subTrimDialog_, settings), session_);
        case kDualRate:
            return runChannelEditor(editor(dualRateDialog_, settings), session_);
        case kSwashAfr:
            return runChannelEditor(editor(swashAfrDialog_, settings), session_);
        case kStickMode:
            return runStickModeEditor(editor(stickModeDialog_, settings), session_);
        case kType:
            // The block holds the new type even if it could not be sent: the buttons follow it.
            return runChannelEditor(editor(typeDialog_, settings), session_);
        case kThrottleCurve:
            return runCurveEditor(editor(throttleCurveDialog_, liveAux_), session_);
        case kPitchCurve:
            return runCurveEditor(editor(pitchCurveDialog_, liveAux_), session_);
        case kProgramMix:
            return runProgramMixEditor(editor(programMixDialog_, settings.programMix), session_);
        case kSwitchA:
        case kSwitchB: {
            SwitchSelectDialog& dialog = id == kSwitchA
                                             ? editor(switchADialog_, settings.switchAFunction)
                                             : editor(switchBDialog_, settings.switchBFunction);
            dialog.nameSwitch(id == kSwitchA ? u'A' : u'B');
            return runSwitchEditor(dialog, session_);
        }
        case kVrA:
        case kVrB: {
            VrSelectDialog& dialog = id == kVrA ? editor(vrADialog_, settings.vrAFunction)
                                                : editor(vrBDialog_, settings.vrBFunction);
            dialog.nameKnob(id == kVrA ? u'A' : u'B');
            return runVrEditor(dialog, session_);
        }
        default:
            return {};
    }
}

}  // namespace pelorin
