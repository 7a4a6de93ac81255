#include "ui/drill/MainMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "i18n/Language.h"
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
QAction* MakeAction(QMenu* menu, const char* name, const QString& caption,
                    std::function<void()> handler)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, menu, std::move(handler));
    return action;
}

} // namespace

TMainMenus::TMainMenus(QWidget* window, TMenuHandlers handlers, TAuthoring& authoring)
{
    PMCustomize = MakeMenu(window, "PMCustomize");
    APupil =
        MakeAction(PMCustomize, "APupil", QCoreApplication::translate("TMainMenus", "Ученики ..."),
                   std::move(handlers.Pupil));
    ABehavior = MakeAction(PMCustomize, "ABehavior",
                           QCoreApplication::translate("TMainMenus", "Поведение программы ..."),
                           std::move(handlers.Behavior));
    ASkin = MakeAction(PMCustomize, "ASkin",
                       QCoreApplication::translate("TMainMenus", "Внешний вид программы ..."),
                       std::move(handlers.Skin));
    // Beside the pupils, where a teacher manages the class.
    ATeacherReport = MakeAction(PMCustomize, "ATeacherReport",
                                QCoreApplication::translate("TMainMenus", "Отчёт для учителя ..."),
                                std::move(handlers.Report));
    AReview = MakeAction(PMCustomize, "AReview",
                         QCoreApplication::translate("TMainMenus", "Повторение ..."),
                         std::move(handlers.Review));
    PMCustomize->addActions({APupil, ATeacherReport, ABehavior, ASkin, AReview});

    PMHelp = MakeMenu(window, "PMHelp");
    AAbout =
        MakeAction(PMHelp, "AAbout", QCoreApplication::translate("TMainMenus", "О программе ..."),
                   std::move(handlers.About));
    authoring.FillHelpMenu(PMHelp, AAbout);

    // Each language in its own name, so that a user who cannot read the
    // present one still finds theirs.
    PMLanguage = MakeMenu(window, "PMLanguage");
    PMLanguage->setTitle(QCoreApplication::translate("TMainMenus", "Язык интерфейса"));
    auto* group = new QActionGroup(PMLanguage);
    const auto choice = [this, group, choose = handlers.ChooseLanguage,
                         stored = handlers.StoredLanguage](const char* name, const QString& caption,
                                                           const char* value) {
        QAction* action = MakeAction(PMLanguage, name, caption, [choose, stored, value] {
            if (stored() != value)
                choose(value);
        });
        action->setCheckable(true);
        action->setData(QString::fromLatin1(value));
        group->addAction(action);
        PMLanguage->addAction(action);
        return action;
    };
    ALanguageSystem =
        choice("ALanguageSystem", QCoreApplication::translate("TMainMenus", "Как в системе"),
               StoredValue(std::nullopt));
    ALanguageRussian =
        choice("ALanguageRussian", QString::fromUtf8("Русский"), StoredValue(TUiLanguage::Russian));
    ALanguageEnglish =
        choice("ALanguageEnglish", QStringLiteral("English"), StoredValue(TUiLanguage::English));
    // The stored choice may change outside the menu (Skin.ini read at start).
    QObject::connect(PMLanguage, &QMenu::aboutToShow, PMLanguage,
                     [group, stored = handlers.StoredLanguage] {
                         const QString value = QString::fromStdString(stored());
                         QAction* checked = group->actions().front();
                         for (QAction* action : group->actions())
                             if (action->data().toString() == value)
                                 checked = action;
                         checked->setChecked(true);
                     });
    PMHelp->insertMenu(AAbout, PMLanguage);
    PMHelp->insertSeparator(AAbout);
}

} // namespace korvan
