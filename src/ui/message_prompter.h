#pragma once

#include <QPointer>
#include <QWidget>

#include "base/prompter.h"

namespace tabrel {

// The program's message boxes, captioned "Tabrel", over the main window once it exists.
class MessagePrompter : public Prompter {
public:
    void set_parent(QWidget* parent) { parent_ = parent; }

    bool ask(const std::string& text) override;
    void inform(const std::string& text) override;
    void error(const std::string& text) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace tabrel
