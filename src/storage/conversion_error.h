#pragma once

#include <exception>
#include <string>

namespace tabrel {

// A text in a data file that cannot be turned into the value its field holds. Readers throw it
// with the bad text; the file loader adds where it was found. The message is cp1250.
class ConversionError : public std::exception {
public:
    enum class Kind { Integer, Fraction, Colour };

    ConversionError(std::string text, Kind kind);

    // Names the file and its 1-based line in the message.
    void locate(const std::string& file, int line);

    const std::string& message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

}  // namespace tabrel
