#include "lesson/DerivedLessons.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "i18n/Marked.h"
#include "lesson/LessonSounds.h"
#include "util/Errors.h"
#include "util/Paths.h"
#include "util/Text.h"

namespace korvan {

namespace {

// The prefix tests compare with these (UTF-8, already upper-case).
constexpr std::string_view ManualTest = "ОСТАНОВИЛСЯ В ";
constexpr std::string_view AutomaticTest = "ОШИБКИ В ";
// The prefixes written.
constexpr std::string_view ManualPrefix = "Остановился в ";
constexpr std::string_view AutomaticPrefix = "Ошибки в ";
constexpr std::string_view LessonExtension = ".sl2";

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The upper-case partner of a Cyrillic code point, or the code point itself.
char32_t UpperCyrillic(char32_t c)
{
    if (c >= 0x0430 && c <= 0x044F) // а..я
        return c - 0x20;
    if (c >= 0x0450 && c <= 0x045F) // ѐ..џ, ё among them
        return c - 0x50;
    if (c == 0x0491) // ґ
        return 0x0490;
    return c;
}

// The name without the text from its last point on.
std::string_view WithoutExtension(std::string_view name)
{
    const std::size_t point = name.rfind('.');
    return point == std::string_view::npos ? name : name.substr(0, point);
}

// The pupil's name as part of a file name: in UTF-8, and with the characters
// that cannot stand in one file name ("/" would make it a folder, NUL would
// cut the path short) replaced, so the save lands beside the lesson.
std::string PupilPart(const std::string& pupil1251)
{
    std::string name = Cp1251ToUtf8(pupil1251);
    for (char& c : name)
        if (c == '/' || c == '\0')
            c = '_';
    return name;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool FileExists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

} // namespace

std::string UpperCaseRuEn(std::string_view text)
{
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        const auto c = static_cast<unsigned char>(result[i]);
        if (c >= 'a' && c <= 'z') {
            result[i] = static_cast<char>(c - 'a' + 'A');
            continue;
        }
        // Every letter concerned is a two-byte sequence D0..D2 xx.
        if (c < 0xD0 || c > 0xD2 || i + 1 >= result.size() ||
            !IsContinuation(static_cast<unsigned char>(result[i + 1])))
            continue;
        const auto next = static_cast<unsigned char>(result[i + 1]);
        const char32_t upper =
            UpperCyrillic(static_cast<char32_t>((c & 0x1F) << 6 | (next & 0x3F)));
        result[i] = static_cast<char>(0xC0 | (upper >> 6));
        result[i + 1] = static_cast<char>(0x80 | (upper & 0x3F));
        ++i;
    }
    return result;
}

bool SameIgnoringCaseRuEn(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && UpperCaseRuEn(a) == UpperCaseRuEn(b);
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RestFileName(const std::string& lessonPath, const std::string& pupil1251)
{
    const std::string name = FileNameOf(lessonPath);
    const std::string upper = UpperCaseRuEn(name);
    if (StartsWith(upper, ManualTest))
        return name;
    if (StartsWith(upper, AutomaticTest))
        return std::string(ManualPrefix) + name;
    return std::string(ManualPrefix) + std::string(WithoutExtension(name)) + " (" +
           PupilPart(pupil1251) + ")" + std::string(LessonExtension);
}

std::string MistakesFileName(const std::string& lessonPath, const std::string& pupil1251)
{
    const std::string name = FileNameOf(lessonPath);
    const std::string upper = UpperCaseRuEn(name);
    // Upper-casing keeps every byte length, so the prefix's bytes in `name`
    // are as many as in the test literal.
    if (StartsWith(upper, ManualTest))
        return std::string(AutomaticPrefix) + name.substr(ManualTest.size());
    if (StartsWith(upper, AutomaticTest))
        return name;
    return std::string(AutomaticPrefix) + std::string(WithoutExtension(name)) + " (" +
           PupilPart(pupil1251) + ")" + std::string(LessonExtension);
}

std::string WithLessonExtension(const std::string& path)
{
    const std::string name = FileNameOf(path);
    const std::size_t point = name.rfind('.');
    std::string extension = point == std::string::npos ? std::string() : name.substr(point);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return extension == LessonExtension ? path : path + std::string(LessonExtension);
}

int CountWithMistakes(const TLesson& lesson, int diffNum)
{
    int count = 0;
    for (const TQuestion& q : lesson.Questions)
        if (q.MistakeCount >= diffNum)
            ++count;
    return count;
}

void WriteDerivedLesson(const TLesson& lesson, const std::string& path, TSelection selection,
                        int threshold)
{
    // The atomic writer renames over the old file, which succeeds for a file
    // without write permission; such a file is one the user protected.
    struct stat info;
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0))
        throw TIoError("Cannot write " + path + ": " + std::strerror(EACCES));
    lesson.WriteToFile(path, selection, threshold);
}

namespace {

// Steps common to both saves after the dialog: the extension rule, the
// question for a file that the appended extension would replace, the write.
std::optional<std::string> SaveChosen(const TLesson& lesson, const std::string& proposed,
                                      const std::string& title, TSelection selection, int threshold,
                                      ISaveLessonDialog& dialog)
{
    const std::optional<std::string> chosen = dialog.Execute(proposed, title);
    if (!chosen || chosen->empty())
        return std::nullopt;
    const std::string path = WithLessonExtension(*chosen);
    // The dialog asked about the name as typed; the extended name is another
    // file, which must not be replaced without a question either.
    if (path != *chosen && FileExists(path) && !dialog.ConfirmReplace(path))
        return std::nullopt;
    WriteDerivedLesson(lesson, path, selection, threshold);
    return path;
}

} // namespace

std::optional<std::string> SaveRestOrWithMistakesAs(const TLesson& lesson,
                                                    const std::string& pupil1251,
                                                    ISaveLessonDialog& dialog)
{
    if (!lesson.Loaded)
        return std::nullopt;
    const std::string proposed =
        ProposedWriteFolder(FolderOf(lesson.FileName)) + RestFileName(lesson.FileName, pupil1251);
    // No title of our own: the dialog's standard one.
    return SaveChosen(lesson, proposed, std::string(), TSelection::RestOrWithMistakes, 0, dialog);
}

std::optional<std::string> SaveWithMistakesAs(const TLesson& lesson, int diffNum,
                                              const std::string& pupil1251,
                                              ISaveLessonDialog& dialog)
{
    if (CountWithMistakes(lesson, diffNum) == 0)
        return std::nullopt;
    const std::string proposed = ProposedWriteFolder(FolderOf(lesson.FileName)) +
                                 MistakesFileName(lesson.FileName, pupil1251);
    return SaveChosen(lesson, proposed,
                      KORVAN_MARK("DerivedLessons", "Сохранить урок для работы над ошибками как"),
                      TSelection::WithMistakes, diffNum, dialog);
}

} // namespace korvan
