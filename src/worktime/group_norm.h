#pragma once

#include <optional>
#include <string>

#include "model/group.h"
#include "model/time_value.h"

namespace tabrel {

// The month norm of a group and how it splits into whole duties of its first shift.
struct GroupNorm {
    TimeValue norm = 0;
    TimeValue remainder = 0;  // what is left after the whole duties
    int duties = 0;           // whole first-shift duties in the norm
};

// Working days times the group's "8" length, or the hand-typed norm while "Własny normatyw"
// is down. A first shift of length 0 gives no duties and leaves the whole norm as remainder.
GroupNorm group_norm(int working_days, const Profile& rules, std::optional<TimeValue> custom);

// The two status texts above the norm field, from the language texts "st_NormaTitle" and
// "st_NormaValue" (cp1250; a carriage return breaks the line).
std::string norm_title(const Profile& rules);
std::string norm_value(int working_days, const GroupNorm& norm);

}  // namespace tabrel
