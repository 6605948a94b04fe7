#pragma once

#include <istream>
#include <string>

// Reads DXF lines through a 4096-byte buffer: a line ends at LF, every CR is dropped, characters
// beyond the 255th are dropped, and a last line without line end still counts. Memory stays bounded
// whatever the input holds.
class DXF_Line_Reader {
public:
    explicit DXF_Line_Reader(std::istream& in) : in_(in) {}

    static constexpr size_t SizeOfBuf = 4096;
    static constexpr size_t max_line = 255;

    // False at the end of the input; raises DXF_read_exception on an input error.
    bool read_line(std::string& line);
    long line_number() const { return Line_num; }

    struct Mark {
        std::streamoff pos;
        long line;
    };
    Mark mark() const { return {file_pos + static_cast<std::streamoff>(ii), Line_num}; }
    // Goes back to a remembered position and discards the buffer.
    void restore(const Mark& m);

private:
    bool fill();
    void append_line_part(std::string& line, const char* begin, const char* end) const;

    std::istream& in_;
    char pBuf[SizeOfBuf];
    size_t num_in_buf = 0;
    size_t ii = 0;
    std::streamoff file_pos = 0;
    long Line_num = 0;
};
