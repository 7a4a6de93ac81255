// Any bytes may be handed to the reader of an Anki collection as its SQLite
// file (inside a package the zip's checksums would turn most changed bytes
// away before they reach it). It either refuses them with a message or gives
// notes that fit their note types and decks.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzCheck.h"
#include "FuzzTempFile.h"
#include "import/AnkiDatabase.h"

using korvan::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const korvan::fuzz::TScratchFile input("collection.anki2");
    try {
        const korvan::TAnkiNotes notes =
            korvan::ReadAnkiDatabase(input.Write(data, size), korvan::TAnkiLimits{});
        for (const korvan::TAnkiNote& note : notes.Notes) {
            Check(note.NoteType < notes.NoteTypes.size(), "note type");
            Check(note.Fields.size() == notes.NoteTypes[note.NoteType].FieldNames.size(),
                  "one field per field name");
            Check(note.Deck >= 0 && static_cast<std::size_t>(note.Deck) < notes.Decks.size(),
                  "deck");
        }
    } catch (const korvan::TImportError&) {
    }
    return 0;
}
