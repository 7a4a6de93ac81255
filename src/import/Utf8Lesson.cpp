#include "import/Utf8Lesson.h"

#include <filesystem>
#include <fstream>

#include "i18n/Marked.h"
#include "import/SourceText.h"
#include "lesson/Lesson.h"
#include "util/Errors.h"
#include "util/Text.h"
#include "util/Utf8.h"

namespace korvan {

bool IsUtf8Lesson(std::string_view bytes)
{
    if (bytes.starts_with(Utf8Bom))
        bytes.remove_prefix(Utf8Bom.size());
    const std::string_view first = bytes.substr(0, bytes.find('\n'));
    if (TrimControls(first) != LessonMagicLine)
        return false;
    TUtf8Detector detector;
    detector.Feed(bytes);
    return detector.LooksLikeUtf8();
}

bool IsUtf8LessonFile(const std::string& path)
{
    // Read in pieces and given up at the first byte that is not UTF-8: every
    // lesson opened is looked at, and a 1251 one fails at its first letter.
    std::ifstream in(path, std::ios::binary);
    std::string head(64 * 1024, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    std::string_view first = head;
    if (first.starts_with(Utf8Bom))
        first.remove_prefix(Utf8Bom.size());
    const std::size_t end = first.find('\n');
    if (end == std::string_view::npos && in) // a first line longer than the piece
        return false;
    if (TrimControls(first.substr(0, end)) != LessonMagicLine)
        return false;
    TUtf8Detector detector;
    detector.Feed(head);
    std::string piece(64 * 1024, '\0');
    while (!detector.SeenInvalid() && in) {
        in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        detector.Feed(std::string_view(piece.data(), static_cast<std::size_t>(in.gcount())));
    }
    return detector.LooksLikeUtf8();
}

TLessonConversion ConvertUtf8Lesson(std::string_view bytes, TUnfitChoice mode)
{
    if (bytes.starts_with(Utf8Bom))
        bytes.remove_prefix(Utf8Bom.size());
    TLessonConversion result;
    std::size_t lineNumber = 0;
    while (!bytes.empty()) {
        ++lineNumber;
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        try {
            result.Cp1251 += ToCp1251(line);
        } catch (const TEncodingError& e) {
            if (mode == TUnfitChoice::Replace) {
                result.Cp1251 += ToCp1251Replacing(line);
                ++result.Replaced;
            } else if (result.Unfit.size() < 100) {
                TUnfitText unfit;
                unfit.Place = "line " + std::to_string(lineNumber);
                unfit.PlaceRussian = KORVAN_RUSSIAN("строка ") + std::to_string(lineNumber);
                unfit.InLine = true;
                unfit.Column = CharacterColumn(line, e.Offset);
                unfit.Character = std::string(CharacterAt(line, e.Offset));
                result.Unfit.push_back(std::move(unfit));
            }
        }
        result.Cp1251 += "\r\n";
    }
    if (!result.Unfit.empty())
        result.Cp1251.clear();
    return result;
}

std::string ConvertedLessonPath(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path original(path);
    const std::string stem = original.stem().string() + " (1251)";
    const std::string ext = original.extension().string();
    fs::path candidate = fs::path(original).replace_filename(stem + ext);
    for (int n = 2; fs::exists(candidate); ++n)
        candidate = fs::path(original).replace_filename(stem + " " + std::to_string(n) + ext);
    return candidate.string();
}

} // namespace korvan
