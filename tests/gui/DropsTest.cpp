#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QUrl>

#include "framework/gui/BevelButton.h"
#include "framework/gui/DragItem.h"
#include "framework/gui/EditField.h"
#include "framework/gui/FileType.h"
#include "framework/gui/FolderItem.h"
#include "framework/gui/ListView_p.h"
#include "framework/gui/Listbox.h"
#include "tests/gui/TestWindow.h"

namespace {

struct Seen {
    std::vector<std::string> texts;
    std::vector<std::string> files;
};

// Walks a drop's items as the system's handlers do.
Seen Walk(fw::DragItem& item) {
    Seen seen;
    do {
        if (item.TextAvailable()) seen.texts.push_back(item.Text());
        if (item.FolderItemAvailable()) seen.files.push_back(item.FolderItem()->Name());
    } while (item.NextItem());
    return seen;
}

class DropTest : public GuiTest {
protected:
    void SetUp() override {
        anyType.SetName("special/any");
        anyType.SetMacType("????");
        anyType.SetMacCreator("????");
        anyType.Register();
        ASSERT_TRUE(dir.isValid());
        MakeWindow([&](TestWindow& tw) {
            list = tw.NewControl<fw::Listbox>("ListBox1");
            list->SetBounds(0, 0, 200, 200);
            list->OnOpen = [this] { list->AcceptTextDrop(); };
            list->OnDropObject = [&](fw::DragItem& item, int) { drops.push_back(Walk(item)); };
            button = tw.NewControl<fw::BevelButton>("BevelButton1");
            button->SetBounds(210, 0, 80, 22);
            button->OnDropObject = [&](fw::DragItem& item, int) {
                buttonDrops.push_back(Walk(item));
            };
            single = tw.NewControl<fw::EditField>("allEditfield1");
            single->SetBounds(210, 30, 100, 22);
            multi = tw.NewControl<fw::EditField>("EditField2", fw::EditField::Lines::Multi);
            multi->SetBounds(210, 60, 100, 100);
        });
    }
    std::string File(const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName().toStdString();
    }
    QWidget* ListTarget() { return list->View()->viewport(); }

    fw::FileType anyType;
    QTemporaryDir dir;
    fw::Listbox* list = nullptr;
    fw::BevelButton* button = nullptr;
    fw::EditField* single = nullptr;
    fw::EditField* multi = nullptr;
    std::vector<Seen> drops, buttonDrops;
};

TEST_F(DropTest, DroppedTextArrivesAsOneItemWithTheSystemsLineEnds) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"a\nb\nc", "a\rb\rc"},
        {"a\r\nb\r\n", "a\rb\r"},
        {"a\rb", "a\rb"},
        {"日本語\nhttp://x/", "日本語\rhttp://x/"},
    };
    for (const Case& c : cases) {
        drops.clear();
        QMimeData data;
        data.setText(QString::fromStdString(c.text));
        EXPECT_TRUE(fwtest::Drop(ListTarget(), QPoint(20, 20), data));
        ASSERT_EQ(drops.size(), 1u);
        EXPECT_EQ(drops[0].texts, std::vector<std::string>{c.expected});
        EXPECT_TRUE(drops[0].files.empty());
    }
}

TEST_F(DropTest, DroppedFilesArriveAsFolderItemsWithoutTheirPathsAsText) {
    const std::string a = File("a.txt", "http://x/1\n");
    const std::string b = File("b.dat", "x");
    list->Owner().AcceptFileDrop("special/any");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(a)),
                  QUrl::fromLocalFile(QString::fromStdString(b))});
    // What a file manager adds: the same files once more as text.
    data.setText(QString::fromStdString(a) + QLatin1Char('\n') +
                 QUrl::fromLocalFile(QString::fromStdString(b)).toString());
    EXPECT_TRUE(fwtest::Drop(ListTarget(), QPoint(20, 20), data));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_TRUE(drops[0].texts.empty());
    EXPECT_EQ(drops[0].files, (std::vector<std::string>{"a.txt", "b.dat"}));
}

TEST_F(DropTest, ALinkFromABrowserArrivesAsText) {
    QMimeData data;
    data.setText(QStringLiteral("http://x/a.jpg"));
    data.setUrls({QUrl(QStringLiteral("http://x/a.jpg"))});
    EXPECT_TRUE(fwtest::Drop(ListTarget(), QPoint(20, 20), data));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].texts, std::vector<std::string>{"http://x/a.jpg"});
    EXPECT_TRUE(drops[0].files.empty());
}

TEST_F(DropTest, FilesOfTypesNobodyAcceptsAreNotOffered) {
    fw::FileType plain;
    plain.SetName("text/plain");
    plain.SetExtensions(".asc;.ascii;.text;.txt");
    plain.SetMacType("TEXT");
    plain.SetMacCreator("****");
    plain.Register();
    list->Owner().AcceptFileDrop("text/plain");
    const std::string txt = File("list.TXT", "x");
    const std::string png = File("pic.png", "x");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(txt)),
                  QUrl::fromLocalFile(QString::fromStdString(png))});
    EXPECT_TRUE(fwtest::Drop(ListTarget(), QPoint(20, 20), data));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].files, std::vector<std::string>{"list.TXT"});
    // Only an unaccepted file: the drop is refused.
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(QString::fromStdString(png))});
    EXPECT_FALSE(fwtest::Drop(ListTarget(), QPoint(20, 20), other));
    EXPECT_EQ(drops.size(), 1u);
}

