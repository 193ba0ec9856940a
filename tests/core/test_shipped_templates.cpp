#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "i18n/cp1250.h"
#include "printouts/template_catalogue.h"
#include "support/test_support.h"

namespace tabrel {
namespace {

namespace fs = std::filesystem;

const fs::path kTemplates = fs::path(TABREL_TEST_DATA).parent_path().parent_path() / "templates";

// May 2024 of a ward with shifts D, N and R: Nowak (id 1) on R every working day with
// overtime on the 7th, Kowalska (2) and Wiśniewska (3) on D and N, Wiśniewska on leave from
// the 13th to the 17th, Lewandowski (4) with overtime on the 9th and sick from the 20th to
// the 24th, Dąbrowska-Sęk (5) half time on "8" duties with a day off for the holiday on the
// 2nd; ER duty on the 7th and 21st, a note with "&" on the 15th.
const fs::path kWard = fs::path(TABREL_TEST_DATA) / "shipped_templates" / "dane";

const std::map<std::string, std::pair<std::string, std::string>> kShipped = {
    {"harmonogram_pracy.wzr", {"Harmonogram pracy grupy (miesięczny)", "htm"}},
    {"harmonogramy_indywidualne.wzr", {"Harmonogramy indywidualne pracowników", "htm"}},
    {"karta_ewidencji.wzr", {"Karta ewidencji czasu pracy", "htm"}},
    {"harmonogram_indywidualny_txt.wzr", {"Harmonogram indywidualny (tekst)", "txt"}},
    {"karta_ewidencji_rtf.wzr", {"Karta ewidencji czasu pracy (RTF)", "rtf"}},
    {"kontrola_czasu_pracy.wzr", {"Kontrola czasu pracy", "htm"}},
};

// The ward copied into a fresh program folder, so the lock and companion files the program
// leaves stay out of the source tree.
struct PrintedWard {
    test::TempDir root;
    fs::path data = root / "dane";

    PrintedWard() { fs::copy(kWard, data, fs::copy_options::recursive); }

