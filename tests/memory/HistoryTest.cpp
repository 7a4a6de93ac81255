// The history's times and days, its lines read and written, and the files of
// several machines merged.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "TestFiles.h"
#include "memory/History.h"
#include "memory/HistoryFormat.h"
#include "memory/HistoryPlaces.h"
#include "memory/HistoryWriter.h"
#include "memory/MemoryModel.h"
#include "util/Errors.h"

namespace korvan {
namespace {

using test::ReadFileBytes;
using test::TTempDir;

struct TDayCase
{
    const char* Name;
    const char* Time;
    int DayStartsAt;
    const char* Day; // the pupil day
};

class PupilDays : public testing::TestWithParam<TDayCase>
{
};

TEST_P(PupilDays, FromTheRecordsOwnLocalTime)
{
    const auto time = ParseRfc3339(GetParam().Time);
    ASSERT_TRUE(time);
    EXPECT_EQ(FormatDay(PupilDay(*time, GetParam().DayStartsAt)), GetParam().Day);
    // Written back as it was read (the seconds form).
    if (std::string_view(GetParam().Time).size() == 25) {
        EXPECT_EQ(FormatRfc3339(*time), GetParam().Time);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Times, PupilDays,
    testing::Values(TDayCase{"MoscowEvening", "2026-12-09T19:53:07+03:00", 4, "2026-12-09"},
                    TDayCase{"BeforeFourBelongsToYesterday", "2026-12-10T03:59:59+03:00", 4,
                             "2026-12-09"},
                    TDayCase{"AtFourANewDay", "2026-12-10T04:00:00+03:00", 4, "2026-12-10"},
                    TDayCase{"MidnightStart", "2026-12-10T00:00:00+03:00", 0, "2026-12-10"},
                    // The same instant lived in New York is the evening before.
                    TDayCase{"SameInstantWestOfUtc", "2026-12-09T21:00:00-05:00", 4, "2026-12-09"},
                    TDayCase{"UtcWithZ", "2026-12-10T05:00:00Z", 4, "2026-12-10"},
                    TDayCase{"FractionDropped", "2026-12-10T05:00:00.987+01:00", 4, "2026-12-10"},
                    // Both sides of a clock change count by their own offsets.
                    TDayCase{"BeforeSpringForward", "2026-03-29T01:30:00+01:00", 4, "2026-03-28"},
                    TDayCase{"AfterSpringForward", "2026-03-29T04:30:00+02:00", 4, "2026-03-29"},
                    TDayCase{"AutumnRepeatedHour", "2026-10-25T02:30:00+01:00", 4, "2026-10-24"},
                    TDayCase{"LeapDay", "2028-02-29T12:00:00+00:00", 23, "2028-02-28"},
                    TDayCase{"HalfHourZone", "2026-12-09T04:15:00+05:30", 4, "2026-12-09"}),
    [](const testing::TestParamInfo<TDayCase>& info) { return info.param.Name; });

TEST(ZonedTime, TextsThatAreNoTime)
{
    for (const char* text :
         {"", "2026-12-09", "2026-12-09T19:53:07", "2026-13-09T19:53:07Z", "2026-02-29T10:00:00Z",
          "2026-12-09T24:00:00Z", "2026-12-09T19:53:07+3:00", "2026-12-09T19:53:07+03:00x",
          "2026-12-09T19:53:07.Z", "x026-12-09T19:53:07Z"})
        EXPECT_FALSE(ParseRfc3339(text)) << text;
}

std::string Card(const char* key, const char* ru = "Доброе утро.", const char* en = "Good morning.")
{
    TCardRecord card;
    card.Card = key;
    card.Ru = ru;
    card.En = en;
    card.Lesson = "/home/pupil/lessons/a.sl2";
    card.Number = 3;
    return FormatCardRecord(card) + "\n";
}

std::string Review(const char* id, const char* key, const char* time, int grade)
{
    TReviewRecord review;
    review.Id = id;
    review.Card = key;
    review.Pupil = "Аня";
    review.Time = *ParseRfc3339(time);
    review.Grade = grade;
    review.Verdict = grade == 3 ? TVerdictKind::Right : TVerdictKind::Wrong;
    review.AnswerMs = 2500;
    review.NormMs = 6000;
    return FormatReviewRecord(review) + "\n";
}

TEST(HistoryFormat, RecordsAsTheFormatDescribes)
{
    EXPECT_EQ(Review("a-1", "ru-en:00ff", "2026-12-09T19:53:07+03:00", 3),
              R"({"type":"review","id":"a-1","card":"ru-en:00ff","pupil":"Аня",)"
              R"("time":"2026-12-09T19:53:07+03:00","grade":3,"verdict":"right",)"
              R"("answer_ms":2500,"norm_ms":6000})"
              "\n");
    TCardRecord card;
    card.Card = "k";
    card.Direction = TCardDirection::EnRu;
    card.Ru = "Он сказал: \"да\"";
    card.En = "He said \"yes\"";
    card.Lesson = std::string("/tmp/\xFF.sl2"); // not UTF-8: written as U+FFFD
    card.Number = 12;
    EXPECT_EQ(FormatCardRecord(card),
              R"({"type":"card","card":"k","direction":"en-ru","ru":"Он сказал: \"да\"",)"
              R"("en":"He said \"yes\"","lesson":"/tmp/�.sl2","number":12})");
}

TEST(CardKeys, DirectionAndTextsAloneMakeTheKey)
{
    const std::string key = CardKey(TCardDirection::RuEn, "Доброе утро.", "Good morning.");
    EXPECT_EQ(key.substr(0, 6), "ru-en:");
    EXPECT_EQ(key.size(), 6u + 16u);
    EXPECT_EQ(CardKey(TCardDirection::RuEn, "  Доброе \t утро.\r\n", "Good  morning. "), key);
    EXPECT_NE(CardKey(TCardDirection::EnRu, "Доброе утро.", "Good morning."), key);
    EXPECT_NE(CardKey(TCardDirection::RuEn, "Доброе утро", "Good morning."), key);
    // The line feed between the texts keeps the parts apart.
    EXPECT_NE(CardKey(TCardDirection::RuEn, "a b", "c"), CardKey(TCardDirection::RuEn, "a", "b c"));
}

TEST(HistoryRead, LinesOfEveryKind)
{
    THistory h;
    h.ReadText(
        Card("k1") +
        // Fields and types we do not know pass by, nested ones too.
        R"({"type":"review","id":"x","card":"k1","time":"2026-12-01T10:00:00+03:00","grade":3,"extra":{"a":[1,{"b":2}]},"device":"phone"})"
        "\n"
        R"({"type":"tag","card":"k1","tag":"verbs"})"
        "\n\n   \n"
        // Unreadable: not JSON, not an object, a grade out of range,
        // no id, a broken time, a card record without a direction.
        "garbage\n[1,2]\n" +
        R"({"type":"review","id":"y","card":"k1","time":"2026-12-02T10:00:00+03:00","grade":5})"
        "\n"
        R"({"type":"review","card":"k1","time":"2026-12-02T10:00:00+03:00","grade":3})"
        "\n"
        R"({"type":"review","id":"z","card":"k1","time":"yesterday","grade":3})"
        "\n"
        R"({"type":"card","card":"k2","ru":"a","en":"b"})"
        "\n"
        // A grade written 2.0 is 2; a torn last line is unreadable.
        R"({"type":"review","id":"w","card":"k1","time":"2026-12-03T10:00:00+03:00","grade":2.0})"
        "\n"
        R"({"type":"review","id":"v","card":"k1","ti)");
    EXPECT_EQ(h.UnreadableLines, 7);
    ASSERT_EQ(h.Reviews.size(), 2u);
    EXPECT_EQ(h.Id(h.Reviews[0]), "x");
    EXPECT_EQ(h.Reviews[1].Grade, 2);
    ASSERT_EQ(h.Cards.size(), 1u);
    EXPECT_TRUE(h.Cards[0].Described);
    EXPECT_EQ(h.Cards[0].Ru, "Доброе утро.");
    EXPECT_EQ(h.Cards[0].Number, 3);
}

TEST(HistoryRead, SeveralMachinesAndConflictCopiesMergeByUnion)
{
    TTempDir dir;
    const std::string school = Card("k") + Review("s-1", "k", "2026-12-01T10:00:00+03:00", 3) +
                               Review("s-2", "k", "2026-12-05T10:00:00+03:00", 1);
    // Home drilled in between; its lines came out of order.
    const std::string home = Review("h-2", "k", "2026-12-09T18:00:00+03:00", 3) + Card("k") +
                             Review("h-1", "k", "2026-12-03T18:00:00+03:00", 3);
    dir.Write("school-pupil.jsonl", school);
    dir.Write("home-pupil.jsonl", home);
    // A sync tool's copy of a conflict repeats what the school file holds.
    dir.Write("school-pupil.sync-conflict-20261205-101010.jsonl", school);
    dir.Write("notes.txt", "not history");

    THistory merged;
    merged.ReadFolder(dir.Path());
    EXPECT_EQ(merged.Files.size(), 3u);
    const TMemoryModel model;
    const auto cards = model.Replay(merged);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(merged.Reviews.size(), 4u); // the copies counted once

    // The same as the four reviews in one file, in order.
    THistory one;
    one.ReadText(Card("k") + Review("s-1", "k", "2026-12-01T10:00:00+03:00", 3) +
                 Review("h-1", "k", "2026-12-03T18:00:00+03:00", 3) +
                 Review("s-2", "k", "2026-12-05T10:00:00+03:00", 1) +
                 Review("h-2", "k", "2026-12-09T18:00:00+03:00", 3));
    const auto expected = model.Replay(one);
    EXPECT_EQ(cards[0].Reviews, 4);
    EXPECT_EQ(cards[0].Lapses, 1);
    EXPECT_EQ(cards[0].State.Stability, expected[0].State.Stability);
    EXPECT_EQ(cards[0].State.Difficulty, expected[0].State.Difficulty);
    EXPECT_EQ(cards[0].DueDay, expected[0].DueDay);

    // Read in two parts and merged, as two threads read a long history: the same.
    THistory first, second;
    first.ReadFile(dir.File("home-pupil.jsonl"));
    second.ReadFile(dir.File("school-pupil.jsonl"));
    second.ReadFile(dir.File("school-pupil.sync-conflict-20261205-101010.jsonl"));
    first.Merge(std::move(second));
    const auto parts = model.Replay(first);
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(first.Reviews.size(), 4u);
    EXPECT_EQ(first.Files, merged.Files);
    EXPECT_EQ(parts[0].State.Stability, cards[0].State.Stability);
    EXPECT_EQ(parts[0].DueDay, cards[0].DueDay);

    THistory missing;
    missing.ReadFolder(dir.File("nobody"));
    EXPECT_TRUE(missing.Reviews.empty());
}

TEST(HistoryWrite, WholeLinesAfterATornOneAndEachCardDescribedOncePerFile)
{
    TTempDir dir;
    const std::string folder = PupilHistoryFolder(dir.File("history"), "Аня/..");
    EXPECT_EQ(folder, dir.File("history") + "/Аня_../");
    TCardRecord card;
    card.Card = "k";
    TReviewRecord review;
    review.Card = "k";
    review.Time = *ParseRfc3339("2026-12-09T19:53:07+03:00");
    {
        THistoryWriter writer(folder, "host-user.jsonl", true);
        review.Id = "1";
        writer.Append(card, review);
        review.Id = "2";
        writer.Append(card, review);
        writer.Sync();
    }
    // A killed program left half a line.
    const std::string path = folder + "host-user.jsonl";
    const std::string before = ReadFileBytes(path);
    dir.Write("history/Аня_../host-user.jsonl", before + R"({"type":"review","id":"3)");
    {
        THistoryWriter writer(folder, "host-user.jsonl", true);
        review.Id = "4";
        writer.Append(card, review); // the card is known: no second record
    }
    THistory h;
    h.ReadFolder(folder);
    EXPECT_EQ(h.UnreadableLines, 1);
    EXPECT_EQ(h.Reviews.size(), 3u);
    const std::string after = ReadFileBytes(path);
    EXPECT_EQ(after.find(R"("type":"card")"), after.rfind(R"("type":"card")"));
    EXPECT_EQ(after.back(), '\n');

    struct stat st
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(dir.File("history").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(HistoryPlaces, ARenamedPupilTakesTheHistoryAlong)
{
    TTempDir dir;
    const std::string root = dir.File("history/");
    std::filesystem::create_directories(root + "Аня");
    dir.Write("history/Аня/home-u.jsonl", "a\n");
    CarryPupilHistory(root, "Аня", "Анна");
    EXPECT_FALSE(std::filesystem::exists(root + "Аня"));
    EXPECT_EQ(ReadFileBytes(root + "Анна/home-u.jsonl"), "a\n");

    // Into a name that has a history already: the files join it.
    std::filesystem::create_directories(root + "Боря");
    dir.Write("history/Боря/home-u.jsonl", "b\n");
    CarryPupilHistory(root, "Боря", "Анна");
    EXPECT_EQ(ReadFileBytes(root + "Анна/home-u.jsonl"), "a\n");
    EXPECT_EQ(ReadFileBytes(root + "Анна/home-u-2.jsonl"), "b\n");
    EXPECT_FALSE(std::filesystem::exists(root + "Боря"));

    CarryPupilHistory(root, "Никто", "Анна"); // no history: nothing to do
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root + "Анна"),
                            std::filesystem::directory_iterator()),
              2);
}

TEST(HistoryWrite, AFolderThatCannotBeMadeFailsWithItsReason)
{
    TTempDir dir;
    dir.Write("file", "x");
    THistoryWriter writer(dir.File("file/pupil/"), "a.jsonl", false);
    EXPECT_THROW(writer.Append({}, {}), TIoError);
}

} // namespace
} // namespace korvan
