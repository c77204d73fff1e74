#include <QImage>
#include <QTest>

#include "framework/gui/DragItem.h"
#include "framework/gui/Graphics.h"
#include "framework/gui/ListView_p.h"
#include "framework/gui/Listbox.h"
#include "framework/gui/Services.h"
#include "tests/gui/TestWindow.h"

namespace {

class ListboxTest : public GuiTest {
protected:
    void SetUp() override {
        MakeWindow([&](TestWindow& tw) {
            list = tw.NewControl<fw::Listbox>("ListBox1");
            list->SetBounds(0, 0, 300, 200);
            list->SetSelectionType(1);
            list->SetEnableDrag(true);
        });
        fwtest::CheckModel(list->View());
    }
    void Fill(int n) {
        for (int i = 0; i < n; ++i) list->AddRow("row" + std::to_string(i));
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < list->ListCount(); ++i) rows.push_back(list->List(i));
        return rows;
    }
    // The text the rows hold, counted row by row.
    std::int64_t Bytes() {
        std::int64_t bytes = 0;
        for (const std::string& row : Rows()) bytes += static_cast<std::int64_t>(row.size());
        return bytes;
    }
    fw::Listbox* list = nullptr;
};

TEST_F(ListboxTest, RowOperationsKeepOrderAndIndices) {
    struct Case {
        const char* name;
        std::vector<int> selected;
        std::vector<std::string> left;
        int listIndexBefore;
    };
    const std::vector<Case> cases = {
        {"none", {}, {"row0", "row1", "row2", "row3", "row4"}, -1},
        {"middle", {1, 2}, {"row0", "row3", "row4"}, 1},
        {"ends", {0, 4}, {"row1", "row2", "row3"}, 0},
        {"all", {0, 1, 2, 3, 4}, {}, 0},
    };
    for (const Case& c : cases) {
        list->DeleteAllRows();
        Fill(5);
        for (int row : c.selected) list->SetSelected(row, true);
        EXPECT_EQ(list->ListIndex(), c.listIndexBefore) << c.name;
        EXPECT_EQ(list->RemoveSelectedRows(), static_cast<int>(c.selected.size())) << c.name;
        EXPECT_EQ(Rows(), c.left) << c.name;
        EXPECT_EQ(list->SelCount(), 0) << c.name;
        EXPECT_EQ(list->TextBytes(), Bytes()) << c.name;
    }
    list->DeleteAllRows();
    EXPECT_EQ(list->TextBytes(), 0);
}

TEST_F(ListboxTest, SingleRowAccessorsFollowTheList) {
    EXPECT_EQ(list->LastIndex(), -1);
    EXPECT_EQ(list->Text(), "");
    list->AddRow("");
    list->SetCell(list->LastIndex(), 0, "http://x/a.jpg");
    list->AddRow("http://x/b.jpg");
    EXPECT_EQ(list->LastIndex(), 1);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"http://x/a.jpg", "http://x/b.jpg"}));
    EXPECT_FALSE(list->Selected(7));
    EXPECT_FALSE(list->Selected(-1));
    list->SetSelected(1, true);
    EXPECT_EQ(list->Text(), "http://x/b.jpg");
    list->SetSelected(0, true);  // selecting one row leaves the other selected
    EXPECT_TRUE(list->Selected(1));
    EXPECT_EQ(list->ListIndex(), 0);
    list->SetListIndex(1);
    EXPECT_FALSE(list->Selected(0));
    list->RemoveRow(0);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"http://x/b.jpg"}));
    EXPECT_EQ(list->TextBytes(), Bytes());
    EXPECT_THROW(list->RemoveRow(3), fw::OutOfBoundsException);
    EXPECT_THROW(list->List(-1), fw::OutOfBoundsException);
    // A longer text replaces a row without disturbing its neighbours.
    list->AddRow("z");
    list->SetCell(0, 0, std::string(100, 'y'));
    EXPECT_EQ(Rows(), (std::vector<std::string>{std::string(100, 'y'), "z"}));
    list->SetCell(1, 0, "zz");
    list->SetCell(0, 0, "y");
    EXPECT_EQ(list->TextBytes(), Bytes());
    list->SelectAllRows();
    EXPECT_EQ(list->SelCount(), 2);
}

