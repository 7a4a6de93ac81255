#include "ui/platform/QtPorts.h"

#include "ui/platform/Cp1251.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"

namespace korvan {

namespace {

QTimer* MakeTimer(QObject* owner, const char* name, int intervalMs, std::function<void()> onTick)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(intervalMs);
    // Coarse timers may fire up to 5 % early or late; a second is a second here.
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, owner, std::move(onTick));
    return timer;
}

} // namespace

TQtQuestionTimers::TQtQuestionTimers(QObject* owner, std::function<void()> onM1AndM2,
                                     std::function<void()> onM3Pause)
    : M1AndM2(MakeTimer(owner, "Timer_M1AndM2", 1000, std::move(onM1AndM2))),
      M3Pause(MakeTimer(owner, "Timer_M3Pause", 500, std::move(onM3Pause)))
{
}

void TQtQuestionTimers::Enable(TQuestionTimer timer)
{
    Timer(timer)->start();
}

void TQtQuestionTimers::Disable(TQuestionTimer timer)
{
    Timer(timer)->stop();
}

QTimer* TQtQuestionTimers::Timer(TQuestionTimer timer) const
{
    return timer == TQuestionTimer::M1AndM2 ? M1AndM2 : M3Pause;
}

TMsgResult TQtMessageBox::ShowMsgBox(const TShownText& text, TMsgButtons buttons)
{
    const bool ok = korvan::ShowMsgBox(Parent, Shown(text), buttons == TMsgButtons::OkCancel);
    return ok ? TMsgResult::Ok : TMsgResult::Cancel;
}

} // namespace korvan
