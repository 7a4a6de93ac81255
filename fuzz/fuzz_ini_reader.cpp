// The INI reader on arbitrary bytes: every read answers without crashing, the
// file and its parsed copy agree, and a written value reads back while every
// other key stays as it was.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "FuzzCheck.h"
#include "util/IniFile.h"

using korvan::fuzz::Check;

namespace {

void WriteRaw(const std::string& path, std::string_view bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    Check(file != nullptr, "cannot create the input file");
    Check(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(), "short write");
    std::fclose(file);
}

std::string ReadRaw(const std::string& path)
{
    std::string text;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    Check(file != nullptr, "cannot read the file back");
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    std::fclose(file);
    return text;
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// A name that a line written with it will carry whole: no line ends, no
// characters that make a line a header, a comment or split it, no blanks.
std::string SafeName(std::string_view name)
{
    std::string safe;
    for (char c : name)
        if (static_cast<unsigned char>(c) > ' ' && c != '=' && c != '[' && c != ']' && c != ';')
            safe += c;
    return safe.empty() ? std::string("Fuzz") : safe;
}

// Section and key names as the input spells them, plus the program's own.
void CollectNames(std::string_view text, std::vector<std::string>& sections,
                  std::vector<std::string>& keys)
{
    std::size_t start = 0;
    for (int line = 0; line < 32 && start < text.size(); ++line) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view l = text.substr(start, end - start);
        start = end + 1;
        const std::size_t open = l.find('['), close = l.rfind(']');
        if (open != std::string_view::npos && close != std::string_view::npos && close > open &&
            sections.size() < 8)
            sections.emplace_back(l.substr(open + 1, close - open - 1));
        const std::size_t equals = l.find('=');
        if (equals != std::string_view::npos && keys.size() < 8)
            keys.emplace_back(l.substr(0, equals));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Every write is fsynced: on a memory file system that costs nothing, on a
    // disk it slows the run to tens of inputs a second.
    static const std::string path =
        std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/fuzz_ini_reader_" +
        std::to_string(static_cast<long>(getpid())) + ".ini";
    static const int removeAtExit = std::atexit([] { std::remove(path.c_str()); });
    (void)removeAtExit;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    WriteRaw(path, text);

    korvan::TIniFile ini(path);
    const korvan::TIniData parsed(text);
    std::vector<std::string> sections{"Main", "Modes"};
    std::vector<std::string> keys{"HowMany", "1", "Speed"};
    CollectNames(text, sections, keys);

    // The parsed copy answers every pair of names; the file, read afresh each
    // time, a few of them (each read parses the whole file again).
    const std::string def = "\x01<default>";
    std::vector<std::string> before;
    for (std::size_t si = 0; si < sections.size(); ++si)
        for (std::size_t ki = 0; ki < keys.size(); ++ki) {
            const std::string& s = sections[si];
            const std::string& k = keys[ki];
            const std::string value = parsed.ReadString(s, k, def);
            Check(value == def || value.size() <= 2047, "string longer than 2047");
            const std::int32_t number = parsed.ReadInteger(s, k, -7);
            Check(parsed.ReadBool(s, k, true) == (parsed.ReadInteger(s, k, 1) != 0),
                  "boolean is not the integer");
            if ((si + ki) % 5 == 0) {
                Check(ini.ReadString(s, k, def) == value, "file and parsed copy differ");
                Check(ini.ReadInteger(s, k, -7) == number, "integers differ");
            }
            before.push_back(value);
        }

    // One write of a value taken from the input.
    const std::string section = SafeName(sections.back());
    const std::string key = SafeName(keys.back());
    const std::string value(text.substr(size / 2, 2047));
    ini.WriteString(section, key, value);
    std::string expected = value;
    for (char& c : expected)
        if (c == '\r' || c == '\n')
            c = ' ';
    Check(ini.ReadString(section, key, def) == expected, "written value does not read back");

    std::size_t i = 0;
    for (const std::string& s : sections)
        for (const std::string& k : keys) {
            if (!(SameName(s, section) && SameName(k, key)))
                Check(ini.ReadString(s, k, def) == before[i], "another key changed");
            ++i;
        }

    // The rewritten file is in the writer's own form: parsing it changes nothing.
    const std::string written = ReadRaw(path);
    Check(korvan::TIniData(written).Text() == written, "rewritten file is not stable");
    return 0;
}
