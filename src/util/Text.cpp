#include "util/Text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <iconv.h>
#include <stdexcept>

#include "util/Errors.h"

namespace korvan {

namespace {

// One iconv descriptor per conversion, opened on first use.
class TConverter
{
public:
    TConverter(const char* to, const char* from) : Cd(iconv_open(to, from))
    {
        if (Cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " +
                                     to);
    }
    ~TConverter() { iconv_close(Cd); }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;

    // Converts what it can; returns the offset of the first input byte it
    // could not convert, or npos when all went through.
    std::size_t Convert(std::string_view in, std::string& out)
    {
        iconv(Cd, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[4096];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = iconv(Cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG)
                return in.size() - srcLeft;
        }
        return std::string_view::npos;
    }

private:
    iconv_t Cd;
};

} // namespace

std::string ToCp1251(std::string_view utf8)
{
    static TConverter converter("CP1251", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    const std::size_t bad = converter.Convert(utf8, out);
    if (bad != std::string_view::npos)
        throw TEncodingError("the text holds a character that Windows-1251 cannot hold", bad);
    return out;
}

std::string PathToCp1251(std::string_view path)
{
    return ToCp1251Replacing(path);
}

std::string ToCp1251Replacing(std::string_view path)
{
    static TConverter converter("CP1251", "UTF-8");
    std::string out;
    out.reserve(path.size());
    while (!path.empty()) {
        const std::size_t bad = converter.Convert(path, out);
        if (bad == std::string_view::npos)
            break;
        out += '?';
        // Skip the whole sequence the lead byte announces (one byte if broken).
        const auto lead = static_cast<unsigned char>(path[bad]);
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        for (std::size_t i = 1; i < length; ++i)
            if (bad + i >= path.size() ||
                (static_cast<unsigned char>(path[bad + i]) & 0xC0) != 0x80) {
                length = i;
                break;
            }
        path.remove_prefix(bad + length);
    }
    return out;
}

std::string Cp1251ToUtf8(std::string_view cp1251)
{
    static TConverter converter("UTF-8", "CP1251");
    std::string out;
    out.reserve(cp1251.size() * 2);
    while (!cp1251.empty()) {
        const std::size_t bad = converter.Convert(cp1251, out);
        if (bad == std::string_view::npos)
            break;
        out += "\xEF\xBF\xBD"; // U+FFFD for the one undefined byte
        cp1251.remove_prefix(bad + 1);
    }
    return out;
}

std::string_view TrimControls(std::string_view text)
{
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isControl(text.back()))
        text.remove_suffix(1);
    return text;
}

bool ParseInt32(std::string_view text, std::int32_t& value)
{
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    // from_chars takes "-" but not "+"; it reports overflow for 32 bits.
    const char* first = text.data() + (text.front() == '+' ? 1 : 0);
    std::int32_t parsed = 0;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

std::string PadLeft(std::string_view text, std::size_t width, char fill)
{
    std::string out;
    if (text.size() < width)
        out.assign(width - text.size(), fill);
    out += text;
    return out;
}

int MinOf(std::initializer_list<int> values)
{
    return std::min(values);
}

double MaxOf(std::initializer_list<double> values)
{
    return std::max(values);
}

} // namespace korvan
