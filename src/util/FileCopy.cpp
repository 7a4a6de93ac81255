#include "util/FileCopy.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "util/AtomicFile.h"
#include "util/Errors.h"

namespace fs = std::filesystem;

namespace korvan {

namespace {

constexpr std::size_t ChunkSize = 8192;

// The whole file; nothing when it cannot be opened or read (a folder, say).
bool ReadWholeFile(const std::string& path, std::string& content)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[ChunkSize];
    bool ok = true;
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        if (n == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return ok;
}

std::string TargetPath(const std::string& source, const std::string& destination)
{
    std::error_code error;
    fs::path target = fs::absolute(fs::path(destination), error);
    if (error)
        target = fs::path(destination);
    // A trailing "/" makes the file name empty; the folder test ignores it.
    fs::path folder = target;
    if (!folder.has_filename())
        folder = folder.parent_path();
    if (fs::is_directory(folder, error))
        return (folder / fs::path(source).filename()).string();
    return target.string();
}

} // namespace

void CopyFileToPath(const std::string& source, const std::string& destination)
{
    const std::string target = TargetPath(source, destination);
    // Templates and lessons are small: read whole, then written as one
    // replacement of the target.
    std::string content;
    if (!ReadWholeFile(source, content))
        throw TIoError("Cannot open file " + source);
    WriteFileAtomically(target, content, "Cannot create file " + target);
}

} // namespace korvan
