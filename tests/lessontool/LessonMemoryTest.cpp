#include <gtest/gtest.h>

#include <rapidjson/document.h>

#include "TestFiles.h"
#include "lessontool/LessonMemory.h"
#include "lessontool/ToolRun.h"
#include "memory/HistoryFormat.h"

namespace korvan {
namespace {

test::TRun Memory(const std::vector<std::string>& args)
{
    return test::Capture(
        [&](std::ostream& out, std::ostream& err) { return RunMemory(args, out, err); });
}

TEST(LessonToolMemory, EachCardAndTheCountDueAtAGivenTime)
{
    test::TTempDir dir;
    TCardRecord card;
    card.Card = CardKey(TCardDirection::EnRu, "Доброе утро.", "Good morning.");
    card.Direction = TCardDirection::EnRu;
    card.Ru = "Доброе утро.";
    card.En = "Good morning.";
    TReviewRecord review;
    review.Card = card.Card;
    review.Id = "1";
    review.Time = *ParseRfc3339("2026-12-09T19:53:07+03:00");
    std::string lines = FormatCardRecord(card) + "\n" + FormatReviewRecord(review) + "\n";
    review.Id = "2";
    review.Card = "ru-en:elsewhere"; // reviewed by another tool, never described
    review.Grade = 1;
    lines += FormatReviewRecord(review) + "\n" + "torn {\n";
    dir.Write("a.jsonl", lines);

    // A new card graded Good is due in 3 days and one graded Again tomorrow.
    for (const auto& [at, due] :
         {std::pair{"2026-12-10T12:00:00+03:00", 1}, std::pair{"2026-12-13T05:00:00+03:00", 2}}) {
        const test::TRun run = Memory({dir.Path(), "--at", at, "--json"});
        ASSERT_EQ(run.Code, 0) << run.Err;
        rapidjson::Document json;
        json.Parse(run.Out.c_str());
        ASSERT_FALSE(json.HasParseError()) << run.Out;
        EXPECT_EQ(json["due"].GetInt(), due) << at;
        EXPECT_EQ(json["unreadable"].GetInt(), 1);
        EXPECT_STREQ(json["at"].GetString(), at);
        const auto& cards = json["cards"];
        ASSERT_EQ(cards.Size(), 2u);
        const auto& first = cards[0];
        EXPECT_EQ(first["card"].GetString(), card.Card);
        EXPECT_STREQ(first["direction"].GetString(), "en-ru");
        EXPECT_STREQ(first["ru"].GetString(), "Доброе утро.");
        EXPECT_EQ(first["reviews"].GetInt(), 1);
        EXPECT_EQ(first["lapses"].GetInt(), 0);
        EXPECT_EQ(first["interval_days"].GetInt(), 3);
        // Three days, which the fuzz may stretch to four.
        const std::string dueDay = first["due"].GetString();
        EXPECT_TRUE(dueDay == "2026-12-12" || dueDay == "2026-12-13") << dueDay;
        EXPECT_STREQ(first["last_review"].GetString(), "2026-12-09T19:53:07+03:00");
        EXPECT_GT(first["stability"].GetDouble(), 0);
        EXPECT_TRUE(cards[1]["ru"].IsNull());
        EXPECT_EQ(cards[1]["interval_days"].GetInt(), 1);
    }

    const test::TRun table = Memory({dir.File("a.jsonl"), "--at", "2026-12-13T05:00:00+03:00"});
    EXPECT_EQ(table.Code, 0);
    EXPECT_NE(table.Out.find("Due by 2026-12-13: 2\n"), std::string::npos) << table.Out;
    EXPECT_NE(table.Out.find("Unreadable lines: 1\n"), std::string::npos);
}

TEST(LessonToolMemory, ExitCodes)
{
    test::TTempDir dir;
    EXPECT_EQ(Memory({dir.File("missing")}).Code, 1);
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {dir.Path(), "--at"},
                                               {dir.Path(), "--at", "tomorrow"},
                                               {dir.Path(), "--retention", "0.5"},
                                               {dir.Path(), "--day-starts-at", "24"},
                                               {dir.Path(), "--bogus"}})
        EXPECT_EQ(Memory(args).Code, 2) << testing::PrintToString(args);
    EXPECT_EQ(Memory({dir.Path()}).Code, 0);
}

} // namespace
} // namespace korvan
