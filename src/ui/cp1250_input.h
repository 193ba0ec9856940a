#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "app/prompter.h"

class QLineEdit;

namespace tabrel {

// The cp1250 bytes of a typed text; nothing when it holds a character cp1250 cannot store or
// the byte 0xA4, which separates the fields of the line files.
std::optional<std::string> storable_text(const QString& text);

// Keeps a line edit storable: a typed or pasted text that is not is taken back and the user
// told which character cannot be used.
class Cp1250Input : public QObject {
    Q_OBJECT
public:
    Cp1250Input(QLineEdit* edit, Prompter& prompter);

    // Guards `edit` for as long as it lives.
    static void guard(QLineEdit* edit, Prompter& prompter);

private:
    void changed(const QString& text);
    void edited(const QString& text);

    QLineEdit* edit_;
    Prompter& prompter_;
    QString accepted_;
};

// The byte of a line edit's text (already guarded, so always storable).
std::string cp1250_of(const QLineEdit* edit);

}  // namespace tabrel
