#pragma once

// Reads a text file line by line in fixed chunks, so a large lesson never sits
// in memory twice. Lines end at LF or CR LF; the bytes are handed out as they
// stand (NUL included), without trimming.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "util/Errors.h"

namespace korvan {

// A file that cannot be opened or read. `Code` is the errno value, for callers
// that show the system's own text without the path.
class TLineReadError : public TIoError
{
public:
    TLineReadError(const std::string& what, int code) : TIoError(what), Code(code) {}
    int Code;
};

class TLineReader
{
public:
    // With `stopAtCtrlZ` a Ctrl-Z byte (26) ends the file, as in old DOS text
    // files. Throws TLineReadError when the file cannot be opened.
    explicit TLineReader(const std::string& path, bool stopAtCtrlZ = false,
                         std::size_t chunkSize = 64 * 1024);
    ~TLineReader();
    TLineReader(const TLineReader&) = delete;
    TLineReader& operator=(const TLineReader&) = delete;

    // The next line without its LF or CR LF; valid until the next call. False
    // at the end of the file: a final line break does not make an empty line.
    // Throws TLineReadError when reading fails.
    bool ReadLine(std::string_view& line);

    // 1-based number of the line last read; 0 before the first.
    std::int64_t LineNumber() const { return LineNo; }
    // The file held a Ctrl-Z and was cut there (only with `stopAtCtrlZ`).
    bool StoppedAtCtrlZ() const { return CtrlZSeen; }

    // An upper bound on the lines still to come (line breaks ahead + 1), found
    // without consuming them, so a caller can reserve once instead of growing.
    // -1 when the file cannot be read ahead (a pipe).
    std::int64_t CountLinesAhead();

private:
    void Fill();
    [[noreturn]] void Fail(const char* what, int error) const;

    std::string Path;
    int Fd = -1;
    bool StopAtCtrlZ;
    std::unique_ptr<char[]> Buffer;
    std::size_t Capacity;
    std::size_t Pos = 0;         // start of the next line in Buffer
    std::size_t Scanned = 0;     // bytes from Pos known to hold no LF
    std::size_t End = 0;         // end of the data in Buffer
    std::int64_t FileOffset = 0; // file offset just after the data in Buffer
    bool Eof = false;
    bool CtrlZSeen = false;
    std::int64_t LineNo = 0;
};

} // namespace korvan
