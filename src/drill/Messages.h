#pragma once

// The program's own messages: a modal box captioned "Сообщение" with OK, or OK
// and Cancel. The window implements the box; tests pre-answer it.

#include <functional>
#include <string>

#include "i18n/Phrase.h"

namespace korvan {

enum class TMsgButtons
{
    Ok,
    OkCancel
};
enum class TMsgResult
{
    Ok,
    Cancel
};

class IMessageBox
{
public:
    virtual ~IMessageBox() = default;
    virtual TMsgResult ShowMsgBox(const TShownText& text, TMsgButtons buttons) = 0;
};

// Thrown by RefuseIf to end the event handler that refused an entry; the
// window's event dispatch catches it and shows nothing more.
struct TSilentAbort
{
};

// When `condition` holds: shows `message` (OK, 1251 text), gives the focus to the control
// through `focusControl`, then throws TSilentAbort. Otherwise does nothing.
void RefuseIf(bool condition, const std::string& message, IMessageBox& box,
              const std::function<void()>& focusControl);

} // namespace korvan
