#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <fstream>
#include <functional>
#include <memory>

#include "settings/BehaviorCfg.h"
#include "ui/dialogs/BehaviorDialog.h"
#include "ui/platform/UiHelpers.h"
#include "util/IniFile.h"
#include "util/ProgramFolder.h"
#include "util/Text.h"

using namespace korvan;

namespace {

template <typename W> W* Find(QWidget& dialog, const char* name)
{
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr)
        qFatal("no control %s", name);
    return w;
}

QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

// Runs Execute with `actions` performed once the dialog is up; the actions end
// by closing it. A dialog (or a message box) still open after 5 s is closed so
// that a broken test fails instead of hanging.
bool ExecuteWith(TFBehavior& dialog, const std::function<void()>& actions)
{
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(dialog.isVisible());
        actions();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
        qWarning("dialog left open");
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w))
                box->reject();
        dialog.reject();
    });
    guard.start(5000);
    return dialog.Execute();
}

void Click(QWidget& dialog, const char* name)
{
    Find<QAbstractButton>(dialog, name)->click();
}

// The mode menu's item for a 0-based mode index.
QAction* ModeItem(TFBehavior& dialog, int index)
{
    for (QAction* action : Find<QMenu>(dialog, "PM")->actions())
        if (!action->isSeparator() && action->data().toInt() == index)
            return action;
    qFatal("no menu item for mode %d", index);
}

const QString RussianWarning =
    Utf8("Обратите внимание! Вы отключили и показ и аудирование русского текста.");
const QString EnglishWarning =
    Utf8("Обратите внимание! Вы отключили и показ и аудирование английского текста.");

// Every stored field away from its default.
TBehaviorCfg Stored()
{
    TBehaviorCfg c;
    c.UseTime = false;
    c.Speed = 12;
    c.MistakeChange = 1;
    c.UseAtOnce = 25;
    c.OrderKind = 1;
    c.SaveDiff = false;
    c.DiffNum = 4;
    c.ShowRText = false;
    c.ShowEText = true;
    c.UseRWav = true;
    c.UseEWav = false;
    c.TranslRE = false;
    c.UseTextInput = true;
    c.UseSpeech = true;
    return c;
}

} // namespace

class BehaviorDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Folder;
    std::string File(const char* name) const
    {
        return Folder->filePath(QString::fromLatin1(name)).toStdString();
    }
    void Write(const char* name, const std::string& text) const
    {
        std::ofstream(File(name), std::ios::binary) << text;
    }
    // Three modes; Mode2 holds Stored(), Mode3 only two keys.
    void WriteThreeModes() const
    {
        Write("Modes.ini", "[Modes]\r\nHowMany=3\r\n1=" + ToCp1251("Обычный") +
                               "\r\n2=" + ToCp1251("Слова") + "\r\n3=" + ToCp1251("Экзамен") +
                               "\r\n[Mode3]\r\nSpeed=3\r\nOrderKind=0\r\n");
        SaveBehaviorCfg(Stored(), File("Modes.ini"), "Mode2");
    }

