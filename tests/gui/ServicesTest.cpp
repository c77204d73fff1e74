#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <optional>

#include "framework/gui/ContextualMenu.h"
#include "framework/gui/Dictionary.h"
#include "framework/gui/EditField.h"
#include "framework/gui/FileType.h"
#include "framework/gui/Picture.h"
#include "framework/gui/Services.h"
#include "framework/gui/detail/Text.h"
#include "framework/gui/detail/Translations.h"
#include "tests/gui/TestWindow.h"

namespace {

class ServicesTest : public GuiTest {};

// A contextual click is a press of the right button, or the Menu key or Shift+F10 on the focused
// control, which raise MouseDown as that press does. Ctrl with the left button is not: in a list
// it adds a row to the selection.
TEST_F(ServicesTest, ContextualClickIsTheRightButtonOrTheMenuKey) {
    struct Case {
        const char* input;
        std::function<void(QWidget*)> send;
        std::optional<bool> contextual;  // none: no MouseDown
    };
    auto click = [](Qt::MouseButton button, Qt::KeyboardModifiers mods) {
        return [=](QWidget* w) { QTest::mouseClick(w, button, mods, QPoint(5, 5)); };
    };
    auto key = [](Qt::Key k, Qt::KeyboardModifiers mods) {
        return [=](QWidget* w) { QTest::keyClick(w, k, mods); };
    };
    const std::vector<Case> cases = {
        {"right", click(Qt::RightButton, Qt::NoModifier), true},
        {"Ctrl right", click(Qt::RightButton, Qt::ControlModifier), true},
        {"Ctrl left", click(Qt::LeftButton, Qt::ControlModifier), false},
        {"left", click(Qt::LeftButton, Qt::NoModifier), false},
        {"Shift left", click(Qt::LeftButton, Qt::ShiftModifier), false},
        {"Menu", key(Qt::Key_Menu, Qt::NoModifier), true},
        {"Shift+F10", key(Qt::Key_F10, Qt::ShiftModifier), true},
        {"F10", key(Qt::Key_F10, Qt::NoModifier), std::nullopt},
    };
    fw::EditField* field = nullptr;
    std::vector<bool> seen;
    MakeWindow([&](TestWindow& tw) {
        field = tw.NewControl<fw::EditField>("EditField1");
        field->SetBounds(10, 10, 100, 22);
        field->OnMouseDown = [&](int, int) {
            seen.push_back(fw::IsContextualClick());
            return true;
        };
    });
    for (const Case& c : cases) {
        seen.clear();
        c.send(field->Widget());
        EXPECT_EQ(seen.empty() ? std::nullopt : std::optional<bool>(seen[0]), c.contextual)
            << c.input;
    }
}

TEST_F(ServicesTest, ContextualMenuReportsTheChosenRowsText) {
    fw::ContextualMenu* menu = nullptr;
    std::vector<std::string> chosen;
    MakeWindow([&](TestWindow& tw) {
        menu = tw.NewControl<fw::ContextualMenu>("ContextualMenu1");
        menu->OnAction = [&](const std::string& item) { chosen.push_back(item); };
    });
    fwtest::ContextMenuChooser chooser("全てを選択");
    menu->AddRow("選択項目削除");
    menu->AddSeparator();
    menu->AddRow("全てを選択");
    menu->Open();
    chooser.Choose(std::nullopt);
    menu->Open();
    chooser.Choose("-");
    menu->Open();
    menu->DeleteAllRows();
    menu->Open();
    EXPECT_EQ(chosen, std::vector<std::string>{"全てを選択"});
    ASSERT_EQ(chooser.Menus().size(), 4u);
    EXPECT_EQ(chooser.Menus()[0], (std::vector<std::string>{"選択項目削除", "-", "全てを選択"}));
    EXPECT_TRUE(chooser.Menus()[3].empty());
}

TEST_F(ServicesTest, ShowURLGoesThroughItsHook) {
    fwtest::ShowURLRecorder urls;
    fw::ShowURL("http://velkanth.example/");
    EXPECT_EQ(urls.Urls(), std::vector<std::string>{"http://velkanth.example/"});
}

// Where nothing can open a page (the offscreen platform has no browser), the user is told
// which page could not be opened instead of nothing happening.
TEST_F(ServicesTest, ShowURLWithoutABrowserSaysSo) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        GTEST_SKIP() << "a real platform would open the page";
    fwtest::MsgBoxRecorder boxes;
    fw::ShowURL("https://velkanth.example/pavrine/");
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0],
              "Web ブラウザが見つからないため、ページ https://velkanth.example/pavrine/ "
              "を開けませんでした。");
}

