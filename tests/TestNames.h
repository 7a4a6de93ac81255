#pragma once

// Names of parameterised cases, for the test list and failure reports: without
// them GoogleTest names a case by its number and shows its bytes.

#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

namespace korvan::test {

namespace detail {

// `text` with each run of bytes a name may not hold (anything but ASCII
// letters, digits and "_"; Cyrillic letters among them) as one "_", without
// "_" at either end, at most 40 characters.
inline std::string Sanitized(std::string_view text)
{
    std::string name;
    for (const char c : text) {
        if (name.size() >= 40)
            break;
        const bool allowed =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (allowed)
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    return name;
}

template <typename T> std::string Part(const T& value)
{
    std::ostringstream text;
    text.precision(12); // 1334.4 and 1334.6 stay apart
    if constexpr (std::is_same_v<T, bool>)
        text << (value ? "true" : "false");
    else if constexpr (std::is_arithmetic_v<T>) {
        // "-" cannot stand in a name; "minus" keeps 1 and -1 apart.
        if (value < 0)
            text << "minus" << -value;
        else
            text << value;
    } else
        text << value;
    return Sanitized(text.str());
}

} // namespace detail

// A case's name from its own text: "Empty" when nothing of it may stand in a
// name.
inline std::string CaseName(std::string_view text)
{
    const std::string name = detail::Sanitized(text);
    return name.empty() ? "Empty" : name;
}

// A case's name from the values that tell it apart, joined by "_":
// JoinedName("From", 100, "To", 1334.4) is "From_100_To_1334_4".
template <typename... T> std::string JoinedName(const T&... parts)
{
    std::string name;
    ((name += (name.empty() ? "" : "_") + detail::Part(parts)), ...);
    return CaseName(name);
}

// A case named by its row number and a text that shows a reader which it is
// ("Row3_7" for the text "+7"); the number keeps names apart where texts
// differ only in what a name cannot hold.
inline std::string RowName(std::size_t index, std::string_view text)
{
    const std::string name = detail::Sanitized(text);
    return "Row" + std::to_string(index) + (name.empty() ? "" : "_" + name);
}

} // namespace korvan::test
