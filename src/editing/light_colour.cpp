#include "editing/light_colour.h"

namespace tabrel {

Colour random_light_colour(std::mt19937& random) {
    std::uniform_int_distribution<int> part(0, 134);
    const auto r = static_cast<uint8_t>(120 + part(random));
    const auto g = static_cast<uint8_t>(120 + part(random));
    const auto b = static_cast<uint8_t>(120 + part(random));
    return rgb(r, g, b);
}

Colour random_light_colour() {
    static std::mt19937 random{std::random_device{}()};
    return random_light_colour(random);
}

}  // namespace tabrel
