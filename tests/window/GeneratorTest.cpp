#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/EventLoop.h"
#include "framework/core/Strings.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/CheckBox.h"
#include "framework/gui/PagePanel.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/RadioButton.h"
#include "framework/gui/StaticText.h"
#include "tests/support/ShellFixture.h"
#include "window/ScrapWindowTexts.h"
#include "window/SelListBox.h"
#include "window/allEditfield.h"
#include "window/urlEditfield.h"

namespace {

// The opened window on its generator page, driven through the real fields and buttons.
class Generator : public ShellTest {
protected:
    allEditfield& Field(const char* name) const { return window->ControlNamed<allEditfield>(name); }
    fw::PushButton& Button() const { return window->ControlNamed<fw::PushButton>("PushButton2"); }
    urlEditfield& Editor() const { return window->ControlNamed<urlEditfield>("EditField2"); }
    SelListBox& List() const { return window->ControlNamed<SelListBox>("ListBox1"); }
    int Page() const { return window->ControlNamed<fw::PagePanel>("PagePanel1").Value(); }
    std::string Label() const { return window->ControlNamed<fw::StaticText>("StaticText1").Text(); }

    void Type(const char* field, const std::string& text) {
        QWidget* w = Field(field).Widget();
        w->setFocus();
        QTest::keyClicks(w, QString::fromStdString(text));
        fwtest::ProcessEvents();
    }
    void ToList() {
        QTest::mouseClick(window->ControlNamed<fw::RadioButton>("RadioButton1").Widget(),
                          Qt::LeftButton);
        ASSERT_TRUE(window->ControlNamed<fw::RadioButton>("RadioButton1").Value());
    }
    void Generate() {
        QTest::mouseClick(Button().Widget(), Qt::LeftButton);
        fwtest::ProcessEvents();
    }
    void SetPattern(const std::string& pattern) {
        Field("allEditfield1").SetText(pattern);
        fwtest::ProcessEvents();
    }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < List().ListCount(); ++i) rows.push_back(List().List(i));
        return rows;
    }
};

TEST_F(Generator, PatternIsComposedAsTheUserTypes) {
    struct Step {
        const char* field;
        std::string typed;
        std::string pattern;
        bool enabled;
    };
    const std::vector<Step> steps = {
        {"allEditfield2", "x", "x", false},       {"allEditfield3", "1", "x[1-]", true},
        {"allEditfield4", "3", "x[1-3]", true},   {"allEditfield5", "y", "x[1-3]y", true},
        {"allEditfield2", "/", "x/[1-3]y", true},
    };
    EXPECT_FALSE(Button().Enabled());
    for (const auto& s : steps) {
        Type(s.field, s.typed);
        EXPECT_EQ(Field("allEditfield1").Text(), s.pattern) << s.field;
        EXPECT_EQ(Button().Enabled(), s.enabled) << s.pattern;
    }
}

TEST_F(Generator, EmptyValuesLeaveOnlyTheTextAround) {
    Type("allEditfield2", "a[");
    Type("allEditfield5", "]b");
    EXPECT_EQ(Field("allEditfield1").Text(), "a[]b");
    EXPECT_TRUE(Button().Enabled());
    Type("allEditfield3", "5");
    EXPECT_EQ(Field("allEditfield1").Text(), "a[[5-]]b");
    QTest::keyClick(Field("allEditfield3").Widget(), Qt::Key_Backspace);
    fwtest::ProcessEvents();
    EXPECT_EQ(Field("allEditfield1").Text(), "a[]b");
}

TEST_F(Generator, ButtonFollowsTheBracketsOfATypedPattern) {
    struct Case {
        std::string typed;
        bool enabled;
    };
    const std::vector<Case> cases = {
        {"a[1-2]b", true}, {"x]y[", true}, {"a[1-2", false}, {"a]", false}, {"plain", false},
    };
    for (const auto& c : cases) {
        Field("allEditfield1").SetText("");
        Type("allEditfield1", c.typed);
        EXPECT_EQ(Field("allEditfield1").Text(), c.typed);
        EXPECT_EQ(Button().Enabled(), c.enabled) << c.typed;
    }
    // A part field typed afterwards replaces what was typed directly.
    Type("allEditfield1", "a[1-2]b");
    Type("allEditfield4", "9");
    EXPECT_EQ(Field("allEditfield1").Text(), "[-9]");
}

