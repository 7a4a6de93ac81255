#include "util/LineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace korvan {

namespace {

constexpr char CtrlZ = 26;

// Counts LF bytes in [data, data + size), stopping at a Ctrl-Z when asked;
// `stopped` tells whether it did.
std::int64_t CountBreaks(const char* data, std::size_t size, bool stopAtCtrlZ, bool& stopped)
{
    if (stopAtCtrlZ) {
        if (const void* z = std::memchr(data, CtrlZ, size)) {
            size = static_cast<std::size_t>(static_cast<const char*>(z) - data);
            stopped = true;
        }
    }
    return std::count(data, data + size, '\n');
}

} // namespace

TLineReader::TLineReader(const std::string& path, bool stopAtCtrlZ, std::size_t chunkSize)
    : Path(path), StopAtCtrlZ(stopAtCtrlZ), Capacity(std::max<std::size_t>(chunkSize, 16))
{
    do {
        Fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (Fd < 0 && errno == EINTR);
    if (Fd < 0)
        Fail("Cannot open ", errno);
    // Not value-initialised: the read fills it, and untouched pages cost nothing.
    Buffer.reset(new char[Capacity]);
}

TLineReader::~TLineReader()
{
    if (Fd >= 0)
        ::close(Fd);
}

void TLineReader::Fail(const char* what, int error) const
{
    throw TLineReadError(what + Path + ": " + std::strerror(error), error);
}

// Moves the unread tail to the front, grows the buffer when one line fills it,
// and appends the next chunk of the file.
void TLineReader::Fill()
{
    if (Pos > 0) {
        std::memmove(Buffer.get(), Buffer.get() + Pos, End - Pos);
        End -= Pos;
        Pos = 0;
    }
    if (End == Capacity) {
        // Lines have no length limit.
        std::unique_ptr<char[]> bigger(new char[Capacity * 2]);
        std::memcpy(bigger.get(), Buffer.get(), End);
        Buffer = std::move(bigger);
        Capacity *= 2;
    }
    ssize_t n;
    do {
        n = ::read(Fd, Buffer.get() + End, Capacity - End);
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        Fail("Cannot read ", errno);
    if (n == 0) {
        Eof = true;
        return;
    }
    FileOffset += n;
    const std::size_t fresh = static_cast<std::size_t>(n);
    if (StopAtCtrlZ) {
        if (const void* z = std::memchr(Buffer.get() + End, CtrlZ, fresh)) {
            End = static_cast<std::size_t>(static_cast<const char*>(z) - Buffer.get());
            Eof = true;
            CtrlZSeen = true;
            return;
        }
    }
    End += fresh;
}

bool TLineReader::ReadLine(std::string_view& line)
{
    for (;;) {
        const char* start = Buffer.get() + Pos;
        const void* lf = std::memchr(start + Scanned, '\n', End - Pos - Scanned);
        if (lf != nullptr) {
            std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
            Pos += length + 1;
            if (length > 0 && start[length - 1] == '\r')
                --length;
            line = std::string_view(start, length);
            Scanned = 0;
            ++LineNo;
            return true;
        }
        Scanned = End - Pos;
        if (Eof) {
            if (Pos == End)
                return false;
            // The last line has no line break.
            line = std::string_view(start, End - Pos);
            Pos = End;
            Scanned = 0;
            ++LineNo;
            return true;
        }
        Fill();
    }
}

std::int64_t TLineReader::CountLinesAhead()
{
    bool stopped = false;
    std::int64_t breaks = CountBreaks(Buffer.get() + Pos, End - Pos, false, stopped);
    if (Eof)
        return breaks + 1;
    constexpr std::size_t ScratchSize = 64 * 1024;
    std::unique_ptr<char[]> scratch(new char[ScratchSize]);
    std::int64_t offset = FileOffset;
    while (!stopped) {
        ssize_t n;
        do {
            n = ::pread(Fd, scratch.get(), ScratchSize, offset);
        } while (n < 0 && errno == EINTR);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        breaks += CountBreaks(scratch.get(), static_cast<std::size_t>(n), StopAtCtrlZ, stopped);
        offset += n;
    }
    return breaks + 1;
}

} // namespace korvan
