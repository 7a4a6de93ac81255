#include "util/Paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "i18n/Marked.h"

namespace korvan {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view UserLessons = "lessons/Уроки собственной разработки/";

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool IsAbsolute(const std::optional<std::string>& path)
{
    return path && !path->empty() && path->front() == '/';
}

std::optional<std::string> Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

TFileLocations& Current()
{
    static TFileLocations locations;
    return locations;
}

} // namespace

std::string InstalledDataFolder(const std::string& executable)
{
    const fs::path bin = fs::path(executable).parent_path();
    if (bin.filename() != "bin" || !bin.has_parent_path())
        return {};
    return WithSlash((bin.parent_path() / "share" / "korvan").string());
}

TFileLocations DecideFileLocations(const TLocationInputs& inputs)
{
    const std::string installed = InstalledDataFolder(inputs.Executable);
    if (installed.empty() || !inputs.InstalledDataPresent) {
        const std::string folder = WithSlash(fs::path(inputs.Executable).parent_path().string());
        return {false, folder, folder};
    }
    std::string data;
    if (IsAbsolute(inputs.XdgDataHome))
        data = *inputs.XdgDataHome;
    else if (IsAbsolute(inputs.Home))
        data = WithSlash(*inputs.Home) + ".local/share";
    else if (!inputs.AccountHome.empty() && inputs.AccountHome.front() == '/')
        data = WithSlash(inputs.AccountHome) + ".local/share";
    else
        data = "/.local/share";
    return {true, installed, WithSlash(data) + "korvan/"};
}

void InitFileLocations()
{
    TLocationInputs inputs;
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    inputs.Executable = error ? std::string("./korvan") : exe.string();
    const std::string installed = InstalledDataFolder(inputs.Executable);
    inputs.InstalledDataPresent =
        !installed.empty() && fs::is_regular_file(installed + "Time.ini", error);
    inputs.XdgDataHome = Environment("XDG_DATA_HOME");
    inputs.Home = Environment("HOME");
    if (const passwd* account = getpwuid(getuid()); account != nullptr && account->pw_dir)
        inputs.AccountHome = account->pw_dir;
    SetFileLocations(DecideFileLocations(inputs));
}

void SetFileLocations(TFileLocations locations)
{
    // Empty stays empty: the state before InitFileLocations.
    for (std::string* folder : {&locations.Shipped, &locations.User})
        if (!folder->empty())
            *folder = WithSlash(std::move(*folder));
    Current() = std::move(locations);
}

const TFileLocations& FileLocations()
{
    return Current();
}

std::string ShippedFile(std::string_view name)
{
    return Current().Shipped + std::string(name);
}

std::string UserFile(std::string_view name)
{
    return Current().User + std::string(name);
}

std::string AdaptableFile(std::string_view name)
{
    std::string own = UserFile(name);
    std::error_code error;
    return fs::is_regular_file(own, error) ? own : ShippedFile(name);
}

std::string UserLessonsFolder()
{
    return UserFile(UserLessons);
}

bool IsInsideFolder(const std::string& folder, const std::string& parent)
{
    const std::string inner = WithSlash(fs::path(folder).lexically_normal().string());
    const std::string outer = WithSlash(fs::path(parent).lexically_normal().string());
    return inner.compare(0, outer.size(), outer) == 0;
}

std::string ChooseWriteFolder(const TFileLocations& locations, const std::string& folder,
                              bool writable)
{
    // Installed, the shipped folder is never written, not even by root.
    if (writable && !(locations.Installed && IsInsideFolder(folder, locations.Shipped)))
        return WithSlash(folder);
    return locations.User + std::string(UserLessons);
}

std::string ProposedWriteFolder(const std::string& folder)
{
    return ChooseWriteFolder(Current(), folder, access(folder.c_str(), W_OK) == 0);
}

std::optional<TFolderProblem> PrepareUserFolder()
{
    const TFileLocations& locations = Current();
    if (locations.Installed) {
        std::error_code error;
        fs::create_directories(UserLessonsFolder(), error);
        if (error)
            return TFolderProblem{locations.User, error.value()};
    }
    if (access(locations.User.c_str(), W_OK) != 0)
        return TFolderProblem{locations.User, errno};
    return std::nullopt;
}

std::string FolderErrorText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return KORVAN_MARK("Paths", "нет прав на запись");
    case EROFS:
        return KORVAN_MARK("Paths", "диск доступен только для чтения");
    case ENOSPC:
        return KORVAN_MARK("Paths", "на диске нет места");
    case EDQUOT:
        return KORVAN_MARK("Paths", "исчерпана квота на диске");
    case ENOENT:
        return KORVAN_MARK("Paths", "папка не найдена");
    case ENOTDIR:
        return KORVAN_MARK("Paths", "на месте папки находится файл");
    default:
        return std::strerror(error);
    }
}

} // namespace korvan
