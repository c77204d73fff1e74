#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/RenbanLimits.h"
#include "framework/core/TextEncoding.h"
#include "framework/gui/Dictionary.h"
#include "framework/gui/DragItem.h"
#include "framework/gui/Graphics.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "window/EditorFill.h"

class EditCMenu;
class SelListBox;
class allEditfield;
class urlEditfield;
namespace fw {
class BevelButton;
class CheckBox;
class ContextualMenu;
class PagePanel;
class PushButton;
class RadioButton;
class Separator;
class StaticText;
}  // namespace fw

// The main window: a page panel with the URL list (page 0), the text editor (page 1) and the
// generator (page 2), the three page buttons above it, and closing it ends the program.
//
// The window's code reaches its controls through members named as the controls
// (`ListBox1().AddRow(row)`), bound as ScrapWindow_Layout.cpp creates them with their classes,
// places and settings. Each concern keeps its handlers and methods in a file of its own
// (ScrapWindow_<Concern>.cpp), declares them in its section below and sets its controls' On...
// handlers in its Install...Handlers(), which CreateControls0 calls once every control exists.
class ScrapWindow : public fw::Window {
public:
    // ---- Construction, opening and closing (ScrapWindow.cpp, ScrapWindow_Layout.cpp) ----

    static const fw::ClassRecord& Lookup();

    // The open main window, or a new one, built, opened and shown.
    static ScrapWindow* Instance();

    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;
    void Event_Close() override;

    // ---- Properties ----

    // Set while rows dragged out of the URL list are on their way; the next drop clears it.
    bool p_DragCheck = false;
    // Scan position of the URL extractor between its passes; 0 between extractions.
    std::int32_t p_urllistupcount = 0;
    // Made empty by Event_Open; nil before.
    std::shared_ptr<fw::Dictionary> p_URLDic;

    // ---- Pages and page buttons (ScrapWindow_Pages.cpp) ----

    void MP_KirikaeURLlist();
    void MP_KirikaeEditor();
    void MP_KirikaeGenerator();

    void BevelButton1_Action();
    void BevelButton2_Action();
    void BevelButton4_Action();

    // ---- URL list, download-list reader and Edit-menu commands (ScrapWindow_List.cpp,
    //      ScrapWindow_Reader.cpp, ScrapWindow_MenuCommands.cpp) ----

    // The one way rows reach the list from the generator, the extractor and the reader. Returns
    // false when the row would pass the list's caps: it is refused with a message, and a caller
    // adding many rows stops there.
    bool MP_AddDownloadItem(std::string_view s);
    void MP_SelDelete();
    void MP_ListCountPrint();
    // Returns false when the list's caps stopped the read before a line whose rows would pass
    // them; it says so once.
    bool MP_ReadDownloadList(fw::EncodedText text);
    void MP_URLListUketori(const std::shared_ptr<fw::Dictionary>& dic);

    void ListBox1_Open();
    bool ListBox1_MouseDown(std::int32_t x, std::int32_t y);
    bool ListBox1_KeyDown(const std::string& key);
    void ListBox1_DropObject(fw::DragItem& obj, std::int32_t action);
    bool ListBox1_DragRow(fw::DragItem& drag, std::int32_t row);
    void ListBox1_DragFinished();
    bool ListBox1_CellBackgroundPaint(fw::Graphics& g, std::int32_t row, std::int32_t column);
    void ContextualMenu1_Action(const std::string& item);
    void BevelButton10_Action();
    void BevelButton1_Open();
    void BevelButton1_DropObject(fw::DragItem& obj, std::int32_t action);

    void AddMenuHandlers() override;
    void Event_EnableMenuItems() override;
    bool EditCopy_Action();
    bool EditPaste_Action();
    bool menu_All_Action();
    bool menu_del_Action();
    bool menu_SelDel_Action();
    bool menu_urlcopy_Action();

    // ---- Generator page, URL extractor and editor page (ScrapWindow_Generator.cpp,
    //      ScrapWindow_Extractor.cpp, ScrapWindow_Editor.cpp) ----

    void MP_RenbanPreviw();
    void allEditfield1_TextChange();
    void allEditfield2_TextChange();
    void allEditfield3_TextChange();
    void allEditfield4_TextChange();
    void allEditfield5_TextChange();
    bool allEditfield1_KeyDown(const std::string& key);
    void PushButton2_Action();

    void PushButton1_Action();
    // Returns false when the URLs were refused, all of them, since they would pass the list's
    // caps, or when a quit cut the extraction short.
    bool MP_URLlistUp(const std::string& text);

