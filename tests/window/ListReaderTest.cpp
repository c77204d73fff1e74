// Download lists reaching the URL list: pasted, dropped as text on the list and on its page
// button, dropped as a file; the drag flag; and input that must not hurt the list.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <cstring>
#include <functional>
#include <iostream>
#include <random>

#include "app/MenuItems.h"
#include "engine/RenbanLimits.h"
#include "framework/core/EventLoop.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/Dictionary.h"
#include "framework/gui/Hooks.h"
#include "framework/gui/PagePanel.h"
#include "framework/gui/Runtime.h"
#include "tests/window/UrlListFixture.h"

namespace {

using Texts = std::vector<std::string>;

// A worked download list: nine lines, with what each adds.
const Texts kNineLines = {
    "http://x/a.jpg",       "",
    "  ttp://x/b.jpg  ",    "http://x/dir/",
    "http://x/c[1-3].jpg",  "https://x/d.jpg",
    "ftp://x/e[8-10].zip",  "ttp://x/f[1-2]/",
    "notes about the list",
};
const Texts kTenRows = {
    "http://x/a.jpg", "http://x/b.jpg", "http://x/c1.jpg", "http://x/c2.jpg", "http://x/c3.jpg",
    "ftp://x/e8.zip", "ftp://x/e9.zip", "ftp://x/e10.zip", "http://x/f1/",    "http://x/f2/",
};

std::string Joined(const Texts& lines, const std::string& end) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? end : "") + lines[i];
    return text;
}

