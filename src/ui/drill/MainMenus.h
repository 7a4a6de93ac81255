#pragma once

// The popup menus of two of the three buttons at the top of the right-hand
// column: PMCustomize under "Настройка" and PMHelp under "Помощь". The lesson
// menu under "Урок" is TLessonMenu (LessonMenu.h).

#include <QString>

#include <functional>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace korvan {

struct TMenuHandlers
{
    std::function<void()> Pupil;    // APupil
    std::function<void()> Report;   // ATeacherReport
    std::function<void()> Behavior; // ABehavior
    std::function<void()> Skin;     // ASkin
    std::function<void()> About;    // AAbout
    std::function<void()> Review;   // AReview
    // PMLanguage: the stored choice ("" as the system, "ru", "en") and a new
    // one the user picked.
    std::function<std::string()> StoredLanguage;
    std::function<void(const std::string&)> ChooseLanguage;
};

class TAuthoring;

class TMainMenus
{
public:
    // The help menu takes the documents, the web page and the letter from
    // `authoring`, then "Язык интерфейса" and "О программе ...".
    TMainMenus(QWidget* window, TMenuHandlers handlers, TAuthoring& authoring);

    QMenu* PMCustomize = nullptr;
    QMenu* PMHelp = nullptr;
    QMenu* PMLanguage = nullptr; // "Язык интерфейса", in the help menu

    QAction* APupil = nullptr;
    QAction* ATeacherReport = nullptr;
    QAction* ABehavior = nullptr;
    QAction* ASkin = nullptr;
    QAction* AReview = nullptr; // "Повторение ...": the review settings
    QAction* AAbout = nullptr;
    QAction* ALanguageSystem = nullptr;  // "Как в системе"
    QAction* ALanguageRussian = nullptr; // "Русский"
    QAction* ALanguageEnglish = nullptr; // "English"
};

} // namespace korvan
