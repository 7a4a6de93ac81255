#pragma once

// Texts the interface translates where it shows them. The core stays free of
// Qt: KORVAN_MARK(context, text) is the Russian source text itself (UTF-8),
// and lupdate reads the macro as QT_TRANSLATE_NOOP (-tr-function-alias in
// src/ui/CMakeLists.txt), so the window translates it by the same context.

#define KORVAN_MARK(context, text) text

// A counted text (TPhrase::Count, %n): lupdate reads it as QT_TRANSLATE_N_NOOP,
// so that each catalogue holds its language's plural forms.
#define KORVAN_MARK_N(context, text) text
