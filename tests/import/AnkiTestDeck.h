#pragma once

// Anki packages made on the spot, in every layout, with the same libraries the
// reader uses: SQLite for the collection, zstd, protobuf for the latest media
// list, libzip for the package. Shared by the tests and the benchmark.

#include <sqlite3.h>
#include <zip.h>
#include <zstd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "import/AnkiPackage.pb.h"

namespace korvan::test {

struct TDeckSpec
{
    struct TType
    {
        std::int64_t Id;
        std::string Name;
        std::vector<std::string> Fields;
        bool Cloze = false;
    };
    struct TNote
    {
        std::int64_t Type;
        std::int64_t Deck;
        std::vector<std::string> Fields;
        bool HasCard = true;
    };
    int Schema = 11; // 11: note types and decks as JSON in col; 18: their own tables
    int Version = 0; // col.ver when not the schema's own
    std::vector<std::pair<std::int64_t, std::string>> Decks; // name with "::"
    std::vector<TType> Types;
    std::vector<TNote> Notes;
};

inline void Exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error != nullptr ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error("test collection: " + text + " in " + sql);
    }
}

inline void ExecWith(sqlite3* db, const char* sql, const std::vector<std::string>& texts)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("test collection: ") + sqlite3_errmsg(db));
    for (std::size_t i = 0; i < texts.size(); ++i)
        sqlite3_bind_blob(stmt, static_cast<int>(i + 1), texts[i].data(),
                          static_cast<int>(texts[i].size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        throw std::runtime_error(std::string("test collection: ") + sqlite3_errmsg(db));
}

// Anki's name columns are declared with its own collation; the builder needs
// one of that name to create their indexes.
inline int TestUnicase(void*, int na, const void* a, int nb, const void* b)
{
    const int common = sqlite3_strnicmp(static_cast<const char*>(a), static_cast<const char*>(b),
                                        std::min(na, nb));
    return common != 0 ? common : na - nb;
}

inline std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 32) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
            continue;
        }
        out += c;
    }
    return out + "\"";
}

