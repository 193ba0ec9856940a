#include "app/login.h"

#include <bit>

namespace tabrel {

std::string GGLoginHash(std::string_view password, uint32_t seed) {
    uint32_t y = seed;
    uint32_t x = 0;
    for (char ch : password) {
        x = (x & 0xFFFFFF00u) | static_cast<unsigned char>(ch);
        y ^= x;
        y += x;
        x <<= 8;
        y ^= x;
        x <<= 8;
        y -= x;
        x <<= 8;
        y ^= x;
        y = std::rotl(y, static_cast<int>(y % 32));
    }
    return std::to_string(y);
}

std::string stored_password_hash(const SettingsStore& store) {
    return store.value(kPasswordValue).value_or("");
}

bool password_matches(std::string_view typed, std::string_view stored) {
    return GGLoginHash(typed, kLoginSeed) == stored;
}

bool change_password(SettingsStore& store, std::string_view typed) {
    if (typed.empty()) return store.remove(kPasswordValue);
    return store.set_value(kPasswordValue, GGLoginHash(typed, kLoginSeed));
}

}  // namespace tabrel
