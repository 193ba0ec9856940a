#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "storage/archive.h"
#include "storage/data_folder_lock.h"
#include "storage/group_file.h"
#include "storage/month_file.h"
#include "storage/month_paths.h"
#include "storage/options_file.h"
#include "storage/staff_file.h"
#include "storage/staff_files.h"
#include "support/file_size_limit.h"
#include "support/large_ward.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::LargeWard;
using test::slurp;

constexpr const char* kMonthFile = "2024_03.tbr";

// The text of every data file of one version of the ward, as the program writes it.
struct Version {
    std::string groups, staff, month, options;
};

bool one_of(const std::string& found, const std::string& a, const std::string& b) {
    return found == a || found == b;
}

// The temporary files of writes that never finished, by their hidden ".~tmp" names.
std::vector<std::string> temporaries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.front() == '.' && name.find(".~tmp") != std::string::npos) names.push_back(name);
    }
    return names;
}

class CrashSafety : public ::testing::Test {
protected:
    void SetUp() override {
        // konfiguracja.ini starts as the configuration dialog writes it, with every setting.
        ASSERT_TRUE(zapisz_opcje(dir.path(), a.options, "polski", false));
        a_text = version_on_disk(a);
        b_text = version_on_disk(b);
        ASSERT_EQ(version_on_disk(a).options, a_text.options);  // each save gives the same text
        ASSERT_NE(a_text.groups, b_text.groups);
        ASSERT_NE(a_text.staff, b_text.staff);
        ASSERT_NE(test::without_save_date(a_text.month), test::without_save_date(b_text.month));
        ASSERT_NE(a_text.options, b_text.options);
    }

    // Saves a version and reads back what it wrote; the folder then holds that version.
    Version version_on_disk(LargeWard& ward) {
        EXPECT_TRUE(test::save_everything(ward, locale, prompter));
        return {slurp(dir / "grupy.ini"),
                staff_file_text(ward.roster.workers, locale.decimal_separator()),
                slurp(dir / kMonthFile), slurp(dir / "konfiguracja.ini")};
    }

    // Every data file is whole: byte for byte version A's or B's, and it loads.
    void expect_each_file_whole(const std::string& when) {
        SCOPED_TRACE(when);
        EXPECT_TRUE(one_of(slurp(dir / "grupy.ini"), a_text.groups, b_text.groups));
        EXPECT_TRUE(one_of(test::without_save_date(slurp(dir / kMonthFile)),
                           test::without_save_date(a_text.month),
                           test::without_save_date(b_text.month)));
        EXPECT_TRUE(one_of(slurp(dir / "konfiguracja.ini"), a_text.options, b_text.options));
        EXPECT_TRUE(one_of(loaded_staff(), a_text.staff, b_text.staff));
    }

    // Loads a copy of the data files through the program's readers, so the load's own copies
    // and unpacked files stay out of the folder under test; gives the staff as loaded.
    std::string loaded_staff() {
        test::TempDir copy;
        for (const char* name : {"grupy.ini", "kadra.inr", "kadra.ini", kMonthFile}) {
            if (fs::exists(dir / name)) fs::copy_file(dir / name, copy / name);
        }
        Roster roster;
        roster.data_folder = copy.path();
        const StaffLoadResult staff = wczytaj(roster);
        EXPECT_FALSE(staff.groups_failed || staff.staff_failed) << staff.message;
        roster.rebuild_worker_ids();
        roster.current_group = 0;
        roster.shown_year = 2024;
        roster.shown_month = 2;
        plik_save(roster);
        Options options;
        EXPECT_FALSE(wczytaj_dyzury_i_wolne(roster, options).failed());
        return staff_file_text(roster.workers, locale.decimal_separator());
    }

    test::TempDir dir;
    Locale locale;
    test::FakePrompter prompter;
    LargeWard a{dir.path(), 0};
    LargeWard b{dir.path(), 1};
    Version a_text, b_text;
};

// A child saving A and B in turn, endlessly, from the version given.
pid_t start_saving(LargeWard& first, LargeWard& second, const Locale& locale) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    test::FakePrompter quiet;
    for (int round = 0; round < 1000; ++round)
        test::save_everything(round % 2 == 0 ? first : second, locale, quiet);
    _exit(0);
}

