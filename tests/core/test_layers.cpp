#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// "base i18n planner,printouts" -> rank by folder, bottom first; one rank's folders sit beside
// each other.
std::map<std::string, int> layer_ranks(const std::string& order) {
    std::map<std::string, int> ranks;
    std::istringstream words(order);
    std::string rank;
    for (int r = 0; words >> rank; ++r) {
        std::istringstream folders(rank);
        for (std::string folder; std::getline(folders, folder, ',');) ranks[folder] = r;
    }
    return ranks;
}

// Every include of ours under `root` that names a folder at or above the including file's
// rank, or a folder that is no layer, as "file:line: include"; sorted.
std::vector<std::string> upward_includes(const fs::path& root,
                                         const std::map<std::string, int>& ranks,
                                         const std::set<std::string>& allowed) {
    static const std::regex kInclude(R"(^\s*#\s*include\s*"([A-Za-z0-9_]+)/([^"]*)\")");
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const fs::path ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const std::string file = entry.path().lexically_relative(root).generic_string();
        const std::string folder = file.substr(0, file.find('/'));
        const auto own = ranks.find(folder);
        if (own == ranks.end()) {
            found.push_back(file + ": in no layer");
            continue;
        }
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            std::smatch m;
            if (!std::regex_search(line, m, kInclude) || m[1] == folder) continue;
            const std::string target = m[1].str() + "/" + m[2].str();
            const auto to = ranks.find(m[1]);
            if (to != ranks.end() && to->second < own->second) continue;
            if (allowed.contains(file + ": " + target)) continue;
            found.push_back(file + ":" + std::to_string(number) + ": " + target);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

TEST(Layers, NoIncludeOfTheProgramPointsUpOrAside) {
    EXPECT_EQ(upward_includes(TABREL_SOURCE_DIR, layer_ranks(TABREL_LAYER_ORDER), {}),
              std::vector<std::string>{});
}

TEST(Layers, TheCheckNamesUpwardSidewaysUnknownAndHomelessIncludes) {
    const fs::path tree = fs::path(TABREL_TEST_DATA) / "layers";
    EXPECT_EQ(upward_includes(tree, layer_ranks("low mid,side top"), {"mid/allowed.cpp: top/t.h"}),
              (std::vector<std::string>{"low/l.h:4: mid/m.h", "low/l.h:6: nowhere/n.h",
                                        "mid/m.cpp:3: side/s.h", "mid/m.cpp:5: top/t.h",
                                        "stray/x.h: in no layer"}));
}

}  // namespace
