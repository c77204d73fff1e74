#include "window/RenbanPattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(RenbanPattern, ComposeAndEnable) {
    struct Case {
        std::string before, first, last, after;
        std::string pattern;
        bool enabled;
    };
    const std::vector<Case> cases = {
        {"x", "1", "3", "y", "x[1-3]y", true},       {"x", "5", "", "y", "x[5-]y", true},
        {"x", "", "9", "y", "x[-9]y", true},         {"x", "", "", "y", "xy", false},
        {"a[", "", "", "]b", "a[]b", true},          {"", "", "", "", "", false},
        {"u/", " 1 ", "２", "", "u/[ 1 -２]", true},
    };
    for (const auto& c : cases) {
        const auto pattern = RenbanPattern::Compose(c.before, c.first, c.last, c.after);
        EXPECT_EQ(pattern, c.pattern);
        EXPECT_EQ(RenbanPattern::CanGenerate(pattern), c.enabled) << pattern;
    }
    EXPECT_TRUE(RenbanPattern::CanGenerate("x]y["));
    EXPECT_FALSE(RenbanPattern::CanGenerate("x[y"));
    EXPECT_FALSE(RenbanPattern::CanGenerate("x]y"));
}

}  // namespace
