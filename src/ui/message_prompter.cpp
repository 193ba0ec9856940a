#include "message_prompter.h"

#include <QMessageBox>

#include "qt_text.h"

namespace tabrel {

namespace {

const QString kCaption = QStringLiteral("Tabrel");

}  // namespace

bool MessagePrompter::ask(const std::string& text) {
    return QMessageBox::question(parent_, kCaption, qt_message_text(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MessagePrompter::inform(const std::string& text) {
    QMessageBox::information(parent_, kCaption, qt_message_text(text));
}

void MessagePrompter::error(const std::string& text) {
    QMessageBox::critical(parent_, kCaption, qt_message_text(text));
}

}  // namespace tabrel
