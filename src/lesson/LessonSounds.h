#pragma once

// Recordings of a lesson's sentences lie beside the lesson file, named by the
// question's number.

#include <cstdint>
#include <optional>
#include <string>

namespace korvan {

enum class TLanguage
{
    Russian,
    English
};

// The number in decimal padded with "0" to three digits, then "R.WAV" or
// "E.WAV": 7 gives 007R.WAV, 1234 gives 1234E.WAV.
std::string LessonSoundName(std::int32_t number, TLanguage language);

// The folder of a lesson's path, with its trailing "/" ("" for a bare name).
std::string FolderOf(const std::string& path);

// The path of the sound `name` in `folder` (which ends in "/" or is empty):
// the exact name first; else the same name in any letter case, since lessons
// made on other systems often differ in case; else, for a ".WAV" name, the
// same base with ".MP3" looked up the same way. None when nothing is there.
std::optional<std::string> FindLessonSound(const std::string& folder, const std::string& name);

} // namespace korvan
