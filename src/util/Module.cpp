#include "util/Module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace korvan {

namespace fs = std::filesystem;

std::vector<std::string> ModuleCandidates(const std::string& executable, const std::string& name)
{
    std::vector<std::string> candidates;
    const fs::path folder = fs::path(executable).parent_path();
    // Never a folder relative to the current one.
    if (folder.is_absolute()) {
        candidates.push_back((folder / "lib" / name).string());
        if (folder.filename() == "bin")
            candidates.push_back(
                (folder.parent_path() / "lib" / "korvan" / "modules" / name).string());
    }
    candidates.push_back(name);
    return candidates;
}

TModule::TModule(const std::string& name)
{
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    std::vector<std::string> folders;
    for (const std::string& candidate :
         ModuleCandidates(error ? std::string() : exe.string(), name)) {
        Handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (Handle != nullptr)
            return;
        const char* why = dlerror();
        const bool path = candidate.find('/') != std::string::npos;
        // A file that is there but does not load says why; a missing one only where.
        if (path && fs::exists(candidate, error))
            FError += (FError.empty() ? "" : "; ") + std::string(why != nullptr ? why : candidate);
        else if (path)
            folders.push_back(fs::path(candidate).parent_path().string());
    }
    if (FError.empty()) {
        FError = name + " not found in";
        for (const std::string& folder : folders)
            FError += " " + folder + ",";
        FError += " nor on the library path";
    }
}

void* TModule::Symbol(const char* name) const
{
    return Handle != nullptr ? dlsym(Handle, name) : nullptr;
}

} // namespace korvan
