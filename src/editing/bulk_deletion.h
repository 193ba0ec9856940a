#pragma once

#include "editing/edit_context.h"
#include "editing/redisplay.h"

namespace tabrel {

// "Usuń dyżury..." and "Usuń wolne...", each after its own Yes/No question. "wybranego
// pracownika..." takes the selected worker's entries of every group; "wszystkie..." every
// worker's entries of the current group only. Days off give their leave back.
Redisplay mi_d_CurrentWorkerClick(EditContext& context);
Redisplay mi_d_AllClick(EditContext& context);
Redisplay mi_do_CurrentWorkerClick(EditContext& context);
Redisplay mi_do_AllClick(EditContext& context);

}  // namespace tabrel
