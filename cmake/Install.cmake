# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules (`cmake --install`): the programs in bin/, the pictures in the data folder the
# program falls back to, and the desktop integration (launcher entry, icon, AppStream data). On
# Windows the programs and their pictures lie together in the install folder, without desktop
# files.
set(PELORIN_APP_ID "io.github.pelorin.Pelorin")
set(_pelorin_desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)
set(_pelorin_icon_dir ${PROJECT_SOURCE_DIR}/resources/icons)

if(NOT WIN32)
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
function(pelorin_install_programs)
  foreach(program pelorin pelorin-txsim pelorin-cli)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
  endforeach()
  get_property(pictures GLOBAL PROPERTY PELORIN_PICTURES)
  if(pictures)
    if(WIN32)
      install(FILES ${pictures} DESTINATION ${CMAKE_INSTALL_BINDIR})
    else()
      install(FILES ${pictures} DESTINATION ${CMAKE_INSTALL_DATADIR}/pelorin)
    endif()
  endif()
  # Building only the program (scripts/run.sh) must still draw the pictures it shows.
  if(TARGET pelorin AND TARGET pelorin_pictures)
    add_dependencies(pelorin pelorin_pictures)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL pelorin_install_programs)
