#pragma once

// Writing lessons in a word processor and opening the help documents: the
// authoring and help actions of the lesson and help menus. The documents go
// to the desktop through ShellOpen (ui/platform/ShellOpen.h).

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

class QAction;
class QFileDialog;
class QMenu;
class QWidget;

namespace korvan {

class TAuthoring
{
public:
    // `window` owns the actions and the file dialogs; `programFolder` ends in
    // "/"; `createFolder` is where both authoring dialogs start (ending in "/").
    TAuthoring(QWidget* window, std::string programFolder, std::string createFolder);
    // Removes the actions (from every menu) and the dialogs, which call back.
    ~TAuthoring();
    TAuthoring(const TAuthoring&) = delete;
    TAuthoring& operator=(const TAuthoring&) = delete;

    // The save dialog SaveWordDialog, replaceable in tests: gets the starting
    // folder and the proposed path, returns the chosen path or an empty text.
    std::function<QString(const QString& folder, const QString& proposed)> ChooseNewDocument;
    // The open dialog OpenWordDialog, likewise: the chosen path or empty.
    std::function<QString(const QString& folder)> ChooseExistingDocument;

    // Copies the template to a document the user names and opens it. A copy
    // failure throws TIoError before anything is opened.
    void CreateLessonFromTemplate(const std::string& templatePath);
    void EditLessonInWordProcessor();

    const std::string& CreateFolder() const { return FCreateFolder; }

    // Actions, with their menu captions. Each runs its work and shows a failure
    // in the program's message box (the program goes on).
    QAction* ALessonCreate_Word_Ordinary = nullptr;
    QAction* ALessonCreate_Word_Words = nullptr;
    QAction* ALessonEdit_Word = nullptr;
    QAction* AHelpUserGuide = nullptr;
    QAction* AHelpLessonCrt = nullptr;
    QAction* AWebKorvanHome = nullptr;
    QAction* AEmailMe = nullptr;

    // Appends "Создать / редактировать урок" with its submenu to the lesson menu.
    QMenu* AddLessonCreateMenu(QMenu* pmLesson);
    // Fills the help menu: the two documents, the web page and the letter, then
    // `about` ("О программе ..."), with separators between the groups.
    void FillHelpMenu(QMenu* pmHelp, QAction* about);

private:
    QString RunSaveWordDialog(const QString& folder, const QString& proposed);
    QString RunOpenWordDialog(const QString& folder);
    QAction* MakeAction(const char* name, const char* caption, std::function<void()> work);

    QWidget* Window;
    std::string ProgramFolder;
    std::string FCreateFolder;
    QList<QPointer<QObject>> Owned;        // the actions and dialogs, while they exist
    QFileDialog* SaveWordDialog = nullptr; // made on first use
    QFileDialog* OpenWordDialog = nullptr; // made on first use
};

} // namespace korvan
