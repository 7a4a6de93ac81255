// Any bytes may be handed to the Anki package reader as a file. It either
// refuses them with a message or gives notes that fit their note types and
// decks, and extracting their sounds writes at most the one target file.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzCheck.h"
#include "FuzzTempFile.h"
#include "import/AnkiPackage.h"
#include "util/Errors.h"

using korvan::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const korvan::fuzz::TScratchFile input("in.apkg");
    static const korvan::fuzz::TScratchFile target("out.mp3");
    korvan::TAnkiLimits limits;
    limits.MaxUnpackedBytes = 64 << 20;
    limits.MaxCollectionBytes = 32 << 20;
    limits.MaxMediaBytes = 1 << 20;
    limits.MaxMembers = 1000;
    limits.MaxFieldBytes = 64 << 10;
    try {
        korvan::TAnkiPackage package(input.Write(data, size), limits);
        const korvan::TAnkiNotes& notes = package.Notes();
        std::size_t sounds = 0;
        for (const korvan::TAnkiNote& note : notes.Notes) {
            Check(note.NoteType < notes.NoteTypes.size(), "note type");
            Check(note.Fields.size() == notes.NoteTypes[note.NoteType].FieldNames.size(),
                  "one field per field name");
            Check(note.Deck >= 0 && static_cast<std::size_t>(note.Deck) < notes.Decks.size(),
                  "deck");
            for (const korvan::TImportCell& cell : note.Fields)
                for (const std::string& name : cell.Sounds)
                    if (sounds++ < 8)
                        package.ExtractMedia(name, target.Path);
        }
    } catch (const korvan::TImportError&) {
    } catch (const korvan::TIoError&) {
    }
    return 0;
}
