#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "i18n/Language.h"

namespace korvan {

// memory PUPIL_FOLDER_OR_FILE... [--at TIME] [--json] [--retention R]
//        [--day-starts-at HOUR]: what a pupil's history says they know, card
// by card, and how many cards are due by the pupil day of TIME (now when not
// given). Exit 1 for a path that does not exist or cannot be read, 2 for
// wrong arguments.
// Its messages in `language`.
int RunMemory(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              TUiLanguage language = TUiLanguage::English);

// The command's lines in the tool's usage text.
std::string MemoryUsage(TUiLanguage language);

} // namespace korvan
