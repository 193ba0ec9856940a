#pragma once

#include <string>
#include <string_view>

#include "editing/edit_context.h"
#include "editing/redisplay.h"

namespace tabrel {

// a_DutyAdd (Insert) and a_DayOffAdd: a drop of the panel "Dyżur" or "Wolne" on the selected
// cell, or a request to pick a valid day first.
Redisplay add_duty_at_selection(EditContext& context);
Redisplay add_day_off_at_selection(EditContext& context);

// Type-to-select on the grid: the keys typed while Shift is held name a worker by short name,
// who gets a new duty on the selected cell when Shift is released.
class TypeToSelect {
public:
    void key_typed(std::string_view cp1250) { typed_ += cp1250; }
    // The first worker of the worker list whose short name equals the typed text, ignoring
    // case, gets the duty dialog; the typed text is cleared either way.
    Redisplay shift_released(EditContext& context);
    const std::string& typed() const { return typed_; }

private:
    std::string typed_;
};

}  // namespace tabrel
