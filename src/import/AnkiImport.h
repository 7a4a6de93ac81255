#pragma once

// Anki packages and Anki's plain-text export as import sources: their notes
// become the records of the common collection, one field set per note type.

#include <string>
#include <string_view>

#include "import/AnkiNotes.h"
#include "import/ImportCollection.h"

namespace korvan {

// A zip that names itself .apkg / .colpkg or holds an Anki collection.
bool RecognisesAnkiPackage(const std::string& path, std::string_view head);
TImportCollection ReadAnkiPackageFile(const std::string& path);

TImportCollection ReadAnkiNotesTextFile(const std::string& path);

// Note types without a note taken are left out; the skipped counts go with it.
TImportCollection ToImportCollection(TAnkiNotes notes);

} // namespace korvan
