#pragma once

#include <QLineEdit>
#include <optional>

#include "base/prompter.h"
#include "model/time_value.h"

namespace tabrel {

// Masks of the hours:minutes fields: a clock time or length, and a signed overtime " 00:00".
inline constexpr char kClockMask[] = "99:99;_";
inline constexpr char kSignedMask[] = "#99:99; ";

// A masked hours:minutes field named `name`.
QLineEdit* time_field(const char* name, const char* mask, QWidget* parent);

// Minutes shown in the field, right-aligned in its mask; `wrap` shows a clock time.
void show_time(QLineEdit& field, int minutes, bool wrap);

// A time text ("0:00", "-5:30", "197:10") shown whole in the field's mask: the hours padded
// with zeros to the mask's places, a sign place kept blank or holding the minus.
void show_time_text(QLineEdit& field, const QString& text);

// The field's minutes; a text that is not a time is reported through `prompter` instead.
std::optional<TimeValue> read_time(const QLineEdit& field, Prompter& prompter);

// A clock time from 00:00 to 24:00; anything else is reported instead.
std::optional<TimeValue> read_clock(const QLineEdit& field, Prompter& prompter);

}  // namespace tabrel
