#include "dxf/DXF_File.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <system_error>

#include "dxf/DXF_Number.h"
#include "dxf/DXF_exception.h"

namespace {

constexpr size_t block_size = 1 << 16;

void append_right_aligned(std::string& out, long value, size_t width) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    const auto len = static_cast<size_t>(res.ptr - buf);
    if (len < width) out.append(width - len, ' ');
    out.append(buf, res.ptr);
}

}  // namespace

DXF_File::DXF_File(std::ostream& out, DXF_Codepage codepage)
    : out_(out), codepage_(codepage == DXF_Codepage::UTF8 ? DXF_Codepage::ANSI_1252 : codepage) {
    buf_.reserve(block_size + 1024);
}

DXF_File::~DXF_File() {
    // A destructor must not throw: errors surface through flush(), which the writer calls.
    if (!buf_.empty()) out_.write(buf_.data(), static_cast<std::streamsize>(buf_.size()));
}

void DXF_File::write_code(int code) {
    flush_if_full();
    append_right_aligned(buf_, code, 3);
    end_line();
}

void DXF_File::write_string(int code, std::string_view text) {
    write_code(code);
    append_in_codepage(buf_, text, codepage_);
    end_line();
}

void DXF_File::write_int(int code, int value) {
    write_code(code);
    append_right_aligned(buf_, value, 6);
    end_line();
}

// "nan" or "inf" in a file makes CAD programs reject all of it; better no file than that.
static void check_finite(double value) {
    if (!std::isfinite(value)) throw DXF_exception("Cannot write a number that is not finite to a DXF file");
}

void DXF_File::write_real(int code, double value) {
    check_finite(value);
    write_code(code);
    append_float(buf_, value);
    end_line();
}

void DXF_File::write_real_exp(int code, double value) {
    check_finite(value);
    write_code(code);
    buf_ += float_to_exp_str(value);
    end_line();
}

void DXF_File::write_point(int code, const Point3D& p) {
    write_real(code, p.x);
    write_real(code + 10, p.y);
    write_real(code + 20, p.z);
}

void DXF_File::flush_if_full() {
    if (buf_.size() >= block_size) flush();
}

void DXF_File::flush() {
    out_.write(buf_.data(), static_cast<std::streamsize>(buf_.size()));
    buf_.clear();
    out_.flush();
    if (!out_) throw std::system_error(errno ? errno : EIO, std::generic_category(), "DXF");
}
