#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/MenuTexts.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/FolderItem.h"
#include "framework/gui/PagePanel.h"
#include "framework/gui/PushButton.h"
#include "tests/support/ShellFixture.h"
#include "window/ScrapWindowTexts.h"
#include "window/SelListBox.h"
#include "window/urlEditfield.h"

namespace {

std::string ReadBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll().toStdString();
}

void WriteBytes(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Files in the folder, hidden ones (a left-over temporary file) included.
QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

class Saving : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        window->MP_KirikaeEditor();
        ASSERT_TRUE(dir.isValid());
        target = dir.filePath(QStringLiteral("GeneratedURL.txt"));
    }
    urlEditfield& Editor() const { return window->ControlNamed<urlEditfield>("EditField2"); }
    void ClickSave() {
        QTest::mouseClick(window->ControlNamed<fw::BevelButton>("BevelButton3").Widget(),
                          Qt::LeftButton);
        fwtest::ProcessEvents();
    }
    QTemporaryDir dir;
    QString target;
};

TEST_F(Saving, WritesTheEditorTextWithLineFeeds) {
    struct Case {
        std::string text;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"http://a/1\rhttp://a/2\rhttp://a/3", "http://a/1\nhttp://a/2\nhttp://a/3"},
        {"   ", "   "},
        {"\r\r", "\n\n"},
        {"one\r\ntwo\nthree", "one\ntwo\nthree"},
        {"日本語のテキスト\r末尾", "日本語のテキスト\n末尾"},
        // Every character as the editor holds it: no-break space, U+2028, tab, beyond the BMP,
        // U+2029.
        {"a\xC2\xA0"
         "b\xE2\x80\xA8"
         "c\td\xF0\x9F\x98\x80\xE2\x80\xA9"
         "e\r",
         "a\xC2\xA0"
         "b\xE2\x80\xA8"
         "c\td\xF0\x9F\x98\x80\xE2\x80\xA9"
         "e\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        fwtest::MsgBoxRecorder boxes;
        fwtest::SaveDialogAnswer answer(target.toStdString());
        Editor().SetText(c.text);
        ClickSave();
        ASSERT_EQ(answer.Dialogs().size(), 1u);
        EXPECT_EQ(answer.Dialogs()[0].prompt, ScrapWindowTexts::kSavePrompt);
        EXPECT_EQ(answer.Dialogs()[0].suggestedName, ScrapWindowTexts::kSaveSuggestedName);
        EXPECT_EQ(ReadBytes(target), c.bytes);
        EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("GeneratedURL.txt")});
        EXPECT_TRUE(boxes.Texts().empty());
    }
    // Type and creator codes go with the file where the file system keeps them.
    fw::FolderItem saved(target.toStdString());
    if (!saved.MacType().empty()) {
        EXPECT_EQ(saved.MacType(), ScrapWindowTexts::kSaveType);
        EXPECT_EQ(saved.MacCreator(), ScrapWindowTexts::kSaveCreator);
    }
}

TEST_F(Saving, CancelAndEmptyEditorWriteNothing) {
    fwtest::MsgBoxRecorder boxes;
    {
        fwtest::SaveDialogAnswer cancel(std::nullopt);
        Editor().SetText("text");
        ClickSave();
        EXPECT_EQ(cancel.Dialogs().size(), 1u);
    }
    {
        fwtest::SaveDialogAnswer answer(target.toStdString());
        Editor().SetText("");
        ClickSave();
        EXPECT_TRUE(answer.Dialogs().empty());
        // The clear button empties the editor; saving then does nothing either.
        Editor().SetText("text");
        QTest::mouseClick(window->ControlNamed<fw::BevelButton>("BevelButton11").Widget(),
                          Qt::LeftButton);
        EXPECT_EQ(Editor().Text(), "");
        ClickSave();
        EXPECT_TRUE(answer.Dialogs().empty());
    }
    EXPECT_TRUE(Entries(dir.path()).isEmpty());
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(window->ControlNamed<fw::PagePanel>("PagePanel1").Value(), 1);
}

// The message names the file and the reason, and an existing file keeps its bytes.
void ExpectFailureReported(const fwtest::MsgBoxRecorder& boxes, const QString& target) {
    ASSERT_EQ(boxes.Texts().size(), 1u);
    const std::string& text = boxes.Texts()[0];
    EXPECT_EQ(text.rfind(ScrapWindowTexts::kSaveFailed, 0), 0u) << text;
    EXPECT_NE(text.find(target.toStdString()), std::string::npos) << text;
}

TEST_F(Saving, AFolderWithoutWritePermission) {
    const QString folder = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString file = folder + QStringLiteral("/GeneratedURL.txt");
    WriteBytes(file, "old contents");
    ASSERT_TRUE(QFile::setPermissions(
        folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther);
    fwtest::MsgBoxRecorder boxes;
    fwtest::SaveDialogAnswer answer(file.toStdString());
    Editor().SetText("new\rcontents");
    // Permissions do not bind root, so a root test run saves as an ordinary user.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    ClickSave();
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    ExpectFailureReported(boxes, file);
    EXPECT_EQ(ReadBytes(file), "old contents");
    EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("GeneratedURL.txt")});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Places where no file can go: each is reported, naming the chosen path and the reason, and
