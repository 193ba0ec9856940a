#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "storage/data_folder_lock.h"
#include "support/test_support.h"

namespace fs = std::filesystem;
using tabrel::test::CliRun;
using tabrel::test::run_cli;
using tabrel::test::slurp;
using tabrel::test::spit;
using tabrel::test::TempDir;

namespace {

std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

std::string lower_ascii(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// A folder as archives store it: lower case, "\" between the parts.
std::string stored_folder(const fs::path& folder) {
    std::string s = lower_ascii(folder.string());
    std::replace(s.begin(), s.end(), '/', '\\');
    return s;
}

// A legacy data file: one group with one shift, one worker, Polish letters in cp1250.
const std::string kLegacyIni =
    "[main]\r\ngc=1\r\nkc=1\r\n"
    "[g0]\r\nid=1\r\nnazwa=Po\xB3o\xBFnictwo\r\nday8=455\r\nwolne_za_sob_swieto=1\r\n"
    "zod0=420\r\nzile0=720\r\nzdyz0=455\r\nzkolor0=clWhite\r\nzsymbol0=D\r\n"
    "zobsada0=2\r\nzobsadas0=1\r\n"
    "[k0]\r\nid=5\r\ngrupa=1\r\nnazwisko=W\xB9s\r\nimie=\xAF"
    "aneta\r\npseudo=ZW\r\n"
    "etat=87,5\r\n";

}  // namespace

TEST(Cli, ArchiveCreateListExtractRoundTrip) {
    TempDir dir;
    fs::create_directory(dir / "src");
    const std::string small = "abc\r\n";
    std::string big(40000, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 % 251);
    spit(dir / "src" / "kadra.ini", small);
    spit(dir / "src" / "2024_05.tbr", big);
    spit(dir / "src" / "notes.txt", "not taken");
    const std::string archive = (dir / "backup.bak").string();
    const std::string src = (dir / "src").string();

    CliRun created = run_cli("archive create " + quoted(archive) + " " +
                             quoted(src + "/kadra.ini") + " " + quoted(src + "/*.tbr"));
    ASSERT_EQ(created.status, 0) << created.err;

    CliRun listed = run_cli("archive list " + quoted(archive));
    ASSERT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, stored_folder(src) + "\\kadra.ini\t5\n" + stored_folder(src) +
                              "\\2024_05.tbr\t40000\n");

    CliRun extracted =
        run_cli("archive extract " + quoted(archive) + " " + quoted((dir / "out").string()));
    ASSERT_EQ(extracted.status, 0) << extracted.err;
    EXPECT_EQ(slurp(dir / "out" / "kadra.ini"), small);
    EXPECT_EQ(slurp(dir / "out" / "2024_05.tbr"), big);
    EXPECT_FALSE(fs::exists(dir / "out" / "notes.txt"));
}

TEST(Cli, BadUsageAndMissingFilesFailWithAMessage) {
    TempDir dir;
    const std::string missing = quoted((dir / "missing.bak").string());
    const std::string data = "--data " + quoted(dir.path().string());
    const std::pair<std::string, int> cases[] = {
        {"", 2},
        {"frobnicate", 2},
        {"archive", 2},
        {"archive list", 2},
        {"archive extract " + missing, 2},
        {"archive list " + missing, 1},
        {"archive extract " + missing + " " + quoted((dir / "out").string()), 1},
        {"archive create " + quoted((dir / "new.bak").string()) + " " +
             quoted((dir / "nothing.txt").string()),
         1},
        {"dump", 2},
        {"--data", 2},
        {data + " resave extra", 2},
        {data + " archive list " + missing, 2},
        {"--data " + quoted((dir / "absent").string()) + " dump", 1},
        {data + " calendar 2024-05 --group x", 2},
        {data + " month 2024-05 --group -1", 2},
        {data + " month-resave 2024-05 --group 1", 2},
        {data + " print " + missing, 2},
        {data + " print " + missing + " 2024-05 --worker 70000", 2},
        {data + " print " + missing + " 2024-05 --day 0", 2},
        {data + " plan 2024-05 --group 1 --accept extra", 2},
    };
    for (const auto& [args, status] : cases) {
        CliRun r = run_cli(args);
        EXPECT_EQ(r.status, status) << args;
        EXPECT_NE(r.err.find("tabrel-cli: "), std::string::npos) << args;
        EXPECT_EQ(r.out, "") << args;
    }
    EXPECT_FALSE(fs::exists(dir / "new.bak"));
    EXPECT_FALSE(fs::exists(dir / "out"));
    EXPECT_FALSE(fs::exists(dir / "absent"));
}