Texts Concat(Texts a, const Texts& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ListReaderTest : public UrlListTest {
protected:
    void SetUp() override {
        UrlListTest::SetUp();
        window->MP_AddDownloadItem(kOld);
        fwtest::ProcessEvents();
    }

    QPoint ListMiddle() const { return Viewport()->rect().center(); }
    QWidget* PageButton() const {
        return window->ControlNamed<fw::BevelButton>("BevelButton1").Widget();
    }
    bool DropText(QWidget* target, const std::string& text) {
        QMimeData data;
        data.setText(QString::fromStdString(text));
        return fwtest::Drop(target, target->rect().center(), data);
    }
    bool DropFile(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        return fwtest::Drop(Viewport(), ListMiddle(), data);
    }
    QString WriteFile(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("list.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    void Paste(const std::string& clipboardText) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(clipboardText));
        FocusList();
        QTest::keyClick(View(), Qt::Key_V, Qt::ControlModifier);
    }

    const std::string kOld = "http://old/0.jpg";
    QTemporaryDir dir_;
};

TEST_F(ListReaderTest, EveryRoadReadsTheNineLinesIntoTheirTenRows) {
    struct Road {
        const char* name;
        std::function<void()> read;
    };
    const Road roads[] = {
        {"paste, LF", [&] { Paste(Joined(kNineLines, "\n")); }},
        {"paste, CR LF", [&] { Paste(Joined(kNineLines, "\r\n")); }},
        {"text on the list, LF",
         [&] { EXPECT_TRUE(DropText(Viewport(), Joined(kNineLines, "\n"))); }},
        {"text on the list, CR",
         [&] { EXPECT_TRUE(DropText(Viewport(), Joined(kNineLines, "\r"))); }},
        {"text on the page button",
         [&] { EXPECT_TRUE(DropText(PageButton(), Joined(kNineLines, "\r\n"))); }},
        {"file, LF",
         [&] {
             EXPECT_TRUE(DropFile(WriteFile(QByteArray::fromStdString(Joined(kNineLines, "\n")))));
         }},
        {"file, CR LF",
         [&] {
             EXPECT_TRUE(DropFile(
                 WriteFile(QByteArray::fromStdString(Joined(kNineLines, "\r\n") + "\r\n"))));
         }},
        {"file, CR",
         [&] {
             EXPECT_TRUE(DropFile(WriteFile(QByteArray::fromStdString(Joined(kNineLines, "\r")))));
         }},
        {"the reader itself",
         [&] {
             window->MP_ReadDownloadList({Joined(kNineLines, "\r"), fw::Encodings::UTF8});
         }},
    };
    for (const Road& road : roads) {
        window->menu_del_Action();
        window->MP_AddDownloadItem(kOld);
        road.read();
        fwtest::ProcessEvents();
        EXPECT_EQ(Rows(), Concat({kOld}, kTenRows)) << road.name;
        EXPECT_EQ(Label(), Count(11)) << road.name;
        EXPECT_EQ(SelectedRows(), std::vector<int>{}) << road.name;
    }
}

TEST_F(ListReaderTest, TheReaderCutsAtCarriageReturnsOnly) {
    struct Case {
        std::string text;
        Texts added;
    };
    const Case cases[] = {
        {"", {}},
        {"\r \r\t\r", {}},
        {std::string(1000, '\r'), {}},
        {"http://a/1\nhttp://a/2", {"http://a/1\nhttp://a/2"}},  // one line, LF inside
        {"http://a/1\r\nhttp://a/2\r\n", {"http://a/1", "http://a/2"}},
        {"HTTP://A/1\rTTP://A/2\rFTP://A/3", {"HTTP://A/1", "hTTP://A/2", "FTP://A/3"}},
        {"http://a/1 a comment\rhttp://a/dir/  ", {"http://a/1 a comment"}},
        {"http://x/[5].jpg\rhttp://x/[3-1].jpg\rabc[1-3]", {"http://x/[5].jpg"}},
        {"http://a/1\rhttp://a/1", {"http://a/1", "http://a/1"}},
    };
    for (const Case& c : cases) {
        window->menu_del_Action();
        window->MP_ReadDownloadList({c.text, fw::Encodings::UTF8});
        EXPECT_EQ(Rows(), c.added) << testing::PrintToString(c.text);
        EXPECT_EQ(Label(), Count(static_cast<int>(c.added.size())))
            << "rewritten even when nothing was added";
    }
}

TEST_F(ListReaderTest, FileLinesEndAtAnyLineEndAndLegacyJapaneseIsRead) {
    // LF, CR LF and CR mixed; one line in Shift_JIS, one in UTF-8.
    const QByteArray bytes =
        "http://x/1\nhttp://x/2\r\nhttp://x/3\rhttp://x/\x82\xa0.jpg\r\n"
        "http://x/\xe3\x81\x84.jpg";
    EXPECT_TRUE(DropFile(WriteFile(bytes)));
    EXPECT_EQ(Rows(), (Texts{kOld, "http://x/1", "http://x/2", "http://x/3",
                             "http://x/\xe3\x81\x82.jpg", "http://x/\xe3\x81\x84.jpg"}));
    EXPECT_EQ(Label(), Count(6));
}

TEST_F(ListReaderTest, TextDropsWaitForTheDragFlagFilesDoNot) {
    struct Case {
        const char* name;
        std::function<bool()> drop;
        bool readWhileFlagged;
    };
    const Case cases[] = {
        {"text on the list", [&] { return DropText(Viewport(), "http://y/1"); }, false},
        {"text on the page button", [&] { return DropText(PageButton(), "http://y/1"); }, false},
        {"file on the list", [&] { return DropFile(WriteFile("http://y/1\n")); }, true},
    };
    for (const Case& c : cases) {
        window->menu_del_Action();
        window->p_DragCheck = true;
        EXPECT_TRUE(c.drop()) << c.name;
        EXPECT_FALSE(window->p_DragCheck) << c.name;
        EXPECT_EQ(List().ListCount(), c.readWhileFlagged ? 1 : 0) << c.name;
        // The flag is down again: the next drop is read.
        EXPECT_TRUE(c.drop()) << c.name;
        EXPECT_EQ(List().ListCount(), c.readWhileFlagged ? 2 : 1) << c.name;
    }
}

// A drop only reads what it carries: taken as a copy, so the program it came from (the editor page
// included) keeps its text or file, whatever action the drag proposed.
TEST_F(ListReaderTest, DropsAreTakenAsCopies) {
    struct Case {
        const char* name;
        QWidget* target;
        Qt::KeyboardModifiers modifiers;  // Shift proposes a move
        bool file;
    };
    const Case cases[] = {
        {"text on the list", Viewport(), Qt::ShiftModifier, false},
        {"text on the page button", PageButton(), Qt::ShiftModifier, false},
        {"file on the list", Viewport(), Qt::ShiftModifier, true},
        {"text on the list, no modifier", Viewport(), Qt::NoModifier, false},
    };
    for (const Case& c : cases) {
        window->menu_del_Action();
        QMimeData data;
        if (c.file)
            data.setUrls({QUrl::fromLocalFile(WriteFile("http://m/1\n"))});
        else
            data.setText(QStringLiteral("http://m/1"));
        const QPoint at = c.target->rect().center();
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, c.modifiers);
        QApplication::sendEvent(c.target, &enter);
        EXPECT_TRUE(enter.isAccepted()) << c.name;
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction) << c.name;
        QDropEvent drop(QPointF(at), actions, &data, Qt::LeftButton, c.modifiers);
        QApplication::sendEvent(c.target, &drop);
        EXPECT_TRUE(drop.isAccepted()) << c.name;
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << c.name;
        EXPECT_EQ(Rows(), Texts{"http://m/1"}) << c.name;
    }
}

