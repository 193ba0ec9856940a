#include <gtest/gtest.h>

#include <filesystem>

#include "storage/ini_file.h"
#include "storage/options.h"
#include "storage/options_file.h"
#include "storage/recent_templates.h"
#include "storage/short_date.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

const Locale kPolish;
const Date kToday{2025, 3, 10};

Options read_text(const std::string& text) {
    return read_options(IniFile::parse(text), kPolish, kToday);
}

TEST(Options, FreshInstallationGivesTheDefaults) {
    const Options o = read_text("");
    EXPECT_EQ(o.dyz8, 455);
    EXPECT_EQ(o.dyz12, 720);
    EXPECT_EQ(o.last_backup.year, 2025);
    EXPECT_EQ(o.last_backup.month, 3);
    EXPECT_EQ(o.last_backup.day, 10);
    EXPECT_EQ(o.autoarchiving, 90);
    EXPECT_TRUE(o.AutoCalcShifts);
    EXPECT_FALSE(o.DeletePrintoutsFilesAfterClose);
    EXPECT_EQ(o.miejscowosc + o.kod + o.adres + o.firma, "");
    EXPECT_EQ(o.symbol_8 + o.symbol_d + o.symbol_other, "8DI");
    EXPECT_EQ(o.CalendarDisplay, 0);
    EXPECT_EQ(o.lang, -1);
    EXPECT_EQ(o.osoby, 10);
    EXPECT_EQ(o.osoby_ind, 20);
    EXPECT_EQ(o.wyswietlaj_ind, 2);
    EXPECT_TRUE(o.roznica && o.ng_swieto && o.ng_dyzur0);
    EXPECT_FALSE(o.ng_przenos);
    EXPECT_EQ(min2h(o.ng_powyzej, "txt", false), "02:00");
    EXPECT_EQ(min2h(o.ng_od, "txt", false), "19:00");
    EXPECT_EQ(min2h(o.ng_do, "txt", false), "07:00");
    EXPECT_EQ(min2h(o.noc_od, "txt", false), "22:00");
    EXPECT_EQ(min2h(o.noc_do, "txt", false), "08:00");
    EXPECT_EQ(min2h(o.doba_od, "txt", false), "00:00");
    EXPECT_EQ(o.day_off[1].name, "Wypoczynkowy");
    EXPECT_EQ(o.day_off[15].symbol, "Q");
    EXPECT_TRUE(o.day_off[1].lowers_norm);
    EXPECT_FALSE(o.day_off[7].lowers_norm);
    EXPECT_TRUE(o.window.maximised);
    EXPECT_EQ(o.window.x, 0);
    EXPECT_FALSE(o.window.width.has_value());
}

TEST(Options, FileOfAnotherProgramOddCaseBlanksAndBadValues) {
    const Options o = read_text(
        "; written by hand\r\n"
        "[GLOWNE]\r\n"
        "  Symbol_8 =  X  \r\n"
        "AUTOARCHIVING=30\r\n"
        "AutoCalcShifts=0\r\n"
        "DeletePrintoutsFilesAfterClose=2\r\n"
        "lang=abc\r\n"
        "firma=Szpital\xA4Oddzia\xB3 I\r\n"
        "last_backup=03.02.2025\r\n"
        "\r\n"
        "[Wydruki]\r\n"
        "NOC_OD = 0:00\r\n"
        "noc_do=8\r\n"
        "ng_od=siedem\r\n"
        "ng_swieto=nie\r\n"
        "[urlop_normatyw]\r\n"
        "U=\xA8\r\n"
        "n=\xFE\r\n"
        "m=1\r\n"
        "w=?\r\n"
        "[Urlop_Nazwa]\r\n"
        "u=Urlop\r\n"
        "[windows]\r\n"
        "window_state_max=0\r\n"
        "window_pos_x=-8\r\n"
        "window_width=1024\r\n");
    EXPECT_EQ(o.symbol_8, "X");
    EXPECT_EQ(o.autoarchiving, 30);
    EXPECT_FALSE(o.AutoCalcShifts);
    EXPECT_TRUE(o.DeletePrintoutsFilesAfterClose);
    EXPECT_EQ(o.lang, -1);
    EXPECT_EQ(o.firma, "Szpital\r\nOddzia\xB3 I");
    EXPECT_EQ(o.last_backup.year, 2025);
    EXPECT_EQ(o.last_backup.month, 2);
    EXPECT_EQ(o.last_backup.day, 3);
    EXPECT_EQ(o.noc_od, 0);
    EXPECT_EQ(o.noc_do, 480);
    EXPECT_EQ(o.ng_od, 1140);  // unreadable: default
    EXPECT_TRUE(o.ng_swieto);  // non-numeric: default
    EXPECT_FALSE(o.day_off[1].lowers_norm);
    EXPECT_FALSE(o.day_off[7].lowers_norm);  // "Wagary" keeps its fixed flag
    EXPECT_TRUE(o.day_off[2].lowers_norm);
    EXPECT_TRUE(o.day_off[3].lowers_norm);  // unreadable: default
    EXPECT_EQ(o.day_off[1].name, "Urlop");
    EXPECT_EQ(o.day_off[1].symbol, "U");
    EXPECT_FALSE(o.window.maximised);
    EXPECT_EQ(o.window.x, -8);
    EXPECT_EQ(o.window.width, 1024);
    EXPECT_FALSE(o.window.height.has_value());
}

