#pragma once

// Room ui: the trainer's start and end, above every other room of the window layer.
//
// The program's start and end: fixed number and date formats, the
// single-instance marker, the windows in their order of creation, the event
// loop, and the windows destroyed in reverse so that each settings owner writes
// its file before the main window logs the end and closes the log.

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace korvan {

class TFAbout;
class TFBehavior;
class TFInpMode;
class TFMain;
class TFPupils;
class TFPupils_e;
class TFSkin;

// Called once the main window has been shown (start-up measurements).
using TAfterShow = std::function<void(QWidget* mainWindow)>;

// The windows in their order of creation: the main window (whose creation
// opens the log and reads the recent lessons), the pupils list (Pupils.ini)
// and its name editor, the behaviour dialog (Korvan.ini and Modes.ini), the
// appearance dialog (Skin.ini), the about box and the input-mode prompt.
// Destroyed in reverse, so every dialog writes its file before the main window
// saves its part of Korvan.ini, logs the end and closes the log.
class TAppWindows
{
public:
    // Throws what the main window's creation throws (TIoError for the log).
    TAppWindows();
    ~TAppWindows();
    TAppWindows(const TAppWindows&) = delete;
    TAppWindows& operator=(const TAppWindows&) = delete;

    // The placement from View.INI, the first showing, `afterShow`, then the
    // arguments (after the program name) or, without any, the start-up
    // questions; returns when those are answered.
    void Show(std::vector<std::string> arguments, const TAfterShow& afterShow = {});

    TFMain& Main() { return *FMain; }
    TFPupils& Pupils() { return *FPupils; }
    TFBehavior& Behavior() { return *FBehavior; }
    TFSkin& Skin() { return *FSkin; }

private:
    std::unique_ptr<TFMain> FMain;
    std::unique_ptr<TFPupils> FPupils;
    std::unique_ptr<TFPupils_e> FPupilEditor;
    std::unique_ptr<TFBehavior> FBehavior;
    std::unique_ptr<TFSkin> FSkin;
    std::unique_ptr<TFAbout> FAbout;
    std::unique_ptr<TFInpMode> FInpMode;
};

// The whole program; returns its exit code. A second start while one runs ends
// at once with 0 and shows nothing. `--edit [LESSON]` runs the lesson editor
// alone instead.
int RunKorvan(int argc, char* argv[], const TAfterShow& afterShow = {});

// Switches number formatting of the C library and of Qt to the fixed "."
// decimal separator, whatever the user's locale says.
void UseFixedFormats();

} // namespace korvan