// The page button takes dropped text only: a file, which the window accepts for the list, is
// refused there, so the program it came from sees the drag refused.
TEST_F(ListReaderTest, AFileOnThePageButtonIsRefused) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(WriteFile("http://f/1\n"))});
    EXPECT_FALSE(fwtest::Drop(PageButton(), PageButton()->rect().center(), data));
    EXPECT_EQ(Rows(), Texts{kOld});
    // Text dropped with a file is read; the file is left alone.
    data.setText(QStringLiteral("http://t/1"));
    EXPECT_TRUE(fwtest::Drop(PageButton(), PageButton()->rect().center(), data));
    EXPECT_EQ(Rows(), (Texts{kOld, "http://t/1"}));
}

// Where nothing takes a drop (the window's background, the page buttons other than "URL List",
// the labels, the generator page) it is refused, so the program it came from keeps its text; the
// list and the "URL List" button still read theirs. Each drop goes where the window system sends
// it: to the widget under the point that takes drops, or the first of its parents that does.
TEST_F(ListReaderTest, ADropWhereNothingTakesItIsRefused) {
    const auto dropAt = [&](const char* control, QPoint at, const QMimeData& data) {
        QWidget* content = window->Content();
        if (control) {
            QWidget* w = window->ControlNamed<fw::RectControl>(control).Widget();
            at = w->mapTo(content, w->rect().center());
        }
        QWidget* target = content->childAt(at) ? content->childAt(at) : content;
        while (target != content && !target->acceptDrops()) target = target->parentWidget();
        return target->acceptDrops() && fwtest::Drop(target, target->mapFrom(content, at), data);
    };
    QMimeData text;
    text.setText(QStringLiteral("http://d/1"));
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(WriteFile("http://d/2\n"))});
    const struct {
        int page;
        const char* control;  // null: the point alone
        QPoint at;
        const QMimeData* data;
        bool taken;
    } drops[] = {
        {2, nullptr, {400, 20}, &text, false},  {2, nullptr, {400, 20}, &file, false},
        {2, nullptr, {450, 280}, &text, false}, {2, "StaticText3", {}, &text, false},
        {2, "BevelButton4", {}, &text, false},  {2, "BevelButton2", {}, &text, false},
        {0, "StaticText1", {}, &text, false},   {0, "BevelButton10", {}, &file, false},
        {2, "BevelButton1", {}, &text, true},   {0, "ListBox1", {}, &text, true},
        {0, "ListBox1", {}, &file, true},
    };
    Texts rows = Rows();
    for (const auto& d : drops) {
        SCOPED_TRACE(d.control ? d.control : "background");
        window->ControlNamed<fw::PagePanel>("PagePanel1").SetValue(d.page);
        EXPECT_EQ(dropAt(d.control, d.at, *d.data), d.taken);
        if (d.taken) rows.push_back(d.data == &text ? "http://d/1" : "http://d/2");
        EXPECT_EQ(Rows(), rows);
    }
}

