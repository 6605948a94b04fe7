#include "dxf/DXF_Number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr int significant_digits = 7;
constexpr int max_decimals = 5;

int integer_digits(double magnitude) {
    int digits = 0;
    for (double limit = 1; magnitude >= limit && digits <= significant_digits; limit *= 10) ++digits;
    return digits;
}

void append_exponent_form(std::string& out, double x) {
    char buf[40];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, significant_digits - 1);
    for (char* c = buf; c != res.ptr; ++c) out.push_back(*c == 'e' ? 'E' : *c);
}

// True when x lies exactly halfway between two values with the given decimals (1234.5625 at 3).
// Such ties are rounded away from zero, as people round; the binary-exact default would go to even.
bool exact_tie(double x, int decimals) {
    static constexpr double powers_of_ten[] = {1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    const double scaled = std::fabs(x) * powers_of_ten[decimals];
    const double whole = std::nearbyint(scaled);
    if (std::fabs(scaled - whole) > 1e-6 * (whole + 1) || static_cast<long long>(whole) % 10 != 5)
        return false;
    // Candidates are checked on the exact decimal expansion of the double.
    char buf[128];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 80);
    const char* digit = std::find(buf, res.ptr, '.') + decimals + 1;
    return digit < res.ptr && *digit == '5' &&
           std::all_of(digit + 1, static_cast<const char*>(res.ptr), [](char c) { return c == '0'; });
}

bool only_zero_digits(const char* begin, const char* end) {
    for (const char* c = begin; c != end; ++c) {
        if (*c != '0' && *c != '.' && *c != '-') return false;
    }
    return true;
}

}  // namespace

void append_float(std::string& out, double x) {
    const int int_digits = integer_digits(std::fabs(x));
    if (int_digits > significant_digits || !std::isfinite(x)) {
        append_exponent_form(out, x);
        return;
    }
    const int decimals = std::min(max_decimals, significant_digits - int_digits);
    if (exact_tie(x, decimals)) x = std::nextafter(x, x < 0 ? -HUGE_VAL : HUGE_VAL);
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
    const char* begin = buf;
    // Rounding up can carry into an eighth integer digit (9999999.6).
    const char* point = std::find(buf, res.ptr, '.');
    if (point - buf - (buf[0] == '-' ? 1 : 0) > significant_digits) {
        append_exponent_form(out, x);
        return;
    }
    // A negative value that rounds to zero is written without sign.
    if (buf[0] == '-' && only_zero_digits(buf, res.ptr)) ++begin;
    out.append(begin, static_cast<const char*>(res.ptr));
    if (decimals == 0) out.push_back('.');
    out.append(static_cast<size_t>(max_decimals - decimals), '0');
}

std::string float_to_str(double x) {
    std::string s;
    append_float(s, x);
    return s;
}

std::string float_to_exp_str(double x) {
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    const char* e = std::find(buf, res.ptr, 'e');
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), res.ptr, exponent);
    std::string s(1, x < 0 ? '-' : ' ');
    s.append(static_cast<const char*>(buf), e);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return s + tail;
}

std::string point_to_str(const Point3D& p, char decimal_separator) {
    std::string s = "(";
    for (double c : {p.x, p.y, p.z}) {
        char buf[40];
        const auto res = std::to_chars(buf, buf + sizeof buf, c, std::chars_format::fixed, 2);
        std::replace(buf, res.ptr, '.', decimal_separator);
        if (s.size() > 1) s += ", ";
        s.append(buf, res.ptr);
    }
    return s + ")";
}

std::string bool_to_str(bool b) {
    return b ? "TRUE" : "FALSE";
}

namespace {

// Exact powers of ten: a whole number below 2^53 divided by one of them is the correctly rounded value of the
// decimal, as the general parser gives it.
constexpr double exact_powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t exact_mantissa = std::uint64_t{1} << 53;

bool plain_decimal(std::string_view s, double& value) {
    size_t i = 0;
    const bool negative = s[0] == '-';
    if (negative || s[0] == '+') ++i;
    std::uint64_t mantissa = 0;
    int decimals = 0;
    bool point = false, digit = false;
    for (; i < s.size(); ++i) {
        const unsigned d = static_cast<unsigned char>(s[i]) - '0';
        if (d <= 9) {
            if (mantissa >= exact_mantissa / 10) return false;
            mantissa = mantissa * 10 + d;
            decimals += point ? 1 : 0;
            digit = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digit || decimals > 22) return false;
    value = static_cast<double>(mantissa) / exact_powers[decimals];
    if (negative) value = -value;
    return true;
}

}  // namespace

bool dxf_to_double(std::string_view text, double& value) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.empty()) return false;
    if (plain_decimal(text, value)) return true;
    if (text.front() == '+') text.remove_prefix(1);
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    return res.ec == std::errc() && res.ptr == text.data() + text.size();
}
