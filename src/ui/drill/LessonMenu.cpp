#include "ui/drill/LessonMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QUrl>
#include <QWidget>

#include <exception>

#include "drill/Messages.h"
#include "lesson/Lesson.h"
#include "settings/RecentLessons.h"
#include "ui/dialogs/DerivedLessonSave.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"

namespace korvan {

namespace {

// `caption` is marked in the context "TLessonMenu".
QAction* MakeAction(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(QCoreApplication::translate("TLessonMenu", caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* MakeSubmenu(QMenu* parent, const char* name, const char* caption)
{
    QMenu* menu = parent->addMenu(QCoreApplication::translate("TLessonMenu", caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

QString RecentItemCaption(int index, const std::string& path)
{
    // A menu caption takes "&" for a mnemonic.
    QString shown = QFile::decodeName(path.c_str());
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QString::number(index + 1) + QStringLiteral("  ") + shown;
}

TLessonMenu::TLessonMenu(QWidget* window, const TLesson& lesson, const TRecentLessons& recent,
                         TLessonMenuHandlers handlers)
    : Window(window), Lesson(lesson), Recent(recent), Handlers(std::move(handlers))
{
    PMLesson = new QMenu(window);
    PMLesson->setObjectName(QStringLiteral("PMLesson"));

    ALessonOpen =
        MakeAction(PMLesson, "ALessonOpen", QT_TRANSLATE_NOOP("TLessonMenu", "Открыть урок ..."));
    QObject::connect(ALessonOpen, &QAction::triggered, PMLesson,
                     [this] { Guarded([this] { ALessonOpenExecute(); }); });
    MIOpenRecent = MakeSubmenu(PMLesson, "MIOpenRecent",
                               QT_TRANSLATE_NOOP("TLessonMenu", "Открыть недавний урок"));
    AReviewToday = MakeAction(PMLesson, "AReviewToday",
                              QT_TRANSLATE_NOOP("TLessonMenu", "Повторение на сегодня ..."));
    // A pupil who reviews every day starts it with one key, menu closed.
    AReviewToday->setShortcut(QKeySequence(Qt::Key_F6));
    AReviewToday->setShortcutContext(Qt::WindowShortcut);
    window->addAction(AReviewToday);
    QObject::connect(AReviewToday, &QAction::triggered, PMLesson, [this] {
        Guarded([this] {
            if (Handlers.ReviewToday)
                Handlers.ReviewToday();
        });
    });
    SetReviewCount(-1);
    AImportLesson =
        MakeAction(PMLesson, "AImportLesson", QT_TRANSLATE_NOOP("TLessonMenu", "Импорт урока ..."));
    QObject::connect(AImportLesson, &QAction::triggered, PMLesson, [this] {
        Guarded([this] {
            if (Handlers.ImportLesson)
                Handlers.ImportLesson();
        });
    });
    PMLesson->addSeparator();

    ALessonNew =
        MakeAction(PMLesson, "ALessonNew", QT_TRANSLATE_NOOP("TLessonMenu", "Новый урок ..."));
    QObject::connect(ALessonNew, &QAction::triggered, PMLesson, [this] {
        Guarded([this] {
            if (Handlers.NewLesson)
                Handlers.NewLesson();
        });
    });
    ALessonEdit = MakeAction(PMLesson, "ALessonEdit",
                             QT_TRANSLATE_NOOP("TLessonMenu", "Редактировать урок ..."));
    QObject::connect(ALessonEdit, &QAction::triggered, PMLesson,
                     [this] { Guarded([this] { ALessonEditExecute(); }); });
    PMLesson->addSeparator();

    MILessonSave =
        MakeSubmenu(PMLesson, "MILessonSave", QT_TRANSLATE_NOOP("TLessonMenu", "Сохранить урок"));
    ALessonSave_WhatRestOrWithMistakes = MakeAction(
        MILessonSave, "ALessonSave_WhatRestOrWithMistakes",
        QT_TRANSLATE_NOOP("TLessonMenu", "Текущий урок, кроме предложений отвеченных без ошибок"));
    QObject::connect(ALessonSave_WhatRestOrWithMistakes, &QAction::triggered, PMLesson, [this] {
        Guarded([this] {
            if (Handlers.SaveRestOrWithMistakes)
                Handlers.SaveRestOrWithMistakes();
        });
    });
    PMLesson->addSeparator();

    MILessonCreate = MakeSubmenu(PMLesson, "MILessonCreate",
                                 QT_TRANSLATE_NOOP("TLessonMenu", "Создать / редактировать урок"));
    AHelpLessonCrt =
        MakeAction(MILessonCreate, "AHelpLessonCrt",
                   QT_TRANSLATE_NOOP("TLessonMenu", "Создание собственных уроков для программы"));
    MILessonCreate->addSeparator();
    ALessonCreate_Word_Ordinary =
        MakeAction(MILessonCreate, "ALessonCreate_Word_Ordinary",
                   QT_TRANSLATE_NOOP("TLessonMenu", "Создать обычный урок с помощью MS Word ..."));
    ALessonCreate_Word_Words = MakeAction(
        MILessonCreate, "ALessonCreate_Word_Words",
        QT_TRANSLATE_NOOP("TLessonMenu", "Создать урок для изучения слов с помощью MS Word ..."));
    ALessonEdit_Word = MakeAction(
        MILessonCreate, "ALessonEdit_Word",
        QT_TRANSLATE_NOOP("TLessonMenu", "Продолжить редактирование урока в MS Word ..."));
    for (QAction* a :
         {AHelpLessonCrt, ALessonCreate_Word_Ordinary, ALessonCreate_Word_Words, ALessonEdit_Word})
        a->setEnabled(false);

    Prepare();
}

void TLessonMenu::UseLessonCreateMenu(const std::function<QMenu*(QMenu* pmLesson)>& add)
{
    // The placeholder is the last item, so the real submenu takes its place.
    PMLesson->removeAction(MILessonCreate->menuAction());
    delete MILessonCreate;
    AHelpLessonCrt = ALessonCreate_Word_Ordinary = ALessonCreate_Word_Words = ALessonEdit_Word =
        nullptr;
    MILessonCreate = add(PMLesson);
}

void TLessonMenu::SetReviewCount(int due)
{
    AReviewToday->setText(
        due > 0
            ? QCoreApplication::translate("TLessonMenu", "Повторение на сегодня (%1) ...").arg(due)
            : QCoreApplication::translate("TLessonMenu", "Повторение на сегодня ..."));
    AReviewToday->setEnabled(due > 0);
}

void TLessonMenu::Prepare()
{
    MIOpenRecent->clear();
    MIOpenRecent->setEnabled(!Recent.Entries().empty());
    const auto& entries = Recent.Entries();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        QAction* item =
            MIOpenRecent->addAction(RecentItemCaption(i, entries[static_cast<std::size_t>(i)]));
        item->setData(i);
        QObject::connect(item, &QAction::triggered, PMLesson,
                         [this, i] { Guarded([this, i] { AOpenRecentExecute(i); }); });
    }
    // A gathered lesson (the review) has no file of its own to save beside.
    ALessonSave_WhatRestOrWithMistakes->setEnabled(Lesson.Loaded && Lesson.Origins.empty());
}

void TLessonMenu::BLessonClick(QAbstractButton* bLesson)
{
    Prepare();
    PopupUnderButton(bLesson, PMLesson);
}

QFileDialog* TLessonMenu::OpenLessonDialog()
{
    if (OpenDialog == nullptr) {
        OpenDialog = new QFileDialog(Window);
        OpenDialog->setObjectName(QStringLiteral("OpenLessonDialog"));
        OpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
        OpenDialog->setFileMode(QFileDialog::ExistingFile);
        OpenDialog->setNameFilter(
            QCoreApplication::translate("TLessonMenu", "Файлы уроков (*.sl2)"));
        OpenDialog->setSizeGripEnabled(true);
        // Installed, the bundled lessons and the user's own lie apart, the
        // latter in a hidden folder of the home.
        if (const TFileLocations& places = FileLocations(); places.Installed)
            OpenDialog->setSidebarUrls(
                {QUrl::fromLocalFile(QFile::decodeName((places.Shipped + "lessons").c_str())),
                 QUrl::fromLocalFile(QFile::decodeName(UserLessonsFolder().c_str())),
                 QUrl::fromLocalFile(QDir::homePath())});
    }
    return OpenDialog;
}

void TLessonMenu::ALessonOpenExecute()
{
    QFileDialog* dialog = OpenLessonDialog();
    dialog->setDirectory(QFile::decodeName(Recent.OpenFolder().c_str()));
    const QString chosen = ExecFileDialog(*dialog);
    if (!chosen.isEmpty() && Handlers.OpenLesson)
        Handlers.OpenLesson(QFile::encodeName(chosen).toStdString());
}

void TLessonMenu::ALessonEditExecute()
{
    QFileDialog dialog(Window, QCoreApplication::translate("TLessonMenu", "Редактировать урок"));
    dialog.setObjectName(QStringLiteral("EditLessonDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QCoreApplication::translate("TLessonMenu", "Файлы уроков (*.sl2)"),
                           QCoreApplication::translate("TLessonMenu", "Все файлы (*)")});
    QString proposed;
    if (Lesson.Loaded) {
        const QFileInfo open(QFile::decodeName(Lesson.FileName.c_str()));
        dialog.setDirectory(open.absolutePath());
        proposed = open.fileName();
        dialog.selectFile(proposed);
    } else {
        dialog.setDirectory(QFile::decodeName(Recent.OpenFolder().c_str()));
    }
    const QString chosen = ExecFileDialog(dialog, proposed);
    if (!chosen.isEmpty() && Handlers.EditLesson)
        Handlers.EditLesson(QFile::encodeName(chosen).toStdString());
}

void TLessonMenu::AOpenRecentExecute(int tag)
{
    const auto& entries = Recent.Entries();
    if (tag < 0 || tag >= static_cast<int>(entries.size()) || !Handlers.OpenLesson)
        return;
    // A copy: a successful open reorders the list.
    const std::string path = entries[static_cast<std::size_t>(tag)];
    Handlers.OpenLesson(path);
}

void TLessonMenu::Guarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (const TSilentAbort&) {
    } catch (const std::exception& e) {
        ShowMsgBox(Window, QString::fromUtf8(e.what()), false);
    }
}

} // namespace korvan
