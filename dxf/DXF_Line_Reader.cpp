#include "dxf/DXF_Line_Reader.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "dxf/DXF_exception.h"

DXF_Line_Reader::DXF_Line_Reader(std::istream& in) : in_(in), pBuf(new char[SizeOfBuf]) {}

bool DXF_Line_Reader::fill() {
    if (ii > 0) {
        std::memmove(pBuf.get(), pBuf.get() + ii, num_in_buf - ii);
        num_in_buf -= ii;
        file_pos += static_cast<std::streamoff>(ii);
        ii = 0;
    }
    if (at_end || num_in_buf == SizeOfBuf) return false;
    if (!in_.good()) {
        at_end = true;
        return false;
    }
    in_.read(pBuf.get() + num_in_buf, static_cast<std::streamsize>(SizeOfBuf - num_in_buf));
    if (in_.bad()) throw DXF_read_exception("Input error while reading the DXF file", Line_num);
    const auto got = static_cast<size_t>(in_.gcount());
    num_in_buf += got;
    if (got == 0) at_end = true;
    return got > 0;
}

std::string_view DXF_Line_Reader::cleaned(const char* begin, const char* end) {
    if (end != begin && end[-1] == '\r') --end;
    if (!std::memchr(begin, '\r', static_cast<size_t>(end - begin)))
        return {begin, std::min(static_cast<size_t>(end - begin), max_line)};
    scratch_.clear();
    for (const char* c = begin; c != end && scratch_.size() < max_line; ++c)
        if (*c != '\r') scratch_.push_back(*c);
    return scratch_;
}

std::string_view DXF_Line_Reader::overlong_line() {
    std::string first(cleaned(pBuf.get(), pBuf.get() + num_in_buf));
    scratch_ = std::move(first);
    for (;;) {
        ii = num_in_buf;
        if (!fill()) return scratch_;
        if (const void* lf = std::memchr(pBuf.get(), '\n', num_in_buf)) {
            ii = static_cast<size_t>(static_cast<const char*>(lf) - pBuf.get()) + 1;
            return scratch_;
        }
    }
}

namespace {

constexpr std::uint64_t ones = 0x0101010101010101;
constexpr std::uint64_t lf_bytes = ones * '\n';
constexpr std::uint64_t cr_bytes = ones * '\r';

// The bytes of the word equal to the pattern's byte: the lowest set mark is exact (higher ones may be false).
constexpr std::uint64_t marks(std::uint64_t word, std::uint64_t pattern) {
    const std::uint64_t x = word ^ pattern;
    return (x - ones) & ~x & (ones << 7);
}

}  // namespace

// DXF lines are short (a group code, a number): eight bytes are searched at a time for the line end, and the
// first CR of the line is noted on the way; a line holding a CR other than the one before its LF is cleaned.
bool DXF_Line_Reader::read_line(std::string_view& line) {
    constexpr size_t none = std::string_view::npos;
    size_t scanned = 0;      // bytes of this line already searched for its end
    size_t first_cr = none;  // where in the line the first CR is
    for (;;) {
        const char* begin = pBuf.get() + ii;
        const size_t available = num_in_buf - ii;
        size_t lf = none;
        size_t i = scanned;
        for (; i + 8 <= available; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, begin + i, 8);
            const std::uint64_t at_lf = marks(word, lf_bytes), at_cr = marks(word, cr_bytes);
            if (first_cr == none && at_cr) first_cr = i + static_cast<size_t>(std::countr_zero(at_cr)) / 8;
            if (at_lf) {
                lf = i + static_cast<size_t>(std::countr_zero(at_lf)) / 8;
                break;
            }
        }
        for (; lf == none && i < available; ++i) {
            if (begin[i] == '\r' && first_cr == none) first_cr = i;
            if (begin[i] == '\n') lf = i;
        }
        if (lf != none) {
            ii += lf + 1;
            ++Line_num;
            if (first_cr >= lf || first_cr + 1 == lf) {
                line = {begin, std::min(std::min(first_cr, lf), max_line)};
            } else {
                line = cleaned(begin, begin + lf);
            }
            return true;
        }
        scanned = available;
        if (fill()) continue;
        // fill() has moved the line to the front: a full buffer holds one overlong line, otherwise the
        // input has ended.
        if (num_in_buf == 0) return false;
        ++Line_num;
        if (num_in_buf == SizeOfBuf) {
            line = overlong_line();
        } else {
            line = cleaned(pBuf.get(), pBuf.get() + num_in_buf);
            ii = num_in_buf;
        }
        return true;
    }
}

void DXF_Line_Reader::restore(const Mark& m) {
    in_.clear();
    in_.seekg(m.pos);
    file_pos = m.pos;
    ii = 0;
    num_in_buf = 0;
    at_end = false;
    Line_num = m.line;
}
