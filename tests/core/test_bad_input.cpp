#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>

#include "app/app_state.h"
#include "app/exit_procedure.h"
#include "app/month_switch.h"
#include "i18n/cp1250.h"
#include "storage/archive.h"
#include "storage/group_file.h"
#include "storage/options_file.h"
#include "storage/staff_file.h"
#include "storage/staff_files.h"
#include "support/file_size_limit.h"
#include "support/ward_fixture.h"
#include "worktime/month_save.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;
using test::slurp;
using test::spit;

// A small ward saved as the program saves it: groups, staff, March 2024 and the configuration.
struct SavedWard {
    test::TempDir dir;
    test::Ward ward{2024, 3};
    Locale locale;

    SavedWard() {
        ward.roster.data_folder = dir.path();
        ward.duty(4, 1, 420, 720);
        ward.duty(6, 2, 1140, 720);
        EXPECT_TRUE(zapisz(ward.roster, locale, system_clock()));
        EXPECT_TRUE(zapisz_dyzury_i_wolne(ward.roster, ward.options, locale, system_clock()));
        EXPECT_TRUE(zapisz_opcje(dir.path(), ward.options, "polski", false));
    }
    fs::path operator/(const std::string& name) const { return dir / name; }
};

// What a folder holds, by name: a file's bytes, "<folder>" or "<pipe>"; an archive by the
// files it unpacks to, since it also stores the moment it was written.
std::map<std::string, std::string> folder_state(const fs::path& folder) {
    std::map<std::string, std::string> state;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory()) {
            state[name] = "<folder>";
        } else if (entry.is_fifo()) {
            state[name] = "<pipe>";
        } else if (entry.path().extension() == ".inr") {
            test::TempDir unpacked;
            const bool ok = extract_archive(entry.path(), unpacked.path()).ok;
            state[name] = ok ? slurp(unpacked / "kadra.ini") : slurp(entry.path());
        } else {
            state[name] = slurp(entry.path());
        }
    }
    return state;
}

