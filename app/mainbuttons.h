// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's buttons, one row each: the control id, the caption, the place in dialog
// units, the group box it sits in, whether only helicopter types show it, whether its OK
// writes the settings (an editor), and the note the Help picture prints under it. The window
// builds its buttons from this table, the history names an editor's OK by the caption, and the
// Help picture draws the buttons with their notes, so the three can never disagree.

#include <QtGlobal>

#include <array>
#include <string_view>

namespace pelorin {

// Control ids of the main window.
namespace mainid {
inline constexpr int kChannelDisplay = 1000;
inline constexpr int kHelp = 1006;
inline constexpr int kCurrent = 1007;
inline constexpr int kWrite = 1008;
inline constexpr int kSwitchA = 1009;
inline constexpr int kSwitchB = 1010;
inline constexpr int kVrA = 1011;
inline constexpr int kEndPoint = 1012;
inline constexpr int kDualRate = 1013;
inline constexpr int kReverse = 1014;
inline constexpr int kSubTrim = 1015;
inline constexpr int kModel = 1016;
inline constexpr int kType = 1017;
inline constexpr int kThrottleCurve = 1018;
inline constexpr int kPitchCurve = 1019;
inline constexpr int kSwashAfr = 1020;
inline constexpr int kStickMode = 1021;
inline constexpr int kGetUser = 1022;
inline constexpr int kVrB = 1023;
inline constexpr int kProgramMix = 1024;
inline constexpr int kSetting = 1025;
inline constexpr int kSave = 1026;
inline constexpr int kOpen = 1027;
inline constexpr int kStartAdjust = 1028;
inline constexpr int kStopAdjust = 1029;
}  // namespace mainid

namespace mainbuttons {

// The group box a button sits in; Hidden ones the window keeps but never shows.
enum class Group { SystemOption, SystemSetting, SwitchProgram, Hidden };

struct Button {
    int id;
    const char* caption;  // before translation, in the window's context "pelorin::MainDialog"
    int x, y, w, h;       // dialog units
    Group group;
    bool heliOnly;     // shown only while byte 0 holds a helicopter type
    bool editor;       // its OK writes the settings; the history names the OK by the caption
    const char* note;  // the Help picture's two short lines, in the context "HelpPicture"
};

// In the order the window makes them, which is the order of the Tab key.
inline constexpr std::array kButtons{
    Button{mainid::kGetUser, QT_TRANSLATE_NOOP("pelorin::MainDialog", "GetUser"), 46, 104, 36, 18,
           Group::SystemOption, false, false,
           QT_TRANSLATE_NOOP("HelpPicture", "switch to USER1,\nread its settings")},
    Button{mainid::kSetting, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Setting"), 97, 104, 36, 18,
           Group::SystemOption, false, false,
           QT_TRANSLATE_NOOP("HelpPicture", "pick the port,\nread settings")},
    Button{mainid::kHelp, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Help"), 148, 104, 36, 18,
           Group::SystemOption, false, false,
           QT_TRANSLATE_NOOP("HelpPicture", "show this\npicture")},
    Button{mainid::kSave, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Save"), 200, 104, 36, 18,
           Group::SystemOption, false, false,
           QT_TRANSLATE_NOOP("HelpPicture", "settings to\na file")},
    Button{mainid::kOpen, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Open"), 254, 104, 36, 18,
           Group::SystemOption, false, false,
           QT_TRANSLATE_NOOP("HelpPicture", "load a file and\nsend it")},

    Button{mainid::kEndPoint, QT_TRANSLATE_NOOP("pelorin::MainDialog", "EndPoint"), 46, 157, 41, 20,
           Group::SystemSetting, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "servo travel\nleft / right")},
    Button{mainid::kReverse, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Reverse"), 97, 157, 41, 20,
           Group::SystemSetting, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "servo direction\nper channel")},
    Button{mainid::kSubTrim, QT_TRANSLATE_NOOP("pelorin::MainDialog", "SubTrim"), 148, 157, 41, 20,
           Group::SystemSetting, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "centre offset\nper channel")},
    Button{mainid::kDualRate, QT_TRANSLATE_NOOP("pelorin::MainDialog", "DR"), 200, 157, 41, 20,
           Group::SystemSetting, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "dual rates\nCH1, CH2, CH4")},
    Button{mainid::kStickMode, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Mode"), 254, 157, 41, 20,
           Group::SystemSetting, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "stick mode\nMODEL1 .. 4")},
    Button{mainid::kType, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Type"), 45, 185, 41, 20,
           Group::SystemSetting, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "model type\nACRO / HELI")},
    Button{mainid::kThrottleCurve, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Thro Cuv"), 97, 185,
           41, 20, Group::SystemSetting, true, true,
           QT_TRANSLATE_NOOP("HelpPicture", "throttle curve\nNOR and ID")},
    Button{mainid::kPitchCurve, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Pitch Cuv"), 148, 185, 41,
           20, Group::SystemSetting, true, true,
           QT_TRANSLATE_NOOP("HelpPicture", "pitch curve\nNOR and ID")},
    Button{mainid::kSwashAfr, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Swash Afr"), 200, 185, 41,
           20, Group::SystemSetting, true, true,
           QT_TRANSLATE_NOOP("HelpPicture", "swash mixing\nCH1, CH2, CH6")},
    Button{mainid::kProgramMix, QT_TRANSLATE_NOOP("pelorin::MainDialog", "MIX."), 254, 185, 41, 20,
           Group::SystemSetting, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "three program\nmixes")},

    Button{mainid::kSwitchA, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Switch A"), 63, 242, 41, 16,
           Group::SwitchProgram, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "function: DR,\nThroCut, NOR/ID")},
    Button{mainid::kSwitchB, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Switch B"), 117, 242, 41, 16,
           Group::SwitchProgram, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "function: DR,\nThroCut, NOR/ID")},
    Button{mainid::kVrA, QT_TRANSLATE_NOOP("pelorin::MainDialog", "VR(A)"), 171, 242, 41, 16,
           Group::SwitchProgram, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "knob function:\nPith Adjust")},
    Button{mainid::kVrB, QT_TRANSLATE_NOOP("pelorin::MainDialog", "VR(B)"), 225, 242, 41, 16,
           Group::SwitchProgram, false, true,
           QT_TRANSLATE_NOOP("HelpPicture", "knob function:\nPith Adjust")},

    // Kept but never shown; their handlers still work when clicked from code.
    Button{mainid::kModel, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Model"), 5, 36, 41, 20,
           Group::Hidden, false, false, nullptr},
    Button{mainid::kCurrent, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Current"), 93, 31, 36, 18,
           Group::Hidden, false, false, nullptr},
    Button{mainid::kWrite, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Write"), 270, 75, 36, 18,
           Group::Hidden, false, false, nullptr},
    Button{mainid::kStartAdjust, QT_TRANSLATE_NOOP("pelorin::MainDialog", "StartAdjust"), 254, 21,
           52, 18, Group::Hidden, false, false, nullptr},
    Button{mainid::kStopAdjust, QT_TRANSLATE_NOOP("pelorin::MainDialog", "StopAdjust"), 254, 51, 52,
           18, Group::Hidden, false, false, nullptr},
};

