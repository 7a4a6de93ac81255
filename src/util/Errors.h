#pragma once

#include <stdexcept>
#include <string>

namespace korvan {

// A failure of file input or output. Its text is the failure's own (with the
// path), shown as it stands by the application's general error report.
class TIoError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A UTF-8 text that Windows-1251 cannot hold. `Offset` is the byte offset of
// the offending character in the UTF-8 input.
class TEncodingError : public std::runtime_error
{
public:
    TEncodingError(const std::string& what, std::size_t offset)
        : std::runtime_error(what), Offset(offset)
    {
    }
    std::size_t Offset;
};

} // namespace korvan
