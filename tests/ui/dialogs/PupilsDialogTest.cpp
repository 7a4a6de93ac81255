#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "settings/Pupils.h"
#include "ui/dialogs/PupilsDialog.h"
#include "ui/platform/UiHelpers.h"
#include "util/IniFile.h"
#include "util/ProgramFolder.h"
#include "util/Text.h"

using namespace korvan;

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

template <typename W> W* Find(QWidget& dialog, const char* name)
{
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr)
        qFatal("no control %s", name);
    return w;
}

QStringList Entries(QWidget& dialog)
{
    QStringList names;
    auto* list = Find<QListWidget>(dialog, "LBPupils");
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

QString Selected(QWidget& dialog)
{
    const auto items = Find<QListWidget>(dialog, "LBPupils")->selectedItems();
    return items.isEmpty() ? QString() : items.front()->text();
}

// Once the next modal dialog is up (inside its own event loop), runs
// `actions` on it.
void WhenModal(const std::function<void(QWidget&)>& actions)
{
    QTimer::singleShot(0, [actions] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal != nullptr);
        actions(*modal);
    });
}

// Types `text` key by key (QTest::keyClicks takes Latin-1 only); a character
// no key gives, such as a tab, is inserted as if pasted.
void Type(QLineEdit* edit, const QString& text)
{
    for (const QChar c : text) {
        if (c.isPrint())
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        else
            edit->insert(QString(c));
    }
}

