#pragma once

#include <QPlainTextEdit>
#include <string>

#include "base/prompter.h"

namespace tabrel {

// A multi-line field for notes stored as cp1250 with CR LF line breaks, at most `limit`
// stored characters (a line break counts two). A character that cannot be stored, the 0xA4
// the file turns into a line break among them, is refused with a message; what passes the
// limit is cut from what was just typed or pasted.
class NotesEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    NotesEdit(size_t limit, Prompter& prompter, QWidget* parent);

    void set_stored(const std::string& cp1250);
    std::string stored() const;

signals:
    void stored_changed();

private:
    void check();
    void refuse(const QString& text);
    void cut_to_limit();

    size_t limit_;
    Prompter& prompter_;
    QString accepted_;
    bool checking_ = false;
};

}  // namespace tabrel
