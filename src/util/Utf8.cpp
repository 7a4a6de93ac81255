#include "util/Utf8.h"

namespace korvan {

void TUtf8Detector::Feed(std::string_view bytes)
{
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (Pending > 0) {
            if ((b & 0xC0) == 0x80) {
                if (--Pending == 0)
                    ++Valid;
                continue;
            }
            ++Invalid;
            Pending = 0;
        }
        if (b < 0x80)
            continue;
        if (b >= 0xC2 && b <= 0xDF)
            Pending = 1;
        else if (b >= 0xE0 && b <= 0xEF)
            Pending = 2;
        else if (b >= 0xF0 && b <= 0xF4)
            Pending = 3;
        else
            ++Invalid;
    }
}

namespace {

std::size_t SequenceLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t length = lead < 0x80    ? 1
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80)
            return 0;
    return length;
}

} // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& pos)
{
    const std::size_t length = SequenceLength(text, pos);
    if (length == 0) {
        ++pos;
        return 0xFFFD;
    }
    const auto lead = static_cast<unsigned char>(text[pos]);
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    pos += length;
    return code;
}

std::size_t CharacterColumn(std::string_view text, std::size_t offset)
{
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ++column;
    return column;
}

std::string LowerLetters(std::string_view text)
{
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto& c = reinterpret_cast<unsigned char&>(out[i]);
        if (c >= 'A' && c <= 'Z')
            c = static_cast<unsigned char>(c + 32);
        else if (i + 1 < out.size()) {
            auto& next = reinterpret_cast<unsigned char&>(out[i + 1]);
            if (c == 0xD0 && next >= 0x90 && next <= 0x9F) // А..П
                next = static_cast<unsigned char>(next + 0x20);
            else if (c == 0xD0 && next >= 0xA0 && next <= 0xAF) { // Р..Я
                c = 0xD1;
                next = static_cast<unsigned char>(next - 0x20);
            } else if (c == 0xD0 && next == 0x81) { // Ё
                c = 0xD1;
                next = 0x91;
            }
        }
    }
    return out;
}

std::string_view CharacterAt(std::string_view text, std::size_t offset)
{
    if (offset >= text.size())
        return {};
    const std::size_t length = SequenceLength(text, offset);
    return text.substr(offset, length == 0 ? 1 : length);
}

} // namespace korvan