TEST_F(Generator, IntoTheEditor) {
    Type("allEditfield2", "x");
    Type("allEditfield3", "1");
    Type("allEditfield4", "3");
    Type("allEditfield5", "y");
    Editor().SetText("old text");
    // The text goes in while the field is hidden.
    std::vector<bool> visibleAtChange;
    Editor().OnTextChange = [&] { visibleAtChange.push_back(Editor().Visible()); };
    Generate();
    Editor().OnTextChange = nullptr;
    EXPECT_EQ(visibleAtChange, std::vector<bool>{false});
    EXPECT_EQ(Editor().Text(), "x1y\rx2y\rx3y");
    EXPECT_EQ(Page(), 1);
    EXPECT_TRUE(Editor().Visible());
    EXPECT_EQ(List().ListCount(), 0);
    // The fields stay as they were, so the same pattern can go again; the editor holds only
    // the latest result.
    EXPECT_EQ(Field("allEditfield1").Text(), "x[1-3]y");
    SetPattern("z[8-9]");
    Generate();
    EXPECT_EQ(Editor().Text(), "z8\rz9");
}

TEST_F(Generator, IntoTheList) {
    window->MP_AddDownloadItem("http://before/");
    ToList();
    SetPattern("x[1-3]y");
    Generate();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"http://before/", "x1y", "x2y", "x3y"}));
    EXPECT_EQ(Label(), ScrapWindowTexts::kListCount + std::string("4"));
    EXPECT_EQ(Page(), 0);
    window->MP_KirikaeGenerator();
    Generate();
    EXPECT_EQ(List().ListCount(), 7);
    EXPECT_EQ(List().List(6), "x3y");
    EXPECT_EQ(Label(), ScrapWindowTexts::kListCount + std::string("7"));
}

TEST_F(Generator, PaddingFollowsTheCheckBox) {
    struct Case {
        bool pad;
        std::string text;
    };
    const std::vector<Case> cases = {{true, "a08b\ra09b\ra10b"}, {false, "a8b\ra9b\ra10b"}};
    SetPattern("a[8-10]b");
    for (const auto& c : cases) {
        window->ControlNamed<fw::CheckBox>("CheckBox1").SetValue(c.pad);
        Generate();
        EXPECT_EQ(Editor().Text(), c.text);
    }
}

TEST_F(Generator, APatternThatYieldsNothing) {
    struct Case {
        std::string pattern;
    };
    const std::vector<Case> cases = {{"x[5-1]y"}, {"x[5]y"}, {"x]1-3["}};
    for (const auto& c : cases) {
        // Into the editor: it empties and is shown.
        window->MP_KirikaeGenerator();
        Editor().SetText("kept?");
        SetPattern(c.pattern);
        ASSERT_TRUE(Button().Enabled()) << c.pattern;
        Generate();
        EXPECT_EQ(Editor().Text(), "") << c.pattern;
        EXPECT_EQ(Page(), 1) << c.pattern;
    }
    ToList();
    for (const auto& c : cases) {
        // Into the list: nothing changes and the generator stays in front.
        window->MP_KirikaeGenerator();
        SetPattern(c.pattern);
        Generate();
        EXPECT_EQ(List().ListCount(), 0) << c.pattern;
        EXPECT_EQ(Page(), 2) << c.pattern;
        EXPECT_EQ(Label(), ScrapWindowTexts::kListCount) << c.pattern;
    }
}

