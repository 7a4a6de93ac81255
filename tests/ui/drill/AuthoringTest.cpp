#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <QtTest>

#include <algorithm>
#include <fstream>
#include <memory>

#include "ui/drill/Authoring.h"
#include "ui/platform/ShellOpen.h"
#include "ui/platform/Translations.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"
#include "util/ProgramFolder.h"

using namespace korvan;

namespace {

QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

struct TSaveCall
{
    QString Folder;
    QString Proposed;
};

} // namespace

class AuthoringTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Program;
    std::unique_ptr<QWidget> Window;
    std::unique_ptr<TAuthoring> Authoring;
    QList<QUrl> Opened;
    QList<TSaveCall> SaveCalls;
    QStringList OpenCalls;
    QString NextChoice; // what the next file dialog answers; empty is Cancel

    QString ProgramPath(const char* name) const
    {
        return Program->filePath(QString::fromUtf8(name));
    }
    QString CreateFolder() const { return ProgramPath("lessons/Уроки собственной разработки/"); }
    void WriteTemplates() const
    {
        WriteFile(ProgramPath("macros/pattern_ordinary.doc"), "{\\rtf1 ordinary}");
        WriteFile(ProgramPath("macros/pattern_words.doc"), "{\\rtf1 words}");
    }
    QAction* Action(const char* name) const
    {
        auto* action = Window->findChild<QAction*>(QString::fromLatin1(name));
        if (action == nullptr)
            qFatal("no action %s", name);
        return action;
    }
    void MakeAuthoring(const QString& programFolder)
    {
        Authoring.reset();
        Authoring = std::make_unique<TAuthoring>(Window.get(), programFolder.toStdString() + "/",
                                                 CreateFolder().toStdString());
        Authoring->ChooseNewDocument = [this](const QString& folder, const QString& proposed) {
            SaveCalls << TSaveCall{folder, proposed};
            return NextChoice;
        };
        Authoring->ChooseExistingDocument = [this](const QString& folder) {
            OpenCalls << folder;
            return NextChoice;
        };
    }

