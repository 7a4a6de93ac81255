#pragma once

// The SQLite collection inside an Anki package: schema 11 (the note types and
// decks as JSON in `col`, Anki 2.1.x's legacy exports) up to schema 18 (their
// own tables, the latest packages).

#include <string>

#include "import/AnkiNotes.h"

namespace korvan {

// Reads the decks, note types and notes of the collection file at `path`,
// which is opened read-only and never changed. Throws TImportError when it is
// not a collection, of a schema it does not know, or damaged.
TAnkiNotes ReadAnkiDatabase(const std::string& path, const TAnkiLimits& limits);

} // namespace korvan