TEST_F(DropTest, ControlsThatDeclareNoDropsRefuseThem) {
    QMimeData data;
    data.setText(QStringLiteral("http://x/"));
    EXPECT_FALSE(fwtest::Drop(button->Widget(), QPoint(5, 5), data));
    button->AcceptTextDrop();
    EXPECT_TRUE(fwtest::Drop(button->Widget(), QPoint(5, 5), data));
    ASSERT_EQ(buttonDrops.size(), 1u);
    EXPECT_EQ(buttonDrops[0].texts, std::vector<std::string>{"http://x/"});
    // A button takes only what it accepts itself, not the files its window accepts.
    list->Owner().AcceptFileDrop("special/any");
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(QString::fromStdString(File("a.txt", "x")))});
    EXPECT_FALSE(fwtest::Drop(button->Widget(), QPoint(5, 5), file));
    EXPECT_EQ(buttonDrops.size(), 1u);
}

// The window's declared drops serve the controls that take drops; outside them a drop reaches the
// window only when it has a handler for it, and is refused otherwise, so the drag's source (an
// editor moving its text) keeps what it offered.
TEST_F(DropTest, ADropOutsideTheControlsNeedsTheWindowsHandler) {
    auto& window = list->Owner();
    window.AcceptFileDrop("special/any");
    window.AcceptTextDrop();
    const QPoint background(150, 250);
    ASSERT_EQ(window.Content()->childAt(background), nullptr);
    QMimeData text;
    text.setText(QStringLiteral("moved text"));
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(QString::fromStdString(File("a.txt", "x")))});
    for (const QMimeData* data : {&text, &file}) {
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(background, actions, data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(window.Content(), &enter);
        EXPECT_FALSE(enter.isAccepted());
        QDragMoveEvent move(background, actions, data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(window.Content(), &move);
        EXPECT_FALSE(move.isAccepted());
        QDropEvent drop(QPointF(background), actions, data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(window.Content(), &drop);
        EXPECT_FALSE(drop.isAccepted());
    }
    // The list still takes both.
    EXPECT_TRUE(fwtest::Drop(ListTarget(), QPoint(20, 20), text));
    EXPECT_TRUE(fwtest::Drop(ListTarget(), QPoint(20, 20), file));
    EXPECT_EQ(drops.size(), 2u);

    std::vector<Seen> windowDrops;
    window.OnDropObject = [&](fw::DragItem& item, int) { windowDrops.push_back(Walk(item)); };
    EXPECT_TRUE(fwtest::Drop(window.Content(), background, text));
    EXPECT_TRUE(fwtest::Drop(window.Content(), background, file));
    ASSERT_EQ(windowDrops.size(), 2u);
    EXPECT_EQ(windowDrops[0].texts, std::vector<std::string>{"moved text"});
    EXPECT_EQ(windowDrops[1].files, std::vector<std::string>{"a.txt"});
}

// An edit field takes a dropped file as its URL, and answers a copy: a source that honours a
// move could give its file up. Text dragged from another program keeps Qt's answer, a move when
// the drag proposes one.
TEST_F(DropTest, FilesDroppedOnEditFieldsAreTakenAsCopies) {
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(File("a.txt", "x")));
    QMimeData file;
    file.setUrls({url});
    // What a file manager adds: the file once more as text.
    QMimeData fileAndText;
    fileAndText.setUrls({url});
    fileAndText.setText(url.toString());
    QMimeData text;
    text.setText(QStringLiteral("http://x/"));
    struct Case {
        fw::EditField* field;
        const QMimeData* data;
        Qt::DropAction answer;
        std::string text;
    };
    const std::vector<Case> cases = {
        {single, &fileAndText, Qt::CopyAction, url.toString().toStdString()},
        {single, &text, Qt::MoveAction, "http://x/"},
        {multi, &file, Qt::CopyAction, url.toString().toStdString()},
        {multi, &fileAndText, Qt::CopyAction, url.toString().toStdString()},
        {multi, &text, Qt::MoveAction, "http://x/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field->Name() + " " + c.text);
        c.field->SetText("");
        QWidget* target =
            c.field->PlainWidget() ? c.field->PlainWidget()->viewport() : c.field->Widget();
        const QPoint at(5, 5);
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        // Shift proposes a move.
        QDragEnterEvent enter(at, actions, c.data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        EXPECT_EQ(enter.dropAction(), c.answer);
        QDragMoveEvent move(at, actions, c.data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &move);
        EXPECT_TRUE(move.isAccepted());
        EXPECT_EQ(move.dropAction(), c.answer);
        QDropEvent drop(QPointF(at), actions, c.data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
        EXPECT_EQ(drop.dropAction(), c.answer);
        EXPECT_EQ(c.field->Text(), c.text);
    }
}

TEST_F(DropTest, ADropWithNeitherTextNorFileIsRefused) {
    QMimeData data;
    data.setData(QStringLiteral("application/octet-stream"), QByteArray(16, '\0'));
    EXPECT_FALSE(fwtest::Drop(ListTarget(), QPoint(20, 20), data));
    EXPECT_TRUE(drops.empty());
}

}  // namespace