// Every file that was there is as it was; the load may add its backup copies.
void expect_kept(const std::map<std::string, std::string>& before, const fs::path& folder) {
    const auto after = folder_state(folder);
    for (const auto& [name, content] : before) {
        const auto found = after.find(name);
        ASSERT_NE(found, after.end()) << name << " was removed";
        EXPECT_EQ(found->second, content) << name << " was changed";
    }
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Cuts the file in the middle of the line holding `inside`, just after it.
void cut_after(const fs::path& file, const std::string& inside) {
    const std::string text = slurp(file);
    const size_t at = text.find(inside);
    ASSERT_NE(at, std::string::npos) << inside;
    spit(file, text.substr(0, at + inside.size()));
}

void folder_in_place(const fs::path& file) {
    fs::remove(file);
    fs::create_directory(file);
    spit(file / "inside", "kept");
}

void pipe_in_place(const fs::path& file) {
    fs::remove(file);
    ASSERT_EQ(mkfifo(file.c_str(), 0644), 0);
}

// kadra.inr holding the given staff file.
void pack_staff(const SavedWard& w, const std::string& staff_text) {
    spit(w / "kadra.ini", staff_text);
    fs::remove(w / "kadra.inr");
    ASSERT_TRUE(create_archive({(w / "kadra.ini").string()}, w / "kadra.inr", system_clock()).ok);
    fs::remove(w / "kadra.ini");
}

struct BadFile {
    const char* what;
    std::function<void(const SavedWard&)> spoil;
    const char* command;
    std::vector<std::string> told;  // what the message must say (UTF-8)
};

TEST(BadInput, AFileThatCannotBeReadIsReportedByNameAndNothingOnDiskIsLost) {
    const std::string not_a_number = "nie jest poprawną liczbą całkowitą";
    const std::string cannot_read = "Nie można odczytać pliku ";
    const std::vector<BadFile> cases = {
        {"a letter in a number of grupy.ini",
         [](const SavedWard& w) {
             spit(w / "grupy.ini", replaced(slurp(w / "grupy.ini"),
                                            "g\xA4"
                                            "1\xA4",
                                            "g\xA4"
                                            "x\xA4"));
         },
         "resave",
         {"grupy.ini, wiersz 1", not_a_number}},
        {"grupy.ini cut inside a colour",
         [](const SavedWard& w) {
             cut_after(w / "grupy.ini",
                       "\xA4"
                       "cl");
         },
         "resave",
         {"grupy.ini, wiersz 1", "nie jest poprawnym kolorem"}},
        {"a folder named grupy.ini",
         [](const SavedWard& w) { folder_in_place(w / "grupy.ini"); },
         "resave",
         {cannot_read + "grupy.ini"}},
        {"a pipe named grupy.ini",
         [](const SavedWard& w) { pipe_in_place(w / "grupy.ini"); },
         "resave",
         {cannot_read + "grupy.ini"}},
        {"a letter in a number of kadra.ini",
         [](const SavedWard& w) {
             pack_staff(w, replaced(staff_file_text(w.ward.roster.workers, ','),
                                    "p\xA4"
                                    "5\xA4",
                                    "p\xA4"
                                    "5x\xA4"));
         },
         "resave",
         {"kadra.ini, wiersz 1", not_a_number}},
        {"kadra.inr cut in half",
         [](const SavedWard& w) {
             const std::string archive = slurp(w / "kadra.inr");
             spit(w / "kadra.inr", archive.substr(0, archive.size() / 2));
         },
         "resave",
         {"Błąd odczytu archiwum: kadra.inr"}},
        {"an empty kadra.inr",
         [](const SavedWard& w) { spit(w / "kadra.inr", ""); },
         "resave",
         {"kadra.inr"}},
        {"a folder named kadra.inr",
         [](const SavedWard& w) { folder_in_place(w / "kadra.inr"); },
         "resave",
         {"kadra.inr"}},
        {"a folder named tabrel.ini",
         [](const SavedWard& w) { folder_in_place(w / "tabrel.ini"); },
         "resave",
         {cannot_read + "tabrel.ini"}},
        {"a letter in a duty of the month",
         [](const SavedWard& w) {
             spit(w / "2024_03.tbr", replaced(slurp(w / "2024_03.tbr"),
                                              "d2=1\xA4"
                                              "5\xA4"
                                              "6",
                                              "d2=1\xA4"
                                              "5\xA4"
                                              "x"));
         },
         "month-resave 2024-03",
         {"2024_03.tbr [dyzury], wiersz", not_a_number}},
        {"the month cut inside a duty",
         [](const SavedWard& w) {
             cut_after(w / "2024_03.tbr",
                       "d2=1\xA4"
                       "5\xA4");
         },
         "month-resave 2024-03",
         {"2024_03.tbr [dyzury], wiersz"}},
        {"a folder named as the month",
         [](const SavedWard& w) { folder_in_place(w / "2024_03.tbr"); },
         "month-resave 2024-03",
         {cannot_read + "2024_03.tbr", "nie zostanie zapisany"}},
        {"a pipe named as the month",
         [](const SavedWard& w) { pipe_in_place(w / "2024_03.tbr"); },
         "month-resave 2024-03",
         {cannot_read + "2024_03.tbr"}},
    };
    for (const BadFile& c : cases) {
        SCOPED_TRACE(c.what);
        SavedWard w;
        c.spoil(w);
        const auto before = folder_state(w.dir.path());
        const test::CliRun run = test::run_cli(w.dir.path(), c.command);
        EXPECT_EQ(run.status, 1);
        for (const std::string& words : c.told)
            EXPECT_NE(run.err.find(words), std::string::npos) << run.err;
        expect_kept(before, w.dir.path());
    }
}

TEST(BadInput, APreviousMonthThatCannotBeReadIsToldWhenItsCarryIsTaken) {
    test::TempDir dir;
    test::Ward ward(2024, 3);
    ward.roster.data_folder = dir.path();
    ward.options.ng_przenos = true;
    Locale locale;
    MonthSwitch months(ward.roster, ward.options, ward.prompter, locale, system_clock());
    spit(dir / "2024_02.tbr", "[auto_nadpracowania]\r\n5=120\r\n");
    months.switch_to(2024, 3);
    EXPECT_EQ(ward.worker().carry_auto, 120);
    EXPECT_TRUE(ward.prompter.errors.empty());

    folder_in_place(dir / "2024_02.tbr");
    months.switch_to(2024, 3);
    EXPECT_EQ(ward.worker().carry_auto, 0);
    ASSERT_EQ(ward.prompter.errors.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(ward.prompter.errors[0]),
              "Nie można odczytać pliku 2024_02.tbr. Nadgodziny z poprzedniego miesiąca nie "
              "zostały przeniesione.");
}

TEST(BadInput, AFullDiskIsReportedAsAFailedSaveAndTheOldFilesStayWhole) {
    SavedWard w;
    // An older month file with a shorter date line: the load's copies of it fit under the
    // limit, the new month file does not.
    const std::string month = slurp(w / "2024_03.tbr");
    const size_t date_at = month.find("data=") + 5;
    const std::string old_month =
        month.substr(0, date_at) + "1.1.24" + month.substr(month.find("\r\n", date_at));
    spit(w / "2024_03.tbr", old_month);
    ASSERT_LT(staff_file_text(w.ward.roster.workers, ',').size(), old_month.size());
    auto before = folder_state(w.dir.path());

    test::CliRun run =
        test::run_cli_with_file_limit(w.dir.path(), "month-resave 2024-03", old_month.size());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Nie można zapisać pliku " + (w / "2024_03.tbr").string() +
                           ": plik jest za duży dla tego dysku. Poproś o pomoc informatyka."),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("the month was not saved"), std::string::npos);
    expect_kept(before, w.dir.path());

    // Nothing fits: the staff are read from kadra.inr in memory, but neither file can be
    // written again, and both stay whole.
    before = folder_state(w.dir.path());
    run = test::run_cli_with_file_limit(w.dir.path(), "resave", 0);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Nie można zapisać pliku " + (w / "kadra.ini").string() +
                           ": plik jest za duży dla tego dysku."),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("Nie można zapisać pliku " + (w / "grupy.ini").string()),
              std::string::npos);
    expect_kept(before, w.dir.path());
    for (const auto& entry : fs::directory_iterator(w.dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".~tmp"), std::string::npos);

    // With room the same commands go through.
    EXPECT_EQ(test::run_cli_with_file_limit(w.dir.path(), "month-resave 2024-03", 1 << 20).status,
              0);
    EXPECT_NE(slurp(w / "2024_03.tbr"), old_month);
}

