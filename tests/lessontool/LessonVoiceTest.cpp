// korvan-lesson voice: the header rewrite that leaves every other byte, and the
// recordings the real synthesizer writes beside a lesson.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <sys/resource.h>

#include "TestFiles.h"
#include "ToolRun.h"
#include "lesson/Lesson.h"
#include "lessontool/LessonVoice.h"
#include "util/Text.h"
#include "util/WavFile.h"

namespace korvan {
namespace {

using test::TRun;
using test::TTempDir;

TRun Voice(const std::vector<std::string>& args)
{
    return test::Capture(
        [&](std::ostream& out, std::ostream& err) { return RunVoice(args, out, err); });
}

const std::string Head = "Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=T\r\n";

TEST(LessonVoice, FlagsGoAtTheEndOfTheHeaderAndNothingElseMoves)
{
    struct TCase
    {
        std::string In;
        bool Ru, En;
        std::optional<std::string> Out;
    };
    const TCase cases[] = {
        {Head + "<body>\r\n1\r\n", true, true,
         Head + "HasRuAudio\r\nHasEnAudio\r\n<body>\r\n1\r\n"},
        // Line ends are the file's own; an entry already there stays alone,
        // whatever its value ("HasEnAudio=0" marks audio too).
        {"M\n<header>\nWords\n HasEnAudio=0 \n<body>\n<body>\n", true, true,
         "M\n<header>\nWords\n HasEnAudio=0 \nHasRuAudio\n<body>\n<body>\n"},
        {Head + "HasRuAudio\r\n<body>\r\n", true, false, Head + "HasRuAudio\r\n<body>\r\n"},
        {Head + "<body>\r\n", false, true, Head + "HasEnAudio\r\n<body>\r\n"},
        {"M\r\n<body>\r\n<header>\r\n", true, true, std::nullopt}, // the body before the header
        {Head, true, true, std::nullopt},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(WithAudioFlags(c.In, c.Ru, c.En), c.Out) << c.In;
}

class LessonVoiceRun : public testing::Test
{
protected:
    std::string Lesson(const std::string& body, const std::string& header = "")
    {
        return Dir.Write("a.sl2", ToCp1251(Head + header + "<body>\r\n" + body));
    }
    static TWavParse Wav(const std::string& path) { return ReadWavFile(path); }

    TTempDir Dir;
};

TEST_F(LessonVoiceRun, WritesTheMissingRecordingsAndMarksTheLesson)
{
    const std::string path = Lesson("1\r\n\r\nДоброе утро.\r\nGood morning.\r\n"
                                    "2\r\n\r\nП+оле\r\n\r\n"
                                    "13\r\n\r\nДа.\r\nYes.\r\n");
    const std::string before = test::ReadFileBytes(path);
    const std::string kept = Dir.Write("013R.WAV", "recorded by the teacher");

    TRun run = Voice({path});
    EXPECT_EQ(run.Code, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_NE(run.Out.find("001R.WAV: written, "), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find("question 2: no English text, no 002E.WAV\n"), std::string::npos);
    EXPECT_NE(run.Out.find("013R.WAV: kept, a recording is there\n"), std::string::npos);
    EXPECT_NE(run.Out.find("HasRuAudio set in "), std::string::npos);
    EXPECT_NE(run.Out.find("HasEnAudio set in "), std::string::npos);
    EXPECT_EQ(test::ReadFileBytes(kept), "recorded by the teacher");
    EXPECT_FALSE(std::filesystem::exists(Dir.File("002E.WAV")));

    // 16-bit mono, the sentence between two silences.
    for (const char* name : {"001R.WAV", "001E.WAV", "002R.WAV", "013E.WAV"}) {
        const TWavParse wav = Wav(Dir.File(name));
        ASSERT_TRUE(wav.Ok) << name;
        EXPECT_EQ(wav.Info.Format.Channels, 1);
        EXPECT_EQ(wav.Info.Format.BitsPerSample, 16);
        EXPECT_GT(wav.Info.DurationMs(), 400u + 150u) << name;
        EXPECT_LT(wav.Info.DurationMs(), 3000u) << name;
        const std::string bytes = test::ReadFileBytes(Dir.File(name));
        EXPECT_EQ(bytes.substr(44, 200), std::string(200, '\0')) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 200), std::string(200, '\0')) << name;
    }

    // The lesson is what it was plus the two header lines.
    const std::string after = test::ReadFileBytes(path);
    EXPECT_EQ(after, WithAudioFlags(before, true, true));
    TLesson reread;
    ASSERT_TRUE(reread.LoadFromFile(path));
    EXPECT_TRUE(reread.HasRuAudio && reread.HasEnAudio);
    EXPECT_EQ(reread.QuestionCount(), 3);

    // Again: everything is there, nothing changes.
    run = Voice({path, "--ru"});
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Out.find("written"), std::string::npos) << run.Out;
    EXPECT_EQ(test::ReadFileBytes(path), after);
    // Forced, a recording is replaced.
    run = Voice({path, "--ru", "--force"});
    EXPECT_NE(run.Out.find("013R.WAV: written"), std::string::npos);
    EXPECT_TRUE(Wav(kept).Ok);
}

TEST_F(LessonVoiceRun, OneSideAndItsVoice)
{
    const std::string path = Lesson("1\r\n\r\nДа.\r\nYes.\r\n");
    TRun run = Voice({path, "--en", "--voice", "en-GB-x-rp"});
    EXPECT_EQ(run.Code, 0) << run.Err;
    EXPECT_TRUE(Wav(Dir.File("001E.WAV")).Ok);
    EXPECT_FALSE(std::filesystem::exists(Dir.File("001R.WAV")));
    TLesson reread;
    ASSERT_TRUE(reread.LoadFromFile(path));
    EXPECT_TRUE(reread.HasEnAudio && !reread.HasRuAudio);

    EXPECT_EQ(Voice({path, "--voice", "en-gb"}).Code, 2); // which side's voice?
    run = Voice({path, "--ru", "--voice", "no-such-voice"});
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("no-such-voice"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(Dir.File("001R.WAV")));
}

TEST_F(LessonVoiceRun, ReadOnlyLessonIsRefusedBeforeAnythingIsWritten)
{
    const std::string path = Lesson("1\r\n\r\nДа.\r\nYes.\r\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read);
    const TRun run = Voice({path});
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Err, "korvan-lesson voice: " + path +
                           ": the lesson file is read-only. Nothing was written.\n");
    EXPECT_FALSE(std::filesystem::exists(Dir.File("001R.WAV")));
}

// A write cut off part-way (here by the file size limit, which holds even for
// root) leaves the old lesson whole and no temporary file beside it.
TEST_F(LessonVoiceRun, InterruptedRewriteLeavesTheOldLesson)
{
    const std::string path = Lesson("1\r\n" + std::string(20000, 'x') + "\r\nДа.\r\n\r\n");
    Dir.Write("001R.WAV", "recorded");
    const std::string before = test::ReadFileBytes(path);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 8192;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const TRun run = Voice({path, "--ru"});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Err.find("Cannot write " + path), std::string::npos) << run.Err;
    EXPECT_EQ(test::ReadFileBytes(path), before);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(Dir.Path()))
        ++files;
    EXPECT_EQ(files, 2); // the lesson and its recording
}

} // namespace
} // namespace korvan
