#include "import/ImportModule.h"

#include <stdexcept>

#include "i18n/Marked.h"
#include "util/Errors.h"
#include "util/Module.h"

namespace korvan {

TImportCollection ReadImportSourceThroughModule(const std::string& path)
{
    static const TModule module(ImportModuleName);
    const auto entry = reinterpret_cast<TImportModuleEntry>(module.Symbol(ImportModuleEntry));
    if (entry == nullptr)
        throw TImportError("the importer cannot be loaded: " + module.Error(),
                           KORVAN_RUSSIAN("не загружается модуль импорта: ") + module.Error());
    TImportRead read;
    entry(path, read);
    switch (read.Failure) {
    case TImportRead::TFailure::None:
        break;
    case TImportRead::TFailure::Import:
        throw TImportError(read.English, read.Russian);
    case TImportRead::TFailure::Io:
        throw TIoError(read.English);
    case TImportRead::TFailure::Other:
        throw std::runtime_error(read.English);
    }
    return std::move(read.Collection);
}

} // namespace korvan
