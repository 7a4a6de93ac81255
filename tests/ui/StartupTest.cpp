// Start-up and shutdown: the command line (lesson path and mode switch), the
// files written at the end in the order of the windows, the fixed formats.

#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include <clocale>
#include <memory>

#include "MainWindowTestFolder.h"
#include "drill/Drill.h"
#include "settings/BehaviorSettings.h"
#include "ui/App.h"
#include "ui/dialogs/BehaviorDialog.h"
#include "ui/drill/MainWindow.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"

using namespace korvan;

class StartupTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TTestFolder> Folder;

    // Test data is made before the folder exists: "@" stands for its path.
    QString InFolder(QString text) const
    {
        return text.replace(QLatin1Char('@'), QString::fromStdString(Folder->Path("")));
    }

private slots:
    void init()
    {
        Folder = std::make_unique<TTestFolder>();
        Folder->WriteSampleLessons();
        Folder->WriteText("lessons/notlesson.sl2", "just some text\r\n");
        // Four modes; the current one is the first.
        Folder->WriteText("Modes.ini", "[Modes]\r\nHowMany=4\r\n1=Один\r\n2=Два\r\n3=Три\r\n"
                                       "4=Четыре\r\n[Mode2]\r\nSpeed=7\r\n[Mode3]\r\nSpeed=9\r\n");
        TakeShownMessages();
    }

    void cleanup()
    {
        QCOMPARE(Folder->UnansweredDialogs(), QStringList());
        Folder.reset();
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<int>("mode"); // current mode afterwards, from 0
        QTest::addColumn<QStringList>("messages");

        const QString numeric = Utf8("Ошибка: номер режима должен быть числовым.");
        const QString beyond = Utf8("Ошибка: указанного номера режима нет в списке.");
        QTest::newRow("lesson alone")
            << QStringList{"lessons/short.sl2"} << true << 0 << QStringList{};
        QTest::newRow("/m2 upper-cased")
            << QStringList{"lessons/short.sl2", "/m2"} << true << 1 << QStringList{};
        QTest::newRow("/M4, the last")
            << QStringList{"lessons/short.sl2", " /M4 "} << true << 3 << QStringList{};
        QTest::newRow("/M0 silent")
            << QStringList{"lessons/short.sl2", "/M0"} << true << 0 << QStringList{};
        QTest::newRow("/M-1 silent")
            << QStringList{"lessons/short.sl2", "/M-1"} << true << 0 << QStringList{};
        QTest::newRow("/Mx") << QStringList{"lessons/short.sl2", "/Mx"} << true << 0
                             << QStringList{numeric};
        QTest::newRow("/M alone") << QStringList{"lessons/short.sl2", "/M"} << true << 0
                                  << QStringList{numeric};
        QTest::newRow("/M 2 blank inside")
            << QStringList{"lessons/short.sl2", "/M 2"} << true << 0 << QStringList{numeric};
        QTest::newRow("/M9 of four")
            << QStringList{"lessons/short.sl2", "/M9"} << true << 0 << QStringList{beyond};
        QTest::newRow("/M5 of four")
            << QStringList{"lessons/short.sl2", "/M5"} << true << 0 << QStringList{beyond};
        QTest::newRow("other switch ignored")
            << QStringList{"lessons/short.sl2", "/X3", "/M2"} << true << 0 << QStringList{};
        QTest::newRow("trimmed path")
            << QStringList{"  lessons/short.sl2 "} << true << 0 << QStringList{};
        // A file that is not a lesson is the drill's own message; the switch
        // still counts.
        QTest::newRow("not a lesson")
            << QStringList{"lessons/notlesson.sl2", "/M2"} << false << 1
            << QStringList{Utf8("Файл \"%1\" либо имеет неверный формат, либо в уроке нет "
                                "вопросов.")
                               .arg(QStringLiteral("@lessons/notlesson.sl2"))};
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, loaded);
        QFETCH(int, mode);
        QFETCH(QStringList, messages);
        std::vector<std::string> args;
        for (const QString& a : arguments)
            args.push_back(a.toStdString());
        for (qsizetype i = 0; i < messages.size(); ++i)
            SetNextAnswer(true);

        TAppWindows app;
        app.Show(args);
        for (QString& m : messages)
            m = InFolder(m);
        QCOMPARE(TakeShownMessages(), messages);
        QCOMPARE(app.Main().Lesson().Loaded, loaded);
        QCOMPARE(app.Behavior().Settings().CurrentMode, mode);
        if (loaded)
            QCOMPARE(app.Main().windowTitle(), Utf8("Ученик 1 | Урок: Короткий урок"));
        // Opened, not started.
        QCOMPARE(app.Main().Lesson().RunState, 0);
    }

    // A missing file: the guard's message with the completed path, and the
    // mode switch is not looked at.
    void missingLesson_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("path");
        QTest::newRow("relative") << "lessons/missing.sl2"
                                  << "@lessons/missing.sl2";
        QTest::newRow("absolute") << "/nonexistent/a.sl2"
                                  << "/nonexistent/a.sl2";
        QTest::newRow("drive letter kept") << "D:\\lessons\\a.sl2"
                                           << "D:\\lessons\\a.sl2";
    }

    void missingLesson()
    {
        QFETCH(QString, argument);
        QFETCH(QString, path);
        path = InFolder(path);
        SetNextAnswer(true);
        TAppWindows app;
        app.Show({argument.toStdString(), "/M3"});
        const QStringList shown = TakeShownMessages();
        QCOMPARE(shown.size(), 1);
        const QString prefix = Utf8("Ошибка при открытии файла урока \"") + path + "\": ";
        QVERIFY2(shown[0].startsWith(prefix), qPrintable(shown[0]));
        QVERIFY(shown[0].size() > prefix.size()); // the failure's own text follows
        QCOMPARE(app.Behavior().Settings().CurrentMode, 0);
        QVERIFY(!app.Main().Lesson().Loaded);
    }

    void relativePathIsInProgramFolder()
    {
        QCOMPARE(LessonPathOfArgument("a.sl2"), Folder->Path("a.sl2"));
        QCOMPARE(LessonPathOfArgument("/x/a.sl2"), std::string("/x/a.sl2"));
        QCOMPARE(LessonPathOfArgument("D:\\a.sl2"), std::string("D:\\a.sl2"));
    }

    // The switch's mode is saved at the end like a choice in the dialog, the
    // files are written before the log's last entry, and the log is appended.
    void shutdownWritesEveryFile()
    {
        Folder->WriteText("Log.txt", "earlier run\r\n");
        {
            TAppWindows app;
            app.Show({"lessons/short.sl2", "/M3"});
            QVERIFY(TakeShownMessages().isEmpty());
        }
        const std::string korvan = Folder->ReadText("Korvan.ini");
        QVERIFY2(korvan.find("CfgMode=3") != std::string::npos, korvan.c_str());
        QVERIFY(korvan.find("Speed=9") != std::string::npos);
        for (const char* key : {"UseTime=", "Speed=", "MistakeChange=", "UseAtOnce=", "OrderKind=",
                                "SaveDiff=", "DiffNum=", "ShowRText=", "ShowEText=", "UseRWav=",
                                "UseEWav=", "TranslRE=", "UseTextInput="})
            QVERIFY2(korvan.find(key) != std::string::npos, key);
        QVERIFY(Folder->ReadText("Skin.ini").find("FontName=") != std::string::npos);
        QVERIFY(Folder->ReadText("View.INI").find("[FMain]") != std::string::npos);
        QVERIFY(Folder->ReadText("Pupils.ini").find("PupilName_0=") != std::string::npos);
        QVERIFY(korvan.find("[RecentOpenFiles]") != std::string::npos);

        const QStringList log =
            QString::fromStdString(Folder->ReadText("Log.txt")).split(QStringLiteral("\r\n"));
        QCOMPARE(log.value(0), QStringLiteral("earlier run"));
        QCOMPARE(log.size(), 7); // four entries, the empty line and what follows it
        QVERIFY(log[1].endsWith(Utf8("  Программа запущена.")));
        QVERIFY(log[2].endsWith(Utf8("  Выбран ученик: Ученик 1")));
        QVERIFY(log[3].endsWith(Utf8("  Открыт урок: ") +
                                InFolder(QStringLiteral("@lessons/short.sl2"))));
        QVERIFY(log[4].endsWith(Utf8("  Программа завершена.")));
        QCOMPARE(log[5], QString());
        QCOMPARE(log[6], QString());
    }

    // Without arguments the pupils dialog comes first when it is to be offered,
    // then the input-mode prompt when it is to be asked; its answer is the
    // behaviour settings' (and so saved), Esc leaves them alone. Any argument
    // skips both.
    void startupQuestions_data()
    {
        QTest::addColumn<bool>("offer");     // ShowPupilsAtStartup
        QTest::addColumn<bool>("ask");       // AskAtStartupUseTextInput
        QTest::addColumn<QString>("answer"); // the prompt's button, or Esc
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<bool>("textInput"); // UseTextInput afterwards
        QTest::newRow("both, typed") << true << true << "BUseTextInput" << QStringList{}
                                     << QStringList{"FPupils", "FInpMode"} << true;
        QTest::newRow("pupils only")
            << true << false << "" << QStringList{} << QStringList{"FPupils"} << false;
        QTest::newRow("prompt only, spoken") << false << true << "BUseAudioInput" << QStringList{}
                                             << QStringList{"FInpMode"} << false;
        QTest::newRow("prompt only, Esc")
            << false << true << "Esc" << QStringList{} << QStringList{"FInpMode"} << false;
        QTest::newRow("neither") << false << false << "" << QStringList{} << QStringList{} << false;
        QTest::newRow("skipped with an argument")
            << true << true << "" << QStringList{"lessons/short.sl2"} << QStringList{} << false;
    }

    void startupQuestions()
    {
        QFETCH(bool, offer);
        QFETCH(bool, ask);
        QFETCH(QString, answer);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, dialogs);
        QFETCH(bool, textInput);
        Folder->WriteText("Pupils.ini", std::string("[Main]\r\nShowPupilsAtStartup=") +
                                            (offer ? "1" : "0") +
                                            "\r\nPupilsCount=2\r\nPupilName_0=Иванов\r\n"
                                            "PupilName_1=Петров\r\n");
        Folder->WriteSkin(std::string("AskAtStartupUseTextInput=") + (ask ? "1" : "0") + "\r\n");
        std::vector<std::string> args;
        for (const QString& a : arguments)
            args.push_back(a.toStdString());

        QStringList shown;
        TDialogAnswer pupils("FPupils", [&shown](QWidget& dialog) {
            shown << dialog.objectName();
            FindIn<QListWidget>(dialog, "LBPupils")->setCurrentRow(1);
            FindIn<QPushButton>(dialog, "BOk")->click();
        });
        TDialogAnswer prompt("FInpMode", [&shown, answer](QWidget& dialog) {
            shown << dialog.objectName();
            if (answer == QLatin1String("Esc"))
                QTest::keyClick(FindIn<QPushButton>(dialog, "BUseAudioInput"), Qt::Key_Escape);
            else
                FindIn<QPushButton>(dialog, answer.toLatin1().constData())->click();
        });
        {
            TAppWindows app;
            app.Show(args);
            QCOMPARE(shown, dialogs);
            QCOMPARE(app.Main().windowTitle().section(QLatin1Char('|'), 0, 0),
                     dialogs.contains("FPupils") ? Utf8("Петров ") : Utf8("Иванов "));
            QCOMPARE(app.Behavior().Settings().CurrentCfg.UseTextInput, textInput);
        }
        // The first pupil's line at the showing, the chosen one's after it.
        const std::string log = Folder->ReadText("Log.txt");
        QVERIFY(log.find("Выбран ученик: Иванов\r\n") != std::string::npos);
        QCOMPARE(log.find("Выбран ученик: Петров\r\n") != std::string::npos,
                 dialogs.contains("FPupils"));
        const std::string korvan = Folder->ReadText("Korvan.ini");
        QVERIFY2(korvan.find(textInput ? "UseTextInput=1" : "UseTextInput=0") != std::string::npos,
                 korvan.c_str());
    }

    // A run in progress when the mode switch arrives cannot happen at start,
    // but the warning itself is the main window's.
    // Installed, with a user folder that cannot be made: one message naming
    // it, then the lesson opens from the shipped folder and drills with
    // nothing saved, and nothing is written anywhere.
    void unwritableUserFolderIsToldOnce()
    {
        Folder->WriteText("blocked", "a file where the home should be");
        const std::string user = Folder->Path("blocked/korvan/");
        SetFileLocations({true, Folder->Path(""), user});
        SetNextAnswer(true);
        {
            TAppWindows app;
            app.Show({"lessons/short.sl2"});
            QStringList shown;
            QTRY_VERIFY((shown += TakeShownMessages(), !shown.isEmpty()));
            QCOMPARE(shown.size(), 1);
            QVERIFY2(shown[0].startsWith(Utf8("Не удаётся сохранять файлы в папке \"") +
                                         QString::fromStdString(user) +
                                         Utf8("\": на месте папки находится файл.")),
                     qPrintable(shown[0]));
            QVERIFY(app.Main().Drill().Lesson().Loaded);
            app.Main().Drill().StartLesson(); // logs the run's settings
            QCOMPARE(app.Main().Drill().Lesson().RunState, 1);
            QTest::qWait(20);
        }
        QVERIFY(TakeShownMessages().isEmpty());
        QCOMPARE(Folder->ReadText("blocked"), std::string("a file where the home should be"));
        QVERIFY(!QFile::exists(QString::fromStdString(Folder->Path("Log.txt"))));
    }

    void warningDuringRun()
    {
        TAppWindows app;
        app.Show({"lessons/short.sl2"});
        app.Main().WarnSettingsApplyLater(); // no run: silent
        QVERIFY(TakeShownMessages().isEmpty());
        app.Main().Drill().StartLesson();
        SetNextAnswer(true);
        app.Main().WarnSettingsApplyLater();
        QCOMPARE(TakeShownMessages(),
                 QStringList{Utf8("Выбранные Вами параметры будут использованы только при работе "
                                  "со следующим уроком или после повторного запуска текущего "
                                  "урока.")});
    }

    void fixedFormats()
    {
        std::setlocale(LC_ALL, "C.UTF-8");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        UseFixedFormats();
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral("."));
        QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral("."));
        QCOMPARE(QLocale().toString(2.5), QStringLiteral("2.5"));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