TEST(Cli, ResaveConvertsTheLegacyFile) {
    TempDir dir;
    spit(dir / "tabrel.ini", kLegacyIni);

    CliRun r = run_cli("--data " + quoted(dir.path().string()) + " resave");
    ASSERT_EQ(r.status, 0) << r.err;

    EXPECT_EQ(slurp(dir / "grupy.ini"),
              "g\xA4"
              "1\xA4"
              "0\xA4"
              "2\xA4"
              "2\xA4"
              "0\xA4"
              "455\xA4"
              "0\xA4"
              "1\xA4"
              "0\xA4"
              "0\xA4"
              "Po\xB3o\xBFnictwo\xA4"
              "clWhite\xA4"
              "0\xA4"
              "0\xA4"
              "455\xA4"
              "0\xA4"
              "1\xA4"
              "0\xA4"
              "0\r\n"
              "z\xA4"
              "420\xA4"
              "720\xA4"
              "455\xA4"
              "2\xA4"
              "1\xA4"
              "clWhite\xA4"
              "D\xA4\r\n");
    EXPECT_FALSE(fs::exists(dir / "tabrel.ini"));
    EXPECT_EQ(slurp(dir / "tabrel.ini.err"), kLegacyIni);
    EXPECT_FALSE(fs::exists(dir / "kadra.ini"));

    CliRun unpacked = run_cli("archive extract " + quoted((dir / "kadra.inr").string()) + " " +
                              quoted((dir / "x").string()));
    ASSERT_EQ(unpacked.status, 0) << unpacked.err;
    EXPECT_EQ(slurp(dir / "x" / "kadra.ini"),
              "p\xA4"
              "5\xA4"
              "1\xA4"
              "26\xA4"
              "26\xA4"
              "2\xA4"
              "10\xA4"
              "87,5\xA4"
              "5\xA4"
              "5\xA4"
              "0\xA4"
              "1\xA4"
              "1\xA4"
              "0\xA4"
              "1\xA4"
              "1200\xA4"
              "W\xB9s\xA4\xAF"
              "aneta"
              "\xA4\xA4\xA4\xA4\xA4\xA4\xA4\xA4\xA4\xA4\xA4\xA4\xA4"
              "ZW\xA4"
              "clYellow\xA4"
              "0\xA4"
              "1|\xA4"
              "0\xA4"
              "1\r\n");
}

TEST(Cli, DumpGivesJsonWithPolishTextInUtf8) {
    TempDir dir;
    spit(dir / "tabrel.ini", kLegacyIni);

    CliRun r = run_cli("--data " + quoted(dir.path().string()) + " dump");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto json = nlohmann::json::parse(r.out);

    ASSERT_EQ(json["groups"].size(), 1u);
    const auto& g = json["groups"][0];
    EXPECT_EQ(g["nazwa"], "Położnictwo");
    EXPECT_EQ(g["id"], 1);
    EXPECT_EQ(g["profile"]["shifts"][0]["zod"], 420);
    EXPECT_EQ(g["profile"]["shifts"][0]["zsymbol"], "D");
    EXPECT_EQ(g["profile"]["shifts"][0]["zobsada"], 2);
    EXPECT_EQ(g["default_profile"]["wolne_za_sob_swieto"], true);

    ASSERT_EQ(json["workers"].size(), 1u);
    const auto& w = json["workers"][0];
    EXPECT_EQ(w["nazwisko"], "Wąs");
    EXPECT_EQ(w["imie"], "Żaneta");
    EXPECT_EQ(w["pseudo"], "ZW");
    EXPECT_EQ(w["etat"], 87.5);
    EXPECT_EQ(w["grupy"], "1|");
    EXPECT_EQ(w["kolor"], "clYellow");
    EXPECT_EQ(w["pref_without_auto"], true);
    EXPECT_EQ(w.size(), 35u);  // every stored field but the record tag

    EXPECT_TRUE(fs::exists(dir / "tabrel.ini"));  // a dump writes nothing back
}

TEST(Cli, ResaveLeavesAFolderInUseAlone) {
    TempDir dir;
    spit(dir / "tabrel.ini", kLegacyIni);
    const tabrel::DataFolderLock running_program(dir.path());
    ASSERT_EQ(running_program.status(), tabrel::DataFolderLock::Status::Held);

    CliRun r = run_cli("--data " + quoted(dir.path().string()) + " resave");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("in use"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(dir / "tabrel.ini"), kLegacyIni);
    EXPECT_FALSE(fs::exists(dir / "grupy.ini"));
}

namespace {

using Snapshot = std::map<std::string, std::string>;

// Every file of the folder with its bytes; the lock file is the folder's lock, not data.
Snapshot snapshot(const fs::path& folder) {
    Snapshot files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() != "tabrel.lock")
            files[entry.path().filename().string()] = slurp(entry.path());
    return files;
}

// A line of a data file: the fields with "¤" between them, then CR LF.
std::string line(std::initializer_list<std::string> fields) {
    std::string text;
    for (const std::string& field : fields) text += (text.empty() ? "" : "\xA4") + field;
    return text + "\r\n";
}

std::string on(const TempDir& dir, const std::string& args) {
    return "--data " + quoted(dir.path().string()) + " " + args;
}

}  // namespace

