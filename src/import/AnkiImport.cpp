#include "import/AnkiImport.h"

#include <filesystem>
#include <memory>

#include "i18n/Marked.h"
#include "import/AnkiNotesText.h"
#include "import/AnkiPackage.h"
#include "import/SourceText.h"
#include "util/Utf8.h"

namespace korvan {

namespace {

constexpr std::size_t MaxNotesTextBytes = std::size_t(256) << 20;

class TAnkiMedia : public IImportMedia
{
public:
    explicit TAnkiMedia(std::unique_ptr<TAnkiPackage> package) : Package(std::move(package)) {}
    bool Extract(const std::string& name, const std::string& targetPath) override
    {
        return Package->ExtractMedia(name, targetPath);
    }

private:
    std::unique_ptr<TAnkiPackage> Package;
};

bool EndsWith(const std::string& path, std::string_view ending)
{
    const std::string name = LowerLetters(path);
    return name.size() >= ending.size() &&
           name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
}

// One deck: its own name (its last level); else, or for Anki's own "Default"
// deck, the file's.
std::string ProposedTitle(const std::vector<std::string>& decks, const std::string& path)
{
    if (decks.size() == 1 && !decks.front().empty() && decks.front() != "Default") {
        const std::size_t level = decks.front().rfind("::");
        return level == std::string::npos ? decks.front() : decks.front().substr(level + 2);
    }
    return std::filesystem::path(path).stem().string();
}

void RefuseEmpty(const TImportCollection& collection)
{
    if (collection.Records.empty() && collection.Skipped.empty())
        throw TImportError("the Anki file holds no notes",
                           KORVAN_RUSSIAN("в файле Anki нет ни одной заметки"));
}

} // namespace

bool RecognisesAnkiPackage(const std::string& path, std::string_view head)
{
    if (head.substr(0, 4) != std::string_view("PK\x03\x04", 4))
        return false;
    return EndsWith(path, ".apkg") || EndsWith(path, ".colpkg") ||
           head.find("collection.anki2") != std::string_view::npos;
}

TImportCollection ToImportCollection(TAnkiNotes notes)
{
    TImportCollection collection;
    std::vector<int> fieldSet(notes.NoteTypes.size(), -1);
    for (const TAnkiNote& note : notes.Notes) {
        int& set = fieldSet[note.NoteType];
        if (set < 0) {
            set = static_cast<int>(collection.FieldSets.size());
            TAnkiNoteType& type = notes.NoteTypes[note.NoteType];
            collection.FieldSets.push_back({type.Name, std::move(type.FieldNames)});
        }
    }
    collection.Decks = std::move(notes.Decks);
    collection.Records.reserve(notes.Notes.size());
    for (TAnkiNote& note : notes.Notes) {
        TImportRecord record;
        record.Cells = std::move(note.Fields);
        record.FieldSet = static_cast<std::uint32_t>(fieldSet[note.NoteType]);
        record.Deck = note.Deck;
        record.Place = note.Place;
        collection.Records.push_back(std::move(record));
    }
    for (std::size_t kind = 0; kind < AnkiSkipKinds; ++kind)
        if (notes.Skipped[kind] > 0)
            collection.Skip(AnkiSkipText(static_cast<TAnkiSkip>(kind)),
                            AnkiSkipRussian(static_cast<TAnkiSkip>(kind)), notes.Skipped[kind]);
    return collection;
}

TImportCollection ReadAnkiPackageFile(const std::string& path)
{
    auto package = std::make_unique<TAnkiPackage>(path);
    TImportCollection collection = ToImportCollection(std::move(package->Notes()));
    RefuseEmpty(collection);
    collection.Format = "Anki package";
    collection.PlacesAreLines = false;
    collection.Title = ProposedTitle(collection.Decks, path);
    if (package->UnsafeMediaNames() > 0)
        collection.Skip("media files with a name that is not a plain file name",
                        KORVAN_RUSSIAN("медиафайлы с недопустимым именем"),
                        package->UnsafeMediaNames());
    if (package->DuplicateMediaNames() > 0)
        collection.Skip("media file names given to two files",
                        KORVAN_RUSSIAN("имена медиафайлов, данные двум файлам"),
                        package->DuplicateMediaNames());
    collection.Media = std::make_unique<TAnkiMedia>(std::move(package));
    return collection;
}

TImportCollection ReadAnkiNotesTextFile(const std::string& path)
{
    TImportCollection collection =
        ToImportCollection(ReadAnkiNotesText(ReadWholeFile(path, MaxNotesTextBytes)));
    RefuseEmpty(collection);
    collection.Format = "Anki notes in plain text";
    collection.Title = ProposedTitle(collection.Decks, path);
    return collection;
}

} // namespace korvan