TEST_F(ListReaderTest, RowsDraggedBackOntoTheListAddNothing) {
    window->MP_AddDownloadItem("http://x/1");
    fwtest::ProcessEvents();
    Select({0, 1});
    bool accepted = false;
    auto previous = fw::SetDragExecHook(
        [&](const QMimeData& data) { accepted = fwtest::Drop(Viewport(), ListMiddle(), data); });
    fwtest::DragRowOut(View(), 1);
    fw::SetDragExecHook(previous);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Rows(), (Texts{kOld, "http://x/1"}));
    EXPECT_FALSE(window->p_DragCheck);
    EXPECT_TRUE(DropText(Viewport(), "http://x/2"));
    EXPECT_EQ(List().ListCount(), 3);
}

TEST_F(ListReaderTest, RowsDroppedElsewhereLeaveTheNextTextDropRead) {
    Select({0});
    fwtest::DragRecorder recorder;
    fwtest::DragRowOut(View(), 0);
    ASSERT_EQ(recorder.Drags().size(), 1u);
    EXPECT_FALSE(window->p_DragCheck);
    EXPECT_TRUE(DropText(Viewport(), "http://x/2"));
    EXPECT_EQ(Rows(), (Texts{kOld, "http://x/2"}));
}

TEST_F(ListReaderTest, ALinkDraggedFromABrowserIsRead) {
    // A browser offers a dragged link as text and as a URL.
    QMimeData link;
    link.setText(QStringLiteral("http://x/a.jpg"));
    link.setUrls({QUrl(QStringLiteral("http://x/a.jpg"))});
    EXPECT_TRUE(fwtest::Drop(Viewport(), ListMiddle(), link));
    EXPECT_EQ(Rows(), (Texts{kOld, "http://x/a.jpg"}));
}

TEST_F(ListReaderTest, PageButtonDropLeavesThePageAsItIs) {
    window->MP_KirikaeGenerator();
    auto& panel = window->ControlNamed<fw::PagePanel>("PagePanel1");
    ASSERT_EQ(panel.Value(), 2);
    EXPECT_TRUE(DropText(PageButton(), "http://x/1\nhttp://x/2"));
    EXPECT_EQ(panel.Value(), 2);
    EXPECT_EQ(Rows(), (Texts{kOld, "http://x/1", "http://x/2"}));
}

TEST_F(ListReaderTest, ReceivedDictionaryKeysBecomeRowsAsTheyAre) {
    auto dic = std::make_shared<fw::Dictionary>();
    dic->SetValue("http://k/1", "one");
    dic->SetValue("", "empty");
    dic->SetValue("not a url/", "two");
    window->MP_URLListUketori(dic);
    fwtest::ProcessEvents();
    EXPECT_EQ(Rows(), (Texts{kOld, "http://k/1", "not a url/"}));
    EXPECT_EQ(Label(), Count(1)) << "the label is not refreshed";
    EXPECT_EQ(window->p_URLDic->Count(), 3);
    EXPECT_EQ(window->p_URLDic->Value("http://k/1"), "one");

    window->MP_URLListUketori(nullptr);
    window->p_URLDic = nullptr;
    window->MP_URLListUketori(dic);
    EXPECT_EQ(List().ListCount(), 3);
}

// The user quits (closing the window does) in the turn after a read's first row: every road
// stops there, as the generator and the extractor do.
TEST_F(ListReaderTest, AQuitDuringAReadEndsIt) {
    const SelListBox& list = List();
    const std::string text = "http://x/[1-3]\rhttp://y/4";
    const Texts firstRow = {kOld, "http://x/1"};
    auto dic = std::make_shared<fw::Dictionary>();
    dic->SetValue("http://k/1", "one");
    dic->SetValue("http://k/2", "two");
    const struct {
        const char* name;
        std::function<void()> read;
        Texts rows;
    } roads[] = {
        {"the reader itself",
         [&] {
             window->MP_ReadDownloadList({text, fw::Encodings::UTF8});
         },
         firstRow},
        {"paste", [&] { Paste(text); }, firstRow},
        {"text on the list", [&] { EXPECT_TRUE(DropText(Viewport(), text)); }, firstRow},
        {"file",
         [&] { EXPECT_TRUE(DropFile(WriteFile("http://1\nhttp://2\n"))); },
         {kOld, "http://1"}},
        {"received keys", [&] { window->MP_URLListUketori(dic); }, {kOld, "http://k/1"}},
    };
    for (const auto& road : roads) {
        window->menu_del_Action();
        window->MP_AddDownloadItem(kOld);
        {
            const fw::ScopedEventLoopTurn quitOnFirstRow([&] {
                if (list.ListCount() > 1) fw::Quit(0);
            });
            road.read();
        }
        EXPECT_EQ(Rows(), road.rows) << road.name;
        // The run-time forgets the quit when its loop runs again.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        fw::RuntimeRun();
    }
}

