#pragma once

#include <string>

namespace tabrel {

// The message boxes captioned "Tabrel". Texts are cp1250.
struct Prompter {
    virtual bool ask(const std::string& text) = 0;     // Yes/No question
    virtual void inform(const std::string& text) = 0;  // notice or refusal, OK
    virtual void error(const std::string& text) = 0;   // error box
    virtual ~Prompter() = default;
};

}  // namespace tabrel
