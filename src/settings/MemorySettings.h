#pragma once

// The settings of the pupils' memory, in Korvan.ini, section Main: where the
// history lives, the recall the reviews aim at, when a pupil's day starts and
// how many cards one review run asks at most.

#include <string>

namespace korvan {

struct TMemorySettings
{
    std::string HistoryFolder;     // a UTF-8 path; empty: "history/" in the user folder
    double DesiredRetention = 0.9; // 0.70..0.97
    int DayStartsAt = 4;           // hour, 0..23
    int ReviewLimit = 50;          // 1..10000
};

constexpr double MinDesiredRetention = 0.70;
constexpr double MaxDesiredRetention = 0.97;
constexpr int MaxReviewLimit = 10000;

// Missing or broken values take their defaults; values out of range are
// brought into it. A retention may be written with a decimal comma.
TMemorySettings LoadMemorySettings(const std::string& korvanIni);
// Writes the four keys, leaving the rest of the file alone. Throws TIoError.
void SaveMemorySettings(const std::string& korvanIni, const TMemorySettings& settings);

// The history folder the settings name, ending in "/": `userFolder` +
// "history/" when none is set.
std::string HistoryRoot(const TMemorySettings& settings, const std::string& userFolder);

} // namespace korvan
