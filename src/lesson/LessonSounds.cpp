#include "lesson/LessonSounds.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "util/Text.h"

namespace fs = std::filesystem;

namespace korvan {

namespace {

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::optional<std::string> FindAnyCase(const std::string& folder, const std::string& name)
{
    std::error_code error;
    const fs::path exact = fs::path(folder.empty() ? "." : folder) / name;
    if (fs::is_regular_file(exact, error))
        return folder + name;
    fs::directory_iterator it(folder.empty() ? "." : folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (EqualIgnoringAsciiCase(candidate, name) && it->is_regular_file(error))
            return folder + candidate;
    }
    return std::nullopt;
}

} // namespace

std::string LessonSoundName(std::int32_t number, TLanguage language)
{
    return PadLeft(std::to_string(number), 3, '0') +
           (language == TLanguage::Russian ? "R.WAV" : "E.WAV");
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::optional<std::string> FindLessonSound(const std::string& folder, const std::string& name)
{
    if (auto found = FindAnyCase(folder, name))
        return found;
    const std::string wav = ".WAV";
    if (name.size() > wav.size() &&
        EqualIgnoringAsciiCase(name.substr(name.size() - wav.size()), wav))
        return FindAnyCase(folder, name.substr(0, name.size() - wav.size()) + ".MP3");
    return std::nullopt;
}

} // namespace korvan
