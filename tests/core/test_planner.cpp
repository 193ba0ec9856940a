#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>

#include "editing/staffing.h"
#include "i18n/cp1250.h"
#include "planner/filling.h"
#include "planner/month_planner.h"
#include "planner/removal_weight.h"
#include "planner/top_up.h"
#include "storage/staff_file.h"
#include "support/ward_fixture.h"
#include "worktime/hour_split.h"
#include "worktime/month_save.h"

namespace tabrel {
namespace {

using test::Ward;

// June 2024: Saturday the 1st, Sundays 2, 9, 16, 23 and 30; 20 working days; 30 days.
constexpr int kYear = 2024;
constexpr int kJune = 6;
constexpr uint8_t kNever = 2;
constexpr uint8_t kAlgorithm2 = 1;
const char* const kQuestion = "Czy zatwierdzić automatycznie wpisane dyżury?";

std::string shifts_of(Ward& ward, uint16_t id) {
    const Worker& w = ward.worker(id);
    std::string days;
    for (size_t d = 0; d < ward.roster.calendar.days.size(); ++d)
        days += w.duties[d].seq == 0 ? '.' : static_cast<char>('0' + w.duties[d].shift_no);
    return days;
}

bool any_unaccepted(const Roster& roster) {
    for (const Worker& w : roster.workers) {
        for (const Duty& d : w.duties) {
            if (d.seq != 0 && !d.accepted) return true;
        }
    }
    return false;
}

Worker& neutral(Worker& w) {
    w.pref_dn = 3;
    w.pref_zs = 3;
    return w;
}

Worker& rotation(Ward& ward, uint16_t id, const std::string& pattern) {
    Worker& w = neutral(id == 5 ? ward.worker() : ward.hire(id));
    w.pref_system = true;
    w.pref_system_pattern = pattern;
    return w;
}

Worker& eight(Ward& ward, uint16_t id, double etat) {
    Worker& w = neutral(id == 5 ? ward.worker() : ward.hire(id));
    w.pref_8 = true;
    w.etat = etat;
    return w;
}

// A colleague the planner leaves alone, on the day shift every day of the month.
void colleague_every_day(Ward& ward, uint16_t id) {
    neutral(ward.hire(id));
    for (int day = 1; day <= 30; ++day) ward.duty(day, 1, 420, 720, 0, 1, id);
}

TEST(Planner, AlgorithmOneStaggersRotationWorkersAndAlgorithmTwoDoesNot) {
    for (const uint8_t algorithm : {uint8_t{0}, kAlgorithm2}) {
        Ward ward(kYear, kJune);
        ward.roster.groups[0].Algorithm = algorithm;
        ward.roster.groups[0].NormaResidueDistribution = kNever;
        for (uint16_t id : {5, 6, 7}) rotation(ward, id, "1000");
        uloz_tabrel(ward.roster, ward.options, ward.prompter, false);

        const std::string from_day_1 = "1...1...1...1...1...1...1...1.";
        EXPECT_EQ(shifts_of(ward, 5), from_day_1);
        EXPECT_EQ(shifts_of(ward, 6),
                  algorithm == 0 ? ".1...1...1...1...1...1...1...1" : from_day_1);
        EXPECT_EQ(shifts_of(ward, 7),
                  algorithm == 0 ? "..1...1...1...1...1...1...1..." : from_day_1);
        ASSERT_EQ(ward.prompter.asked.size(), 1u);
        EXPECT_EQ(cp1250_to_utf8(ward.prompter.asked[0]), kQuestion);
        EXPECT_FALSE(any_unaccepted(ward.roster));
    }
}

TEST(Planner, FullTimeEightWorkerIsNeitherTrimmedNorToppedUp) {
    for (const uint16_t day8 : {600, 300}) {
        Ward ward(kYear, kJune);
        ward.roster.groups[0].profile.day8 = day8;
        eight(ward, 5, 100);
        colleague_every_day(ward, 6);
        uloz_tabrel(ward.roster, ward.options, ward.prompter, false);
        EXPECT_EQ(shifts_of(ward, 5), "..11111..11111..11111..11111..") << day8;
        EXPECT_EQ(ward.worker().duties[2].duration, day8);
        EXPECT_EQ(ward.worker().duty_count, 20);
    }
}

// The colleague makes shift 1 staffed twice on working days: reference 45 / 25 = 1.8.
TEST(Planner, PartTimeEightWorkerIsTrimmedEarliestFirstAndToppedUp) {
    Ward ward(kYear, kJune);
    eight(ward, 5, 53);
    colleague_every_day(ward, 6);
    uloz_tabrel(ward.roster, ward.options, ward.prompter, false);

    const Worker& w = ward.worker();
    ASSERT_EQ(w.norma, 4823);
    EXPECT_EQ(shifts_of(ward, 5), ".1..............11111..11111..");
    EXPECT_FLOAT_EQ(w.duties[2].weight, 2.0f / 1.8f);  // kept by the slot it left
    const Duty& top_up = w.duties[1];
    EXPECT_EQ(top_up.duration, 4823 - 10 * 455);
    EXPECT_EQ(top_up.start, 420);
    EXPECT_TRUE(top_up.accepted);
    EXPECT_EQ(shifts_of(ward, 6), std::string(30, '1'));

    Ward never(kYear, kJune);
    never.roster.groups[0].NormaResidueDistribution = kNever;
    eight(never, 5, 53);
    colleague_every_day(never, 6);
    uloz_tabrel(never.roster, never.options, never.prompter, false);
    EXPECT_EQ(shifts_of(never, 5), "................11111..11111..");
}

TEST(Planner, OneShiftGroupTrimsOnlyByTheHolidaySlider) {
    for (const uint8_t pref_zs : {3, 5}) {
        Ward ward(kYear, kJune);
        ward.roster.groups[0].profile.shifts.resize(1);
        ward.roster.groups[0].NormaResidueDistribution = kNever;
        ward.lay_out();
        rotation(ward, 5, "1").pref_zs = pref_zs;
        uloz_tabrel(ward.roster, ward.options, ward.prompter, false);
        // Leaning to "Święta" keeps the Sundays and gives up the earliest ordinary days.
        EXPECT_EQ(shifts_of(ward, 5),
                  pref_zs == 3 ? std::string(30, '1') : ".1......1......1.....111111111");
    }
}

TEST(Planner, DeclinedRunRemovesEveryUnacceptedDutyOfTheRegister) {
    Ward ward(kYear, kJune);
    rotation(ward, 5, "1200");
    Worker& outsider = ward.hire(6);
    outsider.grupy = "2|";
    ward.duty(4, 1, 420, 720, 0, 2, 6);
    ward.worker(6).duties[3].accepted = false;
    rotation(ward, 7, "1200");
    ward.duty(10, 2, 1140, 720, 0, 1, 7);  // used time already: no pattern
    rotation(ward, 8, "1200").old = true;

    ward.prompter.answers = {false};
    uloz_tabrel(ward.roster, ward.options, ward.prompter, false);
    ASSERT_EQ(ward.prompter.asked.size(), 1u);
    EXPECT_EQ(cp1250_to_utf8(ward.prompter.asked[0]), kQuestion);
    EXPECT_FALSE(any_unaccepted(ward.roster));
    EXPECT_EQ(shifts_of(ward, 5), std::string(30, '.'));
    EXPECT_EQ(shifts_of(ward, 6), std::string(30, '.'));
    EXPECT_EQ(shifts_of(ward, 7), ".........2....................");
    EXPECT_EQ(shifts_of(ward, 8), std::string(30, '.'));
    EXPECT_EQ(ward.worker(5).duty_count, 0);  // the selected worker's summary follows
}

TEST(Planner, NothingPlacedAsksNothing) {
    Ward ward(kYear, kJune);
    neutral(ward.worker()).pref_without_auto = true;
    ward.duty(3, 1, 420, 720);
    colleague_every_day(ward, 6);
    uloz_tabrel(ward.roster, ward.options, ward.prompter, false);
    EXPECT_TRUE(ward.prompter.asked.empty());
    EXPECT_EQ(shifts_of(ward, 5), "..1...........................");
}

// Worker 5's "1000" stays below the norm; worker 6's "1" is trimmed, so the run has a reference
// (the required two on shift 1).
TEST(Planner, TopUpNeedsThisRunsReferenceAndIsNoLongerThanTheLongestShift) {
    for (const bool trimming : {false, true}) {
        Ward ward(kYear, kJune);
        ward.roster.groups[0].profile.shifts[0].zobsada = 2;
        ward.roster.groups[0].profile.shifts[1].zile = 600;
        rotation(ward, 5, "1000");
        if (trimming) rotation(ward, 6, "1");
        uloz_tabrel(ward.roster, ward.options, ward.prompter, false);

        const Worker& w = ward.worker();
        int longest = 0;
        for (const Duty& d : w.duties) longest = std::max<int>(longest, d.seq ? d.duration : 0);
        EXPECT_EQ(longest, 720) << trimming;
        EXPECT_EQ(w.duty_count, trimming ? 9 : 8);
    }
}

// A worker of groups 1 and 2 on the rotation, with a hand-placed on-request duty and a duty of
// group 2 on over-staffed days while day 1 wants a day shift.
TEST(Planner, RunNeverMovesOrRemovesDutiesItDidNotPlace) {
    for (const bool accept : {true, false}) {
        Ward ward(kYear, kJune);
        ward.roster.groups[0].profile.shifts[0].zobsada = 1;
        neutral(ward.hire(6));
        rotation(ward, 5, "1").grupy = "1|2|";
        ward.duty(5, 1, 420, 720);
        ward.worker().duties[4].on_request = true;
        ward.worker().duties[4].note = "prosba";
        ward.duty(8, 1, 480, 600, 0, 2);
        for (int day : {5, 8}) ward.duty(day, 1, 420, 720, 0, 1, 6);
        const Worker before = ward.worker();
        ward.prompter.answers = {accept};
        uloz_tabrel(ward.roster, ward.options, ward.prompter, false);

        for (int day : {5, 8}) {
            const Duty& now = ward.worker().duties[day - 1];
            const Duty& then = before.duties[day - 1];
            EXPECT_EQ(std::tie(now.seq, now.start, now.duration, now.group_id, now.note,
                               now.on_request, now.accepted),
                      std::tie(then.seq, then.start, then.duration, then.group_id, then.note,
                               then.on_request, then.accepted))
                << day << accept;
        }
    }
}

// Worker 5 of groups 1 and 2 has a group-2 duty: the group's own reading sees nothing used and
// plans the rotation; the reading of every group sees time used and leaves the worker alone.
TEST(Planner, UsedTimeIsMeasuredInTheChosenReading) {
    for (const bool all_groups : {false, true}) {
        Ward ward(kYear, kJune);
        ward.roster.groups[0].NormaResidueDistribution = kNever;
        rotation(ward, 5, "1000").grupy = "1|2|";
        ward.duty(2, 1, 480, 600, 0, 2);
        uloz_tabrel(ward.roster, ward.options, ward.prompter, all_groups);
        EXPECT_EQ(shifts_of(ward, 5),
                  all_groups ? ".1............................" : "11..1...1...1...1...1...1...1.");
        EXPECT_EQ(ward.worker().summary.worked_total, all_groups ? 600 : 8 * 720);
    }
}

// Shift 1 is staffed once every day and twice on the 6th; the worker works the night of the
// 3rd and has the summary of that.
void top_up_setting(Ward& ward) {
    colleague_every_day(ward, 6);
    ward.hire(7);
    ward.duty(6, 1, 420, 720, 0, 1, 7);
    ward.duty(3, 2, 1140, 720);
    odswiez_iledy(ward.roster);
    odswiez_pracownika(ward.roster, ward.options, 0, true);
}

// The free day with the lowest stored weight wins, a day never worked weighing 0.
TEST(Planner, TopUpTakesTheLightestFreeDayTheRulesAllow) {
    Ward ward(kYear, kJune);
    top_up_setting(ward);
    Worker& w = ward.worker();
    ASSERT_EQ(w.norma, 9100);

    w.duties[1].weight = 0.9f;
    top_up(ward.roster, ward.options, 0, 1.5f, 9100);
    EXPECT_EQ(shifts_of(ward, 5), "..2.1.........................");
    EXPECT_EQ(w.duties[4].duration, 9100 - 720);
    EXPECT_EQ(w.duties[4].start, 420);
    EXPECT_FALSE(w.duties[4].accepted);

    Ward ruled(kYear, kJune);
    top_up_setting(ruled);
    Worker& v = ruled.worker();
    for (Duty& d : v.duties) d.weight = 0.8f;
    v.duties[0].weight = 0.0f;  // the first day of the month
    v.duties[3].weight = 0.1f;  // after the night of the 3rd
    v.duties[5].weight = 0.1f;  // shift 1 above the reference
    v.duties[6].weight = 0.5f;
    v.duties[19].weight = 0.5f;  // not lighter than the 7th
    top_up(ruled.roster, ruled.options, 0, 1.5f, 9100);
    EXPECT_EQ(shifts_of(ruled, 5), "..2...1.......................");
}

// A random small ward: rotation, "8" and hand-planned workers, some also in group 2, with hand
// duties (some on request, some of group 2), days off and required staffing.
Ward random_ward(unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    Ward ward(kYear, kJune);
    Group& g = ward.roster.groups[0];
    g.Algorithm = static_cast<uint8_t>(pick(2));
    g.NormaResidueDistribution = static_cast<uint8_t>(pick(3));
    g.reset_before_automat = pick(2);
    for (Shift& s : g.profile.shifts) s.zobsada = static_cast<uint8_t>(pick(3));
    const std::string patterns[] = {"1000", "1200", "12", "1", "2100"};
    const int workers = 4 + pick(4);
    for (uint16_t id = 5; id < 5 + workers; ++id) {
        Worker& w = id == 5 ? ward.worker() : ward.hire(id);
        w.pref_dn = static_cast<uint8_t>(pick(7));
        w.pref_zs = static_cast<uint8_t>(pick(7));
        w.etat = pick(3) ? 100 : 50;
        w.pref_system = pick(3) == 0;
        w.pref_8 = !w.pref_system && pick(3) == 0;
        w.pref_system_pattern = patterns[pick(5)];
        if (pick(4) == 0) w.grupy = "1|2|";
    }
    for (int n = pick(10); n > 0; --n) {
        const auto id = static_cast<uint16_t>(5 + pick(workers));
        const int day = 1 + pick(30);
        ward.duty(day, 1 + pick(2), 420, 480 + 60 * pick(5), 0, pick(5) ? 1 : 2, id);
        ward.worker(id).duties[day - 1].on_request = pick(2);
    }
    for (int n = pick(4); n > 0; --n) {
        const int from = 1 + pick(30);
        const char kinds[] = {'u', 'z', 'n', '1', '\xBF'};
        ward.day_off(from, std::min(30, from + pick(5)), kinds[pick(5)], 1,
                     static_cast<uint16_t>(5 + pick(workers)));
    }
    odswiez_wszystkich(ward.roster, ward.options);
    return ward;
}

// Declining puts every data file back as a plain save writes it; accepting keeps every duty
// that was there before the run as it was.
TEST(PlannerProperties, DeclineRestoresTheFilesAndAcceptKeepsEveryEarlierDuty) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        for (const bool accept : {false, true}) {
            Ward ward = random_ward(seed);
            Ward plain = random_ward(seed);
            ward.prompter.answers = {accept};
            uloz_tabrel(ward.roster, ward.options, ward.prompter, seed % 2);
            for (size_t i = 0; accept && i < ward.roster.workers.size(); ++i) {
                for (int d = 0; d < kMonthSlots; ++d) {
                    const Duty& then = plain.roster.workers[i].duties[d];
                    const Duty& now = ward.roster.workers[i].duties[d];
                    if (then.seq == 0) continue;
                    EXPECT_EQ(
                        std::tie(now.seq, now.start, now.duration, now.group_id, now.shift_no,
                                 now.note, now.on_request, now.day_off_marker),
                        std::tie(then.seq, then.start, then.duration, then.group_id, then.shift_no,
                                 then.note, then.on_request, then.day_off_marker))
                        << seed << " worker " << i << " day " << d + 1;
                }
            }
            if (accept) continue;
            EXPECT_EQ(month_file_text(ward.roster, ward.options, "2024-06-30"),
                      month_file_text(plain.roster, plain.options, "2024-06-30"))
                << seed;
            EXPECT_EQ(staff_file_text(ward.roster.workers, ','),
                      staff_file_text(plain.roster.workers, ','))
                << seed;
        }
    }
}

