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

TAppWindows::TAppWindows()
{
    FMain = std::make_unique<TFMain>();
    FBehavior =
        std::make_unique<TBehaviorSettings>(ProgramFile("Korvan.ini"), ProgramFile("Modes.ini"));
    FSkin = std::make_unique<TFSkin>(FMain.get());
    FMain->AttachDialogs(FBehavior.get(), FSkin.get());
}

TAppWindows::~TAppWindows()
{
    FMain->AttachDialogs(nullptr, nullptr);
    FSkin.reset();
    FBehavior.reset();
    FMain.reset();
}

void TAppWindows::Show(std::vector<std::string> arguments)
{
    FMain->SetCommandLine(std::move(arguments));
    FMain->RestorePlacement();
    FMain->show();
}

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

    std::unique_ptr<TAppWindows> windows;
    try {
        windows = std::make_unique<TAppWindows>();
    } catch (const std::exception& e) {
        // Most likely a program folder that cannot be written (Log.txt).
        ShowMsgBox(nullptr, QString::fromUtf8(e.what()), false);
        return 1;
    }
    windows->Show(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (afterShow)
        afterShow(&windows->Main());

    // With one main window, minimizing it minimizes the whole program.
    const int exitCode = QApplication::exec();
    marker.Release();
    windows.reset();
    return exitCode;
}

} // namespace korvan
