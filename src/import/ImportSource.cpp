#include "import/ImportSource.h"

#include <fstream>

#include "i18n/Marked.h"
#include "import/AnkiImport.h"
#include "import/AnkiNotesText.h"
#include "import/TableReader.h"
#include "import/TatoebaReader.h"
#include "util/Errors.h"

namespace korvan {

const std::vector<TImportReader>& ImportReaders()
{
    // The table reader takes any text, so it comes last.
    static const std::vector<TImportReader> readers = {
        {"Anki package", RecognisesAnkiPackage, ReadAnkiPackageFile},
        {"Anki notes in plain text", RecognisesAnkiNotesText, ReadAnkiNotesTextFile},
        {"Tatoeba sentence pairs", RecognisesTatoebaPairs, ReadTatoebaPairsFile},
        {"Tatoeba weekly export", RecognisesTatoebaExport, ReadTatoebaExportFiles},
        {"table", RecognisesTable, ReadTableFile},
    };
    return readers;
}

TImportCollection ReadImportSource(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TIoError("Cannot open " + path);
    std::string head(HeadSize, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    if (in.bad())
        throw TIoError("Cannot read " + path);
    head.resize(static_cast<std::size_t>(in.gcount()));
    for (const TImportReader& reader : ImportReaders())
        if (reader.Recognises(path, head))
            return reader.Read(path);
    throw TImportError(
        "not a file the importer knows: neither a table, nor an Anki package, "
        "nor a Tatoeba export",
        KORVAN_RUSSIAN("файл неизвестного вида: не таблица, не пакет Anki и не выгрузка Tatoeba"));
}

} // namespace korvan
