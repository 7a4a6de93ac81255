#include "ui/drill/MainMenus.h"

#include <QAction>
#include <QMenu>

#include "ui/drill/Authoring.h"

namespace korvan {

namespace {

QMenu* MakeMenu(QWidget* window, const char* name)
{
    auto* menu = new QMenu(window);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// Owned by the menu; where it goes in the menu is the caller's.
QAction* MakeAction(QMenu* menu, const char* name, const char* caption,
                    std::function<void()> handler)
{
    auto* action = new QAction(QString::fromUtf8(caption), menu);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, menu, std::move(handler));
    return action;
}

} // namespace

TMainMenus::TMainMenus(QWidget* window, TMenuHandlers handlers, TAuthoring& authoring)
{
    PMCustomize = MakeMenu(window, "PMCustomize");
    APupil = MakeAction(PMCustomize, "APupil", "Ученики ...", std::move(handlers.Pupil));
    ABehavior = MakeAction(PMCustomize, "ABehavior", "Поведение программы ...",
                           std::move(handlers.Behavior));
    ASkin = MakeAction(PMCustomize, "ASkin", "Внешний вид программы ...", std::move(handlers.Skin));
    // Beside the pupils, where a teacher manages the class.
    ATeacherReport = MakeAction(PMCustomize, "ATeacherReport", "Отчёт для учителя ...",
                                std::move(handlers.Report));
    AReview = MakeAction(PMCustomize, "AReview", "Повторение ...", std::move(handlers.Review));
    PMCustomize->addActions({APupil, ATeacherReport, ABehavior, ASkin, AReview});

    PMHelp = MakeMenu(window, "PMHelp");
    AAbout = MakeAction(PMHelp, "AAbout", "О программе ...", std::move(handlers.About));
    authoring.FillHelpMenu(PMHelp, AAbout);
}

} // namespace korvan
