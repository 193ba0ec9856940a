#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_state.h"
#include "app/exit_procedure.h"
#include "printouts/printouts.h"
#include "storage/backup_archive.h"
#include "storage/month_paths.h"
#include "storage/short_date.h"
#include "support/fixed_clock.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;
using test::slurp;
using test::spit;
using test::TempDir;

// A locale whose short date holds characters a file name cannot.
struct SlashLocale : Locale {
    std::string short_date(int year, int month, int day) const override {
        return std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day);
    }
};

std::string date_text(Date d) {
    return Locale().short_date(d.year, d.month, d.day);
}

std::vector<std::string> member_files(const fs::path& archive) {
    std::vector<ArchiveMember> members;
    EXPECT_TRUE(list_archive(archive, members).ok);
    std::vector<std::string> names;
    for (const ArchiveMember& m : members)
        names.push_back(m.name.substr(m.name.find_last_of("\\/") + 1));
    std::sort(names.begin(), names.end());
    return names;
}

// A data folder with one file of each archived kind and files the archive leaves out.
struct DataFolder {
    TempDir dir;
    Locale locale;
    Date now = system_clock().today();

    DataFolder() {
        for (const char* name : {"grupy.ini", "kadra.inr", "2024_03.tbr", "konfiguracja.ini",
                                 "grupy.ini.bak", "2024_03.tbr.err", "notatki.txt"})
            spit(dir / name, name);
    }
    BackupResult exit_with(int interval, Date last) {
        return archive_when_due(dir.path(), interval, last, test::FixedClock(now), locale);
    }
    fs::path archive_of(Date d) const { return backup_archive_path(dir.path(), locale, d); }
};

TEST(BackupArchive, IsNamedAfterTheShortDateMadeSafe) {
    const fs::path folder = "/dane";
    EXPECT_EQ(backup_archive_path(folder, Locale(), {2026, 12, 7}),
              fs::path("/dane/backup/backup_07.12.2026.bak"));
    EXPECT_EQ(backup_archive_path(folder, SlashLocale(), {2026, 12, 7}),
              fs::path("/dane/backup/backup_2026-12-7.bak"));
}

TEST(BackupArchive, NotDueWhileTheLastArchiveIsRecentAndPresent) {
    DataFolder data;
    const Date last = days_before(data.now, 30);
    fs::create_directories(data.archive_of(last).parent_path());
    spit(data.archive_of(last), "an archive");

    const BackupResult result = data.exit_with(90, last);
    EXPECT_FALSE(result.written);
    EXPECT_EQ(date_text(result.last_backup), date_text(last));
    EXPECT_FALSE(fs::exists(data.archive_of(data.now)));
    EXPECT_EQ(slurp(data.archive_of(last)), "an archive");
}

TEST(BackupArchive, DueWhenTheLastArchiveWasDeletedOrIsTooOld) {
    DataFolder data;
    const Date last = days_before(data.now, 30);
    BackupResult result = data.exit_with(90, last);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(date_text(result.last_backup), date_text(data.now));
    EXPECT_EQ(
        member_files(data.archive_of(data.now)),
        (std::vector<std::string>{"2024_03.tbr", "grupy.ini", "kadra.inr", "konfiguracja.ini"}));

    // The same day again: today's archive is there, nothing is written.
    fs::remove(data.dir / "grupy.ini");
    result = data.exit_with(90, data.now);
    EXPECT_FALSE(result.written);
    EXPECT_EQ(member_files(data.archive_of(data.now)).size(), 4u);

    const Date old = days_before(data.now, 91);
    fs::create_directories(data.archive_of(old).parent_path());
    spit(data.archive_of(old), "an archive");
    result = data.exit_with(90, old);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(member_files(data.archive_of(data.now)).size(), 3u);
}

TEST(BackupArchive, IntervalZeroNeverArchivesAndKeepsTheDate) {
    DataFolder data;
    const Date last = days_before(data.now, 400);
    const BackupResult result = data.exit_with(0, last);
    EXPECT_FALSE(result.written);
    EXPECT_EQ(date_text(result.last_backup), date_text(last));
    EXPECT_FALSE(fs::exists(data.dir / "backup"));
}

TEST(BackupArchive, AFailedArchiveKeepsTheOldDateForTheNextExit) {
    DataFolder data;
    spit(data.dir / "backup", "a file where the folder should be");
    const Date last = days_before(data.now, 100);
    const BackupResult result = data.exit_with(90, last);
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.archive.ok);
    EXPECT_NE(result.archive.error, ArchiveError::None);
    EXPECT_EQ(date_text(result.last_backup), date_text(last));
}

