#pragma once

// The checks an author is told about, shared by `korvan-lesson check` and the
// lesson editor: texts the reader would find empty, numbers used twice (they
// share one pair of recordings), recordings the header promises but the folder
// lacks, and files saved as UTF-8 instead of Windows-1251.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lesson/LessonSounds.h"
#include "util/Utf8.h"

namespace korvan {

// The detector over a whole file; false when it cannot be read.
bool FileLooksLikeUtf8(const std::string& path);

// A text the reader finds empty once its line is trimmed.
bool IsBlankText(std::string_view text);

// How many questions use each number, kept up to date as numbers come and go.
class TNumberUses
{
public:
    void Add(std::int32_t number) { ++Uses[number]; }
    void Remove(std::int32_t number);
    int Count(std::int32_t number) const;
    bool Repeated(std::int32_t number) const { return Count(number) > 1; }
    // The numbers used more than once, ascending, with their counts.
    template <class Visit> void ForEachRepeated(Visit visit) const
    {
        std::set<std::int32_t> repeated;
        for (const auto& [number, count] : Uses)
            if (count > 1)
                repeated.insert(number);
        for (const std::int32_t number : repeated)
            visit(number, Uses.at(number));
    }
    std::int32_t Largest() const; // 0 when none is used

private:
    std::unordered_map<std::int32_t, int> Uses;
};

// The recordings in a lesson's folder, listed once (a lesson may have 100,000
// questions; asking the file system for each would take seconds). Names are
// found as the trainer finds them: any letter case, a ".MP3" for a ".WAV".
class TRecordingFolder
{
public:
    // `folder` ends in "/" or is empty (the current folder).
    explicit TRecordingFolder(std::string folder);
    void Rescan();

    bool Has(std::int32_t number, TLanguage language) const;
    // The path of the question's recording, or none.
    std::optional<std::string> Find(std::int32_t number, TLanguage language) const;
    // Every file that would stand for the recording (a WAV and an MP3 may both
    // lie there), as paths: what removing it must delete.
    std::vector<std::string> AllOf(std::int32_t number, TLanguage language) const;
    const std::string& Folder() const { return FFolder; }

private:
    std::string FFolder;
    std::unordered_map<std::string, std::vector<std::string>> ByUpperName;
};

} // namespace korvan
