#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "base/locale.h"
#include "i18n/cp1250.h"
#include "storage/archive.h"
#include "storage/companion_copies.h"
#include "storage/group_file.h"
#include "storage/staff_file.h"
#include "storage/staff_files.h"
#include "support/test_support.h"
#include "support/told.h"

#define S "\xA4"

namespace tabrel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

void set_age(const fs::path& file, fs::file_time_type::duration age) {
    fs::last_write_time(file, fs::file_time_type::clock::now() - age);
}

bool dated_now(const fs::path& file) {
    return fs::file_time_type::clock::now() - fs::last_write_time(file) < 1h;
}

Roster sample_roster(const fs::path& folder) {
    Roster r;
    r.data_folder = folder;
    Group g;
    g.id = 1;
    g.nazwa = "Interna";
    g.profile.shifts = {Shift{420, 720, 455, clWhite, "R", "", 2, 1}};
    r.dodaj_grupe(g, false);
    Worker w;
    w.id = 1;
    w.grupa = 1;
    w.grupy = "1|";
    w.nazwisko = "Nowak";
    w.etat = 87.5;
    r.dodaj_pracow(w, false, 0);
    return r;
}

TEST(CompanionCopies, AreRenewedByAgeAndTheErrCopyAlsoWhenSmaller) {
    test::TempDir dir;
    test::FakePrompter prompter;
    const auto file = dir / "grupy.ini";
    tell(prompter, keep_companions(file, {4, 10}));
    EXPECT_FALSE(fs::exists(dir / "grupy.ini.bak"));

    test::spit(file, "version 1");
    tell(prompter, keep_companions(file, {4, 10}));
    EXPECT_EQ(test::slurp(dir / "grupy.ini.bak"), "version 1");
    EXPECT_EQ(test::slurp(dir / "grupy.ini.err"), "version 1");

    // Young copies stay; the larger .err stays too.
    test::spit(file, "v2");
    set_age(dir / "grupy.ini.bak", 3 * 24h + 23h);
    set_age(dir / "grupy.ini.err", 9 * 24h);
    tell(prompter, keep_companions(file, {4, 10}));
    EXPECT_EQ(test::slurp(dir / "grupy.ini.bak"), "version 1");
    EXPECT_EQ(test::slurp(dir / "grupy.ini.err"), "version 1");

    // Old enough: both renewed and dated now.
    set_age(dir / "grupy.ini.bak", 4 * 24h + 1min);
    set_age(dir / "grupy.ini.err", 10 * 24h + 1min);
    tell(prompter, keep_companions(file, {4, 10}));
    EXPECT_EQ(test::slurp(dir / "grupy.ini.bak"), "v2");
    EXPECT_TRUE(dated_now(dir / "grupy.ini.bak"));
    EXPECT_EQ(test::slurp(dir / "grupy.ini.err"), "v2");
    EXPECT_TRUE(dated_now(dir / "grupy.ini.err"));

    // A young but smaller .err is renewed; the .bak is not.
    test::spit(file, "version 3, longer");
    set_age(dir / "grupy.ini.err", 24h);
    tell(prompter, keep_companions(file, {4, 10}));
    EXPECT_EQ(test::slurp(dir / "grupy.ini.bak"), "v2");
    EXPECT_EQ(test::slurp(dir / "grupy.ini.err"), "version 3, longer");

    // No .err copy for a rule without one.
    test::spit(dir / "tabrel.ini", "x");
    tell(prompter, keep_companions(dir / "tabrel.ini", {4, 0}));
    EXPECT_TRUE(fs::exists(dir / "tabrel.ini.bak"));
    EXPECT_FALSE(fs::exists(dir / "tabrel.ini.err"));
    EXPECT_TRUE(prompter.errors.empty());
}

