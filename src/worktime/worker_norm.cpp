#include "worktime/worker_norm.h"

#include <string>

#include "storage/ini_file.h"
#include "worktime/nearest.h"

namespace tabrel {

namespace {

TimeValue carry_total(const Worker& worker) {
    return saturate16(int64_t{worker.carry_auto} + worker.carry_manual);
}

template <typename Change>
void for_current_group(Roster& roster, Change change) {
    const Group* group = roster.current();
    if (!group) return;
    for (Worker& worker : roster.workers) {
        if (!belongs_to(worker, group->id)) continue;
        change(worker);
        worker.carry_total = carry_total(worker);
    }
}

}  // namespace

TimeValue worker_norm(const Worker& worker, TimeValue group_norm) {
    const int64_t base =
        worker.own_norm_set ? worker.own_norm : nearest(group_norm * worker.etat / 100);
    return saturate16(base - carry_total(worker));
}

void apply_worker_norm(Worker& worker, TimeValue group_norm) {
    worker.carry_total = carry_total(worker);
    worker.norma = worker_norm(worker, group_norm);
}

void nadpracowania_auto_zeruj(Roster& roster) {
    for_current_group(roster, [](Worker& worker) { worker.carry_auto = 0; });
}

void nadpracowania_auto_wczytaj_z_poprzedniego_miesiaca(Roster& roster,
                                                        const IniFile& previous_month) {
    for_current_group(roster, [&](Worker& worker) {
        worker.carry_auto = saturate16(
            previous_month.read_integer("auto_nadpracowania", std::to_string(worker.id), 0));
    });
}

}  // namespace tabrel
