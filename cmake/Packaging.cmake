# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The packages. On Linux the Debian package, made by `cpack -G DEB` in a build folder configured
# with -DCMAKE_INSTALL_PREFIX=/usr, so that the program looks for its data where the package puts
# it; scripts/check-deb.sh builds it, runs lintian over it and installs it. In a Windows build
# (scripts/windows.sh) the installer Pelorin-<version>-win64-setup.exe (NSIS) and the portable
# Pelorin-<version>-win64.zip, both made by `cpack` and holding the same files.
set(PELORIN_PACKAGE_CONTACT "The Pelorin developers <pelorin@users.noreply.github.com>")
set(PELORIN_HOMEPAGE "https://github.com/pelorin/pelorin")

if(NOT WIN32)
  set(_pelorin_deb_dir ${PROJECT_SOURCE_DIR}/packaging/debian)
  set(_pelorin_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/pelorin)

  # The copyright in Debian's machine-readable form and the package's changelog, compressed
  # without name or time stamp as Debian wants it.
  install(FILES ${_pelorin_deb_dir}/copyright DESTINATION ${_pelorin_doc_dir})
  find_program(PELORIN_GZIP gzip REQUIRED)
  set(_pelorin_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
  add_custom_command(OUTPUT ${_pelorin_changelog}
    COMMAND ${PELORIN_GZIP} -9nc ${_pelorin_deb_dir}/changelog > ${_pelorin_changelog}
    DEPENDS ${_pelorin_deb_dir}/changelog
    VERBATIM)
  add_custom_target(pelorin_changelog ALL DEPENDS ${_pelorin_changelog})
  install(FILES ${_pelorin_changelog} DESTINATION ${_pelorin_doc_dir})
  install(FILES ${_pelorin_deb_dir}/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME pelorin)
endif()

set(CPACK_PACKAGE_NAME pelorin)
set(CPACK_PACKAGE_VENDOR "The Pelorin developers")
set(CPACK_PACKAGE_CONTACT "${PELORIN_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL "${PELORIN_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurator for six-channel radio-control transmitters")
set(CPACK_PACKAGE_DESCRIPTION
  "Pelorin sets up a six-channel radio-control transmitter over its serial
cable: end points, servo reverse, sub trim, dual rates, swash mixing,
model type, stick mode, throttle and pitch curves, program mixes and
the functions of the switches and knobs. It shows the channels live,
keeps a library of models, and saves and loads settings files.

The package also holds pelorin-cli, to back up, restore and monitor the
transmitter without a window, pelorin-dump, which prints and converts
settings files, and pelorin-txsim, a virtual transmitter for trying the
programs without hardware.")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  # Everything a program needs lies beside it in the install folder: Qt's libraries and the two
  # plugins the window loads (no windeployqt here, so they are named), the compiler's runtime,
  # and Qt's catalogues for the standard buttons in the languages the program speaks, found
  # through qt.conf. The programs, their pictures and catalogues come with their own rules.
  foreach(_pelorin_qt_module Core Gui Widgets PrintSupport SerialPort)
    install(FILES $<TARGET_FILE:Qt6::${_pelorin_qt_module}> DESTINATION .)
  endforeach()
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
  # The system's printers for Print…, and pelorin-dump --sheet's page drawn without a screen.
  if(TARGET Qt6::QWindowsPrinterSupportPlugin)
    install(FILES $<TARGET_FILE:Qt6::QWindowsPrinterSupportPlugin> DESTINATION printsupport)
  endif()
  if(TARGET Qt6::QOffscreenIntegrationPlugin)
    install(FILES $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> DESTINATION platforms)
  endif()
  foreach(_pelorin_dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_pelorin_dll}
                    OUTPUT_VARIABLE _pelorin_dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_pelorin_dll_path}" OR NOT EXISTS "${_pelorin_dll_path}")
      message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${_pelorin_dll} to ship")
    endif()
    install(FILES ${_pelorin_dll_path} DESTINATION .)
  endforeach()
  # Debian's DLLs keep their symbols (libstdc++ is 23 MB with them, 2 MB without): stripped as
  # they are installed, which halves the packages.
  install(CODE "
    file(GLOB _pelorin_dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\"
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*/*.dll\")
    foreach(_pelorin_dll IN LISTS _pelorin_dlls)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${_pelorin_dll}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/qt.conf DESTINATION .)
  # Qt's catalogues are the same files on every system; Debian's are taken.
  file(GLOB _pelorin_ts_files ${PROJECT_SOURCE_DIR}/translations/pelorin_*.ts)
  foreach(_pelorin_ts ${_pelorin_ts_files})
    string(REGEX REPLACE ".*/pelorin_(.*)\\.ts$" "qtbase_\\1.qm" _pelorin_qm ${_pelorin_ts})
    find_file(_pelorin_qt_qm_${_pelorin_qm} ${_pelorin_qm}
              PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT _pelorin_qt_qm_${_pelorin_qm})
      message(FATAL_ERROR "Qt's catalogue ${_pelorin_qm} is missing "
                          "(apt-get install qt6-translations-l10n)")
    endif()
    install(FILES ${_pelorin_qt_qm_${_pelorin_qm}} DESTINATION translations)
  endforeach()

  set(CPACK_GENERATOR NSIS ZIP)
  set(CPACK_PACKAGE_FILE_NAME "Pelorin-${PROJECT_VERSION}-win64")
  set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/cpack-options.cmake)
  # The zip holds the folder Pelorin-<version>-win64 with the programs in it.
  unset(CPACK_PACKAGING_INSTALL_PREFIX)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY Pelorin)
  # A 64-bit installer for a 64-bit program: NSIS's x86 stub would also want 32-bit Windows
  # support, which a 64-bit Wine without wine32 lacks.
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  set(CPACK_NSIS_PACKAGE_NAME Pelorin)
  set(CPACK_NSIS_DISPLAY_NAME "Pelorin ${PROJECT_VERSION}")
  set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
  # The Start menu entry, and the program's icon in Apps & features.
  set(CPACK_PACKAGE_EXECUTABLES pelorin Pelorin)
  set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
  set(CPACK_NSIS_INSTALLED_ICON_NAME pelorin.exe)
  set(CPACK_NSIS_URL_INFO_ABOUT "${PELORIN_HOMEPAGE}")
  set(CPACK_NSIS_CONTACT "${PELORIN_PACKAGE_CONTACT}")
  set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
else()
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PELORIN_PACKAGE_CONTACT}")
  set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PELORIN_HOMEPAGE}")
  # The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time, so no
  # library names them. Qt's own translations give the standard buttons the user's language.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

  if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    message(STATUS "Packages made here install to ${CMAKE_INSTALL_PREFIX}; "
                   "configure with -DCMAKE_INSTALL_PREFIX=/usr for a Debian package")
  endif()
endif()
include(CPack)