TEST_F(Generator, APatternOfAnyLengthIsGeneratedWhole) {
    // 100,000 characters pasted into the pattern field, or into the part fields that compose it.
    const std::string before(60000, 'a');
    const std::string after(40000, 'b');
    const auto paste = [this](const char* field, const std::string& text) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
        Field(field).SetText("");
        Field(field).LineWidget()->paste();
        fwtest::ProcessEvents();
    };
    struct Case {
        std::vector<std::pair<const char*, std::string>> pastes;
    };
    const std::vector<Case> cases = {
        {{{"allEditfield1", before + "[1-2]" + after}}},
        {{{"allEditfield2", before},
          {"allEditfield3", "1"},
          {"allEditfield4", "2"},
          {"allEditfield5", after}}},
    };
    ToList();
    for (const auto& c : cases) {
        window->MP_KirikaeGenerator();
        List().DeleteAllRows();
        for (const auto& [field, text] : c.pastes) paste(field, text);
        EXPECT_EQ(Field("allEditfield1").Text().size(), before.size() + 5 + after.size());
        Generate();
        EXPECT_TRUE(Rows() ==
                    (std::vector<std::string>{before + "1" + after, before + "2" + after}));
    }
}

TEST_F(Generator, ReturnAndEnterInThePatternFieldGenerateOnce) {
    ToList();
    Type("allEditfield1", "u[1-2]");
    int expected = 0;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        window->MP_KirikaeGenerator();
        QTest::keyClick(Field("allEditfield1").Widget(), key);
        fwtest::ProcessEvents();
        expected += 2;
        // The key is consumed: the default button does not answer it a second time.
        EXPECT_EQ(List().ListCount(), expected);
        EXPECT_EQ(Page(), 0);
        EXPECT_EQ(Field("allEditfield1").Text(), "u[1-2]");
    }
}

TEST_F(Generator, ReturnWithoutBracketsDoesNothing) {
    Editor().SetText("unchanged");
    Type("allEditfield1", "no range");
    ASSERT_FALSE(Button().Enabled());
    QTest::keyClick(Field("allEditfield1").Widget(), Qt::Key_Return);
    fwtest::ProcessEvents();
    EXPECT_EQ(Editor().Text(), "unchanged");
    EXPECT_EQ(Page(), 2);
}

TEST_F(Generator, RefusedRangeIsReportedAndDeliversNothing) {
    struct Case {
        bool toList;
        std::string pattern;
        std::string title;
    };
    // The second would have 16,777,216 entries: refused whole, no half-expanded entry delivered.
    std::string doubling = "x";
    for (int i = 0; i < 24; ++i) doubling += "[1-2]";
    const std::vector<Case> cases = {{false, "x[1-2147483647]y", "Error<MG_MRList>"},
                                     {true, "x[1-2147483647]y", "Error<MG_MRList>"},
                                     {false, doubling, "Error<MP_MRList>"},
                                     {true, doubling, "Error<MP_MRList>"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern + (c.toList ? " list" : " editor"));
        fwtest::MsgBoxRecorder boxes;
        window->MP_KirikaeGenerator();
        window->ControlNamed<fw::RadioButton>(c.toList ? "RadioButton1" : "RadioButton2")
            .SetValue(true);
        Editor().SetText("before");
        SetPattern(c.pattern);
        Generate();
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0].rfind(c.title, 0), 0u);
        // Nothing replaces the editor's text and no page is shown.
        EXPECT_EQ(Editor().Text(), "before");
        EXPECT_EQ(List().ListCount(), 0);
        EXPECT_EQ(Page(), 2);
    }
}

// Long enough to go into the editor in many pieces.
constexpr const char* kLongPattern = "http://example.com/photos/[1-40000].jpg";

std::vector<std::string> LongResult() {
    std::vector<std::string> urls;
    for (int i = 1; i <= 40000; ++i) {
        urls.push_back("http://example.com/photos/" +
                       std::string(5 - std::to_string(i).size(), '0') + std::to_string(i) + ".jpg");
    }
    return urls;
}

