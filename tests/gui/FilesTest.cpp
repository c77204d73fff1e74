#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "framework/gui/FolderItem.h"
#include "framework/gui/SaveAsDialog.h"
#include "framework/gui/TextInputStream.h"
#include "framework/gui/TextOutputStream.h"
#include "tests/gui/TestWindow.h"

namespace {

class FilesTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::string Path(const char* name) {
        return dir.filePath(QString::fromUtf8(name)).toStdString();
    }
    std::string Write(const char* name, const std::string& bytes) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return f.fileName().toStdString();
    }
    static std::string Read(const std::string& path) {
        QFile f(QString::fromStdString(path));
        if (!f.open(QIODevice::ReadOnly)) return "<missing>";
        return f.readAll().toStdString();
    }
    QTemporaryDir dir;
};

std::vector<std::string> Lines(fw::FolderItem& file) {
    auto stream = file.OpenAsTextFile();
    std::vector<std::string> lines;
    if (!stream) return {"<nil>"};
    while (!stream->Eof()) lines.push_back(stream->ReadLine().bytes);
    stream->Close();
    return lines;
}

TEST_F(FilesTest, ReadLineEndsLinesAtLfCrLfOrCr) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"lf", "a\nb\n", {"a", "b"}},
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"cr", "a\rb", {"a", "b"}},
        {"mixed", "a\r\n\nb\rc", {"a", "", "b", "c"}},
        {"empty", "", {}},
        {"only ends", "\r\n\r\n", {"", ""}},
        {"no end", "http://x/1", {"http://x/1"}},
        {"cr at the end", "a\rb\r", {"a", "b"}},
        {"cr after a crlf", "a\r\n\r", {"a", ""}},
    };
    for (const Case& c : cases) {
        fw::FolderItem file(Write(c.name, c.bytes));
        EXPECT_EQ(Lines(file), c.lines) << c.name;
    }
}

TEST_F(FilesTest, ReadLineCopesWithLinesLongerThanItsBufferAndCrLfAcrossIt) {
    // The CR of a CR LF lands on the last byte of the first 64 KB piece.
    const std::string first(64 * 1024 - 1, 'x');
    const std::string longLine(200000, 'y');
    fw::FolderItem file(Write("long", first + "\r\n" + longLine + "\nend"));
    EXPECT_EQ(Lines(file), (std::vector<std::string>{first, longLine, "end"}));
}

TEST_F(FilesTest, LinesAreDeclaredUtf8WhenValidElseCp932) {
    // "日本" in UTF-8 and in Shift_JIS (CP932).
    fw::FolderItem file(Write("enc", "\xe6\x97\xa5\xe6\x9c\xac\n\x93\xfa\x96\x7b\nplain\n"));
    auto stream = file.OpenAsTextFile();
    ASSERT_NE(stream, nullptr);
    const std::vector<std::string> expected = {"UTF-8", "CP932", "UTF-8"};
    for (const auto& name : expected) {
        const fw::EncodedText line = stream->ReadLine();
        ASSERT_TRUE(line.encoding.has_value());
        EXPECT_EQ(line.encoding->InternetName(), name);
    }
    EXPECT_TRUE(stream->Eof());
}

TEST_F(FilesTest, FilesThatCannotBeReadGiveNoStream) {
    fw::FolderItem missing(Path("missing.txt"));
    EXPECT_EQ(missing.OpenAsTextFile(), nullptr);
    EXPECT_NE(missing.LastErrorMessage().find("missing.txt"), std::string::npos);
    fw::FolderItem folder(dir.path().toStdString());
    EXPECT_EQ(folder.OpenAsTextFile(), nullptr);
}

