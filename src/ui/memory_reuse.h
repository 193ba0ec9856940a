#pragma once

namespace tabrel {

// Keeps the memory the program frees for its own reuse instead of handing it back to the system
// at once: a month switch frees and takes again a few megabytes, and memory taken fresh from the
// system is faulted in page by page. Called once at start.
void keep_freed_memory();

}  // namespace tabrel
