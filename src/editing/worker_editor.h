#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/prompter.h"
#include "model/colour.h"
#include "model/roster.h"
#include "storage/options.h"

namespace tabrel {

// The planner choice of the "A&utomat" tab: "Nie rozpisuj", '"8"' duties or the "system".
enum class AutoMode { WithoutAuto, Eight, System };

// Everything the worker editor's controls hold (cp1250 texts, times as hours:minutes).
struct WorkerForm {
    std::string nazwisko;
    std::string imie;
    std::string pseudo;
    Colour kolor = clYellow;
    std::string zawod;
    std::vector<uint16_t> groups;  // ids of the ticked groups, in list order
    uint16_t chosen_group = 0;     // cb_Group's group id, 0 when none
    std::string adres;
    std::string poczta;
    std::string kod;
    std::string telefon;
    std::string email;
    std::string pesel;
    std::string wyksztalcenie;
    std::string kursy;
    std::string user1;
    std::string user2;
    std::string user3;
    std::string urlop = "197:10";
    std::string urlop_prev = "000:00";
    int opieka = 0;
    int reha = 0;
    std::string etat = "100";
    int16_t carry_auto = 0;  // shown read-only
    std::string carry_manual = "000:00";
    bool own_norm_set = false;
    std::string own_norm = "000:00";
    int pref_dn = 3;
    int pref_zs = 3;
    AutoMode mode = AutoMode::WithoutAuto;
    std::string pref_8_shift_no = "1";
    int pref_system_start_from8 = 1;
    std::string pref_system_pattern = "1200";
    int pref_system_start_from = 1;
    bool pref_system_as_week = false;
    bool old = false;
};

constexpr int kMaxCareDays = 2;
constexpr int kMaxRehaDays = 20;
constexpr int kMaxOverdrawnDays = 366;
constexpr int kMaxPreference = 6;

// Indexes of the groups the group list shows, in its order.
std::vector<int> listed_groups(const Roster& roster);

// The ids the worker dialog ticks (`listed_ids`) that name a group of the register, in order.
std::vector<uint16_t> member_group_ids(const GroupMembership& grupy, const Roster& roster);

// The new-worker path. Personal fields are emptied, leave and working time take their
// defaults, occupation and education the first suggestions; the occupation shown is then the
// selected worker's when the register has workers. Address and planner settings stay.
void prepare_new_worker(WorkerForm& form, const Roster& roster, const Options& options,
                        Colour colour);

// The edit path: every control from the worker; `decimal` is the system's decimal separator.
WorkerForm worker_form(const Worker& worker, const Roster& roster, char decimal);

// On leaving a name field: a new worker's short name from the first letters of surname and
// name, when both are filled and the short name is empty. Nothing when it stays as it is.
std::optional<std::string> short_name_for(bool is_new, const WorkerForm& form);

// The part-time key filter: "," and "." become `decimal`; digits, Backspace and one separator
// pass. Nothing when the key is refused.
std::optional<char> part_time_key(char key, std::string_view text, char decimal);

// The part-time percentage as the field shows it ("%f" with the system's separator).
std::string etat_text(double etat, char decimal);

// The number in the field; 100 when it holds no digit.
double etat_value(std::string_view text, char decimal);

// OK's record over `base` (the edited worker, or a fresh one for a new worker), which keeps
// its id, slots and month figures. Throws TimeConversionError for a time that is no time.
Worker worker_from_form(const WorkerForm& form, const Worker& base, char decimal);

struct StoredWorker {
    int index = 0;           // the worker's place in the register, now the selected worker
    bool redisplay = false;  // duties and days off are to be shown again
};

// OK's steps on the roster: the edited worker replaced, or a new one appended with a new id
// and empty slots; its summary recomputed. Throws TimeConversionError, or NoFreeIdError for a
// new worker when every id is taken (nothing is changed).
StoredWorker store_worker(Roster& roster, const Options& options, const WorkerForm& form,
                          std::optional<int> edited_index, char decimal);

// "Usuń pracownika" after the question: the worker is marked deleted; entries stay.
bool delete_worker(Roster& roster, Prompter& prompter, int worker_index);

// "Przywróć": false when the worker was not deleted.
bool restore_worker(Roster& roster, int worker_index);

// msg_WorkerNeed
std::string worker_need_message();

}  // namespace tabrel
