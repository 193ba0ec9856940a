#include <gtest/gtest.h>

#include "editing/symbols.h"
#include "i18n/cp1250.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

using test::Ward;
using Mode = SymbolMode;

// Group 1 of the ward: shift 1 "R" 07:00 for 12:00, shift 2 "N" 19:00 for 12:00.
struct SymbolWard : Ward {
    SymbolWard() : Ward(2024, 5) { roster.calendar.group_norm_remainder = 195; }

    std::string symbol(int start, int duration, Mode mode, int shift = 1, uint16_t group = 1,
                       std::string_view format = "txt") {
        Duty d;
        d.start = static_cast<uint16_t>(start);
        d.duration = static_cast<uint16_t>(duration);
        d.shift_no = static_cast<uint8_t>(shift);
        d.group_id = group;
        return dyzur2symbol(roster, options, d, mode, format);
    }
};

TEST(DutySymbol, ShiftThenRemainderThenEightLength) {
    SymbolWard w;
    w.roster.groups[0].profile.day8 = 720;
    EXPECT_EQ(w.symbol(420, 720, Mode::KSymbol), "R");
    EXPECT_EQ(w.symbol(1140, 720, Mode::Ile, 2), "N");
    EXPECT_EQ(w.symbol(480, 720, Mode::KSymbol), "8");
    EXPECT_EQ(w.symbol(1140, 720, Mode::OdDo, 1), "8");

    EXPECT_EQ(w.symbol(600, 195, Mode::Ile), "D");
    w.options.symbol_d = "";
    EXPECT_EQ(w.symbol(600, 195, Mode::Ile), "03:15");
    EXPECT_EQ(w.symbol(600, 195, Mode::Symbol, 1, 1, "htm"), "3<sup>15</sup>");
    EXPECT_EQ(w.symbol(600, 195, Mode::KSymbol), "");

    w.roster.calendar.group_norm_remainder = 720;  // the remainder is also the "8" length
    EXPECT_EQ(w.symbol(480, 720, Mode::Ile), "8");
}

TEST(DutySymbol, OtherLengthsByMode) {
    SymbolWard w;
    EXPECT_EQ(w.symbol(480, 300, Mode::Ile), "05:00");
    EXPECT_EQ(w.symbol(480, 300, Mode::Ile, 1, 1, "htm"), "5");
    EXPECT_EQ(w.symbol(480, 300, Mode::Symbol), "I");
    EXPECT_EQ(w.symbol(480, 300, Mode::KSymbol), "I");
    EXPECT_EQ(w.symbol(480, 300, Mode::OdDo), "08:00-13:00");
    EXPECT_EQ(w.symbol(1140, 600, Mode::OdDo, 2), "19:00-29:00");
    w.options.symbol_other = "";
    EXPECT_EQ(w.symbol(480, 300, Mode::Symbol), "05:00");
    EXPECT_EQ(w.symbol(480, 300, Mode::KSymbol), "");

    // A norm of whole shifts leaves no remainder duty: a zero-length duty is not one.
    w.options.symbol_other = "I";
    w.roster.calendar.group_norm_remainder = 0;
    EXPECT_EQ(w.symbol(480, 0, Mode::KSymbol), "I");
}

TEST(DutySymbol, ADutyOfAnotherGroupReadsThatGroupsShiftsAndEightLength) {
    SymbolWard w;
    Group other;
    other.id = 2;
    other.profile.day8 = 480;
    other.profile.shifts.resize(1);
    other.profile.shifts[0].zod = 420;
    other.profile.shifts[0].zile = 600;
    other.profile.shifts[0].zsymbol = "X";
    w.roster.dodaj_grupe(other, false);

    EXPECT_EQ(w.symbol(420, 600, Mode::KSymbol, 1, 2), "X");
    EXPECT_EQ(w.symbol(420, 720, Mode::KSymbol, 1, 2), "I");
    EXPECT_EQ(w.symbol(700, 480, Mode::KSymbol, 1, 2), "8");
    EXPECT_EQ(w.symbol(700, 195, Mode::KSymbol, 1, 2), "I");   // the remainder is group 1's
    EXPECT_EQ(w.symbol(1140, 720, Mode::Ile, 2, 2), "12:00");  // no shift 2 there
    EXPECT_EQ(w.symbol(420, 720, Mode::KSymbol, 1, 99), "R");  // unknown group: the current
}

TEST(DayOffSymbol, OwnSymbolsAndNamesOfTheKinds) {
    Ward w(2024, 5);
    w.day_off(6, 10, 'z');
    Worker& worker = w.worker();
    const DayOff& sick = worker.days_off[5];

    EXPECT_EQ(wolne2symbol(w.options, worker, sick, 6), "A");
    EXPECT_EQ(wolne2symbol(w.options, worker, worker.days_off[7], 8), "A");
    EXPECT_EQ(wolne2symbol(w.options, worker, worker.days_off[2], 3), " ");
    w.options.day_off[*day_off_index('z')].symbol = "L4";
    EXPECT_EQ(wolne2symbol(w.options, worker, sick, 6), "L4");

    DayOff unknown = sick;
    unknown.kind = 'q';
    EXPECT_EQ(wolne2symbol(w.options, worker, unknown, 6), " ");
    EXPECT_EQ(wolne2nazwa(w.options, unknown), " ");
    EXPECT_EQ(wolne2nazwa(w.options, sick), "Zwolnienie lekarskie");
    DayOff no_duty = sick;
    no_duty.kind = '\xBF';
    EXPECT_EQ(wolne2nazwa(w.options, no_duty), cp("Bez dyżuru"));
    w.options.day_off[*day_off_index('z')].name = "L4";
    EXPECT_EQ(wolne2nazwa(w.options, sick), "L4");
}

}  // namespace
}  // namespace tabrel
