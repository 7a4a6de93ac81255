#pragma once

// The appearance settings: the font of the main window's text panes, the text
// and background colour of each of the seven panes, three switches and the
// interface language. Stored
// in Skin.ini, section Main, one key per field.

#include <cstdint>
#include <span>
#include <string>

namespace korvan {

// A colour as 00BBGGRR: red in the lowest byte, the top byte 0.
using TColor = std::int32_t;

constexpr TColor RgbColor(int red, int green, int blue)
{
    return static_cast<TColor>((blue << 16) | (green << 8) | red);
}

struct TSkinCfg
{
    std::string FontName = "Arial"; // Windows-1251 face name
    std::int32_t FontSize = 20;     // in points
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    std::int32_t FontCharset = 204; // 0..255; 204 is Cyrillic, 0 Western
    TColor ColorInfo = 0;
    TColor Color1 = 0;
    TColor Color2 = 0;
    TColor Color3 = 0;
    TColor ColorTranscription = 0;
    TColor ColorInput = 0;
    TColor ColorHelpMsg = 0;
    TColor BackColorInfo = RgbColor(204, 204, 204);
    TColor BackColor1 = RgbColor(204, 204, 204);
    TColor BackColor2 = RgbColor(243, 244, 240);
    TColor BackColor3 = RgbColor(220, 227, 220);
    TColor BackColorTranscription = RgbColor(204, 204, 204);
    TColor BackColorInput = RgbColor(255, 255, 255);
    TColor BackColorHelpMsg = RgbColor(189, 201, 219);
    bool ShowHelpMsg = true;              // the help-message pane is shown and filled
    bool AskAtStartupUseTextInput = true; // the input-mode prompt at start-up
    bool UseEscapeForExit = false;        // Esc closes the main window
    std::string Language;                 // "" as the system, "ru", "en" (i18n/Language.h)

    bool operator==(const TSkinCfg&) const = default;
};

enum class TSkinKeyKind
{
    String,
    Integer,
    Boolean,
    Colour
};

// One stored key: its name, kind and field (the pointer of the kind's type is
// set, the others are null) and its default.
struct TSkinKey
{
    const char* Name;
    TSkinKeyKind Kind;
    std::string TSkinCfg::*Text;
    std::int32_t TSkinCfg::*Number; // Integer and Colour
    bool TSkinCfg::*Flag;
    std::int32_t Default;    // Integer, Colour; 0 or 1 for a Boolean
    const char* DefaultText; // String
};

// The 24 keys in the order they are written; load, save and tests use it.
std::span<const TSkinKey> SkinKeys();

// Every field from section Main; the default for a missing file, section or key
// and for a value that is not an integer. No range is enforced: the window
// makes what it shows of odd values (a colour's top byte is ignored there).
void LoadSkinCfg(TSkinCfg& cfg, const std::string& iniPath);
// All 24 keys in their order, in one replacement of the file; other keys and
// sections stay. Throws TIoError.
void SaveSkinCfg(const TSkinCfg& cfg, const std::string& iniPath);

} // namespace korvan
