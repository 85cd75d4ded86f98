// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/editorhandlers.h"

#include <QDialog>

#include <utility>

#include "editors/channeleditors.h"
#include "editors/curvedialogs.h"
#include "editors/programmixdialog.h"
#include "editors/selectdialogs.h"
#include "editors/typedialogs.h"
#include "link/session.h"

namespace pelorin {

namespace {
EditorOutcome writeIfAccepted(int result, Session& session) {
    if (result != QDialog::Accepted)
        return {};
    return {true, session.writeSettings()};
}
}  // namespace

EditorOutcome runChannelEditor(TemplateDialog& dialog, Session& session) {
    return writeIfAccepted(dialog.run(), session);
}

EditorOutcome runStickModeEditor(StickModeDialog& dialog, Session& session) {
    // The dialog opens on the stick mode standing in the block; Cancel stores nothing.
    const int stored =
        std::exchange(session.settings.stickMode, session.blockBytes[block::kModelAndStick] >> 4);
    if (dialog.run() != QDialog::Accepted) {
        session.settings.stickMode = stored;
        return {};
    }
    return {true, session.writeSettings()};  // packing puts the mode in byte 0's high nibble
}

void runUserSelectEditor(UserSelectDialog& dialog) {
    dialog.run();
}

EditorOutcome runSwitchEditor(SwitchSelectDialog& dialog, Session& session) {
    dialog.setModelType(session.blockBytes[block::kModelAndStick] & 0x0F);
    return writeIfAccepted(dialog.run(), session);
}

EditorOutcome runVrEditor(VrSelectDialog& dialog, Session& session) {
    dialog.setModelType(session.blockBytes[block::kModelAndStick] & 0x0F);
    return writeIfAccepted(dialog.run(), session);
}

EditorOutcome runCurveEditor(CurveDialog& dialog, Session& session) {
    dialog.loadCurve(session.blockBytes);
    if (dialog.run() != QDialog::Accepted)
        return {};
    dialog.storeCurve(session.blockBytes);
    return {true, session.writeSettings()};
}

EditorOutcome runProgramMixEditor(ProgramMixDialog& dialog, Session& session) {
    const auto& mix = session.settings.programMix;
    dialog.setRates(signedByte(mix[1]), signedByte(mix[2]));
    return writeIfAccepted(dialog.run(), session);
}

}  // namespace pelorin
