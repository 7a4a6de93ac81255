#include "MainMenus.h"

#include <QAction>
#include <QMenu>

namespace korvan {

namespace {

QMenu* MakeMenu(QWidget* window, const char* name)
{
    auto* menu = new QMenu(window);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* MakeAction(QMenu* menu, const char* name, const char* caption,
                    std::function<void()> handler)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (handler)
        QObject::connect(action, &QAction::triggered, menu, std::move(handler));
    else
        action->setEnabled(false);
    return action;
}

} // namespace

TMainMenus::TMainMenus(QWidget* window, TMenuHandlers handlers)
{
    PMCustomize = MakeMenu(window, "PMCustomize");
    APupil = MakeAction(PMCustomize, "APupil", "Ученики ...", std::move(handlers.Pupil));
    ABehavior = MakeAction(PMCustomize, "ABehavior", "Поведение программы ...",
                           std::move(handlers.Behavior));
    ASkin = MakeAction(PMCustomize, "ASkin", "Внешний вид программы ...", std::move(handlers.Skin));

    PMHelp = MakeMenu(window, "PMHelp");
    AAbout = MakeAction(PMHelp, "AAbout", "О программе ...", std::move(handlers.About));
}

} // namespace korvan
