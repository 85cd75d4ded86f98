# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Files that only programs of the build machine can make (catalogues, pictures), taken from a
# Linux build of the same sources for a cross build: PELORIN_HOST_BUILD_DIR.
include_guard(GLOBAL)
if(NOT PELORIN_HOST_BUILD_DIR OR NOT EXISTS ${PELORIN_HOST_BUILD_DIR}/CMakeCache.txt)
  message(FATAL_ERROR "A Windows build takes its catalogues and pictures from a Linux build of "
                      "the same sources: configure with -DPELORIN_HOST_BUILD_DIR=<that build folder> "
                      "(now \"${PELORIN_HOST_BUILD_DIR}\")")
endif()

# pelorin_copy_from_host_build(TARGET FOLDER OUTPUTS...): each output (a path in this build)
# is the file of the same name in FOLDER of the host build; TARGET copies them when they
# change there. The host build must have built them.
function(pelorin_copy_from_host_build target folder)
  foreach(output IN LISTS ARGN)
    get_filename_component(name ${output} NAME)
    set(source ${PELORIN_HOST_BUILD_DIR}/${folder}/${name})
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E copy ${source} ${output}
      DEPENDS ${source}
      COMMENT "Taking ${name} from the Linux build"
      VERBATIM)
  endforeach()
  add_custom_target(${target}_files DEPENDS ${ARGN})
  add_dependencies(${target} ${target}_files)
endfunction()
