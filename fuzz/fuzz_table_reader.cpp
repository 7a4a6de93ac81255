// Any bytes may be handed to the table reader. It either refuses them with an
// import error or gives records of the heading's width; whatever the builder
// then makes of them (replacing what 1251 cannot hold) is a lesson the lesson
// reader reads back question for question.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzCheck.h"
#include "FuzzTempFile.h"
#include "import/ImportBuild.h"
#include "import/TableReader.h"

using korvan::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const korvan::fuzz::TScratchFile output("table.sl2");
    korvan::TImportCollection table;
    try {
        table = korvan::ReadTable(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const korvan::TImportError&) {
        return 0;
    }
    Check(table.FieldSets.size() == 1, "one field set");
    for (const korvan::TImportRecord& r : table.Records)
        Check(r.Cells.size() == table.FieldSets[0].Fields.size(), "cells as wide as the table");

    korvan::TImportOptions options = korvan::ProposeOptions(table);
    options.Unfit = korvan::TUnfitChoice::Replace;
    options.KeepNumbers = size % 2 == 0;
    try {
        korvan::BuildLessons(table, options, [&](korvan::TBuiltLesson& built) {
            built.Lesson.WriteToFile(output.Path, korvan::TSelection::RestOrWithMistakes, 0);
            korvan::TLesson copy;
            Check(copy.LoadFromFile(output.Path), "magic line");
            Check(copy.QuestionCount() == built.Lesson.QuestionCount(), "question count");
            for (int i = 0; i < copy.QuestionCount(); ++i)
                Check(copy.Questions[i].RText == built.Lesson.Questions[i].RText &&
                          copy.Questions[i].Comment == built.Lesson.Questions[i].Comment &&
                          copy.Questions[i].Number == built.Lesson.Questions[i].Number,
                      "question");
        });
    } catch (const korvan::TImportError&) {
    }
    return 0;
}
