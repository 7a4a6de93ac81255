#include "util/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "util/Errors.h"

namespace korvan {

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& errorText, int error)
{
    if (!errorText.empty())
        throw TIoError(errorText);
    throw TIoError("Cannot write " + path + ": " + std::strerror(error));
}

} // namespace

void WriteFileAtomically(const std::string& path, std::string_view content,
                         const std::string& errorText)
{
    // The temporary file lies beside the target so that rename never crosses
    // file systems.
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        Fail(path, errorText, errno);
    // mkstemp creates 0600; a settings file or a lesson should be readable as
    // an ordinary file would be.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);

    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = write(fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            close(fd);
            unlink(temp.c_str());
            Fail(path, errorText, error);
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        const int error = errno;
        unlink(temp.c_str());
        Fail(path, errorText, error);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temp.c_str());
        Fail(path, errorText, error);
    }
}

} // namespace korvan
