#include <gtest/gtest.h>

#include "i18n/cp1250.h"
#include "storage/month_file.h"
#include "storage/month_paths.h"
#include "support/told.h"
#include "support/ward_fixture.h"
#include "worktime/month_rebuild.h"
#include "worktime/month_save.h"

namespace tabrel {
namespace {

using test::slurp;
using test::spit;
using test::TempDir;
using test::Ward;

constexpr const char* kDate = "08.12.2026";

// "|" stands for the separator byte 0xA4 and "?" for the letter byte 0xBF, so that expected
// texts stay readable.
std::string bytes(std::string text) {
    for (char& c : text) {
        if (c == '|') c = '\xA4';
        if (c == '?') c = '\xBF';
    }
    return text;
}

std::string lines(std::initializer_list<const char*> items) {
    std::string text;
    for (const char* line : items) text += std::string(line) + "\r\n";
    return bytes(text);
}

const std::string kCalendarHead = lines({"[info]",
                                         "wersja=3.50",
                                         "data=08.12.2026",
                                         "",
                                         "[urlop_normatyw]",
                                         "?=0",
                                         "u=1",
                                         "m=1",
                                         "w=1",
                                         "s=1",
                                         "z=1",
                                         "o=1",
                                         "n=0",
                                         "i=1",
                                         "1=0",
                                         "7=0",
                                         "b=1",
                                         "r=1",
                                         "d=1",
                                         "h=1",
                                         "a=1",
                                         "9=0",
                                         "k=1",
                                         "j=1",
                                         "t=1",
                                         "c=1",
                                         "5=0",
                                         "",
                                         "[kalendarz_ostre_dyzury]"});

// May 2024 of group 1 with data in a temporary folder: 20 working days, norm 151:40.
struct MonthWard : Ward {
    TempDir dir;
    MonthWard(int year = 2024, int month = 5) : Ward(year, month) {
        roster.data_folder = dir.path();
        plik_save(roster);
    }
    MonthLoadResult reload() {
        MonthLoadResult result = test::told(prompter, wczytaj_dyzury_i_wolne(roster, options));
        normatyw(roster, options,
                 {roster.shown_year, roster.shown_month + 1, true, &result.file, {}});
        return result;
    }
};

TEST(MonthFile, WritesEverySectionByteForByte) {
    MonthWard w;
    w.hire(12).own_norm_set = true;
    w.worker(12).own_norm = 6000;
    w.worker(5).carry_manual = 30;
    w.roster.calendar.days[9].kalendarz_ostre_dyzury = true;
    w.roster.calendar.days[2].kalendarz_notatki = "Zebranie\r\nsala 2";
    Group deleted;
    deleted.id = 2;
    deleted.old = true;
    w.roster.groups.push_back(deleted);
    w.duty(8, 1, 420, 720);
    w.worker(5).duties[7].note = bytes("a|b\r\n");
    w.worker(5).duties[7].on_request = true;
    w.duty(5, 2, 420, 720, 0, 3, 12);
    w.duty(6, 1, 420, 720, 0, 2, 12);
    w.day_off(13, 17, 'u');
    w.worker(5).days_off[12].minutes = 2275;
    Duty stranger;
    stranger.group_id = 1;
    stranger.worker_id = 99;
    stranger.day_no = 9;
    stranger.shift_no = 1;
    stranger.start = 420;
    stranger.duration = 720;
    stranger.overtime = 30;
    w.roster.dodaj_dyzur(stranger, w.roster.worker_index(99));

    const std::string expected =
        kCalendarHead +
        lines({"9=1", "", "[kalendarz_wlasny]", "", "[kalendarz_notatki]", "2=Zebranie|sala 2", "",
               "[g1]", "NewPeriod=0", "CustomNorma=0", "Norma=0", "day8=455", "sob_swieto=0",
               "wolne_za_sob_swieto=0", "noc_w_swieto_jak_swieto=0", "bez_swiat=0", "", "[dyzury]",
               "d1=1|5|8|720|1|420|0|a b  |1", "d2=3|12|5|720|2|420|0||0",
               "d3=2|12|6|720|1|420|0||0", "d4=1|99|9|720|1|420|30||0", "", "[wolne]",
               "w1=1|5|13|17|2275|u", "", "[normatywy_wlasne]", "12=6000", "",
               "[manu_nadpracowania]", "5=30", "", "[auto_nadpracowania_z_poprzedniego]", "",
               "[auto_nadpracowania]",
               // 12:00 worked + 37:55 leave against 151:40 - 0:30
               "5=-6075",
               // 24:00 worked in groups 2 and 3 against the own 100:00
               "12=-4560"});
    EXPECT_EQ(month_file_text(w.roster, w.options, kDate), expected);
}

TEST(MonthFile, AnEmptyMonthKeepsOnlyItsCalendar) {
    MonthWard w;
    w.roster.calendar.days[0].kalendarz_wlasny = true;
    EXPECT_TRUE(is_empty_month(w.roster));
    EXPECT_EQ(month_file_text(w.roster, w.options, kDate),
              kCalendarHead + lines({"", "[kalendarz_wlasny]", "0=1", "", "[kalendarz_notatki]"}));

    w.roster.groups[0].NewPeriod = true;
    EXPECT_FALSE(is_empty_month(w.roster));
    w.roster.groups[0].NewPeriod = false;
    w.worker().own_norm_set = true;  // an own norm alone must not be lost
    EXPECT_FALSE(is_empty_month(w.roster));
}

TEST(MonthFile, SavedAndLoadedAgainIsByteIdentical) {
    MonthWard w;
    w.hire(12);
    w.duty(8, 1, 420, 720, 45);
    w.worker().duties[7].note = "Zamiana";
    w.duty(9, 2, 1140, 720, 0, 1, 12);
    w.worker(12).duties[8].on_request = true;
    w.day_off(13, 17, 'u');
    w.day_off(20, 20, kNoDutyLetter, 1, 12);
    w.worker(12).carry_manual = -90;
    w.worker(12).carry_auto = 15;
    w.roster.calendar.days[4].kalendarz_notatki = "Linia 1\r\nLinia 2";
    ASSERT_TRUE(zapisz_dyzury_i_wolne(w.roster, w.options, Locale{}, system_clock()));
    const std::string first = slurp(w.roster.month_file);

    MonthWard fresh;
    fresh.hire(12);
    fresh.roster.data_folder = w.dir.path();
    plik_save(fresh.roster);
    ASSERT_FALSE(fresh.reload().failed());
    const Worker& a = fresh.worker(5);
    EXPECT_EQ(a.duties[7].note, "Zamiana");
    EXPECT_EQ(a.duties[7].overtime, 45);
    EXPECT_TRUE(a.duties[7].accepted);
    EXPECT_TRUE(fresh.worker(12).duties[8].on_request);
    EXPECT_EQ(a.days_off[12].to_day, 17);
    EXPECT_TRUE(a.duties[14].day_off_marker);
    EXPECT_FALSE(fresh.worker(12).duties[19].day_off_marker);
    EXPECT_EQ(fresh.worker(12).carry_total, -75);
    EXPECT_EQ(fresh.roster.calendar.days[4].kalendarz_notatki, "Linia 1\r\nLinia 2");
    ASSERT_TRUE(zapisz_dyzury_i_wolne(fresh.roster, fresh.options, Locale{}, system_clock()));
    EXPECT_EQ(slurp(w.roster.month_file), first);
}

TEST(MonthFile, ShortLinesGapsStrangersAndMissingSectionsLoad) {
    MonthWard w;
    w.roster.groups[0].default_profile.day8 = 480;
    w.roster.groups[0].default_profile.sob_swieto = true;
    w.roster.groups[0].NewPeriod = true;
    spit(w.roster.month_file,
         lines({"[dyzury]", "d1=1|5|3|720|1|420|0", "d2=1|5|4|600|27|1140|0|Uwaga",
                "D3=1|99|6|720|1|420|0||1", "d5=1|5|7|720|1|420|0||1", "[wolne]", "w1=1|5|20|22|0|",
                "w2=1|77|1|2|0|u"}));
    ASSERT_FALSE(w.reload().failed());
    const Worker& x = w.worker();
    EXPECT_EQ(x.duties[2].note, "");
    EXPECT_FALSE(x.duties[2].on_request);
    EXPECT_EQ(x.duties[3].shift_no, 2);
    EXPECT_EQ(x.duties[3].note, "Uwaga");
    EXPECT_EQ(x.duties[6].seq, 0);  // after the gap
    EXPECT_EQ(x.days_off[19].kind, kOtherLetter);
    ASSERT_EQ(w.roster.detached_duties.size(), 1u);
    EXPECT_TRUE(w.roster.detached_duties[0].on_request);
    ASSERT_EQ(w.roster.detached_days_off.size(), 1u);
    const Group& g = w.roster.groups[0];
    EXPECT_EQ(g.profile.day8, 480);
    EXPECT_TRUE(g.profile.sob_swieto);
    EXPECT_FALSE(g.NewPeriod);

    const std::string text = month_file_text(w.roster, w.options, kDate);
    EXPECT_NE(text.find(bytes("d3=1|99|6|720|1|420|0||1\r\n")), std::string::npos);
    EXPECT_NE(text.find(bytes("w2=1|77|1|2|0|u\r\n")), std::string::npos);
}

TEST(MonthFile, ABadNumberStopsTheLoadAndKeepsWhatWasRead) {
    MonthWard w;
    spit(w.roster.month_file,
         lines({"[dyzury]", "d1=1|5|3|720|1|420|0||0", "d2=1|5|x|720|1|420|0||0",
                "d3=1|5|9|720|1|420|0||0", "[manu_nadpracowania]", "5=30"}));
    const MonthLoadResult result = w.reload();
    EXPECT_TRUE(result.failed());
    EXPECT_NE(result.status.message().find("2024_05.tbr"), std::string::npos);
    EXPECT_NE(result.status.message().find(", wiersz 3"), std::string::npos);
    EXPECT_NE(w.worker().duties[2].seq, 0);
    EXPECT_EQ(w.worker().duties[8].seq, 0);

    spit(w.roster.month_file, lines({"[wolne]", "w1=1|5|3|4"}));
    EXPECT_TRUE(w.reload().failed());  // the kind may be missing, the minutes may not
}

TEST(MonthFile, CarryLinesOfWorkersOutsideTheRegisterAreWrittenBackAsRead) {
    MonthWard w;
    spit(w.roster.month_file, lines({"[g1]", "NewPeriod=1", "[normatywy_wlasne]", "99=6000",
                                     "5=4800", "[manu_nadpracowania]", "99=-30", "abc=7", "99=8",
                                     "[auto_nadpracowania_z_poprzedniego]", "77=15", "5=20"}));
    ASSERT_FALSE(w.reload().failed());
    EXPECT_EQ(w.worker().own_norm, 4800);
    const std::string text = month_file_text(w.roster, w.options, kDate);
    EXPECT_EQ(text.substr(text.find("[dyzury]")),
              lines({"[dyzury]", "", "[wolne]", "", "[normatywy_wlasne]", "5=4800", "99=6000", "",
                     "[manu_nadpracowania]", "99=-30", "abc=7", "",
                     "[auto_nadpracowania_z_poprzedniego]", "77=15", "", "[auto_nadpracowania]"}));

    w.worker().own_norm_set = false;  // the kept lines alone make the month worth writing
    EXPECT_FALSE(is_empty_month(w.roster));
}

TEST(MonthFile, AnInvertedDayOffStaysAsItIsCountsNothingAndIsToldOnce) {
    MonthWard w;
    spit(w.roster.month_file, lines({"[wolne]", "w1=1|5|10|8|0|u", "w2=1|5|20|20|455|u",
                                     "w3=1|5|25|22|0|o", "w4=1|77|9|2|0|u"}));
    ASSERT_FALSE(w.reload().failed());
    EXPECT_EQ(w.prompter.informed,
              std::vector<std::string>{
                  "Wolne ko\xF1"
                  "cz\xB9"
                  "ce si\xEA przed swoim pierwszym dniem nie jest liczone i zostaje zapisane bez "
                  "zmian: 2024_05.tbr [wolne] w1, w3, w4"});
    EXPECT_FALSE(w.worker().duties[8].day_off_marker);
    w.refresh();
    EXPECT_EQ(w.worker().summary.leave_toward_norm, 455);
    EXPECT_EQ(w.worker().leave_count, 1);
    const std::string text = month_file_text(w.roster, w.options, kDate);
    EXPECT_NE(text.find(lines({"[wolne]", "w1=1|5|10|8|0|u", "w2=1|5|20|20|455|u",
                               "w3=1|5|25|22|0|o", "w4=1|77|9|2|0|u"})),
              std::string::npos);
}

TEST(MonthFile, TheBalanceCarriesIntoTheNextMonthWithAutomaticCarry) {
    MonthWard april(2024, 4);  // 21 working days: norm 159:15
    april.duty(8, 1, 420, 720);
    april.worker().carry_auto = 100;
    ASSERT_TRUE(zapisz_dyzury_i_wolne(april.roster, april.options, Locale{}, system_clock()));
    const std::string saved = slurp(april.roster.month_file);
    EXPECT_NE(saved.find("[auto_nadpracowania]\r\n5=-8735\r\n"), std::string::npos);

    MonthWard may;
    may.roster.data_folder = april.dir.path();
    plik_save(may.roster);
    spit(may.roster.month_file, lines({"[auto_nadpracowania_z_poprzedniego]", "5=40",
                                       "[manu_nadpracowania]", "5=7", "[nadpracowania]", "5=9"}));
    may.reload();
    EXPECT_EQ(may.worker().carry_auto, 40);
    EXPECT_EQ(may.worker().carry_manual, 9);  // the old section while carrying by hand

    may.options.ng_przenos = true;
    may.reload();
    EXPECT_EQ(may.worker().carry_auto, -8735);
    EXPECT_EQ(may.worker().carry_manual, 7);
    EXPECT_EQ(may.worker().carry_total, -8728);

    spit(may.roster.month_file, lines({"[g1]", "NewPeriod=1", "[manu_nadpracowania]", "5=7"}));
    may.reload();
    EXPECT_EQ(may.worker().carry_auto, 0);
    EXPECT_EQ(may.worker().carry_total, 7);
}

TEST(MonthFile, LoadingRemovesTheRestoreMarkerAndKeepsCompanionCopies) {
    MonthWard w;
    const std::string text = lines({"[dyzury]", "d1=1|5|3|720|1|420|0||0"});
    spit(w.roster.month_file, text);
    spit(restore_marker(w.roster.month_file), "x");
    w.reload();
    EXPECT_FALSE(std::filesystem::exists(restore_marker(w.roster.month_file)));
    EXPECT_EQ(slurp(w.dir / "2024_05.tbr.bak"), text);
    EXPECT_EQ(slurp(w.dir / "2024_05.tbr.err"), text);
    EXPECT_EQ(w.roster.previous_month_file, w.dir / "2024_04.tbr");
    EXPECT_EQ(w.roster.next_month_file, w.dir / "2024_06.tbr");
}

}  // namespace
}  // namespace tabrel
