#pragma once

// The one place where the core's Windows-1251 texts meet Qt's Unicode strings.

#include <QString>

#include <string>

namespace korvan {

// The byte 1251 leaves undefined (0x98) becomes U+FFFD.
QString FromCp1251(const std::string& text);
// Characters 1251 cannot hold become '?', so the result is always a usable text.
std::string ToCp1251Text(const QString& text);
// How many characters ToCp1251Text has replaced so far: an interface text
// that went through it where it should not have loses its letters (the
// text-fit test's pseudo-language has letters 1251 cannot hold).
std::size_t Cp1251LostCharacters();

} // namespace korvan