    // The printout of a shipped template as `tabrel-cli print` writes it.
    std::string print(const std::string& name, const std::string& month,
                      const std::string& options = "") {
        const test::CliRun run =
            test::run_cli(data, "print '" + (kTemplates / name).string() + "' " + month + " " +
                                    options + " --out '" + (root / "out").string() + "'");
        EXPECT_EQ(run.status, 0) << name << " " << month << ": " << run.err;
        std::string path = run.out;
        if (!path.empty()) path.pop_back();
        EXPECT_FALSE(path.empty()) << name;
        return path.empty() ? std::string() : test::slurp(path);
    }
};

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Every element closed in the order opened, and nothing of the template language left over.
void expect_well_formed(const std::string& html) {
    static const std::regex tag("<(/?)([a-zA-Z][a-zA-Z0-9]*)[^>]*>");
    std::vector<std::string> open;
    for (std::sregex_iterator it(html.begin(), html.end(), tag), end; it != end; ++it) {
        const std::string name = (*it)[2];
        if (name == "meta" || name == "br") continue;
        if ((*it)[1].length() == 0) {
            open.push_back(name);
        } else {
            ASSERT_FALSE(open.empty()) << "</" << name << "> closes nothing";
            ASSERT_EQ(open.back(), name) << "at offset " << it->position();
            open.pop_back();
        }
    }
    EXPECT_TRUE(open.empty()) << "<" << open.back() << "> is never closed";
    EXPECT_EQ(html.find("@_"), std::string::npos);
    EXPECT_EQ(html.find("<_"), std::string::npos);
    EXPECT_EQ(html.find('\x8B'), std::string::npos);
    EXPECT_EQ(html.find('\x9B'), std::string::npos);
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
}

// The table row that holds day `day`, from `from` on.
std::string day_row(const std::string& html, int day, size_t from = 0) {
    const size_t cell = html.find("<td class=\"nr\">" + std::to_string(day) + "</td>", from);
    if (cell == std::string::npos) return {};
    const size_t start = html.rfind("<tr", cell);
    return html.substr(start, html.find("</tr>", cell) + 5 - start);
}

// The contents of a row's cells, in order.
std::vector<std::string> cells(const std::string& row) {
    static const std::regex cell("<t[dh][^>]*>([\\s\\S]*?)</t[dh]>");
    std::vector<std::string> out;
    for (std::sregex_iterator it(row.begin(), row.end(), cell), end; it != end; ++it)
        out.push_back((*it)[1]);
    return out;
}

// The part of a document that belongs to the worker whose full name `name` opens it.
std::string block_of(const std::string& html, const std::string& name, const std::string& next) {
    const size_t start = html.find(name);
    if (start == std::string::npos) return {};
    return html.substr(start, html.find(next, start + 1) - start);
}

TEST(ShippedTemplates, TheCatalogueListsEveryTemplateWithItsTitleAndType) {
    TemplateCatalogue catalogue;
    ZnajdzPliki(kTemplates, "*.wzr", catalogue);
    ASSERT_EQ(catalogue.size(), kShipped.size());
    for (const TemplateInfo& info : catalogue) {
        const std::string file = info.path.filename().string();
        ASSERT_TRUE(kShipped.contains(file)) << file;
        EXPECT_EQ(info.title, cp(kShipped.at(file).first)) << file;
        EXPECT_EQ(info.extension, kShipped.at(file).second) << file;

        // cp1250 text with CR LF line ends, as a user's editor on the ward expects.
        const std::string bytes = test::slurp(info.path);
        for (size_t i = 0; i + 1 < bytes.size(); ++i) {
            const auto lead = static_cast<unsigned char>(bytes[i]);
            const auto next = static_cast<unsigned char>(bytes[i + 1]);
            ASSERT_FALSE(lead >= 0xC3 && lead <= 0xC5 && next >= 0x80 && next <= 0xBF)
                << file << " holds UTF-8 at " << i;
        }
        for (size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1))
            ASSERT_TRUE(at > 0 && bytes[at - 1] == '\r') << file << " at " << at;
    }
}

TEST(ShippedTemplates, TheScheduleOfWorkListsEveryDayWithItsShiftsAndAbsences) {
    PrintedWard ward;
    const std::string html = ward.print("harmonogram_pracy.wzr", "2024-05");
    expect_well_formed(html);
    EXPECT_EQ(count(html, "<td class=\"nr\">"), 31u);
    EXPECT_NE(html.find(cp("<b>Maj 2024</b>")), std::string::npos);
    EXPECT_NE(html.find(cp("Wymiar czasu pracy: <b>151:40</b>")), std::string::npos);
    EXPECT_NE(html.find(cp("<th>Nocna (N)<br><span class=\"maly\">19:00 - 07:00</span></th>")),
              std::string::npos);

    EXPECT_EQ(day_row(html, 2), cp("<tr class=\"dda\"><td class=\"nr\">2</td><td "
                                   "class=\"tydz\">czw.</td>\r\n<td></td>\r\n<td>EKo</td>\r\n"
                                   "<td>ANo</td>\r\n<td></td><td> </td><td><span "
                                   "class=w_za_sw>MDą</span></td><td></td><td></td><td></td>"
                                   "<td class=\"uwagi\"></td></tr>"));
    EXPECT_EQ(cells(day_row(html, 24))[6], cp("<span class=maly>10-16</span><br>MDą<br> "));
    EXPECT_EQ(cells(day_row(html, 13))[8], "ZWi");
    EXPECT_EQ(cells(day_row(html, 20))[9], "PLe");
    EXPECT_EQ(cells(day_row(html, 15)).back(), cp("Szkolenie BHP &amp; ppoż.\r\nsala nr 2"));
    EXPECT_EQ(day_row(html, 1).substr(0, 18), "<tr class=\"dsw\"><t");
    EXPECT_EQ(day_row(html, 4).substr(0, 18), "<tr class=\"dso\"><t");
    EXPECT_EQ(day_row(html, 7).substr(0, 18), "<tr class=\"dod\"><t");

    // The staff summary under the table, sorted by name.
    const std::string first = cp("<td>Dąbrowska-Sęk Maria</td>");
    EXPECT_LT(html.find(first), html.find("<td>Kowalska Ewa</td>"));
    const size_t row = html.find(first);
    EXPECT_EQ(
        cells(html.substr(html.rfind("<tr", row),
                          html.find("</tr>", row) + 5 - html.rfind("<tr", row))),
        (std::vector<std::string>{"1.", cp("MDą"), cp("Dąbrowska-Sęk Maria"), cp("Pielęgniarka"),
                                  "11", "75:50", "86:15", "&nbsp;", "10:25"}));
}

TEST(ShippedTemplates, IndividualSchedulesGiveEachWorkerHisDaysAndTotals) {
    PrintedWard ward;
    const std::string html = ward.print("harmonogramy_indywidualne.wzr", "2024-05");
    expect_well_formed(html);
    EXPECT_EQ(count(html, "<div class=\"pracownik\">"), 5u);

    const std::string block = block_of(html, "Lewandowski Piotr", "<div class=\"pracownik\">");
    const auto row = [&](const std::string& caption) {
        const size_t at = block.find("<th class=\"opis\">" + caption + "</th>");
        return cells(block.substr(at, block.find("</tr>", at) - at));
    };
    const std::vector<std::string> symbols = row("Zmiana");
    ASSERT_EQ(symbols.size(), 32u);
    EXPECT_EQ(symbols[1], "");
    EXPECT_EQ(symbols[4], "D");
    EXPECT_EQ(symbols[5], "N");
    for (int day = 20; day <= 24; ++day) EXPECT_EQ(symbols[day], "A") << day;
    EXPECT_EQ(row("Od")[9], "7");
    EXPECT_EQ(row("Do")[9], "19");
    EXPECT_EQ(row("Godziny")[9], "12");
    EXPECT_EQ(row("Godziny")[10], "11");
    EXPECT_EQ(row("Nadgodziny")[9], "3");
    EXPECT_EQ(row(cp("Nieobecność"))[20], "7<sup>35</sup>");
    EXPECT_NE(block.find(cp("Nadgodziny 100%: <b>03:00</b>")), std::string::npos);
    EXPECT_NE(block.find("Normatyw: <b>151:40</b>"), std::string::npos);
    EXPECT_NE(block.find("Razem: <b>169:55</b>"), std::string::npos);
}

TEST(ShippedTemplates, TheRecordCardShowsHoursByKindOvertimeAndLeaveAgainstTheNorm) {
    PrintedWard ward;
    const std::string html = ward.print("karta_ewidencji.wzr", "2024-05");
    expect_well_formed(html);
    EXPECT_EQ(count(html, "<div class=\"karta\">"), 5u);
    EXPECT_EQ(count(html, "<td class=\"nr\">"), 5u * 31);

    const std::string nowak = block_of(html, "Nowak Anna", "<div class=\"karta\">");
    EXPECT_EQ(cells(day_row(nowak, 7)),
              (std::vector<std::string>{"7", "wt.", "07:00", "17:05", "R", "07:35", "&nbsp;",
                                        "&nbsp;", "07:35", "02:00", "00:30", "&nbsp;", "&nbsp;",
                                        "&nbsp;", "&nbsp;", "&nbsp;", " "}));

    const std::string wisniewska = block_of(html, cp("Wiśniewska Zofia"), "<div class=\"karta\">");
    EXPECT_EQ(cells(day_row(wisniewska, 13))[4], "U");
    EXPECT_EQ(cells(day_row(wisniewska, 13))[11], "07:35");
    EXPECT_EQ(cells(day_row(wisniewska, 13))[16], "Wypoczynkowy ");
    EXPECT_EQ(cells(day_row(wisniewska, 4))[6], "08:00");

    const std::string lewandowski = block_of(html, "Lewandowski Piotr", "<div class=\"karta\">");
    EXPECT_EQ(cells(day_row(lewandowski, 20))[12], "07:35");
    EXPECT_EQ(cells(day_row(lewandowski, 20))[16], "Zwolnienie lekarskie ");
    const size_t foot = lewandowski.find("<tfoot>");
    EXPECT_EQ(
        cells(lewandowski.substr(foot, lewandowski.find("</tfoot>") - foot)),
        (std::vector<std::string>{cp("Razem w miesiącu"), "62:00", "40:00", "30:00", "132:00",
                                  "00:00", "03:00", "00:00", "37:55", "00:00", "00:00", "", ""}));
    EXPECT_NE(lewandowski.find(cp("Różnica względem wymiaru</td>\r\n<td class=\"liczba\">18:15")),
              std::string::npos);
    EXPECT_NE(lewandowski.find("(normatyw)</td>\r\n<td class=\"liczba\">151:40"),
              std::string::npos);

    const std::string dabrowska = block_of(html, cp("Dąbrowska-Sęk Maria"), "</body>");
    EXPECT_EQ(cells(day_row(dabrowska, 2))[15], "+");
    EXPECT_EQ(cells(day_row(dabrowska, 2))[16], cp("Za pracę w niedzielę/święto "));
}

TEST(ShippedTemplates, ThePlainTextScheduleIsTheSelectedWorkersMonth) {
    PrintedWard ward;
    std::string text = ward.print("harmonogram_indywidualny_txt.wzr", "2024-05", "--worker 4");
    const std::string made = cp("Sporządzono: ");
    const size_t date = text.find(made);
    ASSERT_NE(date, std::string::npos);
    text.replace(date + made.size(), text.find('\r', date) - date - made.size(), "-");
    std::string days;
    const char* weekdays[] = {"śr.", "czw.", "pt.", "sob.", "niedz.", "pon.", "wt."};
    const std::map<int, std::string> shown = {
        {4, "D\t07:00-19:00 "},  {5, "N\t19:00-07:00 "},
        {9, "D\t07:00-19:00 "},  {10, "N\t19:00-07:00 "},
        {14, "D\t07:00-19:00 "}, {15, "N\t19:00-07:00 "},
        {19, "D\t07:00-19:00 "}, {20, "A\t Zwolnienie lekarskie"},
        {21, "A\t  "},           {22, "A\t  "},
        {23, "A\t  "},           {24, "A\t  "},
        {25, "D\t07:00-19:00 "}, {26, "N\t19:00-07:00 "},
        {30, "D\t07:00-19:00 "}, {31, "N\t19:00-07:00 "}};
    for (int day = 1; day <= 31; ++day) {
        days += std::to_string(day) + "\t" + weekdays[(day - 1) % 7] + "\t" +
                (shown.contains(day) ? shown.at(day) : "\t ") + "\r\n";
    }
    EXPECT_EQ(text, cp("HARMONOGRAM INDYWIDUALNY CZASU PRACY\r\n"
                       "Oddział Chorób Wewnętrznych, Maj 2024\r\n"
                       "\r\n"
                       "Pracownik:  Lewandowski Piotr\r\n"
                       "Stanowisko: Pielęgniarz\r\n"
                       "Sporządzono: -\r\n"
                       "\r\n"
                       "Dzień\t\tZmiana\tGodziny pracy, nieobecność\r\n"
                       "--------------------------------------------------------\r\n" +
                       days +
                       "\r\n"
                       "Liczba dyżurów:                11\r\n"
                       "Godziny dzienne (D):           62:00\r\n"
                       "Godziny nocne (N):             40:00\r\n"
                       "Niedziele i święta (S):        30:00\r\n"
                       "Nieobecności wliczane:         37:55\r\n"
                       "Razem:                         169:55\r\n"
                       "Wymiar czasu pracy:            151:40\r\n"
                       "Różnica względem wymiaru:      18:15\r\n"
                       "\r\n"
                       "Nadgodziny 50%:                00:00\r\n"
                       "Nadgodziny 100%:               03:00\r\n"
                       "Dni z nadgodzinami:\r\n"
                       "  dzień 9 - 03:00 (od 19:00 do 22:00)\r\n"));
}

TEST(ShippedTemplates, TheRichTextRecordCardHasBoldValuesInColumns) {
    PrintedWard ward;
    const std::string rtf = ward.print("karta_ewidencji_rtf.wzr", "2024-05", "--worker 4");
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 "
                        "Arial;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs16 KARTA EWIDENCJI CZASU "
                        "PRACY\\par\r\n",
                        0),
              0u);
    EXPECT_NE(rtf.find("Pracownik: {\\b Lewandowski} {\\b Piotr}, stanowisko: {\\b "
                       "Piel\\'eagniarz}\\par\r\n"),
              std::string::npos);
    EXPECT_NE(rtf.find("{\\b 9}\\tab {\\b czw.}\\tab {\\b D}\\tab {\\b 07:00}\\tab {\\b "
                       "22:00}\\tab {\\b 12:00}\\tab {\\b 00:00}\\tab {\\b 00:00}\\tab {\\b "
                       "00:00}\\tab {\\b 03:00}\\tab {\\b 00:00}\\tab {\\b }\\par\r\n"),
              std::string::npos);
    EXPECT_NE(rtf.find("{\\b 20}\\tab {\\b pon.}\\tab {\\b A}\\tab {\\b }\\tab {\\b }\\tab {\\b "
                       "00:00}\\tab {\\b 00:00}\\tab {\\b 00:00}\\tab {\\b 00:00}\\tab {\\b "
                       "00:00}\\tab {\\b 07:35}\\tab {\\b Zwolnienie lekarskie}\\par\r\n"),
              std::string::npos);
    EXPECT_NE(rtf.find("Razem\\tab \\tab \\tab \\tab \\tab {\\b 62:00}\\tab {\\b 40:00}\\tab {\\b "
                       "30:00}\\tab {\\b 00:00}\\tab {\\b 03:00}\\tab {\\b 37:55}\\par\r\n"),
              std::string::npos);
    EXPECT_NE(rtf.find("R\\'f3\\'bfnica wzgl\\'eadem wymiaru: {\\b 18:15}\\par"),
              std::string::npos);
    EXPECT_EQ(count(rtf, "{"), count(rtf, "}"));
    EXPECT_EQ(rtf.find("&nbsp;"), std::string::npos);
    EXPECT_EQ(rtf.find("@_"), std::string::npos);
}

