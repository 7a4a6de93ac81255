#include "App.h"

#include <QApplication>
#include <QLocale>

#include <clocale>
#include <memory>
#include <string>
#include <vector>

#include "Fonts.h"
#include "MainWindow.h"
#include "SingleInstance.h"
#include "SkinDialog.h"
#include "UiHelpers.h"
#include "settings/BehaviorSettings.h"
#include "util/ProgramFolder.h"

namespace korvan {

void UseFixedFormats()
{
    // QApplication has set every category from the environment; numbers go
    // back to "C". Dates and numbers of the core never read the locale.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

namespace {

// The windows in their order of creation. Members are destroyed in reverse:
// the appearance dialog writes Skin.ini, the behaviour settings Korvan.ini,
// and the main window, last, logs the end and closes the log.
struct TWindows
{
    std::unique_ptr<TFMain> Main;
    // The pupils dialogs would come here.
    std::unique_ptr<TBehaviorSettings> Behavior; // the behaviour dialog's state
    std::unique_ptr<TFSkin> Skin;
    // The about box and the input-mode prompt would come here.

    ~TWindows()
    {
        if (Main)
            Main->AttachDialogs(nullptr, nullptr);
        Skin.reset();
        Behavior.reset();
        Main.reset();
    }
};

} // namespace

int RunKorvan(int argc, char* argv[], const TAfterShow& afterShow)
{
    // Before the application object: a second copy leaves without ever
    // talking to the display.
    TSingleInstance marker;
    if (!marker.TryAcquire())
        return 0;

    QApplication app(argc, argv);
    UseFixedFormats();
    QApplication::setApplicationName(QStringLiteral("korvan"));
    // The taskbar text; window manager titles carry it after the caption.
    QApplication::setApplicationDisplayName(
        QString::fromUtf8("Korvan: Программа обучения английскому языку"));
    InitProgramFolder();
    InstallFontSubstitutes();
    LoadPhoneticFont(QString::fromStdString(ProgramFolder()));

    int exitCode = 0;
    {
        TWindows windows;
        try {
            windows.Main = std::make_unique<TFMain>();
        } catch (const std::exception& e) {
            // Most likely a program folder that cannot be written (Log.txt).
            ShowMsgBox(nullptr, QString::fromUtf8(e.what()), false);
            return 1;
        }
        windows.Behavior = std::make_unique<TBehaviorSettings>(ProgramFile("Korvan.ini"),
                                                               ProgramFile("Modes.ini"));
        windows.Skin = std::make_unique<TFSkin>(windows.Main.get());
        windows.Main->AttachDialogs(windows.Behavior.get(), windows.Skin.get());

        std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
        windows.Main->SetCommandLine(std::move(arguments));
        windows.Main->RestorePlacement();
        windows.Main->show();
        if (afterShow)
            afterShow(windows.Main.get());

        // With one main window, minimizing it minimizes the whole program.
        exitCode = QApplication::exec();
        marker.Release();
    }
    return exitCode;
}

} // namespace korvan
