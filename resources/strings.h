#pragma once
// The program's string table.

namespace pelorin {

// The program's name, shown as the About item of the main window's menu.
inline constexpr const char* kProgramName = "Pelorin";  // string 101

}  // namespace pelorin
