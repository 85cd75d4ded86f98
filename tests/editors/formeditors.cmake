# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Channel editors, model type and stick mode, switch and VR selectors.
pelorin_gtest(pelorin_form_editor_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/channeleditors_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/typedialogs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/selectdialogs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editorlayout_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fieldtips_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/formeditortesting.h
  LIBS pelorin_editors pelorin_qt_test_main
  # Wine's substitute fonts are wider than the Windows fonts the layout is made for.
  WINDOWS_SKIP Windows/FormEditorWindows.OpenWindow_WithInstalledFonts_ClipsNoTextAndOverlapsNothing/*)
