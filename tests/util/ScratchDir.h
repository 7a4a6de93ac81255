#pragma once

// A fresh folder under the system's temporary folder, removed with everything
// in it when the test ends.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace korvan::test {

class TScratchDir
{
public:
    TScratchDir()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korvan-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "mkdtemp failed for " << pattern;
        Dir = pattern;
    }
    ~TScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(Dir, ignored);
    }
    TScratchDir(const TScratchDir&) = delete;
    TScratchDir& operator=(const TScratchDir&) = delete;

    std::string Path(std::string_view name) const { return (Dir / name).string(); }
    const std::filesystem::path& Root() const { return Dir; }

    // Writes the bytes as they are (no line-end conversion).
    std::string Write(std::string_view name, std::string_view bytes) const
    {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string Read(std::string_view name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::size_t FileCount() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(Dir),
                                                      std::filesystem::directory_iterator()));
    }

private:
    std::filesystem::path Dir;
};

} // namespace korvan::test