// Three rows short of the list's cap, every road reads up to the line whose rows would pass it,
// adds none of that line's rows, reads nothing further of the text or the drop, and says so once.
TEST_F(ListReaderTest, TheListsCapStopsAReadBeforeTheLineThatWouldPassIt) {
    const int cap = static_cast<int>(myglobal::kMaxListRows);
    const Texts lines = {"http://a/1", "http://b/[1-3]", "http://c/1"};
    QMimeData textAndFile;
    textAndFile.setText(QString::fromStdString(Joined(lines, "\n")));
    textAndFile.setUrls({QUrl::fromLocalFile(WriteFile("http://f/1\n"))});
    const struct {
        const char* name;
        std::function<void()> read;
    } roads[] = {
        {"the reader itself",
         [&] {
             EXPECT_FALSE(window->MP_ReadDownloadList({Joined(lines, "\r"), fw::Encodings::UTF8}));
         }},
        {"paste", [&] { Paste(Joined(lines, "\n")); }},
        {"text on the list", [&] { EXPECT_TRUE(DropText(Viewport(), Joined(lines, "\n"))); }},
        {"text on the page button",
         [&] { EXPECT_TRUE(DropText(PageButton(), Joined(lines, "\n"))); }},
        {"text and a file",
         [&] { EXPECT_TRUE(fwtest::Drop(Viewport(), ListMiddle(), textAndFile)); }},
        {"file",
         [&] { EXPECT_TRUE(DropFile(WriteFile(QByteArray::fromStdString(Joined(lines, "\n"))))); }},
    };
    FillTo(cap - 3);
    for (const auto& road : roads) {
        SCOPED_TRACE(road.name);
        CutTo(cap - 3);
        fwtest::MsgBoxRecorder messages;
        road.read();
        ASSERT_EQ(List().ListCount(), cap - 2);
        EXPECT_EQ(List().List(cap - 3), "http://a/1");
        EXPECT_EQ(messages.Texts(),
                  Texts{ScrapWindowTexts::ListReadStopped({cap - 2, List().TextBytes()}, false)});
        EXPECT_EQ(Label(), Count(cap - 2));
    }
    // A line whose rows fill the list to its cap exactly is read whole; a refused range shown
    // before the cap's message does not keep it from the user.
    CutTo(cap - 3);
    fwtest::MsgBoxRecorder messages;
    EXPECT_TRUE(window->MP_ReadDownloadList({"http://b/[1-3]", fw::Encodings::UTF8}));
    EXPECT_EQ(List().ListCount(), cap);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_FALSE(
        window->MP_ReadDownloadList({"http://x/[1-100000000]\rftp://y/1", fw::Encodings::UTF8}));
    ASSERT_EQ(messages.Texts().size(), 2u);
    EXPECT_EQ(messages.Texts()[0].rfind("Error<MG_MRList>", 0), 0u);
    EXPECT_EQ(messages.Texts()[1],
              ScrapWindowTexts::ListReadStopped({cap, List().TextBytes()}, false));
    EXPECT_EQ(List().ListCount(), cap);
}

