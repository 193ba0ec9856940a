#include <gtest/gtest.h>

#include "support/test_support.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;

// A program folder with "dane/": group 1 with Nowak (id 5) and Kowalska (id 6), group 2
// with Lis (id 7); a text template and a rich-text one beside it.
struct PrintFolder {
    test::TempDir root;
    fs::path data = root / "dane";

    PrintFolder() {
        fs::create_directory(data);
        test::spit(data / "tabrel.ini",
                   "[g0]\r\nid=1\r\nnazwa=A\r\nzod0=420\r\nzile0=720\r\n"
                   "[g1]\r\nid=2\r\nnazwa=B\r\nzod0=420\r\nzile0=720\r\n"
                   "[k0]\r\nid=5\r\ngrupa=1\r\nnazwisko=Nowak\r\nimie=Anna\r\n"
                   "[k1]\r\nid=6\r\ngrupa=1\r\nnazwisko=Kowalska\r\nimie=Ewa\r\n"
                   "[k2]\r\nid=7\r\ngrupa=2\r\nnazwisko=Lis\r\nimie=Jan\r\n");
        test::spit(root / "lista.wzr",
                   "<HEADER>\r\n<TYPE>txt</TYPE>\r\n<FILE_NAME>lista @_prac_nazwisko</FILE_NAME>"
                   "\r\n</HEADER>\r\n@_prac_nazwisko @_dzien_nr\r\n"
                   "<_prac>-@_prac_nazwisko</prac>\r\n");
        test::spit(root / "karta.wzr",
                   "<HEADER>\r\n<FONT_NAME>Arial</FONT_NAME>\r\n</HEADER>\r\n"
                   "Karta: @_prac_nazwisko\r\n");
    }
};

TEST(PrintCommand, WritesThePrintoutBesideTheDataFolderForTheSelection) {
    if (!fs::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    PrintFolder f;
    const std::string list = (f.root / "lista.wzr").string();

    test::CliRun run = test::run_cli(f.data, "print '" + list + "' 2024-05");
    ASSERT_EQ(run.status, 0) << run.err;
    const fs::path first = f.root / "wydruki" / "lista Nowak.txt";
    EXPECT_EQ(run.out, first.string() + "\n");
    EXPECT_EQ(test::slurp(first), "Nowak 1\r\n-Nowak\r\n-Kowalska\r\n");

    run =
        test::run_cli(f.data, "print '" + list + "' 2024-05 --worker 7 --day 31 --group 2 --out '" +
                                  (f.root / "inne").string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::slurp(f.root / "inne" / "lista Lis.txt"), "Lis 31\r\n-Lis\r\n");

    run =
        test::run_cli(f.data, "print '" + (f.root / "karta.wzr").string() + "' 2024-05 --worker 6");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(test::slurp(f.root / "wydruki" / "document.rtf"),
              "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 Arial;}}\r\n"
              "\\viewkind4\\uc1\\pard\\f0\\fs16 Karta: {\\b Kowalska}\\par\r\n}\r\n");
}

TEST(PrintCommand, RefusesWhatItCannotPrint) {
    if (!fs::exists(TABREL_CLI)) GTEST_SKIP() << "tabrel-cli is not built";
    PrintFolder f;
    const std::string list = "'" + (f.root / "lista.wzr").string() + "' ";
    EXPECT_EQ(
        test::run_cli(f.data, "print '" + (f.root / "brak.wzr").string() + "' 2024-05").status, 1);
    EXPECT_EQ(test::run_cli(f.data, "print " + list + "2024-13").status, 2);
    EXPECT_EQ(test::run_cli(f.data, "print " + list + "2024-06 --day 31").status, 1);
    EXPECT_EQ(test::run_cli(f.data, "print " + list + "2024-06 --worker 99").status, 1);
    EXPECT_EQ(test::run_cli(f.data, "print " + list + "2024-06 --group 9").status, 1);
    EXPECT_EQ(test::run_cli(f.data, "print " + list + "2024-06 --day").status, 2);
    EXPECT_FALSE(fs::exists(f.root / "wydruki"));
}

}  // namespace
}  // namespace tabrel
