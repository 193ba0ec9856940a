#include <gtest/gtest.h>

#include <chrono>

#include "app/app_state.h"
#include "app/restore_commands.h"
#include "i18n/cp1250.h"
#include "storage/archive.h"
#include "storage/month_paths.h"
#include "storage/restore_swap.h"
#include "storage/short_date.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;
using test::slurp;
using test::spit;
using test::TempDir;

void age(const fs::path& file, int days) {
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(24 * days));
}

// The staff text packed in a kadra.inr. A repacked archive differs in its stored file date
// whenever the packing falls in another two-second step, so archives are compared by content.
std::string unpacked_staff(const fs::path& archive) {
    TempDir out;
    EXPECT_EQ(extract_archive(archive, out.path()).error, ArchiveError::None);
    return slurp(out / "kadra.ini");
}

std::string date_text(Date d) {
    return Locale().short_date(d.year, d.month, d.day);
}

// The program showing March 2024 for a ward of one group with worker 5, Nowak.
struct RestoringProgram : ::testing::Test {
    TempDir program;
    test::FakePrompter prompter;
    Locale locale;
    AppState app{program.path(), prompter, locale, system_clock()};

    void SetUp() override {
        ASSERT_EQ(app.open_data_folder(), AppState::OpenResult::Ok);
        test::Ward ward(2024, 3);
        const fs::path folder = app.data_folder();
        app.roster() = ward.roster;
        app.roster().data_folder = folder;
        plik_save(app.roster());
    }
    fs::path data(const std::string& name) const { return app.data_folder() / name; }
    fs::path month() const { return data("2024_03.tbr"); }
    Worker& worker() { return app.roster().workers[0]; }
    bool has_duty(int day) { return worker().duties[day - 1].seq != 0; }
    void duty(int day) {
        Duty d;
        d.worker_id = 5;
        d.group_id = 1;
        d.day_no = static_cast<uint16_t>(day);
        d.shift_no = 1;
        d.start = 420;
        d.duration = 720;
        app.roster().dodaj_dyzur(d, 0);
    }
    // Saves the file and keeps its bytes as the ".bak" of the given age.
    std::string back_up(const fs::path& file, int days) {
        const std::string bytes = slurp(file);
        spit(backup_copy(file), bytes);
        age(backup_copy(file), days);
        return bytes;
    }
};

TEST_F(RestoringProgram, TheMenuOffersWhatHasABackup) {
    RestoreMenuState state = restore_menu_state(app.roster());
    EXPECT_FALSE(state.month);
    EXPECT_FALSE(state.workers);

    app.roster().month_file.clear();  // the menu recomputes the paths
    spit(backup_copy(month()), "");
    state = restore_menu_state(app.roster());
    EXPECT_TRUE(state.month);
    EXPECT_FALSE(state.workers);

    spit(data("kadra.inr.bak"), "");
    EXPECT_TRUE(restore_menu_state(app.roster()).workers);
    fs::remove(data("kadra.inr.bak"));
    spit(data("grupy.ini.bak"), "");
    EXPECT_TRUE(restore_menu_state(app.roster()).workers);

    app.roster().groups.clear();
    app.roster().month_file.clear();
    EXPECT_FALSE(restore_menu_state(app.roster()).month);
}

TEST_F(RestoringProgram, RestoringTheMonthTwiceReturnsToTheFirstState) {
    duty(8);
    ASSERT_TRUE(app.save_month());
    const std::string with_day_8 = back_up(month(), 3);
    worker().duties[7] = {};
    duty(10);
    ASSERT_TRUE(app.save_month());
    const std::string with_day_10 = slurp(month());

    RestoreResult result = restore_month(app);
    EXPECT_EQ(result.outcome, RestoreOutcome::Restored);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0],
              cp("Istniejąca kopia zapasowa dla wybranego miesiąca pochodzi z: ") +
                  date_text(days_before(system_clock().today(), 3)) +
                  cp(" \r Czy ją przywrócić? \r\r By ewentualnie przywrócić obecne dane "
                     "ponownie uruchom \"odzyskiwanie danych\"."));
    EXPECT_TRUE(has_duty(8));
    EXPECT_FALSE(has_duty(10));
    EXPECT_EQ(slurp(month()), with_day_8);
    EXPECT_EQ(slurp(backup_copy(month())), with_day_10);
    EXPECT_FALSE(fs::exists(restore_marker(month())));
    EXPECT_EQ(result.norm.norm_text, app.months().recompute().norm_text);

    result = restore_month(app);
    EXPECT_EQ(result.outcome, RestoreOutcome::Restored);
    EXPECT_NE(prompter.asked[1].find(date_text(system_clock().today())), std::string::npos);
    EXPECT_FALSE(has_duty(8));
    EXPECT_TRUE(has_duty(10));
    EXPECT_EQ(slurp(month()), with_day_10);
    EXPECT_EQ(slurp(backup_copy(month())), with_day_8);
    EXPECT_FALSE(fs::exists(restore_marker(month())));
    EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(RestoringProgram, ADeclinedMonthRestoreHasOnlySavedTheMonth) {
    ASSERT_TRUE(app.save_month());
    const std::string empty_month = back_up(month(), 3);
    duty(8);
    prompter.answers = {false};
    EXPECT_EQ(restore_month(app).outcome, RestoreOutcome::Declined);
    EXPECT_TRUE(has_duty(8));
    EXPECT_NE(slurp(month()), empty_month);
    EXPECT_EQ(slurp(backup_copy(month())), empty_month);
    EXPECT_FALSE(fs::exists(restore_marker(month())));
}

