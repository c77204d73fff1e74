#pragma once

#include <QAbstractItemView>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/gui/StaticText.h"
#include "tests/support/ShellFixture.h"
#include "window/ScrapWindowTexts.h"
#include "window/SelListBox.h"

// The started program with its main window on the URL list page.
class UrlListTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        fwtest::CheckModel(View());
        window->MP_KirikaeURLlist();
        fwtest::ProcessEvents();
    }

    SelListBox& List() const { return window->ControlNamed<SelListBox>("ListBox1"); }
    QAbstractItemView* View() const { return qobject_cast<QAbstractItemView*>(List().Widget()); }
    QWidget* Viewport() const { return View()->viewport(); }
    std::string Label() const { return window->ControlNamed<fw::StaticText>("StaticText1").Text(); }
    static std::string Count(int n) { return ScrapWindowTexts::kListCount + std::to_string(n); }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < List().ListCount(); ++i) rows.push_back(List().List(i));
        return rows;
    }
    // Rows "r0", "r1", ... added as the program adds them.
    void Fill(int n) {
        for (int i = 0; i < n; ++i) window->MP_AddDownloadItem("r" + std::to_string(i));
        fwtest::ProcessEvents();
    }
    // Fills the list to `rows` rows straight into the list, without the model's check: no road
    // of the program adds millions of rows in a test's time.
    void FillTo(int rows) {
        fwtest::StopCheckingModel(View());
        List().ReserveRows(static_cast<std::size_t>(rows - List().ListCount()), 0);
        while (List().ListCount() < rows) List().AddRow("r");
        window->MP_ListCountPrint();
        fwtest::ProcessEvents();
    }
    // Takes the rows from `rows` on away again.
    void CutTo(int rows) {
        while (List().ListCount() > rows) List().RemoveRow(List().ListCount() - 1);
        window->MP_ListCountPrint();
    }
    void Select(std::initializer_list<int> rows) {
        for (int row : rows) List().SetSelected(row, true);
    }
    std::vector<int> SelectedRows() const {
        std::vector<int> rows;
        for (int i = 0; i < List().ListCount(); ++i) {
            if (List().Selected(i)) rows.push_back(i);
        }
        return rows;
    }
    void FocusList() {
        List().SetFocus();
        fwtest::ProcessEvents();
        ASSERT_TRUE(List().ForcusCheck);
    }
    void Unfocus() {
        if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
        fwtest::ProcessEvents();
        ASSERT_FALSE(List().ForcusCheck);
    }
};
