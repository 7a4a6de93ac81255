#pragma once

// Helpers the text readers share: a whole file in memory and its encoding.

#include <string>
#include <string_view>

namespace korvan {

// The whole file. Throws TIoError "Cannot open PATH" / "Cannot read PATH", and
// TImportError when it is larger than `limit` bytes.
std::string ReadWholeFile(const std::string& path, std::size_t limit);

inline constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// Text as UTF-8: without its byte-order mark; UTF-16 with a byte-order mark
// converted; a text that is not valid UTF-8 is taken as Windows-1251 (what
// Russian Windows editors save) and converted.
std::string TextAsUtf8(std::string_view bytes);

// Whether bytes look like text rather than a binary file: UTF-16 with a
// byte-order mark, or no NUL byte.
bool LooksLikeText(std::string_view head);

} // namespace korvan
