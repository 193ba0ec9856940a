#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_entries.h"

// One libFuzzer program per reader; the build names the entry it runs.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TABREL_FUZZ_ENTRY(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
