#pragma once

#include "model/group.h"
#include "model/worker.h"

namespace tabrel {

// Carries one register record's change from `from` to `to` over to `current`: each field the
// change touched takes its value in `to`, the others keep what `current` holds now. Leave
// balances move by the change's difference instead, so a balance edited in between keeps
// that edit. With `current` equal to `from` the result equals `to` exactly.
void carry_record(Worker& current, const Worker& from, const Worker& to);
void carry_record(Group& current, const Group& from, const Group& to);

// Makes `from` agree with `to` in the fields that belong to the shown month, so that carrying
// the change no longer touches them.
void forget_month_fields(Worker& from, const Worker& to);
void forget_month_fields(Group& from, const Group& to);

// Whether the worker holds a duty or a day off in the shown month.
bool has_month_entries(const Worker& worker);

}  // namespace tabrel
