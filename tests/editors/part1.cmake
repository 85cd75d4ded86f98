# Channel editors, model type and stick mode, switch and VR selectors.
pelorin_gtest(pelorin_editors_part1_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/part1_channel_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/part1_type_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/part1_select_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/part1_layout_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/part1_support.h
  LIBS pelorin_editors pelorin_qt_test_main)
