#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzz_entries.h"
#include "support/test_support.h"

namespace tabrel {

namespace fuzz {
void PrintTo(const Entry& entry, std::ostream* out) {
    *out << entry.name;
}
}  // namespace fuzz

namespace {

namespace fs = std::filesystem;

const fs::path kRepository = fs::path(TABREL_TEST_DATA).parent_path().parent_path();
const fs::path kWard = fs::path(TABREL_TEST_DATA) / "shipped_templates" / "dane";

std::vector<fs::path> files_in(const fs::path& folder) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) return files;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        if (e.is_regular_file()) files.push_back(e.path());
    return files;
}

// The shipped files are the fuzzers' seeds; they must pass every check of their entry.
std::vector<fs::path> seeds(const std::string& entry) {
    if (entry == "template_body" || entry == "template_header")
        return files_in(kRepository / "templates");
    if (entry == "language_file") return files_in(kRepository / "lang");
    if (entry == "legacy_file") return {kWard / "tabrel.ini"};
    if (entry == "month_file") return {kWard / "2024_05.tbr"};
    return {};
}

class FuzzRegressions : public testing::TestWithParam<fuzz::Entry> {};

// Every entry has at least one input: a file as the program writes it, or one that once broke
// the reader. A check an entry finds broken aborts the program with "fuzz finding: ..."; a reader
// fault shows as a crash here or as a sanitizer report in an instrumented build.
TEST_P(FuzzRegressions, StoredInputsAndSeedsPass) {
    const fuzz::Entry entry = GetParam();
    std::vector<fs::path> inputs = files_in(fs::path(TABREL_TEST_DATA) / "fuzz" / entry.name);
    const std::vector<fs::path> shipped = seeds(entry.name);
    inputs.insert(inputs.end(), shipped.begin(), shipped.end());
    ASSERT_FALSE(inputs.empty()) << "nothing to run through " << entry.name;
    for (const fs::path& input : inputs) {
        SCOPED_TRACE(input.string());
        entry.run(test::slurp(input));
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzRegressions, testing::ValuesIn(fuzz::entries()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tabrel
