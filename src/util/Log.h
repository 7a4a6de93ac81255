#pragma once

// The drill log: an append-only text file a teacher reads. Lines are 1251 text
// ending in CR LF, at most 255 characters each.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "util/DateTime.h"

namespace korvan {

constexpr std::size_t MaxLogLineLength = 255;

// One log line without its CR LF: the text cut to 255 characters; when stamped,
// the 21-character prefix (date padded to 10, a blank, time padded to 8, two
// blanks) put before it and the whole cut to 255 again.
std::string FormatLogLine(std::string_view text, bool stamped, TDateTime now);

class TLogWriter
{
public:
    explicit TLogWriter(const IClock& clock);
    ~TLogWriter();
    TLogWriter(const TLogWriter&) = delete;
    TLogWriter& operator=(const TLogWriter&) = delete;

    // Opens for appending, creating the file when it does not exist. Closes a
    // log that was open before. Throws TIoError.
    void Open(const std::string& path);
    // Throws TIoError when the line cannot be written (or no log is open).
    void Write(std::string_view text, bool stamped, bool flush);
    void Flush();
    void Close();
    bool IsOpen() const { return File != nullptr; }

    // From now on a failure to open, write or flush is not thrown but passed
    // to `report`, and the log drops its lines until the next successful Open:
    // the drill goes on without it. An empty function makes failures throw.
    void ReportFailuresTo(std::function<void(const std::string&)> report);

private:
    void Fail(const std::string& failure);

    const IClock& Clock;
    std::function<void(const std::string&)> Report;
    bool Lost = false;
    std::string Path;
    std::FILE* File = nullptr;
};

// The program's one log, stamped with the system clock.
TLogWriter& ProgramLog();
void OpenLog(const std::string& path);
void WriteLog(std::string_view text, bool stamped, bool flush);
void FlushLog();
void CloseLog();

} // namespace korvan