TEST(Staffing, CountsMembersDutiesBlockedOnesTooAndClears) {
    Ward ward(kYear, kJune);
    ward.hire(6).old = true;
    ward.hire(7).grupy = "2|";
    ward.duty(1, 1, 420, 720);
    ward.duty(1, 1, 420, 720, 0, 1, 6);
    ward.duty(1, 2, 1140, 720, 0, 1, 7);
    ward.duty(2, 2, 1140, 720);
    ward.roster.calendar.days[4].shift_counts[0] = 9;
    ward.roster.calendar.days[4].extra_count = 2;

    odswiez_iledy(ward.roster);
    EXPECT_EQ(staffing(ward.roster, 0, 0), 2);
    EXPECT_EQ(staffing(ward.roster, 0, 1), 0);
    EXPECT_EQ(staffing(ward.roster, 1, 1), 1);
    EXPECT_EQ(staffing(ward.roster, 4, 0), 0);
    EXPECT_EQ(ward.roster.calendar.days[4].extra_count, 2);

    // Ordinary days: 2 on the 1st over 25 days; holidays: 0 over 5.
    const auto reference = reference_staffing(ward.roster);
    ASSERT_EQ(reference.size(), 2u);
    EXPECT_FLOAT_EQ(reference[0].ordinary, 2.0f / 25.0f);
    EXPECT_FLOAT_EQ(reference[1].holiday, 1.0f / 5.0f);
    ward.roster.groups[0].profile.shifts[1].zobsada = 3;
    ward.roster.groups[0].profile.shifts[1].zobsadas = 2;
    EXPECT_FLOAT_EQ(reference_staffing(ward.roster)[1].ordinary, 3.0f);
    EXPECT_FLOAT_EQ(reference_staffing(ward.roster)[1].holiday, 2.0f);

    czysc_iledy(ward.roster);
    EXPECT_EQ(staffing(ward.roster, 0, 0), 0);
    EXPECT_EQ(ward.roster.calendar.days[4].extra_count, 0);
}

