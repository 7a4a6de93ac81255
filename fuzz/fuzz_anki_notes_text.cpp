// Any bytes may be handed to the reader of Anki's plain-text export. Its notes
// fit their note types and decks, and no text it gives spans lines.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "FuzzCheck.h"
#include "import/AnkiNotesText.h"

using korvan::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const korvan::TAnkiNotes notes =
        korvan::ReadAnkiNotesText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const korvan::TAnkiNote& note : notes.Notes) {
        Check(note.NoteType < notes.NoteTypes.size(), "note type");
        Check(note.Fields.size() == notes.NoteTypes[note.NoteType].FieldNames.size(),
              "one field per field name");
        Check(note.Deck < static_cast<int>(notes.Decks.size()), "deck");
        for (const korvan::TImportCell& cell : note.Fields)
            Check(cell.Text.find_first_of("\r\n\t") == std::string::npos, "one line");
    }
    return 0;
}
