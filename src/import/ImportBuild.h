#pragma once

// From a collection to lessons, the same for every source: which field is
// Russian, English and the comment (proposed from the letters of the texts,
// changeable), the numbering, the Words flag, the title, the largest number of
// words, how many sentences a lesson holds, and what to do with a character
// Windows-1251 cannot hold.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "import/ImportCollection.h"
#include "lesson/Lesson.h"

namespace korvan {

// Field indices of one field set; -1 none.
struct TColumnChoice
{
    int Russian = -1;
    int English = -1;
    int Comment = -1;
    // The fields whose first sound is the sentence's recording (an Anki deck
    // may keep it in a field of its own).
    int RussianSound = -1;
    int EnglishSound = -1;
};

enum class TUnfitChoice
{
    Stop,    // report the rows and write nothing
    Skip,    // leave such rows out
    Replace, // such characters become "?"
};

struct TImportOptions
{
    std::vector<TColumnChoice> Columns; // one per field set
    int Deck = -1;                      // -1 every deck
    std::string Title;                  // UTF-8; parts get " (2)" and so on
    bool Words = false;
    bool KeepNumbers = true;      // the source's number field, when it has one
    std::int32_t FirstNumber = 1; // otherwise numbered from here on, across parts
    std::size_t MaxWords = 0;     // sentences longer than this are left out; 0 no limit
    std::size_t PerLesson = 0;    // questions per lesson file; 0 all in one
    TUnfitChoice Unfit = TUnfitChoice::Stop;
};

// Letters in a text: the proposal's evidence.
struct TLetterCount
{
    std::size_t Cyrillic = 0;
    std::size_t Latin = 0;
};
TLetterCount CountLetters(std::string_view utf8);

// The proposal: columns by their names, else by Cyrillic against Latin
// letters; the collection's title; its own numbers when it has them.
TImportOptions ProposeOptions(const TImportCollection& collection);

// A text that cannot stand in a lesson line.
struct TUnfitText
{
    std::string Place;        // "line 4" or "record 4"
    std::string PlaceRussian; // "строка 4" or "запись 4"
    std::size_t Column = 0;   // 1-based column in the line, or character in the field
    bool InLine = false;      // Column counts in the source's line
    std::string Field;        // the field's name
    std::string Character;    // UTF-8; empty for a control character
};
// "line 2, column 9: this character cannot be written in Windows-1251: 🦊"
std::string DescribeUnfit(const TUnfitText& unfit);
std::string DescribeUnfitRussian(const TUnfitText& unfit);

struct TMediaCopy
{
    std::string Name;   // as the source knows it
    std::string Target; // the file name beside the lesson: "007R.MP3"
};

struct TBuiltLesson
{
    TLesson Lesson;                    // 1251 texts and the header flags
    std::vector<std::string> Comments; // 1251 lines for the lesson's comments
    std::vector<TMediaCopy> Media;
    std::size_t Part = 0; // 1-based; 0 when there is one lesson only
};

struct TImportSummary
{
    std::size_t Taken = 0;
    std::size_t Lessons = 0;
    std::vector<TSkipCount> Skipped; // the reader's, then the builder's
    std::vector<TUnfitText> Unfit;   // rows found with Stop (the first 100); nothing to write
    std::size_t UnfitRows = 0;       // rows with such characters, with any choice
};

// Builds the lessons in order and hands each to `take` as soon as it is full,
// so only one lesson is held at a time (`take` stages them; TLessonWriter).
// With Stop, once a character 1251 cannot hold is found `take` is not called
// again, and a summary with Unfit rows must not be committed: nothing is
// written. Throws TImportError for a number field that holds no number.
TImportSummary BuildLessons(const TImportCollection& collection, const TImportOptions& options,
                            const std::function<void(TBuiltLesson&)>& take);

} // namespace korvan
