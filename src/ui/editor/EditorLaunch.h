#pragma once

// How the program starts the lesson editor: the hooks that tie it to the
// program's files, synthesizer and importer, and the editor run on its own.

#include <string>

#include "ui/editor/EditorWindow.h"

namespace korvan {

// The hooks every editor shares: the recording format of the program's
// Buffer.WAV, the synthesizer, the importer, and the user's lessons folder for
// a new lesson.
TLessonEditorHooks ProgramEditorHooks();

// `korvan --edit [LESSON]`: the editor alone, without the trainer's window
// (and without its single-instance marker, so it may run beside a trainer).
// "Проверить в тренажёре" starts the trainer on the lesson. Needs the
// application object; returns the exit code of its event loop.
int RunEditorAlone(const std::string& path);

} // namespace korvan
