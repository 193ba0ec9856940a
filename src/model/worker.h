#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/colour.h"
#include "model/day_off.h"
#include "model/duty.h"
#include "model/group_membership.h"
#include "model/month_summary.h"

namespace tabrel {

constexpr int kMonthSlots = 31;

// A worker of the staff register (record `prac`). Blocked and deleted workers keep `old` set.
struct Worker {
    std::string pseudo;  // at most 3 characters
    GroupMembership grupy;
    std::string imie;
    std::string nazwisko;
    std::string adres;
    std::string poczta;
    std::string kod;
    std::string telefon;
    std::string email;
    std::string zawod;
    std::string pesel;
    std::string wyksztalcenie;
    std::string kursy;
    std::string user1;
    std::string user2;
    std::string user3;
    std::string pref_system_pattern = "1200";
    std::string pref_8_shift_no = "1";
    // Leave balances are signed: annual leave may be booked beyond what is left, and giving it
    // back must restore the balance exactly.
    int32_t urlop = 0;
    int32_t urlop_prev = 0;
    uint16_t id = 0;
    uint16_t grupa = 0;
    int16_t carry_total = 0;
    int16_t carry_auto = 0;
    int16_t carry_manual = 0;
    double etat = 100;
    int16_t opieka = 0;
    uint8_t pref_dn = 0;
    uint8_t pref_zs = 0;
    int16_t reha = 0;
    uint8_t duty_count = 0;   // duties of the shown month
    uint8_t leave_count = 0;  // leave days of the shown month
    uint8_t pref_system_start_from = 1;
    uint8_t pref_system_start_from8 = 1;
    Colour kolor = clYellow;
    bool old = false;
    bool pref_8 = false;
    bool pref_without_auto = false;
    bool pref_system = false;
    bool own_norm_set = false;
    bool pref_system_as_week = false;
    std::array<Duty, kMonthSlots> duties{};      // slot d-1: the duty of day d
    std::array<DayOff, kMonthSlots> days_off{};  // slot d-1: the day off starting on day d
    int16_t norma = 0;                           // the worker's norm for the shown month
    int16_t own_norm = 0;                        // the worker's own month norm
    WorkerMonthSummary summary;

    bool operator==(const Worker&) const = default;
};

constexpr size_t kPseudoLength = 3;

inline bool belongs_to(const Worker& w, uint16_t group_id) {
    return w.grupy.contains(group_id);
}

// The short name as stored: cut to its first three characters.
std::string cut_pseudo(std::string_view text);

}  // namespace tabrel
