#include <gtest/gtest.h>

#include "storage/conversion_error.h"
#include "storage/staff_file.h"

#define S "\xA4"

namespace tabrel {
namespace {

Worker nurse() {
    Worker w;
    w.id = 12;
    w.grupa = 3;
    w.urlop = 1560;
    w.urlop_prev = 480;
    w.opieka = 2;
    w.reha = 10;
    w.etat = 87.5;
    w.pref_dn = 4;
    w.pref_zs = 6;
    w.pref_8 = true;
    w.pref_8_shift_no = "12";
    w.pref_without_auto = false;
    w.pref_system = true;
    w.pref_system_start_from = 3;
    w.pref_system_pattern = "1200";
    w.nazwisko = "Kowalska";
    w.imie = "Anna";
    w.pesel = "80010112345";
    w.adres = "Lipowa 5";
    w.telefon = "12 345";
    w.zawod = "Piel\xEAgniarka";
    w.pseudo = "AK";
    w.kolor = rgb(221, 221, 221);
    w.grupy = "3|5|";
    w.pref_system_as_week = true;
    w.pref_system_start_from8 = 2;
    return w;
}

const char* const kNurseLine =
    "p" S "12" S "3" S "1560" S "480" S "2" S "10" S "87,5" S "4" S "6" S "1" S "12" S "0" S "1" S
    "3" S "1200" S "Kowalska" S "Anna" S "80010112345" S "" S "" S "" S "" S "" S "Lipowa 5" S "" S
    "" S "12 345" S "" S "Piel\xEAgniarka" S "AK" S "$00DDDDDD" S "0" S "3|5|" S "1" S "2";

TEST(StaffFile, WritesEveryFieldByteExactlyAndReadsItBack) {
    Worker blocked;
    blocked.id = 13;
    blocked.old = true;
    blocked.etat = 100.0 / 3;
    blocked.nazwisko = "Nowak" S "\r\n";
    const std::string text = staff_file_text({nurse(), blocked}, ',');
    const std::string second = worker_line(blocked, ',');
    EXPECT_EQ(text, std::string(kNurseLine) + "\r\n" + second + "\r\n");
    EXPECT_NE(second.find(S "33,3333333333333" S), std::string::npos);
    EXPECT_NE(second.find(S "Nowak   " S), std::string::npos);
    EXPECT_EQ(worker_line(nurse(), '.').find("87.5"), std::string(kNurseLine).find("87,5"));

    Roster r;
    read_staff(text, r);
    ASSERT_EQ(r.workers.size(), 2u);
    EXPECT_EQ(worker_line(r.workers[0], ','), kNurseLine);
    EXPECT_EQ(worker_line(r.workers[1], ','), second);
    EXPECT_EQ(r.workers[0].duties[0].seq, 0);
}

TEST(StaffFile, OlderShorterLinesGetTheirExplicitDefaults) {
    // 33 fields, and a first line that would leave other values in the buffer.
    const std::string old_line =
        "p" S "14" S "2" S "26" S "26" S "2" S "10" S "87.5" S "5" S "5" S "0" S "" S "1" S "0" S
        "1" S "1200" S "Nowak" S "Jan" S "" S "" S "" S "" S "" S "" S "" S "" S "" S "" S "" S "" S
        "ABCD" S "clyellow" S "0";
    Roster r;
    read_staff(std::string(kNurseLine) + "\r\n\r\n" + old_line + "\r\np" S "15" S "7\r\n" +
                   "p" S "16" S "7" S "0" S "0" S "0" S "0" S "100" S "0" S "0" S "0" S "1" S "0" S
                   "0" S "1" S "" S "" S "" S "" S "" S "" S "" S "" S "" S "" S "" S "" S "" S "" S
                   "" S "X" S "0" S "0" S "9\r\n",
               r);
    ASSERT_EQ(r.workers.size(), 4u);
    const Worker& w = r.workers[1];
    EXPECT_EQ(w.grupy, "2|");
    EXPECT_FALSE(w.pref_system_as_week);
    EXPECT_EQ(w.pref_system_start_from8, 1);
    EXPECT_EQ(w.pseudo, "ABC");
    EXPECT_EQ(w.kolor, clYellow);
    EXPECT_DOUBLE_EQ(w.etat, 87.5);
    EXPECT_EQ(w.pref_8_shift_no, "12");  // empty: kept from the line before
    EXPECT_EQ(w.imie, "Jan");

    // Only id and grupa: the rest is left over from the worker before, grupy follows grupa.
    const Worker& bare = r.workers[2];
    EXPECT_EQ(bare.id, 15);
    EXPECT_EQ(bare.nazwisko, "Nowak");
    EXPECT_EQ(bare.grupy, "7|");

    EXPECT_EQ(r.workers[3].grupy, "9|");  // a membership without "|" gets one
    EXPECT_EQ(r.workers[3].kolor, rgb(0, 0, 0));
}

TEST(StaffFile, BadValueStopsTheLoadNamingTheLineAndKeepsEarlierWorkers) {
    Roster r;
    const std::string bad_etat = "p" S "14" S "2" S "26" S "26" S "2" S "10" S "pe\xB3ny\r\n";
    try {
        read_staff(std::string(kNurseLine) + "\r\n" + bad_etat + kNurseLine, r);
        FAIL() << "a text in etat must stop the load";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(),
                  "B\xB3\xB9"
                  "d odczytu pliku kadra.ini, wiersz 2: 'pe\xB3ny' nie jest "
                  "poprawn\xB9 liczb\xB9.");
    }
    ASSERT_EQ(r.workers.size(), 1u);
    // Leave balances are signed, so only values beyond their range stop the load.
    EXPECT_THROW(read_staff("p" S "1" S "1" S "-3000000000", r), ConversionError);
    EXPECT_THROW(read_staff("p" S "1" S "1" S "0" S "0" S "40000", r), ConversionError);
    EXPECT_EQ(r.workers.size(), 1u);
    read_staff("p" S "9" S "1" S "-1675" S "0" S "0" S "-1", r);  // leave taken beyond it
    EXPECT_EQ(r.workers.back().urlop, -1675);
    EXPECT_EQ(r.workers.back().reha, -1);
}

}  // namespace
}  // namespace tabrel
