#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "i18n/Language.h"
#include "import/TableReader.h"

namespace korvan {

// import SOURCE OUT.sl2 [options]: a lesson from a table, a Tatoeba export, an
// Anki package or a lesson saved in UTF-8, recognised by content. Exit 0 when
// the lessons were written, 1 when the source is wrong (nothing is written), 2
// for wrong arguments. Its messages in `language`; what the readers report
// (TImportError, a skipped row's reason) stays in their English.
int RunImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              TUiLanguage language = TUiLanguage::English);

// The command and its options, for the usage text.
std::string ImportUsage(TUiLanguage language);

} // namespace korvan
