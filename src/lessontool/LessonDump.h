#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "i18n/Language.h"

namespace korvan {

// dump LESSON [--time-table FILE]: exit 0 when the file was read (a lesson or
// not), 1 when it could not be read, 2 for wrong arguments. Its messages in
// `language`.
int RunDump(const std::vector<std::string>& args, const std::string& programFolder,
            std::ostream& out, std::ostream& err, TUiLanguage language = TUiLanguage::English);

// The UTF-8 text as a JSON string literal, quotes included.
std::string JsonString(const std::string& utf8);

} // namespace korvan
