#pragma once

// The main window's placement in View.INI: one section named after the form,
// written whenever the placement is saved and read before the window is shown.

#include <optional>
#include <string>
#include <string_view>

namespace korvan {

// Show states as the file stores them.
enum TShowCmd : int
{
    ShowNormal = 1,
    ShowMinimized = 2,
    ShowMaximized = 3,
};

struct TWindowPlacement
{
    int Flags = 0; // the platform's placement flags, kept as read
    int ShowCmd = ShowNormal;
    int PixelsPerInch = 96; // of the screen at saving
    // MinMaxPos: minimized position x, y, maximized position x, y (-1: none).
    int MinX = -1;
    int MinY = -1;
    int MaxX = -1;
    int MaxY = -1;
    // NormPos: the restored window's rectangle, right and bottom outside it.
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const TWindowPlacement&) const = default;
};

// The section of the main window FMain.
constexpr std::string_view MainFormSection = "FMain";

// Nothing when the file or section is missing, when FormVersion is below 0, or
// when NormPos is not four integers "%d,%d,%d,%d" of a non-empty rectangle: the
// window then keeps its design placement. A malformed MinMaxPos, Flags, ShowCmd
// or PixelsPerInch falls back to its default alone.
std::optional<TWindowPlacement> LoadWindowPlacement(const std::string& iniPath,
                                                    std::string_view section = MainFormSection);
// For a platform that neither tells a window where it is nor lets it choose
// (Wayland): `now` with the stored rectangle's top-left corner, its size kept.
// Without a stored placement `now` is taken as it is.
TWindowPlacement WithStoredPosition(TWindowPlacement now,
                                    const std::optional<TWindowPlacement>& stored);
// All six keys (FormVersion 0) in one replacement of the file. Throws TIoError.
void SaveWindowPlacement(const TWindowPlacement& placement, const std::string& iniPath,
                         std::string_view section = MainFormSection);

} // namespace korvan