TEST(StaffFiles, SaveAndLoadRoundTripThroughTheArchive) {
    test::TempDir dir;
    test::FakePrompter prompter;
    Roster saved = sample_roster(dir.path());
    ASSERT_TRUE(test::told(prompter, zapisz(saved, Locale{}, system_clock())));
    EXPECT_EQ(test::slurp(dir / "grupy.ini"), groups_file_text(saved.groups));
    EXPECT_TRUE(fs::is_regular_file(dir / "kadra.inr"));
    EXPECT_FALSE(fs::exists(dir / "kadra.ini"));

    test::spit(dir / "kadra.ini.bak", "stale");
    Roster loaded;
    loaded.data_folder = dir.path();
    loaded.groups.resize(3);
    StaffLoadResult result = test::told(prompter, wczytaj(loaded));
    EXPECT_FALSE(result.groups_failed || result.staff_failed);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(groups_file_text(loaded.groups), groups_file_text(saved.groups));
    EXPECT_EQ(staff_file_text(loaded.workers, ','), staff_file_text(saved.workers, ','));
    EXPECT_NE(staff_file_text(loaded.workers, ',').find(S "87,5" S), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "kadra.ini"));
    EXPECT_FALSE(fs::exists(dir / "kadra.ini.bak"));
    for (const char* copy : {"grupy.ini.bak", "grupy.ini.err", "kadra.inr.bak", "kadra.inr.err"})
        EXPECT_TRUE(fs::exists(dir / copy)) << copy;
    EXPECT_TRUE(prompter.errors.empty());
}

TEST(StaffFiles, WithoutWorkersOrGroupsTheOldFilesStay) {
    test::TempDir dir;
    test::FakePrompter prompter;
    test::spit(dir / "grupy.ini", "old groups");
    test::spit(dir / "kadra.inr", "old archive");
    Roster empty;
    empty.data_folder = dir.path();
    ASSERT_TRUE(test::told(prompter, zapisz(empty, Locale{}, system_clock())));
    EXPECT_EQ(test::slurp(dir / "grupy.ini"), "old groups");
    EXPECT_EQ(test::slurp(dir / "kadra.inr"), "old archive");
}

TEST(StaffFiles, UnwritableArchiveLeavesTheStaffBesideTheOldOne) {
    test::TempDir dir;
    test::FakePrompter prompter;
    fs::create_directory(dir / "kadra.inr");
    test::spit(dir / "kadra.inr" / "old", "untouched");
    Roster r = sample_roster(dir.path());
    EXPECT_FALSE(test::told(prompter, zapisz(r, Locale{}, system_clock())));
    const Date d = system_clock().today();
    const auto kept = dir / ("kadra.ini.error_" + Locale{}.short_date(d.year, d.month, d.day));
    EXPECT_EQ(test::slurp(kept), staff_file_text(r.workers, ','));
    EXPECT_FALSE(fs::exists(dir / "kadra.ini"));
    EXPECT_EQ(test::slurp(dir / "kadra.inr" / "old"), "untouched");
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(prompter.errors[0],
              cp("Błąd zapisu do archiwum: kadra.inr\r\nNie można zapisać pliku ") +
                  (dir / "kadra.inr").string() +
                  cp(": w miejscu pliku jest folder o tej samej nazwie. Przenieś ten folder w "
                     "inne miejsce i spróbuj ponownie."));
}

TEST(StaffFiles, UnreadableArchiveStopsTheStaffLoadOnly) {
    test::TempDir dir;
    test::FakePrompter prompter;
    test::spit(dir / "grupy.ini", groups_file_text(sample_roster(dir.path()).groups));
    test::spit(dir / "kadra.inr", "not an archive");
    Roster r;
    r.data_folder = dir.path();
    StaffLoadResult result = test::told(prompter, wczytaj(r));
    EXPECT_TRUE(result.staff_failed);
    EXPECT_FALSE(result.groups_failed);
    EXPECT_EQ(r.groups.size(), 1u);
    EXPECT_TRUE(r.workers.empty());
    EXPECT_EQ(prompter.errors, std::vector<std::string>{"B\xB3\xB9"
                                                        "d odczytu archiwum: kadra.inr"});
    EXPECT_EQ(result.message, prompter.errors[0]);
}

