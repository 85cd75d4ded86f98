# SPDX-FileCopyrightText: 2026 The Pelorin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# -DPELORIN_SANITIZE=ON builds everything with AddressSanitizer and UBSan.
option(PELORIN_SANITIZE "Build with -fsanitize=address,undefined" OFF)
if(PELORIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
