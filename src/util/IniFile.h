#pragma once

// INI files with the Windows profile semantics: sections and keys matched
// without regard to letter case, every call reading the file afresh, every
// write replacing the file atomically (temporary file beside it, then rename).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvan {

// The parsed text of one INI file: answers many reads from one reading of the
// file and takes several writes before one save. Lines that are neither a
// section header nor a key line (comments, junk) are kept as they are.
class TIniData
{
public:
    TIniData() = default;
    // `text` in any line ending (LF, CR LF).
    explicit TIniData(std::string_view text);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    // Replaces the value of the first matching key of the first matching
    // section (the key keeps its spelling in the file), or adds the key after
    // the last key of the section, or adds the section at the end. A value
    // that the reading would change (blanks at an end, enclosing quotes) is
    // written quoted; CR and LF become blanks, since they would end the line.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The whole file, every line ending in CR LF.
    std::string Text() const;

private:
    struct TKeyLine
    {
        std::string Name; // trimmed, as spelt in the file
        std::size_t Line;
    };
    struct TSection
    {
        std::string Name;
        std::size_t HeaderLine;
        std::vector<TKeyLine> Keys; // in file order
    };

    void Parse();
    const TSection* FindSection(std::string_view section) const;
    const std::string* FindRawValue(std::string_view section, std::string_view key) const;

    std::vector<std::string> Lines; // without their line ends
    std::vector<TSection> Sections; // in file order, duplicates included
};

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

    // The file read once, for many reads; a missing or unreadable file is empty.
    TIniData ReadAll() const;
    // Reads the file, lets `change` make any number of writes, then replaces the
    // file once, atomically. Throws TIoError("Unable to write to <path>").
    void Modify(const std::function<void(TIniData&)>& change);

private:
    std::string Path;
};

} // namespace korvan
