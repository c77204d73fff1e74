#pragma once

// Names of the menu bar's entries, by which the bar is built, items are looked up and menu
// handlers are bound. Each constant goes with the caption of the same name in MenuTexts.
namespace MenuNames {

inline constexpr const char* kFile = "UntitledMenu12";
inline constexpr const char* kClose = "menu_WindowClose";
inline constexpr const char* kQuit = "FileQuit";

inline constexpr const char* kEdit = "UntitledMenu6";
inline constexpr const char* kUndo = "EditUndo";
inline constexpr const char* kSeparatorAfterUndo = "UntitledMenu11";
inline constexpr const char* kCut = "EditCut";
inline constexpr const char* kCopy = "EditCopy";
inline constexpr const char* kPaste = "EditPaste";
inline constexpr const char* kClear = "EditClear";
inline constexpr const char* kSeparatorAfterClear = "UntitledMenu10";
inline constexpr const char* kSelectAll = "menu_All";
inline constexpr const char* kSeparatorAfterSelectAll = "UntitledMenu9";
inline constexpr const char* kDeleteSelected = "menu_SelDel";
inline constexpr const char* kDeleteAll = "menu_del";

inline constexpr const char* kExtra = "UntitledMenu0";
inline constexpr const char* kHomePage = "menu_HP";
inline constexpr const char* kAbout = "menu_apple";

// The edit fields bind their Select All under this spelling, which differs from kSelectAll in
// the case of one letter: handlers match item names without regard to letter case, so it still
// receives that item's command.
inline constexpr const char* kFieldSelectAll = "menu_all";

// The main window binds a handler under this name, but no item of the bar bears it: the bar
// never sends this command.
inline constexpr const char* kUrlCopy = "menu_urlcopy";

}  // namespace MenuNames
