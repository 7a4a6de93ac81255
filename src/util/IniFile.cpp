#include "util/IniFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "util/AtomicFile.h"
#include "util/Errors.h"
#include "util/Text.h"

namespace korvan {

namespace {

constexpr std::size_t MaxStringLength = 2047; // in bytes (1251 characters)

// The blanks trimmed around names and values; CR too, so a stray one before the
// line end never reaches a value.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

// One pair of matching enclosing quotes removed.
std::string_view Unquote(std::string_view text)
{
    if (text.size() >= 2 && IsQuote(text.front()) && text.front() == text.back())
        return text.substr(1, text.size() - 2);
    return text;
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Letter case ignored for ASCII only; other bytes (1251 letters) must be equal.
bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "0x" and 1..8 hexadecimal digits; 0xFFFFFFFF is -1 (colours are 00BBGGRR).
bool ParseHex32(std::string_view text, std::int32_t& value)
{
    if (text.size() < 3 || text.size() > 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return false;
    std::uint32_t result = 0;
    for (char c : text.substr(2)) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return false;
        result = result << 4 | static_cast<std::uint32_t>(digit);
    }
    value = static_cast<std::int32_t>(result);
    return true;
}

// A value as written so that reading gives it back unchanged: CR and LF would
// end the line, so they become blanks; blanks at an end or enclosing quotes
// would be removed by the reading, so such a value gets one more pair of quotes.
std::string EncodeValue(std::string_view value)
{
    std::string result(value);
    for (char& c : result)
        if (c == '\r' || c == '\n')
            c = ' ';
    if (!result.empty() && (IsBlank(result.front()) || IsBlank(result.back()) ||
                            Unquote(result).size() != result.size()))
        result = '"' + result + '"';
    return result;
}

// 0 and the whole file in `text`, or the errno of the failure.
int ReadFileText(const std::string& path, std::string& text)
{
    text.clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file)
        return errno;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        text.append(buffer, got);
    if (std::ferror(file.get()))
        return errno != 0 ? errno : EIO;
    return 0;
}

} // namespace

// ---------------------------------------------------------------- TIniData

TIniData::TIniData(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        Lines.emplace_back(line);
        start = end + 1;
    }
    Parse();
}

void TIniData::Parse()
{
    Sections.clear();
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        const std::string_view line = Trim(Lines[i]);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos)
                Sections.push_back({std::string(Trim(line.substr(1, close - 1))), i, {}});
            continue; // a "[" without "]" is junk
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || Sections.empty())
            continue; // junk, or a key before any section
        const std::string_view name = Trim(line.substr(0, equals));
        if (!name.empty())
            Sections.back().Keys.push_back({std::string(name), i});
    }
}

const TIniData::TSection* TIniData::FindSection(std::string_view section) const
{
    for (const TSection& s : Sections)
        if (SameName(s.Name, section))
            return &s;
    return nullptr;
}

const std::string* TIniData::FindRawValue(std::string_view section, std::string_view key) const
{
    const TSection* s = FindSection(section);
    if (s == nullptr)
        return nullptr;
    for (const TKeyLine& k : s->Keys)
        if (SameName(k.Name, key))
            return &Lines[k.Line];
    return nullptr;
}

namespace {

// The value of a key line: after the first "=", trimmed, one pair of quotes removed.
std::string_view ValueOf(const std::string& line)
{
    return Unquote(Trim(std::string_view(line).substr(line.find('=') + 1)));
}

} // namespace

std::string TIniData::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const
{
    const std::string* line = FindRawValue(section, key);
    if (line == nullptr)
        return std::string(def);
    return std::string(ValueOf(*line).substr(0, MaxStringLength));
}

std::int32_t TIniData::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t def) const
{
    const std::string* line = FindRawValue(section, key);
    if (line == nullptr)
        return def;
    const std::string_view value = ValueOf(*line);
    std::int32_t result = 0;
    if (ParseInt32(value, result) || ParseHex32(value, result))
        return result;
    return def;
}

bool TIniData::ReadBool(std::string_view section, std::string_view key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniData::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string encoded = EncodeValue(value);
    const TSection* s = FindSection(section);
    if (s == nullptr) {
        // A blank line keeps a hand-edited file readable.
        if (!Lines.empty() && !Trim(Lines.back()).empty())
            Lines.emplace_back();
        Lines.push_back("[" + std::string(section) + "]");
        Lines.push_back(std::string(key) + "=" + encoded);
        Parse();
        return;
    }
    for (const TKeyLine& k : s->Keys)
        if (SameName(k.Name, key)) {
            Lines[k.Line] = k.Name + "=" + encoded;
            return; // the line's kind and position are unchanged
        }
    const std::size_t after = s->Keys.empty() ? s->HeaderLine : s->Keys.back().Line;
    Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(after + 1),
                 std::string(key) + "=" + encoded);
    Parse();
}

void TIniData::WriteInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void TIniData::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

std::string TIniData::Text() const
{
    std::string text;
    for (const std::string& line : Lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// ---------------------------------------------------------------- TIniFile

TIniFile::TIniFile(std::string path) : Path(std::move(path)) {}

TIniData TIniFile::ReadAll() const
{
    std::string text;
    if (ReadFileText(Path, text) != 0)
        return TIniData();
    return TIniData(text);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const
{
    return ReadAll().ReadString(section, key, def);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t def) const
{
    return ReadAll().ReadInteger(section, key, def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const
{
    return ReadAll().ReadBool(section, key, def);
}

void TIniFile::Modify(const std::function<void(TIniData&)>& change)
{
    const std::string errorText = "Unable to write to " + Path;
    std::string text;
    const int error = ReadFileText(Path, text);
    // A file that exists but cannot be read must not be replaced by the few
    // keys written now; a missing one (or a missing folder) starts empty.
    if (error != 0 && error != ENOENT && error != ENOTDIR)
        throw TIoError(errorText);
    TIniData data(error == 0 ? std::string_view(text) : std::string_view());
    change(data);
    // Rewriting what stands already (a lesson opened again is already the
    // first of the recent ones) would only cost a synchronised write.
    std::string changed = data.Text();
    if (error == 0 && changed == text)
        return;
    WriteFileAtomically(Path, changed, errorText);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Modify([&](TIniData& data) { data.WriteString(section, key, value); });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    Modify([&](TIniData& data) { data.WriteInteger(section, key, value); });
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    Modify([&](TIniData& data) { data.WriteBool(section, key, value); });
}

} // namespace korvan
