// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each editor button of the main window does: prepare the editor, run it modally, and on
// OK carry out the write operation (pack the settings, send one WriteFrame). Cancel sends
// nothing. Kept apart from the window so the sequences can be driven by tests.

#include "link/serialcontrol.h"

namespace pelorin {

class Session;
class TemplateDialog;
class StickModeDialog;
class UserSelectDialog;
class SwitchSelectDialog;
class VrSelectDialog;
class CurveDialog;
class ProgramMixDialog;

struct EditorOutcome {
    bool accepted = false;  // the editor ended with OK and a write was attempted
    SerialStatus write;     // the write's result; its error is for the user
};

// End Point, Reverse, SubTrim, DR, Swash AFR and Type: run, and write on OK. After Type the
// window shows or hides its helicopter buttons.
EditorOutcome runChannelEditor(TemplateDialog& dialog, Session& session);
// Mode: opens on the stick mode standing in byte 0; on OK merges it into byte 0 and writes.
EditorOutcome runStickModeEditor(StickModeDialog& dialog, Session& session);
// Model: only sets userSelect; nothing is sent.
void runUserSelectEditor(UserSelectDialog& dialog);
// Switch A/B and VR(A)/(B): hand over the model type of byte 0, run, write on OK.
EditorOutcome runSwitchEditor(SwitchSelectDialog& dialog, Session& session);
EditorOutcome runVrEditor(VrSelectDialog& dialog, Session& session);
// Thro Cuv and Pitch Cuv: the curve bytes in, run, on OK the bytes back and write.
EditorOutcome runCurveEditor(CurveDialog& dialog, Session& session);
// MIX.: opens with MIX 1's rates, write on OK.
EditorOutcome runProgramMixEditor(ProgramMixDialog& dialog, Session& session);

}  // namespace pelorin
