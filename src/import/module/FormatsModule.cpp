// The entry of the importers' module: every reader of ImportSource, with the
// libraries they link, behind one function the trainer finds by name.

#include <exception>

#include "import/ImportModule.h"
#include "import/ImportSource.h"
#include "util/Errors.h"

extern "C" __attribute__((visibility("default"))) void
KorvanReadImportSource(const std::string& path, korvan::TImportRead& result)
{
    using korvan::TImportRead;
    // Exceptions stay on this side: the caller rethrows its own.
    try {
        result.Collection = korvan::ReadImportSource(path);
    } catch (const korvan::TImportError& e) {
        result = {TImportRead::TFailure::Import, e.what(), e.Russian, {}};
    } catch (const korvan::TIoError& e) {
        result = {TImportRead::TFailure::Io, e.what(), {}, {}};
    } catch (const std::exception& e) {
        result = {TImportRead::TFailure::Other, e.what(), {}, {}};
    }
}
