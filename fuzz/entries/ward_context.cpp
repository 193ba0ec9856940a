#include "ward_context.h"

#include <algorithm>

#include "printouts/window_lists.h"

namespace tabrel::fuzz {

WardContext::WardContext() {
    fill_window_lists(ctx, ViewState{});
    if (!ctx.worker_list.empty()) ctx.selected_worker = ctx.worker_list.front();
    ctx.selected_day = 0;
    roster.current_worker = static_cast<uint16_t>(std::max(ctx.selected_worker, 0));
}

}  // namespace tabrel::fuzz
