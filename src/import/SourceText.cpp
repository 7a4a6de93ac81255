#include "import/SourceText.h"

#include <fstream>

#include "i18n/Marked.h"
#include "import/ImportCollection.h"
#include "util/Errors.h"
#include "util/Text.h"
#include "util/Utf8.h"

namespace korvan {

std::string ReadWholeFile(const std::string& path, std::size_t limit)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw TIoError("Cannot open " + path);
    const std::streamoff size = in.tellg();
    if (size < 0)
        throw TIoError("Cannot read " + path);
    if (static_cast<std::size_t>(size) > limit)
        throw TImportError("the file is larger than " + std::to_string(limit >> 20) +
                               " MB, more than any lesson source should be",
                           KORVAN_RUSSIAN("файл больше ") + std::to_string(limit >> 20) +
                               KORVAN_RUSSIAN(" МБ, слишком велик для урока"));
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size))
        throw TIoError("Cannot read " + path);
    return bytes;
}

namespace {

bool HasUtf16Bom(std::string_view bytes)
{
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

} // namespace

std::string TextAsUtf8(std::string_view bytes)
{
    if (HasUtf16Bom(bytes))
        return Utf16ToUtf8(bytes);
    if (bytes.starts_with(Utf8Bom))
        bytes.remove_prefix(Utf8Bom.size());
    TUtf8Detector detector;
    detector.Feed(bytes);
    if (detector.IsValid())
        return std::string(bytes);
    return Cp1251ToUtf8(bytes);
}

bool LooksLikeText(std::string_view head)
{
    return HasUtf16Bom(head) || head.find('\0') == std::string_view::npos;
}

} // namespace korvan
