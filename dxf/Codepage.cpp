#include "dxf/Codepage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstring>

namespace {

using Upper_Half = std::array<char16_t, 128>;

// The characters of the bytes 0x80 to 0xFF; 0xFFFD where the code page assigns none.
constexpr Upper_Half windows_1252 = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
    0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0,
    0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
    0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA,
    0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4,
    0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF};

constexpr Upper_Half windows_1250 = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

const Upper_Half& upper_half(DXF_Codepage codepage) {
    return codepage == DXF_Codepage::ANSI_1250 ? windows_1250 : windows_1252;
}

// The byte of a character in the code page, 0 when it has none.
unsigned char byte_of(char32_t c, const Upper_Half& table) {
    if (c < 0x80) return static_cast<unsigned char>(c);
    if (c == 0xFFFD) return 0;
    const auto it = std::find(table.begin(), table.end(), static_cast<char16_t>(c));
    if (c > 0xFFFF || it == table.end()) return 0;
    return static_cast<unsigned char>(0x80 + (it - table.begin()));
}

// The next character of a UTF-8 text; a byte that starts no valid sequence stands for U+FFFD.
char32_t next_utf8(std::string_view s, size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int length = b < 0x80 ? 1 : b >= 0xF0 && b < 0xF8 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
    if (length == 0 || i + static_cast<size_t>(length) > s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = length == 1 ? b : b & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto cont = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((cont & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (cont & 0x3F);
    }
    i += static_cast<size_t>(length);
    return c;
}

bool is_ascii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// "\U+00D8" at position i: the character, and i moved behind the escape.
bool unicode_escape(std::string_view s, size_t& i, char32_t& c) {
    if (s.compare(i, 3, "\\U+") != 0 || i + 7 > s.size()) return false;
    unsigned value = 0;
    const char* begin = s.data() + i + 3;
    const auto res = std::from_chars(begin, begin + 4, value, 16);
    if (res.ec != std::errc() || res.ptr != begin + 4) return false;
    c = value;
    i += 7;
    return true;
}

}  // namespace

DXF_Codepage codepage_named(std::string_view dwgcodepage) {
    return dwgcodepage == "ANSI_1250" || dwgcodepage == "ansi_1250" ? DXF_Codepage::ANSI_1250
                                                                    : DXF_Codepage::ANSI_1252;
}

const char* codepage_name(DXF_Codepage codepage) {
    return codepage == DXF_Codepage::ANSI_1250 ? "ANSI_1250" : "ANSI_1252";
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void append_in_codepage(std::string& out, std::string_view utf8, DXF_Codepage codepage) {
    if (codepage == DXF_Codepage::UTF8 || is_ascii(utf8)) {
        out.append(utf8);
        return;
    }
    const Upper_Half& table = upper_half(codepage);
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = next_utf8(utf8, i);
        if (const unsigned char b = byte_of(c, table)) {
            out.push_back(static_cast<char>(b));
        } else if (c <= 0xFFFF) {
            char hex[8];
            const auto res = std::to_chars(hex, hex + sizeof hex, static_cast<unsigned>(c), 16);
            out += "\\U+";
            out.append(static_cast<size_t>(4 - (res.ptr - hex)), '0');
            for (const char* h = hex; h != res.ptr; ++h) out.push_back(static_cast<char>(std::toupper(*h)));
        } else {
            out.push_back('?');
        }
    }
}

std::string text_from_codepage(std::string_view text, DXF_Codepage codepage) {
    const bool escapes = std::memchr(text.data(), '\\', text.size()) != nullptr;
    if (!escapes && is_ascii(text)) return std::string(text);
    const Upper_Half& table = upper_half(codepage);
    std::string out;
    out.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        if (escapes && text[i] == '\\' && unicode_escape(text, i, c)) {
            append_utf8(out, c);
        } else if (codepage == DXF_Codepage::UTF8) {
            append_utf8(out, next_utf8(text, i));
        } else {
            const auto b = static_cast<unsigned char>(text[i++]);
            append_utf8(out, b < 0x80 ? b : table[b - 0x80u]);
        }
    }
    return out;
}

std::string without_control_codes(std::string_view text) {
    if (text.find("%%") == std::string_view::npos) return std::string(text);
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "%%") != 0 || i + 2 >= text.size()) {
            out.push_back(text[i++]);
            continue;
        }
        switch (std::tolower(static_cast<unsigned char>(text[i + 2]))) {
            case 'c':
                append_utf8(out, U'\u00D8');
                break;
            case 'd':
                append_utf8(out, U'\u00B0');
                break;
            case 'p':
                append_utf8(out, U'\u00B1');
                break;
            case '%':
                out.push_back('%');
                break;
            case 'u':
            case 'o':
            case 'k':
                break;
            default: {
                unsigned number = 0;
                const char* digits = text.data() + i + 2;
                const auto res = std::from_chars(digits, text.data() + std::min(i + 5, text.size()), number);
                if (res.ptr != digits + 3 || number == 0) {
                    out.push_back(text[i++]);
                    continue;
                }
                append_utf8(out, number);
                i += 2;
            }
        }
        i += 3;
    }
    return out;
}
