#include "import/HtmlText.h"
#include "../TestNames.h"

#include <gtest/gtest.h>

namespace korvan {
namespace {

struct THtmlRow
{
    const char* Html;
    const char* Text;
};

class HtmlToTextTable : public ::testing::TestWithParam<THtmlRow>
{
};

TEST_P(HtmlToTextTable, ReducesToOneLine)
{
    EXPECT_EQ(HtmlToText(GetParam().Html), GetParam().Text) << GetParam().Html;
}

INSTANTIATE_TEST_SUITE_P(
    Table, HtmlToTextTable,
    ::testing::Values(
        THtmlRow{"plain text", "plain text"}, THtmlRow{"  two\n lines\r\n", "two lines"},
        THtmlRow{"<b>bold</b> and <i>it</i>alic", "bold and italic"},
        THtmlRow{"<b>Кот</b>, кошка", "Кот, кошка"},
        THtmlRow{"one<br>two<br/>three", "one two three"},
        THtmlRow{"<div>one</div><div>two</div>", "one two"},
        THtmlRow{"Tom &amp; Jerry &lt;3&gt; &quot;q&quot; &apos;a&apos;",
                 "Tom & Jerry <3> \"q\" 'a'"},
        THtmlRow{"a&nbsp;&nbsp;b\xC2\xA0"
                 "c",
                 "a b c"},
        THtmlRow{"&#1044;&#x434;&eacute;&hellip;&laquo;&raquo;", "Дд\xC3\xA9…«»"},
        THtmlRow{"bare & sign, a < b", "bare & sign, a < b"}, THtmlRow{"x&#0;y&#xD800;z", "xyz"},
        THtmlRow{"<!-- note -->seen<script>hidden()</script><style>p{}</style>", "seen"},
        THtmlRow{"<img src=\"a.jpg\">picture", "picture"},
        THtmlRow{"<a href='x>y'>link</a>", "link"},
        THtmlRow{"broken \xFF byte", "broken \xEF\xBF\xBD byte"}, THtmlRow{"nul\0inside", "nul"},
        THtmlRow{"<unclosed", ""}, THtmlRow{"", ""}),
    [](const auto& info) { return test::RowName(info.index, info.param.Html); });

TEST(HtmlToText, NulAndControlsAreBlanksNotTheEnd)
{
    const char html[] = "a\0<b>b</b>\x01"
                        "c";
    EXPECT_EQ(HtmlToText(std::string_view(html, sizeof html - 1)), "a b c");
}

// The parser gives up past its nesting limit; the text before it is kept.
TEST(HtmlToText, DeepNesting)
{
    const auto nested = [](int depth) {
        std::string html = "top ";
        for (int i = 0; i < depth; ++i)
            html += "<span>";
        return html + "deep";
    };
    EXPECT_EQ(HtmlToText(nested(200)), "top deep");
    EXPECT_EQ(HtmlToText(nested(100000)).substr(0, 3), "top");
}

} // namespace
} // namespace korvan
