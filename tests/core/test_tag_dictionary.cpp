#include <gtest/gtest.h>

#include <set>

#include "i18n/cp1250.h"
#include "printouts/filled_line.h"
#include "printouts/generation_context.h"
#include "printouts/tag_families.h"
#include "support/ward_fixture.h"

namespace tabrel {
namespace {

constexpr int kDayShift = 1;
constexpr int kNightShift = 2;

// June 2026: Monday the 1st, Corpus Christi on Thursday the 4th, 21 working days; the norm is
// 159:15, 13 day-shift duties of 12:00 and 3:15 left.
struct Tags : test::Ward {
    Locale locale;
    GenerationContext ctx{roster, options, locale, system_clock()};

    Tags() : Ward(2026, 6) {
        worker(5).pseudo = "AN";
        ctx.type = OutputType::Html;
        ctx.worker_list = {0};
    }
    // The value of a token for a day (1-based), a worker index and a shift index.
    std::string tag(const std::string& token, int day = 1, int worker = 0, int shift = -1) {
        ctx.at = {static_cast<int16_t>(day - 1), static_cast<int16_t>(worker),
                  static_cast<int16_t>(shift), -1};
        return gen_zamien(token, ctx);
    }
    void new_generation() { ctx.switches = {}; }
};

TEST(TagDictionary, TimeFormatsSeparatorAndZeros) {
    Tags t;
    t.duty(1, kDayShift, 420, 720);
    EXPECT_EQ(t.tag("dyzur_od"), "7");
    EXPECT_EQ(t.tag("dyzur_od:"), "07:00");
    EXPECT_EQ(t.tag("duty_to:"), "19:00");
    EXPECT_EQ(t.tag("dyzur_oddo"), "7-19");
    EXPECT_EQ(t.tag("dyzur_nadgodz"), "&nbsp;");
    EXPECT_EQ(t.tag("dyzur_nadgodz:"), "&nbsp;");
    EXPECT_EQ(t.tag("dyzur_nadgodz0"), "0");
    EXPECT_EQ(t.tag("dyzur_nadgodz0:"), "00:00");
    EXPECT_EQ(t.tag("dzien_nr0", 1), "1");
    EXPECT_EQ(t.tag("dzien_nr some words", 3), "3");
    EXPECT_EQ(t.tag("grupa_dopracowanie"), "3<sup>15</sup>");

    EXPECT_EQ(t.tag("dot_as_time_sep"), "");
    EXPECT_EQ(t.tag("dyzur_od:"), "07.00");
    EXPECT_EQ(t.tag("dyzur_od"), "7");
    EXPECT_EQ(t.tag("dyzur_nadgodz:"), "&nbsp;");
    // No duty: clock times are empty, lengths zero.
    EXPECT_EQ(t.tag("dyzur_od:", 2), "");
    EXPECT_EQ(t.tag("dyzur_oddo", 2), "");
    EXPECT_EQ(t.tag("dyzur_ile0", 2), "0");
}

// A full stop ends a tag name, a colon belongs to it as the text-time modifier.
TEST(TagDictionary, TokensInALine) {
    Tags t;
    t.duty(1, kDayShift, 420, 720);
    t.ctx.at = {0, 0, -1, -1};
    EXPECT_EQ(gen_wypelnij_linie("Dzie\xF1 @_dzien_nr. od @_dyzur_od: do @_dyzur_do:, "
                                 "(@_zmiana_nr_10)-@_miesiac_nr/@_rok",
                                 t.ctx)
                  .text(),
              "Dzie\xF1 1. od 07:00 do 19:00, (1)-6/2026");
    EXPECT_EQ(gen_wypelnij_linie("<td>@_dyzur_nadgodz</td><td>@_dyzur_nadgodz0</td>", t.ctx).text(),
              "<td>&nbsp;</td><td>0</td>");
}

TEST(TagDictionary, SpecialTagsAndUnknownNames) {
    Tags t;
    EXPECT_EQ(t.tag("eol"), "|eol|");
    EXPECT_FALSE(t.ctx.switches.clear_auto_eols);
    EXPECT_EQ(t.tag("clear_auto_eols"), "");
    EXPECT_TRUE(t.ctx.switches.clear_auto_eols);
    EXPECT_EQ(t.tag("read_all_groups"), "");
    EXPECT_TRUE(t.ctx.switches.all_groups);
    EXPECT_EQ(t.tag("no_such_tag"), "");
    EXPECT_EQ(t.tag("dzien_"), "");
    EXPECT_EQ(t.tag("prac_nr"), "1");
    EXPECT_EQ(t.tag("worker_no", 1, 0), "2");
    EXPECT_EQ(t.tag("prac_nr", 1, -1), "3");
}

TEST(TagDictionary, NumberedShiftTags) {
    Tags t;
    t.roster.groups[0].profile.shifts[1].znazwa = "Noc";
    EXPECT_EQ(t.tag("zmiana_nr_10"), "1");
    EXPECT_EQ(t.tag("zmiana_nr_2"), "2");
    EXPECT_EQ(t.tag("shift_from_2:"), "19:00");
    EXPECT_EQ(t.tag("zmiana_do_2:"), "07:00");
    EXPECT_EQ(t.tag("zmiana_nazwa_2"), "Noc");
    EXPECT_EQ(t.tag("shift_symbol_1"), "R");
    EXPECT_EQ(t.tag("zmiana_nr_3"), "");
    EXPECT_EQ(t.tag("zmiana_nr", 1, 0, 1), "2");
    EXPECT_EQ(t.tag("shift_name", 1, 0, 1), "Noc");
    EXPECT_EQ(t.tag("zmiana_nr"), "");
    EXPECT_EQ(t.tag("dyzur8_do:"), "14:35");
    EXPECT_EQ(t.tag("dopracowanie_do:"), "10:15");
    EXPECT_EQ(t.tag("miesiac_ile_calozmianowych"), "13");
    EXPECT_EQ(t.tag("grupa_normatyw"), "159<sup>15</sup>");

    t.duty(3, kNightShift, 1140, 720);
    t.hire(6).pseudo = "BO";
    t.duty(3, kNightShift, 1140, 720, 0, 1, 6);
    EXPECT_EQ(t.tag("dyzur_kto_2", 3), "AN, BO");
    EXPECT_EQ(t.tag("duty_who", 3, 0, 1), "AN, BO");
    EXPECT_EQ(t.tag("dyzur_kto_1", 3), "");
}

TEST(TagDictionary, DayTags) {
    Tags t;
    t.hire(6).pseudo = "BO";
    t.hire(7).pseudo = "CE";
    t.day_off(2, 2, '1', 1, 5);
    t.day_off(2, 2, '7', 1, 6);
    t.day_off(2, 2, '5', 1, 7);
    EXPECT_EQ(t.tag("dzien_kto_wolne", 2),
              "<span class=w_za_sw>AN</span>, <span class=w_za_so>BO</span>, "
              "<span class=w_za_5d>CE</span>");
    EXPECT_EQ(t.tag("dzien_kto_wolne_1", 2), "<span class=w_za_sw>AN</span>");
    EXPECT_EQ(t.tag("day_who_dayoff_7", 2), "<span class=w_za_so>BO</span>");
    EXPECT_EQ(t.tag("dzien_kto_wolne_s", 2), "");

    EXPECT_EQ(t.tag("dzien_nazwa", 1), cp("poniedziałek"));
    EXPECT_EQ(t.tag("day_name_short", 7), cp("niedz."));
    EXPECT_EQ(t.tag("miesiac"), cp("Czerwiec"));
    EXPECT_EQ(t.tag("miesiac_ile_dni"), "30");
    EXPECT_EQ(t.tag("miesiac_ile_roboczych"), "21");
    EXPECT_EQ(t.tag("dzien_klasa", 1), "dda");

    // Week of Monday 8th to Sunday 14th; the 29th and 30th form the month's last week.
    auto& days = t.roster.calendar.days;
    for (auto& d : days) d.shift_counts = {0, 0};
    days[8].shift_counts = {3, 2};
    days[12].shift_counts = {1, 1};
    days[28].shift_counts = {2, 0};
    EXPECT_EQ(t.tag("dzien_ile_dyz", 9), "5");
    EXPECT_EQ(t.tag("dzien_max_dyz_tydz", 14), "5");
    EXPECT_EQ(t.tag("dzien_max_dyz_tydz", 7), "&nbsp;");
    EXPECT_EQ(t.tag("dzien_max_dyz_tydz0", 30), "2");
}

TEST(TagDictionary, DutyOfAnotherGroupMarked) {
    Tags t;
    Group surgery = t.roster.groups[0];
    surgery.id = 2;
    t.roster.dodaj_grupe(surgery, false);
    t.worker(5).grupy = "1|2|";
    t.duty(1, kDayShift, 420, 720);
    t.duty(2, kDayShift, 420, 720, 0, 2);
    t.duty(3, kDayShift, 420, 300);
    t.duty(4, kDayShift, 420, 455);
    EXPECT_EQ(t.tag("dyzur_symbol", 1), "R");
    EXPECT_EQ(t.tag("duty_symbol", 2), "<span class=\"outofgroup\">R</span>");
    EXPECT_EQ(t.tag("dyzur_symbol", 3), "5");
    EXPECT_EQ(t.tag("dyzur_symbol:", 3), "05:00");
    EXPECT_EQ(t.tag("dyzur_symbol", 4), "8");
    EXPECT_EQ(t.tag("dyzur_symbol", 5), "");
    EXPECT_EQ(t.tag("dyzur_wolne_symbol", 2), "R");
}

TEST(TagDictionary, DayOffLetterFamilies) {
    Tags t;
    t.day_off(8, 12, 'u');  // Monday to Friday
    t.day_off(15, 16, 'z');
    t.day_off(22, 22, '1');
    EXPECT_EQ(t.tag("prac_wolne_suma_uz"), "53<sup>05</sup>");
    EXPECT_EQ(t.tag("dayoff_sum_u:"), "37:55");
    EXPECT_EQ(t.tag("prac_wolne_suma_b"), "&nbsp;");
    EXPECT_EQ(t.tag("wolne_ile_u", 8), "7<sup>35</sup>");
    EXPECT_EQ(t.tag("wolne_ile_u", 15), "&nbsp;");
    EXPECT_EQ(t.tag("wolne_ile_zu", 15), "7<sup>35</sup>");
    EXPECT_EQ(t.tag("wolne_ile", 15), "7<sup>35</sup>");
    EXPECT_EQ(t.tag("wolne_ile", 22), "&nbsp;");
    EXPECT_EQ(t.tag("wolne_ile_1", 22), "+");
    EXPECT_EQ(t.tag("dayoff_quantity_u", 22), "&nbsp;");
    EXPECT_EQ(t.tag("wolne_typ_ilosc"),
              " + 15<sup>10</sup> Zwolnienie lekarskie + 37<sup>55</sup> Wypoczynkowy");
    EXPECT_EQ(t.tag("dayoff_type_qty_u:"), " + 37:55 Wypoczynkowy");

    EXPECT_EQ(t.tag("wolne_nazwa", 8), "Wypoczynkowy");
    EXPECT_EQ(t.tag("wolne_nazwa", 10), " ");
    EXPECT_EQ(t.tag("wolne_nazwa", 13), "");
    EXPECT_EQ(t.tag("wolne_do", 8), "12");
    EXPECT_EQ(t.tag("wolne_ile_dni", 8), "5");
    EXPECT_EQ(t.tag("wolne_ile_dni_roboczych", 8), "5");
    EXPECT_EQ(t.tag("wolne_ile_godzin_norma", 8), "37:55");
    EXPECT_EQ(t.tag("wolne_typ", 9), "U");
    EXPECT_EQ(t.tag("wolne_typ", 13), "");
    EXPECT_EQ(t.tag("prac_ile_wol"), "7");
}

TEST(TagDictionary, WorkerSummaryAndNextMonthRow) {
    Tags t;
    t.duty(2, kNightShift, 1320, 240);        // four night hours
    t.duty(30, kNightShift, 1140, 720, 180);  // into the 1st of July
    EXPECT_EQ(t.tag("prac_ile_dyz"), "2");
    EXPECT_EQ(t.tag("prac_suma_n:"), "12:00");
    EXPECT_EQ(t.tag("prac_suma_n_ilosc"), "1,5");
    EXPECT_EQ(t.tag("prac_etat"), "100,000000");
    EXPECT_EQ(t.tag("prac_suma_gn:"), "03:00");
    EXPECT_EQ(t.tag("prac_suma_dyzur:"), "19:00");
    EXPECT_EQ(t.tag("prac_normatyw:"), "159:15");
    EXPECT_EQ(t.tag("prac_roznica_normatyw_pracownika:"), "-143:15");
    EXPECT_EQ(t.tag("worker_diffrence_worker_normative_wd:"), "-143:15");
    EXPECT_EQ(t.tag("suma_wypr:"), "16:00");
    EXPECT_EQ(t.tag("1n_dzien_symbol"), "D");
    EXPECT_EQ(t.tag("n1_day_d_quantity"), "1");
    EXPECT_EQ(t.tag("1n_dzien_ile_d"), "1");
    EXPECT_EQ(t.tag("n1_day_d_qty"), "1");
    // The night stays with the duty's own day.
    EXPECT_EQ(t.tag("1n_dzien_ile_n"), "&nbsp;");
    EXPECT_EQ(t.tag("n1_day_n_qty"), "&nbsp;");
    EXPECT_EQ(t.tag("dyzur_ile_n", 30), "8");
    EXPECT_EQ(t.tag("dyzur_ile_dyz:", 30), "12:00");
    EXPECT_EQ(t.tag("dyzur_ile_dyz_g:", 30), "15:00");
    // 07:00-09:00 of the 1st at the normal rate, the hour beyond two at the higher one.
    EXPECT_EQ(t.tag("dyzur_100_nadgodz:", 30), "01:00");
    EXPECT_EQ(t.tag("dyzur_50_nadgodz", 30), "2");
    EXPECT_EQ(t.tag("dyzur_nadgodz_do:", 30), "10:00");
}

TEST(TagDictionary, SummaryComputedOncePerWorkerAndGeneration) {
    Tags t;
    Group surgery = t.roster.groups[0];
    surgery.id = 2;
    t.roster.dodaj_grupe(surgery, false);
    t.duty(1, kDayShift, 420, 720);
    EXPECT_EQ(t.tag("prac_ile_dyz"), "1");
    t.duty(2, kDayShift, 420, 720);
    EXPECT_EQ(t.tag("prac_ile_dyz"), "1");
    t.new_generation();
    EXPECT_EQ(t.tag("prac_ile_dyz"), "2");

    t.duty(3, kDayShift, 420, 720, 0, 2);
    EXPECT_EQ(t.tag("prac_ile_dyz"), "2");
    t.tag("read_all_groups");
    EXPECT_EQ(t.tag("prac_ile_dyz"), "3");
}

TEST(TagDictionary, RosterTextEscapedForHtmlOnly) {
    Tags t;
    t.worker(5).nazwisko = "<Kowal & Syn>";
    t.worker(5).pseudo = "A&B";
    t.options.firma = "Szpital \"Nowy\"";
    t.roster.groups[0].profile.shifts[0].znazwa = cp("<b>Dzień</b>");
    t.duty(1, kDayShift, 420, 720);
    EXPECT_EQ(t.tag("prac_nazwisko"), "&lt;Kowal &amp; Syn&gt;");
    EXPECT_EQ(t.tag("firma"), "Szpital &quot;Nowy&quot;");
    EXPECT_EQ(t.tag("dyzur_zmiana", 1), cp("&lt;b&gt;Dzień&lt;/b&gt;"));
    EXPECT_EQ(t.tag("dyzur_kto_1", 1), "A&amp;B");

    t.ctx.type = OutputType::Text;
    EXPECT_EQ(t.tag("prac_nazwisko"), "<Kowal & Syn>");
    EXPECT_EQ(t.tag("dyzur_kto_1", 1), "A&B");
}

// Every Polish name gives what its English name gives, and no name is used twice.
TEST(TagDictionary, PolishAndEnglishNamesAgree) {
    Tags t;
    t.worker(5).nazwisko = "Nowak";
    t.duty(2, kNightShift, 1140, 720, 60);
    t.day_off(8, 12, 'u');
    std::set<std::string_view> names;
    for (auto family : {general_tags(), day_tags(), shift_tags(), worker_tags(),
                        worker_summary_tags(), duty_tags(), day_off_tags(), law_tags()}) {
        for (const TagEntry& e : family) {
            EXPECT_TRUE(names.insert(e.english).second) << e.english;
            if (e.polish.empty()) continue;
            EXPECT_TRUE(names.insert(e.polish).second) << e.polish;
            const std::string suffix = e.suffix == TagSuffix::kind_letters ? "_u" : "";
            for (int day : {2, 8}) {
                t.new_generation();
                const std::string english = t.tag(std::string(e.english) + suffix, day, 0, 0);
                t.new_generation();
                EXPECT_EQ(t.tag(std::string(e.polish) + suffix, day, 0, 0), english) << e.polish;
            }
        }
    }
    EXPECT_GT(names.size(), 150u);
}

}  // namespace
}  // namespace tabrel
