#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

#include "import/AnkiTestDeck.h"
#include "import/TableReader.h"
#include "lesson/Lesson.h"
#include "ui/dialogs/DerivedLessonSave.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/platform/UiHelpers.h"
#include "util/ProgramFolder.h"
#include "util/Text.h"

using namespace korvan;

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

const char* const Table = "English\tRussian\tNote\n"
                          "Hello.\tПривет.\tприветствие\n"
                          "Fox.\tЛиса 🦊\t\n";

} // namespace

class ImportDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Folder;

    std::string Write(const char* name, const std::string& bytes)
    {
        const std::string path = QFile::encodeName(Folder->filePath(U(name))).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

private slots:
    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        SetProgramFolder(QFile::encodeName(Folder->path()).toStdString() + "/");
        TakeShownMessages();
    }

    void previewProposesColumnsAndWaitsForAChoiceOnUnfitRows()
    {
        const TImportCollection table = ReadTable(Table);
        TFImportLesson dialog(nullptr, table);
        QCOMPARE(dialog.CBRussian->currentData().toInt(), 1);
        QCOMPARE(dialog.CBEnglish->currentData().toInt(), 0);
        QCOMPARE(dialog.CBComment->currentData().toInt(), 2);
        QVERIFY(!dialog.BOk->isEnabled());
        QVERIFY2(dialog.LCounts->text().contains(U("строка 3, позиция 11")),
                 qPrintable(dialog.LCounts->text()));

        dialog.CBUnfit->setCurrentIndex(1); // leave such rows out
        QVERIFY(dialog.BOk->isEnabled());
        QCOMPARE(dialog.TPreview->rowCount(), 1);
        QCOMPARE(dialog.TPreview->item(0, 2)->text(), U("Привет."));
        QVERIFY2(dialog.LCounts->text().contains(U("Будет взято вопросов: 1")),
                 qPrintable(dialog.LCounts->text()));

        dialog.CBComment->setCurrentIndex(dialog.CBComment->findData(-1));
        QCOMPARE(dialog.TPreview->item(0, 1)->text(), QString());
        QVERIFY(!dialog.CBKeepNumbers->isEnabled()); // the table has no numbers
        dialog.UDFirstNumber->setValue(40);
        QCOMPARE(dialog.TPreview->item(0, 0)->text(), QStringLiteral("40"));
    }

    void importSavesIntoTheUsersLessonsFolder()
    {
        SetNextFileName(QFile::decodeName(Write("words.tsv", Table).c_str()));
        SetNextImportAnswer([](TFImportLesson& dialog) {
            dialog.CBUnfit->setCurrentIndex(2); // replace
            dialog.ETitle->setText(U("Мой урок"));
            dialog.CBWords->setChecked(true);
            return true;
        });
        const std::string written = ImportLessonInteractive(nullptr);
        QCOMPARE(QFile::decodeName(written.c_str()),
                 Folder->filePath(U("lessons/Уроки собственной разработки/Мой урок.sl2")));
        TLesson lesson;
        QVERIFY(lesson.LoadFromFile(written));
        QCOMPARE(lesson.QuestionCount(), 2);
        QVERIFY(lesson.Words);
        QCOMPARE(lesson.Questions[1].RText, ToCp1251("Лиса ?"));
    }

    void aUtf8LessonIsConvertedBesideItOnYes()
    {
        const std::string original =
            Write("utf8.sl2", "\xEF\xBB\xBFKorvan Lesson File Format, Version 2\n<header>\n"
                              "Title=Тест\n<body>\n1\n\nДа\nYes\n");
        std::string opened;
        SetNextAnswer(false);
        OfferUtf8LessonConversion(nullptr, original, [&](const std::string& p) { opened = p; });
        QVERIFY(opened.empty());
        SetNextAnswer(true);
        OfferUtf8LessonConversion(nullptr, original, [&](const std::string& p) { opened = p; });
        QCOMPARE(QFile::decodeName(opened.c_str()), Folder->filePath(U("utf8 (1251).sl2")));
        TLesson lesson;
        QVERIFY(lesson.LoadFromFile(opened));
        QCOMPARE(lesson.Title, ToCp1251("Тест"));
        QVERIFY(QFile::exists(QFile::decodeName(original.c_str())));

        std::string again;
        OfferUtf8LessonConversion(nullptr, opened, [&](const std::string& p) { again = p; });
        QVERIFY(again.empty()); // a 1251 lesson is not offered
        QCOMPARE(TakeShownMessages().size(), 2);
    }

    // An Anki package: the user picks one of its decks; its recordings come
    // along beside the lesson.
    void anAnkiPackagesChosenDeckWithItsRecordings()
    {
        test::TDeckSpec deck;
        deck.Schema = 18;
        deck.Decks = {{2, "Фразы"}, {3, "Words"}};
        deck.Types = {{10, "Basic", {"Front", "Back"}}};
        deck.Notes = {{10, 2, {"Доброе утро.[sound:ru1.mp3]", "Good morning."}},
                      {10, 3, {"кот", "cat"}}};
        const std::string package = Write("phrases.apkg", "");
        test::WritePackage(package, test::TTestLayout::Latest, deck, {{"ru1.mp3", "RU1"}});
        SetNextFileName(QFile::decodeName(package.c_str()));
        SetNextImportAnswer([](TFImportLesson& dialog) {
            dialog.CBDeck->setCurrentIndex(dialog.CBDeck->findText(U("Фразы")));
            return dialog.TPreview->rowCount() == 1;
        });
        const std::string written = ImportLessonInteractive(nullptr);
        TLesson lesson;
        QVERIFY2(lesson.LoadFromFile(written), written.c_str());
        QCOMPARE(lesson.QuestionCount(), 1);
        QCOMPARE(lesson.Questions[0].RText, ToCp1251("Доброе утро."));
        QVERIFY(lesson.HasRuAudio);
        QFile recording(QFileInfo(QFile::decodeName(written.c_str())).dir().filePath("001R.MP3"));
        QVERIFY2(recording.open(QIODevice::ReadOnly), qPrintable(recording.fileName()));
        QCOMPARE(recording.readAll(), QByteArray("RU1"));
    }
};

QTEST_MAIN(ImportDialogTest)
#include "ImportDialogTest.moc"
