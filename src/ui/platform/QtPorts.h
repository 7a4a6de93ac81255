#pragma once

// The drill engine's ports on Qt: the two question timers and the message box.
// The sound service has its own file (SoundService.h).

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "drill/DrillPorts.h"
#include "drill/Messages.h"

namespace korvan {

// Timer_M1AndM2 (1000 ms) and Timer_M3Pause (500 ms), children of the window
// under their control names; both start disabled.
class TQtQuestionTimers : public IQuestionTimers
{
public:
    TQtQuestionTimers(QObject* owner, std::function<void()> onM1AndM2,
                      std::function<void()> onM3Pause);

    // Restarting a running QTimer would also start a full interval, but the
    // engine only enables a stopped timer anyway.
    void Enable(TQuestionTimer timer) override;
    void Disable(TQuestionTimer timer) override;
    QTimer* Timer(TQuestionTimer timer) const;

private:
    QTimer* M1AndM2;
    QTimer* M3Pause;
};

// ShowMsgBox for the engine: its texts translated, caption "Сообщение".
class TQtMessageBox : public IMessageBox
{
public:
    explicit TQtMessageBox(QWidget* parent) : Parent(parent) {}
    TMsgResult ShowMsgBox(const TShownText& text, TMsgButtons buttons) override;

private:
    QPointer<QWidget> Parent;
};

} // namespace korvan