    void BevelButton3_Action();
    void BevelButton11_Action();
    bool EditField2_MouseDown(std::int32_t x, std::int32_t y);
    bool EditField1_MouseDown(std::int32_t x, std::int32_t y);

private:
    // ---- Controls, in creation order ----

    fw::ControlRef<fw::PagePanel> PagePanel1;
    fw::ControlRef<SelListBox> ListBox1;
    fw::ControlRef<fw::StaticText> StaticText1;
    fw::ControlRef<urlEditfield> EditField2;
    fw::ControlRef<fw::BevelButton> BevelButton3;
    fw::ControlRef<fw::PushButton> PushButton1;
    fw::ControlRef<fw::StaticText> StaticText3;
    fw::ControlRef<fw::StaticText> StaticText4;
    fw::ControlRef<fw::StaticText> StaticText5;
    fw::ControlRef<fw::StaticText> StaticText6;
    fw::ControlRef<fw::StaticText> StaticText7;
    fw::ControlRef<fw::StaticText> StaticText8;
    fw::ControlRef<fw::StaticText> StaticText9;
    fw::ControlRef<fw::StaticText> StaticText10;
    fw::ControlRef<fw::StaticText> StaticText11;
    fw::ControlRef<fw::StaticText> StaticText12;
    fw::ControlRef<fw::Separator> Separator1;
    fw::ControlRef<allEditfield> allEditfield3;
    fw::ControlRef<allEditfield> allEditfield4;
    fw::ControlRef<fw::CheckBox> CheckBox1;
    fw::ControlRef<allEditfield> allEditfield5;
    fw::ControlRef<allEditfield> allEditfield1;
    fw::ControlRef<fw::PushButton> PushButton2;
    fw::ControlRef<allEditfield> allEditfield2;
    fw::ControlRef<fw::BevelButton> BevelButton10;
    fw::ControlRef<fw::RadioButton> RadioButton1;
    fw::ControlRef<fw::RadioButton> RadioButton2;
    fw::ControlRef<fw::StaticText> StaticText13;
    fw::ControlRef<fw::BevelButton> BevelButton11;
    fw::ControlRef<fw::StaticText> StaticText14;
    fw::ControlRef<fw::BevelButton> BevelButton1;
    fw::ControlRef<fw::BevelButton> BevelButton2;
    fw::ControlRef<allEditfield> EditField1;
    fw::ControlRef<EditCMenu> EditCMenu1;
    fw::ControlRef<fw::ContextualMenu> ContextualMenu1;
    fw::ControlRef<fw::BevelButton> BevelButton4;
    fw::ControlRef<fw::BevelButton> BevelButton9;

    // The generator's step numbers and captions, created and set up from one table.
    struct GeneratorLabel;
    static const GeneratorLabel kGeneratorLabels[];

    // Creates the controls, then gives each page and the window's own controls their places
    // and settings.
    void CreateControls0();
    void SetUpListPage();
    void SetUpEditorPage();
    void SetUpGeneratorPage();
    void SetUpPageButtons();
    void SetUpControlsOutOfView();

    // ---- Pages and page buttons ----

    void InstallPageHandlers();
    void ShowPage(int page, fw::BevelButton& own, fw::BevelButton& other1, fw::BevelButton& other2);

    // ---- URL list, download-list reader and Edit-menu commands ----

    void InstallListHandlers();
    void InstallReaderHandlers();
    // The message saying that rows adding up to `more` would pass one of the list's caps, in the
    // words of `text`; none while they fit.
    using ListCapText = std::string (*)(const myglobal::renban::Figures& held, bool byBytes);
    std::optional<std::string> OverListCap(const myglobal::renban::Figures& more,
                                           ListCapText text) const;
    // Whether the list has room for rows adding up to `more`; when not, says so and adds none.
    bool ListHasRoom(const myglobal::renban::Figures& more);
    // Reads the lines of a download list into the list. Returns false when the caps stopped it,
    // leaving the message that says so, if not yet shown, to the caller: a caller that shows only
    // the first of many refused ranges must still show it.
    bool ReadLines(const fw::EncodedText& text, std::optional<std::string>& capMessage);
    // Reads the file of a drop, if any, line by line.
    void ReadDroppedFile(fw::DragItem& obj);
    void SelectEveryRow();
    void PrintListCount(const SelListBox& list);
    // The count label's text, built in place: it is rewritten for every row added.
    std::string listCountText_;

    // ---- Generator page, URL extractor and editor page ----

    void InstallGeneratorHandlers();
    void InstallEditorHandlers();
    // Made with the editor by CreateControls0.
    std::optional<EditorFill> editorFill_;
};
