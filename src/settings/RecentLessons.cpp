#include "settings/RecentLessons.h"

#include <algorithm>
#include <sys/stat.h>

#include "lesson/DerivedLessons.h"
#include "lesson/LessonSounds.h"
#include "util/IniFile.h"

namespace korvan {

namespace {

constexpr const char* Section = "RecentOpenFiles";
constexpr const char* FolderKey = "RecentOpenFolder";
constexpr const char* CountKey = "HowMany";
constexpr const char* MissingEntry = "c:\\unknown.sl2";

// Paths that differ only in letter case name one lesson, as on the file systems
// the list was made for. Where letter case makes different files, a path just
// opened is the listed one only if the listed path leads to the same file;
// otherwise the entry would open another lesson than the one it stands for.
bool SameLesson(const std::string& entry, const std::string& path)
{
    if (entry == path)
        return true;
    if (!SameIgnoringCaseRuEn(entry, path))
        return false;
    struct stat opened, listed;
    if (::stat(path.c_str(), &opened) != 0)
        return true; // nothing to tell them apart by
    return ::stat(entry.c_str(), &listed) == 0 && listed.st_dev == opened.st_dev &&
           listed.st_ino == opened.st_ino;
}

} // namespace

void TRecentLessons::Load(const std::string& korvanIni, const std::string& programFolder)
{
    const TIniData ini = TIniFile(korvanIni).ReadAll();
    Folder = ini.ReadString(Section, FolderKey, "");
    if (Folder.empty())
        Folder = programFolder + "lessons/";
    const int count = std::min(ini.ReadInteger(Section, CountKey, 0), MaxRecentLoaded);
    List.clear();
    for (int i = 1; i <= count; ++i)
        // ReadString trims the blanks around the value.
        List.push_back(ini.ReadString(Section, std::to_string(i), MissingEntry));
}

void TRecentLessons::Save(const std::string& korvanIni) const
{
    TIniFile(korvanIni).Modify([&](TIniData& ini) {
        ini.WriteString(Section, FolderKey, Folder);
        ini.WriteInteger(Section, CountKey, static_cast<int>(List.size()));
        for (std::size_t i = 0; i < List.size(); ++i)
            ini.WriteString(Section, std::to_string(i + 1), List[i]);
    });
}

void TRecentLessons::Add(const std::string& path)
{
    Folder = FolderOf(path);
    const auto found = std::find_if(List.begin(), List.end(), [&](const std::string& entry) {
        return SameLesson(entry, path);
    });
    if (found != List.end()) {
        std::rotate(List.begin(), found, found + 1);
        return;
    }
    if (static_cast<int>(List.size()) == FullCount)
        List.pop_back();
    List.insert(List.begin(), path);
}

} // namespace korvan
