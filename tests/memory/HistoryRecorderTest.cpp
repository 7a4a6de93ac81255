// The drill's verdicts as they reach the pupil's history file.

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "memory/History.h"
#include "memory/HistoryRecorder.h"
#include "util/Text.h"

namespace korvan {
namespace {

TEST(HistoryRecorder, GradesOfRightWrongAndLateAndOneCardRecordAFile)
{
    test::TTempDir dir;
    std::vector<std::string> failures;
    THistoryRecorder recorder([] { return *ParseRfc3339("2026-12-09T19:53:07+03:00"); },
                              [&](const std::string& f) { failures.push_back(f); });
    recorder.VerdictGiven({TQuestion{}, "", 1, true, TVerdict::Right, 0, 0}); // no pupil yet
    const std::string folder = dir.File("history/Аня/");
    recorder.SetPupil(ToCp1251("Аня"), folder, true);

    TQuestion q;
    q.RText = ToCp1251("  Доброе   утро. ");
    q.EText = "Good morning.";
    const std::string lesson = dir.File("a.sl2");
    recorder.VerdictGiven({q, lesson, 7, true, TVerdict::Right, 2500, 6000});
    recorder.VerdictGiven({q, lesson, 7, true, TVerdict::Wrong, 800, 6000});
    recorder.VerdictGiven({q, lesson, 7, true, TVerdict::Late, 6000, 6000});
    recorder.VerdictGiven({q, lesson, 7, false, TVerdict::Right, 100, 6000}); // other direction
    recorder.RunEnded();
    EXPECT_TRUE(failures.empty());

    const std::string text = test::ReadFileBytes(folder + OwnHistoryFileName());
    for (const char* part :
         {R"("grade":3,"verdict":"right","answer_ms":2500,"norm_ms":6000})",
          R"("grade":1,"verdict":"wrong","answer_ms":800)", R"("grade":1,"verdict":"late")",
          R"("pupil":"Аня","time":"2026-12-09T19:53:07+03:00")",
          R"("ru":"Доброе утро.","en":"Good morning.")"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    THistory history;
    history.ReadFolder(folder);
    EXPECT_EQ(history.UnreadableLines, 0);
    ASSERT_EQ(history.Cards.size(), 2u); // one a direction, each described once
    EXPECT_EQ(history.Reviews.size(), 4u);
    EXPECT_EQ(history.Cards[0].Lesson, lesson);
    EXPECT_EQ(history.Cards[0].Number, 7);
    EXPECT_NE(history.Id(history.Reviews[0]), history.Id(history.Reviews[1]));

    // A folder that cannot be made is reported once; the drill goes on.
    dir.Write("file", "x");
    recorder.SetPupil("B", dir.File("file/B/"), true);
    recorder.VerdictGiven({q, lesson, 7, true, TVerdict::Right, 1, 1});
    recorder.VerdictGiven({q, lesson, 7, true, TVerdict::Right, 1, 1});
    recorder.RunEnded();
    EXPECT_EQ(failures.size(), 1u);
}

} // namespace
} // namespace korvan