private slots:
    void init()
    {
        Program = std::make_unique<QTemporaryDir>();
        QVERIFY(Program->isValid());
        QVERIFY(QDir().mkpath(CreateFolder()));
        Window = std::make_unique<QWidget>();
        Opened.clear();
        SaveCalls.clear();
        OpenCalls.clear();
        NextChoice.clear();
        SetShellOpener([this](const QUrl& url) { Opened << url; });
        MakeAuthoring(Program->path());
        TakeShownMessages();
    }

    void cleanup()
    {
        Authoring.reset();
        Window.reset();
        SetShellOpener({});
    }

    void captionsAndMenus()
    {
        const QList<std::pair<const char*, const char*>> captions{
            {"ALessonCreate_Word_Ordinary", "Создать обычный урок с помощью MS Word ..."},
            {"ALessonCreate_Word_Words", "Создать урок для изучения слов с помощью MS Word ..."},
            {"ALessonEdit_Word", "Продолжить редактирование урока в MS Word ..."},
            {"AHelpUserGuide", "Описание работы с программой"},
            {"AHelpLessonCrt", "Создание собственных уроков для программы"},
            {"AWebKorvanHome", "Сайт программы"},
            {"AEmailMe", "Написать мне письмо"},
        };
        for (const auto& [name, caption] : captions)
            QCOMPARE(Action(name)->text(), Utf8(caption));

        QMenu lessonMenu;
        QMenu* create = Authoring->AddLessonCreateMenu(&lessonMenu);
        QCOMPARE(create->title(), Utf8("Создать / редактировать урок"));
        const QList<QAction*> items = create->actions();
        QCOMPARE(items.size(), 5);
        QCOMPARE(items[0], Action("AHelpLessonCrt"));
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2], Action("ALessonCreate_Word_Ordinary"));
        QCOMPARE(items[3], Action("ALessonCreate_Word_Words"));
        QCOMPARE(items[4], Action("ALessonEdit_Word"));

        QMenu helpMenu;
        QAction about(Utf8("О программе ..."));
        Authoring->FillHelpMenu(&helpMenu, &about);
        QStringList shown;
        for (QAction* item : helpMenu.actions())
            shown << (item->isSeparator() ? QStringLiteral("-") : item->text());
        QCOMPARE(shown, (QStringList{Utf8("Описание работы с программой"),
                                     Utf8("Создание собственных уроков для программы"), "-",
                                     Utf8("Сайт программы"), Utf8("Написать мне письмо"), "-",
                                     Utf8("О программе ...")}));
    }

    void newLessonGetsDocAndOpens_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("proposed") << Utf8("Новый урок.doc") << Utf8("Новый урок.doc");
        QTest::newRow("other extension") << "a.txt"
                                         << "a.txt.doc";
        QTest::newRow("no extension") << "lesson1"
                                      << "lesson1.doc";
        QTest::newRow("capitals") << "LESSON.DOC"
                                  << "LESSON.DOC";
    }

    void newLessonGetsDocAndOpens()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        WriteTemplates();
        NextChoice = CreateFolder() + chosen;
        Action("ALessonCreate_Word_Words")->trigger();
        // The dialog starts in the lesson-creation folder with the proposed name.
        QCOMPARE(SaveCalls.size(), 1);
        QCOMPARE(SaveCalls[0].Folder, CreateFolder());
        QCOMPARE(SaveCalls[0].Proposed, CreateFolder() + Utf8("Новый урок.doc"));
        const QString path = CreateFolder() + written;
        QCOMPARE(ReadAll(path), QByteArray("{\\rtf1 words}"));
        QCOMPARE(Opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY(TakeShownMessages().isEmpty());
        if (chosen != written)
            QVERIFY(!QFile::exists(CreateFolder() + chosen));
    }

    // Installed, a create folder inside the shipped folder (left in Korvan.ini)
    // is not proposed, even to a user who could write there.
    void installedTheShippedFolderIsNotProposed()
    {
        QTemporaryDir user;
        const TFileLocations before = FileLocations();
        SetFileLocations({true, Program->path().toStdString(), user.path().toStdString()});
        Action("ALessonCreate_Word_Ordinary")->trigger(); // cancelled
        SetFileLocations(before);
        QCOMPARE(SaveCalls.size(), 1);
        QCOMPARE(SaveCalls[0].Folder, user.filePath(Utf8("lessons/Уроки собственной разработки/")));
    }

    void templateCopiedOverAnExistingDocument()
    {
        WriteTemplates();
        const QString path = CreateFolder() + Utf8("Новый урок.doc");
        WriteFile(path, "an earlier lesson, much longer than the template");
        // The save dialog has asked about replacing it; the answer was yes.
        NextChoice = path;
        Action("ALessonCreate_Word_Ordinary")->trigger();
        QCOMPARE(ReadAll(path), QByteArray("{\\rtf1 ordinary}"));
        QCOMPARE(Opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    }

    void addedDocOverAnExistingDocumentAsksFirst()
    {
        WriteTemplates();
        const QString path = CreateFolder() + "lesson1.doc";
        WriteFile(path, "the author's work");
        NextChoice = CreateFolder() + "lesson1";
        const QString question = Utf8("Файл \"") + path + Utf8("\" уже существует. Заменить его?");

        SetNextAnswer(false);
        Action("ALessonCreate_Word_Ordinary")->trigger();
        QCOMPARE(TakeShownMessages(), QStringList{question});
        QCOMPARE(ReadAll(path), QByteArray("the author's work"));
        QVERIFY(Opened.isEmpty());

        SetNextAnswer(true);
        Action("ALessonCreate_Word_Ordinary")->trigger();
        QCOMPARE(TakeShownMessages(), QStringList{question});
        QCOMPARE(ReadAll(path), QByteArray("{\\rtf1 ordinary}"));
        QCOMPARE(Opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    }

    void cancelledDialogDoesNothing()
    {
        WriteTemplates();
        Action("ALessonCreate_Word_Ordinary")->trigger();
        Action("ALessonEdit_Word")->trigger();
        QCOMPARE(SaveCalls.size(), 1);
        QCOMPARE(OpenCalls, QStringList{CreateFolder()});
        QVERIFY(Opened.isEmpty());
        QVERIFY(TakeShownMessages().isEmpty());
        QCOMPARE(QDir(CreateFolder()).entryList(QDir::Files), QStringList{});
    }

    void missingTemplateIsReportedAndNothingOpens()
    {
        WriteFile(ProgramPath("macros/pattern_ordinary.doc"), "{\\rtf1 ordinary}");
        NextChoice = CreateFolder() + "words.doc";
        SetNextAnswer(true);
        Action("ALessonCreate_Word_Words")->trigger();
        QCOMPARE(TakeShownMessages(),
                 QStringList{"Cannot open file " + ProgramPath("macros/pattern_words.doc")});
        QVERIFY(Opened.isEmpty());
        QVERIFY(!QFile::exists(CreateFolder() + "words.doc"));
    }

    void unwritableTargetIsReported()
    {
        WriteTemplates();
        NextChoice = CreateFolder() + "no such folder/lesson.doc";
        SetNextAnswer(true);
        Action("ALessonCreate_Word_Ordinary")->trigger();
        QCOMPARE(TakeShownMessages(), QStringList{"Cannot create file " + NextChoice});
        QVERIFY(Opened.isEmpty());
    }

    void editOpensTheChosenDocument()
    {
        NextChoice = CreateFolder() + Utf8("Мой урок.doc");
        Action("ALessonEdit_Word")->trigger();
        QCOMPARE(OpenCalls, QStringList{CreateFolder()});
        QCOMPARE(Opened, QList<QUrl>{QUrl::fromLocalFile(NextChoice)});
    }

    // The guides and templates of the interface's language: the English ones
    // in "en/" below the Russian originals.
    void helpAndTemplatesFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("sub");
        QTest::newRow("ru") << QString();
        QTest::newRow("en") << QStringLiteral("en/");
    }

    void helpAndTemplatesFollowTheLanguage()
    {
        QFETCH(QString, sub);
        WriteTemplates();
        WriteFile(ProgramPath("macros/en/pattern_words.doc"), "{\\rtf1 words en}");
        InstallTranslations(sub.isEmpty() ? TUiLanguage::Russian : TUiLanguage::English);
        for (const char* name : {"AHelpUserGuide", "AHelpLessonCrt", "AWebKorvanHome", "AEmailMe"})
            Action(name)->trigger();
        NextChoice = CreateFolder() + "words.doc";
        Action("ALessonCreate_Word_Words")->trigger();
        InstallTranslations(TUiLanguage::Russian);
        const QString docs = ProgramPath("docs/korvan/") + sub;
        QCOMPARE(Opened, (QList<QUrl>{QUrl::fromLocalFile(docs + "user_guide.htm"),
                                      QUrl::fromLocalFile(docs + "lesson_crt.htm"),
                                      QUrl(Utf8(KorvanWebPage)),
                                      QUrl(QStringLiteral("mailto:") + Utf8(AuthorEmail)),
                                      QUrl::fromLocalFile(NextChoice)}));
        QCOMPARE(ReadAll(NextChoice),
                 sub.isEmpty() ? QByteArray("{\\rtf1 words}") : QByteArray("{\\rtf1 words en}"));
        QVERIFY(TakeShownMessages().isEmpty()); // a missing document is not reported
    }

    void shellTargetsAreCutTo255Characters()
    {
        const QString longPath = QStringLiteral("/") + QString(300, QChar(0x0436)); // "ж"
        ShellOpen(longPath.toStdString());
        QCOMPARE(Opened, QList<QUrl>{QUrl::fromLocalFile(longPath.left(255))});
    }

    void shippedTemplatesAndDocuments_data()
    {
        QTest::addColumn<QString>("sub");
        QTest::newRow("ru") << QString();
        QTest::newRow("en") << QStringLiteral("en/");
    }

    void shippedTemplatesAndDocuments()
    {
        QFETCH(QString, sub);
        // The program folder as the build makes it.
        const QString program = QStringLiteral(KORVAN_PROGRAM_FOLDER);
        MakeAuthoring(program);
        InstallTranslations(sub.isEmpty() ? TUiLanguage::Russian : TUiLanguage::English);
        for (const char* action : {"ALessonCreate_Word_Ordinary", "ALessonCreate_Word_Words"}) {
            NextChoice = CreateFolder() + QString::fromLatin1(action);
            Action(action)->trigger();
            QVERIFY(TakeShownMessages().isEmpty());
            const QByteArray document = ReadAll(NextChoice + ".doc");
            QVERIFY2(document.startsWith("{\\rtf1"), action);
            QVERIFY(document.contains("korvan-lesson import"));
            QCOMPARE(document.contains("Korvan lesson is a text file"), !sub.isEmpty());
        }
        InstallTranslations(TUiLanguage::Russian);
        const QRegularExpression anchor(QStringLiteral("id=\"([^\"]+)\""));
        const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        // Cyrillic only where a Russian example is meant, marked as such.
        const QRegularExpression russian(
            QStringLiteral("<(\\w+)[^>]*\\slang=\"ru\"[^>]*>.*?</\\1>"),
            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        const auto all = [](const QRegularExpression& pattern, const QString& text) {
            QStringList found;
            for (const QRegularExpressionMatch& match : pattern.globalMatch(text))
                found << match.captured(1);
            return found;
        };
        for (const char* name : {"user_guide.htm", "lesson_crt.htm"}) {
            const QString folder = program + "/docs/korvan/";
            const QString html =
                QString::fromUtf8(ReadAll(folder + sub + QString::fromLatin1(name)));
            QVERIFY2(html.contains(QStringLiteral("<meta charset=\"utf-8\">")), name);
            QVERIFY2(html.contains(
                         QStringLiteral("<html lang=\"%1\">")
                             .arg(sub.isEmpty() ? QStringLiteral("ru") : QStringLiteral("en"))),
                     name);
            QVERIFY2(html.endsWith(QStringLiteral("</html>\n")), name);
            // Each translation has every section of its original, and no link leads nowhere.
            const QString original = QString::fromUtf8(ReadAll(folder + QString::fromLatin1(name)));
            QCOMPARE(all(anchor, html), all(anchor, original));
            for (const QString& target : all(link, html))
                QVERIFY2(all(anchor, html).contains(target), qPrintable(target));
            if (!sub.isEmpty()) {
                const QString rest = QString(html).remove(russian);
                QVERIFY2(!rest.contains(cyrillic),
                         qPrintable(rest.mid(std::max(0, int(rest.indexOf(cyrillic)) - 40), 80)));
            }
        }
    }
};

QTEST_MAIN(AuthoringTest)
#include "AuthoringTest.moc"
