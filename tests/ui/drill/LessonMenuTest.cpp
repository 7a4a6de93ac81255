#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "lesson/Lesson.h"
#include "settings/RecentLessons.h"
#include "ui/dialogs/DerivedLessonSave.h"
#include "ui/drill/LessonMenu.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"

using namespace korvan;

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The captions of a menu's items, "-" for a separator.
QStringList Captions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* a : menu->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return captions;
}

} // namespace

class LessonMenuTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Folder;
    std::string ProgramFolder;
    QWidget Window;
    TLesson Lesson;
    TRecentLessons Recent;
    std::vector<std::string> Opened;
    int Saves = 0;
    int Imports = 0;
    int Reviews = 0;

    std::unique_ptr<TLessonMenu> MakeMenu()
    {
        return std::make_unique<TLessonMenu>(&Window, Lesson, Recent,
                                             TLessonMenuHandlers{[this](const std::string& path) {
                                                                     Opened.push_back(path);
                                                                     // As the drill opens: the list
                                                                     // changes only on success.
                                                                     Lesson.LoadFromFile(path);
                                                                     Recent.Add(path);
                                                                 },
                                                                 [this] { ++Saves; },
                                                                 [this] { ++Imports; },
                                                                 {},
                                                                 {},
                                                                 [this] { ++Reviews; }});
    }

    std::string WriteLesson(const QString& relative)
    {
        const QString path = Folder->filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write a lesson");
        file.write("Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=t\r\n<body>\r\n"
                   "1\r\nc\r\nr\r\ne\r\n");
        return QFile::encodeName(path).toStdString();
    }