// Day 3 is a Monday, day 2 a Sunday. The worker leans to nights (5) and to ordinary days (1).
TEST(Planner, RemovalWeightFollowsStaffingAndBothSliders) {
    Ward ward(kYear, kJune);
    ward.roster.groups[0].profile.shifts.resize(3);
    for (Shift& s : ward.roster.groups[0].profile.shifts) {
        s.zobsada = 2;
        s.zobsadas = 1;
    }
    ward.lay_out();
    ward.roster.calendar.days[2].shift_counts = {3, 1, 2};
    ward.roster.calendar.days[1].shift_counts = {1, 2, 0};
    Worker& w = ward.worker();
    w.pref_dn = 5;
    w.pref_zs = 1;
    const auto reference = reference_staffing(ward.roster);
    const auto weight = [&](int day_index, int shift_no) {
        return removal_weight(ward.roster, reference, w, day_index, shift_no);
    };
    EXPECT_FLOAT_EQ(weight(2, 1), 1.5f + 0.4f - 0.4f);
    EXPECT_FLOAT_EQ(weight(2, 2), 0.5f - 0.4f - 0.4f);
    EXPECT_FLOAT_EQ(weight(2, 3), 1.0f - 0.4f);  // shift 3 is neither day nor night
    EXPECT_FLOAT_EQ(weight(1, 1), 1.0f + 0.4f + 0.4f);
    EXPECT_FLOAT_EQ(weight(1, 2), 2.0f - 0.4f + 0.4f);
    EXPECT_FLOAT_EQ(weight(2, 0), weight(2, 1));
    EXPECT_FLOAT_EQ(weight(2, 7), weight(2, 3));

    w.pref_dn = 1;
    EXPECT_FLOAT_EQ(weight(2, 1), 1.5f - 0.4f - 0.4f);
    EXPECT_FLOAT_EQ(weight(2, 2), 0.5f + 0.4f - 0.4f);
    ward.roster.groups[0].profile.shifts.resize(1);
    EXPECT_FLOAT_EQ(weight(2, 1), -0.4f);
    EXPECT_FLOAT_EQ(weight(1, 1), 0.4f);
}