TEST(Cli, ReadingCommandsChangeNoFileAndAPlainStaffFileStaysUntilItsArchiveIsWritten) {
    TempDir dir;
    spit(dir / "grupy.ini", line({"g", "1"}) + line({"z", "420", "720"}));
    const std::string staff = line({"p", "5", "1"});
    spit(dir / "kadra.ini", staff);
    spit(dir / "2025_04.tbr", "[dyzury]\r\nd1=" + line({"1", "5", "3", "720", "1", "420", "0"}));
    const Snapshot before = snapshot(dir.path());
    CliRun dumped = run_cli(on(dir, "dump"));
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    for (const char* reading : {"month 2025-04", "calendar 2025-04", "check 2025-04"}) {
        CliRun r = run_cli(on(dir, reading));
        EXPECT_EQ(r.status, 0) << reading << r.err;
    }
    EXPECT_EQ(snapshot(dir.path()), before);

    ASSERT_EQ(run_cli(on(dir, "month-resave 2025-04")).status, 0);
    EXPECT_EQ(slurp(dir / "kadra.ini"), staff);
    ASSERT_EQ(run_cli(on(dir, "resave")).status, 0);
    EXPECT_FALSE(fs::exists(dir / "kadra.ini"));
    EXPECT_EQ(run_cli(on(dir, "dump")).out, dumped.out);
}

TEST(Cli, AFifthShiftStopsTheGroupLoadAndLeavesTheFileAsItIs) {
    std::string groups = line({"g", "1"}) + line({"z", "420"}) +
                         line({"g", "2", "", "", "", "", "", "", "", "", "", "B"});
    std::string legacy = "[g0]\r\nid=1\r\nnazwa=B\r\n";
    for (int i = 0; i < 5; ++i) {
        groups += line({"z", "420"});
        legacy += "zod" + std::to_string(i) + "=420\r\n";
    }
    const struct {
        const char* file;
        std::string text;
    } cases[] = {{"grupy.ini", groups}, {"tabrel.ini", legacy}};
    for (const auto& c : cases) {
        TempDir dir;
        spit(dir / c.file, c.text);
        CliRun r = run_cli(on(dir, "resave"));
        EXPECT_EQ(r.status, 1) << c.file;
        EXPECT_NE(
            r.err.find(c.file + std::string(", wiersz 8: grupa ma więcej niż 4 zmiany: 'B'.")),
            std::string::npos)
            << r.err;
        for (const auto& [name, bytes] : snapshot(dir.path())) {
            const bool companion = name.ends_with(".bak") || name.ends_with(".err");
            EXPECT_TRUE(name == c.file || companion) << name;
            EXPECT_EQ(bytes, c.text) << name;
        }
    }
}

TEST(Cli, ArchiveCreateRefusesTheArchiveAsInputAndLeavesOutUnstorableNames) {
    TempDir dir;
    spit(dir / "x.bak", "previous");
    CliRun itself = run_cli("archive create " + quoted((dir / "x.bak").string()) + " " +
                            quoted((dir / "x.bak").string()));
    EXPECT_EQ(itself.status, 1);
    EXPECT_NE(
        itself.err.find("Archiwum nie może zawierać samego siebie: " + (dir / "x.bak").string()),
        std::string::npos)
        << itself.err;
    EXPECT_EQ(slurp(dir / "x.bak"), "previous");

    fs::create_directory(dir / "d");
    for (const char* name : {"a.ini", "Łódź.ini", "日本.ini"}) spit(dir / "d" / name, name);
    CliRun some = run_cli("archive create " + quoted((dir / "x.bak").string()) + " " +
                          quoted((dir / "d" / "*.ini").string()));
    ASSERT_EQ(some.status, 0) << some.err;
    EXPECT_EQ(some.err, "tabrel-cli: left out, its name cannot be stored in an archive: " +
                            (dir / "d" / "日本.ini").string() + "\n");
    CliRun listed = run_cli("archive list " + quoted((dir / "x.bak").string()));
    const std::string folder = stored_folder(dir / "d");
    EXPECT_EQ(listed.out, folder + "\\a.ini\t5\n" + folder + "\\łódź.ini\t11\n");
}

TEST(Cli, EveryCommandHasHelpWithAnExampleAndTheManualPageHasThemAll) {
    const std::string man_page = slurp(TABREL_CLI_MAN_PAGE);
    for (const std::string command :
         {"archive create", "archive extract", "archive list", "resave", "dump", "calendar",
          "month", "month-resave", "print", "plan", "ical"}) {
        CliRun r = run_cli(command + " --help");
        EXPECT_EQ(r.status, 0) << command << r.err;
        EXPECT_NE(r.out.find("Usage: tabrel-cli "), std::string::npos) << command;
        EXPECT_NE(r.out.find("Example:\n  tabrel-cli "), std::string::npos) << command;
        EXPECT_NE(man_page.find("Command " + command + ":"), std::string::npos) << command;
    }
    CliRun help = run_cli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("  2  wrong usage"), std::string::npos) << help.out;

    CliRun version = run_cli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tabrel-cli 3.50\nData utworzenia: ", 0), 0u) << version.out;
}
