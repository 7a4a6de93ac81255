#pragma once

// A pupil's history as read from the files of every machine they drill on:
// the cards described and every review, merged by union. Reviews are kept
// compact (a heavy user has a million of them); their ids live in one arena.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "memory/CardKey.h"

namespace korvan {

struct THistoryCard
{
    std::string Key;
    bool Described = false; // a card record was read; the fields below hold it
    TCardDirection Direction = TCardDirection::RuEn;
    std::string Ru, En, Comment, Lesson; // UTF-8
    std::int64_t Number = 0;
};

struct THistoryReview
{
    std::int64_t Utc = 0;    // seconds since 1970
    std::uint32_t Card = 0;  // index into THistory::Cards
    std::int32_t Offset = 0; // seconds east of UTC at the review
    std::uint32_t IdAt = 0;  // the id's place in the arena
    std::uint16_t IdLength = 0;
    std::uint8_t Grade = 0; // 1..4
    bool Entered = false;   // set by the replay: the review entered the model
};

class THistory
{
public:
    // Reads one history file, adding to what is there. Throws TIoError when
    // the file cannot be read.
    void ReadFile(const std::string& path);
    // Reads every "*.jsonl" directly in the folder, in name order, the copies
    // sync tools make on a conflict included. A missing folder is an empty
    // history; one that cannot be listed throws TIoError.
    void ReadFolder(const std::string& folder);
    // Reads the files in order, as ReadFile each; a long history's files are
    // read on two threads, the result the same.
    void ReadFiles(const std::vector<std::string>& paths);
    // Reads `text` as the lines of one file.
    void ReadText(std::string text);
    // Takes in what `other` read after what this one read.
    void Merge(THistory&& other);

    // The card with this key, made (undescribed) when it is new.
    std::uint32_t CardIndex(std::string_view key);
    std::string_view Id(const THistoryReview& review) const
    {
        return std::string_view(Ids).substr(review.IdAt, review.IdLength);
    }

    std::vector<THistoryCard> Cards;
    std::vector<THistoryReview> Reviews;
    std::int64_t UnreadableLines = 0;
    std::vector<std::string> Files; // read so far

private:
    struct TKeyHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const
        {
            return std::hash<std::string_view>()(key);
        }
    };

    void TakeLine(char* line, std::size_t length);

    std::unordered_map<std::string, std::uint32_t, TKeyHash, std::equal_to<>> Index;
    std::string Ids;
};

} // namespace korvan
