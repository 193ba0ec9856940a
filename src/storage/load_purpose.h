#pragma once

namespace tabrel {

// What a loader may do to the data folder while it reads.
enum class LoadPurpose {
    Editing,  // the data will be saved back: the companion copies are renewed first
    Reading,  // a command that only reads: no file is created, changed or removed
};

}  // namespace tabrel
