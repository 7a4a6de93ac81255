#include "timing/TimeCalculator.h"

#include <array>
#include <cstring>
#include <stdexcept>

#include "i18n/Marked.h"
#include "lesson/Lesson.h"
#include "util/LineReader.h"
#include "util/Text.h"

namespace korvan {

namespace {

// The norm when Time.ini gives none, in seconds.
constexpr std::int32_t DefaultNorm = 10;

// One marker per byte value: true for the bytes words are made of.
class TWordTable
{
public:
    TWordTable(bool charsAreDelimiters, std::string_view charSet)
    {
        IsWordChar.fill(charsAreDelimiters);
        for (char c : charSet)
            IsWordChar[static_cast<unsigned char>(c)] = !charsAreDelimiters;
    }

    int Count(std::string_view text) const
    {
        int words = 0;
        bool afterDelimiter = true;
        for (char c : text) {
            const bool isWord = IsWordChar[static_cast<unsigned char>(c)];
            if (isWord && afterDelimiter)
                ++words;
            afterDelimiter = !isWord;
        }
        return words;
    }

private:
    std::array<bool, 256> IsWordChar;
};

// Appends the table's entries; returns the text of the failure that stopped
// the reading, or an empty text.
std::string ReadNorms(const std::string& path, std::vector<TInteger>& norms)
{
    try {
        TLineReader reader(path);
        std::string_view line;
        while (reader.ReadLine(line)) {
            line = TrimControls(line);
            if (line.empty())
                continue;
            std::int32_t value = 0;
            if (!ParseInt32(line, value))
                return "'" + std::string(line) + "' is not a valid integer value";
            norms.push_back(TInteger{value});
        }
    } catch (const TLineReadError& e) {
        return std::strerror(e.Code);
    }
    return {};
}

} // namespace

const std::string& WordChars()
{
    static const std::string chars =
        ToCp1251("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                 "ЁАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯёабвгдежзийклмнопрстуфхцчшщъыьэюя");
    return chars;
}

int WordCount(bool charsAreDelimiters, std::string_view charSet, std::string_view text)
{
    return TWordTable(charsAreDelimiters, charSet).Count(text);
}

TTimeCalculator::TTimeCalculator(const std::string& tablePath, const TErrorHandler& onError)
{
    const std::string error = ReadNorms(tablePath, Norms);
    if (!error.empty() && onError)
        onError(
            {Marked("Timing", KORVAN_MARK("Timing", "Ошибка при считывании файла Time.ini: \"%1\""),
                    {Cp1251Arg(error)})});
    if (Norms.empty())
        Norms.push_back(TInteger{DefaultNorm});
}

const TInteger& TTimeCalculator::GetNorm(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= Norms.size())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return Norms[static_cast<std::size_t>(index)];
}

std::int32_t TTimeCalculator::NormForWords(int words) const
{
    const int entries = static_cast<int>(Norms.size());
    const int index = words == 0 ? 0 : (words <= entries ? words - 1 : entries - 1);
    return GetNorm(index).Value;
}

std::int32_t TTimeCalculator::NormOf(std::string_view rtext) const
{
    return NormForWords(WordCount(false, WordChars(), rtext));
}

void TTimeCalculator::CalculateNorms(TLesson& lesson) const
{
    // One table for the whole lesson: a lesson may hold a million questions.
    const TWordTable table(false, WordChars());
    for (TQuestion& q : lesson.Questions)
        q.TimeNorm = NormForWords(table.Count(q.RText));
}

} // namespace korvan
