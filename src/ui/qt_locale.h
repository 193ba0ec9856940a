#pragma once

#include "base/locale.h"

namespace tabrel {

// The desktop's regional settings for the core.
class QtLocale : public Locale {
public:
    std::string short_date(int year, int month, int day) const override;
    char decimal_separator() const override;
};

}  // namespace tabrel