TEST(Planner, FillingMovesARotationDutyFromAnOverstaffedSlot) {
    Ward ward(kYear, kJune);
    ward.roster.groups[0].profile.shifts[1].zobsada = 2;
    rotation(ward, 5, "1");
    rotation(ward, 6, "1");
    for (uint16_t id : {5, 6}) ward.duty(1, 1, 420, 600, 0, 1, id);
    ward.worker(5).duties[0].accepted = false;
    ward.duty(2, 2, 1140, 720, 0, 1, 6);
    odswiez_iledy(ward.roster);

    // First every unstaffed slot, and only then the under-staffed ones.
    EXPECT_EQ(znajdz_puste_iledy(ward.roster), (StaffingSlot{0, 1}));
    ward.roster.calendar.days[0].shift_counts[1] = 1;
    EXPECT_EQ(znajdz_puste_iledy(ward.roster), (StaffingSlot{2, 1}));

    // Both donors work the target day: the donor is named, nothing moves.
    EXPECT_EQ(znajdz_nadmiarowe_iledy(ward.roster, ward.options, ward.prompter, {0, 1}),
              (StaffingSlot{0, 0}));
    EXPECT_EQ(staffing(ward.roster, 0, 0), 2);

    // Worker 6 works the 2nd; worker 5 moves to its night, keeping length and acceptance.
    EXPECT_EQ(znajdz_nadmiarowe_iledy(ward.roster, ward.options, ward.prompter, {1, 1}),
              (StaffingSlot{0, 0}));
    EXPECT_EQ(shifts_of(ward, 5), ".2............................");
    const Duty& moved = ward.worker(5).duties[1];
    EXPECT_EQ(moved.start, 1140);
    EXPECT_EQ(moved.duration, 600);
    EXPECT_EQ(moved.day_no, 2);
    EXPECT_FALSE(moved.accepted);
    EXPECT_EQ(staffing(ward.roster, 0, 0), 1);

    EXPECT_FALSE(znajdz_nadmiarowe_iledy(ward.roster, ward.options, ward.prompter, {2, 1}).found());
}

}  // namespace
}  // namespace tabrel
