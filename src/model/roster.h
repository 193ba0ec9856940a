#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/calendar.h"
#include "model/day_off.h"
#include "model/day_off_type.h"
#include "model/duty.h"
#include "model/group.h"
#include "model/worker.h"

namespace tabrel {

// Every id a record can have (1..65535) is taken. The message is cp1250.
class NoFreeIdError : public std::runtime_error {
public:
    NoFreeIdError();
};

// What dodaj_wolne did: whether the entry reached its worker's slot, and the notice (cp1250) to
// show when its end was cut to the month, empty otherwise.
struct DayOffPlacement {
    bool placed = false;
    std::string notice;
};

// The whole in-memory state: groups, staff and the one shown month.
struct Roster {
    std::vector<Group> groups;    // deleted ones included
    std::vector<Worker> workers;  // blocked and deleted ones included
    MonthCalendar calendar;
    // The shown month's own choice of the kinds counting toward the norm, read from its file.
    NormFlags norm_flags = built_in_norm_flags();
    std::vector<Duty> detached_duties;  // of workers not in the register, written back as read
    std::vector<DayOff> detached_days_off;
    // Lines of the month's per-worker sections whose worker is not in the register, written
    // back as read like the detached entries.
    struct KeptLine {
        std::string key;
        std::string value;
        bool operator==(const KeptLine&) const = default;
    };
    std::vector<KeptLine> detached_own_norms;     // [normatywy_wlasne]
    std::vector<KeptLine> detached_carry_manual;  // [manu_nadpracowania]
    std::vector<KeptLine> detached_carry_auto;    // [auto_nadpracowania_z_poprzedniego]
    int16_t current_group = -1;
    uint16_t current_worker = 0;
    uint16_t shown_year = 0;
    uint8_t shown_month = 0;  // 0..11
    std::filesystem::path data_folder;
    std::filesystem::path month_file;
    std::filesystem::path next_month_file;
    std::filesystem::path previous_month_file;
    std::vector<std::string> worker_ids;  // decimal ids in worker-array order
    std::vector<int> group_by_list_position;
    std::vector<int> group_by_id;
    int16_t duty_counter = 0;
    int16_t day_off_counter = 0;

    // Appends a copy, or with `replace` overwrites the current group.
    void dodaj_grupe(const Group& g, bool replace);
    // Appends a copy, or with `replace` overwrites the worker at `index`.
    void dodaj_pracow(const Worker& w, bool replace, int index);
    // Puts a duty into its worker's slot; false for a day past the month or a worker not in
    // the register (then it is kept detached). Recomputing the summary is the caller's part.
    bool dodaj_dyzur(Duty d, int worker_index);
    // Puts a day off into its worker's slot, cutting it to the month; showing the notice is the
    // caller's part. A range that ends before it begins stays as it is and covers no day.
    DayOffPlacement dodaj_wolne(DayOff d, int worker_index);

    // A new id for groups ('g') or workers ('k'), deleted records counting as holders: the
    // largest id + 1 (1 for an empty array), or the lowest free one above 0 when the largest
    // is the highest an id can be. Throws NoFreeIdError when every id is taken.
    uint16_t id(char kind) const;

    void rebuild_worker_ids();
    // Position of the id in the worker id list, -1 when absent.
    int worker_index(uint16_t worker_id) const;

    // Days of the shown month: the calendar's when built, else the month selector's.
    int month_days() const;
    const Group* current() const;
};

}  // namespace tabrel