TEST(Options, UnreadableLastBackupIsNinetyOneDaysAgo) {
    const Options o = read_text("[glowne]\r\nlast_backup=jutro\r\n");
    EXPECT_EQ(o.last_backup.year, 2024);
    EXPECT_EQ(o.last_backup.month, 12);
    EXPECT_EQ(o.last_backup.day, 9);
    EXPECT_EQ(read_text("[glowne]\r\nlast_backup=31.02.2025\r\n").last_backup.month, 12);
}

struct IsoLocale : Locale {
    std::string short_date(int y, int m, int d) const override {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
        return buf;
    }
};

TEST(ShortDate, FieldOrderIsLearntFromTheLocale) {
    const IsoLocale iso;
    const auto date = parse_short_date(iso, "2024-11-05");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->year * 10000 + date->month * 100 + date->day, 20241105);
    EXPECT_FALSE(parse_short_date(iso, "05.11.2024"));
    EXPECT_FALSE(parse_short_date(kPolish, "1.2"));
    EXPECT_FALSE(parse_short_date(kPolish, "29.02.2025"));
    EXPECT_TRUE(parse_short_date(kPolish, "29.02.2024"));
    const Date back = days_before({2024, 3, 1}, 1);
    EXPECT_EQ(back.month * 100 + back.day, 229);
}

TEST(Options, ZapiszOfAFreshFileWritesEveryKeyInOrder) {
    Options o;
    o.occupations = {"Piel\xEAgniarka", "Salowa"};
    IniFile file = IniFile::parse("");
    write_options(file, o, "Polski", false);
    const std::string expected =
        "[glowne]\r\n"
        "autoarchiving=90\r\n"
        "DeletePrintoutsFilesAfterClose=0\r\n"
        "miejscowosc=\r\n"
        "kod=\r\n"
        "adres=\r\n"
        "firma=\r\n"
        "symbol_8=8\r\n"
        "symbol_d=D\r\n"
        "symbol_other=I\r\n"
        "CalendarDisplay=0\r\n"
        "lang=-1\r\n"
        "[wydruki]\r\n"
        "osoby=10\r\n"
        "osoby_ind=20\r\n"
        "wyswietlaj_ind=2\r\n"
        "roznica=1\r\n"
        "ng_powyzej=02:00\r\n"
        "ng_od=19:00\r\n"
        "ng_do=07:00\r\n"
        "ng_swieto=1\r\n"
        "ng_dyzur0=1\r\n"
        "ng_przenos=0\r\n"
        "noc_od=22:00\r\n"
        "noc_do=08:00\r\n"
        "doba_od=00:00\r\n"
        "[urlop_normatyw]\r\n"
        "\xBF=\r\nu=\xFE\r\nm=\xFE\r\nw=\xFE\r\ns=\xFE\r\nz=\xFE\r\no=\xFE\r\nn=\r\ni=\xFE\r\n"
        "1=\r\n7=\r\nb=\xFE\r\nr=\xFE\r\nd=\xFE\r\nh=\xFE\r\na=\xFE\r\n9=\r\nk=\xFE\r\n"
        "j=\xFE\r\nt=\xFE\r\nc=\xFE\r\n5=\r\n"
        "[urlop_symbol]\r\n"
        "\xBF= \r\nu=U\r\nm=A\r\nw=A\r\ns=A\r\nz=A\r\no=A\r\nn=Z\r\ni=A\r\n1= \r\n7= \r\n"
        "b=B\r\nr=A\r\nd=A\r\nh=H\r\na=Q\r\n9=9\r\nk=O\r\nj=A\r\nt=A\r\nc=A\r\n5= \r\n"
        "[urlop_nazwa]\r\n"
        "\xBF=Bez dy\xBFuru\r\n"
        "u=Wypoczynkowy\r\n"
        "m=Macierzy\xF1ski\r\n"
        "w=Wychowawczy\r\n"
        "s=Szkoleniowy\r\n"
        "z=Zwolnienie lekarskie\r\n"
        "o=Opieka nad dzieckiem\r\n"
        "n=Wagary\r\n"
        "i=Inny\r\n"
        "1=Za prac\xEA w niedziel\xEA/\x9Cwi\xEAto\r\n"
        "7=Za prac\xEA w sobot\xEA\r\n"
        "b=Bezp\xB3"
        "atny\r\n"
        "r=Opieka nad cz\xB3onkiem rodziny\r\n"
        "d=Zwolnienie na dziecko\r\n"
        "h=Rehabilitacyjny\r\n"
        "a=Na \xBF\xB9"
        "danie\r\n"
        "9=Za prac\xEA w \x9Cwi\xEAto\r\n"
        "k=Okoliczno\x9C"
        "ciowy\r\n"
        "j=Ojcowski\r\n"
        "t=Tacierzy\xF1ski\r\n"
        "c=Rodzicielski\r\n"
        "5=Wynikaj\xB9"
        "cy z 5-dniowego tygodnia pracy\r\n"
        "[autofilling_polski]\r\n"
        "Occupations=Piel\xEAgniarka\xA4Salowa\xA4\r\n"
        "Educations=\r\n"
        "[normatyw]\r\n"
        "test=1\r\n";
    EXPECT_EQ(file.text(), expected);
}

