#include "storage/month_lines.h"

#include <limits>
#include <vector>

#include "model/day_off_type.h"
#include "storage/line_file.h"

namespace tabrel {

namespace {

template <typename T>
T field(const std::vector<std::string>& fields, size_t i) {
    if (i >= fields.size()) throw ConversionError("", ConversionError::Kind::Integer);
    return static_cast<T>(
        parse_integer(fields[i], std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// Only the first character of the shift field counts.
uint8_t shift_number(const std::vector<std::string>& f) {
    const std::string first = f.size() > 4 ? f[4].substr(0, 1) : std::string();
    return static_cast<uint8_t>(parse_integer(first, 0, 9));
}

}  // namespace

Duty parse_duty(std::string_view value) {
    const std::vector<std::string> f = split_fields(value);
    Duty d;
    d.group_id = field<uint16_t>(f, 0);
    d.worker_id = field<uint16_t>(f, 1);
    d.day_no = field<uint16_t>(f, 2);
    d.duration = field<uint16_t>(f, 3);
    d.shift_no = shift_number(f);
    d.start = field<uint16_t>(f, 5);
    d.overtime = field<int16_t>(f, 6);
    d.note = f.size() > 7 ? f[7] : std::string();
    d.on_request = f.size() > 8 && f[8] == "1";
    d.day_off_marker = false;
    d.accepted = true;
    return d;
}

DayOff parse_day_off(std::string_view value) {
    const std::vector<std::string> f = split_fields(value);
    DayOff d;
    d.group_id = field<uint16_t>(f, 0);
    d.worker_id = field<uint16_t>(f, 1);
    d.from_day = field<uint8_t>(f, 2);
    d.to_day = field<uint8_t>(f, 3);
    d.minutes = field<uint16_t>(f, 4);
    // No kind is a control character or a blank: NUL stands for none in memory and is written
    // as an empty field, and a blank at the line's end is lost when the file is read again.
    const bool given = f.size() > 5 && !f[5].empty() && static_cast<unsigned char>(f[5][0]) > ' ';
    d.kind = given ? f[5][0] : kOtherLetter;
    return d;
}

}  // namespace tabrel
