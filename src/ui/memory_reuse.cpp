#include "memory_reuse.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tabrel {

void keep_freed_memory() {
#if defined(__GLIBC__)
    // Up to 64 MB stay with the program; blocks below 32 MB come from the reusable heap.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
}

}  // namespace tabrel
