#include "worktime/group_norm.h"

#include "i18n/format_text.h"
#include "i18n/text.h"

namespace tabrel {

GroupNorm group_norm(int working_days, const Profile& rules, std::optional<TimeValue> custom) {
    GroupNorm result;
    result.norm = custom ? *custom : saturate16(int64_t{working_days} * rules.day8);
    const int length = rules.shifts.empty() ? 0 : rules.shifts[0].zile;
    if (length == 0) {
        result.remainder = result.norm;
        return result;
    }
    result.duties = result.norm / length;
    result.remainder = static_cast<TimeValue>(result.norm % length);
    return result;
}

std::string norm_title(const Profile& rules) {
    const std::string symbol = rules.shifts.empty() ? "" : rules.shifts[0].zsymbol;
    return format_text(tr("st_NormaTitle", "Dni robocze: %sDyżury \"%s\": "), {"\r", symbol});
}

std::string norm_value(int working_days, const GroupNorm& norm) {
    return format_text(tr("st_NormaValue", "%d %s%d dyż. + %s"),
                       {std::to_string(working_days), "\r", std::to_string(norm.duties),
                        min2h(norm.remainder, "txt", false)});
}

}  // namespace tabrel
