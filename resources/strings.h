#pragma once
// The program's string table. Include it as "resources/strings.h": the folder itself is not
// an include directory, because a plain "strings.h" would shadow the C library's header.

namespace pelorin {

// The program's name, shown as the About item of the main window's menu.
inline constexpr const char* kProgramName = "Pelorin";  // string 101

}  // namespace pelorin