TEST_F(CrashSafety, AKilledSaveLeavesEveryFileWholeAndItsTemporariesAreClearedAtStart) {
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(test::save_everything(b, locale, prompter));
    ASSERT_TRUE(test::save_everything(a, locale, prompter));
    const auto two_saves = std::chrono::steady_clock::now() - started;

    constexpr int kKills = 60;
    int left_temporaries = 0;
    for (int k = 0; k < kKills; ++k) {
        const pid_t child = k % 2 == 0 ? start_saving(b, a, locale) : start_saving(a, b, locale);
        ASSERT_GT(child, 0);
        // The kills move from the start of the first save to the end of the second.
        std::this_thread::sleep_for(two_saves * k / kKills);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        expect_each_file_whole("after kill " + std::to_string(k));
        left_temporaries =
            std::max(left_temporaries, static_cast<int>(temporaries(dir.path()).size()));
    }
    // Some kill must have hit a write in progress, or the test proved nothing.
    EXPECT_GT(left_temporaries, 0);

    // The backup of the data folder never takes a temporary file for data.
    ASSERT_TRUE(create_archive(
                    {(dir / "*.ini").string(), (dir / "*.inr").string(), (dir / "*.tbr").string()},
                    dir / "backup.bak", system_clock())
                    .ok);
    std::vector<ArchiveMember> members;
    ASSERT_TRUE(list_archive(dir / "backup.bak", members).ok);
    for (const ArchiveMember& m : members) EXPECT_EQ(m.name.find(".~tmp"), std::string::npos);
    fs::remove(dir / "backup.bak");

    // The next start clears what the killed saves left, and only that.
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        if (name.find(".~tmp") == std::string::npos) files[name] = slurp(entry.path());
    }
    test::spit(dir / ".notes.~tmp", "not ours");
    DataFolderLock lock(dir.path());
    ASSERT_EQ(lock.status(), DataFolderLock::Status::Held);
    EXPECT_EQ(temporaries(dir.path()), std::vector<std::string>{".notes.~tmp"});
    for (const auto& [name, bytes] : files) EXPECT_EQ(slurp(dir / name), bytes) << name;
}

TEST_F(CrashSafety, AWriteFailingAfterAnyNumberOfBytesKeepsTheOldFileAndIsReportedAsAFailure) {
    // Where writes stop: at the start, inside the write buffer, and around each file's size.
    std::vector<size_t> limits = {0, 1, 2, 511, 4096, 65535, 65536, 65537};
    for (const std::string* text : {&b_text.groups, &b_text.staff, &b_text.month, &b_text.options})
        for (size_t size : {text->size() - 1, text->size(), text->size() + 1})
            limits.push_back(size);
    ASSERT_TRUE(test::save_everything(b, locale, prompter));
    const size_t archive_size = fs::file_size(dir / "kadra.inr");
    for (size_t size : {archive_size - 1, archive_size, archive_size + 1}) limits.push_back(size);

    for (size_t limit : limits) {
        SCOPED_TRACE("limit " + std::to_string(limit));
        ASSERT_TRUE(test::save_everything(a, locale, prompter));
        const int status = test::run_with_file_limit(limit, [&] {
            test::FakePrompter quiet;
            return test::save_everything(b, locale, quiet);
        });
        ASSERT_NE(status, -1);
        expect_each_file_whole("limit " + std::to_string(limit));
        EXPECT_TRUE(temporaries(dir.path()).empty());
        const bool all_new = slurp(dir / "grupy.ini") == b_text.groups &&
                             test::without_save_date(slurp(dir / kMonthFile)) ==
                                 test::without_save_date(b_text.month) &&
                             slurp(dir / "konfiguracja.ini") == b_text.options &&
                             loaded_staff() == b_text.staff;
        EXPECT_TRUE(status != 0 || all_new) << "a save that lost data was reported as done";
        EXPECT_TRUE(limit != 0 || status == 1);
    }
    // With room for everything the save goes through.
    ASSERT_TRUE(test::save_everything(a, locale, prompter));
    EXPECT_EQ(test::run_with_file_limit(1 << 20,
                                        [&] { return test::save_everything(b, locale, prompter); }),
              0);
}

}  // namespace
}  // namespace tabrel