private slots:
    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        ProgramFolder = QFile::encodeName(Folder->path()).toStdString() + "/";
        Recent.Load(ProgramFolder + "Korvan.ini", ProgramFolder);
        Lesson.Clear();
        Opened.clear();
        Saves = 0;
        Imports = 0;
        Reviews = 0;
        TakeShownMessages();
        TakeFileDialogRequests();
    }

    void everyItemInItsPlace()
    {
        auto menu = MakeMenu();
        QCOMPARE(menu->PMLesson->objectName(), QStringLiteral("PMLesson"));
        QCOMPARE(Captions(menu->PMLesson),
                 QStringList({U("Открыть урок ..."), U("Открыть недавний урок"),
                              U("Повторение на сегодня ..."), U("Импорт урока ..."), "-",
                              U("Новый урок ..."), U("Редактировать урок ..."), "-",
                              U("Сохранить урок"), "-", U("Создать / редактировать урок")}));
        QCOMPARE(menu->PMLesson->actions()[0], menu->ALessonOpen);
        QCOMPARE(menu->PMLesson->actions()[1], menu->MIOpenRecent->menuAction());
        QCOMPARE(Captions(menu->MILessonSave),
                 QStringList{U("Текущий урок, кроме предложений отвеченных без ошибок")});
        QCOMPARE(menu->MILessonSave->actions()[0], menu->ALessonSave_WhatRestOrWithMistakes);
        QCOMPARE(Captions(menu->MILessonCreate),
                 QStringList({U("Создание собственных уроков для программы"), "-",
                              U("Создать обычный урок с помощью MS Word ..."),
                              U("Создать урок для изучения слов с помощью MS Word ..."),
                              U("Продолжить редактирование урока в MS Word ...")}));
        for (QAction* a : menu->MILessonCreate->actions())
            QVERIFY(a->isSeparator() || !a->isEnabled());
        QCOMPARE(menu->ALessonEdit_Word->objectName(), QStringLiteral("ALessonEdit_Word"));
    }

    void theReviewEntryCarriesTheCountAndF6()
    {
        auto menu = MakeMenu();
        QVERIFY(!menu->AReviewToday->isEnabled()); // not counted yet
        menu->SetReviewCount(37);
        QCOMPARE(menu->AReviewToday->text(), U("Повторение на сегодня (37) ..."));
        QVERIFY(menu->AReviewToday->isEnabled());
        QCOMPARE(menu->AReviewToday->shortcut(), QKeySequence(Qt::Key_F6));
        QVERIFY(Window.actions().contains(menu->AReviewToday));
        menu->AReviewToday->trigger();
        QCOMPARE(Reviews, 1);
        menu->SetReviewCount(0);
        QCOMPARE(menu->AReviewToday->text(), U("Повторение на сегодня ..."));
        QVERIFY(!menu->AReviewToday->isEnabled());
        // The review open: it has no file to save a derived lesson beside.
        Lesson.Loaded = true;
        Lesson.Questions.resize(1);
        Lesson.Origins.resize(1);
        menu->Prepare();
        QVERIFY(!menu->ALessonSave_WhatRestOrWithMistakes->isEnabled());
    }

    void withoutSettingsNoRecentAndNoSave()
    {
        auto menu = MakeMenu();
        menu->Prepare();
        QVERIFY(!menu->MIOpenRecent->isEnabled());
        QVERIFY(menu->MIOpenRecent->actions().isEmpty());
        QVERIFY(!menu->ALessonSave_WhatRestOrWithMistakes->isEnabled());
    }

    void theOpenDialogStartsInTheOpenFolder()
    {
        QVERIFY(QDir().mkpath(QString::fromStdString(ProgramFolder + "lessons")));
        auto menu = MakeMenu();
        QFileDialog* dialog = menu->OpenLessonDialog();
        QCOMPARE(dialog->objectName(), QStringLiteral("OpenLessonDialog"));
        QCOMPARE(dialog->nameFilters(), QStringList{U("Файлы уроков (*.sl2)")});
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);

        const std::string lesson = WriteLesson(U("Уроки/Первый.sl2"));
        SetNextFileName(QString()); // cancelled
        SetNextFileName(QFile::decodeName(lesson.c_str()));
        menu->ALessonOpen->trigger();
        QVERIFY(Opened.empty());
        menu->ALessonOpen->trigger();
        QCOMPARE(Opened, std::vector<std::string>{lesson});
        const auto requests = TakeFileDialogRequests();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests[0].Dialog, QStringLiteral("OpenLessonDialog"));
        QCOMPARE(requests[0].Folder,
                 QDir(Folder->filePath(QStringLiteral("lessons"))).absolutePath());

        // The next time it starts where that lesson was.
        SetNextFileName(QString());
        menu->ALessonOpen->trigger();
        QCOMPARE(TakeFileDialogRequests()[0].Folder, Folder->filePath(U("Уроки")));
        QVERIFY(Lesson.Loaded);
        menu->Prepare();
        QVERIFY(menu->ALessonSave_WhatRestOrWithMistakes->isEnabled());
        menu->ALessonSave_WhatRestOrWithMistakes->trigger();
        QCOMPARE(Saves, 1);
        menu->AImportLesson->trigger();
        QCOMPARE(Imports, 1);
    }

    void installedTheOpenDialogOffersBothLessonFolders()
    {
        const TFileLocations before = FileLocations();
        SetFileLocations({true, "/usr/share/korvan/", ProgramFolder});
        auto menu = MakeMenu();
        const QList<QUrl> places = menu->OpenLessonDialog()->sidebarUrls();
        SetFileLocations(before);
        QVERIFY(places.contains(QUrl::fromLocalFile(QStringLiteral("/usr/share/korvan/lessons"))));
        QVERIFY(places.contains(
            QUrl::fromLocalFile(Folder->filePath(U("lessons/Уроки собственной разработки")))));
    }

    void recentEntriesAreNumberedAndOpen()
    {
        const std::string first = WriteLesson(U("Уроки/Ёлка & ёж.sl2"));
        const std::string second = WriteLesson(QStringLiteral("b.sl2"));
        Recent.Add(first);
        Recent.Add(second);
        auto menu = MakeMenu();
        menu->Prepare();
        QVERIFY(menu->MIOpenRecent->isEnabled());
        const QList<QAction*> items = menu->MIOpenRecent->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), "1  " + QFile::decodeName(second.c_str()));
        QCOMPARE(items[1]->text(), "2  " + Folder->filePath(U("Уроки/Ёлка && ёж.sl2")));
        QCOMPARE(items[1]->data().toInt(), 1);
        items[1]->trigger();
        QCOMPARE(Opened, std::vector<std::string>{first});
        QCOMPARE(Recent.Entries().front(), first);
        // Built afresh each time: the order follows the list.
        menu->Prepare();
        QCOMPARE(menu->MIOpenRecent->actions()[0]->text(),
                 "1  " + Folder->filePath(U("Уроки/Ёлка && ёж.sl2")));
        QCOMPARE(menu->MIOpenRecent->actions().size(), 2);
    }

    void aRecentLessonThatHasGoneIsReportedAndStays()
    {
        const std::string gone = QFile::encodeName(Folder->filePath(U("Старый.sl2"))).toStdString();
        Recent.Add(gone);
        Recent.Add("/elsewhere/x.sl2");
        auto menu = MakeMenu();
        menu->Prepare();
        SetNextAnswer(true);
        menu->MIOpenRecent->actions()[1]->trigger();
        const QStringList shown = TakeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(Folder->filePath(U("Старый.sl2"))), qPrintable(shown[0]));
        QCOMPARE(Recent.Entries(), (std::vector<std::string>{"/elsewhere/x.sl2", gone}));
        QVERIFY(!Lesson.Loaded);
    }

    void theMenuOpensUnderTheButton()
    {
        QWidget window;
        auto* button = new QPushButton(QStringLiteral("Урок"), &window);
        button->setGeometry(40, 30, 120, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto menu = MakeMenu();
        menu->BLessonClick(button);
        QVERIFY(menu->PMLesson->isVisible());
        QCOMPARE(menu->PMLesson->pos(), button->mapToGlobal(QPoint(0, button->height())));
        menu->PMLesson->close();
    }

    // The editor's entries: a new lesson, and the open lesson proposed in a
    // dialog that takes any file (an importer may read what is not a lesson).
    void editorEntries()
    {
        const QString lesson = Folder->filePath(QStringLiteral("a.sl2"));
        QFile file(lesson);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "Korvan Lesson File Format, Version 2\r\n<header>\r\n<body>\r\n1\r\n\r\nr\r\ne\r\n");
        file.close();
        QVERIFY(Lesson.LoadFromFile(lesson.toStdString()) && Lesson.Loaded);
        int news = 0;
        std::vector<std::string> edited;
        TLessonMenu menu(
            &Window, Lesson, Recent,
            TLessonMenuHandlers{{},
                                {},
                                {},
                                [&] { ++news; },
                                [&](const std::string& path) { edited.push_back(path); },
                                {}});
        menu.ALessonNew->trigger();
        QCOMPARE(news, 1);
        TakeFileDialogRequests();
        SetNextFileName(QStringLiteral("/x/b.txt"));
        menu.ALessonEdit->trigger();
        QCOMPARE(edited, std::vector<std::string>{"/x/b.txt"});
        const auto requests = TakeFileDialogRequests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].Dialog, QStringLiteral("EditLessonDialog"));
        QCOMPARE(requests[0].Folder, Folder->path());
        QCOMPARE(requests[0].File, QStringLiteral("a.sl2"));
    }

    void authoringTakesThePlaceholdersPlace()
    {
        auto menu = MakeMenu();
        QMenu* real = nullptr;
        menu->UseLessonCreateMenu([&](QMenu* pmLesson) {
            real = pmLesson->addMenu(U("Создать / редактировать урок"));
            real->addAction(QStringLiteral("work"));
            return real;
        });
        QCOMPARE(menu->MILessonCreate, real);
        QCOMPARE(menu->PMLesson->actions().size(), 11);
        QCOMPARE(menu->PMLesson->actions().last(), real->menuAction());
        QVERIFY(menu->AHelpLessonCrt == nullptr);
    }
};

QTEST_MAIN(LessonMenuTest)
#include "LessonMenuTest.moc"
