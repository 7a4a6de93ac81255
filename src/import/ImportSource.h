#pragma once

// Recognising an import source by its content and reading it into the common
// collection. Each kind of source is one entry of the reader table; a new
// reader is one more entry (ImportSource.cpp), asked before the table reader,
// which takes any text.

#include <string>
#include <string_view>
#include <vector>

#include "import/ImportCollection.h"

namespace korvan {

struct TImportReader
{
    const char* Name; // for messages: "Anki package"
    // Whether the file is of this kind, from its path and its first bytes (up
    // to HeadSize; fewer when the file is shorter).
    bool (*Recognises)(const std::string& path, std::string_view head);
    // Reads the whole source. Throws TImportError when it cannot be read,
    // TIoError when it cannot be opened.
    TImportCollection (*Read)(const std::string& path);
};

inline constexpr std::size_t HeadSize = 64 * 1024;

// Every reader, in the order they are asked.
const std::vector<TImportReader>& ImportReaders();

// The first reader that recognises the file reads it. Throws TImportError when
// none does (a binary file of no known kind), TIoError when it cannot be read.
TImportCollection ReadImportSource(const std::string& path);

} // namespace korvan
