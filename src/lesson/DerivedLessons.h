#pragma once

// Derived lessons: the questions of a run that are unfinished or had mistakes,
// saved as a new lesson file beside the source lesson under a proposed name.
//
// Encodings. A proposed name is a file-system name (UTF-8): the lesson's own
// file name as the file system stores it, our UTF-8 literals, and the pupil's
// 1251 name converted to UTF-8. A title handed to the save dialog is a marked
// source text (context "DerivedLessons"), translated where shown.

#include <optional>
#include <string>
#include <string_view>

#include "lesson/Lesson.h"

namespace korvan {

// `text` (UTF-8) with the letters of both alphabets upper-cased: ASCII a-z and
// the Cyrillic letters of U+0430..U+045F (а-я, ё and the other letters of the
// 1251 code page) and ґ. Every other byte, including those of invalid UTF-8,
// stays as it is, so the result has the same length in bytes as `text` and a
// prefix of the result is the upper-cased prefix of `text`.
std::string UpperCaseRuEn(std::string_view text);

// The two texts are equal once both are upper-cased by UpperCaseRuEn.
bool SameIgnoringCaseRuEn(std::string_view a, std::string_view b);

// The file name part of a path (after the last "/").
std::string FileNameOf(const std::string& path);

// The name proposed by the manual save (without folder) for the lesson file
// `lessonPath` and the pupil `pupil1251`: a lesson named "Остановился в ..."
// keeps its name; one named "Ошибки в ..." gets "Остановился в " in front;
// any other becomes "Остановился в <name without extension> (<pupil>).sl2".
std::string RestFileName(const std::string& lessonPath, const std::string& pupil1251);

// The name proposed by the automatic offer: "Остановился в " is replaced by
// "Ошибки в "; a lesson named "Ошибки в ..." keeps its name; any other becomes
// "Ошибки в <name without extension> (<pupil>).sl2".
std::string MistakesFileName(const std::string& lessonPath, const std::string& pupil1251);

// The path as chosen, with ".sl2" appended unless its extension already is
// ".sl2" in any letter case (extra.txt becomes extra.txt.sl2).
std::string WithLessonExtension(const std::string& path);

// The number of questions whose MistakeCount is at least `diffNum`.
int CountWithMistakes(const TLesson& lesson, int diffNum);

// The save dialog SaveLessonDialog as the save procedures need it.
class ISaveLessonDialog
{
public:
    virtual ~ISaveLessonDialog() = default;
    // Shows the save dialog starting in the folder of `proposedPath` with that
    // file name; `title` empty means the standard title. The dialog itself
    // asks before the chosen name is overwritten. Returns the chosen path, or
    // nothing when the user cancelled.
    virtual std::optional<std::string> Execute(const std::string& proposedPath,
                                               const std::string& title) = 0;
    // ".sl2" was appended after the dialog and a file of that name exists:
    // true to replace it.
    virtual bool ConfirmReplace(const std::string& path) = 0;
};

// Writes the selection to `path` as a new lesson. An existing file that the
// user may not write (a read-only file) is refused as a failed write would be,
// although the replacing rename could remove it. Throws TIoError with the
// failure's text; any existing file stays as it was and the lesson in memory
// is not touched.
void WriteDerivedLesson(const TLesson& lesson, const std::string& path, TSelection selection,
                        int threshold);

// The manual save (ALessonSave_WhatRestOrWithMistakes): nothing without a
// loaded lesson; else proposes RestFileName beside the lesson (among the
// user's lessons when that folder is not to be written, ProposedWriteFolder)
// and writes the unfinished questions and those with mistakes to the chosen
// file. Returns the path written, nothing when nothing was written. Throws
// TIoError.
std::optional<std::string> SaveRestOrWithMistakesAs(const TLesson& lesson,
                                                    const std::string& pupil1251,
                                                    ISaveLessonDialog& dialog);

// The save of the end-of-run offer: with at least one question with `diffNum`
// mistakes or more, proposes MistakesFileName beside the lesson (or, as above,
// among the user's lessons) and writes those questions to the chosen file.
// Returns the path written, nothing when nothing was written. Throws TIoError.
// Whether the offer is made at all is the drill's (drill/MistakesOffer.h).
std::optional<std::string> SaveWithMistakesAs(const TLesson& lesson, int diffNum,
                                              const std::string& pupil1251,
                                              ISaveLessonDialog& dialog);

} // namespace korvan
