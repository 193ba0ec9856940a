#include <gtest/gtest.h>

#include <filesystem>

#include "base/locale.h"
#include "storage/group_file.h"
#include "storage/legacy_file.h"
#include "storage/staff_files.h"
#include "support/test_support.h"
#include "support/told.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;

const char* const kLegacy =
    "[main]\r\ngc=3\r\nkc=2\r\n"
    "[g0]\r\nid=1\r\nnazwa=Chirurgia\r\nday8=480\r\nwolne_za_sob_swieto=0\r\n"
    "zod0=480\r\nzile0=600\r\nzdyz0=0\r\nzkolor0=clRed\r\nzsymbol0=D\r\nznazwa0=Dzie\xF1\r\n"
    "zobsada0=3\r\nzobsadas0=2\r\nzod1=1200\r\n"
    "[G1]\r\nID=2\r\nday8=480\r\nsob_swieto=1\r\nauto_staff_n=x\r\nold=7\r\n"
    "[g3]\r\nid=4\r\n"
    "[k0]\r\nid=5\r\ngrupa=2\r\n"
    "[k1]\r\nid=6\r\ngrupa=1\r\nurlop=abc\r\netat=87,5\r\nnazwisko=Nowak\r\npseudo=ABCD\r\n"
    "kolor=$000000FF\r\npref_without_auto=0\r\n"
    "[k3]\r\nid=9\r\n";

Roster load(const std::string& text, const test::TempDir& dir, test::FakePrompter& prompter) {
    test::spit(dir / "tabrel.ini", text);
    Roster r;
    r.data_folder = dir.path();
    Notices copies;
    EXPECT_TRUE(wczytaj_stary_tabrel_ini(r, copies));
    tell(prompter, copies);
    return r;
}

TEST(LegacyFile, GroupsStopAtTheFirstMissingSectionAndGetDefaults) {
    test::TempDir dir;
    test::FakePrompter prompter;
    Roster r = load(kLegacy, dir, prompter);
    ASSERT_EQ(r.groups.size(), 2u);

    const Group& g0 = r.groups[0];
    EXPECT_EQ(g0.nazwa, "Chirurgia");
    EXPECT_EQ(g0.profile.day8, 480);
    EXPECT_FALSE(g0.profile.wolne_za_sob_swieto);
    EXPECT_EQ(g0.profile.auto_staff_n, 2);
    EXPECT_EQ(g0.kolor, kLegacyGroupColour);
    EXPECT_EQ(g0.default_profile.day8, 480);
    EXPECT_TRUE(g0.default_profile.shifts.empty());
    EXPECT_EQ(groups_file_text({g0}),
              "g\xA4"
              "1\xA4"
              "0\xA4"
              "2\xA4"
              "2\xA4"
              "0\xA4"
              "480\xA4"
              "0\xA4"
              "0\xA4"
              "0\xA4"
              "0\xA4"
              "Chirurgia\xA4"
              "clWhite\xA4"
              "0\xA4"
              "0\xA4"
              "480\xA4"
              "0\xA4"
              "0\xA4"
              "0\xA4"
              "0\r\n"
              "z\xA4"
              "480\xA4"
              "600\xA4"
              "0\xA4"
              "3\xA4"
              "2\xA4"
              "clRed\xA4"
              "D\xA4"
              "Dzie\xF1\r\n"
              "z\xA4"
              "1200\xA4"
              "720\xA4"
              "455\xA4"
              "0\xA4"
              "0\xA4"
              "clWhite\xA4"
              "2\xA4\r\n");

    // No "zod0": the two default shifts and their day settings replace what the section says.
    const Group& g1 = r.groups[1];
    EXPECT_EQ(g1.id, 2);
    EXPECT_EQ(g1.nazwa, "grupa_1");
    EXPECT_TRUE(g1.old);
    EXPECT_EQ(g1.profile.auto_staff_n, 2);
    EXPECT_EQ(g1.profile.day8, 455);
    EXPECT_FALSE(g1.profile.sob_swieto);
    EXPECT_TRUE(g1.profile.wolne_za_sob_swieto);
    EXPECT_TRUE(g1.default_profile.wolne_za_sob_swieto);
    EXPECT_EQ(groups_file_text({g1}).substr(groups_file_text({g1}).find("\r\n") + 2),
              "z\xA4"
              "420\xA4"
              "720\xA4"
              "455\xA4"
              "0\xA4"
              "0\xA4"
              "clWhite\xA4"
              "R\xA4\r\n"
              "z\xA4"
              "1140\xA4"
              "720\xA4"
              "0\xA4"
              "0\xA4"
              "0\xA4"
              "$00DDDDDD\xA4"
              "N\xA4\r\n");
    EXPECT_TRUE(fs::exists(dir / "tabrel.ini.bak"));
    EXPECT_FALSE(fs::exists(dir / "tabrel.ini.err"));
}

