#pragma once

// Anki's "Notes in Plain Text" export (.txt): header lines "#separator:tab",
// "#html:true", "#notetype column:2", "#deck column:3", "#tags column:4" (and
// "#guid column:", "#columns:", "#notetype:", "#deck:"), then one note per
// record, its cells quoted as spreadsheets quote them. Other lines that begin
// with "#" are comments.

#include <string>
#include <string_view>

#include "import/AnkiNotes.h"

namespace korvan {

// Whether the text begins with one of the export's header lines.
bool RecognisesAnkiNotesText(const std::string& path, std::string_view head);

// Decks and note types by name (a type's fields named by "#columns:", else
// "1", "2", ...); the guid, note type, deck and tags columns are not fields.
// A text that is not UTF-8 is taken as Windows-1251.
TAnkiNotes ReadAnkiNotesText(std::string_view bytes, const TAnkiLimits& limits = {});

} // namespace korvan