// nothing is left behind.
TEST_F(Saving, PlacesThatCannotTakeTheFile) {
    const QString vanished = dir.filePath(QStringLiteral("gone"));
    ASSERT_TRUE(QDir().mkdir(vanished));
    ASSERT_TRUE(QDir().rmdir(vanished));
    WriteBytes(dir.filePath(QStringLiteral("plain.txt")), "a file, not a folder");
    ASSERT_TRUE(QDir().mkdir(dir.filePath(QStringLiteral("taken.txt"))));
    struct Case {
        QString chosen;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {vanished + QStringLiteral("/GeneratedURL.txt"), std::strerror(ENOENT)},
        {dir.filePath(QStringLiteral("plain.txt/GeneratedURL.txt")), std::strerror(ENOTDIR)},
        {dir.filePath(QStringLiteral("taken.txt")), "folder"},
        // A full disk: the device takes the text itself and refuses it.
        {QStringLiteral("/dev/full"), std::strerror(ENOSPC)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        fwtest::MsgBoxRecorder boxes;
        fwtest::SaveDialogAnswer answer(c.chosen.toStdString());
        Editor().SetText("http://a/1\rhttp://a/2");
        ClickSave();
        ExpectFailureReported(boxes, c.chosen);
        if (!boxes.Texts().empty()) {
            EXPECT_NE(boxes.Texts()[0].find(c.reason), std::string::npos) << boxes.Texts()[0];
        }
        EXPECT_EQ(Editor().Text(), "http://a/1\rhttp://a/2");
    }
    EXPECT_FALSE(QFile::exists(vanished));
    EXPECT_EQ(ReadBytes(dir.filePath(QStringLiteral("plain.txt"))), "a file, not a folder");
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("taken.txt"))).isDir());
    const QFileInfo full(QStringLiteral("/dev/full"));
    EXPECT_TRUE(full.exists() && !full.isFile());
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("plain.txt")});
}

TEST_F(Saving, AFullDisk) {
    // A file-size limit makes writes fail as a full disk does, without a disk to fill.
    WriteBytes(target, "old contents");
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    fwtest::MsgBoxRecorder boxes;
    fwtest::SaveDialogAnswer answer(target.toStdString());
    Editor().SetText(std::string(100000, 'u'));
    ClickSave();

    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    ExpectFailureReported(boxes, target);
    EXPECT_EQ(ReadBytes(target), "old contents");
    EXPECT_EQ(Entries(dir.path()), QStringList{QStringLiteral("GeneratedURL.txt")});
}

// An editor of 50 MB, the text pasted from the clipboard through the edit context menu: every
// command of the page works on the whole text, and the save writes every byte.
TEST_F(Saving, AFiftyMegabyteEditor) {
    std::string text;
    std::string lines;
    std::size_t urls = 0;
    std::size_t characters = 0;
    while (text.size() < (std::size_t{50} << 20)) {
        const std::string url =
            "http://example.com/gallery/" + std::to_string(urls++) + "/photo.jpg";
        text += "画像 " + url + " 最新\r";
        lines += "画像 " + url + " 最新\n";
        characters += 3 + url.size() + 4;
    }
    QApplication::clipboard()->setText(QString::fromStdString(lines));
    {
        fwtest::ContextMenuChooser chooser(std::string(MenuTexts::kPaste));
        fwtest::RightClick(Editor().PlainWidget()->viewport(), QPoint(4, 4));
        fwtest::ProcessEvents();
    }
    ASSERT_TRUE(Editor().Text() == text) << Editor().Text().size() << " bytes of " << text.size();
    EXPECT_EQ(static_cast<std::size_t>(Editor().SelStart()), characters);

    {
        fwtest::ContextMenuChooser chooser(std::string(MenuTexts::kSelectAll));
        fwtest::RightClick(Editor().PlainWidget()->viewport(), QPoint(4, 4));
        fwtest::ProcessEvents();
        ASSERT_EQ(chooser.Menus().size(), 1u);
        EXPECT_EQ(chooser.Menus()[0],
                  (std::vector<std::string>{MenuTexts::kPaste, "-", MenuTexts::kSelectAll}));
    }
    EXPECT_EQ(Editor().SelStart(), 0);
    EXPECT_EQ(static_cast<std::size_t>(Editor().SelLength()), characters);

    fwtest::MsgBoxRecorder boxes;
    {
        fwtest::SaveDialogAnswer answer(target.toStdString());
        ClickSave();
    }
    EXPECT_TRUE(boxes.Texts().empty());
    const std::string saved = ReadBytes(target);
    EXPECT_TRUE(saved == lines) << saved.size() << " bytes saved of " << lines.size();

    QTest::mouseClick(window->ControlNamed<fw::PushButton>("PushButton1").Widget(), Qt::LeftButton);
    fwtest::ProcessEvents();
    const auto& list = window->ControlNamed<SelListBox>("ListBox1");
    ASSERT_EQ(static_cast<std::size_t>(list.ListCount()), urls);
    EXPECT_EQ(list.List(0), "http://example.com/gallery/0/photo.jpg");
    EXPECT_EQ(list.List(list.ListCount() - 1),
              "http://example.com/gallery/" + std::to_string(urls - 1) + "/photo.jpg");
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{ScrapWindowTexts::kExtractDone});

    window->MP_KirikaeEditor();
    QTest::mouseClick(window->ControlNamed<fw::BevelButton>("BevelButton11").Widget(),
                      Qt::LeftButton);
    EXPECT_TRUE(Editor().TextEmpty());
    EXPECT_EQ(ReadBytes(target).size(), lines.size());
}

}  // namespace