TEST_F(ListReaderTest, BadInputLosesNothingOfTheList) {
    fwtest::MsgBoxRecorder messages;
    // NUL bytes and bytes that are not UTF-8 go on as they are: pasted, dropped as text whose
    // bytes are not UTF-8 (Qt makes each bad byte U+FFFD), or read.
    Paste(std::string("http://x/\0a\nhttp://y/\0", 22));
    QMimeData raw;
    raw.setData(QStringLiteral("text/plain"), QByteArray("http://z/\xff\xfe.jpg"));
    EXPECT_TRUE(fwtest::Drop(Viewport(), ListMiddle(), raw));
    window->MP_ReadDownloadList({"http://x/\xff\xfe\xc0", fw::Encodings::UTF8});
    EXPECT_EQ(Rows(), (Texts{kOld, std::string("http://x/\0a", 11), std::string("http://y/\0", 10),
                             "http://z/\xef\xbf\xbd\xef\xbf\xbd.jpg", "http://x/\xff\xfe\xc0"}));
    // A million empty lines, pasted.
    Paste(std::string(1'000'000, '\n'));
    EXPECT_EQ(List().ListCount(), 5);
    EXPECT_EQ(Label(), Count(5));
    // Ranges too large to expand add nothing; one read reports the first of them only.
    window->MP_ReadDownloadList(
        {"http://x/[1-100000000].jpg\rhttp://y/[a-zzzzzzzz]\rftp://z/[1-99999999999]",
         fw::Encodings::UTF8});
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0].rfind("Error<MG_MRList>", 0), 0u);
    EXPECT_EQ(List().ListCount(), 5);
    // A drop with neither text nor a file is refused.
    QMimeData neither;
    neither.setData(QStringLiteral("application/octet-stream"), QByteArray(64, '\x01'));
    EXPECT_FALSE(fwtest::Drop(Viewport(), ListMiddle(), neither));
    EXPECT_EQ(List().ListCount(), 5);
    // A file that cannot be read is ignored.
    QMimeData gone;
    gone.setUrls({QUrl::fromLocalFile(dir_.filePath(QStringLiteral("vanished.txt")))});
    fwtest::Drop(Viewport(), ListMiddle(), gone);
    EXPECT_EQ(List().ListCount(), 5);
}

TEST_F(ListReaderTest, MessagesOfOtherEventsDuringAReadAreShown) {
    fwtest::MsgBoxRecorder messages;
    // Another event, handled in a turn of the event loop once the read has reported a refusal.
    bool reported = false;
    {
        const fw::ScopedEventLoopTurn otherEvent([&] {
            if (reported || messages.Texts().empty()) return;
            reported = true;
            fw::MsgBox("URL抽出完了");
        });
        window->MP_ReadDownloadList(
            {"http://x/[1-100000000].jpg\rhttp://y/[1-100000000].jpg\rhttp://a/1",
             fw::Encodings::UTF8});
    }
    ASSERT_EQ(messages.Texts().size(), 2u);
    EXPECT_EQ(messages.Texts()[0].rfind("Error<MG_MRList>", 0), 0u);
    EXPECT_EQ(messages.Texts()[1], "URL抽出完了");
    EXPECT_EQ(Rows(), (Texts{kOld, "http://a/1"}));
}

TEST_F(ListReaderTest, AReadStartedInAnotherReadsTurnShowsItsOwnFirstMessage) {
    fwtest::MsgBoxRecorder messages;
    bool started = false;
    {
        const fw::ScopedEventLoopTurn otherEvent([&] {
            if (started) return;
            started = true;
            window->MP_ReadDownloadList(
                {"ftp://n/[1-100000000]\rftp://n/[1-100000000]", fw::Encodings::UTF8});
        });
        window->MP_ReadDownloadList(
            {"http://x/[1-100000000].jpg\rhttp://y/[1-100000000].jpg", fw::Encodings::UTF8});
    }
    EXPECT_EQ(messages.Texts().size(), 2u) << "one for each read";
}

TEST_F(ListReaderTest, AHundredMegabyteBinaryFileIsReadWithoutHarm) {
    fwtest::MsgBoxRecorder messages;
    const QString path = dir_.filePath(QStringLiteral("binary.bin"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        std::mt19937_64 random(2024);
        QByteArray chunk(1 << 20, '\0');
        for (int mb = 0; mb < 100; ++mb) {
            for (int i = 0; i < chunk.size(); i += 8) {
                const std::uint64_t word = random();
                std::memcpy(chunk.data() + i, &word, 8);
            }
            ASSERT_EQ(file.write(chunk), chunk.size());
        }
    }
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(DropFile(path));
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(List().List(0), kOld);
    // Its lines hold many ranges by chance, each refused: the user sees one box, not thousands.
    EXPECT_LE(messages.Texts().size(), 1u);
    std::cout << "[ info ] 100 MB binary file read in " << seconds << " s, rows "
              << List().ListCount() << ", messages " << messages.Texts().size() << "\n";
}

}  // namespace
