#include "util/Log.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

namespace {

std::string_view Cut(std::string_view text)
{
    return text.substr(0, MaxLogLineLength);
}

std::string Failure(const char* what, const std::string& path, int error)
{
    return std::string(what) + " \"" + path + "\": " + std::strerror(error);
}

} // namespace

std::string FormatLogLine(std::string_view text, bool stamped, TDateTime now)
{
    if (!stamped)
        return std::string(Cut(text));
    // 10 + 1 + 8 + 2 = 21 columns before the text; a longer time shifts it.
    std::string line =
        PadLeft(FormatShortDate(now), 10, ' ') + " " + PadLeft(FormatLongTime(now), 8, ' ') + "  ";
    line += Cut(text);
    line.resize(std::min(line.size(), MaxLogLineLength));
    return line;
}

TLogWriter::TLogWriter(const IClock& clock) : Clock(clock) {}

TLogWriter::~TLogWriter()
{
    if (File != nullptr)
        std::fclose(File); // nowhere to report a failure from here
}

void TLogWriter::Open(const std::string& path)
{
    Close();
    // "a" creates a missing file and never truncates an existing one.
    File = std::fopen(path.c_str(), "ab");
    const int error = errno;
    Path = path;
    if (File == nullptr)
        return Fail(Failure("Unable to open the log", path, error));
    Lost = false;
}

void TLogWriter::Write(std::string_view text, bool stamped, bool flush)
{
    if (Lost)
        return;
    if (File == nullptr)
        return Fail("Unable to write to the log: it is not open");
    const std::string line =
        FormatLogLine(text, stamped, stamped ? Clock.Now() : TDateTime()) + "\r\n";
    if (std::fwrite(line.data(), 1, line.size(), File) != line.size())
        return Fail(Failure("Unable to write to the log", Path, errno));
    if (flush)
        Flush();
}

void TLogWriter::Flush()
{
    // Nothing is buffered while no log is open.
    if (File != nullptr && std::fflush(File) != 0)
        Fail(Failure("Unable to write to the log", Path, errno));
}

void TLogWriter::ReportFailuresTo(std::function<void(const std::string&)> report)
{
    Report = std::move(report);
}

void TLogWriter::Fail(const std::string& failure)
{
    if (!Report)
        throw TIoError(failure);
    if (File != nullptr)
        std::fclose(File); // the failure is reported already
    File = nullptr;
    Lost = true;
    Report(failure);
}

void TLogWriter::Close()
{
    if (File == nullptr)
        return;
    std::FILE* file = File;
    File = nullptr;
    if (std::fclose(file) != 0)
        Fail(Failure("Unable to close the log", Path, errno));
}

TLogWriter& ProgramLog()
{
    static const TSystemClock clock;
    static TLogWriter log(clock);
    return log;
}

void OpenLog(const std::string& path)
{
    ProgramLog().Open(path);
}

void WriteLog(std::string_view text, bool stamped, bool flush)
{
    ProgramLog().Write(text, stamped, flush);
}

void FlushLog()
{
    ProgramLog().Flush();
}

void CloseLog()
{
    ProgramLog().Close();
}

} // namespace korvan
