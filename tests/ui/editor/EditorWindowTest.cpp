#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <string>

#include "timing/TimeCalculator.h"
#include "ui/dialogs/DerivedLessonSave.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/editor/EditorLaunch.h"
#include "ui/editor/EditorWindow.h"
#include "ui/editor/LessonTableModel.h"
#include "ui/platform/UiHelpers.h"
#include "util/Paths.h"
#include "util/Text.h"
#include "util/WavFile.h"

using namespace korvan;

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

std::string ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

void WriteAll(const QString& path, const std::string& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qint64(bytes.size()));
}

const std::string Lesson1251 =
    ToCp1251("Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=Дом\r\n<body>\r\n"
             "5\r\n\r\nэто дом\r\nthis is a house\r\n9\r\n\r\nкот\r\ncat\r\n");

// Says every sentence as two samples of silence.
class TFakeVoice : public ISpeechEngine
{
public:
    TSpeech Render(const std::string& text, TLanguage) override
    {
        Texts.push_back(text);
        return {true, {}, 16000, std::string(4, '\0')};
    }
    std::vector<std::string> Texts;
};

} // namespace

class LessonEditorTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Folder;
    std::unique_ptr<TTimeCalculator> Norms;
    TFakeVoice Voice;
    std::vector<std::string> Saved, Tried, Imported;

    std::string BufferPath = KORVAN_SHIPPED_DATA "/program/Buffer.WAV";

    std::unique_ptr<TFLessonEditor> MakeEditor(const QString& lesson = {})
    {
        TLessonEditorHooks hooks;
        hooks.Saved = [this](const std::string& p) { Saved.push_back(p); };
        hooks.TryInTrainer = [this](const std::string& p) { Tried.push_back(p); };
        hooks.Import = [this](QWidget*, const std::string& p) {
            Imported.push_back(p);
            return std::string();
        };
        hooks.Voice = &Voice;
        hooks.BufferPath = BufferPath;
        auto editor = std::make_unique<TFLessonEditor>(Norms.get(), std::move(hooks));
        if (!lesson.isEmpty())
            editor->OpenLesson(lesson.toStdString());
        editor->show();
        return editor;
    }
    QString WriteLesson()
    {
        const QString path = Folder->filePath(QStringLiteral("дом.sl2"));
        WriteAll(path, Lesson1251);
        return path;
    }
    static void Trigger(TFLessonEditor& editor, const char* action)
    {
        QAction* a = editor.findChild<QAction*>(QString::fromLatin1(action));
        QVERIFY2(a != nullptr, action);
        QVERIFY2(a->isEnabled(), action);
        a->trigger();
    }
    static QString Cell(TFLessonEditor& editor, int row, int column)
    {
        return editor.Table()->model()->index(row, column).data().toString();
    }

