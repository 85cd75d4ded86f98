# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by `cpack -G DEB` in a build folder configured with
# -DCMAKE_INSTALL_PREFIX=/usr, so that the program looks for its data where the package puts
# it. scripts/check-deb.sh builds it, runs lintian over it and installs it.
set(_pelorin_deb_dir ${PROJECT_SOURCE_DIR}/packaging/debian)
set(_pelorin_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/pelorin)
set(PELORIN_PACKAGE_CONTACT "The Pelorin developers <pelorin@users.noreply.github.com>")
set(PELORIN_HOMEPAGE "https://github.com/pelorin/pelorin")

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
include(CPack)
