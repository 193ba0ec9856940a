#pragma once

#include <ostream>

#include "base/prompter.h"

namespace tabrel {

// Messages of the core on a terminal: every text goes to the stream in UTF-8, and every
// question is answered "yes" (the answer is written after it).
class CliPrompter : public Prompter {
public:
    explicit CliPrompter(std::ostream& out) : out_(out) {}

    bool ask(const std::string& text) override;
    void inform(const std::string& text) override;
    void error(const std::string& text) override;

private:
    std::ostream& out_;
};

}  // namespace tabrel
