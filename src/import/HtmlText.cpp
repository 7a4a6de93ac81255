#include "import/HtmlText.h"

#include <climits>
#include <libxml/HTMLparser.h>
#include <mutex>
#include <vector>

#include "util/Utf8.h"

namespace korvan {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD"; // U+FFFD

// The text with each broken UTF-8 byte made U+FFFD and control characters
// made blanks: libxml2 passes some broken bytes through and drops others, and
// stops at a NUL.
std::string CleanUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const char32_t c = NextCodePoint(text, at);
        if (c < 32)
            out += ' ';
        else if (c == 0xFFFD && at - start == 1)
            out += Replacement;
        else
            out.append(text, start, at - start);
    }
    return out;
}

bool IsElement(const xmlNode* node, std::initializer_list<std::string_view> names)
{
    const std::string_view name = reinterpret_cast<const char*>(node->name);
    for (const std::string_view candidate : names)
        if (name == candidate)
            return true;
    return false;
}

// Elements whose start or end breaks the line.
bool BreaksLine(const xmlNode* node)
{
    return IsElement(node,
                     {"br", "div", "p",  "li", "ul", "ol", "tr",         "td",  "th", "table", "hr",
                      "h1", "h2",  "h3", "h4", "h5", "h6", "blockquote", "pre", "dd", "dt"});
}

// Elements whose content is not text to read.
bool IsHidden(const xmlNode* node)
{
    return IsElement(node, {"script", "style", "head", "title", "template"});
}

// The document's text in order, walked without recursion (the nesting depth
// is the author's).
void CollectText(const xmlNode* node, std::string& out)
{
    std::vector<const xmlNode*> open;
    while (node != nullptr) {
        const xmlNode* next = nullptr;
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
            if (node->content != nullptr)
                out += reinterpret_cast<const char*>(node->content);
        } else if (node->type == XML_ELEMENT_NODE && !IsHidden(node)) {
            if (BreaksLine(node))
                out += ' ';
            if (node->children != nullptr) {
                open.push_back(node);
                next = node->children;
            }
        }
        if (next == nullptr)
            next = node->next;
        // Leaving elements: their end breaks the line too.
        while (next == nullptr && !open.empty()) {
            const xmlNode* parent = open.back();
            open.pop_back();
            if (BreaksLine(parent))
                out += ' ';
            next = parent->next;
        }
        node = next;
    }
}

} // namespace

std::string OneLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        const bool noBreakSpace =
            c == 0xC2 && at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) == 0xA0;
        if (c <= 32 || noBreakSpace) {
            blank = !out.empty();
            at += noBreakSpace ? 1 : 0;
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += static_cast<char>(c);
    }
    return out;
}

std::string HtmlToText(std::string_view html)
{
    // Plain text, the usual field, needs no parser.
    if (html.find_first_of("<&") == std::string_view::npos || html.size() > INT_MAX / 2)
        return OneLine(CleanUtf8(html));
    // Inside an element: text after an element at the top would get an implied
    // <p>, a line break the author never wrote.
    const std::string clean = "<div>" + CleanUtf8(html) + "</div>";

    static std::once_flag initialised;
    std::call_once(initialised, [] { xmlInitParser(); });
    htmlDocPtr document =
        htmlReadMemory(clean.data(), static_cast<int>(clean.size()), nullptr, "UTF-8",
                       HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                           HTML_PARSE_NONET | HTML_PARSE_NOIMPLIED | HTML_PARSE_COMPACT);
    if (document == nullptr)
        return {};
    std::string text;
    CollectText(document->children, text);
    xmlFreeDoc(document);
    return OneLine(text);
}

} // namespace korvan
