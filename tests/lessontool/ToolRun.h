#pragma once

// What a run of one of the lesson tool's commands gave: its exit code and
// what it wrote to standard output and standard error.

#include <sstream>
#include <string>
#include <utility>

namespace korvan::test {

struct TRun
{
    int Code;
    std::string Out;
    std::string Err;
};

// Runs `command(out, err)` and keeps what it wrote.
template <class Command> TRun Capture(Command&& command)
{
    std::ostringstream out, err;
    const int code = std::forward<Command>(command)(out, err);
    return {code, out.str(), err.str()};
}

} // namespace korvan::test
