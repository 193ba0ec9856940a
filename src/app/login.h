#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings_store.h"

namespace tabrel {

// The seed every password is hashed with, when stored and when checked.
inline constexpr uint32_t kLoginSeed = 0x1D4A;

// The settings value that holds the password's hash.
inline constexpr const char* kPasswordValue = "pwd";

// The login hash, in 32-bit unsigned arithmetic that wraps:
//   y = seed; x = 0
//   for each byte c of the password (cp1250):
//     x = (x & 0xFFFFFF00) | c
//     y ^= x; y += x; x <<= 8; y ^= x; x <<= 8; y -= x; x <<= 8; y ^= x
//     y = rotate_left(y, y % 32)
//   result: y as unsigned decimal digits
// So "a" with seed 0x1D4A gives "4157131241"; the empty text gives the seed itself.
std::string GGLoginHash(std::string_view password, uint32_t seed);

// The stored hash text; empty when there is none, which means no password.
std::string stored_password_hash(const SettingsStore& store);

// The start-up check: the typed password (cp1250) against the stored text, compared exactly.
bool password_matches(std::string_view typed, std::string_view stored);

// The change mode: a non-empty password is stored as its hash, an empty one removes the value.
// The password asked at start changes only with the next start. False when the store cannot be
// written, which leaves the old password in force.
bool change_password(SettingsStore& store, std::string_view typed);

}  // namespace tabrel
