#include <gtest/gtest.h>

#include "TestFiles.h"
#include "memory/HistoryFormat.h"
#include "memory/ReviewLesson.h"
#include "util/Text.h"

namespace korvan {
namespace {

TEST(ReviewLesson, RecordingsOnlyWhereTheLessonStillHoldsTheCard)
{
    test::TTempDir dir;
    const std::string lesson = dir.Write(
        "a.sl2", ToCp1251("Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=A\r\n"
                          "<body>\r\n7\r\nутро\r\nДоброе  утро.\r\nGood morning.\r\n"
                          "8\r\n\r\nНовый текст.\r\nNew text.\r\n"));
    struct TCase
    {
        const char* Key;
        TCardDirection Direction;
        const char* Ru;
        std::string Lesson;
        int Number;
    };
    const TCase cases[] = {
        {"held", TCardDirection::EnRu, "Доброе утро.", lesson, 7},
        {"renumbered", TCardDirection::RuEn, "Доброе утро.", lesson, 8},
        {"gone", TCardDirection::RuEn, "Доброе утро.", dir.File("moved.sl2"), 7},
        {"no-lesson", TCardDirection::RuEn, "Ёлка — €", "", 0},
    };
    std::string text;
    for (const TCase& c : cases) {
        TCardRecord card;
        card.Card = c.Key;
        card.Direction = c.Direction;
        card.Ru = c.Ru;
        card.En = "Good morning.";
        card.Comment = "утро";
        card.Lesson = c.Lesson;
        card.Number = c.Number;
        TReviewRecord review;
        review.Id = c.Key;
        review.Card = c.Key;
        review.Time = *ParseRfc3339("2026-12-01T10:00:00+03:00");
        text += FormatCardRecord(card) + "\n" + FormatReviewRecord(review) + "\n";
    }
    THistory history;
    history.ReadText(text);
    const TMemoryModel model;
    const auto cards = model.Replay(history);
    const TLesson review = GatherReview(history, cards, {0, 1, 2, 3});

    ASSERT_EQ(review.Questions.size(), 4u);
    ASSERT_EQ(review.Origins.size(), 4u);
    EXPECT_TRUE(review.Origins[0].OwnRecordings);
    EXPECT_FALSE(review.Origins[0].AskRussian);
    EXPECT_EQ(review.Origins[0].Number, 7);
    EXPECT_FALSE(review.Origins[1].OwnRecordings);
    EXPECT_TRUE(review.Origins[1].AskRussian);
    EXPECT_FALSE(review.Origins[2].OwnRecordings);
    EXPECT_FALSE(review.Origins[3].OwnRecordings);
    EXPECT_EQ(review.Questions[0].RText, ToCp1251("Доброе утро."));
    EXPECT_EQ(review.Questions[0].Comment, ToCp1251("утро"));
    EXPECT_EQ(review.Questions[3].Number, 4);
    // A character 1251 lacks is replaced; the euro sign is one of 1251's.
    EXPECT_EQ(review.Questions[3].RText, ToCp1251("Ёлка — €"));
    EXPECT_EQ(review.Title, ToCp1251("Повторение на сегодня"));
}

} // namespace
} // namespace korvan
