#pragma once

#include <string>

namespace korvan {

// Local date and time counted in days since 30/12/1899 00:00, the fraction
// being the time of day. Differences are durations in days.
using TDateTime = double;

struct TCivilTime
{
    int Year = 1899;
    int Month = 12; // 1..12
    int Day = 30;   // 1..31
    int Hour = 0;   // 0..23
    int Minute = 0; // 0..59
    int Second = 0; // 0..59
    int Msec = 0;   // 0..999
};

TDateTime EncodeDateTime(const TCivilTime& t);
// Rounded to the nearest millisecond.
TCivilTime DecodeDateTime(TDateTime value);

// "dd/mm/yyyy", whatever the locale.
std::string FormatShortDate(TDateTime value);
// The time of day as "H:MM:SS", the hour without a leading zero (9:05:07); the
// whole days of a duration are dropped.
std::string FormatLongTime(TDateTime value);

// The engine never reads the clock itself: it is handed one.
class IClock
{
public:
    virtual ~IClock() = default;
    virtual TDateTime Now() const = 0;
};

class TSystemClock : public IClock
{
public:
    TDateTime Now() const override;
};

} // namespace korvan
