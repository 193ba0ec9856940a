#include "cp1250_input.h"

#include <QLineEdit>

#include "i18n/cp1250.h"
#include "i18n/text.h"

namespace tabrel {

namespace {

constexpr char16_t kFieldSeparator = u'\u00A4';

}  // namespace

std::optional<std::string> storable_text(const QString& text) {
    if (text.contains(QChar(kFieldSeparator))) return std::nullopt;
    return utf8_to_cp1250(text.toStdString());
}

Cp1250Input::Cp1250Input(QLineEdit* edit, Prompter& prompter)
    : QObject(edit), edit_(edit), prompter_(prompter), accepted_(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this, &Cp1250Input::changed);
    connect(edit, &QLineEdit::textEdited, this, &Cp1250Input::edited);
}

void Cp1250Input::guard(QLineEdit* edit, Prompter& prompter) {
    new Cp1250Input(edit, prompter);
}

void Cp1250Input::changed(const QString& text) {
    if (storable_text(text)) accepted_ = text;
}

void Cp1250Input::edited(const QString& text) {
    if (storable_text(text)) return;
    const int added = static_cast<int>(text.size() - accepted_.size());
    const int cursor = std::max(0, edit_->cursorPosition() - std::max(added, 0));
    edit_->setText(accepted_);
    edit_->setCursorPosition(std::min(cursor, static_cast<int>(accepted_.size())));
    prompter_.inform(tabrel::tr("msg_CharacterRefused",
                                "Wpisanego znaku nie można zapisać w danych programu (dozwolone są "
                                "znaki strony kodowej Windows-1250 z wyjątkiem \"¤\")."));
}

std::string cp1250_of(const QLineEdit* edit) {
    return storable_text(edit->text()).value_or(std::string());
}

}  // namespace tabrel
