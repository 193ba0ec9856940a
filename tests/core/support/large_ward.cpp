#include "support/large_ward.h"

#include "support/ward_fixture.h"

#include "app/tell_user.h"
#include "storage/month_paths.h"
#include "storage/options_file.h"
#include "storage/staff_files.h"
#include "worktime/month_rebuild.h"
#include "worktime/month_save.h"

namespace tabrel::test {

namespace {

constexpr int kGroups = 6;
constexpr int kWorkers = 200;
constexpr int kDutiesPerWorker = 15;

Group ward_group(int id, int version) {
    return two_shift_group(static_cast<uint16_t>(id),
                           (version == 0 ? "Oddzia\xB3 " : "Odcinek ") + std::to_string(id));
}

Worker ward_worker(int index, int version) {
    Worker w;
    w.id = static_cast<uint16_t>(index + 1);
    w.grupa = static_cast<uint16_t>(index % kGroups + 1);
    w.grupy = std::to_string(w.grupa) + "|";
    w.nazwisko = (version == 0 ? "Kowalska-" : "Nowakowska-") + std::to_string(index);
    w.imie = "Zofia";
    w.etat = version == 0 ? 1.0 : 0.75;
    return w;
}

// Every other day, from the first or second day of the month by worker and version.
void add_duties(Roster& roster, int index, int version) {
    const Worker& w = roster.workers[static_cast<size_t>(index)];
    for (int k = 0; k < kDutiesPerWorker; ++k) {
        Duty d;
        d.worker_id = w.id;
        d.group_id = w.grupa;
        d.day_no = static_cast<uint16_t>(1 + (index + version) % 2 + 2 * k);
        d.shift_no = static_cast<uint8_t>(1 + k % 2);
        d.start = k % 2 == 0 ? 420 : 1140;
        d.duration = version == 0 ? 720 : 600;
        roster.dodaj_dyzur(d, index);
    }
}

}  // namespace

LargeWard::LargeWard(const std::filesystem::path& data_folder, int version) {
    roster.data_folder = data_folder;
    for (int id = 1; id <= kGroups; ++id) roster.dodaj_grupe(ward_group(id, version), false);
    roster.current_group = 0;
    roster.shown_year = 2024;
    roster.shown_month = 2;
    for (int i = 0; i < kWorkers; ++i) roster.dodaj_pracow(ward_worker(i, version), false, i);
    roster.rebuild_worker_ids();
    plik_save(roster);
    normatyw(roster, options, {2024, 3, true, nullptr, {}});
    for (int i = 0; i < kWorkers; ++i) add_duties(roster, i, version);
    options.last_backup = {2024, 3, 1};
    options.window = {version == 0, 10 * version, 20 * version, 1000 + version, 700 + version};
}

bool save_everything(LargeWard& ward, const Locale& locale, Prompter& prompter) {
    const Notices staff = zapisz(ward.roster, locale, system_clock());
    tell(prompter, staff);
    const Status month = zapisz_dyzury_i_wolne(ward.roster, ward.options, locale, system_clock());
    tell(prompter, month);
    return save_exit_state(ward.roster.data_folder, ward.options, locale) && staff && month;
}

std::string without_save_date(std::string month_text) {
    const size_t at = month_text.find("\r\ndata=");
    if (at == std::string::npos) return month_text;
    const size_t end = month_text.find("\r\n", at + 2);
    return month_text.erase(at + 2, end - at - 2);
}

}  // namespace tabrel::test