TEST(BadInput, AConfigurationThatCannotBeReadIsNeverWrittenOver) {
    for (auto spoil : {folder_in_place, pipe_in_place}) {
        test::TempDir program;
        fs::create_directory(program / "dane");
        spoil(program / "dane" / "konfiguracja.ini");
        const auto before = folder_state(program / "dane");
        test::FakePrompter prompter;
        Locale locale;
        AppState app(program.path(), prompter, locale, system_clock());
        ASSERT_EQ(app.open_data_folder(), AppState::OpenResult::Ok);
        app.load_options();
        ASSERT_EQ(prompter.errors.size(), 1u);
        EXPECT_EQ(cp1250_to_utf8(prompter.errors[0]),
                  "Nie można odczytać pliku konfiguracja.ini. Program użyje ustawień domyślnych, "
                  "a plik pozostanie bez zmian.");
        EXPECT_EQ(app.options().autoarchiving, Options{}.autoarchiving);
        EXPECT_FALSE(app.save_exit_state());
        ASSERT_EQ(prompter.errors.size(), 2u);
        EXPECT_EQ(cp1250_to_utf8(prompter.errors[1]),
                  "Nie można odczytać pliku konfiguracja.ini. Ustawienia nie zostały w nim "
                  "zapisane, aby go nie nadpisać.");
        const Status saved = zapisz_opcje(app.data_folder(), app.options(), "polski", false);
        EXPECT_FALSE(saved);
        EXPECT_EQ(saved.message(), prompter.errors[1]);
        expect_kept(before, program / "dane");
    }

    // A value that is not a number keeps its default and its line stays as written.
    SavedWard w;
    const std::string text = "[glowne]\r\nautoarchiving=co tydzien\r\n";
    spit(w / "konfiguracja.ini", text);
    Options options;
    ASSERT_TRUE(save_exit_state(w.dir.path(), options, w.locale));
    EXPECT_EQ(slurp(w / "konfiguracja.ini").rfind(text, 0), 0u);
}

