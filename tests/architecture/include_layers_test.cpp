// Every quoted include of the program's sources must stay in its own layer or go down to
// one that tests/architecture/allowed_includes.txt lists for it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {
const std::vector<std::string> Layers = {"platform", "text",  "core",  "stats",  "link",
                                         "data",     "views", "shell", "docking"};

using Pair = std::pair<std::string, std::string>;

std::set<Pair> allowedPairs() {
    std::set<Pair> pairs;
    std::ifstream in(fs::path(CORVANEL_SOURCE_DIR) / "tests/architecture/allowed_includes.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string from, to;
        if (words >> from >> to)
            pairs.insert({from, to});
    }
    return pairs;
}

bool isLayer(const std::string& name) {
    for (const auto& layer : Layers)
        if (layer == name)
            return true;
    return false;
}

// The quoted includes of one file whose first folder is a layer, with their line numbers.
std::vector<std::pair<int, std::string>> layerIncludes(const fs::path& file) {
    static const std::regex include(R"(^\s*#\s*include\s*"([a-z_]+)/)");
    std::vector<std::pair<int, std::string>> found;
    std::ifstream in(file);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::smatch match;
        if (std::regex_search(line, match, include) && isLayer(match[1]))
            found.emplace_back(number, match[1]);
    }
    return found;
}

// Every include that leaves its layer without an allowed pair, as "file:line: from -> to".
std::vector<std::string> forbiddenIncludes(const fs::path& root, const std::set<Pair>& allowed) {
    std::vector<std::string> bad;
    for (const auto& layer : Layers) {
        const fs::path dir = root / layer;
        if (!fs::exists(dir))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            const auto ext = entry.path().extension();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h"))
                continue;
            for (const auto& [line, target] : layerIncludes(entry.path()))
                if (target != layer && !allowed.count({layer, target}))
                    bad.push_back(fs::relative(entry.path(), root).string() + ":" +
                                  std::to_string(line) + ": " + layer + " -> " + target);
        }
    }
    return bad;
}
} // namespace

TEST(IncludeLayers, NoIncludeGoesUpOrAcrossTheLayers) {
    const auto allowed = allowedPairs();
    ASSERT_FALSE(allowed.empty()) << "the table of allowed pairs was not read";
    const auto bad = forbiddenIncludes(CORVANEL_SOURCE_DIR, allowed);
    std::string list;
    for (const auto& b : bad)
        list += "  " + b + "\n";
    EXPECT_TRUE(bad.empty()) << "includes against the layers:\n" << list;
}

// What the program includes of the docking library: the headers its package installs.
static std::vector<std::string> dockingIncludesBeyondThePackage(const fs::path& root) {
    static const std::regex include(R"re(^\s*#\s*include\s*"(docking/[^"]+)")re");
    static const std::set<std::string> installed = {"docking/dockable.h", "docking/dock_state.h",
                                                    "docking/dockable_export.h"};
    std::vector<std::string> bad;
    for (const auto& layer : Layers) {
        const fs::path dir = root / layer;
        if (layer == "docking" || !fs::exists(dir))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            const auto ext = entry.path().extension();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h"))
                continue;
            std::ifstream in(entry.path());
            std::string line;
            int number = 0;
            while (std::getline(in, line)) {
                ++number;
                std::smatch match;
                if (std::regex_search(line, match, include) && !installed.count(match[1]))
                    bad.push_back(fs::relative(entry.path(), root).string() + ":" +
                                  std::to_string(number) + ": " + match[1].str());
            }
        }
    }
    return bad;
}

TEST(IncludeLayers, TheProgramUsesOnlyTheDockingPackagesHeaders) {
    std::string list;
    for (const auto& b : dockingIncludesBeyondThePackage(CORVANEL_SOURCE_DIR))
        list += "  " + b + "\n";
    EXPECT_TRUE(list.empty()) << "includes of the docking library's internals:\n" << list;
}

TEST(IncludeLayers, TheTableNamesOnlyDownwardPairs) {
    // A pair that points up would quietly allow a cycle: the table itself keeps the order.
    auto rank = [](const std::string& name) {
        for (size_t i = 0; i < Layers.size(); ++i)
            if (Layers[i] == name)
                return static_cast<int>(i);
        return -1;
    };
    for (const auto& [from, to] : allowedPairs()) {
        ASSERT_GE(rank(from), 0) << from;
        ASSERT_GE(rank(to), 0) << to;
        if (to != "docking")
            EXPECT_LT(rank(to), rank(from)) << from << " " << to;
        else
            EXPECT_EQ(from, "shell");
    }
}

TEST(IncludeLayers, AnUpwardIncludeIsCaught) {
    // A scratch tree with one include from the link up into the shell's panes.
    const fs::path root = fs::temp_directory_path() / "corvanel_layers_probe";
    fs::remove_all(root);
    fs::create_directories(root / "link");
    std::ofstream(root / "link/bad.cpp")
        << "#include \"link/ok.h\"\n#include \"shell/panes/frm_info.h\"\n";
    const auto bad = forbiddenIncludes(root, allowedPairs());
    fs::remove_all(root);
    ASSERT_EQ(bad.size(), 1u);
    EXPECT_EQ(bad[0], "link/bad.cpp:2: link -> shell");
}
