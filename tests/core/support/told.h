#pragma once

#include "app/tell_user.h"
#include "base/notices.h"

namespace tabrel::test {

// What a storage call returned, after showing its notices through `prompter` as the program
// does, so a test of what the user is told reads the prompter.
inline Notices told(Prompter& prompter, Notices notices) {
    tell(prompter, notices);
    return notices;
}
template <typename Load>
Load told(Prompter& prompter, Load load) {
    tell(prompter, load.notices);
    return load;
}

}  // namespace tabrel::test
