#include "ui/drill/MainWindow.h"

#include <QApplication>

#include <cctype>
#include <filesystem>

#include "drill/Drill.h"
#include "memory/ReviewLesson.h"
#include "settings/BehaviorSettings.h"
#include "settings/MemorySettings.h"
#include "settings/SkinCfg.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/BehaviorDialog.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/dialogs/InputModeDialog.h"
#include "ui/dialogs/PupilsDialog.h"
#include "ui/dialogs/ReviewDialog.h"
#include "ui/dialogs/SkinDialog.h"
#include "ui/drill/MemoryService.h"
#include "ui/editor/EditorLaunch.h"
#include "ui/platform/Cp1251.h"
#include "ui/platform/QtPorts.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"
#include "util/Text.h"

namespace korvan {

namespace {

// Longest lesson title in the caption, in characters.
constexpr std::size_t MaxCaptionTitle = 255;

} // namespace

std::string LessonPathOfArgument(const std::string& argument)
{
    const std::string path(TrimControls(argument));
    // "D:\..." stays absolute as it always was; "/..." is the absolute form here.
    if ((!path.empty() && path[0] == '/') || (path.size() > 1 && path[1] == ':'))
        return path;
    // The user's own file of that name first, then the bundled one.
    return AdaptableFile(path);
}

// ---------------------------------------------------------------------------
// Start-up, the command line, the caption

void TFMain::StartUp()
{
    // Any argument skips both start-up questions.
    if (!Arguments.empty()) {
        ProcessCommandLine();
        return;
    }
    Guard([this] {
        if (PupilsDialog && PupilsDialog->ExecuteAtStartup())
            PupilChanged();
    });
    Guard([this] {
        // The answer sets the behaviour settings; the next run takes them.
        if (Skin().AskAtStartupUseTextInput && InpModeDialog && BehaviorDialog)
            InpModeDialog->Execute(BehaviorDialog->Settings().CurrentCfg.UseTextInput);
    });
}

void TFMain::PupilChanged()
{
    if (PupilsDialog) {
        // A pupil renamed keeps their history.
        for (const auto& [from, to] : PupilsDialog->TakeRenames())
            FMemory->CarryHistory(from, to);
        PupilName = PupilsDialog->CurrentPupil();
    }
    UpdateCaption();
    FDrill->LogPupil(PupilName);
    FMemory->SetPupil(PupilName);
}

void TFMain::WarnSettingsApplyLater()
{
    if (FLesson.RunState == 1)
        ShowMsgBox(this,
                   tr("Выбранные Вами параметры будут использованы только при работе со "
                      "следующим уроком или после повторного запуска текущего урока."),
                   false);
}

void TFMain::UpdateCaption()
{
    const QString pupil = FromCp1251(PupilName);
    if (!FLesson.Loaded)
        setWindowTitle(tr("%1 | Урок: (нет урока)").arg(pupil));
    else if (FLesson.Title.empty())
        setWindowTitle(tr("%1 | Урок: (без названия)").arg(pupil));
    else
        setWindowTitle(
            tr("%1 | Урок: %2").arg(pupil, FromCp1251(FLesson.Title.substr(0, MaxCaptionTitle))));
}

void TFMain::OpenLessonOrConvert(const std::string& path)
{
    FDrill->OpenLesson(path);
    OfferUtf8LessonConversion(
        this, path, [this](const std::string& converted) { FDrill->OpenLesson(converted); });
}

void TFMain::AImportLessonExecute()
{
    const std::string lesson = ImportLessonInteractive(this);
    if (!lesson.empty())
        FDrill->OpenLesson(lesson);
}

void TFMain::ProcessCommandLine()
{
    if (Arguments.empty())
        return;
    // Whatever fails on the way (a missing file, above all) is told with the
    // path; the mode switch is then not looked at.
    const std::string path = LessonPathOfArgument(Arguments[0]);
    try {
        OpenLessonOrConvert(path);
        if (Arguments.size() >= 2)
            ProcessModeSwitch(Arguments[1]);
    } catch (const TSilentAbort&) {
    } catch (const std::exception& e) {
        ShowMsgBox(this,
                   tr("Ошибка при открытии файла урока \"%1\": %2")
                       .arg(QString::fromUtf8(path), QString::fromUtf8(e.what())),
                   false);
    }
}

void TFMain::ProcessModeSwitch(const std::string& argument)
{
    std::string modeSwitch(TrimControls(argument));
    for (char& c : modeSwitch)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (modeSwitch.compare(0, 2, "/M") != 0)
        return;
    std::int32_t number = 0;
    if (!ParseInt32(std::string_view(modeSwitch).substr(2, 250), number)) {
        ShowMsgBox(this, tr("Ошибка: номер режима должен быть числовым."), false);
        return;
    }
    const std::int64_t index = std::int64_t{number} - 1; // the switch counts from 1
    if (index < 0)
        return;
    const int modes = Behavior.Settings ? Behavior.Settings->ModeCount() : 0;
    if (index >= modes) {
        ShowMsgBox(this, tr("Ошибка: указанного номера режима нет в списке."), false);
        return;
    }
    Behavior.Settings->SelectMode(static_cast<int>(index));
    WarnSettingsApplyLater();
}

// ---------------------------------------------------------------------------
// Menu actions

void TFMain::APupilExecute()
{
    if (PupilsDialog && PupilsDialog->Execute())
        PupilChanged();
}

void TFMain::ABehaviorExecute()
{
    if (BehaviorDialog && BehaviorDialog->Execute())
        WarnSettingsApplyLater();
}

void TFMain::AAboutExecute()
{
    if (AboutDialog)
        AboutDialog->Execute();
}

void TFMain::AReviewTodayExecute()
{
    // The review gathered with the latest count: the cards due at that count.
    const TLesson& review = FMemory->Review();
    if (review.Questions.empty())
        return;
    FDrill->OpenGathered(review, ReviewLessonName);
}

void TFMain::AReviewExecute()
{
    if (!ReviewDialog)
        ReviewDialog =
            new TFReview(this, UserFile("Korvan.ini"), HistoryRoot({}, FileLocations().User));
    if (ReviewDialog->Execute())
        FMemory->ReloadSettings();
}

void TFMain::EditLesson(const std::string& path)
{
    if (!LessonEditor) {
        TLessonEditorHooks hooks = ProgramEditorHooks();
        hooks.Saved = [this](const std::string& saved) { LessonEdited(saved); };
        hooks.TryInTrainer = [this](const std::string& saved) { TryLesson(saved); };
        LessonEditor = std::make_unique<TFLessonEditor>(Calculator.get(), std::move(hooks));
    }
    if (LessonEditor->isVisible() && !LessonEditor->ConfirmDiscard())
        return;
    LessonEditor->OpenLesson(path);
    LessonEditor->show();
    LessonEditor->raise();
    LessonEditor->activateWindow();
}

void TFMain::LessonEdited(const std::string& path)
{
    std::error_code error;
    // A run in progress keeps its questions; the change is read at the next opening.
    if (FLesson.Loaded && FLesson.RunState != 1 &&
        std::filesystem::equivalent(FLesson.FileName, path, error)) {
        // A copy: opening clears the lesson, its file name too.
        const std::string lesson = FLesson.FileName;
        Guard([this, &lesson] { FDrill->OpenLesson(lesson); });
    }
}

void TFMain::TryLesson(const std::string& path)
{
    // A copy: opening clears the lesson whose name may be passed here.
    const std::string lesson = path;
    Guard([this, &lesson] {
        FDrill->OpenLesson(lesson);
        if (FLesson.Loaded)
            FDrill->StartLesson();
    });
    raise();
    activateWindow();
}

void TFMain::ASkinExecute()
{
    if (SkinDialog && SkinDialog->Execute())
        ApplyAppearance();
}

} // namespace korvan
