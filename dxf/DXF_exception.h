#pragma once

#include <stdexcept>
#include <string>

// Raised by the document operations (name clashes, missing layers) and by entity constructors.
class DXF_exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised while reading a file; the message carries the line near which the error was found.
class DXF_read_exception : public DXF_exception {
public:
    explicit DXF_read_exception(const std::string& text, long line = -1)
        : DXF_exception(line >= 0 ? text + "\r\nError occured at or near line number " + std::to_string(line)
                                  : text),
          line_number(line) {}
    long line_number;
};

// Raised when a file asks for more than a document may hold (entities to draw, memory); it ends the reading,
// since every further entity would be refused as well.
class DXF_limit_exception : public DXF_read_exception {
public:
    using DXF_read_exception::DXF_read_exception;
};