// The program with a ward of one group and worker, shown in March 2024.
struct ExitingProgram : ::testing::Test {
    TempDir program;
    test::FakePrompter prompter;
    Locale locale;
    AppState app{program.path(), prompter, locale, system_clock()};
    Date now = system_clock().today();
    std::vector<uint64_t> progress;
    ExitRequest request{{false, 10, 20, 800, 600},
                        [this](uint64_t done, uint64_t) { progress.push_back(done); }};

    void SetUp() override {
        ASSERT_EQ(app.open_data_folder(), AppState::OpenResult::Ok);
        test::Ward ward(2024, 3);
        ward.duty(8, 1, 420, 720);
        const fs::path folder = app.data_folder();
        app.roster() = ward.roster;
        app.roster().data_folder = folder;
        plik_save(app.roster());
    }
    fs::path data(const std::string& name) const { return app.data_folder() / name; }
    std::string exit_state(Date last) const {
        return "[glowne]\r\nlast_backup=" + date_text(last) +
               "\r\n[windows]\r\nwindow_pos_x=10\r\nwindow_pos_y=20\r\nwindow_width=800\r\n"
               "window_height=600\r\nwindow_state_max=0\r\n";
    }
};

TEST_F(ExitingProgram, NoKeepsTheProgramRunningAndWritesNothing) {
    prompter.answers = {false};
    EXPECT_FALSE(run_exit_procedure(app, request));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0], "Czy na pewno zamkn\xB9\xE6 program?");
    EXPECT_FALSE(fs::exists(data("grupy.ini")));
    EXPECT_FALSE(fs::exists(data("2024_03.tbr")));
    EXPECT_FALSE(fs::exists(data("konfiguracja.ini")));
}

TEST_F(ExitingProgram, SavesArchivesAndWritesTheExitStateInThatOrder) {
    app.options().last_backup = days_before(now, 91);
    EXPECT_TRUE(run_exit_procedure(app, request));
    EXPECT_TRUE(fs::exists(data("grupy.ini")));
    EXPECT_TRUE(fs::exists(data("kadra.inr")));
    EXPECT_TRUE(fs::exists(data("2024_03.tbr")));
    // The archive holds what was just saved, the configuration as it was before the exit.
    EXPECT_EQ(member_files(backup_archive_path(app.data_folder(), locale, now)),
              (std::vector<std::string>{"2024_03.tbr", "grupy.ini", "kadra.inr"}));
    EXPECT_FALSE(progress.empty());
    EXPECT_EQ(slurp(data("konfiguracja.ini")), exit_state(now));
    EXPECT_TRUE(prompter.errors.empty());
}

TEST_F(ExitingProgram, IntervalZeroStillWritesTheUnchangedDate) {
    const Date last = days_before(now, 200);
    app.options().last_backup = last;
    app.options().autoarchiving = 0;
    EXPECT_TRUE(run_exit_procedure(app, request));
    EXPECT_FALSE(fs::exists(data("backup")));
    EXPECT_TRUE(progress.empty());
    EXPECT_EQ(slurp(data("konfiguracja.ini")), exit_state(last));
}

TEST_F(ExitingProgram, AFailedArchiveIsToldAndTheProgramStillCloses) {
    app.options().last_backup = days_before(now, 91);
    spit(data("backup"), "a file where the folder should be");
    EXPECT_TRUE(run_exit_procedure(app, request));
    EXPECT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(slurp(data("konfiguracja.ini")), exit_state(days_before(now, 91)));
}

TEST_F(ExitingProgram, GeneratedPrintoutsAreDeletedOnlyWhenAsked) {
    TempDir output;
    spit(output / "plan.wzr", "<HEADER>\r\n<TYPE>txt</TYPE>\r\n</HEADER>\r\nA\r\n");
    Printouts printouts(output / "wydruki", {}, {});
    GenerationContext ctx(app.roster(), app.options(), locale, system_clock());
    ASSERT_TRUE(printouts.generuj(output / "plan.wzr", ctx).written);
    request.printouts = &printouts;

    EXPECT_TRUE(run_exit_procedure(app, request));
    EXPECT_TRUE(fs::exists(output / "wydruki" / "document.txt"));

    app.options().DeletePrintoutsFilesAfterClose = true;
    EXPECT_TRUE(run_exit_procedure(app, request));
    EXPECT_FALSE(fs::exists(output / "wydruki" / "document.txt"));
}

TEST_F(ExitingProgram, AFailedSaveLetsTheUserStay) {
    fs::create_directory(data("2024_03.tbr"));  // the month cannot be written
    prompter.answers = {true, false};
    EXPECT_FALSE(run_exit_procedure(app, request));
    EXPECT_EQ(prompter.asked.size(), 2u);
    EXPECT_FALSE(fs::exists(data("konfiguracja.ini")));

    prompter.answers = {true, true};
    EXPECT_TRUE(run_exit_procedure(app, request));
    EXPECT_TRUE(fs::exists(data("konfiguracja.ini")));
}

}  // namespace
}  // namespace tabrel
