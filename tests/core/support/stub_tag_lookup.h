#pragma once

#include <stdexcept>
#include <string>

#include "printouts/generation_context.h"

// A stand-in for the tag dictionary, defined in the one test program that includes it, so
// that tests of the template machinery see exactly which context each tag was filled in. The
// linker then takes it instead of the library's gen_zamien.
namespace tabrel {

std::string gen_zamien(const std::string& token, GenerationContext& ctx) {
    const FragmentContext& at = ctx.at;
    if (token == "day_no") return std::to_string(at.day + 1);
    if (token == "worker_surname")
        return at.worker < 0 ? "" : ctx.roster.workers[static_cast<size_t>(at.worker)].nazwisko;
    if (token == "worker_no") return std::to_string(++ctx.switches.worker_no);
    if (token == "eol") return "|eol|";
    if (token == "clear_auto_eols") {
        ctx.switches.clear_auto_eols = true;
        return "";
    }
    if (token == "at")
        return "d" + std::to_string(at.day) + "w" + std::to_string(at.worker) + "s" +
               std::to_string(at.shift);
    if (token == "type") return std::string(output_type_name(ctx.type));
    if (token == "boom") throw std::runtime_error("no value");
    return "";
}

}  // namespace tabrel
