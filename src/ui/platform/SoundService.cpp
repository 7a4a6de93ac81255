#include "ui/platform/SoundService.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <limits>

#include "ui/platform/Cp1251.h"
#include "ui/platform/SoundModuleLoader.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"

namespace korvan {

namespace {

constexpr int Every200ms = 200; // ms

// The top of `w` in the coordinates of `window`.
int TopIn(QWidget* window, QWidget* w)
{
    return w->parentWidget() == window ? w->y() : w->mapTo(window, QPoint(0, 0)).y();
}

} // namespace

class TSoundService::TButtonsView : public ISoundButtonsView
{
public:
    TButtonsView(QWidget* window, const TSoundWidgets& widgets) : Window(window), W(widgets) {}

    void ApplyButtons(const TSoundButtonState& state) override
    {
        Apply(W.RepeatRu, state.RepeatRuDown, state.RepeatRuCaption());
        Apply(W.RepeatEn, state.RepeatEnDown, state.RepeatEnCaption());
        Apply(W.RecPlay, state.AnswerDown, state.AnswerCaption());
        if (W.RecLabel != nullptr)
            W.RecLabel->setVisible(state.AnswerLabelVisible());
    }

    TSoundButtonGeometry ButtonGeometry() const override
    {
        TSoundButtonGeometry g;
        g.SeparatorTop = TopIn(Window, W.RestSeparator);
        g.RepeatRuHeight = W.RepeatRu->height();
        g.RepeatEnHeight = W.RepeatEn->height();
        g.ProgressTop = TopIn(Window, W.ProgressBox);
        return g;
    }

    void PlaceButtons(const TSoundButtonPlacement& p) override
    {
        if (p.RepeatEnTop)
            W.RepeatEn->move(W.RepeatEn->x(), *p.RepeatEnTop);
        W.RepeatEn->setVisible(p.RepeatEnVisible);
        if (p.RepeatRuTop)
            W.RepeatRu->move(W.RepeatRu->x(), *p.RepeatRuTop);
        W.RepeatRu->setVisible(p.RepeatRuVisible);
        W.ProgressBox->resize(W.ProgressBox->width(), p.ProgressHeight);
    }

private:
    static void Apply(QAbstractButton* button, bool down, const char* caption)
    {
        if (button == nullptr)
            return;
        button->setChecked(down);
        button->setText(*caption == 0 ? QString()
                                      : QCoreApplication::translate("SoundButtons", caption));
    }

    QWidget* Window;
    TSoundWidgets W;
};

class TSoundService::TMessages : public IMessageBox
{
public:
    explicit TMessages(QWidget* window) : Window(window) {}
    TMsgResult ShowMsgBox(const TShownText& text, TMsgButtons buttons) override
    {
        return korvan::ShowMsgBox(Window, Shown(text), buttons == TMsgButtons::OkCancel)
                   ? TMsgResult::Ok
                   : TMsgResult::Cancel;
    }

private:
    QWidget* Window;
};

TSoundService::TSoundService(QWidget* window, const TLesson& lesson, const TSoundWidgets& widgets,
                             const std::string& programFolder)
    : QObject(window), Window(window), Widgets(widgets)
{
    for (QAbstractButton* b : {Widgets.RepeatRu, Widgets.RepeatEn, Widgets.RecPlay})
        b->setCheckable(true);
    ButtonsView = std::make_unique<TButtonsView>(window, widgets);
    Messages = std::make_unique<TMessages>(window);
    MP = std::make_unique<TDeferredPlayer>(
        [this](std::uint64_t id, TPlayFailure failure, const std::string& error) {
            Logic->PlayerEnded(id, failure, error); // MPNotify comes with it
        });
    MPRec = std::make_unique<TDeferredRecorder>([this] { Logic->MPRecNotify(); });
    Speech = std::make_unique<TDeferredSpeech>();
    Logic = std::make_unique<TSoundLogic>(
        lesson, programFolder,
        TSoundLogicPorts{*MP, *MPRec, *ButtonsView, *Messages, Clock,
                         [this](std::int64_t ms, std::function<void()> action) {
                             QTimer::singleShot(static_cast<int>(std::clamp<std::int64_t>(
                                                    ms, 0, std::numeric_limits<int>::max())),
                                                Qt::PreciseTimer, this, std::move(action));
                         },
                         Speech.get()});

    connect(Widgets.RepeatRu, &QAbstractButton::clicked, this,
            [this] { Click(&TSoundLogic::BRepeatRuSoundClick); });
    connect(Widgets.RepeatEn, &QAbstractButton::clicked, this,
            [this] { Click(&TSoundLogic::BRepeatEnSoundClick); });
    connect(Widgets.RecPlay, &QAbstractButton::clicked, this,
            [this] { Click(&TSoundLogic::BRecStartStopPlayClick); });

    TTimer_Every200ms.setObjectName(QStringLiteral("TTimer_Every200ms"));
    connect(&TTimer_Every200ms, &QTimer::timeout, this,
            [this] { Logic->TTimer_Every200ms_Timer(); });
    TTimer_Every200ms.start(Every200ms);
    ButtonsView->ApplyButtons(Logic->Buttons());
    window->installEventFilter(this);
}

bool TSoundService::eventFilter(QObject* watched, QEvent* event)
{
    if (!Warmed && watched == Window && event->type() == QEvent::Paint) {
        Warmed = true;
        // After the paint is on the screen; long before the first question.
        QTimer::singleShot(0, this, [this] {
            MP->Warm();
            Speech->Prepare();
        });
    }
    return false;
}

TSoundService::~TSoundService()
{
    TTimer_Every200ms.stop();
    // The players go before the logic they report to.
    MP.reset();
    MPRec.reset();
}

IRecordingDevice& TSoundService::Recorder()
{
    return *MPRec;
}

void TSoundService::Connect(const TSoundHooks& hooks)
{
    Hooks = hooks;
    Logic->SetPhaseSource(Hooks.Phase);
    Logic->SetWaitedSoundEnded(Hooks.WaitedSoundEnded);
}

void TSoundService::Click(void (TSoundLogic::*handler)())
{
    // A flat toggle button flips itself when clicked; what it shows is ours.
    ButtonsView->ApplyButtons(Logic->Buttons());
    auto action = [this, handler] { (Logic.get()->*handler)(); };
    if (Hooks.Defer)
        Hooks.Defer(action);
    else
        action();
}

} // namespace korvan
