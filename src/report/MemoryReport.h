#pragma once

// The pupils' memory in the teacher's report: their history folders found
// beside the logs (or named directly), each summed up on the report's day, a
// chart of the reviews ahead and a table of every card.

#include <string>
#include <vector>

#include "i18n/Language.h"
#include "memory/MemoryModel.h"
#include "report/ReportData.h"

namespace korvan {

struct THistoryPlace
{
    std::string Pupil;  // UTF-8
    std::string Folder; // ends in "/"
    TMemoryOptions Options;
};

// The pupils' history folders: for each log, the history folder its
// Korvan.ini names or "history/" beside it; for each input folder named
// "history" or holding pupil folders of *.jsonl files, its pupils; for an
// input folder that itself holds *.jsonl files, that one pupil. Each folder
// once, in the order found.
std::vector<THistoryPlace> FindHistoryPlaces(const std::vector<std::string>& inputs,
                                             const std::vector<std::string>& logs);

// Reads a pupil's history and sums it up at `at`; with `rows`, card by card
// too. Throws TIoError when a file cannot be read.
TPupilMemory SummarizeMemory(const THistoryPlace& place, TZonedTime at, bool rows);

// One row a pupil and card, UTF-8 with a header line.
std::string MemoryCsv(const std::vector<TPupilMemory>& memories);

// The cards falling due on the next 14 days as bars (inline SVG).
std::string DueAheadChart(const TPupilMemory& memory, TUiLanguage language);

} // namespace korvan