private slots:
    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        SetProgramFolder(Folder->path().toStdString());
        TakeShownMessages();
    }

    void captionsAndHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        auto row = [](const char* name, const char* text, const char* hint) {
            QTest::newRow(name) << QString::fromLatin1(name) << Utf8(text) << Utf8(hint);
        };
        row("BSaveMode", "Сохранить режим",
            "Сохраненить выбранные в данный момент установки\nпод именем выбранного режима");
        row("Label9", "Показывать текст", "");
        row("BShowRText", "", "Показывать\nрусский текст");
        row("BShowEText", "", "Показывать\nанглийский текст");
        row("Label10", "Проигрывать звук \n(при наличии звук. файлов к уроку)", "");
        row("BUseRWav", "", "Аудировать\nрусский текст");
        row("BUseEWav", "", "Аудировать\nанглийский текст");
        row("Label15", "Направление перевода", "");
        row("BTranslRE", "", "Перевод с русского \nна английский");
        row("BTranslER", "", "Перевод с английского\nна русский");
        row("Label1", "Перевод я буду:", "");
        row("RBUseAudioInput", "Произносить вслух", "");
        row("RBUseTextInput", "Набирать на клавиатуре", "");
        row("Label2", "Время на обдумывание (от нормы)", "");
        row("CBUseTime", "С учетом времени", "");
        row("LSpeed0", "1/2", "");
        row("LSpeed4", "2,5", "");
        row("Label13", "Если дан неверный перевод, \nто предложение", "");
        row("LMistake0", "больше не показывать", "");
        row("LMistake1", "показать еще один раз", "");
        row("LMistake2", "показать еще два раза", "");
        row("Label35", "Способ перебора:", "");
        row("RBOrder", "по порядку", "");
        row("RBAll", "случайно все", "");
        row("RBPart", "случайно часть", "");
        row("Label24", "Одновременно используются предложений", "");
        row("LAtOnce1", "1", "");
        row("LAtOnce40", "40", "");
        row("CBSaveDiff", "Сохранять в файле предложения на", "");
        row("Label11", "которых было допущено ошибок", "");
        row("Label12", "или более", "");
        row("CBUseSpeech", "Озвучивать предложения без записи синтезатором речи", "");
        row("BOk", "Да", "");
        row("BCancel", "Отмена", "");
    }

    void captionsAndHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        TFBehavior dialog;
        QWidget* control = dialog.findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        if (auto* label = qobject_cast<QLabel*>(control))
            QCOMPARE(label->text(), text);
        else
            QCOMPARE(qobject_cast<QAbstractButton*>(control)->text(), text);
        QCOMPARE(control->toolTip(), hint);
    }

    void formAndGroups()
    {
        TFBehavior dialog;
        QCOMPARE(dialog.windowTitle(), Utf8("Поведение программы"));
        QCOMPARE(dialog.size(), QSize(447, 543));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        // Seven groups, six thin lines between them, top to bottom.
        int lines = 0;
        int lastTop = 0;
        for (int i = 1; i <= 6; ++i) {
            auto* line = Find<QFrame>(dialog, ("Bevel" + std::to_string(i)).c_str());
            QCOMPARE(line->frameShape(), QFrame::HLine);
            QVERIFY(line->y() > lastTop);
            lastTop = line->y();
            ++lines;
        }
        QCOMPARE(lines, 6);
        QCOMPARE(Find<QSlider>(dialog, "TBSpeed")->maximum(), 20);
        QCOMPARE(Find<QSlider>(dialog, "TBMistakeChange")->orientation(), Qt::Vertical);
        QCOMPARE(Find<QSlider>(dialog, "TBMistakeChange")->pageStep(), 1);
        QCOMPARE(Find<QSlider>(dialog, "TBUseAtOnce")->pageStep(), 5);
        QCOMPARE(Find<QSpinBox>(dialog, "UDDiffNum")->maximum(), 9);
        QVERIFY(Find<QLineEdit>(dialog, "EDiffNum")->isReadOnly());
        QVERIFY(Find<QPushButton>(dialog, "BOk")->isDefault());
        // The mode menu's top value is at the top of the vertical track bar.
        auto* mistakes = Find<TTrackBar>(dialog, "TBMistakeChange");
        QVERIFY(mistakes->HandleCentre(-1).y() < mistakes->HandleCentre(1).y());
        // The labels stand under their positions.
        auto* speed = Find<TTrackBar>(dialog, "TBSpeed");
        const int labelCentre = Find<QLabel>(dialog, "LSpeed2")->geometry().center().x();
        QVERIFY(qAbs(labelCentre - (speed->x() + speed->HandleCentre(10).x())) <= 1);
        // The speech switch's long caption fits its row, clear of the buttons.
        auto* speech = Find<QCheckBox>(dialog, "CBUseSpeech");
        QVERIFY(speech->sizeHint().width() <= speech->width());
        QVERIFY(speech->geometry().bottom() < Find<QWidget>(dialog, "BOk")->y());
        QVERIFY(speech->y() > Find<QWidget>(dialog, "Label11")->geometry().bottom());
    }

    void tabOrderAndFocus()
    {
        TFBehavior dialog;
        QVERIFY(!ExecuteWith(dialog, [&] {
            QCOMPARE(dialog.focusWidget(), Find<QWidget>(dialog, "BOk"));
            // Ticks at both ends and every fifth position.
            QCOMPARE(Find<TTrackBar>(dialog, "TBUseAtOnce")->Ticks(),
                     (std::vector<int>{1, 5, 10, 15, 20, 25, 30, 35, 40}));
            Click(dialog, "BCancel");
        }));
        // Tab walks every control top to bottom, ending at the two buttons at
        // the bottom (the number field is its spin box's focus proxy).
        QStringList walked;
        QWidget* w = Find<QWidget>(dialog, "BSelectMode");
        for (int i = 0; i < 100 && !walked.contains(w->objectName()); ++i) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->objectName() != QLatin1String("EDiffNum"))
                walked << w->objectName();
            w = w->nextInFocusChain();
        }
        QCOMPARE(walked, (QStringList{"BSelectMode",     "BSaveMode",   "BShowRText",
                                      "BShowEText",      "BUseRWav",    "BUseEWav",
                                      "BTranslRE",       "BTranslER",   "RBUseAudioInput",
                                      "RBUseTextInput",  "CBUseTime",   "TBSpeed",
                                      "TBMistakeChange", "RBOrder",     "RBAll",
                                      "RBPart",          "TBUseAtOnce", "CBSaveDiff",
                                      "UDDiffNum",       "CBUseSpeech", "BOk",
                                      "BCancel"}));
    }

    void defaultsWithoutFiles()
    {
        TFBehavior dialog;
        QVERIFY(ExecuteWith(dialog, [&] {
            QCOMPARE(Find<QPushButton>(dialog, "BSelectMode")->text(), Utf8("Режим :  Режим 1"));
            QVERIFY(Find<QCheckBox>(dialog, "CBUseTime")->isChecked());
            QVERIFY(Find<QSlider>(dialog, "TBSpeed")->isEnabled());
            QCOMPARE(Find<QSlider>(dialog, "TBSpeed")->value(), 5);
            QCOMPARE(Find<QSlider>(dialog, "TBMistakeChange")->value(), 0);
            QCOMPARE(Find<QSlider>(dialog, "TBUseAtOnce")->value(), 10);
            QVERIFY(Find<QSlider>(dialog, "TBUseAtOnce")->isEnabled());
            QVERIFY(Find<QRadioButton>(dialog, "RBPart")->isChecked());
            QVERIFY(Find<QCheckBox>(dialog, "CBSaveDiff")->isChecked());
            QCOMPARE(Find<QSpinBox>(dialog, "UDDiffNum")->value(), 2);
            for (const char* down :
                 {"BShowRText", "BShowEText", "BUseRWav", "BUseEWav", "BTranslRE"})
                QVERIFY2(Find<QToolButton>(dialog, down)->isChecked(), down);
            QVERIFY(!Find<QToolButton>(dialog, "BTranslER")->isChecked());
            QVERIFY(Find<QRadioButton>(dialog, "RBUseAudioInput")->isChecked());
            QVERIFY(!Find<QCheckBox>(dialog, "CBUseSpeech")->isChecked());
            Click(dialog, "BOk");
        }));
        QCOMPARE(dialog.Settings().CurrentCfg, TBehaviorCfg{});
        QCOMPARE(dialog.Settings().CurrentMode, 0);
    }

    void storedSettingsShownAndKept()
    {
        SaveBehaviorCfg(Stored(), File("Korvan.ini"), "Main");
        TFBehavior dialog;
        QVERIFY(ExecuteWith(dialog, [&] {
            QVERIFY(!Find<QCheckBox>(dialog, "CBUseTime")->isChecked());
            QVERIFY(!Find<QSlider>(dialog, "TBSpeed")->isEnabled());
            QCOMPARE(Find<QSlider>(dialog, "TBSpeed")->value(), 12);
            QCOMPARE(Find<QSlider>(dialog, "TBMistakeChange")->value(), 1);
            QCOMPARE(Find<QSlider>(dialog, "TBUseAtOnce")->value(), 25);
            QVERIFY(!Find<QSlider>(dialog, "TBUseAtOnce")->isEnabled());
            QVERIFY(Find<QRadioButton>(dialog, "RBAll")->isChecked());
            // Switched off, the number field still shows the number.
            QVERIFY(!Find<QCheckBox>(dialog, "CBSaveDiff")->isChecked());
            QVERIFY(!Find<QSpinBox>(dialog, "UDDiffNum")->isEnabled());
            QVERIFY(!Find<QLineEdit>(dialog, "EDiffNum")->isEnabled());
            QCOMPARE(Find<QLineEdit>(dialog, "EDiffNum")->text(), QStringLiteral("4"));
            QVERIFY(!Find<QToolButton>(dialog, "BShowRText")->isChecked());
            QVERIFY(Find<QToolButton>(dialog, "BUseRWav")->isChecked());
            QVERIFY(!Find<QToolButton>(dialog, "BUseEWav")->isChecked());
            QVERIFY(!Find<QToolButton>(dialog, "BTranslRE")->isChecked());
            QVERIFY(Find<QToolButton>(dialog, "BTranslER")->isChecked());
            QVERIFY(Find<QRadioButton>(dialog, "RBUseTextInput")->isChecked());
            QVERIFY(Find<QCheckBox>(dialog, "CBUseSpeech")->isChecked());
            Click(dialog, "BOk");
        }));
        QCOMPARE(dialog.Settings().CurrentCfg, Stored());
    }

    void outOfRangeShownAtNearestEnd_data()
    {
        QTest::addColumn<QString>("main");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("shown");
        QTest::newRow("Speed 35") << "Speed=35"
                                  << "TBSpeed" << 20;
        QTest::newRow("Speed -2") << "Speed=-2"
                                  << "TBSpeed" << 0;
        QTest::newRow("MistakeChange -4") << "MistakeChange=-4"
                                          << "TBMistakeChange" << -1;
        QTest::newRow("MistakeChange 2") << "MistakeChange=2"
                                         << "TBMistakeChange" << 1;
        QTest::newRow("UseAtOnce 0") << "UseAtOnce=0"
                                     << "TBUseAtOnce" << 1;
        QTest::newRow("UseAtOnce 99") << "UseAtOnce=99"
                                      << "TBUseAtOnce" << 40;
        QTest::newRow("DiffNum 0") << "DiffNum=0"
                                   << "UDDiffNum" << 1;
        QTest::newRow("DiffNum 12") << "DiffNum=12"
                                    << "UDDiffNum" << 9;
    }

    void outOfRangeShownAtNearestEnd()
    {
        QFETCH(QString, main);
        QFETCH(QString, control);
        QFETCH(int, shown);
        Write("Korvan.ini", "[Main]\r\n" + main.toStdString() + "\r\n");
        TFBehavior dialog;
        const TBehaviorCfg before = dialog.Settings().CurrentCfg;
        QVERIFY(ExecuteWith(dialog, [&] {
            auto* w = dialog.findChild<QWidget*>(control);
            const int value = qobject_cast<QAbstractSlider*>(w)
                                  ? qobject_cast<QAbstractSlider*>(w)->value()
                                  : qobject_cast<QSpinBox*>(w)->value();
            QCOMPARE(value, shown);
            Click(dialog, "BOk");
        }));
        // Filling the controls did not change the stored value.
        QCOMPARE(dialog.Settings().CurrentCfg, before);
    }

    void strayOrderKindShowsRandomPart()
    {
        Write("Korvan.ini", "[Main]\r\nOrderKind=5\r\n");
        TFBehavior dialog;
        QVERIFY(ExecuteWith(dialog, [&] {
            QVERIFY(Find<QRadioButton>(dialog, "RBPart")->isChecked());
            QVERIFY(!Find<QRadioButton>(dialog, "RBOrder")->isChecked());
            QVERIFY(!Find<QRadioButton>(dialog, "RBAll")->isChecked());
            // Drilled as a random part, which takes the number at once.
            QVERIFY(Find<QSlider>(dialog, "TBUseAtOnce")->isEnabled());
            Click(dialog, "BOk");
        }));
        QCOMPARE(dialog.Settings().CurrentCfg.OrderKind, 5);
    }

    void everyControlChangesTheEdit()
    {
        TFBehavior dialog;
        QVERIFY(ExecuteWith(dialog, [&] {
            SetNextAnswer(true); // the English warning
            Click(dialog, "BUseEWav");
            Click(dialog, "BShowEText");
            Click(dialog, "BTranslER");
            Click(dialog, "RBUseTextInput");
            Find<QSlider>(dialog, "TBSpeed")->setValue(15);
            Click(dialog, "CBUseTime");
            QVERIFY(!Find<QSlider>(dialog, "TBSpeed")->isEnabled());
            Find<QSlider>(dialog, "TBMistakeChange")->setValue(-1);
            Click(dialog, "RBOrder");
            QVERIFY(!Find<QSlider>(dialog, "TBUseAtOnce")->isEnabled());
            Click(dialog, "RBPart");
            QVERIFY(Find<QSlider>(dialog, "TBUseAtOnce")->isEnabled());
            Find<QSlider>(dialog, "TBUseAtOnce")->setValue(33);
            Find<QSpinBox>(dialog, "UDDiffNum")->stepUp();
            Click(dialog, "CBSaveDiff");
            QVERIFY(!Find<QSpinBox>(dialog, "UDDiffNum")->isEnabled());
            Click(dialog, "CBUseSpeech");
            // Nothing reaches the current configuration before "Да".
            QCOMPARE(dialog.Settings().CurrentCfg, TBehaviorCfg{});
            Click(dialog, "BOk");
        }));
        QCOMPARE(TakeShownMessages(), QStringList{EnglishWarning});
        TBehaviorCfg expected;
        expected.UseEWav = false;
        expected.ShowEText = false;
        expected.TranslRE = false;
        expected.UseTextInput = true;
        expected.Speed = 15;
        expected.UseTime = false;
        expected.MistakeChange = -1;
        expected.OrderKind = 2;
        expected.UseAtOnce = 33;
        expected.DiffNum = 3;
        expected.SaveDiff = false;
        expected.UseSpeech = true;
        QCOMPARE(dialog.Settings().CurrentCfg, expected);
    }

    void directionButtonsExclusive()
    {
        TFBehavior dialog;
        QVERIFY(ExecuteWith(dialog, [&] {
            Click(dialog, "BTranslER");
            QVERIFY(!Find<QToolButton>(dialog, "BTranslRE")->isChecked());
            Click(dialog, "BTranslER"); // pressing the down one keeps it down
            QVERIFY(Find<QToolButton>(dialog, "BTranslER")->isChecked());
            Click(dialog, "BTranslRE");
            QVERIFY(!Find<QToolButton>(dialog, "BTranslER")->isChecked());
            Click(dialog, "BOk");
        }));
        QVERIFY(dialog.Settings().CurrentCfg.TranslRE);
    }

    void warnings_data()
    {
        QTest::addColumn<QString>("main");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("Russian text off, sound up")
            << "UseRWav=0" << QStringList{"BShowRText"} << QStringList{RussianWarning};
        QTest::newRow("then Russian sound on again: nothing")
            << "UseRWav=0" << QStringList{"BShowRText", "BUseRWav"} << QStringList{RussianWarning};
        QTest::newRow("Russian sound off, text up")
            << "ShowRText=0" << QStringList{"BUseRWav"} << QStringList{RussianWarning};
        QTest::newRow("Russian text off, sound down: nothing")
            << "" << QStringList{"BShowRText"} << QStringList{};
        QTest::newRow("English text off, sound up")
            << "UseEWav=0" << QStringList{"BShowEText"} << QStringList{EnglishWarning};
        QTest::newRow("English sound off, text up")
            << "ShowEText=0" << QStringList{"BUseEWav"} << QStringList{EnglishWarning};
        QTest::newRow("the other language does not count")
            << "UseRWav=0\r\nShowRText=0" << QStringList{"BShowEText"} << QStringList{};
    }

    void warnings()
    {
        QFETCH(QString, main);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, messages);
        Write("Korvan.ini", "[Main]\r\n" + main.toStdString() + "\r\n");
        TFBehavior dialog;
        for (qsizetype i = 0; i < messages.size(); ++i)
            SetNextAnswer(true);
        QVERIFY(ExecuteWith(dialog, [&] {
            for (const QString& name : clicks)
                Click(dialog, name.toLatin1().constData());
            Click(dialog, "BOk");
        }));
        QCOMPARE(TakeShownMessages(), messages);
        // The warning does not undo the switch.
        const TBehaviorCfg& cfg = dialog.Settings().CurrentCfg;
        if (clicks.first() == "BShowRText")
            QVERIFY(!cfg.ShowRText);
        if (clicks.first() == "BShowEText")
            QVERIFY(!cfg.ShowEText);
    }

    void modeChosenThenCancel()
    {
        WriteThreeModes();
        SaveBehaviorCfg(TBehaviorCfg{}, File("Korvan.ini"), "Main");
        TIniFile(File("Korvan.ini")).WriteInteger("Main", "CfgMode", 1);
        TFBehavior dialog;
        const TBehaviorCfg before = dialog.Settings().CurrentCfg;
        SetNextAnswer(true); // "Установки сохранены."
        QVERIFY(!ExecuteWith(dialog, [&] {
            ModeItem(dialog, 1)->trigger();
            QCOMPARE(Find<QPushButton>(dialog, "BSelectMode")->text(), Utf8("Режим :  Слова"));
            QCOMPARE(Find<QSlider>(dialog, "TBSpeed")->value(), 12);
            QVERIFY(Find<QRadioButton>(dialog, "RBAll")->isChecked());
            Find<QSlider>(dialog, "TBSpeed")->setValue(18);
            Click(dialog, "BSaveMode");
            Click(dialog, "BCancel");
        }));
        QCOMPARE(TakeShownMessages(), QStringList{Utf8("Установки сохранены.")});
        QCOMPARE(dialog.Settings().CurrentMode, 0);
        QCOMPARE(dialog.Settings().CurrentCfg, before);
        // The saved mode stays saved.
        TBehaviorCfg mode2;
        LoadBehaviorCfg(mode2, File("Modes.ini"), "Mode2");
        TBehaviorCfg expected = Stored();
        expected.Speed = 18;
        QCOMPARE(mode2, expected);
        // The next opening starts again from the current mode.
        QVERIFY(!ExecuteWith(dialog, [&] {
            QCOMPARE(Find<QPushButton>(dialog, "BSelectMode")->text(), Utf8("Режим :  Обычный"));
            QCOMPARE(Find<QSlider>(dialog, "TBSpeed")->value(), 5);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }));
    }

    void modeChosenThenOk()
    {
        WriteThreeModes();
        TFBehavior dialog;
        QCOMPARE(dialog.Settings().CurrentMode, 1); // CfgMode 2 by default
        QVERIFY(ExecuteWith(dialog, [&] {
            ModeItem(dialog, 2)->trigger();
            QCOMPARE(Find<QPushButton>(dialog, "BSelectMode")->text(), Utf8("Режим :  Экзамен"));
            Click(dialog, "BOk");
        }));
        TBehaviorCfg expected; // the defaults for the keys Mode3 lacks
        expected.Speed = 3;
        expected.OrderKind = 0;
        QCOMPARE(dialog.Settings().CurrentCfg, expected);
        QCOMPARE(dialog.Settings().CurrentMode, 2);
        QVERIFY(TakeShownMessages().isEmpty());
    }

    void closeBoxAndEscChangeNothing()
    {
        WriteThreeModes();
        TFBehavior dialog;
        const TBehaviorCfg before = dialog.Settings().CurrentCfg;
        QVERIFY(!ExecuteWith(dialog, [&] {
            ModeItem(dialog, 0)->trigger();
            Click(dialog, "RBOrder");
            dialog.close();
        }));
        QVERIFY(!ExecuteWith(dialog, [&] {
            Click(dialog, "BTranslER");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }));
        QCOMPARE(dialog.Settings().CurrentCfg, before);
        QCOMPARE(dialog.Settings().CurrentMode, 1);
    }

    void modeMenuWithSeparator()
    {
        Write("Modes.ini", "[Modes]\r\nHowMany=3\r\n1=A&B\r\n2=-\r\n3=C\r\n");
        Write("Korvan.ini", "[Main]\r\nCfgMode=2\r\n");
        TFBehavior dialog;
        const QList<QAction*> items = Find<QMenu>(dialog, "PM")->actions();
        QCOMPARE(items.size(), 3);
        QVERIFY(!items[0]->isSeparator());
        QCOMPARE(items[0]->text(), QStringLiteral("A&&B")); // shown as "A&B"
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->data().toInt(), 2);
        QVERIFY(!ExecuteWith(dialog, [&] {
            QCOMPARE(Find<QPushButton>(dialog, "BSelectMode")->text(), Utf8("Режим :  -"));
            Click(dialog, "BCancel");
        }));
    }

    void saveModeThatCannotBeWritten()
    {
        // A folder where Modes.ini should be: the file cannot be replaced.
        QVERIFY(QDir(Folder->path()).mkdir(QStringLiteral("Modes.ini")));
        TFBehavior dialog;
        SetNextAnswer(true);
        QVERIFY(ExecuteWith(dialog, [&] {
            Click(dialog, "BSaveMode");
            QVERIFY(dialog.isVisible());
            Click(dialog, "BOk");
        }));
        QCOMPARE(TakeShownMessages(),
                 QStringList{QString::fromStdString("Unable to write to " + File("Modes.ini"))});
    }

    void currentSettingsWrittenWhenDestroyed()
    {
        WriteThreeModes();
        {
            TFBehavior dialog;
            QVERIFY(ExecuteWith(dialog, [&] {
                ModeItem(dialog, 1)->trigger();
                Click(dialog, "BOk");
            }));
            // Nothing is written before the end.
            QVERIFY(!QFile::exists(QString::fromStdString(File("Korvan.ini"))));
        }
        TBehaviorCfg main;
        LoadBehaviorCfg(main, File("Korvan.ini"), "Main");
        QCOMPARE(main, Stored());
        QCOMPARE(TIniFile(File("Korvan.ini")).ReadInteger("Main", "CfgMode", 0), 2);
    }
};

QTEST_MAIN(BehaviorDialogTest)
#include "BehaviorDialogTest.moc"
