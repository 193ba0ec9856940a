#pragma once

#include <QLabel>

namespace tabrel {

// The caption beside a form field, named after the field ("l_Symb_8" for "e_Symb_8", and
// "l_SumCaption" for a label "l_Sum") so that a language file can reach it.
QLabel* field_caption(const QWidget* field, const char* text_utf8);

}  // namespace tabrel
