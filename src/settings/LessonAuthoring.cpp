#include "settings/LessonAuthoring.h"

#include <algorithm>
#include <filesystem>

#include "util/IniFile.h"

namespace korvan {

namespace {

constexpr std::string_view Section = "LessonCreate";
constexpr std::string_view Key = "RecentLessonCreateFolder";

std::string WithTrailingSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string DefaultLessonCreateFolder(const std::string& programFolder)
{
    return WithTrailingSlash(programFolder) + "lessons/Уроки собственной разработки/";
}

std::string LoadLessonCreateFolder(const std::string& korvanIni, const std::string& programFolder)
{
    const std::string stored = TIniFile(korvanIni).ReadString(Section, Key, "");
    if (stored.empty())
        return DefaultLessonCreateFolder(programFolder);
    // A hand-edited value may lack the separator; the proposed file name is
    // appended to it.
    return WithTrailingSlash(stored);
}

void SaveLessonCreateFolder(const std::string& korvanIni, const std::string& folder)
{
    TIniFile(korvanIni).WriteString(Section, Key, folder);
}

std::string WordDocumentName(const std::string& chosen)
{
    // The extension of the file name only: a folder "x.doc/" does not count.
    const std::string extension = std::filesystem::path(chosen).extension().string();
    std::string lower = extension;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return lower == ".doc" ? chosen : chosen + ".doc";
}

std::string ShippedForLanguage(const std::string& folder, const std::string& name,
                               TUiLanguage language)
{
    return language == TUiLanguage::English ? folder + "en/" + name : folder + name;
}

std::string CutShellTarget(std::string_view target)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < target.size(); ++i) {
        // A byte that does not continue a UTF-8 sequence begins a character.
        if ((static_cast<unsigned char>(target[i]) & 0xC0) != 0x80) {
            if (characters == MaxShellTargetLength)
                return std::string(target.substr(0, i));
            ++characters;
        }
    }
    return std::string(target);
}

} // namespace korvan
