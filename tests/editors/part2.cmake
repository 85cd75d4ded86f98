# Curve editors (graph pixels and dialogs) and the program mix editor.
pelorin_gtest(pelorin_editors_part2_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/part2_curvegraph_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/part2_curvedialog_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/part2_programmix_test.cpp
  LIBS pelorin_editors pelorin_qt_test_main)