private slots:
    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        Norms = std::make_unique<TTimeCalculator>("/nonexistent/Time.ini");
        Norms->Norms = {{4}, {6}, {9}};
        Saved.clear();
        Tried.clear();
        Imported.clear();
        TakeShownMessages();
        TakeFileDialogRequests();
    }

    // Typing into a cell goes through the view's editor and Tab moves on, as
    // in a spreadsheet; the caption says there are unsaved changes.
    void typingTabAndCaption()
    {
        auto editor = MakeEditor(WriteLesson());
        QVERIFY(editor->windowTitle().contains(U("Дом")));
        QVERIFY(editor->windowTitle().contains(U("дом.sl2")));
        QVERIFY(!editor->isWindowModified());
        QTableView* view = editor->Table();
        view->setCurrentIndex(view->model()->index(1, TLessonTableModel::ColRussian));
        QTest::keyClick(view, Qt::Key_F2);
        auto* cell = view->viewport()->findChild<QLineEdit*>();
        QVERIFY(cell != nullptr);
        cell->selectAll();
        cell->insert(U("большой "));
        QTest::keyClicks(cell, QStringLiteral("black cat"));
        QTest::keyClick(cell, Qt::Key_Tab);
        QCOMPARE(Cell(*editor, 1, TLessonTableModel::ColRussian), U("большой black cat"));
        QCOMPARE(Cell(*editor, 1, TLessonTableModel::ColTime), QStringLiteral("9"));
        QCOMPARE(view->currentIndex().column(), int(TLessonTableModel::ColEnglish));
        QVERIFY(editor->isWindowModified());
        for (QWidget* w : editor->findChildren<QWidget*>())
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w))
                QVERIFY2(w->parent() == view->viewport() || !w->accessibleName().isEmpty(),
                         qPrintable(QString::fromLatin1(w->metaObject()->className())));
        QVERIFY(!view->model()
                     ->index(1, TLessonTableModel::ColRussian)
                     .data(Qt::AccessibleTextRole)
                     .toString()
                     .isEmpty());
    }

    // The keys reach the actions while a cell is being edited (a line edit
    // keeps some for itself).
    void keysWhileEditing()
    {
        auto editor = MakeEditor(WriteLesson());
        QApplication::setActiveWindow(editor.get());
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        QTableView* view = editor->Table();
        view->setCurrentIndex(view->model()->index(0, TLessonTableModel::ColEnglish));
        QTest::keyClick(view, Qt::Key_F2);
        auto* cell = view->viewport()->findChild<QLineEdit*>();
        QVERIFY(cell != nullptr);
        QTest::keyClick(cell, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(view->model()->rowCount(), 3);
        QTest::keyClick(view, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(view->model()->rowCount(), 2);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(view->model()->rowCount(), 3);
    }

    // Each action of the edit menu, then undo back to the file and redo.
    void everyEditAction()
    {
        auto editor = MakeEditor(WriteLesson());
        QTableView* view = editor->Table();
        auto numbers = [&] {
            QStringList list;
            for (int r = 0; r < view->model()->rowCount(); ++r)
                list << Cell(*editor, r, TLessonTableModel::ColNumber);
            return list.join(' ');
        };
        view->setCurrentIndex(view->model()->index(0, TLessonTableModel::ColRussian));
        Trigger(*editor, "AInsertRow");
        QCOMPARE(numbers(), QStringLiteral("5 10 9"));
        QCOMPARE(view->currentIndex().row(), 1);
        Trigger(*editor, "AMoveDown");
        QCOMPARE(numbers(), QStringLiteral("5 9 10"));
        Trigger(*editor, "AMoveUp");
        Trigger(*editor, "AMoveUp");
        QCOMPARE(numbers(), QStringLiteral("10 5 9"));
        Trigger(*editor, "ARenumber");
        QCOMPARE(numbers(), QStringLiteral("1 2 3"));
        view->setCurrentIndex(view->model()->index(0, TLessonTableModel::ColRussian));
        Trigger(*editor, "ADeleteRow");
        QCOMPARE(numbers(), QStringLiteral("2 3"));
        editor->findChild<QLineEdit*>(QStringLiteral("EFind"))->setText(U("КОТ"));
        Trigger(*editor, "AFindNext");
        QCOMPARE(view->currentIndex(), view->model()->index(1, TLessonTableModel::ColRussian));
        auto* words = editor->findChild<QCheckBox*>(QStringLiteral("CBWords"));
        words->setChecked(true);
        QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), U("Транскрипция"));
        while (editor->findChild<QAction*>(QStringLiteral("AUndo"))->isEnabled())
            Trigger(*editor, "AUndo");
        QCOMPARE(numbers(), QStringLiteral("5 9"));
        QVERIFY(!words->isChecked());
        QVERIFY(!editor->isWindowModified());
        while (editor->findChild<QAction*>(QStringLiteral("ARedo"))->isEnabled())
            Trigger(*editor, "ARedo");
        QCOMPARE(numbers(), QStringLiteral("2 3"));
        QVERIFY(words->isChecked());

        Trigger(*editor, "ASave");
        QCOMPARE(Saved.size(), std::size_t(1));
        QVERIFY(
            ReadAll(Folder->filePath(QStringLiteral("дом.sl2"))).find("Words\r\n<body>\r\n2\r\n") !=
            std::string::npos);
        Trigger(*editor, "ATryInTrainer");
        QCOMPARE(Tried, Saved);
        // Every action has a key and a caption.
        for (QAction* a : editor->findChildren<QAction*>())
            if (!a->objectName().isEmpty())
                QVERIFY2(!a->shortcut().isEmpty() && !a->text().isEmpty(),
                         qPrintable(a->objectName()));
    }

    // A character 1251 cannot hold is marked in its cell and blocks the save
    // until it is accepted as "?".
    void unencodableMarksAndSave()
    {
        auto editor = MakeEditor(WriteLesson());
        QAbstractItemModel* model = editor->Table()->model();
        QVERIFY(model->setData(model->index(0, TLessonTableModel::ColEnglish), U("naïve ü")));
        const QModelIndex marked = model->index(0, TLessonTableModel::ColEnglish);
        QVERIFY(marked.data(Qt::BackgroundRole).isValid());
        QVERIFY(marked.data(Qt::ToolTipRole).toString().contains(U("Windows-1251")));
        QVERIFY(!model->index(0, TLessonTableModel::ColRussian).data(Qt::BackgroundRole).isValid());

        SetNextAnswer(false);
        QVERIFY(!editor->Save());
        QCOMPARE(ReadAll(Folder->filePath(QStringLiteral("дом.sl2"))), Lesson1251);
        QCOMPARE(TakeShownMessages().size(), 1);
        SetNextAnswer(true);
        QVERIFY(editor->Save());
        QCOMPARE(Cell(*editor, 0, TLessonTableModel::ColEnglish), QStringLiteral("na?ve ?"));
        QVERIFY(!marked.data(Qt::BackgroundRole).isValid());
        QVERIFY(ReadAll(Folder->filePath(QStringLiteral("дом.sl2"))).find("na?ve ?") !=
                std::string::npos);
    }

    // Closing with unsaved changes asks: save? then, if not, drop them?
    void unsavedChangesQuestion()
    {
        auto editor = MakeEditor(WriteLesson());
        Trigger(*editor, "AInsertRow");
        SetNextAnswer(false);
        SetNextAnswer(false);
        QVERIFY(!editor->close());
        QVERIFY(editor->isVisible());
        SetNextAnswer(true); // save
        QVERIFY(editor->close());
        QCOMPARE(Saved.size(), std::size_t(1));
        QCOMPARE(TakeShownMessages().size(), 3);

        auto other = MakeEditor(WriteLesson());
        Trigger(*other, "AInsertRow");
        SetNextAnswer(false);
        SetNextAnswer(true); // drop
        QVERIFY(other->close());
        QCOMPARE(ReadAll(Folder->filePath(QStringLiteral("дом.sl2"))), Lesson1251);
    }

    // Not a lesson: a message and the importer's offer; a failed write: the
    // reason, the edits kept; a new lesson is named at its first save.
    void badFiles()
    {
        auto editor = MakeEditor();
        const QString table = Folder->filePath(QStringLiteral("t.txt"));
        WriteAll(table, "cat\tкот\n");
        SetNextAnswer(true);
        QVERIFY(!editor->OpenLesson(table.toStdString()));
        QVERIFY(TakeShownMessages().value(0).contains(U("не урок")));
        QCOMPARE(Imported, std::vector<std::string>{table.toStdString()});

        Trigger(*editor, "AInsertRow");
        SetNextFileName(Folder->filePath(QStringLiteral("нет/такой/папки.sl2")));
        SetNextAnswer(true);
        QVERIFY(!editor->Save());
        QVERIFY(TakeShownMessages().value(0).startsWith(U("Не удалось сохранить урок")));
        QVERIFY(editor->isWindowModified());
        QCOMPARE(editor->Table()->model()->rowCount(), 1);
        SetNextFileName(Folder->filePath(QStringLiteral("новый.sl2")));
        QVERIFY(editor->Save());
        QVERIFY(!editor->isWindowModified());
        QVERIFY(editor->windowTitle().contains(U("новый.sl2")));
    }

    // A lesson written in UTF-8 is saved in 1251, and the author is told so
    // at the first save only.
    void utf8LessonSavedAs1251()
    {
        const QString path = Folder->filePath(QStringLiteral("u.sl2"));
        WriteAll(path, "Korvan Lesson File Format, Version 2\r\n<header>\r\nTitle=Тест\r\n"
                       "<body>\r\n1\r\n\r\nпривет\r\nhi\r\n");
        auto editor = MakeEditor(path);
        Trigger(*editor, "AInsertRow");
        SetNextAnswer(true);
        QVERIFY(editor->Save());
        QVERIFY(TakeShownMessages().value(0).contains(U("Windows-1251")));
        QVERIFY(ReadAll(path).find(ToCp1251("Title=Тест\r\n<body>\r\n1\r\n\r\nпривет")) !=
                std::string::npos);
        Trigger(*editor, "AInsertRow");
        QVERIFY(editor->Save());
        QVERIFY(TakeShownMessages().isEmpty());
    }

    // The program's own hooks: a table opened in the editor is imported on
    // yes and the lesson made of it is opened; the voice synthesizes its
    // sentence beside it.
    void programHooksImportAndSynthesize()
    {
        struct TRestore
        {
            TFileLocations Before = FileLocations();
            ~TRestore() { SetFileLocations(Before); }
        } const restore;
        const std::string folder = QFile::encodeName(Folder->path()).toStdString() + "/";
        SetFileLocations({false, folder, folder});
        const QString table = Folder->filePath(QStringLiteral("words.csv"));
        WriteAll(table, "English,Russian\nGood morning.,Доброе утро.\nCat.,Кот.\n");
        TFLessonEditor editor(Norms.get(), ProgramEditorHooks());
        SetNextAnswer(true);
        SetNextImportAnswer([](TFImportLesson& dialog) {
            dialog.ETitle->setText(U("Слова"));
            return true;
        });
        QVERIFY(!editor.OpenLesson(table.toStdString()));
        const std::string lesson = UserLessonsFolder() + "Слова.sl2";
        QTRY_COMPARE(editor.Path(), lesson);
        QCOMPARE(Cell(editor, 1, TLessonTableModel::ColRussian), U("Кот."));

        Trigger(editor, "ASynthesizeRu");
        const TWavParse spoken = ReadWavFile(UserLessonsFolder() + "001R.WAV");
        QVERIFY2(spoken.Ok && spoken.Info.DurationMs() > 250, spoken.Error.c_str());
        QVERIFY(editor.Editor().Document.Header().HasRuAudio);
    }

    // Attach, synthesize and remove a recording; the audio flags follow.
    void recordings()
    {
        auto editor = MakeEditor(WriteLesson());
        QTableView* view = editor->Table();
        view->setCurrentIndex(view->model()->index(0, TLessonTableModel::ColRussian));
        const QString wav = Folder->filePath(QStringLiteral("take.wav"));
        WriteAll(wav, MakeWavHeader(PcmFormat(8000, 1, 16), 2) + std::string(2, '\0'));
        SetNextFileName(wav);
        Trigger(*editor, "AAttachRu");
        QVERIFY(QFile::exists(Folder->filePath(QStringLiteral("005R.WAV"))));
        QCOMPARE(Cell(*editor, 0, TLessonTableModel::ColRuAudio), U("есть"));
        QVERIFY(editor->findChild<QCheckBox*>(QStringLiteral("CBHasRuAudio"))->isChecked());
        // The other question now lacks the promised recording.
        QVERIFY(view->model()
                    ->index(1, TLessonTableModel::ColRuAudio)
                    .data(Qt::BackgroundRole)
                    .isValid());

        Trigger(*editor, "ASynthesizeEn");
        QCOMPARE(Voice.Texts.back(), ToCp1251("this is a house"));
        QCOMPARE(
            ReadWavFile(Folder->filePath(QStringLiteral("005E.WAV")).toStdString()).Info.DataBytes,
            4u);

        SetNextAnswer(false);
        Trigger(*editor, "ARemoveRu");
        QVERIFY(QFile::exists(Folder->filePath(QStringLiteral("005R.WAV"))));
        SetNextAnswer(true);
        Trigger(*editor, "ARemoveRu");
        QVERIFY(!QFile::exists(Folder->filePath(QStringLiteral("005R.WAV"))));
        QVERIFY(!editor->findChild<QCheckBox*>(QStringLiteral("CBHasRuAudio"))->isChecked());
    }

    // A recorder that cannot record (here: no format to record in, as with a
    // missing microphone) is a message; nothing is written.
    void recordingWithoutMicrophone()
    {
        BufferPath = Folder->filePath(QStringLiteral("none.wav")).toStdString();
        auto editor = MakeEditor(WriteLesson());
        QTableView* view = editor->Table();
        view->setCurrentIndex(view->model()->index(1, TLessonTableModel::ColRussian));
        SetNextAnswer(true);
        Trigger(*editor, "ARecordRu");
        QVERIFY(TakeShownMessages().value(0).contains(U("микрофон")));
        QVERIFY(!QFile::exists(Folder->filePath(QStringLiteral("009R.WAV"))));
    }
};

QTEST_MAIN(LessonEditorTest)
#include "EditorWindowTest.moc"
