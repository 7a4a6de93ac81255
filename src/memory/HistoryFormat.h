#pragma once

// The history's file format: JSON Lines in UTF-8, one record a line (see
// doc/history-format.md). A card record tells what a card is; a review record
// tells one verdict on it. Lines of other types and fields not named here are
// left alone by the reader, so that other tools may add their own.

#include <cstdint>
#include <string>
#include <string_view>

#include "memory/CardKey.h"
#include "memory/ZonedTime.h"

namespace korvan {

enum class TVerdictKind : std::uint8_t
{
    Right, // judged right within the thinking time
    Wrong, // judged wrong
    Late,  // judged right after the time ran out while the time counted
};

std::string_view VerdictName(TVerdictKind verdict);

// Every text in UTF-8.
struct TCardRecord
{
    std::string Card;
    TCardDirection Direction = TCardDirection::RuEn;
    std::string Ru;
    std::string En;
    std::string Comment; // the question's comment line; may be empty
    std::string Lesson;  // the lesson file's path when the card was written
    std::int64_t Number = 0;
};

struct TReviewRecord
{
    std::string Id;
    std::string Card;
    std::string Pupil;
    TZonedTime Time;
    int Grade = 3; // 1 Again, 2 Hard, 3 Good, 4 Easy
    TVerdictKind Verdict = TVerdictKind::Right;
    std::int64_t AnswerMs = 0;
    std::int64_t NormMs = 0;
};

// One line each, without its line feed. Bytes that are not UTF-8 (a path the
// file system holds in another encoding) are written as U+FFFD.
std::string FormatCardRecord(const TCardRecord& card);
std::string FormatReviewRecord(const TReviewRecord& review);

// The grade the trainer gives a verdict: Good for a right answer, Again for a
// wrong or late one.
int GradeOfVerdict(TVerdictKind verdict);

enum class THistoryLineKind
{
    Card,
    Review,
    Other,      // a record of a type this reader does not know, or a blank line
    Unreadable, // not JSON, not an object, or a card or review without what it needs
};

// A parsed line. The views point into the line, which parsing rewrites.
struct THistoryLine
{
    THistoryLineKind Kind = THistoryLineKind::Unreadable;
    std::string_view Card;
    // Card records.
    TCardDirection Direction = TCardDirection::RuEn;
    std::string_view Ru, En, Comment, Lesson;
    std::int64_t Number = 0;
    // Review records.
    std::string_view Id;
    TZonedTime Time;
    int Grade = 0;
};

// Parses the `length` bytes at `line` in place; line[length] must be
// writable (a terminating zero is put there).
THistoryLine ParseHistoryLine(char* line, std::size_t length);

} // namespace korvan