TEST_F(ServicesTest, CommandKeyIsCtrlOfTheLatestKeyEvent) {
    fw::EditField* field = nullptr;
    std::vector<bool> seen;
    MakeWindow([&](TestWindow& tw) {
        field = tw.NewControl<fw::EditField>("EditField1");
        field->OnKeyDown = [&](const std::string&) {
            seen.push_back(fw::Keyboard::AsyncCommandKey());
            return true;
        };
    });
    QTest::keyClick(field->Widget(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(field->Widget(), Qt::Key_B);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(ServicesTest, DictionaryKeysIgnoreAsciiCaseAndKeepTheirOrder) {
    fw::Dictionary d;
    d.SetValue("http://B/", "1");
    d.SetValue("http://a/", "2");
    d.SetValue("HTTP://b/", "3");
    EXPECT_EQ(d.Count(), 2);
    EXPECT_EQ(d.Key(0), "http://B/");
    EXPECT_EQ(d.Value("http://b/"), "3");
    EXPECT_THROW(d.Value("x"), fw::KeyNotFoundException);
    d.Remove("http://b/");
    EXPECT_EQ(d.Key(0), "http://a/");
    EXPECT_THROW(d.Key(1), fw::OutOfBoundsException);
}

TEST_F(ServicesTest, FileTypesLeaveTheRegistryWhenChangedOrReleased) {
    const auto before = fw::RegisteredFileTypes().size();
    {
        fw::FileType type;
        type.SetName("crc/text");
        type.SetExtensions(".crc;.md5");
        type.SetMacType("????");
        type.SetMacCreator("????");
        EXPECT_EQ(type.Register(), "crc/text");
        const auto registered = fw::RegisteredFileTypes();
        ASSERT_EQ(registered.size(), before + 1);
        EXPECT_EQ(registered.back().extensions, ".crc;.md5");
        EXPECT_TRUE(fw::FileMatchesType("/tmp/anything.bin", "crc/text"));
        type.SetExtensions(".crc");
        EXPECT_EQ(fw::RegisteredFileTypes().size(), before);
        type.Register();
    }
    EXPECT_EQ(fw::RegisteredFileTypes().size(), before);
}

TEST_F(ServicesTest, MissingPicturesAreNilAndEveryRequestReadsTheResources) {
    auto resources = fw::ResourceFile::Application();
    ASSERT_NE(resources, nullptr);
    const int reads = fw::ResourceFile::PictureReads();
    EXPECT_EQ(resources->GetPicture(9999), nullptr);
    EXPECT_EQ(resources->GetPicture(9999), nullptr);
    EXPECT_EQ(fw::ResourceFile::PictureReads(), reads + 2);
}

// The save dialog's buttons speak the user's language: Qt's own translations for the locale.
TEST_F(ServicesTest, QtsOwnTextsFollowTheLocale) {
    struct Case {
        QLocale locale;
        std::string save, cancel;
    };
    const std::vector<Case> cases = {
        {QLocale(QLocale::Japanese, QLocale::Japan), "保存(S)", "キャンセル"},
        {QLocale(QLocale::German, QLocale::Germany), "Speichern", "Abbrechen"},
        {QLocale::c(), "Save", "Cancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        QLocale::setDefault(c.locale);
        fw::detail::InstallQtTranslations();
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(buttons, nullptr);
        const auto caption = [&](QDialogButtonBox::StandardButton button) {
            return buttons->button(button)->text().remove(QLatin1Char('&')).toStdString();
        };
        EXPECT_EQ(caption(QDialogButtonBox::Save), c.save);
        EXPECT_EQ(caption(QDialogButtonBox::Cancel), c.cancel);
    }
}

}  // namespace

TEST(LineEnds, EveryPlatformEndBecomesOneSystemEndAndBack) {
    struct Case {
        std::string platform, system, back;
    };
    const std::vector<Case> cases = {
        {"", "", ""},
        {"a", "a", "a"},
        {"a\nb", "a\rb", "a\nb"},
        {"a\r\nb\r\n", "a\rb\r", "a\nb\n"},
        {"a\rb", "a\rb", "a\nb"},
        {"\n\n", "\r\r", "\n\n"},
        {"\r\r\n\n", "\r\r\r", "\n\n\n"},
        {"\n\r", "\r\r", "\n\n"},
        {std::string("a\0\nb", 4), std::string("a\0\rb", 4), std::string("a\0\nb", 4)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fw::detail::ToSystemLineEnds(c.platform), c.system);
        EXPECT_EQ(fw::detail::ToPlatformLineEnds(c.system), c.back);
    }
}
