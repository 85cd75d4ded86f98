# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# One set of warnings for every target of the project.
function(pelorin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wconversion -Wshadow)
  if(PELORIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
option(PELORIN_WERROR "Treat warnings as errors" OFF)
