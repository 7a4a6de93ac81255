#pragma once

// The lessons opened last, newest first, and the folder the open dialog starts
// in; kept in Korvan.ini, section RecentOpenFiles.
//
// The paths are file-system names and are stored as such: the bytes of the
// name (UTF-8 on our platforms) go into the INI file unchanged, although the
// rest of Korvan.ini is 1251 text. Converting them to 1251 would lose every
// name that 1251 cannot spell, and nothing but this list reads these keys.

#include <string>
#include <vector>

namespace korvan {

// A hand-edited HowMany is bounded: a huge number would exhaust memory.
constexpr int MaxRecentLoaded = 1000;

class TRecentLessons
{
public:
    // The list adding drops the oldest entry from.
    static constexpr int FullCount = 9;

    // Reads the open folder (empty: `programFolder` + "lessons/") and HowMany
    // entries, each trimmed of blanks; a missing key gives "c:\unknown.sl2".
    // Nothing is validated, so more than nine entries may be loaded. A missing
    // file gives an empty list.
    void Load(const std::string& korvanIni, const std::string& programFolder);
    // Writes RecentOpenFolder, HowMany and the keys 1..HowMany in one
    // replacement of the file; higher keys left from a longer list stay.
    // Throws TIoError.
    void Save(const std::string& korvanIni) const;

    // After a lesson was opened: the open folder becomes the lesson's folder;
    // a path already listed (letter case ignored, unless the two spellings
    // lead to different existing files) moves to the top with its stored
    // spelling; a new one goes on top, and a list of exactly nine loses
    // its oldest entry first.
    void Add(const std::string& path);

    const std::vector<std::string>& Entries() const { return List; }
    const std::string& OpenFolder() const { return Folder; }

private:
    std::vector<std::string> List; // newest first
    std::string Folder;            // ends in "/"
};

} // namespace korvan
