#include "settings/MemorySettings.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "util/IniFile.h"

namespace korvan {

namespace {

constexpr std::string_view Section = "Main";

double ParseRetention(std::string text, double def)
{
    std::replace(text.begin(), text.end(), ',', '.');
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return def;
    return std::clamp(value, MinDesiredRetention, MaxDesiredRetention);
}

} // namespace

TMemorySettings LoadMemorySettings(const std::string& korvanIni)
{
    const TIniData ini = TIniFile(korvanIni).ReadAll();
    TMemorySettings s;
    s.HistoryFolder = ini.ReadString(Section, "HistoryFolder", "");
    s.DesiredRetention =
        ParseRetention(ini.ReadString(Section, "DesiredRetention", ""), s.DesiredRetention);
    s.DayStartsAt = std::clamp(ini.ReadInteger(Section, "DayStartsAt", s.DayStartsAt), 0, 23);
    s.ReviewLimit =
        std::clamp(ini.ReadInteger(Section, "ReviewLimit", s.ReviewLimit), 1, MaxReviewLimit);
    return s;
}

void SaveMemorySettings(const std::string& korvanIni, const TMemorySettings& settings)
{
    // Written with a point whatever the locale.
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, settings.DesiredRetention,
                                       std::chars_format::fixed, 2);
    const std::string retention(buffer, written.ptr);
    TIniFile(korvanIni).Modify([&](TIniData& ini) {
        ini.WriteString(Section, "HistoryFolder", settings.HistoryFolder);
        ini.WriteString(Section, "DesiredRetention", retention);
        ini.WriteInteger(Section, "DayStartsAt", settings.DayStartsAt);
        ini.WriteInteger(Section, "ReviewLimit", settings.ReviewLimit);
    });
}

std::string HistoryRoot(const TMemorySettings& settings, const std::string& userFolder)
{
    std::string root =
        settings.HistoryFolder.empty() ? userFolder + "history/" : settings.HistoryFolder;
    if (root.back() != '/')
        root += '/';
    return root;
}

} // namespace korvan
