#include "ui/editor/EditorLaunch.h"

#include <QApplication>
#include <QProcess>

#include <filesystem>

#include "timing/TimeCalculator.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/platform/SoundModuleLoader.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"
#include "util/Text.h"

namespace korvan {

TLessonEditorHooks ProgramEditorHooks()
{
    TLessonEditorHooks hooks;
    hooks.BufferPath = ShippedFile("Buffer.WAV");
    // One engine for every editor: the library's state is global, and it is
    // used from this thread alone. The sound module loads at the first use.
    static TDeferredSpeech engine;
    hooks.Voice = &engine;
    hooks.Import = ImportLessonFile;
    hooks.NewLessonFolder = UserLessonsFolder();
    return hooks;
}

int RunEditorAlone(const std::string& path)
{
    const TTimeCalculator norms(AdaptableFile("Time.ini"), [](const TShownText& message) {
        ShowMsgBox(nullptr, Shown(message), false);
    });
    TLessonEditorHooks hooks = ProgramEditorHooks();
    hooks.TryInTrainer = [](const std::string& lesson) {
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {PathText(lesson)});
    };
    TFLessonEditor editor(&norms, std::move(hooks));
    std::error_code error;
    const std::filesystem::path absolute =
        path.empty() ? std::filesystem::path() : std::filesystem::absolute(path, error);
    if (!editor.OpenLesson(error ? path : absolute.string()))
        editor.OpenLesson({});
    editor.show();
    return QApplication::exec();
}

} // namespace korvan
