#include "model/worker.h"

namespace tabrel {

std::string cut_pseudo(std::string_view text) {
    return std::string(text.substr(0, kPseudoLength));
}

}  // namespace tabrel
