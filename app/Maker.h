#pragma once

// Who made the program, as the about window and the Extra menu tell it.
namespace Maker {

// The author's handle: the about window's title and the name in its context menu.
inline constexpr const char* kHandle = "Velkanth";

inline constexpr const char* kCopyrightLine = "Copyright (C) Velkanth";

// The maker's home page, opened by the Extra menu and by the about window.
inline constexpr const char* kHomePage = "https://velkanth.example/pavrine/";

}  // namespace Maker
