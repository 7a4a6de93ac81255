#pragma once

// Moments of the history: a UTC instant with the local offset it was lived at,
// written as RFC 3339 with seconds ("2026-12-09T19:53:07+03:00"), and the
// pupil's day such a moment falls on.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvan {

struct TZonedTime
{
    std::int64_t Utc = 0;    // seconds since 1970-01-01T00:00:00Z
    std::int32_t Offset = 0; // seconds east of UTC, within ±24 h
};

// Days since 1970-01-01 of a civil date, and back.
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);

// "2026-12-09T19:53:07+03:00"; an offset of zero is written "+00:00".
std::string FormatRfc3339(TZonedTime time);
// Accepts what FormatRfc3339 writes and what other tools write of RFC 3339: a
// "t", "T" or blank between date and time, a fraction of a second (dropped),
// "Z" or "z" for UTC. Nothing for anything else, a date that does not exist
// included.
std::optional<TZonedTime> ParseRfc3339(std::string_view text);

// The pupil's day of a moment: the date of its own local time less
// `dayStartsAt` hours (0..23), as days since 1970-01-01. The local time is the
// record's own, so a day lived in another time zone stays that day.
std::int64_t PupilDay(TZonedTime time, int dayStartsAt);
// "2026-12-09".
std::string FormatDay(std::int64_t day);

// Now, with the offset of the system's time zone at this moment.
TZonedTime SystemZonedNow();

} // namespace korvan