TEST(LegacyFile, WorkersGetTheirDefaultsAndMarkMissingSurnames) {
    test::TempDir dir;
    test::FakePrompter prompter;
    Roster r = load(kLegacy, dir, prompter);
    ASSERT_EQ(r.workers.size(), 2u);

    const Worker& k0 = r.workers[0];
    EXPECT_EQ(k0.id, 5);
    EXPECT_EQ(k0.nazwisko,
              "B\xB3\xB9"
              "d danych");
    EXPECT_EQ(k0.pseudo, "Err");
    EXPECT_EQ(k0.kolor, clYellow);
    EXPECT_DOUBLE_EQ(k0.etat, 100);
    EXPECT_EQ(k0.grupy, "2|");
    EXPECT_TRUE(k0.pref_without_auto);
    EXPECT_EQ(k0.urlop, 26);
    EXPECT_EQ(k0.opieka, 2);
    EXPECT_EQ(k0.reha, 10);
    EXPECT_EQ(k0.pref_dn, 5);
    EXPECT_EQ(k0.pref_system_pattern, "1200");

    const Worker& k1 = r.workers[1];
    EXPECT_EQ(k1.urlop, 26);  // not a number: the default
    EXPECT_DOUBLE_EQ(k1.etat, 87.5);
    EXPECT_EQ(k1.pseudo, "ABC");
    EXPECT_EQ(k1.kolor, rgb(255, 0, 0));
    EXPECT_FALSE(k1.pref_without_auto);
    EXPECT_EQ(k1.grupy, "1|");
}

TEST(LegacyFile, BadColourStopsTheLoadNamingTheLine) {
    test::TempDir dir;
    test::FakePrompter prompter;
    test::spit(dir / "tabrel.ini", "[g0]\r\nid=1\r\n[k0]\r\nid=1\r\nkolor=purpurowy\r\n");
    Roster r;
    r.data_folder = dir.path();
    StaffLoadResult result = test::told(prompter, wczytaj(r));
    EXPECT_TRUE(result.groups_failed && result.staff_failed);
    EXPECT_EQ(r.groups.size(), 1u);
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(prompter.errors[0],
              "B\xB3\xB9"
              "d odczytu pliku tabrel.ini, wiersz 5: 'purpurowy' nie jest "
              "poprawnym kolorem.");

    // Nothing is written over or retired after such a load.
    EXPECT_TRUE(test::told(prompter, zapisz(r, Locale{}, system_clock(), {true, true})));
    EXPECT_TRUE(fs::exists(dir / "tabrel.ini"));
    EXPECT_FALSE(fs::exists(dir / "grupy.ini"));
}

TEST(LegacyFile, FirstSaveWritesTheNewFilesAndRetiresTheLegacyOne) {
    test::TempDir dir;
    test::FakePrompter prompter;
    test::spit(dir / "tabrel.ini", kLegacy);
    test::spit(dir / "tabrel.ini.~ak", "swap");
    Roster r;
    r.data_folder = dir.path();
    StaffLoadResult result = test::told(prompter, wczytaj(r));
    ASSERT_FALSE(result.groups_failed || result.staff_failed);
    fs::permissions(dir / "tabrel.ini", fs::perms::owner_read);

    ASSERT_TRUE(test::told(prompter, zapisz(r, Locale{}, system_clock())));
    EXPECT_TRUE(fs::is_regular_file(dir / "grupy.ini"));
    EXPECT_TRUE(fs::is_regular_file(dir / "kadra.inr"));
    EXPECT_FALSE(fs::exists(dir / "kadra.ini"));
    EXPECT_FALSE(fs::exists(dir / "tabrel.ini"));
    EXPECT_FALSE(fs::exists(dir / "tabrel.ini.~ak"));
    EXPECT_EQ(test::slurp(dir / "tabrel.ini.err"), kLegacy);

    Roster again;
    again.data_folder = dir.path();
    EXPECT_FALSE(test::told(prompter, wczytaj(again)).staff_failed);
    EXPECT_EQ(again.groups.size(), 2u);
    ASSERT_EQ(again.workers.size(), 2u);
    EXPECT_EQ(again.workers[0].nazwisko,
              "B\xB3\xB9"
              "d danych");
    EXPECT_TRUE(prompter.errors.empty());
}

TEST(LegacyFile, AnExistingErrCopyIsNotOverwritten) {
    test::TempDir dir;
    test::FakePrompter prompter;
    test::spit(dir / "tabrel.ini", kLegacy);
    test::spit(dir / "tabrel.ini.err", "first retired");
    Roster r;
    r.data_folder = dir.path();
    test::told(prompter, wczytaj(r));
    ASSERT_TRUE(test::told(prompter, zapisz(r, Locale{}, system_clock())));
    EXPECT_FALSE(fs::exists(dir / "tabrel.ini"));
    EXPECT_EQ(test::slurp(dir / "tabrel.ini.err"), "first retired");
}

}  // namespace
}  // namespace tabrel
