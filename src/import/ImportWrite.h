#pragma once

// Writing imported lessons and their recordings as one: every file goes to a
// temporary file beside its target, and only when all of them are complete
// are they renamed into place. An error or a refusal before that removes the
// temporaries and leaves every existing file as it was.

#include <string>
#include <vector>

#include "import/ImportBuild.h"

namespace korvan {

class TFileBatch
{
public:
    TFileBatch() = default;
    ~TFileBatch(); // removes what was staged and not committed
    TFileBatch(const TFileBatch&) = delete;
    TFileBatch& operator=(const TFileBatch&) = delete;

    // A new temporary file beside `target` to write; renamed over it at Commit.
    // Throws TIoError when it cannot be created.
    std::string Stage(const std::string& target);
    void StageText(const std::string& target, std::string_view content);
    // Gives up the file last staged (its temporary is removed).
    void DropLast();
    // Renames every staged file over its target. Throws TIoError.
    void Commit();
    const std::vector<std::string>& Targets() const { return TargetPaths; }

private:
    std::vector<std::string> Temps;
    std::vector<std::string> TargetPaths;
};

// The path of part `part` (1-based; 0 for a lesson alone) of `lessonPath`:
// "a/b.sl2" gives "a/b-001.sl2" for part 1.
std::string LessonPartPath(const std::string& lessonPath, std::size_t part);

// Where an import is saved in the user's lessons folder `folder` (ending in
// "/"): a lesson named after the title ("/" and control characters taken out;
// "Импорт" when nothing is left), in a folder of its own when it brings
// recordings (they are named by number and would meet another lesson's). A
// name already taken gets " 2", " 3", ...
std::string ImportedLessonPath(const std::string& folder, const std::string& title,
                               bool withRecordings);

// Stages each lesson BuildLessons hands over at LessonPartPath, its media
// beside it.
class TLessonWriter
{
public:
    TLessonWriter(std::string lessonPath, IImportMedia* media);
    void operator()(TBuiltLesson& lesson);
    void Commit() { Batch.Commit(); }
    const std::vector<std::string>& LessonPaths() const { return Lessons; }
    std::size_t MissingMedia() const { return Missing; } // names the source lacked

private:
    std::string LessonPath;
    IImportMedia* Media;
    TFileBatch Batch;
    std::vector<std::string> Lessons;
    std::size_t Missing = 0;
};

} // namespace korvan
