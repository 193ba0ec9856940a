#include <gtest/gtest.h>

#include <cstdlib>

#include "base/locale.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;

// November 2024 of two groups: Pawłowska (id 8) selected on the 15th. The ward holds nights into
// December, leave of several kinds, an emergency day, notes with a line break and markup, a
// name with "<" and "&", a duty in the other group, and a blocked worker and one of the other
// group with duties in the first.
const fs::path kSourceTree = fs::path(TABREL_TEST_DATA).parent_path().parent_path();
const fs::path kWard = fs::path(TABREL_TEST_DATA) / "golden_ward" / "dane";
const fs::path kGolden = fs::path(TABREL_TEST_DATA) / "golden_printouts";
constexpr const char* kDateMark = "DD.MM.RRRR";

// The printout with today's date replaced by a mark, so that it compares on any day.
std::string dated(std::string bytes) {
    const Date d = system_clock().today();
    const std::string date = Locale().short_date(d.year, d.month, d.day);
    for (size_t at = bytes.find(date); at != std::string::npos; at = bytes.find(date, at))
        bytes.replace(at, date.size(), kDateMark);
    return bytes;
}

// Every shipped template printed by tabrel-cli is compared byte for byte with its expected
// output, kept under the template's name with the output's extension. With
// TABREL_REGENERATE_GOLDEN set the outputs are written there instead
// (scripts/regenerate-golden-printouts.sh).
TEST(GoldenPrintouts, EveryShippedTemplatePrintsAsExpected) {
    if (!fs::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    const bool regenerate = std::getenv("TABREL_REGENERATE_GOLDEN") != nullptr;
    test::TempDir root;
    fs::copy(kWard, root / "dane", fs::copy_options::recursive);
    int printed = 0;
    for (const auto& entry : fs::directory_iterator(kSourceTree / "templates")) {
        const fs::path path = entry.path();
        const test::CliRun run = test::run_cli(
            root / "dane", "print '" + path.string() + "' 2024-11 --worker 8 --day 15 --out '" +
                               (root / "out").string() + "'");
        ASSERT_EQ(run.status, 0) << path << ": " << run.err;
        const fs::path output = run.out.substr(0, run.out.size() - 1);
        const fs::path golden = kGolden / path.stem().concat(output.extension().string());
        const std::string bytes = dated(test::slurp(output));
        if (regenerate) test::spit(golden, bytes);
        ASSERT_TRUE(fs::exists(golden)) << golden << " is missing";
        EXPECT_TRUE(bytes == test::slurp(golden))
            << golden << " differs: scripts/regenerate-golden-printouts.sh rewrites it, and git "
            << "diff then shows what changed";
        ++printed;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(kGolden), fs::directory_iterator()), printed)
        << "an expected output without its template";
}

}  // namespace
}  // namespace tabrel