TEST_F(Generator, ALongResultArrivesWhole) {
    SetPattern(kLongPattern);
    Generate();
    EXPECT_EQ(Editor().Text(), fw::Join(LongResult(), "\r"));
    EXPECT_TRUE(Editor().Visible());
    EXPECT_EQ(Page(), 1);
}

// While a long result goes into the editor the event loop turns; the user presses the button
// again with another pattern. The newer result takes the editor over.
TEST_F(Generator, APressDuringALongFillTakesOver) {
    bool pressed = false;
    {
        const fw::ScopedEventLoopTurn user([&] {
            if (!pressed && !window->ControlNamed<urlEditfield>("EditField2").Text().empty()) {
                pressed = true;
                window->ControlNamed<allEditfield>("allEditfield1").SetText("n[1-2]");
                window->ControlNamed<fw::PushButton>("PushButton2").Push();
            }
        });
        SetPattern(kLongPattern);
        Generate();
    }
    EXPECT_TRUE(pressed);
    EXPECT_EQ(Editor().Text(), "n1\rn2");
    EXPECT_TRUE(Editor().Visible());
    EXPECT_EQ(Page(), 1);
}

// During a long fill the user goes to the editor page and presses its clear button: the editor
// stays empty, and is shown, rather than taking the rest of the fill.
TEST_F(Generator, TheClearButtonDuringALongFillEmptiesTheEditor) {
    bool cleared = false;
    {
        const fw::ScopedEventLoopTurn user([&] {
            if (!cleared && !window->ControlNamed<urlEditfield>("EditField2").Text().empty()) {
                cleared = true;
                window->MP_KirikaeEditor();
                QTest::mouseClick(window->ControlNamed<fw::BevelButton>("BevelButton11").Widget(),
                                  Qt::LeftButton);
            }
        });
        SetPattern(kLongPattern);
        Generate();
    }
    EXPECT_TRUE(cleared);
    EXPECT_TRUE(Editor().Text().empty()) << Editor().Text().size() << " bytes";
    EXPECT_TRUE(Editor().Visible());
    EXPECT_EQ(Page(), 1);
}

// While a long result goes into the editor, the user saves it or extracts its URLs: both take
// the whole generated text, not the part that has arrived.
TEST_F(Generator, SavingOrExtractingDuringALongFillTakesTheWholeText) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("GeneratedURL.txt"));
    const std::vector<std::string> urls = LongResult();
    struct Case {
        const char* button;
        std::string saved;
        std::vector<std::string> rows;
    };
    std::string lines = fw::Join(urls, "\n");
    const std::vector<Case> cases = {
        {"BevelButton3", std::move(lines), {}},
        {"PushButton1", "", urls},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        List().DeleteAllRows();
        QFile::remove(target);
        bool pressed = false;
        fwtest::MsgBoxRecorder boxes;
        fwtest::SaveDialogAnswer answer(target.toStdString());
        {
            const fw::ScopedEventLoopTurn user([&] {
                if (!pressed && !window->ControlNamed<urlEditfield>("EditField2").Text().empty()) {
                    pressed = true;
                    window->MP_KirikaeEditor();
                    QTest::mouseClick(window->ControlNamed<fw::RectControl>(c.button).Widget(),
                                      Qt::LeftButton);
                }
            });
            window->MP_KirikaeGenerator();
            SetPattern(kLongPattern);
            Generate();
        }
        ASSERT_TRUE(pressed);
        // Compared whole, reported by size: the texts run to megabytes.
        QFile file(target);
        const std::string saved =
            file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
        EXPECT_TRUE(saved == c.saved) << saved.size() << " bytes saved of " << c.saved.size();
        EXPECT_TRUE(Rows() == c.rows) << Rows().size() << " rows of " << c.rows.size();
        EXPECT_EQ(Editor().Text().size(), fw::Join(urls, "\r").size());
        EXPECT_TRUE(Editor().Visible());
        EXPECT_EQ(Page(), 1);
    }
}

}  // namespace
