#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "editing/day_off_form.h"
#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "model/time_value.h"
#include "storage/language_file.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceRoot = fs::path(TABREL_TEST_DATA) / ".." / "..";

struct Use {
    std::string default_text;  // cp1250, as tr() would return it without a language file
    std::string where;
};

std::string read_text(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The body of one or more adjacent C++ string literals, escapes resolved.
std::string literal_value(const std::string& literals) {
    std::string value;
    bool inside = false;
    for (size_t i = 0; i < literals.size(); ++i) {
        const char c = literals[i];
        if (c == '"') {
            inside = !inside;
        } else if (inside && c == '\\' && i + 1 < literals.size()) {
            const char e = literals[++i];
            value += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
        } else if (inside) {
            value += c;
        }
    }
    return value;
}

// Every tr("key", "default" ...) call of the program's sources, by key.
std::multimap<std::string, Use> translated_keys() {
    static const std::regex call(
        R"re(\btr\(\s*"([A-Za-z0-9_]+)"\s*,\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re");
    std::multimap<std::string, Use> keys;
    for (const auto& entry : fs::recursive_directory_iterator(kSourceRoot / "src")) {
        const fs::path& path = entry.path();
        if (path.extension() != ".cpp" && path.extension() != ".h") continue;
        const std::string source = read_text(path);
        for (std::sregex_iterator m(source.begin(), source.end(), call), end; m != end; ++m)
            keys.emplace((*m)[1].str(),
                         Use{cp(literal_value((*m)[2].str())), path.filename().string()});
    }
    return keys;
}

// Each "%s" or "%d" takes an argument; "%%" takes none.
int placeholders(std::string_view text) {
    int count = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (text[i + 1] == 's' || text[i + 1] == 'd') ++count;
        ++i;
    }
    return count;
}

// The file parser drops blanks at the ends of a value; tr() puts back those of the default.
std::string_view without_edge_blanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The texts tr() would find with the shipped file installed.
std::map<std::string, std::string> shipped_texts(const std::string& name) {
    const std::optional<LanguageFile> file =
        LanguageFile::load(language_file_path(kSourceRoot, name));
    if (!file) return {};
    file->install();
    std::map<std::string, std::string> texts = language_texts();
    language_texts().clear();
    return texts;
}

std::string listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += "\n  " + name;
    return text;
}

TEST(LanguageCoverage, BothShippedFilesHoldEveryKeyTheCodeTranslates) {
    const std::multimap<std::string, Use> keys = translated_keys();
    // A broken scan would find nothing and pass; the program has far more texts than this.
    ASSERT_GT(keys.size(), 80u);
    for (const std::string name : {"polski", "english"}) {
        const std::map<std::string, std::string> texts = shipped_texts(name);
        ASSERT_FALSE(texts.empty()) << name << ".lng cannot be read";
        std::vector<std::string> missing;
        for (const auto& [key, use] : keys)
            if (!texts.contains(key)) missing.push_back(key + " (" + use.where + ")");
        EXPECT_TRUE(missing.empty()) << name << ".lng lacks" << listed(missing);
    }
}

TEST(LanguageCoverage, PolishFileRepeatsTheDefaultsAndEnglishKeepsTheirPlaceholders) {
    const std::map<std::string, std::string> polish = shipped_texts("polski");
    const std::map<std::string, std::string> english = shipped_texts("english");
    std::vector<std::string> differing, miscounted;
    for (const auto& [key, use] : translated_keys()) {
        if (auto it = polish.find(key);
            it != polish.end() && it->second != without_edge_blanks(use.default_text))
            differing.push_back(key + " (" + use.where + ")");
        if (auto it = english.find(key);
            it != english.end() && placeholders(it->second) != placeholders(use.default_text))
            miscounted.push_back(key + ": " + it->second);
    }
    EXPECT_TRUE(differing.empty())
        << "polski.lng differs from the code's default:" << listed(differing);
    EXPECT_TRUE(miscounted.empty())
        << "english.lng has a different number of %s/%d:" << listed(miscounted);
}

std::string time_error(std::string_view input) {
    try {
        h2min(input);
    } catch (const TimeConversionError& e) {
        return e.what();
    }
    return {};
}

// These texts reach tr() through a table or a helper, so the scan above cannot see their keys.
TEST(LanguageCoverage, TextsLookedUpThroughVariablesAreTranslatedToo) {
    const auto polish_choices = day_off_choices();
    const std::string polish_integer = time_error("7x");
    const std::string polish_range = time_error("999:00");
    const std::optional<LanguageFile> english =
        LanguageFile::load(language_file_path(kSourceRoot, "english"));
    ASSERT_TRUE(english);
    english->install();
    const auto english_choices = day_off_choices();
    const std::string english_integer = time_error("7x");
    const std::string english_range = time_error("999:00");
    language_texts().clear();

    for (size_t i = 0; i < english_choices.size(); ++i)
        EXPECT_NE(english_choices[i].text, polish_choices[i].text) << "day off kind " << i;
    EXPECT_NE(english_integer, polish_integer);
    EXPECT_NE(english_integer.find("'7x'"), std::string::npos) << english_integer;
    EXPECT_NE(english_range, polish_range);
    EXPECT_NE(english_range.find("'999:00'"), std::string::npos) << english_range;
}

}  // namespace
}  // namespace tabrel
