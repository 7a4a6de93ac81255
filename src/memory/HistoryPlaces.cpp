#include "memory/HistoryPlaces.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "util/Errors.h"

namespace korvan {

namespace {

namespace fs = std::filesystem;

std::string Safe(std::string text)
{
    for (char& c : text) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        if (!ok)
            c = '_';
    }
    return text;
}

} // namespace

std::string OwnHistoryFileName()
{
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0 || host[0] == '\0')
        std::strcpy(host, "host");
    const char* user = std::getenv("USER");
    const std::string account =
        user != nullptr && *user != '\0' ? std::string(user) : std::to_string(::getuid());
    return Safe(host) + "-" + Safe(account) + ".jsonl";
}

std::string PupilHistoryFolder(const std::string& historyFolder, const std::string& pupilUtf8)
{
    std::string name = pupilUtf8;
    for (char& c : name)
        if (c == '/' || c == '\0')
            c = '_';
    // Never ".", ".." or a hidden folder.
    if (name.empty() || name.front() == '.')
        name.insert(name.begin(), '_');
    std::string folder = historyFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder + name + "/";
}

void CarryPupilHistory(const std::string& historyFolder, const std::string& fromUtf8,
                       const std::string& toUtf8)
{
    const fs::path from = PupilHistoryFolder(historyFolder, fromUtf8);
    const fs::path to = PupilHistoryFolder(historyFolder, toUtf8);
    std::error_code error;
    if (from == to || !fs::is_directory(from, error))
        return;
    const auto fail = [&](const std::error_code& e) {
        throw TIoError("Cannot move the history \"" + from.parent_path().string() + "\" to \"" +
                       to.parent_path().string() + "\": " + e.message());
    };
    if (!fs::exists(to, error)) {
        fs::rename(from.parent_path(), to.parent_path(), error);
        if (error)
            fail(error);
        return;
    }
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, error))
        files.push_back(entry.path());
    if (error)
        fail(error);
    for (const fs::path& file : files) {
        fs::path target = to / file.filename();
        for (int n = 2; fs::exists(target); ++n)
            target =
                to / (file.stem().string() + "-" + std::to_string(n) + file.extension().string());
        fs::rename(file, target, error);
        if (error)
            fail(error);
    }
    fs::remove(from, error); // empty now; one left behind does no harm
}

} // namespace korvan