TEST(StaffFiles, PlainStaffFileIsReadAndRemovedOnceTheArchiveHoldsItButKeptWhenItsLoadStops) {
    test::TempDir dir;
    test::FakePrompter prompter;
    const std::string good = staff_file_text(sample_roster(dir.path()).workers, ',');
    test::spit(dir / "kadra.ini", good);
    Roster r;
    r.data_folder = dir.path();
    EXPECT_FALSE(test::told(prompter, wczytaj(r)).staff_failed);
    EXPECT_EQ(r.workers.size(), 1u);
    EXPECT_EQ(test::slurp(dir / "kadra.ini"), good);  // the only copy until kadra.inr holds it
    ASSERT_TRUE(test::told(prompter, zapisz(r, Locale{}, system_clock())));
    EXPECT_FALSE(fs::exists(dir / "kadra.ini"));
    std::optional<std::string> packed;
    ASSERT_TRUE(read_archive_member(dir / "kadra.inr", "KADRA.INI", packed).ok);
    EXPECT_EQ(packed, good);
    fs::remove(dir / "kadra.inr");

    const std::string bad = good + "p" S "2" S "x\r\n";
    test::spit(dir / "kadra.ini", bad);
    StaffLoadResult result = test::told(prompter, wczytaj(r));
    EXPECT_TRUE(result.staff_failed);
    EXPECT_EQ(r.workers.size(), 1u);
    EXPECT_EQ(test::slurp(dir / "kadra.ini"), bad);
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_NE(prompter.errors[0].find("kadra.ini, wiersz 2"), std::string::npos);
}

TEST(StaffFiles, TheArchiveGivesOnlyItsStaffFileAndMustHoldOne) {
    test::TempDir foreign, dir;
    test::FakePrompter prompter;
    const Roster sample = sample_roster(dir.path());
    const std::string good = staff_file_text(sample.workers, ',');
    test::spit(foreign / "kadra.ini", good);
    for (const char* name :
         {"2024_03.tbr", "grupy.ini", "konfiguracja.ini", "tabrel.lock", "kadra.inr"})
        test::spit(foreign / name, "foreign");
    ASSERT_TRUE(create_archive({(foreign / "*.*").string()}, dir / "kadra.inr", system_clock()).ok);
    const std::string groups = groups_file_text(sample.groups);
    test::spit(dir / "grupy.ini", groups);
    const std::string archive = test::slurp(dir / "kadra.inr");

    Roster r;
    r.data_folder = dir.path();
    EXPECT_FALSE(test::told(prompter, wczytaj(r)).staff_failed);
    EXPECT_EQ(staff_file_text(r.workers, ','), good);
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"grupy.ini", "grupy.ini.bak", "grupy.ini.err",
                                               "kadra.inr", "kadra.inr.bak", "kadra.inr.err"}));
    EXPECT_EQ(test::slurp(dir / "grupy.ini"), groups);
    EXPECT_EQ(test::slurp(dir / "kadra.inr"), archive);

    ASSERT_TRUE(
        create_archive({(foreign / "grupy.ini").string()}, dir / "kadra.inr", system_clock()).ok);
    const std::string without_staff = test::slurp(dir / "kadra.inr");
    const StaffLoadResult result = test::told(prompter, wczytaj(r));
    EXPECT_TRUE(result.staff_failed);
    EXPECT_EQ(prompter.errors,
              std::vector<std::string>{"Archiwum kadra.inr nie zawiera pliku kadra.ini"});
    EXPECT_TRUE(
        test::told(prompter, zapisz(r, Locale{}, system_clock(), {false, result.staff_failed})));
    EXPECT_EQ(test::slurp(dir / "kadra.inr"), without_staff);
}

}  // namespace
}  // namespace tabrel
