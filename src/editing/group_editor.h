#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/prompter.h"
#include "model/colour.h"
#include "model/roster.h"

namespace tabrel {

// Columns of the shift table sag_Shifts.
enum ShiftColumn {
    kNumberColumn,
    kStartColumn,
    kLengthColumn,
    kSymbolColumn,
    kColourColumn,
    kNameColumn,
    kStaffingColumn,
    kHolidayStaffingColumn,
    kShiftColumnCount
};

// One shift as the table's cells hold it (cp1250 texts).
struct ShiftRow {
    std::string start;
    std::string length;
    std::string symbol;
    std::string colour;  // a colour name; empty stands for white
    std::string name;
    std::string staffing;
    std::string holiday_staffing;
    bool operator==(const ShiftRow&) const = default;
};

// Everything the group editor's controls hold.
struct GroupForm {
    std::string nazwa;
    Colour kolor = clWhite;
    std::vector<ShiftRow> shifts;
    std::string day8 = "07:35";
    bool sob_swieto = false;
    bool wolne_za_sob_swieto = false;
    bool noc_w_swieto_jak_swieto = false;
    bool bez_swiat = false;
    bool reset_before_automat = false;
    uint8_t Algorithm = 0;
    uint8_t NormaResidueDistribution = 0;
};

// The two rows of a fresh editor: a day shift "R" and a night shift "N".
std::vector<ShiftRow> default_shift_rows();
GroupForm default_group_form();

// The key filter of the table: the character a cell receives for a typed key, nothing when
// the key is refused. Backspace is '\b', Enter '\r'. `cell_length` counts the characters the
// key would not replace.
std::optional<char> shift_cell_key(int column, char key, size_t cell_length);

// On leaving an edited cell: symbols and colour names keep their first two characters.
std::string cut_shift_cell(int column, std::string text);

// A time cell written back as hours:minutes. Starts are taken into one day, so a start always
// names a clock time. Throws TimeConversionError for a text that is no time.
std::string normalise_time_cell(int column, std::string_view text);

// The automatic calculation: each shift starts where the one before ends and the last one
// lasts what is left of 24 hours (never less than nothing). Throws TimeConversionError.
void auto_calc_shifts(std::vector<ShiftRow>& rows);

bool can_add_shift(size_t shift_count);
bool can_delete_shift(size_t shift_count);

// The new-group path: no name, the table cut to two rows (kept as they were), a new colour.
void prepare_new_group(GroupForm& form, Colour colour);

// The edit path: every control from the group.
GroupForm group_form(const Group& group);

// OK: the whole record. An edited group keeps its id, its default profile, its month's
// new-period mark and what the editor does not show; the custom norm comes from the current
// group as the main window shows it. Throws TimeConversionError for a time that is no time.
Group group_from_form(const GroupForm& form, const Roster& roster,
                      std::optional<uint16_t> edited_id);

// OK's steps on the roster: the edited group is replaced, a new one appended and made the
// current group. Returns the group's index. Throws TimeConversionError, or NoFreeIdError for
// a new group when every id is taken (nothing is changed).
int store_group(Roster& roster, const GroupForm& form, std::optional<uint16_t> edited_id);

// "Zapisz jako domyślne": the "8" length and the four day rules into the default profile.
// Throws TimeConversionError for an "8" length that is no time.
void save_as_default(Group& group, const GroupForm& form);

// "Usuń grupę" after the question: the group is marked deleted, its id taken from every
// worker's membership, and the first group left becomes the current one (-1 when none).
// False when there is no current group or the answer is No.
bool delete_group(Roster& roster, Prompter& prompter);

// msg_GroupNeed
std::string group_need_message();

}  // namespace tabrel
