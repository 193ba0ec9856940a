#include "i18n/cp1250.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace tabrel {

namespace {

// One iconv conversion descriptor per direction and thread; iconv is not reentrant per handle.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between cp1250 and UTF-8");
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // False when a character cannot be converted or the input is malformed.
    bool convert(std::string_view in, std::string& out) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        out.clear();
        char* src = const_cast<char*>(in.data());
        size_t src_left = in.size();
        char buf[1024];
        while (src_left > 0) {
            char* dst = buf;
            size_t dst_left = sizeof buf;
            size_t rc = iconv(handle_, &src, &src_left, &dst, &dst_left);
            out.append(buf, dst - buf);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t handle_;
};

}  // namespace

std::string cp1250_to_utf8(std::string_view cp1250) {
    thread_local Converter conv("UTF-8", "CP1250");
    std::string out;
    std::string piece;
    // Convert byte by byte only when the fast path meets an unassigned byte.
    if (conv.convert(cp1250, out)) return out;
    out.clear();
    for (char c : cp1250) {
        if (conv.convert(std::string_view(&c, 1), piece))
            out += piece;
        else
            out += "\xEF\xBF\xBD";
    }
    return out;
}

std::optional<std::string> utf8_to_cp1250(std::string_view utf8) {
    thread_local Converter conv("CP1250", "UTF-8");
    std::string out;
    if (!conv.convert(utf8, out)) return std::nullopt;
    return out;
}

std::string cp(std::string_view utf8) {
    auto converted = utf8_to_cp1250(utf8);
    if (!converted) throw std::logic_error("built-in text not representable in cp1250");
    return *converted;
}

}  // namespace tabrel
