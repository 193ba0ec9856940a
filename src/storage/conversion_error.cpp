#include "storage/conversion_error.h"

#include "i18n/text.h"

namespace tabrel {

namespace {

std::string kind_text(ConversionError::Kind kind) {
    switch (kind) {
        case ConversionError::Kind::Integer:
            return tr("msg_NotInteger", "nie jest poprawną liczbą całkowitą");
        case ConversionError::Kind::Fraction:
            return tr("msg_NotNumber", "nie jest poprawną liczbą");
        case ConversionError::Kind::Colour:
            return tr("msg_NotColour", "nie jest poprawnym kolorem");
    }
    return {};
}

}  // namespace

ConversionError::ConversionError(std::string text, Kind kind)
    : message_("'" + text + "' " + kind_text(kind)) {}

ConversionError ConversionError::too_many_shifts(const std::string& group_name) {
    return ConversionError(tr("msg_TooManyShifts", "grupa ma więcej niż 4 zmiany: ") + "'" +
                           group_name + "'");
}

void ConversionError::locate(const std::string& file, int line) {
    message_ = tr("msg_FileReadError", "Błąd odczytu pliku ") + file +
               tr("msg_FileReadErrorLine", ", wiersz ") + std::to_string(line) + ": " + message_ +
               ".";
}

}  // namespace tabrel
