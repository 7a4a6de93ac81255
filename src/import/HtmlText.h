#pragma once

// Markup of imported fields (an Anki note, an HTML cell) reduced to the one
// line of plain text a lesson holds. UTF-8 in, UTF-8 out.

#include <string>
#include <string_view>

namespace korvan {

// Tags removed (the content of script, style and head dropped), line and block
// breaks (<br>, <div>, <p>, <li>, table cells) made blanks, character
// references decoded (named and numeric; an invalid one is dropped), then as
// OneLine does. A byte that is not UTF-8 becomes U+FFFD.
std::string HtmlToText(std::string_view html);

// Every run of white space and control characters (codes 0..32, U+00A0) made
// one blank, and none at either end.
std::string OneLine(std::string_view text);

} // namespace korvan
