#pragma once

// Decisions behind writing lessons in a word processor: where the authoring
// dialogs start, the name a new document gets, and what is handed to the
// desktop to open.

#include <string>
#include <string_view>

#include "i18n/Language.h"

namespace korvan {

// The folder of new lessons beside the program (UTF-8, ending in "/").
std::string DefaultLessonCreateFolder(const std::string& programFolder);

// Korvan.ini, section LessonCreate, key RecentLessonCreateFolder (a UTF-8
// path); the default for a missing file, section or key or an empty value. The
// result always ends in "/", so a file name can be appended to it.
std::string LoadLessonCreateFolder(const std::string& korvanIni, const std::string& programFolder);
// Writes the key, leaving the rest of the file alone. Throws TIoError.
void SaveLessonCreateFolder(const std::string& korvanIni, const std::string& folder);

// The name a new lesson document is written under: the chosen path, with
// ".doc" appended unless its extension is ".doc" in any letter case
// ("a.txt" becomes "a.txt.doc", "lesson1" becomes "lesson1.doc").
std::string WordDocumentName(const std::string& chosen);

// A help document or lesson template `name` of `folder` (ending in "/") in
// the interface's language: the Russian originals lie in the folder itself,
// their English versions in its subfolder "en/".
std::string ShippedForLanguage(const std::string& folder, const std::string& name,
                               TUiLanguage language);

// Paths and addresses handed to the desktop are cut to this many characters.
constexpr std::size_t MaxShellTargetLength = 255;
// The first 255 characters of a UTF-8 text; a character is never split.
std::string CutShellTarget(std::string_view target);

} // namespace korvan
