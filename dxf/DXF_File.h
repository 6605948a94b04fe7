#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "dxf/Codepage.h"
#include "dxf/Point3D.h"

// Writes DXF group pairs in the classic ASCII layout: group code right-aligned in 3 characters,
// integers right-aligned in 6, reals with 5 decimals, text in the file's 8-bit code page; every line ends
// CR LF. Output is collected and handed to the stream in large blocks; every block written is checked.
class DXF_File {
public:
    explicit DXF_File(std::ostream& out, DXF_Codepage codepage = DXF_Codepage::ANSI_1252);
    ~DXF_File();
    DXF_File(const DXF_File&) = delete;
    DXF_File& operator=(const DXF_File&) = delete;

    void write_string(int code, std::string_view text);
    void write_int(int code, int value);
    // Non-finite values raise DXF_exception.
    void write_real(int code, double value);
    void write_real_exp(int code, double value);   // the 23-character exponent form
    void write_point(int code, const Point3D& p);  // code/x, code+10/y, code+20/z
    // Hands everything to the stream; raises std::system_error when the stream refuses it.
    void flush();

private:
    void write_code(int code);
    void end_line() { buf_ += "\r\n"; }
    void flush_if_full();

    std::ostream& out_;
    DXF_Codepage codepage_;
    std::string buf_;
};
