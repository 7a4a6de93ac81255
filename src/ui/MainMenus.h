#pragma once

// The popup menus of the three buttons at the top of the right-hand column:
// PMLesson under "Урок", PMCustomize under "Настройка", PMHelp under "Помощь".

#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace korvan {

struct TMenuHandlers
{
    std::function<void()> LessonOpen; // ALessonOpen
    std::function<void()> Skin;       // ASkin
};

class TMainMenus
{
public:
    TMainMenus(QWidget* window, TMenuHandlers handlers);

    QMenu* PMLesson = nullptr;
    QMenu* PMCustomize = nullptr;
    QMenu* PMHelp = nullptr;

    QAction* ALessonOpen = nullptr;
    // Disabled until their dialogs exist.
    QAction* APupil = nullptr;
    QAction* ABehavior = nullptr;
    QAction* ASkin = nullptr;
    QAction* AAbout = nullptr;
};

} // namespace korvan
