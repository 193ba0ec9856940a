#include "notes_edit.h"

#include <QTextCursor>

#include "qt_text.h"
#include "typed_text.h"

namespace tabrel {

namespace {

constexpr char kRefused[] = "\xA4";

std::optional<std::string> stored_form(QString text) {
    return typed_cp1250(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")), kRefused);
}

}  // namespace

NotesEdit::NotesEdit(size_t limit, Prompter& prompter, QWidget* parent)
    : QPlainTextEdit(parent), limit_(limit), prompter_(prompter) {
    connect(this, &QPlainTextEdit::textChanged, this, &NotesEdit::check);
}

void NotesEdit::set_stored(const std::string& cp1250) {
    setPlainText(qt_text(cp1250).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

std::string NotesEdit::stored() const {
    return stored_form(accepted_).value_or(std::string());
}

void NotesEdit::check() {
    if (checking_) return;
    checking_ = true;
    const QString text = toPlainText();
    if (!stored_form(text))
        refuse(text);
    else
        cut_to_limit();
    accepted_ = toPlainText();
    checking_ = false;
    emit stored_changed();
}

// The text goes back to what it was, the cursor where the refused change began.
void NotesEdit::refuse(const QString& text) {
    const int cursor = textCursor().position() - static_cast<int>(text.size() - accepted_.size());
    setPlainText(accepted_);
    QTextCursor back = textCursor();
    back.setPosition(std::clamp(cursor, 0, static_cast<int>(accepted_.size())));
    setTextCursor(back);
    prompter_.inform(character_refused_message());
}

// Characters before the cursor are the ones just typed or pasted.
void NotesEdit::cut_to_limit() {
    const size_t size = stored_form(toPlainText())->size();
    if (size <= limit_) return;
    QTextCursor cursor = textCursor();
    int from = cursor.position();
    for (size_t excess = size - limit_; excess > 0 && from > 0; --from) {
        const QChar c = document()->characterAt(from - 1);
        const size_t weight = c == QChar::ParagraphSeparator ? 2 : 1;
        excess -= std::min(weight, excess);
    }
    cursor.setPosition(from, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

}  // namespace tabrel
