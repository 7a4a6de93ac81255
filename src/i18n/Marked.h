#pragma once

// Texts the interface translates where it shows them. The core stays free of
// Qt: KORVAN_MARK(context, text) is the Russian source text itself (UTF-8),
// and lupdate reads the macro as QT_TRANSLATE_NOOP (-tr-function-alias in
// src/ui/CMakeLists.txt), so the window translates it by the same context.

#define KORVAN_MARK(context, text) text

// A counted text (TPhrase::Count, %n): lupdate reads it as QT_TRANSLATE_N_NOOP,
// so that each catalogue holds its language's plural forms.
#define KORVAN_MARK_N(context, text) text

// The Russian half of a text the core carries in both languages (an import's
// reasons: the English beside it); the window shows the half of its language.
// Not for catalogues: the macro only marks that the text is meant.
#define KORVAN_RUSSIAN(text) text
