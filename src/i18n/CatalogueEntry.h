#pragma once

// One translated text of a compiled catalogue (scripts/catalogue-tables makes
// the tables from src/i18n/*.ts at build time).

#include <cstddef>

namespace korvan {

struct TCatalogueEntry
{
    const char* Context;
    const char* Source;
    int FormCount;        // 1, or the language's plural forms
    const char* Forms[3]; // UTF-8
};

} // namespace korvan
