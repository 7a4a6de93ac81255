#include "import/ImportCollection.h"

namespace korvan {

void TImportCollection::Skip(const std::string& reason, const std::string& russianReason,
                             std::size_t count)
{
    for (TSkipCount& skip : Skipped)
        if (skip.Reason == reason) {
            skip.Count += count;
            return;
        }
    Skipped.push_back({reason, russianReason, count});
}

} // namespace korvan
