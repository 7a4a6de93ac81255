// Any bytes may be handed to the Tatoeba readers: as a sentence-pairs file, or
// split at NUL bytes into sentences.csv, links.csv and sentences_with_audio.csv.
// Every record is a pair with its ids noted; nothing else may come out.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "FuzzCheck.h"
#include "import/TatoebaReader.h"

using korvan::fuzz::Check;

namespace {

void CheckPairs(const korvan::TImportCollection& c)
{
    for (const korvan::TImportRecord& r : c.Records) {
        Check(r.Cells.size() == 2, "two cells");
        Check(r.Note.rfind("Tatoeba ", 0) == 0, "ids noted");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckPairs(korvan::ReadTatoebaPairs(bytes));

    const std::size_t first = bytes.find('\0');
    const std::size_t second =
        first == std::string_view::npos ? first : bytes.find('\0', first + 1);
    const std::string_view sentences = bytes.substr(0, first);
    const std::string_view links = first == std::string_view::npos
                                       ? std::string_view()
                                       : bytes.substr(first + 1, second - first - 1);
    const std::string_view audio =
        second == std::string_view::npos ? std::string_view() : bytes.substr(second + 1);
    CheckPairs(korvan::ReadTatoebaExport(sentences, links, audio));
    (void)korvan::UnescapeTatoeba(bytes);
    return 0;
}
