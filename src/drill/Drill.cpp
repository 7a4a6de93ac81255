// The run of a lesson: opening, starting, choosing the next question, the end
// of the run, and the order of input around waited sounds. The question cycle
// itself is in DrillCycle.cpp.

#include "drill/Drill.h"

#include "drill/DrillLog.h"
#include "drill/DrillTexts.h"
#include "drill/Grade.h"
#include "util/Text.h"

namespace korvan {

TDrill::TDrill(TLesson& lesson, const TTimeCalculator& calculator, const TDrillPorts& ports)
    : FLesson(lesson), FCalculator(calculator), FPorts(ports), FBook(lesson, ports.Random)
{
}

// ---------------------------------------------------------------------------
// Input around waited sounds

bool TDrill::ReadyForInput()
{
    if (!Waiting())
        DrainQueue(); // what an exception left behind comes first
    return !Waiting();
}

void TDrill::DrainQueue()
{
    while (!Waiting() && !FQueue.empty()) {
        std::function<void()> action = std::move(FQueue.front());
        FQueue.pop_front();
        action();
    }
}

void TDrill::Defer(std::function<void()> action)
{
    if (ReadyForInput())
        action();
    else
        FQueue.push_back(std::move(action));
}

void TDrill::StartLesson()
{
    Defer([this] { StartLessonNow(); });
}

void TDrill::ShowTranslationOrRightClick()
{
    Defer([this] { RightButton(); });
}

void TDrill::WrongClick()
{
    Defer([this] { WrongButton(); });
}

bool TDrill::FormKeyDown(TDrillKey key)
{
    if (ReadyForInput())
        return HandleKey(key);
    // Consumed now; if it is not ours after all, the window gets it back then.
    FQueue.push_back([this, key] {
        if (!HandleKey(key))
            FPorts.View.DeliverUnhandledKey(key);
    });
    return true;
}

bool TDrill::HandleKey(TDrillKey key)
{
    const bool typing = FPhase == TPhase::Thinking && FCfg.UseTextInput;
    switch (key) {
    case TDrillKey::F4:
        StartLessonNow();
        return true;
    case TDrillKey::F5:
        RightButton();
        return true;
    case TDrillKey::Space:
        if (typing)
            return false; // it types into MInput
        RightButton();
        return true;
    case TDrillKey::F8:
        WrongButton();
        return true;
    case TDrillKey::Ctrl:
        if (typing)
            return false;
        WrongButton();
        return true;
    case TDrillKey::Esc:
        if (!FPorts.View.Appearance().UseEscapeForExit)
            return false;
        FPorts.View.CloseWindow();
        return true;
    }
    return false;
}

void TDrill::WaitedSoundEnded(bool played)
{
    const TWaitStep step = FWait;
    FWait = TWaitStep::None;
    switch (step) {
    case TWaitStep::None:
        return; // not ours: nothing is awaited
    case TWaitStep::SourceSound:
        AfterSourceSound(true, played);
        break;
    case TWaitStep::StartSignal:
        AfterStartSignal();
        break;
    case TWaitStep::TimeUpSignal:
        AfterRevealSignal();
        break;
    }
    DrainQueue();
}

// ---------------------------------------------------------------------------
// Opening and running a lesson

void TDrill::PrepareForLesson()
{
    // A new lesson ends whatever was going on, an awaited sound included
    // (ResetPanes stops it) and the input queued behind it.
    FWait = TWaitStep::None;
    FPresentFromTick = false;
    FQueue.clear();

    FPhase = TPhase::Idle;
    FLesson.RunState = 0;
    ResetPanes();
    UpdateKeyCaptions();
    FPorts.View.RepaintProgress();
    FPorts.View.SetCounterLabel(TCounterLabel::ShowMoreTotal, TotalCounterText(std::nullopt));
    FPorts.View.SetCounterLabel(TCounterLabel::SelQShowMoreTimes, RepeatsCounterText(std::nullopt));
    FPorts.View.LayoutPanes();
    FPorts.Sound.PlaceSoundButtons();
    FBook.Drop();
}

void TDrill::OpenLesson(const std::string& path)
{
    PrepareForLesson();
    FLesson.LoadFromFile(path); // a read failure leaves the lesson cleared and passes on

    if (!FLesson.Loaded) {
        FPorts.Messages.ShowMsgBox(NotLessonText(path), TMsgButtons::Ok);
        FPorts.View.ShowInPane(TPane::MInfo, ChooseLessonText());
        return;
    }
    FCalculator.CalculateNorms(FLesson);
    FPorts.View.AddRecentLesson(path);
    ShowOpenedLesson(path);
}

void TDrill::OpenGathered(TLesson lesson, const std::string& name)
{
    PrepareForLesson();
    FLesson = std::move(lesson);
    FLesson.FileName = name;
    FLesson.Loaded = !FLesson.Questions.empty();
    FLesson.Origins.resize(FLesson.Questions.size());
    FLesson.RunState = 0;
    FLesson.Current = nullptr;
    FLesson.CurrentIndex = -1;
    if (!FLesson.Loaded) {
        FPorts.View.ShowInPane(TPane::MInfo, ChooseLessonText());
        return;
    }
    FCalculator.CalculateNorms(FLesson);
    ShowOpenedLesson(name);
}

void TDrill::ShowOpenedLesson(const std::string& name)
{
    FPorts.View.UpdateCaption();
    FPorts.View.SetCounterLabel(TCounterLabel::ShowMoreTotal,
                                TotalCounterText(FLesson.QuestionCount()));
    korvan::LogLessonOpened(FPorts.Log, name);
    const TShownText info = LessonInfoText(FLesson.Title);
    FPorts.View.ShowInPane(TPane::MInfo, info);
    Say(info);
}

void TDrill::StartLessonNow()
{
    if (!FLesson.Loaded)
        return;
    FPhase = TPhase::Idle;
    FLesson.RunState = 1;
    ResetPanes();

    FModeIndex = FPorts.Behavior.CurrentMode();
    // Hand-edited values are made sound on the copy; the log below shows the
    // values the run uses, not the stored ones.
    FCfg = NormalizeRunCfg(FPorts.Behavior.CurrentCfg());
    FLesson.StartTime = FPorts.Clock.Now();
    FBook.Start(FCfg); // counters, questions in play, the first question selected

    FPorts.View.ApplyAppearance();
    FPorts.Sound.SetSpeech(FCfg.UseSpeech);
    FPorts.Sound.PlaceSoundButtons();
    UpdateKeyCaptions();
    korvan::LogRunSettings(FPorts.Log, FCfg, FPorts.Behavior.ModeName(FModeIndex));
    NextQuestion();
}

void TDrill::NextQuestion()
{
    FPhase = TPhase::Idle;
    ResetPanes();
    FPorts.View.RepaintProgress();
    FPorts.View.SetCounterLabel(TCounterLabel::ShowMoreTotal,
                                TotalCounterText(FLesson.UnfinishedCount));
    if (!FBook.SelectNext()) {
        FinishLesson();
        return;
    }
    FPorts.View.SetCounterLabel(TCounterLabel::SelQShowMoreTimes,
                                RepeatsCounterText(FLesson.Current->RepeatsLeft));
    BeginQuestion();
}

void TDrill::FinishLesson()
{
    FLesson.RunState = 2;
    FPorts.View.SetCounterLabel(TCounterLabel::SelQShowMoreTimes, RepeatsCounterText(std::nullopt));
    FPorts.View.LayoutPanes();
    FPorts.Sound.PlaceSoundButtons();

    const TGrade grade = ComputeGrade(FLesson.QuestionCount() * FCfg.InitialShows,
                                      FLesson.MistakeTotal, FCfg.MistakeChange);
    const std::int64_t elapsedMs = ElapsedMilliseconds(FLesson.StartTime, FPorts.Clock.Now());
    const TPhrase results =
        ResultsLine(FLesson.QuestionCount(), FLesson.MistakeTotal, grade.Points);
    const TPhrase time =
        TimeLine(elapsedMs, std::int64_t{FLesson.RightTotal} + FLesson.MistakeTotal);

    const TShownText info = {Content("\r\n" + grade.Name + "\r\n\r\n"), results, Content("\r\n"),
                             time};
    FPorts.View.ShowInPane(TPane::MInfo, info);
    Say(info);
    korvan::WriteResultsToLog(FPorts.Log, FLesson, FCfg.TranslRE, grade.Name, results, time);
    if (FPorts.Verdicts != nullptr)
        FPorts.Verdicts->RunEnded();
    // A gathered lesson has no file of its own to derive a lesson from.
    if (FLesson.Origins.empty())
        FPorts.View.OfferMistakesSave(FCfg);
    ShowHelp(DrillTexts().HelpEndOfRun);
}

// ---------------------------------------------------------------------------
// Log entries of the window

void TDrill::LogProgramStarted()
{
    korvan::LogProgramStarted(FPorts.Log);
}

void TDrill::LogPupil(const std::string& pupilName)
{
    korvan::LogPupil(FPorts.Log, pupilName);
}

void TDrill::LogProgramFinished()
{
    korvan::LogProgramFinished(FPorts.Log);
}

} // namespace korvan
