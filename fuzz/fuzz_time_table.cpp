// Any bytes as Time.ini: the calculator never fails, keeps a non-empty table,
// and reports a message exactly when a line was not a number. The same bytes
// go through the word counter, checked against a plain count.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzTempFile.h"
#include "timing/TimeCalculator.h"
#include "util/Text.h"

using korvan::fuzz::Check;

namespace {

// Words by the definition: maximal runs of characters from `chars`.
int PlainWordCount(std::string_view chars, std::string_view text)
{
    int words = 0;
    bool inWord = false;
    for (char c : text) {
        const bool isWord = chars.find(c) != std::string_view::npos;
        words += isWord && !inWord;
        inWord = isWord;
    }
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const korvan::fuzz::TScratchFile table("Time.ini");
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    int messages = 0;
    const korvan::TTimeCalculator calc(table.Write(data, size),
                                       [&](const korvan::TShownText&) { ++messages; });
    Check(!calc.Norms.empty(), "the table is never empty");
    Check(messages <= 1, "one message at most");

    // Without a message every non-empty line is an entry; with one, reading
    // stopped at the first bad line.
    std::size_t numbers = 0;
    bool bad = false;
    for (std::size_t start = 0; start <= size && !bad;) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = size;
        const std::string_view line = korvan::TrimControls(text.substr(start, end - start));
        std::int32_t value = 0;
        if (!line.empty()) {
            if (korvan::ParseInt32(line, value))
                ++numbers;
            else
                bad = true;
        }
        start = end + 1;
    }
    Check(bad == (messages == 1), "message exactly for a bad line");
    Check(calc.Norms.size() == (numbers == 0 ? 1 : numbers), "entries");

    Check(korvan::WordCount(false, korvan::WordChars(), text) ==
              PlainWordCount(korvan::WordChars(), text),
          "word count");
    return 0;
}
