#pragma once

// One scratch file per fuzzing process, rewritten for every input and removed
// at exit. In $TMPDIR when set (a tmpfs such as /dev/shm is much faster than a
// disk with synchronous discards), else in /tmp.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace korvan::fuzz {

class TScratchFile
{
public:
    explicit TScratchFile(const std::string& suffix)
        : Path(Folder() + "/korvan-fuzz-" + std::to_string(getpid()) + "-" + suffix)
    {
    }
    ~TScratchFile() { std::remove(Path.c_str()); }

    const std::string& Write(const unsigned char* data, std::size_t size) const
    {
        std::FILE* file = std::fopen(Path.c_str(), "wb");
        if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
            std::abort();
        return Path;
    }

    std::string Path;

private:
    static std::string Folder()
    {
        const char* dir = std::getenv("TMPDIR");
        return dir != nullptr && *dir != '\0' ? dir : "/tmp";
    }
};

} // namespace korvan::fuzz
