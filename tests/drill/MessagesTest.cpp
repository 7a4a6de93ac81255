#include "drill/Messages.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace korvan {
namespace {

// Records what was shown and in which order the box and the focus came.
class TFakeBox : public IMessageBox
{
public:
    TMsgResult ShowMsgBox(const TShownText& text, TMsgButtons buttons) override
    {
        Events.push_back("box:" + RussianCp1251(text) +
                         (buttons == TMsgButtons::Ok ? ":ok" : ":okcancel"));
        return TMsgResult::Ok;
    }
    std::vector<std::string> Events;
};

TEST(RefuseIf, ShowsFocusesAndAbortsSilently)
{
    TFakeBox box;
    EXPECT_THROW(RefuseIf(true, "\xCD\xE5\xF2", box, [&] { box.Events.push_back("focus"); }),
                 TSilentAbort);
    EXPECT_EQ(box.Events, (std::vector<std::string>{"box:\xCD\xE5\xF2:ok", "focus"}));
}

TEST(RefuseIf, FalseConditionDoesNothing)
{
    TFakeBox box;
    EXPECT_NO_THROW(RefuseIf(false, "x", box, [&] { box.Events.push_back("focus"); }));
    EXPECT_TRUE(box.Events.empty());
}

TEST(RefuseIf, WorksWithoutAControlToFocus)
{
    TFakeBox box;
    EXPECT_THROW(RefuseIf(true, "x", box, {}), TSilentAbort);
    EXPECT_EQ(box.Events.size(), 1u);
}

} // namespace
} // namespace korvan
