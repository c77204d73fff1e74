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
                const std::string header = quoted ? match[1] : match[2];
                if (!quoted && !IsProjectHeader(header)) continue;
                ++read;
                const bool allowed = std::ranges::any_of(
                    layer.mayInclude, [&](auto folder) { return header.starts_with(folder); });
                if (!allowed) {
                    ADD_FAILURE_AT(entry.path().c_str(), number)
                        << file << " includes \"" << header << "\"; " << layer.folder
                        << " may include only " << Joined(layer.mayInclude);
                } else if (IsPrivateToGui(header) && !file.starts_with("framework/gui/")) {
                    ADD_FAILURE_AT(entry.path().c_str(), number)
                        << file << " includes \"" << header
                        << "\", which is private to framework/gui/";
                }
            }
        }
    }
    // A wrong source root would find nothing and pass.
    EXPECT_GT(read, 100);
}

}  // namespace
