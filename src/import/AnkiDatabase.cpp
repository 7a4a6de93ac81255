#include "import/AnkiDatabase.h"

#include <algorithm>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sqlite3.h>
#include <unordered_map>

#include "i18n/Marked.h"
#include "import/AnkiPackage.pb.h"

namespace korvan {

namespace {

[[noreturn]] void Damaged(const std::string& detail)
{
    throw TImportError("the Anki collection cannot be read: " + detail,
                       KORVAN_RUSSIAN("коллекция Anki повреждена, её не удалось прочитать"));
}

// One code point of UTF-8, folded to lower case for Latin and Cyrillic
// letters; `at` moves past it. Broken bytes are taken one by one.
char32_t NextFolded(const unsigned char*& at, const unsigned char* end)
{
    char32_t c = *at++;
    if (c >= 0xC0 && c < 0xE0 && at < end && (*at & 0xC0) == 0x80)
        c = ((c & 0x1F) << 6) | (*at++ & 0x3F);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

// Anki declares its name columns `COLLATE unicase`; SQLite fails any
// comparison on such a column, or a plan that uses its index, until a
// collation of that name exists. This reader never looks a name up by an
// index, so folding the letters of the two alphabets it meets is enough for a
// consistent order.
int CompareUnicase(void*, int sizeA, const void* a, int sizeB, const void* b)
{
    auto* pa = static_cast<const unsigned char*>(a);
    auto* pb = static_cast<const unsigned char*>(b);
    const unsigned char* endA = pa + sizeA;
    const unsigned char* endB = pb + sizeB;
    while (pa < endA && pb < endB) {
        const char32_t ca = NextFolded(pa, endA);
        const char32_t cb = NextFolded(pb, endB);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return pa < endA ? 1 : pb < endB ? -1 : 0;
}

class TDatabase
{
public:
    explicit TDatabase(const std::string& path)
    {
        // immutable: a collection left in WAL mode opens without its -wal and
        // -shm files, and nothing is ever written beside the file.
        const int rc = sqlite3_open_v2(("file:" + UriPath(path) + "?immutable=1").c_str(), &Db,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
        if (rc != SQLITE_OK)
            Damaged(Db != nullptr ? sqlite3_errmsg(Db) : sqlite3_errstr(rc));
        // The file is the package author's: no code in its schema may run.
        sqlite3_db_config(Db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(Db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        sqlite3_create_collation(Db, "unicase", SQLITE_UTF8, nullptr, CompareUnicase);
    }
    ~TDatabase() { sqlite3_close(Db); }
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    sqlite3* Db = nullptr;

private:
    static std::string UriPath(const std::string& path)
    {
        std::string out;
        for (const char c : path) {
            if (c == '%' || c == '?' || c == '#') {
                static const char hex[] = "0123456789ABCDEF";
                out += '%';
                out += hex[static_cast<unsigned char>(c) >> 4];
                out += hex[c & 15];
            } else
                out += c;
        }
        return out;
    }
};

class TStatement
{
public:
    TStatement(const TDatabase& db, const char* sql) : Db(db.Db)
    {
        if (sqlite3_prepare_v2(Db, sql, -1, &Stmt, nullptr) != SQLITE_OK)
            Damaged(sqlite3_errmsg(Db));
    }
    ~TStatement() { sqlite3_finalize(Stmt); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    // True while there is a row.
    bool Step()
    {
        const int rc = sqlite3_step(Stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            Damaged(sqlite3_errmsg(Db));
        return false;
    }
    std::int64_t Int(int column) { return sqlite3_column_int64(Stmt, column); }
    std::string_view Text(int column)
    {
        const auto* text = sqlite3_column_text(Stmt, column);
        return text == nullptr
                   ? std::string_view{}
                   : std::string_view(reinterpret_cast<const char*>(text),
                                      static_cast<std::size_t>(sqlite3_column_bytes(Stmt, column)));
    }
    std::string_view Blob(int column)
    {
        const void* blob = sqlite3_column_blob(Stmt, column);
        return blob == nullptr
                   ? std::string_view{}
                   : std::string_view(static_cast<const char*>(blob),
                                      static_cast<std::size_t>(sqlite3_column_bytes(Stmt, column)));
    }

private:
    sqlite3* Db;
    sqlite3_stmt* Stmt = nullptr;
};

// What the notes refer to, by the collection's ids.
struct TIndexes
{
    std::unordered_map<std::int64_t, std::size_t> NoteTypes; // note type id -> index
    std::unordered_map<std::int64_t, int> Decks;             // deck id -> index
};

std::int64_t JsonId(const std::string& key)
{
    try {
        return std::stoll(key);
    } catch (const std::exception&) {
        Damaged("an id that is not a number");
    }
}

// Schema 11 to 14: `col.models` and `col.decks` are JSON objects keyed by id.
void ReadJsonSchema(TDatabase& db, TAnkiNotes& notes, TIndexes& indexes)
{
    TStatement col(db, "SELECT models, decks FROM col");
    if (!col.Step())
        Damaged("the collection has no settings row");
    try {
        const auto models = nlohmann::json::parse(col.Text(0));
        for (const auto& [key, model] : models.items()) {
            TAnkiNoteType type;
            type.Name = model.value("name", "");
            type.Cloze = model.value("type", 0) == 1;
            std::vector<std::pair<int, std::string>> fields;
            for (const auto& field : model.at("flds"))
                fields.emplace_back(field.value("ord", static_cast<int>(fields.size())),
                                    field.value("name", ""));
            std::stable_sort(fields.begin(), fields.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            for (auto& field : fields)
                type.FieldNames.push_back(std::move(field.second));
            indexes.NoteTypes[JsonId(key)] = notes.NoteTypes.size();
            notes.NoteTypes.push_back(std::move(type));
        }
        const auto decks = nlohmann::json::parse(col.Text(1));
        for (const auto& [key, deck] : decks.items()) {
            indexes.Decks[JsonId(key)] = static_cast<int>(notes.Decks.size());
            notes.Decks.push_back(deck.value("name", ""));
        }
    } catch (const nlohmann::json::exception& error) {
        Damaged(std::string("its note types or decks are not the JSON expected (") + error.what() +
                ")");
    }
}

// Schema 15 to 18: tables of their own; a deck's levels are joined by U+001F.
void ReadTableSchema(TDatabase& db, TAnkiNotes& notes, TIndexes& indexes)
{
    TStatement types(db, "SELECT id, name, config FROM notetypes ORDER BY id");
    while (types.Step()) {
        TAnkiNoteType type;
        type.Name = types.Text(1);
        korvan::anki::NotetypeConfig config;
        const std::string_view blob = types.Blob(2);
        // A config that does not parse leaves the type ordinary; cloze text is
        // still caught in the notes themselves.
        if (config.ParseFromArray(blob.data(), static_cast<int>(blob.size())))
            type.Cloze = config.kind() == 1;
        indexes.NoteTypes[types.Int(0)] = notes.NoteTypes.size();
        notes.NoteTypes.push_back(std::move(type));
    }
    TStatement fields(db, "SELECT ntid, name FROM fields ORDER BY ntid, ord");
    while (fields.Step()) {
        const auto type = indexes.NoteTypes.find(fields.Int(0));
        if (type != indexes.NoteTypes.end())
            notes.NoteTypes[type->second].FieldNames.emplace_back(fields.Text(1));
    }
    TStatement decks(db, "SELECT id, name FROM decks ORDER BY id");
    while (decks.Step()) {
        std::string name(decks.Text(1));
        for (std::size_t at = name.find('\x1f'); at != std::string::npos;
             at = name.find('\x1f', at))
            name.replace(at, 1, "::");
        indexes.Decks[decks.Int(0)] = static_cast<int>(notes.Decks.size());
        notes.Decks.push_back(std::move(name));
    }
}

// Notes carry no deck: their cards do. A note is in the deck of its first card.
std::unordered_map<std::int64_t, std::int64_t> DeckOfNotes(TDatabase& db)
{
    std::unordered_map<std::int64_t, std::int64_t> decks;
    TStatement cards(db, "SELECT nid, did FROM cards ORDER BY nid, ord");
    while (cards.Step())
        decks.emplace(cards.Int(0), cards.Int(1));
    return decks;
}

} // namespace

TAnkiNotes ReadAnkiDatabase(const std::string& path, const TAnkiLimits& limits)
{
    TDatabase db(path);
    std::int64_t version = 0;
    {
        TStatement col(db, "SELECT ver FROM col");
        if (!col.Step())
            Damaged("the collection has no settings row");
        version = col.Int(0);
    }
    TAnkiNotes notes;
    TIndexes indexes;
    if (version >= 11 && version <= 14)
        ReadJsonSchema(db, notes, indexes);
    else if (version >= 15 && version <= 18)
        ReadTableSchema(db, notes, indexes);
    else
        throw TImportError(
            "the Anki collection has schema version " + std::to_string(version) +
                ", which this program does not read (it reads 11 to 18)",
            KORVAN_RUSSIAN("коллекция Anki имеет версию схемы ") + std::to_string(version) +
                KORVAN_RUSSIAN(", которую программа не читает (читаются версии 11–18)"));

    const auto deckOfNote = DeckOfNotes(db);
    TStatement rows(db, "SELECT id, mid, flds FROM notes ORDER BY id");
    for (std::size_t place = 1; rows.Step(); ++place) {
        const auto type = indexes.NoteTypes.find(rows.Int(1));
        if (type == indexes.NoteTypes.end()) {
            notes.Skip(TAnkiSkip::UnknownNoteType);
            continue;
        }
        const auto deckId = deckOfNote.find(rows.Int(0));
        const auto deck =
            deckId == deckOfNote.end() ? indexes.Decks.end() : indexes.Decks.find(deckId->second);
        if (deck == indexes.Decks.end()) {
            notes.Skip(TAnkiSkip::NoDeck);
            continue;
        }
        AddAnkiNote(notes, type->second, deck->second, SplitAnkiFields(rows.Text(2)), true, place,
                    limits);
    }
    DropEmptyDecks(notes);
    return notes;
}

} // namespace korvan