TEST(Options, ZapiszKeepsForeignSectionsAndUpdatesOwnKeysInPlace) {
    const std::string foreign =
        "[Moje]\r\n"
        "klucz = warto\x9C\xE6  \r\n"
        "; komentarz\r\n"
        "\r\n";
    const std::string tail =
        "\r\n"
        "[inne]\r\n"
        "x=1\r\n";
    IniFile file = IniFile::parse(foreign + "[GLOWNE]\r\nKOD = 00-001\r\nobcy=7\r\n" + tail);
    Options o;
    o.kod = "31-000";
    write_options(file, o, "polski", false);
    const std::string text = file.text();
    EXPECT_EQ(text.substr(0, foreign.size()), foreign);
    EXPECT_EQ(text.substr(foreign.size(), 34), "[GLOWNE]\r\nKOD=31-000\r\nobcy=7\r\nauto");
    EXPECT_NE(text.find("\r\n" + tail), std::string::npos);
    const Options back = read_options(IniFile::parse(text), kPolish, kToday);
    EXPECT_EQ(back.kod, "31-000");
}

TEST(Options, ZapiszWithTheGroupEditorOpenWritesOnlyTheTestKey) {
    const std::string original = "[glowne]\r\nkod=1\r\n\r\n[x]\r\ny=2\r\n";
    IniFile file = IniFile::parse(original);
    Options o;
    o.kod = "changed";
    write_options(file, o, "polski", true);
    EXPECT_EQ(file.text(), original + "[normatyw]\r\ntest=1\r\n");
}

TEST(Options, SettingsSurviveAWriteReadCycle) {
    Options o;
    o.autoarchiving = 0;
    o.firma = "Szpital\r\nOddzia\xB3 wewn\xEAtrzny";
    o.miejscowosc = "\x8Cwinouj\x9C\x63ie";
    o.CalendarDisplay = 2;
    o.lang = 1;
    o.osoby = 12;
    o.roznica = false;
    o.ng_przenos = true;
    o.noc_od = 0;
    o.doba_od = 420;
    o.ng_powyzej = -30;
    o.day_off[1] = {"Urlop", "UW", false};
    o.occupations = {"A", "", "B"};
    o.educations = {"Wy\xBFsze"};
    IniFile file = IniFile::parse("");
    write_options(file, o, "english", false);
    Options back = read_options(file, kPolish, kToday);
    read_suggestions(file, "english", back);
    EXPECT_EQ(back.autoarchiving, 0);
    EXPECT_EQ(back.firma, o.firma);
    EXPECT_EQ(back.miejscowosc, o.miejscowosc);
    EXPECT_EQ(back.CalendarDisplay, 2);
    EXPECT_EQ(back.lang, 1);
    EXPECT_EQ(back.osoby, 12);
    EXPECT_FALSE(back.roznica);
    EXPECT_TRUE(back.ng_przenos);
    EXPECT_EQ(back.noc_od, 0);
    EXPECT_EQ(back.doba_od, 420);
    EXPECT_EQ(back.ng_powyzej, -30);
    EXPECT_EQ(back.day_off[1].name, "Urlop");
    EXPECT_EQ(back.day_off[1].symbol, "UW");
    EXPECT_FALSE(back.day_off[1].lowers_norm);
    EXPECT_EQ(back.occupations, o.occupations);
    EXPECT_EQ(back.educations, o.educations);
}

