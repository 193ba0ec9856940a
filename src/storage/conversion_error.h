#pragma once

#include <exception>
#include <string>
#include <utility>

namespace tabrel {

// A text in a data file that cannot be turned into the value its field holds. Readers throw it
// with the bad text; the file loader adds where it was found. The message is cp1250.
class ConversionError : public std::exception {
public:
    enum class Kind { Integer, Fraction, Colour };

    ConversionError(std::string text, Kind kind);

    // A group with more shift lines than a group can hold: the extra shifts would be lost at
    // the next save, so the file is not taken in part.
    static ConversionError too_many_shifts(const std::string& group_name);

    // Names the file and its 1-based line in the message.
    void locate(const std::string& file, int line);

    const std::string& message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    explicit ConversionError(std::string message) : message_(std::move(message)) {}

    std::string message_;
};

}  // namespace tabrel