TEST_F(RestoringProgram, AMonthWithoutAFileTakesTheBackupAndKeepsIt) {
    duty(8);
    ASSERT_TRUE(app.save_month());
    const std::string with_day_8 = back_up(month(), 2);
    fs::remove(month());
    EXPECT_TRUE(swap_with_backup(month()));
    EXPECT_EQ(slurp(month()), with_day_8);
    EXPECT_EQ(slurp(backup_copy(month())), with_day_8);
    EXPECT_EQ(slurp(restore_marker(month())), with_day_8);
}

TEST_F(RestoringProgram, ABackupThatCannotBeReadChangesNothing) {
    duty(8);
    ASSERT_TRUE(app.save_month());
    const std::string saved = slurp(month());
    fs::create_directory(backup_copy(month()));
    EXPECT_EQ(restore_month(app).outcome, RestoreOutcome::Failed);
    EXPECT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(slurp(month()), saved);
    EXPECT_TRUE(has_duty(8));
    EXPECT_FALSE(fs::exists(restore_marker(month())));
}

TEST_F(RestoringProgram, StaffRestoreSwapsBothFilesAndASecondOneSwapsThemBack) {
    ASSERT_TRUE(app.save_staff());
    const std::string groups_before = back_up(data("grupy.ini"), 5);
    const std::string staff_before = back_up(data("kadra.inr"), 2);
    const std::string staff_text_before = unpacked_staff(data("kadra.inr"));
    worker().nazwisko = "Kowalska";
    Group second = app.roster().groups[0];
    second.id = 2;
    app.roster().dodaj_grupe(second, false);

    RestoreResult result = restore_workers(app);
    EXPECT_EQ(result.outcome, RestoreOutcome::Restored);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0],
              cp("Istniejąca kopia zapasowa danych pracowników pochodzi z: ") +
                  date_text(days_before(system_clock().today(), 5)) +
                  cp(" \r Czy ją przywrócić? \r\r By ewentualnie przywrócić obecne dane "
                     "ponownie uruchom \"odzyskiwanie danych\"."));
    EXPECT_EQ(worker().nazwisko, "Nowak");
    EXPECT_EQ(app.roster().groups.size(), 1u);
    EXPECT_EQ(slurp(data("grupy.ini")), groups_before);
    EXPECT_EQ(slurp(data("kadra.inr")), staff_before);
    const std::string groups_after = slurp(data("grupy.ini.bak"));
    const std::string staff_after = slurp(data("kadra.inr.bak"));
    EXPECT_NE(groups_after, groups_before);
    EXPECT_NE(staff_after, staff_before);
    for (const char* name : {"grupy.ini.~ak", "kadra.inr.~ak", "2024_03.tbr.~ak", "kadra.ini"})
        EXPECT_FALSE(fs::exists(data(name))) << name;
    EXPECT_EQ(app.roster().month_file, month());

    EXPECT_EQ(restore_workers(app).outcome, RestoreOutcome::Restored);
    EXPECT_EQ(worker().nazwisko, "Kowalska");
    EXPECT_EQ(app.roster().groups.size(), 2u);
    EXPECT_EQ(slurp(data("grupy.ini.bak")), groups_before);
    EXPECT_EQ(unpacked_staff(data("kadra.inr.bak")), staff_text_before);
    EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(RestoringProgram, DeclinedOrMissingStaffBackupChangesNothing) {
    EXPECT_EQ(restore_workers(app).outcome, RestoreOutcome::NotAvailable);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_FALSE(fs::exists(data("grupy.ini")));

    spit(data("grupy.ini.bak"),
         "g\xA4"
         "9");
    prompter.answers = {false};
    EXPECT_EQ(restore_workers(app).outcome, RestoreOutcome::Declined);
    EXPECT_FALSE(fs::exists(data("grupy.ini")));
    EXPECT_EQ(slurp(data("grupy.ini.bak")),
              "g\xA4"
              "9");
}

TEST_F(RestoringProgram, OnlyTheFilesWithABackupAreSwapped) {
    ASSERT_TRUE(app.save_staff());
    const std::string groups_before = back_up(data("grupy.ini"), 5);
    app.roster().groups[0].nazwa = "Chirurgia";
    worker().nazwisko = "Kowalska";
    EXPECT_EQ(restore_workers(app).outcome, RestoreOutcome::Restored);
    EXPECT_EQ(app.roster().groups[0].nazwa, "Interna");
    EXPECT_EQ(slurp(data("grupy.ini")), groups_before);
    EXPECT_EQ(worker().nazwisko, "Kowalska");  // saved, and kept without a backup to swap in
}

TEST_F(RestoringProgram, AnArchiveIsTakenOutBesideTheData) {
    spit(data("grupy.ini"), "groups");
    spit(data("2024_03.tbr"), "month");
    ASSERT_TRUE(
        create_archive({(app.data_folder() / "*.*").string()}, data("copy.bak"), system_clock())
            .ok);
    fs::remove(data("grupy.ini"));

    EXPECT_TRUE(restore_archive_file(app, data("copy.bak")));
    EXPECT_EQ(slurp(data("backup/dane/grupy.ini")), "groups");
    EXPECT_EQ(slurp(data("backup/dane/2024_03.tbr")), "month");
    EXPECT_FALSE(fs::exists(data("grupy.ini")));  // the live data stay as they are
    ASSERT_EQ(prompter.informed.size(), 1u);
    EXPECT_EQ(prompter.informed[0], cp("Odzyskane pliki zostały zapisane w katalogu: \r") +
                                        (app.data_folder() / "backup" / "dane").string());

    spit(data("broken.bak"), "not an archive");
    EXPECT_FALSE(restore_archive_file(app, data("broken.bak")));
    EXPECT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(prompter.informed.size(), 1u);
}

}  // namespace
}  // namespace tabrel