TEST_F(ListboxTest, MovingSelectedRowsKeepsTheirOrder) {
    struct Case {
        std::vector<int> selected;
        int before;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {{3, 1}, 0, {"row1", "row3", "row0", "row2", "row4"}},
        {{0, 1}, 5, {"row2", "row3", "row4", "row0", "row1"}},
        {{2}, 2, {"row0", "row1", "row2", "row3", "row4"}},
        {{0, 4}, 3, {"row1", "row2", "row0", "row4", "row3"}},
    };
    for (const Case& c : cases) {
        list->DeleteAllRows();
        Fill(5);
        for (int row : c.selected) list->SetSelected(row, true);
        list->MoveSelectedRows(c.before);
        EXPECT_EQ(Rows(), c.rows) << c.before;
        EXPECT_EQ(list->TextBytes(), Bytes()) << c.before;
        EXPECT_EQ(list->SelCount(), static_cast<int>(c.selected.size()));
    }
}

TEST_F(ListboxTest, AnExceptionWhilePaintingIsReportedOnceAfterThePaint) {
    Fill(20);
    fwtest::ProcessEvents();
    fwtest::MsgBoxRecorder boxes;
    list->OnCellBackgroundPaint = [](fw::Graphics&, int, int) -> bool {
        throw fw::NilObjectException();
    };
    list->View()->viewport()->repaint();
    EXPECT_TRUE(boxes.Texts().empty());
    fwtest::ProcessEvents();
    EXPECT_EQ(boxes.Texts().size(), 1u);
    list->OnCellBackgroundPaint = nullptr;
}

TEST_F(ListboxTest, ARowOfMegabytesIsShownByItsStart) {
    list->AddRow("http://short/");
    list->AddRow("http://x/" + std::string(3 << 20, 'q'));
    fwtest::ProcessEvents();
    const QAbstractItemModel& model = *list->View()->model();
    for (const int role : {Qt::DisplayRole, Qt::ToolTipRole}) {
        EXPECT_EQ(model.data(model.index(0, 0), role).toString(), QStringLiteral("http://short/"));
        const QString shown = model.data(model.index(1, 0), role).toString();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("http://x/qqq")));
        EXPECT_LT(shown.size(), 10000);
    }
    EXPECT_EQ(list->List(1).size(), (3u << 20) + 9);
    // Removing it leaves more garbage than text: the store is packed again.
    list->RemoveRow(1);
    EXPECT_EQ(list->TextBytes(), Bytes());
}

// Rows taller together than an int counts: the last one is reached by the keys and found again
// under the point where it is shown.
TEST_F(ListboxTest, EveryRowOfAListTallerThanAnIntCanBeReached) {
    fwtest::StopCheckingModel(list->View());
    list->SetDefaultRowHeight(1000);
    const int rows = 2'200'000;
    list->ReserveRows(rows, 0);
    for (int i = 0; i < rows; ++i) list->AddRow("");
    list->SetCell(rows - 1, 0, "last");
    fwtest::ProcessEvents();
    auto* view = list->View();
    view->setFocus();
    for (const auto& [key, row] : {std::pair{Qt::Key_End, rows - 1}, std::pair{Qt::Key_Home, 0},
                                   std::pair{Qt::Key_PageDown, 1}}) {
        QTest::keyClick(view, key);
        ASSERT_EQ(list->ListIndex(), row);
        const QRect shown = view->visualRect(view->model()->index(row, 0));
        EXPECT_EQ(shown.top(), 0) << row;
        EXPECT_EQ(view->indexAt(QPoint(5, 5)).row(), row);
    }
    QTest::keyClick(view, Qt::Key_End);
    list->SetListIndex(0);
    list->RemoveSelectedRows();
    EXPECT_EQ(view->indexAt(QPoint(5, 5)).row(), rows - 2) << "the place is kept";
    EXPECT_EQ(list->List(rows - 2), "last");
}

TEST_F(ListboxTest, AppendedRowsReachTheViewAtTheNextTurn) {
    Fill(1000);
    EXPECT_EQ(list->ListCount(), 1000);
    fwtest::ProcessEvents();
    EXPECT_EQ(list->View()->model()->rowCount(), 1000);
    // Removing in between announces what is pending first.
    Fill(10);
    list->RemoveRow(1005);
    EXPECT_EQ(list->View()->model()->rowCount(), 1009);
}

TEST_F(ListboxTest, ClicksSelectRowsLikeAList) {
    Fill(10);
    fwtest::ProcessEvents();
    auto* view = list->View();
    auto at = [&](int row) { return view->visualRect(view->model()->index(row, 0)).center(); };
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at(2));
    EXPECT_EQ(list->ListIndex(), 2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, at(4));
    EXPECT_EQ(list->SelCount(), 3);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at(7));
    EXPECT_EQ(list->SelCount(), 1);
    EXPECT_TRUE(list->Selected(7));
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(list->Selected(8));
    EXPECT_EQ(list->SelCount(), 2);
}

