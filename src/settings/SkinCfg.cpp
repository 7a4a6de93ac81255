#include "settings/SkinCfg.h"

#include <array>

#include "util/IniFile.h"

namespace korvan {

namespace {

using C = TSkinCfg;
using K = TSkinKeyKind;

constexpr const char* Section = "Main";

constexpr TSkinKey Str(const char* name, std::string C::*field, const char* def)
{
    return {name, K::String, field, nullptr, nullptr, 0, def};
}
constexpr TSkinKey Int(const char* name, std::int32_t C::*field, std::int32_t def)
{
    return {name, K::Integer, nullptr, field, nullptr, def, nullptr};
}
constexpr TSkinKey Colour(const char* name, TColor C::*field, TColor def)
{
    return {name, K::Colour, nullptr, field, nullptr, def, nullptr};
}
constexpr TSkinKey Bool(const char* name, bool C::*field, bool def)
{
    return {name, K::Boolean, nullptr, nullptr, field, def ? 1 : 0, nullptr};
}

constexpr TColor Grey = RgbColor(204, 204, 204);

// The order is the order of the file; a new key goes at the end.
constexpr std::array<TSkinKey, 24> Keys{{
    Str("FontName", &C::FontName, "Arial"),
    Int("FontSize", &C::FontSize, 20),
    Bool("FontBold", &C::FontBold, false),
    Bool("FontItalic", &C::FontItalic, false),
    Bool("FontUnderline", &C::FontUnderline, false),
    Int("FontCharset", &C::FontCharset, 204),
    Colour("ColorInfo", &C::ColorInfo, 0),
    Colour("Color1", &C::Color1, 0),
    Colour("Color2", &C::Color2, 0),
    Colour("Color3", &C::Color3, 0),
    Colour("ColorTranscription", &C::ColorTranscription, 0),
    Colour("ColorInput", &C::ColorInput, 0),
    Colour("ColorHelpMsg", &C::ColorHelpMsg, 0),
    Colour("BackColorInfo", &C::BackColorInfo, Grey),
    Colour("BackColor1", &C::BackColor1, Grey),
    Colour("BackColor2", &C::BackColor2, RgbColor(243, 244, 240)),
    Colour("BackColor3", &C::BackColor3, RgbColor(220, 227, 220)),
    Colour("BackColorTranscription", &C::BackColorTranscription, Grey),
    Colour("BackColorInput", &C::BackColorInput, RgbColor(255, 255, 255)),
    Colour("BackColorHelpMsg", &C::BackColorHelpMsg, RgbColor(189, 201, 219)),
    Bool("ShowHelpMsg", &C::ShowHelpMsg, true),
    Bool("AskAtStartupUseTextInput", &C::AskAtStartupUseTextInput, true),
    Bool("UseEscapeForExit", &C::UseEscapeForExit, false),
    Str("Language", &C::Language, ""),
}};

} // namespace

std::span<const TSkinKey> SkinKeys()
{
    return Keys;
}

void LoadSkinCfg(TSkinCfg& cfg, const std::string& iniPath)
{
    const TIniData ini = TIniFile(iniPath).ReadAll();
    for (const TSkinKey& key : Keys) {
        switch (key.Kind) {
        case K::String:
            cfg.*key.Text = ini.ReadString(Section, key.Name, key.DefaultText);
            break;
        case K::Integer:
        case K::Colour:
            cfg.*key.Number = ini.ReadInteger(Section, key.Name, key.Default);
            break;
        case K::Boolean:
            cfg.*key.Flag = ini.ReadBool(Section, key.Name, key.Default != 0);
            break;
        }
    }
}

void SaveSkinCfg(const TSkinCfg& cfg, const std::string& iniPath)
{
    TIniFile(iniPath).Modify([&](TIniData& ini) {
        for (const TSkinKey& key : Keys) {
            switch (key.Kind) {
            case K::String:
                ini.WriteString(Section, key.Name, cfg.*key.Text);
                break;
            case K::Integer:
            case K::Colour:
                ini.WriteInteger(Section, key.Name, cfg.*key.Number);
                break;
            case K::Boolean:
                ini.WriteBool(Section, key.Name, cfg.*key.Flag);
                break;
            }
        }
    });
}

} // namespace korvan
