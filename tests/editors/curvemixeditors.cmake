# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Curve editors (graph pixels and dialogs) and the program mix editor.
pelorin_gtest(pelorin_curve_mix_editor_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/curvegraph_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/curvedialogs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/programmixdialog_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/curvemixtips_test.cpp
  LIBS pelorin_editors pelorin_qt_test_main
  # Wine's substitute fonts are wider than the Windows fonts the layout is made for.
  WINDOWS_SKIP CurveEditorTest.Templates_ShowEveryTextWholeWithoutOverlaps
               ProgramMixEditorTest.Template_ShowsEveryTextWholeWithoutOverlaps)
