#pragma once

#include "editing/edit_context.h"
#include "editing/redisplay.h"

namespace tabrel {

// "Usuń dyżury..." and "Usuń wolne...", each after its own Yes/No question. "wybranego
// pracownika..." takes the selected worker's entries of every group; "wszystkie..." every
// worker's entries of the current group only. Days off give their leave back.
Redisplay delete_worker_duties(EditContext& context);
Redisplay delete_all_duties(EditContext& context);
Redisplay delete_worker_days_off(EditContext& context);
Redisplay delete_all_days_off(EditContext& context);

}  // namespace tabrel