// A month without a month file, in a leap February: every template still makes a whole
// document, one row per day, and the working-time check one that finds nothing.
TEST(ShippedTemplates, EveryTemplateMakesAWholeDocumentForAnEmptyShortMonth) {
    PrintedWard ward;
    for (const auto& [file, title_and_type] : kShipped) {
        const std::string out = ward.print(file, "2024-02");
        ASSERT_FALSE(out.empty()) << file;
        EXPECT_EQ(out.find("@_"), std::string::npos) << file;
        if (title_and_type.second == "htm") {
            SCOPED_TRACE(file);
            expect_well_formed(out);
            if (file == "kontrola_czasu_pracy.wzr") {
                EXPECT_NE(out.find(cp("naruszenia i ostrzeżenia: <b>0</b>")), std::string::npos);
                EXPECT_EQ(count(out, "<td class=\"lp\">"), 0u);
                continue;
            }
            EXPECT_GT(count(out, ">29</t"), 0u);
            EXPECT_EQ(count(out, ">30</t"), 0u);
        }
    }
    const std::string text = ward.print("harmonogram_indywidualny_txt.wzr", "2024-02");
    EXPECT_NE(text.find("\r\n29\tczw.\t\t \r\n\r\n"), std::string::npos);
    EXPECT_NE(text.find(cp("Wymiar czasu pracy:            159:15")), std::string::npos);
}

}  // namespace
}  // namespace tabrel
