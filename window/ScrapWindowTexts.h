#pragma once

#include <string>

#include "engine/RenbanTexts.h"

// The main window's own texts, byte for byte.
namespace ScrapWindowTexts {

inline constexpr const char* kTitle = "Pavrine";

// The row-count label's caption; the count follows it directly.
inline constexpr const char* kListCount = "リスト項目数: ";
inline constexpr const char* kListHeading = "URLリスト";

// Page buttons.
inline constexpr const char* kPageURLList = "URL List";
inline constexpr const char* kPageURLListHelp = "URLリスト";
inline constexpr const char* kPageTextEdit = "TextEdit";
inline constexpr const char* kPageTextEditHelp = "テキストエディタ";
inline constexpr const char* kPageGenerator = "URL Generator";
inline constexpr const char* kPageGeneratorHelp = "連番URL生成";

// URL list page.
inline constexpr const char* kClearAll = "全削除";
inline constexpr const char* kClearAllHelp = "リストのURLを全て削除します";
// The list's context menu names its delete-all row without the を of the menu bar's item; its
// other rows are the menu bar's captions (MenuTexts).
inline constexpr const char* kListDeleteAll = "全て削除";
inline constexpr const char* kAddDownloadItemError = "Error<MP_AddDownloadItem>";

// The list holds `held` and what is `coming` would pass its cap of rows or, `byBytes`, of bytes;
// `stopped` is what was given up.
inline std::string ListOverCap(const myglobal::renban::Figures& held, bool byBytes,
                               const char* coming, const char* stopped) {
    namespace texts = myglobal::texts;
    std::string text = "URL リストは " + texts::Figure(held.entries, "件");
    if (byBytes) text += "、合計 " + texts::Figure(held.bytes, "バイト");
    text += std::string("で、") + coming + "上限の ";
    text += byBytes ? texts::Figure(myglobal::kMaxListBytes, "バイト")
                    : texts::Figure(myglobal::kMaxListRows, "件");
    return text + "を超えるため、" + stopped + "を中止しました。";
}

// A read (paste, drop) stopped before the line whose rows would pass a cap.
inline std::string ListReadStopped(const myglobal::renban::Figures& held, bool byBytes) {
    return ListOverCap(held, byBytes, "これ以上読み込むと", "読み込み");
}

// Rows that would pass a cap, refused all together.
inline std::string ListAddRefused(const myglobal::renban::Figures& held, bool byBytes) {
    return ListOverCap(held, byBytes, "追加すると", "追加");
}

// Editor page.
inline constexpr const char* kSave = "書き出し...";
inline constexpr const char* kSaveHelp = "URLリストをファイルに書き出します";
inline constexpr const char* kExtract = "URL抽出";
inline constexpr const char* kExtractDone = "URL抽出完了";
inline constexpr const char* kSavePrompt = "Generated URL保存";
inline constexpr const char* kSaveSuggestedName = "GeneratedURL.txt";
inline constexpr const char* kSaveFolder = "Documents";
inline constexpr const char* kSaveCreator = "ttxt";
inline constexpr const char* kSaveType = "TEXT";
// First line of the message when a save fails; the file and the reason follow.
inline constexpr const char* kSaveFailed = "ファイルを保存できませんでした。";

// Generator page.
inline constexpr const char* kBeforeLabel = "連番前URL :";
inline constexpr const char* kFirstLabel = "連番開始 :";
inline constexpr const char* kLastLabel = "連番終了 :";
inline constexpr const char* kPatternLabel = "連番生成URL :";
inline constexpr const char* kAfterLabel = "連番後URL（ない場合は空白に） :";
inline constexpr const char* kStep1 = "(1)";
inline constexpr const char* kStep2 = "(2)";
inline constexpr const char* kStep3 = "(3)";
inline constexpr const char* kStep4 = "(4)";
inline constexpr const char* kArrows = "↓↓↓↓";
inline constexpr const char* kPad = "桁揃え";
inline constexpr const char* kPadHelp =
    "桁揃えをすると\r0-10 なら 00 , 01 , 02...となります\ra-zz なら aa , ab , ac...となります";
inline constexpr const char* kGenerate = "連番URL生成";
inline constexpr const char* kToURLList = "URL List";
inline constexpr const char* kToTextEdit = "TextEdit";
inline constexpr const char* kDestinationLabel = "生成先 :";
inline constexpr const char* kFormats = "( 0 - 100 形式と a - zzz 形式に対応)";

// Off the visible area.
inline constexpr const char* kMemo = "メモ";
inline constexpr const char* kRegister = "URL登録";
inline constexpr const char* kRegisterHelp =
    "URLリストをダウンロードウィンドウに\r登録したり、抽出ウインドウへ登録します";

}  // namespace ScrapWindowTexts
