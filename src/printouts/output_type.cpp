#include "printouts/output_type.h"

namespace tabrel {

OutputType output_type(std::string_view extension) {
    if (extension == "rtf") return OutputType::Rtf;
    if (extension == "htm") return OutputType::Html;
    return OutputType::Text;
}

std::string_view output_type_name(OutputType type) {
    switch (type) {
        case OutputType::Rtf:
            return "rtf";
        case OutputType::Html:
            return "htm";
        case OutputType::Text:
            break;
    }
    return "txt";
}

}  // namespace tabrel
