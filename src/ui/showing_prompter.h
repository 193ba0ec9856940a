#pragma once

#include <functional>

#include "base/prompter.h"

namespace tabrel {

// Passes every message on, but first lets the window show the roster as it stands, so that a
// question is asked over what it is about rather than over the picture before the work began.
class ShowingPrompter : public Prompter {
public:
    ShowingPrompter(Prompter& inner, std::function<void()> show)
        : inner_(inner), show_(std::move(show)) {}

    bool ask(const std::string& text) override {
        show_();
        return inner_.ask(text);
    }
    void inform(const std::string& text) override {
        show_();
        inner_.inform(text);
    }
    void error(const std::string& text) override {
        show_();
        inner_.error(text);
    }

private:
    Prompter& inner_;
    std::function<void()> show_;
};

}  // namespace tabrel
