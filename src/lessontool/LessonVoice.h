#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/Language.h"

namespace korvan {

class ISpeechEngine;

// voice LESSON [--ru] [--en] [--force] [--voice NAME]: writes the missing
// recordings of a lesson beside it with the synthesizer and marks the lesson
// as having them. Exit 0 when every sentence of the sides asked for has its
// recording, 1 when something could not be done, 2 for wrong arguments. Its
// messages in `language`.
int RunVoice(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             TUiLanguage language = TUiLanguage::English);
// The same with a given engine (--voice is then refused).
int RunVoice(const std::vector<std::string>& args, ISpeechEngine& engine, std::ostream& out,
             std::ostream& err, TUiLanguage language = TUiLanguage::English);

// The lesson file's bytes with "HasRuAudio" and/or "HasEnAudio" lines added at
// the end of its header where they are missing, every other byte as it was
// (line ends follow the file's own). None when the file has no header and body.
std::optional<std::string> WithAudioFlags(std::string_view lesson, bool russian, bool english);

} // namespace korvan
