# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# pelorin_windows_icon(TARGET PNG): gives a Windows program the icon of a 256x256 PNG. Windows
# reads a PNG inside an .ico as it is, so the .ico is a 22-byte header (one entry: 256x256,
# 32 bits, the PNG's size, data at byte 22) before the PNG's bytes; the header is written with
# printf's octal escapes, which every POSIX shell has.
enable_language(RC)

function(pelorin_windows_icon target png)
  file(SIZE ${png} size)
  set(header "\\000\\000\\001\\000\\001\\000")                  # ICONDIR: an icon, one image
  string(APPEND header "\\000\\000\\000\\000\\001\\000\\040\\000")  # 256x256, 1 plane, 32 bits
  foreach(shift 0 8 16 24)
    math(EXPR byte "(${size} >> ${shift}) & 255" OUTPUT_FORMAT DECIMAL)
    math(EXPR high "${byte} / 64")
    math(EXPR middle "(${byte} / 8) % 8")
    math(EXPR low "${byte} % 8")
    string(APPEND header "\\${high}${middle}${low}")
  endforeach()
  string(APPEND header "\\026\\000\\000\\000")  # the image starts at byte 22
  set(ico ${CMAKE_CURRENT_BINARY_DIR}/${target}.ico)
  add_custom_command(OUTPUT ${ico}
    COMMAND sh -c "printf '${header}' > \"$1\" && cat \"$2\" >> \"$1\"" icon ${ico} ${png}
    DEPENDS ${png}
    COMMENT "Making ${target}.ico"
    VERBATIM)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  file(WRITE ${rc} "1 ICON \"${target}.ico\"\n")
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ico})
  target_sources(${target} PRIVATE ${rc})
endfunction()
