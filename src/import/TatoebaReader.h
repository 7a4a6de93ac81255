#pragma once

// Sentences from the Tatoeba corpus: the "sentence pairs" download (id, text,
// id, translation; a byte-order mark, CR LF, no escaping), and the weekly
// exports sentences.csv (id, language, text) with links.csv (id, translation
// id; both directions) and, when beside them, sentences_with_audio.csv,
// filtered to Russian sentences and their English translations (tab-separated
// MySQL output: backslash escapes, \N for none). Each Russian sentence is taken
// once, with its first translation; the ids go into the record's note and the
// licence into the collection's comments, so attribution stays with the lesson.

#include <string>
#include <string_view>

#include "import/ImportCollection.h"

namespace korvan {

bool RecognisesTatoebaPairs(const std::string& path, std::string_view head);
TImportCollection ReadTatoebaPairsFile(const std::string& path);

// sentences.csv, or links.csv, with the other beside it.
bool RecognisesTatoebaExport(const std::string& path, std::string_view head);
TImportCollection ReadTatoebaExportFiles(const std::string& path);

// Readers of the texts themselves, for tests and the fuzz target.
TImportCollection ReadTatoebaPairs(std::string_view text);
TImportCollection ReadTatoebaExport(std::string_view sentences, std::string_view links,
                                    std::string_view withAudio);

// A field of the weekly exports with its backslash escapes undone ("\N" is
// none and gives an empty text).
std::string UnescapeTatoeba(std::string_view field);

} // namespace korvan