TEST_F(ListboxTest, KeysReachKeyDownAsTheSystemsStrings) {
    std::vector<std::string> keys;
    list->OnKeyDown = [&](const std::string& key) {
        keys.push_back(key);
        return true;
    };
    auto* view = list->View();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Backspace);
    QTest::keyClick(view, Qt::Key_Delete);
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(view, Qt::Key_A);
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(keys, (std::vector<std::string>{"\x08", "\x7f", "\r", "\x03", "a", "a"}));
}

TEST_F(ListboxTest, DragOutCarriesEverySelectedRowInOrderThenFinishes) {
    Fill(8);
    for (int row : {5, 0, 2}) list->SetSelected(row, true);
    fwtest::ProcessEvents();
    std::vector<std::string> events;
    list->OnDragRow = [&](fw::DragItem& drag, int row) {
        events.push_back("DragRow " + std::to_string(row));
        for (int i = 0; i < list->ListCount(); ++i) {
            if (!list->Selected(i)) continue;
            drag.AddItem(0, 0, 20, 4);
            drag.SetText(list->List(i));
        }
        return true;
    };
    list->OnDragFinished = [&] { events.push_back("finished"); };
    fwtest::DragRecorder drags;
    fwtest::DragRowOut(list->View(), 2);
    ASSERT_EQ(drags.Drags().size(), 1u);
    EXPECT_EQ(drags.Drags()[0].text, QStringLiteral("row0\nrow2\nrow5"));
    EXPECT_EQ(events, (std::vector<std::string>{"DragRow 2", "finished"}));
    // The selection survives the drag.
    EXPECT_EQ(list->SelCount(), 3);
}

TEST_F(ListboxTest, DragOutOfUrlsCarriesAUriListAndLineFeeds) {
    list->OnDragRow = [&](fw::DragItem& drag, int) {
        drag.AddItem(0, 0, 20, 4);
        drag.SetText("http://x/a.jpg");
        drag.AddItem(0, 0, 20, 4);
        drag.SetText("two\rlines");
        return true;
    };
    Fill(1);
    list->SetSelected(0, true);
    fwtest::ProcessEvents();
    fwtest::DragRecorder drags;
    fwtest::DragRowOut(list->View(), 0);
    ASSERT_EQ(drags.Drags().size(), 1u);
    EXPECT_EQ(drags.Drags()[0].text, QStringLiteral("http://x/a.jpg\ntwo\nlines"));
    EXPECT_EQ(drags.Drags()[0].uriList.trimmed(), QStringLiteral("http://x/a.jpg"));
}

TEST_F(ListboxTest, CellBackgroundPaintColoursRowsAndTheHighlightGoesOnTop) {
    list->OnCellBackgroundPaint = [](fw::Graphics& g, int row, int) {
        if (row % 2 == 1) {
            g.SetForeColor(fw::RGB(237, 243, 254));
            g.FillRect(0, 0, g.Width(), g.Height());
        }
        return false;
    };
    Fill(6);
    list->SetSelected(3, true);
    fwtest::ProcessEvents();
    auto* view = list->View();
    const QImage image = view->viewport()->grab().toImage();
    const QColor stripe(237, 243, 254);
    for (int row = 0; row < 6; ++row) {
        const QRect r = view->visualRect(view->model()->index(row, 0));
        // A pixel right of any text.
        const QColor pixel = image.pixelColor(r.right() - 3, r.center().y());
        if (row == 3)
            EXPECT_NE(pixel, stripe) << row;
        else
            EXPECT_EQ(pixel == stripe, row % 2 == 1) << row;
    }
}

TEST_F(ListboxTest, MouseDownThatConsumesThePressLeavesTheSelection) {
    Fill(3);
    fwtest::ProcessEvents();
    int presses = 0;
    list->OnMouseDown = [&](int, int) {
        ++presses;
        return fw::IsContextualClick();
    };
    auto* view = list->View();
    const QPoint row1 = view->visualRect(view->model()->index(1, 0)).center();
    fwtest::RightClick(view->viewport(), row1);
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(list->SelCount(), 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row1);
    EXPECT_EQ(presses, 2);
    EXPECT_TRUE(list->Selected(1));
}

}  // namespace
