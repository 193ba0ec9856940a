#include "export/ical_timezone.h"

namespace tabrel {

std::string ical_timezone() {
    return "BEGIN:VTIMEZONE\r\n"
           "TZID:" +
           std::string(kIcalTimeZone) +
           "\r\n"
           "BEGIN:DAYLIGHT\r\n"
           "TZOFFSETFROM:+0100\r\n"
           "TZOFFSETTO:+0200\r\n"
           "TZNAME:CEST\r\n"
           "DTSTART:19700329T020000\r\n"
           "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
           "END:DAYLIGHT\r\n"
           "BEGIN:STANDARD\r\n"
           "TZOFFSETFROM:+0200\r\n"
           "TZOFFSETTO:+0100\r\n"
           "TZNAME:CET\r\n"
           "DTSTART:19701025T030000\r\n"
           "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
           "END:STANDARD\r\n"
           "END:VTIMEZONE\r\n";
}

}  // namespace tabrel