TEST(BadInput, ADataFolderThatCannotBeLockedSaysWhy) {
    test::TempDir program;
    const fs::path data = program / "dane";
    fs::create_directories(data / "tabrel.lock");
    test::FakePrompter prompter;
    Locale locale;
    AppState app(program.path(), prompter, locale, system_clock());
    EXPECT_EQ(app.open_data_folder(), AppState::OpenResult::Failed);
    ASSERT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(prompter.errors[0]),
              "Nie można zablokować folderu danych " + data.string() +
                  "\r\nNie można zapisać pliku " + (data / "tabrel.lock").string() +
                  ": w miejscu pliku jest folder o tej samej nazwie. Przenieś ten folder w inne "
                  "miejsce i spróbuj ponownie.");
}

TEST(BadInput, AFailedMonthSaveKeepsTheEditsAndTheMonthShownWhenTheUserSaysSo) {
    test::TempDir program;
    test::FakePrompter prompter;
    Locale locale;
    AppState app(program.path(), prompter, locale, system_clock());
    ASSERT_EQ(app.open_data_folder(), AppState::OpenResult::Ok);
    test::Ward ward(2024, 3);
    app.roster().groups = ward.roster.groups;
    app.roster().workers = ward.roster.workers;
    app.roster().current_group = 0;
    app.roster().rebuild_worker_ids();
    app.options().autoarchiving = 0;
    app.months().switch_to(2024, 3);
    Duty d;
    d.worker_id = 5;
    d.group_id = 1;
    d.day_no = 9;
    d.shift_no = 1;
    d.start = 420;
    d.duration = 720;
    app.roster().dodaj_dyzur(d, 0);
    const fs::path month = app.data_folder() / "2024_03.tbr";
    folder_in_place(month);

    // Going to April would drop March's edits: the user may stay on March.
    prompter.answers = {false};
    app.months().switch_to(2024, 4);
    EXPECT_EQ(app.roster().shown_month, 2);
    EXPECT_EQ(app.roster().month_file, month);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(prompter.asked[0]),
              "Nie udało się zapisać tego miesiąca. Czy mimo to przejść do innego miesiąca? "
              "Zmiany wprowadzone w tym miesiącu zostaną utracone.");

    prompter.answers = {true, false};  // close? yes; close without the month saved? no
    EXPECT_FALSE(run_exit_procedure(app, {}));
    ASSERT_EQ(prompter.asked.size(), 3u);
    EXPECT_EQ(cp1250_to_utf8(prompter.asked[2]),
              "Nie udało się zapisać danych. Czy mimo to zamknąć program?");
    ASSERT_EQ(prompter.errors.size(), 2u);
    EXPECT_EQ(cp1250_to_utf8(prompter.errors[1]),
              "Nie można zapisać pliku " + month.string() +
                  ": w miejscu pliku jest folder o tej samej nazwie. Przenieś ten folder w inne "
                  "miejsce i spróbuj ponownie.");
    EXPECT_NE(app.roster().workers[0].duties[8].seq, 0);

    // Once the folder is moved away the same exit saves the duty.
    fs::remove_all(month);
    prompter.answers = {true};
    EXPECT_TRUE(run_exit_procedure(app, {}));
    EXPECT_NE(slurp(month).find("d1=1\xA4"
                                "5\xA4"
                                "9\xA4"
                                "720"),
              std::string::npos);
}

}  // namespace
}  // namespace tabrel