// The collection as the bytes of an SQLite file.
inline std::string BuildCollection(const TDeckSpec& deck)
{
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_create_collation(db, "unicase", SQLITE_UTF8, nullptr, TestUnicase);
    Exec(db, "CREATE TABLE col (id integer PRIMARY KEY, crt integer, mod integer, scm integer, "
             "ver integer, dty integer, usn integer, ls integer, conf text, models text, "
             "decks text, dconf text, tags text);"
             "CREATE TABLE notes (id integer PRIMARY KEY, guid text, mid integer, mod integer, "
             "usn integer, tags text, flds text, sfld integer, csum integer, flags integer, "
             "data text);"
             "CREATE TABLE cards (id integer PRIMARY KEY, nid integer, did integer, ord integer, "
             "mod integer, usn integer, type integer, queue integer, due integer, ivl integer, "
             "factor integer, reps integer, lapses integer, left integer, odue integer, "
             "odid integer, flags integer, data text);"
             "CREATE INDEX ix_cards_nid ON cards (nid);");
    const int version = deck.Version != 0 ? deck.Version : deck.Schema;
    std::string models = "{}", decks = "{}";
    if (deck.Schema == 11) {
        models = "{";
        for (const auto& type : deck.Types) {
            models += (models.size() > 1 ? ",\"" : "\"") + std::to_string(type.Id) +
                      "\":{\"id\":" + std::to_string(type.Id) +
                      ",\"name\":" + JsonString(type.Name) +
                      ",\"type\":" + (type.Cloze ? "1" : "0") + ",\"flds\":[";
            // Written in reverse: the reader must order them by "ord".
            for (std::size_t i = type.Fields.size(); i-- > 0;)
                models += "{\"name\":" + JsonString(type.Fields[i]) +
                          ",\"ord\":" + std::to_string(i) + (i > 0 ? "}," : "}");
            models += "]}";
        }
        models += "}";
        decks = "{";
        for (const auto& [id, name] : deck.Decks)
            decks += (decks.size() > 1 ? ",\"" : "\"") + std::to_string(id) +
                     "\":{\"id\":" + std::to_string(id) + ",\"name\":" + JsonString(name) + "}";
        decks += "}";
    } else {
        Exec(db, "CREATE TABLE notetypes (id integer NOT NULL PRIMARY KEY, name text NOT NULL "
                 "COLLATE unicase, mtime_secs integer, usn integer, config blob);"
                 "CREATE UNIQUE INDEX idx_notetypes_name ON notetypes (name);"
                 "CREATE TABLE fields (ntid integer NOT NULL, ord integer NOT NULL, name text "
                 "NOT NULL COLLATE unicase, config blob, PRIMARY KEY (ntid, ord)) without rowid;"
                 "CREATE UNIQUE INDEX idx_fields_name_ntid ON fields (name, ntid);"
                 "CREATE TABLE decks (id integer PRIMARY KEY NOT NULL, name text NOT NULL "
                 "COLLATE unicase, mtime_secs integer, usn integer, common blob, kind blob);"
                 "CREATE UNIQUE INDEX idx_decks_name ON decks (name);");
        for (const auto& type : deck.Types) {
            korvan::anki::NotetypeConfig config;
            config.set_kind(type.Cloze ? 1 : 0);
            ExecWith(db,
                     ("INSERT INTO notetypes VALUES (" + std::to_string(type.Id) +
                      ", CAST(? AS text), 0, 0, ?)")
                         .c_str(),
                     {type.Name, config.SerializeAsString()});
            for (std::size_t i = 0; i < type.Fields.size(); ++i)
                ExecWith(db,
                         ("INSERT INTO fields VALUES (" + std::to_string(type.Id) + ", " +
                          std::to_string(i) + ", CAST(? AS text), x'')")
                             .c_str(),
                         {type.Fields[i]});
        }
        for (auto [id, name] : deck.Decks) {
            for (std::size_t at = name.find("::"); at != std::string::npos; at = name.find("::"))
                name.replace(at, 2, "\x1f");
            ExecWith(db,
                     ("INSERT INTO decks VALUES (" + std::to_string(id) +
                      ", CAST(? AS text), 0, 0, x'', x'')")
                         .c_str(),
                     {name});
        }
    }
    ExecWith(db,
             ("INSERT INTO col VALUES (1, 0, 0, 0, " + std::to_string(version) +
              ", 0, 0, 0, '{}', CAST(? AS text), CAST(? AS text), '{}', '{}')")
                 .c_str(),
             {models, decks});
    Exec(db, "BEGIN");
    std::int64_t id = 1000;
    for (const auto& note : deck.Notes) {
        std::string flds;
        for (std::size_t i = 0; i < note.Fields.size(); ++i)
            flds += (i > 0 ? "\x1f" : "") + note.Fields[i];
        ++id;
        ExecWith(db,
                 ("INSERT INTO notes VALUES (" + std::to_string(id) + ", 'g', " +
                  std::to_string(note.Type) + ", 0, 0, '', CAST(? AS text), '', 0, 0, '')")
                     .c_str(),
                 {flds});
        if (note.HasCard)
            Exec(db, "INSERT INTO cards VALUES (" + std::to_string(id) + ", " + std::to_string(id) +
                         ", " + std::to_string(note.Deck) +
                         ", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, '')");
    }
    Exec(db, "COMMIT");
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(db, "main", &size, 0);
    std::string file(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
    sqlite3_free(bytes);
    sqlite3_close(db);
    return file;
}

inline std::string Zstd(const std::string& bytes)
{
    std::string out(ZSTD_compressBound(bytes.size()), '\0');
    out.resize(ZSTD_compress(out.data(), out.size(), bytes.data(), bytes.size(), 3));
    return out;
}

struct TMember
{
    std::string Name;
    std::string Bytes;
};

// `store`: members kept as they are, as Anki keeps its zstd-compressed ones.
inline void WriteZip(const std::string& path, const std::vector<TMember>& members,
                     bool store = false)
{
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        throw std::runtime_error("test package: cannot create " + path);
    for (const TMember& member : members) {
        zip_source_t* source =
            zip_source_buffer(archive, member.Bytes.data(), member.Bytes.size(), 0);
        const zip_int64_t index = source == nullptr ? -1
                                                    : zip_file_add(archive, member.Name.c_str(),
                                                                   source, ZIP_FL_ENC_UTF_8);
        if (index < 0 ||
            (store && zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                               ZIP_CM_STORE, 0) != 0))
            throw std::runtime_error("test package: cannot add " + member.Name);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("test package: cannot write " + path);
}

enum class TTestLayout
{
    Legacy1,
    Legacy2,
    Latest
};

struct TMediaSpec
{
    std::string Name;
    std::string Bytes;
    bool Stored = true; // false: in the list, but its member is missing
};

// The members of a package. Legacy media members are numbered with gaps (0, 2,
// 4, ...), as real lists have them; latest members are numbered by position.
inline std::vector<TMember> PackageMembers(TTestLayout layout, const TDeckSpec& deck,
                                           const std::vector<TMediaSpec>& media, bool meta = false)
{
    std::vector<TMember> members;
    const bool latest = layout == TTestLayout::Latest;
    if (layout != TTestLayout::Legacy1) {
        // What Anki writes for its older versions to find: one note asking to update.
        TDeckSpec placeholder;
        placeholder.Decks = {{1, "Default"}};
        placeholder.Types = {{7, "Basic", {"Front", "Back"}}};
        placeholder.Notes = {{7, 1, {"Please update to the latest Anki version", ""}}};
        members.push_back({"collection.anki2", BuildCollection(placeholder)});
    }
    const std::string collection = BuildCollection(deck);
    members.push_back({latest                           ? "collection.anki21b"
                       : layout == TTestLayout::Legacy2 ? "collection.anki21"
                                                        : "collection.anki2",
                       latest ? Zstd(collection) : collection});
    if (latest || meta) {
        korvan::anki::PackageMetadata metadata;
        metadata.set_version(latest ? 3 : layout == TTestLayout::Legacy2 ? 2 : 1);
        members.push_back({"meta", metadata.SerializeAsString()});
    }
    korvan::anki::MediaEntries entries;
    std::string json = "{";
    for (std::size_t i = 0; i < media.size(); ++i) {
        const std::string member = std::to_string(latest ? i : 2 * i);
        auto* entry = entries.add_entries();
        entry->set_name(media[i].Name);
        entry->set_size(static_cast<std::uint32_t>(media[i].Bytes.size()));
        json += (i > 0 ? ",\"" : "\"") + member + "\":" + JsonString(media[i].Name);
        if (media[i].Stored)
            members.push_back({member, latest ? Zstd(media[i].Bytes) : media[i].Bytes});
    }
    members.push_back({"media", latest ? Zstd(entries.SerializeAsString()) : json + "}"});
    return members;
}

inline void WritePackage(const std::string& path, TTestLayout layout, const TDeckSpec& deck,
                         const std::vector<TMediaSpec>& media, bool meta = false)
{
    WriteZip(path, PackageMembers(layout, deck, media, meta), layout == TTestLayout::Latest);
}

} // namespace korvan::test
