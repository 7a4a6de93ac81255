#include "lesson/LessonChecks.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "util/Text.h"

namespace fs = std::filesystem;

namespace korvan {

bool FileLooksLikeUtf8(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    TUtf8Detector detector;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        detector.Feed(std::string_view(buffer, static_cast<std::size_t>(in.gcount())));
    return detector.LooksLikeUtf8();
}

bool IsBlankText(std::string_view text)
{
    return TrimControls(text).empty();
}

void TNumberUses::Remove(std::int32_t number)
{
    const auto it = Uses.find(number);
    if (it != Uses.end() && --it->second == 0)
        Uses.erase(it);
}

int TNumberUses::Count(std::int32_t number) const
{
    const auto it = Uses.find(number);
    return it == Uses.end() ? 0 : it->second;
}

std::int32_t TNumberUses::Largest() const
{
    std::int32_t largest = 0;
    for (const auto& entry : Uses)
        largest = std::max(largest, entry.first);
    return largest;
}

namespace {

std::string Upper(std::string name)
{
    for (char& c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return name;
}

std::string Mp3For(const std::string& wavName)
{
    return wavName.substr(0, wavName.size() - 4) + ".MP3";
}

} // namespace

TRecordingFolder::TRecordingFolder(std::string folder) : FFolder(std::move(folder))
{
    Rescan();
}

void TRecordingFolder::Rescan()
{
    ByUpperName.clear();
    std::error_code error;
    fs::directory_iterator it(FFolder.empty() ? "." : FFolder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code kindError;
        if (!it->is_regular_file(kindError))
            continue;
        const std::string name = it->path().filename().string();
        ByUpperName[Upper(name)].push_back(FFolder + name);
    }
    // The exact spelling first, as the trainer tries it first.
    for (auto& entry : ByUpperName) {
        // A named reference: clang 14 cannot capture a structured binding.
        const std::string& upper = entry.first;
        std::stable_partition(
            entry.second.begin(), entry.second.end(), [&, this](const std::string& path) {
                return path.compare(FFolder.size(), std::string::npos, upper) == 0;
            });
    }
}

bool TRecordingFolder::Has(std::int32_t number, TLanguage language) const
{
    return Find(number, language).has_value();
}

std::optional<std::string> TRecordingFolder::Find(std::int32_t number, TLanguage language) const
{
    const std::string wav = LessonSoundName(number, language);
    for (const std::string& name : {wav, Mp3For(wav)}) {
        const auto it = ByUpperName.find(name);
        if (it != ByUpperName.end())
            return it->second.front();
    }
    return std::nullopt;
}

std::vector<std::string> TRecordingFolder::AllOf(std::int32_t number, TLanguage language) const
{
    const std::string wav = LessonSoundName(number, language);
    std::vector<std::string> paths;
    for (const std::string& name : {wav, Mp3For(wav)}) {
        const auto it = ByUpperName.find(name);
        if (it != ByUpperName.end())
            paths.insert(paths.end(), it->second.begin(), it->second.end());
    }
    return paths;
}

} // namespace korvan
