#include "app/month_switch.h"

#include "app/tell_user.h"
#include "i18n/cp1250.h"
#include "i18n/text.h"
#include "model/shown_month.h"
#include "storage/legacy_file.h"
#include "storage/month_file.h"
#include "storage/month_paths.h"
#include "worktime/hour_split.h"
#include "worktime/month_save.h"

namespace tabrel {

namespace fs = std::filesystem;

namespace {

std::string file_name(const fs::path& path) {
    return utf8_to_cp1250(path.filename().string()).value_or("?");
}

}  // namespace

MonthSwitch::MonthSwitch(Roster& roster, Options& options, Prompter& prompter, const Locale& locale,
                         const Clock& clock, LoadPurpose purpose)
    : roster_(roster),
      options_(options),
      prompter_(prompter),
      locale_(locale),
      clock_(clock),
      purpose_(purpose) {}

NormStatus MonthSwitch::switch_to(int year, int month) {
    if (!roster_.month_file.empty() && !restore_in_progress() && !leave_shown_month())
        return recompute();
    show_year_month(roster_, {year, month});
    NormStatus status;
    if (roster_.groups.empty()) return status;
    plik_save(roster_);
    roster_.calendar.days.resize(days_in_month(year, month));
    load_shown_month(status);
    return status;
}

bool MonthSwitch::save_at_exit() {
    if (roster_.groups.empty()) return true;
    return save_shown_month();
}

bool MonthSwitch::save_written() {
    stored_.reset();
    return save_at_exit();
}

bool MonthSwitch::restore_in_progress() const {
    std::error_code ec;
    return fs::exists(restore_marker(roster_.month_file), ec) ||
           fs::exists(restore_marker(roster_.data_folder / kLegacyFileName), ec);
}

// What could not be written lives only in memory: the user may stay on the month instead of
// losing it to the month entered.
bool MonthSwitch::leave_shown_month() {
    if (save_shown_month() || load_failed_) return true;
    return prompter_.ask(tr("msg_MonthLeaveUnsaved",
                            "Nie udało się zapisać tego miesiąca. Czy mimo to przejść do innego "
                            "miesiąca? Zmiany wprowadzone w tym miesiącu zostaną utracone."));
}

bool MonthSwitch::save_shown_month() {
    if (load_failed_) {
        prompter_.inform(tr("msg_MonthKept", "Nie zapisano pliku ") +
                         file_name(roster_.month_file) +
                         tr("msg_MonthKept2", ": jego odczyt został przerwany błędem."));
        return false;
    }
    const Status saved = save_changed_month(roster_, options_, locale_, clock_, stored_);
    tell(prompter_, saved);
    return saved.ok();
}

void MonthSwitch::load_shown_month(NormStatus& status) {
    MonthLoadResult loaded = wczytaj_dyzury_i_wolne(roster_, options_, purpose_);
    tell(prompter_, loaded.notices);
    load_failed_ = loaded.failed();
    stored_ = std::move(loaded.stored);
    if (loaded.failed()) {
        prompter_.error(loaded.status.message() + "\r\n" +
                        tr("msg_MonthLoadStopped",
                           "Ten miesiąc nie zostanie zapisany, aby nie nadpisać pliku."));
    }
    if (roster_.current_worker >= roster_.workers.size()) roster_.current_worker = 0;
    status = rebuild(true, &loaded.file);
}

NormStatus MonthSwitch::recompute() {
    // The month shown while there was no group was never read, so it would not be saved when
    // left: the first group reads it now.
    if (roster_.month_file.empty() && !roster_.groups.empty()) {
        const YearMonth shown = shown_year_month(roster_);
        return switch_to(shown.year, shown.month);
    }
    return rebuild(false, nullptr);
}

NormStatus MonthSwitch::rebuild(bool clear_counts, const IniFile* month_file) {
    const Group* group = roster_.current();
    std::optional<TimeValue> custom;
    if (group && group->CustomNorma) custom = saturate16(group->Norma);
    const YearMonth shown = shown_year_month(roster_);
    NormStatus status =
        normatyw(roster_, options_, {shown.year, shown.month, clear_counts, month_file, custom});
    odswiez_wszystkich(roster_, options_);
    return status;
}

}  // namespace tabrel
