#include "dxf/DXF_Line_Reader.h"

#include <algorithm>
#include <cstring>

#include "dxf/DXF_exception.h"

bool DXF_Line_Reader::fill() {
    file_pos += static_cast<std::streamoff>(num_in_buf);
    ii = 0;
    num_in_buf = 0;
    if (!in_.good()) return false;
    in_.read(pBuf, SizeOfBuf);
    if (in_.bad()) throw DXF_read_exception("Input error while reading the DXF file", Line_num);
    num_in_buf = static_cast<size_t>(in_.gcount());
    return num_in_buf > 0;
}

void DXF_Line_Reader::append_line_part(std::string& line, const char* begin, const char* end) const {
    while (begin != end && line.size() < max_line) {
        const void* cr = std::memchr(begin, '\r', static_cast<size_t>(end - begin));
        const char* stop = cr ? static_cast<const char*>(cr) : end;
        line.append(begin, std::min(static_cast<size_t>(stop - begin), max_line - line.size()));
        begin = cr ? stop + 1 : end;
    }
}

bool DXF_Line_Reader::read_line(std::string& line) {
    line.clear();
    bool partial = false;
    for (;;) {
        if (ii >= num_in_buf && !fill()) {
            if (partial) ++Line_num;
            return partial;
        }
        const char* begin = pBuf + ii;
        const char* end = pBuf + num_in_buf;
        const void* lf = std::memchr(begin, '\n', static_cast<size_t>(end - begin));
        const char* stop = lf ? static_cast<const char*>(lf) : end;
        append_line_part(line, begin, stop);
        partial = true;
        ii = static_cast<size_t>(stop - pBuf);
        if (lf) {
            ++ii;
            ++Line_num;
            return true;
        }
    }
}

void DXF_Line_Reader::restore(const Mark& m) {
    in_.clear();
    in_.seekg(m.pos);
    file_pos = m.pos;
    ii = 0;
    num_in_buf = 0;
    Line_num = m.line;
}
