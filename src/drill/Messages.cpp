#include "drill/Messages.h"

namespace korvan {

void RefuseIf(bool condition, const std::string& message, IMessageBox& box,
              const std::function<void()>& focusControl)
{
    if (!condition)
        return;
    box.ShowMsgBox({Content(message)}, TMsgButtons::Ok);
    if (focusControl)
        focusControl();
    throw TSilentAbort{};
}

} // namespace korvan
