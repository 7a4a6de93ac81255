#pragma once

// The program's modules: the parts that link large libraries (sound and speech,
// the importers' formats). The trainer loads each when it is first needed, not
// with the program, so that its window shows without waiting for them.
//
// A module lies in the program's library folder: "lib" beside the executable
// in a portable copy, PREFIX/lib/korvan/modules/ for a program installed as
// PREFIX/bin/NAME.

#include <string>
#include <vector>

namespace korvan {

// Where module `name` is looked for, in order: the "lib" folder beside
// `executable`, PREFIX/lib/korvan/modules/ when `executable` is PREFIX/bin/NAME, then
// the bare name, which the system looks up along the program's run path (and
// alone when `executable` is not an absolute path).
std::vector<std::string> ModuleCandidates(const std::string& executable, const std::string& name);

class TModule
{
public:
    // Loads `name` from the first candidate that loads. A module stays loaded
    // until the process ends: objects it made may live that long.
    explicit TModule(const std::string& name);

    bool Loaded() const { return Handle != nullptr; }
    // Why it did not load: each candidate that exists and its loader's text,
    // or the folders where it was looked for.
    const std::string& Error() const { return FError; }
    // The address of an exported symbol, null when it is not there.
    void* Symbol(const char* name) const;

private:
    void* Handle = nullptr;
    std::string FError;
};

} // namespace korvan