TEST_F(FilesTest, TextFilesAreWrittenWithLfAndOnlyOnClose) {
    struct Case {
        std::string text;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"http://x/1\rhttp://x/2\rhttp://x/3", "http://x/1\nhttp://x/2\nhttp://x/3"},
        {"a\r\nb\n", "a\nb\n"},
        {"\r", "\n"},
        {"日本語", "日本語"},
    };
    for (const Case& c : cases) {
        auto file = std::make_shared<fw::FolderItem>(Path("out.txt"));
        auto stream = file->CreateTextFile();
        ASSERT_NE(stream, nullptr);
        stream->Write(c.text);
        // Until Close, whatever stood there before is untouched.
        EXPECT_NE(Read(Path("out.txt")), c.bytes);
        EXPECT_TRUE(stream->Close()) << stream->LastErrorMessage();
        EXPECT_EQ(Read(Path("out.txt")), c.bytes);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST_F(FilesTest, FailuresAreReportedAndLeaveTheOldFileAsItWas) {
    // A folder that does not exist.
    auto nowhere = std::make_shared<fw::FolderItem>(Path("gone/out.txt"));
    EXPECT_EQ(nowhere->CreateTextFile(), nullptr);
    EXPECT_NE(nowhere->LastErrorMessage().find("out.txt"), std::string::npos);
    // A folder in the way.
    QDir(dir.path()).mkdir(QStringLiteral("taken"));
    auto taken = std::make_shared<fw::FolderItem>(Path("taken"));
    EXPECT_EQ(taken->CreateTextFile(), nullptr);
    EXPECT_FALSE(taken->LastErrorMessage().empty());
    // The folder vanishes while the file is written: the rename fails and is reported.
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    const std::string target = Path("sub/out.txt");
    auto file = std::make_shared<fw::FolderItem>(target);
    auto stream = file->CreateTextFile();
    ASSERT_NE(stream, nullptr);
    stream->Write("text");
    QDir(dir.filePath(QStringLiteral("sub"))).removeRecursively();
    EXPECT_FALSE(stream->Close());
    EXPECT_NE(stream->LastErrorMessage().find("out.txt"), std::string::npos);
    EXPECT_EQ(file->LastErrorMessage(), stream->LastErrorMessage());
    // Writing to a full disk: the old file keeps its content.
    const std::string old = Write("keep.txt", "old");
    auto keep = std::make_shared<fw::FolderItem>(old);
    auto full = keep->CreateTextFile();
    ASSERT_NE(full, nullptr);
    ::unlink(full->TempPath().c_str());
    EXPECT_FALSE(full->Close());
    EXPECT_EQ(Read(old), "old");
}

// The text goes to the file the chosen item stands for: through a link, which stays a link,
// and into a device, which no file may replace.
TEST_F(FilesTest, TheChosenFileIsWrittenWhereItLies) {
    const std::string real = Write("real.txt", "old");
    ASSERT_EQ(::symlink(real.c_str(), Path("link.txt").c_str()), 0);
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    struct Case {
        std::string chosen;
        bool written;
        std::string reason;  // part of the message when not written
    };
    const std::string longest = std::string(251, 'n') + ".txt";  // as long as a name may be
    const std::vector<Case> cases = {
        {Path("link.txt"), true, ""},
        {dir.filePath(QString::fromStdString(longest)).toStdString(), true, ""},
        {"/dev/null", true, ""},
        {"/dev/full", false, std::strerror(ENOSPC)},
        // Nobody reads the pipe: reported at once, not waited for.
        {Path("pipe"), false, std::strerror(ENXIO)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        auto file = std::make_shared<fw::FolderItem>(c.chosen);
        auto stream = file->CreateTextFile();
        if (stream) {
            stream->Write("new\rtext");
            EXPECT_EQ(stream->Close(), c.written) << stream->LastErrorMessage();
        } else {
            EXPECT_FALSE(c.written);
        }
        if (!c.written) {
            EXPECT_NE(file->LastErrorMessage().find(c.chosen), std::string::npos);
            EXPECT_NE(file->LastErrorMessage().find(c.reason), std::string::npos)
                << file->LastErrorMessage();
        }
    }
    EXPECT_TRUE(QFileInfo(QString::fromStdString(Path("link.txt"))).isSymLink());
    EXPECT_EQ(Read(real), "new\ntext");
    EXPECT_EQ(Read(Path(longest.c_str())), "new\ntext");
    for (const char* device : {"/dev/null", "/dev/full"}) {
        struct stat st {};
        ASSERT_EQ(::stat(device, &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode)) << device;
    }
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("link.txt"), QString::fromStdString(longest),
                           QStringLiteral("pipe"), QStringLiteral("real.txt")}));
}

// A stream dropped while an exception unwinds was cut short: the old file stays, and no
// temporary file is left behind. Dropped in the ordinary way, it puts its text in place.
TEST_F(FilesTest, AStreamDroppedByAnExceptionReplacesNothing) {
    const std::string old = Write("keep.txt", "old");
    try {
        auto file = std::make_shared<fw::FolderItem>(old);
        auto stream = file->CreateTextFile();
        ASSERT_NE(stream, nullptr);
        stream->Write("half");
        throw std::runtime_error("cut short");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(Read(old), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("keep.txt")});
    {
        auto file = std::make_shared<fw::FolderItem>(old);
        auto stream = file->CreateTextFile();
        ASSERT_NE(stream, nullptr);
        stream->Write("whole");
    }
    EXPECT_EQ(Read(old), "whole");
}

TEST_F(FilesTest, TypeAndCreatorCodesTravelWithTheWrittenFile) {
    auto file = std::make_shared<fw::FolderItem>(Path("coded.txt"));
    auto stream = file->CreateTextFile();
    ASSERT_NE(stream, nullptr);
    file->SetMacCreator("ttxt");
    file->SetMacType("TEXT");
    if (getxattr(stream->TempPath().c_str(), "user.fw.type", nullptr, 0) < 0)
        GTEST_SKIP() << "this file system keeps no extended attributes";
    stream->Write("x");
    ASSERT_TRUE(stream->Close());
    fw::FolderItem reopened(Path("coded.txt"));
    EXPECT_EQ(reopened.MacType(), "TEXT");
    EXPECT_EQ(reopened.MacCreator(), "ttxt");
}

TEST_F(FilesTest, SaveDialogStartsInItsFolderOrInDocuments) {
    fw::SaveAsDialog dialog;
    dialog.InitialDirectory = std::make_shared<fw::FolderItem>(dir.path().toStdString());
    EXPECT_EQ(dialog.StartFolder(), dir.path().toStdString());
    dialog.InitialDirectory = fw::Volume(0)->Child("no such folder here");
    EXPECT_NE(dialog.StartFolder(), dialog.InitialDirectory->NativePath());
    fwtest::SaveDialogAnswer answer(Path("chosen.txt"));
    dialog.PromptText = "Generated URL保存";
    dialog.SuggestedFileName = "GeneratedURL.txt";
    auto chosen = dialog.ShowModalWithin(nullptr);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->Name(), "chosen.txt");
    ASSERT_EQ(answer.Dialogs().size(), 1u);
    EXPECT_EQ(answer.Dialogs()[0].prompt, "Generated URL保存");
    EXPECT_EQ(fw::Volume(0)->NativePath(), "/");
}

}  // namespace
