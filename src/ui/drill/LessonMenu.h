#pragma once

// The lesson menu PMLesson behind the button "Урок": opening a lesson through
// the open dialog or from the recent list, the manual save of a derived lesson
// and the authoring submenu. Built afresh each time the button is pressed.

#include <QString>

#include <functional>
#include <string>

class QAbstractButton;
class QAction;
class QFileDialog;
class QMenu;
class QWidget;

namespace korvan {

class TLesson;
class TRecentLessons;

struct TLessonMenuHandlers
{
    // OpenLesson of the drill (which calls AddRecentLesson on success).
    std::function<void(const std::string& path)> OpenLesson;
    // ALessonSave_WhatRestOrWithMistakes.
    std::function<void()> SaveRestOrWithMistakes;
    // AImportLesson: "Импорт урока ...".
    std::function<void()> ImportLesson;
    // The lesson editor: on a new lesson, or on the chosen file.
    std::function<void()> NewLesson;
    std::function<void(const std::string& path)> EditLesson;
    // AReviewToday: the review of the cards due today.
    std::function<void()> ReviewToday;
};

class TLessonMenu
{
public:
    // `window` owns the menu, its actions and the open dialog; the lesson and
    // the recent list belong to the window and outlive the menu.
    TLessonMenu(QWidget* window, const TLesson& lesson, const TRecentLessons& recent,
                TLessonMenuHandlers handlers);

    // BLessonClick: Prepare, then opens PMLesson under the button.
    void BLessonClick(QAbstractButton* bLesson);
    // Refills MIOpenRecent from the recent list and enables the items that
    // depend on the state: the recent submenu when the list is not empty, the
    // manual save when a lesson read from a file is loaded.
    void Prepare();

    // The number of cards due today in AReviewToday's caption, which is
    // disabled when none is due (or the count is not known yet: below 0).
    void SetReviewCount(int due);

    // "Открыть урок ...": the open dialog in the open folder, then OpenLesson.
    void ALessonOpenExecute();
    // A recent entry: OpenLesson of the entry at `tag`.
    void AOpenRecentExecute(int tag);
    // "Редактировать урок ...": a file dialog that proposes the open lesson
    // (any file may be chosen: one that is not a lesson is offered to the
    // importer), then EditLesson.
    void ALessonEditExecute();

    // Replaces the disabled placeholder of "Создать / редактировать урок" by
    // the submenu that `add` appends to PMLesson (the authoring actions).
    void UseLessonCreateMenu(const std::function<QMenu*(QMenu* pmLesson)>& add);

    // Filter "Файлы уроков (*.sl2)", existing files only; made on first use.
    QFileDialog* OpenLessonDialog();

    QMenu* PMLesson = nullptr;
    QMenu* MIOpenRecent = nullptr;   // "Открыть недавний урок"
    QMenu* MILessonSave = nullptr;   // "Сохранить урок"
    QMenu* MILessonCreate = nullptr; // "Создать / редактировать урок"
    QAction* ALessonOpen = nullptr;
    QAction* AImportLesson = nullptr;
    QAction* AReviewToday = nullptr; // "Повторение на сегодня (N) ...", F6
    QAction* ALessonSave_WhatRestOrWithMistakes = nullptr;
    QAction* ALessonNew = nullptr;  // "Новый урок ..."
    QAction* ALessonEdit = nullptr; // "Редактировать урок ..."
    // The authoring placeholders, disabled until UseLessonCreateMenu.
    QAction* AHelpLessonCrt = nullptr;
    QAction* ALessonCreate_Word_Ordinary = nullptr;
    QAction* ALessonCreate_Word_Words = nullptr;
    QAction* ALessonEdit_Word = nullptr;

private:
    // Runs a command as the application's error report would: a refusal ends
    // it silently, any other failure is shown with its text.
    void Guarded(const std::function<void()>& work);

    QWidget* Window;
    const TLesson& Lesson;
    const TRecentLessons& Recent;
    TLessonMenuHandlers Handlers;
    QFileDialog* OpenDialog = nullptr;
};

// The caption of recent entry `index` (0-based): the number from 1, two blanks
// and the path as the file system names it, with "&" shown as itself.
QString RecentItemCaption(int index, const std::string& path);

} // namespace korvan
