#pragma once

// The readers of every import source, as the trainer reaches them: through
// their module, loaded at the first import, since the libraries they link
// (libzip, zstd, SQLite, libxml2, protobuf) would otherwise be loaded with the
// program. The lesson tool links the readers themselves.

#include <string>

#include "import/ImportCollection.h"

namespace korvan {

inline constexpr const char* ImportModuleName = "korvan-formats.so";

// What the module's entry hands back: the collection, or the failure
// ReadImportSource threw.
struct TImportRead
{
    enum class TFailure
    {
        None,
        Import, // TImportError: English, Russian
        Io,     // TIoError: English
        Other,  // any other exception: English
    };
    TFailure Failure = TFailure::None;
    std::string English;
    std::string Russian;
    TImportCollection Collection;
};

inline constexpr const char* ImportModuleEntry = "KorvanReadImportSource";
using TImportModuleEntry = void (*)(const std::string& path, TImportRead& result);

// ReadImportSource through the module, throwing what it throws. A module that
// cannot be loaded is a TImportError that names the reason.
TImportCollection ReadImportSourceThroughModule(const std::string& path);

} // namespace korvan
