#pragma once

// Captions of the menu bar. The five edit captions are also the rows of the edit fields'
// context menu, which acts on the chosen row's text.
namespace MenuTexts {

inline constexpr const char* kFile = "ファイル";
inline constexpr const char* kClose = "閉じる";
inline constexpr const char* kQuit = "終了";

inline constexpr const char* kEdit = "編集";
inline constexpr const char* kUndo = "取り消し";
inline constexpr const char* kCut = "カット";
inline constexpr const char* kCopy = "コピー";
inline constexpr const char* kPaste = "ペースト";
inline constexpr const char* kClear = "クリア";
inline constexpr const char* kSelectAll = "全てを選択";
inline constexpr const char* kDeleteSelected = "選択項目削除";
inline constexpr const char* kDeleteAll = "全てを削除";

inline constexpr const char* kExtra = "エクストラ";
inline constexpr const char* kHomePage = "Pavrineサイトへ";
inline constexpr const char* kAbout = "Pavrineについて";

inline constexpr const char* kSeparator = "-";

}  // namespace MenuTexts
