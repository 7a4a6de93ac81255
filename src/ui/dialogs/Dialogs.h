#pragma once

// Room ui/dialogs: the dialogs of the trainer and its editor, each showing one thing to set.
//
// The five below are made at start-up (ui/App.h); the import preview, the
// recording dialog and the save dialog of derived lessons are made by the
// window that opens them.

namespace korvan {

class TFAbout;
class TFBehavior;
class TFInpMode;
class TFPupils;
class TFSkin;

// The dialogs created after the main window, in their order of creation.
struct TDialogs
{
    TFPupils* Pupils = nullptr;
    TFBehavior* Behavior = nullptr;
    TFSkin* Skin = nullptr;
    TFAbout* About = nullptr;
    TFInpMode* InpMode = nullptr;
};

} // namespace korvan
