#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "ui/dialogs/InputModeDialog.h"

using namespace korvan;

namespace {

QPushButton* Button(QWidget& dialog, const char* name)
{
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    if (button == nullptr)
        qFatal("no button %s", name);
    return button;
}

// Runs Execute on `value` with `actions` performed once the prompt is up. A
// prompt still open after 5 s is closed so a broken test fails, not hangs.
bool ExecuteWith(TFInpMode& dialog, bool& value, const std::function<void()>& actions)
{
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(dialog.isVisible());
        actions();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
        qWarning("prompt left open");
        dialog.reject();
    });
    guard.start(5000);
    return dialog.Execute(value);
}

} // namespace

class InputModeDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void form()
    {
        TFInpMode dialog;
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Режим перевода"));
        QCOMPARE(dialog.size(), QSize(368, 152));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(Button(dialog, "BUseAudioInput")->text(), QString::fromUtf8("Произносить вслух"));
        QCOMPARE(Button(dialog, "BUseTextInput")->text(),
                 QString::fromUtf8("Набирать на клавиатуре"));
        QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(), QString::fromUtf8("Перевод я буду:"));
        QCOMPARE(dialog.findChild<QLabel*>("Label2")->text(),
                 QString::fromUtf8("* Запрос режима перевода можно отключить через \n"
                                   "диалоговое окно [Настройка] > [Внешний вид программы ...]"));
        for (const char* name : {"BUseAudioInput", "BUseTextInput"})
            QVERIFY2(!Button(dialog, name)->isDefault(), name);
    }

    void buttonsChoose_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("type, was speaking") << "BUseTextInput" << false << true;
        QTest::newRow("type, was typing") << "BUseTextInput" << true << true;
        QTest::newRow("speak, was typing") << "BUseAudioInput" << true << false;
        QTest::newRow("speak, was speaking") << "BUseAudioInput" << false << false;
    }

    void buttonsChoose()
    {
        QFETCH(QString, button);
        QFETCH(bool, before);
        QFETCH(bool, after);
        TFInpMode dialog;
        bool value = before;
        QVERIFY(ExecuteWith(dialog, value, [&] {
            QTest::mouseClick(Button(dialog, button.toLatin1().constData()), Qt::LeftButton);
        }));
        QCOMPARE(value, after);
    }

    void escAndCloseBoxLeaveTheValue()
    {
        TFInpMode dialog;
        for (bool before : {false, true}) {
            bool value = before;
            // Esc reaches the prompt first whichever button has the focus.
            QVERIFY(!ExecuteWith(dialog, value, [&] {
                QTest::keyClick(Button(dialog, "BUseTextInput"), Qt::Key_Escape);
            }));
            QCOMPARE(value, before);
            QVERIFY(!ExecuteWith(dialog, value, [&] { dialog.close(); }));
            QCOMPARE(value, before);
        }
    }

    void firstButtonHasTheFocusAndEnterPressesIt()
    {
        TFInpMode dialog;
        bool value = true;
        QVERIFY(ExecuteWith(dialog, value, [&] {
            QCOMPARE(dialog.focusWidget(), Button(dialog, "BUseAudioInput"));
            QTest::keyClick(Button(dialog, "BUseAudioInput"), Qt::Key_Return);
        }));
        QVERIFY(!value);
        // Tab moves to the second button, and Enter presses that one.
        QVERIFY(ExecuteWith(dialog, value, [&] {
            QCOMPARE(Button(dialog, "BUseAudioInput")->nextInFocusChain(),
                     Button(dialog, "BUseTextInput"));
            Button(dialog, "BUseTextInput")->setFocus();
            QTest::keyClick(Button(dialog, "BUseTextInput"), Qt::Key_Return);
        }));
        QVERIFY(value);
    }
};

QTEST_MAIN(InputModeDialogTest)
#include "InputModeDialogTest.moc"
