#pragma once

// The program's start and end: fixed number and date formats, the
// single-instance marker, the windows in their order of creation, the event
// loop, and the windows destroyed in reverse so that each settings owner writes
// its file before the main window logs the end and closes the log.

#include <functional>

class QWidget;

namespace korvan {

// Called once the main window has been shown (start-up measurements).
using TAfterShow = std::function<void(QWidget* mainWindow)>;

// The whole program; returns its exit code. A second start while one runs ends
// at once with 0 and shows nothing.
int RunKorvan(int argc, char* argv[], const TAfterShow& afterShow = {});

// Switches number formatting of the C library and of Qt to the fixed "."
// decimal separator, whatever the user's locale says.
void UseFixedFormats();

} // namespace korvan