// Types `text` into the name editor that the next key or click opens, then
// presses Enter there.
void AnswerEditor(const QString& text)
{
    WhenModal([text](QWidget& editor) {
        QCOMPARE(editor.objectName(), QStringLiteral("FPupils_e"));
        QLineEdit* edit = Find<QLineEdit>(editor, "EName");
        Type(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

void Key(QWidget& dialog, Qt::Key key)
{
    // Keys go where the focus is: the list box.
    QTest::keyClick(Find<QListWidget>(dialog, "LBPupils"), key);
}

} // namespace

class PupilsDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Folder;
    std::string PupilsIni() const
    {
        return Folder->filePath(QStringLiteral("Pupils.ini")).toStdString();
    }

    void Store(const char* utf8Ini) const
    {
        const std::string text = ToCp1251(utf8Ini);
        QFile file(QString::fromStdString(PupilsIni()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
    }

    // Runs Execute with `actions` performed once the dialog is up; a dialog
    // left open for 5 s is closed, so a broken test fails instead of hanging.
    bool ExecuteWith(TFPupils& dialog, const std::function<void()>& actions)
    {
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(dialog.isVisible());
            actions();
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &dialog, [] {
            qWarning("dialog left open");
            while (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        guard.start(5000);
        return dialog.Execute();
    }

private slots:
    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        SetProgramFolder(Folder->path().toStdString() + "/");
        TakeShownMessages();
    }

    void withoutAFileOnePupilAndNoOfferAtStartup()
    {
        {
            TFPupils dialog;
            QCOMPARE(dialog.CurrentPupil(), ToCp1251("Ученик 1"));
            QVERIFY(!dialog.ShowPupilsAtStartup());
            QVERIFY(!dialog.ExecuteAtStartup()); // returns at once: nothing shown
            QCOMPARE(dialog.windowTitle(), U("Ученики"));
            QCOMPARE(dialog.size(), QSize(328, 392));
            QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
            QCOMPARE(Find<QToolButton>(dialog, "BInsert")->toolTip(),
                     U("Добавить ученика\n[Insert]"));
            QCOMPARE(Find<QToolButton>(dialog, "BEdit")->toolTip(),
                     U("Исправить информацию об ученике\n[F2]"));
            QCOMPARE(Find<QToolButton>(dialog, "BDelete")->toolTip(),
                     U("Удалить ученика\n[Delete]"));
            QCOMPARE(Find<QCheckBox>(dialog, "CBShowPupilsAtStartup")->text(),
                     U("Предлагать выбор ученика при запуске программы"));
            QCOMPARE(Find<QPushButton>(dialog, "BOk")->text(), U("Выбрать"));
            QVERIFY(Find<QPushButton>(dialog, "BOk")->isDefault());
            QCOMPARE(Find<QPushButton>(dialog, "BCancel")->text(), U("Отмена"));
        }
        // Written when destroyed.
        const TIniFile ini(PupilsIni());
        QCOMPARE(ini.ReadInteger("Main", "PupilsCount", -1), 1);
        QCOMPARE(ini.ReadInteger("Main", "SelectedPupilIndex", -1), 0);
        QCOMPARE(ini.ReadString("Main", "PupilName_0", ""), ToCp1251("Ученик 1"));
        QCOMPARE(ini.ReadBool("Main", "ShowPupilsAtStartup", true), false);
    }

    void theEditorLooksAsDesigned()
    {
        TFPupils_e editor;
        QCOMPARE(editor.windowTitle(), U("Информация об ученике"));
        QCOMPARE(editor.size(), QSize(391, 96));
        QCOMPARE(editor.minimumSize(), editor.maximumSize());
        QLabel* label = Find<QLabel>(editor, "LName");
        QCOMPARE(label->text(), U("Имя:"));
        QVERIFY(label->alignment() & Qt::AlignRight);
        QCOMPARE(Find<QPushButton>(editor, "BOk")->text(), U("Да"));
        QVERIFY(Find<QPushButton>(editor, "BOk")->isDefault());
        QCOMPARE(Find<QPushButton>(editor, "BCancel")->text(), U("Отмена"));

        QString name = U("Пётр");
        WhenModal([](QWidget& shown) {
            QLineEdit* edit = Find<QLineEdit>(shown, "EName");
            QCOMPARE(shown.focusWidget(), edit);
            QCOMPARE(edit->selectedText(), U("Пётр"));
            QTest::keyClick(edit, Qt::Key_Escape);
        });
        QVERIFY(!editor.Execute(name));
        QCOMPARE(name, U("Пётр"));
    }

    void addWithInsertTrimmedSortedAndChosenWithEnter()
    {
        Store("[Main]\nPupilsCount=2\nPupilName_0=Борис\nPupilName_1=Вера\n");
        TFPupils dialog;
        TFPupils_e editor;
        dialog.SetEditor(&editor);
        QVERIFY(ExecuteWith(dialog, [&] {
            QCOMPARE(dialog.focusWidget(), Find<QListWidget>(dialog, "LBPupils"));
            QCOMPARE(Selected(dialog), U("Борис"));
            AnswerEditor(U("  Анна \t"));
            Key(dialog, Qt::Key_Insert);
            QCOMPARE(Entries(dialog), QStringList({U("Анна"), U("Борис"), U("Вера")}));
            QCOMPARE(Selected(dialog), U("Анна"));
            Key(dialog, Qt::Key_Return);
        }));
        QCOMPARE(dialog.CurrentPupil(), ToCp1251("Анна"));
        QCOMPARE(dialog.Settings().SelectedPupilIndex, 0);
        QVERIFY(TakeShownMessages().isEmpty());
    }

    void theListFollowsRussianCollationIgnoringCase()
    {
        Store("[Main]\nPupilsCount=5\nPupilName_0=ёжик\nPupilName_1=Жанна\nPupilName_2=Ева\n"
              "PupilName_3=анна\nPupilName_4=Борис\n");
        TFPupils dialog;
        QVERIFY(ExecuteWith(dialog, [&] {
            QCOMPARE(Entries(dialog),
                     QStringList({U("анна"), U("Борис"), U("Ева"), U("ёжик"), U("Жанна")}));
            SetNextAnswer(true);
            AnswerEditor(U("ЁЖИК"));
            Key(dialog, Qt::Key_Insert);
            QCOMPARE(TakeShownMessages(), QStringList{U("Ученик с таким именем уже есть.")});
            QCOMPARE(Entries(dialog).size(), 5);
            QCOMPARE(Selected(dialog), U("ёжик"));
            Key(dialog, Qt::Key_Return);
        }));
        QCOMPARE(dialog.CurrentPupil(), ToCp1251("ёжик"));
    }

    void renameWithF2()
    {
        Store("[Main]\nPupilsCount=3\nSelectedPupilIndex=1\nPupilName_0=Анна\nPupilName_1=Борис\n"
              "PupilName_2=Вера\n");
        TFPupils dialog;
        QVERIFY(ExecuteWith(dialog, [&] {
            QCOMPARE(Selected(dialog), U("Борис"));
            // Only letter case changed: the old entry itself is found.
            SetNextAnswer(true);
            WhenModal([](QWidget& editor) {
                QLineEdit* edit = Find<QLineEdit>(editor, "EName");
                QCOMPARE(edit->selectedText(), U("Борис"));
                Type(edit, U("БОРИС")); // replaces the selection
                QTest::keyClick(edit, Qt::Key_Return);
            });
            Key(dialog, Qt::Key_F2);
            QCOMPARE(TakeShownMessages(), QStringList{U("Ученик с таким именем уже есть.")});
            QCOMPARE(Entries(dialog), QStringList({U("Анна"), U("Борис"), U("Вера")}));

            // Confirmed without a change: nothing happens.
            AnswerEditor(QString());
            Key(dialog, Qt::Key_F2);
            QVERIFY(TakeShownMessages().isEmpty());
            QCOMPARE(Selected(dialog), U("Борис"));

            // Another pupil's name.
            SetNextAnswer(true);
            AnswerEditor(U("вера"));
            Key(dialog, Qt::Key_F2);
            QCOMPARE(TakeShownMessages(), QStringList{U("Ученик с таким именем уже есть.")});
            QCOMPARE(Selected(dialog), U("Вера"));

            // A new name goes to its sorted place and is selected.
            Find<QListWidget>(dialog, "LBPupils")->setCurrentRow(0);
            AnswerEditor(U("Яна"));
            Key(dialog, Qt::Key_F2);
            QCOMPARE(Entries(dialog), QStringList({U("Борис"), U("Вера"), U("Яна")}));
            QCOMPARE(Selected(dialog), U("Яна"));
            QTest::mouseClick(Find<QPushButton>(dialog, "BOk"), Qt::LeftButton);
        }));
        QCOMPARE(dialog.CurrentPupil(), ToCp1251("Яна"));
        // The one rename made, for the pupil's history to follow.
        using TRenames = std::vector<std::pair<std::string, std::string>>;
        QVERIFY(dialog.TakeRenames() == TRenames({{ToCp1251("Анна"), ToCp1251("Яна")}}));
        QVERIFY(dialog.TakeRenames().empty());
    }

    void aNameOfBlanksIsRefusedInTheEditor()
    {
        TFPupils dialog;
        QVERIFY(!ExecuteWith(dialog, [&] {
            SetNextAnswer(true);
            WhenModal([](QWidget& editor) {
                QLineEdit* edit = Find<QLineEdit>(editor, "EName");
                Type(edit, QStringLiteral("   "));
                QTest::mouseClick(Find<QPushButton>(editor, "BOk"), Qt::LeftButton);
                QCOMPARE(TakeShownMessages(), QStringList{U("Не указанно имя ученика.")});
                QVERIFY(editor.isVisible()); // the editor stays open
                QCOMPARE(editor.focusWidget(), edit);
                QCOMPARE(edit->text(), QString());
                QTest::keyClick(edit, Qt::Key_Escape);
            });
            QTest::mouseClick(Find<QToolButton>(dialog, "BInsert"), Qt::LeftButton);
            QCOMPARE(Entries(dialog), QStringList{U("Ученик 1")});
            QTest::keyClick(Find<QListWidget>(dialog, "LBPupils"), Qt::Key_Escape);
        }));
    }

    void deleteSelectsTheNewLastAndAnEmptyListIsRefused()
    {
        Store("[Main]\nPupilsCount=3\nSelectedPupilIndex=2\nPupilName_0=А\nPupilName_1=Б\n"
              "PupilName_2=В\n");
        TFPupils dialog;
        QVERIFY(!ExecuteWith(dialog, [&] {
            SetNextAnswer(false); // "Удалить?" cancelled
            Key(dialog, Qt::Key_Delete);
            QCOMPARE(TakeShownMessages(), QStringList{U("Удалить?")});
            QCOMPARE(Entries(dialog).size(), 3);

            SetNextAnswer(true);
            Key(dialog, Qt::Key_Delete);
            QCOMPARE(Entries(dialog), QStringList({U("А"), U("Б")}));
            QCOMPARE(Selected(dialog), U("Б"));
            SetNextAnswer(true);
            SetNextAnswer(true);
            Key(dialog, Qt::Key_Delete);
            QTest::mouseClick(Find<QToolButton>(dialog, "BDelete"), Qt::LeftButton);
            QVERIFY(Entries(dialog).isEmpty());
            TakeShownMessages();

            SetNextAnswer(true);
            Key(dialog, Qt::Key_Return);
            QCOMPARE(TakeShownMessages(), QStringList{U("Перечень учеников не может быть пуст.")});
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.focusWidget(), Find<QListWidget>(dialog, "LBPupils"));
            // Esc discards every change.
            Key(dialog, Qt::Key_Escape);
        }));
        QCOMPARE(dialog.Settings().Names.Count(), 3);
        QCOMPARE(dialog.CurrentPupil(), ToCp1251("В"));
    }

    void noSelectionIsRefused()
    {
        TFPupils dialog;
        QVERIFY(!ExecuteWith(dialog, [&] {
            Find<QListWidget>(dialog, "LBPupils")->clearSelection();
            SetNextAnswer(true);
            QTest::mouseClick(Find<QPushButton>(dialog, "BOk"), Qt::LeftButton);
            QCOMPARE(TakeShownMessages(), QStringList{U("Ученик не выбран.")});
            QVERIFY(dialog.isVisible());
            // F2 and Delete need a selection too: nothing is asked.
            Key(dialog, Qt::Key_F2);
            Key(dialog, Qt::Key_Delete);
            QVERIFY(TakeShownMessages().isEmpty());
            QTest::mouseClick(Find<QPushButton>(dialog, "BCancel"), Qt::LeftButton);
        }));
    }

    void aDoubleClickChoosesAndTheCheckBoxIsKept()
    {
        Store("[Main]\nPupilsCount=2\nPupilName_0=Анна\nPupilName_1=Борис\n");
        {
            TFPupils dialog;
            QVERIFY(ExecuteWith(dialog, [&] {
                Find<QCheckBox>(dialog, "CBShowPupilsAtStartup")->setChecked(true);
                auto* list = Find<QListWidget>(dialog, "LBPupils");
                const QPoint at = list->visualItemRect(list->item(1)).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            }));
            QCOMPARE(dialog.CurrentPupil(), ToCp1251("Борис"));
            QVERIFY(dialog.ShowPupilsAtStartup());
        }
        // The next start offers the choice.
        TFPupils dialog;
        QVERIFY(dialog.ShowPupilsAtStartup());
        QCOMPARE(dialog.CurrentPupil(), ToCp1251("Борис"));
        QTimer::singleShot(0, &dialog, [&] { Key(dialog, Qt::Key_Return); });
        QVERIFY(dialog.ExecuteAtStartup());
    }

    void cancelDiscardsEverything()
    {
        Store("[Main]\nPupilsCount=1\nPupilName_0=Анна\n");
        TFPupils dialog;
        QVERIFY(!ExecuteWith(dialog, [&] {
            AnswerEditor(U("Борис"));
            Key(dialog, Qt::Key_Insert);
            AnswerEditor(U("Вика"));
            Key(dialog, Qt::Key_F2);
            Find<QCheckBox>(dialog, "CBShowPupilsAtStartup")->setChecked(true);
            QTest::mouseClick(Find<QPushButton>(dialog, "BCancel"), Qt::LeftButton);
        }));
        QCOMPARE(dialog.Settings().Names.Count(), 1);
        QVERIFY(!dialog.ShowPupilsAtStartup());
        QVERIFY(dialog.TakeRenames().empty()); // a rename cancelled is none
        // Opened again, the dialog shows the kept state, not the discarded one.
        QVERIFY(!ExecuteWith(dialog, [&] {
            QCOMPARE(Entries(dialog), QStringList{U("Анна")});
            QVERIFY(!Find<QCheckBox>(dialog, "CBShowPupilsAtStartup")->isChecked());
            Key(dialog, Qt::Key_Escape);
        }));
    }

    void aHandWrittenFileIsWrittenBackSorted()
    {
        Store("[Main]\nPupilsCount=3\nSelectedPupilIndex=7\nPupilName_0=Вера\nPupilName_1=анна\n"
              "PupilName_2=АННА\n");
        {
            TFPupils dialog;
            QCOMPARE(dialog.CurrentPupil(), ToCp1251("анна"));
        }
        const TIniFile ini(PupilsIni());
        QCOMPARE(ini.ReadInteger("Main", "PupilsCount", -1), 2);
        QCOMPARE(ini.ReadInteger("Main", "SelectedPupilIndex", -1), 0);
        QCOMPARE(ini.ReadString("Main", "PupilName_0", ""), ToCp1251("анна"));
        QCOMPARE(ini.ReadString("Main", "PupilName_1", ""), ToCp1251("Вера"));
    }
};

QTEST_MAIN(PupilsDialogTest)
#include "PupilsDialogTest.moc"
