#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

// Every library exports the whole tree as its include root, so only this test keeps the
// dependencies pointing one way: each folder includes itself and the layers below it.
namespace {

namespace fs = std::filesystem;

struct Layer {
    std::string_view folder;
    std::vector<std::string_view> mayInclude;
};

const std::vector<Layer> kLayers = {
    {"framework/core/", {"framework/core/"}},
    {"engine/", {"engine/", "framework/core/"}},
    {"framework/gui/", {"framework/gui/", "framework/core/"}},
    {"app/", {"app/", "engine/", "framework/"}},
    {"window/", {"window/", "app/", "engine/", "framework/"}},
    {"startup/", {"startup/", "window/", "app/", "engine/", "framework/"}},
};

// The framework's private parts: helpers under detail/ and the _p.h headers beside the
// classes they serve. Tests and benchmarks may include them; the layers above may not.
bool IsPrivateToGui(const std::string& header) {
    return header.starts_with("framework/gui/") &&
           (header.starts_with("framework/gui/detail/") || header.ends_with("_p.h"));
}

bool IsProjectHeader(const std::string& header) {
    return std::ranges::any_of(kLayers,
                               [&](const Layer& l) { return header.starts_with(l.folder); });
}

std::string Joined(const std::vector<std::string_view>& folders) {
    std::string joined;
    for (auto folder : folders) joined += (joined.empty() ? "" : ", ") + std::string(folder);
    return joined;
}

// Where a header written in a file of the tree lands, relative to the root: the compiler looks
// beside the including file first, and "framework/../window/x.h" is window/x.h all the same.
std::string Resolved(const fs::path& root, const std::string& file, const std::string& header,
                     bool quoted) {
    if (quoted) {
        const fs::path beside = fs::path(file).parent_path() / header;
        if (fs::exists(root / beside)) return beside.lexically_normal().generic_string();
    }
    return fs::path(header).lexically_normal().generic_string();
}

// Why `file` of `layer` may not include `header` (as resolved), or nothing when it may.
std::string Refusal(const Layer& layer, const std::string& file, const std::string& header) {
    const bool allowed = std::ranges::any_of(
        layer.mayInclude, [&](auto folder) { return header.starts_with(folder); });
    if (!allowed) {
        return file + " includes \"" + header + "\"; " + std::string(layer.folder) +
               " may include only " + Joined(layer.mayInclude);
    }
    if (IsPrivateToGui(header) && !file.starts_with("framework/gui/")) {
        return file + " includes \"" + header + "\", which is private to framework/gui/";
    }
    return {};
}

TEST(Layers, PathsAreComparedAsTheCompilerFindsThem) {
    const fs::path root = PAVRINE_SOURCE_DIR;
    const Layer& app = kLayers[3];
    ASSERT_EQ(app.folder, "app/");
    struct Case {
        std::string header;
        bool refused;
    };
    const Case cases[] = {
        {"framework/gui/Window.h", false},
        {"framework/../window/ScrapWindow.h", true},
        {"engine/./../framework/gui/detail/Fonts.h", true},
        {"Menu.h", false},  // app/Menu.h, found beside the file
        {"../window/ScrapWindow.h", true},
    };
    for (const Case& c : cases) {
        const std::string header = Resolved(root, "app/Menu.cpp", c.header, true);
        EXPECT_EQ(!Refusal(app, "app/Menu.cpp", header).empty(), c.refused) << c.header;
    }
}

TEST(Layers, IncludesPointDownTheLayers) {
    const fs::path root = PAVRINE_SOURCE_DIR;
    // Project headers written in angle brackets count too; system and Qt headers do not.
    const std::regex include(R"re(^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>))re");
    int read = 0;
    for (const auto& layer : kLayers) {
        for (const auto& entry : fs::recursive_directory_iterator(root / layer.folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".h" && ext != ".cpp") continue;
            const std::string file = entry.path().lexically_relative(root).generic_string();
            std::ifstream in(entry.path());
            std::string line;
            std::smatch match;
            for (int number = 1; std::getline(in, line); ++number) {
                if (!std::regex_search(line, match, include)) continue;
                const bool quoted = match[1].matched;
                const std::string header =
                    Resolved(root, file, quoted ? match[1] : match[2], quoted);
                if (!quoted && !IsProjectHeader(header)) continue;
                ++read;
                const std::string refusal = Refusal(layer, file, header);
                if (!refusal.empty()) ADD_FAILURE_AT(entry.path().c_str(), number) << refusal;
            }
        }
    }
    // A wrong source root would find nothing and pass.
    EXPECT_GT(read, 100);
}

}  // namespace
