#include "ui/App.h"

#include <QApplication>
#include <QLocale>

#include <clocale>
#include <memory>
#include <string>
#include <vector>

#include "settings/SkinCfg.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/BehaviorDialog.h"
#include "ui/dialogs/InputModeDialog.h"
#include "ui/dialogs/PupilsDialog.h"
#include "ui/dialogs/SkinDialog.h"
#include "ui/drill/MainWindow.h"
#include "ui/editor/EditorLaunch.h"
#include "ui/platform/Fonts.h"
#include "ui/platform/SingleInstance.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"

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
    FPupils = std::make_unique<TFPupils>(FMain.get());
    FPupilEditor = std::make_unique<TFPupils_e>(FMain.get());
    FPupils->SetEditor(FPupilEditor.get());
    FBehavior = std::make_unique<TFBehavior>(FMain.get());
    FSkin = std::make_unique<TFSkin>(FMain.get());
    FAbout = std::make_unique<TFAbout>(FMain.get());
    FInpMode = std::make_unique<TFInpMode>(FMain.get());
    FMain->AttachDialogs(
        {FPupils.get(), FBehavior.get(), FSkin.get(), FAbout.get(), FInpMode.get()});
}

TAppWindows::~TAppWindows()
{
    FMain->AttachDialogs({});
    FInpMode.reset();
    FAbout.reset();
    FSkin.reset();
    FBehavior.reset();
    FPupilEditor.reset();
    FPupils.reset();
    FMain.reset();
}

void TAppWindows::Show(std::vector<std::string> arguments, const TAfterShow& afterShow)
{
    FMain->SetCommandLine(std::move(arguments));
    FMain->RestorePlacement();
    FMain->show();
    if (afterShow)
        afterShow(FMain.get());
    FMain->StartUp();
}

namespace {

// The language chosen in the help menu (Skin.ini), else the locale's; the
// trainer has always spoken Russian where no locale is set.
void InstallChosenLanguage()
{
    TSkinCfg skin;
    try {
        LoadSkinCfg(skin, UserFile("Skin.ini"));
    } catch (...) {
        // Unreadable settings are the defaults, as the appearance dialog has it.
    }
    InstallTranslations(
        ChooseLanguage(skin.Language, LocaleInputsOfProcess(), TUiLanguage::Russian));
}

// After the application object: formats, names, the program folder, fonts.
// `displayName` (marked in the context "App") is the taskbar text; window
// manager titles carry it after the caption.
void SetUpApplication(const char* displayName, TFontconfigStart& fonts)
{
    UseFixedFormats();
    QApplication::setApplicationName(QStringLiteral("korvan"));
    InitFileLocations();
    InstallChosenLanguage();
    // The taskbar text; window manager titles carry it after the caption.
    QApplication::setApplicationDisplayName(QCoreApplication::translate("App", displayName));
    fonts.Wait();
    InstallFontSubstitutes();
    LoadPhoneticFont(QString::fromStdString(FileLocations().Shipped));
}

} // namespace

int RunKorvan(int argc, char* argv[], const TAfterShow& afterShow)
{
    if (argc >= 2 && std::string(argv[1]) == "--edit") {
        TFontconfigStart fonts;
        QApplication app(argc, argv);
        SetUpApplication(QT_TRANSLATE_NOOP("App", "Korvan: редактор уроков"), fonts);
        return RunEditorAlone(argc >= 3 ? argv[2] : std::string());
    }
    // Before the application object: a second copy leaves without ever
    // talking to the display.
    TSingleInstance marker;
    if (!marker.TryAcquire())
        return 0;
    TFontconfigStart fonts;

    QApplication app(argc, argv);
    SetUpApplication(QT_TRANSLATE_NOOP("App", "Korvan: Программа обучения английскому языку"),
                     fonts);

    std::unique_ptr<TAppWindows> windows;
    try {
        windows = std::make_unique<TAppWindows>();
    } catch (const std::exception& e) {
        // A window that could not be made; a folder that cannot be written
        // is reported by the main window and does not end the program.
        ShowMsgBox(nullptr, QString::fromUtf8(e.what()), false);
        return 1;
    }
    windows->Show(std::vector<std::string>(argv + std::min(argc, 1), argv + argc), afterShow);

    // With one main window, minimizing it minimizes the whole program.
    const int exitCode = QApplication::exec();
    marker.Release();
    windows.reset();
    return exitCode;
}

} // namespace korvan
