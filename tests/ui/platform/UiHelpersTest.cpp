#include <QtTest>

#include "ui/platform/UiHelpers.h"

using namespace korvan;

class UiHelpersTest : public QObject
{
    Q_OBJECT

private slots:
    void preAnsweredMessageBoxesShowNothing()
    {
        SetNextAnswer(false);
        SetNextAnswer(true);
        SetNextAnswer(false);
        QVERIFY(!ShowMsgBox(nullptr, QStringLiteral("first"), true));
        QVERIFY(ShowMsgBox(nullptr, QStringLiteral("second"), true));
        // OK alone: the box cannot answer anything else.
        QVERIFY(ShowMsgBox(nullptr, QStringLiteral("third"), false));
        QCOMPARE(TakeShownMessages(),
                 QStringList(
                     {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}));
        QVERIFY(TakeShownMessages().isEmpty());
    }
};

QTEST_MAIN(UiHelpersTest)
#include "UiHelpersTest.moc"
