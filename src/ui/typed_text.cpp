#include "typed_text.h"

#include <QLineEdit>

#include "i18n/cp1250.h"
#include "i18n/text.h"

namespace tabrel {

std::optional<std::string> typed_cp1250(const QString& text, std::string_view refused) {
    std::optional<std::string> stored = utf8_to_cp1250(text.toStdString());
    if (stored && stored->find_first_of(refused) != std::string::npos) return std::nullopt;
    return stored;
}

std::string character_refused_message() {
    return tr("msg_CharacterRefused",
              "Wpisanego znaku nie można zapisać w tym polu. Tekst pozostał bez zmian.");
}

void guard_typed_text(QLineEdit* edit, Prompter& prompter, std::string_view refused) {
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [edit, &prompter, refused = std::string(refused),
                      last = edit->text()](const QString& text) mutable {
                         if (typed_cp1250(text, refused)) {
                             last = text;
                             return;
                         }
                         const int cursor = edit->cursorPosition() - (text.size() - last.size());
                         edit->setText(last);
                         edit->setCursorPosition(std::max(cursor, 0));
                         prompter.inform(character_refused_message());
                     });
}

}  // namespace tabrel
