#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace korvan {

// check LESSON: tells an author in plain words what the trainer makes of the
// file. Exit 0 when the lesson is usable, 1 otherwise, 2 for wrong arguments.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Whether bytes that are not plain ASCII form UTF-8 sequences throughout, the
// sign of a lesson saved in the wrong encoding (its Russian would be garbage).
// Fed in pieces; a sequence may be split between pieces.
class TUtf8Detector
{
public:
    void Feed(std::string_view bytes);
    bool LooksLikeUtf8() const { return Valid > 0 && Invalid == 0 && Pending == 0; }

private:
    int Pending = 0; // continuation bytes still expected
    long long Valid = 0;
    long long Invalid = 0;
};

} // namespace korvan
