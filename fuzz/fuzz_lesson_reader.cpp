// Any bytes may be handed to the lesson reader. What it reads, written back and
// read again, must give the same lesson: the writer trims nothing away that the
// reader kept, and no text read can hold a line break or a Ctrl-Z.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzCheck.h"
#include "FuzzTempFile.h"
#include "lesson/Lesson.h"

using korvan::fuzz::Check;

namespace {

bool SameQuestion(const korvan::TQuestion& a, const korvan::TQuestion& b)
{
    return a.Number == b.Number && a.Comment == b.Comment && a.RText == b.RText &&
           a.EText == b.EText;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const korvan::fuzz::TScratchFile input("in.sl2");
    static const korvan::fuzz::TScratchFile output("out.sl2");

    korvan::TLesson lesson;
    korvan::TLessonReadNotes notes;
    const bool isLesson = lesson.LoadFromFile(input.Write(data, size), &notes);
    Check(lesson.Loaded == (lesson.QuestionCount() > 0), "Loaded");
    Check(notes.QuestionLines.size() == lesson.Questions.size(), "one number line per question");
    if (!isLesson) {
        Check(lesson.Questions.empty() && lesson.Title.empty(), "a non-lesson stays empty");
        return 0;
    }

    lesson.SaveRestOrWithMistakes(output.Path);
    korvan::TLesson copy;
    korvan::TLessonReadNotes copyNotes;
    Check(copy.LoadFromFile(output.Path, &copyNotes), "magic line");
    Check(copyNotes.DroppedNumberLines.empty() && !copyNotes.StoppedAtCtrlZ, "clean file");
    Check(copy.Title == lesson.Title, "Title");
    Check(copy.Words == lesson.Words && copy.HasRuAudio == lesson.HasRuAudio &&
              copy.HasEnAudio == lesson.HasEnAudio,
          "flags");
    Check(copy.Questions.size() == lesson.Questions.size(), "question count");
    for (std::size_t i = 0; i < lesson.Questions.size(); ++i)
        Check(SameQuestion(copy.Questions[i], lesson.Questions[i]), "question");
    return 0;
}
