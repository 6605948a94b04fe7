#pragma once

#include <istream>
#include <memory>
#include <string>
#include <string_view>

// Reads DXF lines through one buffer: a line ends at LF, every CR is dropped, characters beyond the 255th
// are dropped, and a last line without line end still counts. Lines are handed out as views into the
// buffer (valid until the next line is read), so reading a line copies nothing. Memory stays bounded
// whatever the input holds.
class DXF_Line_Reader {
public:
    explicit DXF_Line_Reader(std::istream& in);

    static constexpr size_t SizeOfBuf = 1 << 16;
    static constexpr size_t max_line = 255;

    // False at the end of the input; raises DXF_read_exception on an input error.
    bool read_line(std::string_view& line);
    long line_number() const { return Line_num; }

    struct Mark {
        std::streamoff pos;
        long line;
    };
    Mark mark() const { return {file_pos + static_cast<std::streamoff>(ii), Line_num}; }
    // Goes back to a remembered position and discards the buffer.
    void restore(const Mark& m);

private:
    // Moves the unread rest to the front and appends what the input has; false when nothing came.
    bool fill();
    // The line between begin and end without its CRs and beyond max_line.
    std::string_view cleaned(const char* begin, const char* end);
    // A line longer than the buffer: its first characters, the rest passed over up to its LF.
    std::string_view overlong_line();

    std::istream& in_;
    std::unique_ptr<char[]> pBuf;
    size_t num_in_buf = 0;
    size_t ii = 0;
    std::streamoff file_pos = 0;  // offset of the buffer's first byte in the input
    bool at_end = false;
    long Line_num = 0;
    std::string scratch_;  // a line that had to be put together
};
