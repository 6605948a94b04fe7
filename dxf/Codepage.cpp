#include "dxf/Codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace {

bool is_ascii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Length of the UTF-8 sequence that starts with the byte c; stray bytes count as one.
size_t utf8_length(unsigned char c) {
    if (c >= 0xF0 && c < 0xF8) return 4;
    if (c >= 0xE0) return c < 0xF0 ? 3 : 1;
    if (c >= 0xC0) return 2;
    return 1;
}

size_t skip_one_byte(unsigned char) {
    return 1;
}

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from, size_t (*skip)(unsigned char))
        : cd_(iconv_open(to, from)), skip_(skip) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert to " + std::string(to));
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    void append(std::string& out, std::string_view in) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t src_left = in.size();
        while (src_left > 0) {
            char buf[256];
            char* dst = buf;
            size_t dst_left = sizeof buf;
            const size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
            out.append(buf, dst);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
                out.push_back('?');
                const size_t n = std::min(src_left, skip_(static_cast<unsigned char>(*src)));
                src += n;
                src_left -= n;
            }
        }
    }

private:
    iconv_t cd_;
    size_t (*skip_)(unsigned char);
};

}  // namespace

void append_cp1252(std::string& out, std::string_view utf8) {
    if (is_ascii(utf8)) {
        out.append(utf8);
        return;
    }
    thread_local Converter converter("WINDOWS-1252", "UTF-8", utf8_length);
    converter.append(out, utf8);
}

std::string cp1252_to_utf8(std::string_view cp1252) {
    if (is_ascii(cp1252)) return std::string(cp1252);
    thread_local Converter converter("UTF-8", "WINDOWS-1252", skip_one_byte);
    std::string out;
    converter.append(out, cp1252);
    return out;
}
