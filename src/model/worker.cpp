#include "model/worker.h"

namespace tabrel {

bool belongs_to(const Worker& w, uint16_t group_id) {
    std::string haystack = "|" + w.grupy;
    std::string needle = "|" + std::to_string(group_id) + "|";
    return haystack.find(needle) != std::string::npos;
}

std::string cut_pseudo(std::string_view text) { return std::string(text.substr(0, kPseudoLength)); }

}  // namespace tabrel
