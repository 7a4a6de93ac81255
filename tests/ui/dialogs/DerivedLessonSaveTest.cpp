#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <memory>
#include <string>

#include "lesson/Lesson.h"
#include "settings/BehaviorCfg.h"
#include "ui/dialogs/DerivedLessonSave.h"
#include "ui/platform/UiHelpers.h"
#include "util/Text.h"

using namespace korvan;

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

const std::string Pupil = ToCp1251("Ученик 1");

} // namespace

class DerivedLessonSaveTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Folder;
    QString Lessons; // a folder with a Cyrillic name
    TLesson Lesson;
    QWidget Window;

    QString InLessons(const char* name) const { return Lessons + "/" + U(name); }

private slots:
    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        Lessons = Folder->filePath(U("Мои уроки"));
        QVERIFY(QDir().mkpath(Lessons));
        QFile file(InLessons("Unit 5.sl2"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=t\r\n<body>\r\n"
                   "4\r\nc\r\nr4\r\ne4\r\n8\r\nc\r\nr8\r\ne8\r\n");
        file.close();
        QVERIFY(Lesson.LoadFromFile(QFile::encodeName(InLessons("Unit 5.sl2")).toStdString()));
        TakeShownMessages();
        TakeFileDialogRequests();
    }

    void theDialogIsSetUpOnce()
    {
        TDerivedLessonSave save(&Window);
        QFileDialog* dialog = save.SaveLessonDialog();
        QCOMPARE(save.SaveLessonDialog(), dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("SaveLessonDialog"));
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog->nameFilters(), QStringList{U("Файлы уроков (*.sl2)")});
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(dialog->isSizeGripEnabled());
    }

    void theManualSaveProposesItsNameBesideTheLesson()
    {
        TDerivedLessonSave save(&Window);
        SetNextFileName(InLessons("extra.txt"));
        save.SaveRestOrWithMistakes(Lesson, Pupil);
        const auto requests = TakeFileDialogRequests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].Dialog, QStringLiteral("SaveLessonDialog"));
        QCOMPARE(requests[0].Title, U("Сохранить как"));
        QCOMPARE(requests[0].Folder, Lessons);
        QCOMPARE(requests[0].File, U("Остановился в Unit 5 (Ученик 1).sl2"));
        // Before any run: every question, under the extended name.
        QVERIFY(Contents(InLessons("extra.txt.sl2"))
                    .endsWith("4\r\nc\r\nr4\r\ne4\r\n8\r\nc\r\nr8\r\ne8\r\n"));
        QVERIFY(!QFile::exists(InLessons("extra.txt")));
        QVERIFY(TakeShownMessages().isEmpty());
    }

    void theOfferAtTheEndOfARun()
    {
        TDerivedLessonSave save(&Window);
        TBehaviorCfg cfg;
        cfg.SaveDiff = true;
        cfg.DiffNum = 2;
        Lesson.Questions[0].MistakeCount = 1;
        save.OfferMistakesSave(Lesson, cfg, Pupil); // nothing at DiffNum: no dialog
        QVERIFY(TakeFileDialogRequests().isEmpty());

        Lesson.Questions[1].MistakeCount = 2;
        SetNextFileName(QString()); // cancelled: nothing saved, nothing said
        save.OfferMistakesSave(Lesson, cfg, Pupil);
        auto requests = TakeFileDialogRequests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].Title, U("Сохранить урок для работы над ошибками как"));
        QCOMPARE(requests[0].File, U("Ошибки в Unit 5 (Ученик 1).sl2"));
        QVERIFY(TakeShownMessages().isEmpty());

        SetNextFileName(InLessons("Ошибки в Unit 5 (Ученик 1).sl2"));
        save.OfferMistakesSave(Lesson, cfg, Pupil);
        QVERIFY(Contents(InLessons("Ошибки в Unit 5 (Ученик 1).sl2"))
                    .endsWith("<body>\r\n8\r\nc\r\nr8\r\ne8\r\n"));
        // The shared dialog takes the standard title again for the manual save.
        SetNextFileName(QString());
        save.SaveRestOrWithMistakes(Lesson, Pupil);
        QCOMPARE(TakeFileDialogRequests().last().Title, U("Сохранить как"));
    }

    void aFailedWriteIsReportedAndChangesNothing()
    {
        TDerivedLessonSave save(&Window);
        const QString target = InLessons("locked.sl2");
        {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("kept");
        }
        QVERIFY(::chmod(QFile::encodeName(target).constData(), 0444) == 0);
        Lesson.Questions[1].MistakeCount = 3;
        SetNextFileName(target);
        SetNextAnswer(true);
        save.SaveRestOrWithMistakes(Lesson, Pupil);
        const QStringList shown = TakeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith(U("Урок не сохранён.\n")), qPrintable(shown[0]));
        QVERIFY2(shown[0].contains(target), qPrintable(shown[0]));
        QCOMPARE(Contents(target), QByteArray("kept"));
        QCOMPARE(Lesson.QuestionCount(), 2);
        QCOMPARE(Lesson.Questions[1].MistakeCount, 3);
    }

    void anAppendedExtensionAsksBeforeReplacing()
    {
        TDerivedLessonSave save(&Window);
        const QString existing = InLessons("keep.sl2");
        {
            QFile file(existing);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old");
        }
        SetNextFileName(InLessons("keep"));
        SetNextAnswer(false);
        save.SaveRestOrWithMistakes(Lesson, Pupil);
        QCOMPARE(TakeShownMessages(),
                 QStringList{U("Файл \"%1\" уже существует.\nЗаменить его?").arg(existing)});
        QCOMPARE(Contents(existing), QByteArray("old"));

        SetNextFileName(InLessons("keep"));
        SetNextAnswer(true);
        save.SaveRestOrWithMistakes(Lesson, Pupil);
        QVERIFY(Contents(existing).startsWith("Korvan Lesson File Format"));
    }
};

QTEST_MAIN(DerivedLessonSaveTest)
#include "DerivedLessonSaveTest.moc"
