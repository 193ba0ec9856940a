#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tabrel {

// A count of minutes: a clock time from midnight (1440 = 24:00), a duration or a balance.
using TimeValue = int16_t;

// A wide result held in the 16 bits the files keep. It stops at the ends of the range rather
// than wrapping, so an absurd total never turns into a plausible one of the opposite sign.
constexpr TimeValue saturate16(int64_t minutes) {
    if (minutes < INT16_MIN) return INT16_MIN;
    if (minutes > INT16_MAX) return INT16_MAX;
    return static_cast<TimeValue>(minutes);
}

// A text that is not a time value. The caller shows what() and keeps the value it had.
class TimeConversionError : public std::runtime_error {
public:
    TimeConversionError(std::string input, const std::string& message)
        : std::runtime_error(message), input_(std::move(input)) {}
    const std::string& input() const { return input_; }

private:
    std::string input_;
};

// Minutes as text. Format "txt" gives hh:mm, "txt" plus one character uses that character
// instead of the colon, "htm" gives whole hours with the minutes as a superscript. With `wrap`
// the value is taken modulo one day, a whole non-zero number of days showing as 24:00.
std::string min2h(int64_t minutes, std::string_view format, bool wrap);

// Text as minutes: "h", "h:mm", signed, blanks around ignored. Throws TimeConversionError for
// a part that is not a decimal number and for a result beyond the 16-bit range.
TimeValue h2min(std::string_view text);

}  // namespace tabrel