// The group boxes the buttons sit in, in the window's order, with their titles (in the context
// "pelorin::MainDialog") and places in dialog units.
struct GroupBox {
    Group group;
    const char* title;
    int x, y, w, h;
};

inline constexpr std::array kGroupBoxes{
    GroupBox{Group::SystemOption, QT_TRANSLATE_NOOP("pelorin::MainDialog", "System Option"), 33, 92,
             270, 38},
    GroupBox{Group::SystemSetting, QT_TRANSLATE_NOOP("pelorin::MainDialog", "System Setting"), 31,
             141, 273, 74},
    GroupBox{Group::SwitchProgram, QT_TRANSLATE_NOOP("pelorin::MainDialog", "Switch Program"), 31,
             229, 271, 40},
};

// The box of `group`; nullptr for the hidden buttons, which have none.
[[nodiscard]] constexpr const GroupBox* findGroupBox(Group group) {
    for (const GroupBox& box : kGroupBoxes) {
        if (box.group == group)
            return &box;
    }
    return nullptr;
}

// The row of `id`; nullptr for an id that is no button of the main window.
[[nodiscard]] constexpr const Button* find(int id) {
    for (const Button& button : kButtons) {
        if (button.id == id)
            return &button;
    }
    return nullptr;
}

}  // namespace mainbuttons
}  // namespace pelorin
