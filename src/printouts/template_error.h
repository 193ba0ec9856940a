#pragma once

#include <stdexcept>
#include <string>

namespace tabrel {

// A template that cannot be generated: an unreadable header value, a printout past the size
// bounds. what() is a message for the user in cp1250; nothing has been written.
class TemplateError : public std::runtime_error {
public:
    explicit TemplateError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tabrel
