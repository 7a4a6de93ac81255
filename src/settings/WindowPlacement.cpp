#include "settings/WindowPlacement.h"

#include <array>
#include <cstdint>

#include "util/IniFile.h"
#include "util/Text.h"

namespace korvan {

namespace {

constexpr int FormVersion = 0;

// "%d,%d,%d,%d", blanks allowed around each number as the platform's reader
// allowed them before one.
bool ParseFour(std::string_view text, std::array<int, 4>& out)
{
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t comma = i + 1 < out.size() ? text.find(',') : text.size();
        if (comma == std::string_view::npos)
            return false;
        std::string_view part = text.substr(0, comma);
        while (!part.empty() && (part.front() == ' ' || part.front() == '\t'))
            part.remove_prefix(1);
        while (!part.empty() && (part.back() == ' ' || part.back() == '\t'))
            part.remove_suffix(1);
        std::int32_t value = 0;
        if (!ParseInt32(part, value))
            return false;
        out[i] = value;
        text.remove_prefix(comma == text.size() ? comma : comma + 1);
    }
    return true;
}

std::string FormatFour(int a, int b, int c, int d)
{
    return std::to_string(a) + ',' + std::to_string(b) + ',' + std::to_string(c) + ',' +
           std::to_string(d);
}

} // namespace

std::optional<TWindowPlacement> LoadWindowPlacement(const std::string& iniPath,
                                                    std::string_view section)
{
    const TIniData ini = TIniFile(iniPath).ReadAll();
    if (ini.ReadInteger(section, "FormVersion", FormVersion) < FormVersion)
        return std::nullopt;

    std::array<int, 4> norm{};
    if (!ParseFour(ini.ReadString(section, "NormPos", ""), norm))
        return std::nullopt;
    // An empty rectangle would restore an invisible window.
    if (norm[2] <= norm[0] || norm[3] <= norm[1])
        return std::nullopt;

    TWindowPlacement p;
    p.Left = norm[0];
    p.Top = norm[1];
    p.Right = norm[2];
    p.Bottom = norm[3];
    p.Flags = ini.ReadInteger(section, "Flags", p.Flags);
    p.ShowCmd = ini.ReadInteger(section, "ShowCmd", p.ShowCmd);
    p.PixelsPerInch = ini.ReadInteger(section, "PixelsPerInch", p.PixelsPerInch);
    std::array<int, 4> minMax{};
    if (ParseFour(ini.ReadString(section, "MinMaxPos", ""), minMax)) {
        p.MinX = minMax[0];
        p.MinY = minMax[1];
        p.MaxX = minMax[2];
        p.MaxY = minMax[3];
    }
    return p;
}

void SaveWindowPlacement(const TWindowPlacement& p, const std::string& iniPath,
                         std::string_view section)
{
    TIniFile(iniPath).Modify([&](TIniData& ini) {
        ini.WriteInteger(section, "Flags", p.Flags);
        ini.WriteInteger(section, "ShowCmd", p.ShowCmd);
        ini.WriteInteger(section, "PixelsPerInch", p.PixelsPerInch);
        ini.WriteString(section, "MinMaxPos", FormatFour(p.MinX, p.MinY, p.MaxX, p.MaxY));
        ini.WriteString(section, "NormPos", FormatFour(p.Left, p.Top, p.Right, p.Bottom));
        ini.WriteInteger(section, "FormVersion", FormVersion);
    });
}

TWindowPlacement WithStoredPosition(TWindowPlacement now,
                                    const std::optional<TWindowPlacement>& stored)
{
    if (!stored)
        return now;
    now.Right = stored->Left + (now.Right - now.Left);
    now.Bottom = stored->Top + (now.Bottom - now.Top);
    now.Left = stored->Left;
    now.Top = stored->Top;
    return now;
}

} // namespace korvan
