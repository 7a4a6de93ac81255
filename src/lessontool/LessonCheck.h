#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "i18n/Language.h"
#include "util/Utf8.h"

namespace korvan {

// check LESSON: tells an author in plain words what the trainer makes of the
// file. Exit 0 when the lesson is usable, 1 otherwise, 2 for wrong arguments.
// Its messages in `language`.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             TUiLanguage language = TUiLanguage::English);

} // namespace korvan