TEST(Options, SuggestionsDefaultToTheLanguageList) {
    Options o;
    read_suggestions(IniFile::parse(""), "polski", o);
    ASSERT_EQ(o.occupations.size(), 8u);
    EXPECT_EQ(o.occupations[0], "Piel\xEAgniarka");
    EXPECT_EQ(o.occupations[7], "Zast\xEApca oddzia\xB3owej");
    EXPECT_EQ(o.educations, (std::vector<std::string>{"Wy\xBFsze", "\x8Crednie"}));
    read_suggestions(IniFile::parse("[AUTOFILLING_POLSKI]\r\nOccupations=X\xA4Y\r\n"), "Polski", o);
    EXPECT_EQ(o.occupations, (std::vector<std::string>{"X", "Y"}));
}

TEST(Options, NormFlagsToggleOnlyWhereEditableAndMonthFilesOverrideThem) {
    Options o;
    EXPECT_FALSE(toggle_norm_flag(o, 7));  // "Wagary"
    EXPECT_FALSE(o.day_off[7].lowers_norm);
    EXPECT_TRUE(toggle_norm_flag(o, 1));  // "Wypoczynkowy"
    EXPECT_FALSE(o.day_off[1].lowers_norm);
    EXPECT_FALSE(toggle_norm_flag(o, 22));
    const NormFlags month =
        month_norm_flags(IniFile::parse("[urlop_normatyw]\r\nu=1\r\nz=0\r\nn=1\r\nb=\xFE\r\n"));
    EXPECT_TRUE(month[1]);
    EXPECT_FALSE(month[5]);
    EXPECT_FALSE(month[7]);
    EXPECT_TRUE(month[11]);
    EXPECT_TRUE(month[2]);                   // missing: built-in
    EXPECT_FALSE(o.day_off[1].lowers_norm);  // the configuration keeps what the user set
}

TEST(Options, ExitStateAndAutoCalcKeepTheRestOfTheFile) {
    IniFile file =
        IniFile::parse("[obce]\r\na=1\r\n\r\n[glowne]\r\nkod=5\r\n\r\n[windows]\r\nX=1\r\n");
    Options o;
    o.last_backup = {2025, 1, 7};
    o.window = {false, 10, 20, 800, 600};
    write_exit_state(file, o, kPolish);
    write_auto_calc_shifts(file, false);
    EXPECT_EQ(file.text(),
              "[obce]\r\na=1\r\n\r\n"
              "[glowne]\r\nkod=5\r\nlast_backup=07.01.2025\r\nAutoCalcShifts=0\r\n\r\n"
              "[windows]\r\nX=1\r\nwindow_pos_x=10\r\nwindow_pos_y=20\r\nwindow_width=800\r\n"
              "window_height=600\r\nwindow_state_max=0\r\n");
}

TEST(OptionsFile, ZapiszUpdatesTheFileOnDiskAtomically) {
    test::TempDir dir;
    Options o;
    o.kod = "31-000";
    Status saved = zapisz_opcje(dir.path(), o, "polski", true);
    ASSERT_TRUE(saved) << saved.message();
    EXPECT_EQ(test::slurp(dir / "konfiguracja.ini"), "[normatyw]\r\ntest=1\r\n");
    test::spit(dir / "konfiguracja.ini", "[obce]\r\na=1\r\n");
    saved = save_exit_state(dir.path(), o, kPolish);
    ASSERT_TRUE(saved) << saved.message();
    const std::string text = test::slurp(dir / "konfiguracja.ini");
    EXPECT_EQ(text.substr(0, 15), "[obce]\r\na=1\r\n[g");
    EXPECT_EQ(read_options(load_options_file(dir.path()), kPolish, kToday).window.maximised, true);
    saved = zapisz_opcje(dir / "missing" / "deeper", o, "polski", false);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(saved.message().empty());
}

TEST(RecentTemplates, NewestFirstWithoutDuplicates) {
    IniFile file = IniFile::parse("[pliki_Templates]\r\nplik1=/t/a.wzr\r\nplik2=/t/b.wzr\r\n");
    record_recent_template(file, "Templates", "/t/b.wzr");
    record_recent_template(file, "Templates", "/t/c.wzr");
    record_recent_template(file, "Templates", "/t/autosave.wzr");
    const auto paths = recent_templates(file, "Templates");
    EXPECT_EQ(paths[0], "/t/c.wzr");
    EXPECT_EQ(paths[1], "/t/b.wzr");
    EXPECT_EQ(paths[2], "/t/a.wzr");
    EXPECT_EQ(paths[3], "");
    for (const char* p : {"/1", "/2", "/3", "/4", "/5"})
        record_recent_template(file, "Templates", p);
    EXPECT_EQ(recent_templates(file, "Templates")[3], "/2");
}

}  // namespace
}  // namespace tabrel
