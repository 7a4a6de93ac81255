#pragma once

// INI files with the Windows profile semantics: sections and keys matched
// without regard to letter case, every call reading the file afresh, every
// write replacing the file atomically (temporary file beside it, then rename).

#include <cstdint>
#include <string>
#include <string_view>

namespace korvan {

class TIniFile
{
public:
    explicit TIniFile(std::string path);
    const std::string& FileName() const { return Path; }

    // The value with blanks around it (and one pair of enclosing quotes)
    // removed, cut to 2047 characters; `def` for a missing file, section or key.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Decimal, or hexadecimal after "0x"; `def` for anything that is not an integer.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t def) const;
    // Read as an integer, any non-zero value being true.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    // Creates the file and the section as needed and leaves other keys alone.
    // Throws TIoError("Unable to write to <path>") on failure, leaving the old
    // file as it was.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    std::string Path;
};

} // namespace korvan
