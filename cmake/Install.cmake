# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules (`cmake --install`): the programs in bin/, the pictures in the data folder the
# program falls back to, and the desktop integration (launcher entry, icon, AppStream data).
set(PELORIN_APP_ID "io.github.pelorin.Pelorin")
set(_pelorin_desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
set(_pelorin_icon_dir ${PROJECT_SOURCE_DIR}/resources/icons)

if(NOT WIN32)  # a Linux desktop's
  install(FILES ${_pelorin_desktop_dir}/${PELORIN_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_pelorin_desktop_dir}/${PELORIN_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${_pelorin_icon_dir}/pelorin.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
          RENAME ${PELORIN_APP_ID}.png)
  install(FILES ${_pelorin_icon_dir}/pelorin.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${PELORIN_APP_ID}.svg)
endif()

# The programs and the pictures are defined in folders that are configured after this one,
# so their rules are added once the whole project has been read.
# On Windows everything lies beside pelorin.exe, where the program looks first: the programs,
# the pictures, and translations/ (translations/CMakeLists.txt); Qt's DLLs and plugins are the
# installer's to add.
function(pelorin_install_programs)
  set(programs pelorin pelorin-txsim pelorin-cli)
  set(program_dir ${CMAKE_INSTALL_BINDIR})
  set(picture_dir ${CMAKE_INSTALL_DATADIR}/pelorin)
  if(WIN32)
    list(APPEND programs pelorin-dump)  # elsewhere installed by tools/dump/
    set(program_dir .)
    set(picture_dir .)
  endif()
  foreach(program IN LISTS programs)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION ${program_dir})
    endif()
  endforeach()
  get_property(pictures GLOBAL PROPERTY PELORIN_PICTURES)
  if(pictures)
    install(FILES ${pictures} DESTINATION ${picture_dir})
  endif()
  # Building only the program (scripts/run.sh) must still draw the pictures it shows.
  if(TARGET pelorin AND TARGET pelorin_pictures)
    add_dependencies(pelorin pelorin_pictures)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL pelorin_install_programs)
