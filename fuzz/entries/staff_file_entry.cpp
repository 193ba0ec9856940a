#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "storage/conversion_error.h"
#include "storage/staff_file.h"

namespace tabrel::fuzz {

namespace {

// The workers of a text as kadra.ini would be written after loading it; what a line held
// before a bad value is kept, as the loader keeps it.
std::string saved_after_load(std::string_view text) {
    Roster roster;
    try {
        read_staff(text, roster);
    } catch (const ConversionError&) {
    }
    return staff_file_text(roster.workers, ',');
}

}  // namespace

// Whatever was read must survive a save and a second load unchanged.
void staff_file(std::string_view bytes) {
    const std::string saved = saved_after_load(bytes);
    expect_same(saved, saved_after_load(saved), "kadra.ini changed on a second load and save");
}

}  // namespace tabrel::fuzz
