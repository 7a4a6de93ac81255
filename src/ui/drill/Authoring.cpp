#include "ui/drill/Authoring.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>

#include <exception>
#include <filesystem>
#include <system_error>

#include "drill/Messages.h"
#include "settings/LessonAuthoring.h"
#include "ui/platform/ShellOpen.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"
#include "util/FileCopy.h"
#include "util/Paths.h"

namespace korvan {

namespace {

// Made when asked, after the catalogues are installed.
QString WordFilter()
{
    return QCoreApplication::translate("TAuthoring", "Файлы MS Word (*.doc)");
}

} // namespace

TAuthoring::TAuthoring(QWidget* window, std::string programFolder, std::string createFolder)
    : ChooseNewDocument([this](const QString& folder, const QString& proposed) {
          return RunSaveWordDialog(folder, proposed);
      }),
      ChooseExistingDocument([this](const QString& folder) { return RunOpenWordDialog(folder); }),
      Window(window), ProgramFolder(std::move(programFolder)),
      FCreateFolder(std::move(createFolder))
{
    // The documents and templates of the interface's language.
    const auto shipped = [this](const char* folder, const char* name) {
        return ShippedForLanguage(ProgramFolder + folder, name, InstalledLanguage());
    };
    ALessonCreate_Word_Ordinary = MakeAction(
        "ALessonCreate_Word_Ordinary",
        QT_TRANSLATE_NOOP("TAuthoring", "Создать обычный урок с помощью MS Word ..."),
        [this, shipped] { CreateLessonFromTemplate(shipped("macros/", "pattern_ordinary.doc")); });
    ALessonCreate_Word_Words = MakeAction(
        "ALessonCreate_Word_Words",
        QT_TRANSLATE_NOOP("TAuthoring", "Создать урок для изучения слов с помощью MS Word ..."),
        [this, shipped] { CreateLessonFromTemplate(shipped("macros/", "pattern_words.doc")); });
    ALessonEdit_Word =
        MakeAction("ALessonEdit_Word",
                   QT_TRANSLATE_NOOP("TAuthoring", "Продолжить редактирование урока в MS Word ..."),
                   [this] { EditLessonInWordProcessor(); });
    AHelpUserGuide = MakeAction(
        "AHelpUserGuide", QT_TRANSLATE_NOOP("TAuthoring", "Описание работы с программой"),
        [shipped] { ShellOpen(shipped("docs/korvan/", "user_guide.htm")); });
    AHelpLessonCrt =
        MakeAction("AHelpLessonCrt",
                   QT_TRANSLATE_NOOP("TAuthoring", "Создание собственных уроков для программы"),
                   [shipped] { ShellOpen(shipped("docs/korvan/", "lesson_crt.htm")); });
    AWebKorvanHome = MakeAction("AWebKorvanHome", QT_TRANSLATE_NOOP("TAuthoring", "Сайт программы"),
                                [] { ShellOpen(KorvanWebPage); });
    AEmailMe = MakeAction("AEmailMe", QT_TRANSLATE_NOOP("TAuthoring", "Написать мне письмо"),
                          [] { ShellOpen(std::string("mailto:") + AuthorEmail); });
}

TAuthoring::~TAuthoring()
{
    for (const QPointer<QObject>& object : Owned)
        delete object.data();
}

QAction* TAuthoring::MakeAction(const char* name, const char* caption, std::function<void()> work)
{
    auto* action = new QAction(QCoreApplication::translate("TAuthoring", caption), Window);
    action->setObjectName(QString::fromLatin1(name));
    Owned << action;
    QObject::connect(action, &QAction::triggered, Window, [this, work = std::move(work)] {
        // A failed copy is shown as the program shows any failure of a
        // command, and the program goes on.
        try {
            work();
        } catch (const TSilentAbort&) {
        } catch (const std::exception& e) {
            ShowMsgBox(Window, QString::fromUtf8(e.what()), false);
        }
    });
    return action;
}

QMenu* TAuthoring::AddLessonCreateMenu(QMenu* pmLesson)
{
    QMenu* menu = pmLesson->addMenu(
        QCoreApplication::translate("TAuthoring", "Создать / редактировать урок"));
    menu->setObjectName(QStringLiteral("MILessonCreate"));
    menu->addAction(AHelpLessonCrt);
    menu->addSeparator();
    menu->addAction(ALessonCreate_Word_Ordinary);
    menu->addAction(ALessonCreate_Word_Words);
    menu->addAction(ALessonEdit_Word);
    return menu;
}

void TAuthoring::FillHelpMenu(QMenu* pmHelp, QAction* about)
{
    pmHelp->addAction(AHelpUserGuide);
    pmHelp->addAction(AHelpLessonCrt);
    pmHelp->addSeparator();
    pmHelp->addAction(AWebKorvanHome);
    pmHelp->addAction(AEmailMe);
    pmHelp->addSeparator();
    if (about != nullptr)
        pmHelp->addAction(about);
}

void TAuthoring::CreateLessonFromTemplate(const std::string& templatePath)
{
    // A bundled lesson's folder is proposed as the user's own lessons instead.
    const QString folder = PathText(ProposedWriteFolder(FCreateFolder));
    const QString chosen = ChooseNewDocument(
        folder, folder + QCoreApplication::translate("TAuthoring", "Новый урок.doc"));
    if (chosen.isEmpty())
        return;
    std::error_code error;
    std::string chosenPath = PathOf(chosen);
    const std::filesystem::path absolute = std::filesystem::absolute(chosenPath, error);
    if (!error)
        chosenPath = absolute.string();
    const std::string name = WordDocumentName(chosenPath);
    // The dialog asked about the name it was given; a document that the added
    // ".doc" would replace has not been asked about yet.
    if (name != chosenPath && std::filesystem::exists(name, error) &&
        !ShowMsgBox(
            Window,
            QCoreApplication::translate("TAuthoring", "Файл \"%1\" уже существует. Заменить его?")
                .arg(PathText(name)),
            true))
        return;
    CopyFileToPath(templatePath, name);
    ShellOpen(name);
}

void TAuthoring::EditLessonInWordProcessor()
{
    const QString chosen = ChooseExistingDocument(PathText(FCreateFolder));
    if (!chosen.isEmpty())
        ShellOpen(PathOf(chosen));
}

QString TAuthoring::RunSaveWordDialog(const QString& folder, const QString& proposed)
{
    if (SaveWordDialog == nullptr) {
        SaveWordDialog = new QFileDialog(
            Window, QCoreApplication::translate("TAuthoring", "Создать урок в файле"));
        SaveWordDialog->setObjectName(QStringLiteral("SaveWordDialog"));
        Owned << SaveWordDialog;
        SaveWordDialog->setAcceptMode(QFileDialog::AcceptSave);
        SaveWordDialog->setFileMode(QFileDialog::AnyFile);
        SaveWordDialog->setNameFilter(WordFilter());
    }
    SaveWordDialog->setDirectory(folder);
    SaveWordDialog->selectFile(proposed);
    if (SaveWordDialog->exec() != QDialog::Accepted || SaveWordDialog->selectedFiles().isEmpty())
        return {};
    return SaveWordDialog->selectedFiles().constFirst();
}

QString TAuthoring::RunOpenWordDialog(const QString& folder)
{
    if (OpenWordDialog == nullptr) {
        OpenWordDialog = new QFileDialog(
            Window,
            QCoreApplication::translate("TAuthoring", "Редактировать урок находящийся в файле"));
        OpenWordDialog->setObjectName(QStringLiteral("OpenWordDialog"));
        Owned << OpenWordDialog;
        OpenWordDialog->setAcceptMode(QFileDialog::AcceptOpen);
        OpenWordDialog->setFileMode(QFileDialog::ExistingFile);
        OpenWordDialog->setNameFilter(WordFilter());
    }
    OpenWordDialog->setDirectory(folder);
    if (OpenWordDialog->exec() != QDialog::Accepted || OpenWordDialog->selectedFiles().isEmpty())
        return {};
    return OpenWordDialog->selectedFiles().constFirst();
}

} // namespace korvan
